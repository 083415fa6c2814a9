#pragma once
#include <optional>
#include <string>
#include <string_view>

// Where the blank form of a printed page comes from, in the druki folder of
// the data directory: the page's own file (a scan or a PDF,
// print/blank_form_names.h) or else that page of the form's whole PDF as the
// ministry publishes it: "NIP-1.pdf" holds "NIP-1 1/4" to "NIP-1 4/4",
// "NIP-D.pdf" "NIP-D  1/2" and "NIP-D  2/2", "VAT-R-UE.pdf" "VAT-R/UE 1/1".
struct BlankSource {
    std::string path;
    int pdfPage = -1; // 0-based page of a PDF; -1: an image (PNG, JPEG)
    int formPages = 0; // a whole-form PDF: the number of pages the form has
    bool operator==(const BlankSource&) const = default;
};

// The blank of a page label when the folder holds one; whether the file
// really is a usable PDF or image is learnt when it is opened.
std::optional<BlankSource> findBlank(std::string_view label);

// What is wrong with the druki folder itself (a file of that name, or a
// folder that cannot be read), as the message to show; empty when it is
// fine or absent.
std::string blankFolderProblem();
