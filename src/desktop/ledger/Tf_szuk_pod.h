#pragma once
#include "desktop/register/ChoosingListDialog.h"

// The ledger taxpayer search: every taxpayer of the ledger's taxpayer file,
// from which the operator picks the one a form is started for. On kModalOk
// the current account holds the taxpayer's account and the current-taxpayer
// buffer its ledger record.
class Tf_szuk_pod : public ChoosingListDialog {
    Q_OBJECT
public:
    explicit Tf_szuk_pod(QProgressBar* progressBar = nullptr, QWidget* parent = nullptr);

protected:
    void loadList(RowTable& table, ListProgress& progress) override;
    bool checkChosenAccount() override;
    bool enterChecksBlankAccount() const override { return true; }
};
