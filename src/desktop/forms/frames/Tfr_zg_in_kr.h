#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/frames/EntryFrame.h"

class QLineEdit;
class RadioGroup;

// The record fields of one identification number obtained abroad.
struct ForeignIdFields {
    Field country;
    Field purpose;
    Field number;
};

// One identification number obtained abroad. A row left with neither country
// nor number has no purpose either.
class Tfr_zg_in_kr : public EntryFrame {
    Q_OBJECT
public:
    explicit Tfr_zg_in_kr(QWidget* parent);

    QLineEdit* z_in_kr;
    RadioGroup* r_in_kr_c;
    QLineEdit* z_in_kr_nr;

    BindingTable bindings(const ForeignIdFields& row) const;

protected:
    void FrameExit() override;
};
