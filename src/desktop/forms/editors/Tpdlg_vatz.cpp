#include "desktop/forms/editors/Tpdlg_vatz.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/clock.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/PeriodBox.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/TFr_adr1.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/controls/UpDown.h"
#include "core/records/vat_records.h"
#include "core/register/register_state.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// The years the up-down offers.
constexpr int kFirstYear = 1990;
constexpr int kLastYear = 2100;
constexpr int kPeriods = 12;

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

} // namespace

Tpdlg_vatz::Tpdlg_vatz(QWidget* parent)
    : NoticeEditor(parent, Form::VatZ, "pcnt_vatz",
                   "VAT-Z ZGŁOSZENIE O ZAPRZESTANIU WYKONYWANIA CZYNNOŚCI PODLEGAJĄCYCH  OPODATKOWANIU")
{
    setObjectName("pdlg_vatz");
    QWidget* identification = identificationPage();
    Fr_adr_s = newFrame<TFr_adr1>(identification, "Fr_adr_s");
    columnOf(identification)->addWidget(Fr_adr_s);
    columnOf(identification)->addStretch(1);
    setAddressBox(Fr_adr_s->g_adr);

    QWidget* page = addPage("C-D");
    g_zap = newGroup(page, "g_zap",
                     "C. ZGŁOSZENIE O ZAPRZESTANIU WYKONYWANIA CZYNNOŚCI PODLEGAJĄCYCH OPODATKOWANIU VAT");
    dt_zap = new DatePicker(g_zap, "dt_zap");
    r_przycz = newRadioGroup(g_zap, "r_przycz", "Przyczyna zaprzestania wykonywania czynności",
                             {"1. likwidacja", "2. upadłość", "3. śmierć podatnika", "4. inna"}, 2, 0);
    c_us_ost = newCombo(g_zap, "c_us_ost", storedLength(vatz::last_decl_office));
    cb_dt_ost_m = newPeriodBox(g_zap, "cb_dt_ost_m", kPeriods, " - nie jest poprawnym numerem miesiąca lub kwartału");
    m_dt_ost_rok = newMasked(g_zap, "m_dt_ost_rok", "0000;1;_");
    ud_dt_ost_rok = new UpDown(kFirstYear, kLastYear, g_zap);
    ud_dt_ost_rok->setObjectName("ud_dt_ost_rok");
    ud_dt_ost_rok->associate(m_dt_ost_rok);
    ud_dt_ost_rok->setPosition(kFirstYear);

    auto* grid = new QGridLayout(g_zap);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, newCaption(g_zap, "&Data zaprzestania wykonywania czynności", dt_zap), dt_zap);
    grid->addWidget(r_przycz, 2, 0, 1, 2);
    placeBelowCaption(grid, 3, 0,
                      newCaption(g_zap, "&Urząd Skarbowy, w którym złożono ostatnią deklarację podatkową dla podatku VAT ",
                                 c_us_ost),
                      c_us_ost, 2);
    auto* period = new QHBoxLayout;
    period->addWidget(cb_dt_ost_m);
    period->addWidget(new QLabel("/", g_zap));
    period->addWidget(m_dt_ost_rok);
    period->addWidget(ud_dt_ost_rok);
    period->addStretch(1);
    grid->addWidget(newCaption(g_zap, "Kwartał, miesiąc/rok za który podatnik złożył ostatnią deklarację podatkową",
                               cb_dt_ost_m),
                    5, 0, 1, 2);
    grid->addLayout(period, 6, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    columnOf(page)->addWidget(g_zap);
    addDeclarant(page, "D. DANE OSOBY SKŁADAJĄCEJ ZGŁOSZENIE");
    columnOf(page)->addStretch(1);

    finishBuilding({bindControls(), m_nip, {c_urzsk, c_us_ost}, {}});
}

BindingTable Tpdlg_vatz::bindControls() const
{
    using namespace vatz;
    BindingTable bindings = headBindings();
    bindings += Fr_adr_s->bindings(addr, addr_email);
    bindings += BindingTable{
        {dt_zap, cessation_date, Conv::PickerDate},
        {r_przycz, cessation_reason, Conv::Index},
        {c_us_ost, last_decl_office, Conv::Text},
        {cb_dt_ost_m, last_decl_period, Conv::ComboChoice},
        {m_dt_ost_rok, last_decl_year, Conv::Year},
    };
    bindings += fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date});
    return bindings;
}

void Tpdlg_vatz::setDefaults()
{
    NoticeEditor::setDefaults();
    if (mode() == NewRecord)
        ud_dt_ost_rok->setPosition(today().year);
}

void Tpdlg_vatz::applyRules()
{
    NoticeEditor::applyRules();
    // A year before the up-down's first, stored so or shown so (the edit
    // keeps four digits of a longer number), is no year of a last
    // declaration: the up-down shows its first.
    if (form().loadsIn(mode()) &&
        (getI32(recordBuffer(form().recordKind), vatz::last_decl_year) < kFirstYear ||
         m_dt_ost_rok->text().trimmed().toInt() < kFirstYear))
        ud_dt_ost_rok->setPosition(kFirstYear);
}
