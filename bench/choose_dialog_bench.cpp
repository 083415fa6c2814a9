// The record search list over a 10,000-record NIP file: from showing the
// dialog to a filled grid, and reloading it in a shown dialog, against the
// core scan of the same file and the core list builder alone; and sorting
// the 10,000 rows by name.
#include "desktop/widgets/StringGrid.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/grid_sort.h"
#include "core/common/messages.h"
#include "core/common/record_access.h"
#include "desktop/widgets/ui_messages.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"
#include "desktop/register/Tf_szuk_nip.h"
#include "core/register/record_kind.h"
#include "core/register/record_list.h"
#include "core/register/register_ops.h"

#include <QApplication>
#include <QProgressBar>
#include <QVBoxLayout>

#include "bench_support.h"
#include "gui_bench_main.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int kRecords = 10000;

struct NullProgress : ListProgress {
    void start(std::uint64_t, std::uint64_t) override {}
    void moveTo(std::uint64_t) override {}
};

// A working directory with a NIP file of 10,000 NIP-1 records.
void dir()
{
    static BenchDir d([](const std::string&) {
        WriteNipFile(kRecords);
        // A VAT-R file of four free records: showing the dialog with an empty list.
        std::vector<std::uint8_t> vatr(4ull * kindAt(KindVatr).recordSize, 0);
        for (int n = 0; n < 4; ++n)
            ClearRecordBytes(Bytes(vatr).subspan(n * std::size_t{kindAt(KindVatr).recordSize}, kindAt(KindVatr).recordSize));
        DataFile(dataFileName("vatr."), DataFile::Mode::Create).writeAt(0, vatr.data(), vatr.size());
    });
}

// The main window's part in it: a shown window holding the progress bar.
struct BarWindow {
    QWidget window;
    QProgressBar* bar = new QProgressBar(&window);
    BarWindow()
    {
        (new QVBoxLayout(&window))->addWidget(bar);
        window.show();
        bar->hide();
    }
};

void BM_CoreScan(benchmark::State& state)
{
    dir();
    for (auto _ : state) {
        std::size_t inUse = 0;
        ScanRecords(KindRejfor, [&](std::uint64_t, ConstBytes rec) { inUse += rec[0] != 4; });
        benchmark::DoNotOptimize(inUse);
    }
}
BENCHMARK(BM_CoreScan)->Unit(benchmark::kMillisecond);

// Each list is freed while the next one is built, as a dialog's is when it
// reloads: freeing the only list each time would measure the allocator
// giving its memory back and faulting it in again.
void BM_CoreRecordList(benchmark::State& state)
{
    dir();
    NullProgress progress;
    RowTable previous;
    for (auto _ : state) {
        RowTable table;
        LoadRecordList(table, KindRejfor, 1, progress);
        std::swap(previous, table);
    }
}
BENCHMARK(BM_CoreRecordList)->Unit(benchmark::kMillisecond);

// The list reloaded in a shown dialog (the operator came back to it).
void BM_ReloadOnActivation(benchmark::State& state)
{
    dir();
    BarWindow main;
    Tf_szuk_nip dialog(main.bar);
    dialog.SetKind("REJFOR");
    dialog.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        dialog.FormActivate();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ReloadOnActivation)->Unit(benchmark::kMillisecond);

// From showing the dialog to its grid holding `rows` rows, painted.
void showToFilledGrid(benchmark::State& state, const char* kind, int rows)
{
    dir();
    BarWindow main;
    for (auto _ : state) {
        state.PauseTiming();
        auto dialog = std::make_unique<Tf_szuk_nip>(main.bar);
        dialog->SetKind(kind);
        dialog->setFormType(1);
        auto* grid = dialog->findChild<StringGrid*>("sg_kon");
        grid->setTable({});
        state.ResumeTiming();

        dialog->show();
        for (int spins = 0; grid->rowCount() != rows + 1 && spins < 1000; ++spins)
            QCoreApplication::processEvents();
        QCoreApplication::processEvents(); // the first paint of the filled grid
        if (grid->rowCount() != rows + 1)
            state.SkipWithError("the grid was not filled on activation");

        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}

void BM_ShowToFilledGrid(benchmark::State& state) { showToFilledGrid(state, "REJFOR", kRecords); }
BENCHMARK(BM_ShowToFilledGrid)->Unit(benchmark::kMillisecond);

void BM_ShowWithEmptyList(benchmark::State& state) { showToFilledGrid(state, "VATR", 0); }
BENCHMARK(BM_ShowWithEmptyList)->Unit(benchmark::kMillisecond);

void BM_SortByName(benchmark::State& state)
{
    dir();
    Tf_szuk_nip dialog;
    dialog.SetKind("REJFOR");
    dialog.FormActivate();
    for (auto _ : state)
        dialog.kl_sort_nazClick(); // ascending and descending in turn
}
BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);

void BM_CoreSortByName(benchmark::State& state)
{
    dir();
    RowTable table;
    NullProgress progress;
    LoadRecordList(table, KindRejfor, 1, progress);
    bool ascending = true;
    for (auto _ : state) {
        SortGridByColumn(table, 1, ascending);
        ascending = !ascending;
    }
}
BENCHMARK(BM_CoreSortByName)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) { return runGuiBenchmarks(argc, argv); }
