#include "core/app/office_identity.h"
#include "core/app/startup.h"
#include "core/common/account.h"
#include "core/common/data_files.h"
#include "core/common/dictionary.h"
#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/record_access.h"
#include "core/print/calibration_files.h"
#include "core/records/nip_record.h"
#include "core/register/record_kind.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>

// Every path that writes a data file, failed by the file layer after N bytes
// for each N that matters: the error reaches the caller, and nothing but the
// bytes the path was writing changes.
namespace {

namespace fs = std::filesystem;

using FileBytes = std::vector<unsigned char>;
using Snapshot = std::map<std::string, FileBytes>;

constexpr int kRecordsInFile = 4;

// Bytes unlike anything a save writes, different in every file and at every
// offset, so that a stray write shows.
FileBytes pattern(std::size_t size, unsigned seed)
{
    FileBytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(seed * 37 + i * 7 + i / 251 + 1);
    return bytes;
}

FileBytes text(const std::string& s) { return FileBytes(s.begin(), s.end()); }

// A data directory holding every file the program writes, and a file of the
// ledger's it never writes; each starts from its own pattern.
void makeWorld()
{
    unsigned seed = 1;
    for (const RecordKind& kind : kRecordKinds)
        writeBytes(dataFileName(kind.baseName), pattern(kRecordsInFile * kind.recordSize, seed++));
    FileBytes bank = pattern(416, seed++);
    bank[116] = 0; // a letter mode start-up knows
    writeBytes("Bank.Rdx", bank);
    writeBytes("strycz.Rdx", pattern(36, seed++));
    writeBytes("ulgrycz.Rdx", pattern(60, seed++));
    writeBytes("konta200.Rdx", pattern(3953, seed++));
    writeBytes("biuro.Rdx", text("Biuro Rachunkowe\r\nSp. z o.o.\r\nul. Polna 1\r\n00-950 Warszawa\r\n"));
    writeBytes("slkraj.Rdx", text("Czechy\r\nNiemcy\r\nPolska\r\n"));
    writeBytes("margnip1.Rdx", text("    1    2\r\n    3    4\r\n"));
    writeBytes("odsnip1.Rdx", text("    5\r\n    6\r\n    7\r\n"));
}

Snapshot snapshot()
{
    Snapshot files;
    for (const auto& entry : fs::directory_iterator("."))
        files[entry.path().filename().string()] = fileBytes(entry.path().string());
    return files;
}

// What a failed write may leave of the file it was writing.
enum class Leaves {
    FileAsItWas,    // text files, appends: not one byte differs
    OtherRecords,   // a rewrite in place: every byte outside its record, same size
    NoFile,         // a creation: removed again, the next start tries anew
};

// How the failure reaches the operator.
enum class Reports {
    Thrown,         // an IoError to the command, which shows the standard error box
    ShownAsError,   // start-up shows the error itself and goes on
};

struct WritePath {
    std::string name;
    std::string file;
    Leaves leaves;
    std::uint64_t recordOffset = 0; // the record a rewrite writes
    std::uint64_t recordSize = 0;
    std::function<void()> prepare;  // from the standard directory to this path's
    std::function<void(Messenger&)> write;
    Reports reports = Reports::Thrown;
};

void saveRecord(int kind, int account)
{
    Bytes buffer = recordBuffer(kind);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0xa5});
    setStr(buffer, nip::account_no, AccountText(account));
    if (!WriteRecord(kind))
        throw std::logic_error("account not written");
}

void runStartUp(Messenger& messages) { inic(messages); }

std::vector<WritePath> writePaths()
{
    std::vector<WritePath> paths;
    for (const RecordKind& kind : kRecordKinds) {
        const std::string file = dataFileName(kind.baseName);
        const int k = kind.index;
        paths.push_back({"rewrite of record 2 of " + file, file, Leaves::OtherRecords, 2ull * kind.recordSize,
                         kind.recordSize, [] {}, [k](Messenger&) { saveRecord(k, 2); }});
        paths.push_back({"append of record 6 to " + file, file, Leaves::FileAsItWas, 0, 0, [] {},
                         [k](Messenger&) { saveRecord(k, 6); }});
        paths.push_back({"start-up creating " + file, file, Leaves::NoFile, 0, 0, [file] { fs::remove(file); },
                         runStartUp});
    }
    paths.push_back({"start-up creating Bank.Rdx", "Bank.Rdx", Leaves::NoFile, 0, 0,
                     [] { fs::remove("Bank.Rdx"); }, runStartUp});
    // A rates record cut short is repaired in place: the repair grows the
    // file to a whole record, so a failed one must leave its old size.
    paths.push_back({"start-up repairing strycz.Rdx", "strycz.Rdx", Leaves::OtherRecords, 0, 36,
                     [] { writeBytes("strycz.Rdx", pattern(20, 99)); }, runStartUp, Reports::ShownAsError});
    paths.push_back({"word list", "slkraj.Rdx", Leaves::FileAsItWas, 0, 0, [] {}, [](Messenger&) {
                         std::vector<std::string> list{"Czechy", "Niemcy", "Polska"};
                         AddToDictionary(list, "Litwa", "slkraj.Rdx", true);
                     }});
    paths.push_back({"margin calibration", "margnip1.Rdx", Leaves::FileAsItWas, 0, 0, [] {}, [](Messenger&) {
                         calibration::MarginTable table{};
                         table[0] = {12, -3};
                         calibration::saveMargins(calibration::margnip1, table);
                     }});
    paths.push_back({"spacing calibration", "odsnip1.Rdx", Leaves::FileAsItWas, 0, 0, [] {}, [](Messenger&) {
                         calibration::SpacingTable table{};
                         table[1] = 40;
                         calibration::saveSpacings(calibration::odsnip1, table);
                     }});
    paths.push_back({"office identity", kOfficeIdentityFile, Leaves::FileAsItWas, 0, 0, [] {}, [](Messenger&) {
                         SaveOfficeIdentity({"Nowe Biuro", "", "ul. Leśna 2", "00-001 Warszawa"});
                     }});
    return paths;
}

// One run of a path in a fresh directory: a new run of the program.
struct FreshRun {
    TempDir dir;
    ScriptedMessages messages;
    Snapshot before;

    explicit FreshRun(const WritePath& path)
    {
        startupNotices() = {};
        makeWorld();
        path.prepare();
        before = snapshot();
    }
};

constexpr std::uint64_t kUnlimited = 1'000'000'000;

// The bytes the path writes when nothing fails, and the file it leaves.
struct Outcome {
    std::uint64_t bytesWritten;
    FileBytes file;
};

Outcome writeWithoutFault(const WritePath& path)
{
    FreshRun run(path);
    ioFaults().failWriteAfterBytes = kUnlimited; // counts what is written
    path.write(run.messages);
    const std::uint64_t written = kUnlimited - *ioFaults().failWriteAfterBytes;
    if (path.reports == Reports::Thrown) {
        EXPECT_EQ(run.messages.texts(), std::vector<std::string>{});
    }
    EXPECT_NE(fileBytes(path.file), run.before[path.file]) << "the path does not write its file";
    return {written, fileBytes(path.file)};
}

std::vector<std::uint64_t> faultPoints(std::uint64_t size)
{
    std::set<std::uint64_t> points{0, 1, 3, size / 2, size - 1};
    std::erase_if(points, [size](std::uint64_t n) { return n >= size; });
    return {points.begin(), points.end()};
}

void checkWhatIsLeft(const WritePath& path, const Snapshot& before)
{
    Snapshot after = snapshot();
    const bool written = after.contains(path.file);
    const FileBytes now = written ? after.extract(path.file).mapped() : FileBytes{};
    Snapshot others = before;
    const FileBytes old = others.contains(path.file) ? others.extract(path.file).mapped() : FileBytes{};
    EXPECT_TRUE(after == others) << "another file changed, or one was left behind";

    switch (path.leaves) {
    case Leaves::FileAsItWas:
        EXPECT_TRUE(written && now == old) << path.file << " changed";
        break;
    case Leaves::NoFile:
        EXPECT_FALSE(written) << path.file << " left behind";
        break;
    case Leaves::OtherRecords:
        ASSERT_EQ(now.size(), old.size()) << path.file;
        for (std::size_t i = 0; i < now.size(); ++i) {
            const bool inRecord = i >= path.recordOffset && i < path.recordOffset + path.recordSize;
            if (!inRecord && now[i] != old[i]) {
                ADD_FAILURE() << path.file << " byte " << i << " outside the record written";
                break;
            }
        }
        break;
    }
}

TEST(WriteFaults, EveryWritePathFailsCleanlyAtEveryPointOfItsWrite)
{
    for (const WritePath& path : writePaths()) {
        SCOPED_TRACE(path.name);
        const Outcome whole = writeWithoutFault(path);
        ASSERT_GT(whole.bytesWritten, 0u);
        for (const std::uint64_t n : faultPoints(whole.bytesWritten)) {
            SCOPED_TRACE("failing after " + std::to_string(n) + " of " + std::to_string(whole.bytesWritten) +
                         " bytes");
            FreshRun run(path);
            ioFaults().failWriteAfterBytes = n;
            ioFaults().failCode = IoError::DiskFull;
            const std::string expected = "Disk full: " + path.file;
            if (path.reports == Reports::Thrown) {
                try {
                    path.write(run.messages);
                    ADD_FAILURE() << "reported as written";
                } catch (const IoError& e) {
                    EXPECT_EQ(e.code(), IoError::DiskFull);
                    EXPECT_EQ(std::string(e.what()), expected);
                }
                EXPECT_TRUE(run.messages.shown.empty());
            } else {
                EXPECT_NO_THROW(path.write(run.messages));
                ASSERT_FALSE(run.messages.shown.empty());
                EXPECT_EQ(run.messages.shown.back(), (ScriptedMessages::Shown{"error", expected, ""}));
            }
            checkWhatIsLeft(path, run.before);

            // The program goes on: the same save, tried again, does what it
            // would have done.
            resetIoFaults();
            startupNotices() = {};
            EXPECT_NO_THROW(path.write(run.messages));
            EXPECT_EQ(fileBytes(path.file), whole.file);
        }
    }
}

// Start-up's empty file of the ledger: nothing to write, so only its creation
// can fail.
TEST(WriteFaults, AFailedCreationOfTheEmptyFileStopsTheStartUpAndChangesNothing)
{
    const WritePath path{"start-up creating ulgrycz.Rdx", "ulgrycz.Rdx", Leaves::NoFile, 0, 0,
                         [] { fs::remove("ulgrycz.Rdx"); }, runStartUp};
    FreshRun run(path);
    ioFaults().failOpenPath = "ulgrycz.Rdx";
    ioFaults().failOpenCode = IoError::FileNotFound;
    try {
        inic(run.messages);
        ADD_FAILURE() << "start-up went on";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "File not found: ulgrycz.Rdx");
    }
    checkWhatIsLeft(path, run.before);
    resetIoFaults();
    inic(run.messages);
    EXPECT_EQ(fs::file_size("ulgrycz.Rdx"), 0u);
}

} // namespace
