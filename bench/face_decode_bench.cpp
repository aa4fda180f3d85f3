// Decoding faces from an open archive: one large face, and one picker page of 15 medium faces.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "face_archive_writer.h"
#include "officer_fixtures.h"
#include "core/faces/face_archive.h"

namespace {

using namespace busho;

struct OpenArchive {
    testing::TempFolder folder;
    FaceArchive archive;
    OpenArchive(int count, int width, int height) {
        std::vector<FaceToWrite> faces;
        for (int k = 0; k < count; ++k)
            faces.push_back(MakeFace(width, height, (width + 15) / 16 * 16, (height + 7) / 8 * 8,
                                     [k](int x, int y) { return static_cast<std::uint32_t>(k * 7919 + x * 31 + y); }));
        const auto path = folder.Path() / "KAO.n12";
        testing::WriteBytes(path, BuildFaceArchive(faces));
        if (!archive.Open(path)) throw std::runtime_error("cannot open the bench archive");
    }
};

void BM_DecodeLargeFace(benchmark::State& state) {
    OpenArchive large(200, 96, 120);
    std::int32_t k = 0;
    for (auto _ : state) {
        if (!large.archive.ReadKaoFace(k)) throw std::runtime_error("a bench face cannot be read");
        benchmark::DoNotOptimize(large.archive.DecodedFace());
        k = (k + 37) % 200;
    }
}
BENCHMARK(BM_DecodeLargeFace)->Unit(benchmark::kMicrosecond);

void BM_DecodeMediumPage(benchmark::State& state) {
    OpenArchive medium(1630, 56, 70);
    std::int32_t page = 0;
    for (auto _ : state) {
        for (std::int32_t k = page * 15; k < page * 15 + 15; ++k) {
            if (!medium.archive.ReadKaoFace(k)) throw std::runtime_error("a bench face cannot be read");
            benchmark::DoNotOptimize(medium.archive.DecodedFace());
        }
        page = (page + 13) % 108;
    }
}
BENCHMARK(BM_DecodeMediumPage)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
