// The NIP-B editor's own rules, driven offscreen through its named controls:
// the taxpayer's kind and what it shows and stores, the rules of leaving the
// names and group A, the opening modes, the buttons and the tab order.
#include "common/FocusMoves.h"
#include "common/MaskedEdit.h"
#include "common/clock.h"
#include "common/help.h"
#include "common/modal_runner.h"
#include "forms/Tfr_nrrach.h"
#include "forms/Tfr_osw.h"
#include "forms/Tpdlg_nipb.h"
#include "forms/nip1_test_support.h"
#include "ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "print/Tf_wydr.h"
#include "records/bank_block.h"
#include "records/vat_records.h"
#include "support/ui_test_environment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr int kAccount = 4;
const char* const kAccountText = "004";
constexpr std::uint8_t kPattern = 0x5A;
constexpr Date4 kToday{2004, 12, 5};

using Record = std::vector<unsigned char>;

Field bank(std::uint32_t i, const Field& member) { return nipb::banks.item(i - 1) / member; }

// A record whose every byte no field reads is the pattern: a string's
// characters after its length, the reserved tail. A stray write shows.
Record patternRecord()
{
    Record rec(nipb::kRecordSize, kPattern);
    setStr(rec, nipb::account_no, kAccountText);
    setStr(rec, nipb::nip, "");
    setU8(rec, nipb::is_person, 0);
    for (const Field& f : {nipb::name, nipb::first_name, nipb::id_no, nipb::declarant_first_name,
                           nipb::declarant_surname})
        setStr(rec, f, "");
    setDate(rec, nipb::birth_date, Date4{});
    setDate(rec, nipb::fill_date, Date4{});
    for (std::uint32_t i = 1; i <= nipb::kBankCount; ++i) {
        for (const Field& f : {bank_block::bank_name, bank_block::number, bank_block::holder})
            setStr(rec, bank(i, f), "");
        setU8(rec, bank(i, bank_block::closed), 0);
    }
    return rec;
}

Record personRecord()
{
    Record rec = patternRecord();
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

std::string fileName() { return dataFileName("nipb."); }

// The NIP-B file: every record the pattern record of its own account; the
// buffer holds `buffer`.
void makeFile(const Record& buffer)
{
    Record file;
    for (int n = 0; n <= kAccount + 1; ++n) {
        Record rec = patternRecord();
        setStr(rec, nipb::account_no, std::to_string(n));
        file.insert(file.end(), rec.begin(), rec.end());
    }
    writeBytes(fileName(), file);
    std::copy(buffer.begin(), buffer.end(), recordBuffer(KindNipb).begin());
}

Record storedRecord(int n)
{
    const Record file = fileBytes(fileName());
    const auto at = file.begin() + static_cast<std::ptrdiff_t>(n) * nipb::kRecordSize;
    return {at, at + nipb::kRecordSize};
}

std::unique_ptr<Tpdlg_nipb> openEditor(int mode)
{
    auto d = std::make_unique<Tpdlg_nipb>();
    d->prepare(kAccountText, "KOWALSKI JAN", "NIP-B    004 KOWALSKI JAN", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}

void focusOn(QWidget* control)
{
    showPageOf(control);
    moveFocus(control);
}

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

// The named controls of the pages and the buttons in tab order, each with
// the frame it belongs to.
QStringList tabChain(EditorDialog& d)
{
    QStringList chain;
    for (QWidget* w = d.nextInFocusChain(); w != &d; w = w->nextInFocusChain()) {
        const bool onPage = d.pages->currentWidget()->parentWidget()->isAncestorOf(w);
        if (!(w->focusPolicy() & Qt::TabFocus) || w->objectName().isEmpty() || !(onPage || d.P_klaw->isAncestorOf(w)))
            continue;
        QString name = w->objectName();
        for (QWidget* up = w->parentWidget(); up; up = up->parentWidget())
            if (up->objectName().startsWith("fr_"))
                name = up->objectName() + "." + name;
        chain << name;
    }
    return chain;
}

} // namespace

class NipBEditorTest : public QObject {
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

    void aCompanyIsStoredWithoutFirstNameAndBirthDateWhateverTheHiddenBoxesHold()
    {
        const Record person = personRecord();
        makeFile(person);
        auto d = openEditor(EditorDialog::Update);
        QCOMPARE(d->m_pesel->text(), QString("70031512345"));
        d->kl_okClick();
        QCOMPARE(storedRecord(kAccount), person);

        auto company = openEditor(EditorDialog::Update);
        company->Ch_os->click();
        QCOMPARE(company->z_imie->text(), QString("JAN"));
        QCOMPARE(company->m_dur->text(), QString("15-03-1970"));
        company->kl_okClick();
        Record expected = person;
        setU8(expected, nipb::is_person, 0);
        setStr(expected, nipb::first_name, "");
        setDate(expected, nipb::birth_date, Date4{});
        setStr(expected, nipb::id_no, "700315123"); // a REGON has nine digits
        QCOMPARE(storedRecord(kAccount), expected);
        Record neighbour = patternRecord();
        setStr(neighbour, nipb::account_no, std::to_string(kAccount + 1));
        QCOMPARE(storedRecord(kAccount + 1), neighbour);
        QVERIFY(env->messages.shown.empty());
    }

    void theTaxpayerKindSetsCaptionsPlaceAndMask()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        const QString company = "N&azwa pełna at 280, R&EGON _________, shown: ";
        const QString person = "N&azwisko at 265, P&ESEL ___________, shown: e_imie z_imie e_dur m_dur";
        QCOMPARE(lookOf(*d), company);
        QVERIFY(d->e_nazwisko->geometry().right() < d->z_nazwisko->x());
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), person);
        d->m_pesel->setText("80010112345");
        d->Ch_os->click();
        QCOMPARE(lookOf(*d), "N&azwa pełna at 280, R&EGON 800101123, shown: ");

        Record stored = personRecord();
        makeFile(stored);
        QCOMPARE(lookOf(*openEditor(EditorDialog::Update)),
                 "N&azwisko at 265, P&ESEL 70031512345, shown: e_imie z_imie e_dur m_dur");
        setU8(stored, nipb::is_person, 2); // only 1 is a person
        makeFile(stored);
        QCOMPARE(lookOf(*openEditor(EditorDialog::Update)), "N&azwa pełna at 280, R&EGON 700315123, shown: ");
    }

    void aPersonIsStoredTrimmedInItsFields()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->Ch_os->click();
        d->m_nip->setText("  123456789");
        d->z_nazwisko->setText("  NOWAK ");
        d->z_imie->setText(" ADAM ");
        d->m_dur->setText("05-06-1971");
        d->m_pesel->setText("7106051234");
        d->fr_nrrach4->c_naz_ban->setEditText(" BANK ŚLĄSKI ");
        d->fr_nrrach4->z_nrrach->setText(" 11 2222 ");
        d->fr_nrrach4->z_pos_rach->setText(" ADAM NOWAK ");
        d->fr_nrrach4->chbox_lik_rach->setChecked(true);
        d->fr_osw1->z_osw_im->setText(" EWA ");
        d->fr_osw1->z_osw_nazw->setText(" NOWAK ");
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));

        Record expected = patternRecord();
        setStr(expected, nipb::nip, "123456789");
        setU8(expected, nipb::is_person, 1);
        setStr(expected, nipb::name, "NOWAK");
        setStr(expected, nipb::first_name, "ADAM");
        setDate(expected, nipb::birth_date, Date4{1971, 6, 5});
        setStr(expected, nipb::id_no, "7106051234");
        setStr(expected, bank(4, bank_block::bank_name), cp("BANK ŚLĄSKI"));
        setStr(expected, bank(4, bank_block::number), "11 2222");
        setStr(expected, bank(4, bank_block::holder), "ADAM NOWAK");
        setU8(expected, bank(4, bank_block::closed), 1);
        setStr(expected, nipb::declarant_first_name, "EWA");
        setStr(expected, nipb::declarant_surname, "NOWAK");
        setDate(expected, nipb::fill_date, kToday);
        QCOMPARE(storedRecord(kAccount), expected);
        QCOMPARE(storedRecord(kAccount)[75], std::uint8_t(4)); // first_name: "ADAM"
        QVERIFY(env->messages.shown.empty());
    }

    void leavingTheNamesFillsOnlyAnEmptyDeclarant()
    {
        auto d = openEditor(EditorDialog::NewRecord);
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
        auto d = openEditor(EditorDialog::NewRecord);
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

    void anImpossibleBirthDateIsRefusedUnlessLeavingForCancel()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->Ch_os->click();
        focusOn(d->m_dur);
        d->m_dur->setText("31-06-1970");
        moveFocus(d->m_pesel);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        moveFocus(d->kl_anuluj);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
    }

    void theFillDateIsTodayOnlyForANewRecord()
    {
        auto fresh = openEditor(EditorDialog::NewRecord);
        QCOMPARE(fresh->fr_osw1->m_dwyp->text(), QString("05-12-2004"));
        QCOMPARE(fresh->fr_osw1->e_dwyp->text(), QString("Data w&ypełnienia informacji (dz-mc-rok)"));

        makeFile(personRecord());
        auto stored = openEditor(EditorDialog::Update);
        QCOMPARE(stored->fr_osw1->m_dwyp->text(), QString("02-01-2004"));
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
        setStr(taxpayer, ledger::bank_name, "pko bp");
        ledger.save();
        QVERIFY(LookupLedgerAccount(kAccountText, env->messages));
        Record earlier = personRecord(); // a person's record kept for the account
        makeFile(earlier);

        auto d = openEditor(EditorDialog::FromLedger);
        QVERIFY(!d->Ch_os->isChecked());
        QCOMPARE(d->z_nazwisko->text(), QString("PIEKARNIA POD LIPĄ"));
        QCOMPARE(d->z_imie->text(), QString());
        QCOMPARE(d->m_pesel->text(), QString("123456789"));
        QCOMPARE(d->fr_nrrach1->z_pos_rach->text(), QString("PIEKARNIA POD LIPĄ"));
        QCOMPARE(d->fr_nrrach1->c_naz_ban->currentText(), QString("PKO BP"));
        QCOMPARE(d->fr_osw1->z_osw_nazw->text(), QString("NOWAK"));
        QCOMPARE(d->fr_osw1->m_dwyp->text(), QString("05-12-2004"));
        d->kl_okClick();
        const Record saved = storedRecord(kAccount);
        QCOMPARE(getU8(saved, nipb::is_person), std::uint8_t(0));
        QCOMPARE(getStr(saved, nipb::first_name), std::string());
        QVERIFY(getDate(saved, nipb::birth_date).isZero());
        QCOMPARE(getStr(saved, bank(1, bank_block::holder)), cp("PIEKARNIA POD LIPĄ"));
        QCOMPARE(getStr(saved, bank(6, bank_block::holder)), cp("ZAMKNIĘTY")); // not the pre-fill's
        QVERIFY(env->messages.shown.empty());
    }

    void theButtonsHaveTheirOwnNamesAndComeLastInTabOrder()
    {
        Tpdlg_nipb d;
        QStringList accounts;
        for (const char* frame : {"fr_nrrach1", "fr_nrrach2", "fr_nrrach3", "fr_nrrach4", "fr_nrrach5", "fr_nrrach6"})
            for (const char* box : {".c_naz_ban", ".z_nrrach", ".z_pos_rach", ".chbox_lik_rach"})
                accounts << QString(frame) + box;
        QStringList expected = {"m_nip", "Ch_os", "z_nazwisko", "z_imie", "m_dur", "m_pesel"};
        expected << accounts.mid(0, 8) << "fr_osw1.z_osw_im" << "fr_osw1.z_osw_nazw" << "fr_osw1.m_dwyp";
        expected << accounts.mid(8) << "OKBtn" << "kl_druk" << "CancelBtn" << "HelpBtn";
        QCOMPARE(tabChain(d), expected);
    }

    void printAndSaveOpensTheNipBPrintAndHelpIsTheEditors()
    {
        QWidget* asked = nullptr;
        installHelpViewer([&asked](QWidget* window) { asked = window; });
        auto d = openEditor(EditorDialog::NewRecord);
        d->kl_pomoc->click();
        installHelpViewer({});
        QCOMPARE(asked, static_cast<QWidget*>(d.get()));

        d->z_nazwisko->setText("PIEKARNIA");
        int printKind = 0;
        setModalRunner([&](QDialog& dialog) {
            if (auto* printing = qobject_cast<Tf_wydr*>(&dialog))
                printKind = static_cast<int>(printing->form_kind);
            return int(QDialog::Rejected);
        });
        d->kl_druk->click();
        setModalRunner({});
        QCOMPARE(printKind, 4);
        QCOMPARE(d->result(), EditorDialog::PrintAndSave);
        QCOMPARE(getStr(storedRecord(kAccount), nipb::name), std::string("PIEKARNIA"));
    }
};

QTEST_MAIN(NipBEditorTest)
#include "nipb_editor_test.moc"
