#include <gtest/gtest.h>

#include "officer_fixtures.h"
#include "core/text/gbk_sjis.h"
#include "text_fixtures.h"

namespace busho {
namespace {

using testing::Bytes;
using testing::Code;

constexpr std::uint16_t kJisBase = 0x8000;  // JisTable entry i is 0x8000 + i
// GbknTable t entry i is 0xB000 + (entries of the tables before t) + i.
std::uint16_t Gbkn(int table, int index) {
    std::uint16_t base = 0xB000;
    for (int t = 0; t < table - 1; ++t) base = static_cast<std::uint16_t>(base + kGbknTableSizes[static_cast<std::size_t>(t)]);
    return static_cast<std::uint16_t>(base + index);
}
const std::string kFullWidthSpace = Bytes({0xA1, 0xA1});

class GbkSjisWalk : public ::testing::Test {
protected:
    void SetUp() override {
        std::size_t total = 0;
        for (auto n : kGbknTableSizes) total += n;
        testing::WriteTableFile(folder.Path() / kGbknTableFileName, testing::Numbered(total, 0xB000));
        testing::WriteTableFile(folder.Path() / kJisTableFileName, testing::Numbered(kJisTableSize, kJisBase));
        ASSERT_TRUE(LoadGbkJisTables(tables, folder.Path()));
    }
    testing::TempFolder folder;
    GbkSjisTables tables;
};

TEST_F(GbkSjisWalk, GbkToSjis) {
    struct Case {
        const char* name;
        std::string in, out;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"only spaces", "   ", ""},
        {"single bytes vanish", "AB 1", ""},
        {"中 then A", Bytes({0xD6, 0xD0, 0x41}), Code(kJisBase + 16293)},
        {"first cell", Bytes({0x81, 0x40}), Code(kJisBase)},
        {"last cell", Bytes({0xFE, 0xFE}), Code(kJisBase + 23939)},
        {"second byte 0xFE is cell 189", Bytes({0x81, 0xFE}), Code(kJisBase + 189)},
        {"second byte 0x80 is cell 63", Bytes({0x81, 0x80}), Code(kJisBase + 63)},
        {"zero padding vanishes", Bytes({0xD6, 0xD0, 0, 0, 0}), Code(kJisBase + 16293)},
    };
    for (const auto& c : cases) EXPECT_EQ(GbkToSjis(tables, c.in), c.out) << c.name;
}

TEST_F(GbkSjisWalk, SjisToGbk) {
    struct Case {
        const char* name;
        std::string in, out;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"only spaces", "  ", ""},
        {"あ is table 1 entry 283", Bytes({0x82, 0xA0}), Code(Gbkn(1, 283))},
        {"亜 is table 3 entry 0", Bytes({0x88, 0x9F}), Code(Gbkn(3, 0))},
        {"9FFC is table 3 entry 4417", Bytes({0x9F, 0xFC}), Code(Gbkn(3, 4417))},
        {"84BE is table 1 entry 689", Bytes({0x84, 0xBE}), Code(Gbkn(1, 689))},
        {"8740 is table 2 entry 0", Bytes({0x87, 0x40}), Code(Gbkn(2, 0))},
        {"E040 is table 4 entry 0", Bytes({0xE0, 0x40}), Code(Gbkn(4, 0))},
        {"ED40 is table 5 entry 0", Bytes({0xED, 0x40}), Code(Gbkn(5, 0))},
        {"FC4B is table 6 entry 387", Bytes({0xFC, 0x4B}), Code(Gbkn(6, 387))},
        {"8840 is before table 3", Bytes({0x88, 0x40}), kFullWidthSpace},
        {"84BF is past table 1", Bytes({0x84, 0xBF}), kFullWidthSpace},
        {"879D is past table 2", Bytes({0x87, 0x9D}), kFullWidthSpace},
        {"EAA5 is past table 4", Bytes({0xEA, 0xA5}), kFullWidthSpace},
        {"FC4C is past table 6", Bytes({0xFC, 0x4C}), kFullWidthSpace},
        {"second byte 0xFD is unmapped", Bytes({0x82, 0xFD}), kFullWidthSpace},
        {"8540 has no table", Bytes({0x85, 0x40}), ""},
        {"ascii, digits, kana and zeros vanish; order kept",
         Bytes({'A', 0x82, 0xA0, '1', 0xB1, 0, 0x88, 0x9F, 0, 0}), Code(Gbkn(1, 283)) + Code(Gbkn(3, 0))},
        {"half-width kana swallows the next byte", Bytes({0xB1, 0x82, 0xA0}), ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SjisToGbk(tables, c.in), c.out) << c.name;
}

TEST(GbkSjisLoading, MissingTablesAreReportedAndLeaveTextUnchanged) {
    testing::TempFolder folder;
    GbkSjisTables tables;
    EXPECT_FALSE(LoadGbkJisTables(tables, folder.Path()));
    const std::string text = Bytes({0xD6, 0xD0, 0x41});
    EXPECT_EQ(GbkToSjis(tables, text), text);
    EXPECT_EQ(SjisToGbk(tables, text), text);
    EXPECT_EQ(GbkToSjis(tables, " "), "");
}

}  // namespace
}  // namespace busho
