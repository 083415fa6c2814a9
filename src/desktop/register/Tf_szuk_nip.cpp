#include "desktop/register/Tf_szuk_nip.h"

#include "desktop/widgets/record_text.h"
#include "desktop/widgets/ui_messages.h"
#include "core/register/record_kind.h"
#include "core/register/record_list.h"
#include "core/register/register_ops.h"

Tf_szuk_nip::Tf_szuk_nip(QProgressBar* progressBar, QWidget* parent)
    : ChoosingListDialog({"Wyszukiwanie podatnika do aktualizacji zgłoszenia NIP", "&Nazwa", "&Sort wg nazwy"},
                         progressBar, parent)
{
    setObjectName("f_szuk_nip");
}

void Tf_szuk_nip::SetKind(const QString& kindName) { kind_ = kindByName(toRecordText(kindName)).index; }

void Tf_szuk_nip::loadList(RowTable& table, ListProgress& progress)
{
    LoadRecordList(table, kind_, formType_, progress);
}

bool Tf_szuk_nip::checkChosenAccount() { return CheckStoredAccount(kind_, UiMessages::current()); }
