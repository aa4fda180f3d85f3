// busho face-add GAME_FOLDER PICTURE [--crop X,Y,W,H]: the picture as a new edit face in all three
// edit archives; prints its portrait number.
// busho face-replace GAME_FOLDER NUMBER PICTURE [--crop X,Y,W,H]: edit face NUMBER made from the picture.
// Exit 0 on success, 1 when the picture or the archives are refused, 2 on an I/O error; nothing
// changes on failure.

#include "commands.h"
#include "core/faces/edit_faces.h"
#include "core/faces/picture.h"

namespace busho::cli {
namespace {

// Reasons that are about what the picture or the archives hold, not about reading or writing them.
bool IsRefusal(const Problem& problem) {
    static constexpr TextId kRefusals[] = {
        TextId::kReasonPictureUnknown,      TextId::kReasonPictureBroken,     TextId::kReasonPictureTruncated,
        TextId::kReasonPictureTooLarge,     TextId::kReasonPictureOverBudget, TextId::kReasonCropOutside,
        TextId::kReasonFaceFileShort,       TextId::kReasonFaceCountBelowOne, TextId::kReasonFaceCountTooLarge,
        TextId::kReasonFaceIndexOutside,    TextId::kReasonFaceOffsetOutside, TextId::kReasonFacePixelsPastEnd,
        TextId::kReasonFaceHeightOverRows,  TextId::kReasonFaceBadSize,       TextId::kReasonFaceSizesDiffer,
        TextId::kReasonFaceOverlapsIndex,   TextId::kReasonNoFaceToCopy,      TextId::kReasonEditCountsDiffer,
        TextId::kReasonArchiveTooLarge,
    };
    for (const TextId id : kRefusals)
        if (problem.Is(id)) return true;
    return false;
}

int Failed(const Context& c, const Problem& problem) {
    c.err << "busho: " << GbkToUtf8(FormatGbk(problem.text, problem.args));
    if (!problem.file.empty()) c.err << PathToUtf8(problem.file);
    if (problem.cause) c.err << ": " << GbkToUtf8(DescribeGbk(*problem.cause));
    c.err << '\n';
    // Only a change that was never begun for what the files hold is a refusal.
    const bool refused = problem.Is(TextId::kTextFacesNotWritten) ? problem.cause && IsRefusal(*problem.cause) : IsRefusal(problem);
    return refused ? kExitFailed : kExitUsage;
}

std::optional<Picture> ReadPicture(const Context& c, const std::filesystem::path& file, int& status) {
    FileAccess files;
    const auto bytes = files.ReadWholeFile(file, kMaxPictureFileBytes);
    if (!bytes) {
        status = Failed(c, Problem(TextId::kTextFacesNotWritten).InFile(file).Because(bytes.problem()));
        // A file too large to be a picture we take is the picture refused, not an I/O error.
        if (bytes.problem().Is(TextId::kReasonFileTooLarge)) status = kExitFailed;
        return std::nullopt;
    }
    auto picture = DecodePicture(bytes.value());
    if (!picture) {
        status = Failed(c, Problem(TextId::kTextFacesNotWritten).InFile(file).Because(picture.problem()));
        return std::nullopt;
    }
    return std::move(picture).value();
}

}  // namespace

std::optional<CropRect> ParseCrop(const std::string& text) {
    CropRect crop;
    int* parts[4] = {&crop.X, &crop.Y, &crop.Width, &crop.Height};
    std::size_t at = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t end = i < 3 ? text.find(',', at) : text.size();
        if (end == std::string::npos || end == at || end - at > 9) return std::nullopt;
        int value = 0;
        for (std::size_t k = at; k < end; ++k) {
            if (text[k] < '0' || text[k] > '9') return std::nullopt;
            value = value * 10 + (text[k] - '0');
        }
        *parts[i] = value;
        at = end + 1;
    }
    return crop;
}

int FaceAdd(const Context& c, const std::filesystem::path& gameFolder, const std::filesystem::path& pictureFile,
            std::optional<CropRect> crop) {
    int status = kExitOk;
    const auto picture = ReadPicture(c, pictureFile, status);
    if (!picture) return status;
    FileAccess files;
    Clock clock;
    const auto added = AddEditFace({gameFolder, c.datedBackupsKept, files, clock}, *picture, crop);
    if (!added) return Failed(c, added.problem());
    c.out << added.value() + kEditFaceBase << '\n';
    return c.out.good() ? kExitOk : kExitUsage;
}

int FaceReplace(const Context& c, const std::filesystem::path& gameFolder, int number, const std::filesystem::path& pictureFile,
                std::optional<CropRect> crop) {
    if (number < kEditFaceBase) {
        c.err << "busho: NUMBER is an edit face's portrait number, " << kEditFaceBase << " or more\n";
        return kExitUsage;
    }
    int status = kExitOk;
    const auto picture = ReadPicture(c, pictureFile, status);
    if (!picture) return status;
    FileAccess files;
    Clock clock;
    if (Status replaced = ReplaceEditFace({gameFolder, c.datedBackupsKept, files, clock}, number - kEditFaceBase, *picture, crop); !replaced)
        return Failed(c, replaced.problem());
    c.out << number << '\n';
    return c.out.good() ? kExitOk : kExitUsage;
}

}  // namespace busho::cli
