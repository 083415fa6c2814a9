#include "desktop/forms/editors/Tpdlg_nip2.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dok_rach.h"
#include "desktop/forms/frames/Tfr_dzial.h"
#include "desktop/forms/frames/Tfr_nr_in_kr.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_org_rej.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/frames/Tfr_wsp.h"
#include "desktop/forms/frames/Tfr_zal.h"
#include "desktop/forms/frames/Tfr_zg_in_kr.h"
#include "desktop/forms/controls/TriStateBox.h"
#include "core/records/nip_record.h"
#include "core/register/register_state.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr int kInternalUnit = 1; // r_for_org: "wyodrębniona jedn. wewnętrzna będąca podatn. lub płatnikiem"
constexpr int kInOffice = 0;     // r_prow_dok: "w biurze rachunkowym"

// Beside the tab bar, so that all fourteen tabs stay in view.
constexpr int kTabBarRoom = 8;

constexpr Field kActivityLines = consecutiveLines(nip::activity_desc_1, 3);

const QStringList kSiteReasons = {"prowadzenie działalności", "zakończenie działalności"};

// B.6: eight boxes, each in a byte of its own. The balance sheet is either
// drawn up or not: a stored "not stated" loads as not.
struct SupplementBox {
    TriStateBox* Tpdlg_nip2::*box;
    const char* name;
    const char* caption;
    Field field;
    Conv conv;
};
const SupplementBox kSupplementBoxes[] = {
    {&Tpdlg_nip2::chbox_bil, "chbox_bil", "podmiot sporządza bilans", nip::nip2_flag_balance_sheet,
     Conv::TriStateFlag},
    {&Tpdlg_nip2::chbox_bank, "chbox_bank", "bank lub inna instytucja finansowa", nip::nip2_flag_bank,
     Conv::TriState},
    {&Tpdlg_nip2::chbox_zagr_drw, "chbox_zagr_drw", "zagraniczne przedsiębiorstwo drobnej wytwórczości",
     nip::nip2_flag_foreign_small_firm, Conv::TriState},
    {&Tpdlg_nip2::chbox_zpch, "chbox_zpch", "zakład pracy chronionej", nip::nip2_flag_sheltered_workshop,
     Conv::TriState},
    {&Tpdlg_nip2::chbox_kapzagr, "chbox_kapzagr", "spółka z udziałem kapitału zagranicznego",
     nip::nip2_flag_foreign_capital, Conv::TriState},
    {&Tpdlg_nip2::chbox_sp_skar, "chbox_sp_skar", "jednoosobowa spółka skarbu państwa (sam. teryt.)",
     nip::nip2_flag_state_sole_company, Conv::TriState},
    {&Tpdlg_nip2::chbox_sp_prh, "chbox_sp_prh", "sp. pr. handl. w której udział skarbu  państwa <= 50%",
     nip::nip2_flag_state_minor_company, Conv::TriState},
    {&Tpdlg_nip2::chbox_zaktz, "chbox_zaktz", "zakład aktywności zawodowej", nip::nip2_flag_activity_centre,
     Conv::TriState},
};

constexpr Field partnerEntry(int k) { return nip::partners.item(static_cast<std::uint32_t>(k - 1)); }

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

// An address frame under its own section heading; no heading when empty.
Tfr_adr* newAddress(QWidget* parent, const char* name, const QString& heading)
{
    auto* f = newFrame<Tfr_adr>(parent, name);
    f->e_ad_zam->setText(heading);
    f->e_ad_zam->setVisible(!heading.isEmpty());
    return f;
}

QRadioButton* newRadioButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

Tpdlg_nip2::Tpdlg_nip2(QWidget* parent) : EditorDialog(parent, Form::Nip2, "pcnt_nip2")
{
    setObjectName("pdlg_nip2");
    buildPurposePage();
    buildSeatPage();
    buildSupplementPage();
    buildAccountsPage();
    buildOfficePage();
    buildSitesPage();
    buildParentPage();
    buildClosingPage();
    buildPartnerPages();
    pages->setMinimumWidth(pages->tabBar()->sizeHint().width() + kTabBarRoom);
    // The fourth bank account and the NIP-3 dates belong to the other forms
    // of the record.
    finishBuilding({bindControls(), m_nip, {c_urzsk, c_pop_us},
                    {nip::bank4, nip::nip3_registered_since, nip::nip3_resident_since}});

    connect(purpose_, &QButtonGroup::idToggled, this, &Tpdlg_nip2::rb_identClick);
    connect(r_for_org, &RadioGroup::itemIndexChanged, this, &Tpdlg_nip2::r_for_orgClick);
    connect(r_prow_dok, &RadioGroup::itemClicked, this, &Tpdlg_nip2::r_prow_dokClick);
}

void Tpdlg_nip2::buildPurposePage()
{
    QWidget* page = addPage("A-B.2");
    m_nip = newMasked(page, "m_nip", "#############;1;_");
    g_przez_for = newGroup(page, "g_przez_for", "Przeznaczenie formularza");
    rb_ident = newRadioButton(g_przez_for, "rb_ident", "zgłoszenie identyfikacyjne");
    rb_akt = newRadioButton(g_przez_for, "rb_akt", "zgłoszenie aktualizacyjne");
    rb_akt_nip = newRadioButton(g_przez_for, "rb_akt_nip",
                                "zgłoszenie aktualizacyjne związane z przejściem NIP na następcę prawn.");
    purpose_ = new QButtonGroup(this);
    QVBoxLayout* purposes = newColumn(g_przez_for);
    for (QRadioButton* b : {rb_ident, rb_akt, rb_akt_nip}) {
        purpose_->addButton(b, static_cast<int>(purpose_->buttons().size()));
        purposes->addWidget(b);
    }
    c_urzsk = newCombo(page, "c_urzsk", storedLength(nip::tax_office));
    auto* top = new QGridLayout;
    top->setVerticalSpacing(1);
    placeBelowCaption(top, 0, 0, newCaption(page, "&NIP", m_nip), m_nip);
    top->addWidget(g_przez_for, 0, 1, 3, 1);
    placeBelowCaption(top, 3, 0, newCaption(page, "&Urząd Skarbowy do którego kierowane jest zgłoszenie", c_urzsk),
                      c_urzsk, 2);
    top->setColumnStretch(0, 1);
    top->setColumnStretch(1, 1);
    columnOf(page)->addLayout(top);

    // NIP-2 words its first button without an accelerator.
    columnOf(page)->addWidget(buildOfficeChange(page, {.notChanged = "Zmiana nie spowodowała zmiany wł. US"}));

    g_d_pers = newGroup(page, "g_d_pers", "B. DANE SKŁADAJĄCEGO");
    QWidget* g = g_d_pers;
    z_nazpel = newEdit(g, "z_nazpel", storedLength(nip::full_name));
    z_nazskr = newEdit(g, "z_nazskr", storedLength(nip::short_name));
    m_l_reg = newRegonField(g, "m_l_reg");
    e_org_rej = newHeading(g, "B.2. ORGAN REJESTROWY", "e_org_rej");
    fr_org_rej1 = newFrame<Tfr_org_rej>(g, "fr_org_rej1");
    QVBoxLayout* taxpayer = newColumn(g_d_pers);
    taxpayer->addWidget(newHeading(g, "B.1. DANE IDENTYFIKACYJNE"));
    auto* names = new QGridLayout;
    names->setVerticalSpacing(1);
    placeBelowCaption(names, 0, 0, newCaption(g, "Nazwa pełna", z_nazpel), z_nazpel);
    placeBelowCaption(names, 0, 1, newCaption(g, "Nazwa skrócona", z_nazskr), z_nazskr);
    placeBelowCaption(names, 0, 2, newCaption(g, "Regon", m_l_reg), m_l_reg);
    names->setColumnStretch(0, 5);
    names->setColumnStretch(1, 3);
    taxpayer->addLayout(names);
    taxpayer->addWidget(e_org_rej);
    taxpayer->addWidget(fr_org_rej1);
    columnOf(page)->addWidget(g_d_pers);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildSeatPage()
{
    QWidget* page = addPage("B.3-B.5");
    fr_adr_sie = newAddress(page, "fr_adr_sie", "B.3. ADRES SIEDZIBY");
    columnOf(page)->addWidget(fr_adr_sie);

    g_ddzial = newGroup(page, "g_ddzial", "C.1. DATY DOTYCZĄCE PROWADZONEJ DZIAŁALNOŚCI");
    r_rodz_drozp = newRadioGroup(g_ddzial, "r_rodz_drozp", "Rodzaj daty",
                                 {"rozpoczęcia działalności", "ustania bytu prawnego (w tym likwid.)"}, 2);
    d_rozp = newDateField(g_ddzial, "d_rozp");
    auto* dates = new QGridLayout(g_ddzial);
    dates->setVerticalSpacing(1);
    dates->addWidget(r_rodz_drozp, 0, 0, 2, 1);
    placeBelowCaption(dates, 0, 1, newCaption(g_ddzial, "Data (dzień-miesiąc-rok)", d_rozp), d_rozp);
    auto* note = new QLabel("Datę zawieszenia lub wznowienia należy podać tylko wówczas, gdy zdarzenie takie zaistniało.",
                            g_ddzial);
    note->setWordWrap(true);
    dates->addWidget(note, 2, 0, 1, 2);
    dates->setColumnStretch(0, 1);
    columnOf(page)->addWidget(g_ddzial);

    g_forma = newGroup(page, "g_forma", "B.5. FORMA ORGANIZACYJNO - PRAWNA");
    r_for_org = newRadioGroup(g_forma, "r_for_org", "Forma organizacyjna",
                              {"podmiot mający wyodrębnione jedn. wewnętrzne",
                               "wyodrębniona jedn. wewnętrzna będąca podatn. lub płatnikiem",
                               "podmiot nie będący wyodrębnioną jedn. wewnętrzną i ne mający takich jedn.",
                               "podatkowa grupa kapitałowa"},
                              1, 2);
    r_for_pr = newRadioGroup(g_forma, "r_for_pr", "Podstawowa forma prawna",
                             {"osoba prawna", "jedn. org. nie mająca osob. pr."}, 1, 0);
    z_kod_fpr = newEdit(g_forma, "z_kod_fpr", storedLength(nip::nip2_special_form_code));
    auto* forms = new QGridLayout(g_forma);
    forms->setVerticalSpacing(1);
    forms->addWidget(r_for_org, 0, 0);
    forms->addWidget(r_for_pr, 0, 1, Qt::AlignTop);
    auto* code = new QHBoxLayout;
    code->addWidget(newCaption(g_forma, "Szczególna forma prawna na podst. zarz. Prezesa GUS z dn. 10.10.1997  - kod",
                               z_kod_fpr));
    code->addWidget(z_kod_fpr);
    code->addStretch(1);
    z_kod_fpr->setMaximumWidth(60);
    forms->addLayout(code, 1, 0, 1, 2);
    forms->setColumnStretch(0, 3);
    forms->setColumnStretch(1, 2);
    columnOf(page)->addWidget(g_forma);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildSupplementPage()
{
    QWidget* page = addPage("B.6-B.8");
    g_inf_uzup = newGroup(page, "g_inf_uzup", "B.6. INFORMACJE UZUPEŁNIAJĄCE");
    auto* boxes = new QGridLayout(g_inf_uzup);
    boxes->setVerticalSpacing(2);
    constexpr int kRows = static_cast<int>(std::size(kSupplementBoxes) + 1) / 2;
    for (int i = 0; i < static_cast<int>(std::size(kSupplementBoxes)); ++i) {
        const SupplementBox& s = kSupplementBoxes[i];
        auto* box = new TriStateBox(s.caption, g_inf_uzup);
        box->setObjectName(s.name);
        this->*s.box = box;
        boxes->addWidget(box, i % kRows, i / kRows);
    }
    columnOf(page)->addWidget(g_inf_uzup);

    fr_nr_in_kr = newFrame<Tfr_nr_in_kr>(page, "fr_nr_in_kr");
    fr_nr_in_kr->g_nrinnek->setTitle(
        "B.7. INFORMACJA O NUMERACH IDENTYFIKACYJNYCH UZYSKANYCH W INNYCH KRAJACH");
    fr_zg_in_kr1 = fr_nr_in_kr->fr_zg_in_kr1;
    fr_zg_in_kr2 = fr_nr_in_kr->fr_zg_in_kr2;
    columnOf(page)->addWidget(fr_nr_in_kr);

    g_rodz_dz = newGroup(page, "g_rodz_dz", "B.8. RODZAJ DZIAŁALNOŚCI GOSPODARCZEJ");
    fr_dzial2 = newFrame<Tfr_dzial>(g_rodz_dz, "fr_dzial2");
    newColumn(g_rodz_dz)->addWidget(fr_dzial2);
    columnOf(page)->addWidget(g_rodz_dz);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildAccountsPage()
{
    QWidget* page = addPage("B.9-B.10");
    g_rach_dz = newGroup(page, "g_rach_dz", "B.9. RACHUNKI BANKOWE ZWIĄZANE Z PROWADZONĄ DZIAŁALNOŚCIĄ GOSPODARCZĄ");
    chbox_zw_pod = newCheckBox(g_rach_dz, "chbox_zw_pod", "zwrot podatku na rachunek wpisany pod poz. 1");
    fr_nrrach1 = newFrame<Tfr_nrrach>(g_rach_dz, "fr_nrrach1");
    fr_nrrach2 = newFrame<Tfr_nrrach>(g_rach_dz, "fr_nrrach2");
    fr_nrrach3 = newFrame<Tfr_nrrach>(g_rach_dz, "fr_nrrach3");
    QVBoxLayout* accounts = newColumn(g_rach_dz);
    accounts->addWidget(chbox_zw_pod);
    accounts->addWidget(withPositionPanel(g_rach_dz, "1", fr_nrrach1));
    accounts->addWidget(withPositionPanel(g_rach_dz, "2", fr_nrrach2));
    accounts->addWidget(withPositionPanel(g_rach_dz, "3", fr_nrrach3));
    columnOf(page)->addWidget(g_rach_dz);

    g_dok_rach1 = newGroup(page, "g_dok_rach1", "B.10. INFORMACJA O DOKUMENTACJI RACHUNKOWEJ");
    r_rodz_dok = newAccountingKindGroup(g_dok_rach1);
    r_prow_dok = newAccountingKeeperGroup(g_dok_rach1);
    auto* choices = new QHBoxLayout(g_dok_rach1);
    choices->addWidget(r_rodz_dok, 3);
    choices->addWidget(r_prow_dok, 1);
    columnOf(page)->addWidget(g_dok_rach1);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildOfficePage()
{
    QWidget* page = addPage("B.10.1-B.10.2");
    g_brach = newAccountingOfficeGroup(page,
                                       "B.10.1. BIURO RACHUNKOWE (lub inny podmiot prowadzący dokumentację "
                                       "rachunkową w imieniu składającego)",
                                       nr_nip_br, z_nazwa_br);
    fr_adr1 = newAddress(page, "fr_adr1", "B.10.2. ADRES MIEJSCA PRZECHOWYWANIA DOKUMENTACJI RACHUNKOWEJ");
    columnOf(page)->addWidget(g_brach);
    columnOf(page)->addWidget(fr_adr1);
    columnOf(page)->addStretch(1);
}

Tfr_adr* Tpdlg_nip2::newSite(QWidget* page, int k, const QString& heading, RadioGroup*& reason)
{
    Tfr_adr* site = newAddress(page, qPrintable(QString("fr_adr_dz%1").arg(k)), heading);
    reason = newRadioGroup(page, qPrintable(QString("r_pow_zgl_adr%1").arg(k)), "Powód zgłoszenia adresu",
                           kSiteReasons, 2);
    columnOf(page)->addWidget(withPositionPanel(page, QString::number(k), site));
    columnOf(page)->addWidget(reason);
    // Leaving a place of business runs this rule instead of the word lists.
    site->setLeaveHandler([this, site, r = reason] { fr_adr_dzExit(site, r); });
    return site;
}

void Tpdlg_nip2::buildSitesPage()
{
    QWidget* page = addPage("B.11");
    fr_adr_dz1 = newSite(page, 1, "B.11. ADRESY MIEJSC PROWADZENIA DZIAŁALNOŚCI", r_pow_zgl_adr1);
    fr_adr_dz2 = newSite(page, 2, QString(90, '-'), r_pow_zgl_adr2);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildParentPage()
{
    QWidget* page = addPage("B.11cd-C");
    fr_adr_dz3 = newSite(page, 3, QString(), r_pow_zgl_adr3);

    g_jedn_mac = newGroup(page, "g_jedn_mac", "C. DANE JEDNOSTKI MACIERZYSTEJ");
    QWidget* g = g_jedn_mac;
    nazp_mac = newEdit(g, "nazp_mac", storedLength(nip::nip2_parent_full_name));
    nazskr_mac = newEdit(g, "nazskr_mac", storedLength(nip::nip2_parent_short_name));
    m_nip_mac = newMasked(g, "m_nip_mac", "#############;1;_");
    m_reg_mac = newRegonField(g, "m_reg_mac");
    e_org_rej_mac = newHeading(g, "C.2. ORGAN REJESTROWY", "e_org_rej_mac");
    fr_org_rej2 = newFrame<Tfr_org_rej>(g, "fr_org_rej2");
    QVBoxLayout* parent = newColumn(g_jedn_mac);
    parent->addWidget(newHeading(g, "C.1. DANE IDENTYFIKACYJNE"));
    auto* identity = new QGridLayout;
    identity->setVerticalSpacing(1);
    placeBelowCaption(identity, 0, 0, newCaption(g, "Nazwa pełna", nazp_mac), nazp_mac, 3);
    placeBelowCaption(identity, 0, 3, newCaption(g, "Nazwa skrócona", nazskr_mac), nazskr_mac);
    placeBelowCaption(identity, 2, 0, newCaption(g, "NIP", m_nip_mac), m_nip_mac);
    placeBelowCaption(identity, 2, 1, newCaption(g, "Regon", m_reg_mac), m_reg_mac);
    identity->setColumnStretch(2, 5);
    identity->setColumnStretch(3, 3);
    parent->addLayout(identity);
    parent->addWidget(e_org_rej_mac);
    parent->addWidget(fr_org_rej2);
    columnOf(page)->addWidget(g_jedn_mac);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildClosingPage()
{
    QWidget* page = addPage("C.3-E");
    fr_adr_siedz = newAddress(page, "fr_adr_siedz", "C.3. ADRES SIEDZIBY.");
    columnOf(page)->addWidget(fr_adr_siedz);

    g_zal = newGroup(page, "g_zal", "D. INFORMACJA O ZAŁĄCZNIKACH");
    fr_zal1 = newFrame<Tfr_zal>(g_zal, "fr_zal1");
    newColumn(g_zal)->addWidget(fr_zal1);
    columnOf(page)->addWidget(g_zal);

    g_osw = newGroup(page, "g_osw", "E. OŚWIADCZENIE I PODPIS SKŁADAJĄCEGO / OSOBY REPREZENTUJĄCEJ SKŁADAJĄCEGO");
    fr_osw1 = newFrame<Tfr_osw>(g_osw, "fr_osw1");
    fr_osw1->e_dwyp->setText("Data wypełnienia zgłoszenia (dz-mc-rok)");
    captionOf(fr_osw1->z_osw_nazw)->setText("Nazwisko");
    newColumn(g_osw)->addWidget(fr_osw1);
    columnOf(page)->addWidget(g_osw);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip2::buildPartnerPages()
{
    for (int k = 1; k <= static_cast<int>(nip::kPartnerCount); ++k) {
        QWidget* page = addPage(QString("WSP.%1").arg(k));
        auto* partner = newFrame<Tfr_wsp>(page, qPrintable(QString("fr_wsp%1").arg(k)));
        partner->setPartnerNumber(k);
        columnOf(page)->addWidget(partner);
        columnOf(page)->addStretch(1);
    }
}

Tfr_wsp* Tpdlg_nip2::partnerFrame(int k) const { return findChild<Tfr_wsp*>(QString("fr_wsp%1").arg(k)); }

BindingTable Tpdlg_nip2::bindControls() const
{
    using namespace nip;
    BindingTable bindings = {
        {m_nip, nip::nip, Conv::Nip, form().formType},
        {purpose_, purpose, Conv::Choice},
        {c_urzsk, tax_office, Conv::Text},
        {z_nazpel, full_name, Conv::Text},
        {z_nazskr, short_name, Conv::Text},
        {m_l_reg, regon, Conv::Text},
    };
    bindings += officeChangeBindings(office_changed, prev_tax_office);
    bindings += fr_org_rej1->bindings({reg_organ_name, register_name, register_date, register_no});
    bindings += fr_adr_sie->bindings(seat_addr);
    bindings.push_back({r_rodz_drozp, activity_date_kind, Conv::Choice});
    bindings.push_back({d_rozp, activity_date, Conv::Date});
    bindings.push_back({r_for_org, nip2_org_form, Conv::Choice});
    bindings.push_back({r_for_pr, nip2_legal_form, Conv::Choice});
    bindings.push_back({z_kod_fpr, nip2_special_form_code, Conv::Text});
    for (const SupplementBox& s : kSupplementBoxes)
        bindings.push_back({this->*s.box, s.field, s.conv});
    bindings += fr_nr_in_kr->bindings({foreign_id1_country, foreign_id1_purpose, foreign_id1_number},
                                       {foreign_id2_country, foreign_id2_purpose, foreign_id2_number});
    bindings += fr_dzial2->bindings(kActivityLines, pkd_code, ekd_code);
    bindings.push_back({chbox_zw_pod, refund_to_account1, Conv::Flag});
    bindings += fr_nrrach1->bindings(bank1);
    bindings += fr_nrrach2->bindings(bank2);
    bindings += fr_nrrach3->bindings(bank3);
    bindings += BindingTable{
        {r_rodz_dok, accounting_kind, Conv::Choice},
        {r_prow_dok, accounting_keeper, Conv::Choice},
        {nr_nip_br, office_nip, Conv::Text},
        {z_nazwa_br, office_name, Conv::Text},
    };
    bindings += fr_adr1->bindings(records_addr);
    bindings.push_back({r_pow_zgl_adr1, site1_reason, Conv::Choice});
    bindings += fr_adr_dz1->bindings(site1_addr);
    bindings.push_back({r_pow_zgl_adr2, site2_reason, Conv::Choice});
    bindings += fr_adr_dz2->bindings(site2_addr);
    bindings.push_back({r_pow_zgl_adr3, site3_reason, Conv::Choice});
    bindings += fr_adr_dz3->bindings(site3_addr);
    bindings += BindingTable{
        {nazp_mac, nip2_parent_full_name, Conv::Text},
        {nazskr_mac, nip2_parent_short_name, Conv::Text},
        {m_nip_mac, nip2_parent_nip, Conv::Nip, form().formType},
        {m_reg_mac, nip2_parent_regon, Conv::Text},
    };
    bindings += fr_org_rej2->bindings(
        {nip2_parent_organ_name, nip2_parent_register_name, nip2_parent_register_date, nip2_parent_register_no});
    bindings += fr_adr_siedz->bindings(nip2_parent_seat_addr);
    bindings += fr_zal1->bindings({attach_a_count, attach_b_count, attach_c_count, attach_d_count});
    bindings += fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date});
    for (int k = 1; k <= static_cast<int>(kPartnerCount); ++k)
        bindings += partnerFrame(k)->bindings(partnerEntry(k));
    return bindings;
}

void Tpdlg_nip2::applyRules()
{
    // The table has loaded every partner entry; a frame whose entry is not
    // in use shows a new partner instead.
    if (form().loadsIn(mode()))
        for (int k = 1; k <= static_cast<int>(nip::kPartnerCount); ++k)
            partnerFrame(k)->finishLoading(recordBuffer(form().recordKind), partnerEntry(k));
    g_brach->setVisible(r_prow_dok->itemIndex() == kInOffice);
    rb_usClick();
}

void Tpdlg_nip2::storeExtras(Bytes record)
{
    // Only the partners in use are kept, each in its own entry; everything
    // else of the area is zeros, whatever it held before.
    clearField(record, nip::partners);
    for (int k = 1; k <= static_cast<int>(nip::kPartnerCount); ++k)
        if (const Tfr_wsp* partner = partnerFrame(k); partner->inUse())
            partner->save(record, partnerEntry(k));
}

void Tpdlg_nip2::rb_identClick() { g_zm_us->setVisible(!rb_ident->isChecked()); }


void Tpdlg_nip2::r_for_orgClick()
{
    // An internal unit reports its parent unit (C) instead of its own
    // registration (B.2); what is hidden is still saved.
    const bool internalUnit = r_for_org->itemIndex() == kInternalUnit;
    e_org_rej->setVisible(!internalUnit);
    fr_org_rej1->setVisible(!internalUnit);
    g_jedn_mac->setVisible(internalUnit);
    fr_adr_siedz->setVisible(internalUnit);
}

void Tpdlg_nip2::r_prow_dokClick() { ApplyAccountingOfficeRule(r_prow_dok->itemIndex(), g_brach, nr_nip_br, z_nazwa_br); }

void Tpdlg_nip2::fr_adr_dzExit(Tfr_adr* site, RadioGroup* reason)
{
    // A place of business without a voivodeship is no address to report.
    if (site->c_woj->currentText().isEmpty())
        reason->setItemIndex(-1);
}
