#pragma once
#include "common/data_files.h"
#include "common/record_access.h"
#include "records/cleared_record.h"
#include "records/nip_record.h"
#include "register/record_kind.h"
#include "support/temp_dir.h"

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <string>
#include <vector>

// The records the printing tests print and the poppler tools over the PDF
// files they get.

// A record file whose record `index` is the given record, the others free.
inline void writeRecordFile(int kind, int index, const std::vector<std::uint8_t>& record)
{
    const RecordKind& k = kindAt(kind);
    std::vector<unsigned char> bytes(k.recordSize * static_cast<std::size_t>(index + 2));
    for (int r = 0; r < index + 2; ++r)
        ClearRecordBytes(Bytes(bytes).subspan(r * k.recordSize, k.recordSize));
    std::copy(record.begin(), record.end(), bytes.begin() + index * k.recordSize);
    writeBytes(dataFileName(k.baseName), bytes);
}

inline std::vector<std::uint8_t> nipRecord(const std::string& account, int formType, int attachDCount = 0)
{
    std::vector<std::uint8_t> rec(nip::kRecordSize);
    ClearRecordBytes(rec);
    setStr(rec, nip::account_no, account);
    setU8(rec, nip::form_type, static_cast<std::uint8_t>(formType));
    setU8(rec, nip::attach_d_count, static_cast<std::uint8_t>(attachDCount));
    return rec;
}

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
