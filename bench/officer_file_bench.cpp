// Loading and saving the largest officer file the editor accepts: 999 officers and the end marker,
// each officer with random counts, so about 440 KB.

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

#include "core/data/officer_file.h"
#include "core/data/roster.h"
#include "officer_fixtures.h"

namespace {

using namespace busho;

constexpr int kOfficers = kSlotCount - 1;

const std::vector<std::uint8_t>& FullFile() {
    static const auto bytes = testing::BuildFileBytes(WrittenFileHeader(), testing::RandomOfficers(kOfficers, 7));
    return bytes;
}

void BM_ParseInMemory(benchmark::State& state) {
    const auto& bytes = FullFile();
    for (auto _ : state) {
        auto contents = ParseOfficerFile(bytes);
        benchmark::DoNotOptimize(contents);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseInMemory)->Unit(benchmark::kMillisecond);

void BM_SerializeInMemory(benchmark::State& state) {
    auto session = std::make_unique<Session>();
    auto contents = ParseOfficerFile(FullFile());
    if (!contents) throw std::runtime_error("the bench file does not load");
    session->Officers = contents->Officers;
    session->EndSlot = contents->EndSlot;
    for (auto _ : state) benchmark::DoNotOptimize(SerializeOfficerFile(*session));
}
BENCHMARK(BM_SerializeInMemory)->Unit(benchmark::kMillisecond);

void BM_LoadFromDisk(benchmark::State& state) {
    testing::TempFolder folder;
    const auto path = folder.Path() / "EDATA000.12Q";
    testing::WriteBytes(path, FullFile());
    FileEvents events;
    FileAccess files;
    auto session = std::make_unique<Session>();
    for (auto _ : state) benchmark::DoNotOptimize(LoadOfficerFileAt(*session, path, events, files, false));
}
BENCHMARK(BM_LoadFromDisk)->Unit(benchmark::kMillisecond);

// Backup copy, the new file written beside the old one, and the replace.
void BM_SaveToDisk(benchmark::State& state) {
    testing::TempFolder folder;
    const auto path = folder.Path() / "EDATA000.12Q";
    testing::WriteBytes(path, FullFile());
    FileEvents events;
    FileAccess files;
    auto session = std::make_unique<Session>();
    if (!LoadOfficerFileAt(*session, path, events, files, false)) throw std::runtime_error("the bench file does not load");
    // A save without the blank slot that pads the file is refused before anything is written.
    session->BlankSlotLoaded = LoadBlankSlot(BUSHO_BIN_DIR, session->BlankSlot).ok();
    for (auto _ : state) {
        if (!SaveAllOfficers(*session, events, files)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
}
BENCHMARK(BM_SaveToDisk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
