#include "commit_officer.h"

#include <cmath>
#include <limits>

#include "core/text/messages.h"
#include "editor_texts.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

std::optional<std::int32_t> ToInt32(double v) {
    const double whole = RoundHalfEven(v);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() && whole <= std::numeric_limits<std::int32_t>::max())) return std::nullopt;
    return static_cast<std::int32_t>(whole);
}

// Text of a number box: blanks, an optional sign, digits with at most one point, blanks.
bool IsNumberText(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    bool digit = false, point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9') {
            digit = true;
        } else if (text[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    while (i < text.size() && text[i] == ' ') ++i;
    return digit && i == text.size();
}

template <std::size_t N>
void StoreText(ByteField<N>& field, std::string encoded) {
    PadToByteWidth(encoded, static_cast<std::int16_t>(N), 0);
    // Encoding never lengthens a text that passed the length checks; the field keeps its width regardless.
    field = {};
    for (std::size_t i = 0; i < N && i < encoded.size(); ++i) field[i] = static_cast<std::uint8_t>(encoded[i]);
}

void Relations(int a, int b, std::int32_t& count, std::array<std::int32_t, kMaxRelations>& numbers) {
    if (a > 0 && b > 0) {
        count = 2;
        numbers = {ListItemToNumber(a), ListItemToNumber(b)};
    } else if (a > 0 && b == 0) {
        count = 1;
        numbers = {ListItemToNumber(a), 0};
    } else if (a == 0 && b > 0) {
        count = 1;
        numbers = {ListItemToNumber(b), 0};
    } else if (a == 0 && b == 0) {
        count = 0;
        numbers = {0, 0};
    }
}

CommitResult Refuse(const char* text, int style, CommitFocus focus = CommitFocus::None) {
    return {false, Message{text, {}, {}, {}, style}, focus};
}

}  // namespace

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    if (!IsNumberText(text)) return std::nullopt;
    return ToInt32(LeadingNumber(text));
}

CommitResult CommitOfficer(Session& session, EditorValues& v, CommitMode mode, CommitOptions options) {
    if (!session.FileLoaded)
        return {false, Message{text_gbk::kTextOpenFirst, {}, {}, text_gbk::kTitleWrongChoice, text_gbk::kStyleInformation + text_gbk::kStyleCritical}};

    // Names keep only their double-byte characters; readings are made anew on every commit.
    v.txM = KeepDoubleByteChars(v.txM);
    if (options.makeReadings) v.txMP = RandomKanaReading(v.txM, session.Random);
    v.txX = KeepDoubleByteChars(v.txX);
    if (options.makeReadings) v.txXP = RandomKanaReading(v.txX, session.Random);
    if (AnsiByteLen(v.txX) < 1 || AnsiByteLen(v.txX) > 6) return Refuse(text_gbk::kFamilyNameRefused, text_gbk::kStyleCritical, CommitFocus::FamilyName);
    if (AnsiByteLen(v.txM) < 1 || AnsiByteLen(v.txM) > 6) return Refuse(text_gbk::kGivenNameRefused, text_gbk::kStyleCritical, CommitFocus::GivenName);
    if (AnsiByteLen(v.txLJ) < 1 || AnsiByteLen(v.txLJ) > 146) v.txLJ = text_gbk::kDefaultBiography;
    constexpr int kStyleWarning = 48;
    if (mode == CommitMode::Modify && session.CurrentSlot > session.EndSlot - 1) return Refuse(text_gbk::kNoOfficerHere, kStyleWarning);
    // Adding may not take slot 1000: every file keeps its end marker within its 1000 slots.
    if (mode == CommitMode::Add && session.EndSlot >= kSlotCount) return Refuse(text_gbk::kTableFull, kStyleWarning);
    if (v.cCZ < 0) v.cCZ = 0;
    if (v.cXXWJ < 0) v.cXXWJ = 0;
    // A birth year that is not above 0, or that would become 0 once made whole, would end the
    // officer list on file.
    const double birth = LeadingNumber(v.txCSN);
    if (!(birth > 0) || RoundHalfEven(birth) < 1) {
        v.txCSN = "1500";
        v.txSWN = "1600";
    }

    // Every number must be one before anything is written.
    struct NumberBox {
        const std::string& text;
        bool wholeText;  // the whole text must be a number; years only need one at their start
        const char* label;
        CommitFocus focus;
    };
    const NumberBox boxes[] = {
        {v.txCSN, false, text_gbk::kLabelBirthYear, CommitFocus::BirthYear}, {v.txSWN, false, text_gbk::kLabelDeathYear, CommitFocus::DeathYear},
        {v.txLTY, true, text_gbk::kLabelLeadership, CommitFocus::Leadership}, {v.txLWG, true, text_gbk::kLabelValour, CommitFocus::Valour},
        {v.txLZH, true, text_gbk::kLabelIntellect, CommitFocus::Intellect},   {v.txLZZ, true, text_gbk::kLabelPolitics, CommitFocus::Politics},
        {v.txLQY, true, text_gbk::kLabelDuty, CommitFocus::Duty},
    };
    std::array<std::int32_t, 7> numbers{};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const auto number = boxes[i].wholeText ? WholeNumber(boxes[i].text) : ToInt32(LeadingNumber(boxes[i].text));
        if (!number) return {false, Message{std::string(boxes[i].label) + text_gbk::kNumberRefused, {}, {}, {}, text_gbk::kStyleCritical}, boxes[i].focus};
        numbers[i] = *number;
    }

    if (mode == CommitMode::Add) {
        session.EndSlot += 1;
        session.CurrentSlot = session.EndSlot - 1;
    }
    OfficerSlot& slot = session.Officers[session.CurrentSlot];
    OfficerRecord& r = slot.Record;
    r.Signature = WrittenSignature();
    r.HeaderWord1 = 0;
    r.HeaderWord2 = 1;
    r.HeaderWord3 = 0;
    r.HeaderWord4 = 0;
    StoreText(r.FamilyName, EncodeForGame(session, v.txX));
    StoreText(r.FamilyNameReading, EncodeForGame(session, v.txXP));
    StoreText(r.GivenName, EncodeForGame(session, v.txM));
    StoreText(r.GivenNameReading, EncodeForGame(session, v.txMP));
    StoreText(r.Biography, EncodeForGame(session, v.txLJ));

    r.Gender = v.cSB;
    r.PortraitNumber = session.CurrentPortrait;
    r.BirthYear = numbers[0];
    r.DeathYear = numbers[1];
    r.Origin = v.cCZ;
    r.Faith = v.cXY;
    r.Father = v.cSF <= 0 ? -1 : ListItemToNumber(v.cSF);
    r.CompatibilityOfficer = v.cXXWJ;
    r.Leadership = numbers[2];
    r.Valour = numbers[3];
    r.Intellect = numbers[4];
    r.Politics = numbers[5];
    for (int k = 0; k < kAptitudeCount; ++k) r.Aptitude[static_cast<std::size_t>(k)] = v.SkillList[static_cast<std::size_t>(k)];
    int count = 0;
    slot.Tactics = {};
    for (int t = 0; t < kTacticBoxes; ++t)
        if (v.SKill1[static_cast<std::size_t>(t)]) slot.Tactics[static_cast<std::size_t>(count++)] = t;
    r.TacticCount = count;
    Relations(v.cQEWJ1, v.cQEWJ2, slot.LikedCount, slot.Liked);
    Relations(v.cYEWJ1, v.cYEWJ2, slot.DislikedCount, slot.Disliked);

    OfficerExtra& e = slot.Extra;
    e.Duty = numbers[6];
    e.AssignedCastle = v.cSS;
    e.Status = mode == CommitMode::Modify ? v.cZT : 7;
    if (mode == CommitMode::Add) e.OfficerId = session.EndSlot + 9998;
    e.Appearance = v.cCCDC;
    if (v.SD >= 0 && v.SD < 6) e.VoiceType = v.SD;

    CopyToRoster(session.Officers, session.Roster, session.CurrentSlot);
    return {true, std::nullopt, CommitFocus::None};
}

}  // namespace busho
