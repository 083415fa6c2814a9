#include "desktop/forms/frames/PurposeAndOffice.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "core/records/nip_record.h"

#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {
constexpr int kIdentification = 0; // r_przez_form: "Zgłoszenie identyfikacyjne"
constexpr int kUpdate = 1;         // "Zgłoszenie aktualizacyjne", the default
} // namespace

void PurposeAndOffice::buildPurposeAndOffice(QWidget* page, QVBoxLayout* column, const OfficeCaptions& captions)
{
    auto* top = new QGridLayout;
    m_nip = newMasked(page, "m_nip", "#############;1;_");
    r_przez_form = newRadioGroup(page, "r_przez_form", "Przeznaczenie formularza",
                                 {"Zgłoszenie identyfikacyjne", "Zgłoszenie aktualizacyjne"}, 2, kUpdate);
    c_urzsk = newCombo(page, "c_urzsk", 60);
    placeBelowCaption(top, 0, 0, newCaption(page, "&NIP", m_nip), m_nip);
    top->addWidget(r_przez_form, 0, 1, 2, 1);
    placeBelowCaption(top, 2, 0, newCaption(page, captions.office, c_urzsk), c_urzsk, 2);
    top->setColumnStretch(1, 1);
    column->addLayout(top);

    column->addWidget(buildOfficeChange(page, captions.change));

    QObject::connect(r_przez_form, &RadioGroup::itemIndexChanged, r_przez_form, [this] { r_przez_formClick(); });
}

BindingTable PurposeAndOffice::purposeAndOfficeBindings(int formType) const
{
    using namespace nip;
    BindingTable bindings = {
        {m_nip, nip::nip, Conv::Nip, formType},
        {r_przez_form, purpose, Conv::Choice},
        {c_urzsk, tax_office, Conv::Text},
    };
    return bindings += officeChangeBindings(office_changed, prev_tax_office);
}

void PurposeAndOffice::r_przez_formClick() { g_zm_us->setVisible(r_przez_form->itemIndex() != kIdentification); }
