#pragma once
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

// The poppler tools over the PDF files the printing tests get.

inline QString toolOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pdfPages(const QString& file)
{
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(toolOutput("pdfinfo", {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QString pdfText(const QString& file) { return toolOutput("pdftotext", {"-layout", file, "-"}); }

// The words of one page with their boxes in points from the page's top-left
// corner, in reading order.
struct PdfWord {
    QString text;
    QRectF box;
};
inline std::vector<PdfWord> pdfWords(const QString& file, int page)
{
    const QString page1 = QString::number(page);
    const QString html = toolOutput("pdftotext", {"-bbox", "-f", page1, "-l", page1, file, "-"});
    static const QRegularExpression word(
        "<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\" yMax=\"([-\\d.]+)\">([^<]*)</word>");
    std::vector<PdfWord> words;
    for (auto m = word.globalMatch(html); m.hasNext();) {
        const QRegularExpressionMatch w = m.next();
        const QPointF topLeft(w.captured(1).toDouble(), w.captured(2).toDouble());
        words.push_back({w.captured(5), QRectF(topLeft, QPointF(w.captured(3).toDouble(), w.captured(4).toDouble()))});
    }
    return words;
}

// The pages of the file that hold a picture, each as often as it holds one.
inline std::vector<int> pdfImagePages(const QString& file)
{
    std::vector<int> pages;
    const QStringList lines = toolOutput("pdfimages", {"-list", file}).split('\n', Qt::SkipEmptyParts);
    for (qsizetype i = 2; i < lines.size(); ++i) // after the heading and its rule
        pages.push_back(lines[i].simplified().section(' ', 0, 0).toInt());
    return pages;
}
