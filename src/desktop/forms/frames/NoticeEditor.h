#pragma once
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/shell/EditorDialog.h"

class MaskedEdit;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class RadioGroup;
class Tfr_osw;

// What the VAT-21 and VAT-Z editors share: page "A-B.2" with the NIP, the
// tax office the notice goes to and who the taxpayer is, the address below
// them under a caption that follows the taxpayer's kind, and the declarant.
// The two forms keep these at the same places of their records.
class NoticeEditor : public EditorDialog {
    Q_OBJECT
public:
    // Page "A-B.2"
    MaskedEdit* m_nip;
    QComboBox* c_urzsk;
    QGroupBox* g_ident;
    QLabel* e_nazwisko;
    QLineEdit* z_nazwisko;
    QLabel* e_dur;
    MaskedEdit* m_dur;
    RadioGroup* r_rodzpod;
    // The declarant, on the form's last page.
    QGroupBox* g_osw;
    Tfr_osw* fr_osw1;

    void r_rodzpodClick();

protected:
    NoticeEditor(QWidget* parent, Form form, const char* pagesName, const QString& caption);

    // Page "A-B.2", which the form completes with its address.
    QWidget* identificationPage() const { return identification_; }
    // The group box around the address, whose caption names the seat or
    // the residence.
    void setAddressBox(QGroupBox* box) { addressBox_ = box; }
    // The declarant's group, placed on `page` under `caption`.
    void addDeclarant(QWidget* page, const QString& caption);
    // The NIP to the birth date: the head both records share.
    BindingTable headBindings() const;

    void setDefaults() override;
    void applyRules() override;

private:
    bool isPerson() const;

    QWidget* identification_;
    QGroupBox* addressBox_ = nullptr;
};
