#include "desktop/forms/frames/Tfr_dok_rach.h"

#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "core/common/cp1250.h"
#include "core/common/record_access.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "core/records/nip_record.h"

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

RadioGroup* newAccountingKindGroup(QWidget* parent)
{
    return newRadioGroup(parent, "r_rodz_dok", "Rodzaj prowadzonej dokumentacji rachunkowej",
                         {"Księgi rachunkowe", "Pod. Księga Przych. i Rozch.", "Inne ewidencje", "Nie jest prowadzona"},
                         2, 1);
}

RadioGroup* newAccountingKeeperGroup(QWidget* parent)
{
    return newRadioGroup(parent, "r_prow_dok", "Prowadzenie dokumentacji rachunkowej",
                         {"w biurze rachunkowym", "we własnym zakresie"}, 1, kInOffice);
}

QGroupBox* newAccountingOfficeGroup(QWidget* parent, const QString& caption, QLineEdit*& officeNip,
                                    QLineEdit*& officeName)
{
    QGroupBox* g = newGroup(parent, "g_brach", caption);
    officeNip = newEdit(g, "nr_nip_br", storedLength(nip::office_nip));
    officeName = newEdit(g, "z_nazwa_br", storedLength(nip::office_name));
    auto* office = new QGridLayout(g);
    office->setVerticalSpacing(1);
    placeBelowCaption(office, 0, 0, newCaption(g, "Numer NIP", officeNip, "e_nip_br"), officeNip);
    placeBelowCaption(office, 0, 1, newCaption(g, "Nazwa pełna lub nazwisko i imię", officeName, "e_nazwa_br"),
                      officeName);
    office->setColumnStretch(0, 1);
    office->setColumnStretch(1, 3);
    return g;
}

Tfr_dok_rach::Tfr_dok_rach(QWidget* parent) : EntryFrame(parent)
{
    setObjectName("fr_dok_rach");
    r_rodz_dok = newAccountingKindGroup(this);
    r_prow_dok = newAccountingKeeperGroup(this);
    g_brach = newAccountingOfficeGroup(
        this, "C.6.2. BIURO RACHUNKOWE (lub inny podmiot prowadzący dokumentację rachunkową składającego)", nr_nip_br,
        z_nazwa_br);

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
