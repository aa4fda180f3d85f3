#pragma once
// The file operations that loading and saving need, and the only place in the core that calls the
// operating system for them (a POSIX and a Win32 branch).
//
// Reading opens without blocking and refuses anything that is not a regular file (a FIFO, a device,
// a folder) before a byte is read; every read is bounded by what the caller can hold.
// Writing is durable: the bytes go to a pending file beside the target, created exclusively and
// never through a symlink, which is flushed to disk, renamed over the target, and then the folder is
// flushed, so that a crash or a power loss leaves either the old file or the new one. Tests replace
// the steps (open, write, flush, close, rename, the backup copy) to make each of them fail.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "core/text/problem.h"

namespace busho {

// A regular file open for reading. Opening never blocks, and reads are positioned and exact, so a
// caller reads only the bytes it asks for.
class ReadableFile {
public:
    // The file at `path` when it is a regular file; the reason otherwise.
    static Result<std::unique_ptr<ReadableFile>> Open(const std::filesystem::path& path);
    ~ReadableFile();
    ReadableFile(const ReadableFile&) = delete;
    ReadableFile& operator=(const ReadableFile&) = delete;

    std::uint64_t Size() const { return size_; }
    // Reads exactly bytes.size() bytes from `offset`; false when the file does not hold them.
    bool ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes);

private:
    ReadableFile(std::intptr_t handle, std::uint64_t size) : handle_(handle), size_(size) {}
    std::intptr_t handle_;  // a file descriptor, or a Win32 HANDLE
    std::uint64_t size_;
};

// Where the bytes of a pending file go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    virtual bool Flush() = 0;  // the bytes written so far are on disk (fsync, FlushFileBuffers)
    virtual bool Close() = 0;  // false when the file could not be closed cleanly
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual bool FolderExists(const std::filesystem::path& folder);
    virtual bool FileExists(const std::filesystem::path& file);
    virtual Status CreateEmptyFile(const std::filesystem::path& file);
    // Reads at most maxBytes from the start of a regular file.
    virtual Result<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& file, std::size_t maxBytes);
    // Reads a whole regular file; a file larger than `limit` is refused before anything is read.
    virtual Result<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& file, std::size_t limit);
    // Copies `from` over `to` durably: an earlier `to` survives any failure.
    virtual Status CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
    // Writes the bytes durably to a new file beside `file`, then replaces `file` with it. A failure
    // with kReasonFolderNotFlushed means the new file is in place, but not known to be on disk.
    virtual Status WriteReplacing(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
    // The steps of WriteReplacing one by one, for a change that must reach several files or none:
    // each file's pending file is written and flushed first, and only when all are complete are they
    // renamed over their files; then the folder is flushed. A pending file that fails is removed.
    Status WritePending(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);
    Status RenamePending(const std::filesystem::path& file);
    Status FlushFolderOf(const std::filesystem::path& file);
    void DiscardPending(const std::filesystem::path& file);
    // The regular files directly inside `folder`, not in its sub-folders; empty when it cannot be read.
    virtual std::vector<std::filesystem::path> FilesIn(const std::filesystem::path& folder);
    // Removes a regular file; anything else at the name stays.
    virtual Status RemoveFile(const std::filesystem::path& file);
    // When the file was last written, and setting it (a backup records when it was made).
    virtual Result<std::chrono::system_clock::time_point> ModifiedTime(const std::filesystem::path& file);
    virtual Status SetModifiedTime(const std::filesystem::path& file, std::chrono::system_clock::time_point moment);

protected:
    // Creates the pending file exclusively, never through a symlink; nothing when that fails.
    virtual std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& pending);
    // Copies `from` into the pending file `pending` (created as OpenSink does) and flushes it.
    virtual Status CopyToPending(const std::filesystem::path& from, const std::filesystem::path& pending);
    // Renames `from` over `to` in one step (MoveFileExW with write-through on Windows).
    virtual std::error_code Rename(const std::filesystem::path& from, const std::filesystem::path& to);
    // Makes a rename inside `folder` durable (fsync of the folder; nothing to do on Windows).
    virtual bool FlushFolder(const std::filesystem::path& folder);

private:
    Status ReplaceWithPending(const std::filesystem::path& pending, const std::filesystem::path& target);
};

// The name of the new file written beside `file` before it replaces it.
std::filesystem::path PendingFileFor(const std::filesystem::path& file);

}  // namespace busho
