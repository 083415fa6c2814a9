#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

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

// The text of one page, or of the whole file.
inline QString pdfText(const QString& file, int page = 0)
{
    QStringList arguments = {"-layout"};
    if (page > 0)
        arguments << "-f" << QString::number(page) << "-l" << QString::number(page);
    return toolOutput("pdftotext", arguments << file << "-");
}
