#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"

class MaskedEdit;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class Tfr_nrrach;
class Tfr_osw;

// The NIP-B editor: a taxpayer's bank accounts, up to six, edited in the
// NIP-B record buffer and saved to the NIP-B record file.
class Tpdlg_nipb : public EditorDialog {
    Q_OBJECT
public:
    explicit Tpdlg_nipb(QWidget* parent = nullptr);

    // Page "A-B"
    MaskedEdit* m_nip;
    QGroupBox* g_a;
    QCheckBox* Ch_os;
    QLabel* e_nazwisko;
    QLineEdit* z_nazwisko;
    QLabel* e_imie;
    QLineEdit* z_imie;
    QLabel* e_dur;
    MaskedEdit* m_dur;
    QLabel* e_pesel;
    MaskedEdit* m_pesel;
    Tfr_nrrach* fr_nrrach1;
    Tfr_nrrach* fr_nrrach2;
    QGroupBox* g_c;
    Tfr_osw* fr_osw1;
    // Page "B cd"
    Tfr_nrrach* fr_nrrach3;
    Tfr_nrrach* fr_nrrach4;
    Tfr_nrrach* fr_nrrach5;
    Tfr_nrrach* fr_nrrach6;

    // Field-level rules.
    void Ch_osClick();
    void z_nazwiskoExit();
    void z_imieExit();
    void g_aExit();

protected:
    void setDefaults() override;
    void applyRules() override;
    void storeExtras(Bytes record) override;

private:
    void buildTaxpayerPage();
    void buildMoreAccountsPage();
    QWidget* buildNameLine(QWidget* parent);
    void placeNameBox(int left);
    BindingTable bindControls() const;

    QWidget* nameLine_;
};
