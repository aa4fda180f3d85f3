#pragma once
// A player's picture as an edit face, written into the three edit archives of the game folder
// together: large, medium and small each get the face at their own size, under the same face number.
//
// The three archives change all or not at all. Each is first kept by the backup rotation of the
// officer file (ARCHIVE.BAK, then dated ones; the three backups of one change share their time), then
// the three new archives are written as pending files and flushed, and only when all three are
// complete are they renamed over the archives. A rename that fails after an earlier one succeeded puts
// the earlier archives back from the bytes read at the start. Nothing of this is undone by the edit
// history; restoring the three backups together is.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <vector>

#include "core/data/backups.h"
#include "core/os/clock.h"
#include "core/os/file_access.h"
#include "face_archive.h"
#include "picture_scaling.h"

namespace busho {

// The archives of one face set, large, medium and small.
using FaceArchivePaths = std::array<std::filesystem::path, 3>;
FaceArchivePaths EditFaceArchives(const std::filesystem::path& gameFolder);
FaceArchivePaths StandardFaceArchives(const std::filesystem::path& gameFolder);

// An edit archive this large is not read into memory to be rewritten.
inline constexpr std::size_t kMaxEditArchiveBytes = 512u << 20;

struct FaceWrite {
    const std::filesystem::path& gameFolder;
    int datedBackupsKept = kDefaultDatedBackupsKept;
    FileAccess& files;
    Clock& clock;
};

// The picture (cut to `crop`, or the whole picture) appended to the edit set; the new face's index
// (its portrait number is kEditFaceBase more). An empty edit archive takes the sizes of the standard
// archive of its size.
Result<std::int32_t> AddEditFace(const FaceWrite& write, const Picture& picture, std::optional<CropRect> crop = std::nullopt);

// Edit face `face` made from the picture in all three archives; the face count stays.
Status ReplaceEditFace(const FaceWrite& write, std::int32_t face, const Picture& picture, std::optional<CropRect> crop = std::nullopt);

// Replaces the files with the bytes, all or none, as described above.
Status ReplaceFilesTogether(const FaceArchivePaths& paths, const std::array<std::vector<std::uint8_t>, 3>& bytes,
                            const std::array<std::vector<std::uint8_t>, 3>& before, int datedBackupsKept, FileAccess& files,
                            Clock& clock);

// The face a new one is modelled on in each size (large, medium, small): for a new face the archive's
// last (the standard archive's first when the edit archive is empty), else face `face` itself.
struct FaceModel {
    KaoFaceHeader Header;
    std::vector<std::uint32_t> Pixels;
};
Result<std::array<FaceModel, 3>> EditFaceModels(const std::filesystem::path& gameFolder, std::optional<std::int32_t> face,
                                               FileAccess& files);

// One change's backups of the three edit archives.
struct FaceBackupSet {
    std::array<BackupFile, 3> files;  // large, medium, small
    LocalTime made;
    bool newest = false;
};

// The backup sets of the edit archives whose three backups are all there, newest first.
std::vector<FaceBackupSet> ListFaceBackups(const std::filesystem::path& gameFolder, FileAccess& files, Clock& clock);

// Puts the three backups in the place of the edit archives, through the same three-file write (so
// the archives they replace become the newest backups). Backups that are not archives are refused
// before anything is written.
Status RestoreFaceBackups(const FaceWrite& write, const FaceBackupSet& backups);

}  // namespace busho
