// A user's picture on any bytes: decoded within its limits, or refused with a reason; what is decoded
// has the pixels its size says and can be made into a face.

#include <cstdint>
#include <cstdlib>

#include "core/faces/picture.h"
#include "core/faces/picture_scaling.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Small limits keep each run quick; the header check before them is the same.
    const busho::PictureLimits limits{1024, 1 << 18};
    busho::DecodeCost cost;
    const auto picture = busho::DecodePicture({data, size}, limits, &cost);
    if (cost.peakBytes > busho::PictureDecodeBudget(limits.maxPixels, size)) std::abort();
    if (!picture) {
        if (busho::DescribeGbk(picture.problem()).empty()) std::abort();
        return 0;
    }
    if (picture->Width < 1 || picture->Height < 1 || picture->Width > limits.maxSide || picture->Height > limits.maxSide ||
        picture->Pixels.size() != static_cast<std::size_t>(picture->Width) * static_cast<std::size_t>(picture->Height))
        std::abort();
    const auto face = busho::ScaleCrop(picture.value(), busho::CentredCrop(busho::WholePicture(picture.value()), 24, 30), 24, 30);
    if (face.size() != 24u * 30u) std::abort();
    return 0;
}
