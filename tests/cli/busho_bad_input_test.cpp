// busho on input that once crashed it, hung it or let it report success for a wrong file: each run
// ends with a status and one line naming the file, and changes nothing on disk.
// FIFOs would block a reader for ever; those runs are guarded by `timeout`, so that a hang fails the
// test instead of stopping the whole run.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>

#include "busho_runner.h"
#include "core/data/officer_file.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::Busho;
using testing::CommandRun;
using testing::Quoted;
using testing::ReadBytes;
using testing::RunCommand;
using testing::TempFolder;
using testing::WriteBytes;

#ifdef _WIN32
constexpr const char kHangGuard[] = "";  // no FIFOs to hang on
#else
constexpr const char kHangGuard[] = "timeout -s KILL 120 ";
#endif

void WriteText(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

class BadInput : public ::testing::Test {
protected:
    void SetUp() override {
        file = folder.Path() / "EDATA000.12Q";
        original = testing::BuildFileBytes(WrittenFileHeader(), testing::RandomOfficers(2, 91));
        WriteBytes(file, original);
    }
    CommandRun Import(const std::filesystem::path& from) {
        return RunCommand(kHangGuard + Quoted(BUSHO_CLI_PATH) + " import " + Quoted(file) + " --edition tc --from " + Quoted(from),
                          folder);
    }
    void ExpectUnchanged() {
        EXPECT_EQ(ReadBytes(file), original);
        EXPECT_FALSE(std::filesystem::exists(BackupPathFor(file)));
        EXPECT_FALSE(std::filesystem::exists(PendingFileFor(file)));
    }

    TempFolder folder;
    std::filesystem::path file;
    std::vector<std::uint8_t> original;
};

TEST_F(BadInput, BrokenJsonEscapesAreRefused) {
    const char* sheets[] = {
        R"([{"slot":"1","FamilyName":"\uZZZZ"}])",
        R"([{"slot":"1","FamilyName":"\u12"}])",
        R"([{"slot":"1","FamilyName":"\u-123"}])",
        R"([{"slot":"1","FamilyName":"\uD800\uZZZZ"}])",
    };
    for (const char* sheet : sheets) {
        SCOPED_TRACE(sheet);
        const auto from = folder.Path() / "sheet.json";
        WriteText(from, sheet);
        const CommandRun run = Import(from);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(from.string() + ": JSON: "), std::string::npos) << run.err;
        ExpectUnchanged();
    }
}

TEST_F(BadInput, SpreadsheetThatIsNotARegularFileIsRefusedAtOnce) {
    const auto sheetFolder = folder.Path() / "sheets";
    std::filesystem::create_directories(sheetFolder);
    std::vector<std::filesystem::path> notFiles{sheetFolder};
#ifndef _WIN32  // FIFOs are POSIX
    const auto fifo = folder.Path() / "sheet.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    notFiles.insert(notFiles.begin(), fifo);
#endif
    for (const auto& from : notFiles) {
        SCOPED_TRACE(from.string());
        const CommandRun run = Import(from);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(from.string() + ": cannot read the spreadsheet: 不是普通文件"), std::string::npos) << run.err;
        ExpectUnchanged();
    }
}

// A 2 GiB spreadsheet (sparse on disk) is refused before it is read.
TEST_F(BadInput, HugeSpreadsheetIsRefusedUnread) {
    const auto from = folder.Path() / "huge.csv";
    WriteText(from, "slot\r\n");
    std::filesystem::resize_file(from, std::uint64_t{2} << 30);
    const CommandRun run = Import(from);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find("文件超过上限 67108864 字节"), std::string::npos) << run.err;
    ExpectUnchanged();
}

// A spreadsheet holds at most a row per officer the file can hold, and a bounded number of cells a
// row: more is refused as it is read, so that a small file cannot make a huge table.
TEST_F(BadInput, SpreadsheetsBeyondWhatAFileHoldsAreRefused) {
    struct Sheet {
        const char* name;
        std::string text;
        const char* report;
    };
    std::string tooManyRows = "slot\r\n", tooManyObjects = "[";
    for (int row = 0; row < 1000; ++row) {
        tooManyRows += "\r\n1\r\n";  // blank lines do not count
        tooManyObjects += std::string(row ? "," : "") + "{}";
    }
    const Sheet sheets[] = {
        {"rows", tooManyRows, "CSV: more than 999 rows"},
        {"objects", tooManyObjects + "]", "JSON: more objects than an officer file holds"},
        {"cells", "slot" + std::string(1024, ',') + "\r\n", "CSV: line 1 has more than 1024 cells"},
    };
    for (const Sheet& sheet : sheets) {
        SCOPED_TRACE(sheet.name);
        const auto from = folder.Path() / "sheet.txt";
        WriteText(from, sheet.text);
        const CommandRun run = Import(from);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(sheet.report), std::string::npos) << run.err;
        ExpectUnchanged();
    }
    // 999 rows are read (and each is then checked as an officer).
    std::string largest = "slot,Leadership\r\n";
    for (int row = 0; row < 999; ++row) largest += "1,x\r\n";
    WriteText(folder.Path() / "sheet.csv", largest);
    const CommandRun run = Import(folder.Path() / "sheet.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("row 1000, column Leadership"), std::string::npos) << run.err.substr(0, 300);
}

#ifndef _WIN32  // FIFOs are POSIX
TEST_F(BadInput, OfficerFileThatIsAFifoIsRefusedAtOnce) {
    const auto fifo = folder.Path() / "FIFO.12Q";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string command : {"dump ", "resave ", "export --edition tc "}) {
        SCOPED_TRACE(command);
        const CommandRun run = RunCommand(kHangGuard + Quoted(BUSHO_CLI_PATH) + " " + command + Quoted(fifo), folder);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(fifo.string() + ": 不是普通文件"), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(BackupPathFor(fifo)));
    }
}
#endif

// busho copied into a folder of its own, to run with data files other than the shipped ones.
std::filesystem::path CopyOfBusho(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    const auto copy = folder / std::filesystem::path(BUSHO_CLI_PATH).filename();
    std::filesystem::copy_file(BUSHO_CLI_PATH, copy);
    return copy;
}

// Every slot after the end marker is written from BK.DAT: without the whole of it, resave fails
// with a message naming it and writes nothing.
TEST_F(BadInput, ResaveWithoutAWholeBlankSlotWritesNothing) {
    const auto program = folder.Path() / "program";
    const auto busho = CopyOfBusho(program);
    const auto shipped = ReadBytes(std::filesystem::path(BUSHO_BIN_DIR) / kBlankSlotFileName);
    ASSERT_EQ(shipped.size(), kBlankSlotSize);
    const auto blankSlot = program / kBlankSlotFileName;
    for (const char* state : {"missing", "short"}) {
        SCOPED_TRACE(state);
        if (std::string(state) == "short") WriteBytes(blankSlot, std::vector<std::uint8_t>(shipped.begin(), shipped.end() - 1));
        const CommandRun run = RunCommand(Quoted(busho) + " resave " + Quoted(file), folder);
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.err.find(blankSlot.string() + ": 无法读取空白武将数据 BK.DAT"), std::string::npos) << run.err;
        ExpectUnchanged();
    }
    // The same copy with the whole BK.DAT saves.
    WriteBytes(blankSlot, shipped);
    const CommandRun run = RunCommand(Quoted(busho) + " resave " + Quoted(file), folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(ReadBytes(file).size(), original.size() + (kSlotCount - 3) * kBlankSlotSize);
}

// A Wine registry with a "\x" escape without hex digits and a shell folder with a name longer than a
// file system allows: `where` still answers.
TEST_F(BadInput, WhereAnswersDespiteABrokenRegistry) {
    const auto prefix = folder.Path() / "prefix";
    std::filesystem::create_directories(prefix / "drive_c" / "users" / "me" / "Documents");
    WriteText(prefix / "user.reg",
              "[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1\n\"InstallInfo\"=\"C:\\\\KOEI\\xZZ\\\\\"\n"
              "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1\n"
              "\"Personal\"=\"C:\\\\users\\\\" + std::string(300, 'd') + "\\\\Documents\"\n");
    const CommandRun run = Busho("where --edition tc --wine-prefix " + Quoted(prefix), folder);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("KOEIxZZ"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find((prefix / "drive_c" / "users" / "me" / "Documents").string()), std::string::npos) << run.out;
}

}  // namespace
}  // namespace busho
