#include "desktop/print/preview_render.h"

#include "desktop/print/print_font.h"

#include <QPainter>
#include <QRegion>

#include <cmath>

namespace {

const QColor kOutsidePrintable(0, 0, 0, 48);
const QColor kPrintableOutline(40, 90, 200);

} // namespace

QRect printableRect(const PreviewSource& source, double pixelsPerMm)
{
    const QRectF& mm = source.printableMm;
    const QPoint topLeft(static_cast<int>(std::lround(mm.left() * pixelsPerMm)),
                         static_cast<int>(std::lround(mm.top() * pixelsPerMm)));
    const QPoint bottomRight(static_cast<int>(std::lround(mm.right() * pixelsPerMm)),
                             static_cast<int>(std::lround(mm.bottom() * pixelsPerMm)));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

QImage renderPreviewPage(const PreviewSource& source, std::size_t sheet, double pixelsPerMm,
                         const PreviewUnderlay& underlay)
{
    const QSize size(static_cast<int>(std::lround(kA4WidthMm * pixelsPerMm)),
                     static_cast<int>(std::lround(kA4HeightMm * pixelsPerMm)));
    QImage page(size, QImage::Format_RGB32);
    // Point sizes of the printing font come out in the printer's pixels, as
    // they do on the printer; the transform then scales them to the page.
    const int dotsPerMeter = static_cast<int>(std::lround(source.pixelsPerMm * 1000.0));
    page.setDotsPerMeterX(dotsPerMeter);
    page.setDotsPerMeterY(dotsPerMeter);
    page.fill(Qt::white);

    QPainter painter(&page);
    if (underlay) {
        painter.save();
        underlay(painter, QRectF(QPointF(0, 0), QSizeF(size)));
        painter.restore();
    }
    const QRect printable = printableRect(source, pixelsPerMm);
    painter.setClipRegion(QRegion(page.rect()).subtracted(printable));
    painter.fillRect(page.rect(), kOutsidePrintable);
    painter.setPen(QPen(kPrintableOutline, 0));
    painter.drawRect(printable.adjusted(-1, -1, 0, 0));

    if (sheet < source.sheets.size() && source.sheets[sheet].draw) {
        painter.setClipRect(printable);
        painter.translate(printable.topLeft());
        const double scale = pixelsPerMm / source.pixelsPerMm;
        painter.scale(scale, scale);
        painter.setPen(Qt::black);
        painter.setFont(printFont());
        source.sheets[sheet].draw(painter);
    }
    return page;
}
