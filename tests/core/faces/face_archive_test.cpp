#include <gtest/gtest.h>

#include <optional>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <fstream>
#include <functional>

#include "allocation_meter.h"
#include "core/text/messages.h"
#include "face_archive_writer.h"
#include "officer_fixtures.h"
#include "core/faces/face_archive.h"

namespace busho {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

// A stored pixel that names its face, column and row: blue = x, green = y, red = face, top byte junk.
std::uint32_t Pixel(int face, int x, int y) {
    return 0xAB000000u | (static_cast<std::uint32_t>(face) << 16) | (static_cast<std::uint32_t>(y) << 8) | static_cast<std::uint32_t>(x);
}

std::vector<FaceToWrite> ThreeFaces() {
    return {
        MakeFace(4, 3, 4, 3, [](int x, int y) { return Pixel(0, x, y); }),
        MakeFace(5, 4, 8, 6, [](int x, int y) { return Pixel(1, x, y); }),  // wider rows, extra rows
        MakeFace(6, 2, 3, 2, [](int x, int y) { return Pixel(2, x, y); }),  // screen wider than rows
    };
}

TEST(FaceArchive, ReadsAndDecodesEveryFaceUprightAndClipped) {
    TempFolder folder;
    const auto path = folder.Path() / "KAO_m.n12";
    WriteBytes(path, BuildFaceArchive(ThreeFaces()));
    FaceArchive archive;
    ASSERT_TRUE(archive.Open(path));
    ASSERT_EQ(archive.FaceCount(), 3);
    for (int k : {2, 0, 1}) {  // each read replaces the last
        SCOPED_TRACE(k);
        ASSERT_TRUE(archive.ReadKaoFace(k));
        const KaoFaceHeader& h = archive.FaceHeader();
        EXPECT_EQ(archive.FacePixels().size(), static_cast<std::size_t>(h.RowPixels * h.RowCount));
        const FaceImage image = archive.DecodedFace();
        ASSERT_EQ(image.Width, h.Width);
        ASSERT_EQ(image.Height, h.Height);
        for (int y = 0; y < image.Height; ++y) {
            for (int x = 0; x < image.Width; ++x) {
                const std::uint32_t expected = x < h.RowPixels ? (0xFF000000u | (Pixel(k, x, y) & 0xFFFFFFu)) : 0u;
                ASSERT_EQ(image.At(x, y), expected) << x << "," << y;
            }
        }
    }
}

struct Malformed {
    const char* name;
    std::function<void(std::vector<std::uint8_t>&)> breakIt;
    bool openFails;     // refused when opened, else when face `face` is read
    std::int32_t face;
    TextId reason;
};

void PutInt(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.at(at + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i));
}
std::int32_t GetInt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return static_cast<std::int32_t>(bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24));
}
// Position of face k's header, and of a field in it.
std::size_t FaceAt(const std::vector<std::uint8_t>& bytes, int k) { return static_cast<std::size_t>(GetInt(bytes, 12 + 20 * static_cast<std::size_t>(k) + 16)); }
constexpr std::size_t kWidth = 4, kHeight = 8, kRowPixels = 12, kRowCount = 16;

TEST(FaceArchive, RefusesMalformedArchivesWithTheirReason) {
    using enum TextId;
    const std::vector<Malformed> cases = {
        {"shorter than the header", [](auto& b) { b.resize(7); }, true, 0, kReasonFaceFileShort},
        {"face count 0", [](auto& b) { PutInt(b, 4, 0); }, true, 0, kReasonFaceCountBelowOne},
        {"face count -1", [](auto& b) { PutInt(b, 4, -1); }, true, 0, kReasonFaceCountBelowOne},
        {"face count beyond the file", [](auto& b) { PutInt(b, 4, 1 << 30); }, true, 0, kReasonFaceCountTooLarge},
        {"face count that overflows 32 bits when multiplied", [](auto& b) { PutInt(b, 4, 0x7FFFFFFF); }, true, 0, kReasonFaceCountTooLarge},
        {"offset beyond the file", [](auto& b) { PutInt(b, 12 + 20 + 16, static_cast<std::int32_t>(b.size())); }, false, 1, kReasonFaceOffsetOutside},
        {"negative offset", [](auto& b) { PutInt(b, 12 + 16, -40); }, false, 0, kReasonFaceOffsetOutside},
        {"pixels run past the end", [](auto& b) { b.resize(b.size() - 1); }, false, 2, kReasonFacePixelsPastEnd},
        {"height above the stored rows", [](auto& b) { PutInt(b, FaceAt(b, 0) + kHeight, 4); }, false, 0, kReasonFaceHeightOverRows},
        {"zero width", [](auto& b) { PutInt(b, FaceAt(b, 1) + kWidth, 0); }, false, 1, kReasonFaceBadSize},
        {"negative height", [](auto& b) { PutInt(b, FaceAt(b, 1) + kHeight, -5); }, false, 1, kReasonFaceBadSize},
        {"absurd width", [](auto& b) { PutInt(b, FaceAt(b, 1) + kWidth, 100000); }, false, 1, kReasonFaceBadSize},
        {"rows that overflow 32 bits", [](auto& b) { PutInt(b, FaceAt(b, 0) + kRowPixels, 0x40000000); PutInt(b, FaceAt(b, 0) + kRowCount, 0x40000000); }, false, 0, kReasonFaceBadSize},
        {"screen image larger than the file", [](auto& b) { PutInt(b, FaceAt(b, 2) + kWidth, 4000); PutInt(b, FaceAt(b, 2) + kHeight, 2); }, false, 2, kReasonFaceBadSize},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        auto bytes = BuildFaceArchive(ThreeFaces());
        c.breakIt(bytes);
        const auto path = folder.Path() / "bad.n12";
        WriteBytes(path, bytes);
        FaceArchive archive;
        const Status opened = archive.Open(path);
        if (c.openFails) {
            ASSERT_FALSE(opened);
            EXPECT_FALSE(archive.IsOpen());
            EXPECT_EQ(TextName(opened.problem().text), TextName(c.reason));
        } else {
            ASSERT_TRUE(opened) << DescribeGbk(opened.problem());
            const Status read = archive.ReadKaoFace(c.face);
            ASSERT_FALSE(read);
            EXPECT_EQ(TextName(read.problem().text), TextName(c.reason));
        }
    }
}

TEST(FaceArchive, IndexOutsideTheArchiveAndMissingFilesAreRefused) {
    TempFolder folder;
    const auto path = folder.Path() / "KAO_l.n12";
    WriteBytes(path, BuildFaceArchive(ThreeFaces()));
    FaceArchive archive;
    ASSERT_TRUE(archive.Open(path));
    for (std::int32_t k : {-1, 3, 1700}) {
        const Status read = archive.ReadKaoFace(k);
        ASSERT_FALSE(read) << k;
        EXPECT_EQ(DescribeGbk(read.problem()), FormatGbk(TextId::kReasonFaceIndexOutside, {std::int64_t{k}, std::int64_t{3}}));
    }
    EXPECT_TRUE(archive.ReadKaoFace(2));  // FaceCount - 1 is the last face
    FaceArchive missing;
    EXPECT_FALSE(missing.Open(folder.Path() / "none.n12"));
    EXPECT_FALSE(missing.ReadKaoFace(0));
}

TEST(FaceArchive, RefusedFaceLeavesTheLastGoodFace) {
    TempFolder folder;
    auto bytes = BuildFaceArchive(ThreeFaces());
    PutInt(bytes, FaceAt(bytes, 1) + kHeight, 99);
    const auto path = folder.Path() / "KAO_m.n12";
    WriteBytes(path, bytes);
    FaceArchive archive;
    ASSERT_TRUE(archive.Open(path));
    ASSERT_TRUE(archive.ReadKaoFace(0));
    EXPECT_FALSE(archive.ReadKaoFace(1));
    EXPECT_EQ(archive.FaceHeader().Width, 4);
    EXPECT_EQ(archive.DecodedFace().At(3, 2), 0xFF000000u | (Pixel(0, 3, 2) & 0xFFFFFFu));
}

// A 2 GiB archive (sparse on disk) whose face count fills it: refused on its count, without reading
// or allocating the index the header claims.
TEST(FaceArchive, HugeFaceCountIsRefusedWithoutReadingItsIndex) {
    TempFolder folder;
    const auto path = folder.Path() / "KAO_l.n12";
    const std::uint64_t size = std::uint64_t{2} << 30;
    const auto count = static_cast<std::int32_t>((size - kKaoHeaderSize) / kKaoIndexEntrySize);
    {
        std::vector<std::uint8_t> header = {'K', 'A', 'O', '\0'};
        for (int shift = 0; shift < 32; shift += 8) header.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(count) >> shift));
        header.resize(kKaoHeaderSize, 0);
        WriteBytes(path, header);
    }
    std::filesystem::resize_file(path, size);
    FaceArchive archive;
    std::size_t allocated = 0;
    std::optional<Status> opened;
    {
        testing::AllocationMeter meter;
        opened = archive.Open(path);
        allocated = meter.BytesAllocated();
    }
    ASSERT_FALSE(*opened);
    EXPECT_EQ(DescribeGbk(opened->problem()), FormatGbk(TextId::kReasonFaceCountTooLarge, {std::int64_t{count}}));
    EXPECT_LT(allocated, std::size_t{1} << 20);
}

// The largest index an archive may have is read as a whole.
TEST(FaceArchive, TheLargestFaceCountIsAccepted) {
    TempFolder folder;
    const auto path = folder.Path() / "KAO_s.n12";
    auto bytes = BuildFaceArchive(ThreeFaces());
    const std::int32_t count = kMaxFaceCount;
    for (int i = 0; i < 4; ++i) bytes[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(count >> (8 * i));
    // Room for one entry more, so that only the count itself can be refused below.
    bytes.resize(std::max(bytes.size(), kKaoHeaderSize + static_cast<std::size_t>(count + 1) * kKaoIndexEntrySize), 0);
    WriteBytes(path, bytes);
    FaceArchive archive;
    ASSERT_TRUE(archive.Open(path));
    EXPECT_EQ(archive.FaceCount(), count);
    bytes[4] = static_cast<std::uint8_t>(count + 1);  // one face more
    WriteBytes(path, bytes);
    EXPECT_FALSE(archive.Open(path));
}

// A FIFO or a folder under an archive's name is refused at once, never opened for reading.
TEST(FaceArchive, WhatIsNotARegularFileIsRefused) {
    TempFolder folder;
    std::vector<std::filesystem::path> notFiles{folder.Path()};
#ifndef _WIN32  // FIFOs are POSIX
    const auto fifo = folder.Path() / "KAO_m.n12";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    notFiles.insert(notFiles.begin(), fifo);
#endif
    FaceArchive archive;
    for (const auto& path : notFiles) {
        const Status opened = archive.Open(path);
        ASSERT_FALSE(opened);
        EXPECT_TRUE(opened.problem().Is(TextId::kReasonNotRegularFile));
    }
}

}  // namespace
}  // namespace busho
