// The NIP-2 editor's own rules.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dzial.h"
#include "desktop/forms/frames/Tfr_org_rej.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/frames/Tfr_wsp.h"
#include "desktop/forms/controls/TriStateBox.h"
#include "desktop/forms/editors/Tpdlg_nip2.h"
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

constexpr std::uint8_t kPattern = 0xA5;

std::unique_ptr<Tpdlg_nip2> openNip2(int mode) { return openEditor<Tpdlg_nip2>(mode); }
Bytes buffer() { return bufferOf(Form::Nip2); }

// The editor saved with "&Zapisz"; the record as the file holds it.
Record saved(Tpdlg_nip2& d)
{
    d.kl_okClick();
    QTest::qCompare(d.result(), int(QDialog::Accepted), "result", "Accepted", __FILE__, __LINE__);
    return storedRecord(Form::Nip2);
}

Field partner(int k, const Field& member) { return nip::partners.item(static_cast<std::uint32_t>(k - 1)) / member; }

bool allBytesAre(ConstBytes record, const Field& f, std::uint8_t value)
{
    return std::all_of(record.begin() + f.offset, record.begin() + f.end(), [&](auto b) { return b == value; });
}

// A stored NIP-2 with `fill` applied, in the buffer as an update opens it.
void storeNip2(const std::function<void(Bytes)>& fill)
{
    Record rec = newRecord(Form::Nip2);
    setU8(rec, nip::form_type, 2);
    setU8(rec, nip::nip2_org_form, 3);
    std::copy(rec.begin(), rec.end(), buffer().begin());
    fill(buffer());
}

} // namespace

class Nip2EditorTest : public EditorTest {
    Q_OBJECT
public:
    Nip2EditorTest() : EditorTest(Form::Nip2) {}

private slots:
    void aNewRecordStatesNothingItWasNotTold()
    {
        std::fill(buffer().begin(), buffer().end(), kPattern);
        auto d = openNip2(EditorDialog::NewRecord);
        QVERIFY(!d->rb_ident->isChecked() && !d->rb_akt->isChecked() && !d->rb_akt_nip->isChecked());
        QVERIFY(!d->g_zm_us->isHidden());
        QVERIFY(d->c_pop_us->isHidden() && d->e_pop_us->isHidden());
        const Record record = saved(*d);
        QVERIFY(allBytesAre(record, {"B.6", nip::nip2_flag_balance_sheet.offset, 8}, 0));
        QVERIFY(allBytesAre(record, nip::partners, 0));
        // What the form does not own stays as it was.
        QVERIFY(allBytesAre(record, nip::bank4, kPattern));
        QVERIFY(allBytesAre(record, {"NIP-3 dates", nip::nip3_registered_since.offset, 8}, kPattern));
        QVERIFY(allBytesAre(record, nip::reserved_2419, kPattern));
    }

    void theB6BoxesLoadAsTheirBytesSay_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("balanceSheetSaved");
        QTest::addColumn<int>("bankSaved");
        QTest::newRow("not stated") << 0 << 2 << 0;
        QTest::newRow("ticked") << 1 << 1 << 1;
        QTest::newRow("cleared") << 2 << 2 << 2;
        QTest::newRow("no code") << 7 << 2 << 0; // the bank box keeps its greyed default
    }
    void theB6BoxesLoadAsTheirBytesSay()
    {
        QFETCH(int, stored);
        QFETCH(int, balanceSheetSaved);
        QFETCH(int, bankSaved);
        storeNip2([&](Bytes rec) {
            setU8(rec, nip::nip2_flag_balance_sheet, static_cast<std::uint8_t>(stored));
            setU8(rec, nip::nip2_flag_bank, static_cast<std::uint8_t>(stored));
        });
        auto d = openNip2(EditorDialog::Update);
        const Record record = saved(*d);
        QCOMPARE(int(getU8(record, nip::nip2_flag_balance_sheet)), balanceSheetSaved);
        QCOMPARE(int(getU8(record, nip::nip2_flag_bank)), bankSaved);
    }

    void thePurposeButtonsAndTheOfficeChange_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("checked");
        QTest::addColumn<bool>("changeShown");
        QTest::newRow("none") << 0 << "" << true;
        QTest::newRow("identification") << 1 << "rb_ident" << false;
        QTest::newRow("update") << 2 << "rb_akt" << true;
        QTest::newRow("successor") << 3 << "rb_akt_nip" << true;
        QTest::newRow("no such purpose") << 9 << "" << true;
    }
    void thePurposeButtonsAndTheOfficeChange()
    {
        QFETCH(int, stored);
        QFETCH(QString, checked);
        QFETCH(bool, changeShown);
        storeNip2([&](Bytes rec) {
            setU8(rec, nip::purpose, static_cast<std::uint8_t>(stored));
            setU8(rec, nip::office_changed, 5);
        });
        auto d = openNip2(EditorDialog::Update);
        for (QRadioButton* b : {d->rb_ident, d->rb_akt, d->rb_akt_nip})
            QCOMPARE(b->isChecked(), b->objectName() == checked);
        QCOMPARE(!d->g_zm_us->isHidden(), changeShown);
        QVERIFY(d->rb_us->isChecked() && !d->c_pop_us->isHidden());
        QCOMPARE(int(getU8(saved(*d), nip::purpose)), checked.isEmpty() ? 0 : stored);

        auto clicked = openNip2(EditorDialog::Update);
        clicked->rb_ident->click();
        QVERIFY(clicked->g_zm_us->isHidden());
        clicked->rb_nie_us->click();
        QVERIFY(clicked->c_pop_us->isHidden() && clicked->e_pop_us->isHidden());
        clicked->rb_akt_nip->click();
        QVERIFY(!clicked->g_zm_us->isHidden());
        const Record record = saved(*clicked);
        QCOMPARE(getU8(record, nip::purpose), std::uint8_t(3));
        QCOMPARE(getU8(record, nip::office_changed), std::uint8_t(0));
    }

    void anInternalUnitShowsItsParentInsteadOfItsRegistration()
    {
        auto d = openNip2(EditorDialog::NewRecord);
        const auto shown = [&d] {
            return QList<bool>{!d->e_org_rej->isHidden(), !d->fr_org_rej1->isHidden(), !d->g_jedn_mac->isHidden(),
                               !d->fr_adr_siedz->isHidden()};
        };
        QCOMPARE(shown(), (QList<bool>{true, true, true, true}));
        d->fr_org_rej1->z_naz_org_rej->setText("SĄD REJONOWY");
        d->r_for_org->button(1)->click();
        QCOMPARE(shown(), (QList<bool>{false, false, true, true}));
        d->r_for_org->button(3)->click();
        QCOMPARE(shown(), (QList<bool>{true, true, false, false}));
        d->r_for_org->button(1)->click();
        const Record record = saved(*d);
        QCOMPARE(getStr(record, nip::reg_organ_name), cp("SĄD REJONOWY")); // hidden, still saved
        QCOMPARE(getU8(record, nip::nip2_org_form), std::uint8_t(2));

        for (const auto& [stored, expected] : std::vector<std::pair<int, QList<bool>>>{
                 {2, {false, false, true, true}},
                 {3, {true, true, true, true}},
                 {0, {true, true, false, false}},
                 {5, {true, true, false, false}},
                 {255, {true, true, false, false}}}) {
            setU8(buffer(), nip::nip2_org_form, static_cast<std::uint8_t>(stored));
            d = openNip2(EditorDialog::Update);
            QVERIFY2(shown() == expected, qPrintable(QString("stored form %1").arg(stored)));
        }
    }

    void onlyPartnersInUseAreStoredEachInItsOwnEntry()
    {
        auto d = openNip2(EditorDialog::NewRecord);
        d->partnerFrame(1)->z_naz_pel->setText("SPÓŁKA A");
        d->partnerFrame(2)->r_pow_zl->button(2)->click(); // "zmiana danych", no name
        Tfr_wsp* third = d->partnerFrame(3);
        third->r_rodz_podm->button(0)->click();
        third->z_naz_pel->setText("HURT SA");
        third->m_nip_wsp->setText("123-456-78-90");
        third->m_d_przyst->setText("31-02-2005"); // no check of its own: stored as no date
        const Record record = saved(*d);

        QCOMPARE(getStr(record, partner(1, partner_entry::name)), cp("SPÓŁKA A"));
        QCOMPARE(getU8(record, partner(1, partner_entry::reason)), std::uint8_t(1));
        QCOMPARE(getU8(record, partner(1, partner_entry::kind)), std::uint8_t(2));
        QCOMPARE(getStr(record, partner(3, partner_entry::name)), std::string("HURT SA"));
        QCOMPARE(getU8(record, partner(3, partner_entry::kind)), std::uint8_t(1));
        QCOMPARE(getStr(record, partner(3, partner_entry::nip)), std::string("123-456-78-90"));
        QCOMPARE(getStr(record, partner(3, partner_entry::regon_pesel)), std::string(11, ' '));
        QVERIFY(getDate(record, partner(3, partner_entry::date)).isZero());
        QCOMPARE(getStr(record, partner(3, partner_entry::addr) / address_block::country), std::string("POLSKA"));
        QVERIFY(allBytesAre(record, nip::partners.item(1), 0));

        // An entry with a reason but no name, or a name but no reason, is
        // not loaded either: its page shows a new partner.
        setU8(buffer(), partner(5, partner_entry::reason), 3);
        setStr(buffer(), partner(5, partner_entry::nip), "999");
        setStr(buffer(), partner(6, partner_entry::name), "BEZ POWODU");
        auto reopened = openNip2(EditorDialog::Update);
        QCOMPARE(reopened->partnerFrame(3)->z_naz_pel->text(), QString("HURT SA"));
        QCOMPARE(reopened->partnerFrame(3)->r_rodz_podm->itemIndex(), 0);
        for (int k : {2, 5, 6}) {
            const Tfr_wsp* p = reopened->partnerFrame(k);
            QCOMPARE(p->r_pow_zl->itemIndex(), 0);
            QCOMPARE(p->r_rodz_podm->itemIndex(), 1);
            QVERIFY(p->z_naz_pel->text().isEmpty() && p->m_nip_wsp->isBlank());
            QCOMPARE(p->fr_adr_wsp->c_kraj->currentText(), QString("POLSKA"));
        }
    }

    // A named partner whose reason byte is of no option is kept as it was,
    // shown with no reason, until the operator chooses one.
    void aPartnerWithAReasonOfNoOptionIsKeptAsItWas()
    {
        auto d = openNip2(EditorDialog::NewRecord);
        Tfr_wsp* second = d->partnerFrame(2);
        second->r_pow_zl->button(2)->click();
        second->z_naz_pel->setText("KOWALSKI JAN  01-02-1960");
        second->m_reg_wsp->setText("60020112345");
        second->fr_adr_wsp->z_ul->setText("DŁUGA");
        saved(*d);
        setU8(buffer(), partner(2, partner_entry::reason), 9);
        const Record stored(buffer().begin(), buffer().end());
        const Field entry = nip::partners.item(1);
        const auto entryOf = [&entry](const Record& r) {
            return Record(r.begin() + entry.offset, r.begin() + entry.end());
        };

        d = openNip2(EditorDialog::Update);
        QCOMPARE(d->partnerFrame(2)->r_pow_zl->itemIndex(), -1);
        QCOMPARE(d->partnerFrame(2)->z_naz_pel->text(), QString("KOWALSKI JAN  01-02-1960"));
        QCOMPARE(entryOf(saved(*d)), entryOf(stored));

        d = openNip2(EditorDialog::Update);
        d->partnerFrame(2)->r_pow_zl->button(1)->click();
        Record changed = stored;
        setU8(changed, partner(2, partner_entry::reason), 2);
        QCOMPARE(entryOf(saved(*d)), entryOf(changed));
    }

    void aPartnersHeadingsFollowItsKind()
    {
        auto d = openNip2(EditorDialog::NewRecord);
        QCOMPARE(d->pages->count(), 14);
        QCOMPARE(d->pages->tabText(11), QString("WSP.4"));
        Tfr_wsp* p = d->partnerFrame(4);
        QVERIFY(d->pages->widget(11)->isAncestorOf(p));
        QCOMPARE(p->e_d_wsp->text(), QString("B.4. DANE WSPÓLNIKA/SPÓŁKI WCHODZĄCEJ W SKŁAD GRUPY"));
        QCOMPARE(p->e_d_ident->text(), QString("B.4.1. DANE IDENTYFIKACYJNE/DANE PERSONALNE"));
        QCOMPARE(p->fr_adr_wsp->e_ad_zam->text(), QString("B.4.2. ADRES SIEDZIBY/ADRES ZAMIESZKANIA"));

        p->r_rodz_podm->button(0)->click();
        QCOMPARE(p->e_d_ident->text(), QString("B.4.1. DANE IDENTYFIKACYJNE"));
        QCOMPARE(p->fr_adr_wsp->e_ad_zam->text(), QString("B.4.2. ADRES SIEDZIBY"));
        QCOMPARE(p->e_reg_wsp->text(), QString("Regon"));
        QCOMPARE(p->e_naz_pel->text(), QString("Nazwa pełna"));
        p->r_rodz_podm->button(1)->click();
        QCOMPARE(p->e_d_ident->text(), QString("B.4.1. DANE PERSONALNE"));
        QCOMPARE(p->fr_adr_wsp->e_ad_zam->text(), QString("B.4.2. ADRES ZAMIESZKANIA"));
        QCOMPARE(p->e_reg_wsp->text(), QString("Pesel"));
        QCOMPARE(p->e_naz_pel->text(), QString("Nazwisko, pierwsze imię, data urodzenia"));

        // Entering a partner's page applies the rule to what is chosen.
        Tfr_wsp* second = d->partnerFrame(2);
        second->r_rodz_podm->setItemIndex(2);
        focusOn(second->z_naz_pel);
        QCOMPARE(second->e_d_ident->text(), QString("B.2.1. DANE IDENTYFIKACYJNE"));
        QCOMPARE(second->e_reg_wsp->text(), QString("Regon"));
    }

    void theAccountingOfficeFollowsWhoKeepsTheBooks()
    {
        appState().officeLines = {"Biuro", "Rachunkowe", "", ""};
        auto d = openNip2(EditorDialog::NewRecord);
        QVERIFY(d->z_nazwa_br->text().isEmpty());
        d->r_prow_dok->button(1)->click();
        QVERIFY(d->g_brach->isHidden());
        d->r_prow_dok->button(0)->click();
        QVERIFY(!d->g_brach->isHidden());
        QCOMPARE(d->z_nazwa_br->text(), QString("BIURO RACHUNKOWE"));
        d->r_prow_dok->button(1)->click(); // hidden, still saved
        QCOMPARE(getStr(saved(*d), nip::office_name), std::string("BIURO RACHUNKOWE"));

        auto reopened = openNip2(EditorDialog::Update);
        QVERIFY(reopened->g_brach->isHidden());
    }

    void bothNipsAreStoredAsDigitsAndShownAsThisFormGroupsThem()
    {
        auto d = openNip2(EditorDialog::NewRecord);
        d->m_nip->setText("1234567890");
        d->m_nip_mac->setText("987-654-32-10");
        const Record record = saved(*d);
        QCOMPARE(getStr(record, nip::nip), std::string("1234567890"));
        QCOMPARE(getStr(record, nip::nip2_parent_nip), std::string("9876543210"));
        auto reopened = openNip2(EditorDialog::Update);
        QCOMPARE(reopened->m_nip->text(), QString("123-45-67-890"));
        QCOMPARE(reopened->m_nip_mac->text(), QString("987-65-43-210"));
    }

};

int runNip2EditorTest(int argc, char** argv)
{
    Nip2EditorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "nip2_editor_test.moc"
