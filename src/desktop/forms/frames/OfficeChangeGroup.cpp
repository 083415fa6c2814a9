#include "desktop/forms/frames/OfficeChangeGroup.h"

#include "desktop/forms/controls/FormControls.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace {
constexpr int kOfficeNotChanged = 0;
constexpr int kOfficeChanged = 1;
constexpr int kOfficeLength = 60;
} // namespace

QGroupBox* OfficeChangeGroup::buildOfficeChange(QWidget* page, const OfficeChangeCaptions& captions)
{
    g_zm_us = newGroup(page, "g_zm_us", "Wypełniać tylko w przypadku zgłoszenia aktualizacyjnego");
    rb_nie_us = new QRadioButton(captions.notChanged, g_zm_us);
    rb_nie_us->setObjectName("rb_nie_us");
    rb_us = new QRadioButton(captions.changed, g_zm_us);
    rb_us->setObjectName("rb_us");
    officeChange_ = new QButtonGroup(g_zm_us);
    officeChange_->addButton(rb_nie_us, kOfficeNotChanged);
    officeChange_->addButton(rb_us, kOfficeChanged);
    rb_nie_us->setChecked(true);
    c_pop_us = newCombo(g_zm_us, "c_pop_us", kOfficeLength);
    e_pop_us = newCaption(g_zm_us, captions.previous, c_pop_us, "e_pop_us");
    auto* change = new QGridLayout(g_zm_us);
    change->setVerticalSpacing(1);
    change->addWidget(rb_nie_us, 0, 0);
    change->addWidget(rb_us, 1, 0);
    placeBelowCaption(change, 0, 1, e_pop_us, c_pop_us);
    change->setColumnStretch(1, 1);
    QObject::connect(officeChange_, &QButtonGroup::idToggled, officeChange_, [this] { rb_usClick(); });
    return g_zm_us;
}

BindingTable OfficeChangeGroup::officeChangeBindings(const Field& changed, const Field& previous) const
{
    return {
        {officeChange_, changed, Conv::ButtonFlag},
        {c_pop_us, previous, Conv::Text},
    };
}

void OfficeChangeGroup::rb_usClick()
{
    const bool changed = rb_us->isChecked();
    c_pop_us->setVisible(changed);
    e_pop_us->setVisible(changed);
}
