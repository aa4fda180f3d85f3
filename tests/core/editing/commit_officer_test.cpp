#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/text/messages.h"
#include "core/editing/commit_officer.h"
#include "code_page_text.h"
#include "officer_fixtures.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

using testing::Gbk;
std::string Utf8(const std::string& bytes, const char* from) { return testing::Decoded(from, bytes); }

template <std::size_t N>
std::string Text(const ByteField<N>& field) {
    std::string s(field.begin(), field.end());
    return s.substr(0, s.find('\0'));
}

// A loaded file of three officers, the editor showing slot 2.
class CommitTest : public ::testing::Test {
public:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->Edition = kEditionTraditionalChinese;
        ASSERT_TRUE(LoadGbBig5Tables(session->Text.GbBig5, BUSHO_BIN_DIR));
        ASSERT_TRUE(LoadSimplifiedTraditionalTables(session->Text.Forms, BUSHO_BIN_DIR));
        for (int slot = 1; slot <= 3; ++slot) session->Officers[slot] = testing::RandomOfficer(static_cast<std::uint32_t>(slot));
        session->EndSlot = 4;
        session->CurrentSlot = 2;
        session->FileLoaded = true;
        session->CurrentPortrait = 1705;
        session->Random.Reseed(99);
        before = session->Officers;
        v.txX = Gbk("织田");
        v.txM = Gbk("信长");
        v.txLJ = Gbk("尾张的大名");
        v.txCSN = "1534";
        v.txSWN = "1582";
        v.txLTY = "110";
        v.txLWG = "95";
        v.txLZH = "100";
        v.txLZZ = "98";
        v.txLQY = "40";
        v.SD = 1;
    }
    // What a commit did, as the user meets it: stored, refused with a message (and the field whose box
    // takes the focus), or a question asked first.
    struct Outcome {
        bool committed = false;
        std::optional<Message> message;
        std::string focus;
        std::optional<Message> question;
    };
    Outcome Commit(CommitMode mode = CommitMode::Modify, bool goOn = false) {
        const Status result = CommitOfficer(*session, history, v, mode, {true, goOn});
        if (result) return {true, std::nullopt, {}, std::nullopt};
        if (IsCommitQuestion(result.problem())) return {false, std::nullopt, {}, MessageFor(result.problem())};
        return {false, MessageFor(result.problem()), result.problem().field, std::nullopt};
    }
    void UseJapanese() {
        session->Edition = kEditionJapanese;
        ASSERT_TRUE(LoadGbkJisTables(session->Text.GbkSjis, BUSHO_BIN_DIR));
    }
    // The editor showing slot 2 as it is stored.
    void ShowSlot2() {
        session->CurrentSlot = 2;
        ShowOfficer(*session, 2, v);
        for (auto& [box, shown] : v.shown) shown.text = CutAtNul(shown.text);  // as the boxes give it back
        for (std::string* t : {&v.txX, &v.txXP, &v.txM, &v.txMP, &v.txLJ}) *t = CutAtNul(*t);
    }
    const OfficerSlot& Slot(int s) const { return session->Officers[s]; }

    std::unique_ptr<Session> session;
    EditHistory history;
    OfficerTable before;
    EditorValues v;
};

TEST_F(CommitTest, WritesEveryControlIntoTheSlot) {
    v.cSB = 1;
    v.cCZ = 6;
    v.cXY = 3;
    v.cSF = 1631;
    v.cXXWJ = 1629;
    v.SkillList = {0, 1, 2, 3, 4, 0, 1, 2, 3};
    v.SKill1[3] = v.SKill1[0] = v.SKill1[29] = true;
    v.cQEWJ1 = 1;
    v.cQEWJ2 = 1632;
    v.cYEWJ1 = 0;
    v.cYEWJ2 = 7;
    v.cSS = 78;
    v.cZT = 3;
    v.cCCDC = 1;
    const Outcome result = Commit();
    ASSERT_TRUE(result.committed);
    EXPECT_FALSE(result.message);
    const OfficerSlot& s = Slot(2);
    EXPECT_EQ(Utf8(Text(s.Record.FamilyName), "windows-950"), "織田");
    EXPECT_EQ(Utf8(Text(s.Record.GivenName), "windows-950"), "信長");
    EXPECT_EQ(s.Record.FamilyName[4], 0);  // padded with zeros to 11 bytes
    EXPECT_EQ(Utf8(Text(s.Record.Biography), "windows-950"), "尾張的大名");
    EXPECT_EQ(s.Record.Signature, WrittenSignature());
    EXPECT_EQ(s.Record.HeaderWord2, 1);
    EXPECT_EQ(s.Record.Gender, 1);
    EXPECT_EQ(s.Record.PortraitNumber, 1705);
    EXPECT_EQ(s.Record.BirthYear, 1534);
    EXPECT_EQ(s.Record.DeathYear, 1582);
    EXPECT_EQ(s.Record.Origin, 6);
    EXPECT_EQ(s.Record.Faith, 3);
    EXPECT_EQ(s.Record.Father, 10000);
    EXPECT_EQ(s.Record.CompatibilityOfficer, 1629);
    EXPECT_EQ(s.Record.Leadership, 110);
    EXPECT_EQ(s.Record.Politics, 98);
    EXPECT_EQ(s.Record.Aptitude, (std::array<std::int32_t, 9>{0, 1, 2, 3, 4, 0, 1, 2, 3}));
    EXPECT_EQ(s.Record.TacticCount, 3);
    EXPECT_EQ((std::vector<std::int32_t>(s.Tactics.begin(), s.Tactics.begin() + 3)), (std::vector<std::int32_t>{0, 3, 29}));
    EXPECT_EQ(s.LikedCount, 2);
    EXPECT_EQ(s.Liked, (std::array<std::int32_t, 2>{0, 10001}));
    EXPECT_EQ(s.DislikedCount, 1);
    EXPECT_EQ(s.Disliked, (std::array<std::int32_t, 2>{6, 0}));
    EXPECT_EQ(s.Extra.Duty, 40);
    EXPECT_EQ(s.Extra.AssignedCastle, 78);
    EXPECT_EQ(s.Extra.Status, 3);
    EXPECT_EQ(s.Extra.OfficerId, before[2].Extra.OfficerId);  // Modify keeps it
    EXPECT_EQ(s.Extra.Appearance, 1);
    EXPECT_EQ(s.Extra.VoiceType, 1);
    EXPECT_EQ(session->Roster[kBuiltInOfficerCount + 2].Leadership, 110);
    EXPECT_EQ(session->Roster[kBuiltInOfficerCount + 2].PortraitNumber, 1705);
    EXPECT_EQ(Slot(1), before[1]);
    EXPECT_EQ(Slot(3), before[3]);
    EXPECT_EQ(session->EndSlot, 4);
}

TEST_F(CommitTest, NamesAreNormalisedAndRefusedWhenUnusable) {
    struct Case {
        const char* family;
        const char* given;
        bool committed;
        const char* message;
        std::string focus;
        const char* familyAfter;
    };
    const Case cases[] = {
        {"Oda", "信长", false, text_gbk::kFamilyNameRefused, "FamilyName", ""},
        {"本多 ab", "柯尔", true, nullptr, "", "本多"},
        {"长宗我部", "元亲", false, text_gbk::kFamilyNameRefused, "FamilyName", "长宗我部"},
        {"长宗我", "元亲", true, nullptr, "", "长宗我"},
        {"织田", "12", false, text_gbk::kGivenNameRefused, "GivenName", "织田"},
        {"织田", "信长公殿", false, text_gbk::kGivenNameRefused, "GivenName", "织田"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.family);
        SetUp();
        v.txX = Gbk(c.family);
        v.txM = Gbk(c.given);
        const Outcome r = Commit(CommitMode::Modify, true);
        EXPECT_EQ(r.committed, c.committed);
        EXPECT_EQ(r.focus, c.focus);
        if (c.message) {
            ASSERT_TRUE(r.message);
            EXPECT_EQ(r.message->Text(), c.message);
            EXPECT_FALSE(r.message->title);
            EXPECT_EQ(session->Officers, before);
        }
        EXPECT_EQ(v.txX, Gbk(c.familyAfter));
    }
}

TEST_F(CommitTest, ReadingsAreDrawnOnlyForAChangedNameWhoseReadingWasLeftAlone) {
    UseJapanese();
    auto readings = [&](int s) { return std::pair{Text(Slot(s).Record.FamilyNameReading), Text(Slot(s).Record.GivenNameReading)}; };
    // Nothing changed: the stored readings stay, byte for byte.
    ShowSlot2();
    const OfficerSlot stored = Slot(2);
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Slot(2).Record.FamilyNameReading, stored.Record.FamilyNameReading);
    EXPECT_EQ(Slot(2).Record.GivenNameReading, stored.Record.GivenNameReading);

    // A changed given name with its reading left alone: two random hiragana per character.
    ShowSlot2();
    v.txM = Gbk("信长");
    ASSERT_TRUE(Commit(CommitMode::Modify, true).committed);
    const std::string first = v.txMP;
    EXPECT_EQ(first.size(), 8u);
    for (std::size_t i = 0; i < first.size(); i += 2) EXPECT_EQ(static_cast<unsigned char>(first[i]), 0xA4);
    EXPECT_EQ(Utf8(readings(2).second, "windows-932"), testing::FromGbk(first));
    EXPECT_EQ(Slot(2).Record.FamilyNameReading, stored.Record.FamilyNameReading);  // the family name did not change
    ShowSlot2();
    v.txM = Gbk("信忠");
    ASSERT_TRUE(Commit(CommitMode::Modify, true).committed);
    EXPECT_NE(v.txMP, first);

    // A typed reading is stored as typed, whether or not the name changed.
    ShowSlot2();
    v.txXP = Gbk("おだ");
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Utf8(readings(2).first, "windows-932"), "おだ");
    ShowSlot2();
    v.txX = Gbk("织田");
    v.txXP = Gbk(" おだ ");
    ASSERT_TRUE(Commit(CommitMode::Modify, true).committed);
    EXPECT_EQ(Utf8(readings(2).first, "windows-932"), "おだ");
    // A reading longer than its field can hold with its end is refused.
    ShowSlot2();
    v.txXP = Gbk("おおおおおおおおおお");
    const Outcome tooLong = Commit();
    EXPECT_FALSE(tooLong.committed);
    EXPECT_EQ(tooLong.focus, "FamilyNameReading");
    ASSERT_TRUE(tooLong.message);
    EXPECT_EQ(tooLong.message->Text(), text_gbk::kFamilyReadingRefused);
}

TEST_F(CommitTest, TraditionalChineseEditionNeverWritesQuestionMarksForAReading) {
    ShowSlot2();
    const OfficerSlot stored = Slot(2);
    v.txX = Gbk("前田");
    v.txM = Gbk("利家");
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Utf8(Text(Slot(2).Record.FamilyName), "windows-950"), "前田");
    EXPECT_EQ(Slot(2).Record.FamilyNameReading, stored.Record.FamilyNameReading);
    EXPECT_EQ(Slot(2).Record.GivenNameReading, stored.Record.GivenNameReading);
    // A new officer with a name of its own does not take the readings of the officer shown before.
    ShowSlot2();
    testing::SetText(session->Officers[2].Record.FamilyNameReading, "\xa1\x48\xa1\x48");
    ShowSlot2();
    v.txX = Gbk("真田");
    v.txM = Gbk("幸村");
    session->Officers[4].Record.FamilyNameReading.fill(0x55);
    ASSERT_TRUE(Commit(CommitMode::Add).committed);
    EXPECT_EQ(Slot(4).Record.FamilyNameReading, ByteField<19>{});
    // With the same name it is the same officer's reading, and it is copied.
    session->EndSlot = 4;
    ShowSlot2();
    ASSERT_TRUE(Commit(CommitMode::Add).committed);
    EXPECT_EQ(Slot(4).Record.FamilyNameReading, Slot(2).Record.FamilyNameReading);
    // A new officer from the blank officer gets empty readings.
    session->EndSlot = 4;
    ApplyBlankDefaults(v, *session);
    session->Officers[4].Record.FamilyNameReading.fill(0x55);
    ASSERT_TRUE(Commit(CommitMode::Add, true).committed);  // the blank officer's 义理 120 is asked about
    EXPECT_EQ(Slot(4).Record.FamilyNameReading, ByteField<19>{});
    EXPECT_EQ(Slot(4).Record.GivenNameReading, ByteField<19>{});
}

TEST_F(CommitTest, UntouchedTextsAndListValuesKeepTheirBytes) {
    for (const bool japanese : {false, true}) {
        SCOPED_TRACE(japanese);
        SetUp();
        if (japanese) UseJapanese();
        OfficerSlot& o = session->Officers[2];
        // Bytes that no decoding brings back: 乾 (Big5 B0AE) reads as 干, which encodes back as 幹.
        const std::string big5 = "\xb0\xae\xa5\xd0";
        o.Record.FamilyName = {};
        std::copy(big5.begin(), big5.end(), o.Record.FamilyName.begin());
        o.Record.Biography.fill(0xFF);
        o.Record.CompatibilityOfficer = 2000;
        o.Record.Father = -5;
        o.Record.Origin = -7;
        o.LikedCount = 2;
        o.Liked = {13370, 3};
        const OfficerSlot stored = o;
        ShowSlot2();
        ASSERT_TRUE(Commit().committed);
        OfficerSlot expected = stored;
        expected.Record.Signature = WrittenSignature();
        expected.Record.HeaderWord1 = expected.Record.HeaderWord3 = expected.Record.HeaderWord4 = 0;
        expected.Record.HeaderWord2 = 1;
        expected.Record.PortraitNumber = session->CurrentPortrait;
        EXPECT_EQ(Slot(2).Record, expected.Record);
        EXPECT_EQ(Slot(2).Liked, stored.Liked);
        EXPECT_EQ(Slot(2).LikedCount, 2);
        // Add copies them as well.
        ASSERT_TRUE(Commit(CommitMode::Add).committed);
        EXPECT_EQ(Slot(4).Record.FamilyName, stored.Record.FamilyName);
        EXPECT_EQ(Slot(4).Record.CompatibilityOfficer, 2000);
        EXPECT_EQ(Slot(4).Record.Father, -5);
        EXPECT_EQ(Slot(4).Liked[0], 13370);
    }
}

TEST_F(CommitTest, LostCharactersAndOddNumbersAreAskedFirst) {
    struct Case {
        const char* name;
        std::function<void(CommitTest&)> arrange;
        std::vector<std::string> mentioned;  // UTF-8 pieces the question names
    };
    const std::vector<Case> cases = {
        {"half-width letters in a name", [](CommitTest& t) { t.v.txX = Gbk("本多ab"); }, {"姓 ab"}},
        {"a character Big5 lacks", [](CommitTest& t) { t.v.txLJ = Gbk("尾张の大名"); }, {"列传 の"}},
        {"letters in the Japanese biography", [](CommitTest& t) { t.UseJapanese(); t.v.txLJ = Gbk("abc大名"); }, {"列传 abc"}},
        {"typed kana in Big5", [](CommitTest& t) { t.v.txMP = Gbk("のぶ"); }, {"名音 のぶ"}},
        {"an emoji typed", [](CommitTest& t) { t.v.notEncodable["txLJ"] = "U+1F600"; }, {"列传 U+1F600"}},
        {"leadership above 120", [](CommitTest& t) { t.v.txLTY = "130"; }, {"统御 130，游戏使用 1～120"}},
        {"duty 0", [](CommitTest& t) { t.v.txLQY = "0"; }, {"义理 0，游戏使用 1～100"}},
        {"death before birth", [](CommitTest& t) { t.v.txSWN = "1500"; }, {"死亡年 1500 早于诞生年 1534"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.arrange(*this);
        const Outcome asked = Commit();
        EXPECT_FALSE(asked.committed);
        EXPECT_FALSE(asked.message);
        ASSERT_TRUE(asked.question);
        EXPECT_EQ(asked.question->style, text_gbk::kStyleWarning);
        const std::string question = testing::FromGbk(asked.question->Text());
        for (const auto& piece : c.mentioned) EXPECT_NE(question.find(piece), std::string::npos) << question;
        EXPECT_NE(question.find("仍要保存吗？"), std::string::npos);
        EXPECT_EQ(session->Officers, before);  // nothing stored until the user goes on
        EXPECT_TRUE(Commit(CommitMode::Modify, true).committed);
    }
    // Values shown as stored are not asked about again.
    SetUp();
    session->Officers[2].Record.Leadership = 0;
    ShowSlot2();
    EXPECT_TRUE(Commit().committed);
}

TEST_F(CommitTest, YearsAndBiographyFallBackToTheirDefaults) {
    struct Case {
        const char* birth;
        const char* death;
        int birthStored, deathStored;
    };
    const Case cases[] = {
        {"0", "1700", 1500, 1600}, {"-3", "1700", 1500, 1600}, {"abc", "", 1500, 1600}, {"1550年", "1600", 1550, 1600},
        {"1550.5", "1551.5", 1550, 1552}, {"0.4", "1590", 1500, 1600}, {"0.5", "1590", 1500, 1600}, {"0.6", "1590", 1, 1590},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.birth);
        SetUp();
        v.txCSN = Gbk(c.birth);
        v.txSWN = c.death;
        ASSERT_TRUE(Commit().committed);
        EXPECT_EQ(Slot(2).Record.BirthYear, c.birthStored);
        EXPECT_EQ(Slot(2).Record.DeathYear, c.deathStored);
    }
    SetUp();
    v.txLJ.clear();
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(v.txLJ, text_gbk::kDefaultBiography);
    // Longer than the editor accepts: refused with the limit and its length, nothing replaced.
    SetUp();
    v.txLJ = std::string(145, 'a') + Gbk("长");
    const Outcome tooLong = Commit();
    EXPECT_FALSE(tooLong.committed);
    EXPECT_EQ(tooLong.focus, "Biography");
    ASSERT_TRUE(tooLong.message);
    EXPECT_EQ(testing::FromGbk(tooLong.message->Text()), "列传太长：最多 146 字节（73 个汉字），现有 146 个字（147 字节）");
    EXPECT_EQ(v.txLJ, std::string(145, 'a') + Gbk("长"));
    EXPECT_EQ(session->Officers, before);
    SetUp();
    v.txLJ = std::string(146, 'a');
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Text(Slot(2).Record.Biography), std::string(146, 'a'));
}

TEST_F(CommitTest, RelationsArePackedToTheFront) {
    struct Case {
        int a, b;
        std::int32_t count;
        std::array<std::int32_t, 2> numbers;
    };
    const Case cases[] = {{0, 1633, 1, {10002, 0}}, {5, 0, 1, {4, 0}}, {0, 0, 0, {0, 0}}, {3, 1631, 2, {2, 10000}}};
    for (const auto& c : cases) {
        SetUp();
        v.cQEWJ1 = v.cYEWJ1 = c.a;
        v.cQEWJ2 = v.cYEWJ2 = c.b;
        ASSERT_TRUE(Commit().committed);
        EXPECT_EQ(Slot(2).LikedCount, c.count) << c.a << "," << c.b;
        EXPECT_EQ(Slot(2).Liked, c.numbers);
        EXPECT_EQ(Slot(2).DislikedCount, c.count);
        EXPECT_EQ(Slot(2).Disliked, c.numbers);
    }
    SetUp();
    v.cQEWJ1 = -1;  // no selection leaves the lists as they were
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Slot(2).LikedCount, before[2].LikedCount);
    const std::pair<int, int> fathers[] = {{0, -1}, {1, 0}, {1631, 10000}, {1630, 1629}};
    for (const auto& [item, number] : fathers) {
        SetUp();
        v.cSF = item;
        ASSERT_TRUE(Commit().committed);
        EXPECT_EQ(Slot(2).Record.Father, number) << item;
    }
}

TEST_F(CommitTest, TacticsInBoxOrder) {
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Slot(2).Record.TacticCount, 0);
    v.SKill1.fill(true);
    ASSERT_TRUE(Commit().committed);
    EXPECT_EQ(Slot(2).Record.TacticCount, 30);
    for (int t = 0; t < 30; ++t) EXPECT_EQ(Slot(2).Tactics[static_cast<std::size_t>(t)], t);
}

TEST_F(CommitTest, AddTakesTheEndSlot) {
    v.cZT = 2;
    ASSERT_TRUE(Commit(CommitMode::Add).committed);
    EXPECT_EQ(session->CurrentSlot, 4);
    EXPECT_EQ(session->EndSlot, 5);
    EXPECT_EQ(Slot(4).Extra.Status, 7);
    EXPECT_EQ(Slot(4).Extra.OfficerId, 10003);
    EXPECT_EQ(Slot(4).Record.BirthYear, 1534);
    EXPECT_EQ(Slot(2), before[2]);
    EXPECT_EQ(session->Roster[kBuiltInOfficerCount + 4].BirthYear, 1534);
}

TEST_F(CommitTest, RefusalsChangeNothingInTheTable) {
    struct Case {
        const char* name;
        std::function<void(CommitTest&)> arrange;
        CommitMode mode;
        std::string message;
        std::string focus;
    };
    const std::vector<Case> cases = {
        {"not loaded", [](CommitTest& t) { t.session->FileLoaded = false; }, CommitMode::Modify, text_gbk::kTextOpenFirst, ""},
        {"modify without officer", [](CommitTest& t) { t.session->CurrentSlot = 4; }, CommitMode::Modify, text_gbk::kNoOfficerHere, ""},
        {"add on a full table", [](CommitTest& t) { t.session->EndSlot = 1000; }, CommitMode::Add, text_gbk::kTableFull, ""},
        {"empty leadership", [](CommitTest& t) { t.v.txLTY = ""; }, CommitMode::Modify,
         testing::Gbk("统御 输入不符，请输入 -2147483648～2147483647 之间的整数"), "Leadership"},
        {"valour not a number", [](CommitTest& t) { t.v.txLWG = "9x"; }, CommitMode::Modify,
         testing::Gbk("武力 输入不符，请输入 -2147483648～2147483647 之间的整数"), "Valour"},
        {"duty beyond 32 bits", [](CommitTest& t) { t.v.txLQY = "3000000000"; }, CommitMode::Add,
         testing::Gbk("义理 输入不符，请输入 -2147483648～2147483647 之间的整数"), "Duty"},
        {"death year beyond 32 bits", [](CommitTest& t) { t.v.txSWN = "99999999999"; }, CommitMode::Modify,
         testing::Gbk("死亡年 输入不符，请输入 -2147483648～2147483647 之间的整数"), "DeathYear"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.arrange(*this);
        const int endSlot = session->EndSlot;
        const Outcome r = Commit(c.mode);
        EXPECT_FALSE(r.committed);
        ASSERT_TRUE(r.message);
        EXPECT_EQ(r.message->Text(), c.message);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(session->Officers, before);
        EXPECT_EQ(session->EndSlot, endSlot);
    }
    SetUp();
    session->EndSlot = 999;  // 998 officers: the 999th may still be added
    EXPECT_TRUE(Commit(CommitMode::Add).committed);
    EXPECT_EQ(session->EndSlot, 1000);
}

TEST(WholeNumbers, AreReadLikeTheBoxes) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"85", 85}, {" 85 ", 85}, {"-4", -4}, {"2.5", 2}, {"3.5", 4}, {"", std::nullopt}, {"abc", std::nullopt},
        {"12abc", std::nullopt}, {"2147483647", 2147483647}, {"2147483648", std::nullopt}, {"-2147483648", -2147483647 - 1}};
    for (const auto& [text, value] : cases) EXPECT_EQ(WholeNumber(text), value) << text;
}

}  // namespace
}  // namespace busho
