#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/data/roster.h"
#include "core/editing/random_officer.h"
#include "core/editing/reference_figures.h"

namespace busho {
namespace {

TEST(ReferencePanel, PickTargetsTakeTheChoiceByTheirRules) {
    struct Case {
        int target, item;
        bool changed;
        int EditorValues::*field;
        int expected;
    };
    const Case cases[] = {
        {0, 5, false, nullptr, 0},
        {1, 0, false, &EditorValues::cXXWJ, 77},     {1, 1, true, &EditorValues::cXXWJ, 0},
        {1, 1630, true, &EditorValues::cXXWJ, 1629}, {1, 1631, false, &EditorValues::cXXWJ, 77},
        {2, 1631, true, &EditorValues::cQEWJ1, 1631}, {3, 0, true, &EditorValues::cQEWJ2, 0},
        {4, 12, true, &EditorValues::cYEWJ1, 12},     {5, 2000, true, &EditorValues::cYEWJ2, 2000},
        {6, 0, true, &EditorValues::cSF, 0},          {6, 1630, true, &EditorValues::cSF, 1630},
        {6, 1631, false, &EditorValues::cSF, 77},
    };
    for (const auto& c : cases) {
        EditorValues v;
        v.cXXWJ = v.cQEWJ1 = v.cQEWJ2 = v.cYEWJ1 = v.cYEWJ2 = v.cSF = 77;
        const EditorValues before = v;
        EXPECT_EQ(ApplyPick(static_cast<PickTarget>(c.target), c.item, v), c.changed) << c.target << " " << c.item;
        if (c.field) {
            EXPECT_EQ(v.*c.field, c.expected) << c.target << " " << c.item;
        }
        if (!c.changed) {
            EXPECT_EQ(v, before);
        }
    }
}

TEST(ReferencePanel, BarsGrowWithTheValueAndChangeColour) {
    struct Case {
        int value, twips;
        std::array<int, 3> rgb;
    };
    const Case cases[] = {{81, 1944, {255, 0, 0}},  {80, 1920, {205, 250, 0}}, {41, 984, {205, 250, 0}},
                          {40, 960, {0, 250, 0}},   {0, 0, {0, 250, 0}},       {120, 2880, {255, 0, 0}},
                          {200, 2880, {255, 0, 0}}, {-5, 0, {0, 250, 0}}};
    for (const auto& c : cases) {
        const AbilityBar bar = BarFor(c.value);
        EXPECT_EQ(bar.widthTwips, c.twips) << c.value;
        EXPECT_EQ(bar.rgb, c.rgb) << c.value;
    }
}

TEST(ReferencePanel, FiguresComeFromTheRosterEntry) {
    auto session = std::make_unique<Session>();
    RosterEntry& e = session->Roster[1632];
    e.PortraitNumber = 1710;
    e.BirthYear = 1560;
    e.DeathYear = 1600;
    e.Leadership = 81;
    e.Valour = 80;
    e.Intellect = 40;
    e.Politics = 0;
    e.Duty = 33;
    const ReferenceFigures f = ReferenceFor(*session, 1632);
    EXPECT_EQ(f.portrait, 1710);
    EXPECT_EQ(f.birthYear, 1560);
    EXPECT_EQ(f.deathYear, 1600);
    EXPECT_EQ(f.bars[0].widthTwips, 1944);
    EXPECT_EQ(f.bars[3].widthTwips, 0);
    EXPECT_EQ(f.duty, 33);
}

// The tactics a list grants at each rank, and the extras it may add at S.
const std::vector<int> kBase[5][5] = {
    {{}, {0}, {0, 1}, {0, 1}, {0, 1, 2}},
    {{}, {6}, {6, 7}, {6, 7}, {6, 7, 8}},
    {{}, {12}, {12, 13}, {12, 13}, {12, 13, 14}},
    {{}, {16}, {16, 17}, {16, 17}, {16, 17, 18}},
    {{22}, {22}, {22, 23}, {22, 23, 24, 27}, {22, 23, 24, 27, 28, 29}},
};
const std::vector<int> kExtras[5] = {{3, 4, 5}, {9, 10, 11}, {15}, {19, 20, 21}, {25, 26}};

TEST(RandomOfficer, EveryClickKeepsTheRules) {
    const auto names = LoadBuiltInNames(BUSHO_BIN_DIR);
    std::set<int> faces;
    std::array<int, 5> extrasSeen{};
    for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
        RandomSource random(seed);
        EditorValues v;
        v.SkillList[4] = v.SkillList[8] = 2;
        const int face = DrawRandomOfficer(v, random, names);
        ASSERT_GE(face, 0);
        ASSERT_LT(face, 1000);
        faces.insert(face);
        ASSERT_EQ(CharacterCount(v.txX), 2) << seed;
        const int given = CharacterCount(v.txM);
        ASSERT_GE(given, 2) << seed;
        ASSERT_LE(given, 4) << seed;
        ASSERT_EQ(v.txLJ.substr(0, v.txX.size() + v.txM.size()), v.txX + v.txM);
        for (const std::string* stat : {&v.txLTY, &v.txLWG, &v.txLZH, &v.txLZZ}) {
            const int value = std::stoi(*stat);
            ASSERT_GE(value, 1);
            ASSERT_LE(value, 120);
        }
        ASSERT_GE(std::stoi(v.txLQY), 1);
        ASSERT_LE(std::stoi(v.txLQY), 100);
        for (int k : {0, 1, 2, 3, 5, 6, 7}) {
            ASSERT_GE(v.SkillList[static_cast<std::size_t>(k)], 1);  // never D
            ASSERT_LE(v.SkillList[static_cast<std::size_t>(k)], 4);
        }
        auto ladder = [](int value, int before) {
            return value > 100 ? 4 : value > 80 ? 3 : value > 60 ? 2 : value > 40 ? 1 : value > 1 ? 0 : before;
        };
        ASSERT_EQ(v.SkillList[8], ladder(std::stoi(v.txLZZ), 2));
        ASSERT_EQ(v.SkillList[4], ladder(std::stoi(v.txLZH), 2));

        // Every ticked tactic is granted by its list's rank; every granted base tactic is ticked.
        std::set<int> allowed;
        for (int list = 0; list < 5; ++list) {
            const int rank = v.SkillList[static_cast<std::size_t>(list)];
            for (int t : kBase[list][rank]) {
                ASSERT_TRUE(v.SKill1[static_cast<std::size_t>(t)]) << "seed " << seed << " tactic " << t;
                allowed.insert(t);
            }
            if (rank == 4) {
                int extras = 0;
                for (int t : kExtras[list]) {
                    allowed.insert(t);
                    extras += v.SKill1[static_cast<std::size_t>(t)] ? 1 : 0;
                }
                ASSERT_LE(extras, 1);
                extrasSeen[static_cast<std::size_t>(list)] += extras;
            }
        }
        for (int t = 0; t < 30; ++t)
            if (v.SKill1[static_cast<std::size_t>(t)]) {
                ASSERT_TRUE(allowed.count(t)) << "seed " << seed << " tactic " << t;
            }
    }
    EXPECT_GT(faces.size(), 900u);
    for (int list = 0; list < 5; ++list) EXPECT_GT(extrasSeen[static_cast<std::size_t>(list)], 0) << list;
}

TEST(RandomOfficer, SameSeedSameOfficerAndNamesWithoutLongItemsAreKept) {
    const auto names = LoadBuiltInNames(BUSHO_BIN_DIR);
    RandomSource a(42), b(42);
    EditorValues va, vb;
    EXPECT_EQ(DrawRandomOfficer(va, a, names), DrawRandomOfficer(vb, b, names));
    EXPECT_EQ(va, vb);

    std::vector<std::string> shortNames(kBuiltInOfficerCount, "\xce\xe4");  // one character each
    EditorValues v;
    v.txX = "keep";
    RandomSource random(1);
    const int face = DrawRandomOfficer(v, random, shortNames);
    EXPECT_EQ(v.txX, "keep");
    EXPECT_GE(face, 0);
}

}  // namespace
}  // namespace busho
