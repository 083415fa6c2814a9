// Two copies of the program working on one directory, as two processes.
#include "core/app/startup.h"
#include "core/common/file_io.h"
#include "core/common/file_io_native.h"
#include "core/records/nip_record.h"
#include "register/record_files.h"
#include "core/register/register_ops.h"
#include "core/register/register_state.h"
#include "support/other_copy.h"
#include "support/scripted_messages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The NIP record of account 002 with every byte after its account and form
// type set to `fill`.
std::vector<std::uint8_t> recordFilledWith(std::uint8_t fill)
{
    Bytes rec = recordBuffer(KindRejfor);
    std::fill(rec.begin(), rec.end(), fill);
    setStr(rec, nip::account_no, "002");
    setU8(rec, nip::form_type, 1);
    return {rec.begin(), rec.end()};
}

// The other copy's sides of the tests below.
TEST(TwoCopies, DISABLED_RewritesAccount2UntilStopped)
{
    OtherCopy::started();
    for (std::uint8_t fill = 'A';; fill = fill == 'A' ? 'B' : 'A') {
        const auto next = recordFilledWith(fill);
        std::ranges::copy(next, recordBuffer(KindRejfor).begin());
        WriteRecord(KindRejfor);
    }
}

TEST(TwoCopies, DISABLED_WritesAccount2Once)
{
    OtherCopy::started();
    const auto next = recordFilledWith('A');
    std::ranges::copy(next, recordBuffer(KindRejfor).begin());
    WriteRecord(KindRejfor);
}

TEST(TwoCopies, DISABLED_StartsUp)
{
    OtherCopy::started();
    ScriptedMessages messages;
    inic(messages);
}

TEST(TwoCopies, AReadNeverSeesHalfOfARecordTheOtherCopyRewrites)
{
    TempDir dir;
    RecordFileBuilder file(KindRejfor, 4);
    file.inUse(2, "002", 1);
    file.save();
    const auto first = recordFilledWith('A'), second = recordFilledWith('B');

    OtherCopy writer("TwoCopies.DISABLED_RewritesAccount2UntilStopped");

    const auto is = [](const std::vector<std::uint8_t>& record) {
        const ConstBytes got = recordBuffer(KindRejfor);
        return std::equal(got.begin(), got.end(), record.begin(), record.end());
    };
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    do // until the writer's first record is there
        LoadForAccount(KindRejfor, "002", 1);
    while (!is(first) && std::chrono::steady_clock::now() < until);

    // At least 5,000 reads, and on a busy machine as many more as it takes
    // to see the writer change the record in between.
    int ofFirst = 0, ofSecond = 0, torn = 0;
    for (int read = 0; read < 5000 || ((ofFirst == 0 || ofSecond == 0) && std::chrono::steady_clock::now() < until);
         ++read) {
        LoadForAccount(KindRejfor, "002", 1);
        ofFirst += is(first);
        ofSecond += is(second);
        torn += !is(first) && !is(second);
    }
    writer.stop();
    EXPECT_EQ(torn, 0);
    EXPECT_GT(ofFirst, 0); // the reads really ran while the record changed
    EXPECT_GT(ofSecond, 0);
}

// A record being read is written only once the read is done. The read's
// lock is held here through one handle (closing any other handle of the
// file would drop a POSIX lock), and the record is looked at through it.
TEST(TwoCopies, AWriteWaitsUntilTheOtherCopysReadIsDone)
{
    TempDir dir;
    RecordFileBuilder file(KindRejfor, 4);
    file.inUse(2, "002", 1);
    file.save();
    const std::uint64_t size = kindAt(KindRejfor).recordSize;
    const auto recordNow = [&](native::Handle h) {
        std::vector<std::uint8_t> got(size);
        native::read(h, 2 * size, got.data(), got.size(), "REJFOR.Rdx");
        return got;
    };
    const native::Handle reading = native::open("REJFOR.Rdx", native::Access::ReadOnly);
    ASSERT_TRUE(native::lock(reading, 2 * size, size, false));
    const auto before = recordNow(reading);

    OtherCopy writer("TwoCopies.DISABLED_WritesAccount2Once");
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_EQ(recordNow(reading), before);
    native::unlock(reading, 2 * size, size);
    native::close(reading);
    ASSERT_EQ(writer.wait(), 0);
    LoadForAccount(KindRejfor, "002", 1);
    const ConstBytes got = recordBuffer(KindRejfor);
    EXPECT_TRUE(std::ranges::equal(got, recordFilledWith('A')));
}

TEST(TwoCopies, AFileThatAppearedMeanwhileIsNotCreatedOver)
{
    TempDir dir;
    const std::vector<std::uint8_t> theirs(100, 'T'), ours(40, 'O');
    ASSERT_TRUE(createNewFile("REJFOR.Rdx", theirs.data(), theirs.size()));
    EXPECT_FALSE(createNewFile("REJFOR.Rdx", ours.data(), ours.size()));
    EXPECT_EQ(readTextFile("REJFOR.Rdx"), std::string(100, 'T'));
    EXPECT_EQ(std::distance(fs::directory_iterator("."), fs::directory_iterator()), 1); // no temporary left
}

TEST(TwoCopies, StartingTogetherInAnEmptyDirectoryNeverCutsWhatTheOtherSaved)
{
    for (int round = 0; round < 200; ++round) {
        TempDir dir;
        OtherCopy other("TwoCopies.DISABLED_StartsUp");
        ScriptedMessages messages;
        inic(messages);
        // The first copy saves a record while the other may still be starting.
        ClearRecord(KindRejfor);
        setStr(recordBuffer(KindRejfor), nip::account_no, "001");
        ASSERT_TRUE(WriteRecord(KindRejfor));
        ASSERT_EQ(other.wait(), 0) << "round " << round;
        ASSERT_EQ(fs::file_size("REJFOR.Rdx"), 4u * kindAt(KindRejfor).recordSize) << "round " << round;
        LoadForAccount(KindRejfor, "001", 0);
        ASSERT_EQ(getStr(recordBuffer(KindRejfor), nip::account_no), "001") << "round " << round;
    }
}

} // namespace
