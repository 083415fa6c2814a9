#include "desktop/ledger/Tf_szuk_pod.h"
#include "ledger/ledger_test_files.h"
#include "support/list_dialog_fixture.h"

#include <QProgressBar>
#include <QtTest>

#include <optional>

// What the taxpayer search adds to the shared list dialog (tested with the
// record search list): the ledger list. Its lookup runs in command_families_test.
class Tf_szuk_podTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    void listsTheTaxpayersWithTheBarStepping()
    {
        sampleLedger();
        QProgressBar bar;
        QList<int> values;
        connect(&bar, &QProgressBar::valueChanged, [&values](int v) { values.push_back(v); });
        Tf_szuk_pod dialog(&bar);
        dialog.FormActivate();
        QCOMPARE(gridColumn(*dialog.sg_kon, 0), (std::vector<std::string>{"002", "007"}));
        QCOMPARE(dialog.sg_kon->selectedRow(), 1);
        QCOMPARE(bar.maximum(), 10);
        QCOMPARE(values, (QList<int>{1, 3, 8})); // from 1, one for every record read
        QVERIFY(bar.isHidden());

        LedgerTestFile(1).save();
        dialog.FormActivate();
        QCOMPARE(dialog.sg_kon->rowCount(), 1);
        QCOMPARE(dialog.sg_kon->selectedRow(), -1);
    }

private:
    // Ten records: taxpayers at 2 and 7, the others free.
    static void sampleLedger()
    {
        LedgerTestFile file(10);
        setStr(file.taxpayer(2, "002"), ledger::surname, "Kowalski");
        setStr(file.taxpayer(7, "007"), ledger::surname, "Nowak");
        file.save();
    }

    std::optional<ListDialogEnvironment> env;
};

QTEST_MAIN(Tf_szuk_podTest)
#include "tf_szuk_pod_test.moc"
