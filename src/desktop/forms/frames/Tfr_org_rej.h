#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

class MaskedEdit;
class QLabel;
class QLineEdit;

// The record fields of a registration in a register.
struct RegistrationFields {
    Field organName;
    Field registerName;
    Field date;
    Field number;
};

// The registration organ, the register and the entry in it.
class Tfr_org_rej : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_org_rej(QWidget* parent);

    QLineEdit* z_naz_org_rej;
    QLineEdit* z_nazrej;
    QLabel* e_drej;
    MaskedEdit* m_drej;
    QLineEdit* z_nrrej;

    BindingTable bindings(const RegistrationFields& fields) const;
};
