#include "core/common/modal_result.h"
#include "core/records/nip_record.h"
#include "desktop/print/CalibrationGrid.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_margv.h"
#include "desktop/print/Tf_zg_ods.h"
#include "desktop/print/Tf_zg_odsv.h"
#include "core/print/print_job.h"
#include "support/ui_test_environment.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

std::string textOf(const std::string& file) { return readTextFile(file).value_or("(no file)"); }

CalibrationGrid* gridOf(const QDialog& dialog, const char* name) { return dialog.findChild<CalibrationGrid*>(name); }

QStringList column(const CalibrationGrid* grid, int col)
{
    QStringList texts;
    for (int row = 0; row < grid->rowCount(); ++row)
        texts << grid->item(row, col)->text();
    return texts;
}

void click(const QDialog& dialog, const char* button) { dialog.findChild<QPushButton*>(button)->click(); }

// The line edit of the grid's current cell.
QLineEdit* cellEditor(const CalibrationGrid* grid)
{
    return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
}

using Shown = std::vector<ScriptedMessages::Shown>;
const Shown kMarginsRefused = {{"inform", "Marginesy muszą być liczbami całkowitymi!", ""}};

// Shows the dialog as the active window, so that focus moves are real.
bool activate(QDialog& dialog)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    return QTest::qWaitForWindowActive(&dialog);
}

} // namespace

class CalibrationDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

    void marginGridsShowTheFileAndZerosBeyondIt()
    {
        writeTextFile("margnip1.Rdx", "    5   12\r\n   -2    3\r\n");
        Tf_zg_marg dialog;
        const CalibrationGrid* grid = gridOf(dialog, "sg_nip1");
        QCOMPARE(grid->rowCount(), 10);
        QCOMPARE(grid->columnCount(), 3);
        QCOMPARE(column(grid, 0).first(), QString(" NIP-1 1/4"));
        QCOMPARE(column(grid, 0).last(), QString(" NIP-C 2/2"));
        QCOMPARE(column(grid, 1), (QStringList{"5", "-2", "0", "0", "0", "0", "0", "0", "0", "0"}));
        QCOMPARE(column(grid, 2).mid(0, 3), (QStringList{"12", "3", "0"}));
        QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(column(gridOf(dialog, "sg_nip3"), 0), (QStringList{" NIP-3 1/2", " NIP-3 2/2"}));

        // Every row goes back into the file, the two read and the eight added.
        dialog.kl_okClick();
        QCOMPARE(dialog.result(), kModalOk);
        std::string expected = "    5   12\r\n   -2    3\r\n";
        for (int row = 3; row <= 10; ++row)
            expected += "    0    0\r\n";
        QCOMPARE(textOf("margnip1.Rdx"), expected);
    }

    void spacingGridsListTheSectionsAsTheyStand()
    {
        Tf_zg_ods dialog;
        const CalibrationGrid* grid = gridOf(dialog, "sg_nip1");
        QCOMPARE(column(grid, 0)[0], QString("NIP-A"));
        QCOMPARE(column(grid, 0)[27], QString("A/B.3.1.-B.3.2"));
        QCOMPARE(grid->columnCount(), 2);
        QVERIFY(grid->horizontalHeader()->isHidden());
        QCOMPARE(gridOf(dialog, "sg_nip3")->rowCount(), 9);
    }

    void firstPageButtonsCopyWithinTheirColumnAndGroup()
    {
        writeTextFile("margnip1.Rdx", "    7    4\r\n    1    2\r\n");
        writeTextFile("margnip2.Rdx", "    9    9\r\n");
        Tf_zg_marg dialog;
        CalibrationGrid* nip1 = gridOf(dialog, "sg_nip1");
        nip1->setValue(0, 1, "x"); // not checked by the copy
        click(dialog, "kl_lewy_nip1");
        QCOMPARE(column(nip1, 1), QStringList(10, "7"));
        QCOMPARE(column(nip1, 2).mid(0, 3), (QStringList{"x", "2", "0"}));
        QCOMPARE(column(gridOf(dialog, "sg_nip2"), 1).mid(0, 2), (QStringList{"9", "0"}));
        click(dialog, "kl_gorny_nip1");
        QCOMPARE(column(nip1, 2), QStringList(10, "x"));
        QCOMPARE(textOf("margnip1.Rdx"), std::string("    7    4\r\n    1    2\r\n"));
    }

    void valuesAreSavedRightAligned()
    {
        Tf_zg_margv dialog;
        gridOf(dialog, "sg_vat21")->setValue(0, 0, "-3");
        gridOf(dialog, "sg_vat21")->setValue(1, 1, " +12 ");
        gridOf(dialog, "sg_vatz")->setValue(0, 1, "-12345");
        dialog.kl_okClick();
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(textOf("marvat21.Rdx"), std::string("   -3    0\r\n    0   12\r\n"));
        QCOMPARE(textOf("margvatz.Rdx"), std::string("    0 -12345\r\n"));
        QCOMPARE(textOf("margvatr.Rdx"), std::string("    0    0\r\n    0    0\r\n    0    0\r\n"));
    }

    void nonIntegersAreRefused_data()
    {
        QTest::addColumn<QString>("text");
        for (const char* text : {"1.5", "", " ", "abc", "--3", "1e3", "0x10", "5 5", "2147483648"})
            QTest::newRow(text) << QString(text);
    }
    void nonIntegersAreRefused()
    {
        QFETCH(QString, text);
        Tf_zg_odsv dialog;
        gridOf(dialog, "sg_vatz")->setValue(3, 0, text);
        dialog.kl_okClick();
        QCOMPARE(env->messages.shown, (Shown{{"inform", "Odstępy muszą być liczbami całkowitymi!", ""}}));
        QCOMPARE(dialog.result(), 0);
        QVERIFY(!QFile::exists("odsvatz.Rdx"));
        QVERIFY(QFile::exists("odsvatr.Rdx") && QFile::exists("odsv21.Rdx"));
    }

    void okSavesTheValidGroupsAndKeepsTheInvalidOneOpen()
    {
        writeTextFile("margnip1.Rdx", "    1    1\r\n");
        Tf_zg_marg dialog;
        QVERIFY(activate(dialog));
        CalibrationGrid* nip1 = gridOf(dialog, "sg_nip1");
        gridOf(dialog, "sg_nip3")->setFocus();
        nip1->setValue(4, 1, "dwa");
        gridOf(dialog, "sg_nip3")->setValue(1, 0, "8");
        dialog.kl_okClick();
        QCOMPARE(env->messages.shown, kMarginsRefused);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), 0);
        QCOMPARE(textOf("margnip1.Rdx"), std::string("    1    1\r\n"));
        QVERIFY(QFile::exists("margnip2.Rdx"));
        QCOMPARE(textOf("margnip3.Rdx"), std::string("    0    0\r\n    8    0\r\n"));
        QVERIFY(isWithinGrid(QApplication::focusWidget(), nip1));

        nip1->setValue(4, 1, "2");
        dialog.kl_okClick();
        QCOMPARE(dialog.result(), kModalOk);
    }

    void defaultsAreLoadedButOnlySavedByOk()
    {
        const std::string stored = "    4\r\n    5\r\n";
        writeTextFile("odsnip1.Rdx", stored);
        writeTextFile("odsnip1d.Rdx", "   10\r\n   -1\r\n   30\r\n");
        {
            Tf_zg_ods dialog;
            click(dialog, "kl_domyslne_nip1");
            QCOMPARE(column(gridOf(dialog, "sg_nip1"), 1).mid(0, 4), (QStringList{"10", "-1", "30", "0"}));
            click(dialog, "kl_domyslne_nip2"); // no defaults file: zeros
            QCOMPARE(column(gridOf(dialog, "sg_nip2"), 1), QStringList(39, "0"));
            click(dialog, "kl_anuluj");
            QCOMPARE(dialog.result(), kModalCancel);
        }
        QCOMPARE(textOf("odsnip1.Rdx"), stored);
        QVERIFY(!QFile::exists("odsnip2.Rdx"));
        {
            Tf_zg_ods dialog;
            click(dialog, "kl_domyslne_nip1");
            click(dialog, "kl_ok");
        }
        QCOMPARE(textOf("odsnip1.Rdx").substr(0, 21), std::string("   10\r\n   -1\r\n   30\r\n"));
        QCOMPARE(textOf("odsnip1d.Rdx"), std::string("   10\r\n   -1\r\n   30\r\n"));
    }

    // A damaged file is told of, shows the rows read before the fault and is
    // written anew: its forms print again.
    void damagedFileIsShownAsFarAsReadableAndWrittenAnew()
    {
        writeTextFile("margnip2.Rdx", "    4    5\r\n    1    x\r\n    7    7\r\n");
        writeTextFile("odsvatr.Rdx", "    3\r\n  1.5\r\n");
        writeTextFile("odsvatrd.Rdx", "    9\r\n    8\r\n");
        {
            Tf_zg_marg dialog;
            QCOMPARE(env->messages.shown, (Shown{{"error", "I/O error 106: margnip2.Rdx, wiersz 2", ""}}));
            QVERIFY(dialog.findChild<QGroupBox*>("g_nip2")->isEnabled());
            QVERIFY(!dialog.findChild<QLabel*>("e_uszk_nip2")->isHidden());
            QVERIFY(dialog.findChild<QLabel*>("e_uszk_nip1")->isHidden());
            const CalibrationGrid* grid = gridOf(dialog, "sg_nip2");
            QCOMPARE(column(grid, 1), (QStringList{"4"} + QStringList(7, "0")));
            QCOMPARE(column(grid, 2), (QStringList{"5"} + QStringList(7, "0")));
            dialog.kl_okClick();
            QCOMPARE(dialog.result(), kModalOk);
        }
        std::string rows = "    4    5\r\n";
        for (int row = 2; row <= 8; ++row)
            rows += "    0    0\r\n";
        QCOMPARE(textOf("margnip2.Rdx"), rows);
        const std::vector<std::uint8_t> nip2(nip::kRecordSize);
        const JobPlan plan = planPrintJob(FormKind::Nip2, nip2, {true}, 2480, 3508);
        QCOMPARE(plan.pages.at(0).originX, 4 * 11);
        QCOMPARE(plan.pages.at(0).topY, 5 * 11);

        Tf_zg_odsv dialog;
        QCOMPARE(env->messages.shown.size(), std::size_t(2));
        QCOMPARE(env->messages.shown.back().text, std::string("I/O error 106: odsvatr.Rdx, wiersz 2"));
        QCOMPARE(column(gridOf(dialog, "sg_vatr"), 1).mid(0, 3), (QStringList{"3", "0", "0"}));
        click(dialog, "kl_domyslne_vatr");
        click(dialog, "kl_ok");
        QCOMPARE(textOf("odsvatr.Rdx").substr(0, 21), std::string("    9\r\n    8\r\n    0\r\n"));
    }

    void leavingAnInvalidGridIsCheckedExceptForCancel()
    {
        Tf_zg_marg dialog;
        QVERIFY(activate(dialog));
        CalibrationGrid* nip1 = gridOf(dialog, "sg_nip1");
        nip1->setFocus();
        nip1->setValue(2, 0, "1,5");
        dialog.kl_anuluj->setFocus();

        nip1->setFocus();
        dialog.findChild<QPushButton*>("kl_lewy_nip2")->setFocus();
        QCOMPARE(env->messages.shown, kMarginsRefused);
        QTRY_VERIFY(isWithinGrid(QApplication::focusWidget(), nip1));

        // A valid grid lets the focus go.
        nip1->setValue(2, 0, "15");
        dialog.findChild<QPushButton*>("kl_lewy_nip2")->setFocus();
        QApplication::processEvents();
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("kl_lewy_nip2"));
    }

    void keysInTheCellEditor()
    {
        // Opens the VAT margins with the cell editor of VAT-R 1/2 focused.
        auto open = [](Tf_zg_margv& dialog) {
            QVERIFY(activate(dialog));
            CalibrationGrid* vatr = gridOf(dialog, "sg_vatr");
            vatr->setFocus();
            QVERIFY(cellEditor(vatr));
        };
        auto retype = [](CalibrationGrid* grid, const char* text) {
            cellEditor(grid)->selectAll();
            QTest::keyClicks(cellEditor(grid), text);
        };
        {
            Tf_zg_margv dialog;
            open(dialog);
            CalibrationGrid* vatr = gridOf(dialog, "sg_vatr");
            retype(vatr, "-3");
            // Down goes on editing the next page's cell.
            QTest::keyClick(cellEditor(vatr), Qt::Key_Down);
            QCOMPARE(vatr->currentRow(), 1);
            QVERIFY(cellEditor(vatr) && cellEditor(vatr)->hasFocus());
            QTest::keyClick(cellEditor(vatr), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString("kl_lewy_vatr"));
            QCOMPARE(vatr->value(0, 0), QString("-3"));

            vatr->setFocus();
            QVERIFY(cellEditor(vatr));
            retype(vatr, "6");
            QTest::keyClick(cellEditor(vatr), Qt::Key_Return);
            QCOMPARE(dialog.result(), kModalOk);
            QCOMPARE(textOf("margvatr.Rdx"), std::string("   -3    0\r\n    6    0\r\n    0    0\r\n"));
        }
        Tf_zg_margv dialog;
        open(dialog);
        retype(gridOf(dialog, "sg_vatr"), "x");
        QTest::keyClick(cellEditor(gridOf(dialog, "sg_vatr")), Qt::Key_Escape);
        QCOMPARE(dialog.result(), kModalCancel);
        QCOMPARE(textOf("margvatr.Rdx").substr(0, 12), std::string("   -3    0\r\n"));
    }

private:
    static bool isWithinGrid(const QWidget* w, const QWidget* grid)
    {
        for (; w; w = w->parentWidget())
            if (w == grid)
                return true;
        return false;
    }

    std::unique_ptr<UiTestEnvironment<>> env;
};

int runCalibrationDialogsTests(int argc, char* argv[])
{
    CalibrationDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calibration_dialogs_test.moc"
