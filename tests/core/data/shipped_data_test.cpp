// The data files the build puts beside the program.

#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "core/data/officer_file.h"
#include "core/data/roster.h"
#include "core/text/code_page.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

const std::filesystem::path kBin = BUSHO_BIN_DIR;

std::u16string GbkToUtf16(const std::string& gbk) {
    const auto text = DecodeExactly(CodePage::Gbk, gbk);
    EXPECT_TRUE(text) << gbk;
    return text.value_or(std::u16string());
}

TEST(ShippedData, FilesHaveTheirSizes) {
    EXPECT_EQ(std::filesystem::file_size(kBin / kRosterFileName), kBuiltInOfficerCount * kRosterEntrySize);
    EXPECT_EQ(std::filesystem::file_size(kBin / kBlankSlotFileName), kBlankSlotSize);
}

TEST(ShippedData, BlankSlotIsAnEmptyOfficerWithWrittenSignature) {
    BlankSlotImage blank;
    ASSERT_TRUE(LoadBlankSlot(kBin, blank));
    ByteReader in(blank);
    OfficerSlot slot;
    const auto read = ReadOfficerSlot(in, 1, slot);
    ASSERT_TRUE(read);
    ASSERT_EQ(read.value(), SlotRead::EndOfList);
    EXPECT_EQ(slot.Record.Signature, WrittenSignature());
    EXPECT_EQ(slot.Record.HeaderWord1, 0);
    EXPECT_EQ(slot.Record.HeaderWord2, 1);
    EXPECT_EQ(slot.Record.BirthYear, 0);
    // After the record: two zero counts and a zero extra block.
    for (std::size_t i = kRecordSize; i < kBlankSlotSize; ++i) EXPECT_EQ(blank[i], 0) << i;
}

TEST(ShippedData, NamesHaveFixedEndsLengthsAndEnoughLongOnes) {
    const auto names = LoadBuiltInNames(kBin);
    const std::u16string first[] = {u"蠣崎季広", u"蠣崎庆広", u"蠣崎盛広", u"蠣崎守広", u"近藤义武"};
    const std::u16string last[] = {u"家臣", u"家老", u"传令", u"忍者", u"侍", u"おね"};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(GbkToUtf16(names[i]), first[i]) << i;
    for (std::size_t i = 0; i < 6; ++i) EXPECT_EQ(GbkToUtf16(names[kBuiltInOfficerCount - 6 + i]), last[i]) << i;

    int longOnes = 0;
    int longAmongDrawn = 0;  // the random officer draws from items 1..1600
    std::set<std::string> seen;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& name = names[i];
        ASSERT_FALSE(name.empty()) << i;
        ASSERT_LE(name.size(), kMaxNameBytes) << i;
        const auto chars = GbkToUtf16(name).size();
        longOnes += chars >= 4;
        if (i < 1600) longAmongDrawn += chars >= 4;
        EXPECT_TRUE(seen.insert(name).second) << "duplicate name at " << i;
    }
    EXPECT_GE(longOnes * 3, kBuiltInOfficerCount * 2);
    EXPECT_GE(longAmongDrawn * 3, 1600 * 2);
}

TEST(ShippedData, FiguresArePlausible) {
    auto roster = std::make_unique<RosterTable>();
    LoadRoster(kBin, *roster);
    for (int entry = 1; entry <= kBuiltInOfficerCount; ++entry) {
        const RosterEntry& e = (*roster)[entry];
        SCOPED_TRACE(entry);
        ASSERT_GE(e.BirthYear, 1450);
        ASSERT_LE(e.BirthYear, 1610);
        ASSERT_GT(e.DeathYear, e.BirthYear);
        for (int v : {e.Leadership, e.Valour, e.Intellect, e.Politics}) {
            ASSERT_GE(v, 1);
            ASSERT_LE(v, 120);
        }
        ASSERT_GE(e.Duty, 1);
        ASSERT_LE(e.Duty, 100);
    }
    // A few real figures in the stand-in: 织田信长 1534-1582.
    const auto names = LoadBuiltInNames(kBin);
    bool found = false;
    for (int i = 0; i < kBuiltInOfficerCount; ++i) {
        if (GbkToUtf16(names[static_cast<std::size_t>(i)]) == u"织田信长") {
            found = true;
            EXPECT_EQ((*roster)[i + 1].BirthYear, 1534);
            EXPECT_EQ((*roster)[i + 1].DeathYear, 1582);
        }
    }
    EXPECT_TRUE(found);
}

}  // namespace
}  // namespace busho
