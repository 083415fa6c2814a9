// Rules several editors share, one row per editor and control.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/help.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <filesystem>
#include <functional>

namespace {

constexpr Date4 kToday{2005, 12, 7};

// The control at "frame/control" (or a bare name) below the editor.
template <class T = QWidget> T* control(QObject& editor, const QString& path)
{
    QObject* at = &editor;
    for (const QString& name : path.split('/'))
        at = at ? at->findChild<QObject*>(name) : nullptr;
    return qobject_cast<T*>(at);
}

void addFormColumn()
{
    QTest::addColumn<int>("form");
}

using Fill = std::function<void(Bytes)>;

void polishAddresses(Bytes rec, std::initializer_list<Field> blocks)
{
    for (const Field& block : blocks)
        setStr(rec, block / address_block::country, "POLSKA");
}

void personalDefaults(Bytes rec)
{
    setU8(rec, nip::purpose, 2);
    setStr(rec, nip::pesel, std::string(11, ' '));
    setStr(rec, nip::id_doc_kind, cp("DOWÓD OSOBISTY"));
    setStr(rec, nip::citizenship, "POLSKIE");
}

} // namespace
Q_DECLARE_METATYPE(Fill)
Q_DECLARE_METATYPE(Field)

class EditorRulesTest : public EditorTest {
    Q_OBJECT
public:
    EditorRulesTest() : EditorTest(Form::Nip1, kToday) {}

protected:
    void writeFiles() override
    {
        for (const FormInfo& f : forms())
            writeRecordFile(f.form);
    }

private slots:
    // Saved at once, a new record holds the form's defaults and nothing
    // else, at the account's index; the records around it stay as they were.
    void aNewRecordSavedAtOnceHoldsTheDefaults_data()
    {
        addFormColumn();
        QTest::addColumn<Fill>("defaults");
        QTest::newRow("NIP-1") << int(Form::Nip1) << Fill([](Bytes rec) {
            personalDefaults(rec);
            setStr(rec, nip::regon, std::string(9, ' '));
            setU8(rec, nip::accounting_kind, 2);
            setU8(rec, nip::accounting_keeper, 1);
            polishAddresses(rec, {nip::reg_addr, nip::res_addr, nip::records_addr, nip::seat_addr, nip::site1_addr,
                                  nip::site2_addr});
        });
        QTest::newRow("NIP-2") << int(Form::Nip2) << Fill([](Bytes rec) {
            setStr(rec, nip::regon, std::string(9, ' '));
            setU8(rec, nip::nip2_org_form, 3);
            setU8(rec, nip::nip2_legal_form, 1);
            setU8(rec, nip::accounting_kind, 2);
            setU8(rec, nip::accounting_keeper, 1);
            setStr(rec, nip::nip2_parent_regon, std::string(9, ' '));
            polishAddresses(rec, {nip::seat_addr, nip::records_addr, nip::site1_addr, nip::site2_addr,
                                  nip::site3_addr, nip::nip2_parent_seat_addr});
        });
        QTest::newRow("NIP-3") << int(Form::Nip3) << Fill([](Bytes rec) {
            personalDefaults(rec); // and no dates with the empty addresses
            polishAddresses(rec, {nip::nip3_reg_addr, nip::nip3_res_addr});
        });
        QTest::newRow("NIP-B") << int(Form::NipB) << Fill([](Bytes rec) { setDate(rec, nipb::fill_date, kToday); });
        QTest::newRow("VAT-R") << int(Form::VatR) << Fill([](Bytes rec) {
            setU8(rec, vatr::purpose, 2);
            setStr(rec, vatr::id_no, std::string(9, ' '));
            polishAddresses(rec, {vatr::addr});
            setDate(rec, vatr::c1_date, kToday);
            setU8(rec, vatr::first_decl_form, 1);
            setU8(rec, vatr::first_decl_period, 12);
            setI32(rec, vatr::first_decl_year, 2005);
            setU8(rec, vatr::vat_r_ue_attached, 1);
            setDate(rec, vatr::ue_start_date, kToday);
            setDate(rec, vatr::ue_end_date, kToday);
        });
        QTest::newRow("VAT-Z") << int(Form::VatZ) << Fill([](Bytes rec) {
            polishAddresses(rec, {vatz::addr});
            setDate(rec, vatz::cessation_date, kToday);
            setI32(rec, vatz::last_decl_year, kToday.year);
            setDate(rec, vatz::fill_date, kToday);
        });
        QTest::newRow("VAT-21") << int(Form::Vat21) << Fill([](Bytes rec) {
            polishAddresses(rec, {vat21::addr});
            setDate(rec, vat21::fill_date, kToday);
        });
    }
    void aNewRecordSavedAtOnceHoldsTheDefaults()
    {
        QFETCH(int, form);
        QFETCH(Fill, defaults);
        const Form f = static_cast<Form>(form);
        constexpr std::uint8_t kPattern = 0x5A;
        writeRecordFile(f, newRecord(f, kPattern), newRecord(f));
        auto d = openEditor(f, EditorDialog::NewRecord);
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));

        Record expected = newRecord(f);
        if (formInfo(f).formType)
            setU8(expected, nip::form_type, formInfo(f).formType);
        defaults(expected);
        QCOMPARE(storedRecord(f), expected);
        QCOMPARE(Record(bufferOf(f).begin(), bufferOf(f).end()), expected);
        for (int n : {kAccount - 1, kAccount + 1}) {
            Record neighbour = newRecord(f, kPattern);
            setStr(neighbour, nip::account_no, std::to_string(n));
            QCOMPARE(storedRecord(f, n), neighbour);
        }
    }

    // The form's controls in its order (frames by their controls), and the
    // buttons last.
    void controlsFollowTheFormInTabOrderWithTheButtonsLast_data()
    {
        addFormColumn();
        QTest::addColumn<QStringList>("inOrder");
        QTest::newRow("NIP-1") << int(Form::Nip1) << QStringList{
            "m_nip", "c_urzsk", "rb_nie_us", "rb_us", "c_pop_us", "m_pesel", "z_nazwisko", "z_imie1", "z_im2",
            "z_imojca", "z_immatki", "m_dur", "z_mur", "z_nazw_rod", "c_rodz_dok_t", "z_nrdok_t", "c_obyw",
            "z_in_kr_nr", "chbox_kor_adzam", "d_rozp", "m_l_reg", "chbox_zw_pod", "nr_nip_br", "z_nazwa_br", "z_nazpel",
            "z_nazskr", "chbox_kor_siedz", "z_osw_im", "z_osw_nazw", "m_dwyp"};
        QTest::newRow("NIP-2") << int(Form::Nip2) << QStringList{
            "m_nip", "rb_ident", "rb_akt", "rb_akt_nip", "c_urzsk", "rb_nie_us", "rb_us", "c_pop_us", "z_nazpel",
            "z_nazskr", "m_l_reg", "z_naz_org_rej", "d_rozp", "z_kod_fpr", "chbox_bil", "chbox_bank", "chbox_zaktz",
            "z_in_kr", "z_pkd", "chbox_zw_pod", "nr_nip_br", "z_nazwa_br", "nazp_mac", "nazskr_mac", "m_nip_mac",
            "m_reg_mac", "m_zal_a", "m_zal_d", "z_osw_im", "m_dwyp", "m_d_przyst", "z_naz_pel", "m_nip_wsp",
            "m_reg_wsp"};
        QTest::newRow("NIP-3") << int(Form::Nip3) << QStringList{
            "m_nip", "c_urzsk", "rb_nie_us", "rb_us", "c_pop_us", "m_pesel", "z_nazwisko", "c_obyw", "z_infzm1",
            "m_dzm1", "z_infzm2", "m_dzm2", "z_in_kr", "z_in_kr_nr", "z_in_kr", "z_in_kr_nr", "z_ul", "z_faks",
            "dt_zameld", "chbox_kor_adzam", "z_ul", "z_faks", "dt_zamiesz", "z_nrrach", "chbox_lik_rach", "m_zal_a",
            "d_zak", "z_osw_im", "z_osw_nazw", "m_dwyp", "nr_nip_br", "z_nazwa_br"};
        QStringList accounts;
        for (int k = 1; k <= 6; ++k)
            for (const char* box : {"c_naz_ban", "z_nrrach", "z_pos_rach", "chbox_lik_rach"})
                accounts << QString("fr_nrrach%1.%2").arg(k).arg(box);
        const QStringList declarant = {"fr_osw1.z_osw_im", "fr_osw1.z_osw_nazw", "fr_osw1.m_dwyp"};
        QTest::newRow("NIP-B") << int(Form::NipB)
                               << QStringList{"m_nip", "Ch_os", "z_nazwisko", "z_imie", "m_dur", "m_pesel"} +
                                      accounts.mid(0, 8) + declarant + accounts.mid(8);
        QTest::newRow("VAT-R") << int(Form::VatR) << QStringList{
            "m_nip", "c_urzsk", "m_uszagr", "rb_nie_us", "rb_us", "c_pop_us", "m_pesel", "z_nazwisko", "z_imojca",
            "m_dur", "z_email", "z_nipzagr", "ch_obow_pod", "dt_obow", "rb_kas1", "rb_kas0", "cb_dt2_m", "m_dt2_rok",
            "rb_kw1", "cb_dt3_m", "rb_proc1", "rb_proc0", "cb_dt4_m", "rb_dek1", "rb_dek4", "cb_dt5_m", "m_dt5_rok",
            "ch_zalue", "z_osw_im", "z_osw_nazw", "m_dwyp", "z_osw_tel", "z_email", "ch_wdt", "Ch_usl", "dt_rozp",
            "ch_rez_wdt", "ch_rez", "dt_zak", "ch_kaucja"};
        const QStringList identification = {"m_nip", "c_urzsk", "z_nazwisko", "m_dur", "c_kraj", "c_woj", "c_pow",
                                            "c_gmina", "z_ul", "z_nrd", "z_nrlok", "c_miejsc", "m_kodp", "z_poczta"};
        QTest::newRow("VAT-Z") << int(Form::VatZ)
                               << identification + QStringList{"z_tel", "z_faks", "z_email", "dt_zap", "c_us_ost",
                                                               "cb_dt_ost_m", "m_dt_ost_rok"} + declarant;
        QStringList countries;
        for (int k = 1; k <= 24; ++k)
            for (const char* box : {"c_kraj", "dt_pld", "dt_dost", "dt_zgl", "dt_dost_po_rez"})
                countries << QString("fr_wyb_kr%1.%2").arg(k).arg(box);
        QTest::newRow("VAT-21") << int(Form::Vat21) << identification + countries + declarant;
    }
    void controlsFollowTheFormInTabOrderWithTheButtonsLast()
    {
        QFETCH(int, form);
        QFETCH(QStringList, inOrder);
        auto d = newEditor(static_cast<Form>(form), nullptr);
        const QStringList chain = tabChain(*d);
        qsizetype at = -1;
        for (const QString& name : inOrder) {
            qsizetype next = at + 1;
            while (next < chain.size() && chain[next] != name && !chain[next].endsWith("." + name))
                ++next;
            QVERIFY2(next < chain.size(), qPrintable(name + " out of order"));
            at = next;
        }
        const QStringList buttons = static_cast<Form>(form) == Form::NipB
                                        ? QStringList{"OKBtn", "kl_druk", "CancelBtn", "HelpBtn"}
                                        : QStringList{"kl_ok", "kl_druk", "kl_anuluj", "kl_pomoc"};
        QCOMPARE(chain.mid(chain.size() - 4), buttons);
    }

    // An impossible or half-typed date is refused on leaving its field, which
    // takes the focus back on its page; leaving for "Anuluj" checks nothing,
    // and a possible date or none lets the focus go.
    void anImpossibleDateIsRefusedOnLeavingItsField_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::addColumn<QString>("showing"); // a box that shows the field
        const auto row = [](Form form, const char* field, const char* next, const char* showing = "") {
            QTest::addRow("%s %s", formInfo(form).name.data(), field) << int(form) << field << next << showing;
        };
        row(Form::Nip1, "m_dur", "z_mur");
        row(Form::Nip1, "d_rozp", "m_l_reg");
        row(Form::Nip2, "d_rozp", "m_nip");
        row(Form::Nip2, "fr_org_rej1/m_drej", "m_nip");
        row(Form::Nip2, "fr_org_rej2/m_drej", "m_nip");
        row(Form::Nip2, "fr_osw1/m_dwyp", "m_nip");
        row(Form::Nip3, "m_dur", "z_mur");
        row(Form::Nip3, "m_dzm1", "z_infzm2");
        row(Form::Nip3, "m_dzm2", "z_infzm1");
        row(Form::Nip3, "d_zak", "m_zal_a");
        row(Form::Nip3, "m_dwyp", "z_osw_im");
        row(Form::NipB, "m_dur", "m_pesel", "Ch_os");
        row(Form::VatR, "m_dur", "m_pesel");
        row(Form::VatR, "fr_osw/m_dwyp", "z_osw_tel");
    }
    void anImpossibleDateIsRefusedOnLeavingItsField()
    {
        QFETCH(int, form);
        QFETCH(QString, field);
        QFETCH(QString, next);
        QFETCH(QString, showing);
        auto d = openEditor(static_cast<Form>(form), EditorDialog::NewRecord);
        if (!showing.isEmpty())
            control<QAbstractButton>(*d, showing)->click();
        auto* date = control<MaskedEdit>(*d, field);
        auto* neighbour = control(*d, next);
        QVERIFY(date && neighbour);
        for (const char* refused : {"31-04-2006", "12-0"}) {
            focusOn(date);
            date->setText(refused);
            focusOn(neighbour);
            QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
            env->messages.shown.clear();
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(date));
            QVERIFY(d->pages->currentWidget()->isAncestorOf(date));
        }
        moveFocus(d->kl_anuluj);
        QVERIFY(env->messages.shown.empty());
        for (const char* accepted : {"29-02-2004", ""}) {
            focusOn(date);
            date->setText(accepted);
            focusOn(neighbour);
            QVERIFY(env->messages.shown.empty());
            QCOMPARE(QApplication::focusWidget(), neighbour);
        }
    }

    // A period box takes only its own numbers, spaces around them allowed.
    void aPeriodBoxRefusesWhatIsNoneOfItsItems_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("option"); // shows the box
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Field>("field");
        const QString monthOrQuarter = " - nie jest poprawnym numerem miesiąca lub kwartału";
        QTest::newRow("VAT-R 30") << int(Form::VatR) << "rb_kas2" << "cb_dt2_m" << "m_dt2_rok" << "13"
                                  << "13" + monthOrQuarter << vatr::cash_method_period;
        QTest::newRow("VAT-R 32") << int(Form::VatR) << "rb_kw3" << "cb_dt3_m" << "m_dt3_rok" << "5"
                                  << "5 - nie jest poprawnym numerem kwartału" << vatr::quarterly_quarter;
        QTest::newRow("VAT-R 34") << int(Form::VatR) << "rb_proc1" << "cb_dt4_m" << "m_dt4_rok" << "0"
                                  << "0 - nie jest poprawnym numerem miesiąca" << vatr::special_proc_month;
        QTest::newRow("VAT-R C.2") << int(Form::VatR) << "rb_dek2" << "cb_dt5_m" << "m_dt5_rok" << "x"
                                   << "x" + monthOrQuarter << vatr::first_decl_period;
        QTest::newRow("VAT-Z") << int(Form::VatZ) << "" << "cb_dt_ost_m" << "m_dt_ost_rok" << "13"
                               << "13" + monthOrQuarter << vatz::last_decl_period;
    }
    void aPeriodBoxRefusesWhatIsNoneOfItsItems()
    {
        QFETCH(int, form);
        QFETCH(QString, option);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(Field, field);
        auto d = openEditor(static_cast<Form>(form), EditorDialog::NewRecord);
        if (!option.isEmpty())
            control<QAbstractButton>(*d, option)->click();
        QFETCH(QString, box);
        QFETCH(QString, year);
        auto* period = control<QComboBox>(*d, box);
        auto* yearBox = control(*d, year);
        QVERIFY(period && yearBox);
        focusOn(period);
        period->setEditText(typed);
        moveFocus(yearBox);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{message.toStdString()});
        QVERIFY(isWithin(QApplication::focusWidget(), period));
        moveFocus(d->kl_anuluj);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));

        focusOn(period);
        period->setEditText(" 3 ");
        moveFocus(yearBox);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), yearBox);
        d->kl_okClick();
        QCOMPARE(getU8(storedRecord(static_cast<Form>(form)), field), std::uint8_t(3));
    }

    void thePurposeAndTheOfficeChangeShowTheirBoxes_data()
    {
        addFormColumn();
        QTest::addColumn<Field>("purpose");
        QTest::addColumn<Field>("officeChanged");
        QTest::newRow("NIP-1") << int(Form::Nip1) << nip::purpose << nip::office_changed;
        QTest::newRow("NIP-3") << int(Form::Nip3) << nip::purpose << nip::office_changed;
        QTest::newRow("VAT-R") << int(Form::VatR) << vatr::purpose << vatr::office_changed;
    }
    void thePurposeAndTheOfficeChangeShowTheirBoxes()
    {
        QFETCH(int, form);
        QFETCH(Field, purpose);
        QFETCH(Field, officeChanged);
        const Form f = static_cast<Form>(form);
        auto d = openEditor(f, EditorDialog::NewRecord);
        const auto shown = [&d](const char* name) { return !control(*d, name)->isHidden(); };
        QVERIFY(shown("g_zm_us") && !shown("c_pop_us") && !shown("e_pop_us"));
        control<QAbstractButton>(*d, "rb_us")->click();
        QVERIFY(shown("c_pop_us") && shown("e_pop_us"));
        control<RadioGroup>(*d, "r_przez_form")->button(0)->click(); // "Zgłoszenie identyfikacyjne"
        QVERIFY(!shown("g_zm_us"));
        d->kl_okClick();
        QCOMPARE(getU8(storedRecord(f), officeChanged), std::uint8_t(1));

        setU8(bufferOf(f), purpose, 0); // no purpose: the office change shows
        setU8(bufferOf(f), officeChanged, 7);
        d = openEditor(f, EditorDialog::Update);
        QCOMPARE(control<RadioGroup>(*d, "r_przez_form")->itemIndex(), -1);
        QVERIFY(shown("g_zm_us") && shown("c_pop_us"));
        QVERIFY(control<QAbstractButton>(*d, "rb_us")->isChecked());
    }

    // Leaving a place of business whose voivodeship is empty takes back its
    // reason; the word lists are not written for it.
    void aPlaceOfBusinessWithoutVoivodeshipLosesItsReason_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("outside");
        QTest::addColumn<Field>("reasonField");
        QTest::addColumn<Field>("addressField");
        QTest::newRow("NIP-1 site 1") << int(Form::Nip1) << "r_pow_zgl_adr1" << "fr_adr_dz1" << "chbox_kor_siedz"
                                      << nip::site1_reason << nip::site1_addr;
        QTest::newRow("NIP-1 site 2") << int(Form::Nip1) << "r_pow_zgl_adr2" << "fr_adr_dz2" << "fr_osw1/z_osw_im"
                                      << nip::site2_reason << nip::site2_addr;
        QTest::newRow("NIP-2") << int(Form::Nip2) << "r_pow_zgl_adr3" << "fr_adr_dz3" << "nazp_mac"
                               << nip::site3_reason << nip::site3_addr;
    }
    void aPlaceOfBusinessWithoutVoivodeshipLosesItsReason()
    {
        QFETCH(int, form);
        QFETCH(QString, address);
        QFETCH(Field, reasonField);
        QFETCH(Field, addressField);
        const Form f = static_cast<Form>(form);
        auto d = openEditor(f, EditorDialog::NewRecord);
        QFETCH(QString, reason);
        QFETCH(QString, outside);
        auto* reasons = control<RadioGroup>(*d, reason);
        reasons->setItemIndex(0);
        focusOn(control(*d, address + "/z_ul"));
        control<QLineEdit>(*d, address + "/z_ul")->setText("Długa");
        control<QComboBox>(*d, address + "/c_gmina")->setEditText("Sopot");
        focusOn(control(*d, outside));
        QCOMPARE(reasons->itemIndex(), -1);
        QVERIFY(!std::filesystem::exists("slgmin.Rdx"));

        reasons->setItemIndex(1);
        focusOn(control(*d, address + "/c_woj"));
        control<QComboBox>(*d, address + "/c_woj")->setEditText("POMORSKIE");
        focusOn(control(*d, outside));
        QCOMPARE(reasons->itemIndex(), 1);
        d->kl_okClick();
        const Record saved = storedRecord(f);
        QCOMPARE(getU8(saved, reasonField), std::uint8_t(2));
        QCOMPARE(getStr(saved, addressField / address_block::street), cp("Długa"));
    }

    // A VAT number shows and keeps every character the record holds: the
    // first ten digits grouped, the rest of a longer foreign number after them.
    void aLongVatNumberIsShownAndKeptWhole_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        for (Form f : {Form::VatR, Form::Vat21, Form::VatZ})
            QTest::addRow("%s", formInfo(f).name.data()) << int(f) << "FR12345678901" << "FR123-456-78-901";
        QTest::newRow("VAT-R, no code") << int(Form::VatR) << "1234567890123" << "123-456-78-90123";
    }
    void aLongVatNumberIsShownAndKeptWhole()
    {
        QFETCH(int, form);
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        const Form f = static_cast<Form>(form);
        setStr(bufferOf(f), vat_head::nip, stored.toStdString());
        auto d = openEditor(f, EditorDialog::Update);
        QCOMPARE(control<MaskedEdit>(*d, "m_nip")->text().trimmed(), shown);
        d->kl_okClick();
        QCOMPARE(getStr(storedRecord(f), vat_head::nip), stored.toStdString());
    }

    // A memo takes no more lines, and no longer lines, than its record
    // keeps, typed or pasted; what it shows is what is stored.
    void aMemoTakesNoMoreThanItsRecordKeeps_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("memo");
        QTest::addColumn<Field>("lines");
        const Field activity = consecutiveLines(nip::activity_desc_1, 3);
        QTest::newRow("NIP-1") << int(Form::Nip1) << "fr_dzial1/m_dzial" << activity;
        QTest::newRow("NIP-2") << int(Form::Nip2) << "fr_dzial2/m_dzial" << activity;
        QTest::newRow("VAT-R") << int(Form::VatR) << "m_uszagr" << vatr::foreign_office_lines;
    }
    void aMemoTakesNoMoreThanItsRecordKeeps()
    {
        QFETCH(int, form);
        QFETCH(QString, memo);
        QFETCH(Field, lines);
        const Form f = static_cast<Form>(form);
        const int width = static_cast<int>(lines.capacity());
        const int count = static_cast<int>(lines.count);
        const auto line = [width](int k, int extra = 0) { return QString(width + extra, QChar('a' + k)); };
        QStringList kept;
        for (int k = 0; k < count; ++k)
            kept << line(k);

        auto d = openEditor(f, EditorDialog::NewRecord);
        auto* box = control<Memo>(*d, memo);
        QVERIFY(box);
        focusOn(box);
        for (int k = 0; k <= count; ++k) {
            if (k > 0)
                QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClicks(box, line(k, 1));
        }
        QCOMPARE(box->lines(), kept);

        QStringList pasted;
        for (int k = 0; k < count + 2; ++k)
            pasted << line(k, 5);
        box->selectAll();
        QGuiApplication::clipboard()->setText(pasted.join('\n'));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(box->lines(), kept);
        d->kl_okClick();
        const Record saved = storedRecord(f);
        for (int k = 0; k < count; ++k)
            QCOMPARE(fromRecordText(getStr(saved, lines.item(static_cast<std::uint32_t>(k)))), kept[k]);
    }

    // Where the record keeps an option's index, no option chosen is stored
    // as 255, and 255 or any byte of no option loads as none chosen.
    void noOptionChosenIsStoredAs255_data()
    {
        addFormColumn();
        QTest::addColumn<QString>("group");
        QTest::addColumn<Field>("field");
        QTest::newRow("VAT-R kind") << int(Form::VatR) << "r_rodzpod" << vatr::taxpayer_kind;
        QTest::newRow("VAT-21 kind") << int(Form::Vat21) << "r_rodzpod" << vat21::taxpayer_kind;
        QTest::newRow("VAT-21 purpose") << int(Form::Vat21) << "R_CEL" << vat21::purpose;
        QTest::newRow("VAT-Z kind") << int(Form::VatZ) << "r_rodzpod" << vatz::taxpayer_kind;
        QTest::newRow("VAT-Z reason") << int(Form::VatZ) << "r_przycz" << vatz::cessation_reason;
    }
    void noOptionChosenIsStoredAs255()
    {
        QFETCH(int, form);
        QFETCH(QString, group);
        QFETCH(Field, field);
        const Form f = static_cast<Form>(form);
        auto d = openEditor(f, EditorDialog::NewRecord);
        auto* options = control<RadioGroup>(*d, group);
        QVERIFY(options);
        options->setItemIndex(-1);
        d->kl_okClick();
        QCOMPARE(getU8(storedRecord(f), field), std::uint8_t(255));
        for (const int stored : {255, options->count()}) {
            setU8(bufferOf(f), field, static_cast<std::uint8_t>(stored));
            d = openEditor(f, EditorDialog::Update);
            QCOMPARE(control<RadioGroup>(*d, group)->itemIndex(), -1);
            d->kl_okClick();
            QCOMPARE(getU8(storedRecord(f), field), std::uint8_t(255));
        }
    }

    // "Zapisz i &drukuj" saves and opens the print dialog for the form;
    // "Pomoc" asks for the editor's help.
    void printAndSaveOpensTheFormsPrintAndHelpIsTheEditors_data()
    {
        addFormColumn();
        QTest::addColumn<int>("printKind");
        const std::pair<Form, int> kinds[] = {{Form::Nip1, 1},  {Form::Nip2, 2},  {Form::Nip3, 3}, {Form::NipB, 4},
                                              {Form::VatR, 10}, {Form::VatZ, 11}, {Form::Vat21, 12}};
        for (const auto& [form, kind] : kinds)
            QTest::newRow(formInfo(form).name.data()) << int(form) << kind;
    }
    void printAndSaveOpensTheFormsPrintAndHelpIsTheEditors()
    {
        QFETCH(int, form);
        QFETCH(int, printKind);
        const Form f = static_cast<Form>(form);
        QWidget* asked = nullptr;
        installHelpViewer([&asked](QWidget* window) { asked = window; });
        auto d = openEditor(f, EditorDialog::NewRecord);
        d->kl_pomoc->click();
        installHelpViewer({});
        QCOMPARE(asked, static_cast<QWidget*>(d.get()));
        QVERIFY(d->isVisible());

        QCOMPARE(printKindOpenedBy(*d), printKind);
        QCOMPARE(d->result(), EditorDialog::PrintAndSave);
        QCOMPARE(getStr(storedRecord(f), nip::account_no), kAccountText);
    }
};

int runEditorRulesTest(int argc, char** argv)
{
    EditorRulesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "editor_rules_test.moc"
