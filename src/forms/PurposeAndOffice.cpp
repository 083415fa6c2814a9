#include "forms/PurposeAndOffice.h"

#include "common/MaskedEdit.h"
#include "forms/FormControls.h"
#include "forms/RadioGroup.h"
#include "records/nip_record.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
constexpr int kIdentification = 0; // r_przez_form: "Zgłoszenie identyfikacyjne"
constexpr int kUpdate = 1;         // "Zgłoszenie aktualizacyjne", the default
constexpr int kOfficeNotChanged = 0;
constexpr int kOfficeChanged = 1;
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

    g_zm_us = newGroup(page, "g_zm_us", "Wypełniać tylko w przypadku zgłoszenia aktualizacyjnego");
    rb_nie_us = new QRadioButton(captions.notChanged, g_zm_us);
    rb_nie_us->setObjectName("rb_nie_us");
    rb_us = new QRadioButton(captions.changed, g_zm_us);
    rb_us->setObjectName("rb_us");
    officeChange_ = new QButtonGroup(g_zm_us);
    officeChange_->addButton(rb_nie_us, kOfficeNotChanged);
    officeChange_->addButton(rb_us, kOfficeChanged);
    rb_nie_us->setChecked(true);
    c_pop_us = newCombo(g_zm_us, "c_pop_us", 60);
    e_pop_us = newCaption(g_zm_us, captions.previous, c_pop_us, "e_pop_us");
    auto* change = new QGridLayout(g_zm_us);
    change->setVerticalSpacing(1);
    change->addWidget(rb_nie_us, 0, 0);
    change->addWidget(rb_us, 1, 0);
    placeBelowCaption(change, 0, 1, e_pop_us, c_pop_us);
    change->setColumnStretch(1, 1);
    column->addWidget(g_zm_us);

    QObject::connect(r_przez_form, &RadioGroup::itemIndexChanged, r_przez_form, [this] { r_przez_formClick(); });
    QObject::connect(officeChange_, &QButtonGroup::idToggled, officeChange_, [this] { rb_usClick(); });
}

BindingTable PurposeAndOffice::purposeAndOfficeBindings(int formType) const
{
    using namespace nip;
    return {
        {m_nip, nip::nip, Conv::Nip, formType},
        {r_przez_form, purpose, Conv::Choice},
        {c_urzsk, tax_office, Conv::Text},
        {officeChange_, office_changed, Conv::ButtonFlag},
        {c_pop_us, prev_tax_office, Conv::Text},
    };
}

void PurposeAndOffice::r_przez_formClick() { g_zm_us->setVisible(r_przez_form->itemIndex() != kIdentification); }

void PurposeAndOffice::rb_usClick()
{
    const bool changed = rb_us->isChecked();
    c_pop_us->setVisible(changed);
    e_pop_us->setVisible(changed);
}
