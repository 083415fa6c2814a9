#include "desktop/forms/editors/Tpdlg_vatr.h"

#include "desktop/widgets/MaskedEdit.h"
#include "core/common/clock.h"
#include "desktop/forms/controls/CheckList.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/PeriodBox.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/TFr_adr1.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/controls/UpDown.h"
#include "core/records/vat_records.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

constexpr int kIdentification = 0; // r_przez_form: "Zgłoszenie identyfikacyjne"
constexpr int kNotApplicable = 0; // the "nie dotyczy" option of groups 30, 32 and 34
constexpr int kNipFormType = 1;   // the NIP shown grouped 3-3-2-2
constexpr int kMonths = 12;
constexpr int kQuarters = 4;
constexpr int kLastYear = 2100; // the year up-downs go no further
constexpr const char* kMonthOrQuarter = " - nie jest poprawnym numerem miesiąca lub kwartału";

// The captions and the identification mask of B.1 for each kind of taxpayer:
// a REGON of nine or fourteen digits, or an eleven-digit PESEL.
struct KindCaptions {
    const char* name;
    const char* name2;
    const char* idNo;
    const char* date;
    const char* idMask;
    const char* address;
};
const KindCaptions kEntity = {"N&azwa pełna", "Nazwa skróc&ona", "R&EGON",
                              "Da&ta rozpoczęcia działalności (dzień-miesiąc-rok)", kRegonMask,
                              "B.2. ADRES SIEDZIBY"};
const KindCaptions kPerson = {"N&azwisko, pierwsze imię, drugie imię", "Imię &ojca, imię matki", "P&ESEL",
                              "Da&ta urodzenia (dzień-miesiąc-rok)", "99999999999;1;_", "B.2. ADRES ZAMIESZKANIA"};

const QStringList kObligationItems = {
    "1. wykonywanie wyłącznie czynności zwolnionych od podatku",
    "2. wykonywanie czynności opodatkowanych",
    "3. korzystanie ze zwolnienia ze względu na wartość sprzedaży",
    "4. korzystanie ze zwolnienia ze względu na wartość sprzedaży od rozpoczęcia działalności",
    "5. rezygnacja ze zwolnienia ze względu na wartość sprzedaży",
    "6. utrata prawa do zwolnienia ze względu na wartość sprzedaży",
    "7. rolnik ryczałtowy korzystający ze zwolnienia od podatku",
    "8. rolnik ryczałtowy rezygnujący ze zwolnienia od podatku",
    "9. rezygnacja ze zwolnienia czynności zwolnionych od podatku",
    "10. wykonywanie czynności poza terytorium kraju dających prawo do odliczenia",
};

// Which options of a group take the period the group stores.
const std::vector<int> kCashItemsWithPeriod = {1, 2, 3};
const std::vector<int> kQuarterlyItemsWithQuarter = {2, 3};
const std::vector<int> kSpecialItemsWithMonth = {1, 2};

QVBoxLayout* columnOf(QWidget* page) { return static_cast<QVBoxLayout*>(page->layout()); }

QRadioButton* newOption(QWidget* parent, QButtonGroup* group, const char* name, const QString& caption, int id)
{
    auto* b = new QRadioButton(caption, parent);
    b->setObjectName(name);
    group->addButton(b, id);
    return b;
}

bool isOneOf(const QButtonGroup* options, const std::vector<int>& items)
{
    return std::find(items.begin(), items.end(), options->checkedId()) != items.end();
}

// The binding of a field that the record keeps only while one of `items`
// is chosen in `options`, and zero otherwise.
Binding whileChosen(Binding b, const QButtonGroup* options, const std::vector<int>& items)
{
    b.applies = [options, items] { return isOneOf(options, items); };
    b.otherwise = Otherwise::Zero;
    return b;
}

// The binding of a VAT-R/UE field: stored only while the attachment is, and
// kept as it was otherwise.
Binding whileAttached(Binding b, const QCheckBox* attached)
{
    b.applies = [attached] { return attached->isChecked(); };
    return b;
}

// A period and its year: the box of the period's numbers, the year edit and
// its up-down, in one row that the group shows or hides as a whole.
struct PeriodRow {
    QWidget* row;
    QComboBox* period;
    MaskedEdit* year;
    UpDown* upDown;
};

struct PeriodNames {
    const char* caption;
    const char* period;
    const char* year;
    const char* upDown;
};

// `notAPeriod` follows a text left in the period box that is none of its numbers.
PeriodRow newPeriodRow(QWidget* parent, const PeriodNames& names, const QString& caption, int periods,
                       const char* notAPeriod, int firstYear)
{
    PeriodRow p;
    p.row = new QWidget(parent);
    p.period = newPeriodBox(p.row, names.period, periods, notAPeriod);
    p.year = newMasked(p.row, names.year, "0000;1;_");
    p.upDown = new UpDown(firstYear, kLastYear, p.row);
    p.upDown->setObjectName(names.upDown);
    p.upDown->associate(p.year);
    auto* line = new QHBoxLayout(p.row);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(newCaption(p.row, caption, p.period, names.caption));
    line->addWidget(p.period);
    line->addSpacing(12);
    line->addWidget(newCaption(p.row, "Rok", p.year));
    line->addWidget(p.year);
    line->addWidget(p.upDown);
    line->addStretch(1);
    return p;
}

// A group of options in one column with its period row below them.
void layOutGroup(QGroupBox* group, std::initializer_list<QWidget*> options, QWidget* period)
{
    QVBoxLayout* column = newColumn(group);
    for (QWidget* option : options)
        column->addWidget(option);
    column->addWidget(period);
}

} // namespace

Tpdlg_vatr::Tpdlg_vatr(QWidget* parent) : EditorDialog(parent, Form::VatR, "pcnt_vatr")
{
    setObjectName("pdlg_vatr");
    buildIdentificationPage();
    buildAddressPage();
    buildObligationPage();
    buildDeclarationPage();
    buildAttachmentPage();
    finishBuilding({bindControls(), m_nip, {c_urzsk, c_pop_us}, {}});

    connect(r_przez_form, &RadioGroup::itemIndexChanged, this, &Tpdlg_vatr::r_przez_formClick);
    connect(r_rodzpod, &RadioGroup::itemIndexChanged, this, &Tpdlg_vatr::r_rodzpodClick);
    connect(cashMethod_, &QButtonGroup::idToggled, this, &Tpdlg_vatr::rb_kasClick);
    connect(quarterly_, &QButtonGroup::idToggled, this, &Tpdlg_vatr::rb_kwClick);
    connect(specialProc_, &QButtonGroup::idToggled, this, &Tpdlg_vatr::rb_procClick);
    connect(ch_zalue, &QCheckBox::toggled, this, &Tpdlg_vatr::ch_zalueClick);
    for (QCheckBox* kind : {ch_wdt, Ch_wnt, ch_wnt1, Ch_usl})
        connect(kind, &QCheckBox::toggled, this, &Tpdlg_vatr::ch_rejvatueClick);
}

void Tpdlg_vatr::buildIdentificationPage()
{
    QWidget* page = addPage("A-B.1");
    auto* top = new QGridLayout;
    top->setVerticalSpacing(1);
    m_nip = newVatNumberField(page, "m_nip");
    r_przez_form = newRadioGroup(page, "r_przez_form", "Przeznaczenie formularza",
                                 {"Zgłoszenie identyfikacyjne", "Zgłoszenie aktualizacyjne"}, 2, 1);
    c_urzsk = newCombo(page, "c_urzsk", 60);
    m_uszagr = new Memo(page);
    m_uszagr->setObjectName("m_uszagr");
    m_uszagr->setFixedHeight(4 * m_uszagr->fontMetrics().lineSpacing() + 12);
    placeBelowCaption(top, 0, 0, newCaption(page, "&NIP", m_nip), m_nip);
    top->addWidget(r_przez_form, 0, 1, 2, 1);
    placeBelowCaption(top, 2, 0, newCaption(page, "&Urząd Skarbowy do którego kierowane jest zgłoszenie", c_urzsk),
                      c_urzsk, 2);
    QLabel* e_uszagr = newCaption(page,
                                  "Organ podatkowy oraz jego adres w państwie, w którym podatnik posiada siedzibę lub "
                                  "stałe miejsce zamieszkania",
                                  m_uszagr, "e_uszagr");
    e_uszagr->setWordWrap(true);
    placeBelowCaption(top, 4, 0, e_uszagr, m_uszagr, 2);
    top->setColumnStretch(1, 1);
    columnOf(page)->addLayout(top);

    columnOf(page)->addWidget(buildOfficeChange(page, {}));

    g_ident = newGroup(page, "g_ident", "B.1. DANE IDENTYFIKACYJNE");
    QWidget* g = g_ident;
    m_pesel = newRegonField(g, "m_pesel");
    z_nazwisko = newEdit(g, "z_nazwisko", 60);
    z_imojca = newEdit(g, "z_imojca", 40);
    m_dur = newDateField(g, "m_dur");
    r_rodzpod = newRadioGroup(g, "r_rodzpod", "Rodzaj podatnika",
                              {"niebędący osobą fizyczną", "osoba fizyczna", "osoba zagraniczna"}, 3, 0);
    e_pesel = newCaption(g, kEntity.idNo, m_pesel, "e_pesel");
    e_nazwisko = newCaption(g, kEntity.name, z_nazwisko, "e_nazwisko");
    e_imojca = newCaption(g, kEntity.name2, z_imojca, "e_imojca");
    e_dur = newCaption(g, kEntity.date, m_dur, "e_dur");
    auto* grid = new QGridLayout(g_ident);
    grid->setVerticalSpacing(1);
    placeBelowCaption(grid, 0, 0, e_pesel, m_pesel);
    placeBelowCaption(grid, 0, 1, e_nazwisko, z_nazwisko, 2);
    placeBelowCaption(grid, 2, 0, e_imojca, z_imojca, 2);
    placeBelowCaption(grid, 2, 2, e_dur, m_dur);
    grid->addWidget(r_rodzpod, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    columnOf(page)->addWidget(g_ident);
    columnOf(page)->addStretch(1);
}

void Tpdlg_vatr::buildAddressPage()
{
    QWidget* page = addPage("B.2-B.3");
    Fr_adr_s = newFrame<TFr_adr1>(page, "Fr_adr_s");
    columnOf(page)->addWidget(Fr_adr_s);

    g_da_dodat = newGroup(page, "g_da_dodat", "B.3. DANE DODATKOWE PODATNIKA BĘDĄCEGO OSOBĄ ZAGRANICZNĄ");
    z_nipzagr = newEdit(g_da_dodat, "z_nipzagr");
    auto* foreign = new QGridLayout(g_da_dodat);
    foreign->setVerticalSpacing(1);
    placeBelowCaption(foreign, 0, 0,
                      newCaption(g_da_dodat,
                                 "Numer, pod którym podatnik jest zidentyfikowany na potrzeby podatku od wartości "
                                 "dodanej, wraz z kodem kraju",
                                 z_nipzagr, "e_nipzagr"),
                      z_nipzagr);
    foreign->setColumnStretch(1, 1);
    columnOf(page)->addWidget(g_da_dodat);
    columnOf(page)->addStretch(1);
}

void Tpdlg_vatr::buildObligationPage()
{
    QWidget* page = addPage("C.1");
    g_obow_pod = newGroup(page, "g_obow_pod", "C.1. OKOLICZNOŚCI OKEŚLAJĄCE OBOWIĄZEK PODATKOWY");
    ch_obow_pod = new CheckList(g_obow_pod, "ch_obow_pod", kObligationItems);
    dt_obow = new DatePicker(g_obow_pod, "dt_obow");
    QVBoxLayout* obligation = newColumn(g_obow_pod);
    obligation->addWidget(ch_obow_pod, 1);
    auto* date = new QHBoxLayout;
    date->addWidget(newCaption(g_obow_pod, "Data, od której przysługuje zwolnienie lub następuje jego utrata",
                               dt_obow, "e_dt_obow"));
    date->addWidget(dt_obow);
    date->addStretch(1);
    obligation->addLayout(date);
    columnOf(page)->addWidget(g_obow_pod, 1);

    G_30 = newGroup(page, "G_30", "30. Obowiązek podatkowy u małych podatników");
    cashMethod_ = new QButtonGroup(this);
    rb_kas1 = newOption(G_30, cashMethod_, "rb_kas1", "1. wybór metody kasowej", 1);
    rb_kas2 = newOption(G_30, cashMethod_, "rb_kas2", "2. rezygnacja z metody kasowej", 2);
    rb_kas3 = newOption(G_30, cashMethod_, "rb_kas3", "3. utrata prawa do metody kasowej", 3);
    rb_kas0 = newOption(G_30, cashMethod_, "rb_kas0", "nie dotyczy", kNotApplicable);
    rb_kas0->setChecked(true);
    const PeriodRow cash = newPeriodRow(G_30, {"e_dt2_m", "cb_dt2_m", "m_dt2_rok", "ud_dt2_rok"},
                                        "Od kwartału lub miesiąca", kMonths, kMonthOrQuarter, 2000);
    cashPeriod_ = cash.row;
    cb_dt2_m = cash.period;
    m_dt2_rok = cash.year;
    ud_dt2_rok = cash.upDown;
    layOutGroup(G_30, {rb_kas1, rb_kas2, rb_kas3, rb_kas0}, cashPeriod_);
    columnOf(page)->addWidget(G_30);

    g_32 = newGroup(page, "g_32", "32. Deklaracje kwartalne");
    quarterly_ = new QButtonGroup(this);
    rb_kw1 = newOption(g_32, quarterly_, "rb_kw1", "1. wybór składania deklaracji kwartalnych", 1);
    rb_kw2 = newOption(g_32, quarterly_, "rb_kw2", "2. rezygnacja ze składania deklaracji kwartalnych", 2);
    rb_kw3 = newOption(g_32, quarterly_, "rb_kw3", "3. utrata prawa do składania deklaracji kwartalnych", 3);
    rb_kw0 = newOption(g_32, quarterly_, "rb_kw0", "nie dotyczy", kNotApplicable);
    rb_kw0->setChecked(true);
    const PeriodRow quarter = newPeriodRow(g_32, {"e_dt3_m", "cb_dt3_m", "m_dt3_rok", "ud_dt3_rok"},
                                           "Kwartał ostatniej deklaracji kwartalnej", kQuarters,
                                           " - nie jest poprawnym numerem kwartału", 2000);
    quarterlyPeriod_ = quarter.row;
    cb_dt3_m = quarter.period;
    m_dt3_rok = quarter.year;
    ud_dt3_rok = quarter.upDown;
    layOutGroup(g_32, {rb_kw1, rb_kw2, rb_kw3, rb_kw0}, quarterlyPeriod_);
    columnOf(page)->addWidget(g_32);
}

void Tpdlg_vatr::buildDeclarationPage()
{
    QWidget* page = addPage("C.1 c.d.-D");
    G_34 = newGroup(page, "G_34", "34. Szczególne procedury");
    specialProc_ = new QButtonGroup(this);
    rb_proc1 = newOption(G_34, specialProc_, "rb_proc1", "1. wybór procedury marży", 1);
    RB_proc2 = newOption(G_34, specialProc_, "RB_proc2", "2. rezygnacja z procedury marży", 2);
    rb_proc3 = newOption(G_34, specialProc_, "rb_proc3", "3. procedura marży dla usług turystyki", 3);
    rb_proc4 = newOption(G_34, specialProc_, "rb_proc4", "4. procedura szczególna dla złota inwestycyjnego", 4);
    rb_proc0 = newOption(G_34, specialProc_, "rb_proc0", "nie dotyczy", kNotApplicable);
    rb_proc0->setChecked(true);
    const PeriodRow month =
        newPeriodRow(G_34, {"e_dt4_m", "cb_dt4_m", "m_dt4_rok", "ud_dt4_rok"}, "Od miesiąca", kMonths,
                     " - nie jest poprawnym numerem miesiąca", 2000);
    specialPeriod_ = month.row;
    cb_dt4_m = month.period;
    m_dt4_rok = month.year;
    ud_dt4_rok = month.upDown;
    layOutGroup(G_34, {rb_proc1, RB_proc2, rb_proc3, rb_proc4, rb_proc0}, specialPeriod_);
    columnOf(page)->addWidget(G_34);

    g_c2 = newGroup(page, "g_c2", "C.2. INFORMACJE DOTYCZĄCE SKŁADANIA DEKLARACJI");
    firstDecl_ = new QButtonGroup(this);
    rb_dek1 = newOption(g_c2, firstDecl_, "rb_dek1", "1. VAT-7", 1);
    rb_dek2 = newOption(g_c2, firstDecl_, "rb_dek2", "2. VAT-7K", 2);
    rb_dek3 = newOption(g_c2, firstDecl_, "rb_dek3", "3. VAT-8", 3);
    rb_dek4 = newOption(g_c2, firstDecl_, "rb_dek4", "4. VAT-12", 4);
    rb_dek1->setChecked(true);
    const PeriodRow first = newPeriodRow(g_c2, {"e_dt5_m", "cb_dt5_m", "m_dt5_rok", "ud_dt5_rok"},
                                         "Pierwsza deklaracja za kwartał lub miesiąc", kMonths, kMonthOrQuarter, 1990);
    cb_dt5_m = first.period;
    m_dt5_rok = first.year;
    ud_dt5_rok = first.upDown;
    auto* forms = new QHBoxLayout;
    for (QWidget* option : {rb_dek1, rb_dek2, rb_dek3, rb_dek4})
        forms->addWidget(option);
    forms->addStretch(1);
    QVBoxLayout* declarations = newColumn(g_c2);
    declarations->addLayout(forms);
    declarations->addWidget(first.row);
    columnOf(page)->addWidget(g_c2);

    g_c3 = newGroup(page, "g_c3", "C.3. INFORMACJA O ZAŁĄCZNIKU");
    ch_zalue = newCheckBox(g_c3, "ch_zalue", "do niniejszego zgłoszenia dołączono VAT-R/UE");
    ch_zalue->setChecked(true);
    newColumn(g_c3)->addWidget(ch_zalue);
    columnOf(page)->addWidget(g_c3);

    g_d = newGroup(page, "g_d", "D. DANE OSOBY SKŁADAJĄCEJ ZGŁOSZENIE");
    fr_osw = newFrame<Tfr_osw>(g_d, "fr_osw");
    z_osw_tel = newEdit(g_d, "z_osw_tel", 25);
    z_email = newEdit(g_d, "z_email", 30);
    QVBoxLayout* declarant = newColumn(g_d);
    declarant->addWidget(fr_osw);
    auto* contact = new QGridLayout;
    contact->setVerticalSpacing(1);
    placeBelowCaption(contact, 0, 0, newCaption(g_d, "Telefon kontaktowy", z_osw_tel, "e_osw_tel"), z_osw_tel);
    placeBelowCaption(contact, 0, 1, newCaption(g_d, "Adres e-mail", z_email, "e_email"), z_email);
    declarant->addLayout(contact);
    columnOf(page)->addWidget(g_d);
    columnOf(page)->addStretch(1);
}

void Tpdlg_vatr::buildAttachmentPage()
{
    ts_vatrue = addPage("VAT-R/UE");
    ts_vatrue->setObjectName("ts_vatrue");
    g_inf_tr = newGroup(ts_vatrue, "g_inf_tr",
                        "B. INFORMACJE DOTYCZĄCE WYKONYWANIA TRANSAKCJI WEWNĄTRZWSPÓLNOTOWYCH");
    QVBoxLayout* column = newColumn(g_inf_tr);

    g_rejvatue = newGroup(g_inf_tr, "g_rejvatue", "4. Rejestracja podatników VAT UE");
    ch_wdt = newCheckBox(g_rejvatue, "ch_wdt", "1. wewnątrzwspólnotowa dostawa towarów");
    Ch_wnt = newCheckBox(g_rejvatue, "Ch_wnt", "2. wewnątrzwspólnotowe nabycie towarów");
    ch_wnt1 = newCheckBox(g_rejvatue, "ch_wnt1",
                          "3. wewnątrzwspólnotowe nabycie towarów przez podatnika korzystającego ze zwolnienia");
    Ch_usl = newCheckBox(g_rejvatue, "Ch_usl", "4. świadczenie usług wewnątrzwspólnotowych");
    QVBoxLayout* kinds = newColumn(g_rejvatue);
    for (QWidget* kind : {ch_wdt, Ch_wnt, ch_wnt1, Ch_usl})
        kinds->addWidget(kind);
    column->addWidget(g_rejvatue);

    dt_rozp = new DatePicker(g_inf_tr, "dt_rozp");
    auto* start = new QHBoxLayout;
    start->addWidget(newCaption(g_inf_tr, "5. Data rozpoczęcia wykonywania transakcji wewnątrzwspólnotowych", dt_rozp,
                                "e_drozp"));
    start->addWidget(dt_rozp);
    start->addStretch(1);
    column->addLayout(start);

    g_zakvatue = newGroup(g_inf_tr, "g_zakvatue", "6. Informacja o zakończeniu transakcji wewnątrzwspólnotowych");
    ch_rez_wdt = newCheckBox(g_zakvatue, "ch_rez_wdt", "1. zakończenie wewnątrzwspólnotowych dostaw towarów");
    ch_rez_wnt = newCheckBox(g_zakvatue, "ch_rez_wnt", "2. zakończenie wewnątrzwspólnotowych nabyć towarów");
    ch_rez_usl = newCheckBox(g_zakvatue, "ch_rez_usl", "3. zakończenie świadczenia usług wewnątrzwspólnotowych");
    ch_rez = newCheckBox(g_zakvatue, "ch_rez", "4. zakończenie wszystkich transakcji wewnątrzwspólnotowych");
    QVBoxLayout* ends = newColumn(g_zakvatue);
    for (QWidget* end : {ch_rez_wdt, ch_rez_wnt, ch_rez_usl, ch_rez})
        ends->addWidget(end);
    column->addWidget(g_zakvatue);

    dt_zak = new DatePicker(g_inf_tr, "dt_zak");
    e_dzak = newCaption(g_inf_tr, "7. Data zakończenia wykonywania transakcji wewnątrzwspólnotowych", dt_zak,
                        "e_dzak");
    auto* end = new QHBoxLayout;
    end->addWidget(e_dzak);
    end->addWidget(dt_zak);
    end->addStretch(1);
    column->addLayout(end);

    ch_kaucja = newCheckBox(g_inf_tr, "ch_kaucja", "kaucja złożona u naczelnika urzędu skarbowego");
    column->addWidget(ch_kaucja);
    columnOf(ts_vatrue)->addWidget(g_inf_tr);
    columnOf(ts_vatrue)->addStretch(1);
}

BindingTable Tpdlg_vatr::bindControls() const
{
    using namespace vatr;
    BindingTable bindings = {
        {m_nip, vatr::nip, Conv::EuVat, kNipFormType},
        {r_przez_form, purpose, Conv::Choice},
        {c_urzsk, tax_office, Conv::Text},
        {m_uszagr, foreign_office_lines, Conv::MemoFilledLines},
        // The kind first: it sets the mask the identification number loads into.
        {r_rodzpod, taxpayer_kind, Conv::Index},
        {z_nazwisko, name, Conv::Text},
        {z_imojca, name_2, Conv::Text},
        {m_pesel, id_no, Conv::Text},
        {m_dur, birth_or_start_date, Conv::Date},
    };
    bindings += officeChangeBindings(office_changed, prev_tax_office);
    bindings += Fr_adr_s->bindings(addr, addr_email);
    bindings += BindingTable{
        {z_nipzagr, foreign_vat_no, Conv::Text},
        {ch_obow_pod, c1_items, Conv::CheckList},
        {dt_obow, c1_date, Conv::PickerDate},
        {cashMethod_, cash_method, Conv::Code},
        whileChosen({cb_dt2_m, cash_method_period, Conv::ComboChoice}, cashMethod_, kCashItemsWithPeriod),
        whileChosen({m_dt2_rok, cash_method_year, Conv::Year}, cashMethod_, kCashItemsWithPeriod),
        {quarterly_, quarterly, Conv::Code},
        whileChosen({cb_dt3_m, quarterly_quarter, Conv::ComboChoice}, quarterly_, kQuarterlyItemsWithQuarter),
        whileChosen({m_dt3_rok, quarterly_year, Conv::Year}, quarterly_, kQuarterlyItemsWithQuarter),
        {specialProc_, special_proc, Conv::Code},
        whileChosen({cb_dt4_m, special_proc_month, Conv::ComboChoice}, specialProc_, kSpecialItemsWithMonth),
        whileChosen({m_dt4_rok, special_proc_year, Conv::Year}, specialProc_, kSpecialItemsWithMonth),
        {firstDecl_, first_decl_form, Conv::Code},
        {cb_dt5_m, first_decl_period, Conv::ComboChoice},
        {m_dt5_rok, first_decl_year, Conv::Year},
        {ch_zalue, vat_r_ue_attached, Conv::Flag},
    };
    bindings += fr_osw->bindings({declarant_first_name, declarant_surname, fill_date});
    bindings += BindingTable{
        {z_osw_tel, declarant_phone, Conv::Text},
        {z_email, declarant_email, Conv::Text},
    };
    const BindingTable attachment = {
        {ch_wdt, ue_kinds.item(0), Conv::Flag},
        {Ch_wnt, ue_kinds.item(1), Conv::Flag},
        {ch_wnt1, ue_kinds.item(2), Conv::Flag},
        {Ch_usl, ue_kinds.item(3), Conv::Flag},
        {dt_rozp, ue_start_date, Conv::PickerDate},
        {ch_rez_wdt, ue_end_kinds.item(0), Conv::Flag},
        {ch_rez_wnt, ue_end_kinds.item(1), Conv::Flag},
        {ch_rez_usl, ue_end_kinds.item(2), Conv::Flag},
        {ch_rez, ue_end_kinds.item(3), Conv::Flag},
        {dt_zak, ue_end_date, Conv::PickerDate},
        {ch_kaucja, deposit, Conv::Flag},
    };
    for (const Binding& b : attachment)
        bindings.push_back(whileAttached(b, ch_zalue));
    return bindings;
}

void Tpdlg_vatr::setDefaults()
{
    const Date4 now = today();
    for (DatePicker* picker : {dt_obow, dt_rozp, dt_zak})
        picker->setDate4(now);
    for (UpDown* year : {ud_dt2_rok, ud_dt3_rok, ud_dt4_rok, ud_dt5_rok})
        year->setPosition(now.year);
    for (QComboBox* month : {cb_dt2_m, cb_dt4_m, cb_dt5_m})
        month->setCurrentIndex(now.month - 1);
    cb_dt3_m->setCurrentIndex((now.month - 1) / 3);
}

void Tpdlg_vatr::applyRules()
{
    r_przez_formClick();
    rb_usClick();
    r_rodzpodClick();
    rb_kasClick();
    rb_kwClick();
    rb_procClick();
    ch_zalueClick();
    ch_rejvatueClick();
}

void Tpdlg_vatr::r_przez_formClick() { g_zm_us->setVisible(r_przez_form->itemIndex() != kIdentification); }


void Tpdlg_vatr::r_rodzpodClick()
{
    // A kind of no option (a damaged record) is taken as the first: the
    // REGON box shows a PESEL whole too.
    const bool person = r_rodzpod->itemIndex() > 0;
    const KindCaptions& kind = person ? kPerson : kEntity;
    e_nazwisko->setText(kind.name);
    e_imojca->setText(kind.name2);
    e_pesel->setText(kind.idNo);
    e_dur->setText(kind.date);
    if (m_pesel->editMask() != kind.idMask) {
        if (person)
            m_pesel->setEditMask(kind.idMask);
        else
            setRegonMask(m_pesel);
    }
    Fr_adr_s->g_adr->setTitle(kind.address);
}

void Tpdlg_vatr::rb_kasClick() { cashPeriod_->setVisible(!rb_kas0->isChecked()); }

void Tpdlg_vatr::rb_kwClick() { quarterlyPeriod_->setVisible(isOneOf(quarterly_, kQuarterlyItemsWithQuarter)); }

void Tpdlg_vatr::rb_procClick() { specialPeriod_->setVisible(isOneOf(specialProc_, kSpecialItemsWithMonth)); }

void Tpdlg_vatr::ch_zalueClick() { pages->setTabVisible(pages->indexOf(ts_vatrue), ch_zalue->isChecked()); }

void Tpdlg_vatr::ch_rejvatueClick()
{
    const bool registering = ch_wdt->isChecked() || Ch_wnt->isChecked() || ch_wnt1->isChecked() || Ch_usl->isChecked();
    e_dzak->setVisible(!registering);
    dt_zak->setVisible(!registering);
}
