#include "desktop/forms/frames/Tfr_org_rej.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "core/records/nip_record.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

Tfr_org_rej::Tfr_org_rej(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_org_rej");
    z_naz_org_rej = newEdit(this, "z_naz_org_rej", storedLength(nip::reg_organ_name));
    z_nazrej = newEdit(this, "z_nazrej", storedLength(nip::register_name));
    m_drej = newDateField(this, "m_drej");
    z_nrrej = newEdit(this, "z_nrrej", storedLength(nip::register_no));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, newCaption(this, "Nazwa organu rejestrowego", z_naz_org_rej, "e_naz_org_rej"),
                      z_naz_org_rej, 2);
    placeBelowCaption(grid, 2, 0, newCaption(this, "Nazwa rejestru", z_nazrej, "e_nazrej"), z_nazrej, 2);
    e_drej = newCaption(this, "&Data rejestracji (dz-mc-rok)", m_drej, "e_drej");
    placeBelowCaption(grid, 4, 0, e_drej, m_drej);
    placeBelowCaption(grid, 4, 1, newCaption(this, "Nr w rejestrze", z_nrrej, "e_nrrej"), z_nrrej);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
}

BindingTable Tfr_org_rej::bindings(const RegistrationFields& fields) const
{
    return {
        {z_naz_org_rej, fields.organName, Conv::Text},
        {z_nazrej, fields.registerName, Conv::Text},
        {m_drej, fields.date, Conv::Date},
        {z_nrrej, fields.number, Conv::Text},
    };
}
