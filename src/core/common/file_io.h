#pragma once
#include "core/common/io_error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The one small layer through which every data file is opened, read and
// written. Each operation opens its file, works and closes it again; no
// file stays open between operations. Failures throw IoError. Paths are
// UTF-8 text; each platform has its own implementation (file_io_posix.cpp,
// file_io_windows.cpp) behind this one interface.
class DataFile {
public:
    enum class Mode { OpenExisting, Create };

    // Opens for reading and writing (falls back to read-only when writing is
    // not allowed, as ledger files may be); Create truncates or makes the file.
    DataFile(const std::string& path, Mode mode = Mode::OpenExisting);
    ~DataFile();
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    std::uint64_t size() const;
    // Reads exactly n bytes at offset; a short read is "Read beyond end of file".
    void readAt(std::uint64_t offset, void* data, std::size_t n) const;
    // Reads up to n bytes at offset and returns how many were read.
    std::size_t readSomeAt(std::uint64_t offset, void* data, std::size_t n) const;
    // One positioned write of the whole span; a failed write that would have
    // grown the file leaves it at its old size.
    void writeAt(std::uint64_t offset, const void* data, std::size_t n);
    // Returns once everything written is on the medium.
    void sync();

private:
    void writeAll(std::uint64_t offset, const void* data, std::size_t n);

    std::intptr_t handle_ = -1; // the operating system's: a descriptor or a HANDLE
    std::string path_;
};

bool fileExists(const std::string& path);
// The file a path names, links followed; the path itself when it names
// nothing yet.
std::string linkTarget(const std::string& path);

// Makes a file that does not exist yet, with its first contents, in one
// step: the contents are written beside it and put in place whole, never
// over a file that appeared meanwhile (another copy of the program starting
// in the same directory). A link that points nowhere yet is followed to
// where it points. False when the file was there by then; throws IoError
// naming the path, leaving nothing behind.
bool createNewFile(const std::string& path, const void* data, std::size_t size);

// Text files of the system (word lists, calibration files, the office
// identity): read whole, written whole (a failed write keeps the old file,
// a read-only file is "File access denied", the file keeps its mode).
std::optional<std::string> readTextFile(const std::string& path);
void writeTextFile(const std::string& path, const std::string& content);

// For files written beside their target and put in its place whole: true
// when the file is read-only or this process may not write it.
bool isReadOnlyFile(const std::string& path);
// Gives `to` the permissions of `from`; throws IoError naming `to`.
void copyFileMode(const std::string& from, const std::string& to);
// Makes a new empty file in `directory` named `prefix`, six letters or
// digits and `suffix`, and returns its path; throws IoError naming `directory`.
std::string createUniqueFile(const std::string& directory, std::string_view prefix, std::string_view suffix);
// Writes the contents of `from` into the existing `to` from its start, in
// order, as a device or a pipe takes them; throws IoError naming `to`.
void copyIntoFile(const std::string& from, const std::string& to);
// True when the files of the folder can be listed and read.
bool folderReadable(const std::string& path);

// Faults on purpose, for tests: make the n-th byte written or read fail,
// make opening a given file fail with a given error number, or let a given
// file be opened for reading only, as a file this process may not write.
struct IoFaults {
    std::optional<std::uint64_t> failWriteAfterBytes;  // bytes that still succeed
    std::optional<std::uint64_t> failReadAfterBytes;
    std::string failOpenPath;
    int failOpenCode = 0;
    int failCode = IoError::DeviceFailure; // the error of injected read/write faults
    std::string readOnlyPath;
    bool readOnlyMedium = false; // every file opens for reading only and none can be created
};
IoFaults& ioFaults();
void resetIoFaults();
