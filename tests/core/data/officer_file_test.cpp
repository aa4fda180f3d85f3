#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <functional>
#include <memory>
#include <optional>

#include "core/text/code_page.h"
#include "core/text/messages.h"
#include "core/data/officer_file.h"
#include "officer_fixtures.h"
#include "recording_events.h"

namespace busho {
namespace {

using testing::BuildFileBytes;
using testing::RandomOfficers;
using testing::ReadBytes;
using testing::RecordingEvents;
using testing::TempFolder;
using testing::WriteBytes;

FileHeader OddHeader() {
    FileHeader header;
    for (std::size_t i = 0; i < header.size(); ++i) header[i] = static_cast<std::uint8_t>(0xF0 + i);
    return header;
}

// ---- Parsing a file image ----

struct ParseCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool accepted;
    int endSlot;
    std::optional<TextId> reason;  // what the refusal says
};

std::vector<ParseCase> ParseCases() {
    const auto three = BuildFileBytes(OddHeader(), RandomOfficers(3, 40));
    auto threeNoMarker = BuildFileBytes(OddHeader(), {testing::RandomOfficer(40), testing::RandomOfficer(41), testing::RandomOfficer(42)});
    auto cutInRecord = threeNoMarker;
    cutInRecord.resize(cutInRecord.size() - 20);  // the third officer's extra block is cut
    auto cutInHeaderOfSlot = BuildFileBytes(OddHeader(), {testing::RandomOfficer(43)});
    cutInHeaderOfSlot.resize(20 + 300);  // the record stops after its birth year
    std::vector<OfficerSlot> full = RandomOfficers(kSlotCount, 1);
    full.pop_back();  // 1000 officers, no end marker
    std::vector<OfficerSlot> largest = RandomOfficers(kSlotCount - 1, 1);
    const FileHeader header = OddHeader();
    std::vector<std::uint8_t> headerAlone(header.begin(), header.end());
    std::vector<std::uint8_t> shortHeader(headerAlone.begin(), headerAlone.begin() + 7);
    // A record that ends before its birth year is cut: reading it as an end marker would drop the officer.
    auto cutBeforeBirthYear = BuildFileBytes(OddHeader(), {});
    cutBeforeBirthYear.insert(cutBeforeBirthYear.end(), 100, 0x41);
    auto secondCutBeforeBirthYear = BuildFileBytes(OddHeader(), {testing::RandomOfficer(44), testing::RandomOfficer(45)});
    secondCutBeforeBirthYear.resize(secondCutBeforeBirthYear.size() - SlotSize(testing::RandomOfficer(45)) + 200);

    auto bad = [](int tactics, int liked) {
        OfficerSlot s = testing::RandomOfficer(3);
        s.Record.TacticCount = tactics;
        s.LikedCount = liked;
        std::vector<std::uint8_t> bytes = BuildFileBytes(OddHeader(), {testing::RandomOfficer(2)});
        ByteWriter out(bytes);
        ForEachField(s.Record, [&](const char*, const auto& f) { out.Write(f); });
        for (int i = 0; i < 80; ++i) out.Write(std::int32_t{1});
        // liked count sits right after the tactic values
        if (tactics >= 0 && tactics <= kMaxTactics) {
            const std::size_t at = bytes.size() - 80 * 4 + 4 * static_cast<std::size_t>(tactics);
            bytes[at] = static_cast<std::uint8_t>(liked);
        }
        return bytes;
    };

    return {
        {"zero-length file", {}, true, 1, std::nullopt},
        {"header alone", headerAlone, true, 1, std::nullopt},
        {"header cut short", shortHeader, true, 1, std::nullopt},
        {"header and end marker", BuildFileBytes(OddHeader(), {testing::EndMarker()}), true, 1, std::nullopt},
        {"three officers and a marker", three, true, 4, std::nullopt},
        {"file ends after the last officer", threeNoMarker, true, 4, std::nullopt},
        {"record cut before its birth year", cutBeforeBirthYear, false, 0, TextId::kReasonCutOff},
        {"second record cut before its birth year", secondCutBeforeBirthYear, false, 0, TextId::kReasonCutOff},
        {"999 officers and a marker", BuildFileBytes(OddHeader(), largest), true, kSlotCount, std::nullopt},
        {"slot cut in its lists", cutInRecord, false, 0, TextId::kReasonCutOff},
        {"slot cut in its record", cutInHeaderOfSlot, false, 0, TextId::kReasonCutOff},
        {"1000 officers and no marker", BuildFileBytes(OddHeader(), full), false, 0, TextId::kReasonNoEndMarker},
        {"tactic count 32", bad(32, 0), false, 0, TextId::kReasonTacticCount},
        {"tactic count -1", bad(-1, 0), false, 0, TextId::kReasonTacticCount},
        {"liked count 3", bad(2, 3), false, 0, TextId::kReasonLikedCount},
    };
}

TEST(ParseOfficerFile, AcceptsWhatTheTableHoldsAndRefusesTheRest) {
    for (const auto& c : ParseCases()) {
        SCOPED_TRACE(c.name);
        const auto contents = ParseOfficerFile(c.bytes);
        ASSERT_EQ(contents.ok(), c.accepted) << (contents ? std::string() : DescribeGbk(contents.problem()));
        if (c.accepted) {
            EXPECT_EQ(contents->EndSlot, c.endSlot);
        } else {
            EXPECT_EQ(TextName(contents.problem().text), TextName(*c.reason));
        }
    }
}

TEST(ParseOfficerFile, CutSlotReasonNamesSlotAndOffset) {
    const auto whole = BuildFileBytes(OddHeader(), {testing::RandomOfficer(40), testing::RandomOfficer(41)});
    const std::size_t secondSlot = kFileHeaderSize + SlotSize(testing::RandomOfficer(40));
    // Cut in the extra block, just inside the record, and right before the birth year (offset 257 of a record).
    for (const std::size_t size : {whole.size() - 10, secondSlot + 1, secondSlot + 257}) {
        SCOPED_TRACE(size);
        const std::vector<std::uint8_t> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
        const auto contents = ParseOfficerFile(bytes);
        ASSERT_FALSE(contents);
        EXPECT_EQ(contents.problem().slot, 2);
        EXPECT_EQ(contents.problem().offset, size);
        EXPECT_EQ(ToUtf8(CodePage::Gbk, DescribeGbk(contents.problem())),
                  "第 2 号武将的数据不完整：文件在偏移 " + std::to_string(size) + " 处结束");
    }
}

TEST(ParseOfficerFile, KeepsEveryOfficerAndTheHeaderAsRead) {
    const auto officers = RandomOfficers(5, 77);
    const auto contents = ParseOfficerFile(BuildFileBytes(OddHeader(), officers));
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->Header, OddHeader());
    for (int slot = 1; slot <= 5; ++slot) EXPECT_EQ(contents->Officers[slot], officers[static_cast<std::size_t>(slot - 1)]);
}

// ---- Loading ----

class OfficerFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->Edition = kEditionTraditionalChinese;
        session->DocumentsFolder = folder.Path() / "Documents";
        path = OfficerFilePathFor(session->Edition, session->DocumentsFolder);
        std::filesystem::create_directories(path.parent_path());
        session->BlankSlot.fill(0);
        session->BlankSlotLoaded = true;  // as if BK.DAT had been read
    }

    TempFolder folder;
    std::unique_ptr<Session> session;
    std::filesystem::path path;
    RecordingEvents events;
    FileAccess files;
};

TEST_F(OfficerFileTest, OfficerFilePathForEachEdition) {
    const std::filesystem::path docs = folder.Path();
    EXPECT_EQ(OfficerFilePathFor(kEditionTraditionalChinese, docs),
              docs / "KOEI" / "Nobunaga12 TC" / "EDIT" / "SETDATA" / "EDATA000.12Q");
    EXPECT_EQ(OfficerFilePathFor(kEditionJapanese, docs), docs / "KOEI" / "Nobunaga12" / "EDIT" / "SETDATA" / "EDATA000.12Q");
    EXPECT_TRUE(OfficerFilePathFor(kEditionUnchosen, docs).empty());
    EXPECT_TRUE(OfficerFilePathFor(2, docs).empty());
}

TEST_F(OfficerFileTest, LoadFillsTableRowsCaptionsAndRoster) {
    const auto officers = RandomOfficers(3, 11);
    WriteBytes(path, BuildFileBytes(OddHeader(), officers));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    EXPECT_TRUE(session->FileLoaded);
    EXPECT_EQ(session->EndSlot, 4);
    EXPECT_EQ(session->CurrentSlot, 1);
    EXPECT_EQ(session->OfficerFilePath, path);
    EXPECT_EQ(session->Header, OddHeader());
    EXPECT_EQ(events.rows, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(events.log, (std::vector<std::string>{"clear", "finished"}));
    ASSERT_EQ(events.captions.size(), 3u);
    // "载入中 - - - - - - -- - - - - " then the slot with its leading blank.
    EXPECT_EQ(events.captions[2], std::string(text_gbk::kTextLoadingCaption) + " 3");
    EXPECT_TRUE(events.messages.empty());
    for (int slot = 1; slot <= 3; ++slot) {
        const auto& officer = officers[static_cast<std::size_t>(slot - 1)];
        const RosterEntry& entry = session->Roster[kBuiltInOfficerCount + slot];
        EXPECT_EQ(entry.BirthYear, officer.Record.BirthYear);
        EXPECT_EQ(entry.DeathYear, officer.Record.DeathYear);
        EXPECT_EQ(entry.PortraitNumber, officer.Record.PortraitNumber);
        EXPECT_EQ(entry.Leadership, officer.Record.Leadership);
        EXPECT_EQ(entry.Valour, officer.Record.Valour);
        EXPECT_EQ(entry.Intellect, officer.Record.Intellect);
        EXPECT_EQ(entry.Politics, officer.Record.Politics);
        EXPECT_EQ(entry.Duty, officer.Extra.Duty);
    }
    EXPECT_EQ(session->Roster[kBuiltInOfficerCount + 4], RosterEntry{});
}

TEST_F(OfficerFileTest, MissingFileInExistingFolderIsCreatedEmpty) {
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(std::filesystem::file_size(path), 0u);
    EXPECT_EQ(session->EndSlot, 1);
    EXPECT_TRUE(session->FileLoaded);
    EXPECT_TRUE(events.rows.empty());
    EXPECT_TRUE(events.captions.empty());
    EXPECT_EQ(events.log, (std::vector<std::string>{"clear", "finished"}));
}

// A failed load tells the user why, keeps the earlier file in the session and changes nothing on disk.
TEST_F(OfficerFileTest, FailedLoadLeavesSessionAndDiskAsTheyWere) {
    const auto officers = RandomOfficers(4, 21);
    WriteBytes(path, BuildFileBytes(OddHeader(), officers));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    const OfficerTable before = session->Officers;

    struct Case {
        const char* name;
        std::function<void()> breakIt;
        TextId reason;
    };
    std::vector<OfficerSlot> full = RandomOfficers(kSlotCount, 1);
    full.pop_back();
    const std::vector<Case> cases = {
        {"counts beyond the table", [&] { auto b = BuildFileBytes(OddHeader(), RandomOfficers(2, 5)); b[20 + 333] = 40; WriteBytes(path, b); },
         TextId::kReasonTacticCount},
        {"1000 officers", [&] { WriteBytes(path, BuildFileBytes(OddHeader(), full)); }, TextId::kReasonNoEndMarker},
        {"path is a folder", [&] { std::filesystem::remove_all(path); std::filesystem::create_directory(path); },
         TextId::kReasonNotRegularFile},
#ifndef _WIN32  // FIFOs are POSIX
        // A FIFO is refused before it is opened for reading, which would wait for a writer for ever.
        {"path is a FIFO", [&] { std::filesystem::remove_all(path); ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },
         TextId::kReasonNotRegularFile},
#endif
        {"documents folder missing", [&] { session->DocumentsFolder = folder.Path() / "nowhere"; }, TextId::kReasonNoFolder},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.breakIt();
        std::vector<std::uint8_t> onDisk;
        if (std::filesystem::is_regular_file(path)) onDisk = ReadBytes(path);
        events = RecordingEvents{};
        const Status loaded = LoadOfficerFile(*session, events, files);
        ASSERT_FALSE(loaded);
        EXPECT_TRUE(events.messages.empty());
        EXPECT_EQ(MessageFor(loaded.problem()).title, TextId::kTitleLoadError);
        ASSERT_TRUE(loaded.problem().cause);
        EXPECT_EQ(TextName(loaded.problem().cause->text), TextName(c.reason));
        EXPECT_TRUE(events.rows.empty());
        EXPECT_TRUE(events.log.empty());
        EXPECT_TRUE(session->FileLoaded);
        EXPECT_EQ(session->EndSlot, 5);
        EXPECT_EQ(session->Officers, before);
        EXPECT_EQ(session->OfficerFilePath, path);
        if (std::filesystem::is_regular_file(path)) {
            EXPECT_EQ(ReadBytes(path), onDisk);
        }
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "nowhere"));
    }
}

TEST_F(OfficerFileTest, FirstLoadThatFailsLeavesFileNotLoaded) {
    session->DocumentsFolder = folder.Path() / "no-such-documents";
    const Status loaded = LoadOfficerFile(*session, events, files);
    ASSERT_FALSE(loaded);
    EXPECT_FALSE(session->FileLoaded);
    EXPECT_TRUE(loaded.problem().Is(TextId::kTextLoadFailed));
    EXPECT_EQ(MessageFor(loaded.problem()).Reason(), text_gbk::kReasonNoFolder);
    EXPECT_EQ(loaded.problem().file, OfficerFilePathFor(kEditionTraditionalChinese, session->DocumentsFolder));
    EXPECT_FALSE(std::filesystem::exists(session->DocumentsFolder));
}

// Reading that fails a given number of times, then reads as usual.
class FlakyReads : public FileAccess {
public:
    explicit FlakyReads(int failures) : failures_(failures) {}
    Result<std::vector<std::uint8_t>> ReadFile(const std::filesystem::path& file, std::size_t maxBytes) override {
        ++attempts;
        if (failures_-- > 0) return TextId::kReasonCannotRead;
        return FileAccess::ReadFile(file, maxBytes);
    }
    int attempts = 0;

private:
    int failures_;
};

TEST_F(OfficerFileTest, LoadRetriesOnceThenGivesUp) {
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(2, 8)));
    FlakyReads onceFailing(1);
    EXPECT_TRUE(LoadOfficerFile(*session, events, onceFailing));
    EXPECT_EQ(onceFailing.attempts, 2);
    EXPECT_TRUE(events.messages.empty());
    EXPECT_EQ(session->EndSlot, 3);

    auto fresh = std::make_unique<Session>();
    fresh->Edition = session->Edition;
    fresh->DocumentsFolder = session->DocumentsFolder;
    RecordingEvents freshEvents;
    FlakyReads twiceFailing(2);
    const Status loaded = LoadOfficerFile(*fresh, freshEvents, twiceFailing);
    ASSERT_FALSE(loaded);
    EXPECT_EQ(twiceFailing.attempts, 2);
    EXPECT_EQ(MessageFor(loaded.problem()).Reason(), text_gbk::kReasonCannotRead);
    EXPECT_FALSE(fresh->FileLoaded);
}

TEST_F(OfficerFileTest, LaterShorterLoadStartsFromEmptyTableAndRoster) {
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(6, 100)));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(2, 200)));
    events = RecordingEvents{};
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    EXPECT_EQ(session->EndSlot, 3);
    EXPECT_EQ(events.rows, (std::vector<int>{1, 2}));
    for (int slot = 4; slot <= 7; ++slot) {
        EXPECT_EQ(session->Officers[slot], OfficerSlot{}) << slot;
        EXPECT_EQ(session->Roster[kBuiltInOfficerCount + slot], RosterEntry{}) << slot;
    }
}

TEST_F(OfficerFileTest, LoadNeverCreatesAFileWhenAskedNotTo) {
    const auto missing = folder.Path() / "missing.12Q";
    const Status loaded = LoadOfficerFileAt(*session, missing, events, files, false);
    ASSERT_FALSE(loaded);
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_EQ(loaded.problem().file, missing);
}

// ---- Saving ----

TEST_F(OfficerFileTest, SaveBeforeAnyLoadIsRefused) {
    WriteBytes(path, {1, 2, 3});
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(events.messages.empty());
    const Message shown = MessageFor(saved.problem());
    EXPECT_EQ(shown.Text(), text_gbk::kTextOpenFirst);
    EXPECT_EQ(shown.title, TextId::kTitleWrongChoice);
    EXPECT_EQ(shown.style, 80);
    EXPECT_EQ(ReadBytes(path), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
}

// Saving an unchanged file rewrites only the header, the signatures, the header words, the officer
// ids and the slots after the end marker.
TEST_F(OfficerFileTest, SaveAfterLoadReproducesTheFileExceptWhatSavingRewrites) {
    auto officers = RandomOfficers(5, 300);
    officers.back().Record.Signature.fill(0x55);  // the end marker is written back from memory too
    auto original = BuildFileBytes(OddHeader(), officers, std::vector<std::uint8_t>(50, 0x77));
    WriteBytes(path, original);
    for (auto& b : session->BlankSlot) b = 0x3C;
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));

    const auto saved = ReadBytes(path);
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);

    // Expected: the same slots normalised, then blank slots up to 1000.
    std::vector<std::uint8_t> expected;
    ByteWriter out(expected);
    out.Write(WrittenFileHeader());
    for (int slot = 1; slot <= 6; ++slot) {
        OfficerSlot s = officers[static_cast<std::size_t>(slot - 1)];
        s.Record.Signature = WrittenSignature();
        s.Record.HeaderWord1 = 0;
        s.Record.HeaderWord2 = 1;
        s.Record.HeaderWord3 = 0;
        s.Record.HeaderWord4 = 0;
        s.Extra.OfficerId = 9999 + slot;
        SerializeSlot(out, s);
    }
    for (int slot = 7; slot <= kSlotCount; ++slot) out.WriteBytes(session->BlankSlot);
    EXPECT_EQ(saved.size(), expected.size());
    EXPECT_TRUE(saved == expected);

    // Only those places differ from the original within the officers' slots.
    std::size_t offset = kFileHeaderSize;
    for (int slot = 1; slot <= 5; ++slot) {
        const std::size_t size = SlotSize(officers[static_cast<std::size_t>(slot - 1)]);
        for (std::size_t i = 36; i < size - 12; ++i) ASSERT_EQ(saved[offset + i], original[offset + i]) << slot << ":" << i;
        offset += size;
    }

    ASSERT_EQ(events.messages.size(), 2u);
    EXPECT_EQ(events.messages[0].Text(), text_gbk::kTextBackedUp);
    EXPECT_EQ(events.messages[0].body.file, BackupPathFor(path));
    EXPECT_EQ(events.messages[0].title, TextId::kTitleNotice);
    EXPECT_EQ(events.messages[1].Text(), text_gbk::kTextOver);
    EXPECT_FALSE(events.messages[1].title);
    EXPECT_EQ(session->EndSlot, 6);
    EXPECT_TRUE(session->FileLoaded);
}

TEST_F(OfficerFileTest, SavedFileHoldsAThousandSlotsAndLoadsAgain) {
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(kSlotCount - 1, 5)));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    const OfficerTable loaded = session->Officers;
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));
    std::size_t expectedSize = kFileHeaderSize;
    for (int slot = 1; slot <= kSlotCount; ++slot) expectedSize += SlotSize(session->Officers[slot]);
    EXPECT_EQ(std::filesystem::file_size(path), expectedSize);

    auto again = std::make_unique<Session>();
    *again = *session;
    ASSERT_TRUE(LoadOfficerFile(*again, events, files));
    EXPECT_EQ(again->EndSlot, kSlotCount);
    for (int slot = 1; slot < kSlotCount; ++slot) {
        OfficerSlot expected = loaded[slot];
        expected.Record.Signature = WrittenSignature();
        expected.Record.HeaderWord1 = 0;
        expected.Record.HeaderWord2 = 1;
        expected.Record.HeaderWord3 = 0;
        expected.Record.HeaderWord4 = 0;
        expected.Extra.OfficerId = 9999 + slot;
        ASSERT_EQ(again->Officers[slot], expected) << slot;
    }
}

TEST_F(OfficerFileTest, EmptyFileSavesAsHeaderAndThousandBlankSlots) {
    WriteBytes(path, {});
    session->BlankSlot.fill(0);
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));
    const auto saved = ReadBytes(path);
    ASSERT_EQ(saved.size(), kFileHeaderSize + kSlotCount * kBlankSlotSize);
    // Slot 1 is the end marker as read (all zeros, given signature and header words).
    ByteReader in(saved);
    FileHeader header;
    ReadFileHeader(in, header);
    EXPECT_EQ(header, WrittenFileHeader());
    OfficerSlot first;
    const auto read = ReadOfficerSlot(in, 1, first);
    ASSERT_TRUE(read);
    EXPECT_EQ(read.value(), SlotRead::EndOfList);
    EXPECT_EQ(first.Record.Signature, WrittenSignature());
}

TEST_F(OfficerFileTest, SavingTwiceLeavesTheFirstSaveInTheBackup) {
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(3, 9)));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));
    const auto firstSave = ReadBytes(path);
    session->Officers[2].Record.Leadership = 77;
    ASSERT_TRUE(SaveAllOfficers(*session, events, files));
    EXPECT_EQ(ReadBytes(BackupPathFor(path)), firstSave);
    EXPECT_NE(ReadBytes(path), firstSave);
}

// A writer that stops accepting bytes after a given count, as a full disk would.
class FailingAfter : public FileAccess {
public:
    explicit FailingAfter(std::size_t limit) : limit_(limit) {}

protected:
    std::unique_ptr<ByteSink> OpenSink(const std::filesystem::path& file) override {
        class Sink : public ByteSink {
        public:
            Sink(std::unique_ptr<ByteSink> real, std::size_t limit) : real_(std::move(real)), left_(limit) {}
            bool Write(std::span<const std::uint8_t> bytes) override {
                const std::size_t n = std::min(left_, bytes.size());
                real_->Write(bytes.first(n));
                left_ -= n;
                return n == bytes.size();
            }
            bool Flush() override { return real_->Flush(); }
            bool Close() override { return real_->Close(); }

        private:
            std::unique_ptr<ByteSink> real_;
            std::size_t left_;
        };
        auto real = FileAccess::OpenSink(file);
        if (!real) return nullptr;
        return std::make_unique<Sink>(std::move(real), limit_);
    }

private:
    std::size_t limit_;
};

TEST_F(OfficerFileTest, WriteFailingPartWayKeepsFileAndBackup) {
    const auto original = BuildFileBytes(OddHeader(), RandomOfficers(4, 12));
    WriteBytes(path, original);
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    for (std::size_t limit : {std::size_t{0}, std::size_t{1000}, std::size_t{200000}}) {
        SCOPED_TRACE(limit);
        const std::vector<std::uint8_t> oldBackup = {9, 9, 9};
        WriteBytes(BackupPathFor(path), oldBackup);
        FailingAfter failing(limit);
        events = RecordingEvents{};
        const Status saved = SaveAllOfficers(*session, events, failing);
        ASSERT_FALSE(saved);
        EXPECT_EQ(ReadBytes(path), original);
        EXPECT_EQ(ReadBytes(BackupPathFor(path)), original);  // the backup step itself succeeded
        EXPECT_FALSE(std::filesystem::exists(PendingFileFor(path)));
        ASSERT_EQ(events.messages.size(), 1u);
        EXPECT_EQ(events.messages[0].Text(), text_gbk::kTextBackedUp);
        const Message shown = MessageFor(saved.problem());
        EXPECT_EQ(shown.Text(), text_gbk::kTextWriteFailed);
        EXPECT_EQ(shown.Reason(), text_gbk::kReasonWriteCutShort);
        EXPECT_EQ(shown.title, TextId::kTitleSaveError);
    }
}

TEST_F(OfficerFileTest, BackupThatCannotBeMadeStopsTheSave) {
    const auto original = BuildFileBytes(OddHeader(), RandomOfficers(2, 13));
    WriteBytes(path, original);
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    // The backup's name is taken by a folder that cannot be replaced.
    std::filesystem::create_directories(BackupPathFor(path) / "keep");
    events = RecordingEvents{};
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_TRUE(std::filesystem::exists(BackupPathFor(path) / "keep"));
    EXPECT_TRUE(events.messages.empty());
    EXPECT_TRUE(saved.problem().Is(TextId::kTextBackupFailed));
    EXPECT_FALSE(std::filesystem::exists(PendingFileFor(BackupPathFor(path))));
}

TEST_F(OfficerFileTest, OriginalRemovedSinceLoadingIsReported) {
    WriteBytes(path, BuildFileBytes(OddHeader(), RandomOfficers(2, 13)));
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    std::filesystem::remove(path);
    events = RecordingEvents{};
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_TRUE(events.messages.empty());
    EXPECT_EQ(MessageFor(saved.problem()).Reason(), text_gbk::kReasonNoOriginal);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(OfficerFileTest, NewFileThatCannotBeCreatedIsReported) {
    const auto original = BuildFileBytes(OddHeader(), RandomOfficers(2, 14));
    WriteBytes(path, original);
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    std::filesystem::create_directories(PendingFileFor(path) / "keep");
    events = RecordingEvents{};
    const Status saved = SaveAllOfficers(*session, events, files);
    ASSERT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), original);
    ASSERT_EQ(events.messages.size(), 1u);  // the backup made
    EXPECT_EQ(MessageFor(saved.problem()).Reason(), text_gbk::kReasonCannotCreateNew);
    EXPECT_TRUE(std::filesystem::exists(PendingFileFor(path) / "keep"));
}

#ifndef _WIN32
// Permissions do not stop root, so this runs only for an ordinary user. POSIX permissions: Linux only.
TEST_F(OfficerFileTest, ReadOnlyFolderIsReportedAndChangesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    const auto original = BuildFileBytes(OddHeader(), RandomOfficers(2, 15));
    WriteBytes(path, original);
    ASSERT_TRUE(LoadOfficerFile(*session, events, files));
    std::filesystem::permissions(path.parent_path(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    events = RecordingEvents{};
    const Status saved = SaveAllOfficers(*session, events, files);
    std::filesystem::permissions(path.parent_path(), std::filesystem::perms::owner_all);
    ASSERT_FALSE(saved);
    EXPECT_EQ(ReadBytes(path), original);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(path)));
    EXPECT_TRUE(events.messages.empty());
    EXPECT_TRUE(saved.problem().Is(TextId::kTextBackupFailed));
}
#endif

}  // namespace
}  // namespace busho
