#include "desktop/forms/frames/TFr_adr1.h"

#include "desktop/forms/controls/FormControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>

TFr_adr1::TFr_adr1(QWidget* parent) : Tfr_adr(parent, "ADRES"), g_adr(box_)
{
    setObjectName("fr_adr1");
    g_adr->setObjectName("g_adr");
    z_email = newEdit(g_adr, "z_email", 30);
    placeBelowCaption(grid_, grid_->rowCount(), 0, newCaption(g_adr, "A&dres e-mail", z_email), z_email, 2);
}

BindingTable TFr_adr1::bindings(const Field& block, const Field& email) const
{
    BindingTable table = Tfr_adr::bindings(block);
    table.push_back({z_email, email, Conv::Text});
    return table;
}
