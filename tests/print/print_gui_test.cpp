#include "core/common/cp1250.h"
#include "core/print/calibration_files.h"
#include "desktop/print/painter_canvas.h"
#include "desktop/print/print_font.h"
#include "register/record_files.h"
#include "pdf_tools.h"

#include <QDir>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <filesystem>
#include <memory>

namespace {

struct Run {
    int exitCode;
    QString errors;
};

// Runs `program` in the current directory without a display platform set,
// or with `platform`; "$PDF" in a shell script is the exporter, for limits
// and names in any bytes.
Run runProcess(const QString& program, const QStringList& arguments, const QString& platform = {})
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    if (!platform.isEmpty())
        env.insert("QT_QPA_PLATFORM", platform);
    env.insert("PDF", QStringLiteral(ZGLOSZENIA_PDF));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    if (!process.waitForFinished(120000))
        return {-1, "timeout"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError())};
}

Run exporter(const QStringList& arguments) { return runProcess(QStringLiteral(ZGLOSZENIA_PDF), arguments); }

Run exporterInShell(const QString& script, const QString& platform = {})
{
    return runProcess("/bin/sh", {"-c", script}, platform);
}

// An account 7 holding a NIP-1.
void saveNip1File()
{
    RecordFileBuilder file(KindRejfor, 9);
    file.inUse(7, "007", 1);
    file.save();
}

// The first row of the image with a dark pixel, or -1.
int firstDarkRow(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

} // namespace

class PrintGuiTest : public QObject {
    Q_OBJECT
private slots:
    void init() { dir = std::make_unique<TempDir>(); }
    void cleanup() { dir.reset(); }

    void fontFallsBackInItsOrder()
    {
        QCOMPARE(printFontFamily({"Arial CE", "Liberation Mono", "DejaVu Sans Mono"}), QString("Arial CE"));
        QCOMPARE(printFontFamily({"DejaVu Sans Mono", "liberation mono"}), QString("Liberation Mono"));
        QCOMPARE(printFontFamily({"Arial", "DejaVu Sans Mono"}), QString("DejaVu Sans Mono"));
        const QFont font = printFont();
        QCOMPARE(font.pointSize(), 12);
        QVERIFY(font.fixedPitch());
    }

    void painterCanvasPutsTheTextsTopLeftAtThePixelAndMeasuresCodePage1250()
    {
        for (const int y : {40, 57}) {
            QImage image(400, 160, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.setFont(printFont());
            PainterCanvas canvas(painter);
            canvas.textOut(20, y, "HX");
            const int width = painter.fontMetrics().horizontalAdvance("HX");
            const int ascent = painter.fontMetrics().ascent();
            QCOMPARE(canvas.textWidth(cp1250::fromUtf8("Łódź")),
                painter.fontMetrics().horizontalAdvance(QString::fromUtf8("Łódź")));
            QCOMPARE(canvas.textWidth(""), 0);
            painter.end();

            const int top = firstDarkRow(image);
            QVERIFY2(top >= y, qPrintable(QString("text starts at row %1, above %2").arg(top).arg(y)));
            QVERIFY2(top <= y + ascent / 2, qPrintable(QString::number(top)));
            QCOMPARE(canvas.currentX(), 20 + width);
            QCOMPARE(canvas.currentY(), y);
        }
    }

    void exporterRefusesWithTheExitCodeOfTheFault()
    {
        RecordFileBuilder nipFile(KindRejfor, 9);
        nipFile.inUse(7, "007", 2);
        nipFile.save();
        RecordFileBuilder(KindVatr, 3).save();
        const QString usage = "Użycie: zgloszenia-pdf";
        const QString noForm = "Brak formularza";
        const struct {
            QStringList args;
            int exitCode;
            QString error;
        } cases[] = {
            {{}, 2, usage},
            {{"NIP-1", "7"}, 2, usage},
            {{"NIP-9", "7", "a.pdf"}, 2, usage},
            {{"NIP-1", "7", "a.pdf", "--pages"}, 2, usage},
            {{"NIP-1", "7", "a.pdf", "--pages", "1,7"}, 2, usage},
            {{"NIP-1", "7", "a.pdf", "--pages", "1,,2"}, 2, usage},
            {{"NIP-1", "7", "a.pdf", "--resolution", "0"}, 2, usage},
            {{"NIP-1", "7", "a.pdf", "--colour"}, 2, usage},
            {{"NIP-2", "7", "a.pdf", "--pages", "5"}, 2, usage}, // no NIP-D boxes without attachments
            {{"NIP-1", "7", "a.pdf"}, 3, noForm},                // another form
            {{"NIP-2", "6", "a.pdf"}, 3, noForm},                // a free record
            {{"NIP-2", "9", "a.pdf"}, 3, noForm},                // beyond the file
            {{"NIP-2", "abc", "a.pdf"}, 3, noForm},              // no account
            {{"VAT-R", "7", "a.pdf"}, 3, noForm},
            {{"VAT-Z", "7", "a.pdf"}, 4, "Błąd we/wy: File not found: vatz.Rdx"},
            {{"NIP-2", "7", "no-such-dir/a.pdf"}, 4, "no-such-dir/a.pdf"},
            {{"NIP-2", "7", "/dev/full"}, 4, "Disk full: /dev/full"},
        };
        for (const auto& c : cases) {
            const Run run = exporter(c.args);
            QCOMPARE(run.exitCode, c.exitCode);
            QVERIFY2(run.errors.contains(c.error), qPrintable(c.args.join(' ') + ": " + run.errors));
        }
        QVERIFY(!QFile::exists("a.pdf"));
    }

    void exporterPrintsTheChosenPages()
    {
        RecordFileBuilder file(KindRejfor, 9);
        setStr(file.inUse(7, "007", 1), nip::surname, cp1250::fromUtf8("Żółkiewski"));
        file.save();
        calibration::MarginTable margins{};
        margins[0] = {5, 10};
        calibration::saveMargins(calibration::margnip1, margins);

        QCOMPARE(exporter({"nip-1", "7", "all.pdf"}).exitCode, 0);
        QCOMPARE(pdfPages("all.pdf"), 4);
        QVERIFY2(pdfText("all.pdf").contains("Żółkiewski"), qPrintable(pdfText("all.pdf")));
        QVERIFY(toolOutput("pdfinfo", {"all.pdf"}).contains("(A4)"));

        QCOMPARE(exporter({"NIP-1", "007", "some.pdf", "--pages", "2,4", "--resolution", "300"}).exitCode, 0);
        QCOMPARE(pdfPages("some.pdf"), 2);
        QVERIFY(!pdfText("some.pdf").contains("Żółkiewski"));
    }

    void exporterReportsAnOutputItCouldNotWriteAndKeepsTheOldFile()
    {
        saveNip1File();
        writeBytes("old.pdf", {'o', 'l', 'd'});
        // A file size limit of 8 KiB: the writes past it fail as on a full disk.
        const Run limited = exporterInShell("trap '' XFSZ; ulimit -f 8; exec \"$PDF\" NIP-1 7 old.pdf");
        QCOMPARE(limited.exitCode, 4);
        QVERIFY2(limited.errors.contains("Nie można zapisać pliku PDF: I/O error 31: old.pdf"), qPrintable(limited.errors));
        QCOMPARE(fileBytes("old.pdf"), (std::vector<unsigned char>{'o', 'l', 'd'}));
        QCOMPARE(QDir(".").entryList({".zgloszenia-*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void exporterNeedsNoDisplayWhateverThePlatform()
    {
        saveNip1File();
        for (const QString platform : {"xcb", "wayland"}) {
            const Run run = exporterInShell("exec \"$PDF\" NIP-1 7 out.pdf --pages 1", platform);
            QVERIFY2(run.exitCode == 0, qPrintable(platform + ": " + run.errors));
            QCOMPARE(pdfPages("out.pdf"), 1);
        }
    }

    void exporterNeverWritesOverADataFileAndTakesTheNameAsGiven()
    {
        saveNip1File();
        const std::vector<unsigned char> stored = fileBytes("REJFOR.Rdx");
        QVERIFY(QFile::link("REJFOR.Rdx", "link.pdf"));
        QDir().mkdir("sub");
        for (const QString output : {"REJFOR.Rdx", "./strycz.Rdx", "sub/../konta200.rdx", "link.pdf"}) {
            const Run run = exporter({"NIP-1", "7", output});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.errors.contains("zbiorem danych"), qPrintable(output + ": " + run.errors));
        }
        QCOMPARE(fileBytes("REJFOR.Rdx"), stored);
        QVERIFY(!QFile::exists("strycz.Rdx") && !QFile::exists("konta200.rdx"));
        // Elsewhere a name ending so is an ordinary output.
        QCOMPARE(exporter({"NIP-1", "7", "sub/REJFOR.Rdx", "--pages", "1"}).exitCode, 0);

        // A name that is no UTF-8 is written under its own bytes.
        const Run latin2 = exporterInShell("exec \"$PDF\" NIP-1 7 \"$(printf 'wydruk-\\263\\363d\\274.pdf')\" --pages 1");
        QCOMPARE(latin2.exitCode, 0);
        std::vector<std::string> written;
        for (const auto& entry : std::filesystem::directory_iterator("."))
            if (entry.path().filename().string().starts_with("wydruk-"))
                written.push_back(entry.path().filename().string());
        QCOMPARE(written.size(), std::size_t(1));
        QCOMPARE(written[0], std::string("wydruk-\xb3\xf3" "d\xbc.pdf"));
    }

private:
    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(PrintGuiTest)
#include "print_gui_test.moc"
