#include "officer_file.h"

#include <algorithm>

#include "backups.h"
#include "core/os/game_paths.h"
#include "core/text/messages.h"

namespace busho {
namespace {

Result<OfficerFileContents> ReadOnce(const std::filesystem::path& path, FileAccess& files, bool createIfMissing) {
    if (!files.FolderExists(path.parent_path())) return TextId::kReasonNoFolder;
    if (!files.FileExists(path)) {
        if (!createIfMissing) return TextId::kReasonCannotOpen;
        if (Status created = files.CreateEmptyFile(path); !created) return created.problem();
    }
    const auto bytes = files.ReadFile(path, kMaxFileSize);
    if (!bytes) return bytes.problem();
    return ParseOfficerFile(bytes.value());
}

}  // namespace

std::filesystem::path OfficerFilePathFor(std::uint8_t edition, const std::filesystem::path& documentsFolder) {
    if (edition == kEditionTraditionalChinese)
        return documentsFolder / NativeRelativePath("\\KOEI\\Nobunaga12 TC\\EDIT\\SETDATA\\EDATA000.12Q");
    if (edition == kEditionJapanese) return documentsFolder / NativeRelativePath("\\KOEI\\Nobunaga12\\EDIT\\SETDATA\\EDATA000.12Q");
    return {};
}

std::filesystem::path BackupPathFor(const std::filesystem::path& officerFile) {
    std::filesystem::path backup = officerFile;
    backup += ".BAK";
    return backup;
}

Result<OfficerFileContents> ParseOfficerFile(std::span<const std::uint8_t> bytes) {
    OfficerFileContents contents;
    ByteReader in(bytes);
    ReadFileHeader(in, contents.Header);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        const auto read = ReadOfficerSlot(in, slot, contents.Officers[slot]);
        if (!read) return read.problem();
        if (read.value() == SlotRead::EndOfList) {
            contents.EndSlot = slot;
            return contents;
        }
    }
    // Every slot holds an officer: the end marker would need a slot beyond the table.
    return TextId::kReasonNoEndMarker;
}

Result<OfficerFileContents> ReadOfficerFile(const std::filesystem::path& path, FileAccess& files) {
    const auto bytes = files.ReadWholeFile(path, kMaxFileSize);
    if (!bytes) return bytes.problem();
    return ParseOfficerFile(bytes.value());
}

std::vector<std::uint8_t> SerializeOfficerFile(Session& session) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(kFileHeaderSize + kSlotCount * kMaxSlotSize);
    ByteWriter out(bytes);
    WriteFileHeader(out, session.Header);
    const int lastWritten = std::min(session.EndSlot, kSlotCount);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        if (slot <= lastWritten) {
            WriteOfficerSlot(out, slot, session.Officers[slot]);
        } else {
            WriteBlankSlot(out, session.BlankSlot);
        }
    }
    return bytes;
}

Status LoadOfficerFile(Session& session, FileEvents& events, FileAccess& files) {
    const auto path = OfficerFilePathFor(session.Edition, session.DocumentsFolder);
    if (path.empty()) return Problem(TextId::kTextLoadFailed).Because(TextId::kReasonNoFolder);  // no edition chosen
    return LoadOfficerFileAt(session, path, events, files, true);
}

Status LoadOfficerFileAt(Session& session, const std::filesystem::path& path, FileEvents& events, FileAccess& files,
                         bool createIfMissing) {
    // Read into a fresh table, so that a failure leaves the session untouched; retry once.
    auto contents = ReadOnce(path, files, createIfMissing);
    if (!contents) contents = ReadOnce(path, files, createIfMissing);
    if (!contents) return Problem(TextId::kTextLoadFailed).InFile(path).Because(contents.problem());

    session.Header = contents->Header;
    session.Officers = std::move(contents->Officers);
    session.EndSlot = contents->EndSlot;
    session.OfficerFilePath = path;
    // Registered officers of an earlier file leave the roster with it.
    for (int slot = 1; slot <= kSlotCount; ++slot) session.Roster[kBuiltInOfficerCount + slot] = RosterEntry{};

    events.ClearRows();
    for (int slot = 1; slot < session.EndSlot; ++slot) {
        events.RowRead(slot);
        events.SetCaption(std::string(text_gbk::kTextLoadingCaption) + " " + std::to_string(slot));
        CopyToRoster(session.Officers, session.Roster, slot);
    }
    session.CurrentSlot = 1;
    events.LoadFinished();
    session.FileLoaded = true;
    return {};
}

Status SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files) {
    Clock systemClock;
    return SaveAllOfficers(session, events, files, systemClock);
}

Status SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files, Clock& clock) {
    if (!session.FileLoaded) return TextId::kTextOpenFirst;
    if (session.OfficerFilePath.empty()) return TextId::kTextOpenFirst;
    // Every slot after the end marker is written from BK.DAT: without it the file would be wrong.
    if (!session.BlankSlotLoaded) return Problem(TextId::kTextBlankSlotMissing).InFile(session.ProgramFolder / kBlankSlotFileName);
    const auto bytes = SerializeOfficerFile(session);
    return ReplaceOfficerFile(session.OfficerFilePath, bytes, session.DatedBackupsKept, events, files, clock);
}

Status ReplaceOfficerFile(const std::filesystem::path& file, std::span<const std::uint8_t> bytes, int datedBackupsKept,
                          FileEvents& events, FileAccess& files, Clock& clock) {
    if (Status kept = KeepBackups(file, files, clock); !kept)
        return Problem(TextId::kTextBackupFailed).InFile(file).Because(kept.problem());
    events.Notify({Problem(TextId::kTextBackedUp).InFile(BackupPathFor(file)), TextId::kTitleNotice, text_gbk::kStyleInformation});

    if (Status written = files.WriteReplacing(file, bytes); !written) {
        const bool replaced = written.problem().Is(TextId::kReasonFolderNotFlushed);
        return Problem(replaced ? TextId::kTextReplacedNotFlushed : TextId::kTextWriteFailed).InFile(file).Because(written.problem());
    }
    RemoveOldBackups(file, datedBackupsKept, files);
    events.Notify({Problem(TextId::kTextOver), std::nullopt, text_gbk::kStyleOk});
    return {};
}

}  // namespace busho
