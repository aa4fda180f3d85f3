#include "file_access.h"

#include <algorithm>
#include <fstream>
#include <system_error>

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

class StreamSink final : public ByteSink {
public:
    explicit StreamSink(const std::filesystem::path& file) : out_(file, std::ios::binary | std::ios::trunc) {}
    bool IsOpen() const { return out_.is_open(); }
    bool Write(std::span<const std::uint8_t> bytes) override {
        out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        return static_cast<bool>(out_);
    }
    bool Close() override {
        out_.flush();
        const bool ok = static_cast<bool>(out_);
        out_.close();
        return ok && !out_.fail();
    }

private:
    std::ofstream out_;
};

// Removes a pending file left by a failed write; never anything that is not a plain file.
void RemovePending(const std::filesystem::path& pending) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(pending, ec))) std::filesystem::remove(pending, ec);
}

}  // namespace

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

IoResult FileAccess::CreateEmptyFile(const std::filesystem::path& file) {
    std::ofstream out(file, std::ios::binary | std::ios::app);
    if (!out) return IoResult::Failure(text_gbk::kReasonCannotOpen);
    return {};
}

IoResult FileAccess::ReadFile(const std::filesystem::path& file, std::size_t maxBytes, std::vector<std::uint8_t>& bytes) {
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return IoResult::Failure(text_gbk::kReasonCannotOpen);
    std::ifstream in(file, std::ios::binary);
    if (!in) return IoResult::Failure(text_gbk::kReasonCannotOpen);
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) return IoResult::Failure(text_gbk::kReasonCannotRead + OsDetail(ec));
    bytes.assign(static_cast<std::size_t>(std::min<std::uintmax_t>(size, maxBytes)), 0);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size()) return IoResult::Failure(text_gbk::kReasonCannotRead);
    return {};
}

std::unique_ptr<ByteSink> FileAccess::OpenSink(const std::filesystem::path& file) {
    auto sink = std::make_unique<StreamSink>(file);
    if (!sink->IsOpen()) return nullptr;
    return sink;
}

IoResult FileAccess::WriteReplacing(const std::filesystem::path& file, std::span<const std::uint8_t> bytes) {
    const auto pending = PendingFileFor(file);
    std::error_code ec;
    auto sink = OpenSink(pending);
    if (!sink) return IoResult::Failure(text_gbk::kReasonCannotCreateNew);
    const bool written = sink->Write(bytes);
    const bool closed = sink->Close();
    sink.reset();
    if (!written || !closed) {
        RemovePending(pending);
        return IoResult::Failure(text_gbk::kReasonWriteCutShort);
    }
    // The new file takes the permissions of the one it replaces.
    const auto status = std::filesystem::status(file, ec);
    if (!ec && std::filesystem::exists(status)) std::filesystem::permissions(pending, status.permissions(), ec);
    std::filesystem::rename(pending, file, ec);
    if (ec) {
        const std::string detail = OsDetail(ec);
        RemovePending(pending);
        return IoResult::Failure(text_gbk::kReasonCannotReplace + detail);
    }
    return {};
}

IoResult FileAccess::CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (!FileExists(from)) return IoResult::Failure(text_gbk::kReasonNoOriginal);
    const auto pending = PendingFileFor(to);
    std::error_code ec;
    std::filesystem::copy_file(from, pending, std::filesystem::copy_options::overwrite_existing, ec);
    if (ec) {
        const std::string detail = OsDetail(ec);
        RemovePending(pending);
        return IoResult::Failure(text_gbk::kReasonCannotCopy + detail);
    }
    std::filesystem::rename(pending, to, ec);
    if (ec) {
        const std::string detail = OsDetail(ec);
        RemovePending(pending);
        return IoResult::Failure(text_gbk::kReasonCannotReplace + detail);
    }
    return {};
}

}  // namespace busho
