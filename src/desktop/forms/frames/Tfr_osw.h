#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

class MaskedEdit;
class QLabel;
class QLineEdit;

// The record fields of the declarant.
struct DeclarantFields {
    Field firstName;
    Field surname;
    Field fillDate;
};

// The declarant: names and the date the form was filled in.
class Tfr_osw : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_osw(QWidget* parent);

    QLineEdit* z_osw_im;
    QLineEdit* z_osw_nazw;
    QLabel* e_dwyp;
    MaskedEdit* m_dwyp;

    BindingTable bindings(const DeclarantFields& fields) const;
};
