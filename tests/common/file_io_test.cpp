#include "common/file_io.h"

#include "common/io_error.h"
#include "support/io_error_code.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>

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

} // namespace
