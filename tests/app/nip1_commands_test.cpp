// The NIP-1 commands of the main window from end to end: each command's
// dialogs are driven through their named controls by a scripted modal
// runner, and the record file is checked afterwards.
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/Tpdlg_nip1.h"
#include "records/nip_record.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QLineEdit>
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

// The NIP-1 editor's part in a command.
std::function<void(EditorDialog&)> inNip1Editor(std::function<void(Tpdlg_nip1&)> action)
{
    return [action](EditorDialog& editor) { action(dynamic_cast<Tpdlg_nip1&>(editor)); };
}

} // namespace

class Nip1CommandsTest : public QObject {
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

    void fromLedgerForATaxpayerWithoutARecordExtendsTheFile()
    {
        script->chooseAccount = "12";
        script->editorAction = [](EditorDialog& editor) { editor.kl_okClick(); };
        run("a_pkpir");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod", "Tpdlg_nip1"}));
        QVERIFY(script->titles[1].startsWith("NIP-1    012 "));
        QCOMPARE(script->editorMode, 0);
        const auto rec = nipRecord(12);
        QCOMPARE(rec.size(), std::size_t(kNipSize));
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(1));
        QCOMPARE(getStr(rec, nip::account_no), std::string("012"));
        QVERIFY(!getStr(rec, nip::surname).empty());
        QVERIFY(env->messages.shown.empty());
    }

    void fromLedgerKeepsAStoredNip1AndReplacesANip2()
    {
        storeNipRecord(3, 1, [](Bytes rec) { setStr(rec, nip::family_name, "RODOWE"); });
        storeNipRecord(4, 2, [](Bytes rec) { setStr(rec, nip::nip2_parent_full_name, "MATKA SP. Z O.O."); });
        QString familyName;
        script->editorAction = inNip1Editor([&](Tpdlg_nip1& editor) {
            familyName = editor.z_nazw_rod->text();
            editor.kl_okClick();
        });
        script->chooseAccount = "3";
        run("a_pkpir");
        QCOMPARE(familyName, QString("RODOWE"));
        script->chooseAccount = "4";
        run("a_pkpir");
        QCOMPARE(familyName, QString());
        const auto rec = nipRecord(4);
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(1));
        QCOMPARE(getStr(rec, nip::account_no), std::string("004"));
    }

    void nowyClaimsTheFirstFreeAccount()
    {
        script->editorAction = [](EditorDialog& editor) { editor.kl_okClick(); };
        run("a_nowy");
        QCOMPARE(script->seen(), QString("Tf_nowy_nip Zgłoszenie NIP-1 | Tpdlg_nip1 NIP-1    001 nowe zgłoszenie"));
        QCOMPARE(script->editorMode, 1);
        QCOMPARE(getStr(nipRecord(1), nip::account_no), std::string("001"));
        QCOMPARE(getU8(nipRecord(1), nip::form_type), std::uint8_t(1));
    }

    void aktualizacjaOpensTheChosenRecord()
    {
        storeNipRecord(2, 1, [](Bytes rec) {
            setStr(rec, nip::full_name, "PIEKARNIA POD LIP\xA5");
            setStr(rec, nip::surname, "KOWAL");
        });
        script->chooseAccount = "2";
        QString surname;
        script->editorAction = inNip1Editor([&](Tpdlg_nip1& editor) {
            surname = editor.z_nazwisko->text();
            editor.z_nazwisko->setText("KOWALSKI");
            editor.kl_okClick();
        });
        run("a_aktualiz");
        QCOMPARE(script->seen(), "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-1 | Tpdlg_nip1 NIP-1    002 " +
                                     fromRecordText("PIEKARNIA POD LIP\xA5"));
        QCOMPARE(script->editorMode, 2);
        QCOMPARE(surname, QString("KOWAL"));
        QCOMPARE(getStr(nipRecord(2), nip::surname), std::string("KOWALSKI"));
    }

    void cancellingAChoosingDialogChangesNothing()
    {
        const auto before = fileBytes("REJFOR.Rdx");
        script->cancelChoice = true;
        for (const char* name : {"a_pkpir", "a_nowy", "a_aktualiz", "a_wydr1"})
            run(name);
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod", "Tf_nowy_nip", "Tf_szuk_nip", "Tf_szuk_nip"}));
        QCOMPARE(fileBytes("REJFOR.Rdx"), before);
    }

    void aFailingRecordFileEndsTheCommandWithTheErrorBox()
    {
        std::filesystem::remove("REJFOR.Rdx");
        std::filesystem::create_directory("REJFOR.Rdx"); // cannot be opened as a file
        script->chooseAccount = "3";
        run("a_pkpir");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod"}));
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
    }

private:
    void run(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(Nip1CommandsTest)
#include "nip1_commands_test.moc"
