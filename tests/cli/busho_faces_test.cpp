// `busho faces` and `busho face`, run as a user runs them; the PNG is read back with stb_image.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#define STBI_ONLY_PNG
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "face_archive_writer.h"
#include "busho_runner.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

using Result = testing::CommandRun;
std::string Q(const std::filesystem::path& p) { return testing::Quoted(p); }
Result RunBusho(const std::string& args, const TempFolder& folder) { return testing::Busho(args, folder); }

// A PNG file as RGBA bytes, four a pixel, rows top first.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgba;
    // Red, green, blue and alpha of the pixel at (x, y).
    const std::uint8_t* At(int x, int y) const { return &rgba[static_cast<std::size_t>((y * width + x) * 4)]; }
};

std::optional<Picture> LoadPng(const std::filesystem::path& file) {
    const auto bytes = testing::ReadBytes(file);
    Picture picture;
    int channels = 0;
    std::unique_ptr<stbi_uc, void (*)(void*)> pixels(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &picture.width, &picture.height, &channels, 4), stbi_image_free);
    if (!pixels) return std::nullopt;
    picture.rgba.assign(pixels.get(), pixels.get() + static_cast<std::size_t>(picture.width * picture.height * 4));
    return picture;
}

std::vector<FaceToWrite> Faces() {
    return {
        MakeFace(7, 5, 8, 6, [](int x, int y) { return 0x11000000u | static_cast<std::uint32_t>((x * 37) << 16 | (y * 41) << 8 | (x * y)); }),
        MakeFace(9, 4, 6, 4, [](int x, int y) { return static_cast<std::uint32_t>(0xFF - x) << 16 | static_cast<std::uint32_t>(y) << 8 | 0x80u; }),
    };
}

TEST(BushoFace, WritesExactlyThePixelsOfTheFace) {
    TempFolder folder;
    const auto archive = folder.Path() / "KAO_l.n12";
    const auto faces = Faces();
    WriteBytes(archive, BuildFaceArchive(faces));
    for (int k = 0; k < 2; ++k) {
        SCOPED_TRACE(k);
        const auto png = folder.Path() / ("face" + std::to_string(k) + ".png");
        const Result r = RunBusho("face " + Q(archive) + " " + std::to_string(k) + " " + Q(png), folder);
        ASSERT_EQ(r.status, 0) << r.err;
        const auto image = LoadPng(png);
        ASSERT_TRUE(image);
        const KaoFaceHeader& h = faces[static_cast<std::size_t>(k)].Header;
        ASSERT_EQ(image->width, h.Width);
        ASSERT_EQ(image->height, h.Height);
        for (int y = 0; y < h.Height; ++y) {
            for (int x = 0; x < h.Width; ++x) {
                const std::uint8_t* got = image->At(x, y);
                if (x >= h.RowPixels) {
                    ASSERT_EQ(got[3], 0) << x << "," << y;  // no face pixels there
                    continue;
                }
                const std::uint32_t stored = faces[static_cast<std::size_t>(k)].Pixels[static_cast<std::size_t>(y * h.RowPixels + x)];
                ASSERT_EQ(got[3], 255);
                ASSERT_EQ(static_cast<std::uint32_t>(got[0]), (stored >> 16) & 0xFF) << x << "," << y;
                ASSERT_EQ(static_cast<std::uint32_t>(got[1]), (stored >> 8) & 0xFF) << x << "," << y;
                ASSERT_EQ(static_cast<std::uint32_t>(got[2]), stored & 0xFF) << x << "," << y;
            }
        }
    }
}

TEST(BushoFace, ListsFacesAndRefusesBadInputInOneLine) {
    TempFolder folder;
    const auto archive = folder.Path() / "KAO_m.n12";
    WriteBytes(archive, BuildFaceArchive(Faces()));
    const Result list = RunBusho("faces " + Q(archive), folder);
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out, "FaceCount 2\n0: Width 7 Height 5 RowPixels 8 RowCount 6\n1: Width 9 Height 4 RowPixels 6 RowCount 4\n");

    const auto png = folder.Path() / "x.png";
    auto bad = BuildFaceArchive(Faces());
    bad[4] = 0;  // face count 0
    const auto badArchive = folder.Path() / "bad.n12";
    WriteBytes(badArchive, bad);
    const std::string cases[] = {
        "face " + Q(archive) + " 2 " + Q(png),
        "face " + Q(archive) + " -1 " + Q(png),
        "face " + Q(badArchive) + " 0 " + Q(png),
        "faces " + Q(badArchive),
        "faces " + Q(folder.Path() / "missing.n12"),
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(args);
        const Result r = RunBusho(args, folder);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_NE(r.err.find("busho: "), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(png));
    }
    EXPECT_NE(RunBusho(cases[3], folder).err.find("头像数小于 1"), std::string::npos);
    EXPECT_EQ(RunBusho("face " + Q(archive) + " one " + Q(png), folder).status, 2);
}

}  // namespace
}  // namespace busho
