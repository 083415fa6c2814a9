#include "common/app_state.h"
#include "records/ledger_params.h"
#include "common/MaskedEdit.h"
#include "common/cp1250.h"
#include "common/file_io.h"
#include "forms/Binding.h"
#include "common/FocusMoves.h"
#include "forms/Memo.h"
#include "forms/RadioGroup.h"
#include "forms/Tfr_adr.h"
#include "forms/Tfr_dok_rach.h"
#include "forms/Tfr_org_rej.h"
#include "forms/Tfr_osw.h"
#include "forms/Tfr_zg_in_kr.h"
#include "forms/TriStateBox.h"
#include "forms/nip1_test_support.h"
#include "ledger/ledger_test_files.h"
#include "support/ui_test_environment.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

// A window to put frames into, with a control outside them and a cancel button.
struct Host {
    QDialog window;
    QLineEdit* outside = new QLineEdit(&window);
    QPushButton* cancel = new QPushButton("Anuluj", &window);

    Host()
    {
        new QVBoxLayout(&window);
        window.layout()->addWidget(outside);
        cancel->setObjectName("kl_anuluj");
        markCancelButton(cancel);
    }
    template <class Frame>
    Frame* add()
    {
        auto* f = new Frame(&window);
        window.layout()->addWidget(f);
        window.layout()->addWidget(cancel);
        return f;
    }
};

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

std::string fileText(const char* name) { return readTextFile(name).value_or("<missing>"); }

} // namespace

class EntryFramesTest : public QObject {
    Q_OBJECT
    std::unique_ptr<UiTestEnvironment<>> env;

private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        appState() = AppState{};
    }
    void cleanup() { env.reset(); }

    void aLocalityTypedInOneAddressIsOfferedByTheNext()
    {
        Host host;
        auto* first = host.add<Tfr_adr>();
        auto* second = host.add<Tfr_adr>();
        QVERIFY(showActive(&host.window));

        moveFocus(first->c_miejsc);
        first->c_miejsc->setEditText("Nowa Wieś");
        first->c_kraj->setEditText("NIEMCY");
        moveFocus(host.outside);
        QCOMPARE(first->z_poczta->text(), QString("Nowa Wieś"));
        QCOMPARE(fileText("slmiejsc.Rdx"), cp("Nowa Wieś") + "\r\n");
        // The file was missing: the built-in country joins the new one, sorted.
        QCOMPARE(fileText("slkraj.Rdx"), std::string("NIEMCY\r\nPOLSKA\r\n"));

        moveFocus(second->z_ul);
        QCOMPARE(itemsOf(second->c_miejsc), QStringList{"Nowa Wieś"});
        QCOMPARE(second->c_kraj->currentText(), QString("POLSKA"));

        // Case matters; the post office already filled stays.
        second->z_poczta->setText("Gdańsk");
        second->c_miejsc->setEditText("NOWA WIEŚ");
        moveFocus(host.outside);
        QCOMPARE(second->z_poczta->text(), QString("Gdańsk"));
        QCOMPARE(fileText("slmiejsc.Rdx"), cp("NOWA WIEŚ\r\nNowa Wieś\r\n"));
        QCOMPARE(fileText("slkraj.Rdx"), std::string("NIEMCY\r\nPOLSKA\r\n"));
        QVERIFY(env->messages.shown.empty());
    }

    void aWordListThatCannotBeWrittenIsReportedAndKeptInMemory()
    {
        std::filesystem::create_directory("slwoj.Rdx");
        Host host;
        auto* address = host.add<Tfr_adr>();
        QVERIFY(showActive(&host.window));
        moveFocus(address->c_woj);
        address->c_woj->setEditText("BAWARIA");
        moveFocus(host.outside);
        QCOMPARE(env->messages.shown.size(), std::size_t(1));
        QCOMPARE(env->messages.shown[0].kind, std::string("error"));
        QVERIFY(itemsOf(address->c_woj).contains("BAWARIA"));
    }

    void anEmptyForeignNumberRowLosesItsPurpose()
    {
        Host host;
        auto* row = host.add<Tfr_zg_in_kr>();
        QVERIFY(showActive(&host.window));
        moveFocus(row->z_in_kr);
        row->r_in_kr_c->setItemIndex(1);
        row->z_in_kr_nr->setText("X1");
        moveFocus(host.outside);
        QCOMPARE(row->r_in_kr_c->itemIndex(), 1);

        moveFocus(row->z_in_kr_nr);
        row->z_in_kr_nr->clear();
        moveFocus(host.outside);
        QCOMPARE(row->r_in_kr_c->itemIndex(), -1);
    }

    void theAccountingOfficeBoxesFollowWhoKeepsTheBooks()
    {
        appState().officeLines = {cp("Biuro Usług"), cp("Księgowych"), cp("ul. Długa 1"), "Gdynia"};
        setStr(appState().ledgerParams, ledger_params::office_nip, "111-222-33-44");
        Host host;
        auto* books = host.add<Tfr_dok_rach>();
        QVERIFY(showActive(&host.window));
        QCOMPARE(books->nr_nip_br->text(), QString()); // not before the frame is entered

        books->nr_nip_br->setText("999");
        moveFocus(books->nr_nip_br);
        QCOMPARE(books->nr_nip_br->text(), QString("999"));
        QCOMPARE(books->z_nazwa_br->text(), QString("BIURO USŁUG KSIĘGOWYCH"));

        books->z_nazwa_br->setText("MOJE BIURO");
        books->r_prow_dok->button(1)->click();
        QVERIFY(books->g_brach->isHidden());
        books->r_prow_dok->button(0)->click();
        QVERIFY(!books->g_brach->isHidden());
        QCOMPARE(books->z_nazwa_br->text(), QString("MOJE BIURO"));
    }

    void dateFieldsRefuseAnImpossibleDateUnlessLeftForCancel_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("towardsCancel");
        QTest::addColumn<bool>("refused");
        for (const char* frame : {"Tfr_org_rej", "Tfr_osw"}) {
            const QString f = QString::fromLatin1(frame);
            const auto row = [&](const char* name) -> QTestData& { return QTest::newRow(qPrintable(f + " " + name)) << f; };
            row("30-02-2004") << QString("30-02-2004") << false << true;
            row("half typed") << QString("12-0") << false << true;
            row("towards cancel") << QString("30-02-2004") << true << false;
            row("blank") << QString() << false << false;
            row("leap day") << QString("29-02-2004") << false << false;
        }
    }
    void dateFieldsRefuseAnImpossibleDateUnlessLeftForCancel()
    {
        QFETCH(QString, frame);
        QFETCH(QString, typed);
        QFETCH(bool, towardsCancel);
        QFETCH(bool, refused);
        Host host;
        MaskedEdit* date = frame == "Tfr_org_rej" ? host.add<Tfr_org_rej>()->m_drej : host.add<Tfr_osw>()->m_dwyp;
        QVERIFY(showActive(&host.window));
        moveFocus(date);
        date->setText(typed);
        moveFocus(towardsCancel ? static_cast<QWidget*>(host.cancel) : host.outside);
        const std::vector<std::string> refusal = {"Niepoprawna data"};
        QCOMPARE(env->messages.texts(), refused ? refusal : std::vector<std::string>{});
        QCOMPARE(QApplication::focusWidget() == date, refused);
    }

    void theMemoTakesNoMoreThanItsLimit()
    {
        Memo memo(nullptr);
        memo.setMaxLength(10);
        QTest::keyClicks(&memo, "abcdefghijklmno");
        QCOMPARE(memo.toPlainText(), QString("abcdefghij"));
        memo.moveCursor(QTextCursor::Start);
        QTest::keyClicks(&memo, "XY");
        QCOMPARE(memo.toPlainText(), QString("abcdefghij"));
    }

    void theThreeStateBoxCyclesThroughNotStated()
    {
        TriStateBox box("bilans", nullptr);
        QList<Qt::CheckState> states = {box.checkState()};
        for (int click = 0; click < 3; ++click) {
            box.click();
            states << box.checkState();
        }
        const QList<Qt::CheckState> cycle = {Qt::PartiallyChecked, Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked};
        QCOMPARE(states, cycle);
    }

    // Conversions the NIP-1 editor does not use; the editor's tests cover the rest.
    void conversionsOfTheOtherForms()
    {
        constexpr Field tri{"tri", 0, 1, FieldType::U8};
        constexpr Field flagTri{"flag_tri", 1, 1, FieldType::U8};
        constexpr Field vat{"vat", 2, 14, FieldType::Str};
        constexpr Field trimmed{"trimmed", 16, 11, FieldType::Str};
        constexpr Field picked{"picked", 27, 4, FieldType::Date};
        std::vector<std::uint8_t> record(31, 0);
        TriStateBox triBox("a", nullptr);
        TriStateBox flagBox("b", nullptr);
        QLineEdit vatEdit;
        QLineEdit trimEdit;
        QDateEdit picker(QDate(2001, 2, 3));
        const BindingTable table = {
            {&triBox, tri, Conv::TriState},      {&flagBox, flagTri, Conv::TriStateFlag},
            {&vatEdit, vat, Conv::EuVat},        {&trimEdit, trimmed, Conv::TrimmedText},
            {&picker, picked, Conv::PickerDate},
        };

        triBox.setCheckState(Qt::Unchecked);
        vatEdit.setText("de 123.456.78.90");
        trimEdit.setText("  JAN  ");
        SaveBindings(table, record);
        QCOMPARE(int(record[0]), 2);
        QCOMPARE(int(record[1]), 0); // a new box is not stated
        QCOMPARE(getStr(record, vat), std::string("DE1234567890"));
        QCOMPARE(getStr(record, trimmed), std::string("JAN"));
        QCOMPARE(getDate(record, picked), (Date4{2001, 2, 3}));

        record[0] = 7; // no state: the box stays as it was
        record[1] = 2;
        setDate(record, picked, Date4{2001, 2, 30});
        LoadBindings(table, record);
        QCOMPARE(triBox.checkState(), Qt::Unchecked);
        QCOMPARE(flagBox.checkState(), Qt::Unchecked);
        QCOMPARE(vatEdit.text(), QString("DE123-456-78-90"));
        QCOMPARE(picker.date(), QDate(2001, 2, 3));
        record[0] = 0;
        record[1] = 1;
        LoadBindings(table, record);
        QCOMPARE(triBox.checkState(), Qt::PartiallyChecked);
        QCOMPARE(flagBox.checkState(), Qt::Checked);
    }
};

int runEntryFramesTest(int argc, char** argv)
{
    EntryFramesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entry_frames_test.moc"
