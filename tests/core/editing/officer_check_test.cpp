// The check of an officer table: a clean table gives nothing, and each kind of value the game does not
// expect is found on a table made to hold exactly that one.

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>

#include "code_page_text.h"
#include "core/editing/officer_check.h"

namespace busho {
namespace {

using testing::Encoded;
using testing::SetText;

std::string Hex(const std::string& bytes) {
    std::string out;
    char two[3];
    for (unsigned char b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b);
        out += two;
    }
    return out;
}

constexpr int N(int slot) { return kRegisteredNumberBase + slot - 1; }

// Three officers that hold only values the game uses, names in Big5 and Shift-JIS alike.
std::unique_ptr<Session> CleanTable(std::uint8_t edition) {
    auto session = std::make_unique<Session>();
    session->Edition = edition;
    const char* page = edition == kEditionTraditionalChinese ? "windows-950" : "windows-932";
    const char* names[][2] = {{"織田", "信長"}, {"武田", "信玄"}, {"上杉", "謙信"}};
    for (int slot = 1; slot <= 3; ++slot) {
        OfficerSlot o;
        OfficerRecord& r = o.Record;
        SetText(r.FamilyName, Encoded(page, names[slot - 1][0]));
        SetText(r.GivenName, Encoded(page, names[slot - 1][1]));
        SetText(r.Biography, Encoded(page, "尾張大名"));
        r.Gender = 1;
        r.PortraitNumber = 1700 + slot;
        r.BirthYear = 1534;
        r.DeathYear = 1582;
        r.Origin = 7;
        r.Faith = 3;
        r.Father = slot == 1 ? -1 : N(1);
        r.CompatibilityOfficer = 1629;
        r.Leadership = 1;
        r.Valour = 120;
        r.Intellect = 60;
        r.Politics = 70;
        r.Aptitude = {0, 1, 2, 3, 4, 4, 3, 2, 1};
        r.TacticCount = 2;
        o.Tactics = {0, 29};
        o.LikedCount = 2;
        o.Liked = {N(3), 0};
        o.DislikedCount = 1;
        o.Disliked = {1629, 0};
        o.Extra = {100, 178, 8, N(slot), 1, 5};
        session->Officers[slot] = o;
    }
    session->EndSlot = 4;
    return session;
}

std::string Describe(const std::vector<Finding>& findings) {
    std::string out;
    for (const Finding& f : findings)
        out += std::to_string(f.slot) + " " + f.field + " " + f.value + " " + testing::FromGbk(FormatGbk(f.why.text, f.why.args)) + "\n";
    return out;
}

TEST(OfficerCheck, ACleanTableGivesNothing) {
    for (std::uint8_t edition : {kEditionTraditionalChinese, kEditionJapanese}) {
        auto session = CleanTable(edition);
        EXPECT_EQ(Describe(CheckOfficers(*session)), "") << int(edition);
        EXPECT_EQ(Describe(CheckOfficers(*session, {false})), "") << int(edition);
    }
}

TEST(OfficerCheck, EachValueTheGameDoesNotExpectIsOneFinding) {
    struct Case {
        const char* what;
        std::function<void(Session&)> make;
        int slot;
        const char* field;
        std::string value;
        TextId why;
        std::vector<TextArg> args;
    };
    const std::vector<Case> cases = {
        {"origin past its list", [](Session& s) { s.Officers[2].Record.Origin = 8; }, 2, "Origin", "8", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{7}}},
        {"faith below its list", [](Session& s) { s.Officers[1].Record.Faith = -1; }, 1, "Faith", "-1", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{3}}},
        {"gender", [](Session& s) { s.Officers[3].Record.Gender = 2; }, 3, "Gender", "2", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{1}}},
        {"an aptitude above Ｓ", [](Session& s) { s.Officers[1].Record.Aptitude[3] = 5; }, 1, "Aptitude[3]", "5", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{4}}},
        {"a tactic past the thirty", [](Session& s) { s.Officers[2].Tactics[1] = 30; }, 2, "Tactics[1]", "30", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{29}}},
        {"a castle past the list", [](Session& s) { s.Officers[1].Extra.AssignedCastle = 180; }, 1, "AssignedCastle", "180", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{179}}},
        {"a castle list's separator", [](Session& s) { s.Officers[1].Extra.AssignedCastle = 2; }, 1, "AssignedCastle", "2", TextId::kCheckSeparator, {}},
        {"status", [](Session& s) { s.Officers[3].Extra.Status = 9; }, 3, "Status", "9", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{8}}},
        {"appearance", [](Session& s) { s.Officers[3].Extra.Appearance = 2; }, 3, "Appearance", "2", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{1}}},
        {"voice", [](Session& s) { s.Officers[2].Extra.VoiceType = 6; }, 2, "VoiceType", "6", TextId::kCheckNotInList, {std::int64_t{0}, std::int64_t{5}}},
        {"a father past the last officer", [](Session& s) { s.Officers[2].Record.Father = N(4); }, 2, "Father", "10003", TextId::kCheckNoSuchOfficer, {}},
        {"a father between the two numberings", [](Session& s) { s.Officers[2].Record.Father = 1630; }, 2, "Father", "1630", TextId::kCheckNoSuchOfficer, {}},
        {"a liked officer's number", [](Session& s) { s.Officers[1].Liked[1] = -2; s.Officers[1].LikedCount = 2; }, 1, "Liked[1]", "-2", TextId::kCheckNoSuchOfficer, {}},
        {"a disliked officer's number", [](Session& s) { s.Officers[3].Disliked[0] = 20000; }, 3, "Disliked[0]", "20000", TextId::kCheckNoSuchOfficer, {}},
        {"a compatibility that is no built-in officer", [](Session& s) { s.Officers[1].Record.CompatibilityOfficer = N(2); }, 1, "CompatibilityOfficer", "10001", TextId::kCheckNoBuiltInOfficer, {std::int64_t{1629}}},
        {"death before birth", [](Session& s) { s.Officers[2].Record.DeathYear = 1533; }, 2, "DeathYear", "1533", TextId::kCheckDeathBeforeBirth, {std::int64_t{1534}}},
        {"leadership 0", [](Session& s) { s.Officers[1].Record.Leadership = 0; }, 1, "Leadership", "0", TextId::kCheckOutsideRange, {std::int64_t{1}, std::int64_t{120}}},
        {"valour 121", [](Session& s) { s.Officers[1].Record.Valour = 121; }, 1, "Valour", "121", TextId::kCheckOutsideRange, {std::int64_t{1}, std::int64_t{120}}},
        {"intellect", [](Session& s) { s.Officers[3].Record.Intellect = 500; }, 3, "Intellect", "500", TextId::kCheckOutsideRange, {std::int64_t{1}, std::int64_t{120}}},
        {"politics", [](Session& s) { s.Officers[3].Record.Politics = -1; }, 3, "Politics", "-1", TextId::kCheckOutsideRange, {std::int64_t{1}, std::int64_t{120}}},
        {"duty 101", [](Session& s) { s.Officers[2].Extra.Duty = 101; }, 2, "Duty", "101", TextId::kCheckOutsideRange, {std::int64_t{1}, std::int64_t{100}}},
        {"a family name with a pair Big5 has no character for",
         [](Session& s) { SetText(s.Officers[2].Record.FamilyName, Encoded("windows-950", "武") + "\xA4\x20"); }, 2, "FamilyName", Hex(Encoded("windows-950", "武")) + "A420", TextId::kCheckNotDecoded, {std::int64_t{3}}},
        {"a reading cut in the middle of a character",
         [](Session& s) { SetText(s.Officers[1].Record.GivenNameReading, "ab\xA4"); }, 1, "GivenNameReading", "6162A4", TextId::kCheckNotDecoded, {std::int64_t{3}}},
        {"a biography", [](Session& s) { SetText(s.Officers[3].Record.Biography, "\xA4\x20"); }, 3, "Biography", "A420", TextId::kCheckNotDecoded, {std::int64_t{1}}},
        {"two officers of one name", [](Session& s) { s.Officers[3].Record.FamilyName = s.Officers[1].Record.FamilyName; s.Officers[3].Record.GivenName = s.Officers[1].Record.GivenName; },
         3, "FamilyName+GivenName", "", TextId::kCheckSameName, {std::int64_t{1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto session = CleanTable(kEditionTraditionalChinese);
        c.make(*session);
        const auto findings = CheckOfficers(*session);
        ASSERT_EQ(findings.size(), 1u) << Describe(findings);
        const Finding& f = findings.front();
        EXPECT_EQ(f.slot, c.slot);
        EXPECT_EQ(f.field, c.field);
        EXPECT_EQ(f.value, c.value);
        EXPECT_TRUE(f.why.Is(c.why));
        EXPECT_EQ(FormatGbk(f.why.text, f.why.args), FormatGbk(c.why, c.args));
    }
}

TEST(OfficerCheck, TextIsCheckedInTheEditionsOwnEncodingAndOnlyWhenItIsKnown) {
    // "ｱ" as Shift-JIS is the single byte B1; in Big5 a lone B1 is half a character.
    for (std::uint8_t edition : {kEditionTraditionalChinese, kEditionJapanese}) {
        auto session = CleanTable(edition);
        SetText(session->Officers[1].Record.FamilyNameReading, "\xB1");
        EXPECT_EQ(CheckOfficers(*session).size(), edition == kEditionTraditionalChinese ? 1u : 0u) << int(edition);
        EXPECT_TRUE(CheckOfficers(*session, {false}).empty());
    }
}

TEST(OfficerCheck, OnlyOfficersBeforeTheEndOfTheListAreChecked) {
    auto session = CleanTable(kEditionJapanese);
    session->Officers[4] = session->Officers[1];
    session->Officers[4].Record.Valour = 999;
    EXPECT_TRUE(CheckOfficers(*session).empty());
    session->EndSlot = 5;
    const auto findings = CheckOfficers(*session);
    ASSERT_EQ(findings.size(), 2u);  // its valour, and its name, which slot 1 has too
    EXPECT_EQ(findings[0].field, "Valour");
    EXPECT_EQ(findings[1].field, "FamilyName+GivenName");
}

}  // namespace
}  // namespace busho
