#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "data/officer_file.h"
#include "data/wine_prefix.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::TempFolder;

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

// A prefix as Wine lays it out, with the game installed under names of another case.
struct Prefix {
    TempFolder folder;
    std::filesystem::path path = folder.Path() / "prefix";
    explicit Prefix(bool shellFolders = true) {
        std::string reg =
            "WINE REGISTRY Version 2\n;; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n\n#arch=win32\n\n"
            "[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1700000000\n#time=1d9e1f0a1b2c3d4\n"
            "\"InstallInfo\"=\"C:\\\\Program Files\\\\KOEI\\\\Nobunaga12 TC\\\\\"\n\n"
            "[software\\\\koei\\\\nobunaga12pk\\\\install] 1700000000\n"
            "\"Other\"=\"x\"\n\"installinfo\"=str(2):\"D:\\\\Games\\\\N12\\\\\"\n\n";
        if (shellFolders)
            reg += "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1700000000\n"
                   "\"Personal\"=\"C:\\\\users\\\\tester\\\\My Documents\"\n";
        WriteText(path / "user.reg", reg);
        std::filesystem::create_directories(path / "drive_c" / "program files" / "koei" / "NOBUNAGA12 TC" / "grp");
        WriteText(path / "drive_c" / "program files" / "koei" / "NOBUNAGA12 TC" / "grp" / "kao_l.N12", "x");
        std::filesystem::create_directories(path / "drive_c" / "users" / "Public" / "Documents");
        std::filesystem::create_directories(path / "drive_c" / "users" / "tester" / "My Documents");
        std::filesystem::create_directories(path / "drive_c" / "users" / "other" / "Documents");
        std::filesystem::create_directories(folder.Path() / "d-drive" / "Games" / "N12");
        std::filesystem::create_directories(path / "dosdevices");
        std::filesystem::create_symlink(folder.Path() / "d-drive", path / "dosdevices" / "d:");
    }
};

TEST(WinePrefix, RegistryValuesAreFoundWhateverTheCase) {
    Prefix prefix;
    EXPECT_EQ(ReadUserRegistry(prefix.path, "Software\\KOEI\\Nobunaga12PK TC\\Install", "InstallInfo"),
              std::optional<std::string>("C:\\Program Files\\KOEI\\Nobunaga12 TC\\"));
    EXPECT_EQ(ReadUserRegistry(prefix.path, "SOFTWARE\\KOEI\\NOBUNAGA12PK\\INSTALL", "InstallInfo"),
              std::optional<std::string>("D:\\Games\\N12\\"));
    EXPECT_FALSE(ReadUserRegistry(prefix.path, "Software\\KOEI\\Nobunaga12PK\\Install", "Missing"));
    EXPECT_FALSE(ReadUserRegistry(prefix.path, "Software\\KOEI\\Nobunaga11\\Install", "InstallInfo"));
    EXPECT_FALSE(ReadUserRegistry(prefix.folder.Path(), "Software\\KOEI\\Nobunaga12PK TC\\Install", "InstallInfo"));
}

TEST(WinePrefix, GameAndDocumentsAreMappedIntoThePrefix) {
    Prefix prefix;
    const WineLocation tc = LocateInWinePrefix(prefix.path, kEditionTraditionalChinese);
    EXPECT_EQ(tc.gameFolder, prefix.path / "drive_c" / "program files" / "koei" / "NOBUNAGA12 TC" / "");
    EXPECT_EQ(tc.documentsFolder, prefix.path / "drive_c" / "users" / "tester" / "My Documents");
    // Game files are found whatever the case of their names.
    EXPECT_EQ(GamePath(tc.gameFolder, "Grp\\KAO_l.n12"), tc.gameFolder / "grp" / "kao_l.N12");
    EXPECT_EQ(GamePath(tc.gameFolder, "Grp\\EDIT_KAO_l.n12"), tc.gameFolder / "grp" / "EDIT_KAO_l.n12");
    const WineLocation jp = LocateInWinePrefix(prefix.path, kEditionJapanese);
    EXPECT_EQ(jp.gameFolder, prefix.path / "dosdevices" / "d:" / "Games" / "N12" / "");
}

TEST(WinePrefix, DocumentsWithoutShellFoldersAreAUsersDocuments) {
    Prefix prefix(false);
    const char* user = std::getenv("USER");
    const std::string saved = user ? user : "";
    setenv("USER", "other", 1);
    EXPECT_EQ(LocateInWinePrefix(prefix.path, kEditionTraditionalChinese).documentsFolder,
              prefix.path / "drive_c" / "users" / "other" / "Documents");
    if (user) setenv("USER", saved.c_str(), 1);
    else unsetenv("USER");
}

TEST(WinePrefix, ThePrefixIsTheOneGivenElseWineprefixElseHome) {
    Prefix prefix;
    const char* wine = std::getenv("WINEPREFIX");
    const char* home = std::getenv("HOME");
    const std::string savedWine = wine ? wine : "", savedHome = home ? home : "";
    EXPECT_EQ(FindWinePrefix(prefix.path), prefix.path);
    EXPECT_FALSE(FindWinePrefix(prefix.folder.Path()));  // no drive_c there
    setenv("WINEPREFIX", prefix.path.c_str(), 1);
    EXPECT_EQ(FindWinePrefix(std::nullopt), prefix.path);
    unsetenv("WINEPREFIX");
    std::filesystem::create_directories(prefix.folder.Path() / "home" / ".wine" / "drive_c");
    setenv("HOME", (prefix.folder.Path() / "home").c_str(), 1);
    EXPECT_EQ(FindWinePrefix(std::nullopt), prefix.folder.Path() / "home" / ".wine");
    if (wine) setenv("WINEPREFIX", savedWine.c_str(), 1);
    if (home) setenv("HOME", savedHome.c_str(), 1);
}

TEST(WinePrefix, SpacesAroundTheInstallFolderAreTrimmed) {
    Prefix prefix;
    WriteText(prefix.path / "user.reg",
              "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1700000000\n"
              "\"InstallInfo\"=\"  C:\\\\Program Files\\\\KOEI\\\\Nobunaga12 TC  \"\n");
    EXPECT_EQ(LocateInWinePrefix(prefix.path, kEditionTraditionalChinese).gameFolder,
              prefix.path / "drive_c" / "program files" / "koei" / "NOBUNAGA12 TC" / "");
}

}  // namespace
}  // namespace busho
