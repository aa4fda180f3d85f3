#include "list_row.h"

#include "officer_view.h"
#include "core/text/code_table_file.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

template <std::size_t N>
std::string_view Field(const ByteField<N>& field) {
    return std::string_view(reinterpret_cast<const char*>(field.data()), N);
}

std::string Number(std::int32_t v) { return NumberWithSignSpace(v); }

}  // namespace

ListRow BuildListRowValues(Session& session, int slot) {
    const OfficerSlot& o = session.Officers[slot];
    ListRow row;
    row.appeared = o.Extra.Appearance == 1;
    row.translated = session.ZZZZ;
    row.name = OfficerName(session, slot, session.ZZZZ);
    row.numbers = {Number(o.Record.Leadership), Number(o.Record.Valour), Number(o.Record.Intellect),
                   Number(o.Record.Politics),   Number(o.Extra.Duty),    Number(o.Record.PortraitNumber)};
    return row;
}

std::string OfficerName(Session& session, int slot, bool decoded) { return OfficerName(session, session.Officers[slot].Record, decoded); }

std::string OfficerName(Session& session, const OfficerRecord& r, bool decoded) {
    auto part = [&](std::string_view field) {
        const std::string_view trimmed = TrimSpaces(field);
        return decoded ? CutAtNul(DecodeFromGame(session, trimmed)) : CutAtNul(trimmed);
    };
    return part(Field(r.FamilyName)) + part(Field(r.GivenName));
}

std::string SearchName(Session& session, int slot) {
    // Each part ends at its first NUL: the zero padding of a Big5 family name would otherwise stand
    // between it and the given name, and a search across the two would never match.
    return OfficerName(session, slot, true);
}

bool NameMatches(Session& session, std::string_view name, std::string_view wanted) {
    if (wanted.empty()) return false;
    std::string haystack(name), needle(wanted);
    if (session.Edition == kEditionTraditionalChinese) {
        haystack = ToSimplified(session.Text.Forms, haystack);
        needle = ToSimplified(session.Text.Forms, needle);
    }
    // A match starts on a character of the name, never between the two bytes of one.
    bool found = false;
    std::size_t at = 0;
    ForEachGbkChar(haystack, [&](std::uint8_t, std::uint8_t, bool isDouble) {
        if (!found && haystack.compare(at, needle.size(), needle) == 0) {
            // ...and ends on one: the needle is whole characters, so its last byte ends a character
            // of the name exactly when the name's characters run out there too.
            std::size_t end = at;
            while (end < at + needle.size()) {
                const bool pair = end + 1 < haystack.size() && IsGbkDoubleByte(static_cast<std::uint8_t>(haystack[end]), static_cast<std::uint8_t>(haystack[end + 1]));
                end += pair ? 2 : 1;
            }
            found = end == at + needle.size();
        }
        at += isDouble ? 2 : 1;
    });
    return found;
}

}  // namespace busho
