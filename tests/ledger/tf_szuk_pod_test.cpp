#include "desktop/ledger/Tf_szuk_pod.h"
#include "desktop/register/Tf_szuk_nip.h"
#include "ledger/ledger_test_files.h"
#include "support/list_dialog_fixture.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <optional>

// What the taxpayer search adds to the shared list dialog (tested with the
// record search list): its texts and the ledger list. Its lookup runs in
// command_families_test.
class Tf_szuk_podTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    void listsTheTaxpayersUnderItsOwnTexts()
    {
        LedgerTestFile file(10);
        setStr(file.taxpayer(2, "002"), ledger::surname, "Kowalski");
        setStr(file.taxpayer(7, "007"), ledger::surname, "Nowak");
        file.save();
        QProgressBar bar;
        Tf_szuk_pod dialog(&bar);
        dialog.FormActivate();
        QCOMPARE(gridColumn(*dialog.sg_kon, 0), (std::vector<std::string>{"002", "007"}));
        QCOMPARE(dialog.sg_kon->selectedRow(), 1);
        QCOMPARE(bar.maximum(), 10);
        QVERIFY(bar.isHidden());
        const auto texts = [](const ChoosingListDialog& d) {
            return QStringList{d.windowTitle(), d.e_fil_naz->text(), d.kl_sort_naz->text()};
        };
        QCOMPARE(texts(dialog), (QStringList{"Podatnik", "&Nazwisko", "&Sort wg nazwiska"}));
        QCOMPARE(texts(Tf_szuk_nip()),
                 (QStringList{"Wyszukiwanie podatnika do aktualizacji zgłoszenia NIP", "&Nazwa", "&Sort wg nazwy"}));

        std::filesystem::remove("konta200.Rdx"); // a failed load is shown, and the bar hidden
        dialog.FormActivate();
        QCOMPARE(env->messages.texts(), std::vector<std::string>{"File not found: konta200.Rdx"});
        QVERIFY(bar.isHidden());
    }

private:
    std::optional<ListDialogEnvironment> env;
};

QTEST_MAIN(Tf_szuk_podTest)
#include "tf_szuk_pod_test.moc"
