// busho where --edition tc|jp [--wine-prefix DIR]: which game folder and officer file, and why.

#include "commands.h"
#include "core/data/officer_file.h"
#include "core/os/wine_prefix.h"

namespace busho::cli {

int Where(const Context& c, std::uint8_t edition, const std::optional<std::filesystem::path>& winePrefix) {
    const auto prefix = FindWinePrefix(winePrefix);
    if (!prefix) {
        c.err << "busho: no Wine prefix with a drive_c folder at "
              << (winePrefix ? PathToUtf8(*winePrefix) : std::string("$WINEPREFIX or ~/.wine")) << '\n';
        return kExitFailed;
    }
    const auto location = LocateInWinePrefix(*prefix, edition);
    if (location.gameFolder.empty()) {
        c.err << "busho: " << PathToUtf8(*prefix / "user.reg") << ": no InstallInfo under HKEY_CURRENT_USER\\"
              << InstallKeyFor(edition) << '\n';
        return kExitFailed;
    }
    if (location.documentsFolder.empty()) {
        c.err << "busho: " << PathToUtf8(*prefix / "drive_c" / "users") << ": no user's Documents folder\n";
        return kExitFailed;
    }
    c.out << "game folder: " << PathToUtf8(location.gameFolder) << "  (InstallInfo of HKEY_CURRENT_USER\\"
          << InstallKeyFor(edition) << " in Wine prefix " << PathToUtf8(*prefix) << ")\n"
          << "officer file: " << PathToUtf8(OfficerFilePathFor(edition, location.documentsFolder))
          << "  (Documents folder of Wine prefix " << PathToUtf8(*prefix) << ")\n";
    return kExitOk;
}

}  // namespace busho::cli
