#include "file_access.h"

#include <algorithm>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "core/text/messages.h"

namespace busho {
namespace {

// The system's error text when it is plain ASCII (it may come in the user's locale otherwise).
std::string OsDetail(const std::error_code& ec) {
    if (!ec) return {};
    std::string text = ec.message();
    for (unsigned char c : text) {
        if (c >= 0x80) return " (errno " + std::to_string(ec.value()) + ")";
    }
    return " (" + text + ")";
}

std::error_code LastError() {
#ifdef _WIN32
    return {static_cast<int>(::GetLastError()), std::system_category()};
#else
    return {errno, std::generic_category()};
#endif
}

// The pending file as the OS seam writes it: created exclusively, never through a symlink.
class NativeSink final : public ByteSink {
public:
    static std::unique_ptr<NativeSink> Create(const std::filesystem::path& file) {
#ifdef _WIN32
        // CREATE_NEW fails on any existing name, a symlink included.
        HANDLE h = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
        if (h == INVALID_HANDLE_VALUE) return nullptr;
        return std::unique_ptr<NativeSink>(new NativeSink(reinterpret_cast<std::intptr_t>(h)));
#else
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) return nullptr;
        return std::unique_ptr<NativeSink>(new NativeSink(fd));
#endif
    }
    ~NativeSink() override { Close(); }

    bool Write(std::span<const std::uint8_t> bytes) override {
        if (!open_) return false;
        while (!bytes.empty()) {
#ifdef _WIN32
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
            DWORD written = 0;
            if (!::WriteFile(reinterpret_cast<HANDLE>(handle_), bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
#else
            const ssize_t written = ::write(static_cast<int>(handle_), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) return false;
#endif
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool Flush() override {
        if (!open_) return false;
#ifdef _WIN32
        return ::FlushFileBuffers(reinterpret_cast<HANDLE>(handle_)) != 0;
#else
        return ::fsync(static_cast<int>(handle_)) == 0;
#endif
    }

    bool Close() override {
        if (!open_) return true;
        open_ = false;
#ifdef _WIN32
        return ::CloseHandle(reinterpret_cast<HANDLE>(handle_)) != 0;
#else
        return ::close(static_cast<int>(handle_)) == 0;
#endif
    }

private:
    explicit NativeSink(std::intptr_t handle) : handle_(handle) {}
    std::intptr_t handle_;
    bool open_ = true;
};

// Removes a pending file left by a failed write; never anything that is not a plain file.
void RemovePending(const std::filesystem::path& pending) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(pending, ec))) std::filesystem::remove(pending, ec);
}

// A pending file from an earlier run that was killed part-way, or a symlink left at its name, goes
// before a new one is created. The link itself is removed, never what it points to; a folder stays
// and makes the exclusive creation fail.
void RemoveStalePending(const std::filesystem::path& pending) {
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(pending, ec);
#ifdef _WIN32
    // Windows deletes no read-only file: take the attribute off first.
    if (std::filesystem::is_regular_file(status))
        std::filesystem::permissions(pending, std::filesystem::perms::owner_write, std::filesystem::perm_options::add, ec);
#endif
    if (std::filesystem::is_regular_file(status) || std::filesystem::is_symlink(status)) std::filesystem::remove(pending, ec);
}

Problem TooLarge(std::size_t limit) { return Problem(TextId::kReasonFileTooLarge, {static_cast<std::int64_t>(limit)}); }

}  // namespace

// ---- Reading ----

Result<std::unique_ptr<ReadableFile>> ReadableFile::Open(const std::filesystem::path& path) {
#ifdef _WIN32
    HANDLE h = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        // CreateFileW opens no folder (without backup semantics): say what it is.
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return TextId::kReasonNotRegularFile;
        return TextId::kReasonCannotOpen;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(h) != FILE_TYPE_DISK || !::GetFileInformationByHandle(h, &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        ::CloseHandle(h);
        return TextId::kReasonNotRegularFile;
    }
    const std::uint64_t size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    return std::unique_ptr<ReadableFile>(new ReadableFile(reinterpret_cast<std::intptr_t>(h), size));
#else
    // O_NONBLOCK: opening a FIFO or a device returns at once instead of waiting for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return TextId::kReasonCannotOpen;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return TextId::kReasonNotRegularFile;
    }
    return std::unique_ptr<ReadableFile>(new ReadableFile(fd, static_cast<std::uint64_t>(st.st_size)));
#endif
}

ReadableFile::~ReadableFile() {
#ifdef _WIN32
    ::CloseHandle(reinterpret_cast<HANDLE>(handle_));
#else
    ::close(static_cast<int>(handle_));
#endif
}

bool ReadableFile::ReadAt(std::uint64_t offset, std::span<std::uint8_t> bytes) {
    while (!bytes.empty()) {
#ifdef _WIN32
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD got = 0;
        if (!::ReadFile(reinterpret_cast<HANDLE>(handle_), bytes.data(), chunk, &got, &at) || got == 0) return false;
#else
        const ssize_t got = ::pread(static_cast<int>(handle_), bytes.data(), bytes.size(), static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
#endif
        offset += static_cast<std::uint64_t>(got);
        bytes = bytes.subspan(static_cast<std::size_t>(got));
    }
    return true;
}

// ---- FileAccess ----

std::filesystem::path PendingFileFor(const std::filesystem::path& file) {
    std::filesystem::path pending = file;
    pending += ".new";
    return pending;
}

bool FileAccess::FolderExists(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder.empty() ? std::filesystem::path(".") : folder, ec);
}

bool FileAccess::FileExists(const std::filesystem::path& file) {
    std::error_code ec;
    return std::filesystem::exists(file, ec);
}

Status FileAccess::CreateEmptyFile(const std::filesystem::path& file) {
    // Only a name that nothing holds yet; exclusive, so nothing is opened that could block.
    auto sink = NativeSink::Create(file);
    if (!sink || !sink->Close()) return TextId::kReasonCannotOpen;
    return {};
}

Result<std::vector<std::uint8_t>> FileAccess::ReadFile(const std::filesystem::path& file, std::size_t maxBytes) {
    auto in = ReadableFile::Open(file);
    if (!in) return in.problem();
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(std::min<std::uint64_t>(in.value()->Size(), maxBytes)));
    if (!in.value()->ReadAt(0, bytes)) return TextId::kReasonCannotRead;
    return bytes;
}

Result<std::vector<std::uint8_t>> FileAccess::ReadWholeFile(const std::filesystem::path& file, std::size_t limit) {
    auto in = ReadableFile::Open(file);
    if (!in) return in.problem();
    if (in.value()->Size() > limit) return TooLarge(limit);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(in.value()->Size()));
    if (!in.value()->ReadAt(0, bytes)) return TextId::kReasonCannotRead;
    return bytes;
}

std::unique_ptr<ByteSink> FileAccess::OpenSink(const std::filesystem::path& pending) { return NativeSink::Create(pending); }

std::error_code FileAccess::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
#ifdef _WIN32
    if (!::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return LastError();
    return {};
#else
    if (::rename(from.c_str(), to.c_str()) != 0) return LastError();
    return {};
#endif
}

bool FileAccess::FlushFolder(const std::filesystem::path& folder) {
#ifdef _WIN32
    // MOVEFILE_WRITE_THROUGH has already made the rename durable.
    (void)folder;
    return true;
#else
    const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
    const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = ::fsync(fd) == 0;
    // File systems that cannot flush a folder (EINVAL) keep their renames by other means.
    if (!ok && errno == EINVAL) ok = true;
    ::close(fd);
    return ok;
#endif
}

Status FileAccess::CopyToPending(const std::filesystem::path& from, const std::filesystem::path& pending) {
    auto opened = ReadableFile::Open(from);
    if (!opened) return Problem(TextId::kReasonCannotCopyBecause).Because(opened.problem());
    ReadableFile* in = opened.value().get();
    auto out = NativeSink::Create(pending);
    if (!out) return TextId::kReasonCannotCreateNew;
    // Copied in pieces: the backup of any file costs a fixed amount of memory.
    std::vector<std::uint8_t> piece(std::size_t{1} << 16);
    for (std::uint64_t at = 0; at < in->Size();) {
        const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(piece.size(), in->Size() - at));
        const std::span<std::uint8_t> chunk(piece.data(), n);
        if (!in->ReadAt(at, chunk)) return TextId::kReasonCannotCopy;
        if (!out->Write(chunk)) return TextId::kReasonWriteCutShort;
        at += n;
    }
    if (!out->Flush()) return TextId::kReasonCannotFlush;
    if (!out->Close()) return TextId::kReasonCannotClose;
    return {};
}

Status FileAccess::ReplaceWithPending(const std::filesystem::path& pending, const std::filesystem::path& target) {
    // The new file takes the permissions of the one it replaces.
    std::error_code ec;
    const auto status = std::filesystem::status(target, ec);
    if (!ec && std::filesystem::exists(status)) std::filesystem::permissions(pending, status.permissions(), ec);
    ec = Rename(pending, target);
    if (ec) {
        const std::string detail = OsDetail(ec);
        RemovePending(pending);
        return Problem(TextId::kReasonCannotReplace, {detail});
    }
    return {};
}

Status FileAccess::WritePending(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    const auto pending = PendingFileFor(file);
    RemoveStalePending(pending);
    auto sink = OpenSink(pending);
    if (!sink) return TextId::kReasonCannotCreateNew;
    std::optional<TextId> failed;
    if (!sink->Write(bytes)) failed = TextId::kReasonWriteCutShort;
    else if (!sink->Flush()) failed = TextId::kReasonCannotFlush;
    const bool closed = sink->Close();
    if (!failed && !closed) failed = TextId::kReasonCannotClose;
    sink.reset();
    if (failed) {
        RemovePending(pending);
        return *failed;
    }
    return {};
}

Status FileAccess::RenamePending(const std::filesystem::path& file) { return ReplaceWithPending(PendingFileFor(file), file); }

Status FileAccess::FlushFolderOf(const std::filesystem::path& file) {
    if (!FlushFolder(file.parent_path())) return TextId::kReasonFolderNotFlushed;
    return {};
}

void FileAccess::DiscardPending(const std::filesystem::path& file) { RemovePending(PendingFileFor(file)); }

Status FileAccess::WriteReplacing(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    if (Status written = WritePending(file, bytes); !written) return written;
    if (Status renamed = RenamePending(file); !renamed) return renamed;
    return FlushFolderOf(file);
}

std::vector<std::filesystem::path> FileAccess::FilesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder.empty() ? std::filesystem::path(".") : folder, ec);
    for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->symlink_status(typeError).type() == std::filesystem::file_type::regular) files.push_back(it->path());
    }
    return files;
}

Status FileAccess::RemoveFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(file, ec))) return TextId::kReasonNotRegularFile;
    if (!std::filesystem::remove(file, ec) || ec) return Problem(TextId::kReasonCannotRemove, {OsDetail(ec)});
    return {};
}

Result<std::chrono::system_clock::time_point> FileAccess::ModifiedTime(const std::filesystem::path& file) {
    std::error_code ec;
    const auto written = std::filesystem::last_write_time(file, ec);
    if (ec) return TextId::kReasonCannotOpen;
    return std::chrono::time_point_cast<std::chrono::system_clock::duration>(std::chrono::file_clock::to_sys(written));
}

Status FileAccess::SetModifiedTime(const std::filesystem::path& file, std::chrono::system_clock::time_point moment) {
    std::error_code ec;
    std::filesystem::last_write_time(file, std::chrono::file_clock::from_sys(moment), ec);
    if (ec) return TextId::kReasonCannotOpen;
    return {};
}

Status FileAccess::CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!FileExists(from)) return TextId::kReasonNoOriginal;
    const auto pending = PendingFileFor(to);
    RemoveStalePending(pending);
    Status copied = CopyToPending(from, pending);
    if (!copied) {
        RemovePending(pending);
        return copied;
    }
    // A backup that may not be on disk is not one to rely on: every failure here is one.
    if (Status renamed = ReplaceWithPending(pending, to); !renamed) return renamed;
    return FlushFolderOf(to);
}

}  // namespace busho
