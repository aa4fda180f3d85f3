// What the check of a game folder and a documents folder finds missing.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "core/data/game_location_check.h"
#include "core/data/officer_file.h"
#include "core/text/edition_codec.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

void Touch(const std::filesystem::path& file) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "x";
}

const std::vector<std::string> kAllArchives = {"Grp\\KAO_l.n12", "Grp\\KAO_m.n12", "Grp\\KAO_s.n12",
                                               "Grp\\EDIT_KAO_l.n12", "Grp\\EDIT_KAO_m.n12", "Grp\\EDIT_KAO_s.n12"};

struct Case {
    const char* name;
    std::vector<std::string> archives;  // made in the game folder, as named here
    const char* officerFolder;          // made under the documents folder; nullptr: none
    bool officerFile;
    std::uint8_t edition;
    std::vector<std::string> missing;
    bool folderFound, fileFound;
};

TEST(GameLocationCheck, FindsWhatIsMissing) {
    const std::vector<Case> cases = {
        {"nothing there", {}, nullptr, false, kEditionTraditionalChinese, kAllArchives, false, false},
        {"the whole game in lower case, a folder without the file",
         {"grp/kao_l.n12", "grp/kao_m.n12", "grp/kao_s.n12", "grp/edit_kao_l.n12", "grp/edit_kao_m.n12", "grp/edit_kao_s.n12"},
         "KOEI/Nobunaga12 TC/EDIT/SETDATA", false, kEditionTraditionalChinese, {}, true, false},
        {"the edit faces missing, the file there",
         {"Grp/KAO_l.n12", "Grp/KAO_m.n12", "Grp/KAO_s.n12"}, "KOEI/Nobunaga12/EDIT/SETDATA", true, kEditionJapanese,
         {"Grp\\EDIT_KAO_l.n12", "Grp\\EDIT_KAO_m.n12", "Grp\\EDIT_KAO_s.n12"}, true, true},
        {"the other edition's folder", {}, "KOEI/Nobunaga12 TC/EDIT/SETDATA", true, kEditionJapanese, kAllArchives, false, false},
        {"a folder where an archive should be", {"Grp/KAO_m.n12/inside"}, nullptr, false, kEditionJapanese, kAllArchives, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempFolder root;
        const auto game = root.Path() / "game";
        const auto documents = root.Path() / "Documents";
        std::filesystem::create_directories(game);
        std::filesystem::create_directories(documents);
        for (const auto& archive : c.archives) Touch(game / archive);
        if (c.officerFolder) std::filesystem::create_directories(documents / c.officerFolder);
        if (c.officerFile) Touch(documents / c.officerFolder / "EDATA000.12Q");
        const GameLocationCheck check = CheckGameLocation(game, documents, c.edition);
        EXPECT_EQ(check.missingArchives, c.missing);
        EXPECT_EQ(check.officerFolderFound, c.folderFound);
        EXPECT_EQ(check.officerFileFound, c.fileFound);
        EXPECT_EQ(check.Complete(), c.missing.empty() && c.folderFound);
        EXPECT_EQ(check.officerFolder, OfficerFilePathFor(c.edition, documents).parent_path());
    }
}

TEST(GameLocationCheck, EmptyFoldersFindNothing) {
    const GameLocationCheck check = CheckGameLocation({}, {}, kEditionTraditionalChinese);
    EXPECT_EQ(check.missingArchives, kAllArchives);
    EXPECT_FALSE(check.officerFolderFound);
    EXPECT_FALSE(check.Complete());
}

}  // namespace
}  // namespace busho
