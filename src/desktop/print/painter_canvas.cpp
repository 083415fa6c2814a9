#include "desktop/print/painter_canvas.h"

#include "core/common/cp1250.h"

#include <QFontMetrics>
#include <QPainter>
#include <QString>

namespace {
QString unicodeOf(std::string_view cp1250Text) { return QString::fromStdString(cp1250::toUtf8(cp1250Text)); }
} // namespace

int PainterCanvas::textWidth(std::string_view text)
{
    return painter_.fontMetrics().horizontalAdvance(unicodeOf(text));
}

void PainterCanvas::drawText(int x, int y, std::string_view text)
{
    // QPainter places text by its baseline.
    painter_.drawText(QPoint(x, y + painter_.fontMetrics().ascent()), unicodeOf(text));
}
