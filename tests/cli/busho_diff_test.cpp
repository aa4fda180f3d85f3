// busho diff and busho backups on officer files made here, and the number of dated backups a save
// keeps (--keep).

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <algorithm>
#include <functional>

#include "busho_runner.h"
#include "code_page_text.h"
#include "core/data/backups.h"
#include "core/data/officer_file.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::Busho;
using testing::BuildFileBytes;
using testing::CommandRun;
using testing::Encoded;
using testing::Quoted;
using testing::ReadBytes;
using testing::SetText;
using testing::TempFolder;
using testing::WriteBytes;

// Three officers with Big5 names, as the Traditional-Chinese edition writes them.
std::vector<OfficerSlot> NamedOfficers() {
    const char* names[][2] = {{"織田", "信長"}, {"武田", "信玄"}, {"上杉", "謙信"}};
    std::vector<OfficerSlot> officers;
    for (std::uint32_t i = 0; i < 3; ++i) {
        OfficerSlot o = testing::RandomOfficer(100 + i);
        SetText(o.Record.FamilyName, Encoded("windows-950", names[i][0]));
        SetText(o.Record.GivenName, Encoded("windows-950", names[i][1]));
        o.Record.Leadership = 80 + static_cast<int>(i);
        o.Record.TacticCount = 2;
        o.Tactics[0] = 3;
        o.Tactics[1] = 4;
        officers.push_back(o);
    }
    officers.push_back(testing::EndMarker());
    return officers;
}

std::string HexOf(const std::string& bytes) { return HexBytes(bytes); }

std::vector<std::uint8_t> FileOf(const std::vector<OfficerSlot>& officers) { return BuildFileBytes(WrittenFileHeader(), officers); }

TEST(BushoDiff, TellsEachChangedFieldAndExitsOneWhenFilesDiffer) {
    struct Case {
        const char* what;
        std::function<void(std::vector<OfficerSlot>&)> change;
        const char* edition;
        int status;
        std::string out;
    };
    const Case cases[] = {
        {"equal", [](std::vector<OfficerSlot>&) {}, "tc", 0, ""},
        {"a number", [](std::vector<OfficerSlot>& o) { o[1].Record.Leadership = 99; }, "tc", 1,
         "slot 2 武田信玄: Leadership 81 -> 99\n"},
        {"two fields, names as hex without an edition",
         [](std::vector<OfficerSlot>& o) {
             o[0].Tactics[1] = 22;
             SetText(o[0].Record.GivenName, Encoded("windows-950", "信忠"));
         },
         nullptr, 1,
         "slot 1 " + HexOf(Encoded("windows-950", "織田")) + " " + HexOf(Encoded("windows-950", "信忠")) +
             ": GivenName " + HexOf(Encoded("windows-950", "信長") + std::string(7, '\0')) + " -> " +
             HexOf(Encoded("windows-950", "信忠") + std::string(7, '\0')) + "\n" + "slot 1 " +
             HexOf(Encoded("windows-950", "織田")) + " " + HexOf(Encoded("windows-950", "信忠")) +
             ": Tactics [3, 4] -> [3, 22]\n"},
        {"a name, decoded", [](std::vector<OfficerSlot>& o) { SetText(o[0].Record.GivenName, Encoded("windows-950", "信忠")); },
         "tc", 1, "slot 1 织田信忠: GivenName 信长 -> 信忠\n"},
        {"an officer added",
         [](std::vector<OfficerSlot>& o) {
             o.back() = o[2];
             SetText(o.back().Record.GivenName, Encoded("windows-950", "景勝"));
             o.push_back(testing::EndMarker());
         },
         "tc", 1, "slot 4 上杉景胜: added\n"},
        {"an officer removed", [](std::vector<OfficerSlot>& o) { o.erase(o.begin() + 2); }, "tc", 1, "slot 3 上杉谦信: removed\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        const auto a = folder.Path() / "a.12Q";
        const auto b = folder.Path() / "b.12Q";
        auto officers = NamedOfficers();
        WriteBytes(a, FileOf(officers));
        c.change(officers);
        WriteBytes(b, FileOf(officers));
        const std::string edition = c.edition ? std::string(" --edition ") + c.edition : "";
        const CommandRun run = Busho("diff " + Quoted(a) + " " + Quoted(b) + edition, folder);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.out, c.out);
        EXPECT_TRUE(run.err.empty()) << run.err;
    }
}

TEST(BushoDiff, JsonCarriesValuesAsNumbersListsAndText) {
    TempFolder folder;
    const auto a = folder.Path() / "a.12Q";
    const auto b = folder.Path() / "b.12Q";
    auto officers = NamedOfficers();
    WriteBytes(a, FileOf(officers));
    officers[1].Record.Leadership = 99;
    officers[1].Tactics[0] = 5;
    const OfficerSlot first = officers[0];
    officers.insert(officers.end() - 1, first);
    WriteBytes(b, FileOf(officers));
    const CommandRun run = Busho("diff --format json --edition tc " + Quoted(a) + " " + Quoted(b), folder);
    EXPECT_EQ(run.status, 1) << run.err;
    const std::string expected = R"({
  "equal": false,
  "officers": [
    {
      "slot": 2,
      "change": "changed",
      "name": "武田信玄",
      "fields": [
        {
          "field": "Leadership",
          "before": 81,
          "after": 99
        },
        {
          "field": "Tactics",
          "before": [
            3,
            4
          ],
          "after": [
            5,
            4
          ]
        }
      ]
    },
    {
      "slot": 4,
      "change": "added",
      "name": "织田信长"
    }
  ]
}
)";
    EXPECT_EQ(run.out, expected);

    const CommandRun same = Busho("diff --format json " + Quoted(a) + " " + Quoted(a), folder);
    EXPECT_EQ(same.status, 0);
    EXPECT_EQ(same.out, "{\n  \"equal\": true,\n  \"officers\": []\n}\n");
}

TEST(BushoDiff, AFileThatCannotBeReadIsAnErrorOfItsOwn) {
    TempFolder folder;
    const auto good = folder.Path() / "good.12Q";
    WriteBytes(good, FileOf(NamedOfficers()));
    auto bad = FileOf(NamedOfficers());
    bad[kFileHeaderSize + kRecordSize - 4] = 40;  // slot 1's tactic count
    const auto badPath = folder.Path() / "bad.12Q";
    WriteBytes(badPath, bad);
    const auto missing = folder.Path() / "missing.12Q";
    for (const std::string& args : {Quoted(good) + " " + Quoted(badPath), Quoted(badPath) + " " + Quoted(good),
                                    Quoted(missing) + " " + Quoted(good), Quoted(good) + " " + Quoted(folder.Path())}) {
        SCOPED_TRACE(args);
        const CommandRun run = Busho("diff " + args, folder);
        EXPECT_EQ(run.status, 2);
        EXPECT_TRUE(run.out.empty()) << run.out;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_NE(Busho("diff " + Quoted(good) + " " + Quoted(badPath), folder).err.find(badPath.string() + ": 第 1 号武将的战法数为 40"),
              std::string::npos);
    for (const char* args : {"diff", "diff one", "diff a b --format csv", "diff a b --edition cn"})
        EXPECT_EQ(Busho(args, folder).status, 2) << args;
}

// Every save keeps the file before it as FILE.BAK and the dated backups before that, as many as --keep.
TEST(BushoKeep, ASaveKeepsAsManyDatedBackupsAsAsked) {
    struct Case {
        const char* args;  // before and after the file
        std::size_t dated;
    };
    const Case cases[] = {
        {"--keep 2 resave %s", 2},
        {"resave %s --keep 1", 1},
        {"resave %s --keep 0", 0},
        {"resave %s", 4},  // 20 by default: all four from five saves
        // Moving officers saves through the same path.
        {"--keep 2 move %s 1 2", 2},
        {"move %s 2 1 --keep 1", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        TempFolder folder;
        const auto file = folder.Path() / "EDATA000.12Q";
        WriteBytes(file, FileOf(NamedOfficers()));
        char args[1024];
        std::snprintf(args, sizeof args, c.args, Quoted(file).c_str());
        for (int save = 0; save < 5; ++save) ASSERT_EQ(Busho(args, folder).status, 0) << Busho(args, folder).err;
        FileAccess files;
        Clock clock;
        const auto backups = ListBackups(file, files, clock);
        ASSERT_FALSE(backups.empty());
        EXPECT_TRUE(backups[0].newest);
        EXPECT_EQ(backups.size(), 1 + c.dated);
    }
    TempFolder folder;
    for (const char* args : {"--keep -1 resave x", "--keep 10000 resave x", "resave x --keep many", "dump x --keep 3"})
        EXPECT_EQ(Busho(args, folder).status, 2) << args;
}

TEST(BushoBackups, ListsEachBackupWithItsOfficersAndWhatChangedSince) {
    TempFolder folder;
    const auto file = folder.Path() / "EDATA000.12Q";
    auto officers = NamedOfficers();
    WriteBytes(file, FileOf(officers));
    CommandRun run = Busho("backups " + Quoted(file), folder);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "no backups of " + file.string() + "\n");

    auto older = officers;
    older[1].Record.Leadership = 70;
    older.erase(older.begin() + 2);
    WriteBytes(BackupPathFor(file), FileOf(older));
    const auto made = std::chrono::system_clock::now() - std::chrono::hours(30);
    std::filesystem::last_write_time(BackupPathFor(file), std::chrono::file_clock::from_sys(made));
    const LocalTime local = Clock().ToLocal(made);
    char date[40];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d %02d:%02d:%02d", local.year, local.month, local.day, local.hour,
                  local.minute, local.second);
    WriteBytes(folder.Path() / "EDATA000.12Q.20250102-030405.BAK", FileOf(officers));
    WriteBytes(folder.Path() / "EDATA000.12Q.20250102-030405-2.BAK", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 1});

    run = Busho("backups --edition tc " + Quoted(file), folder);
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string expected = std::string("EDATA000.12Q.BAK  ") + date + "  newest  2 officers  since then: 1 added, 0 removed, 1 changed\n" +
                                 "    slot 2 武田信玄: Leadership 70 -> 81\n"
                                 "    slot 3 上杉谦信: added\n"
                                 "EDATA000.12Q.20250102-030405-2.BAK  2025-01-02 03:04:05  unreadable: " +
                                 testing::FromGbk(DescribeGbk(ParseOfficerFile(ReadBytes(folder.Path() / "EDATA000.12Q.20250102-030405-2.BAK")).problem())) +
                                 "\n"
                                 "EDATA000.12Q.20250102-030405.BAK  2025-01-02 03:04:05  3 officers  same as the file\n";
    EXPECT_EQ(run.out, expected);
    EXPECT_NE(run.out.find("数据不完整"), std::string::npos);
    EXPECT_TRUE(run.err.empty()) << run.err;
}

}  // namespace
}  // namespace busho
