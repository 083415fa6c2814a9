#include "desktop/print/test_sheet.h"

#include "core/print/filled_record.h"
#include "core/print/page_layouts.h"
#include "desktop/print/painter_canvas.h"

#include <QFont>
#include <QPainter>
#include <QPen>
#include <QRegion>

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace {

// Records where each text starts; widths come from the canvas that measures.
class StartRecorder : public Canvas {
public:
    StartRecorder(Canvas& measure, std::vector<TextStart>& starts) : measure_(measure), starts_(starts) { }

    int textWidth(std::string_view text) override { return measure_.textWidth(text); }

protected:
    void drawText(int x, int y, std::string_view) override { starts_.push_back({x, y}); }

private:
    Canvas& measure_;
    std::vector<TextStart>& starts_;
};

// Measures a fixed pitch and draws nothing.
class FixedPitch : public Canvas {
public:
    int textWidth(std::string_view text) override { return static_cast<int>(text.size()); }

protected:
    void drawText(int, int, std::string_view) override { }
};

std::vector<TextStart> starts(PageId page, const PageWriter::SpacingTable& spacing)
{
    FixedPitch measure;
    std::vector<TextStart> found;
    StartRecorder recorder(measure, found);
    PageWriter writer(recorder, 1, 1, spacing, 0, 0);
    renderPage(page, writer, filledRecord(printFormOf(page).kind, 1), 1);
    return found;
}

// Floor division: the grid runs to both sides of the origin.
int floorDiv(int a, int b) { return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0); }

// Sizes on the sheet in millimetres of the layouts.
constexpr int kBoxWidthMm = 5; // two characters of the printing font
constexpr int kBoxHeightMm = 4;
constexpr double kLabelMm = 2.5;
constexpr double kNumberMm = 2.2;
constexpr double kCaptionMm = 3.0;
// Column numbers run under every 50th row line; row numbers along every
// 50th column line from column 25, above the line on the rows that carry
// column numbers, so that they never stand among them.
constexpr int kLabelledEvery = 50;
constexpr int kRowLabelsAt = 25;

QFont sizedFont(const QFont& base, double mm, int pixelsPerMm)
{
    QFont font(base);
    font.setPixelSize(std::max(1, static_cast<int>(mm * pixelsPerMm)));
    return font;
}

QPen gridPen(int mm, int pixelsPerMm)
{
    // A tenth of a millimetre thin, heavier and darker every 5 and 10 mm.
    const int thin = std::max(1, pixelsPerMm / 10);
    if (mm % 10 == 0)
        return QPen(QColor(60, 60, 60), 3 * thin);
    if (mm % 5 == 0)
        return QPen(QColor(120, 120, 120), 2 * thin);
    return QPen(QColor(185, 185, 185), thin);
}

} // namespace

std::vector<GridLine> gridLines(int originPixel, int pixelsPerMm, int extentPixels)
{
    std::vector<GridLine> lines;
    if (pixelsPerMm <= 0 || extentPixels <= 0)
        return lines;
    const int first = -floorDiv(originPixel, pixelsPerMm);
    const int last = floorDiv(extentPixels - 1 - originPixel, pixelsPerMm);
    for (int mm = first; mm <= last; ++mm)
        lines.push_back({originPixel + mm * pixelsPerMm, mm});
    return lines;
}

bool spacingMovesPage(PageId page, std::size_t entry)
{
    PageWriter::SpacingTable spacing{};
    const std::vector<TextStart> unmoved = starts(page, spacing);
    spacing.at(entry) = 1;
    return starts(page, spacing) != unmoved;
}

TestSheet::TestSheet(PageId page, int widthPixels, int heightPixels, const calibration::MarginTable& margins,
                     const calibration::SpacingTable& spacings)
    : kind_(printFormOf(page).kind),
      margins_(margins.at(printedPage(page).marginPair - 1)),
      width_(widthPixels),
      height_(heightPixels)
{
    // A record that prints every page of its form: NIP-D sheets and the VAT-R/UE page included.
    const BoxTicks everyPage{true, true, true, true, true, true};
    plan_ = planPrintJob(kind_, filledRecord(kind_, 1), everyPage, widthPixels, heightPixels, margins, spacings);
    const auto found = std::ranges::find_if(plan_.pages, [&](const PlannedPage& p) { return p.job.page == page; });
    if (found == plan_.pages.end())
        throw std::logic_error("the page is not in its form's job");
    pageIndex_ = static_cast<std::size_t>(found - plan_.pages.begin());
}

std::vector<TextStart> TestSheet::textStarts(Canvas& measure) const
{
    std::vector<TextStart> starts;
    for (const std::uint8_t choice : kFilledChoices) {
        StartRecorder recorder(measure, starts);
        drawPlannedPage(plan_, page(), recorder, filledRecord(kind_, choice), renderPage);
    }
    std::ranges::sort(starts, [](const TextStart& a, const TextStart& b) {
        return std::tie(a.y, a.x) < std::tie(b.y, b.x);
    });
    const auto [end, last] = std::ranges::unique(starts);
    starts.erase(end, last);
    return starts;
}

void TestSheet::draw(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(0, 0, width_, height_);
    painter.setBrush(Qt::NoBrush);
    drawGrid(painter, drawCaption(painter));
    drawBoxes(painter);
    painter.restore();
}

void TestSheet::drawGrid(QPainter& painter, const QRect& caption) const
{
    const std::vector<GridLine> columns = gridLines(page().originX, plan_.scaleX, width_);
    const std::vector<GridLine> rows = gridLines(page().topY, plan_.scaleY, height_);
    painter.save();
    // Under the caption's background, which hides what is there.
    painter.setClipRegion(QRegion(0, 0, width_, height_) - caption);
    for (const GridLine& c : columns) {
        painter.setPen(gridPen(c.mm, plan_.scaleX));
        painter.drawLine(c.pixel, 0, c.pixel, height_);
    }
    for (const GridLine& r : rows) {
        painter.setPen(gridPen(r.mm, plan_.scaleY));
        painter.drawLine(0, r.pixel, width_, r.pixel);
    }

    painter.setPen(Qt::black);
    painter.setFont(sizedFont(painter.font(), kLabelMm, plan_.scaleY));
    const int insetX = plan_.scaleX / 3;
    const int insetY = plan_.scaleY / 3;
    // Below the line and right of it; `above`: above the line instead.
    auto label = [&](const GridLine& column, const GridLine& row, int mm, bool above) {
        const int height = 4 * plan_.scaleY;
        const QRect place(column.pixel + insetX, above ? row.pixel - insetY - height : row.pixel + insetY,
                          10 * plan_.scaleX, height);
        const Qt::Alignment align = Qt::AlignLeft | (above ? Qt::AlignBottom : Qt::AlignTop);
        const QString text = QString::number(mm);
        if (!painter.boundingRect(place, align, text).intersects(caption))
            painter.drawText(place, align, text);
    };
    for (const GridLine& r : rows)
        for (const GridLine& c : columns) {
            const bool columnNumbersRow = r.mm % kLabelledEvery == 0;
            if (columnNumbersRow && c.mm % 10 == 0)
                label(c, r, c.mm, false);
            if (c.mm % kLabelledEvery == kRowLabelsAt && r.mm % 10 == 0)
                label(c, r, r.mm, columnNumbersRow);
        }
    painter.restore();
}

QRect TestSheet::drawCaption(QPainter& painter) const
{
    const QString caption = QString("Wydruk próbny %1: marginesy lewy %2 mm, górny %3 mm")
                                .arg(QString::fromStdString(label()))
                                .arg(margins_.left)
                                .arg(margins_.top);
    painter.save();
    painter.setFont(sizedFont(painter.font(), kCaptionMm, plan_.scaleY));
    painter.setPen(Qt::black);
    painter.setBackground(Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    const QRect place(5 * plan_.scaleX, height_ - 8 * plan_.scaleY, width_, 4 * plan_.scaleY);
    QRect drawn;
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop, caption, &drawn);
    painter.restore();
    return drawn;
}

void TestSheet::drawBoxes(QPainter& painter) const
{
    // Measured in the printing font, as the job measures the texts it prints.
    PainterCanvas measure(painter);
    const std::vector<TextStart> starts = textStarts(measure);

    const QFont numberFont = sizedFont(painter.font(), kNumberMm, plan_.scaleY);
    painter.setPen(QPen(Qt::black, std::max(1, plan_.scaleX / 6)));
    const int inset = std::max(1, plan_.scaleX / 4);
    int number = 0;
    for (const TextStart& start : starts) {
        const QRect box(start.x, start.y, kBoxWidthMm * plan_.scaleX, kBoxHeightMm * plan_.scaleY);
        painter.drawRect(box);
        painter.save();
        painter.setFont(numberFont);
        painter.drawText(box.adjusted(inset, inset, 0, 0), Qt::AlignLeft | Qt::AlignTop, QString::number(++number));
        painter.restore();
    }
}
