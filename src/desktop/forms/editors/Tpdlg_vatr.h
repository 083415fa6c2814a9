#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/frames/OfficeChangeGroup.h"

class CheckList;
class DatePicker;
class MaskedEdit;
class Memo;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class RadioGroup;
class TFr_adr1;
class Tfr_osw;
class UpDown;

// The VAT-R editor: the VAT registration of a taxpayer with its attachment
// VAT-R/UE, edited in the VAT-R record buffer and saved to the VAT-R file.
class Tpdlg_vatr : public EditorDialog, public OfficeChangeGroup {
    Q_OBJECT
public:
    explicit Tpdlg_vatr(QWidget* parent = nullptr);

    // Page "A-B.1"
    MaskedEdit* m_nip;
    RadioGroup* r_przez_form;
    QComboBox* c_urzsk;
    Memo* m_uszagr;
    QGroupBox* g_ident;
    QLabel* e_pesel;
    MaskedEdit* m_pesel;
    QLabel* e_nazwisko;
    QLineEdit* z_nazwisko;
    QLabel* e_imojca;
    QLineEdit* z_imojca;
    QLabel* e_dur;
    MaskedEdit* m_dur;
    RadioGroup* r_rodzpod;
    // Page "B.2-B.3"
    TFr_adr1* Fr_adr_s;
    QGroupBox* g_da_dodat;
    QLineEdit* z_nipzagr;
    // Page "C.1"
    QGroupBox* g_obow_pod;
    CheckList* ch_obow_pod;
    DatePicker* dt_obow;
    QGroupBox* G_30;
    QRadioButton* rb_kas1;
    QRadioButton* rb_kas2;
    QRadioButton* rb_kas3;
    QRadioButton* rb_kas0;
    QComboBox* cb_dt2_m;
    MaskedEdit* m_dt2_rok;
    UpDown* ud_dt2_rok;
    QGroupBox* g_32;
    QRadioButton* rb_kw1;
    QRadioButton* rb_kw2;
    QRadioButton* rb_kw3;
    QRadioButton* rb_kw0;
    QComboBox* cb_dt3_m;
    MaskedEdit* m_dt3_rok;
    UpDown* ud_dt3_rok;
    // Page "C.1 c.d.-D"
    QGroupBox* G_34;
    QRadioButton* rb_proc1;
    QRadioButton* RB_proc2;
    QRadioButton* rb_proc3;
    QRadioButton* rb_proc4;
    QRadioButton* rb_proc0;
    QComboBox* cb_dt4_m;
    MaskedEdit* m_dt4_rok;
    UpDown* ud_dt4_rok;
    QGroupBox* g_c2;
    QRadioButton* rb_dek1;
    QRadioButton* rb_dek2;
    QRadioButton* rb_dek3;
    QRadioButton* rb_dek4;
    QComboBox* cb_dt5_m;
    MaskedEdit* m_dt5_rok;
    UpDown* ud_dt5_rok;
    QGroupBox* g_c3;
    QCheckBox* ch_zalue;
    QGroupBox* g_d;
    Tfr_osw* fr_osw;
    QLineEdit* z_osw_tel;
    QLineEdit* z_email;
    // Page "VAT-R/UE"
    QWidget* ts_vatrue;
    QGroupBox* g_inf_tr;
    QGroupBox* g_rejvatue;
    QCheckBox* ch_wdt;
    QCheckBox* Ch_wnt;
    QCheckBox* ch_wnt1;
    QCheckBox* Ch_usl;
    DatePicker* dt_rozp;
    QGroupBox* g_zakvatue;
    QCheckBox* ch_rez_wdt;
    QCheckBox* ch_rez_wnt;
    QCheckBox* ch_rez_usl;
    QCheckBox* ch_rez;
    QLabel* e_dzak;
    DatePicker* dt_zak;
    QCheckBox* ch_kaucja;

    // Field-level rules.
    void r_przez_formClick();
    void r_rodzpodClick();
    void rb_kasClick();
    void rb_kwClick();
    void rb_procClick();
    void ch_zalueClick();
    void ch_rejvatueClick();

protected:
    void setDefaults() override;
    void applyRules() override;

private:
    void buildIdentificationPage();
    void buildAddressPage();
    void buildObligationPage();
    void buildDeclarationPage();
    void buildAttachmentPage();
    BindingTable bindControls() const;

    QButtonGroup* cashMethod_;
    QButtonGroup* quarterly_;
    QButtonGroup* specialProc_;
    QButtonGroup* firstDecl_;
    QWidget* cashPeriod_;
    QWidget* quarterlyPeriod_;
    QWidget* specialPeriod_;
};
