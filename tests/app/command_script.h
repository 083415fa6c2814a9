#pragma once
// Plays the operator's part in every modal dialog a main-window command
// opens and records what opened, through the modal runner, so that no test
// waits on a real modal loop.
#include "common/MaskedEdit.h"
#include "common/modal_result.h"
#include "common/modal_runner.h"
#include "forms/EditorDialog.h"
#include "print/Tf_wydr.h"
#include "register/ChoosingListDialog.h"
#include "register/Tf_nowy_nip.h"

#include <QStringList>

#include <functional>

class CommandScript {
public:
    CommandScript() { setModalRunner([this](QDialog& dialog) { return play(dialog); }); }
    ~CommandScript() { setModalRunner({}); }
    CommandScript(const CommandScript&) = delete;
    CommandScript& operator=(const CommandScript&) = delete;

    // Class and caption of each dialog as the operator first sees it (the
    // print dialog's once it has set its caption).
    QStringList opened;
    QStringList titles;

    QString chooseAccount;     // typed into the lists
    bool cancelChoice = false; // "&Anuluj" in the lists and the new-record dialog
    QString newAccount;        // typed into the new-record dialog; empty: the first free account
    std::function<void(EditorDialog&)> editorAction;

    int editorMode = -1;
    FormKind printKind{};

    // "Tf_szuk_nip Wydruk zgłoszenia NIP-2 | Tf_wydr ...": what opened, in order.
    QString seen() const
    {
        QStringList all;
        for (qsizetype i = 0; i < opened.size(); ++i)
            all << opened[i] + " " + titles[i];
        return all.join(" | ");
    }

private:
    int play(QDialog& dialog)
    {
        opened << dialog.metaObject()->className();
        titles << dialog.windowTitle();
        if (auto* list = qobject_cast<ChoosingListDialog*>(&dialog)) {
            if (cancelChoice)
                return kModalCancel;
            list->FormActivate();
            list->m_kon->setText(chooseAccount);
            list->kl_okClick();
            return list->result();
        }
        if (auto* choose = qobject_cast<Tf_nowy_nip*>(&dialog)) {
            if (cancelChoice)
                return kModalCancel;
            choose->FormActivate();
            if (newAccount.isEmpty())
                choose->kl_wolneClick();
            else
                choose->m_kon->setText(newAccount);
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
            titles.back() = printing->windowTitle();
            printKind = printing->form_kind;
            return kModalCancel;
        }
        return kModalCancel;
    }
};
