#include "desktop/forms/frames/Tfr_osw.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "core/records/nip_record.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

Tfr_osw::Tfr_osw(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_osw");
    z_osw_im = newEdit(this, "z_osw_im", storedLength(nip::declarant_first_name));
    z_osw_nazw = newEdit(this, "z_osw_nazw", storedLength(nip::declarant_surname));
    m_dwyp = newDateField(this, "m_dwyp");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, newCaption(this, "Imię", z_osw_im, "e_osw_im"), z_osw_im);
    placeBelowCaption(grid, 0, 1, newCaption(this, "&Nazwisko", z_osw_nazw, "e_osw_nazw"), z_osw_nazw);
    e_dwyp = newCaption(this, "Data w&ypełnienia zgłoszenia (dz-mc-rok)", m_dwyp, "e_dwyp");
    placeBelowCaption(grid, 0, 2, e_dwyp, m_dwyp);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setColumnStretch(2, 2);
}

BindingTable Tfr_osw::bindings(const DeclarantFields& fields) const
{
    return {
        {z_osw_im, fields.firstName, Conv::Text},
        {z_osw_nazw, fields.surname, Conv::Text},
        {m_dwyp, fields.fillDate, Conv::Date},
    };
}
