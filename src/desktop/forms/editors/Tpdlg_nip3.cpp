#include "desktop/forms/editors/Tpdlg_nip3.h"

#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_nr_in_kr.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/controls/UpDown.h"
#include "core/records/nip_record.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int kFewestForms = 0;
constexpr int kMostForms = 10;

// Each dated address of the form: the date is the operator's only while
// the address names a place (a voivodeship, a street or a locality);
// without one the record keeps no date, whatever the picker shows.
struct DatedAddress {
    const Field& address;
    const Field& since;
};
constexpr DatedAddress kDatedAddresses[] = {
    {nip::nip3_reg_addr, nip::nip3_registered_since},
    {nip::nip3_res_addr, nip::nip3_resident_since},
};

bool namesAPlace(ConstBytes record, const Field& address)
{
    for (const Field& member : {address_block::voivodeship, address_block::street, address_block::locality})
        if (!getStr(record, address / member).empty())
            return true;
    return false;
}

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

// An address frame under its own section heading, followed by the date
// picker of the address on a line of its own.
Tfr_adr* newDatedAddress(QWidget* page, const char* name, const QString& heading, DatePicker*& picker,
                         const char* pickerName, const QString& pickerCaption)
{
    auto* frame = newFrame<Tfr_adr>(page, name);
    frame->e_ad_zam->setText(heading);
    picker = new DatePicker(page, pickerName);
    auto* line = new QHBoxLayout;
    line->addWidget(newCaption(page, pickerCaption, picker));
    line->addWidget(picker);
    line->addStretch(1);
    columnOf(page)->addWidget(frame);
    columnOf(page)->addLayout(line);
    return frame;
}

} // namespace

Tpdlg_nip3::Tpdlg_nip3(QWidget* parent) : EditorDialog(parent, Form::Nip3, "pcnt_nip3")
{
    setObjectName("pdlg_nip3");
    buildPurposePage();
    buildChangesPage();
    buildResidencePage();
    buildDeclarantPage();
    // A natural person who runs no business: the business parts of the
    // common record (names from a register, its organ, the seat, the
    // business dates, activity, accounts and documentation, the places of
    // business, the NIP-B to NIP-D counts) belong to NIP-1 and NIP-2.
    using namespace nip;
    finishBuilding({bindControls(),
                    m_nip,
                    {c_urzsk, c_pop_us},
                    {full_name, short_name, regon, reg_organ_name, register_name, register_date, register_no,
                     seat_addr, activity_date_kind, activity_desc_1, activity_desc_2, activity_desc_3, pkd_code,
                     ekd_code, refund_to_account1, bank1, bank2, bank3, bank4, accounting_kind, accounting_keeper,
                     office_nip, office_name, records_addr, site1_reason, site1_addr, site2_reason, site2_addr,
                     site3_reason, site3_addr, attach_b_count, attach_c_count, attach_d_count}});
}

void Tpdlg_nip3::buildPurposePage()
{
    QWidget* page = addPage("A-B.1");
    buildPurposeAndOffice(page, columnOf(page),
                          {.office = "Naczelnik &urzędu skarbowego, do którego kierowane jest zgłoszenie",
                           .change = {.notChanged = "Zmiana nie &spowodowała zmiany wł. naczelnika US",
                                      .changed = "Zmiana spowodowała zmianę wł. naczelnika US",
                                      .previous = "Poprzedni naczelnik urzędu skarbowego"}});
    columnOf(page)->addWidget(buildPersonalData(page));
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip3::buildChangesPage()
{
    QWidget* page = addPage("B.2-B.4");
    G_B2 = newGroup(page, "G_B2", "B.2. INFORMACJA O ZMIANACH DANYCH WYKAZANYCH W CZĘŚCI B.1.");
    auto* note = new QLabel("Należy wypełniać tylko w przypadku zgł. aktualizacyjnego i tylko wówczas, gdy nastąpiła "
                            "zmiana danych w części B.1.",
                            G_B2);
    note->setWordWrap(true);
    auto* changes = new QGridLayout(G_B2);
    changes->setVerticalSpacing(1);
    changes->addWidget(note, 0, 0, 1, 2);
    struct Row {
        QLineEdit*& items;
        MaskedEdit*& date;
        const char* itemsName;
        const char* dateName;
    };
    const Row rows[] = {{z_infzm1, m_dzm1, "z_infzm1", "m_dzm1"}, {z_infzm2, m_dzm2, "z_infzm2", "m_dzm2"}};
    int row = 1;
    for (const Row& r : rows) {
        r.items = newEdit(G_B2, r.itemsName, 20);
        r.date = newDateField(G_B2, r.dateName);
        placeBelowCaption(changes, row, 0, newCaption(G_B2, "Numery zmienionych pozycji", r.items), r.items);
        placeBelowCaption(changes, row, 1, newCaption(G_B2, "Data zmiany", r.date), r.date);
        row += 2;
    }
    changes->setColumnStretch(0, 1);
    changes->setColumnStretch(1, 1);
    columnOf(page)->addWidget(G_B2);

    fr_nr_in_kr1 = newFrame<Tfr_nr_in_kr>(page, "fr_nr_in_kr1");
    fr_nr_in_kr1->g_nrinnek->setTitle("B.3. INFORMACJA O NUMERACH IDENTYFIKACYJNYCH UZYSKANYCH W INNYCH KRAJACH");
    columnOf(page)->addWidget(fr_nr_in_kr1);
    fr_adr_zameld = newDatedAddress(
        page, "fr_adr_zameld", "B.4. ADRES MIEJSCA ZAMELDOWANIA (stałego lub czasowego, jeżeli brak jest stałego)",
        dt_zameld, "dt_zameld", "Data zameldowania");
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip3::buildResidencePage()
{
    QWidget* page = addPage("B.5-C");
    chbox_kor_adzam = newCheckBox(page, "chbox_kor_adzam", "Korespondencja ma być wysyłana na poniższy adres");
    columnOf(page)->addWidget(chbox_kor_adzam);
    fr_adr1 = newDatedAddress(page, "fr_adr1",
                              "B.5. ADRES MIEJSCA ZAMIESZKANIA (należy wypełnić tylko wówczas, gdy jest inny niż "
                              "podany adres zameldow.)",
                              dt_zamiesz, "dt_zamiesz", "Data zamieszkania");

    g_os_rach = newGroup(page, "g_os_rach", "B.6. OSOBISTY RACHUNEK BANKOWY");
    fr_rach_os = newFrame<Tfr_nrrach>(g_os_rach, "fr_rach_os");
    newColumn(g_os_rach)->addWidget(fr_rach_os);
    columnOf(page)->addWidget(g_os_rach);

    g_inf_dodat = newGroup(page, "g_inf_dodat", "C. INFORMACJE DODATKOWE");
    m_zal_a = newMasked(g_inf_dodat, "m_zal_a", "#9;1;_");
    m_zal_a->setText("0 ");
    ud_zal_a = new UpDown(kFewestForms, kMostForms, g_inf_dodat);
    ud_zal_a->setObjectName("ud_zal_a");
    ud_zal_a->associate(m_zal_a);
    d_zak = newDateField(g_inf_dodat, "d_zak");
    auto* endDate = newCaption(g_inf_dodat,
                               "Data zakończenia działalności gosp. Należy wypełniać tylko wówczas, gdy składający "
                               "zgłasza informację o zakończeniu działalności w ramach aktualizacji danych "
                               "(dzień-miesiąc-rok)",
                               d_zak);
    endDate->setWordWrap(true);
    auto* extra = new QGridLayout(g_inf_dodat);
    extra->setVerticalSpacing(2);
    extra->addWidget(newCaption(g_inf_dodat, "Liczba składanych formularzy NIP3", m_zal_a), 0, 0);
    auto* count = new QHBoxLayout;
    count->setSpacing(2);
    count->addWidget(m_zal_a);
    count->addWidget(ud_zal_a);
    count->addStretch(1);
    extra->addLayout(count, 0, 1);
    extra->addWidget(endDate, 1, 0);
    extra->addWidget(d_zak, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    extra->setColumnStretch(0, 3);
    extra->setColumnStretch(1, 1);
    columnOf(page)->addWidget(g_inf_dodat);
    columnOf(page)->addStretch(1);
}

void Tpdlg_nip3::buildDeclarantPage()
{
    QWidget* page = addPage("C.2-C.5");
    G_skl = newGroup(page, "G_skl", "D. DANE ODOBY SKŁADAJĄCEJ ZGŁOSZENIE");
    fr_osw1 = newFrame<Tfr_osw>(G_skl, "fr_osw1");
    newColumn(G_skl)->addWidget(fr_osw1);
    columnOf(page)->addWidget(G_skl);

    g_brach = newGroup(page, "g_brach", "E. DANE PODMIOTU, ZA POŚREDNICTWEM KTÓREGO PRZEKAZYWANY JEST FORMULARZ");
    nr_nip_br = newEdit(g_brach, "nr_nip_br");
    z_nazwa_br = newEdit(g_brach, "z_nazwa_br");
    auto* agent = new QGridLayout(g_brach);
    agent->setVerticalSpacing(1);
    placeBelowCaption(agent, 0, 0, newCaption(g_brach, "Numer NIP", nr_nip_br), nr_nip_br);
    placeBelowCaption(agent, 0, 1, newCaption(g_brach, "Nazwa pełna lub nazwisko i imię", z_nazwa_br), z_nazwa_br);
    agent->setColumnStretch(0, 1);
    agent->setColumnStretch(1, 3);
    columnOf(page)->addWidget(g_brach);
    columnOf(page)->addStretch(1);
}

BindingTable Tpdlg_nip3::bindControls() const
{
    using namespace nip;
    BindingTable bindings = purposeAndOfficeBindings(form().formType);
    bindings += personalDataBindings();
    bindings += {
        {z_infzm1, nip3_change1_items, Conv::Text},
        {m_dzm1, nip3_change1_date, Conv::Date},
        {z_infzm2, nip3_change2_items, Conv::Text},
        {m_dzm2, nip3_change2_date, Conv::Date},
    };
    bindings += fr_nr_in_kr1->bindings({foreign_id1_country, foreign_id1_purpose, foreign_id1_number},
                                        {foreign_id2_country, foreign_id2_purpose, foreign_id2_number});
    bindings += fr_adr_zameld->bindings(nip3_reg_addr);
    bindings.push_back({dt_zameld, nip3_registered_since, Conv::PickerDate});
    bindings.push_back({chbox_kor_adzam, nip3_corr_to_residence, Conv::Flag});
    bindings += fr_adr1->bindings(nip3_res_addr);
    bindings.push_back({dt_zamiesz, nip3_resident_since, Conv::PickerDate});
    bindings += fr_rach_os->bindings(nip3_pers_bank);
    bindings.push_back({ud_zal_a, attach_a_count, Conv::Count});
    bindings.push_back({d_zak, activity_date, Conv::Date});
    bindings += fr_osw1->bindings({declarant_first_name, declarant_surname, fill_date});
    bindings.push_back({nr_nip_br, nip3_agent_nip, Conv::Text});
    bindings.push_back({z_nazwa_br, nip3_agent_name, Conv::Text});
    return bindings;
}

void Tpdlg_nip3::setDefaults()
{
    dt_zameld->setToday();
    dt_zamiesz->setToday();
}

void Tpdlg_nip3::applyRules() { rb_usClick(); }

void Tpdlg_nip3::storeExtras(Bytes record)
{
    for (const DatedAddress& a : kDatedAddresses)
        if (!namesAPlace(record, a.address))
            clearField(record, a.since);
}
