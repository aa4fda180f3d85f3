#include "list_row.h"

#include "officer_view.h"
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
    auto part = [&](std::string_view field) {
        const std::string_view trimmed = TrimSpaces(field);
        // Untranslated names are shown as their raw bytes; a field ends at its first NUL either way.
        return session.ZZZZ ? CutAtNul(DecodeFromGame(session, trimmed)) : CutAtNul(trimmed);
    };
    row.name = part(Field(o.Record.FamilyName)) + part(Field(o.Record.GivenName));
    row.numbers = {Number(o.Record.Leadership), Number(o.Record.Valour), Number(o.Record.Intellect),
                   Number(o.Record.Politics),   Number(o.Extra.Duty),    Number(o.Record.PortraitNumber)};
    return row;
}

std::string SearchName(Session& session, int slot) {
    const OfficerRecord& r = session.Officers[slot].Record;
    // Each part ends at its first NUL: the zero padding of a Big5 family name would otherwise stand
    // between it and the given name, and a search across the two would never match.
    return CutAtNul(DecodeFromGame(session, Field(r.FamilyName))) + CutAtNul(DecodeFromGame(session, Field(r.GivenName)));
}

}  // namespace busho
