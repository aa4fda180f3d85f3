// Spreadsheets in the encodings players save them in: UTF-8 with or without a byte-order mark, and
// the "CSV" of Excel on a Chinese or Japanese Windows (GBK, Big5, Shift-JIS).

#include <gtest/gtest.h>

#include "core/exchange/table_encoding.h"
#include "core/exchange/table_io.h"
#include "core/text/code_page.h"

namespace busho {
namespace {

// Spreadsheet text as each kind of player would have it: characters of the officer lists of that
// edition and interface (readings in kana for the Japanese one).
constexpr const char kSimplified[] = "slot,FamilyName,GivenName,Origin\r\n1,织田,信长,僧侣\r\n2,武田,信玄,剑豪\r\n3,上杉,谦信,海盗\r\n";
constexpr const char kTraditional[] = "slot,FamilyName,GivenName,Origin\r\n1,織田,信長,僧侶\r\n2,武田,信玄,劍豪\r\n3,上杉,謙信,海盜\r\n";
constexpr const char kJapanese[] = "slot,FamilyName,FamilyNameReading,GivenName\r\n1,織田,おだ,信長\r\n2,武田,たけだ,信玄\r\n3,上杉,うえすぎ,謙信\r\n";

TEST(TableEncoding, SpreadsheetsInEachCodePageAreReadAsTheirUtf8Original) {
    struct Case {
        const char* utf8;
        CodePage page;
        TableEncoding expected;
    };
    const Case cases[] = {
        {kSimplified, CodePage::Gbk, TableEncoding::Gbk},
        {kTraditional, CodePage::Big5, TableEncoding::Big5},
        {kJapanese, CodePage::ShiftJis, TableEncoding::ShiftJis},
        // What a Simplified-Chinese Windows makes of traditional and Japanese names: still GBK.
        {kTraditional, CodePage::Gbk, TableEncoding::Gbk},
        {kJapanese, CodePage::Gbk, TableEncoding::Gbk},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(TableEncodingName(c.expected)) + ": " + c.utf8);
        const auto bytes = FromUtf8(c.page, c.utf8);
        ASSERT_TRUE(bytes);
        ASSERT_NE(*bytes, std::string(c.utf8));  // not plain ASCII, and not UTF-8
        const auto detected = DecodeTableText(*bytes, std::nullopt);
        ASSERT_TRUE(detected) << DescribeGbk(detected.problem());
        EXPECT_EQ(detected->encoding, c.expected);
        EXPECT_EQ(detected->utf8, c.utf8);
        // Told the encoding, the same.
        const auto told = DecodeTableText(*bytes, c.expected);
        ASSERT_TRUE(told);
        EXPECT_EQ(told->utf8, c.utf8);
    }
}

TEST(TableEncoding, Utf8IsTakenAsItIsWithOrWithoutItsMark) {
    for (const std::string& text : {std::string(kSimplified), "\xEF\xBB\xBF" + std::string(kJapanese), std::string("slot\r\n1\r\n")}) {
        const auto read = DecodeTableText(text, std::nullopt);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->encoding, TableEncoding::Utf8);
        EXPECT_EQ(read->utf8, text);
    }
    const auto table = ReadTable(DecodeTableText("\xEF\xBB\xBF" + std::string(kJapanese), std::nullopt)->utf8);
    ASSERT_TRUE(table);
    EXPECT_EQ(table->rows.at(0).at("FamilyNameReading"), "おだ");
}

TEST(TableEncoding, WhatIsNotTextIsRefusedWithOneProblem) {
    // A workbook saved instead of a CSV (a zip), and a spreadsheet saved as UTF-16: control characters
    // and bytes that begin no character.
    const std::string workbook("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00\xA4\xFF\x81\x30[Content_Types].xml", 37);
    const std::string utf16("\xFF\xFEs\x00l\x00o\x00t\x00\r\x00\n\x00" "1\x00,\x00\xD4\x7E\x30\x75\r\x00\n\x00", 26);
    for (const std::string& junk : {workbook, utf16}) {
        const auto read = DecodeTableText(junk, std::nullopt);
        ASSERT_FALSE(read);
        EXPECT_TRUE(read.problem().Is(TextId::kTableNotText));
        EXPECT_EQ(ToUtf8(CodePage::Gbk, DescribeGbk(read.problem())), "the spreadsheet is text in none of UTF-8, GBK, Big5 and Shift-JIS");
    }

    // Told an encoding the text is not in: the first line that is not, once.
    const std::string thirdLineBroken = "slot,FamilyName\r\n1,A\r\n2,\x01\r\n3,\x01\r\n";
    for (const TableEncoding told : {TableEncoding::Utf8, TableEncoding::Gbk, TableEncoding::Big5, TableEncoding::ShiftJis}) {
        const auto refused = DecodeTableText(thirdLineBroken, told);
        ASSERT_FALSE(refused);
        EXPECT_EQ(ToUtf8(CodePage::Gbk, DescribeGbk(refused.problem())),
                  "the spreadsheet is not " + std::string(TableEncodingName(told)) + " text (line 3)");
    }
    // GBK bytes are not UTF-8.
    EXPECT_FALSE(DecodeTableText(*FromUtf8(CodePage::Gbk, kSimplified), TableEncoding::Utf8));
}

TEST(TableEncoding, ExportInACodePageRoundTripsOrTellsWhatItLacks) {
    for (const TableEncoding e : {TableEncoding::Gbk, TableEncoding::Big5, TableEncoding::ShiftJis, TableEncoding::Utf8}) {
        SCOPED_TRACE(TableEncodingName(e));
        const std::string utf8 = e == TableEncoding::ShiftJis ? kJapanese : e == TableEncoding::Big5 ? kTraditional : kSimplified;
        const auto written = EncodeTableText("\xEF\xBB\xBF" + utf8, e);
        EXPECT_EQ(written.lacking, "");
        // A byte-order mark only for UTF-8.
        EXPECT_EQ(written.bytes.starts_with("\xEF\xBB\xBF"), e == TableEncoding::Utf8);
        const auto read = DecodeTableText(written.bytes, e);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->utf8, e == TableEncoding::Utf8 ? "\xEF\xBB\xBF" + utf8 : utf8);
    }
    // Big5 has no kana; Shift-JIS neither 织 nor 侣: each is written as '?' and told once.
    const auto noKana = EncodeTableText("1,おだ,たけだ", TableEncoding::Big5);
    EXPECT_EQ(noKana.bytes, "1,??,???");
    EXPECT_EQ(noKana.lacking, "おだたけ");
    const auto noSimplified = EncodeTableText("织田,僧侣,织", TableEncoding::ShiftJis);
    EXPECT_EQ(noSimplified.bytes, "?" + *FromUtf8(CodePage::ShiftJis, "田,僧") + "?,?");
    EXPECT_EQ(noSimplified.lacking, "织侣");
    EXPECT_EQ(AsSavedIn(TableEncoding::ShiftJis, "织田,僧侣"), "?田,僧?");
    EXPECT_EQ(AsSavedIn(TableEncoding::Utf8, "织田,僧侣"), "织田,僧侣");
}

TEST(TableEncoding, OptionNames) {
    EXPECT_EQ(TableEncodingNamed("utf-8"), TableEncoding::Utf8);
    EXPECT_EQ(TableEncodingNamed("gbk"), TableEncoding::Gbk);
    EXPECT_EQ(TableEncodingNamed("big5"), TableEncoding::Big5);
    EXPECT_EQ(TableEncodingNamed("sjis"), TableEncoding::ShiftJis);
    EXPECT_EQ(TableEncodingNamed("latin1"), std::nullopt);
}

}  // namespace
}  // namespace busho
