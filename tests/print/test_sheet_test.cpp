#include "desktop/widgets/modal_runner.h"
#include "desktop/print/CalibrationGrid.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_margv.h"
#include "desktop/print/Tf_zg_ods.h"
#include "desktop/print/Tf_zg_odsv.h"
#include "core/print/filled_record.h"
#include "desktop/print/painter_canvas.h"
#include "desktop/print/print_font.h"
#include "desktop/print/test_sheet.h"
#include "layout_test_support.h"
#include "pdf_printer_setup.h"
#include "pdf_tools.h"
#include "support/ui_test_environment.h"

#include <QDir>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>

namespace {

// What a painter draws, as the painter hands it on: rectangles with the
// brush they were drawn with, lines with their pen, texts at their baseline.
class RecordingEngine : public QPaintEngine {
public:
    struct Rect {
        QRectF rect;
        bool filled;
    };
    struct Line {
        QLineF line;
        double width;
    };
    struct Text {
        QPointF baseline;
        QString text;
    };

    RecordingEngine() : QPaintEngine(AllFeatures) { }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyPen)
            pen_ = state.pen();
        if (state.state() & DirtyBrush)
            brush_ = state.brush();
    }
    void drawRects(const QRectF* r, int count) override
    {
        for (int i = 0; i < count; ++i)
            rects.push_back({r[i], brush_.style() != Qt::NoBrush});
    }
    void drawLines(const QLineF* l, int count) override
    {
        for (int i = 0; i < count; ++i)
            lines.push_back({l[i], pen_.widthF()});
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override { texts.push_back({p, item.text()}); }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }

    std::vector<Rect> rects;
    std::vector<Line> lines;
    std::vector<Text> texts;

private:
    QPen pen_;
    QBrush brush_;
};

// A printable area of whole A4 at 600 dots per inch: 23 pixels to the millimetre.
class RecordingDevice : public QPaintDevice {
public:
    static constexpr int kDpi = 600;
    static constexpr int kWidth = 4960;
    static constexpr int kHeight = 7016;
    static constexpr int kScale = 23;

    QPaintEngine* paintEngine() const override { return &engine; }
    int metric(PaintDeviceMetric m) const override
    {
        switch (m) {
        case PdmWidth: return kWidth;
        case PdmHeight: return kHeight;
        case PdmWidthMM: return 210;
        case PdmHeightMM: return 297;
        case PdmDepth: return 32;
        case PdmDevicePixelRatio: return 1;
        case PdmDevicePixelRatioScaled: return static_cast<int>(devicePixelRatioFScale());
        default: return kDpi; // dots per inch, logical and physical
        }
    }

    mutable RecordingEngine engine;
};

std::unique_ptr<RecordingDevice> drawnSheet(const TestSheet& sheet)
{
    auto device = std::make_unique<RecordingDevice>();
    QPainter painter(device.get());
    painter.setFont(printFont());
    sheet.draw(painter);
    return device;
}

calibration::MarginTable marginsOf(PageId page, calibration::MarginPair pair)
{
    calibration::MarginTable margins{};
    margins.at(printedPage(page).marginPair - 1) = pair;
    return margins;
}

// Every section 3 mm apart, so that spacings count in where texts go.
calibration::SpacingTable threeMillimetres()
{
    calibration::SpacingTable spacings;
    spacings.fill(3);
    return spacings;
}

std::string textOf(const std::string& file) { return readTextFile(file).value_or("(no file)"); }

// The page as pdftoppm renders it at `dpi`.
QImage renderedPdf(const QString& file, int dpi)
{
    const QString prefix = QDir::current().filePath("page");
    toolOutput("pdftoppm", {"-png", "-r", QString::number(dpi), "-singlefile", file, prefix});
    return QImage(prefix + ".png").convertToFormat(QImage::Format_Grayscale8);
}

// The share of pixels that differ between a region of `a` at (ax, ay) and one of `b` at (bx, by).
double differing(const QImage& a, int ax, int ay, const QImage& b, int bx, int by, int width, int height)
{
    int count = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            count += std::abs(qGray(a.pixel(ax + x, ay + y)) - qGray(b.pixel(bx + x, by + y))) > 64;
    return double(count) / (double(width) * height);
}

} // namespace

class TestSheetTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup()
    {
        setModalRunner({});
        PrinterSetup::install(nullptr);
        env.reset();
    }

    void boxesStandWhereTheJobPrintsEveryText_data()
    {
        QTest::addColumn<int>("pageNumber");
        for (const PrintForm& form : printForms())
            for (const PageBoxEntry& box : form.boxes)
                QTest::newRow(std::string(box.label).c_str()) << static_cast<int>(box.page);
    }
    void boxesStandWhereTheJobPrintsEveryText()
    {
        QFETCH(int, pageNumber);
        const PageId page = static_cast<PageId>(pageNumber);
        const calibration::MarginTable margins = marginsOf(page, {7, 12});
        const TestSheet sheet(page, RecordingDevice::kWidth, RecordingDevice::kHeight, margins, threeMillimetres());
        const auto drawn = drawnSheet(sheet);

        // The print job itself, drawing each filled record of the form.
        const FormKind kind = printFormOf(page).kind;
        RecordingDevice job;
        QPainter painter(&job);
        painter.setFont(printFont());
        const int ascent = painter.fontMetrics().ascent();
        const BoxTicks everyPage{true, true, true, true, true, true};
        const JobPlan plan = planPrintJob(kind, filledRecord(kind, 1), everyPage, RecordingDevice::kWidth,
                                          RecordingDevice::kHeight, margins, threeMillimetres());
        const auto planned = std::ranges::find_if(plan.pages, [&](const PlannedPage& p) { return p.job.page == page; });
        QVERIFY(planned != plan.pages.end());
        QCOMPARE(planned->originX, 7 * RecordingDevice::kScale);
        QCOMPARE(planned->topY, 12 * RecordingDevice::kScale);
        PainterCanvas canvas(painter);
        for (const int choice : {0, 1, 2, 3, 4, 99})
            drawPlannedPage(plan, *planned, canvas, filledRecord(kind, std::uint8_t(choice)), renderPage);
        std::set<std::pair<double, double>> textStarts;
        for (const RecordingEngine::Text& t : job.engine.texts)
            textStarts.insert({t.baseline.x(), t.baseline.y() - ascent});

        std::set<std::pair<double, double>> boxCorners;
        std::vector<QRectF> boxes;
        for (const RecordingEngine::Rect& r : drawn->engine.rects)
            if (!r.filled) {
                boxCorners.insert({r.rect.x(), r.rect.y()});
                boxes.push_back(r.rect);
            }
        QVERIFY(!textStarts.empty());
        QCOMPARE(boxCorners, textStarts);
        QCOMPARE(boxes.size(), textStarts.size());

        // Numbered from 1 in reading order, each number inside its box.
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QString number = QString::number(i + 1);
            QVERIFY2(std::ranges::any_of(drawn->engine.texts,
                         [&](const RecordingEngine::Text& t) {
                             return t.text == number && boxes[i].contains(t.baseline);
                         }),
                qPrintable("box " + number));
            if (i > 0)
                QVERIFY(std::pair(boxes[i - 1].y(), boxes[i - 1].x()) < std::pair(boxes[i].y(), boxes[i].x()));
        }
    }

    void gridIsRuledAndLabelledFromThePageOrigin()
    {
        constexpr int s = RecordingDevice::kScale;
        const TestSheet sheet(PageId::Nip1_1, RecordingDevice::kWidth, RecordingDevice::kHeight,
                              marginsOf(PageId::Nip1_1, {-3, 12}), {});
        const auto drawn = drawnSheet(sheet);
        std::map<int, double> columns; // x -> pen width
        std::map<int, double> rows;
        for (const RecordingEngine::Line& l : drawn->engine.lines) {
            if (l.line.x1() == l.line.x2())
                columns[int(l.line.x1())] = l.width;
            else
                rows[int(l.line.y1())] = l.width;
        }
        // Column millimetre 0 lies 3 mm left of the area: the first line is millimetre 3.
        QCOMPARE(columns.begin()->first, 0);
        QCOMPARE(int(columns.size()), (RecordingDevice::kWidth - 1) / s + 1);
        QCOMPARE(rows.begin()->first, 0);
        QVERIFY(rows.contains(12 * s));
        QCOMPARE(int(rows.size()), (RecordingDevice::kHeight - 1) / s + 1);
        // Heavier every 5 mm, heavier still every 10.
        const int x0 = -3 * s;
        QVERIFY(columns.at(x0 + 10 * s) > columns.at(x0 + 5 * s));
        QVERIFY(columns.at(x0 + 5 * s) > columns.at(x0 + 6 * s));
        QVERIFY(rows.at(12 * s + 50 * s) > rows.at(12 * s + 45 * s));

        auto labelled = [&](const QString& text, auto near) {
            return std::ranges::any_of(drawn->engine.texts,
                [&](const RecordingEngine::Text& t) { return t.text == text && near(t.baseline); });
        };
        for (int mm = 10; x0 + mm * s < RecordingDevice::kWidth; mm += 10)
            QVERIFY2(labelled(QString::number(mm),
                         [&](QPointF p) { return p.x() > x0 + mm * s && p.x() < x0 + (mm + 1) * s; }),
                qPrintable(QString("column %1").arg(mm)));
        for (int mm = -10; 12 * s + mm * s < RecordingDevice::kHeight; mm += 10)
            QVERIFY2(labelled(QString::number(mm),
                         [&](QPointF p) {
                             // Above the line where column numbers run under it.
                             const int top = mm % 50 == 0 ? mm - 4 : mm;
                             return p.y() > 12 * s + top * s && p.y() < 12 * s + (top + 4) * s;
                         }),
                qPrintable(QString("row %1").arg(mm)));
        QVERIFY(labelled("Wydruk próbny NIP-1 1/4: marginesy lewy -3 mm, górny 12 mm", [](QPointF) { return true; }));
    }

    void spacingRowsChooseTheFirstPageTheyMove()
    {
        Tf_zg_ods nip;
        Tf_zg_odsv vat;
        const std::pair<CalibrationDialog*, const std::array<const calibration::CalibrationFile*, 3>*> dialogs[] = {
            {&nip, &calibration::kNipSpacingFiles}, {&vat, &calibration::kVatSpacingFiles}};
        for (const auto& [dialog, files] : dialogs)
            for (int group = 0; group < CalibrationDialog::kGroups; ++group) {
                const calibration::CalibrationFile* file = (*files)[std::size_t(group)];
                std::vector<PageId> pages; // of the forms printing with the file, in order
                for (const PrintForm& form : printForms())
                    if (&form.spacings == file)
                        for (const PageBoxEntry& box : form.boxes)
                            pages.push_back(box.page);
                QVERIFY(!pages.empty());
                CalibrationGrid* grid = dialog->grid(group);
                for (int row = 0; row < grid->rowCount(); ++row) {
                    // The sections each page steps over, as the layout tests list them.
                    const auto moved = std::ranges::find_if(pages, [&](PageId page) {
                        return std::ranges::any_of(layout_test::kAllPages, [&](const layout_test::PageSections& p) {
                            return p.page == page && p.firstEntry <= row && row <= p.lastEntry;
                        });
                    });
                    grid->setCurrentCell(row, 1);
                    QVERIFY2(dialog->testSheetPage(group) == (moved != pages.end() ? *moved : pages.front()),
                        qPrintable(grid->objectName() + " row " + QString::number(row)));
                }
            }
    }

    void marginRowsChooseTheirPage()
    {
        Tf_zg_marg nip;
        nip.grid(0)->setCurrentCell(6, 1); // "NIP-B 1/2"
        QCOMPARE(nip.testSheetPage(0), PageId::NipB_1);
        nip.grid(0)->setCurrentCell(4, 1); // "NIP-1/A 1/2": not printed here
        QCOMPARE(nip.testSheetPage(0), PageId::Nip1_1);
        nip.grid(1)->setCurrentCell(7, 2);
        QCOMPARE(nip.testSheetPage(1), PageId::NipD_2);
        Tf_zg_margv vat;
        vat.grid(0)->setCurrentCell(2, 1);
        QCOMPARE(vat.testSheetPage(0), PageId::VatRUe_1);

        // The grid used last, even when the button has taken the focus.
        nip.show();
        QApplication::setActiveWindow(&nip);
        QVERIFY(QTest::qWaitForWindowActive(&nip));
        nip.grid(2)->setFocus();
        nip.kl_probny->setFocus();
        QCOMPARE(nip.testSheetGroup(), 2);
    }

    void aSpacingSheetShowsThePageOfItsRow()
    {
        PdfPrinterSetup printer(QDir::current().filePath("sheet.pdf"), 72);
        PrinterSetup::install(&printer);
        Tf_zg_ods dialog;
        dialog.grid(0)->setCurrentCell(4, 1); // "B.3-B.4"
        dialog.grid(0)->setValue(4, 0, "20");
        dialog.kl_probny->click();
        QVERIFY(pdfText("sheet.pdf").simplified().contains("Wydruk próbny NIP-1 2/4"));
        QVERIFY(QDir::current().entryList({"*.Rdx", "*.rdx"}).isEmpty());
    }

    void unsavedMarginsMoveTheSheetAndNoFileIsWritten()
    {
        // 127 dots per inch: 5 pixels to the millimetre.
        constexpr int dpi = 127;
        PdfPrinterSetup printer(QDir::current().filePath("sheet.pdf"), dpi);
        PrinterSetup::install(&printer);
        const std::string stored = "    0    0\r\n    4    4\r\n";
        writeTextFile("margnip1.Rdx", stored);

        Tf_zg_marg dialog;
        CalibrationGrid* nip1 = dialog.grid(0);
        nip1->setCurrentCell(0, 1);
        dialog.kl_probny->click();
        QCOMPARE(pdfPages("sheet.pdf"), 1);
        const QImage unmoved = renderedPdf("sheet.pdf", dpi);
        QVERIFY(!unmoved.isNull());

        nip1->setValue(0, 0, "17");
        nip1->setValue(0, 1, "23");
        dialog.kl_probny->click();
        QVERIFY(pdfText("sheet.pdf").simplified().contains("Wydruk próbny NIP-1 1/4: marginesy lewy 17 mm, górny 23 mm"));
        const QImage moved = renderedPdf("sheet.pdf", dpi);
        QCOMPARE(moved.size(), unmoved.size());
        // Grid and boxes move by the margins, 85 and 115 pixels; the caption at the foot stays.
        const int width = moved.width() - 85;
        const int height = moved.height() - 115 - 15 * 5;
        QVERIFY(differing(moved, 85, 115, unmoved, 0, 0, width, height) < 0.002);
        QVERIFY(differing(moved, 0, 0, unmoved, 0, 0, width, height) > 0.02);

        // A cell that is no integer: the dialog's own message and nothing printed.
        QFile::remove("sheet.pdf");
        nip1->setValue(3, 1, "1,5");
        dialog.kl_probny->click();
        QCOMPARE(env->messages.shown,
            (std::vector<ScriptedMessages::Shown>{{"inform", "Marginesy muszą być liczbami całkowitymi!", ""}}));
        QVERIFY(!QFile::exists("sheet.pdf"));

        nip1->setValue(3, 1, "1");
        int previews = 0;
        setModalRunner([&](QDialog& shown) {
            auto* preview = qobject_cast<PreviewDialog*>(&shown);
            previews += preview && preview->sheetCount() == 1 && !preview->shownPage().isNull();
            return 0;
        });
        dialog.kl_podglad->click();
        QCOMPARE(previews, 1);
        QVERIFY(!QFile::exists("sheet.pdf"));

        QCOMPARE(textOf("margnip1.Rdx"), stored);
        QCOMPARE(QDir::current().entryList({"*.Rdx", "*.rdx"}), QStringList{"margnip1.Rdx"});
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
};

QTEST_MAIN(TestSheetTest)
#include "test_sheet_test.moc"
