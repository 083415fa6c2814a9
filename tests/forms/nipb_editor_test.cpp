// The NIP-B editor's own rules.
#include "desktop/widgets/MaskedEdit.h"
#include "desktop/forms/frames/Tfr_nrrach.h"
#include "desktop/forms/frames/Tfr_osw.h"
#include "desktop/forms/editors/Tpdlg_nipb.h"
#include "forms/editor_test_support.h"
#include "core/ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "core/records/bank_block.h"
#include "core/records/vat_records.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

namespace {

constexpr Date4 kToday{2004, 12, 5};

Field bank(std::uint32_t i, const Field& member) { return nipb::banks.item(i - 1) / member; }

Record personRecord()
{
    Record rec = newRecord(Form::NipB);
    setStr(rec, nipb::nip, "123-456-78-90");
    setU8(rec, nipb::is_person, 1);
    setStr(rec, nipb::name, "KOWALSKI");
    setStr(rec, nipb::first_name, "JAN");
    setDate(rec, nipb::birth_date, Date4{1970, 3, 15});
    setStr(rec, nipb::id_no, "70031512345");
    setStr(rec, bank(1, bank_block::bank_name), "PKO BP");
    setStr(rec, bank(1, bank_block::number), "12 1020 0000");
    setStr(rec, bank(1, bank_block::holder), "JAN KOWALSKI");
    setStr(rec, bank(6, bank_block::holder), cp("ZAMKNIĘTY"));
    setU8(rec, bank(6, bank_block::closed), 1);
    setStr(rec, nipb::declarant_first_name, "JAN");
    setStr(rec, nipb::declarant_surname, "KOWALSKI");
    setDate(rec, nipb::fill_date, Date4{2004, 1, 2});
    return rec;
}

void makeFile(const Record& buffer) { writeRecordFile(Form::NipB, newRecord(Form::NipB), buffer); }
Record stored() { return storedRecord(Form::NipB); }
std::unique_ptr<Tpdlg_nipb> openNipB(int mode) { return openEditor<Tpdlg_nipb>(mode); }

// What page "A-B" shows of the taxpayer's kind.
QString lookOf(const Tpdlg_nipb& d)
{
    QStringList shown;
    for (const QWidget* w : std::initializer_list<const QWidget*>{d.e_imie, d.z_imie, d.e_dur, d.m_dur})
        if (!w->isHidden())
            shown << w->objectName();
    return QString("%1 at %2, %3 %4, shown: %5")
        .arg(d.e_nazwisko->text())
        .arg(d.z_nazwisko->x())
        .arg(d.e_pesel->text(), d.m_pesel->editText())
        .arg(shown.join(' '));
}

} // namespace

class NipBEditorTest : public EditorTest {
    Q_OBJECT
public:
    NipBEditorTest() : EditorTest(Form::NipB, kToday) {}

private slots:
    void theTaxpayerKindSetsCaptionsPlaceAndMask()
    {
        auto d = openNipB(EditorDialog::NewRecord);
        const QString company = "N&azwa pełna at 280, R&EGON _________, shown: ";
        const QString person = "N&azwisko at 265, P&ESEL ___________, shown: e_imie z_imie e_dur m_dur";
        QCOMPARE(lookOf(*d), company);
        QVERIFY(d->e_nazwisko->geometry().right() < d->z_nazwisko->x());
        QCOMPARE(d->fr_osw1->e_dwyp->text(), QString("Data w&ypełnienia informacji (dz-mc-rok)"));
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), person);
        d->m_pesel->setText("80010112345");
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), "N&azwa pełna at 280, R&EGON 800101123, shown: ");

        Record stored = personRecord();
        makeFile(stored);
        QCOMPARE(lookOf(*openNipB(EditorDialog::Update)),
                 "N&azwisko at 265, P&ESEL 70031512345, shown: e_imie z_imie e_dur m_dur");
        setU8(stored, nipb::is_person, 2); // only 1 is a person
        makeFile(stored);
        QCOMPARE(lookOf(*openNipB(EditorDialog::Update)), "N&azwa pełna at 280, R&EGON 700315123, shown: ");
    }

    // A person's texts are stored without the spaces around them.
    void aPersonIsStoredTrimmedInItsFields()
    {
        auto d = openNipB(EditorDialog::NewRecord);
        d->Ch_os->click();
        d->m_nip->setText("  123456789");
        d->fr_nrrach4->c_naz_ban->setEditText(" BANK ŚLĄSKI ");
        for (QLineEdit* box : {d->z_nazwisko, d->z_imie, d->fr_nrrach4->z_nrrach, d->fr_nrrach4->z_pos_rach,
                               d->fr_osw1->z_osw_im, d->fr_osw1->z_osw_nazw})
            box->setText(" NOWAK ");
        d->kl_okClick();
        const Record saved = stored();
        QCOMPARE(getStr(saved, nipb::nip), std::string("123456789"));
        QCOMPARE(getStr(saved, bank(4, bank_block::bank_name)), cp("BANK ŚLĄSKI"));
        for (const Field& f : {nipb::name, nipb::first_name, bank(4, bank_block::number), bank(4, bank_block::holder),
                               nipb::declarant_first_name, nipb::declarant_surname})
            QCOMPARE(getStr(saved, f), std::string("NOWAK"));
    }

    void leavingTheNamesFillsOnlyAnEmptyDeclarant()
    {
        auto d = openNipB(EditorDialog::NewRecord);
        Tfr_osw& declarant = *d->fr_osw1;
        d->Ch_os->click();
        focusOn(d->z_nazwisko);
        d->z_nazwisko->setText("NOWAK");
        declarant.z_osw_im->setText("   ");
        moveFocus(d->z_imie);
        d->z_imie->setText("ADAM");
        moveFocus(d->m_dur);
        QCOMPARE(declarant.z_osw_nazw->text(), QString("NOWAK"));
        QCOMPARE(declarant.z_osw_im->text(), QString("ADAM"));

        d->z_nazwisko->setText("KOWAL");
        d->z_imie->setText("JAN");
        focusOn(d->z_nazwisko);
        moveFocus(d->z_imie);
        moveFocus(d->m_pesel);
        QCOMPARE(declarant.z_osw_nazw->text(), QString("NOWAK"));
        QCOMPARE(declarant.z_osw_im->text(), QString("ADAM"));

        d->Ch_os->click();
        declarant.z_osw_nazw->clear();
        focusOn(d->z_nazwisko);
        moveFocus(d->m_pesel);
        QCOMPARE(declarant.z_osw_nazw->text(), QString());
    }

    void leavingGroupAFillsAnEmptyHolderOfAccountOne()
    {
        auto d = openNipB(EditorDialog::NewRecord);
        QLineEdit* holder = d->fr_nrrach1->z_pos_rach;
        d->Ch_os->click();
        d->z_nazwisko->setText("NOWAK");
        d->z_imie->setText("ADAM");
        focusOn(d->z_nazwisko);
        moveFocus(d->z_imie);
        QCOMPARE(holder->text(), QString()); // still in the group
        moveFocus(d->fr_nrrach1->c_naz_ban);
        QCOMPARE(holder->text(), QString("ADAM NOWAK"));

        holder->setText("FIRMA ADAM NOWAK");
        d->z_nazwisko->setText("KOWAL");
        focusOn(d->z_nazwisko);
        moveFocus(d->m_nip);
        QCOMPARE(holder->text(), QString("FIRMA ADAM NOWAK"));

        d->Ch_os->click();
        d->z_nazwisko->setText("PIEKARNIA");
        holder->setText("  ");
        focusOn(d->Ch_os);
        moveFocus(d->fr_osw1->z_osw_im);
        QCOMPARE(holder->text(), QString("PIEKARNIA"));
    }

    void aLedgerCompanyComesWithoutFirstNameAndWithItsNameAsHolder()
    {
        LedgerTestFile ledger(kAccount + 1);
        Bytes taxpayer = ledger.taxpayer(kAccount, kAccountText);
        setU8(taxpayer, ledger::taxpayer_kind, 0);
        setStr(taxpayer, ledger::full_name, cp("Piekarnia pod Lipą"));
        setStr(taxpayer, ledger::surname, "NOWAK ADAM");
        setStr(taxpayer, ledger::regon, "123456789");
        setStr(taxpayer, ledger::nip, "123-456-78-90");
        ledger.save();
        QVERIFY(LookupLedgerAccount(kAccountText, env->messages));
        Record earlier = personRecord(); // a person's record kept for the account
        makeFile(earlier);

        auto d = openNipB(EditorDialog::FromLedger);
        QVERIFY(!d->Ch_os->isChecked());
        QCOMPARE(d->z_nazwisko->text(), QString("PIEKARNIA POD LIPĄ"));
        QCOMPARE(d->z_imie->text(), QString());
        QCOMPARE(d->fr_nrrach1->z_pos_rach->text(), QString("PIEKARNIA POD LIPĄ"));
        QCOMPARE(d->fr_osw1->z_osw_nazw->text(), QString("NOWAK"));
        QCOMPARE(d->fr_osw1->m_dwyp->text(), QString("05-12-2004"));
        d->kl_okClick();
        const Record saved = stored();
        QCOMPARE(getStr(saved, bank(1, bank_block::holder)), cp("PIEKARNIA POD LIPĄ"));
        QCOMPARE(getStr(saved, bank(6, bank_block::holder)), cp("ZAMKNIĘTY")); // not the pre-fill's
        QVERIFY(env->messages.shown.empty());
    }

};

int runNipBEditorTest(int argc, char** argv)
{
    NipBEditorTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "nipb_editor_test.moc"
