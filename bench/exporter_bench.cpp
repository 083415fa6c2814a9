// The exporter printing a four-page NIP-1 at its fullest, as a whole process
// from start to exit: the data alone, and the complete form with --with-form
// over the form's whole PDF in druki (the blank laid under each page as
// vector content). Counters: the output's size and the blank's, in kB.
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/register/record_kind.h"

#include "bench_support.h"
#include "dense_blank.h"
#include "full_record.h"
#include "gui_bench_main.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <benchmark/benchmark.h>

namespace {

// Account 7 holding the fullest NIP-1 there is.
void writeFullNip1()
{
    const FormInfo& nip1 = formInfo(Form::Nip1);
    fillRecord(nip1);
    Bytes stored = recordBuffer(nip1.recordKind);
    setStr(stored, nip::account_no, "007");
    setU8(stored, nip::form_type, 1);
    const std::size_t size = stored.size();
    std::vector<std::uint8_t> file(8 * size, 0);
    for (std::size_t n = 0; n < 7; ++n)
        ClearRecordBytes(Bytes(file).subspan(n * size, size));
    std::copy(stored.begin(), stored.end(), file.begin() + static_cast<std::ptrdiff_t>(7 * size));
    DataFile(dataFileName(kindAt(nip1.recordKind).baseName), DataFile::Mode::Create)
        .writeAt(0, file.data(), file.size());
}

void BM_Export(benchmark::State& state)
{
    static BenchDir dir([](const std::string&) {
        writeFullNip1();
        QDir().mkdir("druki");
        writeDenseBlankPdf("druki/NIP-1.pdf");
    });
    QStringList arguments = {"NIP-1", "7", "out.pdf"};
    if (state.range(0) != 0)
        arguments << "--with-form";
    for (auto _ : state) {
        QProcess exporter;
        exporter.start(QStringLiteral(ZGLOSZENIA_PDF), arguments);
        if (!exporter.waitForFinished(60000) || exporter.exitCode() != 0)
            state.SkipWithError("the exporter failed");
    }
    state.counters["output_kB"] = QFileInfo("out.pdf").size() / 1000.0;
    state.counters["blank_kB"] = QFileInfo("druki/NIP-1.pdf").size() / 1000.0;
}
BENCHMARK(BM_Export)
    ->ArgName("with_form")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) { return runGuiBenchmarks(argc, argv); }
