// Text between the code pages and Unicode: exact where it must be, substitutes where it may.

#include <gtest/gtest.h>

#include "core/text/code_page.h"

#include <optional>
#include <string>
#include <vector>

namespace busho {
namespace {

struct Pair {
    CodePage page;
    const char* bytes;
    const char* utf8;
};

TEST(CodePage, RoundTripsTextEachCodePageHolds) {
    const Pair cases[] = {
        {CodePage::Gbk, "\xce\xe4\xbd\xab", "武将"},
        {CodePage::Gbk, "ABC 123", "ABC 123"},
        {CodePage::Big5, "\xc2\xb4\xa5\xd0\xab\x48\xaa\xf8", "織田信長"},
        {CodePage::ShiftJis, "\x82\xa8\x82\xbe", "おだ"},
        {CodePage::ShiftJis, "\xbb\xc4", "ｻﾄ"},  // half-width katakana are single bytes
        {CodePage::Gbk, "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ToUtf8(c.page, c.bytes), c.utf8);
        EXPECT_EQ(FromUtf8(c.page, c.utf8), std::optional<std::string>(c.bytes)) << c.utf8;
        EXPECT_EQ(Encode(c.page, Utf8ToUtf16(c.utf8)), std::optional<std::string>(c.bytes)) << c.utf8;
        EXPECT_EQ(DecodeExactly(c.page, c.bytes), std::optional<std::u16string>(Utf8ToUtf16(c.utf8)));
    }
}

TEST(CodePage, RefusesWhatItCannotHoldAndSubstitutesOnlyWhenAsked) {
    EXPECT_EQ(FromUtf8(CodePage::Big5, "おだ"), std::nullopt);       // Big5 has no hiragana
    EXPECT_EQ(FromUtf8(CodePage::Gbk, "😀"), std::nullopt);          // nor GBK an emoji
    EXPECT_EQ(FromUtf8(CodePage::Gbk, "\xff\xfe"), std::nullopt);   // not UTF-8
    EXPECT_EQ(EncodeWithSubstitutes(CodePage::Big5, u"A\u3042B"), "A?B");
}

TEST(CodePage, UndefinedBytesDecodeToSubstitutesOrNothing) {
    // An unassigned double-byte code, and a byte that is no character of code page 932.
    EXPECT_EQ(Decode(CodePage::ShiftJis, "A\x85\x40"), u"A\uFFFD");
    EXPECT_EQ(DecodeExactly(CodePage::ShiftJis, "A\x85\x40"), std::nullopt);
    const char* notCharacters[] = {
        "A\xA0",
#ifndef _WIN32  // byte 80 is U+0080 in the Windows code-page API (code_page_corpus_test)
        "A\x80",
#endif
    };
    for (const char* bytes : notCharacters) {
        EXPECT_EQ(Decode(CodePage::ShiftJis, bytes), u"A\u001A") << bytes;
        EXPECT_EQ(DecodeExactly(CodePage::ShiftJis, bytes), std::nullopt) << bytes;
    }
    // A lead byte without its trail byte.
    EXPECT_EQ(Decode(CodePage::Gbk, "A\xB0"), u"A\uFFFD");
    EXPECT_EQ(Decode(CodePage::Big5, "\xA4"), u"\uFFFD");
    EXPECT_EQ(DecodeExactly(CodePage::Gbk, "A\xB0"), std::nullopt);
}

TEST(CodePage, FirstUndecodableFindsWhereEachTextStopsDecoding) {
    struct Case {
        CodePage page;
        std::string bytes;
        std::optional<std::size_t> at;
    };
    const std::vector<Case> cases = {
        {CodePage::Big5, "\xc2\xb4\xa5\xd0", std::nullopt},  // 織田
        {CodePage::Big5, "", std::nullopt},
        {CodePage::Big5, "AB\xa4\x20" "CD", 2},                   // a lead byte with no trail byte after it
        {CodePage::Big5, "\xc2\xb4\xa5", 2},                   // a pair cut off at the end
        {CodePage::ShiftJis, "\x82\xa8\xbb", std::nullopt},    // お and a half-width ｻ
        {CodePage::ShiftJis, "A\x85\x40" "B", 1},                  // an unassigned pair
        {CodePage::ShiftJis, "\x82\xa8\x81\x20", 2},           // a lead byte with no trail byte after it
#ifdef _WIN32
        {CodePage::ShiftJis, "\x82\xa8\x80", std::nullopt},    // Windows reads 0x80 as U+0080 (see the README)
#else
        {CodePage::ShiftJis, "\x82\xa8\x80", 2},               // a byte that is no character
#endif
    };
    // Each text alone, and all of one code page at once through the one converter.
    for (CodePage page : {CodePage::Big5, CodePage::ShiftJis}) {
        std::vector<std::string_view> texts;
        std::vector<std::optional<std::size_t>> expected;
        for (const Case& c : cases) {
            if (c.page != page) continue;
            EXPECT_EQ(FirstUndecodable(page, std::vector<std::string_view>{c.bytes}), std::vector<std::optional<std::size_t>>{c.at}) << c.bytes;
            texts.push_back(c.bytes);
            expected.push_back(c.at);
        }
        EXPECT_EQ(FirstUndecodable(page, texts), expected);
    }
}

TEST(CodePage, Utf8AndUtf16) {
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("信长之野望 😀")), "信长之野望 😀");
    EXPECT_EQ(Utf8ToUtf16("a\xff"), u"a\uFFFD");
}

}  // namespace
}  // namespace busho
