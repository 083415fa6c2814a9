#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/frames/PersonalDataGroup.h"
#include "desktop/forms/frames/PurposeAndOffice.h"

class MaskedEdit;
class Memo;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class RadioGroup;
class Tfr_adr;
class Tfr_dok_rach;
class Tfr_dzial;
class Tfr_nr_in_kr;
class Tfr_nrrach;
class Tfr_org_rej;
class Tfr_osw;
class Tfr_zal;

// The NIP-1 editor: the identification form of a natural person running a
// business, edited in the NIP record buffer and saved to the NIP record file.
// Page "A-B.1" is part A and the personal data, shared with NIP-3.
class Tpdlg_nip1 : public EditorDialog, public PurposeAndOffice, public PersonalDataGroup {
    Q_OBJECT
public:
    explicit Tpdlg_nip1(QWidget* parent = nullptr);

    // Page "B.2-B.3"
    Tfr_nr_in_kr* fr_nr_in_kr1;
    Tfr_adr* fr_adr_zameld;
    // Page "B.4-C.1"
    QCheckBox* chbox_kor_adzam;
    Tfr_adr* fr_adr1;
    QGroupBox* g_os_rach;
    Tfr_nrrach* fr_rach_os;
    QGroupBox* g_daty_dzial;
    RadioGroup* r_rodz_drozp;
    MaskedEdit* d_rozp;
    // Page "C.2-C.5"
    QGroupBox* g_dane_dzial;
    MaskedEdit* m_l_reg;
    Tfr_dzial* fr_dzial1;
    RadioGroup* r_stat_dzial;
    QGroupBox* g_rach_dz;
    QCheckBox* chbox_zw_pod;
    Tfr_nrrach* fr_nrrach1;
    Tfr_nrrach* fr_nrrach2;
    // Page "C.5-C.6"
    QGroupBox* g_nrrach_cd;
    Tfr_nrrach* fr_nrrach3;
    Tfr_nrrach* fr_nrrach4;
    QGroupBox* g_dok_rach;
    Tfr_dok_rach* fr_dok_rach1;
    // Page "C.6.3-C.7"
    QGroupBox* g_adr_dok_rach;
    Tfr_adr* fr_adr_dok_rach;
    QGroupBox* g_drej;
    Tfr_org_rej* fr_org_rej1;
    QLineEdit* z_nazpel;
    QLineEdit* z_nazskr;
    // Page "C.8-C.9"
    QCheckBox* chbox_kor_siedz;
    Tfr_adr* fr_adr_siedz;
    RadioGroup* r_pow_zgl_adr1;
    Tfr_adr* fr_adr_dz1;
    // Page "C.9-E"
    RadioGroup* r_pow_zgl_adr2;
    Tfr_adr* fr_adr_dz2;
    QGroupBox* g_zal;
    Tfr_zal* fr_zal1;
    QGroupBox* g_osw;
    Tfr_osw* fr_osw1;

    // Field-level rules (part A's are inherited).
    void fr_adr_dz1Exit();
    void fr_adr_dz2Exit();

protected:
    void applyRules() override;

private:
    void buildPurposePage();
    void buildResidencePage();
    void buildActivityDatesPage();
    void buildBusinessPage();
    void buildAccountingPage();
    void buildRegistrationPage();
    void buildSeatPage();
    void buildClosingPage();
    BindingTable bindControls() const;
};
