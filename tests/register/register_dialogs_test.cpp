#include "desktop/widgets/MaskedEdit.h"
#include "core/common/modal_result.h"
#include "core/records/vat_records.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "desktop/register/Tf_szuk_nip.h"
#include "register/record_files.h"
#include "support/list_dialog_fixture.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include <optional>

namespace {

using Texts = std::vector<std::string>;

// A record search list over the file already saved, activated.
struct ShownList {
    explicit ShownList(const char* kind, QProgressBar* bar = nullptr) : dialog(bar)
    {
        dialog.SetKind(kind);
        dialog.FormActivate();
    }
    Tf_szuk_nip dialog;
    StringGrid& grid = *dialog.sg_kon;
};

} // namespace

// The new-record dialog (Tf_nowy_nip) and the record search list (Tf_szuk_nip).
class RegisterDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    // Tf_nowy_nip

    // "Pierwsze wolne" fills in the first free record and leaves the tab
    // order once the operator types; with every record in use it does nothing.
    void firstFreeIsOfferedUntilTypingAndOkClaimsIt()
    {
        RecordFileBuilder full(KindNipb, 4);
        for (int n = 1; n <= 3; ++n)
            full.inUse(n, "00" + std::to_string(n));
        full.save();
        Tf_nowy_nip dialog;
        dialog.SetKind("NIPB");
        QTest::keyClicks(dialog.m_kon, "2");
        QVERIFY(!(dialog.kl_wolne->focusPolicy() & Qt::TabFocus));
        dialog.kl_wolne->click();
        QCOMPARE(dialog.m_kon->editText(), QString("2__"));
        QTest::keyClick(dialog.m_kon, Qt::Key_Backspace);
        QVERIFY(dialog.kl_wolne->focusPolicy() & Qt::TabFocus);

        RecordFileBuilder(KindRejfor, 4).save();
        dialog.SetKind("rejfor");
        dialog.FormActivate();
        dialog.kl_wolne->click();
        QCOMPARE(dialog.m_kon->text(), QString("1  "));
        dialog.kl_ok->click();
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccount, std::string("001"));
        QCOMPARE(getStr(recordBuffer(KindRejfor), nip::account_no), std::string("001"));
    }

    // The refusals themselves are CheckNewAccount's (register_ops_test).
    void rejectedNumberKeepsTheDialogOpen()
    {
        RecordFileBuilder file(KindVatr, 4);
        file.inUse(2, "002");
        file.save();
        Tf_nowy_nip dialog;
        dialog.SetKind("VATR");
        QTest::keyClicks(dialog.m_kon, "2");
        dialog.kl_ok->click();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(dialog.m_kon->text(), QString("2  "));
        QCOMPARE(env->messages.texts(), Texts{"Konto jest już w zbiorze"});
    }

    void closesWithCancelOrEscapeAndHasNoCloseBox()
    {
        Tf_nowy_nip dialog;
        QVERIFY(!(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kModalCancel);
        dialog.setResult(0);
        dialog.kl_anul->click();
        QCOMPARE(dialog.result(), kModalCancel);
    }

    // Tf_szuk_nip

    // Shown while it steps, a tenth of the file at a time, then hidden.
    void progressBarStepsByTenthsAndHides()
    {
        const std::pair<int, QList<int>> cases[] = {{25, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24}},
                                                    {9, {0}}};
        for (const auto& [records, values] : cases) {
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
            ShownList list("VAT21", &bar);
            QCOMPARE(seen, values);
            QVERIFY(alwaysShown);
            QCOMPARE(bar.maximum(), records);
            QVERIFY(bar.isHidden());
            QCOMPARE(list.grid.rowCount(), 1);
            QCOMPARE(list.grid.selectedRow(), -1);
        }
    }

    void failedLoadShowsTheErrorAndHidesTheBar()
    {
        QProgressBar bar;
        ShownList list("VATZ", &bar);
        QCOMPARE(env->messages.shown, (std::vector<ScriptedMessages::Shown>{{"error", "File not found: vatz.Rdx", ""}}));
        QVERIFY(bar.isHidden());
    }

    void headerClicksSortUpThenDownKeepingTheSelection()
    {
        RecordFileBuilder file(KindVatr, 4);
        setStr(file.inUse(1, "003"), vatr::name, "Celina");
        setStr(file.inUse(2, "001"), vatr::name, "Barbara");
        setStr(file.inUse(3, "002"), vatr::name, "Adam");
        file.save();
        ShownList list("VATR");
        list.dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list.dialog));
        list.grid.setSelectedRow(3);
        QHeaderView* header = list.grid.horizontalHeader();
        const auto clickHeader = [header](int column) {
            const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        };
        const auto selectedAccount = [&list] { return list.grid.cell(list.grid.selectedRow(), 0); };

        clickHeader(0);
        QCOMPARE(gridColumn(list.grid, 0), (Texts{"001", "002", "003"}));
        QCOMPARE(selectedAccount(), std::string("002"));
        clickHeader(0);
        QCOMPARE(gridColumn(list.grid, 0), (Texts{"003", "002", "001"}));
        QCOMPARE(selectedAccount(), std::string("002"));
        clickHeader(1);
        QCOMPARE(gridColumn(list.grid, 1), (Texts{"Adam", "Barbara", "Celina"}));
        list.dialog.kl_sort_naz->click();
        QCOMPARE(gridColumn(list.grid, 1), (Texts{"Celina", "Barbara", "Adam"}));
        clickHeader(2); // the NIP column does not sort
        QCOMPARE(gridColumn(list.grid, 1), (Texts{"Celina", "Barbara", "Adam"}));
        list.dialog.FormActivate(); // a new activation starts ascending again
        list.dialog.kl_sort_kon->click();
        QCOMPARE(gridColumn(list.grid, 0), (Texts{"001", "002", "003"}));
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
        ShownList list("VATR");
        list.dialog.z_fil_naz->setText(" nowak ");
        QTest::keyClicks(list.dialog.m_fil_nip, "222-222");
        list.dialog.kl_ust_filtr->click();
        QCOMPARE(list.grid.selectedRow(), 3);
        QCOMPARE(list.dialog.m_kon->text(), QString("003"));
        list.dialog.z_fil_naz->setText("Kowalska"); // no match: nothing changes
        list.dialog.kl_ust_filtr->click();
        QCOMPARE(list.grid.selectedRow(), 3);
    }

    // A typed account is padded to three digits and must have its record.
    void typedAccountIsPaddedAndChecked()
    {
        RecordFileBuilder file(KindVatr, 10);
        setStr(file.inUse(7, "007"), vatr::name, "Siedem");
        file.inUse(5, "009"); // stored at another record than its number
        file.save();
        ShownList list("VATR");
        QTest::keyClicks(list.dialog.m_kon, "9");
        list.dialog.kl_ok->click();
        QCOMPARE(list.dialog.result(), 0);
        QCOMPARE(env->messages.texts(), Texts{"Brak w zbiorze konta 009"});
        list.dialog.m_kon->clear();
        QTest::keyClicks(list.dialog.m_kon, "7");
        list.dialog.kl_ok->click();
        QCOMPARE(list.dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccount, std::string("007"));
        QCOMPARE(getStr(recordBuffer(KindVatr), vatr::name), std::string("Siedem"));
    }

    // Ctrl with a letter finds a name by its initial; Enter chooses the row,
    // a double click too, but a gap record cannot be chosen.
    void rowsAreChosenByEnterOrDoubleClickButNotAGapRecord()
    {
        RecordFileBuilder file(KindVatz, 4);
        setStr(file.inUse(1, "001"), vatz::name, "Adam");
        setStr(file.inUse(5, "005"), vatz::name, "nowak"); // record 4 becomes a gap
        file.save();
        ShownList list("VATZ");
        QCOMPARE(gridColumn(list.grid, 0), (Texts{"001", "", "005"}));
        list.grid.setSelectedRow(2);
        QTest::keyClick(&list.grid, Qt::Key_Return);
        emit list.grid.doubleClicked(list.grid.model()->index(1, 0));
        QCOMPARE(env->messages.texts(), Texts{"'' to niepoprawny symbol konta"});
        QCOMPARE(list.dialog.result(), 0);

        QTest::keyClick(&list.grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(list.grid.selectedRow(), 2);
        QTest::keyClick(&list.grid, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(list.grid.selectedRow(), 3);
        QTest::keyClick(&list.grid, Qt::Key_Return);
        QCOMPARE(list.dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccountNo, 5);
        QCOMPARE(getStr(recordBuffer(KindVatz), vatz::name), std::string("nowak"));
    }

    void leavingTheFieldOrTheGridSetsTheDefaultButton()
    {
        RecordFileBuilder file(KindVatr, 1235);
        file.inUse(2, "002");
        file.inUse(1234, "1234");
        file.save();
        ShownList list("VATR");
        Tf_szuk_nip& dialog = list.dialog;
        dialog.m_konExit();
        QVERIFY(!dialog.kl_ok->isDefault());
        QTest::keyClicks(dialog.m_kon, "2");
        dialog.m_konExit();
        QVERIFY(dialog.kl_ok->isDefault());
        dialog.sg_konEnter();
        QVERIFY(!dialog.kl_ok->isDefault());
        dialog.sg_konExit();
        QCOMPARE(dialog.m_kon->text(), QString("002"));
        QVERIFY(dialog.kl_ok->isDefault());

        // Account 1234 does not fit the field: it must not become account 123.
        list.grid.setSelectedRow(2);
        dialog.sg_konExit();
        QVERIFY(dialog.m_kon->isBlank());
        dialog.kl_ok->click();
        QCOMPARE(dialog.result(), 0);
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
        dialog.m_kon->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(dialog.m_kon, "2");
        QTest::keyClick(dialog.m_kon, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), dialog.kl_ok);
        QCOMPARE(dialog.m_kon->text(), QString("2  "));
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
        QCOMPARE(dialog.sg_kon->rowCount(), 3);
        dialog.sg_kon->setSelectedRow(2);
        QTest::keyClicks(dialog.m_kon, "9");
        dialog.kl_ok->click();
        QCOMPARE(env->messages.texts(), Texts{"Brak konta"});
        QCoreApplication::sendEvent(&dialog, &activate); // the message box closed
        QCOMPARE(dialog.sg_kon->selectedRow(), 2);
        QCOMPARE(dialog.m_kon->text(), QString("9  "));
    }

private:
    std::optional<ListDialogEnvironment> env;
};

QTEST_MAIN(RegisterDialogsTest)
#include "register_dialogs_test.moc"
