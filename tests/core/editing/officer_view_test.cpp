#include <gtest/gtest.h>

#include <memory>

#include "core/text/messages.h"
#include "core/editing/officer_view.h"
#include "code_page_text.h"
#include "officer_fixtures.h"
#include "core/editing/list_row.h"

namespace busho {
namespace {

using testing::Gbk;
std::string Utf8(const std::string& gbk) { return testing::FromGbk(gbk); }

TEST(EditorTexts, DecodeToTheirTexts) {
    using namespace text_gbk;
    const std::pair<const char*, const char*> cases[] = {
        {kBlankFamilyName, "本多"}, {kBlankGivenName, "柯尔"}, {kBlankBiography, "本多家一柯尔也,猪头,猪脑,猪屁屁"},
        {kScenario1555, "1555年 尾张統一"}, {kScenario1561, "1561年 龍虎相擊つ"}, {kScenario1570, "1570年 義弟離反"},
        {kScenario1582, "1582年 梦幻の如く"}, {kAgeSuffix, "嵗"}, {kNotOfAge, "  元服前"},
        {kAppTitleBase, "革新QorvaneFOR [中日文PK通用版V1222]!"}, {kAppTitleTc, "   中文版修改"}, {kAppTitleJp, "   日文版修改"},
        {kReadingRowCaption, "数据读入中- - - - - - -"}, {kListCaption, "武将一览表"}, {kContinueQuestion, "继续吗??"},
        {kCharactersNotKept, "下列文字无法按原样保存，将变为？或被删去："}, {kFieldFamilyName, "姓"}, {kFieldGivenName, "名"},
        {kFieldFamilyReading, "姓音"}, {kFieldGivenReading, "名音"}, {kFieldBiography, "列传"},
        {kOutsideGameRange, "下列数值超出游戏使用的范围："}, {kGameUses, "，游戏使用 "}, {kRangeDash, "～"},
        {kEarlierThanBirth, " 早于诞生年 "}, {kGoOnQuestion, "仍要保存吗？"},
        {kBiographyTooLong, "列传太长：最多 146 字节（73 个汉字），现有 %1 个字（%2 字节）"},
        {kFamilyReadingRefused, "姓音 输入不符，最多 9 个假名"}, {kGivenReadingRefused, "名音 输入不符，最多 9 个假名"},
        {kSearchNoMatch, "没有找到这个名字的武将"},
    };
    for (const auto& [gbk, utf8] : cases) EXPECT_EQ(Utf8(gbk), utf8);
}

TEST(ScenarioAges, FollowTheBirthYearText) {
    struct Case {
        const char* birth;
        std::array<const char*, 4> shown;
    };
    const Case cases[] = {
        {"", {"1555年 尾张統一 1555嵗", "1561年 龍虎相擊つ 1561嵗", "1570年 義弟離反 1570嵗", "1582年 梦幻の如く 1582嵗"}},
        {"abc", {"1555年 尾张統一 1555嵗", "1561年 龍虎相擊つ 1561嵗", "1570年 義弟離反 1570嵗", "1582年 梦幻の如く 1582嵗"}},
        {"1534", {"1555年 尾张統一 21嵗", "1561年 龍虎相擊つ 27嵗", "1570年 義弟離反 36嵗", "1582年 梦幻の如く 48嵗"}},
        {"1555", {"1555年 尾张統一 0嵗", "1561年 龍虎相擊つ 6嵗", "1570年 義弟離反 15嵗", "1582年 梦幻の如く 27嵗"}},
        {"1561", {"1555年 尾张統一  元服前", "1561年 龍虎相擊つ  元服前", "1570年 義弟離反 9嵗", "1582年 梦幻の如く 21嵗"}},
        {"1600", {"1555年 尾张統一  元服前", "1561年 龍虎相擊つ  元服前", "1570年 義弟離反  元服前", "1582年 梦幻の如く  元服前"}},
        {"1550.5", {"1555年 尾张統一 4.5嵗", "1561年 龍虎相擊つ 10.5嵗", "1570年 義弟離反 19.5嵗", "1582年 梦幻の如く 31.5嵗"}},
        {"  1550xyz", {"1555年 尾张統一 5嵗", "1561年 龍虎相擊つ 11嵗", "1570年 義弟離反 20嵗", "1582年 梦幻の如く 32嵗"}},
        {"1582", {"1555年 尾张統一  元服前", "1561年 龍虎相擊つ  元服前", "1570年 義弟離反  元服前", "1582年 梦幻の如く  元服前"}},
        {"1600000", {"1555年 尾张統一  元服前", "1561年 龍虎相擊つ  元服前", "1570年 義弟離反  元服前", "1582年 梦幻の如く  元服前"}},
        {"-5", {"1555年 尾张統一 1560嵗", "1561年 龍虎相擊つ 1566嵗", "1570年 義弟離反 1575嵗", "1582年 梦幻の如く 1587嵗"}},
    };
    for (const auto& c : cases) {
        const auto texts = ScenarioAgeTexts(c.birth);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(Utf8(texts[i]), c.shown[i]) << "birth '" << c.birth << "' label " << i;
    }
}

TEST(ScenarioAges, NumbersAreReadAndWrittenAsTheBoxesDo) {
    const std::pair<const char*, double> reads[] = {{"", 0}, {"x1", 0}, {" 12", 12}, {"1 5 5 0", 1550}, {"1550.25abc", 1550.25}, {"-7", -7}, {".5", 0.5}, {"1.2.3", 1.2}};
    for (const auto& [text, value] : reads) EXPECT_DOUBLE_EQ(LeadingNumber(text), value) << text;
    const std::pair<double, const char*> writes[] = {{85, " 85"}, {-3, "-3"}, {0, " 0"}, {4.5, " 4.5"}, {1555, " 1555"}};
    for (const auto& [value, text] : writes) EXPECT_EQ(NumberWithSignSpace(value), text) << value;
}

TEST(BlankDefaults, GiveTheMadeUpOfficerAndKeepTheVoice) {
    auto session = std::make_unique<Session>();
    EditorValues values;
    values.SKill1.fill(true);
    values.cSF = 7;
    values.SD = 3;
    values.txXP = "x";
    ApplyBlankDefaults(values, *session);
    EXPECT_EQ(Utf8(values.txX), "本多");
    EXPECT_EQ(Utf8(values.txM), "柯尔");
    EXPECT_EQ(values.txXP, "");
    EXPECT_EQ(values.txMP, "");
    for (const auto* stat : {&values.txLTY, &values.txLWG, &values.txLZH, &values.txLZZ, &values.txLQY}) EXPECT_EQ(*stat, "120");
    EXPECT_EQ(values.txCSN, "1550");
    EXPECT_EQ(values.txSWN, "2005");
    for (bool t : values.SKill1) EXPECT_FALSE(t);
    EXPECT_EQ(values.cSF, 0);
    EXPECT_EQ(values.SD, 3);
    EXPECT_EQ(session->CurrentPortrait, 1);
    EditorValues twice = values;
    ApplyBlankDefaults(twice, *session);
    EXPECT_EQ(twice, values);
}

class ShowOfficerTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->Edition = kEditionJapanese;
        ASSERT_TRUE(LoadGbkJisTables(session->Text.GbkSjis, BUSHO_BIN_DIR));
        slot = testing::RandomOfficer(11);
        slot.Record.TacticCount = 3;
        slot.Tactics = {};
        slot.Tactics[0] = 4;
        slot.Tactics[1] = 29;
        slot.Tactics[2] = 99;  // no such box
    }
    EditorValues Shown() {
        session->Officers[2] = slot;
        EditorValues values;
        values.SKill1[10] = true;
        values.cQEWJ1 = values.cQEWJ2 = values.cYEWJ1 = values.cYEWJ2 = 55;
        ShowOfficer(*session, 2, values);
        return values;
    }
    std::unique_ptr<Session> session;
    OfficerSlot slot;
};

// The stored value a list position stands for: the position itself, or the list's unlisted value.
std::int32_t Stored(const EditorValues& v, const std::string& list, int position) {
    return position == kUnlistedItem ? v.unlisted.at(list) : position;
}

TEST_F(ShowOfficerTest, CopiesEveryFieldIntoTheControls) {
    const std::string family = "\x88\x9f\x82\xa0";  // 亜あ in Shift-JIS
    std::fill(slot.Record.FamilyName.begin(), slot.Record.FamilyName.end(), 0);
    std::copy(family.begin(), family.end(), slot.Record.FamilyName.begin());
    const EditorValues v = Shown();
    EXPECT_EQ(Utf8(v.txX), "亜あ");
    EXPECT_EQ(v.txLTY, std::to_string(slot.Record.Leadership));
    EXPECT_EQ(v.txLQY, std::to_string(slot.Extra.Duty));
    EXPECT_EQ(v.txCSN, std::to_string(slot.Record.BirthYear));
    EXPECT_EQ(v.txSWN, std::to_string(slot.Record.DeathYear));
    for (int k = 0; k < 9; ++k)
        EXPECT_EQ(Stored(v, "SkillList" + std::to_string(k), v.SkillList[static_cast<std::size_t>(k)]), slot.Record.Aptitude[static_cast<std::size_t>(k)]);
    EXPECT_TRUE(v.SKill1[4]);
    EXPECT_TRUE(v.SKill1[29]);
    EXPECT_TRUE(v.SKill1[10]) << "boxes not listed are left as they were";
    EXPECT_EQ(Stored(v, "cSB", v.cSB), slot.Record.Gender);
    EXPECT_EQ(Stored(v, "cCZ", v.cCZ), slot.Record.Origin);
    EXPECT_EQ(Stored(v, "cXY", v.cXY), slot.Record.Faith);
    EXPECT_EQ(Stored(v, "cZT", v.cZT), slot.Extra.Status);
    EXPECT_EQ(Stored(v, "cSS", v.cSS), slot.Extra.AssignedCastle);
    EXPECT_EQ(Stored(v, "cXXWJ", v.cXXWJ), slot.Record.CompatibilityOfficer);
    EXPECT_EQ(Stored(v, "cCCDC", v.cCCDC), slot.Extra.Appearance);
    // What each text box showed, with the bytes it came from.
    EXPECT_EQ(v.shown.at("txX").text, v.txX);
    EXPECT_EQ(v.shown.at("txX").stored, std::string(slot.Record.FamilyName.begin(), slot.Record.FamilyName.end()));
    EXPECT_EQ(v.shown.at("txLJ").stored, std::string(slot.Record.Biography.begin(), slot.Record.Biography.end()));
    EXPECT_EQ(v.shown.at("txLTY").text, v.txLTY);
    EXPECT_EQ(v.SD, slot.Extra.VoiceType);
    EXPECT_EQ(session->CurrentPortrait, slot.Record.PortraitNumber);
}

TEST_F(ShowOfficerTest, ListValuesInsideTheirListsAreTheirPositions) {
    slot.Record.Gender = 1;
    slot.Record.Origin = 7;
    slot.Record.CompatibilityOfficer = 1629;
    slot.Extra.AssignedCastle = 179;
    slot.Record.Aptitude = {0, 1, 2, 3, 4, 0, 1, 2, 3};
    const EditorValues v = Shown();
    EXPECT_EQ(v.cSB, 1);
    EXPECT_EQ(v.cCZ, 7);
    EXPECT_EQ(v.cXXWJ, 1629);
    EXPECT_EQ(v.cSS, 179);
    EXPECT_EQ(v.SkillList[4], 4);
    EXPECT_EQ(v.unlisted.count("cSB") + v.unlisted.count("cCZ") + v.unlisted.count("cXXWJ") + v.unlisted.count("SkillList4"), 0u);
    slot.Record.Origin = 8;
    slot.Record.CompatibilityOfficer = -7;
    slot.Record.Aptitude[4] = 2147483647;
    const EditorValues outside = Shown();
    EXPECT_EQ(outside.cCZ, kUnlistedItem);
    EXPECT_EQ(outside.unlisted.at("cCZ"), 8);
    EXPECT_EQ(outside.cXXWJ, kUnlistedItem);
    EXPECT_EQ(outside.unlisted.at("cXXWJ"), -7);
    EXPECT_EQ(outside.SkillList[4], kUnlistedItem);
    EXPECT_EQ(outside.unlisted.at("SkillList4"), 2147483647);
}

TEST_F(ShowOfficerTest, NumbersThatNameNoOfficerAreUnlisted) {
    session->EndSlot = 4;  // three registered officers: 10000..10002
    const std::int32_t noOne[] = {-5, -2147483647 - 1, 1630, 4999, 5000, 9999, 10003, 10999, 13370, 2147483647};
    for (const std::int32_t number : noOne) {
        slot.LikedCount = 2;
        slot.Liked = {10002, number};
        slot.DislikedCount = 1;
        slot.Disliked = {number, 0};
        slot.Record.Father = number;
        const EditorValues v = Shown();
        EXPECT_EQ(v.cQEWJ1, 1633) << number;
        EXPECT_EQ(v.cQEWJ2, kUnlistedItem) << number;
        EXPECT_EQ(v.unlisted.at("cQEWJ2"), number);
        EXPECT_EQ(v.cYEWJ1, kUnlistedItem) << number;
        EXPECT_EQ(v.unlisted.at("cYEWJ1"), number);
        EXPECT_EQ(v.cSF, kUnlistedItem) << number;
        EXPECT_EQ(v.unlisted.at("cSF"), number);
    }
}

TEST_F(ShowOfficerTest, RelationsMapToListItems) {
    session->EndSlot = 1001;
    struct Case {
        std::int32_t count;
        std::array<std::int32_t, 2> numbers;
        int first, second;
    };
    const Case cases[] = {
        {0, {5, 6}, 0, 0}, {1, {0, 6}, 1, 0}, {2, {1629, 10000}, 1630, 1631}, {2, {10999, 3}, 2630, 4}, {3, {5, 6}, 55, 55}, {-1, {5, 6}, 55, 55},
    };
    for (const auto& c : cases) {
        slot.LikedCount = slot.DislikedCount = c.count;
        slot.Liked = slot.Disliked = c.numbers;
        const EditorValues v = Shown();
        EXPECT_EQ(v.cQEWJ1, c.first) << c.count;
        EXPECT_EQ(v.cQEWJ2, c.second) << c.count;
        EXPECT_EQ(v.cYEWJ1, c.first) << c.count;
        EXPECT_EQ(v.cYEWJ2, c.second) << c.count;
    }
    const std::pair<std::int32_t, int> fathers[] = {{-1, 0}, {0, 1}, {10000, 1631}, {1629, 1630}};
    for (const auto& [father, item] : fathers) {
        slot.Record.Father = father;
        EXPECT_EQ(Shown().cSF, item) << father;
    }
}

TEST_F(ShowOfficerTest, UntranslatedTextsAreTheRawBytes) {
    session->ZZZZ = false;
    const std::string raw = "\xaa\xbc\xaa\xbd";  // Big5 bytes, shown as they are
    std::fill(slot.Record.GivenName.begin(), slot.Record.GivenName.end(), 0);
    std::copy(raw.begin(), raw.end(), slot.Record.GivenName.begin());
    EXPECT_EQ(Shown().txM, raw + std::string(7, '\0'));
}

TEST(PortraitSources, NumbersFrom1700AreEditFaces) {
    EXPECT_STREQ(LargePortraitSource(1699).archive, "Grp\\KAO_l.n12");
    EXPECT_EQ(LargePortraitSource(1699).face, 1699);
    EXPECT_STREQ(LargePortraitSource(1700).archive, "Grp\\EDIT_KAO_l.n12");
    EXPECT_EQ(LargePortraitSource(1700).face, 0);
    EXPECT_EQ(LargePortraitSource(1799).face, 99);
}

TEST(NameSearch, MatchesWholeCharactersOnly) {
    auto session = std::make_unique<Session>();
    session->Edition = kEditionJapanese;
    // 中国 is D6D0 B9FA: its middle bytes D0B9 are 泄, which is not in the name.
    EXPECT_TRUE(NameMatches(*session, Gbk("中国一"), Gbk("国一")));
    EXPECT_FALSE(NameMatches(*session, Gbk("中国一"), Gbk("泄")));
    EXPECT_FALSE(NameMatches(*session, Gbk("中国一"), ""));
    EXPECT_TRUE(NameMatches(*session, "a" + Gbk("中"), Gbk("中")));
    EXPECT_FALSE(NameMatches(*session, Gbk("织田"), Gbk("織田")));  // forms differ in the Japanese edition
    session->Edition = kEditionTraditionalChinese;
    ASSERT_TRUE(LoadSimplifiedTraditionalTables(session->Text.Forms, BUSHO_BIN_DIR));
    EXPECT_TRUE(NameMatches(*session, Gbk("织田信长"), Gbk("織田")));
    EXPECT_TRUE(NameMatches(*session, Gbk("織田信長"), Gbk("信长")));
}

TEST(ListRows, ShowAppearanceNameAndNumbers) {
    auto session = std::make_unique<Session>();
    session->Edition = kEditionTraditionalChinese;
    ASSERT_TRUE(LoadGbBig5Tables(session->Text.GbBig5, BUSHO_BIN_DIR));
    OfficerSlot& o = session->Officers[1];
    const std::string family = " \xc2\xb4\xa5\xd0";  // Big5 織田 after a space
    std::copy(family.begin(), family.end(), o.Record.FamilyName.begin());
    const std::string given = "\xab\x48\xaa\xf8";  // 信長
    std::copy(given.begin(), given.end(), o.Record.GivenName.begin());
    o.Record.Leadership = 85;
    o.Record.Valour = -4;
    o.Extra.Appearance = 1;
    ListRow row = BuildListRowValues(*session, 1);
    EXPECT_TRUE(row.appeared);
    EXPECT_TRUE(row.translated);
    EXPECT_EQ(Utf8(row.name), "织田信长");
    EXPECT_EQ(row.numbers[0], " 85");
    EXPECT_EQ(row.numbers[1], "-4");
    for (std::int32_t appearance : {0, 2, -1}) {
        o.Extra.Appearance = appearance;
        EXPECT_FALSE(BuildListRowValues(*session, 1).appeared) << appearance;
    }
    session->ZZZZ = false;
    row = BuildListRowValues(*session, 1);
    EXPECT_FALSE(row.translated);
    EXPECT_EQ(row.name, family.substr(1) + given);
    // The search looks in the name as the lists show it, decoded whatever 中日文译 says.
    EXPECT_EQ(SearchName(*session, 1), Gbk("织田信长"));
    EXPECT_EQ(OfficerName(*session, 1, true), Gbk("织田信长"));
}

}  // namespace
}  // namespace busho
