// The VAT-Z editor's own rules.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/TFr_adr1.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/editors/Tpdlg_vatz.h"
#include "forms/editor_test_support.h"
#include "core/records/vat_records.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace {

constexpr std::uint8_t kPattern = 0x5A;
constexpr Date4 kToday{2004, 12, 5};

// A person's notice, last declared for 7/2004; every byte no field reads is
// the pattern, so that a stray write shows.
Record personsNotice()
{
    Record rec = newRecord(Form::VatZ, kPattern);
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

Record stored() { return storedRecord(Form::VatZ); }
std::unique_ptr<Tpdlg_vatz> openVatZ(int mode) { return openEditor<Tpdlg_vatz>(mode); }

std::unique_ptr<Tpdlg_vatz> openStored(const Record& rec)
{
    writeRecordFile(Form::VatZ, personsNotice(), rec);
    return openVatZ(EditorDialog::Update);
}

} // namespace

class VatZEditorTest : public EditorTest {
    Q_OBJECT
public:
    VatZEditorTest() : EditorTest(Form::VatZ, kToday) {}

protected:
    void writeFiles() override { writeRecordFile(Form::VatZ, personsNotice(), personsNotice()); }

private slots:
    // A stored year before 1990, or a longer number whose first four digits
    // are, reopens at 1990.
    void aYearBeforeTheFirstTheUpDownOffersReopensAtItsFirst_data()
    {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1985") << 1985 << "1990";
        QTest::newRow("four digits of a longer number") << 11550000 << "1990";
        QTest::newRow("2004") << 2004 << "2004";
        QTest::newRow("beyond the buttons") << 2150 << "2150";
    }
    void aYearBeforeTheFirstTheUpDownOffersReopensAtItsFirst()
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

    void onlyAPersonHasABirthDate()
    {
        auto person = openStored(personsNotice());
        QCOMPARE(person->m_dur->text(), QString("15-03-1970"));
        QCOMPARE(person->Fr_adr_s->g_adr->title(), QString("B.2. ADRES ZAMIESZKANIA"));

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
        auto update = openVatZ(EditorDialog::Update);
        QCOMPARE(update->z_nazwisko->text(), QString("KOWALSKI JAN"));
        QCOMPARE(update->dt_zap->date4(), (Date4{2004, 11, 30}));

        Record noDate = personsNotice();
        setDate(noDate, vatz::cessation_date, Date4{2004, 2, 30});
        QCOMPARE(openStored(noDate)->dt_zap->date4(), kToday);

        auto neither = openVatZ(7);
        QCOMPARE(neither->z_nazwisko->text(), QString());
        QVERIFY(neither->fr_osw1->m_dwyp->isBlank());
    }
};

int runVatzEditorTest(int argc, char** argv)
{
    VatZEditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "vatz_editor_test.moc"
