#include "core/ledger/taxpayer_list.h"

#include "core/common/cp1250.h"
#include "core/common/polish_letters.h"
#include "core/ledger/ledger_access.h"
#include "core/records/ledger_record.h"

std::vector<std::string> TaxpayerListHeader() { return {"Konto", cp1250::fromUtf8("Nazwisko i imię"), "NIP"}; }

std::vector<std::string> TaxpayerListRow(ConstBytes record)
{
    // The names are shown, sorted and searched as the operator types them,
    // so they leave the ledger's code page.
    return {getStr(record, ledger::account_no),
            LedgerText(getStr(record, ledger::surname)) + " " + LedgerText(getStr(record, ledger::first_name)),
            getStr(record, ledger::nip)};
}

void LoadTaxpayerList(RowTable& table, ListProgress& progress)
{
    table.rows.assign(1, TaxpayerListHeader());
    table.selectedRow = -1;
    progress.start(OpenLedger().recordCount(), 1);
    ScanLedger([&](std::uint64_t n, ConstBytes record) {
        progress.moveTo(1 + n);
        table.rows.push_back(TaxpayerListRow(record));
    });
}
