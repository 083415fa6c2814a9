#include "common/file_io.h"

#include "common/io_error.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace {

// The numbers the run time gives its own texts or meanings to.
bool isKnownNumber(int code)
{
    return code == IoError::FileNotFound || code == IoError::PathNotFound || code == IoError::AccessDenied ||
           code == IoError::ReadBeyondEnd || code == IoError::DiskFull;
}

TEST(IoErrorNumbers, OperatingSystemErrorsGetTheRunTimesNumbers)
{
    const struct {
        int osError;
        int code;
        const char* text;
    } cases[] = {
        {ENOENT, 2, "File not found"},          {ENOTDIR, 3, "I/O error 3"},
        {EACCES, 5, "File access denied"},      {EPERM, 5, "File access denied"},
        {EROFS, 5, "File access denied"},       {EBADF, 5, "File access denied"},
        {ENOSPC, 101, "Disk full"},             {EDQUOT, 101, "Disk full"},
    };
    for (const auto& c : cases) {
        const IoError e = IoError::fromErrno(c.osError);
        EXPECT_EQ(e.code(), c.code) << c.osError;
        EXPECT_STREQ(e.what(), c.text) << c.osError;
    }
}

TEST(IoErrorNumbers, OtherErrorsNeverShowTheOperatingSystemsNumber)
{
    // EIO is 5 here: shown raw, a hardware read error would read as "File
    // access denied".
    for (const int osError : {EIO, EINVAL, ENXIO, EOVERFLOW, EINTR, EAGAIN}) {
        const IoError e = IoError::fromErrno(osError);
        EXPECT_FALSE(isKnownNumber(e.code())) << osError;
        EXPECT_NE(e.code(), osError);
        EXPECT_EQ(std::string(e.what()), "I/O error " + std::to_string(e.code())) << osError;
    }
    EXPECT_EQ(IoError::fromErrno(EIO).code(), IoError::DeviceFailure);
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
    try {
        const unsigned char b = 9;
        f.writeAt(0, &b, 1);
        FAIL() << "written";
    } catch (const IoError& e) {
        EXPECT_EQ(e.code(), IoError::AccessDenied);
        EXPECT_STREQ(e.what(), "File access denied");
    }
    EXPECT_EQ(fileBytes("Bank.Rdx"), (std::vector<unsigned char>{1, 2, 3}));
}

TEST_F(DataFileTest, OpenAndReadFailuresCarryTheirNumbers)
{
    const auto codeOf = [](auto operation) {
        try {
            operation();
        } catch (const IoError& e) {
            return e.code();
        }
        return 0;
    };
    writeBytes("short.Rdx", {1, 2});
    EXPECT_EQ(codeOf([] { DataFile("none.Rdx"); }), IoError::FileNotFound);
    EXPECT_EQ(codeOf([] { DataFile("short.Rdx/x.Rdx"); }), IoError::PathNotFound);
    EXPECT_EQ(codeOf([] {
        unsigned char b[4];
        DataFile("short.Rdx").readAt(0, b, 4);
    }),
              IoError::ReadBeyondEnd);
    ioFaults().failReadAfterBytes = 1;
    EXPECT_EQ(codeOf([] {
        unsigned char b[2];
        DataFile("short.Rdx").readAt(0, b, 2);
    }),
              IoError::DeviceFailure);
}

} // namespace
