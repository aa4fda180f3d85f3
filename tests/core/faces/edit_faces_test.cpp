// A picture written into the three edit archives of a game folder: read back in each size, every
// other face kept, backups of each archive, a failure at every step of the three-file write leaving
// all three as they were, and restoring the three backups together.

#include <gtest/gtest.h>

#ifndef _WIN32
#include <unistd.h>
#endif

#include <map>
#include <string>

#include "core/faces/edit_faces.h"
#include "core/faces/face_archive_edit.h"
#include "core/os/game_paths.h"
#include "face_archive_writer.h"
#include "fake_clock.h"
#include "faulty_files.h"
#include "officer_fixtures.h"
#include "picture_files.h"

namespace busho {
namespace {

using testing::FakeClock;
using testing::FaultyFiles;
using testing::ReadBytes;
using testing::Step;
using testing::StepName;
using testing::TempFolder;
using testing::WriteBytes;

struct Size {
    int width, height, rowPixels, rowCount;
};
constexpr Size kSizes[3] = {{24, 30, 32, 32}, {14, 18, 16, 24}, {10, 12, 16, 16}};  // large, medium, small

std::vector<std::uint8_t> Archive(const Size& size, int count, std::uint32_t seed) {
    std::vector<FaceToWrite> faces;
    for (int k = 0; k < count; ++k)
        faces.push_back(MakeFace(size.width, size.height, size.rowPixels, size.rowCount,
                                 [&](int x, int y) { return (seed * 977u + static_cast<std::uint32_t>(k * 131 + x * 17 + y * 5)) * 2654435761u; }));
    return BuildFaceArchive(faces);
}

Picture Photo() {
    return testing::MakePicture(90, 70, [](int x, int y) {
        return static_cast<std::uint32_t>((x * 255 / 90) << 16 | (y * 255 / 70) << 8 | ((x * y) % 256));
    });
}

// A line of the log is the step's name, followed by the file's for the steps that name one.
bool IsStep(const std::string& entry, Step step) {
    const std::string name = StepName(step);
    const bool named = step == Step::Open || step == Step::Rename || step == Step::BackupCopy;
    return named ? entry.rfind(name + " ", 0) == 0 : entry == name;
}

class EditFaces : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(folder.Path() / "Grp");
        for (std::size_t s = 0; s < 3; ++s) {
            before[s] = Archive(kSizes[s], 5, static_cast<std::uint32_t>(s));
            WriteBytes(edit[s], before[s]);
            WriteBytes(standard[s], Archive(kSizes[s], 3, static_cast<std::uint32_t>(10 + s)));
        }
    }

    // Nothing but the archives, the standard ones and backups: no pending file anywhere.
    bool NothingPending() const {
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path() / "Grp"))
            if (entry.path().extension() == ".new") return false;
        return true;
    }

    TempFolder folder;
    FaceArchivePaths edit = EditFaceArchives(folder.Path());
    FaceArchivePaths standard = StandardFaceArchives(folder.Path());
    std::array<std::vector<std::uint8_t>, 3> before;
    FakeClock clock;
};

// The new face, read back by the drawing reader in each size, is the picture's centre at that size.
TEST_F(EditFaces, AddedFaceReadsBackInEachSizeAndTheOthersStay) {
    FileAccess files;
    const Picture picture = Photo();
    const auto added = AddEditFace({folder.Path(), 20, files, clock}, picture);
    ASSERT_TRUE(added) << static_cast<int>(added.problem().text);
    EXPECT_EQ(added.value(), 5);
    for (std::size_t s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        FaceArchive archive;
        ASSERT_TRUE(archive.Open(edit[s]));
        ASSERT_EQ(archive.FaceCount(), 6);
        ASSERT_TRUE(archive.ReadKaoFace(5));
        const FaceImage face = archive.DecodedFace();
        ASSERT_EQ(face.Width, kSizes[s].width);
        ASSERT_EQ(face.Height, kSizes[s].height);
        // The picture scaled here by plain area sums: close to the face, pixel by pixel.
        const CropRect crop = CentredCrop(WholePicture(picture), face.Width, face.Height);
        double error = 0;
        for (int y = 0; y < face.Height; ++y) {
            for (int x = 0; x < face.Width; ++x) {
                const double x0 = crop.X + x * crop.Width / static_cast<double>(face.Width), x1 = x0 + crop.Width / static_cast<double>(face.Width);
                const double y0 = crop.Y + y * crop.Height / static_cast<double>(face.Height), y1 = y0 + crop.Height / static_cast<double>(face.Height);
                double sum[3] = {}, area = 0;
                for (int py = static_cast<int>(y0); py < y1; ++py)
                    for (int px = static_cast<int>(x0); px < x1; ++px) {
                        const double w = (std::min(x1, px + 1.0) - std::max(x0, double(px))) * (std::min(y1, py + 1.0) - std::max(y0, double(py)));
                        area += w;
                        for (int c = 0; c < 3; ++c) sum[c] += w * ((picture.At(px, py) >> (16 - 8 * c)) & 0xFF);
                    }
                for (int c = 0; c < 3; ++c) error += std::abs(sum[c] / area - ((face.At(x, y) >> (16 - 8 * c)) & 0xFF));
            }
        }
        EXPECT_LT(error / (3.0 * face.Width * face.Height), 0.6);
        // Faces 0..4 as they were, read from the archive written before.
        const auto was = ReadArchiveLayout(before[s]).value();
        const auto now = ReadBytes(edit[s]);
        const auto is = ReadArchiveLayout(now).value();
        for (std::size_t k = 0; k < 5; ++k) {
            EXPECT_EQ(StoredPixels(now, is.Index[k], is.Faces[k]), StoredPixels(before[s], was.Index[k], was.Faces[k]));
            EXPECT_EQ(is.Index[k].Unused, was.Index[k].Unused);
        }
        EXPECT_EQ(ReadBytes(BackupPathFor(edit[s])), before[s]);
    }
    EXPECT_TRUE(NothingPending());
}

TEST_F(EditFaces, ReplaceKeepsTheCountAndEveryOtherFace) {
    FileAccess files;
    ASSERT_TRUE(ReplaceEditFace({folder.Path(), 20, files, clock}, 2, Photo(), CropRect{10, 0, 56, 70}));
    for (std::size_t s = 0; s < 3; ++s) {
        SCOPED_TRACE(s);
        const auto now = ReadBytes(edit[s]);
        ASSERT_EQ(now.size(), before[s].size());
        const auto layout = ReadArchiveLayout(now).value();
        EXPECT_EQ(layout.Header.FaceCount, 5);
        for (std::size_t k = 0; k < 5; ++k) {
            const bool same = StoredPixels(now, layout.Index[k], layout.Faces[k]) == StoredPixels(before[s], layout.Index[k], layout.Faces[k]);
            EXPECT_EQ(same, k != 2) << k;
        }
    }
}

TEST_F(EditFaces, EmptyEditArchivesGetTheirFirstFaceAtTheStandardSizes) {
    for (std::size_t s = 0; s < 3; ++s) WriteBytes(edit[s], {'K', 'A', 'O', '0', 0, 0, 0, 0, 0, 0, 0, 0});
    FileAccess files;
    const auto added = AddEditFace({folder.Path(), 20, files, clock}, Photo());
    ASSERT_TRUE(added);
    EXPECT_EQ(added.value(), 0);
    for (std::size_t s = 0; s < 3; ++s) {
        FaceArchive archive;
        ASSERT_TRUE(archive.Open(edit[s]));
        ASSERT_TRUE(archive.ReadKaoFace(0));
        EXPECT_EQ(archive.FaceHeader().Width, kSizes[s].width);
        EXPECT_EQ(archive.FaceHeader().RowCount, kSizes[s].rowCount);
    }
}

TEST_F(EditFaces, ArchivesThatDisagreeAreRefusedAndLeftAlone) {
    WriteBytes(edit[2], Archive(kSizes[2], 4, 2));
    const auto small = ReadBytes(edit[2]);
    FileAccess files;
    const auto added = AddEditFace({folder.Path(), 20, files, clock}, Photo());
    ASSERT_FALSE(added);
    ASSERT_TRUE(added.problem().cause);
    EXPECT_TRUE(added.problem().cause->Is(TextId::kReasonEditCountsDiffer));
    EXPECT_EQ(ReadBytes(edit[0]), before[0]);
    EXPECT_EQ(ReadBytes(edit[2]), small);
    EXPECT_FALSE(std::filesystem::exists(BackupPathFor(edit[0])));
}

// Every step of the write, failing at each of its occurrences once and for ever: the three archives
// stay byte for byte as they were, except where the new archives are all in place already (only the
// folder's flush after the renames failed) or a rename failing for ever also stops putting back the
// archives renamed before it; both are told apart by their messages.
TEST_F(EditFaces, FailureAtEveryStepLeavesAllThreeArchivesAsTheyWere) {
    // The steps of a write that works, counted.
    std::map<Step, int> occurrences;
    {
        TempFolder probe;
        std::filesystem::copy(folder.Path() / "Grp", probe.Path() / "Grp");
        FaultyFiles files;
        ASSERT_TRUE(AddEditFace({probe.Path(), 20, files, clock}, Photo()));
        for (const std::string& entry : files.log)
            for (Step step : {Step::Open, Step::Write, Step::Flush, Step::Close, Step::Rename, Step::BackupCopy, Step::FolderFlush})
                if (IsStep(entry, step)) ++occurrences[step];
    }
    ASSERT_EQ(occurrences[Step::BackupCopy], 3);
    ASSERT_EQ(occurrences[Step::Open], 3);
    ASSERT_EQ(occurrences[Step::Rename], 6);       // three backups, three archives
    ASSERT_EQ(occurrences[Step::FolderFlush], 4);  // after each backup, once after the archives
    int cases = 0;
    for (const auto& [step, count] : occurrences) {
        for (int first = 1; first <= count; ++first) {
            for (int times : {1, 0}) {
                SCOPED_TRACE(std::string(StepName(step)) + " #" + std::to_string(first) + (times ? " once" : " for ever"));
                TempFolder game;
                std::filesystem::copy(folder.Path() / "Grp", game.Path() / "Grp");
                const FaceArchivePaths paths = EditFaceArchives(game.Path());
                FaultyFiles files(step, first, times);
                const auto added = AddEditFace({game.Path(), 20, files, clock}, Photo());
                ASSERT_FALSE(added);
                ++cases;
                const bool allInPlace = step == Step::FolderFlush && first == 4;
                const bool cannotPutBack = step == Step::Rename && times == 0 && first >= 5;
                if (allInPlace) {
                    EXPECT_TRUE(added.problem().Is(TextId::kTextFacesReplacedNotFlushed));
                    for (std::size_t s = 0; s < 3; ++s) EXPECT_EQ(ReadArchiveLayout(ReadBytes(paths[s]))->Header.FaceCount, 6);
                    continue;
                }
                if (cannotPutBack) {
                    EXPECT_TRUE(added.problem().Is(TextId::kTextFacesRolledBackFailed));
                    continue;
                }
                EXPECT_FALSE(added.problem().Is(TextId::kTextFacesRolledBackFailed));
                for (std::size_t s = 0; s < 3; ++s) EXPECT_EQ(ReadBytes(paths[s]), before[s]) << s;
                for (const auto& entry : std::filesystem::directory_iterator(game.Path() / "Grp"))
                    EXPECT_NE(entry.path().extension(), ".new") << entry.path();
            }
        }
    }
    EXPECT_GT(cases, 30);
}

TEST_F(EditFaces, RestoringTheBackupsPutsBackAllThreeAndCanItselfBeUndone) {
    FileAccess files;
    ASSERT_TRUE(AddEditFace({folder.Path(), 20, files, clock}, Photo()));
    std::array<std::vector<std::uint8_t>, 3> added;
    for (std::size_t s = 0; s < 3; ++s) added[s] = ReadBytes(edit[s]);
    const auto sets = ListFaceBackups(folder.Path(), files, clock);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_TRUE(sets[0].newest);
    clock.now += std::chrono::minutes(5);
    ASSERT_TRUE(RestoreFaceBackups({folder.Path(), 20, files, clock}, sets[0]));
    for (std::size_t s = 0; s < 3; ++s) {
        EXPECT_EQ(ReadBytes(edit[s]), before[s]);
        EXPECT_EQ(ReadBytes(BackupPathFor(edit[s])), added[s]);  // the restore's own backup
    }
    // Now the newest set and a dated one (the first backups, dated when they were made).
    const auto after = ListFaceBackups(folder.Path(), files, clock);
    ASSERT_EQ(after.size(), 2u);
    EXPECT_TRUE(after[0].newest);
    EXPECT_FALSE(after[1].newest);
    for (std::size_t s = 0; s < 3; ++s) EXPECT_EQ(ReadBytes(after[1].files[s].path), before[s]);
}

TEST_F(EditFaces, BackupSetWithAMissingArchiveIsNotOffered) {
    FileAccess files;
    ASSERT_TRUE(AddEditFace({folder.Path(), 20, files, clock}, Photo()));
    std::filesystem::remove(BackupPathFor(edit[1]));
    EXPECT_TRUE(ListFaceBackups(folder.Path(), files, clock).empty());
}

#ifndef _WIN32
TEST_F(EditFaces, ReadOnlyGameFolderIsReportedAndChangesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
    std::filesystem::permissions(folder.Path() / "Grp", std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    FileAccess files;
    const auto added = AddEditFace({folder.Path(), 20, files, clock}, Photo());
    std::filesystem::permissions(folder.Path() / "Grp", std::filesystem::perms::owner_all);
    ASSERT_FALSE(added);
    EXPECT_TRUE(added.problem().Is(TextId::kTextFacesFolderReadOnly));
    for (std::size_t s = 0; s < 3; ++s) EXPECT_EQ(ReadBytes(edit[s]), before[s]);
}
#endif

}  // namespace
}  // namespace busho
