#include "officer_json.h"

#include <array>
#include <cstdint>
#include <type_traits>

namespace busho {
namespace {

template <std::size_t N>
void WriteHex(std::ostream& out, const ByteField<N>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out << '"';
    for (std::uint8_t b : bytes) out << kDigits[b >> 4] << kDigits[b & 15];
    out << '"';
}

void WriteValue(std::ostream& out, std::int32_t value) { out << value; }

template <std::size_t N>
void WriteValue(std::ostream& out, const ByteField<N>& bytes) {
    WriteHex(out, bytes);
}

template <std::size_t N>
void WriteValue(std::ostream& out, const std::array<std::int32_t, N>& values) {
    out << '[';
    for (std::size_t i = 0; i < N; ++i) out << (i ? "," : "") << values[i];
    out << ']';
}

template <std::size_t N>
void WriteFirst(std::ostream& out, const std::array<std::int32_t, N>& values, std::int32_t count) {
    out << '[';
    for (std::int32_t i = 0; i < count && i < static_cast<std::int32_t>(N); ++i) out << (i ? "," : "") << values[static_cast<std::size_t>(i)];
    out << ']';
}

void WriteJsonString(std::ostream& out, std::string_view utf8) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out << '"';
    for (char ch : utf8) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out << '\\' << ch;
        } else if (c < 0x20) {
            out << "\\u00" << kDigits[c >> 4] << kDigits[c & 15];
        } else {
            out << ch;
        }
    }
    out << '"';
}

bool IsGameText(std::string_view name) {
    return name == "FamilyName" || name == "FamilyNameReading" || name == "GivenName" || name == "GivenNameReading" ||
           name == "Biography";
}

template <class Record>
void WriteFields(std::ostream& out, const Record& record, const TextFieldDecoder& decodeText) {
    ForEachField(record, [&](const char* name, const auto& field) {
        out << ",\"" << name << "\":";
        if constexpr (std::is_same_v<std::decay_t<decltype(field)>, std::int32_t>) {
            WriteValue(out, field);
        } else {
            if (decodeText && IsGameText(name)) {
                WriteJsonString(out, decodeText(std::string_view(reinterpret_cast<const char*>(field.data()), field.size())));
            } else {
                WriteValue(out, field);
            }
        }
    });
}

}  // namespace

void WriteOfficersJson(std::ostream& out, const Session& contents, const TextFieldDecoder& decodeText) {
    out << "{\"EndSlot\":" << contents.EndSlot << ",\"Header\":";
    WriteHex(out, contents.Header);
    out << ",\"officers\":[";
    for (int slot = 1; slot < contents.EndSlot; ++slot) {
        const OfficerSlot& officer = contents.Officers[slot];
        out << (slot > 1 ? ",\n" : "\n") << "{\"slot\":" << slot;
        WriteFields(out, officer.Record, decodeText);
        out << ",\"Tactics\":";
        WriteFirst(out, officer.Tactics, officer.Record.TacticCount);
        out << ",\"LikedCount\":" << officer.LikedCount << ",\"Liked\":";
        WriteFirst(out, officer.Liked, officer.LikedCount);
        out << ",\"DislikedCount\":" << officer.DislikedCount << ",\"Disliked\":";
        WriteFirst(out, officer.Disliked, officer.DislikedCount);
        WriteFields(out, officer.Extra, decodeText);
        out << '}';
    }
    out << "\n]}\n";
}

}  // namespace busho
