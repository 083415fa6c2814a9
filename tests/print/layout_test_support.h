#pragma once
#include "common/record_access.h"
#include "forms/cleared_record.h"
#include "print/page_layouts.h"
#include "print/page_writer.h"
#include "support/recording_canvas.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

inline void PrintTo(const RecordingCanvas::Item& i, std::ostream* os)
{
    *os << "(" << i.x << ", " << i.y << ", \"" << i.text << "\")";
}

// The page geometry every layout test prints with: a printer of 3300 pixels
// down an A4 sheet gives scale_y 11.
namespace layout_test {

constexpr int kScaleX = 12;
constexpr int kScaleY = 11;
constexpr int kLineStep = 91; // Trunc(11 * 8.3)
constexpr int kOriginX = 100;
constexpr int kTopY = 200;
constexpr int kCharWidth = 7;

// x of column `col`; a distance of `k` millimetres down the page.
constexpr int X(int col) { return kOriginX + kScaleX * col; }
constexpr int mm(int k) { return kScaleY * k; }

using Item = RecordingCanvas::Item;
using Items = std::vector<Item>;

inline Items render(PageId page, ConstBytes rec, const PageWriter::SpacingTable& spacing, int sheet = 1)
{
    RecordingCanvas canvas(kCharWidth);
    PageWriter writer(canvas, kScaleX, kScaleY, spacing, kOriginX, kTopY);
    renderPage(page, writer, rec, sheet);
    return canvas.items;
}

inline Items render(PageId page, ConstBytes rec, int sheet = 1)
{
    return render(page, rec, PageWriter::SpacingTable{}, sheet);
}

// A cleared record of `size` bytes.
inline std::vector<std::uint8_t> clearedRecord(std::size_t size)
{
    std::vector<std::uint8_t> rec(size);
    ClearRecordBytes(rec);
    return rec;
}

// A list of the one item.
inline Items one(int x, int y, std::string text) { return Items{{x, y, std::move(text)}}; }

// Items printed at exactly this position.
inline Items at(const Items& items, int x, int y)
{
    Items found;
    for (const Item& i : items)
        if (i.x == x && i.y == y)
            found.push_back(i);
    return found;
}

inline const Item* findText(const Items& items, const std::string& text)
{
    for (const Item& i : items)
        if (i.text == text)
            return &i;
    return nullptr;
}

inline Items crosses(const Items& items)
{
    Items found;
    for (const Item& i : items)
        if (i.text == "XX")
            found.push_back(i);
    return found;
}

} // namespace layout_test
