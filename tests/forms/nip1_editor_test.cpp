#include "common/app_state.h"
#include "common/MaskedEdit.h"
#include "common/file_io.h"
#include "common/help.h"
#include "common/io_error.h"
#include "common/record_text.h"
#include "common/modal_runner.h"
#include "forms/EditorDialog.h"
#include "forms/Memo.h"
#include "forms/RadioGroup.h"
#include "forms/Tfr_adr.h"
#include "forms/Tfr_dok_rach.h"
#include "forms/Tfr_dzial.h"
#include "forms/Tfr_osw.h"
#include "forms/Tfr_zal.h"
#include "forms/Tpdlg_nip1.h"
#include "forms/UpDown.h"
#include "forms/nip1_test_support.h"
#include "ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "print/Tf_wydr.h"
#include "support/ui_test_environment.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

constexpr int kAccount = 5;
const char* const kAccountText = "005";

// The editor shown as the active window; a window that never became active
// fails the test without stopping it.
std::unique_ptr<Tpdlg_nip1> openEditor(int mode, const std::string& account = kAccountText)
{
    auto d = std::make_unique<Tpdlg_nip1>();
    d->prepare(account, "KOWALSKI JAN", "NIP-1    " + QString::fromStdString(account) + " KOWALSKI JAN", mode);
    QTest::qVerify(showActive(d.get()), "showActive", "the editor is the active window", __FILE__, __LINE__);
    return d;
}

// Shows the page holding the control, then gives it the focus.
void focusOn(Tpdlg_nip1& d, QWidget* control)
{
    for (int i = 0; i < d.pages->count(); ++i)
        if (d.pages->widget(i)->isAncestorOf(control))
            d.pages->setCurrentIndex(i);
    moveFocus(control);
}

std::vector<unsigned char> buffer()
{
    const ConstBytes b = recordBuffer(KindRejfor);
    return {b.begin(), b.end()};
}

} // namespace

class Nip1EditorTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        appState() = AppState{};
        makeNipFile(kAccount + 2);
    }
    void cleanup() { env.reset(); }

    void aNewRecordSavedAtOnceHoldsTheDefaults()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));

        std::vector<unsigned char> expected(nip::kRecordSize);
        nip::ClearNipRecord(expected);
        setStr(expected, nip::account_no, kAccountText);
        setU8(expected, nip::form_type, 1);
        setU8(expected, nip::purpose, 2);
        setStr(expected, nip::pesel, std::string(11, ' '));
        setStr(expected, nip::regon, std::string(9, ' '));
        setStr(expected, nip::id_doc_kind, cp("DOWÓD OSOBISTY"));
        setStr(expected, nip::citizenship, "POLSKIE");
        setU8(expected, nip::accounting_kind, 2);
        setU8(expected, nip::accounting_keeper, 1);
        for (const Field& block : {nip::reg_addr, nip::res_addr, nip::records_addr, nip::seat_addr, nip::site1_addr,
                                   nip::site2_addr})
            setStr(expected, block / address_block::country, "POLSKA");
        QCOMPARE(storedNipRecord(kAccount), expected);
        QCOMPARE(buffer(), expected);
        QVERIFY(env->messages.shown.empty());
    }

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
        auto first = openEditor(EditorDialog::NewRecord);
        first->m_nip->setText(nip);
        first->c_rodz_dok_t->setEditText("");
        first->m_dur->setText("31-02-2005");
        first->fr_zal1->m_zal_a->setText("7");
        first->fr_zal1->m_zal_b->clear();
        first->kl_okClick();
        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        QCOMPARE(getStr(saved, nip::id_doc_kind), std::string());
        QVERIFY(getDate(saved, nip::birth_date).isZero());
        QCOMPARE(getU8(saved, nip::attach_a_count), std::uint8_t(7));
        QCOMPARE(getU8(saved, nip::attach_b_count), std::uint8_t(0)); // a blank count stores 0

        auto second = openEditor(EditorDialog::Update);
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
        setStr(taxpayer, ledger::nip, "123-456-78-90");
        setStr(taxpayer, ledger::seat_locality, "Sopot");
        setStr(taxpayer, ledger::activity_desc, "handel");
        setU8(taxpayer, ledger::office_index, 1);
        setU8(taxpayer, ledger::other_records_flag, 1);
        ledger.save();
        QVERIFY(LookupLedgerAccount(kAccountText, env->messages));

        auto d = openEditor(EditorDialog::FromLedger);
        QCOMPARE(d->m_nip->text(), QString("123-456-78-90"));
        QCOMPARE(d->z_nazwisko->text(), QString("KOWALSKI"));
        QCOMPARE(d->z_imie1->text(), QString("JAN"));
        QCOMPARE(d->z_im2->text(), QString("MARIA"));
        QCOMPARE(d->c_urzsk->currentText(), QString("URZĄD SKARBOWY W SOPOCIE"));
        QCOMPARE(d->c_pop_us->count(), 1);
        QCOMPARE(d->r_przez_form->itemIndex(), 1);
        QCOMPARE(d->fr_adr_siedz->c_miejsc->currentText(), QString("SOPOT"));
        QCOMPARE(d->fr_adr_dz1->c_miejsc->currentText(), QString("SOPOT"));
        QCOMPARE(d->fr_dzial1->m_dzial->lines().first(), QString("HANDEL"));
        QCOMPARE(d->fr_dok_rach1->r_rodz_dok->itemIndex(), 2);
        QCOMPARE(d->fr_dok_rach1->z_nazwa_br->text(), QString("BIURO RACHUNKOWE"));
        QVERIFY(!d->fr_dok_rach1->g_brach->isHidden());
        d->kl_okClick();
        QCOMPARE(d->result(), int(QDialog::Accepted));
        QCOMPARE(getStr(storedNipRecord(kAccount), nip::surname), std::string("KOWALSKI"));
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

    void thePurposeAndTheOfficeChangeShowTheirBoxes()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        QVERIFY(!d->g_zm_us->isHidden());
        QVERIFY(d->c_pop_us->isHidden() && d->e_pop_us->isHidden());
        QCOMPARE(d->r_plec->itemIndex(), 0);
        QCOMPARE(d->fr_adr1->c_kraj->currentText(), QString("POLSKA"));
        QVERIFY(!d->fr_dok_rach1->g_brach->isHidden());

        d->rb_us->click();
        QVERIFY(!d->c_pop_us->isHidden() && !d->e_pop_us->isHidden());
        d->r_przez_form->button(0)->click();
        QVERIFY(d->g_zm_us->isHidden());
        d->kl_okClick();
        QCOMPARE(getU8(storedNipRecord(kAccount), nip::office_changed), std::uint8_t(1));

        setU8(recordBuffer(KindRejfor), nip::purpose, 0);
        setU8(recordBuffer(KindRejfor), nip::office_changed, 7);
        auto reopened = openEditor(EditorDialog::Update);
        QCOMPARE(reopened->r_przez_form->itemIndex(), -1);
        QVERIFY(!reopened->g_zm_us->isHidden());
        QVERIFY(reopened->rb_us->isChecked());
        QVERIFY(!reopened->c_pop_us->isHidden());
    }

    void aPlaceOfBusinessWithoutVoivodeshipLosesItsReason()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->r_pow_zgl_adr2->setItemIndex(0);
        focusOn(*d, d->fr_adr_dz2->z_ul);
        d->fr_adr_dz2->z_ul->setText("Długa");
        d->fr_adr_dz2->c_gmina->setEditText("Sopot");
        focusOn(*d, d->fr_osw1->z_osw_im);
        QCOMPARE(d->r_pow_zgl_adr2->itemIndex(), -1);
        QVERIFY(!std::filesystem::exists("slgmin.Rdx")); // the editor's rule replaces the word lists

        d->r_pow_zgl_adr2->setItemIndex(1);
        focusOn(*d, d->fr_adr_dz2->c_woj);
        d->fr_adr_dz2->c_woj->setEditText("POMORSKIE");
        focusOn(*d, d->fr_osw1->z_osw_im);
        QCOMPARE(d->r_pow_zgl_adr2->itemIndex(), 1);

        d->r_pow_zgl_adr1->setItemIndex(0);
        focusOn(*d, d->fr_adr_dz1->z_ul);
        focusOn(*d, d->chbox_kor_siedz);
        QCOMPARE(d->r_pow_zgl_adr1->itemIndex(), -1);
        d->kl_okClick();
        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        QCOMPARE(getStr(saved, nip::site2_addr / address_block::street), cp("Długa"));
        QCOMPARE(getU8(saved, nip::site2_reason), std::uint8_t(2));
        QCOMPARE(getU8(saved, nip::site1_reason), std::uint8_t(0));
    }

    void anImpossibleBirthDateIsRefusedUnlessLeavingForCancel()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        focusOn(*d, d->m_dur);
        d->m_dur->setText("30-02-2004");
        moveFocus(d->z_mur);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        moveFocus(d->kl_anuluj);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
    }

    void enterSavesOnlyAfterTheLeaveRulesOfTheFocusedField()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        focusOn(*d, d->m_dur);
        d->m_dur->setText("30-02-2004");
        QTest::keyClick(d->m_dur, Qt::Key_Return);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QVERIFY(d->isVisible());
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->m_dur));
        QCOMPARE(getStr(storedNipRecord(kAccount), nip::account_no), std::string("    "));

        d->m_dur->setText("29-02-2004");
        d->r_pow_zgl_adr2->setItemIndex(0);
        focusOn(*d, d->fr_adr_dz2->z_ul);
        d->fr_adr_dz2->z_ul->setText("Krótka");
        QTest::keyClick(d->fr_adr_dz2->z_ul, Qt::Key_Return);
        QCOMPARE(d->result(), int(QDialog::Accepted));
        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        QCOMPARE(getU8(saved, nip::site2_reason), std::uint8_t(0)); // the frame's rule ran before saving
        QCOMPARE(getDate(saved, nip::birth_date), (Date4{2004, 2, 29}));
    }

    void theActivityDateIsCheckedAndARefusedFieldShowsItsPage()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        focusOn(*d, d->d_rozp);
        d->d_rozp->setText("31-04-2005");
        focusOn(*d, d->m_l_reg);
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Niepoprawna data"});
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(d->d_rozp));
        QVERIFY(d->pages->currentWidget()->isAncestorOf(d->d_rozp));
    }

    void theActivityMemoKeepsThreeLinesOfThirty()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        const QString line35 = QString(30, 'A') + "BCDEF";
        d->fr_dzial1->m_dzial->setPlainText(line35 + "\nB\nC\nD");
        QCOMPARE(d->fr_dzial1->m_dzial->lines().size(), 4);
        d->kl_okClick();
        const std::vector<unsigned char> saved = storedNipRecord(kAccount);
        QCOMPARE(getStr(saved, nip::activity_desc_1), std::string(30, 'A'));
        QCOMPARE(getStr(saved, nip::activity_desc_2), std::string("B"));
        QCOMPARE(getStr(saved, nip::activity_desc_3), std::string("C"));

        auto reopened = openEditor(EditorDialog::Update);
        QCOMPARE(reopened->fr_dzial1->m_dzial->lines(), (QStringList{QString(30, 'A'), "B", "C"}));
    }

    void aFailedWriteKeepsTheDialogAndTheEntries()
    {
        auto d = openEditor(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        const std::vector<unsigned char> before = buffer();
        ioFaults().failOpenPath = "REJFOR.Rdx";
        ioFaults().failOpenCode = IoError::AccessDenied;
        d->kl_okClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
        QCOMPARE(env->messages.shown[0].text, IoError::textFor(IoError::AccessDenied));
        QVERIFY(d->isVisible());
        QCOMPARE(d->z_nazwisko->text(), QString("NOWAK"));
        QCOMPARE(buffer(), before);

        resetIoFaults();
        int printKind = 0;
        setModalRunner([&](QDialog& dialog) {
            if (auto* printing = qobject_cast<Tf_wydr*>(&dialog))
                printKind = static_cast<int>(printing->form_kind);
            return int(QDialog::Rejected);
        });
        d->kl_drukClick();
        setModalRunner({});
        QCOMPARE(printKind, 1);
        QCOMPARE(d->result(), EditorDialog::PrintAndSave);
        QCOMPARE(getStr(storedNipRecord(kAccount), nip::surname), std::string("NOWAK"));
    }

    void anAccountThatIsNoNumberIsNotReportedAsSaved()
    {
        const std::vector<unsigned char> file = fileBytes("REJFOR.Rdx");
        auto d = openEditor(EditorDialog::NewRecord, "ABC");
        d->kl_okClick();
        QCOMPARE(env->messages.texts(),
                 std::vector<std::string>{"Konto ABC nie jest dodatnią liczbą. Zgłoszenie nie zostało zapisane."});
        QVERIFY(d->isVisible());
        QCOMPARE(fileBytes("REJFOR.Rdx"), file);
    }

    void cancelAndEscapeLeaveBufferAndFileAlone()
    {
        const std::vector<unsigned char> file = fileBytes("REJFOR.Rdx");
        const std::vector<unsigned char> before = buffer();
        auto d = openEditor(EditorDialog::NewRecord);
        d->z_nazwisko->setText("NOWAK");
        QTest::keyClick(d.get(), Qt::Key_Escape);
        QCOMPARE(d->result(), int(QDialog::Rejected));
        auto other = openEditor(EditorDialog::NewRecord);
        other->kl_anuluj->click();
        QCOMPARE(other->result(), int(QDialog::Rejected));
        QCOMPARE(buffer(), before);
        QCOMPARE(fileBytes("REJFOR.Rdx"), file);
    }

    void controlsFollowTheFormInTabOrderWithTheButtonsLast()
    {
        Tpdlg_nip1 d;
        QStringList chain;
        for (QWidget* w = d.nextInFocusChain(); w != &d; w = w->nextInFocusChain())
            if ((w->focusPolicy() & Qt::TabFocus) && !w->objectName().isEmpty())
                chain << w->objectName();
        const QStringList inOrder = {
            "m_nip",     "c_urzsk",    "rb_nie_us", "rb_us",        "c_pop_us",  "m_pesel",  "z_nazwisko",
            "z_imie1",   "z_im2",      "z_imojca",  "z_immatki",    "m_dur",     "z_mur",    "z_nazw_rod",
            "c_rodz_dok_t", "z_nrdok_t", "c_obyw",  "z_in_kr_nr",   "chbox_kor_adzam", "d_rozp", "m_l_reg",
            "chbox_zw_pod", "nr_nip_br", "z_nazwa_br", "z_nazpel",  "z_nazskr",  "chbox_kor_siedz", "z_osw_im",
            "z_osw_nazw", "m_dwyp",
        };
        qsizetype at = -1;
        for (const QString& name : inOrder) {
            const qsizetype next = chain.indexOf(name, at + 1);
            QVERIFY2(next > at, qPrintable(name + " out of order"));
            at = next;
        }
        QCOMPARE(chain.mid(chain.size() - 4), (QStringList{"kl_ok", "kl_druk", "kl_anuluj", "kl_pomoc"}));
    }

    void helpIsAskedForTheEditor()
    {
        QWidget* asked = nullptr;
        installHelpViewer([&asked](QWidget* window) { asked = window; });
        auto d = openEditor(EditorDialog::NewRecord);
        d->kl_pomoc->click();
        installHelpViewer({});
        QCOMPARE(asked, static_cast<QWidget*>(d.get()));
        QVERIFY(d->isVisible());
    }
};

int runNip1EditorTest(int argc, char** argv)
{
    Nip1EditorTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "nip1_editor_test.moc"
