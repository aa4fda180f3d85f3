#pragma once
// The backups beside an officer file. "EDATA000.12Q.BAK" is always the newest: the file as it was
// before the last save. Each save first turns the newest backup into a dated one,
// "EDATA000.12Q.20261210-093015.BAK", named for the local time that backup was made (a second made
// within the same second gets "-2", then "-3", …), and keeps only the latest dated ones.

#include <filesystem>
#include <optional>
#include <vector>

#include "core/os/clock.h"
#include "core/os/file_access.h"
#include "officer_diff.h"
#include "officer_file.h"

namespace busho {

inline constexpr int kMaxDatedBackupsKept = 9999;

struct BackupFile {
    std::filesystem::path path;
    LocalTime made;       // dated: from the name; the newest: from when it was written
    int sequence = 1;     // 2, 3, … for backups made in the same second as an earlier one
    bool newest = false;  // the ".BAK" itself
};

// The dated backup of `officerFile` made at `made`, the `sequence`th in that second.
std::filesystem::path DatedBackupPath(const std::filesystem::path& officerFile, const LocalTime& made, int sequence);

// The time and sequence of `candidate` when it is a dated backup of `officerFile`; nothing otherwise.
std::optional<BackupFile> DatedBackupNamed(const std::filesystem::path& officerFile, const std::filesystem::path& candidate);

// Every backup beside `officerFile`: the newest (".BAK") first, then the dated ones from the latest
// to the earliest.
std::vector<BackupFile> ListBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock);

// Before `officerFile` is replaced: the newest backup is copied to its dated name, then the file is
// copied over the newest backup, which records the clock's time as when it was made. Every earlier
// backup survives a failure, which is returned as the reason (the caller names the file).
Status KeepBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock);

// Removes the earliest dated backups beyond `keep`; the newest backup is never removed. What cannot be
// removed stays, to be tried again at the next save.
void RemoveOldBackups(const std::filesystem::path& officerFile, int keep, FileAccess& files);

// A backup as the restore dialog and `busho backups` show it.
struct BackupSummary {
    BackupFile file;
    std::optional<Problem> unreadable;     // why the backup cannot be read as an officer file
    int officers = 0;                      // the officers it holds
    std::optional<OfficerFileDiff> since;  // from the backup to the current file; nothing when that cannot be read
};

// Reads every backup of `officerFile` and compares it with the file.
std::vector<BackupSummary> SummariseBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock);

// Puts `backup` in the place of the session's officer file through the same save that every change
// takes (the file it replaces becomes the newest backup, so a restore can itself be undone), then
// loads the file into the session. The file is the session's, or the edition's when none is loaded
// (one that does not load can be restored too); kTextOpenFirst without an edition. A backup that does
// not read as an officer file is refused (kTextRestoreFailed) before anything is written.
Status RestoreBackup(Session& session, const std::filesystem::path& backup, FileEvents& events, FileAccess& files,
                     Clock& clock);

}  // namespace busho
