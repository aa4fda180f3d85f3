#pragma once
// The file operations that loading and saving need. Writing always goes to a new file beside the
// target that then replaces it, so a failure part-way leaves the old file as it was. Tests replace
// parts of this (a writer that fails after some bytes, a read that fails once).

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace busho {

struct IoResult {
    bool ok = true;
    std::string reason;  // GBK interface text when !ok
    static IoResult Failure(std::string reason) { return {false, std::move(reason)}; }
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual bool Write(std::span<const std::uint8_t> bytes) = 0;
    virtual bool Close() = 0;  // flushes; false when the bytes did not all reach the file
};

class FileAccess {
public:
    virtual ~FileAccess() = default;
    virtual bool FolderExists(const std::filesystem::path& folder);
    virtual bool FileExists(const std::filesystem::path& file);
    virtual IoResult CreateEmptyFile(const std::filesystem::path& file);
    // Reads at most maxBytes from the start of the file.
    virtual IoResult ReadFile(const std::filesystem::path& file, std::size_t maxBytes, std::vector<std::uint8_t>& bytes);
    // Copies `from` over `to` through a new file beside `to`: an earlier `to` survives a failure.
    virtual IoResult CopyReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
    // Writes the bytes to a new file beside `file`, then replaces `file` with it.
    virtual IoResult WriteReplacing(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

protected:
    virtual std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& file);
};

// The name of the new file written beside `file` before it replaces it.
std::filesystem::path PendingFileFor(const std::filesystem::path& file);

}  // namespace busho
