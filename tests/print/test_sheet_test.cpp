#include "core/print/filled_record.h"
#include "core/print/page_layouts.h"
#include "desktop/print/painter_canvas.h"
#include "desktop/print/print_font.h"
#include "desktop/print/test_sheet.h"
#include "support/ui_test_environment.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <set>

namespace {

// What a painter draws: rectangles drawn without a brush, and texts at
// their baseline.
class RecordingEngine : public QPaintEngine {
public:
    RecordingEngine() : QPaintEngine(AllFeatures) { }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & DirtyBrush)
            filled_ = state.brush().style() != Qt::NoBrush;
    }
    void drawRects(const QRectF* r, int count) override
    {
        for (int i = 0; i < count && !filled_; ++i)
            boxes.push_back(r[i]);
    }
    void drawTextItem(const QPointF& p, const QTextItem& item) override { texts.push_back({p, item.text()}); }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { }

    std::vector<QRectF> boxes;
    std::vector<std::pair<QPointF, QString>> texts;

private:
    bool filled_ = false;
};

// A printable area of whole A4 at 600 dots per inch, 23 pixels to the
// millimetre, whose painter records what it draws.
class RecordingDevice : public QImage {
public:
    static constexpr int kWidth = 4960;
    static constexpr int kHeight = 7016;

    RecordingDevice() : QImage(kWidth, kHeight, QImage::Format_Mono)
    {
        setDotsPerMeterX(qRound(600 / 0.0254));
        setDotsPerMeterY(qRound(600 / 0.0254));
    }
    QPaintEngine* paintEngine() const override { return &engine; }

    mutable RecordingEngine engine;
};

} // namespace

class TestSheetTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

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
        calibration::MarginTable margins{};
        margins.at(printedPage(page).marginPair - 1) = {7, 12};
        calibration::SpacingTable spacings; // every section 3 mm apart
        spacings.fill(3);
        RecordingDevice sheet;
        {
            QPainter painter(&sheet);
            painter.setFont(printFont());
            TestSheet(page, RecordingDevice::kWidth, RecordingDevice::kHeight, margins, spacings).draw(painter);
        }

        // The print job itself, drawing each filled record of the form.
        const FormKind kind = printFormOf(page).kind;
        RecordingDevice job;
        QPainter painter(&job);
        painter.setFont(printFont());
        const JobPlan plan = planPrintJob(kind, filledRecord(kind, 1), {true, true, true, true, true, true},
                                          RecordingDevice::kWidth, RecordingDevice::kHeight, margins, spacings);
        const auto planned = std::ranges::find_if(plan.pages, [&](const PlannedPage& p) { return p.job.page == page; });
        QVERIFY(planned != plan.pages.end());
        QCOMPARE(std::pair(planned->originX, planned->topY), std::pair(7 * 23, 12 * 23));
        PainterCanvas canvas(painter);
        for (const int choice : {0, 1, 2, 3, 4, 99})
            drawPlannedPage(plan, *planned, canvas, filledRecord(kind, std::uint8_t(choice)), renderPage);
        std::set<std::pair<double, double>> textStarts;
        for (const auto& [baseline, text] : job.engine.texts)
            textStarts.insert({baseline.x(), baseline.y() - painter.fontMetrics().ascent()});

        std::set<std::pair<double, double>> boxCorners;
        for (const QRectF& box : sheet.engine.boxes)
            boxCorners.insert({box.x(), box.y()});
        QVERIFY(!textStarts.empty());
        QCOMPARE(boxCorners, textStarts);
        QCOMPARE(sheet.engine.boxes.size(), textStarts.size());
        // Numbered from 1 in reading order, each number inside its box.
        const auto& boxes = sheet.engine.boxes;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            QVERIFY2(std::ranges::any_of(sheet.engine.texts, [&](const auto& t) {
                         return t.second == QString::number(i + 1) && boxes[i].contains(t.first);
                     }), qPrintable(QString("box %1").arg(i + 1)));
            if (i > 0)
                QVERIFY(std::pair(boxes[i - 1].y(), boxes[i - 1].x()) < std::pair(boxes[i].y(), boxes[i].x()));
        }
    }

    // The millimetre grid counts from the page's origin, not from the printable area's edge.
    void gridCountsFromThePageOrigin()
    {
        const std::vector<GridLine> columns = gridLines(-3 * 23, 23, 4960);
        QCOMPARE(columns.front(), (GridLine{0, 3}));
        QCOMPARE(columns.back(), (GridLine{4945, 218}));
        QCOMPARE(gridLines(12 * 23, 23, 100).front(), (GridLine{0, -12}));
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
};

QTEST_MAIN(TestSheetTest)
#include "test_sheet_test.moc"
