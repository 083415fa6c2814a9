#include "core/common/modal_result.h"
#include "core/records/vat_records.h"
#include "desktop/register/Tf_nowy_nip.h"
#include "desktop/register/Tf_szuk_nip.h"
#include "desktop/widgets/MaskedEdit.h"
#include "register/record_files.h"
#include "support/list_dialog_fixture.h"

#include <QPushButton>
#include <QtTest>

#include <optional>

using Texts = std::vector<std::string>;

// The new-record dialog (Tf_nowy_nip) and the record search list (Tf_szuk_nip).
class RegisterDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env.emplace(); }
    void cleanup() { env.reset(); }

    // Tab from a typed number goes past "Pierwsze wolne" straight to "O&K";
    // with every record in use that button changes nothing. A refused number
    // keeps the dialog open; Escape and "Anuluj" cancel, and there is no close box.
    void newRecordDialogOffersTheFirstFreeRecordUntilTyping()
    {
        RecordFileBuilder file(KindVatr, 4);
        for (int n = 1; n <= 3; ++n)
            file.inUse(n, "00" + std::to_string(n));
        file.save();
        Tf_nowy_nip dialog;
        dialog.SetKind("VATR");
        QVERIFY(dialog.kl_wolne->focusPolicy() & Qt::TabFocus);
        QTest::keyClicks(dialog.m_kon, "2");
        QVERIFY(!(dialog.kl_wolne->focusPolicy() & Qt::TabFocus));
        dialog.kl_wolne->click();
        QCOMPARE(dialog.m_kon->editText(), QString("2__"));
        dialog.kl_ok->click();
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(env->messages.texts(), Texts{"Konto jest już w zbiorze"});
        QTest::keyClick(dialog.m_kon, Qt::Key_Backspace);
        QVERIFY(dialog.kl_wolne->focusPolicy() & Qt::TabFocus);

        QVERIFY(!(dialog.windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), kModalCancel);
        dialog.setResult(0);
        dialog.kl_anul->click();
        QCOMPARE(dialog.result(), kModalCancel);
    }

    // Ctrl with a letter finds a name by its initial; Enter chooses the row,
    // a double click too, but a gap record cannot be chosen.
    void rowsAreChosenByEnterOrDoubleClickButNotAGapRecord()
    {
        RecordFileBuilder file(KindVatz, 4);
        setStr(file.inUse(1, "001"), vatz::name, "Adam");
        setStr(file.inUse(5, "005"), vatz::name, "nowak"); // record 4 becomes a gap
        file.save();
        Tf_szuk_nip dialog(nullptr);
        dialog.SetKind("VATZ");
        dialog.FormActivate();
        StringGrid& grid = *dialog.sg_kon;
        QCOMPARE(gridColumn(grid, 0), (Texts{"001", "", "005"}));
        grid.setSelectedRow(2);
        QTest::keyClick(&grid, Qt::Key_Return);
        emit grid.doubleClicked(grid.model()->index(1, 0));
        QCOMPARE(env->messages.texts(), Texts{"'' to niepoprawny symbol konta"});
        QCOMPARE(dialog.result(), 0);

        QTest::keyClick(&grid, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid.selectedRow(), 2);
        QTest::keyClick(&grid, Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(grid.selectedRow(), 3);
        QTest::keyClick(&grid, Qt::Key_Return);
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(registerState().currentAccountNo, 5);
        QCOMPARE(getStr(recordBuffer(KindVatz), vatz::name), std::string("nowak"));
    }

private:
    std::optional<ListDialogEnvironment> env;
};

QTEST_MAIN(RegisterDialogsTest)
#include "register_dialogs_test.moc"
