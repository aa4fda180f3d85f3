#include "edit_faces.h"

#include <map>
#include <tuple>

#include "core/os/game_paths.h"
#include "face_archive_edit.h"

namespace busho {
namespace {

// The three backups of one change record one moment, so that their dated names agree.
class MomentClock final : public Clock {
public:
    MomentClock(Clock& clock) : clock_(clock), now_(clock.Now()) {}
    TimePoint Now() override { return now_; }
    LocalTime ToLocal(TimePoint moment) override { return clock_.ToLocal(moment); }

private:
    Clock& clock_;
    TimePoint now_;
};

// A folder where no new file can be made is one the user cannot write to (Program Files on Windows):
// that gets a message of its own, with what to do.
bool CannotCreateFiles(const Problem& problem) {
    for (const Problem* p = &problem; p; p = p->cause.get())
        if (p->Is(TextId::kReasonCannotCreateNew) || p->Is(TextId::kReasonCannotCopyBecause)) return true;
    return false;
}

Problem Refused(TextId text, const std::filesystem::path& file, const Problem& reason) {
    if (CannotCreateFiles(reason)) return Problem(TextId::kTextFacesFolderReadOnly).InFile(file.parent_path()).Because(reason);
    return Problem(text).InFile(file).Because(reason);
}

Result<std::array<std::vector<std::uint8_t>, 3>> ReadAll(const FaceArchivePaths& paths, FileAccess& files) {
    std::array<std::vector<std::uint8_t>, 3> bytes;
    for (std::size_t s = 0; s < 3; ++s) {
        auto read = files.ReadWholeFile(paths[s], kMaxEditArchiveBytes);
        if (!read) return Problem(TextId::kTextFacesNotWritten).InFile(paths[s]).Because(read.problem());
        bytes[s] = std::move(read).value();
    }
    return bytes;
}

}  // namespace

FaceArchivePaths EditFaceArchives(const std::filesystem::path& gameFolder) {
    return {GamePath(gameFolder, kEditLargeFaces), GamePath(gameFolder, kEditMediumFaces), GamePath(gameFolder, kEditSmallFaces)};
}

FaceArchivePaths StandardFaceArchives(const std::filesystem::path& gameFolder) {
    return {GamePath(gameFolder, kStandardLargeFaces), GamePath(gameFolder, kStandardMediumFaces),
            GamePath(gameFolder, kStandardSmallFaces)};
}

Status ReplaceFilesTogether(const FaceArchivePaths& paths, const std::array<std::vector<std::uint8_t>, 3>& bytes,
                            const std::array<std::vector<std::uint8_t>, 3>& before, int datedBackupsKept, FileAccess& files,
                            Clock& clock) {
    MomentClock moment(clock);
    for (const auto& path : paths)
        if (Status kept = KeepBackups(path, files, moment); !kept) return Refused(TextId::kTextFacesBackupFailed, path, kept.problem());
    for (std::size_t s = 0; s < 3; ++s) {
        if (Status written = files.WritePending(paths[s], bytes[s]); !written) {
            for (std::size_t t = 0; t < s; ++t) files.DiscardPending(paths[t]);
            return Refused(TextId::kTextFacesNotWritten, paths[s], written.problem());
        }
    }
    for (std::size_t s = 0; s < 3; ++s) {
        Status renamed = files.RenamePending(paths[s]);
        if (renamed) continue;
        for (std::size_t t = s + 1; t < 3; ++t) files.DiscardPending(paths[t]);
        // The archives renamed already go back to what they held.
        for (std::size_t t = 0; t < s; ++t) {
            if (Status back = files.WriteReplacing(paths[t], before[t]); !back)
                return Problem(TextId::kTextFacesRolledBackFailed).InFile(paths[t]).Because(back.problem());
        }
        return Refused(TextId::kTextFacesNotWritten, paths[s], renamed.problem());
    }
    if (Status flushed = files.FlushFolderOf(paths[0]); !flushed)
        return Problem(TextId::kTextFacesReplacedNotFlushed).InFile(paths[0].parent_path()).Because(flushed.problem());
    for (const auto& path : paths) RemoveOldBackups(path, datedBackupsKept, files);
    return {};
}

Result<std::int32_t> AddEditFace(const FaceWrite& write, const Picture& picture, std::optional<CropRect> crop) {
    const FaceArchivePaths paths = EditFaceArchives(write.gameFolder);
    auto before = ReadAll(paths, write.files);
    if (!before) return before.problem();
    std::array<std::int64_t, 3> counts{};
    std::array<std::vector<std::uint8_t>, 3> after;
    for (std::size_t s = 0; s < 3; ++s) {
        const auto& bytes = before.value()[s];
        auto layout = ReadArchiveLayout(bytes);
        if (!layout) return Problem(TextId::kTextFacesNotWritten).InFile(paths[s]).Because(layout.problem());
        counts[s] = static_cast<std::int64_t>(layout->Index.size());
        std::vector<std::uint8_t> standard;
        if (counts[s] == 0) {
            const auto standardPath = StandardFaceArchives(write.gameFolder)[s];
            auto read = write.files.ReadWholeFile(standardPath, kMaxEditArchiveBytes);
            if (!read) return Problem(TextId::kTextFacesNotWritten).InFile(standardPath).Because(read.problem());
            standard = std::move(read).value();
        }
        auto added = AppendFace(bytes, standard, picture, crop.value_or(WholePicture(picture)));
        if (!added) return Problem(TextId::kTextFacesNotWritten).InFile(counts[s] == 0 ? StandardFaceArchives(write.gameFolder)[s] : paths[s]).Because(added.problem());
        after[s] = std::move(added).value();
    }
    if (counts[0] != counts[1] || counts[0] != counts[2])
        return Problem(TextId::kTextFacesNotWritten).InFile(paths[0].parent_path()).Because(Problem(TextId::kReasonEditCountsDiffer, {counts[0], counts[1], counts[2]}));
    if (Status replaced = ReplaceFilesTogether(paths, after, before.value(), write.datedBackupsKept, write.files, write.clock); !replaced)
        return replaced.problem();
    return static_cast<std::int32_t>(counts[0]);
}

Status ReplaceEditFace(const FaceWrite& write, std::int32_t face, const Picture& picture, std::optional<CropRect> crop) {
    const FaceArchivePaths paths = EditFaceArchives(write.gameFolder);
    auto before = ReadAll(paths, write.files);
    if (!before) return before.problem();
    std::array<std::vector<std::uint8_t>, 3> after;
    for (std::size_t s = 0; s < 3; ++s) {
        auto replaced = ReplaceFace(before.value()[s], face, picture, crop.value_or(WholePicture(picture)));
        if (!replaced) return Problem(TextId::kTextFacesNotWritten).InFile(paths[s]).Because(replaced.problem());
        after[s] = std::move(replaced).value();
    }
    return ReplaceFilesTogether(paths, after, before.value(), write.datedBackupsKept, write.files, write.clock);
}

Result<std::array<FaceModel, 3>> EditFaceModels(const std::filesystem::path& gameFolder, std::optional<std::int32_t> face,
                                               FileAccess& files) {
    const FaceArchivePaths paths = EditFaceArchives(gameFolder);
    std::array<FaceModel, 3> models;
    for (std::size_t s = 0; s < 3; ++s) {
        auto bytes = files.ReadWholeFile(paths[s], kMaxEditArchiveBytes);
        if (!bytes) return Problem(bytes.problem()).InFile(paths[s]);
        auto layout = ReadArchiveLayout(bytes.value());
        if (!layout) return Problem(layout.problem()).InFile(paths[s]);
        const auto count = static_cast<std::int32_t>(layout->Index.size());
        if (face && (*face < 0 || *face >= count))
            return Problem(TextId::kReasonFaceIndexOutside, {std::int64_t{*face}, std::int64_t{count}}).InFile(paths[s]);
        if (count == 0) {
            const auto standardPath = StandardFaceArchives(gameFolder)[s];
            bytes = files.ReadWholeFile(standardPath, kMaxEditArchiveBytes);
            if (!bytes) return Problem(bytes.problem()).InFile(standardPath);
            layout = ReadArchiveLayout(bytes.value());
            if (!layout) return Problem(layout.problem()).InFile(standardPath);
            if (layout->Index.empty()) return Problem(TextId::kReasonNoFaceToCopy).InFile(standardPath);
        }
        const std::size_t k = face ? static_cast<std::size_t>(*face) : (count == 0 ? 0 : layout->Index.size() - 1);
        models[s] = {layout->Faces[k], StoredPixels(bytes.value(), layout->Index[k], layout->Faces[k])};
    }
    return models;
}

std::vector<FaceBackupSet> ListFaceBackups(const std::filesystem::path& gameFolder, FileAccess& files, Clock& clock) {
    const FaceArchivePaths paths = EditFaceArchives(gameFolder);
    // Keyed by newest first, then the time and sequence from the latest down.
    using Key = std::tuple<bool, LocalTime, int>;
    std::map<Key, std::pair<FaceBackupSet, int>, std::greater<>> sets;
    for (std::size_t s = 0; s < 3; ++s) {
        for (const BackupFile& backup : ListBackups(paths[s], files, clock)) {
            // The newest backups are one set whatever their times.
            const Key key{backup.newest, backup.newest ? LocalTime{} : backup.made, backup.newest ? 1 : backup.sequence};
            auto& [set, found] = sets[key];
            set.files[s] = backup;
            set.newest = backup.newest;
            set.made = backup.made;
            found |= 1 << s;
        }
    }
    std::vector<FaceBackupSet> complete;
    for (const auto& [key, entry] : sets)
        if (entry.second == 7) complete.push_back(entry.first);
    return complete;
}

Status RestoreFaceBackups(const FaceWrite& write, const FaceBackupSet& backups) {
    const FaceArchivePaths paths = EditFaceArchives(write.gameFolder);
    std::array<std::vector<std::uint8_t>, 3> restored;
    for (std::size_t s = 0; s < 3; ++s) {
        if (backups.files[s].path.empty()) return TextId::kReasonBackupSetIncomplete;
        auto read = write.files.ReadWholeFile(backups.files[s].path, kMaxEditArchiveBytes);
        if (!read) return Problem(TextId::kTextFacesNotWritten).InFile(backups.files[s].path).Because(read.problem());
        if (auto layout = ReadArchiveLayout(read.value()); !layout)
            return Problem(TextId::kTextFacesNotWritten).InFile(backups.files[s].path).Because(layout.problem());
        restored[s] = std::move(read).value();
    }
    auto before = ReadAll(paths, write.files);
    if (!before) return before.problem();
    return ReplaceFilesTogether(paths, restored, before.value(), write.datedBackupsKept, write.files, write.clock);
}

}  // namespace busho
