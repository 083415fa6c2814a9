#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/frames/OfficeChangeGroup.h"

class MaskedEdit;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class RadioGroup;
class Tfr_adr;
class Tfr_dzial;
class Tfr_nr_in_kr;
class Tfr_nrrach;
class Tfr_org_rej;
class Tfr_osw;
class Tfr_wsp;
class Tfr_zal;
class Tfr_zg_in_kr;
class TriStateBox;

// The NIP-2 editor: the identification form of a legal person, a unit
// without legal personality or a tax group, with up to six partners or
// member companies, edited in the NIP record buffer and saved to the NIP
// record file.
class Tpdlg_nip2 : public EditorDialog, public OfficeChangeGroup {
    Q_OBJECT
public:
    explicit Tpdlg_nip2(QWidget* parent = nullptr);

    // Page "A-B.2"
    MaskedEdit* m_nip;
    QGroupBox* g_przez_for;
    QRadioButton* rb_ident;
    QRadioButton* rb_akt;
    QRadioButton* rb_akt_nip;
    QComboBox* c_urzsk;
    QGroupBox* g_d_pers;
    QLineEdit* z_nazpel;
    QLineEdit* z_nazskr;
    MaskedEdit* m_l_reg;
    QLabel* e_org_rej;
    Tfr_org_rej* fr_org_rej1;
    // Page "B.3-B.5"
    Tfr_adr* fr_adr_sie;
    QGroupBox* g_ddzial;
    RadioGroup* r_rodz_drozp;
    MaskedEdit* d_rozp;
    QGroupBox* g_forma;
    RadioGroup* r_for_org;
    RadioGroup* r_for_pr;
    QLineEdit* z_kod_fpr;
    // Page "B.6-B.8"
    QGroupBox* g_inf_uzup;
    TriStateBox* chbox_bil;
    TriStateBox* chbox_bank;
    TriStateBox* chbox_zagr_drw;
    TriStateBox* chbox_zpch;
    TriStateBox* chbox_kapzagr;
    TriStateBox* chbox_sp_skar;
    TriStateBox* chbox_sp_prh;
    TriStateBox* chbox_zaktz;
    Tfr_nr_in_kr* fr_nr_in_kr; // the B.7 group with its two rows
    Tfr_zg_in_kr* fr_zg_in_kr1;
    Tfr_zg_in_kr* fr_zg_in_kr2;
    QGroupBox* g_rodz_dz;
    Tfr_dzial* fr_dzial2;
    // Page "B.9-B.10"
    QGroupBox* g_rach_dz;
    QCheckBox* chbox_zw_pod;
    Tfr_nrrach* fr_nrrach1;
    Tfr_nrrach* fr_nrrach2;
    Tfr_nrrach* fr_nrrach3;
    QGroupBox* g_dok_rach1;
    RadioGroup* r_rodz_dok;
    RadioGroup* r_prow_dok;
    // Page "B.10.1-B.10.2"
    QGroupBox* g_brach;
    QLineEdit* nr_nip_br;
    QLineEdit* z_nazwa_br;
    Tfr_adr* fr_adr1;
    // Pages "B.11" and "B.11cd-C": the places of business
    Tfr_adr* fr_adr_dz1;
    RadioGroup* r_pow_zgl_adr1;
    Tfr_adr* fr_adr_dz2;
    RadioGroup* r_pow_zgl_adr2;
    Tfr_adr* fr_adr_dz3;
    RadioGroup* r_pow_zgl_adr3;
    QGroupBox* g_jedn_mac;
    QLineEdit* nazp_mac;
    QLineEdit* nazskr_mac;
    MaskedEdit* m_nip_mac;
    MaskedEdit* m_reg_mac;
    QLabel* e_org_rej_mac;
    Tfr_org_rej* fr_org_rej2;
    // Page "C.3-E"
    Tfr_adr* fr_adr_siedz;
    QGroupBox* g_zal;
    Tfr_zal* fr_zal1;
    QGroupBox* g_osw;
    Tfr_osw* fr_osw1;
    // Pages "WSP.1" to "WSP.6": the frame named "fr_wsp" + k.
    Tfr_wsp* partnerFrame(int k) const;

    // Field-level rules.
    void rb_identClick();
    void r_for_orgClick();
    void r_prow_dokClick();
    void fr_adr_dzExit(Tfr_adr* site, RadioGroup* reason);

protected:
    void applyRules() override;
    void storeExtras(Bytes record) override;

private:
    void buildPurposePage();
    void buildSeatPage();
    void buildSupplementPage();
    void buildAccountsPage();
    void buildOfficePage();
    void buildSitesPage();
    void buildParentPage();
    void buildClosingPage();
    void buildPartnerPages();
    // Place of business k with its reason below it; no heading when empty.
    Tfr_adr* newSite(QWidget* page, int k, const QString& heading, RadioGroup*& reason);
    BindingTable bindControls() const;

    QButtonGroup* purpose_;
};
