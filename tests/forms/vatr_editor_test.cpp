// The VAT-R editor's own rules, with today's date fixed.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/CheckList.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/TFr_adr1.h"
#include "desktop/forms/editors/Tpdlg_vatr.h"
#include "forms/editor_test_support.h"
#include "core/ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "core/records/vat_records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

namespace {

constexpr Date4 kToday{2005, 12, 7};

std::unique_ptr<Tpdlg_vatr> openVatR(int mode) { return openEditor<Tpdlg_vatr>(mode); }
Bytes buffer() { return bufferOf(Form::VatR); }
Record stored() { return storedRecord(Form::VatR); }

bool isShown(const QWidget* w) { return !w->isHidden(); }

bool pageShown(const Tpdlg_vatr& d) { return d.pages->isTabVisible(d.pages->indexOf(d.ts_vatrue)); }

} // namespace

class VatrEditorTest : public EditorTest {
    Q_OBJECT
public:
    VatrEditorTest() : EditorTest(Form::VatR, kToday) {}

private slots:
    void activationShowsTodayAndTheCurrentPeriod_data()
    {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("quarter");
        QTest::newRow("December") << 12 << "4";
        QTest::newRow("March") << 3 << "1";
        QTest::newRow("April") << 4 << "2";
    }
    void activationShowsTodayAndTheCurrentPeriod()
    {
        QFETCH(int, month);
        const Date4 day{2006, static_cast<std::uint8_t>(month), 30};
        setTodayProvider([day] { return day; });
        auto d = openVatR(EditorDialog::NewRecord);
        for (const DatePicker* picker : {d->dt_obow, d->dt_rozp, d->dt_zak})
            QCOMPARE(picker->date(), QDate(2006, month, 30));
        for (const MaskedEdit* year : {d->m_dt2_rok, d->m_dt3_rok, d->m_dt4_rok, d->m_dt5_rok})
            QCOMPARE(year->text(), QString("2006"));
        for (const QComboBox* months : {d->cb_dt2_m, d->cb_dt4_m, d->cb_dt5_m})
            QCOMPARE(months->currentText(), QString::number(month));
        QTEST(d->cb_dt3_m->currentText(), "quarter");
    }

    void theKindOfTaxpayerSetsCaptionsMaskAndAddressHeading()
    {
        auto d = openVatR(EditorDialog::NewRecord);
        const auto shows = [&](const QStringList& captions, const QString& blankId, const QString& heading) {
            QCOMPARE((QStringList{d->e_nazwisko->text(), d->e_imojca->text(), d->e_pesel->text(), d->e_dur->text()}),
                     captions);
            QCOMPARE(d->m_pesel->editText(), blankId);
            QCOMPARE(d->Fr_adr_s->g_adr->title(), heading);
        };
        const QStringList entity = {"N&azwa pełna", "Nazwa skróc&ona", "R&EGON",
                                    "Da&ta rozpoczęcia działalności (dzień-miesiąc-rok)"};
        const QStringList person = {"N&azwisko, pierwsze imię, drugie imię", "Imię &ojca, imię matki", "P&ESEL",
                                    "Da&ta urodzenia (dzień-miesiąc-rok)"};
        shows(entity, QString(9, '_'), "B.2. ADRES SIEDZIBY");
        d->r_rodzpod->button(2)->click();
        shows(person, QString(11, '_'), "B.2. ADRES ZAMIESZKANIA");
        d->r_rodzpod->button(0)->click();
        shows(entity, QString(9, '_'), "B.2. ADRES SIEDZIBY");
        d->r_rodzpod->button(1)->click();
        shows(person, QString(11, '_'), "B.2. ADRES ZAMIESZKANIA");
    }

    // The identification number keeps every digit, from the ledger, stored
    // or typed: a REGON of nine or fourteen digits, an eleven-digit PESEL.
    void theIdentificationNumberKeepsItsDigits_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("given"); // the ledger's REGON, or the stored number
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ledger local unit") << int(EditorDialog::FromLedger) << 0 << "123456789-01234" << ""
                                           << "12345678901234";
        QTest::newRow("stored local unit") << int(EditorDialog::Update) << 0 << "12345678901234" << ""
                                           << "12345678901234";
        QTest::newRow("stored REGON") << int(EditorDialog::Update) << 0 << "123456789" << "" << "123456789";
        QTest::newRow("typed local unit") << int(EditorDialog::NewRecord) << 0 << "" << "12345678901234"
                                          << "12345678901234";
        QTest::newRow("stored PESEL") << int(EditorDialog::Update) << 2 << "80010112345" << "" << "80010112345";
    }
    void theIdentificationNumberKeepsItsDigits()
    {
        QFETCH(int, mode);
        QFETCH(int, kind);
        QFETCH(QString, given);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        if (mode == EditorDialog::FromLedger) {
            LedgerTestFile ledger(kAccount + 1);
            Bytes taxpayer = ledger.taxpayer(kAccount, kAccountText);
            setU8(taxpayer, ledger::taxpayer_kind, static_cast<std::uint8_t>(kind));
            setStr(taxpayer, ledger::regon, given.toStdString());
            ledger.save();
            QVERIFY(LookupLedgerAccount(kAccountText, env->messages));
        } else {
            setU8(buffer(), vatr::taxpayer_kind, static_cast<std::uint8_t>(kind));
            setStr(buffer(), vatr::id_no, given.toStdString());
        }
        auto d = openVatR(mode);
        if (!typed.isEmpty()) {
            focusOn(d->m_pesel);
            d->m_pesel->setCursorPosition(0);
            QTest::keyClicks(d->m_pesel, typed);
        }
        QCOMPARE(d->m_pesel->text(), expected);
        d->kl_okClick();
        QCOMPARE(getStr(stored(), vatr::id_no), expected.toStdString());
    }

    void periodsAreShownAndStoredOnlyWhereTheirOptionTakesThem()
    {
        Bytes rec = buffer();
        setU8(rec, vatr::cash_method, 1);
        setU8(rec, vatr::cash_method_period, 5);
        setI32(rec, vatr::cash_method_year, 2004);
        setU8(rec, vatr::quarterly, 1); // no quarter for this option: the stale one stays unshown
        setU8(rec, vatr::quarterly_quarter, 3);
        setI32(rec, vatr::quarterly_year, 1999);
        setU8(rec, vatr::special_proc, 2);
        setU8(rec, vatr::special_proc_month, 7);
        setI32(rec, vatr::special_proc_year, 2003);
        auto d = openVatR(EditorDialog::Update);
        QVERIFY(d->rb_kas1->isChecked() && d->rb_kw1->isChecked() && d->RB_proc2->isChecked());
        QCOMPARE((QStringList{d->cb_dt2_m->currentText(), d->m_dt2_rok->text(), d->cb_dt3_m->currentText(),
                              d->m_dt3_rok->text(), d->cb_dt4_m->currentText(), d->m_dt4_rok->text()}),
                 (QStringList{"5", "2004", "4", "2005", "7", "2003"}));

        // Which options show their period.
        const std::pair<QRadioButton*, bool> options[] = {
            {d->rb_kas1, true},   {d->rb_kas2, true},   {d->rb_kas3, true},   {d->rb_kas0, false},
            {d->rb_kw1, false},   {d->rb_kw2, true},    {d->rb_kw3, true},    {d->rb_kw0, false},
            {d->rb_proc1, true},  {d->RB_proc2, true},  {d->rb_proc3, false}, {d->rb_proc4, false},
            {d->rb_proc0, false},
        };
        for (const auto& [option, withPeriod] : options) {
            option->click();
            QWidget* group = option->parentWidget();
            const QComboBox* period = group == d->G_30 ? d->cb_dt2_m : group == d->g_32 ? d->cb_dt3_m : d->cb_dt4_m;
            QVERIFY2(period->isVisibleTo(group) == withPeriod, qPrintable(option->objectName()));
        }

        d->rb_kas0->click();
        d->rb_kw2->click();
        d->cb_dt3_m->setCurrentIndex(1);
        d->rb_proc3->click();
        d->kl_okClick();
        const Record saved = stored();
        const auto group = [&saved](const Field& option, const Field& period, const Field& year) {
            return QList<int>{getU8(saved, option), getU8(saved, period), getI32(saved, year)};
        };
        QCOMPARE(group(vatr::cash_method, vatr::cash_method_period, vatr::cash_method_year), (QList<int>{0, 0, 0}));
        QCOMPARE(group(vatr::quarterly, vatr::quarterly_quarter, vatr::quarterly_year), (QList<int>{2, 2, 2005}));
        QCOMPARE(group(vatr::special_proc, vatr::special_proc_month, vatr::special_proc_year), (QList<int>{3, 0, 0}));
    }

    void theAttachmentPageFollowsItsTickAndUntickedKeepsItsStoredBytes()
    {
        Bytes rec = buffer();
        setU8(rec, vatr::vat_r_ue_attached, 1);
        setU8(rec, vatr::ue_kinds.item(0), 1);
        setU8(rec, vatr::ue_kinds.item(2), 1);
        rec[vatr::reserved_890.offset] = 0x5A;
        setDate(rec, vatr::ue_start_date, Date4{2004, 5, 1});
        setU8(rec, vatr::ue_end_kinds.item(1), 1);
        setDate(rec, vatr::ue_end_date, Date4{2004, 6, 30});
        setU8(rec, vatr::deposit, 1);
        const auto attachmentOf = [](ConstBytes r) {
            return std::vector<unsigned char>(r.begin() + vatr::ue_kinds.offset, r.begin() + vatr::deposit.end());
        };
        const std::vector<unsigned char> attachment = attachmentOf(rec);

        auto d = openVatR(EditorDialog::Update);
        QVERIFY(pageShown(*d));
        QVERIFY(d->ch_wdt->isChecked() && !d->Ch_wnt->isChecked() && d->ch_wnt1->isChecked());
        QVERIFY(d->ch_rez_wnt->isChecked() && d->ch_kaucja->isChecked());
        QCOMPARE(d->dt_rozp->date(), QDate(2004, 5, 1));
        QCOMPARE(d->dt_zak->date(), QDate(2004, 6, 30));
        d->Ch_usl->setChecked(true);
        d->ch_zalue->click();
        QVERIFY(!pageShown(*d));
        d->kl_okClick();
        Record saved = stored();
        QCOMPARE(getU8(saved, vatr::vat_r_ue_attached), std::uint8_t(0));
        QCOMPARE(attachmentOf(saved), attachment);

        // Not attached: the stored attachment is not shown, and ticking the
        // box again stores what the page then shows.
        std::copy(saved.begin(), saved.end(), recordBuffer(KindVatr).begin());
        auto again = openVatR(EditorDialog::Update);
        QVERIFY(!again->ch_zalue->isChecked() && !pageShown(*again));
        QVERIFY(!again->ch_wdt->isChecked() && !again->ch_kaucja->isChecked());
        QCOMPARE(again->dt_rozp->date(), QDate(2005, 12, 7));
        again->ch_zalue->click();
        QVERIFY(pageShown(*again));
        again->Ch_wnt->setChecked(true);
        again->kl_okClick();
        saved = stored();
        QCOMPARE(getU8(saved, vatr::vat_r_ue_attached), std::uint8_t(1));
        const std::uint8_t kinds[] = {0, 1, 0, 0};
        for (std::uint32_t k = 0; k < 4; ++k) {
            QCOMPARE(getU8(saved, vatr::ue_kinds.item(k)), kinds[k]);
            QCOMPARE(getU8(saved, vatr::ue_end_kinds.item(k)), std::uint8_t(0));
        }
        QCOMPARE(saved[vatr::reserved_890.offset], std::uint8_t(0x5A));
        QCOMPARE(getDate(saved, vatr::ue_start_date), kToday);
        QCOMPARE(getU8(saved, vatr::deposit), std::uint8_t(0));
    }

    void theEndDateShowsOnlyWithoutARegistrationKind()
    {
        auto d = openVatR(EditorDialog::NewRecord);
        for (QCheckBox* kind : {d->ch_wdt, d->Ch_wnt, d->ch_wnt1, d->Ch_usl}) {
            QVERIFY(isShown(d->dt_zak) && isShown(d->e_dzak));
            kind->click();
            QVERIFY2(!isShown(d->dt_zak) && !isShown(d->e_dzak), qPrintable(kind->objectName()));
            kind->click();
        }
        QVERIFY(isShown(d->dt_zak));
    }

    void theForeignOfficeMemoShowsOnlyLinesThatHoldText()
    {
        Bytes rec = buffer();
        setStr(rec, vatr::foreign_office_lines.item(0), "FINANZAMT");
        setStr(rec, vatr::foreign_office_lines.item(2), "BERLIN");
        auto d = openVatR(EditorDialog::Update);
        QCOMPARE(d->m_uszagr->lines(), (QStringList{"FINANZAMT", "BERLIN"}));
        d->m_uszagr->setPlainText("A\nB\nC\nD\nE");
        d->kl_okClick();
        const Record saved = stored();
        for (std::uint32_t k = 0; k < 4; ++k)
            QCOMPARE(getStr(saved, vatr::foreign_office_lines.item(k)), std::string(1, char('A' + k)));
    }

    void aLedgerTaxpayerIsShownPrefilled()
    {
        writeOffices({cp("Urząd Skarbowy w Sopocie")});
        LedgerTestFile ledger(kAccount + 1);
        Bytes taxpayer = ledger.taxpayer(kAccount, kAccountText);
        setU8(taxpayer, ledger::taxpayer_kind, 1);
        setStr(taxpayer, ledger::surname, "NOWAK");
        setStr(taxpayer, ledger::first_name, "ADAM");
        setU8(taxpayer, ledger::office_index, 1);
        ledger.save();
        QVERIFY(LookupLedgerAccount(kAccountText, env->messages));
        ClearRecordBytes(recordBuffer(KindVatr));

        auto d = openVatR(EditorDialog::FromLedger);
        QCOMPARE(d->c_urzsk->currentText(), QString("URZĄD SKARBOWY W SOPOCIE"));
        QCOMPARE(d->c_pop_us->count(), 1);
        QVERIFY(!isShown(d->g_zm_us));
        QCOMPARE(d->z_nazwisko->text(), QString("NOWAK ADAM"));
        QCOMPARE(d->dt_obow->date(), QDate(2005, 12, 7));
        QCOMPARE(d->cb_dt5_m->currentText(), QString("12"));
        QCOMPARE(d->m_dt5_rok->text(), QString("2005"));
        d->kl_okClick();
        QCOMPARE(getStr(stored(), vatr::name), std::string("NOWAK ADAM"));
    }

    void periodYearAndCheckListConversionsAndFieldsKeptByState()
    {
        constexpr Field period{"period", 0, 1, FieldType::U8};
        constexpr Field year{"year", 1, 4, FieldType::I32};
        constexpr Field ticks{"ticks", 5, 3, FieldType::U8, nullptr, 3};
        constexpr Field kept{"kept", 8, 1, FieldType::U8};
        constexpr Field zeroed{"zeroed", 9, 1, FieldType::U8};
        std::vector<std::uint8_t> record(10, 0x77);
        QComboBox box;
        box.setEditable(true);
        box.addItems({"1", "2", "3"});
        QLineEdit yearEdit;
        CheckList list(nullptr, "list", {"a", "b", "c"});
        QCheckBox keptBox;
        QCheckBox zeroedBox;
        bool applies = false;
        const BindingTable table = {
            {&box, period, Conv::ComboChoice},
            {&yearEdit, year, Conv::Year},
            {&list, ticks, Conv::CheckList},
            {&keptBox, kept, Conv::Flag, 1, [&] { return applies; }},
            {&zeroedBox, zeroed, Conv::Flag, 1, [&] { return applies; }, Otherwise::Zero},
        };
        box.setEditText(" 2 ");
        yearEdit.setText("2004 ");
        list.setChecked(2, true);
        keptBox.setChecked(true);
        SaveBindings(table, record);
        QCOMPARE(record, (std::vector<std::uint8_t>{2, 0xD4, 0x07, 0, 0, 0, 0, 1, 0x77, 0}));

        box.setEditText("4");
        yearEdit.setText("20 4");
        SaveBindings(table, record);
        QCOMPARE(int(record[0]), 0);
        QCOMPARE(getI32(record, year), 0);

        // A stored 0 leaves the period and the year as they are; a field
        // whose binding does not apply is not loaded.
        record[5] = 1;
        record[7] = 0;
        record[8] = 0;
        LoadBindings(table, record);
        QCOMPARE(box.currentText(), QString("4"));
        QCOMPARE(yearEdit.text(), QString("20 4"));
        QVERIFY(list.isChecked(0) && !list.isChecked(2));
        QVERIFY(keptBox.isChecked());
        applies = true;
        record[0] = 3;
        setI32(record, year, 1999);
        LoadBindings(table, record);
        QCOMPARE(box.currentText(), QString("3"));
        QCOMPARE(yearEdit.text(), QString("1999"));
        QVERIFY(!keptBox.isChecked());
    }
};

int runVatrEditorTest(int argc, char** argv)
{
    VatrEditorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "vatr_editor_test.moc"
