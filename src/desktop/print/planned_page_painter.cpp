#include "desktop/print/planned_page_painter.h"

#include "desktop/print/painter_canvas.h"
#include "desktop/print/print_font.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kPointsPerInch = 72.0;

} // namespace

void setPlanUnits(QPainter& painter, const JobPlan& plan)
{
    QFont font = printFont();
    if (plan.options.exact()) {
        const double k = plan.devicePixelsPerUnit();
        painter.scale(k, k);
        // Its size on paper stays that of the form scale's font.
        const double unitsPerInch = kMmPerInch * kExactUnitsPerMm;
        font.setPixelSize(static_cast<int>(std::lround(font.pointSizeF() / kPointsPerInch * unitsPerInch)));
    }
    painter.setFont(font);
}

void paintPlannedPage(QPainter& painter, const JobPlan& plan, const PlannedPage& page, ConstBytes record,
                      const PageRenderer& render)
{
    painter.save();
    setPlanUnits(painter, plan);
    PainterCanvas canvas(painter);
    drawPlannedPage(plan, page, canvas, record, render);
    painter.restore();
}
