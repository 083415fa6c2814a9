// The NIP-1 editor's own rules and the save flow every editor shares.
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/io_error.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dok_rach.h"
#include "desktop/forms/frames/Tfr_dzial.h"
#include "desktop/forms/frames/Tfr_zal.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "forms/editor_test_support.h"
#include "core/ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "core/records/nip_record.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

std::unique_ptr<Tpdlg_nip1> openNip1(int mode) { return openEditor<Tpdlg_nip1>(mode); }
Record stored() { return storedRecord(Form::Nip1); }
Record buffer()
{
    const Bytes b = bufferOf(Form::Nip1);
    return {b.begin(), b.end()};
}

} // namespace

class Nip1EditorTest : public EditorTest {
    Q_OBJECT
public:
    Nip1EditorTest() : EditorTest(Form::Nip1) {}

private slots:
    void storedTextsComeBackAsShown_data()
    {
        QTest::addColumn<QString>("nip");
        QTest::addColumn<QString>("shown");
        QTest::newRow("grouped") << "123-456-78-90" << "123-456-78-90";
        QTest::newRow("digits only") << "1234567890" << "123-456-78-90";
        QTest::newRow("blank") << "" << "";
    }
    void storedTextsComeBackAsShown()
    {
        QFETCH(QString, nip);
        QFETCH(QString, shown);
        auto first = openNip1(EditorDialog::NewRecord);
        first->m_nip->setText(nip);
        first->c_rodz_dok_t->setEditText("");
        first->m_dur->setText("31-02-2005");
        first->fr_zal1->m_zal_a->setText("7");
        first->fr_zal1->m_zal_b->clear();
        first->kl_okClick();
        const Record saved = stored();
        QCOMPARE(getStr(saved, nip::id_doc_kind), std::string());
        QVERIFY(getDate(saved, nip::birth_date).isZero());
        QCOMPARE(getU8(saved, nip::attach_a_count), std::uint8_t(7));
        QCOMPARE(getU8(saved, nip::attach_b_count), std::uint8_t(0)); // a blank count stores 0

        auto second = openNip1(EditorDialog::Update);
        QCOMPARE(second->m_nip->text().trimmed(), shown);
        QCOMPARE(second->c_rodz_dok_t->currentText(), QString("DOWÓD OSOBISTY"));
        QCOMPARE(second->m_dur->editText(), QString("__-__-____"));
        QCOMPARE(second->fr_zal1->m_zal_a->text().trimmed(), QString("7"));
    }

    void aLedgerTaxpayerIsShownPrefilled()
    {
        writeOffices({cp("Urząd Skarbowy w Sopocie")});
        appState().officeLines = {"Biuro", "Rachunkowe", "", ""};
        LedgerTestFile ledger(kAccount + 1);
        Bytes taxpayer = ledger.taxpayer(kAccount, kAccountText);
        setStr(taxpayer, ledger::surname, "KOWALSKI JAN MARIA");
        setU8(taxpayer, ledger::office_index, 1);
        setU8(taxpayer, ledger::other_records_flag, 1);
        ledger.save();
        QVERIFY(LookupLedgerAccount(kAccountText, env->messages));

        auto d = openNip1(EditorDialog::FromLedger);
        QCOMPARE(d->z_nazwisko->text(), QString("KOWALSKI"));
        QCOMPARE(d->c_urzsk->currentText(), QString("URZĄD SKARBOWY W SOPOCIE"));
        QCOMPARE(d->c_pop_us->count(), 1);
        QCOMPARE(d->r_przez_form->itemIndex(), 1);
        QCOMPARE(d->fr_dok_rach1->z_nazwa_br->text(), QString("BIURO RACHUNKOWE"));
        QVERIFY(!d->fr_dok_rach1->g_brach->isHidden());
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(getStr(stored(), nip::surname), std::string("KOWALSKI"));
        QVERIFY(env->messages.shown.empty());
    }

    void aLedgerAccountOutsideTheLedgerClosesTheEditor()
    {
        LedgerTestFile ledger(3);
        ledger.taxpayer(2, "2");
        ledger.save();
        QVERIFY(LookupLedgerAccount("2", env->messages));
        setStr(currentTaxpayer(), ledger::account_no, "9");

        Tpdlg_nip1 d;
        d.prepare("9", "NOWAK", "NIP-1    9 NOWAK", EditorDialog::FromLedger);
        d.show();
        QTRY_VERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(env->messages.texts(),
                 std::vector<std::string>{"Konto 9 jest poza zbiorem podatników. Zgłoszenie nie zostanie zapisane."});
    }

    void enterSavesOnlyAfterTheLeaveRulesOfTheFocusedField()
    {
        const Record before = stored();
        auto d = openNip1(EditorDialog::NewRecord);
        focusOn(d->m_dur);
        d->m_dur->setText("30-02-2004");
        QTest::keyClick(d->m_dur, Qt::Key_Return);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        QCOMPARE(stored(), before);
        // A click takes the focus to the button on its way: still no save.
        QTest::mouseClick(d->kl_ok, Qt::LeftButton);
        QApplication::processEvents();
        QCOMPARE(env->messages.texts(), (std::vector<std::string>{"Niepoprawna data", "Niepoprawna data"}));
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        QCOMPARE(stored(), before);

        d->m_dur->setText("29-02-2004");
        d->r_pow_zgl_adr2->setItemIndex(0);
        focusOn(d->fr_adr_dz2->z_ul);
        d->fr_adr_dz2->z_ul->setText("Krótka");
        QTest::keyClick(d->fr_adr_dz2->z_ul, Qt::Key_Return);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        const Record saved = stored();
        QCOMPARE(getU8(saved, nip::site2_reason), std::uint8_t(0)); // the frame's rule ran before saving
        QCOMPARE(getDate(saved, nip::birth_date), (Date4{2004, 2, 29}));
    }

    void aFailedWriteKeepsTheDialogAndTheEntries()
    {
        auto d = openNip1(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        const Record before = buffer();
        ioFaults().failOpenPath = "REJFOR.Rdx";
        ioFaults().failOpenCode = IoError::AccessDenied;
        d->kl_okClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
        QCOMPARE(env->messages.shown[0].text, IoError::textFor(IoError::AccessDenied) + ": REJFOR.Rdx");
        QVERIFY(d->isVisible());
        QCOMPARE(d->z_nazwisko->text(), QString("NOWAK"));
        QCOMPARE(buffer(), before);

        resetIoFaults();
        d->kl_okClick();
        QCOMPARE(getStr(stored(), nip::surname), std::string("NOWAK"));
    }

    void anAccountThatIsNoNumberIsNotReportedAsSaved()
    {
        const Record file = fileBytes("REJFOR.Rdx");
        auto d = std::make_unique<Tpdlg_nip1>();
        d->prepare("ABC", "", "", EditorDialog::NewRecord);
        QVERIFY(showActive(d.get()));
        d->kl_okClick();
        QCOMPARE(env->messages.texts(),
                 std::vector<std::string>{"Konto ABC nie jest dodatnią liczbą. Zgłoszenie nie zostało zapisane."});
        QVERIFY(d->isVisible());
        QCOMPARE(fileBytes("REJFOR.Rdx"), file);
    }

    void cancelAndEscapeLeaveBufferAndFileAlone()
    {
        const Record file = fileBytes("REJFOR.Rdx");
        const Record before = buffer();
        auto d = openNip1(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        auto other = openNip1(EditorDialog::NewRecord);
        other->kl_anuluj->click();
        QCOMPARE(other->result(), int(QDialog::Rejected));
        QCOMPARE(buffer(), before);
        QCOMPARE(fileBytes("REJFOR.Rdx"), file);
    }
};

int runNip1EditorTest(int argc, char** argv)
{
    Nip1EditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "nip1_editor_test.moc"
