// Listing the taxpayers of a 10,000-taxpayer ledger file against a plain
// sequential read of the same file in 1 MiB blocks, both from the page cache.
#include "core/common/record_access.h"
#include "core/ledger/ledger_access.h"
#include "core/records/ledger_record.h"
#include "sample_ledger.h"

#include "bench_support.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kTaxpayers = 10000;

void inBenchDir()
{
    static BenchDir d([](const std::string& path) { WriteSampleData(path, kTaxpayers, 1); });
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (kTaxpayers + 1) * ledger::kRecordSize);
}

void BM_PlainRead1MiB(benchmark::State& state)
{
    inBenchDir();
    PlainRead1MiB(state, "konta200.Rdx");
    setBytes(state);
}
BENCHMARK(BM_PlainRead1MiB)->Unit(benchmark::kMillisecond);

void BM_ScanLedger(benchmark::State& state)
{
    inBenchDir();
    for (auto _ : state) {
        std::size_t listed = 0;
        ScanLedger([&](std::uint64_t, ConstBytes record) { listed += record[ledger::nip.offset]; });
        benchmark::DoNotOptimize(listed);
    }
    setBytes(state);
}
BENCHMARK(BM_ScanLedger)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
