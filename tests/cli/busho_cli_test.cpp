// The busho command run as a user runs it: arguments, exit status, stdout, stderr, files on disk.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>


#include "core/data/officer_file.h"
#include "core/data/roster.h"
#include "busho_runner.h"
#include "code_page_text.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::BuildFileBytes;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

using testing::Busho;
using testing::BushoProgram;
using testing::CommandRun;
using testing::Quoted;

int LineCount(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

// Officers and the end marker as the game writes them: written signature, header words and ids.
std::vector<OfficerSlot> GameWrittenOfficers(int count, std::uint32_t seed) {
    auto officers = testing::RandomOfficers(count, seed);
    for (int i = 0; i <= count; ++i) {
        std::vector<std::uint8_t> ignored;
        ByteWriter out(ignored);
        WriteOfficerSlot(out, i + 1, officers[static_cast<std::size_t>(i)]);
    }
    return officers;
}

TEST(BushoDump, WritesEveryFieldUnderItsName) {
    TempFolder folder;
    OfficerSlot officer;
    OfficerRecord& r = officer.Record;
    r.Signature = WrittenSignature();
    r.HeaderWord2 = 1;
    r.FamilyName = {0xAA, 0xBC, 0xAA, 0xBD};
    r.GivenName = {0x41};
    r.Biography[152] = 0xFF;
    r.Gender = 1;
    r.PortraitNumber = 1701;
    r.BirthYear = 1534;
    r.DeathYear = 1582;
    r.Origin = 2;
    r.Faith = 3;
    r.Father = -1;
    r.CompatibilityOfficer = 1629;
    r.Leadership = 110;
    r.Valour = 95;
    r.Intellect = 100;
    r.Politics = 98;
    r.Aptitude = {4, 3, 2, 1, 0, 1, 2, 3, 4};
    r.TacticCount = 2;
    officer.Tactics = {22, 7, 99};
    officer.LikedCount = 1;
    officer.Liked = {10001, 555};
    officer.DislikedCount = 0;
    officer.Disliked = {777, 888};
    officer.Extra = {80, 78, 2, 10000, 1, 5};
    const auto path = folder.Path() / "one.12Q";
    WriteBytes(path, BuildFileBytes(WrittenFileHeader(), {officer, testing::EndMarker()}));

    const CommandRun run = Busho("dump " + Quoted(path), folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    auto hex = [](const std::string& prefix, std::size_t total) { return prefix + std::string(2 * total - prefix.size(), '0'); };
    const std::string expected =
        "{\"EndSlot\":2,\"Header\":\"4e4f42553132454449545f5634202020030000" "00\",\"officers\":[\n"
        "{\"slot\":1,\"Signature\":\"4e4f4255313245444954425f56342020030000" "00\""
        ",\"HeaderWord1\":0,\"HeaderWord2\":1,\"HeaderWord3\":0,\"HeaderWord4\":0"
        ",\"FamilyName\":\"" + hex("aabcaabd", 11) + "\",\"FamilyNameReading\":\"" + hex("", 19) +
        "\",\"GivenName\":\"" + hex("41", 11) + "\",\"GivenNameReading\":\"" + hex("", 19) +
        "\",\"Biography\":\"" + std::string(2 * 152, '0') + "ff\""
        ",\"Gender\":1,\"PortraitNumber\":1701,\"BirthYear\":1534,\"DeathYear\":1582,\"Origin\":2,\"Faith\":3"
        ",\"Father\":-1,\"CompatibilityOfficer\":1629,\"Leadership\":110,\"Valour\":95,\"Intellect\":100,\"Politics\":98"
        ",\"Aptitude\":[4,3,2,1,0,1,2,3,4],\"TacticCount\":2,\"Tactics\":[22,7],\"LikedCount\":1,\"Liked\":[10001]"
        ",\"DislikedCount\":0,\"Disliked\":[],\"Duty\":80,\"AssignedCastle\":78,\"Status\":2,\"OfficerId\":10000"
        ",\"Appearance\":1,\"VoiceType\":5}\n]}\n";
    EXPECT_EQ(run.out, expected);
}

TEST(BushoDump, RefusedOrMissingFileGivesOneLineAndChangesNothing) {
    TempFolder folder;
    auto bad = BuildFileBytes(WrittenFileHeader(), testing::RandomOfficers(3, 1));
    bad[20 + 333] = 32;  // tactic count of slot 1
    const auto badPath = folder.Path() / "bad.12Q";
    WriteBytes(badPath, bad);
    const auto missing = folder.Path() / "missing.12Q";
    for (const auto& path : {badPath, missing}) {
        SCOPED_TRACE(path.string());
        const CommandRun run = Busho("dump " + Quoted(path), folder);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.out.empty());
        EXPECT_EQ(LineCount(run.err), 1) << run.err;
        EXPECT_NE(run.err.find(path.string()), std::string::npos) << run.err;
    }
    EXPECT_NE(Busho("dump " + Quoted(badPath), folder).err.find("战法数为 32"), std::string::npos);
    EXPECT_EQ(ReadBytes(badPath), bad);
    EXPECT_FALSE(std::filesystem::exists(missing));
}

// The largest file that loads: 999 officers and the end marker in slot 1000.
TEST(BushoResave, KeepsEveryOfficerByteIdenticalInItsSlot) {
    TempFolder folder;
    const auto officers = GameWrittenOfficers(kSlotCount - 1, 2024);
    const auto original = BuildFileBytes(WrittenFileHeader(), officers);
    const auto path = folder.Path() / "EDATA000.12Q";
    WriteBytes(path, original);

    const CommandRun run = Busho("resave " + Quoted(path), folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err;
    EXPECT_NE(run.out.find(path.string() + ".BAK"), std::string::npos) << run.out;
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
}

TEST(BushoResave, FillsSlotsAfterTheEndWithTheShippedBlankSlot) {
    TempFolder folder;
    const auto officers = GameWrittenOfficers(2, 77);
    const auto original = BuildFileBytes(WrittenFileHeader(), officers);
    const auto path = folder.Path() / "EDATA000.12Q";
    WriteBytes(path, original);
    ASSERT_EQ(Busho("resave " + Quoted(path), folder).status, 0);
    const auto saved = ReadBytes(path);
    const auto blank = ReadBytes(std::filesystem::path(BUSHO_BIN_DIR) / kBlankSlotFileName);
    ASSERT_EQ(saved.size(), original.size() + (kSlotCount - 3) * kBlankSlotSize);
    EXPECT_TRUE(std::equal(original.begin(), original.end(), saved.begin()));
    for (std::size_t at = original.size(); at < saved.size(); at += kBlankSlotSize)
        ASSERT_TRUE(std::equal(blank.begin(), blank.end(), saved.begin() + static_cast<std::ptrdiff_t>(at))) << at;
}

TEST(BushoResave, FailuresChangeNothingOnDisk) {
    TempFolder folder;
    const auto path = folder.Path() / "EDATA000.12Q";
    std::vector<OfficerSlot> full = testing::RandomOfficers(kSlotCount, 1);
    full.pop_back();
    const auto tooMany = BuildFileBytes(WrittenFileHeader(), full);
    WriteBytes(path, tooMany);
    CommandRun run = Busho("resave " + Quoted(path), folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find("1000 名武将"), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(path), tooMany);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));

    // A file that loads but whose replacement cannot be written.
    const auto good = BuildFileBytes(WrittenFileHeader(), testing::RandomOfficers(2, 3));
    WriteBytes(path, good);
    std::filesystem::create_directories(PendingFileFor(path) / "keep");
    run = Busho("resave " + Quoted(path), folder);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(LineCount(run.err), 1) << run.err;
    EXPECT_NE(run.err.find(path.string()), std::string::npos) << run.err;
    EXPECT_EQ(ReadBytes(path), good);
}

// Files and folders with Chinese and Japanese names, as players name them: every command takes them
// and names them back as UTF-8, in this process and as the program itself (on Windows its arguments
// come as UTF-16 and its output goes out as bytes, so this is the same there).
TEST(BushoPaths, ChineseAndJapaneseNamesWork) {
    TempFolder folder;
    const auto games = folder.Path() / PathFromUtf8("武将の保存") / PathFromUtf8("织田家");
    std::filesystem::create_directories(games);
    const auto file = games / PathFromUtf8("武将.12Q");
    const auto officers = testing::RandomOfficers(3, 17);
    WriteBytes(file, BuildFileBytes(WrittenFileHeader(), officers));
    ASSERT_TRUE(std::filesystem::exists(file));

    const CommandRun dump = Busho("dump --edition jp " + Quoted(file), folder);
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(dump.out.rfind("{\"EndSlot\":4,", 0), 0u) << dump.out.substr(0, 40);
    const CommandRun program = BushoProgram("dump --edition jp " + Quoted(file), folder);
    ASSERT_EQ(program.status, 0) << program.err;
    EXPECT_EQ(program.out, dump.out);  // byte for byte: no CR added, UTF-8 as it is

    const auto sheet = games / PathFromUtf8("一覧表.csv");
    ASSERT_EQ(BushoProgram("export " + Quoted(file) + " --edition jp -o " + Quoted(sheet), folder).status, 0);
    ASSERT_TRUE(std::filesystem::exists(sheet));
    const CommandRun imported = BushoProgram("import " + Quoted(file) + " --edition jp --from " + Quoted(sheet), folder);
    ASSERT_EQ(imported.status, 0) << imported.err;
    // The notice of the backup names it as it is.
    EXPECT_NE(imported.out.find(PathToUtf8(BackupPathFor(file))), std::string::npos) << imported.out;
    EXPECT_TRUE(std::filesystem::exists(BackupPathFor(file)));

    // A missing file is named in the one line on stderr.
    const auto missing = games / PathFromUtf8("無い.12Q");
    const CommandRun refused = BushoProgram("dump " + Quoted(missing), folder);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.rfind("busho: " + PathToUtf8(missing) + ": ", 0), 0u) << refused.err;
    EXPECT_EQ(LineCount(refused.err), 1) << refused.err;
}

// The manual page is made from this text: the program writes it to stdout, with status 0, and names
// every command.
TEST(BushoCommand, HelpGoesToStdoutWithStatusZero) {
    TempFolder folder;
    for (const char* args : {"--help", "-h"}) {
        const CommandRun run = BushoProgram(args, folder);
        EXPECT_EQ(run.status, 0) << args;
        EXPECT_TRUE(run.err.empty()) << run.err;
        for (const char* command : {"dump", "resave", "delete", "move", "check", "export", "import", "diff", "backups", "where", "faces", "face"})
            EXPECT_NE(run.out.find(std::string("\n  ") + command + " "), std::string::npos) << args << ": " << command;
    }
    // Each command has help of its own, naming its arguments.
    const CommandRun dump = Busho("dump --help", folder);
    EXPECT_EQ(dump.status, 0);
    EXPECT_NE(dump.out.find("Usage: busho dump"), std::string::npos) << dump.out;
    EXPECT_NE(dump.out.find("--edition"), std::string::npos) << dump.out;
}

TEST(BushoCommand, WrongArgumentsShowUsage) {
    TempFolder folder;
    for (const char* args : {"", "dump", "frobnicate x", "dump a b"}) {
        const CommandRun run = BushoProgram(args, folder);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage: busho"), std::string::npos) << args;
    }
}

}  // namespace
}  // namespace busho

namespace busho {
namespace {

using testing::Encoded;
using testing::SetText;

std::string JsonText(const std::string& json, const std::string& field) {
    const std::string key = "\"" + field + "\":\"";
    const auto at = json.find(key);
    if (at == std::string::npos) return "<missing " + field + ">";
    const auto end = json.find("\",\"", at + key.size());
    return json.substr(at + key.size(), end - at - key.size());
}

TEST(BushoDump, EditionDecodesNamesReadingsAndBiography) {
    struct Case {
        const char* edition;
        const char* converter;
        const char* family;
        const char* given;
        const char* familyReading;
        const char* biography;
        // What the dump shows: the editor's view of the same text.
        const char* shownFamily;
        const char* shownGiven;
        const char* shownReading;
        const char* shownBiography;
    };
    const Case cases[] = {
        {"tc", "windows-950", "織田", "信長", "", "尾張的\"大名\"\\", "织田", "信长", "", "尾张的\\\"大名\\\"\\\\"},
        {"jp", "windows-932", "織田", "信長", "おだ", "尾張の大名", "織田", "信長", "おだ", "尾張の大名"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edition);
        TempFolder folder;
        OfficerSlot officer = testing::RandomOfficer(1);
        officer.Record.BirthYear = 1534;
        officer.Record.Signature = WrittenSignature();
        SetText(officer.Record.FamilyName, Encoded(c.converter, c.family));
        SetText(officer.Record.GivenName, Encoded(c.converter, c.given));
        SetText(officer.Record.FamilyNameReading, Encoded(c.converter, c.familyReading));
        SetText(officer.Record.GivenNameReading, "");
        SetText(officer.Record.Biography, Encoded(c.converter, c.biography));
        const auto path = folder.Path() / "names.12Q";
        WriteBytes(path, BuildFileBytes(WrittenFileHeader(), {officer, testing::EndMarker()}));

        const CommandRun run = Busho(std::string("dump --edition ") + c.edition + " " + Quoted(path), folder);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(JsonText(run.out, "FamilyName"), c.shownFamily);
        EXPECT_EQ(JsonText(run.out, "GivenName"), c.shownGiven);
        EXPECT_EQ(JsonText(run.out, "FamilyNameReading"), c.shownReading);
        EXPECT_EQ(JsonText(run.out, "GivenNameReading"), "");
        EXPECT_EQ(JsonText(run.out, "Biography"), c.shownBiography);
        EXPECT_EQ(JsonText(run.out, "Signature"), "4e4f4255313245444954425f56342020030000" "00")
            << "the signature stays hex";

        // Without --edition the same fields are hex of all their bytes.
        const CommandRun hex = Busho("dump " + Quoted(path), folder);
        EXPECT_EQ(JsonText(hex.out, "FamilyName").size(), 22u);
    }
}

TEST(BushoDump, EditionMustBeTcOrJp) {
    TempFolder folder;
    const auto path = folder.Path() / "x.12Q";
    WriteBytes(path, BuildFileBytes(WrittenFileHeader(), {testing::EndMarker()}));
    for (const char* args : {"dump --edition cn ", "dump --edition ", "dump --edition tc --edition"}) {
        EXPECT_EQ(Busho(std::string(args) + Quoted(path), folder).status, 2) << args;
    }
    EXPECT_EQ(Busho("dump " + Quoted(path) + " --edition jp", folder).status, 0);
}

}  // namespace
}  // namespace busho
