#pragma once
// Whether a game folder and a documents folder hold what the editor works with: the game's six face
// archives, and the folder of the edition's officer file (a missing file in it is created empty when
// the file is loaded, as for a player who has not registered an officer yet).

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace busho {

struct GameLocationCheck {
    std::vector<std::string> missingArchives;  // as the game names them, "Grp\KAO_m.n12"
    std::filesystem::path officerFolder;       // where the officer file belongs
    bool officerFolderFound = false;
    bool officerFileFound = false;

    bool GameFound() const { return missingArchives.empty(); }
    bool Complete() const { return GameFound() && officerFolderFound; }
};

// Names are matched whatever their case, as the game's files keep the names of their Windows copies.
GameLocationCheck CheckGameLocation(const std::filesystem::path& gameFolder, const std::filesystem::path& documentsFolder,
                                    std::uint8_t edition);

}  // namespace busho
