#include "officer_file.h"

#include <algorithm>

#include "core/os/game_paths.h"
#include "core/text/messages.h"

namespace busho {
namespace {

bool ReadOnce(const std::filesystem::path& path, FileAccess& files, bool createIfMissing, OfficerFileContents& contents,
              std::string& reason) {
    if (!files.FolderExists(path.parent_path())) {
        reason = text_gbk::kReasonNoFolder;
        return false;
    }
    if (!files.FileExists(path)) {
        if (!createIfMissing) {
            reason = text_gbk::kReasonCannotOpen;
            return false;
        }
        const IoResult created = files.CreateEmptyFile(path);
        if (!created.ok) {
            reason = created.reason;
            return false;
        }
    }
    std::vector<std::uint8_t> bytes;
    const IoResult read = files.ReadFile(path, kMaxFileSize, bytes);
    if (!read.ok) {
        reason = read.reason;
        return false;
    }
    ReadError error;
    if (!ParseOfficerFile(bytes, contents, error)) {
        reason = error.reason;
        return false;
    }
    return true;
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

bool ParseOfficerFile(std::span<const std::uint8_t> bytes, OfficerFileContents& contents, ReadError& error) {
    ByteReader in(bytes);
    ReadFileHeader(in, contents.Header);
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        switch (ReadOfficerSlot(in, slot, contents.Officers[slot], error)) {
            case SlotRead::EndOfList:
                contents.EndSlot = slot;
                return true;
            case SlotRead::Failed:
                return false;
            case SlotRead::Officer:
                break;
        }
    }
    // Every slot holds an officer: the end marker would need a slot beyond the table.
    error.reason = text_gbk::kReasonNoEndMarker;
    return false;
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

bool LoadOfficerFile(Session& session, FileEvents& events, FileAccess& files) {
    const auto path = OfficerFilePathFor(session.Edition, session.DocumentsFolder);
    if (path.empty()) return false;
    return LoadOfficerFileAt(session, path, events, files, true);
}

bool LoadOfficerFileAt(Session& session, const std::filesystem::path& path, FileEvents& events, FileAccess& files,
                       bool createIfMissing) {
    // Read into a fresh table, so that a failure leaves the session untouched; retry once.
    auto contents = std::make_unique<OfficerFileContents>();
    std::string reason;
    if (!ReadOnce(path, files, createIfMissing, *contents, reason)) {
        contents = std::make_unique<OfficerFileContents>();
        reason.clear();
        if (!ReadOnce(path, files, createIfMissing, *contents, reason)) {
            events.ShowMessage({text_gbk::kTextLoadFailed, path, reason, text_gbk::kTitleLoadError, text_gbk::kStyleCritical});
            return false;
        }
    }

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
    return true;
}

bool SaveAllOfficers(Session& session, FileEvents& events, FileAccess& files) {
    if (!session.FileLoaded) {
        events.ShowMessage({text_gbk::kTextOpenFirst, {}, {}, text_gbk::kTitleWrongChoice,
                            text_gbk::kStyleInformation + text_gbk::kStyleCritical});
        return false;
    }
    if (session.OfficerFilePath.empty()) return false;
    // Every slot after the end marker is written from BK.DAT: without it the file would be wrong.
    if (!session.BlankSlotLoaded) {
        events.ShowMessage({text_gbk::kTextBlankSlotMissing, session.ProgramFolder / kBlankSlotFileName, {},
                            text_gbk::kTitleSaveError, text_gbk::kStyleCritical});
        return false;
    }

    const auto backup = BackupPathFor(session.OfficerFilePath);
    const IoResult copied = files.CopyReplacing(session.OfficerFilePath, backup);
    if (!copied.ok) {
        events.ShowMessage({text_gbk::kTextBackupFailed, session.OfficerFilePath, copied.reason, text_gbk::kTitleSaveError,
                            text_gbk::kStyleCritical});
        return false;
    }
    events.ShowMessage({text_gbk::kTextBackedUp, backup, {}, text_gbk::kTitleNotice, text_gbk::kStyleInformation});

    const auto bytes = SerializeOfficerFile(session);
    const IoResult written = files.WriteReplacing(session.OfficerFilePath, bytes);
    if (!written.ok) {
        events.ShowMessage({written.replaced ? text_gbk::kTextReplacedNotFlushed : text_gbk::kTextWriteFailed,
                            session.OfficerFilePath, written.reason, text_gbk::kTitleSaveError, text_gbk::kStyleCritical});
        return false;
    }
    events.ShowMessage({text_gbk::kTextOver, {}, {}, {}, text_gbk::kStyleOk});
    return true;
}

}  // namespace busho
