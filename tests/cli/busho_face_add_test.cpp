// `busho face-add` and `busho face-replace` on a game folder made here: the number printed, the
// exit status of each kind of failure, and nothing changed on failure.

#include <gtest/gtest.h>

#include "busho_runner.h"
#include "core/faces/edit_faces.h"
#include "core/faces/face_archive.h"
#include "face_archive_writer.h"
#include "officer_fixtures.h"
#include "picture_files.h"

namespace busho {
namespace {

using testing::PictureFormat;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

std::string Q(const std::filesystem::path& p) { return testing::Quoted(p); }

constexpr int kSizes[3][4] = {{24, 30, 32, 32}, {14, 18, 16, 24}, {10, 12, 16, 16}};

std::vector<std::uint8_t> Archive(int s, int count) {
    std::vector<FaceToWrite> faces;
    for (int k = 0; k < count; ++k)
        faces.push_back(MakeFace(kSizes[s][0], kSizes[s][1], kSizes[s][2], kSizes[s][3],
                                 [&](int x, int y) { return static_cast<std::uint32_t>(k * 40 + x * 3 + y); }));
    return BuildFaceArchive(faces);
}

class BushoFaceAdd : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(game / "Grp");
        for (int s = 0; s < 3; ++s) {
            WriteBytes(EditFaceArchives(game)[static_cast<std::size_t>(s)], Archive(s, 5));
            WriteBytes(StandardFaceArchives(game)[static_cast<std::size_t>(s)], Archive(s, 2));
        }
        const Picture photo = testing::MakePicture(80, 60, [](int x, int y) { return static_cast<std::uint32_t>(x * 3 << 16 | y * 4 << 8 | 0x40); });
        WriteBytes(picture, testing::EncodePicture(PictureFormat::Png, photo));
        const auto jpeg = testing::EncodePicture(PictureFormat::Jpeg, photo);
        WriteBytes(truncated, std::vector<std::uint8_t>(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(jpeg.size() / 2)));
        WriteBytes(huge, testing::WithClaimedSize(PictureFormat::Png, testing::EncodePicture(PictureFormat::Png, photo), 30000, 30000));
    }

    std::array<std::vector<std::uint8_t>, 3> Archives() const {
        std::array<std::vector<std::uint8_t>, 3> bytes;
        for (std::size_t s = 0; s < 3; ++s) bytes[s] = ReadBytes(EditFaceArchives(game)[s]);
        return bytes;
    }

    testing::CommandRun Run(const std::string& args) { return testing::Busho(args, folder); }

    TempFolder folder;
    std::filesystem::path game = folder.Path() / "游戏";
    std::filesystem::path picture = folder.Path() / "照片.png";
    std::filesystem::path truncated = folder.Path() / "cut.jpg";
    std::filesystem::path huge = folder.Path() / "huge.png";
};

TEST_F(BushoFaceAdd, AddsPrintsTheNumberAndFaceShowsIt) {
    const auto r = Run("face-add " + Q(game) + " " + Q(picture) + " --crop 10,0,60,60");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1705\n");
    for (std::size_t s = 0; s < 3; ++s) {
        FaceArchive archive;
        ASSERT_TRUE(archive.Open(EditFaceArchives(game)[s]));
        EXPECT_EQ(archive.FaceCount(), 6);
    }
    const auto png = folder.Path() / "face.png";
    EXPECT_EQ(Run("face " + Q(EditFaceArchives(game)[0]) + " 5 " + Q(png)).status, 0);
    EXPECT_TRUE(std::filesystem::exists(png));

    const auto again = Run("face-replace " + Q(game) + " 1702 " + Q(picture));
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(again.out, "1702\n");
    FaceArchive archive;
    ASSERT_TRUE(archive.Open(EditFaceArchives(game)[1]));
    EXPECT_EQ(archive.FaceCount(), 6);
}

TEST_F(BushoFaceAdd, EachFailureHasItsStatusAndChangesNothing) {
    const auto before = Archives();
    auto mixedGame = folder.Path() / "mixed";
    std::filesystem::create_directories(mixedGame / "Grp");
    for (std::size_t s = 0; s < 3; ++s) WriteBytes(EditFaceArchives(mixedGame)[s], Archive(static_cast<int>(s), 5));
    {
        auto mixed = BuildFaceArchive({MakeFace(24, 30, 32, 32, [](int, int) { return 1u; }), MakeFace(24, 29, 32, 32, [](int, int) { return 2u; })});
        WriteBytes(EditFaceArchives(mixedGame)[0], mixed);
    }
    struct Case {
        std::string args;
        int status;
    };
    const Case cases[] = {
        {"face-add " + Q(game) + " " + Q(truncated), 1},
        {"face-add " + Q(game) + " " + Q(huge), 1},
        {"face-add " + Q(game) + " " + Q(picture) + " --crop 50,0,60,60", 1},
        {"face-add " + Q(mixedGame) + " " + Q(picture), 1},
        {"face-replace " + Q(game) + " 1705 " + Q(picture), 1},
        {"face-add " + Q(game) + " " + Q(folder.Path() / "missing.png"), 2},
        {"face-add " + Q(folder.Path() / "no-game") + " " + Q(picture), 2},
        {"face-add " + Q(game) + " " + Q(picture) + " --crop 1,2,3", 2},
        {"face-replace " + Q(game) + " 1699 " + Q(picture), 2},
        {"face-add " + Q(game), 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args);
        const auto r = Run(c.args);
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
        EXPECT_NE(r.err.find("busho: "), std::string::npos);
        EXPECT_EQ(Archives(), before);
        EXPECT_FALSE(std::filesystem::exists(BackupPathFor(EditFaceArchives(game)[0])));
    }
}

}  // namespace
}  // namespace busho
