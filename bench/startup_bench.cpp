// Start-up of `busho-editor --demo` until every window is shown, beside a bare Qt window, each run
// as a whole process under the offscreen platform.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

void RunProcess(benchmark::State& state, const std::string& command) {
    for (auto _ : state) {
        if (std::system((command + " >/dev/null 2>&1").c_str()) != 0) {
            state.SkipWithError(("failed: " + command).c_str());
            break;
        }
    }
}

void BM_EditorStartup(benchmark::State& state) {
    RunProcess(state, std::string("'") + BUSHO_EDITOR + "' --demo --edition tc --quit-after-startup");
}
BENCHMARK(BM_EditorStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void BM_BareQtWindow(benchmark::State& state) { RunProcess(state, std::string("'") + BARE_WINDOW + "'"); }
BENCHMARK(BM_BareQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The same window with one line of Chinese text: the cost of loading the CJK font once.
void BM_BareQtWindowWithChineseText(benchmark::State& state) { RunProcess(state, std::string("'") + BARE_WINDOW + "' --text"); }
BENCHMARK(BM_BareQtWindowWithChineseText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
