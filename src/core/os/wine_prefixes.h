#pragma once
// The Wine prefixes a user may have installed the game in, and the game inside one of them, for the
// folder chooser that offers them.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "wine_prefix.h"

namespace busho {

// Each prefix once, in this order: the one given, $WINEPREFIX, ~/.wine, then the folders under
// ~/.local/share/wineprefixes (winetricks), ~/.PlayOnLinux/wineprefix and ~/Games (Lutris), by name.
// Only folders that hold a drive_c count.
std::vector<std::filesystem::path> WinePrefixesFound(const std::optional<std::filesystem::path>& given);

// The edition's game and the user's documents folder in a prefix: the install key as
// LocateInWinePrefix reads it, else the first of the usual install folders (C:\KOEI\, C:\Program
// Files\KOEI\, C:\Program Files (x86)\KOEI\ followed by the edition's folder) that holds the game's
// medium face archive.
WineLocation GameInWinePrefix(const std::filesystem::path& prefix, std::uint8_t edition);

}  // namespace busho
