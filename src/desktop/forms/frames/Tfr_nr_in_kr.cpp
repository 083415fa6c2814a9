#include "desktop/forms/frames/Tfr_nr_in_kr.h"

#include "desktop/forms/controls/FormControls.h"

#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

Tfr_nr_in_kr::Tfr_nr_in_kr(QWidget* parent) : QFrame(parent)
{
    setObjectName("fr_nr_in_kr");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    g_nrinnek = newGroup(this, "g_nrinnek", "B.2. INFORMACJA O NUMERACH IDENTYFIKACYJNYCH UZYSKANYCH W INNYCH KRAJACH");
    outer->addWidget(g_nrinnek);

    auto* column = new QVBoxLayout(g_nrinnek);
    e_kom = new QLabel("Należy wypełnić tylko wówczas, gdy składający uzyskał numery służące identyfikacji dla "
                       "celów podatkowych lub ubezp. w innych krajach",
                       g_nrinnek);
    e_kom->setObjectName("e_kom");
    e_kom->setWordWrap(true);
    column->addWidget(e_kom);
    fr_zg_in_kr1 = newFrame<Tfr_zg_in_kr>(g_nrinnek, "fr_zg_in_kr1");
    column->addWidget(fr_zg_in_kr1);
    fr_zg_in_kr2 = newFrame<Tfr_zg_in_kr>(g_nrinnek, "fr_zg_in_kr2");
    column->addWidget(fr_zg_in_kr2);
}

BindingTable Tfr_nr_in_kr::bindings(const ForeignIdFields& row1, const ForeignIdFields& row2) const
{
    BindingTable table = fr_zg_in_kr1->bindings(row1);
    table += fr_zg_in_kr2->bindings(row2);
    return table;
}
