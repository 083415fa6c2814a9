#pragma once
#include "desktop/register/ChoosingListDialog.h"

#include <cstdint>

// The record search list: the stored records of one record file (for
// REJFOR, of one NIP form type), from which the operator picks the record
// to update or print. On kModalOk the current account holds the record's
// account and the kind's record buffer the record.
class Tf_szuk_nip : public ChoosingListDialog {
    Q_OBJECT
public:
    explicit Tf_szuk_nip(QProgressBar* progressBar = nullptr, QWidget* parent = nullptr);

    // The record kind by name ("REJFOR", "VATR", "VATZ", "VAT21", "NIPB";
    // any other name is REJFOR).
    void SetKind(const QString& kindName);
    // The NIP form type listed from REJFOR: 1, 2 or 3.
    void setFormType(std::uint8_t formType) { formType_ = formType; }

protected:
    void loadList(RowTable& table, ListProgress& progress) override;
    bool checkChosenAccount() override;
    bool enterChecksBlankAccount() const override { return false; }

private:
    int kind_ = 0;
    std::uint8_t formType_ = 1;
};
