#include "core/print/pdf_output.h"

#include "core/common/io_error.h"
#include "support/io_error_code.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

const std::vector<unsigned char> kWholePdf = {'%', 'P', 'D', 'F', '\n', '%', '%', 'E', 'O', 'F', '\n'};
const std::vector<unsigned char> kOld = {'o', 'l', 'd'};

struct PdfOutputTest : ::testing::Test {
    TempDir dir;

    static std::size_t temporaries()
    {
        std::size_t n = 0;
        for (const auto& entry : fs::recursive_directory_iterator("."))
            n += entry.path().filename().string().starts_with(".zgloszenia-");
        return n;
    }
};

TEST_F(PdfOutputTest, AnUnfinishedFileLeavesTheTargetAsItWas)
{
    writeBytes("out.pdf", kOld);
    {
        PdfOutput output("out.pdf");
        writeBytes(output.temporaryName(), {'%', 'P', 'D', 'F', '\n', '1', '2'});
        try {
            output.commit();
            ADD_FAILURE() << "committed";
        } catch (const IoError& e) {
            EXPECT_EQ(std::string(e.what()), "I/O error 31: out.pdf");
        }
    }
    EXPECT_EQ(fileBytes("out.pdf"), kOld);
    EXPECT_EQ(temporaries(), 0u);
}

TEST_F(PdfOutputTest, AWholeFileReplacesTheTargetBehindItsLinkAndKeepsItsMode)
{
#ifdef _WIN32
    GTEST_SKIP() << "symbolic links need administrator rights on Windows, which has no POSIX modes";
#endif
    fs::create_directory("share");
    writeBytes("share/out.pdf", kOld);
    ::chmod("share/out.pdf", 0640);
    fs::create_symlink("share/out.pdf", "out.pdf");
    {
        PdfOutput output("out.pdf");
        writeBytes(output.temporaryName(), kWholePdf);
        output.commit();
    }
    EXPECT_TRUE(fs::is_symlink("out.pdf"));
    EXPECT_EQ(fileBytes("share/out.pdf"), kWholePdf);
    struct stat st {};
    ::stat("share/out.pdf", &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(temporaries(), 0u);
}

TEST_F(PdfOutputTest, FailuresNameTheTarget)
{
    writeBytes("read-only.pdf", kOld);
    ::chmod("read-only.pdf", 0444);
    EXPECT_EQ(ioErrorCode([] { PdfOutput("read-only.pdf"); }), IoError::AccessDenied);
    EXPECT_EQ(ioErrorCode([] { PdfOutput("."); }), IoError::AccessDenied);
#ifdef _WIN32 // which tells a missing folder from a missing file, and has no device that is always full
    EXPECT_EQ(ioErrorCode([] { PdfOutput("no-dir/out.pdf"); }), IoError::PathNotFound);
#else
    EXPECT_EQ(ioErrorCode([] { PdfOutput("no-dir/out.pdf"); }), IoError::FileNotFound);
    try {
        PdfOutput device("/dev/full");
        writeBytes(device.temporaryName(), kWholePdf);
        device.commit();
        ADD_FAILURE() << "committed";
    } catch (const IoError& e) {
        EXPECT_EQ(std::string(e.what()), "Disk full: /dev/full");
    }
#endif
    EXPECT_EQ(fileBytes("read-only.pdf"), kOld);
}

} // namespace
