#include "common/io_error.h"
#include "records/nip_record.h"
#include "records/vat_records.h"
#include "print/calibration_files.h"
#include "print/print_job.h"
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

    int pageWidthPixels() const override { return width_; }
    int pageHeightPixels() const override { return height_; }
    Canvas& beginDocument() override
    {
        EXPECT_FALSE(open_) << "a document began inside another";
        open_ = true;
        return documents.emplace_back();
    }
    void endDocument() override
    {
        EXPECT_TRUE(open_);
        open_ = false;
    }
    bool open() const { return open_; }

    std::deque<RecordingCanvas> documents;

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
    switch (kind) {
    case FormKind::NipB: return std::vector<std::uint8_t>(nipb::kRecordSize, 0);
    case FormKind::VatZ: return std::vector<std::uint8_t>(vatz::kRecordSize, 0);
    case FormKind::Vat21: return std::vector<std::uint8_t>(vat21::kRecordSize, 0);
    case FormKind::VatR: {
        std::vector<std::uint8_t> rec(vatr::kRecordSize, 0);
        setU8(rec, vatr::vat_r_ue_attached, static_cast<std::uint8_t>(detail));
        return rec;
    }
    default: {
        std::vector<std::uint8_t> rec(nip::kRecordSize, 0);
        setU8(rec, nip::attach_d_count, static_cast<std::uint8_t>(detail));
        return rec;
    }
    }
}

constexpr BoxTicks kAllTicked{true, true, true, true, true, true};

struct PrintJobTest : ::testing::Test {
    TempDir dir;
    FakePrinter printer{2480, 3508};
    ScriptedMessages messages;
    RecordedProgress progress;
    std::vector<RenderedPage> rendered;

    int run(FormKind kind, const std::vector<std::uint8_t>& record, const BoxTicks& ticked = kAllTicked)
    {
        auto render = [this](PageId page, PageWriter& w, ConstBytes, int sheet) {
            rendered.push_back({page, sheet, w.scale_x, w.scale_y, w.origin_x, w.pen_y});
            w.plain(0, printedPage(page).label);
        };
        return runPrintJob(kind, record, ticked, {printer, messages, render, &progress});
    }
    void answerOk(int n) { messages.answers.insert(messages.answers.end(), n, true); }

    std::vector<PageId> renderedPages() const
    {
        std::vector<PageId> pages;
        for (const RenderedPage& r : rendered)
            pages.push_back(r.page);
        return pages;
    }
};

TEST_F(PrintJobTest, ScalesFollowTheA4SheetTruncatedAndSetTheLineStep)
{
    for (const auto& [pixels, scale] : {std::pair{3300, 11}, {3507, 11}, {3564, 12}})
        EXPECT_EQ(scaleY(pixels), scale) << pixels;
    for (const auto& [pixels, scale] : {std::pair{2480, 11}, {2519, 11}, {2520, 12}})
        EXPECT_EQ(scaleX(pixels), scale) << pixels;

    FakePrinter small(2400, 3300);
    answerOk(1);
    int lineStep = 0;
    auto render = [&](PageId, PageWriter& w, ConstBytes, int) {
        EXPECT_EQ(w.scale_y, 11);
        EXPECT_EQ(w.scale_x, 11);
        const int top = w.pen_y;
        w.lineStep();
        lineStep = w.pen_y - top;
    };
    runPrintJob(FormKind::VatZ, recordFor(FormKind::VatZ), kAllTicked, {small, messages, render, nullptr});
    EXPECT_EQ(lineStep, 91);
    EXPECT_EQ(small.documents.size(), 1u);
}

TEST_F(PrintJobTest, PromptsEveryPageInOrderWithTheFormsCaption)
{
    struct Case {
        FormKind kind;
        int detail;
        std::string caption;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {FormKind::Nip1, 0, "Wydruk zgłoszenia NIP-1", {"NIP-1 1/4", "NIP-1 2/4", "NIP-1 3/4", "NIP-1 4/4"}},
        {FormKind::Nip2, 2, "Wydruk zgłoszenia NIP-2",
            {"NIP-2 1/4", "NIP-2 2/4", "NIP-2 3/4", "NIP-2 4/4", "NIP-D 1/2", "NIP-D 2/2", "NIP-D 1/2", "NIP-D 2/2"}},
        {FormKind::Nip3, 0, "Wydruk zgłoszenia NIP-3", {"NIP-3 1/2", "NIP-3 2/2"}},
        {FormKind::NipB, 0, "Wydruk informacji NIP-B", {"NIP-B 1/2", "NIP-B 2/2"}},
        {FormKind::VatR, 1, "Wydruk zgłoszenia VAT-R", {"VAT-R 1/2", "VAT-R 2/2", "VAT-R/UE 1/1"}},
        // VAT-R/UE only with its flag 1.
        {FormKind::VatR, 2, "Wydruk zgłoszenia VAT-R", {"VAT-R 1/2", "VAT-R 2/2"}},
        {FormKind::VatR, 255, "Wydruk zgłoszenia VAT-R", {"VAT-R 1/2", "VAT-R 2/2"}},
        {FormKind::VatZ, 0, "Wydruk zgłoszenia VAT-Z", {"VAT-Z 1/1"}},
        {FormKind::Vat21, 0, "Wydruk zawiadomienia VAT-21", {"VAT-21 1/2", "VAT-21 2/2"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption + ", " + std::to_string(c.detail));
        messages = {};
        progress = {};
        printer.documents.clear();
        answerOk(static_cast<int>(c.labels.size()));

        EXPECT_EQ(run(c.kind, recordFor(c.kind, c.detail)), static_cast<int>(c.labels.size()));

        std::vector<ScriptedMessages::Shown> expected;
        for (const std::string& label : c.labels)
            expected.push_back({"confirm", "Włóż druk " + label, c.caption});
        EXPECT_EQ(messages.shown, expected);
        EXPECT_FALSE(messages.unscripted);
        EXPECT_EQ(progress.labels, c.labels);
        ASSERT_EQ(printer.documents.size(), c.labels.size());
        for (std::size_t i = 0; i < c.labels.size(); ++i)
            EXPECT_EQ(printer.documents[i].items.at(0).text, c.labels[i]);
        EXPECT_FALSE(printer.open());
    }
}

TEST_F(PrintJobTest, OnlyTheTickedBoxesPrint)
{
    answerOk(3);
    run(FormKind::Nip2, recordFor(FormKind::Nip2, 2), {false, true, false, false, false, true});
    EXPECT_EQ(renderedPages(), (std::vector<PageId>{PageId::Nip2_2, PageId::NipD_2, PageId::NipD_2}));
    EXPECT_EQ(rendered[1].sheet, 1);
    EXPECT_EQ(rendered[2].sheet, 2);
}

TEST_F(PrintJobTest, NipDSheetsAndProgressFollowTheAttachmentCount)
{
    struct Case {
        int count;
        std::vector<int> sheets; // of the NIP-D pages, in order
        int maximum;
    };
    // More than two attachments still print two sheets, and the bar's
    // maximum covers them.
    const Case cases[] = {{0, {}, 4}, {1, {1, 1}, 6}, {2, {1, 1, 2, 2}, 8}, {5, {1, 1, 2, 2}, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        rendered.clear();
        messages = {};
        answerOk(4 + static_cast<int>(c.sheets.size()));

        run(FormKind::Nip2, recordFor(FormKind::Nip2, c.count));

        EXPECT_EQ(progress.maximum, c.maximum);
        EXPECT_EQ(messages.unanswered(), 0u);
        std::vector<int> sheets;
        for (const RenderedPage& r : rendered)
            if (r.page == PageId::NipD_1 || r.page == PageId::NipD_2)
                sheets.push_back(r.sheet);
        EXPECT_EQ(sheets, c.sheets);
    }
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
    const std::vector<RenderedPage> expected = {
        page(PageId::Nip2_1, 1, 1),
        page(PageId::Nip2_2, 1, 2),
        page(PageId::Nip2_3, 1, 3),
        page(PageId::Nip2_4, 1, 4),
        page(PageId::NipD_1, 1, 7),
        page(PageId::NipD_2, 1, 8),
        page(PageId::NipD_1, 2, 7),
        page(PageId::NipD_2, 2, 8),
    };
    EXPECT_EQ(rendered, expected);
    EXPECT_EQ(printer.documents[4].items.at(0), (RecordingCanvas::Item{77, 770, "NIP-D 1/2"}));
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
    EXPECT_EQ(rendered[0].originX, -22);
    EXPECT_EQ(rendered[0].penY, 33);
    EXPECT_EQ(rendered[1].originX, 44);
    EXPECT_EQ(rendered[1].penY, 55);
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

TEST_F(PrintJobTest, UnreadableCalibrationEndsTheJobBeforeAnyPage)
{
    for (const char* file : {"margnip1.Rdx", "odsnip1.Rdx"}) {
        SCOPED_TRACE(file);
        const std::vector<unsigned char> junk = {'x', '\r', '\n'};
        writeBytes(file, junk);
        answerOk(4);
        try {
            run(FormKind::Nip1, recordFor(FormKind::Nip1));
            ADD_FAILURE() << "no error";
        } catch (const IoError& e) {
            EXPECT_EQ(e.code(), IoError::InvalidNumber);
        }
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
            EXPECT_EQ(page.id, box.page);
            ASSERT_LE(page.marginPair, form.margins.rows()) << page.label;
            EXPECT_EQ(form.margins.labels[page.marginPair - 1], page.label);
        }
    }
    EXPECT_EQ(&printForm(FormKind::NipB).margins, &calibration::margnip1);
    EXPECT_EQ(&printForm(FormKind::NipB).spacings, &calibration::odsnip1);
}

} // namespace
