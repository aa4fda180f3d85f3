#include "officer_diff.h"

#include <algorithm>
#include <type_traits>

#include "core/text/text_fields.h"

namespace busho {
namespace {

template <std::size_t N>
std::string Bytes(const ByteField<N>& field) {
    return std::string(reinterpret_cast<const char*>(field.data()), field.size());
}

template <std::size_t N>
std::vector<std::int32_t> FirstEntries(const std::array<std::int32_t, N>& values, std::int32_t count) {
    const auto used = static_cast<std::size_t>(std::clamp<std::int32_t>(count, 0, static_cast<std::int32_t>(N)));
    return std::vector<std::int32_t>(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(used));
}

// The values of one record's fields, in file order.
template <class Record>
void AddFields(std::vector<std::pair<std::string, FieldValue>>& out, const Record& record) {
    ForEachField(record, [&](const char* name, const auto& field) {
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::int32_t>) {
            out.emplace_back(name, field);
        } else if constexpr (std::is_same_v<typename Field::value_type, std::int32_t>) {
            out.emplace_back(name, std::vector<std::int32_t>(field.begin(), field.end()));
        } else {
            out.emplace_back(name, Bytes(field));
        }
    });
}

// Every field of a slot under the names `busho dump` gives them, in the order it writes them.
std::vector<std::pair<std::string, FieldValue>> SlotFields(const OfficerSlot& slot) {
    std::vector<std::pair<std::string, FieldValue>> fields;
    AddFields(fields, slot.Record);
    fields.emplace_back("Tactics", FirstEntries(slot.Tactics, slot.Record.TacticCount));
    fields.emplace_back("LikedCount", slot.LikedCount);
    fields.emplace_back("Liked", FirstEntries(slot.Liked, slot.LikedCount));
    fields.emplace_back("DislikedCount", slot.DislikedCount);
    fields.emplace_back("Disliked", FirstEntries(slot.Disliked, slot.DislikedCount));
    AddFields(fields, slot.Extra);
    return fields;
}

OfficerDifference Named(int slot, OfficerChange change, const OfficerSlot& officer) {
    return {slot, change, CutAtNul(TrimSpaces(Bytes(officer.Record.FamilyName))),
            CutAtNul(TrimSpaces(Bytes(officer.Record.GivenName))), {}};
}

}  // namespace

int OfficerFileDiff::Count(OfficerChange change) const {
    return static_cast<int>(std::count_if(officers.begin(), officers.end(),
                                          [change](const OfficerDifference& d) { return d.change == change; }));
}

OfficerFileDiff DiffOfficerFiles(const OfficerFileContents& before, const OfficerFileContents& after) {
    OfficerFileDiff diff;
    diff.headerBefore = before.Header;
    diff.headerAfter = after.Header;
    diff.headerChanged = before.Header != after.Header;
    const int lastSlot = std::max(before.EndSlot, after.EndSlot) - 1;
    for (int slot = 1; slot <= lastSlot; ++slot) {
        const bool inBefore = slot < before.EndSlot;
        const bool inAfter = slot < after.EndSlot;
        if (!inBefore) {
            diff.officers.push_back(Named(slot, OfficerChange::Added, after.Officers[slot]));
            continue;
        }
        if (!inAfter) {
            diff.officers.push_back(Named(slot, OfficerChange::Removed, before.Officers[slot]));
            continue;
        }
        const auto old = SlotFields(before.Officers[slot]);
        const auto now = SlotFields(after.Officers[slot]);
        OfficerDifference changed = Named(slot, OfficerChange::Changed, after.Officers[slot]);
        for (std::size_t i = 0; i < old.size(); ++i)
            if (old[i].second != now[i].second) changed.fields.push_back({old[i].first, old[i].second, now[i].second});
        if (!changed.fields.empty()) diff.officers.push_back(std::move(changed));
    }
    return diff;
}

bool IsGameTextField(std::string_view field) {
    return field == "FamilyName" || field == "FamilyNameReading" || field == "GivenName" || field == "GivenNameReading" ||
           field == "Biography";
}

std::string HexBytes(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

std::string FieldValueText(const FieldChange& change, const FieldValue& value, const GameTextDecoder& decode) {
    if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
    if (const auto* list = std::get_if<std::vector<std::int32_t>>(&value)) {
        std::string text = "[";
        for (std::size_t i = 0; i < list->size(); ++i) text += (i ? ", " : "") + std::to_string((*list)[i]);
        return text + "]";
    }
    const std::string& bytes = std::get<std::string>(value);
    if (decode && IsGameTextField(change.field)) {
        const auto* before = std::get_if<std::string>(&change.before);
        const auto* after = std::get_if<std::string>(&change.after);
        // Bytes after the text's end differ, or two spellings decode alike: the bytes tell the difference.
        if (!before || !after || decode(*before) != decode(*after)) return decode(bytes);
    }
    return HexBytes(bytes);
}

}  // namespace busho
