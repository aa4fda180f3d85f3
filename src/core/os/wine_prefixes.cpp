#include "wine_prefixes.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "core/text/edition_codec.h"
#include "game_paths.h"

namespace busho {
namespace {

bool HoldsDriveC(const std::filesystem::path& prefix) {
    std::error_code ec;
    return std::filesystem::is_directory(prefix / "drive_c", ec);
}

// The folders in a folder, sorted by name; nothing when it cannot be read.
std::vector<std::filesystem::path> SubFolders(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->is_directory(ec)) found.push_back(it->path());
    std::sort(found.begin(), found.end());
    return found;
}

}  // namespace

std::vector<std::filesystem::path> WinePrefixesFound(const std::optional<std::filesystem::path>& given) {
    std::vector<std::filesystem::path> candidates;
    if (given) candidates.push_back(*given);
    if (const char* env = std::getenv("WINEPREFIX"); env && *env) candidates.emplace_back(env);
    if (const char* home = std::getenv("HOME"); home && *home) {
        const std::filesystem::path h(home);
        candidates.push_back(h / ".wine");
        for (const auto& folder : {h / ".local" / "share" / "wineprefixes", h / ".PlayOnLinux" / "wineprefix", h / "Games"})
            for (const auto& prefix : SubFolders(folder)) candidates.push_back(prefix);
    }
    std::vector<std::filesystem::path> prefixes;
    for (const auto& candidate : candidates) {
        const auto same = [&](const std::filesystem::path& p) { return p.lexically_normal() == candidate.lexically_normal(); };
        if (HoldsDriveC(candidate) && std::none_of(prefixes.begin(), prefixes.end(), same)) prefixes.push_back(candidate);
    }
    return prefixes;
}

WineLocation GameInWinePrefix(const std::filesystem::path& prefix, std::uint8_t edition) {
    WineLocation location = LocateInWinePrefix(prefix, edition);
    std::error_code ec;
    if (!location.gameFolder.empty() && std::filesystem::exists(GamePath(location.gameFolder, kStandardMediumFaces), ec)) return location;
    const std::string folder = edition == kEditionTraditionalChinese ? "Nobunaga12 TC" : "Nobunaga12";
    for (const char* parent : {"C:\\KOEI\\", "C:\\Program Files\\KOEI\\", "C:\\Program Files (x86)\\KOEI\\"}) {
        const auto mapped = MapWindowsPath(prefix, parent + folder + "\\");
        if (mapped && std::filesystem::exists(GamePath(*mapped, kStandardMediumFaces), ec)) {
            location.gameFolder = *mapped;
            return location;
        }
    }
    return location;
}

}  // namespace busho
