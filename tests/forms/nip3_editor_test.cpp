// The NIP-3 editor's own rules: its defaults, the dates that go with an
// address only while the address names a place, the date checks, the forms
// count, the opening modes, the tab order and printing as NIP-3. What every
// editor does with its binding table is checked in editor_table_test.
#include "common/MaskedEdit.h"
#include "common/clock.h"
#include "common/cp1250.h"
#include "common/modal_runner.h"
#include "forms/DatePicker.h"
#include "forms/Tfr_adr.h"
#include "forms/Tpdlg_nip3.h"
#include "forms/UpDown.h"
#include "forms/nip1_test_support.h"
#include "print/Tf_wydr.h"
#include "support/ui_test_environment.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

constexpr int kAccount = 4;
const char* const kAccountText = "004";
constexpr Date4 kToday{2006, 5, 17};
const QDate kTodayShown(2006, 5, 17);

std::unique_ptr<Tpdlg_nip3> openEditor(int mode)
{
    auto d = std::make_unique<Tpdlg_nip3>();
    d->prepare(kAccountText, "", "NIP-3    004 nowe zgłoszenie", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}

void focusOn(Tpdlg_nip3& d, QWidget* control)
{
    for (int i = 0; i < d.pages->count(); ++i)
        if (d.pages->widget(i)->isAncestorOf(control))
            d.pages->setCurrentIndex(i);
    moveFocus(control);
}

void typeInto(QWidget* box, const QString& text)
{
    if (auto* combo = qobject_cast<QComboBox*>(box))
        combo->setEditText(text);
    else
        qobject_cast<QLineEdit*>(box)->setText(text);
}

// A stored NIP-3 of the test's account in the record buffer.
Bytes storedNip3InBuffer()
{
    Bytes rec = recordBuffer(KindRejfor);
    setStr(rec, nip::account_no, kAccountText);
    setU8(rec, nip::form_type, 3);
    return rec;
}

} // namespace

class Nip3EditorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        setTodayProvider([] { return kToday; });
        makeNipFile(kAccount + 1);
    }
    void cleanup()
    {
        setTodayProvider({});
        env.reset();
    }

    void aNewRecordSavedAtOnceHoldsTheDefaultsAndNoDates()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        QCOMPARE(d->dt_zameld->date(), kTodayShown);
        QCOMPARE(d->dt_zamiesz->date(), kTodayShown);
        QVERIFY(!d->g_zm_us->isHidden());
        QVERIFY(d->c_pop_us->isHidden() && d->e_pop_us->isHidden());
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));

        std::vector<unsigned char> expected(nip::kRecordSize);
        nip::ClearNipRecord(expected);
        setStr(expected, nip::account_no, kAccountText);
        setU8(expected, nip::form_type, 3);
        setU8(expected, nip::purpose, 2);
        setStr(expected, nip::pesel, std::string(11, ' '));
        setStr(expected, nip::id_doc_kind, cp1250::fromUtf8("DOWÓD OSOBISTY"));
        setStr(expected, nip::citizenship, "POLSKIE");
        for (const Field& block : {nip::nip3_reg_addr, nip::nip3_res_addr})
            setStr(expected, block / address_block::country, "POLSKA");
        QCOMPARE(storedNipRecord(kAccount), expected);
        QVERIFY(env->messages.shown.empty());
    }

    void aDateIsStoredOnlyWithAnAddressThatNamesAPlace_data()
    {
        QTest::addColumn<bool>("residence"); // B.5 rather than B.4
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("picked"); // a date picked rather than today's
        QTest::addColumn<bool>("stored");
        QTest::newRow("B.4 voivodeship") << false << "c_woj" << true << true;
        QTest::newRow("B.4 street") << false << "z_ul" << true << true;
        QTest::newRow("B.4 locality, today") << false << "c_miejsc" << false << true;
        QTest::newRow("B.4 county") << false << "c_pow" << true << false;
        QTest::newRow("B.4 house number") << false << "z_nrd" << true << false;
        QTest::newRow("B.5 locality") << true << "c_miejsc" << true << true;
        QTest::newRow("B.5 street, today") << true << "z_ul" << false << true;
        QTest::newRow("B.5 commune") << true << "c_gmina" << true << false;
        QTest::newRow("B.5 telephone") << true << "z_tel" << true << false;
    }
    void aDateIsStoredOnlyWithAnAddressThatNamesAPlace()
    {
        QFETCH(bool, residence);
        QFETCH(QString, box);
        QFETCH(bool, picked);
        QFETCH(bool, stored);
        auto d = openEditor(EditorDialog::NewRecord);
        Tfr_adr* address = residence ? d->fr_adr1 : d->fr_adr_zameld;
        DatePicker* picker = residence ? d->dt_zamiesz : d->dt_zameld;
        typeInto(address->findChild<QWidget*>(box), "GDAŃSK");
        if (picked)
            picker->setDate(QDate(2001, 2, 3));
        d->kl_okClick();

        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        const Field& since = residence ? nip::nip3_resident_since : nip::nip3_registered_since;
        const Field& other = residence ? nip::nip3_registered_since : nip::nip3_resident_since;
        const Date4 shown = picked ? Date4{2001, 2, 3} : kToday;
        QCOMPARE(getDate(saved, since), stored ? shown : Date4{});
        QVERIFY(getDate(saved, other).isZero());
    }

    void aStoredDateShowsOnlyWithItsMonth_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("day");
        QTest::newRow("no date") << 0 << 0 << 0;
        QTest::newRow("a year and day but no month") << 2004 << 0 << 5;
    }
    void aStoredDateShowsOnlyWithItsMonth()
    {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        Bytes rec = storedNip3InBuffer();
        setStr(rec, nip::nip, "1234567890");
        setU8(rec, nip::office_changed, 1);
        setStr(rec, nip::nip3_reg_addr / address_block::locality, "SOPOT");
        setDate(rec, nip::nip3_registered_since, Date4{1999, 7, 14});
        setDate(rec, nip::nip3_resident_since,
                Date4{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(month),
                      static_cast<std::uint8_t>(day)});

        auto d = openEditor(EditorDialog::Update);
        QCOMPARE(d->m_nip->text(), QString("123-456-78-90"));
        QVERIFY(!d->c_pop_us->isHidden() && !d->e_pop_us->isHidden());
        QCOMPARE(d->dt_zameld->date(), QDate(1999, 7, 14));
        QCOMPARE(d->dt_zamiesz->date(), kTodayShown);
        d->kl_okClick();
        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        QCOMPARE(getDate(saved, nip::nip3_registered_since), (Date4{1999, 7, 14}));
        QVERIFY(getDate(saved, nip::nip3_resident_since).isZero());
    }

    void everyModeButNewLoadsTheRecord_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("surname");
        QTest::newRow("from ledger data") << int(EditorDialog::FromLedger) << "KOWALSKA";
        QTest::newRow("new") << int(EditorDialog::NewRecord) << "";
        QTest::newRow("update") << int(EditorDialog::Update) << "KOWALSKA";
    }
    void everyModeButNewLoadsTheRecord()
    {
        QFETCH(int, mode);
        QFETCH(QString, surname);
        Bytes rec = storedNip3InBuffer();
        setStr(rec, nip::surname, "KOWALSKA");
        setU8(rec, nip::purpose, 1);
        auto d = openEditor(mode);
        QTEST(d->z_nazwisko->text(), "surname");
        QCOMPARE(d->g_zm_us->isHidden(), !surname.isEmpty()); // hidden for "Zgłoszenie identyfikacyjne"
        QVERIFY(env->messages.shown.empty());
    }

    void anImpossibleDateIsRefusedOnLeavingItsField_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("next");
        QTest::newRow("date of birth") << "m_dur" << "z_mur";
        QTest::newRow("first change") << "m_dzm1" << "z_infzm2";
        QTest::newRow("second change") << "m_dzm2" << "z_infzm1";
        QTest::newRow("end of business") << "d_zak" << "m_zal_a";
        QTest::newRow("filled in") << "m_dwyp" << "z_osw_im";
    }
    void anImpossibleDateIsRefusedOnLeavingItsField()
    {
        QFETCH(QString, field);
        QFETCH(QString, next);
        auto d = openEditor(EditorDialog::NewRecord);
        auto* date = d->findChild<MaskedEdit*>(field);
        auto* neighbour = d->findChild<QWidget*>(next);
        focusOn(*d, date);
        date->setText("31-04-2006");
        moveFocus(neighbour);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(date));

        date->setText("30-04-2006");
        moveFocus(neighbour);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(QApplication::focusWidget(), neighbour);
    }

    void theFormsCountStepsFromNoneToTen()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        const QList<QToolButton*> arrows = d->ud_zal_a->findChildren<QToolButton*>();
        QCOMPARE(arrows.size(), 2);
        QCOMPARE(d->m_zal_a->text().trimmed(), QString("0"));
        arrows[1]->click();
        QCOMPARE(d->m_zal_a->text().trimmed(), QString("0"));
        for (int i = 0; i < 12; ++i)
            arrows[0]->click();
        QCOMPARE(d->m_zal_a->text().trimmed(), QString("10"));
        d->kl_okClick();
        QCOMPARE(getU8(storedNipRecord(kAccount), nip::attach_a_count), std::uint8_t(10));
    }

    void controlsFollowTheFormInTabOrderWithTheButtonsLast()
    {
        Tpdlg_nip3 d;
        QStringList chain;
        for (QWidget* w = d.nextInFocusChain(); w != &d; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                chain << w->objectName();
        const QStringList inOrder = {
            "m_nip",     "c_urzsk",   "rb_nie_us",       "rb_us",      "c_pop_us",  "m_pesel",    "z_nazwisko",
            "c_obyw",    "z_infzm1",  "m_dzm1",          "z_infzm2",   "m_dzm2",    "z_in_kr",    "z_in_kr_nr",
            "z_in_kr",   "z_in_kr_nr", "z_ul",           "z_faks",     "dt_zameld", "chbox_kor_adzam", "z_ul",
            "z_faks",    "dt_zamiesz", "z_nrrach",       "chbox_lik_rach", "m_zal_a", "d_zak",     "z_osw_im",
            "z_osw_nazw", "m_dwyp",   "nr_nip_br",       "z_nazwa_br",
        };
        qsizetype at = -1;
        for (const QString& name : inOrder) {
            const qsizetype next = chain.indexOf(name, at + 1);
            QVERIFY2(next > at, qPrintable(name + " out of order"));
            at = next;
        }
        QCOMPARE(chain.mid(chain.size() - 4), (QStringList{"kl_ok", "kl_druk", "kl_anuluj", "kl_pomoc"}));
    }

    void printAndSaveOpensThePrintDialogForNip3()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        int printKind = 0;
        setModalRunner([&](QDialog& dialog) {
            if (auto* printing = qobject_cast<Tf_wydr*>(&dialog))
                printKind = static_cast<int>(printing->form_kind);
            return int(QDialog::Rejected);
        });
        d->kl_drukClick();
        setModalRunner({});
        QCOMPARE(printKind, 3);
        QCOMPARE(d->result(), EditorDialog::PrintAndSave);
        QCOMPARE(getStr(storedNipRecord(kAccount), nip::surname), std::string("NOWAK"));
    }
};

QTEST_MAIN(Nip3EditorTest)
#include "nip3_editor_test.moc"
