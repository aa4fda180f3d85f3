// Spreadsheet rows in JSON and CSV: what is read, and what is refused with a reason instead of a crash.

#include <gtest/gtest.h>

#include "core/exchange/table_io.h"

namespace busho {
namespace {

TEST(TableIo, JsonRowsAreReadAsTextWithTheirRowNumbers) {
    const auto table = ReadTable("\xEF\xBB\xBF [ {\"slot\": 1, \"FamilyName\": \"\\u5929\\u57ce\", \"x\": -2.5},\n {} ]");
    ASSERT_TRUE(table) << DescribeGbk(table.problem());
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
        const auto table = ReadTable(text);
        ASSERT_FALSE(table) << text;
        const std::string reason = DescribeGbk(table.problem());
        EXPECT_EQ(reason.rfind("JSON: ", 0), 0u) << text << ": " << reason;
    }
}

TEST(TableIo, WrittenJsonReadsBackCellForCell) {
    const std::vector<std::string> header{"slot", "Biography", "odd"};
    const std::vector<std::vector<std::string>> rows{{"1", "尾張の\"浪人\"\r\n\\", "\t\x01"}, {"2", "", "x"}};
    const std::string json = WriteJson(header, rows);
    EXPECT_EQ(json.find("\n{\"slot\":\"1\",\"Biography\""), 1u) << json;  // one row a line, header order
    const auto table = ReadTable(json);
    ASSERT_TRUE(table) << DescribeGbk(table.problem());
    ASSERT_EQ(table->rows.size(), 2u);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < header.size(); ++c) EXPECT_EQ(table->rows[r].at(header[c]), rows[r][c]);
}

TEST(TableIo, CsvQuotedCellsAndErrors) {
    const auto table = ReadTable("\xEF\xBB\xBFslot,Biography\r\n1,\"a,\"\"b\"\"\nc\"\r\n");
    ASSERT_TRUE(table) << DescribeGbk(table.problem());
    ASSERT_EQ(table->rows.size(), 1u);
    EXPECT_EQ(table->rows[0].at("Biography"), "a,\"b\"\nc");
    // Each refusal says what is wrong, and where.
    const std::pair<const char*, std::string> refused[] = {
        {"a,b\n1,\"open", "CSV: a quoted cell is not closed"},
        {"a\n1,2\n", "CSV: line 2 has more cells than the header"},
        {"", "CSV: no header row"},
    };
    for (const auto& [text, reason] : refused) {
        const auto read = ReadTable(text);
        ASSERT_FALSE(read) << text;
        EXPECT_EQ(DescribeGbk(read.problem()), reason);
    }
}

}  // namespace
}  // namespace busho
