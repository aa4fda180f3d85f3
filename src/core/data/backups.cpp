#include "backups.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace busho {
namespace {

constexpr std::string_view kBackupEnding = ".BAK";
constexpr std::size_t kStampLength = 15;  // YYYYMMDD-HHMMSS

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits) value = value * 10 + (c - '0');
    return value;
}

std::string Utf8Name(const std::filesystem::path& path) {
    const auto name = path.filename().u8string();
    return std::string(name.begin(), name.end());
}

// Dated backups from the earliest to the latest.
std::vector<BackupFile> DatedBackups(const std::filesystem::path& officerFile, FileAccess& files) {
    std::vector<BackupFile> dated;
    for (const auto& candidate : files.FilesIn(officerFile.parent_path()))
        if (auto backup = DatedBackupNamed(officerFile, candidate)) dated.push_back(*backup);
    std::sort(dated.begin(), dated.end(), [](const BackupFile& a, const BackupFile& b) {
        return a.made != b.made ? a.made < b.made : a.sequence < b.sequence;
    });
    return dated;
}

LocalTime WhenWritten(const std::filesystem::path& file, FileAccess& files, Clock& clock) {
    const auto written = files.ModifiedTime(file);
    return clock.ToLocal(written ? written.value() : clock.Now());
}

}  // namespace

std::filesystem::path DatedBackupPath(const std::filesystem::path& officerFile, const LocalTime& made, int sequence) {
    char stamp[64];
    std::snprintf(stamp, sizeof stamp, ".%04d%02d%02d-%02d%02d%02d", made.year, made.month, made.day, made.hour, made.minute,
                  made.second);
    std::string name = stamp;
    if (sequence > 1) name += "-" + std::to_string(sequence);
    std::filesystem::path path = officerFile;
    path += name + std::string(kBackupEnding);
    return path;
}

std::optional<BackupFile> DatedBackupNamed(const std::filesystem::path& officerFile, const std::filesystem::path& candidate) {
    const std::string base = Utf8Name(officerFile) + ".";
    const std::string name = Utf8Name(candidate);
    if (name.size() < base.size() + kStampLength + kBackupEnding.size()) return std::nullopt;
    if (name.compare(0, base.size(), base) != 0) return std::nullopt;
    if (name.compare(name.size() - kBackupEnding.size(), kBackupEnding.size(), kBackupEnding) != 0) return std::nullopt;
    const std::string_view middle =
        std::string_view(name).substr(base.size(), name.size() - base.size() - kBackupEnding.size());
    const std::string_view date = middle.substr(0, 8);
    const std::string_view time = middle.substr(9, 6);
    if (!AllDigits(date) || middle[8] != '-' || !AllDigits(time)) return std::nullopt;
    BackupFile backup;
    backup.path = candidate;
    backup.made = {Number(date.substr(0, 4)), Number(date.substr(4, 2)), Number(date.substr(6, 2)),
                   Number(time.substr(0, 2)),  Number(time.substr(2, 2)), Number(time.substr(4, 2))};
    const std::string_view rest = middle.substr(kStampLength);
    if (!rest.empty()) {
        // "-N", N from 2, without leading zeros, as DatedBackupPath writes it.
        const std::string_view digits = rest.substr(1);
        if (rest[0] != '-' || !AllDigits(digits) || digits[0] == '0' || digits.size() > 6) return std::nullopt;
        backup.sequence = Number(digits);
        if (backup.sequence < 2) return std::nullopt;
    }
    return backup;
}

std::vector<BackupFile> ListBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock) {
    std::vector<BackupFile> backups;
    const auto newest = BackupPathFor(officerFile);
    if (files.FileExists(newest)) backups.push_back({newest, WhenWritten(newest, files, clock), 1, true});
    auto dated = DatedBackups(officerFile, files);
    backups.insert(backups.end(), dated.rbegin(), dated.rend());
    return backups;
}

Status KeepBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock) {
    const auto newest = BackupPathFor(officerFile);
    std::optional<std::filesystem::path> dated;
    if (files.FileExists(newest)) {
        const LocalTime made = WhenWritten(newest, files, clock);
        int sequence = 1;
        std::filesystem::path target = DatedBackupPath(officerFile, made, sequence);
        while (files.FileExists(target)) target = DatedBackupPath(officerFile, made, ++sequence);
        if (Status copied = files.CopyReplacing(newest, target); !copied) {
            // Whatever reached the dated name is only a copy: the newest backup is as it was.
            if (files.FileExists(target)) (void)files.RemoveFile(target);
            return copied;
        }
        dated = target;
    }
    if (Status copied = files.CopyReplacing(officerFile, newest); !copied) {
        // The newest backup is as it was unless the copy took its place (only its folder was not
        // flushed): then the dated copy is the one place left of what it held.
        if (dated && !copied.problem().Is(TextId::kReasonFolderNotFlushed)) (void)files.RemoveFile(*dated);
        return copied;
    }
    // Its time names it when it becomes a dated backup; a file system that cannot set it keeps the copy's own.
    (void)files.SetModifiedTime(newest, clock.Now());
    return {};
}

void RemoveOldBackups(const std::filesystem::path& officerFile, int keep, FileAccess& files) {
    const auto dated = DatedBackups(officerFile, files);
    const std::size_t kept = static_cast<std::size_t>(std::clamp(keep, 0, kMaxDatedBackupsKept));
    for (std::size_t i = 0; i + kept < dated.size(); ++i) (void)files.RemoveFile(dated[i].path);
}

std::vector<BackupSummary> SummariseBackups(const std::filesystem::path& officerFile, FileAccess& files, Clock& clock) {
    const auto current = ReadOfficerFile(officerFile, files);
    std::vector<BackupSummary> summaries;
    for (const BackupFile& backup : ListBackups(officerFile, files, clock)) {
        BackupSummary summary{backup, std::nullopt, 0, std::nullopt};
        const auto contents = ReadOfficerFile(backup.path, files);
        if (!contents) {
            summary.unreadable = contents.problem();
        } else {
            summary.officers = contents->EndSlot - 1;
            if (current) summary.since = DiffOfficerFiles(contents.value(), current.value());
        }
        summaries.push_back(std::move(summary));
    }
    return summaries;
}

Status RestoreBackup(Session& session, const std::filesystem::path& backup, FileEvents& events, FileAccess& files,
                     Clock& clock) {
    // A file that does not load is what a backup is most wanted for: the edition's file is restored
    // whether or not it was loaded.
    const std::filesystem::path file = session.FileLoaded && !session.OfficerFilePath.empty()
                                           ? session.OfficerFilePath
                                           : OfficerFilePathFor(session.Edition, session.DocumentsFolder);
    if (file.empty()) return TextId::kTextOpenFirst;
    const auto bytes = files.ReadWholeFile(backup, kMaxFileSize);
    if (!bytes) return Problem(TextId::kTextRestoreFailed).InFile(backup).Because(bytes.problem());
    if (const auto parsed = ParseOfficerFile(bytes.value()); !parsed)
        return Problem(TextId::kTextRestoreFailed).InFile(backup).Because(parsed.problem());
    if (Status saved = ReplaceOfficerFile(file, bytes.value(), session.DatedBackupsKept, events, files, clock); !saved)
        return saved;
    return LoadOfficerFileAt(session, file, events, files, false);
}

}  // namespace busho
