#include "desktop/forms/editors/Tpdlg_nip1.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dok_rach.h"
#include "desktop/forms/frames/Tfr_dzial.h"
#include "desktop/forms/frames/Tfr_nr_in_kr.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_org_rej.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/frames/Tfr_zal.h"
#include "core/records/nip_record.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

constexpr Field kActivityLines = consecutiveLines(nip::activity_desc_1, 3);
static_assert(kActivityLines.item(1).offset == nip::activity_desc_2.offset &&
              kActivityLines.item(2).offset == nip::activity_desc_3.offset);

const QStringList kSiteReasons = {"prowadzenie działalności", "zakończenie działalności"};

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

// An address frame under its own section heading.
Tfr_adr* newAddress(QWidget* parent, const char* name, const QString& heading)
{
    auto* f = newFrame<Tfr_adr>(parent, name);
    f->e_ad_zam->setText(heading);
    return f;
}

// A place of business without a voivodeship is no address to report: its
// reason goes. The address itself is still saved.
void dropReasonWithoutVoivodeship(const Tfr_adr* site, RadioGroup* reason)
{
    if (site->c_woj->currentText().isEmpty())
        reason->setItemIndex(-1);
}

} // namespace

Tpdlg_nip1::Tpdlg_nip1(QWidget* parent) : EditorDialog(parent, Form::Nip1, "pcnt_nip1")
{
    setObjectName("pdlg_nip1");
    buildPurposePage();
    buildResidencePage();
    buildActivityDatesPage();
    buildBusinessPage();
    buildAccountingPage();
    buildRegistrationPage();
    buildSeatPage();
    buildClosingPage();
    // A third place of business, the NIP-D count and the NIP-3 dates belong
    // to the other forms of the record.
    finishBuilding({bindControls(), m_nip, {c_urzsk, c_pop_us},
                    {nip::site3_reason, nip::site3_addr, nip::attach_d_count, nip::nip3_registered_since,
                     nip::nip3_resident_since}});

    fr_adr_dz1->setLeaveHandler([this] { fr_adr_dz1Exit(); });
    fr_adr_dz2->setLeaveHandler([this] { fr_adr_dz2Exit(); });
}

void Tpdlg_nip1::buildPurposePage()
{
    QWidget* page = addPage("A-B.1");
    buildPurposeAndOffice(page, columnOf(page),
                          {.office = "&Urząd Skarbowy do którego kierowane jest zgłoszenie", .change = {}});
    columnOf(page)->addWidget(buildPersonalData(page));
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildResidencePage()
{
    QWidget* page = addPage("B.2-B.3");
    fr_nr_in_kr1 = newFrame<Tfr_nr_in_kr>(page, "fr_nr_in_kr1");
    fr_adr_zameld = newAddress(page, "fr_adr_zameld",
                               "B.3. ADRES MIEJSCA ZAMELDOWANIA (stałego lub czasowego, jeżeli brak jest stałego)");
    columnOf(page)->addWidget(fr_nr_in_kr1);
    columnOf(page)->addWidget(fr_adr_zameld);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildActivityDatesPage()
{
    QWidget* page = addPage("B.4-C.1");
    chbox_kor_adzam = newCheckBox(page, "chbox_kor_adzam", "Korespondencja ma być wysyłana na poniższy adres");
    fr_adr1 = newAddress(page, "fr_adr1",
                         "B.4. ADRES MIEJSCA ZAMIESZKANIA (należy wypełnić tylko wówczas, gdy jest inny niż "
                         "podany adres zameldow.)");
    g_os_rach = newGroup(page, "g_os_rach", "B.5. OSOBISTY RACHUNEK BANKOWY");
    fr_rach_os = newFrame<Tfr_nrrach>(g_os_rach, "fr_rach_os");
    captionOf(fr_rach_os->z_pos_rach)->setText("Po&siadacz rachunku");
    captionOf(fr_rach_os->z_nrrach)->setText("Pełny &nr rachunku");
    newColumn(g_os_rach)->addWidget(fr_rach_os);

    g_daty_dzial = newGroup(page, "g_daty_dzial", "C.1. DATY DOTYCZĄCE PROWADZONEJ DZIAŁALNOŚCI");
    r_rodz_drozp = newRadioGroup(g_daty_dzial, "r_rodz_drozp", "Rodzaj daty",
                                 {"rozpoczęcia działalności", "zawieszenia działalności", "wznowienia działalności"}, 3);
    d_rozp = newDateField(g_daty_dzial, "d_rozp");
    auto* dates = new QGridLayout(g_daty_dzial);
    dates->setVerticalSpacing(1);
    dates->addWidget(r_rodz_drozp, 0, 0, 2, 1);
    placeBelowCaption(dates, 0, 1, newCaption(g_daty_dzial, "Data (dzień-miesiąc-rok)", d_rozp), d_rozp);
    auto* note = new QLabel("Datę zawieszenia lub wznowienia należy podać tylko wówczas, gdy zdarzenie takie zaistniało.",
                            g_daty_dzial);
    note->setWordWrap(true);
    dates->addWidget(note, 2, 0, 1, 2);
    dates->setColumnStretch(0, 1);

    for (QWidget* w : std::initializer_list<QWidget*>{chbox_kor_adzam, fr_adr1, g_os_rach, g_daty_dzial})
        columnOf(page)->addWidget(w);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildBusinessPage()
{
    QWidget* page = addPage("C.2-C.5");
    g_dane_dzial = newGroup(page, "g_dane_dzial", "C.2-C-4. DANE DOTYCZĄCE PROWADZONEJ DZIAŁALNOŚCI GOSPODARCZEJ");
    m_l_reg = newRegonField(g_dane_dzial, "m_l_reg");
    fr_dzial1 = newFrame<Tfr_dzial>(g_dane_dzial, "fr_dzial1");
    fr_dzial1->setMemoHint("maks. 3 line po 30 znaków");
    r_stat_dzial = newRadioGroup(g_dane_dzial, "r_stat_dzial", "Ststus szczególny prowadzonej działalności",
                                 {"prowadzi zakł. pracy chronionej", "nie prowadzi zakł. pracy chronionej",
                                  "prowadzi zagr. przeds. drobnej wytw."},
                                 3);
    auto* business = new QGridLayout(g_dane_dzial);
    business->setVerticalSpacing(1);
    placeBelowCaption(business, 0, 0, newCaption(g_dane_dzial, "&Regon", m_l_reg), m_l_reg);
    business->setColumnStretch(1, 1);
    business->addWidget(fr_dzial1, 2, 0, 1, 2);
    business->addWidget(r_stat_dzial, 3, 0, 1, 2);
    columnOf(page)->addWidget(g_dane_dzial);

    g_rach_dz = newGroup(page, "g_rach_dz", "C.5. RACHUNKI BANKOWE ZWIĄZANE Z PROWADZONĄ DZIAŁALNOŚCIĄ GOSPODARCZĄ");
    chbox_zw_pod = newCheckBox(g_rach_dz, "chbox_zw_pod",
                               "zwrot podatku (z wyjątkiem pod. doch. , jeśli w cz. B.5 podano rach. osobisty) na "
                               "rachunek wpisany pod poz. 1");
    fr_nrrach1 = newFrame<Tfr_nrrach>(g_rach_dz, "fr_nrrach1");
    fr_nrrach2 = newFrame<Tfr_nrrach>(g_rach_dz, "fr_nrrach2");
    QVBoxLayout* accounts = newColumn(g_rach_dz);
    accounts->addWidget(chbox_zw_pod);
    accounts->addWidget(withPositionPanel(g_rach_dz, "1", fr_nrrach1));
    accounts->addWidget(withPositionPanel(g_rach_dz, "2", fr_nrrach2));
    columnOf(page)->addWidget(g_rach_dz);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildAccountingPage()
{
    QWidget* page = addPage("C.5-C.6");
    g_nrrach_cd = newGroup(page, "g_nrrach_cd", "C.5. cd");
    fr_nrrach3 = newFrame<Tfr_nrrach>(g_nrrach_cd, "fr_nrrach3");
    fr_nrrach4 = newFrame<Tfr_nrrach>(g_nrrach_cd, "fr_nrrach4");
    QVBoxLayout* accounts = newColumn(g_nrrach_cd);
    accounts->addWidget(withPositionPanel(g_nrrach_cd, "3", fr_nrrach3));
    accounts->addWidget(withPositionPanel(g_nrrach_cd, "4", fr_nrrach4));
    columnOf(page)->addWidget(g_nrrach_cd);

    g_dok_rach = newGroup(page, "g_dok_rach",
                          "C.6. RODZAJ PROWADZONEJ DOKUMENTACJI RACHUNKOWEJ I MIJSCE JEJ PRZECHOWYWANIA");
    fr_dok_rach1 = newFrame<Tfr_dok_rach>(g_dok_rach, "fr_dok_rach1");
    newColumn(g_dok_rach)->addWidget(fr_dok_rach1);
    columnOf(page)->addWidget(g_dok_rach);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildRegistrationPage()
{
    QWidget* page = addPage("C.6.3-C.7");
    g_adr_dok_rach = newGroup(page, "g_adr_dok_rach", "C.6.3. ADRES MIEJSCA PRZECHOWYWANIA DOKUMENTACJI RACHUNKOWEJ");
    fr_adr_dok_rach = newFrame<Tfr_adr>(g_adr_dok_rach, "fr_adr_dok_rach");
    fr_adr_dok_rach->e_ad_zam->hide();
    newColumn(g_adr_dok_rach)->addWidget(fr_adr_dok_rach);
    columnOf(page)->addWidget(g_adr_dok_rach);

    g_drej = newGroup(page, "g_drej", "C.7. DANE DOTYCZĄCE REJESTRACJI W ORGANIE REJESTROWYM");
    fr_org_rej1 = newFrame<Tfr_org_rej>(g_drej, "fr_org_rej1");
    z_nazpel = newEdit(g_drej, "z_nazpel", storedLength(nip::full_name));
    z_nazskr = newEdit(g_drej, "z_nazskr", storedLength(nip::short_name));
    QVBoxLayout* registration = newColumn(g_drej);
    registration->addWidget(newHeading(g_drej, "C.7.1. ORGAN REJESTROWY"));
    registration->addWidget(fr_org_rej1);
    registration->addWidget(newHeading(g_drej, "C.7.2. NAZWY Z DOKUMENTU REJESTRACJI"));
    auto* names = new QGridLayout;
    names->setVerticalSpacing(1);
    placeBelowCaption(names, 0, 0, newCaption(g_drej, "Nazwa pełna", z_nazpel), z_nazpel);
    placeBelowCaption(names, 0, 1, newCaption(g_drej, "Nazwa skrócona", z_nazskr), z_nazskr);
    names->setColumnStretch(0, 5);
    names->setColumnStretch(1, 3);
    registration->addLayout(names);
    columnOf(page)->addWidget(g_drej);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildSeatPage()
{
    QWidget* page = addPage("C.8-C.9");
    chbox_kor_siedz = newCheckBox(page, "chbox_kor_siedz", "korespondencję wysyłać na ten adres");
    fr_adr_siedz = newAddress(page, "fr_adr_siedz", "C.8. ADRES SIEDZIBY");
    r_pow_zgl_adr1 = newRadioGroup(page, "r_pow_zgl_adr1", "Powód zgłoszenia adresu", kSiteReasons, 2);
    fr_adr_dz1 = newAddress(page, "fr_adr_dz1", "C.9. ADRESY MIEJSC PROWADZENIA DZIAŁALNOŚCI");
    for (QWidget* w : std::initializer_list<QWidget*>{chbox_kor_siedz, fr_adr_siedz, r_pow_zgl_adr1})
        columnOf(page)->addWidget(w);
    columnOf(page)->addWidget(withPositionPanel(page, "1", fr_adr_dz1));
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip1::buildClosingPage()
{
    QWidget* page = addPage("C.9-E");
    r_pow_zgl_adr2 = newRadioGroup(page, "r_pow_zgl_adr2", "Powód zgłoszenia adresu", kSiteReasons, 2);
    fr_adr_dz2 = newAddress(page, "fr_adr_dz2", "C.9. ADRESY MIEJSC PROWADZENIA DZIAŁALNOŚCI c.d.");
    columnOf(page)->addWidget(r_pow_zgl_adr2);
    columnOf(page)->addWidget(withPositionPanel(page, "2", fr_adr_dz2));

    g_zal = newGroup(page, "g_zal", "D. INFORMACJA O ZAŁĄCZNIKACH");
    fr_zal1 = newFrame<Tfr_zal>(g_zal, "fr_zal1");
    fr_zal1->setPairVisible(3, false);
    newColumn(g_zal)->addWidget(fr_zal1);
    columnOf(page)->addWidget(g_zal);

    g_osw = newGroup(page, "g_osw", "E. OŚWIADCZENIE I PODPIS SKŁADAJĄCEGO / OSOBY REPREZENTUJĄCEJ SKŁADAJĄCEGO");
    fr_osw1 = newFrame<Tfr_osw>(g_osw, "fr_osw1");
    newColumn(g_osw)->addWidget(fr_osw1);
    columnOf(page)->addWidget(g_osw);
    columnOf(page)->addStretch(1);
}

BindingTable Tpdlg_nip1::bindControls() const
{
    using namespace nip;
    BindingTable bindings = purposeAndOfficeBindings(form().formType);
    bindings += personalDataBindings();
    bindings += fr_nr_in_kr1->bindings({foreign_id1_country, foreign_id1_purpose, foreign_id1_number},
                                        {foreign_id2_country, foreign_id2_purpose, foreign_id2_number});
    bindings += fr_adr_zameld->bindings(reg_addr);
    bindings.push_back({chbox_kor_adzam, corr_to_residence, Conv::Flag});
    bindings += fr_adr1->bindings(res_addr);
    bindings += fr_rach_os->bindings(pers_bank);
    bindings.push_back({r_rodz_drozp, activity_date_kind, Conv::Choice});
    bindings.push_back({d_rozp, activity_date, Conv::Date});
    bindings.push_back({m_l_reg, regon, Conv::Text});
    bindings += fr_dzial1->bindings(kActivityLines, pkd_code, ekd_code);
    bindings.push_back({r_stat_dzial, special_status, Conv::Choice});
    bindings.push_back({chbox_zw_pod, refund_to_account1, Conv::Flag});
    bindings += fr_nrrach1->bindings(bank1);
    bindings += fr_nrrach2->bindings(bank2);
    bindings += fr_nrrach3->bindings(bank3);
    bindings += fr_nrrach4->bindings(bank4);
    bindings += fr_dok_rach1->bindings({accounting_kind, accounting_keeper, office_nip, office_name});
    bindings += fr_adr_dok_rach->bindings(records_addr);
    bindings += fr_org_rej1->bindings({reg_organ_name, register_name, register_date, register_no});
    bindings.push_back({z_nazpel, full_name, Conv::Text});
    bindings.push_back({z_nazskr, short_name, Conv::Text});
    bindings += fr_adr_siedz->bindings(seat_addr);
    bindings.push_back({chbox_kor_siedz, corr_to_seat, Conv::Flag});
    bindings.push_back({r_pow_zgl_adr1, site1_reason, Conv::Choice});
    bindings += fr_adr_dz1->bindings(site1_addr);
    bindings.push_back({r_pow_zgl_adr2, site2_reason, Conv::Choice});
    bindings += fr_adr_dz2->bindings(site2_addr);
    bindings += fr_zal1->bindings({attach_a_count, attach_b_count, attach_c_count});
    bindings += fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date});
    return bindings;
}

void Tpdlg_nip1::applyRules()
{
    fr_dok_rach1->showOfficeBox();
    rb_usClick();
}

void Tpdlg_nip1::fr_adr_dz1Exit() { dropReasonWithoutVoivodeship(fr_adr_dz1, r_pow_zgl_adr1); }

void Tpdlg_nip1::fr_adr_dz2Exit() { dropReasonWithoutVoivodeship(fr_adr_dz2, r_pow_zgl_adr2); }
