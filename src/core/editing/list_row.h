#pragma once
// What one row of the officer list shows for a slot, as plain values (GBK texts).

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

// The name the search looks in: family and given name decoded, each up to its first NUL.
std::string SearchName(Session& session, int slot);

// Whether a name (GBK) holds the wanted text as whole characters; in the Traditional-Chinese edition
// traditional and simplified forms of a character match each other.
bool NameMatches(Session& session, std::string_view name, std::string_view wanted);

}  // namespace busho
