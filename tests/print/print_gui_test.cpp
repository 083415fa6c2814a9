#include "common/cp1250.h"
#include "records/vat_records.h"
#include "print/calibration_files.h"
#include "print/painter_canvas.h"
#include "print/print_font.h"
#include "pdf_tools.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <memory>

namespace {

struct Run {
    int exitCode;
    QString errors;
};

// Runs the exporter in the current directory without a display platform set.
Run exporter(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(name);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZGLOSZENIA_PDF), arguments);
    if (!process.waitForFinished(120000))
        return {-1, "timeout"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError())};
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

    void exporterRejectsBadUsage()
    {
        const QList<QStringList> cases = {
            {},
            {"NIP-1", "7"},
            {"NIP-9", "7", "a.pdf"},
            {"NIP-1", "7", "a.pdf", "--pages"},
            {"NIP-1", "7", "a.pdf", "--pages", "1,7"},
            {"NIP-1", "7", "a.pdf", "--pages", "1,,2"},
            {"NIP-1", "7", "a.pdf", "--resolution", "0"},
            {"NIP-1", "7", "a.pdf", "--colour"},
        };
        for (const QStringList& args : cases) {
            const Run run = exporter(args);
            QCOMPARE(run.exitCode, 2);
            QVERIFY2(run.errors.contains("Użycie: zgloszenia-pdf"), qPrintable(run.errors));
        }
        QVERIFY(!QFile::exists("a.pdf"));
    }

    void exporterNeedsTheRecordOfTheForm()
    {
        writeRecordFile(KindRejfor, 7, nipRecord("007", 2));
        for (const QStringList& args : QList<QStringList>{{"NIP-1", "7", "a.pdf"}, // another form
                 {"NIP-2", "6", "a.pdf"},                                          // a free record
                 {"NIP-2", "9", "a.pdf"},                                          // beyond the file
                 {"NIP-2", "abc", "a.pdf"},                                        // no account
                 {"VAT-R", "7", "a.pdf"}}) {
            if (args[0] == "VAT-R")
                writeRecordFile(KindVatr, 1, std::vector<std::uint8_t>(vatr::kRecordSize, 0));
            const Run run = exporter(args);
            QCOMPARE(run.exitCode, 3);
            QVERIFY2(run.errors.contains("Brak formularza"), qPrintable(run.errors));
        }
        // The NIP-D boxes of a NIP-2 without attachments are not offered.
        QCOMPARE(exporter({"NIP-2", "7", "a.pdf", "--pages", "5"}).exitCode, 2);
        QVERIFY(!QFile::exists("a.pdf"));
    }

    void exporterReportsInputOutputErrors()
    {
        Run run = exporter({"NIP-1", "7", "a.pdf"});
        QCOMPARE(run.exitCode, 4);
        QVERIFY2(run.errors.contains("File not found"), qPrintable(run.errors));

        writeRecordFile(KindRejfor, 7, nipRecord("007", 1));
        run = exporter({"NIP-1", "7", "no-such-dir/a.pdf"});
        QCOMPARE(run.exitCode, 4);
        QVERIFY2(run.errors.contains("no-such-dir/a.pdf"), qPrintable(run.errors));
    }

    void exporterPrintsTheChosenPages()
    {
        std::vector<std::uint8_t> rec = nipRecord("007", 1);
        setStr(rec, nip::surname, cp1250::fromUtf8("Żółkiewski"));
        writeRecordFile(KindRejfor, 7, rec);
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

private:
    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(PrintGuiTest)
#include "print_gui_test.moc"
