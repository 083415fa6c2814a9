#include "desktop/app/command_families.h"

#include "desktop/app/form_commands.h"
#include "desktop/widgets/guarded_command.h"
#include "core/common/modal_result.h"
#include "desktop/widgets/modal_runner.h"
#include "core/common/polish_letters.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/editors/editor_factory.h"
#include "desktop/ledger/Tf_szuk_pod.h"
#include "core/ledger/ledger_access.h"
#include "desktop/print/Tf_wydr.h"
#include "core/records/ledger_record.h"
#include "core/records/nip_record.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "desktop/register/Tf_szuk_nip.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"

#include <memory>
#include <string>

namespace {

QString formName(const FormCommand& form) { return QString::fromUtf8(form.info().name); }

// "NIP-1    012 KOWALSKI JAN": the form's label, the account and a name.
QString editorCaption(const FormCommand& form, const std::string& account, const QString& tail)
{
    return formName(form) + "    " + fromRecordText(account) + " " + tail;
}

QString kindName(const FormCommand& form) { return QString::fromUtf8(form.info().kind().name.data()); }

void runEditor(const FormCommand& form, QWidget* owner, const std::string& account, const std::string& name,
               const QString& caption, int mode)
{
    std::unique_ptr<EditorDialog> editor = newEditor(form.form, owner);
    editor->prepare(account, name, caption.isEmpty() ? editor->windowTitle() : caption, mode);
    runModal(*editor);
}

void fromLedger(const FormCommand& form, QWidget* owner, QProgressBar* progress)
{
    Tf_szuk_pod search(progress, owner);
    search.setWindowTitle(QString::fromUtf8(form.searchTitle));
    if (runModal(search) != kModalOk)
        return;
    runGuarded([&] {
        LoadForAccount(form.info().recordKind, registerState().currentAccount, form.info().formType);
        ConstBytes taxpayer = currentTaxpayer();
        const std::string account = getStr(taxpayer, ledger::account_no);
        const std::string name = (LedgerText(getStr(taxpayer, ledger::surname)) + " " +
                                  LedgerText(getStr(taxpayer, ledger::first_name)))
                                     .substr(0, form.nameWidth);
        runEditor(form, owner, account, name, editorCaption(form, account, fromRecordText(name)),
                  EditorDialog::FromLedger);
    });
}

void newRecord(const FormCommand& form, QWidget* owner)
{
    Tf_nowy_nip choose(owner);
    choose.SetKind(kindName(form));
    if (form.newCaption)
        choose.setWindowTitle(QString::fromUtf8(form.newCaption));
    if (runModal(choose) != kModalOk)
        return;
    const std::string account = registerState().currentAccount;
    const QString caption =
        form.editorKeepsCaption ? QString() : editorCaption(form, account, QString::fromUtf8(form.newWords));
    runGuarded([&] { runEditor(form, owner, account, {}, caption, EditorDialog::NewRecord); });
}

// The record list of the form's stored records; true when one was chosen
// (it is then in the kind's buffer).
bool chooseStored(const FormCommand& form, const char* title, QWidget* owner, QProgressBar* progress)
{
    Tf_szuk_nip list(progress, owner);
    list.SetKind(kindName(form));
    list.setFormType(form.info().formType);
    list.setWindowTitle(QString::fromUtf8(title));
    return runModal(list) == kModalOk;
}

void update(const FormCommand& form, QWidget* owner, QProgressBar* progress)
{
    if (!chooseStored(form, form.updateTitle, owner, progress))
        return;
    const std::string account = registerState().currentAccount;
    const std::string name = form.updateName(recordBuffer(form.info().recordKind)).substr(0, form.nameWidth);
    const QString caption = form.editorKeepsCaption ? QString() : editorCaption(form, account, fromRecordText(name));
    runGuarded([&] { runEditor(form, owner, account, name, caption, EditorDialog::Update); });
}

void print(const FormCommand& form, QWidget* owner, QProgressBar* progress)
{
    if (!chooseStored(form, form.printTitle, owner, progress))
        return;
    ConstBytes record = recordBuffer(form.info().recordKind);
    Tf_wydr printing(owner);
    printing.form_kind = form.info().printKind;
    printing.prefixCaption(fromRecordText(getStr(record, nip::account_no)) + " " +
                           fromRecordText(form.printName(record)) + " ");
    runModal(printing);
}

} // namespace

void runFormCommand(Family family, const FormCommand& form, QWidget* owner, QProgressBar* progress)
{
    switch (family) {
    case Family::FromLedger:
        fromLedger(form, owner, progress);
        break;
    case Family::NewRecord:
        newRecord(form, owner);
        break;
    case Family::Update:
        update(form, owner, progress);
        break;
    case Family::Print:
        print(form, owner, progress);
        break;
    }
}
