#include "core/common/app_state.h"
#include "core/records/ledger_params.h"
#include "desktop/widgets/MaskedEdit.h"
#include "core/common/cp1250.h"
#include "core/common/file_io.h"
#include "desktop/widgets/record_text.h"
#include "desktop/forms/shell/Binding.h"
#include "desktop/forms/controls/FormControls.h"
#include "desktop/forms/controls/Memo.h"
#include "desktop/forms/controls/RadioGroup.h"
#include "desktop/forms/frames/Tfr_adr.h"
#include "desktop/forms/frames/Tfr_dok_rach.h"
#include "desktop/forms/frames/Tfr_dzial.h"
#include "desktop/forms/frames/Tfr_zal.h"
#include "desktop/forms/frames/Tfr_zg_in_kr.h"
#include "desktop/forms/editors/Tpdlg_nip1.h"
#include "desktop/forms/controls/TriStateBox.h"
#include "desktop/forms/controls/UpDown.h"
#include "forms/editor_test_support.h"
#include "ledger/ledger_test_files.h"
#include "support/ui_test_environment.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>
#include <memory>

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

// A record of `size` bytes filled with a pattern, so that a stray write shows.
std::vector<std::uint8_t> patterned(std::size_t size) { return std::vector<std::uint8_t>(size, 0x5A); }

// The operator pastes `text` over the edit's selection.
void paste(QWidget* edit, const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Presses the up (+1) or down (-1) button of an up-down.
void stepUpDown(UpDown* upDown, int by)
{
    upDown->findChildren<QToolButton*>().at(by > 0 ? 0 : 1)->click();
}

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

    // A box's limit bounds the operator's typing and pasting; what the
    // program puts there is shown whole and saved up to the field's width.
    void aLimitBoundsTypingNotWhatIsLoaded()
    {
        Host host;
        auto* address = host.add<Tfr_adr>();
        std::vector<std::uint8_t> record = patterned(address_block::kSize);
        const Field block{"addr", 0, address_block::kSize, FieldType::Group, &address_block::layout};
        const std::string phone = "058 555 12 34, KOM. 601 234 56";
        const std::string street = "ALEJA NIEPODLEGŁOŚCI 1234567";
        setStr(record, address_block::phone, phone);
        setStr(record, address_block::street, cp(street));
        LoadBindings(address->bindings(block), record);
        QCOMPARE(address->z_tel->text(), QString::fromStdString(phone));

        std::vector<std::uint8_t> saved = patterned(address_block::kSize);
        SaveBindings(address->bindings(block), saved);
        QCOMPARE(getStr(saved, address_block::phone), phone);
        QCOMPARE(getStr(saved, address_block::street), cp(street));

        // A loaded text over the limit can be shortened, not lengthened.
        QTest::keyClick(address->z_tel, Qt::Key_End);
        QTest::keyClicks(address->z_tel, "7");
        QCOMPARE(address->z_tel->text().size(), 30);
        QTest::keyClick(address->z_tel, Qt::Key_Backspace);
        QTest::keyClicks(address->z_tel, "78");
        QCOMPARE(address->z_tel->text(), QString::fromStdString(phone.substr(0, 29)));
        address->z_tel->selectAll();
        paste(address->z_tel, QString(25, '9'));
        QCOMPARE(address->z_tel->text(), QString(20, '9'));

        address->z_ul->clear();
        QTest::keyClicks(address->z_ul, "ULICA DLUGA 12345678901");
        QCOMPARE(address->z_ul->text(), QString("ULICA DLUGA 12345678"));
        address->z_ul->setCursorPosition(6);
        paste(address->z_ul, "XY");
        QCOMPARE(address->z_ul->text(), QString("ULICA DLUGA 12345678"));

        // Combo boxes alike.
        address->c_kraj->setEditText(QString(24, 'K'));
        QCOMPARE(address->c_kraj->currentText(), QString(24, 'K'));
        address->c_kraj->lineEdit()->clear();
        QTest::keyClicks(address->c_kraj->lineEdit(), QString(24, 'R'));
        QCOMPARE(address->c_kraj->currentText(), QString(20, 'R'));
    }

    // An editor holds dozens of these boxes: each builds its drop-down
    // window when first opened, not with the box, and still completes what
    // is typed from its list.
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
        moveFocus(box);
        box->clearEditText();
        QTest::keyClicks(box, "nowy");
        QCOMPARE(box->currentText(), QString("nowy Targ"));
        box->showPopup();
        QVERIFY(box->view()->isVisible());
        box->hidePopup();
    }

    // A REGON of a local unit has 14 digits; one of 9 is read back as 9.
    void theRegonBoxTakesFourteenDigitsAndKeepsNineAsNine()
    {
        Tpdlg_nip1 editor;
        std::vector<std::uint8_t> record = patterned(nip::kRecordSize);
        nip::ClearNipRecord(record);
        const auto roundTrip = [&](const std::string& stored) {
            setStr(record, nip::regon, stored);
            LoadBindings(editor.bindings(), record);
            std::vector<std::uint8_t> saved = patterned(nip::kRecordSize);
            SaveBindings(editor.bindings(), saved);
            return getStr(saved, nip::regon);
        };
        QCOMPARE(roundTrip("12345678901234"), std::string("12345678901234"));
        QCOMPARE(editor.m_l_reg->editText(), QString("12345678901234"));
        QCOMPARE(roundTrip("123456789"), std::string("123456789"));
        QCOMPARE(editor.m_l_reg->editText(), QString("123456789"));
        QCOMPARE(roundTrip(""), std::string(9, ' '));
        QCOMPARE(editor.m_l_reg->editText(), QString(9, '_'));
    }

    // Three lines of thirty: each line the operator types or pastes stops
    // at thirty; loaded lines are never cut, line breaks count for nothing.
    void theActivityMemoTakesThreeLinesOfThirty()
    {
        Host host;
        auto* activity = host.add<Tfr_dzial>();
        Memo* memo = activity->m_dzial;
        QTest::keyClicks(memo, QString(35, 'a'));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, "bb");
        paste(memo, QString(32, 'c') + "\n" + QString(40, 'd'));
        QCOMPARE(memo->lines(), (QStringList{QString(30, 'a'), "bb" + QString(28, 'c'), QString(30, 'd')}));

        constexpr Field lines = consecutiveLines(nip::activity_desc_1, 3);
        std::vector<std::uint8_t> record = patterned(nip::kRecordSize);
        const QStringList full = {QString(30, 'A'), QString(30, 'B'), QString(30, 'C')};
        for (std::uint32_t k = 0; k < 3; ++k)
            setStr(record, lines.item(k), toRecordText(full[static_cast<int>(k)]));
        const BindingTable table = activity->bindings(lines, nip::pkd_code, nip::ekd_code);
        LoadBindings(table, record);
        QCOMPARE(memo->lines(), full);
        QTest::keyClick(memo, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(memo, "X");
        QCOMPARE(memo->lines(), full);
        QTest::keyClick(memo, Qt::Key_Backspace);
        QTest::keyClicks(memo, "XY");
        QCOMPARE(memo->lines().last(), QString(29, 'C') + "X");

        memo->setLines({QString(34, 'L')}); // a line the program puts there is shown whole
        QTest::keyClick(memo, Qt::Key_End);
        QTest::keyClicks(memo, "M");
        QCOMPARE(memo->lines(), QStringList{QString(34, 'L')});
        memo->setLines(full);
        std::vector<std::uint8_t> saved = patterned(nip::kRecordSize);
        SaveBindings(table, saved);
        for (std::uint32_t k = 0; k < 3; ++k)
            QCOMPARE(getStr(saved, lines.item(k)), toRecordText(full[static_cast<int>(k)]));
    }

    // The up-down's range bounds its buttons: a stored count up to 99 loads
    // and saves as it is.
    void attachmentCountsBeyondTheButtonsRangeStay()
    {
        Host host;
        auto* attachments = host.add<Tfr_zal>();
        const BindingTable table = attachments->bindings({nip::attach_a_count, nip::attach_b_count});
        std::vector<std::uint8_t> record = patterned(nip::kRecordSize);
        setU8(record, nip::attach_a_count, 15);
        setU8(record, nip::attach_b_count, 99);
        LoadBindings(table, record);
        QCOMPARE(attachments->m_zal_a->text().trimmed(), QString("15"));
        std::vector<std::uint8_t> saved = patterned(nip::kRecordSize);
        SaveBindings(table, saved);
        QCOMPARE(int(getU8(saved, nip::attach_a_count)), 15);
        QCOMPARE(int(getU8(saved, nip::attach_b_count)), 99);

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

    // The sixteen official names, in Polish order.
    void theVoivodeshipListHoldsTheSixteenOfficialNames()
    {
        Host host;
        auto* address = host.add<Tfr_adr>();
        const QStringList official = {
            "DOLNOŚLĄSKIE", "KUJAWSKO-POMORSKIE", "LUBELSKIE",     "LUBUSKIE",       "ŁÓDZKIE",
            "MAŁOPOLSKIE",  "MAZOWIECKIE",        "OPOLSKIE",      "PODKARPACKIE",   "PODLASKIE",
            "POMORSKIE",    "ŚLĄSKIE",            "ŚWIĘTOKRZYSKIE", "WARMIŃSKO-MAZURSKIE", "WIELKOPOLSKIE",
            "ZACHODNIOPOMORSKIE",
        };
        QCOMPARE(itemsOf(address->c_woj), official);
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

        // A NIP with or without its country code is shown grouped and
        // stored as it came.
        for (const auto& [stored, shown] : {std::pair{"1234567890", "123-456-78-90"},
                                            std::pair{"PL1234567890", "PL123-456-78-90"}}) {
            setStr(record, vat, stored);
            LoadBindings(table, record);
            QCOMPARE(vatEdit.text().trimmed(), QString(shown));
            SaveBindings(table, record);
            QCOMPARE(getStr(record, vat), std::string(stored));
        }
    }
};

int runEntryFramesTest(int argc, char** argv)
{
    EntryFramesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "entry_frames_test.moc"
