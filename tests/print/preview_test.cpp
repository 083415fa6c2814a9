#include "core/common/cp1250.h"
#include "core/common/modal_result.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/Tf_wydr.h"
#include "desktop/print/job_preview.h"
#include "core/print/page_layouts.h"
#include "desktop/print/painter_canvas.h"
#include "desktop/print/preview_render.h"
#include "desktop/print/print_font.h"
#include "core/records/nip_record.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/ui_test_environment.h"
#include "pdf_printer_setup.h"
#include "pdf_tools.h"

#include <QCheckBox>
#include <QDir>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

// The NIP buffer holding account 7's NIP-1 with a name and a NIP to draw.
ConstBytes nip1InBuffer()
{
    ClearRecord(KindRejfor);
    Bytes rec = recordBuffer(KindRejfor);
    setStr(rec, nip::account_no, "7");
    setU8(rec, nip::form_type, 1);
    setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
    setStr(rec, nip::nip, "1234563218");
    return rec;
}

// A page of the plan drawn as a printer of `dpi` draws it: white, in the
// printing font, from the corner of a printable area of `size`.
QImage printedPage(const JobPlan& plan, std::size_t page, ConstBytes record, QSize size, int dpi)
{
    QImage image(size, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(printFont());
    PainterCanvas canvas(painter);
    drawPlannedPage(plan, plan.pages[page], canvas, record, renderPage);
    return image;
}

// Whether `preview` holds `printed` pixel for pixel at the corner of `area`.
bool holdsAt(const QImage& preview, const QRect& area, const QImage& printed)
{
    return preview.copy(area).convertToFormat(QImage::Format_RGB32) == printed;
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        printer = std::make_unique<PdfPrinterSetup>("wydruk.pdf", 150);
        PrinterSetup::install(printer.get());
    }
    void cleanup()
    {
        PrinterSetup::install(nullptr);
        printer.reset();
        env.reset();
    }

    // At the printer's own resolution the preview holds, inside the printable
    // area, exactly the page the job draws; on a printer that cannot print
    // 3.5 mm along each edge the job's scale is smaller and so is the preview's.
    void previewPageIsThePrintedPage()
    {
        const ConstBytes rec = nip1InBuffer();
        const int dpi = 254; // ten pixels a millimetre: the margins cost one
        QPrinter margined(QPrinter::HighResolution);
        setUpPdfPrinter(margined, "wydruk.pdf", dpi);
        margined.setFullPage(false);
        margined.setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
        const QRect area = margined.pageLayout().paintRectPixels(dpi);
        const JobPlan plan = planPrintJob(FormKind::Nip1, rec, {true, true}, area.width(), area.height());
        QCOMPARE(plan.scaleX, 9);
        const PreviewSource source = jobPreview(FormKind::Nip1, rec, {true, true}, margined);
        QCOMPARE(source.sheets.size(), std::size_t(2));
        QCOMPARE(printableRect(source, source.pixelsPerMm), area);
        QImage blank(area.size(), QImage::Format_RGB32);
        blank.fill(Qt::white);
        QVERIFY(printedPage(plan, 0, rec, area.size(), dpi) != blank); // the name and the NIP
        for (std::size_t page = 0; page < 2; ++page)
            QVERIFY(holdsAt(renderPreviewPage(source, page, source.pixelsPerMm), area,
                            printedPage(plan, page, rec, area.size(), dpi)));
    }

    // The scan lies under the preview's sheet only; "Drukuj" from the preview
    // prints the normal job, the very pages printed without a scan.
    void scanShowsInThePreviewOnlyAndDrukujPrintsTheJob()
    {
        nip1InBuffer();
        Tf_wydr plain;
        plain.FormActivate();
        env->messages.answers = {true, true, true, true};
        plain.kl_drukClick();
        QVERIFY(QFile::rename("wydruk.pdf", "bez-skanu.pdf"));

        // A scan of NIP-1 1/4: a pale sheet with a red box 20 mm from its corner.
        QDir().mkpath("druki");
        QImage scan(210 * 4, 297 * 4, QImage::Format_RGB32);
        scan.fill(QColor(250, 250, 235));
        QPainter(&scan).fillRect(QRect(20 * 4, 20 * 4, 30 * 4, 10 * 4), Qt::red);
        QVERIFY(scan.save("druki/NIP-1_1z4.png"));
        Tf_wydr dialog;
        dialog.FormActivate();
        dialog.runPreviewDialog = [&](QDialog& d) {
            auto& preview = static_cast<PreviewDialog&>(d);
            preview.show();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QVERIFY(preview.chbox_tlo->isEnabled() && preview.chbox_tlo->isChecked());
            // The red box, 25 mm from the sheet's corner, on page 1 alone.
            const QPoint box(qRound(25 * preview.screenPixelsPerMm()), qRound(25 * preview.screenPixelsPerMm()));
            QCOMPARE(preview.shownPage().pixelColor(box), QColor(Qt::red));
            QTest::keyClick(&preview, Qt::Key_PageDown);
            QCOMPARE(preview.shownPage().pixelColor(box), QColor(Qt::white));
            QTest::keyClick(&preview, Qt::Key_PageUp);
            QTest::keyClick(&preview, Qt::Key_F, Qt::AltModifier);
            QTRY_VERIFY(!preview.chbox_tlo->isChecked()); // a mnemonic clicks after a moment
            QCOMPARE(preview.shownPage().pixelColor(box), QColor(Qt::white));
            QVERIFY(!QFile::exists("wydruk.pdf"));
            env->messages.answers = {true, true, true, true};
            QTest::keyClick(&preview, Qt::Key_Return); // "Drukuj" is the default
        };
        dialog.kl_podgladClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(8));
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 4);
        QCOMPARE(pdfText("wydruk.pdf"), pdfText("bez-skanu.pdf"));
        QCOMPARE(pdfImagePages("wydruk.pdf"), std::vector<int>{});
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<PdfPrinterSetup> printer;
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
