#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/print/calibration_files.h"
#include "core/print/print_job.h"
#include "core/register/record_kind.h"
#include "support/recording_canvas.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// A printer of 2480 x 3508 pixels (11 to the millimetre both ways) whose
// documents are recording canvases.
class FakePrinter : public PrinterDevice {
public:
    PrintableArea printableArea() const override { return {2480, 3508, 300.0}; }
    Canvas& beginDocument(const std::string& name) override
    {
        EXPECT_FALSE(open) << "a document began inside another";
        open = true;
        names.push_back(name);
        return documents.emplace_back();
    }
    bool endDocument() override
    {
        EXPECT_TRUE(open);
        open = false;
        return documents.size() != failingDocument;
    }
    void preparePage(const JobPlan&, const PlannedPage&) override { EXPECT_TRUE(open); }

    bool open = false;
    std::deque<RecordingCanvas> documents;
    std::size_t failingDocument = 0; // the one whose end fails, from 1; 0 none
    Strings names;
};

class RecordedProgress : public PrintProgress {
public:
    void begin(int max) override { maximum = max; }
    void pageStarted(const std::string& label) override { labels.push_back(label); }
    int maximum = -1;
    Strings labels;
};

// What the job handed to the page renderer.
struct RenderedPage {
    PageId page;
    int sheet, scaleX, scaleY, originX, penY;
    bool operator==(const RenderedPage&) const = default;
};

// A zeroed record of the form; `detail` is a NIP-2's attachment count or
// the VAT-R/UE flag.
std::vector<std::uint8_t> recordFor(FormKind kind, int detail = 0)
{
    std::vector<std::uint8_t> rec(kindAt(printForm(kind).recordKind).recordSize, 0);
    if (kind == FormKind::VatR)
        setU8(rec, vatr::vat_r_ue_attached, static_cast<std::uint8_t>(detail));
    if (kind == FormKind::Nip2)
        setU8(rec, nip::attach_d_count, static_cast<std::uint8_t>(detail));
    return rec;
}

constexpr BoxTicks kAllTicked{true, true, true, true, true, true};

struct PrintJobTest : ::testing::Test {
    TempDir dir;
    FakePrinter printer;
    ScriptedMessages messages;
    RecordedProgress progress;
    std::vector<RenderedPage> rendered;

    int run(FormKind kind, const std::vector<std::uint8_t>& record, const BoxTicks& ticked = kAllTicked,
            const PrintOptions& options = {})
    {
        messages = {};
        progress = {};
        rendered.clear();
        printer.documents.clear();
        printer.names.clear();
        auto render = [this](PageId page, PageWriter& w, ConstBytes, int sheet) {
            rendered.push_back({page, sheet, w.scale_x, w.scale_y, w.origin_x, w.pen_y});
            w.plain(0, printedPage(page).label);
        };
        messages.answers.assign(8, true);
        const int printed = runPrintJob(kind, record, ticked, {printer, messages, render, &progress, options});
        messages.answers.clear();
        return printed;
    }
};

TEST_F(PrintJobTest, PromptsEveryPageInOrderWithTheFormsCaptionAndProgressMaximum)
{
    const Strings nip2 = {"NIP-2 1/4", "NIP-2 2/4", "NIP-2 3/4", "NIP-2 4/4"};
    const Strings nipD = {"NIP-D 1/2", "NIP-D 2/2"};
    const std::string nip2Caption = "Wydruk zgłoszenia NIP-2", vatR = "Wydruk zgłoszenia VAT-R";
    const struct {
        FormKind kind;
        int detail;
        std::string caption;
        Strings labels;
        int maximum; // the bar's, as the forms have it: not always the pages printed
    } cases[] = {
        {FormKind::Nip1, 0, "Wydruk zgłoszenia NIP-1", {"NIP-1 1/4", "NIP-1 2/4", "NIP-1 3/4", "NIP-1 4/4"}, 4},
        // NIP-D sheets follow the attachment count, two at most.
        {FormKind::Nip2, 0, nip2Caption, nip2, 4},
        {FormKind::Nip2, 1, nip2Caption, {nip2[0], nip2[1], nip2[2], nip2[3], nipD[0], nipD[1]}, 6},
        {FormKind::Nip2, 2, nip2Caption, {nip2[0], nip2[1], nip2[2], nip2[3], nipD[0], nipD[1], nipD[0], nipD[1]}, 8},
        {FormKind::Nip3, 0, "Wydruk zgłoszenia NIP-3", {"NIP-3 1/2", "NIP-3 2/2"}, 2},
        {FormKind::NipB, 0, "Wydruk informacji NIP-B", {"NIP-B 1/2", "NIP-B 2/2"}, 3},
        {FormKind::VatR, 1, vatR, {"VAT-R 1/2", "VAT-R 2/2", "VAT-R/UE 1/1"}, 3},
        // VAT-R/UE only with its flag 1.
        {FormKind::VatR, 2, vatR, {"VAT-R 1/2", "VAT-R 2/2"}, 3},
        {FormKind::VatZ, 0, "Wydruk zgłoszenia VAT-Z", {"VAT-Z 1/1"}, 1},
        {FormKind::Vat21, 0, "Wydruk zawiadomienia VAT-21", {"VAT-21 1/2", "VAT-21 2/2"}, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption + ", " + std::to_string(c.detail));
        EXPECT_EQ(run(c.kind, recordFor(c.kind, c.detail)), static_cast<int>(c.labels.size()));
        std::vector<ScriptedMessages::Shown> expected;
        for (const std::string& label : c.labels)
            expected.push_back({"confirm", "Włóż druk " + label, c.caption});
        EXPECT_EQ(messages.shown, expected);
        EXPECT_EQ(progress.labels, c.labels);
        EXPECT_EQ(progress.maximum, c.maximum);
        ASSERT_EQ(printer.documents.size(), c.labels.size());
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(printer.documents[i].items.at(0).text, c.labels[i]);
            EXPECT_EQ(rendered[i].sheet, i >= 6 ? 2 : 1); // each NIP-D sheet prints its own partners
        }
        EXPECT_FALSE(printer.open);
    }
}

// Printer queues and PDF files name each page after the form, the account
// and the sheet; a free record has no account to name.
TEST_F(PrintJobTest, OnlyTheTickedBoxesPrintEachADocumentNamedAfterFormAccountAndSheet)
{
    std::vector<std::uint8_t> nip2 = recordFor(FormKind::Nip2, 2);
    setStr(nip2, nip::account_no, "014");
    run(FormKind::Nip2, nip2, {false, true, false, false, false, true});
    EXPECT_EQ(printer.names, (Strings{"NIP-2 014 2/4", "NIP-D 014 2/2", "NIP-D 014 2/2"}));
    std::vector<std::pair<PageId, int>> pages;
    for (const RenderedPage& r : rendered)
        pages.emplace_back(r.page, r.sheet);
    EXPECT_EQ(pages, (std::vector<std::pair<PageId, int>>{{PageId::Nip2_2, 1}, {PageId::NipD_2, 1}, {PageId::NipD_2, 2}}));

    std::vector<std::uint8_t> vatz = recordFor(FormKind::VatZ);
    setStr(vatz, vat_head::account_no, "   ");
    run(FormKind::VatZ, vatz);
    EXPECT_EQ(printer.names, Strings{"VAT-Z 1/1"});
}

// Each page starts at its own row of the form's margin file, in pixels, and
// NIP-B prints with the NIP-1 files.
TEST_F(PrintJobTest, EachPageStartsAtItsMarginPairInPixels)
{
    calibration::MarginTable margins{};
    for (int n = 1; n <= 10; ++n)
        margins[n - 1] = {n, 10 * n};
    calibration::saveMargins(calibration::margnip2, margins);
    calibration::saveMargins(calibration::margnip1, margins);
    calibration::SpacingTable spacing{};
    spacing[33] = 20;
    calibration::saveSpacings(calibration::odsnip1, spacing);

    run(FormKind::Nip2, recordFor(FormKind::Nip2, 2));
    auto page = [](PageId id, int sheet, int row) { return RenderedPage{id, sheet, 11, 11, 11 * row, 110 * row}; };
    const std::vector<RenderedPage> nip2 = {page(PageId::Nip2_1, 1, 1), page(PageId::Nip2_2, 1, 2),
        page(PageId::Nip2_3, 1, 3), page(PageId::Nip2_4, 1, 4), page(PageId::NipD_1, 1, 7), page(PageId::NipD_2, 1, 8),
        page(PageId::NipD_1, 2, 7), page(PageId::NipD_2, 2, 8)};
    EXPECT_EQ(rendered, nip2);
    EXPECT_EQ(printer.documents[4].items.at(0), (RecordingCanvas::Item{77, 770, "NIP-D 1/2"}));

    run(FormKind::NipB, recordFor(FormKind::NipB));
    EXPECT_EQ(rendered, (std::vector<RenderedPage>{page(PageId::NipB_1, 1, 7), page(PageId::NipB_2, 1, 8)}));
    const JobPlan nipB = planPrintJob(FormKind::NipB, recordFor(FormKind::NipB), kAllTicked, 2480, 3508);
    EXPECT_EQ(nipB.spacing[33], 220);

    // A calibration beyond any sheet is bounded instead of overflowing.
    margins[0] = {2000000000, -2000000000};
    calibration::saveMargins(calibration::margvatz, margins);
    const JobPlan vatZ = planPrintJob(FormKind::VatZ, recordFor(FormKind::VatZ), kAllTicked, 2480, 3508);
    EXPECT_EQ(std::pair(vatZ.pages.at(0).originX, vatZ.pages.at(0).topY),
              std::pair(kCalibratedPixelLimit, -kCalibratedPixelLimit));
}

// The exact scale plans in hundredths of a millimetre; over pre-printed
// sheets each sheet is still asked for.
TEST_F(PrintJobTest, TheExactScaleOverSheetsIsTrueMillimetres)
{
    EXPECT_EQ(run(FormKind::VatZ, recordFor(FormKind::VatZ), kAllTicked, {false, true}), 1);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(rendered, (std::vector<RenderedPage>{{PageId::VatZ_1, 1, 100, 100, 0, 0}}));
}

// A sheet the printer lost is no printed page: the job stops there, told,
// and asks for no further sheet.
TEST_F(PrintJobTest, APageThePrinterCouldNotCompleteEndsTheJob)
{
    printer.failingDocument = 2;
    try {
        run(FormKind::VatR, recordFor(FormKind::VatR, 1));
        ADD_FAILURE() << "the job went on";
    } catch (const PrinterError& e) {
        EXPECT_EQ(std::string(e.what()), "Drukarka nie zakończyła wydruku strony VAT-R 2/2. Wydruk przerwano.");
    }
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_FALSE(printer.open);
}

TEST(PrintForms, EveryPageUsesTheMarginRowNamedAfterIt)
{
    for (const PrintForm& form : printForms()) {
        for (const PageBoxEntry& box : form.boxes) {
            const PrintedPage& page = printedPage(box.page);
            ASSERT_LE(page.marginPair, form.margins.rows()) << page.label;
            EXPECT_EQ(form.margins.labels[page.marginPair - 1], page.label);
        }
    }
}

} // namespace
