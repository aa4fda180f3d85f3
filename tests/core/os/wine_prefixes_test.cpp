// The Wine prefixes the folder chooser offers, and the game found inside one.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "core/os/wine_prefixes.h"
#include "core/text/edition_codec.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

void MakePrefix(const std::filesystem::path& prefix) { std::filesystem::create_directories(prefix / "drive_c"); }

void Touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

// HOME and WINEPREFIX for one test, as they were afterwards.
class Environment {
public:
    Environment(const std::filesystem::path& home, const std::optional<std::filesystem::path>& winePrefix)
        : home_(Get("HOME")), winePrefix_(Get("WINEPREFIX")) {
        ::setenv("HOME", home.c_str(), 1);
        if (winePrefix) ::setenv("WINEPREFIX", winePrefix->c_str(), 1);
        else ::unsetenv("WINEPREFIX");
    }
    ~Environment() {
        Put("HOME", home_);
        Put("WINEPREFIX", winePrefix_);
    }

private:
    static std::optional<std::string> Get(const char* name) {
        const char* value = std::getenv(name);
        return value ? std::optional<std::string>(value) : std::nullopt;
    }
    static void Put(const char* name, const std::optional<std::string>& value) {
        if (value) ::setenv(name, value->c_str(), 1);
        else ::unsetenv(name);
    }
    std::optional<std::string> home_, winePrefix_;
};

TEST(WinePrefixes, EachOnceInOrderAndOnlyWithDriveC) {
    testing::TempFolder home;
    const auto& h = home.Path();
    MakePrefix(h / "custom");
    MakePrefix(h / ".wine");
    MakePrefix(h / ".local" / "share" / "wineprefixes" / "b");
    MakePrefix(h / ".local" / "share" / "wineprefixes" / "a");
    std::filesystem::create_directories(h / ".local" / "share" / "wineprefixes" / "c");  // no drive_c
    MakePrefix(h / ".PlayOnLinux" / "wineprefix" / "koei");
    MakePrefix(h / "Games" / "nobunaga");
    std::filesystem::create_directories(h / "Games" / "notes");
    // WINEPREFIX names ~/.wine once more, written another way.
    Environment environment(h, h / "." / ".wine");
    const std::vector<std::filesystem::path> expected = {
        h / "custom", h / "." / ".wine", h / ".local" / "share" / "wineprefixes" / "a", h / ".local" / "share" / "wineprefixes" / "b",
        h / ".PlayOnLinux" / "wineprefix" / "koei", h / "Games" / "nobunaga"};
    EXPECT_EQ(WinePrefixesFound(h / "custom"), expected);
    // A given folder without drive_c is no prefix.
    EXPECT_EQ(WinePrefixesFound(h / "missing").size(), expected.size() - 1);
}

TEST(WinePrefixes, NoneWithoutHomeOrPrefixes) {
    testing::TempFolder home;
    Environment environment(home.Path(), std::nullopt);
    EXPECT_TRUE(WinePrefixesFound(std::nullopt).empty());
}

TEST(WinePrefixes, GameFoundInTheUsualFoldersWhenTheRegistryHasNone) {
    testing::TempFolder home;
    const auto prefix = home.Path() / "wine";
    MakePrefix(prefix);
    Touch(prefix / "drive_c" / "Program Files (x86)" / "KOEI" / "Nobunaga12 TC" / "GRP" / "kao_m.n12");
    Touch(prefix / "drive_c" / "users" / "me" / "Documents" / "keep");
    Environment environment(home.Path(), std::nullopt);
    const WineLocation tc = GameInWinePrefix(prefix, kEditionTraditionalChinese);
    EXPECT_EQ(tc.gameFolder, prefix / "drive_c" / "Program Files (x86)" / "KOEI" / "Nobunaga12 TC" / "");
    EXPECT_EQ(tc.documentsFolder, prefix / "drive_c" / "users" / "me" / "Documents");
    EXPECT_TRUE(GameInWinePrefix(prefix, kEditionJapanese).gameFolder.empty());
}

TEST(WinePrefixes, InstallKeyWithoutTheGameGivesWayToAUsualFolder) {
    testing::TempFolder home;
    const auto prefix = home.Path() / "wine";
    MakePrefix(prefix);
    std::filesystem::create_directories(prefix / "drive_c" / "Old");
    Touch(prefix / "drive_c" / "KOEI" / "Nobunaga12" / "Grp" / "KAO_m.n12");
    std::ofstream(prefix / "user.reg") << "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga12PK\\\\Install] 1700000000\n"
                                          "\"InstallInfo\"=\"C:\\\\Old\\\\\"\n";
    Environment environment(home.Path(), std::nullopt);
    EXPECT_EQ(GameInWinePrefix(prefix, kEditionJapanese).gameFolder, prefix / "drive_c" / "KOEI" / "Nobunaga12" / "");
    // With the archive in the folder the key names, the key wins.
    Touch(prefix / "drive_c" / "Old" / "Grp" / "KAO_m.n12");
    EXPECT_EQ(GameInWinePrefix(prefix, kEditionJapanese).gameFolder, prefix / "drive_c" / "Old" / "");
}

}  // namespace
}  // namespace busho
