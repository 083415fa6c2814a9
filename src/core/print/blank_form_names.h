#pragma once
#include <string>
#include <string_view>
#include <vector>

// The scans of the blank forms lie in this folder of the data directory,
// one file per printed sheet, so that every workstation of the office sees
// the same ones.
inline constexpr std::string_view kBlankFormFolder = "druki";

// The file name, without extension, of the scan for a sheet label: a run of
// spaces becomes "_", the "/" of the sheet number "z", any other "/" (or a
// character unsafe in a file name) "-": "NIP-1 1/4" is "NIP-1_1z4",
// "VAT-R/UE 1/1" is "VAT-R-UE_1z1".
std::string blankFormFileBase(std::string_view label);

// The paths tried for a label, in order: the folder, the name and each of
// the extensions ".png", ".jpg", ".jpeg", ".pdf" (also in capitals).
std::vector<std::string> blankFormCandidates(std::string_view label);
