#include "desktop/print/job_preview.h"

#include "core/print/page_layouts.h"
#include "desktop/print/planned_page_painter.h"
#include "desktop/print/qt_printer_device.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <memory>
#include <vector>

QRect printablePixels(const QPrinter& printer) { return printer.pageLayout().paintRectPixels(printer.resolution()); }

PreviewSource emptyPreview(const QPrinter& printer)
{
    constexpr double kMmPerInch = 25.4;
    const QRect printable = printablePixels(printer);
    PreviewSource source;
    source.pixelsPerMm = printer.resolution() / kMmPerInch;
    source.printableMm = QRectF(printable.x() / source.pixelsPerMm, printable.y() / source.pixelsPerMm,
                                printable.width() / source.pixelsPerMm, printable.height() / source.pixelsPerMm);
    return source;
}

PreviewSource jobPreview(FormKind kind, ConstBytes record, const BoxTicks& ticked, const QPrinter& printer,
                         const PrintOptions& options)
{
    const auto plan =
        std::make_shared<const JobPlan>(planPrintJob(kind, record, ticked, printableAreaOf(printer), options));
    const auto copy = std::make_shared<const std::vector<std::uint8_t>>(record.begin(), record.end());
    PreviewSource source = emptyPreview(printer);
    source.options = options;
    for (std::size_t i = 0; i < plan->pages.size(); ++i) {
        source.sheets.push_back({plan->pages[i].label, [plan, copy, i](QPainter& painter) {
                                     paintPlannedPage(painter, *plan, plan->pages[i], *copy, renderPage);
                                 }});
    }
    return source;
}
