#pragma once
// What the editor tests share: record files and buffers, editors opened as the active window,
// controls found by name, and the fixture giving each test a fresh directory.
#include "core/common/app_state.h"
#include "core/common/clock.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "core/register/register_state.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/editors/editor_factory.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/widgets/FocusMoves.h"
#include "desktop/widgets/MaskedEdit.h"
#include "support/ui_test_environment.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>

using Record = std::vector<unsigned char>;

// The account the editor tests open, and its index in the record file.
constexpr int kAccount = 4;
inline const std::string kAccountText = "004";

inline std::string recordFileName(Form form) { return dataFileName(std::string(formInfo(form).kind().baseName)); }
inline Bytes bufferOf(Form form) { return recordBuffer(formInfo(form).recordKind); }
inline Record bufferRecord(Form form) { return {bufferOf(form).begin(), bufferOf(form).end()}; }

// A record of the form, every byte `pattern` (so that a stray write shows) or cleared; the test's
// account in either (the same field in every kind).
inline Record newRecord(Form form, std::optional<std::uint8_t> pattern = {})
{
    Record rec(formInfo(form).recordSize(), pattern.value_or(0));
    if (!pattern)
        ClearRecordBytes(rec);
    setStr(rec, vat_head::account_no, kAccountText);
    return rec;
}

// Records 0 to kAccount + 1 of the form's file, each `each` under its own account; `buffer` buffered.
inline void writeRecordFile(Form form, const Record& each, const Record& buffer)
{
    Record file;
    for (int n = 0; n <= kAccount + 1; ++n) {
        Record rec = each;
        setStr(rec, vat_head::account_no, std::to_string(n));
        file.insert(file.end(), rec.begin(), rec.end());
    }
    writeBytes(recordFileName(form), file);
    std::copy(buffer.begin(), buffer.end(), bufferOf(form).begin());
}
inline void writeRecordFile(Form form) { writeRecordFile(form, newRecord(form), newRecord(form)); }

inline Record storedRecord(Form form, int n = kAccount)
{
    const std::size_t size = formInfo(form).recordSize();
    const Record file = fileBytes(recordFileName(form));
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(n * size);
    return {at, at + static_cast<std::ptrdiff_t>(size)};
}

inline Record bytesAt(const Record& rec, std::uint32_t at, std::uint32_t width) { return {&rec[at], &rec[at] + width}; }

// The control at "frame/control" (or a bare name) below the editor.
template <class T = QWidget> T* control(QObject& editor, const QString& path)
{
    QObject* at = &editor;
    for (const QString& name : path.split('/'))
        at = at ? at->findChild<QObject*>(name) : nullptr;
    return qobject_cast<T*>(at);
}

// Moves the focus as the operator would; deferred reactions (a refused field taking it back) run.
inline void moveFocus(QWidget* to)
{
    to->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

inline void focusOn(QWidget* control)
{
    showPageOf(control);
    moveFocus(control);
}

// Shows the window and waits until it is active, so that focus changes are reported.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The editor prepared for the test's account in `mode`, shown as the active window.
template <class Editor> std::unique_ptr<Editor> activated(std::unique_ptr<Editor> d, int mode)
{
    d->prepare(kAccountText, "", "", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}
template <class Editor> std::unique_ptr<Editor> openEditor(int mode)
{
    return activated(std::make_unique<Editor>(), mode);
}
inline std::unique_ptr<EditorDialog> openEditor(Form form, int mode)
{
    return activated(newEditor(form, nullptr), mode);
}

// The editor saved with "&Zapisz"; the record as the file holds it.
inline Record savedRecord(EditorDialog& d)
{
    d.kl_okClick();
    QTest::qCompare(d.result(), int(QDialog::Accepted), "result", "Accepted", __FILE__, __LINE__);
    return storedRecord(d.form().form);
}

// Each test in a fresh directory with scripted message boxes, no office lines, today 7 December
// 2005 and every form's file of cleared records.
class EditorTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<UiTestEnvironment<>> env;
    virtual void writeFiles()
    {
        for (const FormInfo& f : forms())
            writeRecordFile(f.form);
    }

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        appState() = AppState{};
        setTodayProvider([] { return Date4{2005, 12, 7}; });
        writeFiles();
    }
    void cleanup()
    {
        setTodayProvider({});
        env.reset();
    }
};

template <class Test> int runTest(int argc, char** argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}
