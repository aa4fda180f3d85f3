#include <gtest/gtest.h>

#include "officer_fixtures.h"
#include "core/text/gb_big5.h"
#include "text_fixtures.h"

namespace busho {
namespace {

using testing::Bytes;
using testing::Code;

constexpr std::uint16_t kGbBase = 0xC000;    // GbTable entry i is 0xC000 + i
constexpr std::uint16_t kBig5Base = 0x9000;  // Big5Table entry i is 0x9000 + i

class GbBig5Walk : public ::testing::Test {
protected:
    void SetUp() override {
        auto gb = testing::Numbered(kGbTableSize, kGbBase);
        gb[5] = 0x0041;  // high byte zero: one byte comes out
        gb[6] = 0;       // zero: one zero byte comes out
        testing::WriteTableFile(folder.Path() / kGbTableFileName, gb);
        testing::WriteTableFile(folder.Path() / kBig5TableFileName, testing::Numbered(kBig5TableSize, kBig5Base));
        ASSERT_TRUE(LoadGbBig5Tables(tables, folder.Path()));
    }
    testing::TempFolder folder;
    GbBig5Tables tables;
};

TEST_F(GbBig5Walk, GbToBig5) {
    struct Case {
        const char* name;
        std::string in, out;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"ascii", "AB", "AB"},
        {"啊 is entry 1410", Bytes({0xB0, 0xA1}), Code(kGbBase + 1410)},
        {"first cell", Bytes({0xA1, 0xA1}), Code(kGbBase)},
        {"last cell", Bytes({0xF7, 0xFE}), Code(kGbBase + 8177)},
        {"GBK-only passes byte by byte", Bytes({0x81, 0x40}), Bytes({0x81, 0x40})},
        {"0xF8 alone, then the next byte starts a pair", Bytes({0xF8, 0xA1, 0xA1}), Bytes({0xF8}) + Code(kGbBase)},
        {"lone lead byte at the end", Bytes({0x41, 0xB0}), Bytes({0x41, 0xB0})},
        {"zero padding keeps its place", Bytes({0xB0, 0xA1, 0, 0}), Code(kGbBase + 1410) + Bytes({0, 0})},
        {"entry with zero high byte gives one byte", Bytes({0xA1, 0xA6}), "A"},
        {"entry 0 gives a zero byte", Bytes({0xA1, 0xA7, 0x42}), Bytes({0, 0x42})},
        {"second byte of a GBK-only pair starts a new one", Bytes({0x81, 0xB0, 0xA1}), Bytes({0x81}) + Code(kGbBase + 1410)},
    };
    for (const auto& c : cases) EXPECT_EQ(GbToBig5(tables, c.in), c.out) << c.name;
}

TEST_F(GbBig5Walk, Big5ToGb) {
    struct Case {
        const char* name;
        std::string in, out;
    };
    const Case cases[] = {
        {"empty", "", ""},
        {"ascii", "AB", "AB"},
        {"A140 is entry 0", Bytes({0xA1, 0x40}), Code(kBig5Base)},
        {"A17E is entry 62", Bytes({0xA1, 0x7E}), Code(kBig5Base + 62)},
        {"A1A1 is entry 63", Bytes({0xA1, 0xA1}), Code(kBig5Base + 63)},
        {"A1FE is entry 156", Bytes({0xA1, 0xFE}), Code(kBig5Base + 156)},
        {"A440 is entry 471", Bytes({0xA4, 0x40}), Code(kBig5Base + 471)},
        {"FEFE is entry 14757", Bytes({0xFE, 0xFE}), Code(kBig5Base + 14757)},
        {"second byte 0x80 is no pair", Bytes({0xA4, 0x80}), Bytes({0xA4, 0x80})},
        {"first byte 0xFF never converts", Bytes({0xFF, 0x40, 0x41}), Bytes({0xFF, 0x40, 0x41})},
        {"0xFF then a pair", Bytes({0xFF, 0xA4, 0x40}), Bytes({0xFF}) + Code(kBig5Base + 471)},
        {"lone lead byte at the end", Bytes({0xA4}), Bytes({0xA4})},
    };
    for (const auto& c : cases) EXPECT_EQ(Big5ToGb(tables, c.in), c.out) << c.name;
}

TEST(GbBig5Loading, MissingOrShortTablesLeaveTextUnchangedAndAreRetried) {
    testing::TempFolder folder;
    GbBig5Tables tables;
    EXPECT_FALSE(LoadGbBig5Tables(tables, folder.Path()));
    const std::string text = Bytes({0xB0, 0xA1, 0x41});
    EXPECT_EQ(GbToBig5(tables, text), text);
    EXPECT_EQ(Big5ToGb(tables, text), text);

    // A short table is refused rather than read as zeros.
    testing::WriteTableFile(folder.Path() / kGbTableFileName, testing::Numbered(kGbTableSize - 1, kGbBase));
    testing::WriteTableFile(folder.Path() / kBig5TableFileName, testing::Numbered(kBig5TableSize, kBig5Base));
    EXPECT_EQ(GbToBig5(tables, text), text);
    EXPECT_FALSE(tables.GbBig5Loaded);

    // Once the files are whole, the next conversion loads them.
    testing::WriteTableFile(folder.Path() / kGbTableFileName, testing::Numbered(kGbTableSize, kGbBase));
    EXPECT_EQ(GbToBig5(tables, text), Code(kGbBase + 1410) + "A");
    EXPECT_TRUE(tables.GbBig5Loaded);
}

}  // namespace
}  // namespace busho
