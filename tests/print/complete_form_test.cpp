#include "exporter_run.h"
#include "pdf_printer_setup.h"
#include "pdf_tools.h"
#include "desktop/print/blank_form_set.h"
#include "desktop/print/blank_underlay.h"
#include "core/print/page_layouts.h"
#include "core/print/print_job.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <functional>
#include <memory>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;

// A blank form PDF made as an office gets one: on each page a frame of
// boxes and a word at 20 mm from the left, 200 mm from the top.
void writeBlankPdf(const QString& path, const QStringList& words, const QPageSize& size = QPageSize(QPageSize::A4))
{
    QPdfWriter pdf(path);
    pdf.setPageSize(size);
    pdf.setPageMargins({});
    pdf.setResolution(720);
    QPainter painter(&pdf);
    const double dotsPerMm = 720 / 25.4;
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        for (int row = 0; row < 10; ++row)
            painter.drawRect(QRectF(10 * dotsPerMm, (40 + 10 * row) * dotsPerMm, 190 * dotsPerMm, 10 * dotsPerMm));
        QFont font("DejaVu Sans");
        font.setPointSize(14);
        painter.setFont(font);
        painter.drawText(QPointF(20 * dotsPerMm, 200 * dotsPerMm), words[i]);
    }
}

const PdfWord* findWord(const std::vector<PdfWord>& words, const QString& text)
{
    for (const PdfWord& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

// Why the words of a page that are not the blank's are not each where the
// reference page has it to within a point; empty when they are.
QString dataMoved(const std::vector<PdfWord>& page, const std::vector<PdfWord>& reference)
{
    std::vector<PdfWord> data;
    std::ranges::copy_if(page, std::back_inserter(data), [](const PdfWord& w) { return !w.text.startsWith("DRUK"); });
    if (data.size() != reference.size())
        return QString("%1 words, %2 expected").arg(data.size()).arg(reference.size());
    for (std::size_t i = 0; i < data.size(); ++i) {
        const QPointF off = data[i].box.topLeft() - reference[i].box.topLeft();
        if (data[i].text != reference[i].text || std::abs(off.x()) > 1 || std::abs(off.y()) > 1)
            return data[i].text + " moved from " + reference[i].text;
    }
    return {};
}

const QStringList kBlankWords = {"DRUK1", "DRUK2", "DRUK3", "DRUK4"};

} // namespace

class CompleteFormTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<TempDir>();
        forgetToldBlankNotices();
        saveNip1Account();
    }
    void cleanup() { dir.reset(); }

    // Each page's blank lies under its data as vector content where its
    // correction puts it; the data stays where it prints without a blank.
    void exporterLaysEachBlankUnderItsPage()
    {
        const ExporterRun alone = exporter({"NIP-1", "7", "alone.pdf", "--with-form"});
        QCOMPARE(alone.exitCode, 0);
        QVERIFY2(alone.errors.contains("NIP-1 1/4, NIP-1 2/4, NIP-1 3/4, NIP-1 4/4"), qPrintable(alone.errors));

        // Where page 1's word lies without a correction: 20 mm from the left.
        QRectF uncorrected;
        const auto wholeForm = [] { writeBlankPdf("druki/NIP-1.pdf", kBlankWords); };
        const struct {
            const char* name;
            std::function<void()> blanks;
            QStringList words; // each page's blank word; empty: none
            std::vector<int> pictures; // pages holding one
            BlankAlignment correction; // of page 1
            QString told;
        } cases[] = {
            {"whole-form PDF", wholeForm, kBlankWords, {}, {}, ""},
            {"a page scan wins",
             [&] {
                 wholeForm();
                 QImage scan(420, 594, QImage::Format_RGB32);
                 scan.fill(Qt::white);
                 QVERIFY(scan.save("druki/NIP-1_2z4.png"));
             },
             {"DRUK1", "", "DRUK3", "DRUK4"}, {2}, {}, ""},
            {"a correction moves the blank",
             [&] { wholeForm(); writeBytes("druki/NIP-1_1z4.popr", {'1', '0', '\n', '-', '5', '\n', '9', '0', '\n'}); },
             kBlankWords, {}, {10, -5, 0.9}, ""},
            {"a PDF short of pages", [] { writeBlankPdf("druki/NIP-1.pdf", {"DRUK1", "DRUK2"}); },
             {"DRUK1", "DRUK2", "", ""}, {}, {}, "druki/NIP-1.pdf\" brakuje stron formularza 3/4, 4/4"},
        };
        for (const auto& c : cases) {
            QDir("druki").removeRecursively();
            QDir().mkdir("druki");
            c.blanks();
            const ExporterRun run = exporter({"NIP-1", "7", "out.pdf", "--with-form"});
            QCOMPARE(run.exitCode, 0);
            QVERIFY2(c.told.isEmpty() ? !run.errors.contains("druki") : run.errors.contains(c.told),
                     qPrintable(QString(c.name) + ": " + run.errors));
            QCOMPARE(pdfPages("out.pdf"), 4);
            QCOMPARE(pdfImagePages("out.pdf"), c.pictures);
            for (int page = 1; page <= 4; ++page) {
                const std::vector<PdfWord> words = pdfWords("out.pdf", page);
                const QString& word = c.words[page - 1];
                const PdfWord* blankWord = findWord(words, word);
                QVERIFY2(word.isEmpty() || blankWord, qPrintable(QString("%1: page %2").arg(c.name).arg(page)));
                if (blankWord && page == 1) {
                    if (uncorrected.isNull())
                        uncorrected = blankWord->box;
                    const BlankAlignment& a = c.correction;
                    const QPointF off = blankWord->box.topLeft()
                        - (uncorrected.topLeft() * a.scale + QPointF(a.offsetXMm, a.offsetYMm) * kPointsPerMm);
                    QVERIFY2(std::abs(off.x()) < 1 && std::abs(off.y()) < 1,
                             qPrintable(QString("%1: %2,%3").arg(c.name).arg(off.x()).arg(off.y())));
                }
                const QString moved = dataMoved(words, pdfWords("alone.pdf", page));
                QVERIFY2(moved.isEmpty(), qPrintable(QString("%1, page %2: %3").arg(c.name).arg(page).arg(moved)));
            }
        }
    }

    // A printer gets each page's blank as a picture at its resolution.
    void aPrinterGetsTheBlanksAsPictures()
    {
        QDir().mkdir("druki");
        writeBlankPdf("druki/NIP-1.pdf", kBlankWords);
        const std::vector<std::uint8_t> file = fileBytes("REJFOR.Rdx");
        const std::size_t size = kindAt(KindRejfor).recordSize;
        ScriptedMessages messages;
        PdfPrinterSetup setup("out.pdf", 300);
        BlankFormSet blanks(messages);
        BlankUnderlay underlay(blanks, false);
        QtPrinterDevice device(setup.printer());
        device.setBlanks(&underlay);
        QCOMPARE(runPrintJob(FormKind::Nip1, ConstBytes(file).subspan(7 * size, size), {true, true},
                             {device, messages, renderPage, nullptr, {true, false}}), 2);
        QVERIFY(device.finish());
        QCOMPARE(pdfImagePages("out.pdf"), (std::vector<int>{1, 2}));
        QVERIFY(!pdfText("out.pdf").contains("DRUK2"));
        QVERIFY(pdfText("out.pdf").contains(QString::fromUtf8("Żółkiewski")));
        QVERIFY(messages.shown.empty());
    }

    // The pages asked for, on A4. At the exact scale a column is that many
    // millimetres from the margin and a step that many millimetres down, on
    // every page: the tax office 30 mm from the left, 9 mm under the NIP; the
    // country of the registered address 20 mm from the left on page 2.
    void theExactScaleIsTrueMillimetres()
    {
        QCOMPARE(exporter({"nip-1", "007", "out.pdf", "--with-form", "--resolution", "300", "--pages", "1,2"}).exitCode,
                 0);
        QCOMPARE(pdfPages("out.pdf"), 2);
        QVERIFY(toolOutput("pdfinfo", {"out.pdf"}).contains("(A4)"));
        const std::vector<PdfWord> words = pdfWords("out.pdf", 1);
        const PdfWord* office = findWord(words, "URZADSKARBOWY");
        const PdfWord* nipDigit = findWord(words, "1");
        const std::vector<PdfWord> page2 = pdfWords("out.pdf", 2);
        const PdfWord* country = findWord(page2, "POLSKA");
        QVERIFY(office && nipDigit && country && findWord(words, QString::fromUtf8("Żółkiewski")));
        const auto nearMm = [](double points, double mm) { return std::abs(points - mm * kPointsPerMm) < 0.5; };
        QVERIFY2(nearMm(office->box.left(), 30), qPrintable(QString::number(office->box.left())));
        QVERIFY2(nearMm(nipDigit->box.left(), 23), qPrintable(QString::number(nipDigit->box.left())));
        QVERIFY(nearMm(office->box.top() - nipDigit->box.top(), 9));
        QVERIFY2(nearMm(country->box.left(), 20), qPrintable(QString::number(country->box.left())));
        QVERIFY(std::abs(country->box.height() - office->box.height()) < 0.1);
    }

    // A blank that cannot be used is told once, naming its file; its page has
    // no blank, and nothing is written into the data directory.
    void aDamagedBlankIsToldOnceAndLeavesThePageBare()
    {
        QDir().mkdir("druki");
        writeBlankPdf("druki/NIP-1_1z4.pdf", {"DRUK1"});
        std::filesystem::resize_file("druki/NIP-1_1z4.pdf", std::filesystem::file_size("druki/NIP-1_1z4.pdf") / 2);
        const QStringList before = QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const std::size_t told : {1, 0}) {
            ScriptedMessages messages;
            BlankFormSet blanks(messages);
            QVERIFY(!blanks.page("NIP-1 1/4"));
            QCOMPARE(messages.shown.size(), told);
            QVERIFY(!told || QString::fromStdString(messages.shown[0].text).contains("druki/NIP-1_1z4.pdf\" jest uszkodzony"));
        }
        QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    }

private:
    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(CompleteFormTest)
#include "complete_form_test.moc"
