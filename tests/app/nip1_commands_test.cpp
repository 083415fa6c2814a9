// The NIP-1 commands of the main window from end to end: each command's
// dialogs are driven through their named controls by a scripted modal
// runner, and the record file is checked afterwards.
#include "app/Tf_rejfor_gl.h"
#include "app/Tform_info.h"
#include "common/app_state.h"
#include "common/record_text.h"
#include "common/MaskedEdit.h"
#include "common/data_files.h"
#include "common/modal_result.h"
#include "common/modal_runner.h"
#include "common/record_access.h"
#include "forms/Tpdlg_nip1.h"
#include "records/nip_record.h"
#include "ledger/Tf_szuk_pod.h"
#include "print/Tf_wydr.h"
#include "print/Tf_zg_marg.h"
#include "print/Tf_zg_odsv.h"
#include "register/Tf_nowy_nip.h"
#include "register/Tf_szuk_nip.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QToolBar>
#include <QtTest>

#include <functional>

namespace {

constexpr std::uint32_t kNipSize = 4858;

std::vector<unsigned char> nipRecord(int n)
{
    const auto bytes = fileBytes("REJFOR.Rdx");
    if (bytes.size() < (n + 1) * kNipSize)
        return {};
    return {bytes.begin() + n * kNipSize, bytes.begin() + (n + 1) * kNipSize};
}

// Stores record `n` as a form of `formType` of account "00n", filled further by `fill`.
void storeNipRecord(int n, int formType, const std::function<void(Bytes)>& fill)
{
    auto bytes = fileBytes("REJFOR.Rdx");
    if (bytes.size() < (n + 1) * kNipSize)
        bytes.resize((n + 1) * kNipSize, 0);
    Bytes rec(bytes.data() + n * kNipSize, kNipSize);
    setStr(rec, nip::account_no, "00" + std::to_string(n));
    setU8(rec, nip::form_type, static_cast<std::uint8_t>(formType));
    fill(rec);
    writeBytes("REJFOR.Rdx", bytes);
}

} // namespace

class Nip1CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        WriteSampleData(".", 20, 0);
        opened.clear();
        chooseAccount.clear();
        cancelChoice = false;
        editorAction = nullptr;
        editorMode = -1;
        printKind = 0;
        window = std::make_unique<Tf_rejfor_gl>();
        setModalRunner([this](QDialog& dialog) { return script(dialog); });
    }
    void cleanup()
    {
        window.reset();
        setModalRunner({});
        env.reset();
    }

    void menusToolbarAndPopupOfferTheNip1Commands()
    {
        QMenu* nip1 = window->menuBar()->actions().at(0)->menu();
        QVERIFY(nip1);
        for (QAction* command : {window->a_nowy, window->a_pkpir, window->a_aktualiz, window->a_wydr1})
            QVERIFY(nip1->actions().contains(command));
        QCOMPARE(nip1->defaultAction(), window->a_pkpir);
        QCOMPARE(window->tb_gl->actions().mid(0, 4),
                 (QList<QAction*>{window->a_nowy, window->a_pkpir, window->a_aktualiz, window->a_wydr1}));
        QStringList popup;
        for (QAction* a : window->popm_gl->actions())
            popup << a->text();
        QCOMPARE(popup, (QStringList{"NIP-1 nowy", "NIP-1 z PKPiR", "NIP-1 aktualizacja", "NIP-1 wydruk"}));
    }

    void fromLedgerForATaxpayerWithoutARecordExtendsTheFile()
    {
        chooseAccount = "12";
        editorAction = [](Tpdlg_nip1& editor) { editor.kl_okClick(); };
        window->a_pkpir->trigger();
        QCOMPARE(opened, (QStringList{"Tf_szuk_pod", "Tpdlg_nip1"}));
        QVERIFY(editorCaption.startsWith("NIP-1    012 "));
        QCOMPARE(editorMode, 0);
        const auto rec = nipRecord(12);
        QCOMPARE(rec.size(), std::size_t(kNipSize));
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(1));
        QCOMPARE(getStr(rec, nip::account_no), std::string("012"));
        QVERIFY(!getStr(rec, nip::surname).empty());
        QVERIFY(env->messages.shown.empty());
    }

    void fromLedgerKeepsAStoredNip1AndReplacesANip2()
    {
        storeNipRecord(3, 1, [](Bytes rec) {
            setStr(rec, nip::family_name, "RODOWE");
        });
        storeNipRecord(4, 2, [](Bytes rec) {
            setStr(rec, nip::nip2_parent_full_name, "MATKA SP. Z O.O.");
        });
        editorAction = [this](Tpdlg_nip1& editor) {
            familyName = editor.z_nazw_rod->text();
            editor.kl_okClick();
        };
        chooseAccount = "3";
        window->a_pkpir->trigger();
        QCOMPARE(familyName, QString("RODOWE"));
        chooseAccount = "4";
        window->a_pkpir->trigger();
        QCOMPARE(familyName, QString());
        const auto rec = nipRecord(4);
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(1));
        QCOMPARE(getStr(rec, nip::account_no), std::string("004"));
    }

    void nowyClaimsTheFirstFreeAccount()
    {
        editorAction = [](Tpdlg_nip1& editor) { editor.kl_okClick(); };
        window->a_nowy->trigger();
        QCOMPARE(opened, (QStringList{"Tf_nowy_nip", "Tpdlg_nip1"}));
        QCOMPARE(newDialogCaption, QString("Zgłoszenie NIP-1"));
        QCOMPARE(editorCaption, QString("NIP-1    001 nowe zgłoszenie"));
        QCOMPARE(editorMode, 1);
        QCOMPARE(getStr(nipRecord(1), nip::account_no), std::string("001"));
        QCOMPARE(getU8(nipRecord(1), nip::form_type), std::uint8_t(1));
    }

    void aktualizacjaOpensTheChosenRecord()
    {
        storeNipRecord(2, 1, [](Bytes rec) {
            setStr(rec, nip::full_name, "PIEKARNIA POD LIP\xA5");
            setStr(rec, nip::surname, "KOWAL");
        });
        chooseAccount = "2";
        editorAction = [this](Tpdlg_nip1& editor) {
            surname = editor.z_nazwisko->text();
            editor.z_nazwisko->setText("KOWALSKI");
            editor.kl_okClick();
        };
        window->a_aktualiz->trigger();
        QCOMPARE(opened, (QStringList{"Tf_szuk_nip", "Tpdlg_nip1"}));
        QCOMPARE(listTitle, QString("Aktualizacja danych zgłoszenia NIP-1"));
        QCOMPARE(editorCaption, QString("NIP-1    002 ") + fromRecordText("PIEKARNIA POD LIP\xA5"));
        QCOMPARE(editorMode, 2);
        QCOMPARE(surname, QString("KOWAL"));
        QCOMPARE(getStr(nipRecord(2), nip::surname), std::string("KOWALSKI"));
    }

    void wydrukNamesThePersonWhenTheFullNameIsEmpty()
    {
        storeNipRecord(2, 1, [](Bytes rec) {
            setStr(rec, nip::surname, "KOWAL");
            setStr(rec, nip::first_name, "JAN");
        });
        chooseAccount = "2";
        window->a_wydr1->trigger();
        QCOMPARE(opened, (QStringList{"Tf_szuk_nip", "Tf_wydr"}));
        QCOMPARE(listTitle, QString("Wydruk zgłoszenia NIP-1"));
        QCOMPARE(printCaption, QString("002 KOWAL JAN Wydruk formularza NIP-1"));
        QCOMPARE(printKind, 1);
    }

    void cancellingAChoosingDialogChangesNothing()
    {
        const auto before = fileBytes("REJFOR.Rdx");
        cancelChoice = true;
        for (QAction* a : {window->a_pkpir, window->a_nowy, window->a_aktualiz, window->a_wydr1})
            a->trigger();
        QCOMPARE(opened, (QStringList{"Tf_szuk_pod", "Tf_nowy_nip", "Tf_szuk_nip", "Tf_szuk_nip"}));
        QCOMPARE(fileBytes("REJFOR.Rdx"), before);
    }

    void generalCommandsOpenTheirWindows()
    {
        window->a_marg->trigger();
        window->a_odsv->trigger();
        window->a_info->trigger();
        QCOMPARE(opened, (QStringList{"Tf_zg_marg", "Tf_zg_odsv", "Tform_info"}));
        QVERIFY(officeLines.startsWith(QString::fromUtf8("BIURO RACHUNKOWE")));
        window->HelpContents1->trigger();
        QVERIFY(window->helpWindow() && window->helpWindow()->isVisible());
        QVERIFY(window->helpWindow()->tb_tekst->toPlainText().contains("Zgłoszenie na podstawie danych z PKPiR"));
    }

    void aFailingRecordFileEndsTheCommandWithTheErrorBox()
    {
        std::filesystem::remove("REJFOR.Rdx");
        std::filesystem::create_directory("REJFOR.Rdx"); // cannot be opened as a file
        chooseAccount = "3";
        window->a_pkpir->trigger();
        QCOMPARE(opened, (QStringList{"Tf_szuk_pod"}));
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
    }

private:
    // Plays the operator's part in every dialog a command opens.
    int script(QDialog& dialog)
    {
        opened << dialog.metaObject()->className();
        if (auto* search = qobject_cast<ChoosingListDialog*>(&dialog)) {
            listTitle = search->windowTitle();
            if (cancelChoice)
                return kModalCancel;
            search->FormActivate();
            search->m_kon->setText(chooseAccount);
            search->kl_okClick();
            return search->result();
        }
        if (auto* choose = qobject_cast<Tf_nowy_nip*>(&dialog)) {
            newDialogCaption = choose->windowTitle();
            if (cancelChoice)
                return kModalCancel;
            choose->FormActivate();
            choose->kl_wolneClick();
            choose->kl_okClick();
            return choose->result();
        }
        if (auto* editor = qobject_cast<Tpdlg_nip1*>(&dialog)) {
            editorCaption = editor->windowTitle();
            editorMode = editor->mode();
            editor->activate();
            if (editorAction)
                editorAction(*editor);
            return editor->result();
        }
        if (auto* printing = qobject_cast<Tf_wydr*>(&dialog)) {
            printing->FormActivate();
            printCaption = printing->windowTitle();
            printKind = printing->form_kind;
            return QDialog::Rejected;
        }
        if (auto* about = qobject_cast<Tform_info*>(&dialog))
            officeLines = about->mem_wl->toPlainText();
        return QDialog::Rejected;
    }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    QStringList opened;
    QString chooseAccount;
    bool cancelChoice = false;
    std::function<void(Tpdlg_nip1&)> editorAction;
    QString listTitle, newDialogCaption, editorCaption, printCaption, officeLines, familyName, surname;
    int editorMode = -1;
    int printKind = 0;
};

QTEST_MAIN(Nip1CommandsTest)
#include "nip1_commands_test.moc"
