// Reading every record of a 10,000-record form file against a plain
// sequential read of the same file; and start-up in a directory where every
// file exists against the bare open and close of the same files.
#include "core/app/startup.h"
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/messages.h"
#include "core/common/record_access.h"
#include "core/records/nip_record.h"
#include "core/register/record_kind.h"
#include "core/register/register_ops.h"
#include "sample_ledger.h"

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void dir()
{
    static BenchDir d([](const std::string& path) {
        WriteSampleData(path, 100, 1);
        CollectingMessenger quiet;
        inic(quiet);
        WriteNipFile(10000);
    });
}

void BM_PlainRead1MiB(benchmark::State& state)
{
    dir();
    PlainRead1MiB(state, "REJFOR.Rdx");
}
BENCHMARK(BM_PlainRead1MiB)->Unit(benchmark::kMillisecond);

void BM_ScanRecords(benchmark::State& state)
{
    dir();
    for (auto _ : state) {
        std::size_t inUse = 0;
        ScanRecords(KindRejfor, [&](std::uint64_t, ConstBytes rec) { inUse += rec[0] != 4; });
        benchmark::DoNotOptimize(inUse);
    }
}
BENCHMARK(BM_ScanRecords)->Unit(benchmark::kMillisecond);

void BM_OpenCloseTenFiles(benchmark::State& state)
{
    dir();
    const char* files[] = {"ulgrycz.Rdx", "Bank.Rdx",  "strycz.Rdx", "biuro.Rdx", "REJFOR.Rdx",
                           "vatr.Rdx",    "vatz.Rdx", "vat21.Rdx",  "nipb.Rdx",  "konta200.Rdx"};
    for (auto _ : state)
        for (const char* name : files)
            DataFile f(name);
}
BENCHMARK(BM_OpenCloseTenFiles)->Unit(benchmark::kMicrosecond);

void BM_Inic(benchmark::State& state)
{
    dir();
    CollectingMessenger quiet;
    for (auto _ : state)
        inic(quiet);
}
BENCHMARK(BM_Inic)->Unit(benchmark::kMicrosecond);

void BM_SampleData10000(benchmark::State& state)
{
    dir();
    std::filesystem::create_directory("sample");
    for (auto _ : state)
        WriteSampleData("sample", 10000, 2);
}
BENCHMARK(BM_SampleData10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
