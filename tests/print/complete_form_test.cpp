#include "core/common/cp1250.h"
#include "pdf_printer_setup.h"
#include "pdf_tools.h"
#include "desktop/print/blank_form_set.h"
#include "desktop/print/blank_underlay.h"
#include "core/print/page_layouts.h"
#include "core/print/print_job.h"
#include "desktop/print/printer_output.h"
#include "core/records/address_block.h"
#include "register/record_files.h"
#include "support/scripted_messages.h"

#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QtTest>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFWriter.hh>

#include <filesystem>
#include <functional>
#include <memory>

namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
const QString kExporter = QStringLiteral(ZGLOSZENIA_PDF);

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

void writeScan(const QString& path)
{
    QImage scan(420, 594, QImage::Format_RGB32);
    scan.fill(Qt::white);
    QPainter(&scan).drawRect(20, 20, 380, 554);
    QVERIFY(scan.save(path));
}

struct Run {
    int exitCode;
    QString errors;
};

Run exportPdf(const QStringList& arguments)
{
    QProcess process;
    process.start(kExporter, arguments);
    if (!process.waitForFinished(120000))
        return {-1, "timeout"};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

// Account 7 holding a NIP-1 with texts at known places.
void saveNip1()
{
    RecordFileBuilder file(KindRejfor, 9);
    Bytes rec = file.inUse(7, "007", 1);
    setStr(rec, nip::nip, "1234567890");
    setStr(rec, nip::tax_office, "URZADSKARBOWY");
    setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
    setStr(rec, nip::reg_addr / address_block::country, "POLSKA");
    file.save();
}

const PdfWord* findWord(const std::vector<PdfWord>& words, const QString& text)
{
    for (const PdfWord& w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

// The words of a page that are not the blank's, each where the reference
// page has it to within a point.
bool dataAsIn(const std::vector<PdfWord>& page, const std::vector<PdfWord>& reference, QString& why)
{
    std::vector<PdfWord> data;
    for (const PdfWord& w : page)
        if (!w.text.startsWith("DRUK"))
            data.push_back(w);
    if (data.size() != reference.size()) {
        why = QString("%1 words, %2 expected").arg(data.size()).arg(reference.size());
        return false;
    }
    for (std::size_t i = 0; i < data.size(); ++i) {
        const QPointF off = data[i].box.topLeft() - reference[i].box.topLeft();
        if (data[i].text != reference[i].text || std::abs(off.x()) > 1 || std::abs(off.y()) > 1) {
            why = data[i].text + " moved from " + reference[i].text;
            return false;
        }
    }
    return true;
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
        saveNip1();
    }
    void cleanup() { dir.reset(); }

    // Each page's blank lies under its data as vector content where its
    // correction puts it; the data stays where it prints without a blank.
    void exporterLaysEachBlankUnderItsPage()
    {
        const Run alone = exportPdf({"NIP-1", "7", "alone.pdf", "--with-form"});
        QCOMPARE(alone.exitCode, 0);
        QVERIFY2(alone.errors.contains("NIP-1 1/4, NIP-1 2/4, NIP-1 3/4, NIP-1 4/4"), qPrintable(alone.errors));

        // Where page 1's word lies without a correction: 20 mm from the left.
        QRectF uncorrected;
        const struct {
            const char* name;
            std::function<void()> blanks;
            QStringList words; // each page's blank word; empty: none
            std::vector<int> pictures; // pages holding one
            BlankAlignment correction; // of page 1
            QString told;
        } cases[] = {
            {"whole-form PDF", [] { writeBlankPdf("druki/NIP-1.pdf", kBlankWords); }, kBlankWords, {}, {}, ""},
            {"a page scan wins",
             [] {
                 writeBlankPdf("druki/NIP-1.pdf", kBlankWords);
                 writeScan("druki/NIP-1_2z4.png");
             },
             {"DRUK1", "", "DRUK3", "DRUK4"},
             {2},
             {},
             ""},
            {"a correction moves the blank",
             [] {
                 writeBlankPdf("druki/NIP-1.pdf", kBlankWords);
                 writeBytes("druki/NIP-1_1z4.popr", {'1', '0', '\n', '-', '5', '\n', '9', '0', '\n'});
             },
             kBlankWords,
             {},
             {10, -5, 0.9},
             ""},
            {"a PDF short of pages",
             [] {
                 writeBlankPdf("druki/NIP-1.pdf", {"DRUK1", "DRUK2"});
             },
             {"DRUK1", "DRUK2", "", ""},
             {},
             {},
             "druki/NIP-1.pdf\" brakuje stron formularza 3/4, 4/4"},
        };
        for (const auto& c : cases) {
            QDir("druki").removeRecursively();
            QDir().mkdir("druki");
            c.blanks();
            const Run run = exportPdf({"NIP-1", "7", "out.pdf", "--with-form"});
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
                QString why;
                QVERIFY2(dataAsIn(words, pdfWords("alone.pdf", page), why),
                         qPrintable(QString("%1, page %2: %3").arg(c.name).arg(page).arg(why)));
            }
        }
    }

    // The print dialog's PDF file gets the blanks as vector content too; a
    // printer gets them as pictures at its resolution.
    void theDialogsPdfIsVectorAndAPrinterGetsPictures()
    {
        QDir().mkdir("druki");
        writeBlankPdf("druki/NIP-1.pdf", kBlankWords);
        const std::vector<std::uint8_t> record = fileBytes("REJFOR.Rdx");
        const ConstBytes nip1
            = ConstBytes(record).subspan(7 * kindAt(KindRejfor).recordSize, kindAt(KindRejfor).recordSize);
        const BoxTicks firstTwo{true, true};
        ScriptedMessages messages;
        for (const bool intoFile : {true, false}) {
            PdfPrinterSetup setup("out.pdf", 300);
            PrinterSetup::install(&setup);
            BlankFormSet blanks(messages);
            const auto job = [&](QtPrinterDevice& device) {
                return runPrintJob(FormKind::Nip1, nip1, firstTwo,
                                   {device, messages, renderPage, nullptr, {true, false}})
                    > 0;
            };
            if (intoFile) {
                QVERIFY(printOnChosenPrinter(job, &blanks));
            } else {
                // As on a printer: the device draws the blank itself.
                QtPrinterDevice device(setup.printer());
                BlankUnderlay underlay(blanks, false);
                device.setBlanks(&underlay);
                QVERIFY(job(device));
                QVERIFY(device.finish());
            }
            PrinterSetup::install(nullptr);
            QCOMPARE(pdfPages("out.pdf"), 2);
            const std::vector<int> pictures = intoFile ? std::vector<int>{} : std::vector<int>{1, 2};
            QCOMPARE(pdfImagePages("out.pdf"), pictures);
            QCOMPARE(pdfText("out.pdf").contains("DRUK2"), intoFile);
            QVERIFY(pdfText("out.pdf").contains(QString::fromUtf8("Żółkiewski")));
        }
        QVERIFY(messages.shown.empty());
    }

    // At the exact scale a column is that many millimetres from the margin
    // and a step that many millimetres down, on every page: the tax office
    // prints 30 mm from the left, 9 mm under the NIP; the country of the
    // registered address 20 mm from the left on the next page, in the same
    // font.
    void theExactScaleIsTrueMillimetres()
    {
        QCOMPARE(exportPdf({"NIP-1", "7", "out.pdf", "--with-form", "--resolution", "300", "--pages", "1,2"}).exitCode,
                 0);
        const std::vector<PdfWord> words = pdfWords("out.pdf", 1);
        const PdfWord* office = findWord(words, "URZADSKARBOWY");
        const PdfWord* nipDigit = findWord(words, "1");
        const std::vector<PdfWord> page2 = pdfWords("out.pdf", 2);
        const PdfWord* country = findWord(page2, "POLSKA");
        QVERIFY(office && nipDigit && country);
        QVERIFY2(std::abs(office->box.left() - 30 * kPointsPerMm) < 0.5,
                 qPrintable(QString::number(office->box.left())));
        QVERIFY2(std::abs(nipDigit->box.left() - 23 * kPointsPerMm) < 0.5,
                 qPrintable(QString::number(nipDigit->box.left())));
        QVERIFY2(std::abs(office->box.top() - nipDigit->box.top() - 9 * kPointsPerMm) < 0.5,
                 qPrintable(QString::number(office->box.top() - nipDigit->box.top())));
        QVERIFY2(std::abs(country->box.left() - 20 * kPointsPerMm) < 0.5,
                 qPrintable(QString::number(country->box.left())));
        QVERIFY2(std::abs(country->box.height() - office->box.height()) < 0.1,
                 qPrintable(QString::number(country->box.height())));
    }

    // A blank that cannot be used is told, naming its file; its page has no
    // blank, and nothing is written into the data directory.
    void badBlanksAreToldAndLeaveThePageBare()
    {
        const auto encrypted = [] {
            writeBlankPdf("plain.pdf", {"DRUK1"});
            QPDF pdf;
            pdf.processFile("plain.pdf");
            QPDFWriter writer(pdf, "druki/NIP-1_1z4.pdf");
            writer.setR6EncryptionParameters("tajne", "tajne", true, true, true, true, true, true, qpdf_r3p_full, true);
            writer.write();
            QFile::remove("plain.pdf");
        };
        const auto noPage = [] {
            QPDF pdf;
            pdf.emptyPDF();
            QPDFWriter(pdf, "druki/NIP-1_1z4.pdf").write();
        };
        const auto truncated = [] {
            writeBlankPdf("druki/NIP-1_1z4.pdf", {"DRUK1"});
            std::filesystem::resize_file("druki/NIP-1_1z4.pdf", std::filesystem::file_size("druki/NIP-1_1z4.pdf") / 2);
        };
        const auto text = [](const char* name) { return [name] { writeBytes(name, {'n', 'i', 'c'}); }; };
        const struct {
            const char* name;
            std::function<void()> make;
            QString told;
            bool usable;
        } cases[] = {
            {"truncated PDF", truncated, "druki/NIP-1_1z4.pdf\" jest uszkodzony", false},
            {"encrypted PDF", encrypted, "druki/NIP-1_1z4.pdf\" jest zabezpieczony hasłem", false},
            {"PDF without a page", noPage, "druki/NIP-1_1z4.pdf\" nie ma żadnej strony", false},
            {"text under a PDF's name", text("druki/NIP-1_1z4.pdf"), "druki/NIP-1_1z4.pdf\" nie jest plikiem PDF",
             false},
            {"text under a PNG's name", text("druki/NIP-1_1z4.png"), "druki/NIP-1_1z4.png\" nie jest plikiem PDF",
             false},
            {"image of 30000 x 30000", [] { writeHugePngHeader("druki/NIP-1_1z4.png"); },
             "druki/NIP-1_1z4.png\" jest za duży (30000 × 30000", false},
            {"druki is a file",
             [] {
                 QDir("druki").removeRecursively();
                 writeBytes("druki", {'x'});
             },
             "\"druki\" w katalogu danych nie jest folderem", false},
            {"nonsense correction",
             [] {
                 writeBlankPdf("druki/NIP-1.pdf", {"DRUK1"});
                 writeBytes("druki/NIP-1_1z4.popr", {'?'});
             },
             "druki/NIP-1_1z4.popr z poprawką położenia formularza jest błędny", true},
            {"Letter page", [] { writeBlankPdf("druki/NIP-1.pdf", {"DRUK1"}, QPageSize(QPageSize::Letter)); },
             "druki/NIP-1.pdf\" nie ma rozmiaru A4 (216 × 279 mm)", true},
        };
        for (const auto& c : cases) {
            forgetToldBlankNotices();
            std::filesystem::remove_all("druki");
            QDir().mkdir("druki");
            c.make();
            const QStringList before = QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            for (int times = 0; times < 2; ++times) { // told once however often asked
                ScriptedMessages messages;
                BlankFormSet blanks(messages);
                QCOMPARE(blanks.page("NIP-1 1/4") != nullptr, c.usable);
                QCOMPARE(blanks.alignment("NIP-1 1/4"), BlankAlignment{});
                QCOMPARE(messages.shown.size(), times == 0 ? std::size_t(1) : std::size_t(0));
                if (times == 0)
                    QVERIFY2(QString::fromStdString(messages.shown[0].text).contains(c.told),
                             qPrintable(QString(c.name) + ": " + QString::fromStdString(messages.shown[0].text)));
            }
            QCOMPARE(QDir(".").entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        }
    }

private:
    // A PNG whose header claims 30000 x 30000 pixels and that holds no more.
    static void writeHugePngHeader(const char* name)
    {
        std::vector<unsigned char> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
        const auto chunk = [&png](const char* type, std::vector<unsigned char> data) {
            const std::uint32_t n = static_cast<std::uint32_t>(data.size());
            png.insert(png.end(),
                       {std::uint8_t(n >> 24), std::uint8_t(n >> 16), std::uint8_t(n >> 8), std::uint8_t(n)});
            data.insert(data.begin(), type, type + 4);
            std::uint32_t crc = 0xffffffff;
            for (const unsigned char byte : data) {
                crc ^= byte;
                for (int bit = 0; bit < 8; ++bit)
                    crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
            }
            crc ^= 0xffffffff;
            png.insert(png.end(), data.begin(), data.end());
            png.insert(png.end(),
                       {std::uint8_t(crc >> 24), std::uint8_t(crc >> 16), std::uint8_t(crc >> 8), std::uint8_t(crc)});
        };
        chunk("IHDR", {0, 0, 0x75, 0x30, 0, 0, 0x75, 0x30, 8, 2, 0, 0, 0});
        chunk("IDAT", {});
        chunk("IEND", {});
        writeBytes(name, png);
    }

    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(CompleteFormTest)
#include "complete_form_test.moc"
