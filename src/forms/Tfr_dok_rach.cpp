#include "forms/Tfr_dok_rach.h"

#include "common/app_state.h"
#include "records/ledger_params.h"
#include "common/cp1250.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/FormControls.h"
#include "forms/RadioGroup.h"
#include "records/nip_record.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kInOffice = 0;
}

void ApplyAccountingOfficeRule(int keeperIndex, QWidget* officeGroup, QLineEdit* officeNip, QLineEdit* officeName)
{
    officeGroup->setVisible(keeperIndex == kInOffice);
    if (keeperIndex != kInOffice)
        return;
    const AppState& app = appState();
    if (officeNip->text().isEmpty())
        officeNip->setText(fromRecordText(getStr(app.ledgerParams, ledger_params::office_nip)));
    const bool haveName = !app.officeLines[0].empty() || !app.officeLines[1].empty();
    if (officeName->text().isEmpty() && haveName)
        officeName->setText(fromRecordText(cp1250::upper(app.officeLines[0] + " " + app.officeLines[1])));
}

Tfr_dok_rach::Tfr_dok_rach(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_dok_rach");
    r_rodz_dok = newRadioGroup(this, "r_rodz_dok", "Rodzaj prowadzonej dokumentacji rachunkowej",
                               {"Księgi rachunkowe", "Pod. Księga Przych. i Rozch.", "Inne ewidencje",
                                "Nie jest prowadzona"},
                               2, 1);
    r_prow_dok = newRadioGroup(this, "r_prow_dok", "Prowadzenie dokumentacji rachunkowej",
                               {"w biurze rachunkowym", "we własnym zakresie"}, 1, kInOffice);
    g_brach = newGroup(this, "g_brach",
                       "C.6.2. BIURO RACHUNKOWE (lub inny podmiot prowadzący dokumentację rachunkową składającego)");
    nr_nip_br = newEdit(g_brach, "nr_nip_br", storedLength(nip::office_nip));
    z_nazwa_br = newEdit(g_brach, "z_nazwa_br", storedLength(nip::office_name));

    auto* office = new QGridLayout(g_brach);
    office->setVerticalSpacing(1);
    placeBelowCaption(office, 0, 0, newCaption(g_brach, "Numer NIP", nr_nip_br, "e_nip_br"), nr_nip_br);
    placeBelowCaption(office, 0, 1, newCaption(g_brach, "Nazwa pełna lub nazwisko i imię", z_nazwa_br, "e_nazwa_br"),
                      z_nazwa_br);
    office->setColumnStretch(0, 1);
    office->setColumnStretch(1, 3);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* choices = new QHBoxLayout;
    choices->addWidget(r_rodz_dok, 3);
    choices->addWidget(r_prow_dok, 1);
    column->addLayout(choices);
    column->addWidget(g_brach);

    connect(r_prow_dok, &RadioGroup::itemClicked, this, &Tfr_dok_rach::r_prow_dokClick);
}

BindingTable Tfr_dok_rach::bindings(const AccountingFields& fields) const
{
    return {
        {r_rodz_dok, fields.kind, Conv::Choice},
        {r_prow_dok, fields.keeper, Conv::Choice},
        {nr_nip_br, fields.officeNip, Conv::Text},
        {z_nazwa_br, fields.officeName, Conv::Text},
    };
}

void Tfr_dok_rach::r_prow_dokClick()
{
    ApplyAccountingOfficeRule(r_prow_dok->itemIndex(), g_brach, nr_nip_br, z_nazwa_br);
}

void Tfr_dok_rach::showOfficeBox() { g_brach->setVisible(r_prow_dok->itemIndex() == kInOffice); }

void Tfr_dok_rach::FrameEnter() { r_prow_dokClick(); }
