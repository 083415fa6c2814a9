#include "desktop/ledger/Tf_szuk_pod.h"

#include "desktop/widgets/ui_messages.h"
#include "core/ledger/ledger_access.h"
#include "core/ledger/taxpayer_list.h"
#include "core/register/register_state.h"

Tf_szuk_pod::Tf_szuk_pod(QProgressBar* progressBar, QWidget* parent)
    : ChoosingListDialog({"Podatnik", "&Nazwisko", "&Sort wg nazwiska"}, progressBar, parent)
{
    setObjectName("f_szuk_pod");
}

void Tf_szuk_pod::loadList(RowTable& table, ListProgress& progress) { LoadTaxpayerList(table, progress); }

bool Tf_szuk_pod::checkChosenAccount()
{
    return LookupLedgerAccount(registerState().currentAccount, UiMessages::current());
}
