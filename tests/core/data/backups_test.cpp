// The backups beside the officer file: their names, the rotation of the newest backup into dated ones
// at every save, the limit on dated backups, two saves in one second, the restore and its refusals,
// and the summaries the restore dialog shows.

#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/backups.h"
#include "core/data/officer_file.h"
#include "code_page_text.h"
#include "fake_clock.h"
#include "officer_fixtures.h"
#include "recording_events.h"

namespace busho {
namespace {

using testing::BuildFileBytes;
using testing::FakeClock;
using testing::RandomOfficers;
using testing::ReadBytes;
using testing::RecordingEvents;
using testing::SetText;
using testing::TempFolder;
using testing::WriteBytes;

using Bytes = std::vector<std::uint8_t>;

// A header unlike the one saving writes: a restore must bring back the bytes, not a rewrite of them.
FileHeader GameHeader() {
    FileHeader header;
    for (std::size_t i = 0; i < header.size(); ++i) header[i] = static_cast<std::uint8_t>(0xC0 + i);
    return header;
}

class Backups : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->Edition = kEditionTraditionalChinese;
        session->DocumentsFolder = folder.Path() / "Documents";
        path = OfficerFilePathFor(session->Edition, session->DocumentsFolder);
        std::filesystem::create_directories(path.parent_path());
        session->BlankSlot.fill(0x5A);
        session->BlankSlotLoaded = true;
        WriteBytes(path, original);
        ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    }

    // Saves with officer 1's leadership at `value`, so that every save writes a file of its own.
    Bytes Save(int value) {
        session->Officers[1].Record.Leadership = value;
        const Status saved = SaveAllOfficers(*session, events, files, clock);
        EXPECT_TRUE(saved) << (saved ? "" : DescribeGbk(saved.problem()));
        return ReadBytes(path);
    }

    // Every file in the folder but `skip`, and its bytes.
    std::map<std::string, Bytes> FolderContentsSkipping(const std::filesystem::path& skip) const {
        std::map<std::string, Bytes> contents;
        for (const auto& entry : std::filesystem::directory_iterator(path.parent_path()))
            if (entry.path() != skip) contents[entry.path().filename().string()] = ReadBytes(entry.path());
        return contents;
    }

    std::filesystem::path Dated(TimePoint made, int sequence = 1) const {
        return DatedBackupPath(path, UtcTime(made), sequence);
    }

    TempFolder folder;
    std::unique_ptr<Session> session;
    std::filesystem::path path;
    RecordingEvents events;
    FileAccess files;
    FakeClock clock;
    const Bytes original = BuildFileBytes(GameHeader(), RandomOfficers(3, 77));
};

TEST(BackupNames, OnlyTheNamesSavingWritesAreDatedBackups) {
    const std::filesystem::path file = std::filesystem::path("SETDATA") / "EDATA000.12Q";
    struct Case {
        const char* name;
        bool dated;
        LocalTime made;
        int sequence;
    };
    const Case cases[] = {
        {"EDATA000.12Q.20261210-093015.BAK", true, {2026, 12, 10, 9, 30, 15}, 1},
        {"EDATA000.12Q.20261210-093015-2.BAK", true, {2026, 12, 10, 9, 30, 15}, 2},
        {"EDATA000.12Q.19991231-235959-10.BAK", true, {1999, 12, 31, 23, 59, 59}, 10},
        {"EDATA000.12Q.BAK", false, {}, 0},                     // the newest backup is not a dated one
        {"EDATA000.12Q.20261210-093015-1.BAK", false, {}, 0},   // the first in a second has no suffix
        {"EDATA000.12Q.20261210-093015-02.BAK", false, {}, 0},
        {"EDATA000.12Q.20261210-093015-.BAK", false, {}, 0},
        {"EDATA000.12Q.20261210-093015x.BAK", false, {}, 0},
        {"EDATA000.12Q.2026121-093015.BAK", false, {}, 0},
        {"EDATA000.12Q.20261210_093015.BAK", false, {}, 0},
        {"EDATA000.12Q.2026121a-093015.BAK", false, {}, 0},
        {"EDATA000.12Q.20261210-093015.bak", false, {}, 0},
        {"EDATA000.12Q.20261210-093015.BAK.new", false, {}, 0},  // a pending copy
        {"EDATA001.12Q.20261210-093015.BAK", false, {}, 0},      // another file's backup
        {"XEDATA000.12Q.20261210-093015.BAK", false, {}, 0},
        {"EDATA000.12Q", false, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto named = DatedBackupNamed(file, file.parent_path() / c.name);
        ASSERT_EQ(named.has_value(), c.dated);
        if (!c.dated) continue;
        EXPECT_EQ(named->made, c.made);
        EXPECT_EQ(named->sequence, c.sequence);
        EXPECT_FALSE(named->newest);
        EXPECT_EQ(named->path, file.parent_path() / c.name);
        EXPECT_EQ(DatedBackupPath(file, c.made, c.sequence), file.parent_path() / c.name);
    }
}

// Each save dates the newest backup by the time it was made, and keeps `keep` dated ones: after the
// k-th save, the newest backup holds the file before it, and the dated ones the files before those,
// each under the time of the save that made it. Files that only look alike are never removed.
TEST_F(Backups, RotateAtTheLimitOfDatedBackups) {
    const std::vector<std::string> strangers = {"EDATA000.12Q.notes.BAK", "EDATA001.12Q.20200101-000000.BAK",
                                                "EDATA000.12Q.20200101-000000.bak"};
    for (const std::string& name : strangers) WriteBytes(path.parent_path() / name, {1, 2, 3});
    for (const int keep : {0, 1, 3, kDefaultDatedBackupsKept}) {
        SCOPED_TRACE("keep " + std::to_string(keep));
        for (const BackupFile& b : ListBackups(path, files, clock)) std::filesystem::remove(b.path);
        WriteBytes(path, original);
        session->DatedBackupsKept = keep;
        std::vector<Bytes> versions = {original};
        std::vector<TimePoint> savedAt = {TimePoint{}};
        for (int k = 1; k <= keep + 3; ++k) {
            clock.now += std::chrono::seconds(61);
            savedAt.push_back(clock.now);
            versions.push_back(Save(1000 * keep + k));
            const auto backups = ListBackups(path, files, clock);
            const std::size_t dated = std::min<std::size_t>(static_cast<std::size_t>(keep), static_cast<std::size_t>(k - 1));
            ASSERT_EQ(backups.size(), 1 + dated) << "after save " << k;
            EXPECT_TRUE(backups[0].newest);
            EXPECT_EQ(backups[0].path, BackupPathFor(path));
            EXPECT_EQ(backups[0].made, UtcTime(savedAt[static_cast<std::size_t>(k)]));
            EXPECT_EQ(ReadBytes(backups[0].path), versions[static_cast<std::size_t>(k - 1)]);
            for (std::size_t i = 1; i < backups.size(); ++i) {
                // The i-th dated backup, latest first, holds the file before save k - i, made by that save.
                const std::size_t version = static_cast<std::size_t>(k) - 1 - i;
                EXPECT_EQ(backups[i].path, Dated(savedAt[version + 1])) << "after save " << k;
                EXPECT_EQ(ReadBytes(backups[i].path), versions[version]) << "after save " << k;
                EXPECT_FALSE(backups[i].newest);
            }
        }
    }
    for (const std::string& name : strangers) EXPECT_EQ(ReadBytes(path.parent_path() / name), (Bytes{1, 2, 3})) << name;
}

// Saves within one second each keep their backup: the second dated one gets "-2", and so on; they
// are listed and removed in that order, "-10" after "-9".
TEST_F(Backups, SavesInTheSameSecondEachKeepTheirBackup) {
    std::vector<Bytes> versions = {original};
    for (int k = 1; k <= 12; ++k) versions.push_back(Save(k));
    auto backups = ListBackups(path, files, clock);
    ASSERT_EQ(backups.size(), 12u);
    EXPECT_EQ(ReadBytes(backups[0].path), versions[11]);
    for (int i = 1; i <= 11; ++i) {
        const int sequence = 12 - i;  // the latest first: -11, -10, …, -2, then the one without a suffix
        SCOPED_TRACE(sequence);
        EXPECT_EQ(backups[static_cast<std::size_t>(i)].path, Dated(clock.now, sequence));
        EXPECT_EQ(backups[static_cast<std::size_t>(i)].sequence, sequence);
        EXPECT_EQ(ReadBytes(backups[static_cast<std::size_t>(i)].path), versions[static_cast<std::size_t>(sequence - 1)]);
    }
    EXPECT_EQ(Dated(clock.now, 2).filename(), "EDATA000.12Q.20261210-093015-2.BAK");

    session->DatedBackupsKept = 3;
    versions.push_back(Save(13));
    backups = ListBackups(path, files, clock);
    ASSERT_EQ(backups.size(), 4u);
    for (int i = 1; i <= 3; ++i) {
        const int sequence = 13 - i;
        EXPECT_EQ(backups[static_cast<std::size_t>(i)].path, Dated(clock.now, sequence));
        EXPECT_EQ(ReadBytes(backups[static_cast<std::size_t>(i)].path), versions[static_cast<std::size_t>(sequence - 1)]);
    }
}

// A dated backup that cannot be removed stays, and the save is good; the next save removes it.
TEST_F(Backups, ABackupThatCannotBeRemovedStaysUntilTheNextSave) {
    class Unremovable : public FileAccess {
    public:
        Status RemoveFile(const std::filesystem::path&) override { return TextId::kReasonCannotRemove; }
    };
    session->DatedBackupsKept = 1;
    for (int k = 1; k <= 3; ++k) {
        clock.now += std::chrono::seconds(1);
        Save(k);
    }
    Unremovable stubborn;
    clock.now += std::chrono::seconds(1);
    session->Officers[1].Record.Leadership = 4;
    ASSERT_TRUE(SaveAllOfficers(*session, events, stubborn, clock));
    EXPECT_EQ(ListBackups(path, files, clock).size(), 3u);  // the newest and two dated: one over the limit
    clock.now += std::chrono::seconds(1);
    Save(5);
    EXPECT_EQ(ListBackups(path, files, clock).size(), 2u);
}

// A restore writes the backup's bytes as they are, through the same save: the file it replaces
// becomes the newest backup, so restoring that one undoes the restore.
TEST_F(Backups, RestoreBringsBackTheBytesAndCanBeUndone) {
    std::vector<Bytes> versions = {original};
    for (int k = 1; k <= 3; ++k) {
        clock.now += std::chrono::minutes(1);
        versions.push_back(Save(k));
    }
    const auto backups = ListBackups(path, files, clock);
    ASSERT_EQ(backups.size(), 3u);
    const std::filesystem::path oldest = backups.back().path;
    ASSERT_EQ(ReadBytes(oldest), original);

    clock.now += std::chrono::minutes(1);
    events = RecordingEvents{};
    ASSERT_TRUE(RestoreBackup(*session, oldest, events, files, clock));
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), versions[3]);
    const auto parsed = ParseOfficerFile(original);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(session->Officers, parsed->Officers);
    EXPECT_EQ(session->EndSlot, 4);
    EXPECT_EQ(session->Header, GameHeader());
    EXPECT_EQ(events.log, (std::vector<std::string>{"clear", "finished"}));  // the table was loaded again
    EXPECT_EQ(ListBackups(path, files, clock).size(), 4u);

    clock.now += std::chrono::minutes(1);
    ASSERT_TRUE(RestoreBackup(*session, BackupPathFor(path), events, files, clock));
    EXPECT_EQ(ReadBytes(path), versions[3]);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    EXPECT_EQ(session->Officers[1].Record.Leadership, 3);
}

// What does not read as an officer file is refused before anything is written: the file, every
// backup and the table stay as they were.
TEST_F(Backups, RestoreRefusesWhatIsNotAnOfficerFile) {
    Save(1);
    const auto bad = path.parent_path() / "EDATA000.12Q.20200101-000000.BAK";
    auto badCount = BuildFileBytes(GameHeader(), RandomOfficers(2, 5));
    badCount[kFileHeaderSize + kRecordSize - 4] = 99;  // the first officer's tactic count
    struct Case {
        const char* what;
        std::optional<Bytes> bytes;  // nothing: no file at all
        bool folder;
    };
    const Case cases[] = {
        {"a tactic count beyond 31", badCount, false},
        {"larger than any officer file", Bytes(kMaxFileSize + 1, 0x11), false},
        {"missing", std::nullopt, false},
        {"a folder", std::nullopt, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(bad);
        if (c.bytes) WriteBytes(bad, *c.bytes);
        if (c.folder) std::filesystem::create_directory(bad);
        const auto before = FolderContentsSkipping(bad);
        const OfficerTable table = session->Officers;
        const Status restored = RestoreBackup(*session, bad, events, files, clock);
        ASSERT_FALSE(restored);
        EXPECT_TRUE(restored.problem().Is(TextId::kTextRestoreFailed));
        EXPECT_EQ(restored.problem().file, bad);
        EXPECT_TRUE(restored.problem().cause);
        EXPECT_EQ(FolderContentsSkipping(bad), before);
        EXPECT_EQ(session->Officers, table);
    }
    Session fresh;
    EXPECT_TRUE(RestoreBackup(fresh, BackupPathFor(path), events, files, clock).problem().Is(TextId::kTextOpenFirst));
}

// A file that does not load can still be restored: the broken file becomes the newest backup.
TEST_F(Backups, RestoreMendsAFileThatDoesNotLoad) {
    clock.now += std::chrono::seconds(1);
    Save(1);
    const auto newest = ListBackups(path, files, clock).front().path;
    auto broken = ReadBytes(path);
    broken.resize(kFileHeaderSize + 100);  // the first officer cut off
    WriteBytes(path, broken);
    Session fresh;
    fresh.Edition = session->Edition;
    fresh.DocumentsFolder = session->DocumentsFolder;
    ASSERT_FALSE(LoadOfficerFile(fresh, events, files));
    ASSERT_FALSE(fresh.FileLoaded);
    clock.now += std::chrono::seconds(1);
    ASSERT_TRUE(RestoreBackup(fresh, newest, events, files, clock));
    EXPECT_TRUE(fresh.FileLoaded);
    EXPECT_EQ(fresh.OfficerFilePath, path);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), broken);
    EXPECT_EQ(fresh.EndSlot, 4);
}

// A restore whose save fails leaves the file, the backups and the table as they were.
TEST_F(Backups, RestoreWhoseSaveFailsChangesNothing) {
    class WriteFails : public FileAccess {
    public:
        Status WriteReplacing(const std::filesystem::path&, std::span<const std::uint8_t>) override {
            return TextId::kReasonWriteCutShort;
        }
    };
    Save(1);
    clock.now += std::chrono::seconds(5);
    Save(2);
    const auto dated = ListBackups(path, files, clock).back().path;
    const auto fileBefore = ReadBytes(path);
    const OfficerTable table = session->Officers;
    WriteFails failing;
    const Status restored = RestoreBackup(*session, dated, events, failing, clock);
    ASSERT_FALSE(restored);
    EXPECT_TRUE(restored.problem().Is(TextId::kTextWriteFailed));
    EXPECT_EQ(ReadBytes(path), fileBefore);
    EXPECT_EQ(ReadBytes(dated), original);
    EXPECT_EQ(session->Officers, table);
    EXPECT_EQ(session->Officers[1].Record.Leadership, 2);
}

// Each backup with its officer count and what changed from it to the current file; a backup that
// does not read is listed with its reason.
TEST_F(Backups, SummariesCountOfficersAndTellWhatChangedSince) {
    auto officers = RandomOfficers(3, 77);
    auto older = officers;
    older[1].Record.Leadership ^= 1;
    SetText(older[1].Record.GivenName, "\xaa\xbb");
    older[2] = testing::EndMarker();  // the third officer came later
    older.pop_back();
    WriteBytes(BackupPathFor(path), BuildFileBytes(GameHeader(), older));
    std::filesystem::last_write_time(BackupPathFor(path), std::chrono::file_clock::from_sys(FakeClock::At(2026, 5, 6, 7, 8, 9)));
    const auto same = Dated(FakeClock::At(2026, 1, 2, 3, 4, 5));
    WriteBytes(same, original);
    const auto broken = Dated(FakeClock::At(2025, 1, 1, 0, 0, 0));
    WriteBytes(broken, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0, 0, 0});

    const auto summaries = SummariseBackups(path, files, clock);
    ASSERT_EQ(summaries.size(), 3u);
    EXPECT_TRUE(summaries[0].file.newest);
    EXPECT_EQ(summaries[0].file.made, (LocalTime{2026, 5, 6, 7, 8, 9}));
    EXPECT_EQ(summaries[0].officers, 2);
    ASSERT_TRUE(summaries[0].since);
    const OfficerFileDiff& since = *summaries[0].since;
    EXPECT_FALSE(since.headerChanged);
    ASSERT_EQ(since.officers.size(), 2u);
    EXPECT_EQ(since.officers[0].slot, 2);
    EXPECT_EQ(since.officers[0].change, OfficerChange::Changed);
    ASSERT_EQ(since.officers[0].fields.size(), 2u);
    EXPECT_EQ(since.officers[0].fields[0].field, "GivenName");
    EXPECT_EQ(since.officers[0].fields[1].field, "Leadership");
    EXPECT_EQ(since.officers[0].fields[1].before, FieldValue(officers[1].Record.Leadership ^ 1));
    EXPECT_EQ(since.officers[0].fields[1].after, FieldValue(officers[1].Record.Leadership));
    EXPECT_EQ(since.officers[1].slot, 3);
    EXPECT_EQ(since.officers[1].change, OfficerChange::Added);

    EXPECT_EQ(summaries[1].file.path, same);
    EXPECT_EQ(summaries[1].officers, 3);
    ASSERT_TRUE(summaries[1].since);
    EXPECT_TRUE(summaries[1].since->Equal());
    EXPECT_FALSE(summaries[1].unreadable);

    EXPECT_EQ(summaries[2].file.path, broken);
    ASSERT_TRUE(summaries[2].unreadable);
    EXPECT_FALSE(summaries[2].since);

    // Without a readable current file, the backups are still listed, without a comparison.
    auto unreadable = BuildFileBytes(GameHeader(), RandomOfficers(1, 3));
    unreadable[kFileHeaderSize + kRecordSize - 4] = 99;  // a tactic count beyond 31
    WriteBytes(path, unreadable);
    const auto alone = SummariseBackups(path, files, clock);
    ASSERT_EQ(alone.size(), 3u);
    EXPECT_EQ(alone[0].officers, 2);
    EXPECT_FALSE(alone[0].since);
}

}  // namespace
}  // namespace busho
