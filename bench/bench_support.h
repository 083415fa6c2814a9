#pragma once
// What the benchmark programs share: a temporary working directory, the
// yardstick read of a file, and a record file of many NIP-1 records.
#include "core/common/data_files.h"
#include "core/common/file_io.h"
#include "core/common/record_access.h"
#include "core/records/cleared_record.h"
#include "core/records/nip_record.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

// Made the working directory and filled by `fill` on first use; removed at exit.
class BenchDir {
public:
    explicit BenchDir(const std::function<void(const std::string& dir)>& fill)
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "zgloszenia-bench-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
        fill(path_.string());
    }
    ~BenchDir()
    {
        std::filesystem::current_path("/");
        std::filesystem::remove_all(path_);
    }

private:
    std::filesystem::path path_;
};

// A plain sequential read of the file in 1 MiB blocks, what the scans are
// measured against.
inline void PlainRead1MiB(benchmark::State& state, const char* file)
{
    std::vector<char> block(1 << 20);
    for (auto _ : state) {
        const int fd = ::open(file, O_RDONLY);
        std::size_t total = 0;
        ssize_t got;
        while ((got = ::read(fd, block.data(), block.size())) > 0)
            total += static_cast<std::size_t>(got);
        ::close(fd);
        benchmark::DoNotOptimize(total);
    }
}

// "REJFOR.Rdx" with `records` NIP-1 records after a free record 0, each with
// a full name and a NIP.
inline void WriteNipFile(int records)
{
    const std::uint32_t size = nip::kRecordSize;
    std::vector<std::uint8_t> file((records + 1ull) * size, 0);
    ClearRecordBytes(Bytes(file).first(size));
    unsigned seed = 12345;
    for (int n = 1; n <= records; ++n) {
        Bytes rec = Bytes(file).subspan(n * std::size_t{size}, size);
        seed = seed * 1103515245u + 12345u;
        setStr(rec, nip::account_no, std::to_string(n));
        setStr(rec, nip::full_name, "Firma " + std::to_string(seed % 100000) + " Sp. z o.o.");
        setStr(rec, nip::nip, std::to_string(1000000000u + seed % 1000000000u));
        setU8(rec, nip::form_type, 1);
    }
    DataFile(dataFileName("REJFOR."), DataFile::Mode::Create).writeAt(0, file.data(), file.size());
}
