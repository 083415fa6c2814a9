// The NIP-3 commands of the main window that open the NIP-3 editor, from
// end to end: the toolbar button, the choosing dialog, the editor with the
// form's caption and mode, and the record written. The dialogs are driven
// by a scripted modal runner. ("wydruk" is in command_table_test.)
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/cp1250.h"
#include "forms/Tpdlg_nip3.h"
#include "records/nip_record.h"
#include "register/record_files.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QLineEdit>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

namespace {

std::vector<unsigned char> nipRecord(int n)
{
    const auto bytes = fileBytes("REJFOR.Rdx");
    const auto at = bytes.begin() + static_cast<std::ptrdiff_t>(n) * nip::kRecordSize;
    return {at, at + nip::kRecordSize};
}

} // namespace

class Nip3CommandsTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        WriteSampleData(".", 20, 0);
        window = std::make_unique<Tf_rejfor_gl>();
        script = std::make_unique<CommandScript>();
    }
    void cleanup()
    {
        script.reset();
        window.reset();
        env.reset();
    }

    void nowyOpensTheEditorOnTheFirstFreeAccount()
    {
        script->editorAction = [](EditorDialog& editor) {
            dynamic_cast<Tpdlg_nip3&>(editor).z_nazwisko->setText("NOWAK");
            editor.kl_okClick();
        };
        clickToolButton("     NIP-3        ");
        QCOMPARE(script->seen(), QString("Tf_nowy_nip Zgłoszenie NIP-3 | Tpdlg_nip3 NIP-3    001 nowe zgłoszenie"));
        QCOMPARE(script->editorMode, 1);
        const auto rec = nipRecord(1);
        QCOMPARE(getStr(rec, nip::account_no), std::string("001"));
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(3));
        QCOMPARE(getStr(rec, nip::surname), std::string("NOWAK"));
    }

    void aktualizacjaNamesTheTaxpayerCutToForty()
    {
        const std::string surname(30, 'S');
        RecordFileBuilder file(KindRejfor, 4);
        Bytes stored = file.inUse(2, "002", 3);
        setStr(stored, nip::surname, surname);
        setStr(stored, nip::first_name, "JANINA MARIA");
        setStr(stored, nip::nip3_agent_name, cp1250::fromUtf8("POŚREDNIK"));
        file.save();
        QString agent;
        script->chooseAccount = "2";
        script->editorAction = [&](EditorDialog& editor) {
            auto& nip3 = dynamic_cast<Tpdlg_nip3&>(editor);
            agent = nip3.z_nazwa_br->text();
            nip3.z_imie1->setText("JANINA");
            editor.kl_okClick();
        };
        clickToolButton("NIP-3 akt.");
        QCOMPARE(script->seen(), QString::fromStdString("Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-3 | Tpdlg_nip3 "
                                                        "NIP-3    002 " + surname + " JANINA MA"));
        QCOMPARE(script->editorMode, 2);
        QCOMPARE(agent, QString("POŚREDNIK"));
        QCOMPARE(getStr(nipRecord(2), nip::first_name), std::string("JANINA"));
        QVERIFY(env->messages.shown.empty());
    }

private:
    // The NIP-3 buttons run their commands themselves, not through the actions.
    void clickToolButton(const QString& caption)
    {
        for (QToolButton* b : window->findChild<QToolBar*>("tb_gl1")->findChildren<QToolButton*>())
            if (b->text() == caption)
                return b->click();
        QFAIL(qPrintable("no button " + caption));
    }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(Nip3CommandsTest)
#include "nip3_commands_test.moc"
