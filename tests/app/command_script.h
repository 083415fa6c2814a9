#pragma once
// Plays the operator's part in every modal dialog a main-window command opens and
// records what opened, through the modal runner: no test waits on a modal loop.
#include "core/common/modal_result.h"
#include "desktop/app/Tf_rejfor_gl.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/print/Tf_wydr.h"
#include "desktop/register/ChoosingListDialog.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/modal_runner.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QApplication>
#include <QtTest>

#include <functional>

struct CommandScript {
    CommandScript() { setModalRunner([this](QDialog& dialog) { return play(dialog); }); }
    ~CommandScript() { setModalRunner({}); }

    // "Class Caption" of each dialog as the operator first sees it (the
    // print dialog's once it has set its caption), in order.
    QStringList opened;
    QString account;           // typed into the lists and the new-record dialog (there empty: the first free one)
    bool cancelChoice = false; // "&Anuluj" in the lists and the new-record dialog
    std::function<void(EditorDialog&)> editorAction = [](EditorDialog&) {};

    // "Tf_szuk_nip Wydruk zgłoszenia NIP-2 | Tf_wydr ...".
    QString seen() const { return opened.join(" | "); }

    int play(QDialog& dialog)
    {
        opened << QString(dialog.metaObject()->className()) + " " + dialog.windowTitle();
        if (auto* list = qobject_cast<ChoosingListDialog*>(&dialog))
            return choose(*list);
        if (auto* newRecord = qobject_cast<Tf_nowy_nip*>(&dialog))
            return choose(*newRecord);
        if (auto* editor = qobject_cast<EditorDialog*>(&dialog)) {
            editor->activate();
            editorAction(*editor);
            return editor->result();
        }
        if (auto* printing = qobject_cast<Tf_wydr*>(&dialog)) {
            printing->FormActivate();
            opened.back() = "Tf_wydr " + printing->windowTitle();
        }
        return kModalCancel;
    }

    template <class Choosing> int choose(Choosing& dialog)
    {
        if (cancelChoice)
            return kModalCancel;
        dialog.FormActivate();
        if constexpr (std::is_same_v<Choosing, Tf_nowy_nip>)
            account.isEmpty() ? dialog.kl_wolneClick() : dialog.m_kon->setText(account);
        else
            dialog.m_kon->setText(account);
        dialog.kl_okClick();
        return dialog.result();
    }
};

// What a main-window test runs in: a fresh directory with the sample ledger, the
// main window over it, shown and active, and the script playing its dialogs.
struct MainWindowFixture {
    UiTestEnvironment<> env;
    bool sampleLedger = (WriteSampleData(".", 20, 0), true);
    Tf_rejfor_gl window;
    CommandScript script;

    MainWindowFixture()
    {
        window.show();
        QApplication::setActiveWindow(&window); // for the menus' keys
    }

    // Keys as the operator presses them, "Alt+1 N": each goes to the open
    // menu, if there is one, else to the window.
    void press(const QString& keys)
    {
        for (const QString& key : keys.split(' ')) {
            QWidget* menu = QApplication::activePopupWidget();
            QTest::keySequence(menu ? menu : &window, QKeySequence(key));
        }
    }
};
