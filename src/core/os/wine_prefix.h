#pragma once
// Finding the game and the documents folder inside a Wine prefix, on systems where the game runs
// under Wine: the install key in the prefix's user.reg, Windows paths mapped into the prefix, and
// names matched without regard to case as Windows does.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "game_paths.h"

namespace busho {

// The prefix to look in: the one given, else $WINEPREFIX, else ~/.wine; nothing when it holds no drive_c.
std::optional<std::filesystem::path> FindWinePrefix(const std::optional<std::filesystem::path>& given);

class FileAccess;

// A user.reg larger than this is not read: Wine's own are a few MiB at most.
inline constexpr std::size_t kMaxUserRegistryBytes = std::size_t{64} << 20;

// A string value of HKEY_CURRENT_USER as the prefix's user.reg holds it; nothing when the file is
// missing, not a regular file or larger than kMaxUserRegistryBytes.
std::optional<std::string> ReadUserRegistry(const std::filesystem::path& prefix, std::string_view key, std::string_view value);
std::optional<std::string> ReadUserRegistry(const std::filesystem::path& prefix, std::string_view key, std::string_view value,
                                            FileAccess& files);

// "C:\KOEI\Nobunaga12 TC\" inside the prefix (drive C: is drive_c, other drives through dosdevices).
std::optional<std::filesystem::path> MapWindowsPath(const std::filesystem::path& prefix, std::string_view windowsPath);

struct WineLocation {
    std::filesystem::path gameFolder;       // empty when the install key is missing
    std::filesystem::path documentsFolder;  // empty when no documents folder was found
};

// The game of the edition and the user's documents folder in the prefix.
WineLocation LocateInWinePrefix(const std::filesystem::path& prefix, std::uint8_t edition);

// The install key of the edition (under HKEY_CURRENT_USER).
const char* InstallKeyFor(std::uint8_t edition);

}  // namespace busho
