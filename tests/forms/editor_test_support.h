#pragma once
// What the editor tests share: a form's record file and buffer, its editor
// opened in a mode as the active window, a control focused on its page, and
// the fixture that gives each test a fresh directory.
#include "desktop/widgets/FocusMoves.h"
#include "core/common/app_state.h"
#include "core/common/clock.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "desktop/widgets/modal_runner.h"
#include "core/common/record_access.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/editors/editor_factory.h"
#include "desktop/print/Tf_wydr.h"
#include "core/records/cleared_record.h"
#include "core/records/vat_records.h"
#include "core/register/register_state.h"
#include "support/temp_dir.h"
#include "support/ui_test_environment.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using Record = std::vector<unsigned char>;

// The account the editor tests open, and its index in the record file.
constexpr int kAccount = 4;
inline const std::string kAccountText = "004";

inline std::string recordFileName(Form form) { return dataFileName(std::string(formInfo(form).kind().baseName)); }
inline Bytes bufferOf(Form form) { return recordBuffer(formInfo(form).recordKind); }

// A record of the form: every byte `pattern` (so that a stray write shows)
// or, with no pattern, a cleared one; the test's account in either (the
// account is the same field in every kind).
inline Record newRecord(Form form, std::optional<std::uint8_t> pattern = {})
{
    Record rec(formInfo(form).recordSize(), pattern.value_or(0));
    if (!pattern)
        ClearRecordBytes(rec);
    setStr(rec, vat_head::account_no, kAccountText);
    return rec;
}

// The form's record file: records 0 to kAccount + 1, each `each` under its
// own account; `buffer` in the record buffer.
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

// Moves the input focus as the operator would, and lets the deferred
// reactions (a refused field taking the focus back) run.
inline void moveFocus(QWidget* to)
{
    to->setFocus(Qt::TabFocusReason);
    QApplication::processEvents();
}

// Shows the page holding the control, then gives it the focus.
inline void focusOn(QWidget* control)
{
    showPageOf(control);
    moveFocus(control);
}

// Shows the widget's window and waits until it is the active one, so that
// focus changes are reported.
inline bool showActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

// The editor prepared for the test's account in `mode` and shown as the
// active window; a window that never became active fails the test.
template <class Editor> std::unique_ptr<Editor> activated(std::unique_ptr<Editor> d, int mode)
{
    d->prepare(kAccountText, "", "", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}
template <class Editor> std::unique_ptr<Editor> openEditor(int mode) { return activated(std::make_unique<Editor>(), mode); }
inline std::unique_ptr<EditorDialog> openEditor(Form form, int mode) { return activated(newEditor(form, nullptr), mode); }

// The print dialog's form kind that "Zapisz i &drukuj" opens, its dialog
// cancelled; 0 when none opened.
inline int printKindOpenedBy(EditorDialog& d)
{
    int printKind = 0;
    setModalRunner([&](QDialog& dialog) {
        if (auto* printing = qobject_cast<Tf_wydr*>(&dialog))
            printKind = static_cast<int>(printing->form_kind);
        return int(QDialog::Rejected);
    });
    d.kl_drukClick();
    setModalRunner({});
    return printKind;
}

// The named controls in tab order, each as "frame.control" when it lies in
// an entry frame; Qt's inner parts and the page control's tabs left out.
inline QStringList tabChain(QWidget& window)
{
    QStringList chain;
    for (QWidget* w = window.nextInFocusChain(); w != &window; w = w->nextInFocusChain()) {
        if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() || w->objectName().startsWith("qt_") ||
            qobject_cast<QTabWidget*>(w) || qobject_cast<QTabBar*>(w->parentWidget()))
            continue;
        QString name = w->objectName();
        for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (up->objectName().startsWith("fr_", Qt::CaseInsensitive))
                name = up->objectName() + "." + name;
        chain << name;
    }
    return chain;
}

// The fixture of an editor's tests: each test in a fresh directory with
// scripted message boxes, no office lines, today's date fixed and the form's
// file of cleared records.
class EditorTest : public QObject {
    Q_OBJECT
public:
    explicit EditorTest(Form form, Date4 today = {2005, 12, 7}) : form_(form), today_(today) {}

protected:
    std::unique_ptr<UiTestEnvironment<>> env;
    virtual void writeFiles() { writeRecordFile(form_); }

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        appState() = AppState{};
        setTodayProvider([today = today_] { return today; });
        writeFiles();
    }
    void cleanup()
    {
        setTodayProvider({});
        env.reset();
    }

private:
    Form form_;
    Date4 today_;
};
