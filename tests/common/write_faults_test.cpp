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

// Bytes unlike anything a save writes, different in every file and at every
// offset, so that a stray write shows.
FileBytes pattern(std::size_t size, unsigned seed)
{
    FileBytes bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(seed * 37 + i * 7 + i / 251 + 1);
    return bytes;
}

// A data directory holding every file the program writes, and a file of the
// ledger's it never writes; each starts from its own pattern.
void makeWorld()
{
    unsigned seed = 1;
    for (const RecordKind& kind : kRecordKinds)
        writeBytes(dataFileName(kind.baseName), pattern(4 * kind.recordSize, seed++));
    FileBytes bank = pattern(416, seed++);
    bank[116] = 0; // a letter mode start-up knows
    writeBytes("Bank.Rdx", bank);
    writeBytes("strycz.Rdx", pattern(36, seed++));
    writeBytes("ulgrycz.Rdx", pattern(60, seed++));
    writeBytes("konta200.Rdx", pattern(3953, seed++));
    writeTextFile("biuro.Rdx", "Biuro Rachunkowe\r\nSp. z o.o.\r\nul. Polna 1\r\n00-950 Warszawa\r\n");
    writeTextFile("slkraj.Rdx", "Czechy\r\nNiemcy\r\nPolska\r\n");
    writeTextFile("margnip1.Rdx", "    1    2\r\n    3    4\r\n");
    writeTextFile("odsnip1.Rdx", "    5\r\n    6\r\n    7\r\n");
}

Snapshot snapshot()
{
    Snapshot files;
    for (const auto& entry : fs::directory_iterator("."))
        files[entry.path().filename().string()] = fileBytes(entry.path().string());
    return files;
}

// What a failed write may leave of its file: a creation no file (removed
// again, the next start tries anew); anything else the file as it was, but
// for the bytes of the record a rewrite in place writes. Start-up shows the
// error itself and goes on; elsewhere an IoError reaches the command.
struct WritePath {
    std::string name, file;
    bool creates = false;
    std::uint64_t recordOffset = 0, recordSize = 0;
    std::function<void()> prepare; // from the standard directory to this path's
    std::function<void(Messenger&)> write;
    bool shownByStartUp = false;
};

void saveRecord(int kind, int account)
{
    Bytes buffer = recordBuffer(kind);
    std::fill(buffer.begin(), buffer.end(), std::uint8_t{0xa5});
    setStr(buffer, nip::account_no, AccountText(account));
    if (!WriteRecord(kind))
        throw std::logic_error("account not written");
}

std::vector<WritePath> writePaths()
{
    const auto keep = [] {};
    std::vector<WritePath> paths;
    for (const RecordKind& kind : kRecordKinds) {
        const std::string file = dataFileName(kind.baseName);
        const int k = kind.index;
        paths.push_back({"rewrite of record 2 of " + file, file, false, 2ull * kind.recordSize, kind.recordSize, keep,
                         [k](auto&) { saveRecord(k, 2); }});
        paths.push_back({"append of record 6 to " + file, file, false, 0, 0, keep, [k](auto&) { saveRecord(k, 6); }});
        paths.push_back({"start-up creating " + file, file, true, 0, 0, [file] { fs::remove(file); }, inic});
    }
    // The ledger's parameters and its empty file, which can fail only in its creation.
    for (const std::string file : {"Bank.Rdx", "ulgrycz.Rdx"})
        paths.push_back({"start-up creating " + file, file, true, 0, 0, [file] { fs::remove(file); }, inic});
    // A rates record cut short is repaired in place: the repair grows the
    // file to a whole record, so a failed one must leave its old size.
    paths.push_back({"start-up repairing strycz.Rdx", "strycz.Rdx", false, 0, 36,
                     [] { writeBytes("strycz.Rdx", pattern(20, 99)); }, inic, true});
    paths.push_back({"word list", "slkraj.Rdx", false, 0, 0, keep, [](auto&) {
                         std::vector<std::string> list{"Czechy", "Niemcy", "Polska"};
                         AddToDictionary(list, "Litwa", "slkraj.Rdx", true);
                     }});
    paths.push_back({"margin calibration", "margnip1.Rdx", false, 0, 0, keep,
                     [](auto&) { calibration::saveMargins(calibration::margnip1, {{12, -3}}); }});
    paths.push_back({"spacing calibration", "odsnip1.Rdx", false, 0, 0, keep,
                     [](auto&) { calibration::saveSpacings(calibration::odsnip1, {0, 40}); }});
    paths.push_back({"office identity", kOfficeIdentityFile, false, 0, 0, keep,
                     [](auto&) { SaveOfficeIdentity({"Nowe Biuro", "", "ul. Leśna 2", "00-001 Warszawa"}); }});
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

    void checkWhatIsLeft(const WritePath& path)
    {
        Snapshot after = snapshot(), others = before;
        const auto take = [&path](Snapshot& files) {
            auto node = files.extract(path.file);
            return node ? node.mapped() : FileBytes{};
        };
        const FileBytes now = take(after), old = take(others);
        EXPECT_TRUE(after == others) << "another file changed, or one was left behind";
        if (path.creates) {
            EXPECT_TRUE(now.empty()) << path.file << " left behind";
            return;
        }
        ASSERT_EQ(now.size(), old.size()) << path.file;
        for (std::size_t i = 0; i < now.size(); ++i)
            if ((i < path.recordOffset || i >= path.recordOffset + path.recordSize) && now[i] != old[i]) {
                ADD_FAILURE() << path.file << " byte " << i << " outside the record written";
                break;
            }
    }
};

TEST(WriteFaults, EveryWritePathFailsCleanlyAtEveryPointOfItsWrite)
{
    constexpr std::uint64_t kUnlimited = 1'000'000'000;
    for (const WritePath& path : writePaths()) {
        SCOPED_TRACE(path.name);
        // The bytes the path writes when nothing fails, and the file it leaves.
        FreshRun clean(path);
        ioFaults().failWriteAfterBytes = kUnlimited; // counts what is written
        path.write(clean.messages);
        const std::uint64_t written = kUnlimited - *ioFaults().failWriteAfterBytes;
        EXPECT_TRUE(path.shownByStartUp || clean.messages.shown.empty());
        const FileBytes whole = fileBytes(path.file);
        EXPECT_TRUE(path.creates ? fs::exists(path.file) : whole != clean.before[path.file]) << "its file not written";
        // Failing after n bytes; a path that writes none can fail only in creating its file.
        std::set<std::uint64_t> points{0, 1, 3, written / 2, written - 1};
        std::erase_if(points, [written](std::uint64_t n) { return n >= std::max<std::uint64_t>(written, 1); });
        for (const std::uint64_t n : points) {
            SCOPED_TRACE("failing after " + std::to_string(n) + " of " + std::to_string(written) + " bytes");
            FreshRun run(path);
            const int code = written == 0 ? IoError::FileNotFound : IoError::DiskFull;
            if (written == 0)
                ioFaults().failOpenPath = path.file;
            ioFaults().failOpenCode = code;
            ioFaults().failWriteAfterBytes = n;
            ioFaults().failCode = code;
            std::string reported;
            try {
                path.write(run.messages);
            } catch (const IoError& e) {
                EXPECT_FALSE(path.shownByStartUp) << "start-up stopped";
                EXPECT_EQ(e.code(), code);
                reported = e.what();
            }
            if (path.shownByStartUp) {
                ASSERT_FALSE(run.messages.shown.empty());
                EXPECT_EQ(run.messages.shown.back().kind, "error");
                reported = run.messages.shown.back().text;
            } else {
                EXPECT_TRUE(run.messages.shown.empty());
            }
            EXPECT_EQ(reported, (written ? "Disk full: " : "File not found: ") + path.file);
            run.checkWhatIsLeft(path);

            // The program goes on: the same save, tried again, does what it would have done.
            resetIoFaults();
            startupNotices() = {};
            EXPECT_NO_THROW(path.write(run.messages));
            EXPECT_TRUE(fs::exists(path.file));
            EXPECT_EQ(fileBytes(path.file), whole);
        }
    }
}

} // namespace
