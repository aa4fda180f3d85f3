// The interface texts made from their UTF-8 list: every one is GBK, and the generator turns a list into
// exactly those bytes, or stops the build on a list it cannot take.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

#include "core/text/code_page.h"
#include "core/text/messages.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

TEST(InterfaceTexts, AreAllGbkWithUniqueNames) {
    std::set<std::string_view> names;
    for (const auto& [name, gbk] : text_gbk::kAllInterfaceTexts) {
        EXPECT_TRUE(names.insert(name).second) << name;
        EXPECT_TRUE(DecodeExactly(CodePage::Gbk, gbk)) << name;
        EXPECT_EQ(gbk.find('\0'), std::string_view::npos) << name;
    }
    EXPECT_GT(names.size(), 60u);
}

#ifndef _WIN32  // the generator runs on the build machine: a Windows build takes the Linux build's
// Runs the generator on a list; the header it wrote, or nothing when it refused the list.
std::optional<std::string> Generate(const std::string& list) {
    testing::TempFolder folder;
    std::ofstream(folder.Path() / "list.txt", std::ios::binary) << list;
    const auto header = folder.Path() / "out.h";
    const std::string command = std::string("\"") + MAKE_INTERFACE_TEXTS + "\" \"" + (folder.Path() / "list.txt").string() + "\" \"" +
                                header.string() + "\" 2>/dev/null";
    if (std::system(command.c_str()) != 0) return std::nullopt;
    std::ifstream in(header, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(InterfaceTexts, GeneratorWritesTheGbkBytes) {
    const auto header = Generate("# comment\n\nkA = \"武将\"\r\nkB = \" 第 \\\"1\\\"\\r\\n\\\\\"\nkC = \"\\xAB\"\n");
    // \x is not an escape of the list: the last line is refused, and with it the list.
    EXPECT_FALSE(header);
    const auto good = Generate("# comment\n\nkA = \"武将\"\r\nkB = \" 第 \\\"1\\\"\\r\\n\\\\\"\nkC = \"ABC1\"\n");
    ASSERT_TRUE(good);
    EXPECT_NE(good->find("kA[] = \"\\xce\\xe4\\xbd\\xab\";"), std::string::npos) << *good;
    // Leading and trailing spaces and the escapes are kept; the digit after an escape is escaped too.
    EXPECT_NE(good->find("kB[] = \" \\xb5\\xda \\x22\\x31\\x22\\x0d\\x0a\\x5c\";"), std::string::npos) << *good;
    EXPECT_NE(good->find("kC[] = \"ABC1\";"), std::string::npos) << *good;
    EXPECT_NE(good->find("{\"kB\", {kB, sizeof kB - 1}}"), std::string::npos) << *good;
}

TEST(InterfaceTexts, GeneratorRefusesWhatItCannotTake) {
    const char* lists[] = {
        "kA = \"😀\"\n",             // GBK has no emoji
        "kA = \"a\"\nkA = \"b\"\n",  // the same name twice
        "kA = a\n",                  // no quotes
        "kA=\"a\"\n",                // not NAME = "TEXT"
        "A = \"a\"\n",               // not a constant's name
        "kA = \"a\"b\"\n",           // a bare quote inside
    };
    for (const char* list : lists) EXPECT_FALSE(Generate(list)) << list;
}

#endif

}  // namespace
}  // namespace busho
