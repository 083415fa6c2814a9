#include "desktop/forms/frames/Tfr_wyb_kr.h"

#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/FormControls.h"
#include "core/records/vat_records.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>

namespace {

const QStringList kMemberStates = {
    "Austria", "Belgia", "Cypr", "Czechy", "Dania", "Estonia", "Finlandia", "Francja", "Grecja",
    "Hiszpania", "Holandia", "Irlandia", "Litwa", "Luksemburg", "Łotwa", "Malta", "Niemcy",
    "Polska", "Portugalia", "Słowacja", "Słowenia", "Szwecja", "Węgry", "Wielka Brytania", "Włochy",
};

// The columns of a row and of the header over it.
constexpr int kNumberWidth = 28;
constexpr int kCountryWidth = 230;
constexpr int kDateWidth = 112;
constexpr int kSpacing = 6;

QHBoxLayout* newLine(QWidget* w)
{
    auto* line = new QHBoxLayout(w);
    line->setContentsMargins(0, 0, 0, 0);
    line->setSpacing(kSpacing);
    return line;
}

} // namespace

Tfr_wyb_kr::Tfr_wyb_kr(QWidget* parent, int row) : EntryFrame(parent)
{
    setObjectName(QString("fr_wyb_kr%1").arg(row));
    e_lp = new QLabel(QString("%1.").arg(row), this);
    e_lp->setObjectName("e_lp");
    e_lp->setFixedWidth(kNumberWidth);
    e_lp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    c_kraj = newCombo(this, "c_kraj", storedLength(country_entry::country), kMemberStates);
    c_kraj->setFixedWidth(kCountryWidth);
    dt_pld = new DatePicker(this, "dt_pld");
    dt_dost = new DatePicker(this, "dt_dost");
    dt_zgl = new DatePicker(this, "dt_zgl");
    dt_dost_po_rez = new DatePicker(this, "dt_dost_po_rez");

    QHBoxLayout* line = newLine(this);
    line->addWidget(e_lp);
    line->addWidget(c_kraj);
    for (DatePicker* date : {dt_pld, dt_dost, dt_zgl, dt_dost_po_rez}) {
        date->setFixedWidth(kDateWidth);
        // A hidden date keeps its column, so the rows stay under the header.
        QSizePolicy keepsPlace = date->sizePolicy();
        keepsPlace.setRetainSizeWhenHidden(true);
        date->setSizePolicy(keepsPlace);
        line->addWidget(date);
    }
    line->addStretch(1);
}

bool Tfr_wyb_kr::inUse() const { return !c_kraj->currentText().isEmpty(); }

BindingTable Tfr_wyb_kr::bindings(const Field& entry, const std::function<bool()>& resigning) const
{
    namespace e = country_entry;
    // A date belongs to a named country and is stored for the purpose it
    // stands for; a named country shows all its dates, so that switching
    // the purpose shows the stored ones.
    const auto datesOf = [this, resigning](bool resignation) -> std::function<bool()> {
        return [this, resigning, resignation] { return inUse() && resigning() == resignation; };
    };
    const std::function<bool()> named = [this] { return inUse(); };
    return {
        {c_kraj, entry / e::country, Conv::Text},
        {dt_pld, entry / e::planned_first_supply, Conv::PickerDate, 1, datesOf(false), Otherwise::Zero, named},
        {dt_dost, entry / e::first_supply, Conv::PickerDate, 1, datesOf(true), Otherwise::Zero, named},
        {dt_zgl, entry / e::choice_notified, Conv::PickerDate, 1, datesOf(true), Otherwise::Zero, named},
        {dt_dost_po_rez, entry / e::planned_supply_after, Conv::PickerDate, 1, datesOf(true), Otherwise::Zero, named},
    };
}

void Tfr_wyb_kr::showDatesFor(bool resigning)
{
    dt_pld->setVisible(!resigning);
    for (DatePicker* date : {dt_dost, dt_zgl, dt_dost_po_rez})
        date->setVisible(resigning);
}

QWidget* Tfr_wyb_kr::newHeader(QWidget* parent)
{
    auto* header = new QWidget(parent);
    QHBoxLayout* line = newLine(header);
    const std::pair<const char*, int> columns[] = {
        {"Lp.", kNumberWidth},
        {"Nazwa państwa członkowskiego, którego dotyczy zawiadomienie", kCountryWidth},
        {"Planowana data  pierwszej dost.", kDateWidth},
        {"Data  pierwszej dostawy", kDateWidth},
        {"Data zgł. wyboru miejsca opod.", kDateWidth},
        {"Planowana data  pierwszej dost. po rezyg.", kDateWidth},
    };
    for (const auto& [caption, width] : columns) {
        auto* label = new QLabel(caption, header);
        label->setWordWrap(true);
        label->setFixedWidth(width);
        label->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
        line->addWidget(label);
    }
    line->addStretch(1);
    return header;
}
