#include "desktop/app/image_list.h"

#include "desktop/app/program_info.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>

namespace {

constexpr int kSize = 32;

// A form sheet with a folded corner, the base of the form commands' pictures.
void drawSheet(QPainter& p)
{
    QPainterPath sheet;
    sheet.moveTo(6, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(6, 29);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(70, 80, 100), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawPath(sheet);
    p.drawLine(QPointF(20, 3), QPointF(20, 9));
    p.drawLine(QPointF(20, 9), QPointF(26, 9));
    p.setPen(QPen(QColor(160, 170, 190), 1.2));
    for (int y = 13; y <= 25; y += 4)
        p.drawLine(QPointF(9, y), QPointF(22, y));
}

void drawBadge(QPainter& p, const QColor& colour)
{
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawEllipse(QRectF(15, 15, 16, 16));
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap));
}

void drawNowy(QPainter& p)
{
    drawSheet(p);
    drawBadge(p, QColor(40, 150, 60));
    p.drawLine(QPointF(23, 18.5), QPointF(23, 27.5));
    p.drawLine(QPointF(18.5, 23), QPointF(27.5, 23));
}

void drawPkpir(QPainter& p)
{
    // A ledger book with an arrow into the sheet.
    p.setPen(QPen(QColor(90, 50, 20), 1.5));
    p.setBrush(QColor(180, 110, 50));
    p.drawRoundedRect(QRectF(3, 5, 15, 22), 2, 2);
    p.setPen(QPen(QColor(250, 230, 190), 1.2));
    p.drawLine(QPointF(6, 10), QPointF(15, 10));
    p.drawLine(QPointF(6, 14), QPointF(15, 14));
    p.setPen(QPen(QColor(30, 90, 170), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(14, 22), QPointF(28, 22));
    p.drawLine(QPointF(23, 17), QPointF(28, 22));
    p.drawLine(QPointF(23, 27), QPointF(28, 22));
}

void drawAktualizacja(QPainter& p)
{
    drawSheet(p);
    // A pencil across the sheet.
    p.setPen(QPen(QColor(120, 80, 10), 1));
    p.setBrush(QColor(240, 190, 40));
    QPainterPath pencil;
    pencil.moveTo(27, 11);
    pencil.lineTo(30, 14);
    pencil.lineTo(16, 28);
    pencil.lineTo(12, 29);
    pencil.lineTo(13, 25);
    pencil.closeSubpath();
    p.drawPath(pencil);
}

void drawWydruk(QPainter& p)
{
    p.setPen(QPen(QColor(60, 60, 70), 1.5));
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(9, 3, 14, 10));
    p.setBrush(QColor(120, 125, 140));
    p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
    p.setBrush(QColor(250, 250, 250));
    p.drawRect(QRectF(9, 20, 14, 9));
    p.setPen(QPen(QColor(40, 150, 60), 2));
    p.drawPoint(QPointF(25, 16));
    p.setPen(QPen(QColor(160, 160, 170), 1));
    p.drawLine(QPointF(11, 24), QPointF(21, 24));
    p.drawLine(QPointF(11, 27), QPointF(19, 27));
}

void drawMarginesy(QPainter& p)
{
    drawSheet(p);
    p.setPen(QPen(QColor(200, 40, 40), 1.6, Qt::DashLine));
    p.drawLine(QPointF(10, 4), QPointF(10, 28));
    p.drawLine(QPointF(7, 11), QPointF(25, 11));
}

void drawOdstepy(QPainter& p)
{
    drawSheet(p);
    p.setPen(QPen(QColor(200, 40, 40), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(16, 12), QPointF(16, 26));
    p.drawLine(QPointF(13, 15), QPointF(16, 12));
    p.drawLine(QPointF(19, 15), QPointF(16, 12));
    p.drawLine(QPointF(13, 23), QPointF(16, 26));
    p.drawLine(QPointF(19, 23), QPointF(16, 26));
}

// The desktop's copy of this drawing is packaging/zgloszenia.svg.
void drawProgramIcon(QPainter& p)
{
    drawSheet(p);
    drawBadge(p, QColor(200, 40, 40));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawEllipse(QRectF(19, 19, 8, 8));
}

QIcon draw(void (*painter)(QPainter&))
{
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    painter(p);
    p.end();
    return QIcon(pixmap);
}

} // namespace

const QIcon& imageListIcon(Img img)
{
    static const std::array<QIcon, 6> list = {
        draw(drawNowy),
        draw(drawPkpir),
        draw(drawAktualizacja),
        draw(drawWydruk),
        draw(drawMarginesy),
        draw(drawOdstepy),
    };
    return list[static_cast<std::size_t>(img)];
}

QIcon programIcon() { return draw(drawProgramIcon); }

QImage programIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(size) / kSize, double(size) / kSize);
    drawProgramIcon(p);
    return image;
}
