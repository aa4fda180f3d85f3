// What an undo history keeps: 1000 steps of each kind on a file of 999 officers, and the time the
// steps take. The figure is the history's live heap bytes once the steps are made (the counters
// "history_bytes" and "bytes_per_step").

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "allocation_meter.h"
#include "core/data/officer_file.h"
#include "core/editing/commit_officer.h"
#include "core/exchange/officer_rows.h"
#include "core/text/code_page.h"
#include "officer_fixtures.h"

namespace {

using namespace busho;

constexpr int kSteps = 1000;
constexpr int kOfficers = 998;  // room for the added ones is not needed: each add is undone before the next

std::unique_ptr<Session> LoadedSession() {
    auto session = std::make_unique<Session>();
    session->Edition = kEditionJapanese;
    if (!LoadGbkJisTables(session->Text.GbkSjis, BUSHO_BIN_DIR)) throw std::runtime_error("no code tables");
    const auto officers = testing::RandomOfficers(kOfficers, 21);
    for (int slot = 1; slot <= kOfficers + 1; ++slot) session->Officers[slot] = officers[static_cast<std::size_t>(slot - 1)];
    session->EndSlot = kOfficers + 1;
    for (int slot = 1; slot < session->EndSlot; ++slot) CopyToRoster(session->Officers, session->Roster, slot);
    session->FileLoaded = true;
    return session;
}

// Step k changes officer 1 + k % kOfficers: its leadership (修改), or its portrait (更改头像).
void Modify(Session& session, EditHistory& history, int k) {
    session.CurrentSlot = 1 + k % kOfficers;
    EditorValues v;
    ShowOfficer(session, session.CurrentSlot, v);
    v.txLTY = std::to_string(1 + k % 120);
    v.txLQY = std::to_string(1 + (k + 1) % 100);
    if (!CommitOfficer(session, history, v, CommitMode::Modify, {true, true})) throw std::runtime_error("commit refused");
}

void Portrait(Session& session, EditHistory& history, int k) {
    ChangeOfficerPortrait(session, history, 1 + k % kOfficers, 2000 + k);
}

void Import(Session& session, EditHistory& history, int k) {
    static const std::vector<std::string> names(kBuiltInOfficerCount);
    static const RowText text{[](std::string_view gbk) { return ToUtf8(CodePage::Gbk, gbk); },
                              [](std::string_view utf8) { return FromUtf8(CodePage::Gbk, utf8); }};
    const std::map<std::string, std::string> row = {{"slot", std::to_string(1 + k % kOfficers)}, {"Valour", std::to_string(1 + k % 120)}};
    if (!ImportRows(session, history, {row}, {2}, names, text).empty()) throw std::runtime_error("import refused");
}

using Step = void (*)(Session&, EditHistory&, int);

void BM_ThousandSteps(benchmark::State& state, Step step) {
    auto session = LoadedSession();
    std::size_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto history = std::make_unique<EditHistory>();
        state.ResumeTiming();
        {
            testing::AllocationMeter meter;
            for (int k = 0; k < kSteps; ++k) step(*session, *history, k);
            bytes = meter.BytesLive();
        }
        state.PauseTiming();
        while (history->Undo(*session)) {}
        if (history->StepCount() != static_cast<std::size_t>(kSteps)) throw std::runtime_error("a step was not kept");
        history.reset();
        state.ResumeTiming();
    }
    state.counters["history_bytes"] = static_cast<double>(bytes);
    state.counters["bytes_per_step"] = static_cast<double>(bytes) / kSteps;
}
BENCHMARK_CAPTURE(BM_ThousandSteps, modify, &Modify)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ThousandSteps, portrait, &Portrait)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ThousandSteps, import_row, &Import)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
