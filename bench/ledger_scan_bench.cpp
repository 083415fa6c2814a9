// Listing the taxpayers of a 10,000-taxpayer ledger file against a plain
// sequential read of the same file in 1 MiB blocks, both from the page cache.
#include "common/record_access.h"
#include "ledger/ledger_access.h"
#include "ledger/ledger_record.h"
#include "sample_ledger.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTaxpayers = 10000;

struct BenchDir {
    std::filesystem::path path;
    BenchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zgloszenia-ledger-bench-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
        std::filesystem::current_path(path);
        WriteSampleData(path.string(), kTaxpayers, 1);
    }
    ~BenchDir()
    {
        std::filesystem::current_path("/");
        std::filesystem::remove_all(path);
    }
};

void inBenchDir()
{
    static BenchDir d;
}

void setBytes(benchmark::State& state)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (kTaxpayers + 1) * ledger::kRecordSize);
}

void BM_PlainRead1MiB(benchmark::State& state)
{
    inBenchDir();
    std::vector<char> block(1 << 20);
    for (auto _ : state) {
        const int fd = ::open("konta200.Rdx", O_RDONLY);
        std::size_t total = 0;
        ssize_t got;
        while ((got = ::read(fd, block.data(), block.size())) > 0)
            total += static_cast<std::size_t>(got);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
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
