#pragma once
#include "core/print/a4_sheet.h"

#include <string>
#include <string_view>

// The operator's correction of where a page's blank form lies under the
// data: official PDFs put their boxes a millimetre or two from where the
// layouts print, and a scanner shrinks a little. Kept per form page.
struct BlankAlignment {
    double offsetXMm = 0.0; // to the right
    double offsetYMm = 0.0; // down
    double scale = 1.0; // about the sheet's top-left corner
    bool operator==(const BlankAlignment&) const = default;
};

// The bounds of a sensible correction; a stored one beyond them is ignored.
inline constexpr double kMaxBlankOffsetMm = 50.0;
inline constexpr double kMinBlankScale = 0.8;
inline constexpr double kMaxBlankScale = 1.2;

// The file that keeps a page's correction: "druki/NIP-1_1z4.popr", three
// lines: the offsets right and down in millimetres and the scale in per
// cent ("0.5", "-1", "98.5").
std::string blankAlignmentPath(std::string_view label);

struct LoadedAlignment {
    BlankAlignment alignment; // the defaults when there is none or it is nonsense
    std::string problem; // the message naming the file when it was nonsense; else empty
};
// Never throws: an unreadable file is a problem like nonsense.
LoadedAlignment loadBlankAlignment(std::string_view label);

// Writes the correction whole (the default one removes the file), making
// the druki folder when it is missing. Throws IoError naming the file.
void saveBlankAlignment(std::string_view label, const BlankAlignment& alignment);

struct RectMm {
    double x = 0.0;
    double y = 0.0;
    double width = 0.0;
    double height = 0.0;
    bool operator==(const RectMm&) const = default;
};

// Whether a page of this size is taken as A4 as it stands (within 1 mm).
bool isA4(double widthMm, double heightMm);

// Where a blank page of the given size lies on the A4 sheet, in millimetres
// from the sheet's top-left corner: an A4 page covers the sheet, any other
// is fitted into it keeping its proportions, centred; then it is scaled
// about the sheet's corner and moved by the offsets. Scans are stretched to
// the sheet: pass A4 for them.
RectMm blankPlacement(double pageWidthMm, double pageHeightMm, const BlankAlignment& alignment);
