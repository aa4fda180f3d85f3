#include "game_location_check.h"

#include "core/os/game_paths.h"
#include "officer_file.h"

namespace busho {

GameLocationCheck CheckGameLocation(const std::filesystem::path& gameFolder, const std::filesystem::path& documentsFolder,
                                    std::uint8_t edition) {
    GameLocationCheck check;
    std::error_code ec;
    for (const char* archive : {kStandardLargeFaces, kStandardMediumFaces, kStandardSmallFaces, kEditLargeFaces, kEditMediumFaces,
                                kEditSmallFaces}) {
        if (gameFolder.empty() || !std::filesystem::is_regular_file(GamePath(gameFolder, archive), ec)) check.missingArchives.emplace_back(archive);
    }
    const std::filesystem::path file = OfficerFilePathFor(edition, documentsFolder);
    check.officerFolder = file.parent_path();
    if (documentsFolder.empty() || file.empty()) return check;
    const std::filesystem::path resolved = ResolveIgnoringCase(file);
    check.officerFolderFound = std::filesystem::is_directory(resolved.parent_path(), ec);
    check.officerFileFound = std::filesystem::is_regular_file(resolved, ec);
    return check;
}

}  // namespace busho
