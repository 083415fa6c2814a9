#pragma once
#include "core/print/calibration_files.h"
#include "core/print/canvas.h"
#include "core/print/print_job.h"

#include <string>
#include <vector>

class QPainter;
class QRect;

// One line of a millimetre grid: its pixel from the printable area's edge
// and its millimetre counted from the page's origin, as the layouts count
// their columns and steps.
struct GridLine {
    int pixel;
    int mm;
    bool operator==(const GridLine&) const = default;
};

// The lines that fall on an extent of the printable area, one per
// millimetre of `pixelsPerMm` pixels, the line of millimetre 0 on the origin.
std::vector<GridLine> gridLines(int originPixel, int pixelsPerMm, int extentPixels);

// True when the spacing entry moves a text the page prints.
bool spacingMovesPage(PageId page, std::size_t entry);

// A pixel where a text of the page starts: its top-left corner.
struct TextStart {
    int x;
    int y;
    auto operator<=>(const TextStart&) const = default;
};

// The sheet an operator calibrates with: one page of a form placed as the
// print job places it at the given margins and spacings (whole millimetres),
// with a millimetre grid from the page's origin and a small numbered box at
// the start of every text the page can print. Held against the blank form
// to the light, it shows how far each field is off.
class TestSheet {
public:
    TestSheet(PageId page, int widthPixels, int heightPixels, const calibration::MarginTable& margins,
              const calibration::SpacingTable& spacings);

    const std::string& label() const { return page().label; }
    calibration::MarginPair margins() const { return margins_; }
    const JobPlan& plan() const { return plan_; }
    const PlannedPage& page() const { return plan_.pages.at(pageIndex_); }

    // Where the page's texts start, on any of its filled records, in pixels
    // from the printable area's corner; in reading order, each once. Texts
    // placed after others are placed by the widths `measure` gives.
    std::vector<TextStart> textStarts(Canvas& measure) const;

    // Draws the sheet in printer pixels from the printable area's corner;
    // the painter's font is the printing font.
    void draw(QPainter& painter) const;

private:
    // The caption at the sheet's foot; returns where it lies.
    QRect drawCaption(QPainter& painter) const;
    void drawGrid(QPainter& painter, const QRect& caption) const;
    void drawBoxes(QPainter& painter) const;

    FormKind kind_;
    JobPlan plan_;
    std::size_t pageIndex_ = 0;
    calibration::MarginPair margins_;
    int width_;
    int height_;
};
