// The demo game the build makes: what `busho-editor --demo` and `make run` open.

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <set>

#include "core/data/officer_file.h"
#include "code_page_text.h"
#include "core/faces/face_archive.h"

namespace busho {
namespace {

const std::filesystem::path kDemo = BUSHO_DEMO_DIR;

TEST(DemoGame, HasSixArchivesOfFacesThatFitTheViews) {
    struct Case {
        const char* name;
        int faces, width, height;
    };
    const Case cases[] = {{"KAO_l.n12", 1630, 96, 120},     {"KAO_m.n12", 1630, 56, 70},     {"KAO_s.n12", 1630, 40, 50},
                          {"EDIT_KAO_l.n12", 100, 96, 120}, {"EDIT_KAO_m.n12", 100, 56, 70}, {"EDIT_KAO_s.n12", 100, 40, 50}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FaceArchive archive;
        ASSERT_TRUE(archive.Open(kDemo / "game" / "Grp" / c.name));
        ASSERT_EQ(archive.FaceCount(), c.faces);
        for (int k : {0, c.faces / 2, c.faces - 1}) {
            ASSERT_TRUE(archive.ReadKaoFace(k)) << k;
            const FaceImage face = archive.DecodedFace();
            EXPECT_EQ(face.Width, c.width);
            EXPECT_EQ(face.Height, c.height);
            // A painted face: opaque everywhere, and not one flat colour.
            std::set<std::uint32_t> colours(face.Pixels.begin(), face.Pixels.end());
            EXPECT_GT(colours.size(), 20u);
            EXPECT_EQ(*colours.begin() >> 24, 0xFFu);
        }
    }
}

TEST(DemoGame, HasEveryVoiceSample) {
    const char* types[] = {"DIGNITY", "BRAVE", "CLEVER", "YOUNG", "NORMAL", "WOMAN"};
    for (const char* type : types) {
        for (int n = 1; n <= 49; ++n) {
            const auto path = kDemo / "game" / "snd" / "VOICE" / ("SE_VOICE_" + std::string(type) + "_" + std::to_string(n) + ".wav");
            ASSERT_TRUE(std::filesystem::exists(path)) << path;
            std::ifstream in(path, std::ios::binary);
            char riff[12];
            in.read(riff, 12);
            ASSERT_EQ(std::string(riff, 4), "RIFF");
            ASSERT_EQ(std::string(riff + 8, 4), "WAVE");
        }
    }
}

TEST(DemoGame, OfficerFilesLoadForBothEditionsWithVariedOfficers) {
    struct Case {
        std::uint8_t edition;
        const char* code;
    };
    for (const Case c : {Case{kEditionTraditionalChinese, "windows-950"}, Case{kEditionJapanese, "windows-932"}}) {
        SCOPED_TRACE(c.code);
        auto session = std::make_unique<Session>();
        session->Edition = c.edition;
        session->DocumentsFolder = kDemo / "Documents";
        FileEvents events;
        FileAccess files;
        ASSERT_TRUE(LoadOfficerFileAt(*session, OfficerFilePathFor(c.edition, session->DocumentsFolder), events, files, false));
        ASSERT_EQ(session->EndSlot, 21);
        bool standardFace = false, editFace = false, registeredRelation = false, builtInRelation = false;
        for (int slot = 1; slot < session->EndSlot; ++slot) {
            const OfficerSlot& o = session->Officers[slot];
            const std::string family(reinterpret_cast<const char*>(o.Record.FamilyName.data()), 11);
            EXPECT_FALSE(testing::Decoded(c.code, family.substr(0, family.find('\0'))).empty());
            (o.Record.PortraitNumber >= 1700 ? editFace : standardFace) = true;
            EXPECT_LT(o.Record.PortraitNumber >= 1700 ? o.Record.PortraitNumber - 1700 : o.Record.PortraitNumber,
                      o.Record.PortraitNumber >= 1700 ? 100 : 1630);
            for (int i = 0; i < o.LikedCount; ++i) (o.Liked[static_cast<std::size_t>(i)] >= 10000 ? registeredRelation : builtInRelation) = true;
            if (o.Record.Father >= 10000) {
                registeredRelation = true;
                EXPECT_LT(o.Record.Father, 10000 + slot - 1);
            }
            EXPECT_GE(o.Record.TacticCount, 1);
        }
        EXPECT_TRUE(standardFace && editFace && registeredRelation && builtInRelation);
        const std::string first(reinterpret_cast<const char*>(session->Officers[1].Record.FamilyName.data()), 4);
        EXPECT_EQ(testing::Decoded(c.code, first), "天城");
    }
}

}  // namespace
}  // namespace busho
