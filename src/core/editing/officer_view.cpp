#include "officer_view.h"

#include <cmath>
#include <cstdio>

#include "core/os/game_paths.h"
#include "vocabulary_text.h"
#include "core/text/messages.h"

namespace busho {
namespace {

template <std::size_t N>
std::string_view FieldText(const ByteField<N>& field) {
    return std::string_view(reinterpret_cast<const char*>(field.data()), N);
}

constexpr int kScenarioYears[4] = {1555, 1561, 1570, 1582};

}  // namespace

void ApplyBlankDefaults(EditorValues& v, Session& session) {
    v.txX = text_gbk::kBlankFamilyName;
    v.txM = text_gbk::kBlankGivenName;
    v.txXP.clear();
    v.txMP.clear();
    v.txLJ = text_gbk::kBlankBiography;
    v.txLTY = v.txLWG = v.txLZH = v.txLZZ = v.txLQY = "120";
    v.SkillList.fill(0);
    v.SKill1.fill(false);
    v.cSB = v.cCZ = v.cXY = v.cZT = v.cSS = v.cXXWJ = 0;
    v.cQEWJ1 = v.cQEWJ2 = v.cYEWJ1 = v.cYEWJ2 = v.cSF = 0;
    v.txCSN = "1550";
    v.txSWN = "2005";
    v.cCCDC = 0;
    v.shown.clear();
    v.unlisted.clear();
    v.notEncodable.clear();
    session.CurrentPortrait = 1;
}

bool LeftAlone(const EditorValues& v, const std::string& box, std::string_view text) {
    const auto at = v.shown.find(box);
    return at != v.shown.end() && at->second.text == text;
}

int FixedListSize(const std::string& list) {
    namespace vt = vocabulary_text;
    if (list == "cSB") return static_cast<int>(vt::Genders().size());
    if (list == "cCZ") return static_cast<int>(vt::Origins().size());
    if (list == "cXY") return static_cast<int>(vt::Faiths().size());
    if (list == "cZT") return static_cast<int>(vt::Statuses().size());
    if (list == "cSS") return static_cast<int>(vt::Castles().size());
    if (list == "cCCDC") return static_cast<int>(vt::Appearances().size());
    if (list.starts_with("SkillList")) return static_cast<int>(vt::Ranks().size());
    return 0;
}

void ShowOfficer(Session& session, int slot, EditorValues& v) {
    const OfficerSlot& officer = session.Officers[slot];
    const OfficerRecord& r = officer.Record;
    v.shown.clear();
    v.unlisted.clear();
    v.notEncodable.clear();
    auto text = [&](const char* box, std::string_view field, std::string& value) {
        value = session.ZZZZ ? DecodeFromGame(session, field) : std::string(field);
        v.shown[box] = {value, std::string(field)};
    };
    text("txX", FieldText(r.FamilyName), v.txX);
    text("txXP", FieldText(r.FamilyNameReading), v.txXP);
    text("txM", FieldText(r.GivenName), v.txM);
    text("txMP", FieldText(r.GivenNameReading), v.txMP);
    text("txLJ", FieldText(r.Biography), v.txLJ);
    auto number = [&](const char* box, std::int32_t field, std::string& value) {
        value = std::to_string(field);
        v.shown[box] = {value, {}};
    };
    number("txLTY", r.Leadership, v.txLTY);
    number("txLWG", r.Valour, v.txLWG);
    number("txLZH", r.Intellect, v.txLZH);
    number("txLZZ", r.Politics, v.txLZZ);
    number("txLQY", officer.Extra.Duty, v.txLQY);
    // A stored value outside its list gets the list's unlisted item.
    auto fixed = [&](const std::string& list, std::int32_t value, int size, int& position) {
        if (value >= 0 && value < size) {
            position = value;
        } else {
            position = kUnlistedItem;
            v.unlisted[list] = value;
        }
    };
    for (int k = 0; k < kAptitudeCount; ++k) {
        const std::string list = "SkillList" + std::to_string(k);
        fixed(list, r.Aptitude[static_cast<std::size_t>(k)], FixedListSize(list), v.SkillList[static_cast<std::size_t>(k)]);
    }
    // Only the officer's tactics are ticked; the caller clears the boxes first where it must.
    for (int i = 0; i < r.TacticCount && i < kMaxTactics; ++i) {
        const int tactic = officer.Tactics[static_cast<std::size_t>(i)];
        if (tactic >= 0 && tactic < kTacticBoxes) v.SKill1[static_cast<std::size_t>(tactic)] = true;
    }
    fixed("cSB", r.Gender, FixedListSize("cSB"), v.cSB);
    fixed("cCZ", r.Origin, FixedListSize("cCZ"), v.cCZ);
    fixed("cXY", r.Faith, FixedListSize("cXY"), v.cXY);
    fixed("cZT", officer.Extra.Status, FixedListSize("cZT"), v.cZT);
    fixed("cSS", officer.Extra.AssignedCastle, FixedListSize("cSS"), v.cSS);
    fixed("cXXWJ", r.CompatibilityOfficer, kBuiltInOfficerCount, v.cXXWJ);
    // An officer number that names no officer gets the list's unlisted item too.
    auto relation = [&](const char* list, std::int32_t number, int& position) {
        if (const auto item = OfficerListItem(number, session.EndSlot)) {
            position = *item;
        } else {
            position = kUnlistedItem;
            v.unlisted[list] = number;
        }
    };
    auto relations = [&](std::int32_t count, const std::array<std::int32_t, kMaxRelations>& numbers, const char* firstList,
                         const char* secondList, int& first, int& second) {
        if (count == 0) {
            first = second = 0;
        } else if (count == 1) {
            relation(firstList, numbers[0], first);
            second = 0;
        } else if (count == 2) {
            relation(firstList, numbers[0], first);
            relation(secondList, numbers[1], second);
        }
    };
    relations(officer.LikedCount, officer.Liked, "cQEWJ1", "cQEWJ2", v.cQEWJ1, v.cQEWJ2);
    relations(officer.DislikedCount, officer.Disliked, "cYEWJ1", "cYEWJ2", v.cYEWJ1, v.cYEWJ2);
    if (r.Father == -1) v.cSF = 0;
    else relation("cSF", r.Father, v.cSF);
    number("txCSN", r.BirthYear, v.txCSN);
    number("txSWN", r.DeathYear, v.txSWN);
    fixed("cCCDC", officer.Extra.Appearance, FixedListSize("cCCDC"), v.cCCDC);
    v.SD = officer.Extra.VoiceType;
    session.CurrentPortrait = r.PortraitNumber;
}

PortraitSource LargePortraitSource(int portraitNumber) {
    if (portraitNumber >= kEditFaceBase) return {kEditLargeFaces, portraitNumber - kEditFaceBase};
    return {kStandardLargeFaces, portraitNumber};
}

std::array<std::string, 4> ScenarioCaptions() {
    return {text_gbk::kScenario1555, text_gbk::kScenario1561, text_gbk::kScenario1570, text_gbk::kScenario1582};
}

std::array<ScenarioAge, 4> ScenarioAges(std::string_view birthYearText) {
    const double b = LeadingNumber(birthYearText);
    const TextId captions[] = {TextId::kScenario1555, TextId::kScenario1561, TextId::kScenario1570, TextId::kScenario1582};
    std::array<ScenarioAge, 4> ages;
    for (std::size_t s = 0; s < 4; ++s) {
        const int year = kScenarioYears[s];
        // Of age in the first scenario from birth year 1555 down; in later ones below their year.
        const bool ofAge = s == 0 ? b <= year : b < year;
        ages[s].caption = captions[s];
        if (ofAge) ages[s].age = NumberWithSignSpace(year - b);
    }
    return ages;
}

std::array<std::string, 4> ScenarioAgeTexts(std::string_view birthYearText) {
    std::array<std::string, 4> texts;
    const auto ages = ScenarioAges(birthYearText);
    for (std::size_t s = 0; s < 4; ++s)
        texts[s] = std::string(GbkText(ages[s].caption)) + (ages[s].age ? *ages[s].age + text_gbk::kAgeSuffix : text_gbk::kNotOfAge);
    return texts;
}

std::string AppTitleFor(std::uint8_t edition) {
    if (edition == kEditionTraditionalChinese) return std::string(text_gbk::kAppTitleBase) + text_gbk::kAppTitleTc;
    if (edition == kEditionJapanese) return std::string(text_gbk::kAppTitleBase) + text_gbk::kAppTitleJp;
    return {};
}

}  // namespace busho
