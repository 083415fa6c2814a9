#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"
#include "desktop/forms/frames/PersonalDataGroup.h"
#include "desktop/forms/frames/PurposeAndOffice.h"

class DatePicker;
class MaskedEdit;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class Tfr_adr;
class Tfr_nr_in_kr;
class Tfr_nrrach;
class Tfr_osw;
class UpDown;

// The NIP-3 editor: the identification form of a natural person who runs
// no business, edited in the NIP record buffer and saved to the NIP record
// file. Its first page is NIP-1's part A and personal data.
class Tpdlg_nip3 : public EditorDialog, public PurposeAndOffice, public PersonalDataGroup {
    Q_OBJECT
public:
    explicit Tpdlg_nip3(QWidget* parent = nullptr);

    // Page "B.2-B.4"
    QGroupBox* G_B2;
    QLineEdit* z_infzm1;
    MaskedEdit* m_dzm1;
    QLineEdit* z_infzm2;
    MaskedEdit* m_dzm2;
    Tfr_nr_in_kr* fr_nr_in_kr1;
    Tfr_adr* fr_adr_zameld;
    DatePicker* dt_zameld;
    // Page "B.5-C"
    QCheckBox* chbox_kor_adzam;
    Tfr_adr* fr_adr1;
    DatePicker* dt_zamiesz;
    QGroupBox* g_os_rach;
    Tfr_nrrach* fr_rach_os;
    QGroupBox* g_inf_dodat;
    MaskedEdit* m_zal_a;
    UpDown* ud_zal_a;
    MaskedEdit* d_zak;
    // Page "C.2-C.5"
    QGroupBox* G_skl;
    Tfr_osw* fr_osw1;
    QGroupBox* g_brach;
    QLineEdit* nr_nip_br;
    QLineEdit* z_nazwa_br;

protected:
    void setDefaults() override;
    void applyRules() override;
    void storeExtras(Bytes record) override;

private:
    void buildPurposePage();
    void buildChangesPage();
    void buildResidencePage();
    void buildDeclarantPage();
    BindingTable bindControls() const;
};
