#include "core/common/file_io.h"

#include "core/common/io_error.h"
#include "support/io_error_code.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace {

TEST(IoErrorNumbers, OperatingSystemErrorsGetTheRunTimesNumbers)
{
    const struct {
        int osError;
        int code;
        const char* text;
    } cases[] = {
        {ENOENT, 2, "File not found"},       {ENOTDIR, 3, "I/O error 3"},    {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},    {EROFS, 5, "File access denied"}, {EBADF, 5, "File access denied"},
        {ENOSPC, 101, "Disk full"},          {EDQUOT, 101, "Disk full"},
        // The others are a device failure, never the operating system's own
        // number: EIO is 5 here and would read as "File access denied".
        {EIO, 31, "I/O error 31"},           {EINVAL, 31, "I/O error 31"},   {ENXIO, 31, "I/O error 31"},
        {EOVERFLOW, 31, "I/O error 31"},     {EINTR, 31, "I/O error 31"},    {EAGAIN, 31, "I/O error 31"},
    };
    for (const auto& c : cases) {
        const IoError e = IoError::fromErrno(c.osError);
        EXPECT_EQ(e.code(), c.code) << c.osError;
        EXPECT_STREQ(e.what(), c.text) << c.osError;
    }
}

struct DataFileTest : ::testing::Test {
    TempDir dir;
};

TEST_F(DataFileTest, WritingAFileOpenedReadOnlyIsAccessDenied)
{
    writeBytes("Bank.Rdx", {1, 2, 3});
    ioFaults().readOnlyPath = "Bank.Rdx";
    DataFile f("Bank.Rdx");
    unsigned char read[3] = {};
    f.readAt(0, read, 3);
    EXPECT_EQ(read[2], 3);
    const unsigned char b = 9;
    EXPECT_EQ(ioErrorCode([&] { f.writeAt(0, &b, 1); }), IoError::AccessDenied);
    EXPECT_EQ(fileBytes("Bank.Rdx"), (std::vector<unsigned char>{1, 2, 3}));
}

TEST_F(DataFileTest, OpenAndReadFailuresCarryTheirNumbers)
{
    writeBytes("short.Rdx", {1, 2});
    unsigned char b[4];
    EXPECT_EQ(ioErrorCode([] { DataFile("none.Rdx"); }), IoError::FileNotFound);
    EXPECT_EQ(ioErrorCode([] { DataFile("short.Rdx/x.Rdx"); }), IoError::PathNotFound);
    EXPECT_EQ(ioErrorCode([&] { DataFile("short.Rdx").readAt(0, b, 4); }), IoError::ReadBeyondEnd);
    ioFaults().failReadAfterBytes = 1;
    EXPECT_EQ(ioErrorCode([&] { DataFile("short.Rdx").readAt(0, b, 2); }), IoError::DeviceFailure);
}

TEST_F(DataFileTest, AFailedAppendIsCutBackToTheOldSize)
{
    writeBytes("REJFOR.Rdx", std::vector<unsigned char>(20, 0x5a));
    const std::vector<unsigned char> record(10, 7);
    for (const std::uint64_t offset : {20u, 40u}) { // right at the end, and past it
        ioFaults().failWriteAfterBytes = 4;
        DataFile f("REJFOR.Rdx");
        EXPECT_EQ(ioErrorCode([&] { f.writeAt(offset, record.data(), record.size()); }), IoError::DeviceFailure);
        EXPECT_EQ(fileBytes("REJFOR.Rdx"), std::vector<unsigned char>(20, 0x5a)) << offset;
    }
    // A failed rewrite inside the file changes no size.
    ioFaults().failWriteAfterBytes = 4;
    DataFile f("REJFOR.Rdx");
    EXPECT_EQ(ioErrorCode([&] { f.writeAt(15, record.data(), record.size()); }), IoError::DeviceFailure);
    EXPECT_EQ(fileBytes("REJFOR.Rdx").size(), 20u);
}

struct TextFileTest : DataFileTest {
    static unsigned modeOf(const char* name)
    {
        struct stat st {};
        ::stat(name, &st);
        return st.st_mode & 07777;
    }
};

TEST_F(TextFileTest, AReadOnlyFileIsRefusedAndKept)
{
    writeBytes("biuro.Rdx", {'a'});
    ::chmod("biuro.Rdx", 0444);
    EXPECT_EQ(ioErrorCode([] { writeTextFile("biuro.Rdx", "b"); }), IoError::AccessDenied);
    EXPECT_EQ(fileBytes("biuro.Rdx"), (std::vector<unsigned char>{'a'}));
    EXPECT_EQ(modeOf("biuro.Rdx"), 0444u);
    EXPECT_FALSE(std::filesystem::exists("biuro.Rdx.tmp"));
}

TEST_F(TextFileTest, SavingKeepsTheModeAndWritesThroughALink)
{
    std::filesystem::create_directory("share");
    writeBytes("share/margnip1.Rdx", {'a'});
    ::chmod("share/margnip1.Rdx", 0640);
    std::filesystem::create_symlink("share/margnip1.Rdx", "margnip1.Rdx");
    writeTextFile("margnip1.Rdx", "new");
    EXPECT_TRUE(std::filesystem::is_symlink("margnip1.Rdx"));
    EXPECT_EQ(fileBytes("share/margnip1.Rdx"), (std::vector<unsigned char>{'n', 'e', 'w'}));
    EXPECT_EQ(modeOf("share/margnip1.Rdx"), 0640u);
    EXPECT_EQ(std::filesystem::directory_iterator("share")->path().filename(), "margnip1.Rdx");

    // A failed save names the file, not its temporary copy.
    ioFaults().failWriteAfterBytes = 1;
    ioFaults().failCode = IoError::DiskFull;
    try {
        writeTextFile("margnip1.Rdx", "lost");
        ADD_FAILURE() << "saved";
    } catch (const IoError& e) {
        EXPECT_STREQ(e.what(), "Disk full: margnip1.Rdx");
    }
    EXPECT_EQ(fileBytes("share/margnip1.Rdx"), (std::vector<unsigned char>{'n', 'e', 'w'}));
}


} // namespace
