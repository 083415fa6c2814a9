#include "common/MaskedEdit.h"
#include "common/StringGrid.h"
#include "common/modal_result.h"
#include "common/ui_messages.h"
#include "ledger/Tf_szuk_pod.h"
#include "ledger/ledger_access.h"
#include "ledger/ledger_test_files.h"
#include "register/register_state.h"
#include "support/scripted_messages.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

// What the taxpayer search adds to the shared list dialog (tested with the
// record search list): its captions, the ledger list and the ledger lookup.
class Tf_szuk_podTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<TempDir>();
        messages = ScriptedMessages{};
        UiMessages::install(&messages);
    }
    void cleanup()
    {
        UiMessages::install(nullptr);
        dir.reset();
    }

    void listsTheTaxpayersWithTheBarStepping()
    {
        sampleLedger();
        QProgressBar bar;
        QList<int> values;
        connect(&bar, &QProgressBar::valueChanged, [&values](int v) { values.push_back(v); });
        Tf_szuk_pod dialog(&bar);
        QCOMPARE(dialog.windowTitle(), QString("Podatnik"));
        QCOMPARE(dialog.findChild<QLabel*>("e_fil_naz")->text(), QString("&Nazwisko"));
        QCOMPARE(dialog.findChild<QPushButton*>("kl_sort_naz")->text(), QString("&Sort wg nazwiska"));
        dialog.FormActivate();
        const auto& rows = grid(dialog)->table().rows;
        QCOMPARE(rows, (std::vector<std::vector<std::string>>{{"Konto", cp("Nazwisko i imię"), "NIP"},
                                                               {"002", "Kowalski Jan", "123-456-78-90"},
                                                               {"007", "Nowak Jan", "555-555-55-55"}}));
        QCOMPARE(grid(dialog)->selectedRow(), 1);
        QCOMPARE(bar.maximum(), 10);
        QCOMPARE(values, (QList<int>{1, 3, 8})); // from 1, one for every record read
        QVERIFY(bar.isHidden());

        LedgerTestFile(1).save();
        dialog.FormActivate();
        QCOMPARE(grid(dialog)->rowCount(), 1);
        QCOMPARE(grid(dialog)->selectedRow(), -1);
    }

    void typedAccountIsPaddedThenLookedUp_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("7 is 007") << "7" << kModalOk << "";
        QTest::newRow("not listed") << "4" << 0 << "Brak konta";
    }
    void typedAccountIsPaddedThenLookedUp()
    {
        QFETCH(QString, typed);
        QFETCH(int, result);
        QFETCH(QString, message);
        sampleLedger();
        Tf_szuk_pod dialog;
        dialog.FormActivate();
        QTest::keyClicks(dialog.findChild<MaskedEdit*>("m_kon"), typed);
        dialog.findChild<QPushButton*>("kl_ok")->click();
        QCOMPARE(dialog.result(), result);
        QCOMPARE(registerState().currentAccount, "00" + typed.toStdString());
        QCOMPARE(messages.texts(), message.isEmpty() ? std::vector<std::string>{}
                                                     : std::vector<std::string>{message.toStdString()});
        if (result == kModalOk)
            QCOMPARE(getStr(currentTaxpayer(), ledger::surname), std::string("Nowak"));
    }

    void rowAccountBeyondTheLedgerKeepsTheDialogOpen()
    {
        LedgerTestFile file(3);
        file.taxpayer(1, "050");
        file.save();
        Tf_szuk_pod dialog;
        dialog.FormActivate();
        emit grid(dialog)->doubleClicked(grid(dialog)->model()->index(0, 0));
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(messages.texts(), std::vector<std::string>{"Za duży nr konta!"});
    }

private:
    // Ten records: taxpayers at 2 and 7, the others free.
    static void sampleLedger()
    {
        LedgerTestFile file(10);
        Bytes kowalski = file.taxpayer(2, "002");
        setStr(kowalski, ledger::surname, "Kowalski");
        setStr(kowalski, ledger::first_name, "Jan");
        setStr(kowalski, ledger::nip, "123-456-78-90");
        Bytes nowak = file.taxpayer(7, "007");
        setStr(nowak, ledger::surname, "Nowak");
        setStr(nowak, ledger::first_name, "Jan");
        setStr(nowak, ledger::nip, "555-555-55-55");
        file.save();
    }
    static StringGrid* grid(Tf_szuk_pod& dialog) { return dialog.findChild<StringGrid*>("sg_kon"); }

    std::unique_ptr<TempDir> dir;
    ScriptedMessages messages;
};

QTEST_MAIN(Tf_szuk_podTest)
#include "tf_szuk_pod_test.moc"
