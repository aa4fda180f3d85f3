#pragma once
// The one face drawer: the application owns it and hands it to every window that shows faces (the
// editor's portrait, the reference panel, the picker's pages and its preview). It keeps the two
// medium archives of the game folder open while they are in use and draws a face straight onto a view.

#include <filesystem>

#include "core/data/officer_record.h"
#include "core/faces/face_archive.h"

class QImage;
class QLabel;

namespace busho {
namespace platform {
class MessageBoxes;
}
struct Session;

enum class FaceSet { Standard, Edit };

inline FaceSet SetOfPortrait(int portraitNumber) { return portraitNumber >= kEditFaceBase ? FaceSet::Edit : FaceSet::Standard; }
inline int FaceOfPortrait(int portraitNumber) { return portraitNumber >= kEditFaceBase ? portraitNumber - kEditFaceBase : portraitNumber; }
inline int PortraitOfFace(FaceSet set, int face) { return set == FaceSet::Edit ? face + kEditFaceBase : face; }

QImage ToQImage(const FaceImage& face);

// Sizes the view to the face and shows its first Height rows, 1:1, from the top-left corner.
void PutFace(QLabel* view, const FaceImage& face);

class FaceDrawer {
public:
    FaceDrawer(const Session& session, platform::MessageBoxes& messages);

    // Opens the set's medium archive of the game folder; a failure shows "打开CG文件错误!!…".
    bool OpenMedium(FaceSet set);
    void CloseMedium();
    // The set's medium archive, opened first (without a message) when it is not open.
    FaceArchive& Medium(FaceSet set);

    // Face n of the set's medium archive into the view; nothing drawn (false) for a number outside the
    // archive or a face that cannot be read.
    bool DrawMedium(QLabel* view, FaceSet set, int n);
    // Face `index` of the archive file into the view. A blank path or a number outside the archive draws
    // nothing and says nothing; any other failure shows "打开CG文件错误!!…" with the path.
    bool DrawFromFile(QLabel* view, const std::filesystem::path& archive, int index);
    // While set, an archive file that does not exist draws nothing and says nothing: the user has been
    // told which are missing and chose to go on without them.
    void SetQuietWhenMissing(bool quiet) { quietWhenMissing_ = quiet; }
    platform::MessageBoxes& Messages() { return messages_; }

private:
    // Tells that an archive cannot be opened or a face in it cannot be read, and why.
    void ShowFailure(const std::filesystem::path& archive, const Problem& reason);
    const Session& session_;
    platform::MessageBoxes& messages_;
    FaceArchive standardMedium_;
    FaceArchive editMedium_;
    bool quietWhenMissing_ = false;
};

}  // namespace busho
