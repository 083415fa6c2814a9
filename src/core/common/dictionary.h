#pragma once
#include <string>
#include <string_view>
#include <vector>

// Word lists of the entry frames (countries, voivodeships, banks, ...): one
// entry per line in a small text file, code page 1250.

// Replaces the list with the file's lines (CRLF or LF). When the file cannot
// be read, missing included, the list stays as it was.
void LoadDictionary(std::vector<std::string>& list, const std::string& fileName);

// Adds a text the list does not hold yet (exact, case-sensitive match) and
// saves the whole list, CRLF after every entry. A sorted list keeps its
// alphabetical order (PolishLess); another list gets the text at its end.
// An empty text changes nothing. A failed save throws IoError, the list
// already holding the text.
void AddToDictionary(std::vector<std::string>& list, std::string_view text, const std::string& fileName,
                     bool sorted);
