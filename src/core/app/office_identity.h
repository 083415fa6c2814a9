#pragma once
#include <array>
#include <string>

// The office identity lives in the text file "biuro.Rdx": four lines in code
// page 1250 (office name on lines 1 and 2, its address on lines 3 and 4).
inline constexpr const char* kOfficeIdentityFile = "biuro.Rdx";
inline constexpr std::size_t kOfficeLineWidth = 40;

// Missing file or lines give empty lines; each line is cut to 40 characters.
std::array<std::string, 4> LoadOfficeIdentity();
void SaveOfficeIdentity(const std::array<std::string, 4>& lines);
