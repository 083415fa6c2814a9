// The VAT-21 editor's own rules.
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/DatePicker.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_wyb_kr.h"
#include "desktop/forms/editors/Tpdlg_vat21.h"
#include "forms/editor_test_support.h"
#include "core/records/vat_records.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

constexpr std::uint8_t kPattern = 0x5A;
constexpr Date4 kToday{2004, 12, 5};
const QDate kTodayShown(2004, 12, 5);

Field entryField(int k, const Field& member)
{
    return vat21::countries.item(static_cast<std::uint32_t>(k - 1)) / member;
}

Record patternRecord() { return newRecord(Form::Vat21, kPattern); }
void makeFile(const Record& buffer) { writeRecordFile(Form::Vat21, patternRecord(), buffer); }
Record stored() { return storedRecord(Form::Vat21); }
std::unique_ptr<Tpdlg_vat21> openVat21(int mode) { return openEditor<Tpdlg_vat21>(mode); }

// The names of the date pickers shown in any row.
QStringList shownDates(const Tpdlg_vat21& d)
{
    QStringList shown;
    for (int k = 1; k <= 24; ++k)
        for (const DatePicker* p : d.fr_wyb_kr(k)->findChildren<DatePicker*>())
            if (!p->isHidden() && !shown.contains(p->objectName()))
                shown << p->objectName();
    return shown;
}

} // namespace

class Vat21EditorTest : public EditorTest {
    Q_OBJECT
public:
    Vat21EditorTest() : EditorTest(Form::Vat21, kToday) {}

protected:
    void writeFiles() override { makeFile(patternRecord()); }

private slots:
    void resigningStoresTheThreeDatesOfEachRowAndNoPlannedSupply()
    {
        auto d = openVat21(EditorDialog::NewRecord);
        QCOMPARE(shownDates(*d), QStringList{"dt_pld"});
        d->R_CEL->button(1)->click();
        QCOMPARE(shownDates(*d), (QStringList{"dt_dost", "dt_zgl", "dt_dost_po_rez"}));
        for (int k : {3, 7}) {
            Tfr_wyb_kr* row = d->fr_wyb_kr(k);
            row->c_kraj->setEditText(QString("KRAJ %1").arg(k));
            int day = 0;
            for (DatePicker* p : {row->dt_pld, row->dt_dost, row->dt_zgl, row->dt_dost_po_rez})
                p->setDate(QDate(2005, k, ++day));
        }
        d->kl_okClick();

        const Record saved = stored();
        QCOMPARE(getU8(saved, vat21::purpose), std::uint8_t(1));
        for (int k = 1; k <= 24; ++k) {
            const Tfr_wyb_kr* row = d->fr_wyb_kr(k);
            const bool named = k == 3 || k == 7;
            QVERIFY(getDate(saved, entryField(k, country_entry::planned_first_supply)).isZero());
            const std::pair<const DatePicker*, Field> dates[] = {
                {row->dt_dost, country_entry::first_supply},
                {row->dt_zgl, country_entry::choice_notified},
                {row->dt_dost_po_rez, country_entry::planned_supply_after},
            };
            for (const auto& [picker, field] : dates)
                QCOMPARE(getDate(saved, entryField(k, field)), named ? picker->date4() : Date4{});
        }
        d->R_CEL->button(0)->click();
        QCOMPARE(shownDates(*d), QStringList{"dt_pld"});
    }

    // A named row shows all four of its valid dates, whatever the purpose,
    // so that switching the purpose shows what is stored; saving keeps the
    // dates of the chosen purpose only.
    void loadingFillsTheNamedRowsWithTheirValidDatesOnly()
    {
        Record rec = patternRecord();
        clearField(rec, vat21::countries);
        setU8(rec, vat21::purpose, 1);
        setStr(rec, entryField(2, country_entry::country), "Francja");
        setDate(rec, entryField(2, country_entry::planned_first_supply), Date4{2005, 5, 2});
        setDate(rec, entryField(2, country_entry::first_supply), Date4{2005, 6, 30});
        setDate(rec, entryField(2, country_entry::choice_notified), Date4{2005, 13, 1});
        setDate(rec, entryField(4, country_entry::first_supply), Date4{2005, 7, 1}); // no country
        makeFile(rec);

        auto d = openVat21(EditorDialog::Update);
        QCOMPARE(shownDates(*d), (QStringList{"dt_dost", "dt_zgl", "dt_dost_po_rez"}));
        const Tfr_wyb_kr* row = d->fr_wyb_kr(2);
        QCOMPARE(row->c_kraj->currentText(), QString("Francja"));
        QCOMPARE(row->dt_dost->date(), QDate(2005, 6, 30));
        QCOMPARE(row->dt_zgl->date(), kTodayShown);
        QCOMPARE(d->fr_wyb_kr(4)->dt_dost->date(), kTodayShown);
        d->R_CEL->button(0)->click();
        QCOMPARE(row->dt_pld->date(), QDate(2005, 5, 2));
        d->kl_okClick();
        const Record saved = stored();
        QCOMPARE(getDate(saved, entryField(2, country_entry::planned_first_supply)), (Date4{2005, 5, 2}));
        for (const Field& resignation :
             {country_entry::first_supply, country_entry::choice_notified, country_entry::planned_supply_after})
            QVERIFY(getDate(saved, entryField(2, resignation)).isZero());
    }

    void thePagesFollowTheForm()
    {
        Tpdlg_vat21 d;
        QStringList pages;
        for (int i = 0; i < d.pages->count(); ++i)
            pages << d.pages->tabText(i);
        QCOMPARE(pages, (QStringList{"A-B.2", "C-F", "F c.d.", "G"}));
        QVERIFY(d.pages->widget(1)->isAncestorOf(d.fr_wyb_kr(11)));
        QVERIFY(d.pages->widget(2)->isAncestorOf(d.fr_wyb_kr(12)));
        QCOMPARE(d.fr_wyb_kr(24)->e_lp->text(), QString("24."));
        // The notice keeps no telephone or fax, so its address offers none.
        QVERIFY(d.fr_adr_s->z_tel->isHidden() && d.fr_adr_s->z_faks->isHidden());
    }
};

int runVat21EditorTest(int argc, char** argv)
{
    Vat21EditorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "vat21_editor_test.moc"
