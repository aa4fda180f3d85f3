// The code tables the build made, checked against ICU over their whole ranges.

#include <gtest/gtest.h>

#include <set>

#include "icu_reference.h"
#include "core/text/code_table_file.h"
#include "core/text/edition_codec.h"
#include "core/text/gb_big5.h"
#include "core/text/gbk_sjis.h"
#include "core/text/simplified_traditional.h"
#include "text_fixtures.h"

namespace busho {
namespace {

using testing::Bytes;
using testing::IcuCodePage;

const std::filesystem::path kBin = BUSHO_BIN_DIR;

class GeneratedTables : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        tables = new TextTables;
        ASSERT_TRUE(LoadGbBig5Tables(tables->GbBig5, kBin));
        ASSERT_TRUE(LoadGbkJisTables(tables->GbkSjis, kBin));
        ASSERT_TRUE(LoadSimplifiedTraditionalTables(tables->Forms, kBin));
    }
    static void TearDownTestSuite() { delete tables; }
    static TextTables* tables;
    IcuCodePage gbk{"windows-936"};
    IcuCodePage big5{"windows-950"};
    IcuCodePage sjis{"windows-932"};
};
TextTables* GeneratedTables::tables = nullptr;

TEST_F(GeneratedTables, FilesHaveTheirExactSizes) {
    const std::pair<const char*, std::uintmax_t> files[] = {
        {"GB.DAT", 16356}, {"BIG5.DAT", 29516}, {"JISN.dat", 47880}, {"GBKN.dat", 15888}, {"GBKFT.dat", 95760}};
    for (const auto& [name, size] : files) EXPECT_EQ(std::filesystem::file_size(kBin / name), size) << name;
}

// Every GB2312 character that is the same in both scripts and exists in Big5 converts to itself.
TEST_F(GeneratedTables, GbToBig5KeepsCharactersCommonToBothScripts) {
    int checked = 0;
    for (int b0 = 0xA1; b0 <= 0xF7; ++b0) {
        for (int b1 = 0xA1; b1 <= 0xFE; ++b1) {
            const std::string gb = Bytes({b0, b1});
            const auto c = gbk.Decode(gb);
            const std::uint16_t entry = tables->GbBig5.GbTable[static_cast<std::size_t>(GbCellIndex(b0, b1))];
            if (!c) {
                EXPECT_EQ(entry, 0) << std::hex << b0 << b1;
                continue;
            }
            EXPECT_NE(entry, 0) << "character without counterpart must not become 0: " << std::hex << b0 << b1;
            if (testing::Transliterated("Simplified-Traditional", *c) != *c) continue;
            const auto inBig5 = big5.Encode(icu::UnicodeString(*c));
            if (!inBig5 || inBig5->size() != 2) continue;
            ASSERT_EQ(GbToBig5(tables->GbBig5, gb), *inBig5) << std::hex << b0 << b1;
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
}

// Every Big5 character: its simplified form when GB2312 has it, else the question mark; and a Big5
// character that is its own simplified form and lies in GB2312 converts to itself.
TEST_F(GeneratedTables, Big5ToGbGivesTheSimplifiedForm) {
    int same = 0;
    for (int b0 = 0xA1; b0 <= 0xFE; ++b0) {
        for (int b1 = 0x40; b1 <= 0xFE; ++b1) {
            if (b1 > 0x7E && b1 < 0xA1) continue;
            const std::string code = Bytes({b0, b1});
            const auto c = big5.Decode(code);
            const std::uint16_t entry = tables->GbBig5.Big5Table[static_cast<std::size_t>(Big5CellIndex(b0, b1))];
            if (!c) {
                EXPECT_EQ(entry, 0);
                continue;
            }
            ASSERT_NE(entry, 0);
            const std::string out = Big5ToGb(tables->GbBig5, code);
            ASSERT_EQ(out.size(), 2u);
            const auto back = gbk.Decode(out);
            ASSERT_TRUE(back.has_value());
            const UChar32 simplified = testing::Transliterated("Traditional-Simplified", *c);
            if (*back != simplified && *back != *c) {
                EXPECT_EQ(out, Bytes({0xA3, 0xBF})) << std::hex << b0 << b1;
            }
            if (simplified == *c && *back == *c) ++same;
        }
    }
    EXPECT_GT(same, 3000);
}

// Every GBK character that code page 932 also has converts to it, and back where the Shift-JIS code
// lies in one of the six areas.
TEST_F(GeneratedTables, GbkAndShiftJisConvertTheSameCharacterBothWays) {
    int roundTrips = 0;
    for (int b0 = 0x81; b0 <= 0xFE; ++b0) {
        for (int b1 = 0x40; b1 <= 0xFE; ++b1) {
            if (b1 == 0x7F) continue;
            const std::string code = Bytes({b0, b1});
            const auto c = gbk.Decode(code);
            const std::uint16_t entry = tables->GbkSjis.JisTable[static_cast<std::size_t>(GbkCellIndex(b0, b1))];
            if (!c) {
                EXPECT_EQ(entry, 0);
                continue;
            }
            ASSERT_NE(entry, 0) << std::hex << b0 << b1;
            const auto inSjis = sjis.Encode(icu::UnicodeString(*c));
            if (!inSjis || inSjis->size() != 2) continue;
            const std::string out = GbkToSjis(tables->GbkSjis, code);
            ASSERT_EQ(out, *inSjis) << std::hex << b0 << b1;
            const int s0 = static_cast<std::uint8_t>(out[0]);
            const bool inArea = (s0 >= 0x81 && s0 <= 0x84) || s0 == 0x87 || (s0 >= 0x88 && s0 <= 0x9F) ||
                                (s0 >= 0xE0 && s0 <= 0xEA) || (s0 >= 0xED && s0 <= 0xEE) || (s0 >= 0xFA && s0 <= 0xFC);
            if (!inArea) continue;
            const std::string back = SjisToGbk(tables->GbkSjis, out);
            // Characters that GBK holds twice come back as the code page's own choice.
            ASSERT_EQ(gbk.Decode(back), c) << std::hex << b0 << b1;
            ++roundTrips;
        }
    }
    EXPECT_GT(roundTrips, 6000);
}

TEST_F(GeneratedTables, SimplifiedAndTraditionalKeepByteLengthAndPairUp) {
    for (std::size_t cell = 0; cell < kGbkCells; ++cell) {
        for (const auto* table : {&tables->Forms.Simplified, &tables->Forms.Traditional}) {
            const std::uint16_t code = (*table)[cell];
            ASSERT_TRUE(IsGbkDoubleByte(static_cast<std::uint8_t>(code >> 8), static_cast<std::uint8_t>(code & 0xFF))) << cell;
        }
    }
    const std::pair<const char*, const char*> pairs[] = {{"长", "長"}, {"织", "織"}, {"龙", "龍"}, {"国", "國"}};
    for (const auto& [simplified, traditional] : pairs) {
        EXPECT_EQ(ToTraditional(tables->Forms, gbk.FromUtf8(simplified)), gbk.FromUtf8(traditional)) << simplified;
        EXPECT_EQ(ToSimplified(tables->Forms, gbk.FromUtf8(traditional)), gbk.FromUtf8(simplified)) << traditional;
    }
    // Characters with one form, kana and ASCII stay as they are.
    const std::string mixed = gbk.FromUtf8("田中あA1");
    EXPECT_EQ(ToTraditional(tables->Forms, mixed), mixed);
    EXPECT_EQ(ToSimplified(tables->Forms, mixed), mixed);
}

// Names as a user types them reach each edition's file as that edition writes them.
TEST_F(GeneratedTables, NamesReachBothEditions) {
    struct Case {
        const char* typed;
        const char* big5;
        const char* sjis;
    };
    const Case cases[] = {{"织田信长", "織田信長", "織田信長"}, {"上杉谦信", "上杉謙信", "上杉謙信"}, {"伊达政宗", "伊達政宗", "伊達政宗"}};
    for (const auto& c : cases) {
        const std::string typed = gbk.FromUtf8(c.typed);
        const std::string inBig5 = GbToBig5(tables->GbBig5, typed);
        EXPECT_EQ(big5.ToUtf8(inBig5), c.big5);
        EXPECT_EQ(Big5ToGb(tables->GbBig5, inBig5), typed);
        const std::string inSjis = GbkToSjis(tables->GbkSjis, typed);
        EXPECT_EQ(sjis.ToUtf8(inSjis), c.sjis);
    }
    // Japanese forms absent from simplified Chinese come through the Japanese edition as they are.
    const std::string japanese = sjis.FromUtf8("蠣崎季広おね");
    EXPECT_EQ(gbk.ToUtf8(SjisToGbk(tables->GbkSjis, japanese)), "蠣崎季広おね");
}

}  // namespace
}  // namespace busho
