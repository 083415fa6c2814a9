#pragma once
#include "core/common/record_access.h"
#include "core/records/address_block.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/print/page_layouts.h"
#include "core/print/page_writer.h"
#include "support/recording_canvas.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
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

// Spacing entries `first`, `first` + 1, ... set to `values` in pixels, the others 0.
inline PageWriter::SpacingTable spacingOf(std::initializer_list<int> values, std::size_t first = 0)
{
    PageWriter::SpacingTable spacing{};
    for (const int v : values)
        spacing[first++] = v;
    return spacing;
}

// A cleared record of `size` bytes.
inline std::vector<std::uint8_t> clearedRecord(std::size_t size)
{
    std::vector<std::uint8_t> rec(size);
    ClearRecordBytes(rec);
    return rec;
}

inline void setTexts(Bytes rec, std::initializer_list<std::pair<Field, std::string>> texts)
{
    for (const auto& [field, text] : texts)
        setStr(rec, field, text);
}

inline void setChoices(Bytes rec, std::initializer_list<std::pair<Field, int>> choices)
{
    for (const auto& [field, value] : choices)
        setU8(rec, field, static_cast<std::uint8_t>(value));
}

// Items laid out down the page from `top`: each row is a column, the
// distance down from the previous row and the text.
struct Row {
    int col;
    int down;
    std::string text;
};

inline Items laidOut(int top, std::initializer_list<Row> rows)
{
    Items items;
    for (const Row& r : rows)
        items.push_back({X(r.col), top += r.down, r.text});
    return items;
}

// The forms and the parts of the record each of them fills in.
enum class Form { Nip1, Nip2, Nip3, NipB, VatR, VatZ, Vat21 };

struct FormRecord {
    std::size_t size;
    std::vector<const Layout*> layouts;
};

inline FormRecord recordOf(Form form)
{
    switch (form) {
    case Form::Nip1: return {nip::kRecordSize, {&nip::common_layout, &nip::personal_layout, &nip::nip1_layout}};
    case Form::Nip2: return {nip::kRecordSize, {&nip::common_layout, &nip::nip2_layout}};
    case Form::Nip3: return {nip::kRecordSize, {&nip::common_layout, &nip::personal_layout, &nip::nip3_layout}};
    case Form::NipB: return {nipb::kRecordSize, {&nipb::layout}};
    case Form::VatR: return {vatr::kRecordSize, {&vatr::layout}};
    case Form::VatZ: return {vatz::kRecordSize, {&vatz::layout}};
    case Form::Vat21: return {vat21::kRecordSize, {&vat21::layout}};
    }
    return {0, {}};
}

// Calls `fn` for every plain field (items of repeated fields and members of
// blocks included), with its absolute offset.
inline void forEachLeaf(const Field& f, const std::function<void(const Field&)>& fn)
{
    for (std::uint32_t k = 0; k < f.count; ++k) {
        const Field item = f.item(k);
        if (item.type != FieldType::Group) {
            fn(item);
            continue;
        }
        for (const Field& member : item.group->fields)
            forEachLeaf(item / member, fn);
    }
}

// ... and for every plain field of a form's record.
inline void forEachLeaf(Form form, const std::function<void(const Field&)>& fn)
{
    for (const Layout* layout : recordOf(form).layouts)
        for (const Field& top : layout->fields)
            forEachLeaf(top, fn);
}

// Each page with its form and the consecutive spacing entries it steps over.
struct PageSections {
    PageId page;
    Form form;
    int firstEntry;
    int lastEntry;
};

inline constexpr PageSections kAllPages[] = {
    {PageId::Nip1_1, Form::Nip1, 0, 3}, {PageId::Nip1_2, Form::Nip1, 4, 10}, {PageId::Nip1_3, Form::Nip1, 11, 16},
    {PageId::Nip1_4, Form::Nip1, 17, 19}, {PageId::Nip2_1, Form::Nip2, 0, 4}, {PageId::Nip2_2, Form::Nip2, 5, 9},
    {PageId::Nip2_3, Form::Nip2, 10, 12}, {PageId::Nip2_4, Form::Nip2, 13, 16}, {PageId::NipD_1, Form::Nip2, 29, 34},
    {PageId::NipD_2, Form::Nip2, 35, 38}, {PageId::Nip3_1, Form::Nip3, 0, 3}, {PageId::Nip3_2, Form::Nip3, 4, 8},
    {PageId::NipB_1, Form::NipB, 33, 34}, {PageId::NipB_2, Form::NipB, 35, 35}, {PageId::VatR_1, Form::VatR, 0, 4},
    {PageId::VatR_2, Form::VatR, 5, 10}, {PageId::VatRUe_1, Form::VatR, 11, 16}, {PageId::VatZ_1, Form::VatZ, 0, 4},
    {PageId::Vat21_1, Form::Vat21, 0, 4}, {PageId::Vat21_2, Form::Vat21, 5, 5},
};

// Fills the address block; the telephone and fax only when asked.
inline void fillAddress(Bytes rec, const Field& addr, bool withPhone)
{
    namespace a = address_block;
    setTexts(rec, {{addr / a::country, "POLSKA"}, {addr / a::voivodeship, "SLASKIE"}, {addr / a::county, "BIELSKI"},
                      {addr / a::commune, "JASIENICA"}, {addr / a::street, "DLUGA"}, {addr / a::house_no, "7"},
                      {addr / a::flat_no, "2"}, {addr / a::locality, "JASIENICA"}, {addr / a::postcode, "43-385"},
                      {addr / a::post_office, "JASIENICA"}});
    if (withPhone)
        setTexts(rec, {{addr / a::phone, "033 1"}, {addr / a::fax, "033 2"}});
}

// The items of that address starting at line y: three lines of nine
// millimetres, and the fourth (telephone, fax at `faxCol`) when asked.
inline Items addressItems(int y, bool withFourthLine, int faxCol)
{
    Items items = laidOut(y, {{20, 0, "POLSKA"}, {70, 0, "SLASKIE"}, {150, 0, "BIELSKI"}, {20, mm(9), "JASIENICA"},
                                 {70, 0, "DLUGA"}, {172, 0, "7"}, {195, 0, "2"}, {20, mm(9), "JASIENICA"},
                                 {100, 0, "43-385"}, {140, 0, "JASIENICA"}});
    if (withFourthLine)
        items.insert(items.end(), {{X(40), y + mm(27), "033 1"}, {X(faxCol), y + mm(27), "033 2"}});
    return items;
}

// The items printed at the positions of `spots`, in their order: equal to
// `spots` when each of their texts, and nothing else, prints there.
inline Items printedAt(const Items& items, const Items& spots)
{
    Items found;
    for (const Item& s : spots)
        for (const Item& i : items)
            if (i.x == s.x && i.y == s.y)
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
