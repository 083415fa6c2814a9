#pragma once
#include "desktop/print/pdf_blank_overlay.h"
#include "core/print/printer_device.h"

#include <string>
#include <string_view>
#include <vector>

class BlankFormSet;
class QPainter;

// Lays the blank forms of a plain-paper job under its pages. On a printer a
// blank is drawn as a picture at the printer's resolution; into a PDF file a
// PDF blank is not drawn but kept, and laid under the written page as the
// PDF's own vector content by layUnderPdf() before the file is put in place.
// Scans go in as pictures at their own resolution either way.
class BlankUnderlay {
public:
    BlankUnderlay(BlankFormSet& blanks, bool intoPdfFile);

    // Lays the blank of `label`, if it has one, under output page
    // `pageIndex` (0-based), whose painter is in device pixels from the
    // printable area's corner. A page without a blank prints its data alone.
    void drawUnder(QPainter& painter, const PrintableArea& area, std::string_view label, int pageIndex);

    // Lays the kept PDF blanks under the pages of the written file. Throws
    // PrinterError naming the blank or the file when it cannot.
    void layUnderPdf(const std::string& pdfFile) const;

private:
    BlankFormSet& blanks_;
    bool intoPdfFile_;
    std::vector<PdfUnderlay> kept_;
};
