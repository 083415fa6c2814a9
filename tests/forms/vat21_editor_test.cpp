// The VAT-21 editor's own rules, driven offscreen through its named
// controls: the 24 country rows and what the purpose shows and stores of
// them, and the order of the pages and their controls.
#include "common/clock.h"
#include "common/record_text.h"
#include "forms/DatePicker.h"
#include "forms/RadioGroup.h"
#include "forms/Tfr_adr.h"
#include "forms/Tfr_wyb_kr.h"
#include "forms/Tpdlg_vat21.h"
#include "forms/notice_test_support.h"
#include "support/ui_test_environment.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

namespace {

constexpr int kAccount = 6;
const char* const kAccountText = "006";
constexpr std::uint8_t kPattern = 0x5A;
constexpr Date4 kToday{2004, 12, 5};
const QDate kTodayShown(2004, 12, 5);

Field entryField(int k, const Field& member) { return vat21::countries.item(static_cast<std::uint32_t>(k - 1)) / member; }

// Every byte the pattern, so that a stray write shows, and so does a byte
// that should have been cleared.
Record patternRecord()
{
    Record rec(vat21::kRecordSize, kPattern);
    setStr(rec, vat21::account_no, kAccountText);
    return rec;
}

void makeFile(const Record& buffer) { makeNoticeFile(KindVat21, patternRecord(), buffer, kAccount + 1); }
Record stored() { return storedNotice(KindVat21, kAccount); }
std::unique_ptr<Tpdlg_vat21> openEditor(int mode) { return openNotice<Tpdlg_vat21>(kAccountText, mode); }

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

class Vat21EditorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        setTodayProvider([] { return kToday; });
        makeFile(patternRecord());
    }
    void cleanup()
    {
        setTodayProvider({});
        env.reset();
    }

    void onlyTheRowThatNamesACountryIsStoredAndComesBack()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->fr_wyb_kr(5)->c_kraj->setCurrentIndex(d->fr_wyb_kr(5)->c_kraj->findText("Węgry"));
        d->fr_wyb_kr(5)->dt_pld->setDate(QDate(2005, 3, 1));
        d->fr_wyb_kr(9)->dt_pld->setDate(QDate(2005, 4, 1)); // a date without a country
        d->kl_okClick();

        const Record saved = stored();
        Record countries(vat21::countries.width, 0);
        const std::string name = toRecordText("Węgry");
        const std::size_t at = entryField(5, country_entry::country).offset - vat21::countries.offset;
        countries[at] = static_cast<unsigned char>(name.size());
        std::copy(name.begin(), name.end(), countries.begin() + static_cast<std::ptrdiff_t>(at + 1));
        const unsigned char planned[] = {2005 & 0xFF, 2005 >> 8, 3, 1}; // 01-03-2005
        std::copy(std::begin(planned), std::end(planned),
                  countries.begin() + static_cast<std::ptrdiff_t>(at + country_entry::planned_first_supply.offset));
        QCOMPARE(Record(saved.begin() + vat21::countries.offset, saved.begin() + vat21::countries.end()), countries);
        for (const Field& reserved : {vat21::reserved_136, vat21::reserved_352, vat21::reserved_1594})
            QCOMPARE(Record(saved.begin() + reserved.offset, saved.begin() + reserved.end()),
                     Record(reserved.width, kPattern));

        makeFile(saved);
        auto again = openEditor(EditorDialog::Update);
        for (int k = 1; k <= 24; ++k) {
            QCOMPARE(again->fr_wyb_kr(k)->c_kraj->currentText(), QString(k == 5 ? "Węgry" : ""));
            QCOMPARE(again->fr_wyb_kr(k)->dt_pld->date(), k == 5 ? QDate(2005, 3, 1) : kTodayShown);
        }
    }

    void resigningStoresTheThreeDatesOfEachRowAndNoPlannedSupply()
    {
        auto d = openEditor(EditorDialog::NewRecord);
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

    void loadingFillsTheNamedRowsWithTheirValidDatesOnly()
    {
        Record rec = patternRecord();
        clearField(rec, vat21::countries);
        setU8(rec, vat21::purpose, 1);
        setStr(rec, entryField(2, country_entry::country), "Francja");
        setDate(rec, entryField(2, country_entry::first_supply), Date4{2005, 6, 30});
        setDate(rec, entryField(2, country_entry::choice_notified), Date4{2005, 13, 1});
        setDate(rec, entryField(4, country_entry::first_supply), Date4{2005, 7, 1}); // no country
        makeFile(rec);

        auto d = openEditor(EditorDialog::Update);
        QCOMPARE(shownDates(*d), (QStringList{"dt_dost", "dt_zgl", "dt_dost_po_rez"}));
        QCOMPARE(d->fr_wyb_kr(2)->c_kraj->currentText(), QString("Francja"));
        QCOMPARE(d->fr_wyb_kr(2)->dt_dost->date(), QDate(2005, 6, 30));
        QCOMPARE(d->fr_wyb_kr(2)->dt_zgl->date(), kTodayShown);
        QCOMPARE(d->fr_wyb_kr(4)->dt_dost->date(), kTodayShown);
    }

    void pagesAndTabOrderFollowTheForm()
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

        QStringList expected = identificationChain("fr_adr_s");
        for (int k = 1; k <= 24; ++k)
            for (const char* box : {"c_kraj", "dt_pld", "dt_dost", "dt_zgl", "dt_dost_po_rez"})
                expected << QString("fr_wyb_kr%1.%2").arg(k).arg(box);
        QCOMPARE(tabChain(d), expected + kDeclarantAndButtons);
    }
};

QTEST_MAIN(Vat21EditorTest)
#include "vat21_editor_test.moc"
