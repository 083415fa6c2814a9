// The VAT-R commands of the main window from end to end, with the editor in
// them: each command's dialogs are played by a scripted modal runner, and
// the VAT-R file is checked afterwards.
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/Tpdlg_vatr.h"
#include "records/vat_records.h"
#include "register/record_files.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QLineEdit>
#include <QtTest>

#include <functional>

Q_DECLARE_METATYPE(FormKind)

namespace {

std::vector<unsigned char> vatrRecord(int n)
{
    const auto bytes = fileBytes("vatr.Rdx");
    if (bytes.size() < (n + 1) * vatr::kRecordSize)
        return {};
    return {bytes.begin() + n * vatr::kRecordSize, bytes.begin() + (n + 1) * vatr::kRecordSize};
}

std::function<void(EditorDialog&)> inVatrEditor(std::function<void(Tpdlg_vatr&)> action)
{
    return [action](EditorDialog& editor) { action(dynamic_cast<Tpdlg_vatr&>(editor)); };
}

} // namespace

class VatrCommandsTest : public QObject {
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

    void fromLedgerStartsANotificationOfTheTaxpayer()
    {
        script->chooseAccount = "12";
        script->editorAction = [](EditorDialog& editor) { editor.kl_okClick(); };
        run("a_vatrpkp");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod", "Tpdlg_vatr"}));
        QVERIFY(script->titles[1].startsWith("VAT-R    012 "));
        QCOMPARE(script->editorMode, 0);
        const auto rec = vatrRecord(12);
        QCOMPARE(getStr(rec, vatr::account_no), std::string("012"));
        QCOMPARE(getU8(rec, vatr::purpose), std::uint8_t(1));
        QVERIFY(!getStr(rec, vatr::name).empty());
    }

    void nowyClaimsTheFirstFreeAccount()
    {
        script->editorAction = [](EditorDialog& editor) { editor.kl_okClick(); };
        run("a_vatrn");
        QCOMPARE(script->seen(), QString("Tf_nowy_nip Zgłoszenie VAT-R | Tpdlg_vatr VAT-R    001 nowe zgłoszenie"));
        QCOMPARE(script->editorMode, 1);
        QCOMPARE(getStr(vatrRecord(1), vatr::account_no), std::string("001"));
        QCOMPARE(getU8(vatrRecord(1), vatr::vat_r_ue_attached), std::uint8_t(1));
    }

    void aktualizacjaOpensTheChosenRecord()
    {
        RecordFileBuilder file(KindVatr, 4);
        setStr(file.inUse(2, "002"), vatr::name, "HURTOWNIA \xA3\xA5KA");
        file.save();
        script->chooseAccount = "2";
        QString name;
        script->editorAction = inVatrEditor([&](Tpdlg_vatr& editor) {
            name = editor.z_nazwisko->text();
            editor.z_nazwisko->setText("HURTOWNIA ŁĄKA SP. Z O.O.");
            editor.kl_okClick();
        });
        run("Aa_vatra");
        QCOMPARE(script->seen(),
                 "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-R | Tpdlg_vatr VAT-R    002 HURTOWNIA ŁĄKA");
        QCOMPARE(script->editorMode, 2);
        QCOMPARE(name, QString("HURTOWNIA ŁĄKA"));
        QCOMPARE(fromRecordText(getStr(vatrRecord(2), vatr::name)), QString("HURTOWNIA ŁĄKA SP. Z O.O."));
    }

    void drukujIZapiszSavesAndPrintsTheFormAsVatR()
    {
        RecordFileBuilder file(KindVatr, 4);
        setStr(file.inUse(2, "002"), vatr::name, "HURTOWNIA");
        file.save();
        script->chooseAccount = "2";
        int result = 0;
        script->editorAction = inVatrEditor([&](Tpdlg_vatr& editor) {
            editor.z_nazwisko->setText("HURTOWNIA NOWA");
            editor.kl_drukClick();
            result = editor.result();
        });
        run("Aa_vatra");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_nip", "Tpdlg_vatr", "Tf_wydr"}));
        QCOMPARE(script->titles[2], QString("Wydruk formularza VAT-R"));
        QCOMPARE(script->printKind, FormKind::VatR);
        QCOMPARE(result, EditorDialog::PrintAndSave);
        QCOMPARE(getStr(vatrRecord(2), vatr::name), std::string("HURTOWNIA NOWA"));
    }

private:
    void run(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(VatrCommandsTest)
#include "vatr_commands_test.moc"
