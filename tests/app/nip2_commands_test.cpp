// The NIP-2 commands of the main window from end to end, over the sample
// ledger (account 18 is a partnership whose chain holds two partners).
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/Tfr_wsp.h"
#include "forms/Tpdlg_nip2.h"
#include "records/nip_record.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QtTest>

#include <functional>

namespace {

std::vector<unsigned char> nipRecord(int n)
{
    const auto bytes = fileBytes("REJFOR.Rdx");
    if (bytes.size() < (n + 1) * nip::kRecordSize)
        return {};
    return {bytes.begin() + n * nip::kRecordSize, bytes.begin() + (n + 1) * nip::kRecordSize};
}

// Stores record `n` as a form of `formType` of account "00n", filled further by `fill`.
void storeNipRecord(int n, int formType, const std::function<void(Bytes)>& fill)
{
    auto bytes = fileBytes("REJFOR.Rdx");
    if (bytes.size() < (n + 1) * nip::kRecordSize)
        bytes.resize((n + 1) * nip::kRecordSize, 0);
    Bytes rec(bytes.data() + n * nip::kRecordSize, nip::kRecordSize);
    setStr(rec, nip::account_no, "00" + std::to_string(n));
    setU8(rec, nip::form_type, static_cast<std::uint8_t>(formType));
    setStr(rec, nip::full_name, "SPOLKA " + std::to_string(n));
    fill(rec);
    writeBytes("REJFOR.Rdx", bytes);
}

Field partner(int k, const Field& member) { return nip::partners.item(static_cast<std::uint32_t>(k - 1)) / member; }

} // namespace

class Nip2CommandsTest : public QObject {
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

    void fromLedgerStoresThePartnersOfTheChain()
    {
        script->chooseAccount = "18";
        QString firstPartner;
        script->editorAction = [&](EditorDialog& editor) {
            firstPartner = dynamic_cast<Tpdlg_nip2&>(editor).partnerFrame(1)->z_naz_pel->text();
            editor.kl_okClick();
        };
        run("a_pkpir2");
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_pod", "Tpdlg_nip2"}));
        QVERIFY(script->titles[1].startsWith("NIP-2    018 "));
        QCOMPARE(script->editorMode, 0);
        const auto rec = nipRecord(18);
        QCOMPARE(getU8(rec, nip::form_type), std::uint8_t(2));
        QCOMPARE(getStr(rec, nip::account_no), std::string("018"));
        for (int k : {1, 2}) {
            QCOMPARE(getU8(rec, partner(k, partner_entry::reason)), std::uint8_t(3));
            QVERIFY(!getStr(rec, partner(k, partner_entry::name)).empty());
        }
        QCOMPARE(fromRecordText(getStr(rec, partner(1, partner_entry::name))), firstPartner);
        QVERIFY(std::all_of(rec.begin() + partner(3, partner_entry::reason).offset, rec.end(),
                            [](unsigned char b) { return b == 0; }));
        QCOMPARE(getU8(rec, nip::attach_d_count), std::uint8_t(1));
        QVERIFY(env->messages.shown.empty());
    }

    void nowyOpensTheEditorForTheFirstFreeAccountAndPrintsAsNip2()
    {
        script->editorAction = [](EditorDialog& editor) { editor.kl_drukClick(); };
        run("a_nowy2");
        QCOMPARE(script->seen(), QString("Tf_nowy_nip Zgłoszenie NIP-2 | Tpdlg_nip2 NIP-2    001 nowe zgłoszenie | "
                                         "Tf_wydr Wydruk formularza NIP-2"));
        QCOMPARE(script->editorMode, 1);
        QCOMPARE(script->printKind, FormKind::Nip2);
        QCOMPARE(getU8(nipRecord(1), nip::form_type), std::uint8_t(2));
    }

    void aktualizacjaListsOnlyNip2Records()
    {
        storeNipRecord(2, 1, [](Bytes) {});
        storeNipRecord(3, 2, [](Bytes rec) { setStr(rec, partner(1, partner_entry::name), "WSPOLNIK"); });
        script->chooseAccount = "2";
        run("a_aktualiz2");
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"Brak konta"});
        QCOMPARE(script->opened, (QStringList{"Tf_szuk_nip"}));

        script->chooseAccount = "3";
        script->editorAction = [](EditorDialog& editor) { editor.kl_okClick(); };
        run("a_aktualiz2");
        QCOMPARE(script->titles.last(), QString("NIP-2    003 SPOLKA 3"));
        QCOMPARE(script->editorMode, 2);
    }

    void wydrukEnablesTheNipDPagesByTheAttachmentCount_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("no NIP-D") << 0;
        QTest::newRow("one NIP-D") << 1;
    }
    void wydrukEnablesTheNipDPagesByTheAttachmentCount()
    {
        QFETCH(int, count);
        storeNipRecord(3, 2, [&](Bytes rec) { setU8(rec, nip::attach_d_count, static_cast<std::uint8_t>(count)); });
        bool nipDEnabled = count == 0;
        QString title;
        setModalRunner([&](QDialog& dialog) {
            if (auto* list = qobject_cast<ChoosingListDialog*>(&dialog)) {
                list->FormActivate();
                list->m_kon->setText("3");
                list->kl_okClick();
                return list->result();
            }
            auto& printing = dynamic_cast<Tf_wydr&>(dialog);
            printing.FormActivate();
            title = printing.windowTitle();
            nipDEnabled = printing.chbox_st_5->isEnabled();
            return int(kModalCancel);
        });
        run("a_wydr2");
        QVERIFY(title.endsWith("Wydruk formularza NIP-2"));
        QCOMPARE(nipDEnabled, count != 0);
    }

private:
    void run(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(Nip2CommandsTest)
#include "nip2_commands_test.moc"
