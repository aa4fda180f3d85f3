// A player's picture made into faces: the crop dialog redraws the three faces at every move of the
// frame, so making them from a photograph's crop is measured here; and decoding a photograph of the
// largest size accepted, as PNG and as JPEG.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "core/faces/face_archive_edit.h"
#include "core/faces/picture.h"
#include "picture_files.h"

namespace {

using namespace busho;

Picture Photo(int width, int height) {
    return testing::MakePicture(width, height, [&](int x, int y) {
        return static_cast<std::uint32_t>((x * 255 / width) << 16 | (y * 255 / height) << 8 | ((x ^ y) & 0xFF));
    });
}

// The three faces of the demo game's sizes from a crop of the given height out of a 6000 x 4000 photograph.
void BM_ThreeFacesFromCrop(benchmark::State& state) {
    static const Picture photo = Photo(6000, 4000);
    const int cropHeight = static_cast<int>(state.range(0));
    const CropRect crop{100, 0, cropHeight * 4 / 5, cropHeight};
    const int sizes[3][4] = {{96, 120, 96, 128}, {56, 70, 64, 72}, {40, 50, 48, 56}};
    for (auto _ : state) {
        for (const auto& size : sizes) {
            KaoFaceHeader model;
            model.Width = size[0];
            model.Height = size[1];
            model.RowPixels = size[2];
            model.RowCount = size[3];
            benchmark::DoNotOptimize(MakeFacePixels(model, {}, photo, crop));
        }
    }
}
BENCHMARK(BM_ThreeFacesFromCrop)->Arg(400)->Arg(1600)->Arg(4000)->Unit(benchmark::kMillisecond);

void BM_DecodePhotograph(benchmark::State& state) {
    const auto format = static_cast<testing::PictureFormat>(state.range(0));
    const auto file = testing::EncodePicture(format, Photo(6000, 4000));
    for (auto _ : state) {
        auto picture = DecodePicture(file);
        if (!picture) throw std::runtime_error("the bench photograph does not decode");
        benchmark::DoNotOptimize(picture);
    }
    state.SetLabel(format == testing::PictureFormat::Png ? "PNG 6000x4000" : "JPEG 6000x4000");
}
BENCHMARK(BM_DecodePhotograph)->Arg(static_cast<int>(testing::PictureFormat::Png))->Arg(static_cast<int>(testing::PictureFormat::Jpeg))
    ->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
