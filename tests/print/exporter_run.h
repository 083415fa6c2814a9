#pragma once
#include "core/common/cp1250.h"
#include "core/records/address_block.h"
#include "register/record_files.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// The PDF exporter run as the operator runs it, in the current directory.
struct ExporterRun {
    int exitCode;
    QString errors;
};

// Runs `program` with no display platform set, or with `platform`; in a
// shell script "$PDF" is the exporter, for limits and names in any bytes.
inline ExporterRun runProcess(const QString& program, const QStringList& arguments, const QString& platform = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    if (!platform.isEmpty())
        env.insert("QT_QPA_PLATFORM", platform);
    env.insert("PDF", QStringLiteral(ZGLOSZENIA_PDF));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, "timeout"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError())};
}

inline ExporterRun exporter(const QStringList& arguments)
{
    return runProcess(QStringLiteral(ZGLOSZENIA_PDF), arguments);
}

inline ExporterRun exporterInShell(const QString& script, const QString& platform = {})
{
    return runProcess("/bin/sh", {"-c", script}, platform);
}

// Account 7 holding a NIP-1 with texts at known places.
inline void saveNip1Account()
{
    RecordFileBuilder file(KindRejfor, 9);
    const Bytes rec = file.inUse(7, "007", 1);
    setStr(rec, nip::nip, "1234567890");
    setStr(rec, nip::tax_office, "URZADSKARBOWY");
    setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
    setStr(rec, nip::reg_addr / address_block::country, "POLSKA");
    file.save();
}
