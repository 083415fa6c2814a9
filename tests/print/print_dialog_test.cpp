#include "core/common/modal_result.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "desktop/print/Tf_wydr.h"
#include "core/print/blank_form_names.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/ui_test_environment.h"
#include "pdf_printer_setup.h"
#include "pdf_tools.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QRadioButton>
#include <QtTest>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(FormKind)

namespace {

// The NIP buffer holding account 7's form of `formType` with `nipDSheets`
// NIP-D attachments.
Bytes nipInBuffer(int formType, int nipDSheets = 0)
{
    ClearRecord(KindRejfor);
    Bytes rec = recordBuffer(KindRejfor);
    setStr(rec, nip::account_no, "7");
    setU8(rec, nip::form_type, static_cast<std::uint8_t>(formType));
    setU8(rec, nip::attach_d_count, static_cast<std::uint8_t>(nipDSheets));
    return rec;
}

QStringList visibleBoxes(const Tf_wydr& dialog)
{
    QStringList labels;
    for (const QCheckBox* box : dialog.g_str->findChildren<QCheckBox*>())
        if (!box->isHidden())
            labels << box->text() + (box->isChecked() ? "+" : "") + (box->isEnabled() ? "" : "!");
    return labels;
}

} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<>>();
        printer = std::make_unique<PdfPrinterSetup>("wydruk.pdf", 150);
        PrinterSetup::install(printer.get());
        newDialog();
    }
    void cleanup()
    {
        dialog.reset();
        PrinterSetup::install(nullptr);
        env.reset();
    }

    void activationSetsBoxesCaptionAndPrinter_data()
    {
        QTest::addColumn<FormKind>("kind");
        QTest::addColumn<int>("detail"); // NIP-D sheets or the VAT-R/UE flag
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("boxes"); // "+" ticked, "!" disabled
        QTest::addColumn<int>("groupWidth");
        const QStringList nip2 = {"NIP-2 1/4+", "NIP-2 2/4+", "NIP-2 3/4+", "NIP-2 4/4+"};
        const QString p = "7 Kowalski Jan ";
        QTest::newRow("NIP-1") << FormKind::Nip1 << 0 << p + "Wydruk formularza NIP-1"
                               << QStringList{"NIP-1 1/4+", "NIP-1 2/4+", "NIP-1 3/4+", "NIP-1 4/4+"} << 140;
        QTest::newRow("NIP-2 without NIP-D") << FormKind::Nip2 << 0 << p + "Wydruk formularza NIP-2"
                                             << nip2 + QStringList{"NIP-D  1/2!", "NIP-D  2/2!"} << 275;
        QTest::newRow("NIP-2 with NIP-D") << FormKind::Nip2 << 1 << p + "Wydruk formularza NIP-2"
                                          << nip2 + QStringList{"NIP-D  1/2+", "NIP-D  2/2+"} << 275;
        QTest::newRow("VAT-R with VAT-R/UE") << FormKind::VatR << 1 << "Wydruk formularza VAT-R"
                                             << QStringList{"VAT-R 1/2+", "VAT-R 2/2+", "VAT-R/UE 1/1+"} << 140;
    }
    void activationSetsBoxesCaptionAndPrinter()
    {
        QFETCH(FormKind, kind);
        QFETCH(int, detail);
        nipInBuffer(int(kind), detail);
        ClearRecord(KindVatr);
        setU8(recordBuffer(KindVatr), vatr::vat_r_ue_attached, static_cast<std::uint8_t>(detail));
        dialog->form_kind = kind;
        dialog->prefixCaption("7 Kowalski Jan ");
        dialog->FormActivate();
        QTEST(dialog->windowTitle(), "caption");
        QTEST(visibleBoxes(*dialog), "boxes");
        QTEST(dialog->g_str->width(), "groupWidth");
        QCOMPARE(dialog->e_druk->text(), QString("Drukarka testowa"));
    }

    void cancelledPromptSkipsItsPageOnly()
    {
        activateNip1();
        env->messages.answers = {true, false, true, false};
        dialog->kl_drukClick();
        QCOMPARE(env->messages.shown.size(), std::size_t(4));
        QCOMPARE(dialog->wsk_druk->maximum(), 4);
        QCOMPARE(dialog->result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 2);
    }

    // Partners in use that the NIP-D count leaves off the sheets are told of
    // before the first prompt; "Tak" prints the sheets they need, and the
    // stored count stays as it is.
    void partnersLeftOffAreToldOfAndOfferedTheirSheets()
    {
        const struct {
            int count, partner; // the one in use
            bool yes;
            std::string notice; // empty: no question
            int pages;
        } cases[] = {
            {1, 5, true, "Dane wspólników 4–6 nie zostaną wydrukowane: liczba załączników NIP-D wynosi 1.", 8},
            {0, 2, false, "Dane wspólników 1–6 nie zostaną wydrukowane: liczba załączników NIP-D wynosi 0.", 4},
            {2, 6, false, "", 8},
        };
        for (const auto& c : cases) {
            const Bytes rec = nipInBuffer(2, c.count);
            const Field entry = nip::partners.item(std::uint32_t(c.partner - 1));
            setU8(rec, entry / partner_entry::reason, 1);
            setStr(rec, entry / partner_entry::name, "WSPOLNIK");
            newDialog();
            dialog->form_kind = FormKind::Nip2;
            dialog->FormActivate();
            env->messages.answers.assign(std::size_t(c.pages), true);
            if (!c.notice.empty())
                env->messages.answers.push_front(c.yes);
            dialog->kl_drukClick();
            const auto& asked = env->messages.shown;
            QCOMPARE(asked.size(), std::size_t(c.pages) + !c.notice.empty());
            QVERIFY2(c.notice.empty()
                         || (asked[0].kind == "question" && asked[0].caption == "Wydruk zgłoszenia NIP-2"
                             && asked[0].text.starts_with(c.notice + "\n\nWydrukować potrzebne arkusze NIP-D?")),
                     asked[0].text.c_str());
            QCOMPARE(pdfPages("wydruk.pdf"), c.pages);
            QCOMPARE(getU8(recordBuffer(KindRejfor), nip::attach_d_count), std::uint8_t(c.count));
            env->messages.shown.clear();
        }
    }

    // Clicks that end in no printout: the operator is told why (with no page
    // ticked, nothing is said and the dialog closes) and an earlier file stays.
    void printsThatCannotBeMadeLeaveNoPrintout()
    {
        PdfPrinterSetup nowhere("brak/katalogu/wydruk.pdf", 150);
        const struct {
            const char* name;
            std::function<void()> act;
            std::vector<ScriptedMessages::Shown> shown;
            int result;
        } cases[] = {
            {"no page ticked", [&] { dialog->chbox_st_1->setChecked(false); }, {}, kModalOk},
            {"spacings unreadable", [] { writeBytes("odsnip1.Rdx", {'3', '\r', '\n', '1', '.', '5', '\r', '\n'}); },
             {{"error", "I/O error 106: odsnip1.Rdx, wiersz 2", ""}}, 0},
            {"printer declined", [&] { printer->ready = false; }, {}, 0},
            {"no such folder", [&] { PrinterSetup::install(&nowhere); },
             {{"error", "File not found: brak/katalogu/wydruk.pdf", ""}}, 0},
        };
        writeBytes("wydruk.pdf", {'o', 'l', 'd'});
        for (const auto& c : cases) {
            newDialog();
            env->messages.answers = {true};
            activateNip1();
            for (QCheckBox* box : {dialog->chbox_st_2, dialog->chbox_st_3, dialog->chbox_st_4})
                box->setChecked(false);
            c.act();
            dialog->kl_drukClick();
            QVERIFY2(env->messages.shown == c.shown, c.name);
            QVERIFY2(dialog->result() == c.result, c.name);
            QVERIFY2(fileBytes("wydruk.pdf") == (std::vector<unsigned char>{'o', 'l', 'd'}), c.name);
            env->messages.shown.clear();
            QFile::remove("odsnip1.Rdx");
            printer->ready = true;
            PrinterSetup::install(printer.get());
        }
        env->messages.answers.clear();
        QCOMPARE(QDir(".").entryList({".zgloszenia-*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    // Each printer keeps its own way of printing; plain paper always has the
    // exact scale and leaves the choice for sheets as it was.
    void printingChoicesAreRememberedPerPrinter()
    {
        activateNip1();
        QVERIFY(dialog->rb_druki->isChecked() && dialog->chbox_skala->isEnabled() && !dialog->chbox_skala->isChecked());
        dialog->rb_czysty->click();
        QVERIFY(!dialog->chbox_skala->isEnabled() && dialog->chbox_skala->isChecked());
        printer->setupAccepted = true;
        printer->chosenName = "Igłowa/2";
        dialog->kl_ustdrClick();
        QCOMPARE(dialog->e_druk->text(), QString("Igłowa/2"));
        QVERIFY(dialog->rb_druki->isChecked() && !dialog->chbox_skala->isChecked());
        dialog->chbox_skala->click();

        const std::pair<const char*, PrintOptions> reopened[] = {
            {"Drukarka testowa", {true, false}}, {"Igłowa/2", {false, true}}, {"Igłowa", {false, false}}};
        for (const auto& [name, options] : reopened) {
            printer->name = name;
            newDialog();
            activateNip1();
            QVERIFY2(dialog->printOptions() == options, name);
        }
        dialog->rb_druki->click();
        QVERIFY(dialog->chbox_skala->isEnabled() && !dialog->chbox_skala->isChecked());

        // A set-up dialog cancelled leaves the printer's name as it was.
        printer->setupAccepted = false;
        printer->chosenName = "Laserowa";
        dialog->kl_ustdrClick();
        QCOMPARE(dialog->e_druk->text(), QString("Igłowa"));
    }

    // On plain paper nothing is inserted, so nothing is asked for page by
    // page; pages without a blank form are named in one question first.
    void plainPaperPrintsEachPageOverItsBlank()
    {
        QDir().mkpath(QString::fromStdString(std::string(kBlankFormFolder)));
        for (const char* label : {"NIP-1 1/4", "NIP-1 2/4"}) {
            QImage scan(210, 297, QImage::Format_RGB32); // a pale sheet with a box
            scan.fill(QColor(250, 250, 235));
            QPainter(&scan).fillRect(QRect(20, 20, 30, 10), Qt::red);
            QVERIFY(scan.save(QString::fromStdString(blankFormCandidates(label).front())));
        }
        activateNip1();
        dialog->rb_czysty->click();
        env->messages.answers = {true};
        dialog->kl_drukClick();
        QCOMPARE(env->messages.shown, (std::vector<ScriptedMessages::Shown>{{"confirm",
            "Brak czystego formularza w katalogu druki dla stron:\nNIP-1 3/4, NIP-1 4/4.\nWydrukować je bez formularza?",
            "Wydruk zgłoszenia NIP-1"}}));
        QCOMPARE(dialog->result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 4);
        // The scans, under their pages (their masks not counted).
        QCOMPARE(toolOutput("pdfimages", {"-list", "wydruk.pdf"})
                     .count(QRegularExpression("^\\s*\\d+\\s+\\d+\\s+image\\b", QRegularExpression::MultilineOption)), 2);
    }

    void calibrationButtonsOpenTheFormFamilysDialogs()
    {
        QStringList opened;
        dialog->runCalibrationDialog = [&](QDialog& d) { opened << d.metaObject()->className(); };
        for (const PrintForm& form : printForms()) {
            dialog->form_kind = form.kind;
            dialog->kl_margClick();
            dialog->kl_odstClick();
        }
        const QStringList nip = {"Tf_zg_marg", "Tf_zg_ods"};
        const QStringList vat = {"Tf_zg_margv", "Tf_zg_odsv"};
        QCOMPARE(opened, nip + nip + nip + nip + vat + vat + vat); // NIP-1, -2, -3, -B, VAT-R, -Z, -21
    }

private:
    void newDialog() { dialog = std::make_unique<Tf_wydr>(); }
    void activateNip1()
    {
        nipInBuffer(1);
        dialog->FormActivate();
    }

    std::unique_ptr<UiTestEnvironment<>> env;
    std::unique_ptr<PdfPrinterSetup> printer;
    std::unique_ptr<Tf_wydr> dialog;
};

int runPrintDialogTests(int argc, char* argv[])
{
    PrintDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_dialog_test.moc"
