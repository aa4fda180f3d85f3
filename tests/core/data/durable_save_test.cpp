// Saving through the file-access seam: the order of the durable steps, every step failing once or
// for ever (with and without an earlier backup to date), a process killed part-way, symlinks and
// stale files at the pending names, and a save without the blank slot.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "allocation_meter.h"
#include "core/text/code_page.h"
#include "core/text/messages.h"
#include "core/data/backups.h"
#include "core/data/officer_file.h"
#include "fake_clock.h"
#include "faulty_files.h"
#include "officer_fixtures.h"
#include "recording_events.h"

namespace busho {
namespace {

using testing::BuildFileBytes;
using testing::FakeClock;
using testing::RandomOfficers;
using testing::ReadBytes;
using testing::RecordingEvents;
using testing::TempFolder;
using testing::WriteBytes;

using testing::FaultyFiles;
using testing::Step;
using testing::StepName;

class DurableSave : public ::testing::Test {
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
        FileAccess files;
        ASSERT_TRUE(LoadOfficerFile(*session, events, files));
        session->Officers[1].Record.Leadership = 99;  // the save has something to change
        events = RecordingEvents{};
    }

    // No pending file of the officer file, of its backup or of a dated backup is left in the folder.
    bool NothingPending() const {
        if (std::filesystem::exists(std::filesystem::symlink_status(PendingFileFor(path))) ||
            std::filesystem::exists(std::filesystem::symlink_status(PendingFileFor(BackupPathFor(path)))))
            return false;
        for (const auto& entry : std::filesystem::directory_iterator(path.parent_path()))
            if (entry.path().extension() == ".new") return false;
        return true;
    }

    // The dated backups in the folder, by name.
    std::vector<std::filesystem::path> DatedBackups() const {
        std::vector<std::filesystem::path> dated;
        for (const auto& entry : std::filesystem::directory_iterator(path.parent_path()))
            if (DatedBackupNamed(path, entry.path())) dated.push_back(entry.path());
        std::sort(dated.begin(), dated.end());
        return dated;
    }

    TempFolder folder;
    std::unique_ptr<Session> session;
    std::filesystem::path path;
    RecordingEvents events;
    const std::vector<std::uint8_t> original = BuildFileBytes(WrittenFileHeader(), RandomOfficers(3, 31));
};

TEST_F(DurableSave, FlushesEachFileBeforeItsRenameAndTheFolderAfter) {
    FaultyFiles files;
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));
    const std::vector<std::string> expected = {
        "copy EDATA000.12Q.BAK.new", "rename EDATA000.12Q.BAK.new", "flush folder",  // the backup, on disk first
        "open EDATA000.12Q.new",     "write",                       "flush",
        "close",                     "rename EDATA000.12Q.new",     "flush folder",
    };
    EXPECT_EQ(files.log, expected);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_TRUE(NothingPending());
}

// With an earlier backup, it is copied to its dated name first, on disk before anything else changes.
TEST_F(DurableSave, DatesTheEarlierBackupBeforeReplacingIt) {
    const std::vector<std::uint8_t> earlierBackup = {7, 7, 7, 7};
    WriteBytes(BackupPathFor(path), earlierBackup);
    const TimePoint backupMade = FakeClock::At(2026, 3, 4, 5, 6, 7);
    std::filesystem::last_write_time(BackupPathFor(path), std::chrono::file_clock::from_sys(backupMade));
    FaultyFiles files;
    FakeClock clock;
    ASSERT_TRUE(SaveAllOfficers(*session, events, files, clock));
    const std::vector<std::string> expected = {
        "copy EDATA000.12Q.20260304-050607.BAK.new", "rename EDATA000.12Q.20260304-050607.BAK.new", "flush folder",
        "copy EDATA000.12Q.BAK.new",                 "rename EDATA000.12Q.BAK.new",                 "flush folder",
        "open EDATA000.12Q.new",                     "write",                                       "flush",
        "close",                                     "rename EDATA000.12Q.new",                     "flush folder",
    };
    EXPECT_EQ(files.log, expected);
    EXPECT_EQ(ReadBytes(path.parent_path() / "EDATA000.12Q.20260304-050607.BAK"), earlierBackup);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_TRUE(NothingPending());
}

struct Fault {
    Step step;
    int first;           // which occurrence fails first
    int times;           // 0: it fails for ever after
    bool inBackup;       // the backup step is the one that fails
    bool backupReplaced; // the backup was renamed into place before the failing step
};

// The same with an earlier backup, which is copied to its dated name first: every step of that copy
// fails too, and the dated copy stays exactly when it is the one place left of the earlier backup.
struct RotationFault {
    Step step;
    int first;
    int times;
    bool inBackup;
    bool backupReplaced;
    bool datedKept;  // the earlier backup is found under its dated name afterwards
};

TEST_F(DurableSave, EveryStepFailingWithAnEarlierBackupLosesNoBackup) {
    const RotationFault faults[] = {
        // The dated copy: the 1st copy, rename and folder flush.
        {Step::BackupCopy, 1, 1, true, false, false},  {Step::BackupCopy, 1, 0, true, false, false},
        {Step::Rename, 1, 1, true, false, false},      {Step::Rename, 1, 0, true, false, false},
        {Step::FolderFlush, 1, 1, true, false, false}, {Step::FolderFlush, 1, 0, true, false, false},
        // The newest backup: the 2nd of each; the dated copy is taken back unless the backup was replaced.
        {Step::BackupCopy, 2, 1, true, false, false},  {Step::BackupCopy, 2, 0, true, false, false},
        {Step::Rename, 2, 1, true, false, false},      {Step::Rename, 2, 0, true, false, false},
        {Step::FolderFlush, 2, 1, true, true, true},   {Step::FolderFlush, 2, 0, true, true, true},
        // The new file.
        {Step::Open, 1, 1, false, true, true},         {Step::Open, 1, 0, false, true, true},
        {Step::Write, 1, 1, false, true, true},        {Step::Write, 1, 0, false, true, true},
        {Step::Flush, 1, 1, false, true, true},        {Step::Flush, 1, 0, false, true, true},
        {Step::Close, 1, 1, false, true, true},        {Step::Close, 1, 0, false, true, true},
        {Step::Rename, 3, 1, false, true, true},       {Step::Rename, 3, 0, false, true, true},
    };
    const std::vector<std::uint8_t> earlierBackup = {7, 7, 7, 7};
    const TimePoint backupMade = FakeClock::At(2026, 3, 4, 5, 6, 7);
    const auto dated = path.parent_path() / "EDATA000.12Q.20260304-050607.BAK";
    for (const RotationFault& fault : faults) {
        SCOPED_TRACE(std::string(StepName(fault.step)) + " from occurrence " + std::to_string(fault.first) +
                     (fault.times ? " once" : " for ever"));
        for (const auto& old : DatedBackups()) std::filesystem::remove(old);
        WriteBytes(BackupPathFor(path), earlierBackup);
        std::filesystem::last_write_time(BackupPathFor(path), std::chrono::file_clock::from_sys(backupMade));
        FaultyFiles files(fault.step, fault.first, fault.times);
        FakeClock clock;
        events = RecordingEvents{};
        const Status saved = SaveAllOfficers(*session, events, files, clock);
        ASSERT_FALSE(saved);
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(ReadBytes(BackupPathFor(path)), fault.backupReplaced ? original : earlierBackup);
        if (fault.datedKept) {
            EXPECT_EQ(DatedBackups(), std::vector<std::filesystem::path>{dated});
            EXPECT_EQ(ReadBytes(dated), earlierBackup);
        } else {
            EXPECT_TRUE(DatedBackups().empty());
        }
        EXPECT_TRUE(NothingPending());
        EXPECT_TRUE(saved.problem().Is(fault.inBackup ? TextId::kTextBackupFailed : TextId::kTextWriteFailed));
        EXPECT_EQ(saved.problem().file, path);
        EXPECT_EQ(events.messages.size(), fault.inBackup ? 0u : 1u);
    }
}

TEST_F(DurableSave, EveryStepFailingOnceOrForEverKeepsFileAndBackup) {
    const Fault faults[] = {
        {Step::Open, 1, 1, false, true},         {Step::Open, 1, 0, false, true},
        {Step::Write, 1, 1, false, true},        {Step::Write, 1, 0, false, true},
        {Step::Flush, 1, 1, false, true},        {Step::Flush, 1, 0, false, true},
        {Step::Close, 1, 1, false, true},        {Step::Close, 1, 0, false, true},
        {Step::Rename, 1, 1, true, false},       {Step::Rename, 1, 0, true, false},
        {Step::Rename, 2, 1, false, true},       {Step::Rename, 2, 0, false, true},
        {Step::BackupCopy, 1, 1, true, false},   {Step::BackupCopy, 1, 0, true, false},
        // The backup is a whole copy in place but not known to be on disk: the save does not rely on it.
        {Step::FolderFlush, 1, 1, true, true},   {Step::FolderFlush, 1, 0, true, true},
    };
    // The first save, without a backup yet; EveryStepFailingWithAnEarlierBackupLosesNoBackup takes
    // the saves after it.
    for (const Fault& fault : faults) {
        SCOPED_TRACE(std::string(StepName(fault.step)) + " from occurrence " + std::to_string(fault.first) +
                     (fault.times ? " once" : " for ever"));
        std::filesystem::remove(BackupPathFor(path));
        FaultyFiles files(fault.step, fault.first, fault.times);
        events = RecordingEvents{};
        const Status saved = SaveAllOfficers(*session, events, files);
        ASSERT_FALSE(saved);
        EXPECT_EQ(ReadBytes(path), original);
        if (fault.backupReplaced) {
            EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
        } else {
            EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
        }
        EXPECT_TRUE(DatedBackups().empty());
        EXPECT_TRUE(NothingPending());
        const Message shown = MessageFor(saved.problem());
        EXPECT_TRUE(saved.problem().Is(fault.inBackup ? TextId::kTextBackupFailed : TextId::kTextWriteFailed));
        EXPECT_EQ(shown.title, TextId::kTitleSaveError);
        EXPECT_EQ(shown.style, text_gbk::kStyleCritical);
        EXPECT_EQ(saved.problem().file, path);
        EXPECT_FALSE(shown.Reason().empty());
        // The backup is told only once it is made, and "OVer" never.
        EXPECT_EQ(events.messages.size(), fault.inBackup ? 0u : 1u);
        for (const Message& m : events.messages) EXPECT_FALSE(m.body.Is(TextId::kTextOver));
    }
    // Nothing a failure left behind stands in the way of the next save.
    FileAccess files;
    events = RecordingEvents{};
    EXPECT_TRUE(SaveAllOfficers(*session, events, files));
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_TRUE(NothingPending());
}

// The folder of the replaced file cannot be flushed: the new file is in place, and the user is told
// that it may not be on disk yet rather than "OVer".
TEST_F(DurableSave, FolderThatCannotBeFlushedAfterTheRenameIsReported) {
    FaultyFiles files(Step::FolderFlush, 2, 1);
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    ASSERT_EQ(events.messages.size(), 1u);  // the backup made
    EXPECT_TRUE(saved.problem().Is(TextId::kTextReplacedNotFlushed));
    EXPECT_EQ(MessageFor(saved.problem()).Reason(), text_gbk::kReasonFolderNotFlushed);
    EXPECT_TRUE(NothingPending());
}

#ifndef _WIN32  // a forked death test killed by SIGKILL: POSIX only
// A process killed while the new file is written leaves a pending file behind; the old file and the
// backup are whole, and the next save clears the pending file away.
TEST_F(DurableSave, SaveKilledPartWayLeavesTheOldFileAndTheNextSaveClearsUp) {
    class KilledAtFlush : public FileAccess {
    protected:
        std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& pending) override {
            class Sink : public ByteSink {
            public:
                explicit Sink(std::unique_ptr<ByteSink> real) : real_(std::move(real)) {}
                bool Write(std::span<const std::uint8_t> bytes) override { return real_->Write(bytes.first(bytes.size() / 3)); }
                bool Flush() override {
                    std::raise(SIGKILL);
                    return false;
                }
                bool Close() override { return real_->Close(); }

            private:
                std::unique_ptr<ByteSink> real_;
            };
            return std::make_unique<Sink>(FileAccess::OpenSink(pending));
        }
    };
    // Forked where it stands, so that the child saves the file this test made.
    GTEST_FLAG_SET(death_test_style, "fast");
    EXPECT_EXIT(
        {
            KilledAtFlush killing;
            RecordingEvents quiet;
            (void)SaveAllOfficers(*session, quiet, killing);  // killed before it returns
        },
        ::testing::KilledBySignal(SIGKILL), "");
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    ASSERT_TRUE(std::filesystem::exists(PendingFileFor(path)));  // what the killed run left

    FileAccess files;
    EXPECT_TRUE(SaveAllOfficers(*session, events, files));
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_TRUE(NothingPending());
}
#endif

// Stale pending files (read-only, full of junk) from an earlier run are removed before writing.
TEST_F(DurableSave, StalePendingFilesAreReplaced) {
    for (const auto& pending : {PendingFileFor(path), PendingFileFor(BackupPathFor(path))}) {
        WriteBytes(pending, std::vector<std::uint8_t>(100000, 0xEE));
        std::filesystem::permissions(pending, std::filesystem::perms::owner_read);
    }
    FileAccess files;
    EXPECT_TRUE(SaveAllOfficers(*session, events, files));
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    EXPECT_TRUE(NothingPending());
}

#ifndef _WIN32  // symlinks need a privilege on Windows
// A symlink left at a pending name is never written through: what it points to stays as it was.
TEST_F(DurableSave, SymlinksAtThePendingNamesAreNotFollowed) {
    const auto victim = folder.Path() / "victim.txt";
    const auto backupVictim = folder.Path() / "backup-victim.txt";
    const std::vector<std::uint8_t> untouched = {'k', 'e', 'e', 'p'};
    WriteBytes(victim, untouched);
    WriteBytes(backupVictim, untouched);
    std::filesystem::create_symlink(victim, PendingFileFor(path));
    std::filesystem::create_symlink(backupVictim, PendingFileFor(BackupPathFor(path)));
    FileAccess files;
    EXPECT_TRUE(SaveAllOfficers(*session, events, files));
    EXPECT_EQ(ReadBytes(victim), untouched);
    EXPECT_EQ(ReadBytes(backupVictim), untouched);
    EXPECT_EQ(ReadBytes(path), SerializeOfficerFile(*session));
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);
    EXPECT_FALSE(std::filesystem::is_symlink(path));
    EXPECT_TRUE(NothingPending());
}
#endif

// Without the whole BK.DAT every slot after the end marker would be written wrong: the save is
// refused with a message naming BK.DAT, and nothing is written, not even the backup.
TEST_F(DurableSave, SaveWithoutTheBlankSlotIsRefusedAndWritesNothing) {
    session->ProgramFolder = folder.Path() / "program";
    session->BlankSlotLoaded = false;
    FaultyFiles files;
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(files.log.empty());
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
    EXPECT_TRUE(events.messages.empty());
    EXPECT_TRUE(saved.problem().Is(TextId::kTextBlankSlotMissing));
    EXPECT_EQ(saved.problem().file, folder.Path() / "program" / kBlankSlotFileName);
    EXPECT_EQ(MessageFor(saved.problem()).style, text_gbk::kStyleCritical);
}

TEST(BlankSlotFile, OnlyAWholeBlankSlotCounts) {
    TempFolder folder;
    BlankSlotImage blank;
    const auto missing = LoadBlankSlot(folder.Path(), blank);
    ASSERT_FALSE(missing);
    EXPECT_TRUE(missing.problem().Is(TextId::kReasonCannotOpen));

    std::vector<std::uint8_t> bytes(kBlankSlotSize);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7 + 1);
    WriteBytes(folder.Path() / kBlankSlotFileName, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    const auto shortFile = LoadBlankSlot(folder.Path(), blank);
    ASSERT_FALSE(shortFile);
    EXPECT_EQ(ToUtf8(CodePage::Gbk, DescribeGbk(shortFile.problem())), "文件短于 369 字节");

    WriteBytes(folder.Path() / kBlankSlotFileName, bytes);
    EXPECT_TRUE(LoadBlankSlot(folder.Path(), blank));
    EXPECT_TRUE(std::equal(blank.begin(), blank.end(), bytes.begin()));
}

// Reading a whole file: a file over the limit (2 GiB, sparse on disk) is refused before a byte of it
// is read or allocated; a FIFO is refused without waiting for a writer.
TEST(ReadWholeFile, RefusesWhatIsTooLargeOrNotAFileBeforeReading) {
    TempFolder folder;
    const auto huge = folder.Path() / "huge.csv";
    WriteBytes(huge, {'s', 'l', 'o', 't'});
    std::filesystem::resize_file(huge, std::uint64_t{2} << 30);
    FileAccess files;
    std::optional<Result<std::vector<std::uint8_t>>> read;
    std::size_t allocated = 0;
    {
        testing::AllocationMeter meter;
        read = files.ReadWholeFile(huge, std::size_t{64} << 20);
        allocated = meter.BytesAllocated();
    }
    ASSERT_FALSE(*read);
    EXPECT_EQ(ToUtf8(CodePage::Gbk, DescribeGbk(read->problem())), "文件超过上限 67108864 字节");
    EXPECT_LT(allocated, std::size_t{1} << 16);

#ifndef _WIN32  // FIFOs are POSIX
    const auto fifo = folder.Path() / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    read = files.ReadWholeFile(fifo, 100);
    ASSERT_FALSE(*read);
    EXPECT_TRUE(read->problem().Is(TextId::kReasonNotRegularFile));
#endif

    WriteBytes(huge, {1, 2, 3});
    read = files.ReadWholeFile(huge, 3);
    ASSERT_TRUE(*read);
    EXPECT_EQ(read->value(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(files.ReadWholeFile(huge, 2));
}

// What the backups need of the file access: listing a folder's own regular files, removing only a
// regular file (never a folder, nor through a symlink), and modification times that read back.
TEST(FileAccessForBackups, ListsRemovesAndDatesOnlyRegularFiles) {
    TempFolder folder;
    const auto plain = folder.Path() / "EDATA000.12Q.BAK";
    const auto sub = folder.Path() / "sub";
    const auto link = folder.Path() / "link.BAK";
    WriteBytes(plain, {1});
    std::filesystem::create_directory(sub);
    WriteBytes(sub / "inner.BAK", {2});
#ifndef _WIN32
    // Symlinks need a privilege on Windows: the link is tried on Linux only.
    std::filesystem::create_symlink(plain, link);
#endif
    FileAccess files;
    EXPECT_EQ(files.FilesIn(folder.Path()), std::vector<std::filesystem::path>{plain});
    EXPECT_TRUE(files.FilesIn(folder.Path() / "missing").empty());

    EXPECT_FALSE(files.RemoveFile(sub));
    EXPECT_TRUE(std::filesystem::exists(sub / "inner.BAK"));
#ifndef _WIN32
    EXPECT_FALSE(files.RemoveFile(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
#endif
    EXPECT_EQ(ReadBytes(plain), std::vector<std::uint8_t>{1});
    EXPECT_FALSE(files.RemoveFile(folder.Path() / "missing"));

    const TimePoint made = FakeClock::At(2024, 2, 29, 23, 59, 58);
    ASSERT_TRUE(files.SetModifiedTime(plain, made));
    const auto read = files.ModifiedTime(plain);
    ASSERT_TRUE(read);
    EXPECT_EQ(std::chrono::floor<std::chrono::seconds>(read.value()), made);
    EXPECT_FALSE(files.ModifiedTime(folder.Path() / "missing"));

    EXPECT_TRUE(files.RemoveFile(plain));
    EXPECT_FALSE(std::filesystem::exists(plain));
}

}  // namespace
}  // namespace busho
