// The NIP-B commands of the main window from end to end: the choosing
// dialogs and the editor driven through their named controls by a scripted
// modal runner, the NIP-B file checked afterwards, and a printed PDF.
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/Tfr_nrrach.h"
#include "forms/Tpdlg_nipb.h"
#include "print/calibration_files.h"
#include "print/pdf_printer_setup.h"
#include "print/pdf_tools.h"
#include "records/bank_block.h"
#include "records/vat_records.h"
#include "register/record_files.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>

namespace {

const QString kOwnCaption = "NIP-B     INFORMACJA O RACHUNKACH BANKOWYCH";

std::vector<unsigned char> nipbRecord(int n)
{
    const auto bytes = fileBytes("nipb.Rdx");
    if (bytes.size() < (n + 1) * nipb::kRecordSize)
        return {};
    return {bytes.begin() + n * nipb::kRecordSize, bytes.begin() + (n + 1) * nipb::kRecordSize};
}

// The NIP-B file with a stored information of a person at record 2.
void storePerson()
{
    RecordFileBuilder file(KindNipb, 4);
    Bytes rec = file.inUse(2, "002");
    setU8(rec, nipb::is_person, 1);
    setStr(rec, nipb::name, "NOWAK");
    setStr(rec, nipb::first_name, "ADAM");
    setStr(rec, nipb::banks.item(0) / bank_block::holder, "ADAM NOWAK");
    file.save();
}

std::function<void(EditorDialog&)> inNipBEditor(std::function<void(Tpdlg_nipb&)> action)
{
    return [action](EditorDialog& editor) { action(dynamic_cast<Tpdlg_nipb&>(editor)); };
}

} // namespace

class NipBCommandsTest : public QObject {
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

    void fromLedgerForACompanyStoresItsNameAsHolderOfAccountOne()
    {
        script->chooseAccount = "16"; // a company of the sample ledger
        QString holder;
        script->editorAction = inNipBEditor([&](Tpdlg_nipb& editor) {
            holder = editor.fr_nrrach1->z_pos_rach->text();
            editor.kl_okClick();
        });
        run("a_nipbkp");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod", "Tpdlg_nipb"}));
        QVERIFY(script->titles[1].startsWith("NIP-B    016 "));
        QCOMPARE(script->editorMode, 0);
        const auto rec = nipbRecord(16);
        QCOMPARE(rec.size(), std::size_t(nipb::kRecordSize));
        QCOMPARE(getStr(rec, nipb::account_no), std::string("016"));
        QCOMPARE(getU8(rec, nipb::is_person), std::uint8_t(0));
        QCOMPARE(getStr(rec, nipb::first_name), std::string());
        QVERIFY(!getStr(rec, nipb::name).empty());
        QCOMPARE(getStr(rec, nipb::banks.item(0) / bank_block::holder), getStr(rec, nipb::name));
        QCOMPARE(fromRecordText(getStr(rec, nipb::name)), holder);
        QVERIFY(env->messages.shown.empty());
    }

    void nowyNamesTheFormAndTheEditorKeepsItsCaption()
    {
        script->editorAction = inNipBEditor([](Tpdlg_nipb& editor) {
            editor.z_nazwisko->setText("PIEKARNIA");
            editor.kl_okClick();
        });
        run("a_nipbn");
        QCOMPARE(script->seen(), "Tf_nowy_nip Informacja NIP-B | Tpdlg_nipb " + kOwnCaption);
        QCOMPARE(script->editorMode, 1);
        QCOMPARE(getStr(nipbRecord(1), nipb::account_no), std::string("001"));
        QCOMPARE(getStr(nipbRecord(1), nipb::name), std::string("PIEKARNIA"));
    }

    void aktualizacjaOpensTheStoredRecordUnderTheEditorsCaption()
    {
        storePerson();
        script->chooseAccount = "2";
        QString firstName;
        script->editorAction = inNipBEditor([&](Tpdlg_nipb& editor) {
            firstName = editor.z_imie->text();
            editor.Ch_os->click();
            editor.kl_okClick();
        });
        run("a_nipba");
        QCOMPARE(script->seen(), "Tf_szuk_nip Aktualizacja danych zgłoszenia NIP-B | Tpdlg_nipb " + kOwnCaption);
        QCOMPARE(script->editorMode, 2);
        QCOMPARE(firstName, QString("ADAM"));
        QCOMPARE(getU8(nipbRecord(2), nipb::is_person), std::uint8_t(0));
        QCOMPARE(getStr(nipbRecord(2), nipb::first_name), std::string());
    }

    void wydrukPrintsBothPagesAtTheNip1Margins()
    {
        storePerson();
        calibration::MarginTable margins{};
        margins[6] = {2, 3}; // pair 7: NIP-B 1/2
        margins[7] = {4, 5}; // pair 8: NIP-B 2/2
        calibration::saveMargins(calibration::margnip1, margins);
        PdfPrinterSetup printer("wydruk.pdf", 150);
        PrinterSetup::install(&printer);
        int originX = -1;
        int scaleX = 0;
        setModalRunner([&](QDialog& dialog) {
            if (auto* list = qobject_cast<ChoosingListDialog*>(&dialog)) {
                list->FormActivate();
                list->m_kon->setText("2");
                list->kl_okClick();
                return list->result();
            }
            auto* printing = qobject_cast<Tf_wydr*>(&dialog);
            if (!printing)
                return kModalCancel;
            printing->FormActivate();
            printing->kl_drukClick();
            originX = printing->origin_x;
            scaleX = printing->scale_x;
            return printing->result();
        });
        env->messages.answers = {true, true};
        run("a_nipbw");
        PrinterSetup::install(nullptr);

        const std::vector<ScriptedMessages::Shown> prompts = {
            {"confirm", "Włóż druk NIP-B 1/2", "Wydruk informacji NIP-B"},
            {"confirm", "Włóż druk NIP-B 2/2", "Wydruk informacji NIP-B"},
        };
        QCOMPARE(env->messages.shown, prompts);
        QVERIFY(scaleX > 0);
        QCOMPARE(originX, 4 * scaleX);
        QCOMPARE(pdfPages("wydruk.pdf"), 2);
        QVERIFY2(pdfText("wydruk.pdf", 1).remove(' ').contains("NOWAK"), qPrintable(pdfText("wydruk.pdf", 1)));
    }

private:
    void run(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(NipBCommandsTest)
#include "nipb_commands_test.moc"
