#include "desktop/widgets/sort_cursor.h"

#include <QFile>
#include <QPixmap>

#include <memory>

namespace {
std::unique_ptr<QCursor> g_cursor;

// A cursor file keeps the hot spot in its first directory entry (bytes 10 to 13).
QPoint hotSpot(const QByteArray& file)
{
    if (file.size() < 14)
        return {0, 0};
    auto u16 = [&](int at) { return int(quint8(file[at])) | (int(quint8(file[at + 1])) << 8); };
    return {u16(10), u16(12)};
}
} // namespace

void LoadSortCursor()
{
    QFile file("sort.cur");
    if (!file.open(QIODevice::ReadOnly)) {
        g_cursor.reset();
        return;
    }
    const QByteArray bytes = file.readAll();
    QPixmap pixmap;
    if (!pixmap.loadFromData(bytes, "CUR") && !pixmap.loadFromData(bytes)) {
        g_cursor.reset();
        return;
    }
    const QPoint spot = hotSpot(bytes);
    g_cursor = std::make_unique<QCursor>(pixmap, spot.x(), spot.y());
}

const QCursor* SortCursor() { return g_cursor.get(); }
