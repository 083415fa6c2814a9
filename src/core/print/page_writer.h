#pragma once
#include "core/common/date4.h"
#include "core/common/field_layout.h"
#include "core/common/record_access.h"
#include "core/print/canvas.h"

#include <array>
#include <cstdint>
#include <string_view>

// The drawing model shared by every page layout. Columns are whole
// millimetres from the page's left margin; `pen_y` moves down the page by
// fixed steps, the line step and calibrated section steps. All pixel values
// are truncated toward zero.
class PageWriter {
public:
    static constexpr int kSpacingEntries = 68;
    using SpacingTable = std::array<std::int32_t, kSpacingEntries>; // already in pixels

    PageWriter(Canvas& canvas, int scaleX, int scaleY, const SpacingTable& spacing, int originX, int topY);

    int scale_x;
    int scale_y;
    int origin_x;
    int pen_y;

    // Steps of pen_y.
    void step(int mm) { pen_y += scale_y * mm; }
    // A step of a fraction of a millimetre (4.5 mm), truncated to pixels.
    void fractionalStep(double mm);
    void lineStep();
    void section(int entry);
    // The step to the next section of a page laid out here: the line step,
    // and the section's calibrated spacing on top of it, so that with no
    // calibration at all the sections still stand a line apart.
    void sectionLine(int entry)
    {
        lineStep();
        section(entry);
    }

    // Text items at column `col`, `belowMm` millimetres under the current line
    // without moving it.
    void plain(int col, std::string_view text, int belowMm = 0);
    void spaced(int col, std::string_view text, int belowMm = 0);
    // NIP with dashes in the grouping of `formType` (1 and 3: 3-3-2-2, others
    // 3-2-2-3), optionally keeping a two-letter country prefix; spaced.
    void nip(int col, std::string_view digits, int formType, bool withPrefix = false, int belowMm = 0);
    void date(int col, Date4 d, int belowMm = 0);
    void plainDate(int col, Date4 d, int belowMm = 0);
    void cross(int col, int belowMm = 0) { plain(col, "XX", belowMm); }
    // A plain text `gapMm` millimetres after the end of the last text, on its line.
    void plainAfterLast(int gapMm, std::string_view text);

    // Fields read straight from a record.
    void plain(int col, ConstBytes rec, const Field& f, int belowMm = 0) { plain(col, getStr(rec, f), belowMm); }
    void spaced(int col, ConstBytes rec, const Field& f, int belowMm = 0) { spaced(col, getStr(rec, f), belowMm); }
    void date(int col, ConstBytes rec, const Field& f, int belowMm = 0) { date(col, getDate(rec, f), belowMm); }

    enum class AddressVariant { Nip, Vat };
    // The four-line address block starting at pen_y; leaves pen_y on line 4.
    void address(ConstBytes rec, const Field& block, AddressVariant variant);
    // Lines 1 to 3 of the address block (no telephone or fax); leaves pen_y
    // on line 3.
    void postalAddress(ConstBytes rec, const Field& block);

    Canvas& canvas() { return canvas_; }

private:
    int xAt(int col) const { return origin_x + scale_x * col; }
    int yBelow(int mm) const { return pen_y + scale_y * mm; }

    Canvas& canvas_;
    const SpacingTable& spacing_;
};
