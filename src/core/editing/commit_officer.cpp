#include "commit_officer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/text/messages.h"
#include "list_row.h"
#include "game_ranges.h"
#include "random_officer.h"
#include "core/text/code_table_file.h"
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

// Two lists of one kind of relation at positions a and b (numbers na and nb), packed to the front.
void Relations(int a, int b, std::int32_t na, std::int32_t nb, std::int32_t& count, std::array<std::int32_t, kMaxRelations>& numbers) {
    const auto chosen = [](int p) { return p > 0 || p == kUnlistedItem; };
    if (chosen(a) && chosen(b)) {
        count = 2;
        numbers = {na, nb};
    } else if (chosen(a) && b == 0) {
        count = 1;
        numbers = {na, 0};
    } else if (a == 0 && chosen(b)) {
        count = 1;
        numbers = {nb, 0};
    } else if (a == 0 && b == 0) {
        count = 0;
        numbers = {0, 0};
    }
}

constexpr int kMaxNameTextBytes = 6;    // three double-byte characters
constexpr int kMaxReadingBytes = 18;    // nine kana, and the 19-byte field still ends with a zero
constexpr int kMaxBiographyBytes = 146;
constexpr std::size_t kBiographyFieldBytes = 153;

// What the commit would not store as typed, one line per field ("\r姓 ab").
// A label of text_gbk (kFieldFamilyName, a range's label) as its TextId, so that it is shown in the
// reader's language; other text as it stands.
TextArg Label(const char* gbk) {
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i)
        if (text_gbk::kAllInterfaceTexts[i].gbk.data() == gbk) return static_cast<TextId>(i);
    return std::string(gbk);
}

// The parts one after the other, each in its own form (the message is put together where it is shown).
TextArg Concat(TextArg last) { return last; }
template <class... More>
TextArg Concat(TextArg first, TextArg second, More... more) {
    return NestedText(TextId::kTextJoined, {std::move(first), Concat(std::move(second), std::move(more)...)});
}

struct Losses {
    std::vector<std::pair<const char*, std::string>> fields;  // the field's label (text_gbk), what it loses
    void Add(const char* label, const std::string& characters) {
        if (characters.empty()) return;
        for (auto& [field, lost] : fields)
            if (field == label) {
                lost += " " + characters;
                return;
            }
        fields.emplace_back(label, characters);
    }
    TextArg Text() const {
        TextArg text = std::string();
        for (const auto& [field, lost] : fields) text = Concat(std::move(text), std::string("\r"), Label(field), " " + lost);
        return text;
    }
};

const char* FieldLabel(const std::string& box) {
    if (box == "txX") return text_gbk::kFieldFamilyName;
    if (box == "txXP") return text_gbk::kFieldFamilyReading;
    if (box == "txM") return text_gbk::kFieldGivenName;
    if (box == "txMP") return text_gbk::kFieldGivenReading;
    return text_gbk::kFieldBiography;
}

// The single-byte characters that keeping only double-byte characters drops, spaces aside, each once.
std::string DroppedSingleBytes(std::string_view text) {
    std::string dropped;
    ForEachGbkChar(text, [&](std::uint8_t b0, std::uint8_t, bool isDouble) {
        if (!isDouble && b0 != ' ' && dropped.find(static_cast<char>(b0)) == std::string::npos) dropped.push_back(static_cast<char>(b0));
    });
    return dropped;
}

// A reading is kept while neither it nor its name changed, taken as typed when the user typed one,
// and drawn for a changed name whose reading box was left alone (or emptied).
enum class Reading { Keep, Typed, Draw, Given };  // Given: an import's reading, stored as it comes
Reading ChooseReading(const EditorValues& v, const char* box, const std::string& text, bool nameChanged, CommitOptions options) {
    if (!options.makeReadings) return Reading::Given;
    const bool readingChanged = !LeftAlone(v, box, text);
    if (readingChanged && !TrimSpaces(text).empty()) return Reading::Typed;
    if (readingChanged || nameChanged) return Reading::Draw;
    return Reading::Keep;
}

Problem Refuse(TextId text, const char* field = "") { return Problem(text).OfField(field); }

}  // namespace

std::optional<std::int32_t> WholeNumber(std::string_view text) {
    if (!IsNumberText(text)) return std::nullopt;
    return ToInt32(LeadingNumber(text));
}

Result<CommittedOfficer> PrepareCommit(Session& session, EditorValues& v, CommitMode mode, CommitOptions options) {
    if (!session.FileLoaded) return TextId::kTextOpenFirst;

    // Texts the user changed, and what would not be stored as typed.
    Losses losses;
    for (const auto& [box, notes] : v.notEncodable) losses.Add(FieldLabel(box), notes);
    const bool familyChanged = !LeftAlone(v, "txX", v.txX);
    const bool givenChanged = !LeftAlone(v, "txM", v.txM);
    if (givenChanged) {
        losses.Add(text_gbk::kFieldGivenName, DroppedSingleBytes(v.txM));
        v.txM = KeepDoubleByteChars(v.txM);
    }
    if (familyChanged) {
        losses.Add(text_gbk::kFieldFamilyName, DroppedSingleBytes(v.txX));
        v.txX = KeepDoubleByteChars(v.txX);
    }
    const Reading familyReading = ChooseReading(v, "txXP", v.txXP, familyChanged, options);
    const Reading givenReading = ChooseReading(v, "txMP", v.txMP, givenChanged, options);
    // Big5 has no kana: a drawn reading would be stored as question marks, so the stored one stays.
    const bool drawKana = session.Edition != kEditionTraditionalChinese;
    if (givenReading == Reading::Draw && drawKana) v.txMP = RandomKanaReading(v.txM, session.Random);
    if (familyReading == Reading::Draw && drawKana) v.txXP = RandomKanaReading(v.txX, session.Random);
    if (familyReading == Reading::Typed) {
        losses.Add(text_gbk::kFieldFamilyReading, DroppedSingleBytes(v.txXP));
        v.txXP = KeepDoubleByteChars(v.txXP);
    }
    if (givenReading == Reading::Typed) {
        losses.Add(text_gbk::kFieldGivenReading, DroppedSingleBytes(v.txMP));
        v.txMP = KeepDoubleByteChars(v.txMP);
    }
    if (familyChanged && (AnsiByteLen(v.txX) < 1 || AnsiByteLen(v.txX) > kMaxNameTextBytes))
        return Refuse(TextId::kFamilyNameRefused, "FamilyName");
    if (givenChanged && (AnsiByteLen(v.txM) < 1 || AnsiByteLen(v.txM) > kMaxNameTextBytes))
        return Refuse(TextId::kGivenNameRefused, "GivenName");
    if (familyReading == Reading::Typed && AnsiByteLen(v.txXP) > kMaxReadingBytes)
        return Refuse(TextId::kFamilyReadingRefused, "FamilyNameReading");
    if (givenReading == Reading::Typed && AnsiByteLen(v.txMP) > kMaxReadingBytes)
        return Refuse(TextId::kGivenReadingRefused, "GivenNameReading");
    const bool biographyChanged = !LeftAlone(v, "txLJ", v.txLJ);
    if (biographyChanged) {
        if (AnsiByteLen(v.txLJ) < 1) v.txLJ = text_gbk::kDefaultBiography;
        // The field holds 153 bytes; the editor has always accepted 146 of them.
        if (AnsiByteLen(v.txLJ) > kMaxBiographyBytes || EncodeForGame(session, v.txLJ).size() > kBiographyFieldBytes) {
            return Problem(TextId::kBiographyTooLong, {static_cast<std::int64_t>(CharacterCount(v.txLJ)),
                                                       static_cast<std::int64_t>(AnsiByteLen(v.txLJ))})
                .OfField("Biography");
        }
    }
    if (mode == CommitMode::Modify && session.CurrentSlot > session.EndSlot - 1) return Refuse(TextId::kNoOfficerHere);
    // Adding may not take slot 1000: every file keeps its end marker within its 1000 slots.
    if (mode == CommitMode::Add && session.EndSlot >= kSlotCount) return Refuse(TextId::kTableFull);
    if (v.cCZ == -1) v.cCZ = 0;
    if (v.cXXWJ == -1) v.cXXWJ = 0;
    // A birth year that is not above 0, or that would become 0 once made whole, would end the
    // officer list on file.
    const double birth = LeadingNumber(v.txCSN);
    if (!(birth > 0) || RoundHalfEven(birth) < 1) {
        v.txCSN = "1500";
        v.txSWN = "1600";
    }

    // Every number must be one before anything is written.
    struct NumberBox {
        const char* box;
        const std::string& text;
        bool wholeText;  // the whole text must be a number; years only need one at their start
        TextId label;
        const char* field;
    };
    const NumberBox boxes[] = {
        {"txCSN", v.txCSN, false, TextId::kLabelBirthYear, "BirthYear"},
        {"txSWN", v.txSWN, false, TextId::kLabelDeathYear, "DeathYear"},
        {"txLTY", v.txLTY, true, TextId::kLabelLeadership, "Leadership"},
        {"txLWG", v.txLWG, true, TextId::kLabelValour, "Valour"},
        {"txLZH", v.txLZH, true, TextId::kLabelIntellect, "Intellect"},
        {"txLZZ", v.txLZZ, true, TextId::kLabelPolitics, "Politics"},
        {"txLQY", v.txLQY, true, TextId::kLabelDuty, "Duty"},
    };
    std::array<std::int32_t, 7> numbers{};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const auto number = boxes[i].wholeText ? WholeNumber(boxes[i].text) : ToInt32(LeadingNumber(boxes[i].text));
        if (!number) return Problem(TextId::kNumberRefused, {boxes[i].label}).OfField(boxes[i].field);
        numbers[i] = *number;
    }

    // What would not be stored as typed, and changed numbers outside what the game uses: asked first.
    const auto encodingLosses = [&](const char* label, const std::string& text) {
        std::string lost;
        for (const std::string& c : CharactersNotKept(Codec(session), text)) lost += c;
        losses.Add(label, lost);
    };
    if (familyChanged) encodingLosses(text_gbk::kFieldFamilyName, v.txX);
    if (familyReading == Reading::Typed) encodingLosses(text_gbk::kFieldFamilyReading, v.txXP);
    if (givenChanged) encodingLosses(text_gbk::kFieldGivenName, v.txM);
    if (givenReading == Reading::Typed) encodingLosses(text_gbk::kFieldGivenReading, v.txMP);
    if (biographyChanged) encodingLosses(text_gbk::kFieldBiography, v.txLJ);
    TextArg outside = std::string();
    bool anyOutside = false;
    for (const GameRange& range : kGameRanges) {
        const auto box = std::find_if(std::begin(boxes), std::end(boxes), [&](const NumberBox& b) { return std::string_view(b.box) == range.box; });
        const std::int32_t value = numbers[static_cast<std::size_t>(box - std::begin(boxes))];
        if (LeftAlone(v, range.box, box->text) || InGameRange(range, value)) continue;
        outside = Concat(std::move(outside), std::string("\r"), Label(range.label), " " + std::to_string(value), TextId::kGameUses,
                         std::to_string(range.low), TextId::kRangeDash, std::to_string(range.high));
        anyOutside = true;
    }
    const bool yearsChanged = !LeftAlone(v, "txCSN", v.txCSN) || !LeftAlone(v, "txSWN", v.txSWN);
    if (yearsChanged && numbers[1] < numbers[0]) {
        outside = Concat(std::move(outside), std::string("\r"), TextId::kLabelDeathYear, " " + std::to_string(numbers[1]),
                         TextId::kEarlierThanBirth, std::to_string(numbers[0]));
        anyOutside = true;
    }
    if (!options.goOn && (!losses.fields.empty() || anyOutside)) {
        TextArg text = std::string();
        if (!losses.fields.empty()) text = Concat(TextId::kCharactersNotKept, losses.Text());
        if (anyOutside)
            text = Concat(std::move(text), std::string(losses.fields.empty() ? "" : "\r"), TextId::kOutsideGameRange, std::move(outside));
        return Problem(TextId::kCommitQuestion, {std::move(text), TextId::kGoOnQuestion});
    }

    // Adding writes into the end marker's slot; the end of the list moves one slot on.
    const int target = mode == CommitMode::Add ? session.EndSlot : session.CurrentSlot;
    CommittedOfficer committed{target, session.Officers[target]};
    OfficerSlot& slot = committed.officer;
    OfficerRecord& r = slot.Record;
    r.Signature = WrittenSignature();
    r.HeaderWord1 = 0;
    r.HeaderWord2 = 1;
    r.HeaderWord3 = 0;
    r.HeaderWord4 = 0;
    // A text is encoded when the user changed it; otherwise its bytes stay as they were read.
    const auto store = [&](auto& field, const char* box, const std::string& text, bool encode, bool keepShown = true) {
        if (encode) {
            StoreText(field, EncodeForGame(session, text));
        } else if (const auto at = v.shown.find(box); keepShown && at != v.shown.end()) {
            StoreText(field, at->second.stored);
        } else if (mode == CommitMode::Add) {
            field = {};
        }
    };
    const auto storeReading = [&](Reading reading) {
        return reading == Reading::Typed || reading == Reading::Given || (reading == Reading::Draw && drawKana);
    };
    const bool storeFamilyReading = storeReading(familyReading);
    const bool storeGivenReading = storeReading(givenReading);
    store(r.FamilyName, "txX", v.txX, familyChanged);
    // A reading not drawn for a changed name stays in its slot; a new officer does not take the
    // reading of the officer shown before, whose name it was.
    store(r.FamilyNameReading, "txXP", v.txXP, storeFamilyReading, familyReading == Reading::Keep || mode == CommitMode::Modify);
    store(r.GivenName, "txM", v.txM, givenChanged);
    store(r.GivenNameReading, "txMP", v.txMP, storeGivenReading, givenReading == Reading::Keep || mode == CommitMode::Modify);
    store(r.Biography, "txLJ", v.txLJ, biographyChanged);

    // A list on its unlisted item keeps the stored value it stands for.
    const auto listed = [&](const std::string& list, int position) {
        if (position != kUnlistedItem) return position;
        const auto at = v.unlisted.find(list);
        return at == v.unlisted.end() ? -1 : at->second;
    };
    const auto relation = [&](const std::string& list, int position) {
        if (position == kUnlistedItem) return listed(list, position);
        return ListItemToNumber(position);
    };
    r.Gender = listed("cSB", v.cSB);
    r.PortraitNumber = session.CurrentPortrait;
    r.BirthYear = numbers[0];
    r.DeathYear = numbers[1];
    r.Origin = listed("cCZ", v.cCZ);
    r.Faith = listed("cXY", v.cXY);
    r.Father = v.cSF == 0 || v.cSF == -1 ? -1 : relation("cSF", v.cSF);
    r.CompatibilityOfficer = listed("cXXWJ", v.cXXWJ);
    r.Leadership = numbers[2];
    r.Valour = numbers[3];
    r.Intellect = numbers[4];
    r.Politics = numbers[5];
    for (int k = 0; k < kAptitudeCount; ++k)
        r.Aptitude[static_cast<std::size_t>(k)] = listed("SkillList" + std::to_string(k), v.SkillList[static_cast<std::size_t>(k)]);
    int count = 0;
    slot.Tactics = {};
    for (int t = 0; t < kTacticBoxes; ++t)
        if (v.SKill1[static_cast<std::size_t>(t)]) slot.Tactics[static_cast<std::size_t>(count++)] = t;
    r.TacticCount = count;
    Relations(v.cQEWJ1, v.cQEWJ2, relation("cQEWJ1", v.cQEWJ1), relation("cQEWJ2", v.cQEWJ2), slot.LikedCount, slot.Liked);
    Relations(v.cYEWJ1, v.cYEWJ2, relation("cYEWJ1", v.cYEWJ1), relation("cYEWJ2", v.cYEWJ2), slot.DislikedCount, slot.Disliked);

    OfficerExtra& e = slot.Extra;
    e.Duty = numbers[6];
    e.AssignedCastle = listed("cSS", v.cSS);
    e.Status = mode == CommitMode::Modify ? listed("cZT", v.cZT) : 7;
    if (mode == CommitMode::Add) e.OfficerId = target + 9999;
    e.Appearance = listed("cCCDC", v.cCCDC);
    if (v.SD >= 0 && v.SD < 6) e.VoiceType = v.SD;
    return committed;
}

bool ChangesNothing(const Session& session, CommitMode mode, const CommittedOfficer& committed) {
    if (mode == CommitMode::Add) return false;
    RosterEntry entry = session.Roster[kBuiltInOfficerCount + committed.slot];
    CopyFigures(committed.officer, entry);
    return committed.officer == session.Officers[committed.slot] && entry == session.Roster[kBuiltInOfficerCount + committed.slot];
}

std::unique_ptr<EditCommand> CommitStep(Session& session, CommitMode mode, const CommittedOfficer& committed) {
    const std::string name = OfficerName(session, committed.officer.Record, true);
    if (mode == CommitMode::Add) return std::make_unique<AddOfficer>(session, committed.officer, StepLabel(TextId::kEditAdd, {name}));
    return std::make_unique<ModifyOfficer>(session, committed.slot, committed.officer, StepLabel(TextId::kEditModify, {name}));
}

Status CommitOfficer(Session& session, EditHistory& history, EditorValues& values, CommitMode mode, CommitOptions options) {
    auto committed = PrepareCommit(session, values, mode, options);
    if (!committed) return committed.problem();
    if (!ChangesNothing(session, mode, committed.value())) history.Push(session, CommitStep(session, mode, committed.value()));
    session.CurrentSlot = committed->slot;
    return {};
}

void ChangeOfficerPortrait(Session& session, EditHistory& history, int slot, int portrait) {
    if (session.Officers[slot].Record.PortraitNumber == portrait) return;
    history.Push(session, std::make_unique<ChangePortrait>(session, slot, portrait,
                                                           StepLabel(TextId::kEditPortrait, {OfficerName(session, slot, true)})));
}

}  // namespace busho
