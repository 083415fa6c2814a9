#pragma once
#include "desktop/forms/frames/OfficeChangeGroup.h"

#include <QString>

class MaskedEdit;
class QComboBox;
class QVBoxLayout;
class QWidget;
class RadioGroup;

// Part A of the forms of a natural person (NIP-1, NIP-3): the NIP, the
// form's purpose, the tax office addressed and whether the change moved the
// competent office, with the rules that show the dependent boxes. The forms
// word the office captions each their own way.
class PurposeAndOffice : public OfficeChangeGroup {
public:
    MaskedEdit* m_nip = nullptr;
    RadioGroup* r_przez_form = nullptr;
    QComboBox* c_urzsk = nullptr;

    // The office change matters to an update only: hidden for
    // "Zgłoszenie identyfikacyjne", shown otherwise (no purpose included).
    void r_przez_formClick();

protected:
    struct OfficeCaptions {
        QString office; // caption of c_urzsk
        OfficeChangeCaptions change;
    };
    // Makes part A at the end of `column` (a layout of `page`) and ties its
    // rules to its controls.
    void buildPurposeAndOffice(QWidget* page, QVBoxLayout* column, const OfficeCaptions& captions);
    // The NIP shown grouped for the form type, then `purpose` to `prev_tax_office`.
    BindingTable purposeAndOfficeBindings(int formType) const;
};
