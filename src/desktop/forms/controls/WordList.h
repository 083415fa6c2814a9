#pragma once
#include <string>
#include <vector>

class QComboBox;

// The drop-down list of a box kept in a word-list file shared by every frame
// that offers it ("slkraj.", "slbank.", ...).
class WordList {
public:
    // `sorted` keeps the list in alphabetical order; otherwise new entries
    // go to its end.
    WordList(QComboBox* box, const char* baseName, bool sorted);

    // Replaces the box's list by the file's lines; a file that cannot be read
    // leaves the list as it is. The box's text stays.
    void load();
    // Adds the box's text when it is not empty and not yet an entry (exact,
    // case-sensitive) and writes the whole list back to the file. A failed
    // write is reported; the entry stays in the list.
    void learn();

private:
    void show(const std::vector<std::string>& entries);
    std::vector<std::string> entries() const;

    QComboBox* box_;
    std::string fileName_;
    bool sorted_;
};
