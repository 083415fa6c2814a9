#include "core/common/file_io.h"

#include "core/common/io_error.h"
#include "support/io_error_code.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>
#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(IoErrorNumbers, OperatingSystemErrorsGetTheRunTimesNumbers)
{
    const struct { int osError, code; const char* text; } cases[] = {
        {ENOENT, 2, "File not found"},       {ENOTDIR, 3, "I/O error 3"},    {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},    {EROFS, 5, "File access denied"}, {EBADF, 5, "File access denied"},
        {ENOSPC, 101, "Disk full"},
#ifdef EDQUOT
        {EDQUOT, 101, "Disk full"},
#endif
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

#ifdef _WIN32
TEST(IoErrorNumbers, WindowsErrorsGetTheNumbersTheirPosixTwinsGet)
{
    const struct { std::uint32_t osError; int code; } cases[] = { // as Windows numbers them
        {2, 2},    {3, 3},    {123, 3},   {4, 4},   {5, 5},   {19, 5},
        // A file another program holds or has locked: one this program may not use.
        {32, 5},   {33, 5},   {39, 101},  {112, 101},
        // The others are a device failure, never Windows' own number.
        {6, 31},   {21, 31},  {23, 31},   {1117, 31},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IoError::fromWindowsError(c.osError).code(), c.code) << c.osError;
}
#endif

struct DataFileTest : ::testing::Test {
    TempDir dir;
};

TEST_F(DataFileTest, PolishLettersOfANameReachTheFileSystem)
{
    const std::string name = "Łódź żółw.Rdx";
    writeTextFile(name, "ab");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(u8"Łódź żółw.Rdx")));
    writeTextFile(name, "cd");
    EXPECT_EQ(readTextFile(name), "cd");
}

#ifdef _WIN32
TEST_F(DataFileTest, TheLedgerSystemMayKeepItsFilesOpenMeanwhile)
{
    writeBytes("konta200.Rdx", {1, 2});
    const HANDLE ledger = ::CreateFileW(L"konta200.Rdx", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                        nullptr, OPEN_EXISTING, 0, nullptr);
    unsigned char b = 9;
    EXPECT_NO_THROW(DataFile("konta200.Rdx").writeAt(1, &b, 1));
    ::CloseHandle(ledger);
    EXPECT_EQ(fileBytes("konta200.Rdx"), (std::vector<unsigned char>{1, 9}));
}
#endif

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
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need administrator rights on Windows, which has no POSIX modes";
#endif
    std::filesystem::create_directory("share");
    writeBytes("share/margnip1.Rdx", {'a'});
    ::chmod("share/margnip1.Rdx", 0640);
    std::filesystem::create_symlink("share/margnip1.Rdx", "margnip1.Rdx");
    writeTextFile("margnip1.Rdx", "new");
    EXPECT_TRUE(std::filesystem::is_symlink("margnip1.Rdx"));
    EXPECT_EQ(fileBytes("share/margnip1.Rdx"), (std::vector<unsigned char>{'n', 'e', 'w'}));
    EXPECT_EQ(modeOf("share/margnip1.Rdx"), 0640u);
    EXPECT_EQ(std::filesystem::directory_iterator("share")->path().filename(), "margnip1.Rdx");
}

} // namespace
