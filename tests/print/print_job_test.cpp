#include "core/common/io_error.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/print/calibration_files.h"
#include "core/print/print_job.h"
#include "core/register/record_kind.h"
#include "support/io_error_code.h"
#include "support/recording_canvas.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

// A printer whose documents are recording canvases.
class FakePrinter : public PrinterDevice {
public:
    FakePrinter(int width, int height) : width_(width), height_(height) { }

    PrintableArea printableArea() const override { return {width_, height_, 300.0}; }
    Canvas& beginDocument(const std::string& name) override
    {
        EXPECT_FALSE(open_) << "a document began inside another";
        open_ = true;
        names.push_back(name);
        return documents.emplace_back();
    }
    bool endDocument() override
    {
        EXPECT_TRUE(open_);
        open_ = false;
        return documents.size() != failingDocument;
    }
    void preparePage(const JobPlan& plan, const PlannedPage& page) override
    {
        EXPECT_TRUE(open_);
        prepared.push_back(page.label);
        pixelsPerUnit = plan.devicePixelsPerUnit();
    }
    bool open() const { return open_; }

    std::deque<RecordingCanvas> documents;
    std::size_t failingDocument = 0; // the one whose end fails, from 1; 0 none
    std::vector<std::string> names;
    std::vector<std::string> prepared;
    double pixelsPerUnit = 0.0;

private:
    int width_;
    int height_;
    bool open_ = false;
};

class RecordedProgress : public PrintProgress {
public:
    void begin(int max) override { maximum = max; }
    void pageStarted(const std::string& label) override { labels.push_back(label); }
    int maximum = -1;
    std::vector<std::string> labels;
};

// What the job handed to the page renderer.
struct RenderedPage {
    PageId page;
    int sheet;
    int scaleX;
    int scaleY;
    int originX;
    int penY;
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
    FakePrinter printer{2480, 3508};
    ScriptedMessages messages;
    RecordedProgress progress;
    std::vector<RenderedPage> rendered;

    int run(FormKind kind, const std::vector<std::uint8_t>& record, const BoxTicks& ticked = kAllTicked,
            const PrintOptions& options = {})
    {
        auto render = [this](PageId page, PageWriter& w, ConstBytes, int sheet) {
            rendered.push_back({page, sheet, w.scale_x, w.scale_y, w.origin_x, w.pen_y});
            w.plain(0, printedPage(page).label);
        };
        return runPrintJob(kind, record, ticked, {printer, messages, render, &progress, options});
    }
    void answerOk(int n) { messages.answers.insert(messages.answers.end(), n, true); }
};

// Pixels per millimetre of an A4 sheet, truncated.
TEST(PrintScales, FollowTheA4SheetTruncated)
{
    for (const auto& [pixels, scale] : {std::pair{3300, 11}, {3507, 11}, {3564, 12}})
        EXPECT_EQ(scaleY(pixels), scale) << pixels;
    for (const auto& [pixels, scale] : {std::pair{2480, 11}, {2519, 11}, {2520, 12}})
        EXPECT_EQ(scaleX(pixels), scale) << pixels;
}

// NIP-2's four pages and its NIP-D pages for the given number of sheets.
std::vector<std::string> nip2Labels(int nipDSheets)
{
    std::vector<std::string> labels{"NIP-2 1/4", "NIP-2 2/4", "NIP-2 3/4", "NIP-2 4/4"};
    for (int s = 0; s < nipDSheets; ++s)
        labels.insert(labels.end(), {"NIP-D 1/2", "NIP-D 2/2"});
    return labels;
}

TEST_F(PrintJobTest, PromptsEveryPageInOrderWithTheFormsCaptionAndProgressMaximum)
{
    struct Case {
        FormKind kind;
        int detail;
        std::string caption;
        std::vector<std::string> labels;
        int maximum; // the bar's, as the forms have it: not always the pages printed
    };
    const std::string nip2 = "Wydruk zgłoszenia NIP-2";
    const std::string vatR = "Wydruk zgłoszenia VAT-R";
    const Case cases[] = {
        {FormKind::Nip1, 0, "Wydruk zgłoszenia NIP-1", {"NIP-1 1/4", "NIP-1 2/4", "NIP-1 3/4", "NIP-1 4/4"}, 4},
        // NIP-D sheets follow the attachment count, two at most.
        {FormKind::Nip2, 0, nip2, nip2Labels(0), 4},
        {FormKind::Nip2, 1, nip2, nip2Labels(1), 6},
        {FormKind::Nip2, 2, nip2, nip2Labels(2), 8},
        {FormKind::Nip2, 5, nip2, nip2Labels(2), 8},
        {FormKind::Nip3, 0, "Wydruk zgłoszenia NIP-3", {"NIP-3 1/2", "NIP-3 2/2"}, 2},
        {FormKind::NipB, 0, "Wydruk informacji NIP-B", {"NIP-B 1/2", "NIP-B 2/2"}, 3},
        {FormKind::VatR, 1, vatR, {"VAT-R 1/2", "VAT-R 2/2", "VAT-R/UE 1/1"}, 3},
        // VAT-R/UE only with its flag 1.
        {FormKind::VatR, 2, vatR, {"VAT-R 1/2", "VAT-R 2/2"}, 3},
        {FormKind::VatR, 255, vatR, {"VAT-R 1/2", "VAT-R 2/2"}, 3},
        {FormKind::VatZ, 0, "Wydruk zgłoszenia VAT-Z", {"VAT-Z 1/1"}, 1},
        {FormKind::Vat21, 0, "Wydruk zawiadomienia VAT-21", {"VAT-21 1/2", "VAT-21 2/2"}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + ", " + std::to_string(c.detail));
        messages = {};
        progress = {};
        rendered.clear();
        printer.documents.clear();
        answerOk(static_cast<int>(c.labels.size()));

        EXPECT_EQ(run(c.kind, recordFor(c.kind, c.detail)), static_cast<int>(c.labels.size()));

        std::vector<ScriptedMessages::Shown> expected;
        for (const std::string& label : c.labels)
            expected.push_back({"confirm", "Włóż druk " + label, c.caption});
        EXPECT_EQ(messages.shown, expected);
        EXPECT_FALSE(messages.unscripted);
        EXPECT_EQ(progress.labels, c.labels);
        EXPECT_EQ(progress.maximum, c.maximum);
        ASSERT_EQ(printer.documents.size(), c.labels.size());
        for (std::size_t i = 0; i < c.labels.size(); ++i) {
            EXPECT_EQ(printer.documents[i].items.at(0).text, c.labels[i]);
            // Each NIP-D sheet prints its own partners.
            const bool secondSheet = i >= 6 && c.labels[i].starts_with("NIP-D");
            EXPECT_EQ(rendered[i].sheet, secondSheet ? 2 : 1);
        }
        EXPECT_FALSE(printer.open());
    }
}

// Printer queues and PDF files name each page after the form, the account
// and the sheet; a free record has no account to name.
TEST_F(PrintJobTest, EveryDocumentIsNamedAfterFormAccountAndSheet)
{
    std::vector<std::uint8_t> nip2 = recordFor(FormKind::Nip2, 1);
    setStr(nip2, nip::account_no, "014");
    answerOk(6);
    ASSERT_EQ(run(FormKind::Nip2, nip2), 6);
    EXPECT_EQ(printer.names, (std::vector<std::string>{"NIP-2 014 1/4", "NIP-2 014 2/4", "NIP-2 014 3/4",
                                                       "NIP-2 014 4/4", "NIP-D 014 1/2", "NIP-D 014 2/2"}));

    printer.names.clear();
    std::vector<std::uint8_t> vatz = recordFor(FormKind::VatZ);
    setStr(vatz, vat_head::account_no, "   ");
    answerOk(1);
    ASSERT_EQ(run(FormKind::VatZ, vatz, {true}), 1);
    EXPECT_EQ(printer.names, std::vector<std::string>{"VAT-Z 1/1"});
}

TEST_F(PrintJobTest, OnlyTheTickedBoxesPrint)
{
    answerOk(3);
    run(FormKind::Nip2, recordFor(FormKind::Nip2, 2), {false, true, false, false, false, true});
    std::vector<std::pair<PageId, int>> pages;
    for (const RenderedPage& r : rendered)
        pages.emplace_back(r.page, r.sheet);
    EXPECT_EQ(pages, (std::vector<std::pair<PageId, int>>{{PageId::Nip2_2, 1}, {PageId::NipD_2, 1}, {PageId::NipD_2, 2}}));
}

TEST_F(PrintJobTest, EachPageStartsAtItsMarginPairInPixels)
{
    // margnip2 row n = (n, 10 n); NIP-D uses rows 7 and 8 on both sheets.
    calibration::MarginTable margins{};
    for (int n = 1; n <= 8; ++n)
        margins[n - 1] = {n, 10 * n};
    calibration::saveMargins(calibration::margnip2, margins);
    answerOk(8);

    run(FormKind::Nip2, recordFor(FormKind::Nip2, 2));

    // 2480 x 3508 pixels: 11 pixels per millimetre both ways.
    auto page = [](PageId id, int sheet, int row) { return RenderedPage{id, sheet, 11, 11, 11 * row, 110 * row}; };
    const std::vector<RenderedPage> expected = {page(PageId::Nip2_1, 1, 1), page(PageId::Nip2_2, 1, 2),
        page(PageId::Nip2_3, 1, 3), page(PageId::Nip2_4, 1, 4), page(PageId::NipD_1, 1, 7), page(PageId::NipD_2, 1, 8),
        page(PageId::NipD_1, 2, 7), page(PageId::NipD_2, 2, 8)};
    EXPECT_EQ(rendered, expected);
    EXPECT_EQ(printer.documents[4].items.at(0), (RecordingCanvas::Item{77, 770, "NIP-D 1/2"}));
}

// The exact scale plans in hundredths of a millimetre, 300 dpi being 300 /
// 2540 pixels to one; plain paper asks for no sheet.
TEST_F(PrintJobTest, TheExactScaleIsTrueMillimetresAndPlainPaperAsksNothing)
{
    calibration::MarginTable margins{};
    margins[0] = {3, 10};
    calibration::saveMargins(calibration::margvatz, margins);
    const struct {
        PrintOptions options;
        bool prompted;
        RenderedPage page;
        double pixelsPerUnit;
    } cases[] = {
        {{false, false}, true, {PageId::VatZ_1, 1, 11, 11, 33, 110}, 1.0},
        {{false, true}, true, {PageId::VatZ_1, 1, 100, 100, 300, 1000}, 300.0 / 2540},
        {{true, false}, false, {PageId::VatZ_1, 1, 100, 100, 300, 1000}, 300.0 / 2540},
    };
    for (const auto& c : cases) {
        messages = {};
        rendered.clear();
        printer.prepared.clear();
        answerOk(c.prompted ? 1 : 0);
        EXPECT_EQ(run(FormKind::VatZ, recordFor(FormKind::VatZ), kAllTicked, c.options), 1);
        EXPECT_EQ(messages.shown.size(), c.prompted ? 1u : 0u);
        EXPECT_EQ(rendered, std::vector<RenderedPage>{c.page});
        EXPECT_EQ(printer.prepared, std::vector<std::string>{"VAT-Z 1/1"});
        EXPECT_DOUBLE_EQ(printer.pixelsPerUnit, c.pixelsPerUnit);
    }
}

TEST_F(PrintJobTest, NipBUsesTheNip1Files)
{
    calibration::MarginTable margins{};
    margins[6] = {-2, 3};
    margins[7] = {4, 5};
    calibration::saveMargins(calibration::margnip1, margins);
    calibration::SpacingTable spacing{};
    spacing[33] = 20;
    spacing[35] = -1;
    calibration::saveSpacings(calibration::odsnip1, spacing);
    answerOk(2);

    std::vector<int> moves;
    auto render = [&](PageId, PageWriter& w, ConstBytes, int) {
        rendered.push_back({PageId::NipB_1, 1, 0, 0, w.origin_x, w.pen_y});
        for (const int entry : {33, 35}) {
            const int before = w.pen_y;
            w.section(entry);
            moves.push_back(w.pen_y - before);
        }
    };
    runPrintJob(FormKind::NipB, recordFor(FormKind::NipB), kAllTicked, {printer, messages, render, nullptr});

    ASSERT_EQ(rendered.size(), 2u);
    EXPECT_EQ(std::pair(rendered[0].originX, rendered[0].penY), std::pair(-22, 33));
    EXPECT_EQ(std::pair(rendered[1].originX, rendered[1].penY), std::pair(44, 55));
    EXPECT_EQ(moves, (std::vector<int>{220, -11, 220, -11}));
}

TEST_F(PrintJobTest, AbsurdCalibrationIsBoundedInsteadOfOverflowing)
{
    calibration::MarginTable margins{};
    margins[0] = {2000000000, -2000000000};
    calibration::saveMargins(calibration::margvatz, margins);
    answerOk(1);
    run(FormKind::VatZ, recordFor(FormKind::VatZ));
    ASSERT_EQ(rendered.size(), 1u);
    EXPECT_EQ(rendered[0].originX, kCalibratedPixelLimit);
    EXPECT_EQ(rendered[0].penY, -kCalibratedPixelLimit);
}

// A sheet the printer lost is no printed page: the job stops there, told,
// and asks for no further sheet.
TEST_F(PrintJobTest, APageThePrinterCouldNotCompleteEndsTheJob)
{
    printer.failingDocument = 2;
    answerOk(2);
    try {
        run(FormKind::VatR, recordFor(FormKind::VatR, 1));
        ADD_FAILURE() << "the job went on";
    } catch (const PrinterError& e) {
        EXPECT_EQ(std::string(e.what()), "Drukarka nie zakończyła wydruku strony VAT-R 2/2. Wydruk przerwano.");
    }
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(progress.labels, (std::vector<std::string>{"VAT-R 1/2", "VAT-R 2/2"}));
    EXPECT_EQ(printer.documents.size(), 2u);
    EXPECT_FALSE(printer.open());
}

TEST_F(PrintJobTest, UnreadableCalibrationEndsTheJobBeforeAnyPage)
{
    for (const char* file : {"margnip1.Rdx", "odsnip1.Rdx"}) {
        SCOPED_TRACE(file);
        const std::vector<unsigned char> junk = {'x', '\r', '\n'};
        writeBytes(file, junk);
        answerOk(4);
        EXPECT_EQ(ioErrorCode([&] { run(FormKind::Nip1, recordFor(FormKind::Nip1)); }), IoError::InvalidNumber);
        EXPECT_TRUE(messages.shown.empty());
        EXPECT_TRUE(printer.documents.empty());
        EXPECT_EQ(progress.maximum, -1);
        std::remove(file);
        messages = {};
    }
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
