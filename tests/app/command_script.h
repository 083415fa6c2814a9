#pragma once
// Plays the operator's part in every modal dialog a main-window command
// opens and records what opened, through the modal runner, so that no test
// waits on a real modal loop.
#include "desktop/app/Tf_rejfor_gl.h"
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/modal_result.h"
#include "desktop/widgets/modal_runner.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/print/Tf_wydr.h"
#include "desktop/register/ChoosingListDialog.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QStringList>

#include <functional>

class CommandScript {
public:
    CommandScript() { setModalRunner([this](QDialog& dialog) { return play(dialog); }); }
    ~CommandScript() { setModalRunner({}); }
    CommandScript(const CommandScript&) = delete;
    CommandScript& operator=(const CommandScript&) = delete;

    // "Class Caption" of each dialog as the operator first sees it (the
    // print dialog's once it has set its caption).
    QStringList opened;

    QString account;           // typed into the lists and the new-record dialog (there empty: the first free one)
    bool cancelChoice = false; // "&Anuluj" in the lists and the new-record dialog
    std::function<void(EditorDialog&)> editorAction;

    int editorMode = -1;
    FormKind printKind{};

    // "Tf_szuk_nip Wydruk zgłoszenia NIP-2 | Tf_wydr ...": what opened, in order.
    QString seen() const { return opened.join(" | "); }

private:
    int play(QDialog& dialog)
    {
        const QString className = dialog.metaObject()->className();
        opened << className + " " + dialog.windowTitle();
        if (auto* list = qobject_cast<ChoosingListDialog*>(&dialog)) {
            if (cancelChoice)
                return kModalCancel;
            list->FormActivate();
            list->m_kon->setText(account);
            list->kl_okClick();
            return list->result();
        }
        if (auto* choose = qobject_cast<Tf_nowy_nip*>(&dialog)) {
            if (cancelChoice)
                return kModalCancel;
            choose->FormActivate();
            if (account.isEmpty())
                choose->kl_wolneClick();
            else
                choose->m_kon->setText(account);
            choose->kl_okClick();
            return choose->result();
        }
        if (auto* editor = qobject_cast<EditorDialog*>(&dialog)) {
            editorMode = editor->mode();
            editor->activate();
            if (editorAction)
                editorAction(*editor);
            return editor->result();
        }
        if (auto* printing = qobject_cast<Tf_wydr*>(&dialog)) {
            printing->FormActivate();
            opened.back() = className + " " + printing->windowTitle();
            printKind = printing->form_kind;
            return kModalCancel;
        }
        return kModalCancel;
    }
};

// What a main-window test runs in: a fresh directory with the sample ledger,
// the main window over it and the script playing its dialogs. Made in the
// test's init() and dropped in its cleanup(), in that order.
struct MainWindowFixture {
    struct SampleLedger {
        SampleLedger() { WriteSampleData(".", 20, 0); }
    };
    UiTestEnvironment<> env;
    SampleLedger ledger;
    Tf_rejfor_gl window;
    CommandScript script;

    void run(const char* action) { window.findChild<QAction*>(action)->trigger(); }
};
