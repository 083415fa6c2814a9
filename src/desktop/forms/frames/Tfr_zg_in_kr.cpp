#include "desktop/forms/frames/Tfr_zg_in_kr.h"

#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

Tfr_zg_in_kr::Tfr_zg_in_kr(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_zg_in_kr");
    z_in_kr = newEdit(this, "z_in_kr", 20);
    r_in_kr_c = newRadioGroup(this, "r_in_kr_c", "Cel", {"Podatkowy", "Ubezpieczeniowy"}, 2);
    z_in_kr_nr = newEdit(this, "z_in_kr_nr", 20);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 0, 2, 0);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, newCaption(this, "Kraj", z_in_kr, "e_in_kr"), z_in_kr);
    grid->addWidget(r_in_kr_c, 0, 1, 2, 1);
    placeBelowCaption(grid, 0, 2, newCaption(this, "Numer", z_in_kr_nr, "e_in_kr_nr"), z_in_kr_nr);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
}

BindingTable Tfr_zg_in_kr::bindings(const ForeignIdFields& row) const
{
    return {
        {z_in_kr, row.country, Conv::Text},
        {r_in_kr_c, row.purpose, Conv::Choice},
        {z_in_kr_nr, row.number, Conv::Text},
    };
}

void Tfr_zg_in_kr::FrameExit()
{
    if (z_in_kr->text().isEmpty() && z_in_kr_nr->text().isEmpty())
        r_in_kr_c->setItemIndex(-1);
}
