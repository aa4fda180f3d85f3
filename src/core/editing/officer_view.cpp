#include "officer_view.h"

#include <cmath>
#include <cstdio>

#include "core/os/game_paths.h"
#include "editor_texts.h"

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
    session.CurrentPortrait = 1;
}

void ShowOfficer(Session& session, int slot, EditorValues& v) {
    const OfficerSlot& officer = session.Officers[slot];
    const OfficerRecord& r = officer.Record;
    auto text = [&](std::string_view field) {
        return session.ZZZZ ? DecodeFromGame(session, field) : std::string(field);
    };
    v.txX = text(FieldText(r.FamilyName));
    v.txXP = text(FieldText(r.FamilyNameReading));
    v.txM = text(FieldText(r.GivenName));
    v.txMP = text(FieldText(r.GivenNameReading));
    v.txLJ = text(FieldText(r.Biography));
    v.txLTY = std::to_string(r.Leadership);
    v.txLWG = std::to_string(r.Valour);
    v.txLZH = std::to_string(r.Intellect);
    v.txLZZ = std::to_string(r.Politics);
    v.txLQY = std::to_string(officer.Extra.Duty);
    for (int k = 0; k < kAptitudeCount; ++k) v.SkillList[static_cast<std::size_t>(k)] = r.Aptitude[static_cast<std::size_t>(k)];
    // Only the officer's tactics are ticked; the caller clears the boxes first where it must.
    for (int i = 0; i < r.TacticCount && i < kMaxTactics; ++i) {
        const int tactic = officer.Tactics[static_cast<std::size_t>(i)];
        if (tactic >= 0 && tactic < kTacticBoxes) v.SKill1[static_cast<std::size_t>(tactic)] = true;
    }
    v.cSB = r.Gender;
    v.cCZ = r.Origin;
    v.cXY = r.Faith;
    v.cZT = officer.Extra.Status;
    v.cSS = officer.Extra.AssignedCastle;
    v.cXXWJ = r.CompatibilityOfficer;
    auto relations = [](std::int32_t count, const std::array<std::int32_t, kMaxRelations>& numbers, int& first, int& second) {
        if (count == 0) {
            first = second = 0;
        } else if (count == 1) {
            first = NumberToListItem(numbers[0]);
            second = 0;
        } else if (count == 2) {
            first = NumberToListItem(numbers[0]);
            second = NumberToListItem(numbers[1]);
        }
    };
    relations(officer.LikedCount, officer.Liked, v.cQEWJ1, v.cQEWJ2);
    relations(officer.DislikedCount, officer.Disliked, v.cYEWJ1, v.cYEWJ2);
    v.cSF = r.Father == -1 ? 0 : NumberToListItem(r.Father);
    v.txCSN = std::to_string(r.BirthYear);
    v.txSWN = std::to_string(r.DeathYear);
    v.cCCDC = officer.Extra.Appearance;
    v.SD = officer.Extra.VoiceType;
    session.CurrentPortrait = r.PortraitNumber;
}

PortraitSource LargePortraitSource(int portraitNumber) {
    if (portraitNumber >= 1700) return {kEditLargeFaces, portraitNumber - 1700};
    return {kStandardLargeFaces, portraitNumber};
}

double LeadingNumber(std::string_view text) {
    std::string digits;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' || text[i] == '\r')) ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) digits += text[i++];
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') continue;  // blanks inside a number are skipped too
        if (c >= '0' && c <= '9') {
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    if (digits.empty() || digits == "-" || digits == "+" || digits == "." || digits == "-." || digits == "+.") return 0;
    return std::strtod(digits.c_str(), nullptr);
}

double RoundHalfEven(double v) {
    const double down = std::floor(v);
    const double rest = v - down;
    if (rest > 0.5) return down + 1;
    if (rest < 0.5) return down;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

std::string NumberWithSignSpace(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    if (text == "-0") text = "0";
    return text[0] == '-' ? text : " " + text;
}

std::array<std::string, 4> ScenarioCaptions() {
    return {text_gbk::kScenario1555, text_gbk::kScenario1561, text_gbk::kScenario1570, text_gbk::kScenario1582};
}

std::array<std::string, 4> ScenarioAgeTexts(std::string_view birthYearText) {
    const double b = LeadingNumber(birthYearText);
    const auto captions = ScenarioCaptions();
    std::array<std::string, 4> texts;
    for (std::size_t s = 0; s < 4; ++s) {
        const int year = kScenarioYears[s];
        // Of age in the first scenario from birth year 1555 down; in later ones below their year.
        const bool ofAge = s == 0 ? b <= year : b < year;
        texts[s] = ofAge ? captions[s] + NumberWithSignSpace(year - b) + text_gbk::kAgeSuffix : captions[s] + text_gbk::kNotOfAge;
    }
    return texts;
}

std::string AppTitleFor(std::uint8_t edition) {
    if (edition == kEditionTraditionalChinese) return std::string(text_gbk::kAppTitleBase) + text_gbk::kAppTitleTc;
    if (edition == kEditionJapanese) return std::string(text_gbk::kAppTitleBase) + text_gbk::kAppTitleJp;
    return {};
}

}  // namespace busho
