#pragma once
#include "core/print/print_job.h"

#include <QRectF>

#include <functional>
#include <string>
#include <vector>

class QPainter;

// What the preview shows: sheets drawn as a printer draws them, in its
// pixels from the corner of its printable area, placed on an A4 sheet.
struct PreviewSheet {
    std::string label;                   // "NIP-1 1/4": the page whose blank form may lie under it
    std::function<void(QPainter&)> draw; // the painter is in printer pixels, the printing font set
};

struct PreviewSource {
    QRectF printableMm;       // the printer's printable area on the A4 sheet, in millimetres
    double pixelsPerMm = 0.0; // of the printer
    std::vector<PreviewSheet> sheets;
    PrintOptions options; // of the job the sheets are planned for
    // "Drukuj" in the preview runs this (the normal job); none: no such button.
    std::function<void()> print;
};
