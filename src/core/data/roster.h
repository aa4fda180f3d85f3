#pragma once
// The built-in officers' figures (Koei.Dat), the empty-slot image (BK.DAT), the built-in officers'
// names, and the one numbering shared by officer numbers, roster entries and the officer-name lists.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "byte_io.h"
#include "core/os/file_access.h"
#include "officer_record.h"

namespace busho {

inline constexpr std::size_t kRosterEntrySize = 92;
inline constexpr int kRosterSize = 5000;  // entries 1..5000; 1631..2630 are the registered slots
inline constexpr const char kRosterFileName[] = "Koei.Dat";
inline constexpr const char kBlankSlotFileName[] = "BK.DAT";
// The built-in officers' names in GBK, one a line, in Koei.Dat order.
inline constexpr const char kBuiltInNamesFileName[] = "KoeiNames.txt";
inline constexpr std::size_t kMaxNameBytes = 12;

struct RosterEntry {
    ByteField<32> Unused0{};
    std::int32_t PortraitNumber = 0;
    ByteField<4> Unused36{};
    std::int32_t BirthYear = 0;
    ByteField<4> Unused44{};
    std::int32_t DeathYear = 0;
    ByteField<8> Unused52{};
    std::int32_t Leadership = 0;
    std::int32_t Valour = 0;
    std::int32_t Intellect = 0;
    std::int32_t Politics = 0;
    ByteField<4> Unused76{};
    std::int32_t Duty = 0;
    ByteField<8> Unused84{};

    bool operator==(const RosterEntry&) const = default;
};

template <class Entry, class Visit>
constexpr void ForEachField(Entry& e, Visit&& visit)
    requires std::is_same_v<std::remove_const_t<Entry>, RosterEntry>
{
    visit("Unused0", e.Unused0);
    visit("PortraitNumber", e.PortraitNumber);
    visit("Unused36", e.Unused36);
    visit("BirthYear", e.BirthYear);
    visit("Unused44", e.Unused44);
    visit("DeathYear", e.DeathYear);
    visit("Unused52", e.Unused52);
    visit("Leadership", e.Leadership);
    visit("Valour", e.Valour);
    visit("Intellect", e.Intellect);
    visit("Politics", e.Politics);
    visit("Unused76", e.Unused76);
    visit("Duty", e.Duty);
    visit("Unused84", e.Unused84);
}
static_assert(RecordSize<RosterEntry>() == kRosterEntrySize);

void ReadRosterEntry(ByteReader& in, RosterEntry& entry);
void WriteRosterEntry(ByteWriter& out, const RosterEntry& entry);

// Entries 1..5000, all zero at first.
class RosterTable {
public:
    RosterTable() : entries_(kRosterSize) {}
    RosterEntry& operator[](int entry) { return entries_.at(static_cast<std::size_t>(entry - 1)); }
    const RosterEntry& operator[](int entry) const { return entries_.at(static_cast<std::size_t>(entry - 1)); }

private:
    std::vector<RosterEntry> entries_;
};

using BlankSlotImage = std::array<std::uint8_t, kBlankSlotSize>;

// Both read from their first byte; a missing file reads as empty and a short one gives zero bytes
// for what is missing (the data files are ours and are not created in the program folder).
// The blank slot is written into every slot after the end marker, so a save needs all of it: a
// missing, unreadable or short BK.DAT is a failure, which the session keeps.
void LoadRoster(const std::filesystem::path& programFolder, RosterTable& roster);
Status LoadBlankSlot(const std::filesystem::path& programFolder, BlankSlotImage& blankSlot);

// The 1630 built-in officers' names (GBK); a missing file or missing lines give empty names.
std::vector<std::string> LoadBuiltInNames(const std::filesystem::path& programFolder);

// Copies the registered officer's figures into roster entry 1630 + slot; other bytes stay.
void CopyToRoster(const OfficerTable& officers, RosterTable& roster, int slot);
// The same for one officer and one entry.
void CopyFigures(const OfficerSlot& officer, RosterEntry& entry);

// Lists with "无" at item 0: built-in number n is item n + 1, registered number 10000 + s - 1 is item 1630 + s.
constexpr int NumberToListItem(int number) {
    return number < kRegisteredNumberBase ? number + 1 : number - kRegisteredNumberBase + kBuiltInOfficerCount + 1;
}
// The list item (with "无") of an officer number that names an officer: a built-in officer, or a
// registered officer of slots 1 .. endSlot - 1. Any other number names no one and has no item.
constexpr std::optional<int> OfficerListItem(std::int64_t number, int endSlot) {
    if (number >= 0 && number < kBuiltInOfficerCount) return static_cast<int>(number) + 1;
    const std::int64_t slot = number - kRegisteredNumberBase + 1;
    if (slot >= 1 && slot < endSlot && slot <= kSlotCount) return static_cast<int>(slot) + kBuiltInOfficerCount;
    return std::nullopt;
}
// Item 0 ("无") gives -1, the stored value of "no father".
constexpr int ListItemToNumber(int item) {
    return item <= kBuiltInOfficerCount ? item - 1 : item - kBuiltInOfficerCount + kRegisteredNumberBase - 1;
}

}  // namespace busho
