#pragma once
// The values the game itself uses for an officer's numbers. The editor shows them in its boxes'
// tooltips and asks before it stores a value outside them; a check over a whole officer table reads
// the same table.

#include <cstdint>

#include "core/data/officer_record.h"
#include "core/text/messages.h"

namespace busho {

struct GameRange {
    const char* box;    // the editor's box
    const char* label;  // GBK
    const char* field;  // the record field, as `busho dump` names it
    std::int32_t low, high;
    std::int32_t (*value)(const OfficerSlot&);
};

inline constexpr GameRange kGameRanges[] = {
    {"txLTY", text_gbk::kLabelLeadership, "Leadership", 1, 120, [](const OfficerSlot& s) { return s.Record.Leadership; }},
    {"txLWG", text_gbk::kLabelValour, "Valour", 1, 120, [](const OfficerSlot& s) { return s.Record.Valour; }},
    {"txLZH", text_gbk::kLabelIntellect, "Intellect", 1, 120, [](const OfficerSlot& s) { return s.Record.Intellect; }},
    {"txLZZ", text_gbk::kLabelPolitics, "Politics", 1, 120, [](const OfficerSlot& s) { return s.Record.Politics; }},
    {"txLQY", text_gbk::kLabelDuty, "Duty", 1, 100, [](const OfficerSlot& s) { return s.Extra.Duty; }},
};

constexpr bool InGameRange(const GameRange& range, std::int32_t value) { return value >= range.low && value <= range.high; }

// An officer who dies before being born is outside what the game uses too.
constexpr bool DiesBeforeBirth(const OfficerSlot& s) { return s.Record.DeathYear < s.Record.BirthYear; }

}  // namespace busho
