#pragma once
#include "core/common/record_access.h"
#include "core/records/address_block.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/print/page_layouts.h"
#include "core/print/page_writer.h"
#include "support/recording_canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
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

inline Items render(PageId page, ConstBytes rec, const PageWriter::SpacingTable& spacing = {}, int sheet = 1)
{
    RecordingCanvas canvas(kCharWidth);
    PageWriter writer(canvas, kScaleX, kScaleY, spacing, kOriginX, kTopY);
    renderPage(page, writer, rec, sheet);
    return canvas.items;
}

// The forms, each with its record's size and the parts of the record it fills in.
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

// Calls `fn` for every plain field of a form's record (items of repeated
// fields and members of blocks included), with its absolute offset.
inline void forEachLeaf(const Field& f, const std::function<void(const Field&)>& fn)
{
    for (std::uint32_t k = 0; k < f.count; ++k)
        if (const Field item = f.item(k); item.type != FieldType::Group)
            fn(item);
        else
            for (const Field& member : item.group->fields)
                forEachLeaf(item / member, fn);
}

inline void forEachLeaf(Form form, const std::function<void(const Field&)>& fn)
{
    for (const Layout* layout : recordOf(form).layouts)
        for (const Field& top : layout->fields)
            forEachLeaf(top, fn);
}

// The text a tagged record holds in `f`: "T", its offset, and "Q" up to the
// field's full width, so that each printed text names its field and shows
// if it was cut; a field too short for that holds "Y" and a letter.
inline std::string tag(const Field& f)
{
    std::string t = "T" + std::to_string(f.offset);
    if (t.size() > f.capacity())
        t = {'Y', static_cast<char>('A' + f.offset % 26)};
    return t + std::string(f.capacity() - t.size(), 'Q');
}

// The date a tagged record holds in `f`: each field a day, month and year
// of its own.
inline Date4 dateOf(const Field& f)
{
    return {static_cast<std::uint16_t>(1950 + f.offset % 50), static_cast<std::uint8_t>(1 + f.offset / 28 % 12),
        static_cast<std::uint8_t>(1 + f.offset % 28)};
}

// A cleared record of the form with every text and date tagged, `choice` in
// every choice, flag and count, and 2004 in every year.
inline std::vector<std::uint8_t> taggedRecord(Form form, std::uint8_t choice)
{
    std::vector<std::uint8_t> rec(recordOf(form).size);
    ClearRecordBytes(rec);
    forEachLeaf(form, [&](const Field& f) {
        switch (f.type) {
        case FieldType::Str: setStr(rec, f, tag(f)); break;
        case FieldType::Date: setDate(rec, f, dateOf(f)); break;
        case FieldType::U8: setU8(rec, f, choice); break;
        case FieldType::I32: setI32(rec, f, 2004); break;
        default: break;
        }
    });
    return rec;
}

// Spacing entry `e` calibrated to pixels of its own, so that each section
// step shows which entry it took.
constexpr int S(int e) { return 40 + 3 * e; }
inline PageWriter::SpacingTable distinctSpacings()
{
    PageWriter::SpacingTable spacing{};
    for (int e = 0; e < PageWriter::kSpacingEntries; ++e)
        spacing[static_cast<std::size_t>(e)] = S(e);
    return spacing;
}

// A page of a record with every choice 1, every text and date tagged and
// `nipValue` in `nip`, printed with distinct spacings.
inline Items officialPage(PageId page, Form form, const Field& nip, const std::string& nipValue)
{
    auto rec = taggedRecord(form, 1);
    setStr(rec, nip, nipValue);
    return render(page, rec, distinctSpacings());
}

// Items laid out down the page: each row is a column, the distance down
// from the previous row and the text; `px` pixels more to the right.
struct Row {
    int col;
    int down;
    std::string text;
    int px = 0;
};
using Rows = std::vector<Row>;

inline Rows operator+(Rows a, const Rows& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Items laidOut(int top, const Rows& rows)
{
    Items items;
    for (const Row& r : rows)
        items.push_back({X(r.col) + r.px, top += r.down, r.text});
    return items;
}

// A text in spaced capitals (the tags are capitals already).
inline std::string spaced(const std::string& text)
{
    std::string out;
    for (const char c : text)
        out += out.empty() ? std::string(1, c) : std::string{' ', c};
    return out;
}

// The tagged date of `f` as the plain date form prints it, and as the date form.
inline std::string plainDate(const Field& f)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d-%04d", dateOf(f).day, dateOf(f).month, dateOf(f).year);
    return text;
}
inline std::string dateText(const Field& f) { return spaced(plainDate(f)); }

// The address block's rows, its first line `down` below the previous row:
// four lines with the fax at `faxCol`, or three lines when `faxCol` is 0.
inline Rows addressRows(const Field& addr, int down, int faxCol)
{
    namespace a = address_block;
    Rows rows = {{20, down, tag(addr / a::country)}, {70, 0, tag(addr / a::voivodeship)},
        {150, 0, tag(addr / a::county)}, {20, mm(9), tag(addr / a::commune)}, {70, 0, tag(addr / a::street)},
        {172, 0, tag(addr / a::house_no)}, {195, 0, tag(addr / a::flat_no)}, {20, mm(9), tag(addr / a::locality)},
        {100, 0, tag(addr / a::postcode)}, {140, 0, tag(addr / a::post_office)}};
    if (faxCol != 0)
        rows = rows + Rows{{40, mm(9), tag(addr / a::phone)}, {faxCol, 0, tag(addr / a::fax)}};
    return rows;
}

// Each page with its form and the consecutive spacing entries it steps over.
struct PageSections {
    PageId page;
    Form form;
    int firstEntry, lastEntry;
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

inline const Item* findText(const Items& items, const std::string& text)
{
    const auto found = std::ranges::find(items, text, &Item::text);
    return found == items.end() ? nullptr : &*found;
}

inline Items crosses(Items items)
{
    std::erase_if(items, [](const Item& i) { return i.text != "XX"; });
    return items;
}

} // namespace layout_test
