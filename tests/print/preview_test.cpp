#include "core/common/cp1250.h"
#include "core/common/modal_result.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/Tf_wydr.h"
#include "core/print/blank_alignment.h"
#include "core/print/blank_form_names.h"
#include "core/print/calibration_files.h"
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
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QtTest>

#include <cmath>
#include <cstring>
#include <memory>
#include <tuple>

namespace {

constexpr int kDpi = 150;

// The NIP buffer holding account 7's NIP-1 with a name and a NIP to draw.
ConstBytes nip1InBuffer()
{
    ClearRecord(KindRejfor);
    Bytes rec = recordBuffer(KindRejfor);
    setStr(rec, nip::account_no, "7");
    setU8(rec, nip::form_type, 1);
    setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
    setStr(rec, nip::first_name, cp1250::fromUtf8("Stanisław"));
    setStr(rec, nip::nip, "1234563218");
    return rec;
}

constexpr BoxTicks kAllPages{true, true, true, true, false, false};

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

// Whether `preview` holds `printed` pixel for pixel at `at`.
bool holdsAt(const QImage& preview, QPoint at, const QImage& printed)
{
    if (!preview.rect().contains(QRect(at, printed.size())))
        return false;
    for (int y = 0; y < printed.height(); ++y)
        if (std::memcmp(preview.constScanLine(at.y() + y) + 4 * at.x(), printed.constScanLine(y),
                        4 * std::size_t(printed.width()))
            != 0)
            return false;
    return true;
}

int inkPixels(const QImage& image)
{
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, y)) < 128;
    return ink;
}

// The pages of a PDF file as grey images, for comparing what was printed.
QList<QByteArray> pdfPageImages(const QString& file)
{
    QList<QByteArray> pages;
    for (int page = 1; page <= pdfPages(file); ++page) {
        QProcess process;
        const QString n = QString::number(page);
        process.start("pdftoppm", {"-r", "30", "-gray", "-f", n, "-l", n, file});
        process.waitForFinished(60000);
        pages << process.readAllStandardOutput();
    }
    return pages;
}

// A blank form's scan: a pale sheet with a red box 20 mm from its corner.
void writeScan(const QString& file, const QColor& paper = QColor(250, 250, 235))
{
    QDir().mkpath(QString::fromStdString(std::string(kBlankFormFolder)));
    QImage scan(210 * 4, 297 * 4, QImage::Format_RGB32);
    scan.fill(paper);
    QPainter(&scan).fillRect(QRect(20 * 4, 20 * 4, 30 * 4, 10 * 4), Qt::red);
    QVERIFY(scan.save(file));
}

// The top-left corner of the scan's red box in a rendered page.
QPoint redCorner(const QImage& page)
{
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (const QRgb c = page.pixel(x, y); qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60)
                return {x, y};
    return {-1, -1};
}

// Where the data's dark pixels are, away from the box in either of its places.
std::vector<QPoint> dataInk(const QImage& page, const QRect& box1, const QRect& box2)
{
    std::vector<QPoint> ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (!box1.contains(x, y) && !box2.contains(x, y) && qGray(page.pixel(x, y)) < 100)
                ink.emplace_back(x, y);
    return ink;
}

// A source of three sheets that each fill a 10 mm square at the printable
// area's corner, on a printer of 100 pixels to the millimetre with 5 mm margins.
PreviewSource squares()
{
    PreviewSource source;
    source.pixelsPerMm = 100;
    source.printableMm = QRectF(5, 5, 200, 287);
    for (const char* label : {"A 1/3", "A 2/3", "A 3/3"})
        source.sheets.push_back({label, [](QPainter& p) { p.fillRect(0, 0, 1000, 1000, Qt::black); }});
    return source;
}

} // namespace

class PreviewTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        printer = std::make_unique<PdfPrinterSetup>("wydruk.pdf", kDpi);
        PrinterSetup::install(printer.get());
    }
    void cleanup()
    {
        PrinterSetup::install(nullptr);
        printer.reset();
        env.reset();
    }

    void scanFileNamesForEveryPageLabel()
    {
        const QStringList expected = {
            "NIP-1_1z4", "NIP-1_2z4", "NIP-1_3z4", "NIP-1_4z4", "NIP-2_1z4", "NIP-2_2z4", "NIP-2_3z4",
            "NIP-2_4z4", "NIP-D_1z2", "NIP-D_2z2", "NIP-3_1z2", "NIP-3_2z2", "NIP-B_1z2", "NIP-B_2z2",
            "VAT-R_1z2", "VAT-R_2z2", "VAT-R-UE_1z1", "VAT-Z_1z1", "VAT-21_1z2", "VAT-21_2z2"};
        QStringList names;
        for (int id = 0; id <= int(PageId::Vat21_2); ++id)
            names << QString::fromStdString(blankFormFileBase(printedPage(PageId(id)).label));
        QCOMPARE(names, expected);
        // A box label's double space, unsafe characters and a hidden name.
        QCOMPARE(blankFormFileBase("NIP-D  1/2"), std::string("NIP-D_1z2"));
        QCOMPARE(blankFormFileBase("a\\b:c 1/2"), std::string("a-b-c_1z2"));
        QCOMPARE(blankFormFileBase("../x"), std::string("_..-x"));
        QCOMPARE(blankFormCandidates("VAT-Z 1/1").front(), std::string("druki/VAT-Z_1z1.png"));
    }

    // At the printer's own resolution the preview holds, inside the printable
    // area, exactly the page the job draws, and the job's ink is there.
    void previewPageIsThePrintedPage()
    {
        const ConstBytes rec = nip1InBuffer();
        calibration::MarginTable margins{};
        margins[0] = {3, 6};
        calibration::saveMargins(calibration::margnip1, margins);

        const PreviewSource source = jobPreview(FormKind::Nip1, rec, kAllPages, printer->printer());
        QCOMPARE(source.sheets.size(), std::size_t(4));
        QCOMPARE(source.sheets[3].label, std::string("NIP-1 4/4"));
        const QRect area = printer->printer().pageLayout().paintRectPixels(kDpi);
        const JobPlan plan = planPrintJob(FormKind::Nip1, rec, kAllPages, area.width(), area.height());
        for (std::size_t page = 0; page < 4; ++page) {
            const QImage printed = printedPage(plan, page, rec, area.size(), kDpi);
            if (page == 0)
                QVERIFY(inkPixels(printed) > 1000); // the name and the NIP
            QVERIFY2(holdsAt(renderPreviewPage(source, page, source.pixelsPerMm), QPoint(0, 0), printed),
                     qPrintable(QString::number(page)));
        }
    }

    // A printer that cannot print 3.5 mm along each edge: the job's scale is
    // smaller there, and so is the preview's, from the area's corner.
    void hardwareMarginsShrinkThePreviewAsTheJob()
    {
        const int dpi = 254; // ten pixels a millimetre: the margins cost one
        QPrinter margined(QPrinter::HighResolution);
        setUpPdfPrinter(margined, "wydruk.pdf", dpi);
        margined.setFullPage(false);
        margined.setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
        const QRect area = margined.pageLayout().paintRectPixels(dpi);

        const ConstBytes rec = nip1InBuffer();
        const BoxTicks firstPage{true};
        const JobPlan plan = planPrintJob(FormKind::Nip1, rec, firstPage, area.width(), area.height());
        QCOMPARE(plan.scaleX, 9); // not the 10 of the whole sheet

        const PreviewSource source = jobPreview(FormKind::Nip1, rec, firstPage, margined);
        QCOMPARE(source.printableMm.topLeft(), QPointF(3.5, 3.5));
        const QImage preview = renderPreviewPage(source, 0, source.pixelsPerMm);
        QCOMPARE(printableRect(source, source.pixelsPerMm), area);
        QVERIFY(holdsAt(preview, area.topLeft(), printedPage(plan, 0, rec, area.size(), dpi)));
    }

    void shadingOutlineAndZoomedSheet()
    {
        const PreviewSource source = squares();
        const double s = 4; // screen pixels a millimetre
        const QImage page = renderPreviewPage(source, 1, s);
        QCOMPARE(page.size(), QSize(840, 1188));
        QCOMPARE(printableRect(source, s), QRect(20, 20, 800, 1148));
        // The 10 mm square scaled to 40 pixels from the area's corner, nothing beyond.
        QCOMPARE(page.pixelColor(20, 20), QColor(Qt::black));
        QCOMPARE(page.pixelColor(59, 59), QColor(Qt::black));
        QCOMPARE(page.pixelColor(60, 60), QColor(Qt::white));
        QVERIFY(page.pixelColor(5, 600) != QColor(Qt::white));
        QCOMPARE(page.pixelColor(5, 600), page.pixelColor(835, 600));
        QVERIFY(page.pixelColor(19, 600) != page.pixelColor(5, 600)); // the outline
    }

    void navigationAndZoomByControlsAndKeys()
    {
        PreviewDialog preview(squares());
        preview.show();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QVERIFY(!preview.findChild<QPushButton*>("kl_drukuj"));
        QCOMPARE(preview.e_strona->text(), QString("Strona 1 z 3 (A 1/3)"));
        QVERIFY(!preview.kl_poprzednia->isEnabled() && !preview.kl_pierwsza->isEnabled());
        QVERIFY(!preview.chbox_tlo->isEnabled() && !preview.chbox_tlo->isChecked());

        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentSheet(), std::size_t(1));
        QTest::keyClick(&preview, Qt::Key_End);
        QCOMPARE(preview.e_strona->text(), QString("Strona 3 z 3 (A 3/3)"));
        QVERIFY(!preview.kl_nastepna->isEnabled() && !preview.kl_ostatnia->isEnabled());
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentSheet(), std::size_t(2));
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.currentSheet(), std::size_t(1));
        QTest::keyClick(&preview, Qt::Key_Home);
        QCOMPARE(preview.currentSheet(), std::size_t(0));
        preview.kl_ostatnia->click();
        preview.kl_poprzednia->click();
        QCOMPARE(preview.currentSheet(), std::size_t(1));

        const auto* area = preview.findChild<QScrollArea*>("sb_strona");
        const double actual = preview.logicalDpiX() / 25.4;
        QTest::keyClick(&preview, Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(preview.zoom(), PreviewDialog::Zoom::Actual);
        QCOMPARE(preview.screenPixelsPerMm(), actual);
        QCOMPARE(preview.cb_skala->currentText(), QString("100 %"));
        QCOMPARE(preview.e_skala->text(), QString("100 %"));
        QCOMPARE(preview.shownPage().width(), qRound(210 * actual));

        QTest::keyClick(&preview, Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(preview.cb_skala->currentText(), QString("Cała strona"));
        QVERIFY(preview.shownPage().height() <= area->viewport()->height());
        QTest::keyClick(&preview, Qt::Key_2, Qt::ControlModifier);
        QCOMPARE(preview.cb_skala->currentIndex(), 1);
        QVERIFY(preview.shownPage().width() <= area->viewport()->width());
        QVERIFY(preview.shownPage().width() > area->viewport()->width() * 9 / 10);

        // Ctrl and the wheel: one notch is a quarter larger; without Ctrl it scrolls.
        const double before = preview.screenPixelsPerMm();
        QWheelEvent notch(QPointF(50, 50), QPointF(50, 50), {}, QPoint(0, 120), Qt::NoButton, Qt::ControlModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(area->viewport(), &notch);
        QCOMPARE(preview.screenPixelsPerMm(), before * 1.25);
        QCOMPARE(preview.cb_skala->currentIndex(), -1);
        QWheelEvent scroll(QPointF(50, 50), QPointF(50, 50), {}, QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                           Qt::NoScrollPhase, false);
        QApplication::sendEvent(area->viewport(), &scroll);
        QCOMPARE(preview.screenPixelsPerMm(), before * 1.25);
        QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(preview.screenPixelsPerMm(), before);

        // Enter presses "Zamknij", the default without a print action.
        QTest::keyClick(&preview, Qt::Key_Return);
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Rejected));
        preview.show();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_Escape);
        QVERIFY(!preview.isVisible());
        QCOMPARE(QDir(".").entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
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
        QCOMPARE(env->messages.shown.size(), std::size_t(4));
        env->messages.shown.clear();
        QVERIFY(QFile::rename("wydruk.pdf", "bez-skanu.pdf"));

        writeScan("druki/NIP-1_1z4.png");
        Tf_wydr dialog;
        dialog.FormActivate();
        QPoint box;
        dialog.runPreviewDialog = [&](QDialog& d) {
            auto& preview = static_cast<PreviewDialog&>(d);
            preview.show();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QVERIFY(preview.chbox_tlo->isEnabled() && preview.chbox_tlo->isChecked());
            // The red box, 25 mm from the sheet's corner, on page 1 alone.
            box = QPoint(qRound(25 * preview.screenPixelsPerMm()), qRound(25 * preview.screenPixelsPerMm()));
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
            QVERIFY(!preview.isVisible());
        };
        dialog.kl_podgladClick();
        QCOMPARE(env->messages.texts(), (std::vector<std::string>{"Włóż druk NIP-1 1/4", "Włóż druk NIP-1 2/4",
                                                                   "Włóż druk NIP-1 3/4", "Włóż druk NIP-1 4/4"}));
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 4);
        QCOMPARE(pdfPageImages("wydruk.pdf"), pdfPageImages("bez-skanu.pdf"));
    }

    // On plain paper the preview shows the complete form at the exact scale;
    // the arrow keys, Shift and the mouse move the blank under the data,
    // which stays put, and the correction holds for the next preview.
    void blankMovesUnderTheDataAndStaysMoved()
    {
        nip1InBuffer();
        // White, so the data's edges look the same wherever the blank lies.
        writeScan("druki/NIP-1_1z4.png", Qt::white);
        Tf_wydr dialog;
        dialog.FormActivate();
        dialog.rb_czysty->click();
        // Where the box's corner lies at the zoom shown, moved and scaled.
        const auto boxAt = [](const PreviewDialog& preview, double rightMm, double downMm, double scale = 1.0) {
            const double s = preview.screenPixelsPerMm();
            return QPointF((20 * scale + rightMm) * s, (20 * scale + downMm) * s);
        };
        const auto near = [](QPoint found, QPointF expected) {
            return std::abs(found.x() - expected.x()) <= 1.5 && std::abs(found.y() - expected.y()) <= 1.5;
        };
        dialog.runPreviewDialog = [&](QDialog& d) {
            auto& preview = static_cast<PreviewDialog&>(d);
            preview.show();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QCOMPARE(preview.windowTitle(), QString("Podgląd wydruku – na czystym papierze, dokładna skala"));
            for (int i = 0; i < 6; ++i) // about ten pixels a millimetre
                QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
            const QImage before = preview.shownPage();
            QVERIFY(near(redCorner(before), boxAt(preview, 0, 0)));

            auto* area = preview.findChild<QScrollArea*>("sb_strona");
            QTest::keyClick(area, Qt::Key_Right);
            QTest::keyClick(area, Qt::Key_Down, Qt::ShiftModifier);
            QVERIFY(near(redCorner(preview.shownPage()), boxAt(preview, 0.5, 5)));
            // Dragged 2 mm right and 1 mm up.
            QWidget* view = area->widget();
            const double s = preview.screenPixelsPerMm();
            const QPointF from(200, 200);
            const QPointF to = from + QPointF(2 * s, -1 * s);
            for (const auto& [type, at, button, buttons] :
                 {std::tuple{QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::MouseButtons(Qt::LeftButton)},
                  std::tuple{QEvent::MouseMove, to, Qt::NoButton, Qt::MouseButtons(Qt::LeftButton)},
                  std::tuple{QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::MouseButtons()}}) {
                QMouseEvent event(type, at, view->mapToGlobal(at), button, buttons, Qt::NoModifier);
                QApplication::sendEvent(view, &event);
            }
            QCOMPARE(preview.e_przesuniecie->text(), QString("Przesunięcie: w prawo 2,5 mm, w dół 4,0 mm"));
            preview.ud_skala_formularza->setValue(98.0);
            const QImage after = preview.shownPage();
            QVERIFY(near(redCorner(after), boxAt(preview, 2.5, 4, 0.98)));

            const QRect box1 = QRectF(boxAt(preview, 0, 0), QSizeF(30 * s, 10 * s)).toRect().adjusted(-2, -2, 2, 2);
            const QRect box2 =
                QRectF(boxAt(preview, 2.5, 4, 0.98), QSizeF(29.4 * s, 9.8 * s)).toRect().adjusted(-2, -2, 2, 2);
            const std::vector<QPoint> ink = dataInk(before, box1, box2);
            QVERIFY(ink.size() > 1000);
            QVERIFY(ink == dataInk(after, box1, box2));
            preview.reject();
        };
        dialog.kl_podgladClick();
        QCOMPARE(loadBlankAlignment("NIP-1 1/4").alignment, (BlankAlignment{2.5, 4.0, 0.98}));

        dialog.runPreviewDialog = [&](QDialog& d) {
            auto& preview = static_cast<PreviewDialog&>(d);
            preview.show();
            QVERIFY(QTest::qWaitForWindowActive(&preview));
            QVERIFY(near(redCorner(preview.shownPage()), boxAt(preview, 2.5, 4, 0.98)));
            QCOMPARE(preview.ud_skala_formularza->value(), 98.0);
            QTest::keyClick(&preview, Qt::Key_W, Qt::AltModifier);
            QTRY_VERIFY(near(redCorner(preview.shownPage()), boxAt(preview, 0, 0)));
            preview.reject();
        };
        dialog.kl_podgladClick();
        QCOMPARE(loadBlankAlignment("NIP-1 1/4").alignment, BlankAlignment{});
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<PdfPrinterSetup> printer;
};

QTEST_MAIN(PreviewTest)
#include "preview_test.moc"
