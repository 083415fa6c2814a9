// The VAT-Z editor's own rules, driven offscreen through its named
// controls: the last declaration's period and year, the birth date that
// only a person has, the opening modes and the tab order.
#include "common/FocusMoves.h"
#include "common/MaskedEdit.h"
#include "common/clock.h"
#include "forms/DatePicker.h"
#include "forms/RadioGroup.h"
#include "forms/TFr_adr1.h"
#include "forms/Tfr_osw.h"
#include "forms/Tpdlg_vatz.h"
#include "forms/notice_test_support.h"
#include "support/ui_test_environment.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

constexpr int kAccount = 4;
const char* const kAccountText = "004";
constexpr std::uint8_t kPattern = 0x5A;
constexpr Date4 kToday{2004, 12, 5};

// A person's notice, last declared for 7/2004; every byte no field reads is
// the pattern, so that a stray write shows.
Record personsNotice()
{
    Record rec(vatz::kRecordSize, kPattern);
    setStr(rec, vatz::account_no, kAccountText);
    for (const Field& f : {vatz::nip, vatz::tax_office, vatz::addr_email, vatz::last_decl_office,
                           vatz::declarant_first_name, vatz::declarant_surname})
        setStr(rec, f, "");
    for (const Field& f : address_block::fields)
        setStr(rec, vatz::addr / f, "");
    setStr(rec, vatz::name, "KOWALSKI JAN");
    setU8(rec, vatz::taxpayer_kind, 1);
    setDate(rec, vatz::birth_date, Date4{1970, 3, 15});
    setDate(rec, vatz::cessation_date, Date4{2004, 11, 30});
    setU8(rec, vatz::cessation_reason, 2);
    setU8(rec, vatz::last_decl_period, 7);
    setI32(rec, vatz::last_decl_year, 2004);
    setDate(rec, vatz::fill_date, Date4{2004, 12, 1});
    return rec;
}

Record stored() { return storedNotice(KindVatz, kAccount); }
std::unique_ptr<Tpdlg_vatz> openEditor(int mode) { return openNotice<Tpdlg_vatz>(kAccountText, mode); }

std::unique_ptr<Tpdlg_vatz> openStored(const Record& rec)
{
    makeNoticeFile(KindVatz, personsNotice(), rec, kAccount + 1);
    return openEditor(EditorDialog::Update);
}

} // namespace

class VatZEditorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        setTodayProvider([] { return kToday; });
        makeNoticeFile(KindVatz, personsNotice(), personsNotice(), kAccount + 1);
    }
    void cleanup()
    {
        setTodayProvider({});
        env.reset();
    }

    void aYearBeforeTheFirstTheUpDownOffersReopensAtItsDefault_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1985") << 1985 << "1990";
        QTest::newRow("2004") << 2004 << "2004";
        QTest::newRow("beyond the buttons") << 2150 << "2150";
    }
    void aYearBeforeTheFirstTheUpDownOffersReopensAtItsDefault()
    {
        QFETCH(int, year);
        QFETCH(QString, shown);
        Record rec = personsNotice();
        setI32(rec, vatz::last_decl_year, year);
        auto d = openStored(rec);
        QCOMPARE(d->m_dt_ost_rok->text(), shown);
        d->kl_okClick();
        QCOMPARE(getI32(stored(), vatz::last_decl_year), shown.toInt());
    }

    void thePeriodBoxTakesOnlyItsNumbers()
    {
        auto d = openStored(personsNotice());
        QCOMPARE(d->cb_dt_ost_m->currentText(), QString("7"));
        showPageOf(d->cb_dt_ost_m);
        moveFocus(d->cb_dt_ost_m);
        d->cb_dt_ost_m->setEditText("13");
        moveFocus(d->m_dt_ost_rok);
        QCOMPARE(env->messages.texts(),
                 std::vector<std::string>{"13 - nie jest poprawnym numerem miesiąca lub kwartału"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->cb_dt_ost_m));
        env->messages.shown.clear();
        moveFocus(d->kl_anuluj); // leaving without saving checks nothing
        QVERIFY(env->messages.shown.empty());

        moveFocus(d->cb_dt_ost_m);
        d->cb_dt_ost_m->setEditText(" 9");
        moveFocus(d->m_dt_ost_rok);
        QVERIFY(env->messages.shown.empty());
        d->kl_okClick();
        QCOMPARE(getU8(stored(), vatz::last_decl_period), std::uint8_t(9));

        Record none = personsNotice();
        setU8(none, vatz::last_decl_period, 0);
        QCOMPARE(openStored(none)->cb_dt_ost_m->currentText(), QString());
    }

    void onlyAPersonHasABirthDate()
    {
        auto person = openStored(personsNotice());
        QCOMPARE(person->m_dur->text(), QString("15-03-1970"));
        QCOMPARE(person->Fr_adr_s->g_adr->title(), QString("B.2. ADRES ZAMIESZKANIA"));
        person->m_dur->setText("16-03-1970");
        person->kl_okClick();
        QCOMPARE(getDate(stored(), vatz::birth_date), (Date4{1970, 3, 16}));

        // A company's notice keeps whatever birth date it holds.
        Record company = personsNotice();
        setU8(company, vatz::taxpayer_kind, 0);
        setDate(company, vatz::birth_date, Date4{1970, 13, 15});
        auto d = openStored(company);
        QVERIFY(d->m_dur->isHidden());
        QCOMPARE(d->Fr_adr_s->g_adr->title(), QString("B.2. ADRES SIEDZIBY"));
        d->r_rodzpod->button(1)->click();
        QVERIFY(d->m_dur->isBlank()); // not loaded for a company
        d->r_rodzpod->button(0)->click();
        d->kl_okClick();
        QCOMPARE(stored(), company);
    }

    void theModesDecideBetweenDefaultsAndTheStoredRecord()
    {
        auto fresh = openEditor(EditorDialog::NewRecord);
        QCOMPARE(fresh->dt_zap->date4(), kToday);
        QCOMPARE(fresh->fr_osw1->m_dwyp->text(), QString("05-12-2004"));
        QCOMPARE(fresh->m_dt_ost_rok->text(), QString("1990"));
        QCOMPARE(fresh->z_nazwisko->text(), QString());

        auto update = openEditor(EditorDialog::Update);
        QCOMPARE(update->z_nazwisko->text(), QString("KOWALSKI JAN"));
        QCOMPARE(update->dt_zap->date4(), (Date4{2004, 11, 30}));
        QCOMPARE(update->r_przycz->itemIndex(), 2);
        QCOMPARE(update->fr_osw1->m_dwyp->text(), QString("01-12-2004"));

        Record noDate = personsNotice();
        setDate(noDate, vatz::cessation_date, Date4{2004, 2, 30});
        QCOMPARE(openStored(noDate)->dt_zap->date4(), kToday);

        auto neither = openEditor(7);
        QCOMPARE(neither->z_nazwisko->text(), QString());
        QVERIFY(neither->fr_osw1->m_dwyp->isBlank());
    }

    void theTabOrderFollowsTheForm()
    {
        Tpdlg_vatz d;
        const QStringList pageCD = {"dt_zap", "c_us_ost", "cb_dt_ost_m", "m_dt_ost_rok"};
        QCOMPARE(tabChain(d), identificationChain("Fr_adr_s", {"z_email"}) + pageCD + kDeclarantAndButtons);
    }
};

QTEST_MAIN(VatZEditorTest)
#include "vatz_editor_test.moc"
