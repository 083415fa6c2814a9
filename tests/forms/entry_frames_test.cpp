// What the entry frames do by themselves: word lists, boxes filled or
// emptied from others, limits on typing, and the conversions only some
// editors use.
#include "core/common/app_state.h"
#include "core/common/file_io.h"
#include "core/records/ledger_params.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/controls/TriStateBox.h"
#include "desktop/forms/controls/UpDown.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dok_rach.h"
#include "desktop/forms/frames/Tfr_zal.h"
#include "desktop/forms/frames/Tfr_zg_in_kr.h"
#include "desktop/forms/shell/Binding.h"
#include "desktop/widgets/MaskedEdit.h"
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>

namespace {

// A window to put frames into, with a control outside them.
struct Host {
    QDialog window;
    QLineEdit* outside = new QLineEdit(&window);

    Host()
    {
        new QVBoxLayout(&window);
        window.layout()->addWidget(outside);
    }
    template <class Frame>
    Frame* add()
    {
        auto* f = new Frame(&window);
        window.layout()->addWidget(f);
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

// The operator pastes `text` over the edit's selection.
void paste(QWidget* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Presses the up (+1) or down (-1) button of an up-down.
void stepUpDown(UpDown* upDown, int by) { upDown->findChildren<QToolButton*>().at(by > 0 ? 0 : 1)->click(); }

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

        // A post office already filled stays.
        second->z_poczta->setText("Gdańsk");
        second->c_miejsc->setEditText("Sopot");
        moveFocus(host.outside);
        QCOMPARE(second->z_poczta->text(), QString("Gdańsk"));
        QCOMPARE(fileText("slmiejsc.Rdx"), cp("Nowa Wieś\r\nSopot\r\n"));
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

    // A box's limit bounds the operator's typing and pasting, not what the
    // program puts there: such a text can be shortened, not lengthened.
    void aLimitBoundsTypingNotWhatIsLoaded()
    {
        Host host;
        auto* address = host.add<Tfr_adr>();
        const QString phone = "058 555 12 34, KOM. 601 234 56";
        address->z_tel->setText(phone);
        QTest::keyClick(address->z_tel, Qt::Key_End);
        QTest::keyClicks(address->z_tel, "7");
        QCOMPARE(address->z_tel->text().size(), 30);
        QTest::keyClick(address->z_tel, Qt::Key_Backspace);
        QTest::keyClicks(address->z_tel, "78");
        QCOMPARE(address->z_tel->text(), phone.left(29));
        address->z_tel->selectAll();
        paste(address->z_tel, QString(25, '9'));
        QCOMPARE(address->z_tel->text(), QString(20, '9'));

        address->z_ul->clear();
        QTest::keyClicks(address->z_ul, "ULICA DLUGA 12345678901");
        QCOMPARE(address->z_ul->text(), QString("ULICA DLUGA 12345678"));
        address->z_ul->setCursorPosition(6);
        paste(address->z_ul, "XY");
        QCOMPARE(address->z_ul->text(), QString("ULICA DLUGA 12345678"));

    }

    // An editor holds dozens of these boxes: each builds its drop-down
    // window when first opened, not with the box.
    void aListBoxBuildsItsDropDownWhenFirstOpened()
    {
        const QWidgetList before = QApplication::topLevelWidgets();
        Host host;
        auto* address = host.add<Tfr_adr>();
        QStringList windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &host.window && !before.contains(w))
                windows << w->metaObject()->className();
        QVERIFY2(windows.isEmpty(), qPrintable(windows.join(", ")));

        QComboBox* box = address->c_miejsc;
        box->addItems({"Nowa Wieś", "Nowy Targ"});
        QVERIFY(showActive(&host.window));
        box->showPopup();
        QVERIFY(box->view()->isVisible());
        box->hidePopup();
    }

    // The up-down's range (0 to 10) bounds its buttons only: a count set
    // beyond it stays, and the buttons take it back towards the range.
    void attachmentCountsBeyondTheButtonsRangeStay()
    {
        Host host;
        auto* attachments = host.add<Tfr_zal>();
        attachments->ud_zal_a->setPosition(15);
        QCOMPARE(attachments->m_zal_a->text().trimmed(), QString("15"));
        stepUpDown(attachments->ud_zal_a, +1); // never further out
        QCOMPARE(attachments->m_zal_a->text().trimmed(), QString("15"));
        stepUpDown(attachments->ud_zal_a, -1); // back towards the range
        QCOMPARE(attachments->m_zal_a->text().trimmed(), QString("14"));
        for (const auto& [from, by, to] : {std::tuple{"9", +1, "10"}, std::tuple{"1", -1, "0"}}) {
            attachments->m_zal_c->setText(from);
            stepUpDown(attachments->ud_zal_c, by);
            stepUpDown(attachments->ud_zal_c, by);
            QCOMPARE(attachments->m_zal_c->text().trimmed(), QString(to));
        }
    }

    void theThreeStateBoxCyclesThroughNotStated()
    {
        TriStateBox box("bilans", nullptr);
        QCOMPARE(box.checkState(), Qt::PartiallyChecked);
        for (Qt::CheckState next : {Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked}) {
            box.click();
            QCOMPARE(box.checkState(), next);
        }
    }

    // Conversions of tick boxes of three states, trimmed texts and date
    // pickers, byte by byte.
    void threeStateTrimmedAndPickedDateConversions()
    {
        constexpr Field tri{"tri", 0, 1, FieldType::U8};
        constexpr Field flagTri{"flag_tri", 1, 1, FieldType::U8};
        constexpr Field trimmed{"trimmed", 2, 11, FieldType::Str};
        constexpr Field picked{"picked", 13, 4, FieldType::Date};
        std::vector<std::uint8_t> record(17, 0);
        TriStateBox triBox("a", nullptr);
        TriStateBox flagBox("b", nullptr);
        QLineEdit trimEdit("  JAN  ");
        QDateEdit picker(QDate(2001, 2, 3));
        const BindingTable table = {{&triBox, tri, Conv::TriState},
                                    {&flagBox, flagTri, Conv::TriStateFlag},
                                    {&trimEdit, trimmed, Conv::TrimmedText},
                                    {&picker, picked, Conv::PickerDate}};
        triBox.setCheckState(Qt::Unchecked);
        SaveBindings(table, record);
        // Cleared 2, a new box not stated 0, "JAN", 2001 as 0x07D1, February 3.
        QCOMPARE(record, (std::vector<std::uint8_t>{2, 0, 3, 'J', 'A', 'N', 0, 0, 0, 0, 0, 0, 0, 0xD1, 0x07, 2, 3}));

        record[0] = 7; // no state: the box stays as it was
        record[1] = 2;
        record[16] = 30; // February 30: the picker stays as it was
        LoadBindings(table, record);
        QCOMPARE(triBox.checkState(), Qt::Unchecked);
        QCOMPARE(flagBox.checkState(), Qt::Unchecked);
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
