// The VAT-21 and VAT-Z commands of the main window from end to end, with
// their editors in them: each command's dialogs are played by a scripted
// modal runner, and the record files are checked afterwards.
#include "app/Tf_rejfor_gl.h"
#include "command_script.h"
#include "common/record_access.h"
#include "common/record_text.h"
#include "forms/NoticeEditor.h"
#include "forms/Tfr_wyb_kr.h"
#include "forms/Tpdlg_vat21.h"
#include "records/vat_records.h"
#include "register/record_files.h"
#include "register/record_kind.h"
#include "sample_ledger.h"
#include "support/ui_test_environment.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QtTest>

Q_DECLARE_METATYPE(FormKind)

namespace {

std::vector<unsigned char> storedRecord(int kind, int n)
{
    const RecordKind& k = kindAt(kind);
    const auto bytes = fileBytes(dataFileName(std::string(k.baseName)));
    if (bytes.size() < static_cast<std::size_t>(n + 1) * k.recordSize)
        return {};
    return {bytes.begin() + n * k.recordSize, bytes.begin() + (n + 1) * k.recordSize};
}

} // namespace

class VatNoticesCommandsTest : public QObject {
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

    void nowyForAVat21PastTheEndOfTheFileGrowsIt()
    {
        const std::size_t recordsBefore = fileBytes("vat21.Rdx").size() / vat21::kRecordSize;
        QCOMPARE(recordsBefore, std::size_t(4));
        script->newAccount = "7";
        script->editorAction = [](EditorDialog& editor) {
            auto& vat21 = dynamic_cast<Tpdlg_vat21&>(editor);
            vat21.z_nazwisko->setText("PIEKARNIA");
            vat21.fr_wyb_kr(2)->c_kraj->setEditText("Niemcy");
            vat21.kl_okClick();
        };
        window->findChild<QAction*>("a_vat21n")->trigger();
        QCOMPARE(script->seen(),
                 QString("Tf_nowy_nip Zawiadomienie VAT-21 | Tpdlg_vat21 VAT-21    007 nowe zawiadomienie"));
        QCOMPARE(script->editorMode, 1);
        const auto rec = storedRecord(KindVat21, 7);
        QCOMPARE(rec.size(), std::size_t(vat21::kRecordSize));
        QCOMPARE(getStr(rec, vat21::account_no), std::string("007"));
        QCOMPARE(getStr(rec, vat21::name), std::string("PIEKARNIA"));
        QCOMPARE(getStr(rec, vat21::countries.item(1) / country_entry::country), std::string("Niemcy"));
        QCOMPARE(storedRecord(KindVat21, 5), std::vector<unsigned char>(vat21::kRecordSize, 0)); // a gap
        QVERIFY(env->messages.shown.empty());
    }

    void aktualizacjaOpensTheStoredNoticeAndPrintsIt_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("update");
        QTest::addColumn<QString>("editor");
        QTest::addColumn<QString>("printing");
        QTest::addColumn<FormKind>("printKind");
        QTest::newRow("VAT-21") << int(KindVat21) << "a_vat21a"
                                << "Tf_szuk_nip Aktualizacja danych zawiadomienia VAT-21 | Tpdlg_vat21 VAT-21    002 "
                                << "Tf_wydr Wydruk formularza VAT-21" << FormKind::Vat21;
        QTest::newRow("VAT-Z") << int(KindVatz) << "a_vatza"
                               << "Tf_szuk_nip Aktualizacja danych zgłoszenia VAT-Z | Tpdlg_vatz VAT-Z    002 "
                               << "Tf_wydr Wydruk formularza VAT-Z" << FormKind::VatZ;
    }
    void aktualizacjaOpensTheStoredNoticeAndPrintsIt()
    {
        QFETCH(int, kind);
        QFETCH(QString, update);
        QFETCH(QString, editor);
        QFETCH(QString, printing);
        // Both notices keep the name at the same place.
        static_assert(vat21::name.offset == vatz::name.offset);
        RecordFileBuilder file(kind, 4);
        setStr(file.inUse(2, "002"), vatz::name, toRecordText("KOWALSKI JAN ŁUKASZ"));
        file.save();
        script->chooseAccount = "2";
        QString shownName;
        script->editorAction = [&](EditorDialog& d) {
            auto& notice = dynamic_cast<NoticeEditor&>(d);
            shownName = notice.z_nazwisko->text();
            notice.z_nazwisko->setText("NOWAK ADAM");
            notice.kl_drukClick();
        };
        window->findChild<QAction*>(update)->trigger();
        QCOMPARE(script->seen(), editor + "KOWALSKI JAN ŁUKASZ | " + printing);
        QCOMPARE(script->editorMode, 2);
        QCOMPARE(shownName, QString("KOWALSKI JAN ŁUKASZ"));
        QTEST(script->printKind, "printKind");
        QCOMPARE(getStr(storedRecord(kind, 2), vatz::name), std::string("NOWAK ADAM"));
        QCOMPARE(getStr(storedRecord(kind, 2), vatz::account_no), std::string("002"));
        QVERIFY(env->messages.shown.empty());
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<Tf_rejfor_gl> window;
    std::unique_ptr<CommandScript> script;
};

QTEST_MAIN(VatNoticesCommandsTest)
#include "vat_notices_commands_test.moc"
