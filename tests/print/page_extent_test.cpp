// Every text of every printed page, with every field of the record filled to
// its full width, lies on the A4 sheet when printed in the printing font: a
// text that runs off the sheet is lost to the taxpayer's form.
#include "core/common/cp1250.h"
#include "core/print/filled_record.h"
#include "desktop/print/print_font.h"
#include "core/print/print_forms.h"
#include "core/print/print_job.h"
#include "desktop/print/qt_printer_device.h"
#include "layout_test_support.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <QtMath>
#include <QtTest>

#include <algorithm>

using namespace layout_test;

namespace {

// A common laser printer. Extents are taken in the layout's own millimetres
// (pixels / scale): the truncated scale then makes every text a little wider
// than on paper, never narrower.
constexpr int kDotsPerInch = 600;

// Columns of the official sheets' own layouts where a field's text runs off
// the sheet only near its full width: they stay where the sheet has them. A
// text of fixed length (date, period, cross) must fit wherever it is, and so
// must every text of a page laid out here.
struct SheetColumn {
    PageId page;
    int col;
};
constexpr SheetColumn kSheetColumnsRunningOff[] = {
    {PageId::Nip1_1, 130}, // surname
    {PageId::Nip1_1, 120}, // family name
    {PageId::Nip3_1, 130},
    {PageId::Nip3_1, 120},
    {PageId::NipD_1, 160}, // REGON of 14 digits, spaced
    {PageId::NipD_2, 110}, // declarant's surname
    {PageId::NipB_1, 30},  // name and first name on one line
    {PageId::NipB_1, 133}, // bank account number
    {PageId::VatR_1, 30},  // lines 3 and 4 of the foreign tax office on one line
    {PageId::VatR_1, 145}, // e-mail
    {PageId::VatZ_1, 150}, // e-mail
};

bool runsOffOnTheSheetItself(PageId page, int col, const std::string& text)
{
    const bool fieldText = text.find('W') != std::string::npos;
    return fieldText && std::ranges::any_of(kSheetColumnsRunningOff, [&](const SheetColumn& c) {
               return c.page == page && c.col == col;
           });
}

// Records the texts and measures them in the printing font of the printer.
class MeasuredCanvas : public RecordingCanvas {
public:
    explicit MeasuredCanvas(const QFontMetricsF& metrics) : metrics_(metrics) { }

    int textWidth(std::string_view text) override { return qCeil(width(text)); }
    double width(std::string_view text) const
    {
        return metrics_.horizontalAdvance(QString::fromStdString(cp1250::toUtf8(text)));
    }

private:
    const QFontMetricsF& metrics_;
};

} // namespace

class PageExtentTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Only measured: nothing is printed, so no file is written.
        setUpPdfPrinter(printer, "extent.pdf", kDotsPerInch);
        sheet = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    }

    void everyTextLiesOnTheSheet_data()
    {
        QTest::addColumn<int>("entry");
        QTest::addColumn<int>("nipDSheet");
        for (std::size_t e = 0; e < std::size(kAllPages); ++e) {
            const PageId page = kAllPages[e].page;
            const bool nipD = page == PageId::NipD_1 || page == PageId::NipD_2;
            for (const int s : {1, 2})
                if (s == 1 || nipD) {
                    const std::string label =
                        std::string(printedPage(page).label) + (nipD ? ", sheet " + std::to_string(s) : "");
                    QTest::newRow(label.c_str()) << static_cast<int>(e) << s;
                }
        }
    }

    void everyTextLiesOnTheSheet()
    {
        QFETCH(int, entry);
        QFETCH(int, nipDSheet);
        const PageSections& p = kAllPages[entry];
        const QFontMetricsF metrics(printFont(), &printer);
        const int sx = scaleX(sheet.width());
        const int sy = scaleY(sheet.height());
        QStringList offSheet;
        for (const int choice : {0, 1, 2, 3, 4, 99}) {
            const auto rec = filledRecord(printFormOf(p.page).kind, static_cast<std::uint8_t>(choice));
            MeasuredCanvas canvas(metrics);
            PageWriter writer(canvas, sx, sy, PageWriter::SpacingTable{}, 0, 0);
            renderPage(p.page, writer, rec, nipDSheet);
            QVERIFY(!canvas.items.empty());
            for (const RecordingCanvas::Item& i : canvas.items) {
                const double right = (i.x + canvas.width(i.text)) / sx;
                const double bottom = (i.y + metrics.height()) / sy;
                if ((right > 210 && !runsOffOnTheSheetItself(p.page, i.x / sx, i.text)) || bottom > 297)
                    offSheet << QString("\"%1\" at %2 mm runs to %3 mm across, %4 mm down")
                                    .arg(QString::fromStdString(cp1250::toUtf8(i.text)))
                                    .arg(i.x / sx)
                                    .arg(right, 0, 'f', 1)
                                    .arg(bottom, 0, 'f', 1);
            }
        }
        offSheet.removeDuplicates();
        QVERIFY2(offSheet.isEmpty(), qPrintable(offSheet.join('\n')));
    }

private:
    QPrinter printer{QPrinter::HighResolution};
    QSize sheet;
};

QTEST_MAIN(PageExtentTest)
#include "page_extent_test.moc"
