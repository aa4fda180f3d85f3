#include <gtest/gtest.h>

#include <memory>

#include "core/data/officer_file.h"
#include "core/data/roster.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

TEST(OfficerNumbering, NumbersAndListItemsConvertBothWays) {
    struct Case {
        int number, item;
    };
    const Case cases[] = {{0, 1}, {1629, 1630}, {10000, 1631}, {10999, 2630}, {10001, 1632}, {-1, 0}, {5, 6}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberToListItem(c.number), c.item) << c.number;
        EXPECT_EQ(ListItemToNumber(c.item), c.number) << c.item;
    }
    for (int item = 0; item <= kBuiltInOfficerCount + kSlotCount; ++item) ASSERT_EQ(NumberToListItem(ListItemToNumber(item)), item);
}

TEST(RosterFiles, MissingFilesReadAsZeros) {
    TempFolder folder;
    auto roster = std::make_unique<RosterTable>();
    (*roster)[5].Leadership = 99;
    LoadRoster(folder.Path(), *roster);
    EXPECT_EQ((*roster)[5], RosterEntry{});
    BlankSlotImage blank;
    blank.fill(7);
    EXPECT_FALSE(LoadBlankSlot(folder.Path(), blank));
    EXPECT_EQ(blank, BlankSlotImage{});
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / kRosterFileName));
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / kBlankSlotFileName));
    const auto names = LoadBuiltInNames(folder.Path());
    ASSERT_EQ(names.size(), static_cast<std::size_t>(kBuiltInOfficerCount));
    EXPECT_TRUE(names.front().empty());
}

TEST(RosterFiles, ShortRosterGivesZerosForTheMissingPart) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    RosterEntry first;
    first.BirthYear = 1534;
    first.Leadership = 100;
    first.Unused0.fill(0xEE);
    WriteRosterEntry(out, first);
    RosterEntry second;
    second.Duty = 55;
    WriteRosterEntry(out, second);
    bytes.resize(bytes.size() - 10);  // second entry cut short: its Duty at 80 survives
    WriteBytes(folder.Path() / kRosterFileName, bytes);
    auto roster = std::make_unique<RosterTable>();
    LoadRoster(folder.Path(), *roster);
    EXPECT_EQ((*roster)[1], first);
    EXPECT_EQ((*roster)[2].Duty, 55);
    EXPECT_EQ((*roster)[3], RosterEntry{});
}

TEST(RosterFiles, FieldsSitAtTheirOffsets) {
    RosterEntry entry;
    entry.PortraitNumber = 1;
    entry.BirthYear = 2;
    entry.DeathYear = 3;
    entry.Leadership = 4;
    entry.Valour = 5;
    entry.Intellect = 6;
    entry.Politics = 7;
    entry.Duty = 8;
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    WriteRosterEntry(out, entry);
    ASSERT_EQ(bytes.size(), kRosterEntrySize);
    const std::pair<std::size_t, int> offsets[] = {{32, 1}, {40, 2}, {48, 3}, {60, 4}, {64, 5}, {68, 6}, {72, 7}, {80, 8}};
    for (const auto& [offset, value] : offsets) EXPECT_EQ(bytes[offset], value) << offset;
}

TEST(RosterFiles, NamesKeepWholeCharactersWithinTwelveBytes) {
    TempFolder folder;
    // Seven double-byte characters (14 bytes) keep six; CRLF and LF lines both read.
    WriteBytes(folder.Path() / kBuiltInNamesFileName,
               {0xD6, 0xAF, 0xCC, 0xEF, 0xD0, 0xC5, 0xB3, 0xA4, 0xB0, 0xA1, 0xB0, 0xA2, 0xB0, 0xA3, '\r', '\n', 'a', 'b', '\n',
                'x', 0xB0, 0xA1, 0xB0, 0xA2, 0xB0, 0xA3, 0xB0, 0xA4, 0xB0, 0xA5, 0xB0, 0xA6, '\n'});
    const auto names = LoadBuiltInNames(folder.Path());
    EXPECT_EQ(names[0].size(), 12u);
    EXPECT_EQ(names[1], "ab");
    EXPECT_EQ(names[2].size(), 11u);  // "x" and five characters; the sixth would need byte 13
    EXPECT_TRUE(names[3].empty());
}

TEST(RosterFiles, BlankSlotOfZerosReadsAsEndMarker) {
    BlankSlotImage blank{};
    std::vector<std::uint8_t> bytes;
    ByteWriter out(bytes);
    WriteBlankSlot(out, blank);
    ASSERT_EQ(bytes.size(), kBlankSlotSize);
    ByteReader in(bytes);
    OfficerSlot slot;
    const auto read = ReadOfficerSlot(in, 1, slot);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value(), SlotRead::EndOfList);
}

TEST(RosterFiles, CopyToRosterTakesFiguresAndKeepsOtherBytes) {
    auto officers = std::make_unique<OfficerTable>();
    auto roster = std::make_unique<RosterTable>();
    OfficerSlot& officer = (*officers)[3];
    officer = testing::RandomOfficer(3);
    RosterEntry& entry = (*roster)[kBuiltInOfficerCount + 3];
    entry.Unused0.fill(0x11);
    entry.Unused84.fill(0x22);
    CopyToRoster(*officers, *roster, 3);
    EXPECT_EQ(entry.Leadership, officer.Record.Leadership);
    EXPECT_EQ(entry.Duty, officer.Extra.Duty);
    EXPECT_EQ(entry.PortraitNumber, officer.Record.PortraitNumber);
    EXPECT_EQ(entry.Unused0[31], 0x11);
    EXPECT_EQ(entry.Unused84[7], 0x22);
    EXPECT_EQ((*roster)[kBuiltInOfficerCount + 2], RosterEntry{});
    EXPECT_EQ((*roster)[kBuiltInOfficerCount + 4], RosterEntry{});
}

}  // namespace
}  // namespace busho
