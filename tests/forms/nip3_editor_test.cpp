// The NIP-3 editor's own rules.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/editors/Tpdlg_nip3.h"
#include "desktop/forms/controls/UpDown.h"
#include "forms/editor_test_support.h"
#include "core/records/nip_record.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

namespace {

constexpr Date4 kToday{2006, 5, 17};
const QDate kTodayShown(2006, 5, 17);

std::unique_ptr<Tpdlg_nip3> openNip3(int mode) { return openEditor<Tpdlg_nip3>(mode); }

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
    Bytes rec = bufferOf(Form::Nip3);
    setU8(rec, nip::form_type, 3);
    return rec;
}

} // namespace
Q_DECLARE_METATYPE(Date4)

class Nip3EditorTest : public EditorTest {
    Q_OBJECT
public:
    Nip3EditorTest() : EditorTest(Form::Nip3, kToday) {}

private slots:
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
        auto d = openNip3(EditorDialog::NewRecord);
        Tfr_adr* address = residence ? d->fr_adr1 : d->fr_adr_zameld;
        DatePicker* picker = residence ? d->dt_zamiesz : d->dt_zameld;
        typeInto(address->findChild<QWidget*>(box), "GDAŃSK");
        if (picked)
            picker->setDate(QDate(2001, 2, 3));
        d->kl_okClick();

        const Record saved = storedRecord(Form::Nip3);
        const Field& since = residence ? nip::nip3_resident_since : nip::nip3_registered_since;
        const Field& other = residence ? nip::nip3_registered_since : nip::nip3_resident_since;
        const Date4 shown = picked ? Date4{2001, 2, 3} : kToday;
        QCOMPARE(getDate(saved, since), stored ? shown : Date4{});
        QVERIFY(getDate(saved, other).isZero());
    }

    void aStoredDateShowsOnlyWithItsMonth_data()
    {
        QTest::addColumn<Date4>("since");
        QTest::newRow("no date") << Date4{};
        QTest::newRow("a year and day but no month") << Date4{2004, 0, 5};
    }
    void aStoredDateShowsOnlyWithItsMonth()
    {
        QFETCH(Date4, since);
        Bytes rec = storedNip3InBuffer();
        setStr(rec, nip::nip3_reg_addr / address_block::locality, "SOPOT");
        setDate(rec, nip::nip3_registered_since, Date4{1999, 7, 14});
        setDate(rec, nip::nip3_resident_since, since);
        setStr(rec, nip::nip, "1234567890");

        auto d = openNip3(EditorDialog::Update);
        QCOMPARE(d->m_nip->text(), QString("123-456-78-90"));
        QCOMPARE(d->dt_zameld->date(), QDate(1999, 7, 14));
        QCOMPARE(d->dt_zamiesz->date(), kTodayShown);
        d->kl_okClick();
        const Record saved = storedRecord(Form::Nip3);
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
        auto d = openNip3(mode);
        QTEST(d->z_nazwisko->text(), "surname");
        QCOMPARE(d->g_zm_us->isHidden(), !surname.isEmpty()); // hidden for "Zgłoszenie identyfikacyjne"
        QVERIFY(env->messages.shown.empty());
    }

    // Its own up-down: from none to ten forms.
    void theFormsCountStepsFromNoneToTen()
    {
        auto d = openNip3(EditorDialog::NewRecord);
        const QList<QToolButton*> arrows = d->ud_zal_a->findChildren<QToolButton*>();
        arrows[1]->click();
        QCOMPARE(d->m_zal_a->text().trimmed(), QString("0"));
        for (int i = 0; i < 12; ++i)
            arrows[0]->click();
        QCOMPARE(d->m_zal_a->text().trimmed(), QString("10"));
        d->kl_okClick();
        QCOMPARE(getU8(storedRecord(Form::Nip3), nip::attach_a_count), std::uint8_t(10));
    }
};

int runNip3EditorTest(int argc, char** argv)
{
    Nip3EditorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "nip3_editor_test.moc"
