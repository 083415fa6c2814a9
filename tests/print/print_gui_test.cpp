#include "common/cp1250.h"
#include "common/data_files.h"
#include "forms/cleared_record.h"
#include "forms/nip_record.h"
#include "forms/vat_records.h"
#include "print/calibration_files.h"
#include "print/painter_canvas.h"
#include "print/print_font.h"
#include "print/print_job.h"
#include "print/qt_printer_device.h"
#include "register/record_kind.h"
#include "support/temp_dir.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include <memory>

namespace {

// A record file whose record `index` is the given record; the others free.
void writeRecordFile(int kind, int index, const std::vector<std::uint8_t>& record)
{
    const RecordKind& k = kindAt(kind);
    std::vector<unsigned char> bytes(k.recordSize * static_cast<std::size_t>(index + 2), 0);
    for (int r = 0; r < index + 2; ++r)
        ClearRecordBytes(Bytes(bytes).subspan(r * k.recordSize, k.recordSize));
    std::copy(record.begin(), record.end(), bytes.begin() + index * k.recordSize);
    writeBytes(dataFileName(k.baseName), bytes);
}

std::vector<std::uint8_t> nipRecord(const std::string& account, int formType)
{
    std::vector<std::uint8_t> rec(nip::kRecordSize, 0);
    ClearRecordBytes(rec);
    setStr(rec, nip::account_no, account);
    setU8(rec, nip::form_type, static_cast<std::uint8_t>(formType));
    return rec;
}

struct Run {
    int exitCode;
    QString errors;
};

// Runs the exporter in the current directory without a display platform set.
Run exporter(const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("QT_QPA_PLATFORM");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(ZGLOSZENIA_PDF), arguments);
    if (!process.waitForFinished(120000))
        return {-1, "timeout"};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardError())};
}

QString toolOutput(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& file)
{
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(toolOutput("pdfinfo", {file}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QString pdfText(const QString& file) { return toolOutput("pdftotext", {"-layout", file, "-"}); }

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

    void painterCanvasPutsTheTextsTopLeftAtThePixel()
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
            painter.end();

            const int top = firstDarkRow(image);
            QVERIFY2(top >= y, qPrintable(QString("text starts at row %1, above %2").arg(top).arg(y)));
            QVERIFY2(top <= y + ascent / 2, qPrintable(QString::number(top)));
            QCOMPARE(canvas.currentX(), 20 + width);
            QCOMPARE(canvas.currentY(), y);
        }
    }

    void painterCanvasMeasuresCodePage1250Texts()
    {
        QImage image(10, 10, QImage::Format_RGB32);
        QPainter painter(&image);
        painter.setFont(printFont());
        PainterCanvas canvas(painter);
        const std::string text = cp1250::fromUtf8("Łódź");
        QCOMPARE(canvas.textWidth(text), painter.fontMetrics().horizontalAdvance(QString::fromUtf8("Łódź")));
        QCOMPARE(canvas.textWidth(""), 0);
    }

    void pdfPrinterCollectsOnePagePerSheetOnWholeA4()
    {
        QPrinter printer(QPrinter::HighResolution);
        setUpPdfPrinter(printer, "job.pdf", 300);
        {
            QtPrinterDevice device(printer);
            // The whole sheet in the pixels the painter draws in: 11 pixels a millimetre.
            QCOMPARE(device.pageWidthPixels(), printer.width());
            QCOMPARE(device.pageHeightPixels(), printer.height());
            QCOMPARE(scaleX(device.pageWidthPixels()), 11);
            QCOMPARE(scaleY(device.pageHeightPixels()), 11);
            CollectingMessenger ok(true);
            auto render = [](PageId page, PageWriter& w, ConstBytes, int) { w.plain(10, printedPage(page).label); };
            const std::vector<std::uint8_t> record(nip::kRecordSize, 0);
            QCOMPARE(runPrintJob(FormKind::Nip1, record, {true, false, true, true}, {device, ok, render}), 3);
            QVERIFY(device.finish());
        }
        QCOMPARE(pdfPages("job.pdf"), 3);
        const QString text = pdfText("job.pdf");
        QVERIFY(text.indexOf("NIP-1 1/4") < text.indexOf("NIP-1 3/4"));
        QVERIFY(!text.contains("NIP-1 2/4"));
        QVERIFY(toolOutput("pdfinfo", {"job.pdf"}).contains("(A4)"));
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
        writeBytes("odsnip1.Rdx", {'x', '\r', '\n'});
        run = exporter({"NIP-1", "7", "a.pdf"});
        QCOMPARE(run.exitCode, 4);
        QVERIFY2(run.errors.contains("I/O error 106"), qPrintable(run.errors));
        QVERIFY(!QFile::exists("a.pdf"));

        std::remove("odsnip1.Rdx");
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

        QCOMPARE(exporter({"NIP-1", "007", "some.pdf", "--pages", "2,4", "--resolution", "300"}).exitCode, 0);
        QCOMPARE(pdfPages("some.pdf"), 2);
        QVERIFY(!pdfText("some.pdf").contains("Żółkiewski"));
    }

    void exporterPrintsBothNipDSheetsAndTheUeAttachment()
    {
        std::vector<std::uint8_t> rec = nipRecord("12", 2);
        setU8(rec, nip::attach_d_count, 2);
        writeRecordFile(KindRejfor, 12, rec);
        QCOMPARE(exporter({"NIP-2", "12", "d.pdf", "--resolution", "150"}).exitCode, 0);
        QCOMPARE(pdfPages("d.pdf"), 8);
        QCOMPARE(exporter({"NIP-2", "12", "d.pdf", "--pages", "5", "--resolution", "150"}).exitCode, 0);
        QCOMPARE(pdfPages("d.pdf"), 2);

        std::vector<std::uint8_t> vat(vatr::kRecordSize, 0);
        ClearRecordBytes(vat);
        setStr(vat, vatr::account_no, "3");
        setU8(vat, vatr::vat_r_ue_attached, 1);
        writeRecordFile(KindVatr, 3, vat);
        QCOMPARE(exporter({"VAT-R", "3", "v.pdf", "--resolution", "150"}).exitCode, 0);
        QCOMPARE(pdfPages("v.pdf"), 3);
    }

private:
    std::unique_ptr<TempDir> dir;
};

QTEST_MAIN(PrintGuiTest)
#include "print_gui_test.moc"
