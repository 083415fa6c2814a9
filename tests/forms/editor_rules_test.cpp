// Rules several editors share, one row per editor and control.
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"

#include <variant>

namespace {

constexpr Date4 kToday{2005, 12, 7};

struct Default {
    Field field;
    std::variant<std::string, int, Date4> value;
};

void put(Bytes rec, const Field& f, const std::string& text) { setStr(rec, f, text); }
void put(Bytes rec, const Field& f, Date4 date) { setDate(rec, f, date); }
void put(Bytes rec, const Field& f, int n)
{
    f.type == FieldType::I32 ? setI32(rec, f, n) : setU8(rec, f, static_cast<std::uint8_t>(n));
}

std::vector<Default> polish(std::initializer_list<Field> addresses) // their country
{
    std::vector<Default> out;
    for (const Field& block : addresses)
        out.push_back({block / address_block::country, "POLSKA"});
    return out;
}

std::vector<Default> operator+(std::vector<Default> a, const std::vector<Default>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// What a new record of each form holds besides its account and zeros.
std::vector<Default> defaultsOf(Form form)
{
    using namespace nip;
    const std::vector<Default> personal = {
        {purpose, 2}, {pesel, std::string(11, ' ')}, {id_doc_kind, cp("DOWÓD OSOBISTY")}, {citizenship, "POLSKIE"}};
    const std::vector<Default> accounting = {
        {regon, std::string(9, ' ')}, {accounting_kind, 2}, {accounting_keeper, 1}};
    switch (form) {
    case Form::Nip1:
        return personal + accounting + polish({reg_addr, res_addr, records_addr, seat_addr, site1_addr, site2_addr});
    case Form::Nip2:
        return accounting +
               polish({seat_addr, records_addr, site1_addr, site2_addr, site3_addr, nip2_parent_seat_addr}) +
               std::vector<Default>{{nip2_org_form, 3}, {nip2_legal_form, 1}, {nip2_parent_regon, std::string(9, ' ')}};
    case Form::Nip3: // and no dates with the empty addresses
        return personal + polish({nip3_reg_addr, nip3_res_addr});
    case Form::NipB:
        return {{nipb::fill_date, kToday}};
    case Form::VatR:
        return polish({vatr::addr}) + std::vector<Default>{{vatr::purpose, 2}, {vatr::id_no, std::string(9, ' ')},
                                                           {vatr::c1_date, kToday}, {vatr::first_decl_form, 1},
                                                           {vatr::first_decl_period, 12}, {vatr::first_decl_year, 2005},
                                                           {vatr::vat_r_ue_attached, 1}, {vatr::ue_start_date, kToday},
                                                           {vatr::ue_end_date, kToday}};
    case Form::VatZ:
        return polish({vatz::addr}) + std::vector<Default>{{vatz::cessation_date, kToday}, {vatz::last_decl_year, 2005},
                                                           {vatz::fill_date, kToday}};
    case Form::Vat21:
        return polish({vat21::addr}) + std::vector<Default>{{vat21::fill_date, kToday}};
    }
    return {};
}

} // namespace

class EditorRulesTest : public EditorTest {
    Q_OBJECT
private slots:
    // Saved at once, a new record holds the defaults, at its index; the records around it stay.
    void aNewRecordSavedAtOnceHoldsTheDefaults()
    {
        constexpr std::uint8_t kPattern = 0x5A;
        for (const FormInfo& info : forms()) {
            const Form f = info.form;
            writeRecordFile(f, newRecord(f, kPattern), newRecord(f));
            auto d = openEditor(f, EditorDialog::NewRecord);
            d->kl_okClick();
            Record expected = newRecord(f);
            if (info.formType)
                expected[2416] = info.formType; // the NIP forms' own number
            for (const auto& [field, value] : defaultsOf(f))
                std::visit([&](const auto& v) { put(expected, field, v); }, value);
            QVERIFY2(storedRecord(f) == expected && bufferRecord(f) == expected, formInfo(f).name.data());
            for (int n : {kAccount - 1, kAccount + 1}) {
                Record neighbour = newRecord(f, kPattern);
                setStr(neighbour, nip::account_no, std::to_string(n));
                QVERIFY2(storedRecord(f, n) == neighbour, formInfo(f).name.data());
            }
        }
    }

    // An impossible or half-typed date is refused on leaving its field, which
    // takes the focus back on its page; leaving for "Anuluj" checks nothing,
    // and a possible date or none lets the focus go.
    void anImpossibleDateIsRefusedOnLeavingItsField()
    {
        const std::tuple<Form, const char*, const char*> rows[] = { // the date, a box to leave it for
            {Form::Nip1, "m_dur", "z_mur"},         {Form::Nip1, "d_rozp", "m_l_reg"},
            {Form::Nip2, "d_rozp", "m_nip"},        {Form::Nip2, "fr_org_rej1/m_drej", "m_nip"},
            {Form::Nip2, "fr_org_rej2/m_drej", "m_nip"}, {Form::Nip2, "fr_osw1/m_dwyp", "m_nip"},
            {Form::Nip3, "m_dur", "z_mur"},         {Form::Nip3, "m_dzm1", "z_infzm2"},
            {Form::Nip3, "m_dzm2", "z_infzm1"},     {Form::Nip3, "d_zak", "m_zal_a"},
            {Form::Nip3, "m_dwyp", "z_osw_im"},     {Form::NipB, "m_dur", "m_pesel"},
            {Form::VatR, "m_dur", "m_pesel"},       {Form::VatR, "fr_osw/m_dwyp", "z_osw_tel"}};
        for (const auto& [form, field, next] : rows) {
            auto d = openEditor(form, EditorDialog::NewRecord);
            if (form == Form::NipB)
                control<QAbstractButton>(*d, "Ch_os")->click(); // a person's birth date
            auto* date = control<MaskedEdit>(*d, field);
            auto* neighbour = control(*d, next);
            for (const char* refused : {"31-04-2006", "12-0"}) {
                focusOn(date);
                date->setText(refused);
                focusOn(neighbour);
                QVERIFY2(env->messages.texts() == std::vector<std::string>{"Niepoprawna data"}, field);
                env->messages.shown.clear();
                QVERIFY2(QApplication::focusWidget() == date && d->pages->currentWidget()->isAncestorOf(date), field);
            }
            moveFocus(d->kl_anuluj);
            for (const char* accepted : {"29-02-2004", ""}) {
                focusOn(date);
                date->setText(accepted);
                focusOn(neighbour);
                QVERIFY2(QApplication::focusWidget() == neighbour && env->messages.shown.empty(), field);
            }
        }
    }

    // A period box takes only its own numbers, spaces around them allowed.
    void aPeriodBoxRefusesWhatIsNoneOfItsItems()
    {
        const QString monthOrQuarter = " - nie jest poprawnym numerem miesiąca lub kwartału";
        const struct {
            Form form;
            const char* option; // shows the box
            QString box, typed, message;
            std::uint32_t offset;
        } rows[] = {
            {Form::VatR, "rb_kas2", "cb_dt2_m", "13", "13" + monthOrQuarter, 739},
            {Form::VatR, "rb_kw3", "cb_dt3_m", "5", "5 - nie jest poprawnym numerem kwartału", 745},
            {Form::VatR, "rb_proc1", "cb_dt4_m", "0", "0 - nie jest poprawnym numerem miesiąca", 751},
            {Form::VatR, "rb_dek2", "cb_dt5_m", "x", "x" + monthOrQuarter, 757},
            {Form::VatZ, nullptr, "cb_dt_ost_m", "13", "13" + monthOrQuarter, 496},
        };
        for (const auto& row : rows) {
            auto d = openEditor(row.form, EditorDialog::NewRecord);
            if (row.option)
                control<QAbstractButton>(*d, row.option)->click();
            auto* period = control<QComboBox>(*d, row.box);
            QWidget* year = control(*d, QString(row.box).replace("cb_", "m_").chopped(1) + "rok"); // its year
            QVERIFY2(period && year, qPrintable(row.box));
            focusOn(period);
            period->setEditText(row.typed);
            moveFocus(year);
            QCOMPARE(env->messages.texts(), std::vector<std::string>{row.message.toStdString()});
            env->messages.shown.clear();
            QVERIFY(isWithin(QApplication::focusWidget(), period));
            period->setEditText(" 3 ");
            moveFocus(year);
            QCOMPARE(QApplication::focusWidget(), year);
            d->kl_okClick();
            QCOMPARE(storedRecord(row.form)[row.offset], std::uint8_t(3));
        }
    }

    // Offices listed in capitals; the office change shown only beside an update, the former office
    // only when it changed; a stored purpose 0 shows none chosen.
    void thePurposeAndTheOfficeChangeShowTheirBoxes()
    {
        writeOffices({cp("Urząd Skarbowy w Sopocie")});
        // The purpose buttons, the offsets of the purpose and of the office change.
        const std::tuple<Form, QString, std::uint32_t, std::uint32_t> rows[] = {{Form::Nip1, "r_przez_form", 20, 82},
                                                                                {Form::Nip2, "g_przez_for", 20, 82},
                                                                                {Form::Nip3, "r_przez_form", 20, 82},
                                                                                {Form::VatR, "r_przez_form", 23, 249}};
        for (const auto& [f, purposes, purpose, officeChanged] : rows) {
            auto d = openEditor(f, EditorDialog::NewRecord);
            for (const char* offices : {"c_urzsk", "c_pop_us"})
                QCOMPARE(control<QComboBox>(*d, offices)->itemText(0), QString("URZĄD SKARBOWY W SOPOCIE"));
            const auto shown = [&d](const char* name) { return !control(*d, name)->isHidden(); };
            const auto options = [&] { return control(*d, purposes)->findChildren<QRadioButton*>(); };
            QVERIFY(shown("g_zm_us") && !shown("c_pop_us") && !shown("e_pop_us"));
            control<QAbstractButton>(*d, "rb_us")->click();
            QVERIFY(shown("c_pop_us") && shown("e_pop_us"));
            control<QAbstractButton>(*d, "rb_nie_us")->click();
            QVERIFY(!shown("c_pop_us") && !shown("e_pop_us"));
            control<QAbstractButton>(*d, "rb_us")->click();
            options().first()->click(); // "identification"
            QVERIFY(!shown("g_zm_us"));
            options().last()->click();
            QVERIFY(shown("g_zm_us"));
            d->kl_okClick();
            QCOMPARE(storedRecord(f)[officeChanged], std::uint8_t(1));

            bufferOf(f)[purpose] = 0;
            bufferOf(f)[officeChanged] = 7;
            d = openEditor(f, EditorDialog::Update);
            for (const QRadioButton* option : options())
                QVERIFY(!option->isChecked());
            QVERIFY(shown("g_zm_us") && shown("c_pop_us") && control<QAbstractButton>(*d, "rb_us")->isChecked());
        }
    }

};

int runEditorRulesTest(int argc, char** argv) { return runTest<EditorRulesTest>(argc, argv); }

#include "editor_rules_test.moc"
