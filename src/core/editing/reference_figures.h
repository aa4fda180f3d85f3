#pragma once
// What the historical reference panel shows for a list item, and where a choice goes.

#include <array>

#include "officer_view.h"

namespace busho {

struct AbilityBar {
    int value = 0;
    int widthTwips = 0;  // 120 fills 2880 twips; kept within 0..2880, the bar's room on the panel
    std::array<int, 3> rgb{};
};

struct ReferenceFigures {
    int portrait = 0;
    int birthYear = 0, deathYear = 0;
    std::array<AbilityBar, 4> bars;  // 统御, 武力, 智力, 政治
    int duty = 0;
};

AbilityBar BarFor(int value);

// The figures of roster entry `item` (list items equal roster entries).
ReferenceFigures ReferenceFor(const Session& session, int item);

// Writes the choice of list item `item` into the list aimed at; returns whether a list changed.
// Registered officers go only to the liked and disliked lists.
bool ApplyPick(PickTarget target, int item, EditorValues& values);

}  // namespace busho
