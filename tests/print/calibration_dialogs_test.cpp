#include "core/common/modal_result.h"
#include "core/records/nip_record.h"
#include "desktop/print/CalibrationGrid.h"
#include "desktop/print/Tf_zg_marg.h"
#include "desktop/print/Tf_zg_margv.h"
#include "desktop/print/Tf_zg_ods.h"
#include "desktop/print/Tf_zg_odsv.h"
#include "core/print/print_job.h"
#include "support/ui_test_environment.h"

#include <QLabel>
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

// Rows of a margin file: each pair right-aligned in five characters.
std::string marginRows(std::initializer_list<std::pair<int, int>> rows, int zeroRows = 0)
{
    std::string text;
    for (const auto& [left, top] : rows)
        text += QString("%1%2\r\n").arg(left, 5).arg(top, 5).toStdString();
    for (int i = 0; i < zeroRows; ++i)
        text += "    0    0\r\n";
    return text;
}

using Shown = std::vector<ScriptedMessages::Shown>;

} // namespace

class CalibrationDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { env = std::make_unique<UiTestEnvironment<>>(); }
    void cleanup() { env.reset(); }

    // A file of two rows shows zeros beyond them, and "O&K" writes every row.
    void gridsShowTheFileAndOkWritesEveryRow()
    {
        writeTextFile("margnip1.Rdx", marginRows({{5, 12}, {-2, 3}}));
        Tf_zg_marg dialog;
        const CalibrationGrid* grid = gridOf(dialog, "sg_nip1");
        QCOMPARE(column(grid, 0).first() + column(grid, 0).last(), QString(" NIP-1 1/4 NIP-C 2/2"));
        QCOMPARE(column(grid, 1), (QStringList{"5", "-2"} + QStringList(8, "0")));
        QCOMPARE(column(grid, 2).mid(0, 3), (QStringList{"12", "3", "0"}));
        QVERIFY(!(grid->item(0, 0)->flags() & Qt::ItemIsEditable));
        QCOMPARE(column(gridOf(dialog, "sg_nip3"), 0), (QStringList{" NIP-3 1/2", " NIP-3 2/2"}));
        dialog.kl_okClick();
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(textOf("margnip1.Rdx"), marginRows({{5, 12}, {-2, 3}}, 8));

        Tf_zg_ods spacings;
        QCOMPARE(column(gridOf(spacings, "sg_nip1"), 0)[27], QString("A/B.3.1.-B.3.2"));
        QCOMPARE(gridOf(spacings, "sg_nip3")->rowCount(), 9);
    }

    void firstPageButtonsCopyWithinTheirColumnAndGroup()
    {
        writeTextFile("margnip1.Rdx", marginRows({{7, 4}, {1, 2}}));
        writeTextFile("margnip2.Rdx", marginRows({{9, 9}}));
        Tf_zg_marg dialog;
        CalibrationGrid* nip1 = gridOf(dialog, "sg_nip1");
        nip1->setValue(0, 1, "x"); // not checked by the copy
        click(dialog, "kl_lewy_nip1");
        QCOMPARE(column(nip1, 1), QStringList(10, "7"));
        QCOMPARE(column(nip1, 2).mid(0, 3), (QStringList{"x", "2", "0"}));
        QCOMPARE(column(gridOf(dialog, "sg_nip2"), 1).mid(0, 2), (QStringList{"9", "0"}));
        click(dialog, "kl_gorny_nip1");
        QCOMPARE(column(nip1, 2), QStringList(10, "x"));
        QCOMPARE(textOf("margnip1.Rdx"), marginRows({{7, 4}, {1, 2}}));
    }

    void integersAreSavedAndAnythingElseRefused()
    {
        Tf_zg_margv dialog;
        gridOf(dialog, "sg_vat21")->setValue(0, 0, "-3");
        gridOf(dialog, "sg_vat21")->setValue(1, 1, " +12 ");
        gridOf(dialog, "sg_vatz")->setValue(0, 1, "-12345");
        dialog.kl_okClick();
        QCOMPARE(dialog.result(), kModalOk);
        QCOMPARE(textOf("marvat21.Rdx"), marginRows({{-3, 0}, {0, 12}}));
        QCOMPARE(textOf("margvatz.Rdx"), std::string("    0 -12345\r\n"));
        QCOMPARE(textOf("margvatr.Rdx"), marginRows({}, 3));

        for (const char* text : {"1.5", "", " ", "abc", "--3", "1e3", "0x10", "5 5", "2147483648"}) {
            QFile::remove("odsvatz.Rdx");
            Tf_zg_odsv spacings;
            gridOf(spacings, "sg_vatz")->setValue(3, 0, text);
            spacings.kl_okClick();
            QVERIFY2(env->messages.shown == (Shown{{"inform", "Odstępy muszą być liczbami całkowitymi!", ""}}), text);
            env->messages.shown.clear();
            QCOMPARE(spacings.result(), 0);
            QVERIFY2(!QFile::exists("odsvatz.Rdx"), text);
            QVERIFY(QFile::exists("odsvatr.Rdx") && QFile::exists("odsv21.Rdx"));
        }
        gridOf(dialog, "sg_vatr")->setValue(2, 0, "dwa");
        dialog.kl_okClick();
        QCOMPARE(env->messages.shown, (Shown{{"inform", "Marginesy muszą być liczbami całkowitymi!", ""}}));
        QCOMPARE(textOf("margvatr.Rdx"), marginRows({}, 3));
    }

    // A damaged file is told of, shows the rows read before the fault and is
    // written anew: its forms print again.
    void damagedFileIsShownAsFarAsReadableAndWrittenAnew()
    {
        writeTextFile("margnip2.Rdx", "    4    5\r\n    1    x\r\n    7    7\r\n");
        {
            Tf_zg_marg dialog;
            QCOMPARE(env->messages.shown, (Shown{{"error", "I/O error 106: margnip2.Rdx, wiersz 2", ""}}));
            QVERIFY(!dialog.findChild<QLabel*>("e_uszk_nip2")->isHidden());
            QVERIFY(dialog.findChild<QLabel*>("e_uszk_nip1")->isHidden());
            QCOMPARE(column(gridOf(dialog, "sg_nip2"), 1), (QStringList{"4"} + QStringList(7, "0")));
            QCOMPARE(column(gridOf(dialog, "sg_nip2"), 2), (QStringList{"5"} + QStringList(7, "0")));
            dialog.kl_okClick();
            QCOMPARE(dialog.result(), kModalOk);
        }
        QCOMPARE(textOf("margnip2.Rdx"), marginRows({{4, 5}}, 7));
        const JobPlan plan = planPrintJob(FormKind::Nip2, std::vector<std::uint8_t>(nip::kRecordSize), {true}, 2480, 3508);
        QCOMPARE(std::pair(plan.pages.at(0).originX, plan.pages.at(0).topY), std::pair(4 * 11, 5 * 11));
    }

private:
    std::unique_ptr<UiTestEnvironment<>> env;
};

int runCalibrationDialogsTests(int argc, char* argv[])
{
    CalibrationDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "calibration_dialogs_test.moc"
