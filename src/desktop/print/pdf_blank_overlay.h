#pragma once
#include "core/print/blank_alignment.h"
#include "core/print/blank_forms.h"

#include <string>
#include <vector>

// A page of a blank form PDF to lay under a page of a written PDF, where the
// blank lies on the A4 sheet.
struct PdfUnderlay {
    int pageIndex = 0; // 0-based page of the written file
    BlankSource blank;
    RectMm placement;
};

// Lays each blank page under its page's content as a form of the file's own
// (vector, nothing rasterised), reading only the pages needed, and rewrites
// the file in place. Throws PrinterError naming the file that failed.
void layPdfUnderlays(const std::string& pdfFile, const std::vector<PdfUnderlay>& underlays);
