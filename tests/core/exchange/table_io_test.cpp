// Spreadsheet rows in JSON and CSV: what is read, and what is refused with a reason instead of a crash.

#include <gtest/gtest.h>

#include "core/exchange/table_io.h"

namespace busho {
namespace {

TEST(TableIo, JsonRowsAreReadAsTextWithTheirRowNumbers) {
    std::string error;
    const auto table = ReadTable("\xEF\xBB\xBF [ {\"slot\": 1, \"FamilyName\": \"\\u5929\\u57ce\", \"x\": -2.5},\n {} ]", error);
    ASSERT_TRUE(table) << error;
    ASSERT_EQ(table->rows.size(), 2u);
    EXPECT_EQ(table->rows[0].at("slot"), "1");
    EXPECT_EQ(table->rows[0].at("FamilyName"), "天城");
    EXPECT_EQ(table->rows[0].at("x"), "-2.5");
    EXPECT_TRUE(table->rows[1].empty());
    EXPECT_EQ(table->rowNumbers, (std::vector<int>{2, 3}));
}

TEST(TableIo, MalformedJsonIsRefusedWithAReason) {
    const char* texts[] = {
        "[{\"a\":\"\\u12x4\"}]",   // \u without four hex digits
        "[{\"a\":\"\\ud800\"}]",   // a lone surrogate
        "[{\"a\":\"b\"}",          // cut short
        "[1]",                     // not an object
        "[{\"a\":true}]",          // neither a string nor a number
        "[{\"a\":[1]}]",
        "[{\"a\":\"\xff\"}]",       // not UTF-8
        "[{\"a\":7e774}]",         // a number beyond a double (found by fuzzing: it once ended the program)
        "[7e774]",
    };
    for (const char* text : texts) {
        std::string error;
        EXPECT_FALSE(ReadTable(text, error)) << text;
        EXPECT_EQ(error.rfind("JSON: ", 0), 0u) << text << ": " << error;
    }
}

TEST(TableIo, WrittenJsonReadsBackCellForCell) {
    const std::vector<std::string> header{"slot", "Biography", "odd"};
    const std::vector<std::vector<std::string>> rows{{"1", "尾張の\"浪人\"\r\n\\", "\t\x01"}, {"2", "", "x"}};
    const std::string json = WriteJson(header, rows);
    EXPECT_EQ(json.find("\n{\"slot\":\"1\",\"Biography\""), 1u) << json;  // one row a line, header order
    std::string error;
    const auto table = ReadTable(json, error);
    ASSERT_TRUE(table) << error;
    ASSERT_EQ(table->rows.size(), 2u);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < header.size(); ++c) EXPECT_EQ(table->rows[r].at(header[c]), rows[r][c]);
}

TEST(TableIo, CsvQuotedCellsAndErrors) {
    std::string error;
    const auto table = ReadTable("\xEF\xBB\xBFslot,Biography\r\n1,\"a,\"\"b\"\"\nc\"\r\n", error);
    ASSERT_TRUE(table) << error;
    ASSERT_EQ(table->rows.size(), 1u);
    EXPECT_EQ(table->rows[0].at("Biography"), "a,\"b\"\nc");
    EXPECT_FALSE(ReadTable("a,b\n1,\"open", error));
    EXPECT_FALSE(ReadTable("a\n1,2\n", error));
    EXPECT_FALSE(ReadTable("", error));
}

}  // namespace
}  // namespace busho
