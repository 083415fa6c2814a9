#pragma once
#include "desktop/forms/frames/NoticeEditor.h"

class DatePicker;
class MaskedEdit;
class QComboBox;
class QGroupBox;
class RadioGroup;
class TFr_adr1;
class UpDown;

// The VAT-Z editor: the notice that a taxpayer ceases the activities
// subject to VAT, edited in the VAT-Z record buffer and saved to the VAT-Z
// file.
class Tpdlg_vatz : public NoticeEditor {
    Q_OBJECT
public:
    explicit Tpdlg_vatz(QWidget* parent = nullptr);

    // Page "A-B.2"
    TFr_adr1* Fr_adr_s;
    // Page "C-D"
    QGroupBox* g_zap;
    DatePicker* dt_zap;
    RadioGroup* r_przycz;
    QComboBox* c_us_ost;
    QComboBox* cb_dt_ost_m;
    MaskedEdit* m_dt_ost_rok;
    UpDown* ud_dt_ost_rok;

protected:
    void setDefaults() override;
    void applyRules() override;

private:
    BindingTable bindControls() const;
};
