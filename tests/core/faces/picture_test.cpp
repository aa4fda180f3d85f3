// Reading a user's picture: PNG, JPEG and BMP as they were written; unknown, broken, truncated and
// oversized files refused, the last two before their pixels are decoded, with the bytes allocated
// measured.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "allocation_meter.h"
#include "core/faces/picture.h"
#include "picture_files.h"

namespace busho {
namespace {

using testing::EncodePicture;
using testing::MakePicture;
using testing::PictureFormat;
using testing::WithClaimedSize;

const char* FormatName(PictureFormat f) { return f == PictureFormat::Png ? "PNG" : f == PictureFormat::Jpeg ? "JPEG" : "BMP"; }

// Smooth enough for JPEG to keep close to it, with every channel moving.
Picture Gradient(int width, int height) {
    return MakePicture(width, height, [&](int x, int y) {
        return static_cast<std::uint32_t>(x * 255 / width) << 16 | static_cast<std::uint32_t>(y * 255 / height) << 8 |
               static_cast<std::uint32_t>((x + y) * 127 / (width + height));
    });
}

double MeanError(const Picture& a, const Picture& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.Pixels.size(); ++i)
        for (int shift : {0, 8, 16}) sum += std::abs(static_cast<int>((a.Pixels[i] >> shift) & 0xFF) - static_cast<int>((b.Pixels[i] >> shift) & 0xFF));
    return sum / (3.0 * static_cast<double>(a.Pixels.size()));
}

TEST(DecodePicture, ReadsEachFormatAsItWasWritten) {
    const Picture source = Gradient(37, 23);
    struct Case {
        PictureFormat format;
        double maxMeanError;  // PNG and BMP keep every pixel; JPEG keeps them close
    };
    for (const Case c : {Case{PictureFormat::Png, 0.0}, Case{PictureFormat::Bmp, 0.0}, Case{PictureFormat::Jpeg, 2.0}}) {
        SCOPED_TRACE(FormatName(c.format));
        const auto decoded = DecodePicture(EncodePicture(c.format, source));
        ASSERT_TRUE(decoded) << static_cast<int>(decoded.problem().text);
        ASSERT_EQ(decoded->Width, 37);
        ASSERT_EQ(decoded->Height, 23);
        EXPECT_LE(MeanError(decoded.value(), source), c.maxMeanError);
        for (const std::uint32_t p : decoded->Pixels) ASSERT_EQ(p >> 24, 0xFFu);
    }
}

// 30000 x 30000 pixels claimed by the header, files cut short, and files that are no picture: each
// is refused with its reason, and what was allocated for it stays within the header's budget.
TEST(DecodePicture, RefusesHugeTruncatedAndUnknownFilesWithinTheHeaderBudget) {
    const Picture source = Gradient(64, 48);
    const auto png = EncodePicture(PictureFormat::Png, source);
    const auto jpeg = EncodePicture(PictureFormat::Jpeg, source);
    const auto bmp = EncodePicture(PictureFormat::Bmp, source);
    auto cut = [](const std::vector<std::uint8_t>& file, std::size_t keep) {
        return std::vector<std::uint8_t>(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(keep));
    };
    auto broken = [](std::vector<std::uint8_t> file, std::size_t at, std::uint8_t value) {
        file[at] = value;
        return file;
    };
    // The counts of the first Huffman table made to add up to 512 codes: the decoder's table holds 256.
    auto tooManyCodes = [](std::vector<std::uint8_t> file) {
        for (std::size_t at = 2; at + 21 < file.size(); ++at) {
            if (file[at] == 0xFF && file[at + 1] == 0xC4) {
                for (std::size_t i = 0; i < 16; ++i) file[at + 5 + i] = 0x20;
                break;
            }
        }
        return file;
    };
    struct Case {
        std::string name;
        std::vector<std::uint8_t> file;
        TextId reason;
    };
    const std::vector<Case> cases = {
        {"PNG of 30000 x 30000", WithClaimedSize(PictureFormat::Png, png, 30000, 30000), TextId::kReasonPictureTooLarge},
        {"JPEG of 30000 x 30000", WithClaimedSize(PictureFormat::Jpeg, jpeg, 30000, 30000), TextId::kReasonPictureTooLarge},
        {"BMP of 30000 x 30000", WithClaimedSize(PictureFormat::Bmp, bmp, 30000, 30000), TextId::kReasonPictureTooLarge},
        {"PNG of 16385 x 1", WithClaimedSize(PictureFormat::Png, png, 16385, 1), TextId::kReasonPictureTooLarge},
        {"PNG of 6000 x 4001", WithClaimedSize(PictureFormat::Png, png, 6000, 4001), TextId::kReasonPictureTooLarge},
        {"PNG without its end", cut(png, png.size() - 12), TextId::kReasonPictureTruncated},
        {"PNG cut in its pixels", cut(png, png.size() / 2), TextId::kReasonPictureTruncated},
        {"PNG cut in its header", cut(png, 20), TextId::kReasonPictureTruncated},
        {"PNG of bit depth 3", broken(png, 24, 3), TextId::kReasonPictureBroken},
        {"JPEG without its end", cut(jpeg, jpeg.size() - 2), TextId::kReasonPictureTruncated},
        {"JPEG cut in its pixels", cut(jpeg, jpeg.size() / 2), TextId::kReasonPictureTruncated},
        {"JPEG cut in its tables", cut(jpeg, 40), TextId::kReasonPictureTruncated},
        {"JPEG with a Huffman table of more than 256 codes", tooManyCodes(jpeg), TextId::kReasonPictureBroken},
        {"JPEG with a segment length of 1", broken(jpeg, 5, 1), TextId::kReasonPictureBroken},
        {"BMP cut in its pixels", cut(bmp, bmp.size() - 100), TextId::kReasonPictureTruncated},
        {"nothing", {}, TextId::kReasonPictureUnknown},
        {"text", {'h', 'e', 'l', 'l', 'o'}, TextId::kReasonPictureUnknown},
        {"PNG signature alone", cut(png, 8), TextId::kReasonPictureTruncated},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::size_t allocated = 0;
        DecodeCost cost;
        {
            testing::AllocationMeter meter;
            const auto decoded = DecodePicture(c.file, {}, &cost);
            allocated = meter.BytesAllocated();
            ASSERT_FALSE(decoded);
            EXPECT_EQ(decoded.problem().text, c.reason);
        }
        EXPECT_LE(allocated, PictureDecodeBudget(0, 0));
        EXPECT_LE(cost.peakBytes, PictureDecodeBudget(0, 0));
    }
}

TEST(DecodePicture, LimitsAreCheckedOnTheHeader) {
    const auto png = EncodePicture(PictureFormat::Png, Gradient(50, 20));
    struct Case {
        PictureLimits limits;
        bool accepted;
    };
    for (const Case c : {Case{{50, 1000}, true}, Case{{49, 1000}, false}, Case{{50, 999}, false}, Case{{100, 1000}, true}}) {
        SCOPED_TRACE(std::to_string(c.limits.maxSide) + " " + std::to_string(c.limits.maxPixels));
        const auto decoded = DecodePicture(png, c.limits);
        EXPECT_EQ(decoded.ok(), c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(decoded.problem().text, TextId::kReasonPictureTooLarge);
        }
    }
}

// A picture that is accepted costs no more than its stated bound: the decoder's budget for its size and
// the picture itself, four bytes a pixel.
TEST(DecodePicture, AcceptedPictureStaysWithinItsBudget) {
    const Picture source = Gradient(1200, 900);
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Jpeg, PictureFormat::Bmp}) {
        SCOPED_TRACE(FormatName(format));
        const auto file = EncodePicture(format, source);
        const std::int64_t pixels = std::int64_t{1200} * 900;
        std::size_t allocated = 0;
        DecodeCost cost;
        {
            testing::AllocationMeter meter;
            const auto decoded = DecodePicture(file, {}, &cost);
            allocated = meter.BytesAllocated();
            ASSERT_TRUE(decoded);
        }
        EXPECT_FALSE(cost.overBudget);
        EXPECT_GT(cost.peakBytes, static_cast<std::size_t>(pixels));  // the decoder did hold the pixels
        EXPECT_LE(cost.peakBytes, PictureDecodeBudget(pixels, file.size()));
        EXPECT_LE(allocated, 2 * PictureDecodeBudget(pixels, file.size()) + 4 * static_cast<std::size_t>(pixels));
    }
}

}  // namespace
}  // namespace busho
