#pragma once
// A whole-form PDF of four A4 pages as dense as an official one: a grid of
// boxes, captions and lines of small print on every page.
#include <QMarginsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

inline void writeDenseBlankPdf(const QString& file)
{
    QPdfWriter pdf(file);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setResolution(254); // ten dots a millimetre
    QPainter painter(&pdf);
    painter.setFont(QFont("DejaVu Sans", 6));
    for (int page = 1; page <= 4; ++page) {
        if (page > 1)
            pdf.newPage();
        for (int row = 0; row < 40; ++row) {
            const int y = 150 + row * 65;
            painter.drawText(100, y - 5, QString("%1. Pole formularza NIP-1, strona %2 z 4").arg(row + 1).arg(page));
            for (int box = 0; box < 36; ++box)
                painter.drawRect(100 + box * 50, y, 45, 45);
        }
    }
}
