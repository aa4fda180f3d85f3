#include "officer_check.h"

#include <algorithm>
#include <map>
#include <optional>

#include "game_ranges.h"
#include "vocabulary_text.h"
#include "core/data/roster.h"
#include "core/text/code_page.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

namespace vt = vocabulary_text;

constexpr char kSeparatorItem[] = "-----";

template <std::size_t N>
std::string_view Field(const ByteField<N>& field) {
    return std::string_view(reinterpret_cast<const char*>(field.data()), N);
}

std::string Hex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

std::string Indexed(const char* field, int i) { return std::string(field) + "[" + std::to_string(i) + "]"; }

class Checker {
public:
    Checker(const Session& session, CheckOptions options, int slot, std::vector<Finding>& out)
        : session_(session), options_(options), slot_(slot), o_(session.Officers[slot]), out_(out) {}

    void Run() {
        const OfficerRecord& r = o_.Record;
        List("Gender", r.Gender, vt::Genders());
        List("Origin", r.Origin, vt::Origins());
        List("Faith", r.Faith, vt::Faiths());
        for (int i = 0; i < kAptitudeCount; ++i) List(Indexed("Aptitude", i), r.Aptitude[static_cast<std::size_t>(i)], vt::Ranks());
        for (int i = 0; i < std::clamp(r.TacticCount, 0, kMaxTactics); ++i)
            List(Indexed("Tactics", i), o_.Tactics[static_cast<std::size_t>(i)], vt::TacticNames());
        List("AssignedCastle", o_.Extra.AssignedCastle, vt::Castles());
        List("Status", o_.Extra.Status, vt::Statuses());
        List("Appearance", o_.Extra.Appearance, vt::Appearances());
        List("VoiceType", o_.Extra.VoiceType, vt::VoiceLabels());

        if (r.Father != -1) Relation("Father", r.Father);
        for (int i = 0; i < std::clamp(o_.LikedCount, 0, kMaxRelations); ++i) Relation(Indexed("Liked", i), o_.Liked[static_cast<std::size_t>(i)]);
        for (int i = 0; i < std::clamp(o_.DislikedCount, 0, kMaxRelations); ++i)
            Relation(Indexed("Disliked", i), o_.Disliked[static_cast<std::size_t>(i)]);
        if (r.CompatibilityOfficer < 0 || r.CompatibilityOfficer >= kBuiltInOfficerCount)
            Add("CompatibilityOfficer", r.CompatibilityOfficer, Problem(TextId::kCheckNoBuiltInOfficer, {std::int64_t{kBuiltInOfficerCount - 1}}));

        if (DiesBeforeBirth(o_)) Add("DeathYear", r.DeathYear, Problem(TextId::kCheckDeathBeforeBirth, {std::int64_t{r.BirthYear}}));
        for (const GameRange& range : kGameRanges) {
            const std::int32_t v = range.value(o_);
            if (!InGameRange(range, v)) Add(range.field, v, Problem(TextId::kCheckOutsideRange, {std::int64_t{range.low}, std::int64_t{range.high}}));
        }
    }

    void Add(std::string field, std::string value, Problem why) { out_.push_back({slot_, std::move(field), std::move(value), std::move(why)}); }
    void Add(std::string field, std::int64_t value, Problem why) { Add(std::move(field), std::to_string(value), std::move(why)); }

private:

    void List(const std::string& field, std::int32_t value, const std::vector<std::string>& items) {
        const std::int64_t last = static_cast<std::int64_t>(items.size()) - 1;
        if (value < 0 || value > last)
            Add(field, value, Problem(TextId::kCheckNotInList, {std::int64_t{0}, last}));
        else if (items[static_cast<std::size_t>(value)] == kSeparatorItem)
            Add(field, value, Problem(TextId::kCheckSeparator));
    }

    void Relation(const std::string& field, std::int32_t number) {
        if (!OfficerListItem(number, session_.EndSlot))
            Add(field, number, Problem(TextId::kCheckNoSuchOfficer));
    }

    const Session& session_;
    CheckOptions options_;
    int slot_;
    const OfficerSlot& o_;
    std::vector<Finding>& out_;
};

// The text fields of every officer, each up to its first NUL, in slot order.
struct TextField {
    int slot;
    const char* field;
    std::string text;
};
std::vector<TextField> TextFields(const Session& session, int end) {
    std::vector<TextField> fields;
    for (int slot = 1; slot < end; ++slot) {
        const OfficerRecord& r = session.Officers[slot].Record;
        fields.push_back({slot, "FamilyName", CutAtNul(Field(r.FamilyName))});
        fields.push_back({slot, "FamilyNameReading", CutAtNul(Field(r.FamilyNameReading))});
        fields.push_back({slot, "GivenName", CutAtNul(Field(r.GivenName))});
        fields.push_back({slot, "GivenNameReading", CutAtNul(Field(r.GivenNameReading))});
        fields.push_back({slot, "Biography", CutAtNul(Field(r.Biography))});
    }
    return fields;
}

}  // namespace

std::vector<Finding> CheckOfficers(const Session& session, CheckOptions options) {
    std::vector<Finding> findings;
    std::map<std::string, int> firstWithName;
    const int end = std::min(session.EndSlot, kSlotCount + 1);

    // Texts that do not decode in the edition, all read by one converter.
    std::vector<TextField> texts;
    std::vector<std::optional<std::size_t>> undecodable;
    if (options.edition) {
        texts = TextFields(session, end);
        std::vector<std::string_view> views;
        for (const TextField& t : texts) views.push_back(t.text);
        undecodable = FirstUndecodable(session.Edition == kEditionTraditionalChinese ? CodePage::Big5 : CodePage::ShiftJis, views);
    }
    std::size_t nextText = 0;

    for (int slot = 1; slot < end; ++slot) {
        Checker checker(session, options, slot, findings);
        checker.Run();
        for (; nextText < texts.size() && texts[nextText].slot == slot; ++nextText)
            if (const auto at = undecodable[nextText])
                checker.Add(texts[nextText].field, Hex(texts[nextText].text), Problem(TextId::kCheckNotDecoded, {static_cast<std::int64_t>(*at + 1)}));
        // The same name is the same bytes: both parts without their spaces, up to their first NUL.
        const OfficerRecord& r = session.Officers[slot].Record;
        const std::string family = CutAtNul(TrimSpaces(Field(r.FamilyName))), given = CutAtNul(TrimSpaces(Field(r.GivenName)));
        const auto [first, isNew] = firstWithName.emplace(family + '\0' + given, slot);
        if (!isNew) findings.push_back({slot, "FamilyName+GivenName", std::string(), Problem(TextId::kCheckSameName, {std::int64_t{first->second}})});
    }
    return findings;
}

}  // namespace busho
