// The build's reader of translations/*.ts for busho's table: what lupdate writes comes out as UTF-8
// texts by name; what is unfinished or belongs to the windows is left out; a broken file stops the build.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::TempFolder;

struct ToolRun {
    int status = -1;
    std::string header;
};

ToolRun RunTool(const TempFolder& folder, const std::string& ts) {
    const auto tsPath = folder.Path() / "busho_xx.ts";
    const auto out = folder.Path() / "out.h";
    std::ofstream(tsPath, std::ios::binary) << ts;
    std::filesystem::remove(out);
    const std::string command = std::string("\"") + BUSHO_TOOL + "\" \"" + out.string() + "\" xx=\"" + tsPath.string() + "\" 2>\"" +
                                (folder.Path() / "err.txt").string() + "\"";
    ToolRun run;
    run.status = std::system(command.c_str());
    std::ifstream in(out, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    run.header = text.str();
    return run;
}

// The entries {"NAME", "LITERAL"} of the header, the literal's escapes undone.
std::map<std::string, std::string> Entries(const std::string& header) {
    std::map<std::string, std::string> entries;
    for (std::size_t at = header.find("    {\"k"); at != std::string::npos; at = header.find("    {\"k", at + 1)) {
        const auto nameEnd = header.find('"', at + 6);
        const std::string name = header.substr(at + 6, nameEnd - at - 6);
        std::size_t i = header.find('"', nameEnd + 1) + 1;
        std::string text;
        while (header[i] != '"') {
            if (header[i] == '\\' && header[i + 1] == 'x') {
                text += static_cast<char>(std::stoi(header.substr(i + 2, 2), nullptr, 16));
                i += 4;
            } else {
                text += header[i++];
            }
        }
        entries[name] = text;
    }
    return entries;
}

std::string Ts(const std::string& messages) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"xx\" sourcelanguage=\"zh_CN\">\n"
           "<context>\n    <name>EditorWindow</name>\n    <message>\n        <source>头像</source>\n"
           "        <translation>Portrait</translation>\n    </message>\n</context>\n"
           "<context>\n    <name>InterfaceTexts</name>\n" +
           messages + "</context>\n</TS>\n";
}

std::string Message(const std::string& source, const std::string& name, const std::string& translation) {
    return "    <message>\n        <source>" + source + "</source>\n        <comment>" + name + "</comment>\n        " + translation +
           "\n    </message>\n";
}

TEST(MessageTranslationsTool, ReadsWhatLupdateWrites) {
    TempFolder folder;
    const std::string messages =
        "    <!-- a comment <message> inside -->\n" +
        Message("提示", "kTitleNotice", "<translation>Notice</translation>") +
        Message("%1<byte value=\"xd\"/>%2", "kCommitQuestion", "<translation>%1<byte value=\"xd\"/>%2</translation>") +
        Message("&quot;%1&quot;", "kQuoted", "<translation type='finished-looking'>x</translation>") +
        Message("a", "kEntities", "<translation>&lt;&amp;&gt;&apos;&#x4e2d;&#25991;\nline</translation>") +
        Message("b", "kUnfinished", "<translation type=\"unfinished\">not yet</translation>") +
        Message("c", "kVanished", "<translation type=\"vanished\">gone</translation>") +
        Message("d", "kEmpty", "<translation></translation>") + Message("e", "kSelfClosed", "<translation type=\"unfinished\"/>");
    const ToolRun run = RunTool(folder, Ts(messages));
    ASSERT_EQ(run.status, 0);
    const auto entries = Entries(run.header);
    const std::map<std::string, std::string> expected = {
        {"kTitleNotice", "Notice"}, {"kCommitQuestion", "%1\r%2"}, {"kEntities", "<&>'\xe4\xb8\xad\xe6\x96\x87\nline"}};
    EXPECT_EQ(entries, expected);
    // Sorted by name for the binary search, and the language's table names its count.
    EXPECT_LT(run.header.find("\"kCommitQuestion\""), run.header.find("\"kEntities\""));
    EXPECT_LT(run.header.find("\"kEntities\""), run.header.find("\"kTitleNotice\""));
    EXPECT_NE(run.header.find("{\"xx\", kTexts_xx, std::size(kTexts_xx)}"), std::string::npos);
    EXPECT_EQ(run.header.find("Portrait"), std::string::npos);  // the windows' own texts are Qt's
}

TEST(MessageTranslationsTool, NothingTranslatedYetStillBuilds) {
    TempFolder folder;
    const ToolRun run = RunTool(folder, Ts(Message("b", "kUnfinished", "<translation type=\"unfinished\"></translation>")));
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(Entries(run.header).empty());
    EXPECT_NE(run.header.find("{\"xx\", nullptr, 0}"), std::string::npos);
}

TEST(MessageTranslationsTool, ABrokenFileStopsTheBuild) {
    const std::string broken[] = {
        Message("a", "kA", "<translation>unknown &entity; here</translation>"),
        Message("a", "kA", "<translation>&#xD800;</translation>"),
        Message("a", "kA", "<translation>&#;</translation>"),
        Message("a", "kA", "<translation>no end"),
        Message("a", "kA", "<translation>x<b>bold</b></translation>"),
        Message("a", "kA", "<translation>x<byte value=\"x100\"/></translation>"),
        Message("a", "", "<translation>a text without its name</translation>"),
        Message("a", "kA", "<translation>one</translation>") + Message("b", "kA", "<translation>twice</translation>"),
        "    <message>\n        <source>a</source>\n        <comment>kA</comment>\n        <translation>x</translation\n",
    };
    for (const std::string& messages : broken) {
        TempFolder folder;
        const ToolRun run = RunTool(folder, Ts(messages));
        EXPECT_NE(run.status, 0) << messages;
        std::ifstream err(folder.Path() / "err.txt");
        std::ostringstream why;
        why << err.rdbuf();
        EXPECT_NE(why.str().find("busho_xx.ts"), std::string::npos) << why.str();
    }
}

}  // namespace
}  // namespace busho
