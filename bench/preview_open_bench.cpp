// "Podgląd" of the print dialog for a four-page NIP-1 at its fullest: from
// the click to the preview shown with its first page painted (the job
// planned from the calibration files, the page rendered at the fitted zoom),
// and closing it; over pre-printed sheets without blanks, and on plain paper
// over the form's whole PDF in druki (opened and its first page rendered by
// every preview, as each preview reads the blanks afresh). The printer is a
// 600 dpi laser with 3.5 mm margins, as a CUPS queue gives. Ten repetitions
// of twenty each.
#include "desktop/widgets/ui_messages.h"
#include "desktop/print/PreviewDialog.h"
#include "desktop/print/PrinterSetup.h"
#include "desktop/print/Tf_wydr.h"
#include "desktop/print/qt_printer_device.h"

#include <QApplication>
#include <QDir>
#include <QPageLayout>
#include <QPixmap>
#include <QPrinter>
#include <QRadioButton>
#include <QSettings>

#include "bench_support.h"
#include "dense_blank.h"
#include "gui_bench_main.h"
#include "full_record.h"

#include <benchmark/benchmark.h>

namespace {

class LaserPrinter : public PrinterSetup {
public:
    LaserPrinter()
    {
        setUpPdfPrinter(printer_, "podglad.pdf", 600);
        printer_.setFullPage(false);
        printer_.setPageMargins(QMarginsF(3.5, 3.5, 3.5, 3.5), QPageLayout::Millimeter);
    }
    QPrinter& printer() override { return printer_; }
    QString printerName() const override { return "Laserowa"; }
    bool runSetupDialog(QWidget*) override { return false; }
    bool readyToPrint(QWidget*) override { return false; }

private:
    QPrinter printer_{QPrinter::HighResolution};
};

void BM_OpenPreview(benchmark::State& state)
{
    static BenchDir dir([](const std::string& path) {
        // The printing choices go to the bench's own settings.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString(path));
    });
    const bool plainPaper = state.range(0) != 0;
    if (plainPaper) {
        QDir().mkpath("druki");
        writeDenseBlankPdf("druki/NIP-1.pdf");
    }
    fillRecord(formInfo(Form::Nip1));
    LaserPrinter laser;
    PrinterSetup::install(&laser);
    Tf_wydr dialog;
    dialog.form_kind = FormKind::Nip1;
    dialog.FormActivate();
    (plainPaper ? dialog.rb_czysty : dialog.rb_druki)->click();
    std::size_t sheets = 0;
    bool blankShown = false;
    dialog.runPreviewDialog = [&](QDialog& d) {
        d.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(d.grab());
        auto& preview = static_cast<PreviewDialog&>(d);
        sheets = preview.sheetCount();
        blankShown = preview.blankShown();
        d.reject();
    };
    dialog.kl_podgladClick(); // first-use costs (fonts, styles) out of the way
    if (sheets != 4)
        state.SkipWithError("the preview did not show four pages");
    if (blankShown != plainPaper)
        state.SkipWithError(plainPaper ? "the preview did not show the blank" : "a blank where there is none");
    for (auto _ : state)
        dialog.kl_podgladClick();
    PrinterSetup::install(nullptr);
    QDir("druki").removeRecursively();
}
BENCHMARK(BM_OpenPreview)
    ->ArgName("czysty_papier")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return runGuiBenchmarks(argc, argv); }
