#include "core/common/cp1250.h"
#include "core/common/modal_result.h"
#include "core/records/nip_record.h"
#include "core/records/vat_records.h"
#include "desktop/print/Tf_wydr.h"
#include "core/print/blank_form_names.h"
#include "core/print/calibration_files.h"
#include "register/record_files.h"
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
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/resource.h>

Q_DECLARE_METATYPE(FormKind)

namespace {

constexpr int kDpi = 150;

// Remembers the progress bar and the page label as each prompt finds them,
// and does at each what the test wants done under it.
class PromptWatch : public ScriptedMessages {
public:
    const Tf_wydr* dialog = nullptr;
    std::vector<std::pair<int, QString>> atPrompts;
    std::function<void()> underPrompt = [] { };

    bool confirm(const std::string& text, const std::string& caption) override
    {
        atPrompts.emplace_back(dialog->wsk_druk->value(), dialog->e_dr_str->text());
        underPrompt();
        return ScriptedMessages::confirm(text, caption);
    }
};

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
    for (int i = 1; i <= 6; ++i) {
        const auto* box = dialog.findChild<QCheckBox*>(QString("chbox_st_%1").arg(i));
        if (!box->isHidden())
            labels << box->text() + (box->isChecked() ? "+" : "") + (box->isEnabled() ? "" : "!");
    }
    return labels;
}

// A blank form's scan of the page: a pale sheet with a box.
void writeBlank(const char* label)
{
    QDir().mkpath(QString::fromStdString(std::string(kBlankFormFolder)));
    QImage scan(210, 297, QImage::Format_RGB32);
    scan.fill(QColor(250, 250, 235));
    QPainter(&scan).fillRect(QRect(20, 20, 30, 10), Qt::red);
    QVERIFY(scan.save(QString::fromStdString(blankFormCandidates(label).front())));
}

// The images of a PDF file (their masks not counted).
int pdfImages(const QString& file)
{
    return int(toolOutput("pdfimages", {"-list", file}).count(QRegularExpression("^\\s*\\d+\\s+\\d+\\s+image\\b",
                                                                             QRegularExpression::MultilineOption)));
}

// Leaves ticked the first page only, or none.
void tickFirstPageOnly(Tf_wydr& dialog, bool first = true)
{
    for (QCheckBox* box : dialog.g_str->findChildren<QCheckBox*>())
        box->setChecked(false);
    dialog.chbox_st_1->setChecked(first);
}

} // namespace

class PrintDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        env = std::make_unique<UiTestEnvironment<PromptWatch>>();
        printer = std::make_unique<PdfPrinterSetup>("wydruk.pdf", kDpi);
        PrinterSetup::install(printer.get());
        dialog = std::make_unique<Tf_wydr>();
        env->messages.dialog = dialog.get();
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
        const QString p = "7 Kowalski Jan ";
        QTest::newRow("NIP-1") << FormKind::Nip1 << 0 << p + "Wydruk formularza NIP-1"
                               << QStringList{"NIP-1 1/4+", "NIP-1 2/4+", "NIP-1 3/4+", "NIP-1 4/4+"} << 140;
        QTest::newRow("NIP-2 without NIP-D")
            << FormKind::Nip2 << 0 << p + "Wydruk formularza NIP-2"
            << QStringList{"NIP-2 1/4+", "NIP-2 2/4+", "NIP-2 3/4+", "NIP-2 4/4+", "NIP-D  1/2!", "NIP-D  2/2!"}
            << 275;
        QTest::newRow("NIP-2 with NIP-D")
            << FormKind::Nip2 << 1 << p + "Wydruk formularza NIP-2"
            << QStringList{"NIP-2 1/4+", "NIP-2 2/4+", "NIP-2 3/4+", "NIP-2 4/4+", "NIP-D  1/2+", "NIP-D  2/2+"}
            << 275;
        QTest::newRow("VAT-R") << FormKind::VatR << 0 << "Wydruk formularza VAT-R"
                               << QStringList{"VAT-R 1/2+", "VAT-R 2/2+"} << 140;
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
        QCOMPARE(dialog->findChild<QLabel*>("e_druk")->text(), QString("Drukarka testowa"));
        QCOMPARE(dialog->kl_podglad->text(), QString("&Podgląd"));
        QCOMPARE(dialog->e_dr_str->text(), QString());
    }

    void cancelledPromptSkipsItsPageOnly()
    {
        activateNip1();
        env->messages.answers = {true, false, true, false};
        dialog->kl_drukClick();

        std::vector<ScriptedMessages::Shown> expected;
        for (const char* page : {"1/4", "2/4", "3/4", "4/4"})
            expected.push_back({"confirm", std::string("Włóż druk NIP-1 ") + page, "Wydruk zgłoszenia NIP-1"});
        QCOMPARE(env->messages.shown, expected);
        // The bar and the label as each prompt found them: the cancelled
        // second page moved neither.
        const std::vector<std::pair<int, QString>> atPrompts = {
            {0, ""}, {1, "NIP-1 1/4"}, {1, "NIP-1 1/4"}, {2, "NIP-1 3/4"}};
        QCOMPARE(env->messages.atPrompts, atPrompts);
        QCOMPARE(dialog->wsk_druk->maximum(), 4);
        QCOMPARE(dialog->wsk_druk->value(), 2);
        QCOMPARE(dialog->e_dr_str->text(), QString("NIP-1 3/4"));
        QCOMPARE(dialog->result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 2);
    }

    // The NIP-D boxes reach the job too: three attachments print two sheets.
    void nip2PrintsItsNipDSheets()
    {
        nipInBuffer(2, 3);
        dialog->form_kind = FormKind::Nip2;
        dialog->FormActivate();
        env->messages.answers.assign(8, true);
        dialog->kl_drukClick();

        QCOMPARE(env->messages.shown.size(), std::size_t(8));
        QCOMPARE(env->messages.shown.back().text, std::string("Włóż druk NIP-D 2/2"));
        QCOMPARE(dialog->wsk_druk->maximum(), 8);
        QCOMPARE(pdfPages("wydruk.pdf"), 8);
    }

    // Partners in use that the NIP-D count leaves off the sheets are told of
    // before the first prompt; "Tak" prints the sheets they need, both pages
    // of each, and the stored count stays as it is.
    void partnersLeftOffAreToldOfAndOfferedTheirSheets_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("partner"); // the one in use
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QString>("notice"); // empty: no question
        QTest::addColumn<int>("pages");
        const QString fourToSix = "Dane wspólników 4–6 nie zostaną wydrukowane: liczba załączników NIP-D wynosi 1.";
        const QString oneToSix = "Dane wspólników 1–6 nie zostaną wydrukowane: liczba załączników NIP-D wynosi 0.";
        QTest::newRow("count 1, partner 5, yes") << 1 << 5 << true << fourToSix << 8;
        QTest::newRow("count 1, partner 5, no") << 1 << 5 << false << fourToSix << 6;
        QTest::newRow("count 0, partner 2, yes") << 0 << 2 << true << oneToSix << 6;
        QTest::newRow("count 0, partner 4, no") << 0 << 4 << false << oneToSix << 4;
        QTest::newRow("count 1, partner 3") << 1 << 3 << false << QString() << 6;
        QTest::newRow("count 2, partner 6") << 2 << 6 << false << QString() << 8;
    }
    void partnersLeftOffAreToldOfAndOfferedTheirSheets()
    {
        QFETCH(int, count);
        QFETCH(int, partner);
        QFETCH(bool, yes);
        QFETCH(QString, notice);
        QFETCH(int, pages);
        const Bytes rec = nipInBuffer(2, count);
        const Field entry = nip::partners.item(std::uint32_t(partner - 1));
        setU8(rec, entry / partner_entry::reason, 1);
        setStr(rec, entry / partner_entry::name, "WSPOLNIK");
        dialog->form_kind = FormKind::Nip2;
        dialog->FormActivate();
        if (!notice.isEmpty())
            env->messages.answers.push_back(yes);
        env->messages.answers.insert(env->messages.answers.end(), std::size_t(pages), true);
        dialog->kl_drukClick();

        const std::size_t prompts = env->messages.shown.size() - (notice.isEmpty() ? 0 : 1);
        QCOMPARE(prompts, std::size_t(pages));
        if (!notice.isEmpty()) {
            const ScriptedMessages::Shown& asked = env->messages.shown[0];
            QCOMPARE(asked.kind, std::string("question"));
            QCOMPARE(asked.caption, std::string("Wydruk zgłoszenia NIP-2"));
            QVERIFY2(asked.text.starts_with(notice.toStdString() + "\n\nWydrukować potrzebne arkusze NIP-D?"),
                     asked.text.c_str());
        }
        QCOMPARE(pdfPages("wydruk.pdf"), pages);
        QCOMPARE(getU8(recordBuffer(KindRejfor), nip::attach_d_count), std::uint8_t(count));
    }

    // While a job runs its buttons are off: what reaches the dialog under a
    // prompt starts no second job and closes nothing.
    void aRunningJobTakesNoSecondClick()
    {
        activateNip1();
        dialog->show();
        int previews = 0;
        dialog->runPreviewDialog = [&](QDialog&) { ++previews; };
        QStringList underPrompts;
        bool inJobStartedUnderAPrompt = false;
        env->messages.underPrompt = [&] {
            for (QPushButton* b : {dialog->kl_druk, dialog->kl_podglad, dialog->kl_anuluj})
                underPrompts << b->objectName() + (b->isEnabled() ? "+" : "");
            if (inJobStartedUnderAPrompt)
                return;
            inJobStartedUnderAPrompt = true;
            dialog->kl_druk->click();
            dialog->kl_podglad->click();
            QTest::keyClick(dialog.get(), Qt::Key_Return);
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
            inJobStartedUnderAPrompt = false;
            underPrompts << QString::number(dialog->result());
        };
        env->messages.answers = {true, false, true, true};
        dialog->kl_drukClick();

        QCOMPARE(env->messages.shown.size(), std::size_t(4));
        const QStringList offAndOpen = {"kl_druk", "kl_podglad", "kl_anuluj", "0"};
        QCOMPARE(underPrompts, offAndOpen + offAndOpen + offAndOpen + offAndOpen);
        QCOMPARE(previews, 0);
        QCOMPARE(dialog->result(), kModalOk);
        QCOMPARE(pdfPages("wydruk.pdf"), 3);
    }

    void printedPdfMatchesTheExporter()
    {
        const Bytes rec = nipInBuffer(1);
        setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
        setStr(rec, nip::first_name, cp1250::fromUtf8("Stanisław"));
        setStr(rec, nip::nip, "1234563218");
        RecordFileBuilder file(KindRejfor, 9);
        std::ranges::copy(rec, file.record(7).begin());
        file.save();
        calibration::MarginTable margins{};
        margins[3] = {3, 6};
        calibration::saveMargins(calibration::margnip1, margins);

        dialog->FormActivate();
        env->messages.answers = {true, true, true, true};
        dialog->kl_drukClick();
        QCOMPARE(dialog->result(), kModalOk);
        QCOMPARE(env->messages.texts(), (std::vector<std::string>{"Włóż druk NIP-1 1/4", "Włóż druk NIP-1 2/4",
                                                                   "Włóż druk NIP-1 3/4", "Włóż druk NIP-1 4/4"}));
        // The last page printed was NIP-1 4/4, on an A4 sheet of 150 pixels an inch.
        QCOMPARE(dialog->scale_x, 5);
        QCOMPARE(dialog->scale_y, 5);
        QCOMPARE(dialog->origin_x, 3 * 5);
        QCOMPARE(dialog->pen_y, 6 * 5);

        QProcess exporter;
        exporter.start(ZGLOSZENIA_PDF, {"NIP-1", "7", "eksport.pdf", "--resolution", QString::number(kDpi)});
        QVERIFY(exporter.waitForFinished(120000));
        QCOMPARE(exporter.exitCode(), 0);
        QCOMPARE(pdfPages("wydruk.pdf"), 4);
        QCOMPARE(pdfPages("eksport.pdf"), 4);
        for (int page = 1; page <= 4; ++page)
            QCOMPARE(pdfText("wydruk.pdf", page), pdfText("eksport.pdf", page));
        const QString first = pdfText("wydruk.pdf", 1);
        QVERIFY2(first.contains("Żółkiewski") && first.contains("Stanisław"), qPrintable(first));
    }

    // Clicks that end in no printout: the operator is told why (with no page
    // ticked, nothing is said and the dialog closes) and an earlier file stays.
    void printsThatCannotBeMadeLeaveNoPrintout()
    {
        using Shown = std::vector<ScriptedMessages::Shown>;
        const ScriptedMessages::Shown prompt = {"confirm", "Włóż druk NIP-1 1/4", "Wydruk zgłoszenia NIP-1"};
        const Shown badSpacings = {{"error", "I/O error 106: odsnip1.Rdx, wiersz 2", ""}};
        PdfPrinterSetup nowhere("brak/katalogu/wydruk.pdf", kDpi);
        PdfPrinterSetup full("/dev/full", kDpi);
        int previews = 0;
        auto withSpacingsUnreadable = [&](void (Tf_wydr::*click)()) {
            writeBytes("odsnip1.Rdx", {'3', '\r', '\n', '1', '.', '5', '\r', '\n'});
            (dialog.get()->*click)();
            QFile::remove("odsnip1.Rdx");
        };
        auto on = [&](PdfPrinterSetup& other) {
            PrinterSetup::install(&other);
            dialog->kl_drukClick();
            PrinterSetup::install(printer.get());
        };
        const struct {
            const char* name;
            std::function<void()> act;
            Shown shown;
            int result;
        } cases[] = {
            {"no page ticked", [&] {
                 tickFirstPageOnly(*dialog, false);
                 dialog->kl_drukClick();
                 QCOMPARE(printer->readyAsks, 0);
             },
                {}, kModalOk},
            {"spacings unreadable", [&] { withSpacingsUnreadable(&Tf_wydr::kl_drukClick); }, badSpacings, 0},
            {"spacings unreadable, preview", [&] { withSpacingsUnreadable(&Tf_wydr::kl_podgladClick); }, badSpacings, 0},
            {"printer declined", [&] {
                 printer->ready = false;
                 dialog->kl_drukClick();
                 printer->ready = true;
                 QCOMPARE(printer->readyAsks, 1);
             },
                {}, 0},
            {"no such folder", [&] { on(nowhere); }, {{"error", "File not found: brak/katalogu/wydruk.pdf", ""}}, 0},
            {"disk full", [&] { on(full); }, {prompt, {"error", "Disk full: /dev/full", ""}}, 0},
            {"writes failing midway", [&] {
                 // Writes past 1 KiB fail as on a full disk.
                 const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
                 rlimit previousLimit {};
                 ::getrlimit(RLIMIT_FSIZE, &previousLimit);
                 rlimit limit = previousLimit;
                 limit.rlim_cur = 1024;
                 ::setrlimit(RLIMIT_FSIZE, &limit);
                 dialog->kl_drukClick();
                 ::setrlimit(RLIMIT_FSIZE, &previousLimit);
                 std::signal(SIGXFSZ, previousSignal);
             },
                {prompt, {"error", "I/O error 31: wydruk.pdf", ""}}, 0},
        };
        writeBytes("wydruk.pdf", {'o', 'l', 'd'});
        for (const auto& c : cases) {
            dialog = std::make_unique<Tf_wydr>();
            env->messages.dialog = dialog.get();
            env->messages.shown.clear();
            env->messages.answers = {true};
            dialog->runPreviewDialog = [&](QDialog&) { ++previews; };
            printer->readyAsks = 0;
            activateNip1();
            tickFirstPageOnly(*dialog);
            c.act();
            QVERIFY2(env->messages.shown == c.shown, c.name);
            QVERIFY2(dialog->result() == c.result, c.name);
            QVERIFY2(fileBytes("wydruk.pdf") == (std::vector<unsigned char>{'o', 'l', 'd'}), c.name);
        }
        QCOMPARE(previews, 0);
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
        QVERIFY(dialog->rb_druki->isChecked() && !dialog->chbox_skala->isChecked());
        dialog->chbox_skala->click();

        const struct {
            const char* printer;
            bool plainPaper;
            bool scaleTicked;
            PrintOptions options;
        } reopened[] = {
            {"Drukarka testowa", true, true, {true, false}},
            {"Igłowa/2", false, true, {false, true}},
            {"Igłowa", false, false, {false, false}},
        };
        for (const auto& r : reopened) {
            printer->name = r.printer;
            dialog = std::make_unique<Tf_wydr>();
            activateNip1();
            QVERIFY2(dialog->rb_czysty->isChecked() == r.plainPaper, r.printer);
            QVERIFY2(dialog->chbox_skala->isChecked() == r.scaleTicked, r.printer);
            QVERIFY2(dialog->printOptions() == r.options, r.printer);
        }
        dialog->rb_druki->click();
        QVERIFY(dialog->chbox_skala->isEnabled() && !dialog->chbox_skala->isChecked());
    }

    // On plain paper nothing is inserted, so nothing is asked for page by
    // page; pages without a blank form are named in one question first.
    void plainPaperPrintsEachPageOverItsBlank_data()
    {
        QTest::addColumn<int>("blanks"); // the first pages that have one
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<int>("printed");
        QTest::newRow("every page has one") << 4 << QList<bool>{} << 4;
        QTest::newRow("two without, printed") << 2 << QList<bool>{true} << 4;
        QTest::newRow("two without, cancelled") << 2 << QList<bool>{false} << 0;
    }
    void plainPaperPrintsEachPageOverItsBlank()
    {
        QFETCH(int, blanks);
        QFETCH(QList<bool>, answers);
        QFETCH(int, printed);
        const char* labels[] = {"NIP-1 1/4", "NIP-1 2/4", "NIP-1 3/4", "NIP-1 4/4"};
        for (int i = 0; i < blanks; ++i)
            writeBlank(labels[i]);
        activateNip1();
        dialog->rb_czysty->click();
        env->messages.answers.assign(answers.begin(), answers.end());
        dialog->kl_drukClick();

        std::vector<ScriptedMessages::Shown> asked;
        if (blanks < 4)
            asked.push_back({"confirm",
                             "Brak czystego formularza w katalogu druki dla stron:\nNIP-1 3/4, NIP-1 4/4.\n"
                             "Wydrukować je bez formularza?",
                             "Wydruk zgłoszenia NIP-1"});
        QCOMPARE(env->messages.shown, asked);
        QCOMPARE(dialog->result(), printed ? kModalOk : 0);
        QCOMPARE(pdfPages("wydruk.pdf"), printed ? printed : -1);
        if (printed)
            QCOMPARE(pdfImages("wydruk.pdf"), blanks); // the scans, under their pages
    }

    void printerSetupShowsANewlyChosenPrinter()
    {
        dialog->FormActivate();
        printer->chosenName = "Laserowa";
        dialog->kl_ustdrClick();
        QCOMPARE(dialog->e_druk->text(), QString("Drukarka testowa"));
        printer->setupAccepted = true;
        dialog->kl_ustdrClick();
        QCOMPARE(dialog->e_druk->text(), QString("Laserowa"));
        QCOMPARE(printer->setupRuns, 2);
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

    void showingPreparesTheDialogAndEscapeCancels()
    {
        ClearRecord(KindVatz);
        dialog->form_kind = FormKind::VatZ;
        dialog->show();
        QCOMPARE(visibleBoxes(*dialog), QStringList{"VAT-Z 1/1+"});
        QTest::keyClick(dialog.get(), Qt::Key_Escape);
        QCOMPARE(dialog->result(), kModalCancel);
    }

private:
    void activateNip1()
    {
        nipInBuffer(1);
        dialog->FormActivate();
    }

    std::unique_ptr<UiTestEnvironment<PromptWatch>> env;
    std::unique_ptr<PdfPrinterSetup> printer;
    std::unique_ptr<Tf_wydr> dialog;
};

int runPrintDialogTests(int argc, char* argv[])
{
    PrintDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "print_dialog_test.moc"
