#include "wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdlib>
#include <vector>

#include "file_access.h"

#include "game_paths.h"
#include "core/text/edition_codec.h"

namespace busho {
namespace {

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

// user.reg writes "\\" for "\" and escapes quotes; \xNNNN is a UTF-16 code in hex.
std::string Unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 >= text.size()) {
            out += text[i];
            continue;
        }
        const char e = text[++i];
        if (e == 'x') {
            // One to four hex digits; "\x" without one is kept as the letter, as for other escapes.
            unsigned code = 0;
            const char* first = text.data() + i + 1;
            const char* last = text.data() + std::min(text.size(), i + 5);
            const auto [end, ec] = std::from_chars(first, last, code, 16);
            if (ec != std::errc{} || first == last || !std::isxdigit(static_cast<unsigned char>(*first))) {
                out += e;
                continue;
            }
            if (code < 0x80) out += static_cast<char>(code);
            else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
            i = static_cast<std::size_t>(end - text.data()) - 1;
        } else if (e == 'n') {
            out += '\n';
        } else if (e == '0') {
            out += '\0';
        } else {
            out += e;
        }
    }
    return out;
}

// The entries of a folder; an error ends the list instead of throwing.
std::vector<std::filesystem::directory_entry> FolderEntries(const std::filesystem::path& folder) {
    std::vector<std::filesystem::directory_entry> entries;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) entries.push_back(*it);
    return entries;
}

std::string EscapedKey(std::string_view key) {
    std::string out;
    for (char c : key) {
        if (c == '\\') out += "\\\\";
        else out += c;
    }
    return out;
}

}  // namespace

const char* InstallKeyFor(std::uint8_t edition) {
    return edition == kEditionTraditionalChinese ? "Software\\KOEI\\Nobunaga12PK TC\\Install" : "Software\\KOEI\\Nobunaga12PK\\Install";
}

std::optional<std::filesystem::path> FindWinePrefix(const std::optional<std::filesystem::path>& given) {
    std::filesystem::path prefix;
    if (given) {
        prefix = *given;
    } else if (const char* env = std::getenv("WINEPREFIX"); env && *env) {
        prefix = env;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        prefix = std::filesystem::path(home) / ".wine";
    } else {
        return std::nullopt;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(prefix / "drive_c", ec)) return std::nullopt;
    return prefix;
}

std::optional<std::string> ReadUserRegistry(const std::filesystem::path& prefix, std::string_view key, std::string_view value) {
    FileAccess files;
    return ReadUserRegistry(prefix, key, value, files);
}

std::optional<std::string> ReadUserRegistry(const std::filesystem::path& prefix, std::string_view key, std::string_view value,
                                            FileAccess& files) {
    const auto bytes = files.ReadWholeFile(prefix / "user.reg", kMaxUserRegistryBytes);
    if (!bytes) return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
    const std::string wantedKey = "[" + Lower(EscapedKey(key)) + "]";
    const std::string wantedValue = "\"" + Lower(value) + "\"=";
    bool inKey = false;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t newline = std::min(text.find('\n', start), text.size());
        std::string_view line = text.substr(start, newline - start);
        start = newline + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && line[0] == '[') {
            // "[Software\\KOEI\\...] 1700000000": the key, then its time stamp.
            const auto close = line.find(']');
            inKey = close != std::string_view::npos && Lower(line.substr(0, close + 1)) == wantedKey;
            continue;
        }
        if (!inKey || Lower(line.substr(0, wantedValue.size())) != wantedValue) continue;
        std::string_view data = line.substr(wantedValue.size());
        if (data.starts_with("str(2):")) data.remove_prefix(7);  // an expandable string
        if (data.size() < 2 || data.front() != '"' || data.back() != '"') return std::nullopt;
        return Unescape(data.substr(1, data.size() - 2));
    }
    return std::nullopt;
}

std::filesystem::path ResolveIgnoringCase(const std::filesystem::path& path) {
    std::error_code ec;
    if (path.empty() || std::filesystem::exists(path, ec)) return path;
    std::filesystem::path resolved = path.root_path();
    for (const auto& part : path.relative_path()) {
        std::filesystem::path next = resolved / part;
        if (!std::filesystem::exists(next, ec) && std::filesystem::is_directory(resolved.empty() ? "." : resolved, ec)) {
            const std::string wanted = Lower(part.string());
            for (const auto& entry : FolderEntries(resolved.empty() ? "." : resolved)) {
                if (Lower(entry.path().filename().string()) == wanted) {
                    next = resolved / entry.path().filename();
                    break;
                }
            }
        }
        resolved = next;
    }
    return resolved;
}

std::optional<std::filesystem::path> MapWindowsPath(const std::filesystem::path& prefix, std::string_view windowsPath) {
    if (windowsPath.size() < 2 || windowsPath[1] != ':') return std::nullopt;
    const char drive = static_cast<char>(std::tolower(static_cast<unsigned char>(windowsPath[0])));
    std::filesystem::path root = drive == 'c' ? prefix / "drive_c" : prefix / "dosdevices" / std::string{drive, ':'};
    std::string rest(windowsPath.substr(2));
    const bool folder = !rest.empty() && (rest.back() == '\\' || rest.back() == '/');
    while (!rest.empty() && (rest.back() == '\\' || rest.back() == '/')) rest.pop_back();
    std::filesystem::path mapped = ResolveIgnoringCase(root / NativeRelativePath(rest));
    if (folder) mapped += std::filesystem::path::preferred_separator;
    return mapped;
}

WineLocation LocateInWinePrefix(const std::filesystem::path& prefix, std::uint8_t edition) {
    WineLocation location;
    if (const auto install = ReadUserRegistry(prefix, InstallKeyFor(edition), "InstallInfo")) {
        // The value holds the folder, sometimes followed by a NUL and stray bytes.
        std::string folder = install->substr(0, install->find('\0'));
        while (!folder.empty() && folder.back() == ' ') folder.pop_back();
        folder.erase(0, folder.find_first_not_of(' '));
        if (!folder.empty() && folder.back() != '\\') folder += '\\';
        if (const auto mapped = MapWindowsPath(prefix, folder)) location.gameFolder = *mapped;
    }
    // Documents: the shell folder the prefix names, else the first user's Documents.
    if (const auto personal = ReadUserRegistry(prefix, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", "Personal")) {
        std::error_code ec;
        if (const auto mapped = MapWindowsPath(prefix, *personal); mapped && std::filesystem::is_directory(*mapped, ec))
            location.documentsFolder = *mapped;
    }
    if (location.documentsFolder.empty()) {
        std::error_code ec;
        std::vector<std::filesystem::path> candidates;
        if (const char* user = std::getenv("USER"); user && *user) candidates.push_back(prefix / "drive_c" / "users" / user);
        for (const auto& entry : FolderEntries(prefix / "drive_c" / "users"))
            if (entry.is_directory(ec) && Lower(entry.path().filename().string()) != "public") candidates.push_back(entry.path());
        for (const auto& user : candidates) {
            for (const char* name : {"Documents", "My Documents"}) {
                const auto documents = ResolveIgnoringCase(user / name);
                if (std::filesystem::is_directory(documents, ec)) {
                    location.documentsFolder = documents;
                    return location;
                }
            }
        }
    }
    return location;
}

}  // namespace busho
