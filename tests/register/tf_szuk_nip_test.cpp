#include "common/MaskedEdit.h"
#include "common/StringGrid.h"
#include "common/modal_result.h"
#include "common/ui_messages.h"
#include "forms/vat_records.h"
#include "register/Tf_szuk_nip.h"
#include "register/record_files.h"
#include "register/register_state.h"
#include "support/scripted_messages.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

using Texts = std::vector<std::string>;

class Tf_szuk_nipTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<TempDir>();
        messages = ScriptedMessages{};
        UiMessages::install(&messages);
        setCurrentAccount("", 0);
    }
    void cleanup()
    {
        UiMessages::install(nullptr);
        dir.reset();
    }

    void listsOnlyTheRequestedNipForm()
    {
        RecordFileBuilder file(KindRejfor, 6);
        setStr(file.inUse(1, "001", 1), nip::full_name, "Alfa");
        setStr(file.inUse(2, "002", 2), nip::full_name, "Beta");
        setStr(file.inUse(3, "003", 3), nip::surname, "Gamma");
        setStr(file.inUse(4, "004", 1), nip::full_name, "Delta");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("REJFOR");
        dialog.setFormType(1);
        dialog.FormActivate();
        QCOMPARE(column(dialog, 1), (Texts{"Alfa", "Delta"}));
        QCOMPARE(grid(dialog)->selectedRow(), 1);
        QCOMPARE(dialog.windowTitle(), QString("Wyszukiwanie podatnika do aktualizacji zgłoszenia NIP"));
        QCOMPARE(button(dialog, "kl_sort_naz")->text(), QString("&Sort wg nazwy"));
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
    }

    void progressBarStepsByTenthsAndHides_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QList<int>>("values");
        QTest::newRow("100 records") << 100 << QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90};
        QTest::newRow("9 records") << 9 << QList<int>{0};
    }
    void progressBarStepsByTenthsAndHides()
    {
        QFETCH(int, records);
        QFETCH(QList<int>, values);
        RecordFileBuilder(KindVat21, records).save();
        QProgressBar bar;
        bar.setValue(55);
        bar.hide();
        QList<int> seen;
        bool alwaysShown = true;
        connect(&bar, &QProgressBar::valueChanged, [&](int v) {
            seen.push_back(v);
            alwaysShown = alwaysShown && !bar.isHidden();
        });
        Tf_szuk_nip dialog(&bar);
        dialog.SetKind("VAT21");
        dialog.FormActivate();
        QCOMPARE(seen, values);
        QVERIFY(alwaysShown);
        QCOMPARE(bar.maximum(), records);
        QVERIFY(bar.isHidden());
        QCOMPARE(grid(dialog)->rowCount(), 1);
        QCOMPARE(grid(dialog)->selectedRow(), -1);
    }

    void failedLoadShowsTheErrorAndHidesTheBar()
    {
        QProgressBar bar;
        Tf_szuk_nip dialog(&bar);
        dialog.SetKind("VATZ");
        dialog.FormActivate();
        QCOMPARE(messages.shown, (std::vector<ScriptedMessages::Shown>{{"error", "File not found", ""}}));
        QVERIFY(bar.isHidden());
    }

    void headerClicksSortUpThenDownKeepingTheSelection()
    {
        RecordFileBuilder file(KindVatr, 4);
        setStr(file.inUse(1, "003"), vatr::name, "Celina");
        setStr(file.inUse(2, "001"), vatr::name, "Barbara");
        setStr(file.inUse(3, "002"), vatr::name, "Adam");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.FormActivate();
        grid(dialog)->setSelectedRow(3);
        QHeaderView* header = grid(dialog)->horizontalHeader();
        const auto clickHeader = [header](int column) {
            const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        };

        clickHeader(0);
        QCOMPARE(column(dialog, 0), (Texts{"001", "002", "003"}));
        QCOMPARE(grid(dialog)->cell(grid(dialog)->selectedRow(), 0), std::string("002"));
        clickHeader(0);
        QCOMPARE(column(dialog, 0), (Texts{"003", "002", "001"}));
        QCOMPARE(grid(dialog)->cell(grid(dialog)->selectedRow(), 0), std::string("002"));
        clickHeader(1);
        QCOMPARE(column(dialog, 1), (Texts{"Adam", "Barbara", "Celina"}));
        button(dialog, "kl_sort_naz")->click();
        QCOMPARE(column(dialog, 1), (Texts{"Celina", "Barbara", "Adam"}));
        clickHeader(2); // the NIP column does not sort
        QCOMPARE(column(dialog, 1), (Texts{"Celina", "Barbara", "Adam"}));
        dialog.FormActivate(); // a new activation starts ascending again
        button(dialog, "kl_sort_kon")->click();
        QCOMPARE(column(dialog, 0), (Texts{"001", "002", "003"}));
    }

    void searchNeedsBothPatternsInOneRow()
    {
        RecordFileBuilder file(KindVatr, 4);
        const char* rows[][2] = {{"Nowak Jan", "1111111111"}, {"Kowalski", "2222222222"}, {"Nowak Ewa", "2222222222"}};
        for (int n = 1; n <= 3; ++n) {
            Bytes rec = file.inUse(n, "00" + std::to_string(n));
            setStr(rec, vatr::name, rows[n - 1][0]);
            setStr(rec, vatr::nip, rows[n - 1][1]);
        }
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.FormActivate();
        auto* name = dialog.findChild<QLineEdit*>("z_fil_naz");
        auto* nip = dialog.findChild<MaskedEdit*>("m_fil_nip");

        name->setText(" nowak ");
        QTest::keyClicks(nip, "222-222");
        button(dialog, "kl_ust_filtr")->click();
        QCOMPARE(grid(dialog)->selectedRow(), 3);
        QCOMPARE(field(dialog)->text(), QString("003"));
        name->setText("Kowalska"); // no match: nothing changes
        button(dialog, "kl_ust_filtr")->click();
        QCOMPARE(grid(dialog)->selectedRow(), 3);
        QVERIFY(messages.shown.empty());
    }

    void typedAccountIsPaddedAndChecked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::newRow("7 is 007") << "7" << kModalOk << "";
        QTest::newRow("not listed") << "8" << 0 << "Brak konta";
        QTest::newRow("listed, its record free") << "9" << 0 << "Brak w zbiorze konta 009";
    }
    void typedAccountIsPaddedAndChecked()
    {
        QFETCH(QString, typed);
        QFETCH(int, result);
        QFETCH(QString, message);
        RecordFileBuilder file(KindVatr, 10);
        setStr(file.inUse(7, "007"), vatr::name, "Siedem");
        file.inUse(5, "009"); // stored at another record than its number
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.FormActivate();
        QTest::keyClicks(field(dialog), typed);
        button(dialog, "kl_ok")->click();
        QCOMPARE(dialog.result(), result);
        QCOMPARE(registerState().currentAccount, "00" + typed.toStdString());
        QCOMPARE(messages.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
        if (result == kModalOk)
            QCOMPARE(getStr(recordBuffer(KindVatr), vatr::name), std::string("Siedem"));
    }

    void gapRecordIsListedEmptyAndCannotBeChosen()
    {
        RecordFileBuilder file(KindVatz, 4);
        file.inUse(5, "005");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATZ");
        dialog.FormActivate();
        QCOMPARE(column(dialog, 0), (Texts{"", "005"}));
        QCOMPARE(grid(dialog)->selectedRow(), 1);
        QTest::keyClick(grid(dialog), Qt::Key_Return);
        QVERIFY(messages.shown.empty());
        emit grid(dialog)->doubleClicked(grid(dialog)->model()->index(0, 0));
        QCOMPARE(messages.texts(), Texts{"'' to niepoprawny symbol konta"});
        QCOMPARE(dialog.result(), 0);
    }

    void ctrlLetterFindsAndEnterChooses()
    {
        RecordFileBuilder file(KindNipb, 6);
        setStr(file.inUse(1, "001"), nipb::name, "Adam");
        setStr(file.inUse(5, "005"), nipb::name, "nowak");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("NIPB");
        dialog.FormActivate();
        QTest::keyClick(grid(dialog), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid(dialog)->selectedRow(), 1);
        QTest::keyClick(grid(dialog), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(grid(dialog)->selectedRow(), 2);
        QTest::keyClick(grid(dialog), Qt::Key_Return);
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccountNo, 5);
        QCOMPARE(getStr(recordBuffer(KindNipb), nipb::name), std::string("nowak"));
    }

    void leavingTheFieldOrTheGridSetsTheDefaultButton()
    {
        RecordFileBuilder file(KindVatr, 1235);
        file.inUse(2, "002");
        file.inUse(123, "123");
        file.inUse(1234, "1234");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.FormActivate();
        QPushButton* ok = button(dialog, "kl_ok");
        dialog.m_konExit();
        QVERIFY(!ok->isDefault());
        QTest::keyClicks(field(dialog), "2");
        dialog.m_konExit();
        QVERIFY(ok->isDefault());
        dialog.sg_konEnter();
        QVERIFY(!ok->isDefault());
        dialog.sg_konExit();
        QCOMPARE(field(dialog)->text(), QString("002"));
        QVERIFY(ok->isDefault());

        // Account 1234 does not fit the field: it must not become account 123.
        grid(dialog)->setSelectedRow(3);
        dialog.sg_konExit();
        QVERIFY(field(dialog)->isBlank());
        ok->click();
        QCOMPARE(dialog.result(), 0);
        QVERIFY(messages.shown.empty());
    }

    // Tab from a typed account goes to "O&K"; the grid on the way must not
    // put its row's account into the field.
    void tabFromTypedAccountGoesToOk()
    {
        RecordFileBuilder file(KindVatr, 4);
        file.inUse(1, "001");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowActive(&dialog))
            QSKIP("the platform does not activate windows");
        field(dialog)->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(field(dialog), "2");
        QTest::keyClick(field(dialog), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), button(dialog, "kl_ok"));
        QCOMPARE(field(dialog)->text(), QString("2  "));
    }

    void ownMessagesDoNotReloadTheList()
    {
        RecordFileBuilder file(KindVatr, 4);
        file.inUse(1, "001");
        file.inUse(2, "002");
        file.save();
        Tf_szuk_nip dialog;
        dialog.SetKind("VATR");
        dialog.show();
        QEvent activate(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&dialog, &activate);
        QCOMPARE(grid(dialog)->rowCount(), 3);
        grid(dialog)->setSelectedRow(2);
        QTest::keyClicks(field(dialog), "9");
        button(dialog, "kl_ok")->click();
        QCOMPARE(messages.texts(), Texts{"Brak konta"});
        QCoreApplication::sendEvent(&dialog, &activate); // the message box closed
        QCOMPARE(grid(dialog)->selectedRow(), 2);
        QCOMPARE(field(dialog)->text(), QString("9  "));

        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kModalCancel);
    }

private:
    static StringGrid* grid(Tf_szuk_nip& dialog) { return dialog.findChild<StringGrid*>("sg_kon"); }
    static MaskedEdit* field(Tf_szuk_nip& dialog) { return dialog.findChild<MaskedEdit*>("m_kon"); }
    static QPushButton* button(Tf_szuk_nip& dialog, const char* name) { return dialog.findChild<QPushButton*>(name); }
    static Texts column(Tf_szuk_nip& dialog, int c)
    {
        Texts out;
        for (int row = 1; row < grid(dialog)->rowCount(); ++row)
            out.push_back(grid(dialog)->cell(row, c));
        return out;
    }

    std::unique_ptr<TempDir> dir;
    ScriptedMessages messages;
};

} // namespace

int runTf_szuk_nipTests(int argc, char** argv)
{
    Tf_szuk_nipTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tf_szuk_nip_test.moc"
