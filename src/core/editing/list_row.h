#pragma once
// What one row of the officer list shows for a slot, as plain values (GBK texts), and the officer's
// name as the lists and the search know it.

#include <array>
#include <string>

#include "core/data/session.h"

namespace busho {

struct ListRow {
    bool appeared = false;         // "出场" on green, else "退场" on red
    std::string name;              // display name
    bool translated = false;       // decoded for the edition (ZZZZ ticked)
    std::array<std::string, 6> numbers;  // Leadership, Valour, Intellect, Politics, Duty, PortraitNumber
};

ListRow BuildListRowValues(Session& session, int slot);

// The officer's name as every list shows it (GBK): family and given name, each without the spaces
// around it and up to its first NUL; decoded for the edition, or the raw bytes when `decoded` is false
// (中日文译 unticked).
std::string OfficerName(Session& session, int slot, bool decoded);
std::string OfficerName(Session& session, const OfficerRecord& officer, bool decoded);

// The name the search looks in: family and given name decoded, each up to its first NUL.
std::string SearchName(Session& session, int slot);

// Whether a name (GBK) holds the wanted text as whole characters; in the Traditional-Chinese edition
// traditional and simplified forms of a character match each other.
bool NameMatches(Session& session, std::string_view name, std::string_view wanted);

}  // namespace busho
