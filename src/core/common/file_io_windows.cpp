#include "core/common/file_io.h"
#include "core/common/file_io_native.h"
#include "core/common/io_error.h"

#include <windows.h>

#include <string_view>

namespace {

// Every file stays open to other programs, the ledger system included:
// for reading, writing, and renaming or deleting.
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// One transfer moves at most this much; the callers loop for the rest.
constexpr std::size_t kLargestTransfer = 1u << 30;

[[noreturn]] void throwLastError(const std::string& path) { throw IoError::fromWindowsError(::GetLastError(), path); }

std::wstring wide(std::string_view text)
{
    const int n = static_cast<int>(text.size());
    std::wstring result(static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, text.data(), n, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, text.data(), n, result.data(), static_cast<int>(result.size()));
    return result;
}

std::string utf8(std::wstring_view text)
{
    const int n = static_cast<int>(text.size());
    std::string result(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.data(), n, nullptr, 0, nullptr, nullptr)),
                       '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), n, result.data(), static_cast<int>(result.size()), nullptr, nullptr);
    return result;
}

HANDLE handle(native::Handle file) { return reinterpret_cast<HANDLE>(file); }

HANDLE openHandle(const std::string& path, DWORD access, DWORD disposition, DWORD flags = FILE_ATTRIBUTE_NORMAL)
{
    return ::CreateFileW(wide(path).c_str(), access, kShareAll, nullptr, disposition, flags, nullptr);
}

// The position of a transfer or a lock, as Windows takes it.
OVERLAPPED at(std::uint64_t offset)
{
    OVERLAPPED position{};
    position.Offset = static_cast<DWORD>(offset);
    position.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return position;
}

DWORD transferSize(std::size_t n) { return static_cast<DWORD>(n < kLargestTransfer ? n : kLargestTransfer); }

class OpenHandle {
public:
    explicit OpenHandle(HANDLE h) : h_(h) {}
    ~OpenHandle()
    {
        if (h_ != INVALID_HANDLE_VALUE)
            ::CloseHandle(h_);
    }
    OpenHandle(const OpenHandle&) = delete;
    OpenHandle& operator=(const OpenHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

} // namespace

namespace native {

Handle open(const std::string& path, Access access)
{
    const DWORD rights = access == Access::ReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    HANDLE file = openHandle(path, rights, access == Access::Create ? CREATE_ALWAYS : OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE && access == Access::ReadWrite
        && (::GetLastError() == ERROR_ACCESS_DENIED || ::GetLastError() == ERROR_WRITE_PROTECT))
        file = openHandle(path, GENERIC_READ, OPEN_EXISTING);
    if (file == INVALID_HANDLE_VALUE)
        throwLastError(path);
    return reinterpret_cast<Handle>(file);
}

void close(Handle file) { ::CloseHandle(handle(file)); }

std::uint64_t size(Handle file, const std::string& path)
{
    LARGE_INTEGER bytes{};
    if (!::GetFileSizeEx(handle(file), &bytes))
        throwLastError(path);
    return static_cast<std::uint64_t>(bytes.QuadPart);
}

std::size_t read(Handle file, std::uint64_t offset, void* data, std::size_t n, const std::string& path)
{
    OVERLAPPED position = at(offset);
    DWORD got = 0;
    if (!::ReadFile(handle(file), data, transferSize(n), &got, &position) && ::GetLastError() != ERROR_HANDLE_EOF)
        throwLastError(path);
    return got;
}

std::size_t write(Handle file, std::uint64_t offset, const void* data, std::size_t n, const std::string& path)
{
    OVERLAPPED position = at(offset);
    DWORD put = 0;
    if (!::WriteFile(handle(file), data, transferSize(n), &put, &position))
        throwLastError(path);
    return put;
}

void truncate(Handle file, std::uint64_t size)
{
    LARGE_INTEGER end{};
    end.QuadPart = static_cast<LONGLONG>(size);
    if (::SetFilePointerEx(handle(file), end, nullptr, FILE_BEGIN))
        ::SetEndOfFile(handle(file));
}

void sync(Handle file, const std::string& path)
{
    if (!::FlushFileBuffers(handle(file)))
        throwLastError(path);
}

bool lock(Handle file, std::uint64_t offset, std::uint64_t length, bool exclusive)
{
    OVERLAPPED position = at(offset);
    return ::LockFileEx(handle(file), exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0, static_cast<DWORD>(length),
                        static_cast<DWORD>(length >> 32), &position);
}

void unlock(Handle file, std::uint64_t offset, std::uint64_t length)
{
    OVERLAPPED position = at(offset);
    ::UnlockFileEx(handle(file), 0, static_cast<DWORD>(length), static_cast<DWORD>(length >> 32), &position);
}

bool createEmpty(const std::string& file, const std::string& path)
{
    const OpenHandle created(openHandle(file, GENERIC_READ | GENERIC_WRITE, CREATE_NEW));
    if (!created.valid() && (::GetLastError() == ERROR_FILE_EXISTS || ::GetLastError() == ERROR_ALREADY_EXISTS))
        return false;
    if (!created.valid())
        throwLastError(path);
    return true;
}

// Links on a data directory are a thing of POSIX shares: the path is used as given.
std::string finalTarget(const std::string& path) { return path; }

unsigned long processId() { return ::GetCurrentProcessId(); }

bool placeNew(const std::string& temporary, const std::string& target, const std::string& path, const void*, std::size_t)
{
    // Without MOVEFILE_REPLACE_EXISTING the move puts the file in place
    // whole and fails when one is there.
    const bool moved = ::MoveFileExW(wide(temporary).c_str(), wide(target).c_str(), MOVEFILE_WRITE_THROUGH);
    const DWORD error = ::GetLastError();
    if (moved)
        return true;
    ::DeleteFileW(wide(temporary).c_str());
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return false;
    throw IoError::fromWindowsError(error, path);
}

void replace(const std::string& temporary, const std::string& target, const std::string& path)
{
    if (!::MoveFileExW(wide(temporary).c_str(), wide(target).c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = ::GetLastError();
        ::DeleteFileW(wide(temporary).c_str());
        throw IoError::fromWindowsError(error, path);
    }
}

void remove(const std::string& file) { ::DeleteFileW(wide(file).c_str()); }

} // namespace native

bool fileExists(const std::string& path) { return ::GetFileAttributesW(wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string linkTarget(const std::string& path)
{
    const OpenHandle file(openHandle(path, 0, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS));
    if (!file.valid())
        return path;
    std::wstring name(MAX_PATH, L'\0');
    DWORD n = ::GetFinalPathNameByHandleW(file.get(), name.data(), static_cast<DWORD>(name.size()), VOLUME_NAME_DOS);
    if (n >= name.size()) {
        name.resize(n);
        n = ::GetFinalPathNameByHandleW(file.get(), name.data(), static_cast<DWORD>(name.size()), VOLUME_NAME_DOS);
    }
    if (n == 0 || n >= name.size())
        return path;
    name.resize(n);
    // The name comes as "\\?\C:\..." or "\\?\UNC\server\...".
    constexpr std::wstring_view kLongPrefix = L"\\\\?\\", kSharePrefix = L"\\\\?\\UNC\\";
    if (name.starts_with(kSharePrefix))
        return "\\\\" + utf8(std::wstring_view(name).substr(kSharePrefix.size()));
    if (name.starts_with(kLongPrefix))
        return utf8(std::wstring_view(name).substr(kLongPrefix.size()));
    return utf8(name);
}

bool isReadOnlyFile(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return true;
    const OpenHandle file(openHandle(path, GENERIC_WRITE, OPEN_EXISTING));
    return !file.valid() && ::GetLastError() == ERROR_ACCESS_DENIED;
}

void copyFileMode(const std::string& from, const std::string& to)
{
    constexpr DWORD kKept = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    const DWORD attributes = ::GetFileAttributesW(wide(from).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        throwLastError(to);
    const DWORD kept = attributes & kKept;
    if (!::SetFileAttributesW(wide(to).c_str(), kept ? kept : FILE_ATTRIBUTE_NORMAL))
        throwLastError(to);
}

void copyIntoFile(const std::string& from, const std::string& to)
{
    const OpenHandle in(openHandle(from, GENERIC_READ, OPEN_EXISTING));
    const OpenHandle out(openHandle(to, GENERIC_WRITE, OPEN_EXISTING));
    if (!in.valid() || !out.valid())
        throwLastError(to);
    char block[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(in.get(), block, sizeof block, &got, nullptr))
            throwLastError(to);
        if (got == 0)
            return;
        for (DWORD done = 0, put = 0; done < got; done += put)
            if (!::WriteFile(out.get(), block + done, got - done, &put, nullptr))
                throwLastError(to);
    }
}

bool folderReadable(const std::string& path)
{
    WIN32_FIND_DATAW entry;
    const HANDLE search = ::FindFirstFileW(wide(path + "\\*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    ::FindClose(search);
    return true;
}
