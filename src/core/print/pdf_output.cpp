#include "core/print/pdf_output.h"

#include "core/common/file_io.h"
#include "core/common/io_error.h"
#include "core/common/utf8_path.h"

#include <filesystem>
#include <string_view>

namespace {

namespace fs = std::filesystem;

// Every PDF ends with this mark within its last bytes.
constexpr std::string_view kEndMark = "%%EOF";
constexpr std::size_t kTailBytes = 32;

std::string directoryOf(const std::string& path)
{
    const std::size_t separator = path.find_last_of("/\\");
    if (separator == std::string::npos)
        return ".";
    return path.substr(0, separator == 0 ? 1 : separator);
}

std::string temporaryDirectory(const std::string& target)
{
    std::error_code error;
    std::string dir = utf8Text(fs::temp_directory_path(error));
    if (error)
        throw IoError::fromErrorCode(error, target);
    while (dir.size() > 1 && (dir.back() == '/' || dir.back() == '\\'))
        dir.pop_back();
    return dir;
}

// The operator knows the file by the name given, not by where its links lead.
template <class Operation>
void namingTarget(const std::string& target, Operation&& operation)
{
    try {
        operation();
    } catch (const IoError& e) {
        throw IoError(e.code(), target);
    }
}

void removeQuietly(const std::string& path)
{
    std::error_code ignored;
    fs::remove(utf8Path(path), ignored);
}

} // namespace

PdfOutput::PdfOutput(const std::string& target) : target_(target), destination_(linkTarget(target))
{
    std::error_code ignored;
    const fs::file_status status = fs::status(utf8Path(destination_), ignored);
    const bool regular = fs::is_regular_file(status);
    if (fs::is_directory(status) || (regular && isReadOnlyFile(destination_)))
        throw IoError(IoError::AccessDenied, target_);
    copyIntoTarget_ = fs::exists(status) && !regular;
    namingTarget(target_, [&] {
        const std::string dir = copyIntoTarget_ ? temporaryDirectory(target_) : directoryOf(destination_);
        temporary_ = createUniqueFile(dir, ".zgloszenia-", ".pdf");
        // The finished file gets the mode a new file has, or the one the
        // replaced file had.
        try {
            if (regular)
                copyFileMode(destination_, temporary_);
        } catch (const IoError&) {
            removeQuietly(temporary_);
            throw;
        }
    });
}

PdfOutput::~PdfOutput()
{
    if (!committed_ || copyIntoTarget_)
        removeQuietly(temporary_);
}

void PdfOutput::checkWhole() const
{
    bool whole = false;
    try {
        DataFile file(temporary_);
        file.sync();
        const std::uint64_t size = file.size();
        const std::size_t n = size < kTailBytes ? static_cast<std::size_t>(size) : kTailBytes;
        char tail[kTailBytes] = {};
        file.readAt(size - n, tail, n);
        whole = std::string_view(tail, n).find(kEndMark) != std::string_view::npos;
    } catch (const IoError&) {
        // A file that cannot be read back is no whole one.
    }
    if (whole)
        return;
    // The painter keeps the reason to itself: a full file system is the
    // usual one and can be told.
    std::error_code error;
    const bool full = fs::space(utf8Path(directoryOf(temporary_)), error).available == 0 && !error;
    throw IoError(full ? IoError::DiskFull : IoError::DeviceFailure, target_);
}

void PdfOutput::copyIntoTarget() const
{
    namingTarget(target_, [&] { copyIntoFile(temporary_, destination_); });
}

void PdfOutput::commit()
{
    checkWhole();
    if (copyIntoTarget_) {
        copyIntoTarget();
    } else {
        std::error_code error;
        fs::rename(utf8Path(temporary_), utf8Path(destination_), error);
        if (error)
            throw IoError::fromErrorCode(error, target_);
    }
    committed_ = true;
}
