#include "officer_json.h"

#include <array>
#include <cstdint>
#include <type_traits>

#include <nlohmann/json.hpp>

namespace busho {
namespace {

using Json = nlohmann::ordered_json;  // dump keeps the record's field order

template <std::size_t N>
std::string Hex(const ByteField<N>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

template <std::size_t N>
Json First(const std::array<std::int32_t, N>& values, std::int32_t count) {
    Json list = Json::array();
    for (std::int32_t i = 0; i < count && i < static_cast<std::int32_t>(N); ++i) list.push_back(values[static_cast<std::size_t>(i)]);
    return list;
}

bool IsGameText(std::string_view name) {
    return name == "FamilyName" || name == "FamilyNameReading" || name == "GivenName" || name == "GivenNameReading" ||
           name == "Biography";
}

template <class Record>
void AddFields(Json& object, const Record& record, const TextFieldDecoder& decodeText) {
    ForEachField(record, [&](const char* name, const auto& field) {
        using Field = std::decay_t<decltype(field)>;
        if constexpr (std::is_same_v<Field, std::int32_t>) {
            object[name] = field;
        } else if constexpr (std::is_same_v<typename Field::value_type, std::int32_t>) {
            object[name] = Json(field);
        } else if (decodeText && IsGameText(name)) {
            object[name] = decodeText(std::string_view(reinterpret_cast<const char*>(field.data()), field.size()));
        } else {
            object[name] = Hex(field);
        }
    });
}

}  // namespace

void WriteOfficersJson(std::ostream& out, const Session& contents, const TextFieldDecoder& decodeText) {
    // One officer a line: the objects are written one by one inside the outer object.
    out << "{\"EndSlot\":" << contents.EndSlot << ",\"Header\":" << Json(Hex(contents.Header)).dump() << ",\"officers\":[";
    for (int slot = 1; slot < contents.EndSlot; ++slot) {
        const OfficerSlot& officer = contents.Officers[slot];
        Json object;
        object["slot"] = slot;
        AddFields(object, officer.Record, decodeText);
        object["Tactics"] = First(officer.Tactics, officer.Record.TacticCount);
        object["LikedCount"] = officer.LikedCount;
        object["Liked"] = First(officer.Liked, officer.LikedCount);
        object["DislikedCount"] = officer.DislikedCount;
        object["Disliked"] = First(officer.Disliked, officer.DislikedCount);
        AddFields(object, officer.Extra, decodeText);
        out << (slot > 1 ? ",\n" : "\n") << object.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
    out << "\n]}\n";
}

const char* ChangeName(OfficerChange change) {
    switch (change) {
        case OfficerChange::Added: return "added";
        case OfficerChange::Removed: return "removed";
        case OfficerChange::Changed: return "changed";
    }
    return "";
}

std::string DiffOfficerName(const OfficerDifference& officer, const TextFieldDecoder& decodeText) {
    if (decodeText) return decodeText(officer.familyName) + decodeText(officer.givenName);
    if (officer.familyName.empty() && officer.givenName.empty()) return {};
    return HexBytes(officer.familyName) + " " + HexBytes(officer.givenName);
}

void WriteDiffJson(std::ostream& out, const OfficerFileDiff& diff, const TextFieldDecoder& decodeText) {
    auto value = [&](const FieldChange& change, const FieldValue& v) -> Json {
        if (const auto* number = std::get_if<std::int32_t>(&v)) return *number;
        if (const auto* list = std::get_if<std::vector<std::int32_t>>(&v)) return Json(*list);
        return FieldValueText(change, v, decodeText);
    };
    Json all;
    all["equal"] = diff.Equal();
    if (diff.headerChanged)
        all["header"] = {{"before", Hex(diff.headerBefore)}, {"after", Hex(diff.headerAfter)}};
    all["officers"] = Json::array();
    for (const OfficerDifference& officer : diff.officers) {
        Json entry;
        entry["slot"] = officer.slot;
        entry["change"] = ChangeName(officer.change);
        entry["name"] = DiffOfficerName(officer, decodeText);
        if (officer.change == OfficerChange::Changed) {
            entry["fields"] = Json::array();
            for (const FieldChange& field : officer.fields)
                entry["fields"].push_back({{"field", field.field}, {"before", value(field, field.before)}, {"after", value(field, field.after)}});
        }
        all["officers"].push_back(std::move(entry));
    }
    out << all.dump(2, ' ', false, Json::error_handler_t::replace) << '\n';
}

}  // namespace busho
