#include "core/print/print_forms.h"

#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/record_kind.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr PrintedPage kPages[] = {
    {PageId::Nip1_1, "NIP-1 1/4", 1},
    {PageId::Nip1_2, "NIP-1 2/4", 2},
    {PageId::Nip1_3, "NIP-1 3/4", 3},
    {PageId::Nip1_4, "NIP-1 4/4", 4},
    {PageId::Nip2_1, "NIP-2 1/4", 1},
    {PageId::Nip2_2, "NIP-2 2/4", 2},
    {PageId::Nip2_3, "NIP-2 3/4", 3},
    {PageId::Nip2_4, "NIP-2 4/4", 4},
    {PageId::NipD_1, "NIP-D 1/2", 7},
    {PageId::NipD_2, "NIP-D 2/2", 8},
    {PageId::Nip3_1, "NIP-3 1/2", 1},
    {PageId::Nip3_2, "NIP-3 2/2", 2},
    {PageId::NipB_1, "NIP-B 1/2", 7},
    {PageId::NipB_2, "NIP-B 2/2", 8},
    {PageId::VatR_1, "VAT-R 1/2", 1},
    {PageId::VatR_2, "VAT-R 2/2", 2},
    {PageId::VatRUe_1, "VAT-R/UE 1/1", 3},
    {PageId::VatZ_1, "VAT-Z 1/1", 1},
    {PageId::Vat21_1, "VAT-21 1/2", 1},
    {PageId::Vat21_2, "VAT-21 2/2", 2},
};

constexpr bool inEnumOrder()
{
    for (std::size_t i = 0; i < std::size(kPages); ++i)
        if (static_cast<std::size_t>(kPages[i].id) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "kPages is indexed by PageId");

constexpr PageBoxEntry kNip1Boxes[] = {
    {"NIP-1 1/4", PageId::Nip1_1},
    {"NIP-1 2/4", PageId::Nip1_2},
    {"NIP-1 3/4", PageId::Nip1_3},
    {"NIP-1 4/4", PageId::Nip1_4},
};
constexpr PageBoxEntry kNip2Boxes[] = {
    {"NIP-2 1/4", PageId::Nip2_1},
    {"NIP-2 2/4", PageId::Nip2_2},
    {"NIP-2 3/4", PageId::Nip2_3},
    {"NIP-2 4/4", PageId::Nip2_4},
    {"NIP-D  1/2", PageId::NipD_1},
    {"NIP-D  2/2", PageId::NipD_2},
};
constexpr PageBoxEntry kNip3Boxes[] = {{"NIP-3 1/2", PageId::Nip3_1}, {"NIP-3 2/2", PageId::Nip3_2}};
constexpr PageBoxEntry kNipBBoxes[] = {{"NIP-B 1/2", PageId::NipB_1}, {"NIP-B 2/2", PageId::NipB_2}};
constexpr PageBoxEntry kVatRBoxes[] = {
    {"VAT-R 1/2", PageId::VatR_1},
    {"VAT-R 2/2", PageId::VatR_2},
    {"VAT-R/UE 1/1", PageId::VatRUe_1},
};
constexpr PageBoxEntry kVatZBoxes[] = {{"VAT-Z 1/1", PageId::VatZ_1}};
constexpr PageBoxEntry kVat21Boxes[] = {{"VAT-21 1/2", PageId::Vat21_1}, {"VAT-21 2/2", PageId::Vat21_2}};

const PrintForm kForms[] = {
    {FormKind::Nip1, "NIP-1", KindRejfor, calibration::margnip1, calibration::odsnip1, 4, "Wydruk zgłoszenia NIP-1",
        kNip1Boxes},
    {FormKind::Nip2, "NIP-2", KindRejfor, calibration::margnip2, calibration::odsnip2, 4, "Wydruk zgłoszenia NIP-2",
        kNip2Boxes},
    {FormKind::Nip3, "NIP-3", KindRejfor, calibration::margnip3, calibration::odsnip3, 2, "Wydruk zgłoszenia NIP-3",
        kNip3Boxes},
    // NIP-B has no files of its own: its rows are in the NIP-1 files.
    {FormKind::NipB, "NIP-B", KindNipb, calibration::margnip1, calibration::odsnip1, 3, "Wydruk informacji NIP-B",
        kNipBBoxes},
    {FormKind::VatR, "VAT-R", KindVatr, calibration::margvatr, calibration::odsvatr, 3, "Wydruk zgłoszenia VAT-R",
        kVatRBoxes},
    {FormKind::VatZ, "VAT-Z", KindVatz, calibration::margvatz, calibration::odsvatz, 1, "Wydruk zgłoszenia VAT-Z",
        kVatZBoxes},
    {FormKind::Vat21, "VAT-21", KindVat21, calibration::marvat21, calibration::odsv21, 3, "Wydruk zawiadomienia VAT-21",
        kVat21Boxes},
};

bool isNipDPage(PageId page) { return page == PageId::NipD_1 || page == PageId::NipD_2; }

// The boxes whose page a record may print at all.
bool boxVisible(const PageBoxEntry& box, ConstBytes record)
{
    return box.page != PageId::VatRUe_1 || getU8(record, vatr::vat_r_ue_attached) == 1;
}

bool boxEnabled(const PageBoxEntry& box, ConstBytes record)
{
    return !isNipDPage(box.page) || getU8(record, nip::attach_d_count) != 0;
}

} // namespace

std::span<const PrintForm> printForms() { return kForms; }

const PrintForm& printForm(FormKind kind)
{
    const auto* form =
        std::find_if(std::begin(kForms), std::end(kForms), [&](const PrintForm& f) { return f.kind == kind; });
    if (form == std::end(kForms))
        throw std::out_of_range("no such print form");
    return *form;
}

const PrintedPage& printedPage(PageId id)
{
    // The table lists the pages in the order of the enumeration.
    return kPages[static_cast<std::size_t>(id)];
}

const PrintForm& printFormOf(PageId id)
{
    for (const PrintForm& form : kForms)
        if (std::ranges::any_of(form.boxes, [&](const PageBoxEntry& box) { return box.page == id; }))
            return form;
    throw std::out_of_range("no form prints the page");
}

PageBoxes pageBoxes(FormKind kind, ConstBytes record)
{
    PageBoxes boxes;
    const PrintForm& form = printForm(kind);
    for (std::size_t i = 0; i < form.boxes.size(); ++i) {
        const PageBoxEntry& entry = form.boxes[i];
        PageBox& box = boxes[i];
        box.label = entry.label;
        box.visible = boxVisible(entry, record);
        box.enabled = boxEnabled(entry, record);
        box.ticked = box.visible && box.enabled;
    }
    return boxes;
}

int nipDSheets(ConstBytes nipRecord) { return std::min<int>(getU8(nipRecord, nip::attach_d_count), 2); }

int progressMaximum(FormKind kind, ConstBytes record)
{
    const int base = printForm(kind).progressMaximum;
    // Two pages more per NIP-D sheet; a count above 2 still prints two sheets.
    return kind == FormKind::Nip2 ? base + 2 * nipDSheets(record) : base;
}

std::vector<JobPage> pagesToPrint(FormKind kind, ConstBytes record, const BoxTicks& ticked)
{
    const PrintForm& form = printForm(kind);
    const PageBoxes boxes = pageBoxes(kind, record);
    auto printable = [&](std::size_t i) { return boxes[i].visible && boxes[i].enabled && ticked[i]; };

    std::vector<JobPage> pages;
    for (std::size_t i = 0; i < form.boxes.size(); ++i)
        if (!isNipDPage(form.boxes[i].page) && printable(i))
            pages.push_back({form.boxes[i].page, 1});
    // The NIP-D pages follow sheet by sheet: 1/2 and 2/2 of sheet 1, then of sheet 2.
    if (kind == FormKind::Nip2)
        for (int sheet = 1; sheet <= nipDSheets(record); ++sheet)
            for (std::size_t i = 0; i < form.boxes.size(); ++i)
                if (isNipDPage(form.boxes[i].page) && printable(i))
                    pages.push_back({form.boxes[i].page, sheet});
    return pages;
}
