#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

class QGroupBox;
class QLineEdit;
class RadioGroup;

// The record fields of the accounting documentation.
struct AccountingFields {
    Field kind;
    Field keeper;
    Field officeNip;
    Field officeName;
};

// The accounting documentation: its kind, who keeps it and, when an
// accounting office does, that office.
class Tfr_dok_rach : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_dok_rach(QWidget* parent);

    RadioGroup* r_rodz_dok;
    RadioGroup* r_prow_dok;
    QGroupBox* g_brach;
    QLineEdit* nr_nip_br;
    QLineEdit* z_nazwa_br;

    BindingTable bindings(const AccountingFields& fields) const;

    // The accounting-office rule: the office's boxes shown, and the empty
    // ones filled, only while "w biurze rachunkowym" is chosen.
    void r_prow_dokClick();
    // Shows the office's boxes exactly when "w biurze rachunkowym" is chosen.
    void showOfficeBox();

protected:
    void FrameEnter() override;
};

// The documentation's kind and keeper groups and the accounting office's
// group of two boxes, with the frame's captions, items and defaults, for an
// editor that lays them out on its own pages.
RadioGroup* newAccountingKindGroup(QWidget* parent);
RadioGroup* newAccountingKeeperGroup(QWidget* parent);
QGroupBox* newAccountingOfficeGroup(QWidget* parent, const QString& caption, QLineEdit*& officeNip,
                                    QLineEdit*& officeName);

// The accounting-office rule over any office group: for keeper option 0
// ("w biurze rachunkowym") the group is shown and its empty boxes get this
// office's own NIP and name; otherwise the group is hidden, keeping its text.
void ApplyAccountingOfficeRule(int keeperIndex, QWidget* officeGroup, QLineEdit* officeNip, QLineEdit* officeName);
