#include "desktop/forms/frames/Tfr_nrrach.h"

#include "desktop/forms/controls/FormControls.h"
#include "core/records/bank_block.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

Tfr_nrrach::Tfr_nrrach(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_nrrach");
    c_naz_ban = newCombo(this, "c_naz_ban", storedLength(bank_block::bank_name));
    z_nrrach = newEdit(this, "z_nrrach", storedLength(bank_block::number));
    z_pos_rach = newEdit(this, "z_pos_rach", storedLength(bank_block::holder));
    chbox_lik_rach = newCheckBox(this, "chbox_lik_rach", "Likwidacja rachunku");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(2, 2, 2, 2);
    grid->setVerticalSpacing(1);
    e_naz_ban = newCaption(this, "Pełna nazwa banku (oddziału)", c_naz_ban, "e_naz_ban");
    placeBelowCaption(grid, 0, 0, e_naz_ban, c_naz_ban);
    placeBelowCaption(grid, 0, 1, newCaption(this, "Pełny nr rachunku", z_nrrach, "e_nrrach"), z_nrrach);
    placeBelowCaption(grid, 2, 0, newCaption(this, "Posiadacz rachunku", z_pos_rach, "e_pos_rach"), z_pos_rach);
    grid->addWidget(chbox_lik_rach, 3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    banks_.emplace(c_naz_ban, "slbank.", false);
}

BindingTable Tfr_nrrach::bindings(const Field& block) const
{
    namespace b = bank_block;
    return {
        {c_naz_ban, block / b::bank_name, Conv::Text},
        {z_nrrach, block / b::number, Conv::Text},
        {z_pos_rach, block / b::holder, Conv::Text},
        {chbox_lik_rach, block / b::closed, Conv::Flag},
    };
}

void Tfr_nrrach::FrameEnter() { banks_->load(); }

void Tfr_nrrach::FrameExit() { banks_->learn(); }
