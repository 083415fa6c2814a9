#pragma once
// The operating system's side of the file layer, on which file_io.cpp
// builds the rest: one implementation per platform (file_io_posix.cpp,
// file_io_windows.cpp). Paths are UTF-8; failures throw IoError naming
// `path`, the file as the operator knows it.
#include <cstddef>
#include <cstdint>
#include <string>

namespace native {

using Handle = std::intptr_t;

// ReadWrite falls back to reading only where writing is not allowed (as
// ledger files may be); Create makes the file or empties it. Other programs
// may keep the file open meanwhile, for reading and writing.
enum class Access { ReadWrite, ReadOnly, Create };
Handle open(const std::string& path, Access access);
void close(Handle file);
std::uint64_t size(Handle file, const std::string& path);
// One positioned transfer of at most n bytes; a read gives 0 at the end.
std::size_t read(Handle file, std::uint64_t offset, void* data, std::size_t n, const std::string& path);
std::size_t write(Handle file, std::uint64_t offset, const void* data, std::size_t n, const std::string& path);
void truncate(Handle file, std::uint64_t size);
void sync(Handle file, const std::string& path);

// Byte-range locks between processes, waiting while another holds the
// range: shared for reading, exclusive for writing. False where the file
// system has no locks; the file is then worked on unlocked.
bool lock(Handle file, std::uint64_t offset, std::uint64_t length, bool exclusive);
void unlock(Handle file, std::uint64_t offset, std::uint64_t length);

// Makes an empty file; false when something of that name is there.
bool createEmpty(const std::string& file, const std::string& path);
// Where a chain of links ends, also when its last target does not exist.
std::string finalTarget(const std::string& path);
// For names of this process's temporary files.
unsigned long processId();
// Puts the whole `temporary` at `target` unless a file appeared there
// meanwhile (false then); the temporary is gone afterwards.
bool placeNew(const std::string& temporary, const std::string& target, const std::string& path, const void* data,
              std::size_t size);
// Puts `temporary` in place of `target` in one step; on failure the
// temporary is removed.
void replace(const std::string& temporary, const std::string& target, const std::string& path);
void remove(const std::string& file);

} // namespace native
