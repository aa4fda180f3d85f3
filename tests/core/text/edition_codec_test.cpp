#include <gtest/gtest.h>

#include <set>

#include "icu_reference.h"
#include "core/text/edition_codec.h"
#include "core/text/text_fields.h"
#include "text_fixtures.h"

namespace busho {
namespace {

using testing::Bytes;

const std::filesystem::path kBin = BUSHO_BIN_DIR;

class EditionCodec : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(LoadGbBig5Tables(tables.GbBig5, kBin));
        ASSERT_TRUE(LoadGbkJisTables(tables.GbkSjis, kBin));
        ASSERT_TRUE(LoadSimplifiedTraditionalTables(tables.Forms, kBin));
    }
    CodecState State(std::uint8_t edition, bool traditional) { return {edition, traditional, tables}; }
    TextTables tables;
    testing::IcuCodePage gbk{"windows-936"};
    testing::IcuCodePage big5{"windows-950"};
    testing::IcuCodePage sjis{"windows-932"};
};

TEST_F(EditionCodec, EncodesAndDecodesByEditionAndSwitch) {
    struct Case {
        std::uint8_t edition;
        bool traditionalSwitch;
        const char* typed;    // interface text as the user types it
        const char* onFile;   // the same text in the edition's encoding
        const char* shown;    // what decoding the file text gives back
    };
    const Case cases[] = {
        {0, false, "织田信长", "織田信長", "织田信长"},
        {0, true, "織田信長", "織田信長", "織田信長"},
        {1, false, "织田信长", "織田信長", "織田信長"},
        {1, true, "織田信長", "織田信長", "織田信長"},
        {1, false, "蠣崎季広", "蠣崎季広", "蠣崎季広"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " edition " + std::to_string(c.edition) + (c.traditionalSwitch ? " ticked" : ""));
        auto& codePage = c.edition == 0 ? big5 : sjis;
        const std::string onFile = EncodeForGame(State(c.edition, c.traditionalSwitch), gbk.FromUtf8(c.typed));
        EXPECT_EQ(codePage.ToUtf8(onFile), c.onFile);
        EXPECT_EQ(gbk.ToUtf8(DecodeFromGame(State(c.edition, c.traditionalSwitch), onFile)), c.shown);
    }
}

TEST_F(EditionCodec, OtherEditionsGiveEmptyText) {
    for (std::uint8_t edition : {std::uint8_t{99}, std::uint8_t{2}}) {
        EXPECT_EQ(EncodeForGame(State(edition, false), "abc"), "");
        EXPECT_EQ(DecodeFromGame(State(edition, true), "abc"), "");
    }
}

TEST_F(EditionCodec, ZeroPaddingAndSingleBytes) {
    const std::string name = big5.FromUtf8("武田");
    const std::string padded = name + std::string(7, '\0');
    // Traditional-Chinese edition: zeros pass through unless the switch cuts at the first one.
    EXPECT_EQ(DecodeFromGame(State(0, false), padded), gbk.FromUtf8("武田") + std::string(7, '\0'));
    EXPECT_EQ(DecodeFromGame(State(0, true), padded), gbk.FromUtf8("武田"));
    // Japanese edition: zeros and every single byte disappear.
    const std::string sjisPadded = sjis.FromUtf8("武田") + std::string(7, '\0');
    EXPECT_EQ(DecodeFromGame(State(1, false), sjisPadded), gbk.FromUtf8("武田"));
    EXPECT_EQ(DecodeFromGame(State(1, true), sjisPadded), gbk.FromUtf8("武田"));
    EXPECT_EQ(EncodeForGame(State(1, false), gbk.FromUtf8("武田 Ab1")), sjis.FromUtf8("武田"));
    EXPECT_EQ(EncodeForGame(State(0, false), gbk.FromUtf8("武田 Ab1")), big5.FromUtf8("武田 Ab1"));
}

TEST(TextFields, PadCutKeep) {
    std::string four = Bytes({0xCE, 0xE4, 0xCC, 0xEF});
    EXPECT_EQ(PadToByteWidth(four, 11, 0), Bytes({0xCE, 0xE4, 0xCC, 0xEF, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(four.size(), 11u);  // changed in place too
    std::string twelve(12, 'x');
    EXPECT_EQ(PadToByteWidth(twelve, 11, 0), std::string(12, 'x'));
    std::string spaces = "ab";
    EXPECT_EQ(PadToByteWidth(spaces, 4, ' '), "ab  ");
    EXPECT_EQ(AnsiByteLen(Bytes({0xCE, 0xE4, 0x41})), 3);

    EXPECT_EQ(CutAtNul("abc"), "abc");
    EXPECT_EQ(CutAtNul(std::string("ab\0cd", 5)), "ab");
    EXPECT_EQ(CutAtNul(std::string("\0ab", 3)), "");

    struct Keep {
        std::string in, out;
    };
    const Keep keeps[] = {
        {"only ascii 123", ""},
        {Bytes({0xD6, 0xD0, 0x41, 0xCE, 0xC4}), Bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {Bytes({' ', 0xA1, 0xA1, 0xD6, 0xD0, ' ', 0xCE, 0xC4, 0xA1, 0xA1, ' '}), Bytes({0xD6, 0xD0, 0xCE, 0xC4})},
        {Bytes({0xD6, 0xD0, 0xA1, 0xA1, 0xCE, 0xC4}), Bytes({0xD6, 0xD0, 0xA1, 0xA1, 0xCE, 0xC4})},
        {Bytes({0x81, 0x40, 0xD6}), Bytes({0x81, 0x40})},  // a lone lead byte at the end is a single byte
    };
    for (const auto& k : keeps) EXPECT_EQ(KeepDoubleByteChars(k.in), k.out);
}

TEST(TextFields, RandomKanaReadingGivesTwoHiraganaPerCharacter) {
    RandomSource random(42);
    EXPECT_EQ(RandomKanaReading("", random), "");
    std::set<int> seen;
    for (int round = 0; round < 2000; ++round) {
        const std::string reading = RandomKanaReading(Bytes({0xD6, 0xD0, 'A', 0xCE, 0xC4}), random);  // 3 characters
        ASSERT_EQ(reading.size(), 12u);
        for (std::size_t i = 0; i < reading.size(); i += 2) {
            ASSERT_EQ(static_cast<std::uint8_t>(reading[i]), 0xA4);
            const int low = static_cast<std::uint8_t>(reading[i + 1]);
            ASSERT_GE(low, 0xA2);  // あ
            ASSERT_LE(low, 0xF1);  // ゑ
            seen.insert(low);
        }
    }
    EXPECT_EQ(seen.size(), 80u);
}

TEST(TextFields, RandomSourceStaysInRangeAndReseedsApart) {
    RandomSource random(7);
    for (int i = 0; i < 100000; ++i) {
        const double u = random.Next();
        ASSERT_GE(u, 0.0);
        ASSERT_LT(u, 1.0);
    }
    RandomSource a, b;
    a.ReseedFromClock();
    b.ReseedFromClock();
    EXPECT_NE(a.Next(), b.Next());
    RandomSource c(5), d(5);
    EXPECT_EQ(c.Next(), d.Next());
}

TEST(TextFields, SimplifiedTraditionalCutAtZeroAndSurviveMissingTable) {
    SimplifiedTraditionalTables missing;
    EXPECT_EQ(ToTraditional(missing, ""), "");
    EXPECT_EQ(ToTraditional(missing, std::string("\0ab", 3)), "");
    EXPECT_EQ(ToSimplified(missing, std::string("ab\0cd", 5)), "ab");  // unchanged, never blanked
}

TEST_F(EditionCodec, NamesTheCharactersAnEditionWouldNotStoreAsTyped) {
    struct Case {
        std::uint8_t edition;
        bool traditionalSwitch;
        const char* typed;
        std::vector<const char*> lost;
    };
    const Case cases[] = {
        {0, false, "织田信长 abc", {}},              // Big5 keeps ASCII as it is
        {0, false, "尾张の大名の", {"の"}},            // no kana in Big5: ？, named once
        {0, false, "？", {}},                        // a question mark typed is kept
        {0, false, "丂厶", {"丂", "厶"}},              // 丂 is outside GB2312 (other bytes in Big5); 厶 has no Big5 form
        {0, true, "織田信長", {}},
        {1, false, "织田信长", {}},
        {1, false, "ab织田 c", {"a", "b", "c"}},      // single bytes are dropped, spaces aside
        {1, false, "尾张のお", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> expected;
        for (const char* l : c.lost) expected.push_back(gbk.FromUtf8(l));
        EXPECT_EQ(CharactersNotKept(State(c.edition, c.traditionalSwitch), gbk.FromUtf8(c.typed)), expected) << c.typed;
    }
}

}  // namespace
}  // namespace busho
