#include "desktop/print/print_font.h"
#include "exporter_run.h"
#include "pdf_tools.h"

#include <QDir>
#include <QtTest>

#include <memory>

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

    void exporterRefusesWithTheExitCodeOfTheFault()
    {
        saveNip1Account();
        const struct {
            QStringList args;
            int exitCode;
            QString error;
        } cases[] = {
            {{"NIP-1", "7"}, 2, "Użycie: zgloszenia-pdf"},
            {{"NIP-1", "7", "a.pdf", "--pages", "5"}, 2, "Strony nr 5"}, // NIP-1 has four
            {{"NIP-2", "7", "a.pdf"}, 3, "Brak formularza"},             // another form
            {{"VAT-Z", "7", "a.pdf"}, 4, "Błąd we/wy: File not found: vatz.Rdx"},
        };
        for (const auto& c : cases) {
            const ExporterRun run = exporter(c.args);
            QCOMPARE(run.exitCode, c.exitCode);
            QVERIFY2(run.errors.contains(c.error), qPrintable(c.args.join(' ') + ": " + run.errors));
        }
        QVERIFY(!QFile::exists("a.pdf"));
    }

    void exporterReportsAnOutputItCouldNotWriteAndKeepsTheOldFile()
    {
        saveNip1Account();
        writeBytes("old.pdf", {'o', 'l', 'd'});
        // A file size limit of 8 KiB: the writes past it fail as on a full disk.
        const ExporterRun limited = exporterInShell("trap '' XFSZ; ulimit -f 8; exec \"$PDF\" NIP-1 7 old.pdf");
        QCOMPARE(limited.exitCode, 4);
        QVERIFY2(limited.errors.contains("Nie można zapisać pliku PDF: I/O error 31: old.pdf"), qPrintable(limited.errors));
        QCOMPARE(fileBytes("old.pdf"), (std::vector<unsigned char>{'o', 'l', 'd'}));
        QCOMPARE(QDir(".").entryList({".zgloszenia-*"}, QDir::Files | QDir::Hidden), QStringList());
    }

    void exporterNeedsNoDisplayWhateverThePlatform()
    {
        saveNip1Account();
        for (const QString platform : {"xcb", "wayland"}) {
            const ExporterRun run = exporterInShell("exec \"$PDF\" NIP-1 7 out.pdf --pages 1", platform);
            QVERIFY2(run.exitCode == 0, qPrintable(platform + ": " + run.errors));
            QCOMPARE(pdfPages("out.pdf"), 1);
        }
    }

    void exporterNeverWritesOverADataFileAndTakesTheNameAsGiven()
    {
        saveNip1Account();
        const std::vector<unsigned char> stored = fileBytes("REJFOR.Rdx");
        QVERIFY(QFile::link("REJFOR.Rdx", "link.pdf"));
        QDir().mkdir("sub");
        for (const QString output : {"REJFOR.Rdx", "./strycz.Rdx", "sub/../konta200.rdx", "link.pdf"}) {
            const ExporterRun run = exporter({"NIP-1", "7", output});
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.errors.contains("zbiorem danych"), qPrintable(output + ": " + run.errors));
        }
        QCOMPARE(fileBytes("REJFOR.Rdx"), stored);
        QVERIFY(!QFile::exists("strycz.Rdx") && !QFile::exists("konta200.rdx"));
        // Elsewhere a name ending so is an ordinary output.
        QCOMPARE(exporter({"NIP-1", "7", "sub/REJFOR.Rdx", "--pages", "1"}).exitCode, 0);
    }

private:
    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(PrintGuiTest)
#include "print_gui_test.moc"
