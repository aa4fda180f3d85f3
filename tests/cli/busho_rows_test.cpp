// `busho export` and `busho import`: officers to a spreadsheet and back.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "busho_runner.h"
#include "core/data/officer_file.h"
#include "code_page_text.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::Busho;
using testing::Encoded;
using testing::SetText;
using testing::CommandRun;
using testing::Quoted;
using testing::ReadBytes;
using testing::Slurp;
using testing::TempFolder;
using testing::WriteBytes;

// Three officers as the game writes them, names in Big5 (or the Japanese edition's Shift-JIS), with
// odd bytes the editor would not write.
std::vector<std::uint8_t> ThreeOfficers(const char* codePage = "windows-950") {
    std::vector<OfficerSlot> slots;
    const char* names[3][2] = {{"織田", "信長"}, {"武田", "信玄"}, {"上杉", "謙信"}};
    for (int i = 0; i < 3; ++i) {
        OfficerSlot s = testing::RandomOfficer(static_cast<std::uint32_t>(70 + i));
        SetText(s.Record.FamilyName, Encoded(codePage, names[i][0]));
        SetText(s.Record.GivenName, Encoded(codePage, names[i][1]));
        s.Record.FamilyNameReading.fill(0xAA);  // not text at all: must survive unchanged
        s.Record.GivenNameReading = {};
        SetText(s.Record.Biography, "");
        s.Record.BirthYear = 1530 + i;
        s.Record.Gender = 1;
        s.Record.Origin = 2;
        s.Record.Faith = 0;
        s.Record.Father = i == 2 ? 10000 : -1;
        s.Record.CompatibilityOfficer = 5;
        s.Record.Aptitude = {0, 1, 2, 3, 4, 0, 1, 2, 3};
        s.Record.TacticCount = 3;
        s.Tactics = {};
        s.Tactics[0] = 22;  // out of order, as a file may hold them
        s.Tactics[1] = 0;
        s.Tactics[2] = 22;
        s.LikedCount = 1;
        s.Liked = {10001, 0};
        s.DislikedCount = 0;
        s.Extra.AssignedCastle = 45;
        s.Extra.Status = 7;
        s.Extra.Appearance = 1;
        s.Extra.VoiceType = 2;
        slots.push_back(s);
    }
    slots.push_back(testing::EndMarker());
    return testing::BuildFileBytes(WrittenFileHeader(), slots);
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        if (end == std::string::npos) break;
        start = end + 2;
    }
    return lines;
}

std::unique_ptr<OfficerFileContents> Parse(const std::vector<std::uint8_t>& bytes) {
    auto parsed = ParseOfficerFile(bytes);
    EXPECT_TRUE(parsed) << (parsed ? std::string() : DescribeGbk(parsed.problem()));
    return std::make_unique<OfficerFileContents>(parsed ? std::move(parsed).value() : OfficerFileContents{});
}

class RowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        file = folder.Path() / "EDATA000.12Q";
        original = ThreeOfficers();
        WriteBytes(file, original);
        sheet = folder.Path() / "officers.csv";
    }
    CommandRun Export(const std::string& extra = "") {
        return Busho("export " + Quoted(file) + " --edition tc -o " + Quoted(sheet) + extra, folder);
    }
    CommandRun Import() { return Busho("import " + Quoted(file) + " --edition tc --from " + Quoted(sheet), folder); }

    TempFolder folder;
    std::filesystem::path file, sheet;
    std::vector<std::uint8_t> original;
};

TEST_F(RowsTest, ExportWritesReadableCellsUnderFieldNames) {
    ASSERT_EQ(Export().status, 0);
    const std::string csv = Slurp(sheet);
    ASSERT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u) << "UTF-8 byte-order mark for spreadsheets";
    const auto lines = Lines(csv.substr(3));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0],
              "slot,FamilyName,FamilyNameReading,GivenName,GivenNameReading,Biography,Gender,PortraitNumber,BirthYear,"
              "DeathYear,Origin,Faith,Father,CompatibilityOfficer,Leadership,Valour,Intellect,Politics,Aptitude,Tactics,"
              "Liked,Disliked,Duty,AssignedCastle,Status,Appearance,VoiceType");
    EXPECT_NE(lines[1].find("1,织田,"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(",信长,"), std::string::npos);
    EXPECT_NE(lines[1].find(",男,"), std::string::npos);
    EXPECT_NE(lines[1].find(",僧侣,无,无,5 "), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(",D C B A S D C B A,22 0 22,10001 武田信玄,,"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find(",小田原城,家臣,出场,睿智"), std::string::npos) << lines[1];
    EXPECT_NE(lines[3].find(",10000 织田信长,"), std::string::npos) << lines[3];

    ASSERT_EQ(Export(" --format json").status, 0);
    const std::string json = Slurp(sheet);
    EXPECT_EQ(json.rfind("[\n{\"slot\":\"1\",\"FamilyName\":\"织田\"", 0), 0u) << json.substr(0, 80);
}

TEST_F(RowsTest, UnchangedImportChangesOnlyWhatSavingRewrites) {
    for (const char* format : {"", " --format json"}) {
        SCOPED_TRACE(format);
        WriteBytes(file, original);
        ASSERT_EQ(Export(format).status, 0);
        const CommandRun run = Import();
        ASSERT_EQ(run.status, 0) << run.err;
        const auto imported = ReadBytes(file);
        // The same as loading and saving without the spreadsheet.
        const auto plain = folder.Path() / "plain.12Q";
        WriteBytes(plain, original);
        ASSERT_EQ(Busho("resave " + Quoted(plain), folder).status, 0);
        EXPECT_TRUE(imported == ReadBytes(plain));
        EXPECT_EQ(ReadBytes(file.string() + ".BAK"), original);
    }
}

// What Excel on a Chinese or Japanese Windows saves as "CSV": the text in the system's code page, each
// character the code page lacks as '?', no byte-order mark.
std::string SavedAsExcelDoes(const std::string& utf8WithMark, CodePage page) {
    const std::u16string text = Utf8ToUtf16(utf8WithMark.substr(3));
    std::string bytes;
    for (const char16_t c : text) bytes += Encode(page, std::u16string(1, c)).value_or("?");
    return bytes;
}

// A spreadsheet exported, opened and saved by Excel on a Simplified-Chinese (GBK), Traditional-Chinese
// (Big5) or Japanese (Shift-JIS) Windows imports exactly as the UTF-8 export does, with the encoding
// found or given; the Japanese one although Shift-JIS lacks characters of the lists ("出场", "僧侣").
TEST_F(RowsTest, SpreadsheetsSavedInTheSystemCodePageImportLikeTheirUtf8Original) {
    struct Case {
        const char* edition;
        const char* gameCodePage;
        CodePage saved;
        const char* option;
        const char* name;
    };
    const Case cases[] = {
        {"tc", "windows-950", CodePage::Gbk, "gbk", "GBK"},
        {"tc", "windows-950", CodePage::Big5, "big5", "Big5"},
        {"jp", "windows-932", CodePage::ShiftJis, "sjis", "Shift-JIS"},
        {"jp", "windows-932", CodePage::Gbk, "gbk", "GBK"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edition) + " saved as " + c.name);
        const auto game = ThreeOfficers(c.gameCodePage);
        const std::string edition = std::string(" --edition ") + c.edition;
        WriteBytes(file, game);
        ASSERT_EQ(Busho("export " + Quoted(file) + edition + " -o " + Quoted(sheet), folder).status, 0);
        const std::string utf8 = Slurp(sheet);
        // The UTF-8 original, imported: what every other must give.
        ASSERT_EQ(Busho("import " + Quoted(file) + edition + " --from " + Quoted(sheet), folder).status, 0);
        const auto expected = ReadBytes(file);
        ASSERT_NE(expected, game);  // saving rewrote something, so an equal result means something

        const auto saved = folder.Path() / "saved by Excel.csv";
        const std::string bytes = SavedAsExcelDoes(utf8, c.saved);
        ASSERT_NE(bytes, utf8.substr(3));
        WriteBytes(saved, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
        for (const std::string& option : {std::string(), std::string(" --encoding ") + c.option}) {
            SCOPED_TRACE(option);
            WriteBytes(file, game);
            const CommandRun run = Busho("import " + Quoted(file) + edition + " --from " + Quoted(saved) + option, folder);
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(ReadBytes(file), expected);
            // Found rather than given: it says so.
            EXPECT_EQ(run.out.find(PathToUtf8(saved) + ": not UTF-8, read as " + c.name + "\n") != std::string::npos,
                      option.empty()) << run.out;
        }
    }
}

// A workbook saved where a CSV was meant is refused with one line, and nothing changes.
TEST_F(RowsTest, SpreadsheetThatIsNoTextIsRefusedInOneLine) {
    const std::string workbook("PK\x03\x04\x14\x00\x06\x00\x08\x00\x00\x00!\x00\xA4\xFF\x81\x30[Content_Types].xml", 37);
    WriteBytes(sheet, std::vector<std::uint8_t>(workbook.begin(), workbook.end()));
    const CommandRun run = Import();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "busho: " + PathToUtf8(sheet) + ": the spreadsheet is text in none of UTF-8, GBK, Big5 and Shift-JIS\n");
    EXPECT_EQ(ReadBytes(file), original);
    EXPECT_FALSE(std::filesystem::exists(file.string() + ".BAK"));
}

// Export in a code page: what Excel would save from the UTF-8 export, without a byte-order mark,
// with one line on stderr naming the characters written as '?'; that export imports as the UTF-8 one
// does. JSON is UTF-8 only.
TEST_F(RowsTest, ExportInACodePage) {
    ASSERT_EQ(Export().status, 0);
    const std::string utf8 = Slurp(sheet);
    ASSERT_EQ(Import().status, 0);
    const auto expected = ReadBytes(file);
    ASSERT_EQ(Export(" --encoding utf-8").status, 0);
    EXPECT_EQ(Slurp(sheet), utf8);
    struct Case {
        const char* option;
        CodePage page;
        const char* told;  // part of the line on stderr; none when the code page holds every character
    };
    // The readings hold bytes that are no text (U+FFFD in the cells); the names and lists simplified
    // characters ("织田", "僧侣"), which Shift-JIS lacks.
    const Case cases[] = {
        {"gbk", CodePage::Gbk, "GBK cannot hold these characters of the rows, written as ?:  U+FFFD "},
        {"sjis", CodePage::ShiftJis, "Shift-JIS cannot hold these characters of the rows, written as ?: 织"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.option);
        WriteBytes(file, original);
        const CommandRun run = Export(std::string(" --encoding ") + c.option);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(c.told), std::string::npos) << run.err;
        EXPECT_EQ(Slurp(sheet), SavedAsExcelDoes(utf8, c.page));
        const CommandRun imported = Import();
        ASSERT_EQ(imported.status, 0) << imported.err;
        EXPECT_EQ(ReadBytes(file), expected);
    }
    WriteBytes(sheet, {'k', 'e', 'e', 'p'});
    const CommandRun json = Export(" --format json --encoding gbk");
    EXPECT_EQ(json.status, 2);
    EXPECT_EQ(Slurp(sheet), "keep");
}

TEST_F(RowsTest, EditedCellsReachTheirFieldsAndOthersKeepTheirBytes) {
    ASSERT_EQ(Export().status, 0);
    auto lines = Lines(Slurp(sheet).substr(3));
    auto replace = [](std::string& line, const std::string& from, const std::string& to) {
        const auto at = line.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        line.replace(at, from.size(), to);
    };
    replace(lines[1], "1,织田,", "1,羽柴,");
    replace(lines[2], ",小田原城,", ",清洲城,");
    replace(lines[3], ",D C B A S D C B A,22 0 22,", ",S S S S S S S S S,1 2 3,");
    lines.push_back(",真田,,幸村,,,男,1701,1567,1615,武士,无,无,3,90,95,80,60,A A A A A A A A A,0,,,70,春日山城,无,出场,勇猛");
    std::string csv = "\xEF\xBB\xBF";
    for (const auto& line : lines) csv += line + "\r\n";
    WriteBytes(sheet, std::vector<std::uint8_t>(csv.begin(), csv.end()));
    const CommandRun run = Import();
    ASSERT_EQ(run.status, 0) << run.err;

    const auto before = Parse(original);
    const auto after = Parse(ReadBytes(file));
    ASSERT_EQ(after->EndSlot, 5);
    const OfficerSlot& first = after->Officers[1];
    EXPECT_EQ(std::string(first.Record.FamilyName.begin(), first.Record.FamilyName.begin() + 4), Encoded("windows-950", "羽柴"));
    EXPECT_EQ(first.Record.FamilyNameReading, before->Officers[1].Record.FamilyNameReading);  // unchanged bytes kept
    EXPECT_EQ(first.Record.Biography, before->Officers[1].Record.Biography);                  // not the default text
    EXPECT_EQ(first.Record.TacticCount, 3);                                                     // 22 0 22 kept as it was
    EXPECT_EQ(first.Tactics[0], 22);
    EXPECT_EQ(after->Officers[2].Extra.AssignedCastle, 78);
    EXPECT_EQ(after->Officers[2].Record.Leadership, before->Officers[2].Record.Leadership);
    const OfficerSlot& third = after->Officers[3];
    EXPECT_EQ(third.Record.Aptitude, (std::array<std::int32_t, 9>{4, 4, 4, 4, 4, 4, 4, 4, 4}));
    EXPECT_EQ(third.Record.TacticCount, 3);
    EXPECT_EQ(third.Tactics[0], 1);
    EXPECT_EQ(third.Record.Father, 10000);
    const OfficerSlot& added = after->Officers[4];
    EXPECT_EQ(std::string(added.Record.GivenName.begin(), added.Record.GivenName.begin() + 4), Encoded("windows-950", "幸村"));
    EXPECT_EQ(added.Record.PortraitNumber, 1701);
    EXPECT_EQ(added.Extra.Status, 7);  // as 添加 adds
    EXPECT_EQ(added.Extra.OfficerId, 10003);
    EXPECT_EQ(added.Extra.AssignedCastle, 57);
    EXPECT_EQ(added.Extra.VoiceType, 1);
}

// Cells of a line of our fixture's export (no cell holds a comma or a quote).
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (;;) {
        const auto comma = line.find(',', start);
        cells.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos) return cells;
        start = comma + 1;
    }
}

std::string Join(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) line += (i ? "," : "") + cells[i];
    return line;
}

TEST_F(RowsTest, BadCellsAreReportedAndNothingIsWritten) {
    ASSERT_EQ(Export().status, 0);
    const auto lines = Lines(Slurp(sheet).substr(3));
    const auto header = Cells(lines[0]);
    auto column = [&](const std::string& name) { return static_cast<std::size_t>(std::find(header.begin(), header.end(), name) - header.begin()); };
    struct Bad {
        std::size_t line;
        std::string column, value, reason;
    };
    const Bad bad[] = {
        {1, "Leadership", "abc", "不是整数"},
        {2, "Gender", "男女", "不是列表中的一项"},
        {3, "FamilyName", "上杉上杉", "姓 输入不符，１－3个汉字"},
        {1, "Tactics", "0 30", "战法编号只能是 0～29"},
        {2, "Liked", "10001 x; 5 y; 6 z", "最多两名武将"},
        {3, "CompatibilityOfficer", "10000", "不是内置武将编号（0～1629）"},
    };
    for (const auto& b : bad) {
        SCOPED_TRACE(b.column);
        WriteBytes(file, original);
        auto cells = Cells(lines[b.line]);
        cells[column(b.column)] = b.value;
        std::string text = "\xEF\xBB\xBF" + lines[0] + "\r\n";
        for (std::size_t l = 1; l < lines.size(); ++l) text += (l == b.line ? Join(cells) : lines[l]) + "\r\n";
        WriteBytes(sheet, std::vector<std::uint8_t>(text.begin(), text.end()));
        const CommandRun run = Import();
        EXPECT_EQ(run.status, 1);
        const std::string report = "row " + std::to_string(b.line + 1) + ", column " + b.column + ", value \"" + b.value + "\": " + b.reason;
        EXPECT_NE(run.err.find(report), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(file), original);
        EXPECT_FALSE(std::filesystem::exists(file.string() + ".BAK"));
    }
}

}  // namespace
}  // namespace busho

namespace busho {
namespace {

#ifndef _WIN32  // Wine prefixes are where Linux keeps the game; Windows has its registry
TEST(BushoWhere, FindsTheGameAndTheOfficerFileInAWinePrefix) {
    testing::TempFolder folder;
    const auto prefix = folder.Path() / "wine";
    std::filesystem::create_directories(prefix / "drive_c" / "KOEI" / "NOBUNAGA12");
    std::filesystem::create_directories(prefix / "drive_c" / "users" / "me" / "Documents");
    {
        std::ofstream reg(prefix / "user.reg", std::ios::binary);
        reg << "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga12PK\\\\Install] 1700000000\n"
               "\"InstallInfo\"=\"C:\\\\KOEI\\\\Nobunaga12\\\\\"\n";
    }
    const auto run = testing::Busho("where --edition jp --wine-prefix " + testing::Quoted(prefix), folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string game = (prefix / "drive_c" / "KOEI" / "NOBUNAGA12" / "").string();
    const std::string file = (prefix / "drive_c" / "users" / "me" / "Documents" / "KOEI" / "Nobunaga12" / "EDIT" / "SETDATA" / "EDATA000.12Q").string();
    EXPECT_EQ(run.out.rfind("game folder: " + game + "  (InstallInfo of", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nofficer file: " + file + "  (Documents folder of Wine prefix"), std::string::npos) << run.out;

    const auto missing = testing::Busho("where --edition tc --wine-prefix " + testing::Quoted(prefix), folder);
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("Nobunaga12PK TC"), std::string::npos) << missing.err;
    EXPECT_EQ(testing::Busho("where --edition jp --wine-prefix " + testing::Quoted(folder.Path()), folder).status, 1);
    EXPECT_EQ(testing::Busho("where --wine-prefix " + testing::Quoted(prefix), folder).status, 2);
}
#endif

}  // namespace
}  // namespace busho
