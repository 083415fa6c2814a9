#pragma once
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// The poppler tools over the PDF files the tests print.
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

inline QString pdfPageText(const QString& file, int page)
{
    const QString n = QString::number(page);
    return toolOutput("pdftotext", {"-layout", "-f", n, "-l", n, file, "-"});
}
