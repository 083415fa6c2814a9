#pragma once
#include "common/data_files.h"
#include "common/file_io.h"
#include "records/nip_record.h"
#include "register/record_kind.h"
#include "register/register_state.h"
#include "support/temp_dir.h"

#include <QApplication>
#include <QWidget>
#include <QtTest>

#include <vector>

// The NIP record file with `records` cleared records, and a cleared buffer.
inline void makeNipFile(int records)
{
    std::vector<unsigned char> bytes(static_cast<std::size_t>(records) * nip::kRecordSize);
    for (int n = 0; n < records; ++n)
        nip::ClearNipRecord(Bytes(bytes).subspan(static_cast<std::size_t>(n) * nip::kRecordSize, nip::kRecordSize));
    writeBytes(dataFileName("REJFOR."), bytes);
    nip::ClearNipRecord(recordBuffer(KindRejfor));
}

inline std::vector<unsigned char> storedNipRecord(int n)
{
    const std::vector<unsigned char> file = fileBytes(dataFileName("REJFOR."));
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(n) * nip::kRecordSize;
    return {at, at + nip::kRecordSize};
}

// Moves the input focus as the operator would, and lets the deferred
// reactions (a refused field taking the focus back) run.
inline void moveFocus(QWidget* to)
{
    to->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// Shows the widget's window and waits until it is the active one, so that
// focus changes are reported.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
