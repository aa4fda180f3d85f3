#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "allocation_meter.h"
#include "core/data/officer_file.h"
#include "core/os/wine_prefix.h"
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

// \xNNNN escapes: one to four hex digits; a "\x" without one is the letter x, never a crash.
TEST(WinePrefix, HexEscapesAreCheckedDigits) {
    const struct {
        const char* stored;  // as user.reg holds it between the quotes
        const char* read;
    } cases[] = {
        {R"(C:\\A\x4e2d)", "C:\\A\xe4\xb8\xad"},
        {R"(\x41B)", "\xd0\x9b"},  // up to four digits: one code, U+041B
        {R"(\x41)", "A"},
        {R"(\xzz)", "xzz"},
        {R"(\x)", "x"},
        {R"(C:\\KOEI\x-12)", "C:\\KOEI" "x-12"},
        {R"(\x 41)", "x 41"},
        {R"(\x+41)", "x+41"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        TempFolder folder;
        WriteText(folder.Path() / "user.reg", std::string("[Software\\\\Test] 1\n\"Value\"=\"") + c.stored + "\"\n");
        const auto value = ReadUserRegistry(folder.Path(), "Software\\Test", "Value");
        ASSERT_TRUE(value);
        EXPECT_EQ(*value, c.read);
    }
}

// Values that once ended the program: a bad escape in the install key, a shell folder with a name
// longer than any file system allows. Both are simply not found.
TEST(WinePrefix, BrokenValuesAreNotFoundInsteadOfEndingTheProgram) {
    Prefix prefix;
    WriteText(prefix.path / "user.reg",
              "[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1\n\"InstallInfo\"=\"C:\\\\KOEI\\xZZ\\\\\"\n"
              "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
              "\"Personal\"=\"C:\\\\users\\\\" + std::string(300, 'd') + "\\\\Documents\"\n");
    const WineLocation location = LocateInWinePrefix(prefix.path, kEditionTraditionalChinese);
    EXPECT_EQ(location.gameFolder, prefix.path / "drive_c" / "KOEIxZZ" / "");
    // The shell folder cannot exist: the first user's Documents is taken instead.
    EXPECT_FALSE(location.documentsFolder.empty());
}

// A user.reg of 2 GiB (sparse on disk) is refused unread: no more memory than a small file costs.
TEST(WinePrefix, HugeRegistryIsRefusedWithoutReadingIt) {
    Prefix prefix;
    std::filesystem::resize_file(prefix.path / "user.reg", std::uint64_t{2} << 30);
    std::optional<std::string> value;
    std::size_t allocated = 0;
    {
        testing::AllocationMeter meter;
        value = ReadUserRegistry(prefix.path, "Software\\KOEI\\Nobunaga12PK TC\\Install", "InstallInfo");
        allocated = meter.BytesAllocated();
    }
    EXPECT_FALSE(value);
    EXPECT_LT(allocated, std::size_t{1} << 20);
}

// A registry as large as allowed is still read.
TEST(WinePrefix, RegistryUpToTheLimitIsRead) {
    Prefix prefix;
    std::string reg = "[Software\\\\Test] 1\n\"Value\"=\"found\"\n";
    reg.resize(kMaxUserRegistryBytes, '\n');
    WriteText(prefix.path / "user.reg", reg);
    EXPECT_EQ(ReadUserRegistry(prefix.path, "Software\\Test", "Value"), std::optional<std::string>("found"));
    reg.push_back('\n');
    WriteText(prefix.path / "user.reg", reg);
    EXPECT_FALSE(ReadUserRegistry(prefix.path, "Software\\Test", "Value"));
}

// A FIFO named user.reg is refused at once instead of waiting for a writer.
TEST(WinePrefix, RegistryThatIsAFifoIsNotRead) {
    Prefix prefix;
    std::filesystem::remove(prefix.path / "user.reg");
    ASSERT_EQ(mkfifo((prefix.path / "user.reg").c_str(), 0600), 0);
    EXPECT_FALSE(ReadUserRegistry(prefix.path, "Software\\KOEI\\Nobunaga12PK TC\\Install", "InstallInfo"));
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
