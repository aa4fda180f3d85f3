// Start-up of `busho-editor --demo` until every window is shown and painted once, beside a bare Qt
// window that shows one line of Chinese until it is painted, each a whole process under the offscreen
// platform. The programs take turns in every round (the order reversed each round), so that both see
// the same machine; the figures are medians over the rounds. Peak memory is the child's maximum
// resident set as the kernel reports it when the child ends.
//
// Usage: bench_startup [--rounds N]

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "figures.h"

extern char** environ;

namespace {

using namespace busho;

constexpr double kTimeGoal = 3.0;    // editor / bare window with Chinese text
constexpr double kMemoryGoal = 1.5;  // editor / bare window with Chinese text

struct Program {
    std::string name;
    std::vector<std::string> arguments;
    std::vector<double> ms;
    std::vector<double> peakMiB;
    std::vector<double> cpuMs;  // user and system time of the child: what a busy machine adds to `ms` is not in it
};

// Runs the program to its end with its output discarded; false when it could not start or failed.
bool RunOnce(Program& program) {
    std::vector<char*> argv;
    for (auto& a : program.arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
    program.ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    program.peakMiB.push_back(static_cast<double>(usage.ru_maxrss) / 1024.0);  // KiB on Linux
    auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0; };
    program.cpuMs.push_back(ms(usage.ru_utime) + ms(usage.ru_stime));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    int rounds = 20;
    for (int a = 1; a + 1 < argc; ++a)
        if (std::strcmp(argv[a], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[a + 1]));
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Window places and settings of the user's own are neither read nor written.
    const std::string settings = (std::filesystem::temp_directory_path() / "bench_startup_settings.ini").string();
    std::filesystem::remove(settings);

    std::vector<Program> programs = {
        {"bare Qt window, one line of Chinese", {BARE_WINDOW, "--text"}, {}, {}, {}},
        {"bare Qt window, empty", {BARE_WINDOW}, {}, {}, {}},
        {"busho-editor --demo, Traditional-Chinese edition", {BUSHO_EDITOR, "--demo", "--edition", "tc", "--quit-when-shown", "--settings", settings}, {}, {}, {}},
        {"busho-editor --demo, Japanese edition", {BUSHO_EDITOR, "--demo", "--edition", "jp", "--quit-when-shown", "--settings", settings}, {}, {}, {}},
    };
    // One unmeasured round first: the programs and libraries into the page cache.
    for (auto& p : programs) {
        if (!RunOnce(p)) {
            std::fprintf(stderr, "bench_startup: %s did not run to its end\n", p.arguments[0].c_str());
            return 1;
        }
        p.ms.clear();
        p.peakMiB.clear();
        p.cpuMs.clear();
    }
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            Program& p = programs[round % 2 ? programs.size() - 1 - k : k];
            if (!RunOnce(p)) {
                std::fprintf(stderr, "bench_startup: %s did not run to its end\n", p.arguments[0].c_str());
                return 1;
            }
        }
    }

    std::printf("Start-up until every window is painted once, whole processes, offscreen: %d rounds, programs in turn\n", rounds);
    const double bareMs = bench::Median(programs[0].ms), bareMiB = bench::Median(programs[0].peakMiB);
    for (const Program& p : programs) {
        const double ms = bench::Median(p.ms), peak = bench::Median(p.peakMiB);
        std::printf("  %-52s median %6.1f ms  p99 %6.1f ms  processor %6.1f ms  peak %6.1f MiB\n", p.name.c_str(), ms,
                    bench::Percentile(p.ms, 99), bench::Median(p.cpuMs), peak);
    }
    for (std::size_t k = 2; k < programs.size(); ++k) {
        const double ms = bench::Median(programs[k].ms), peak = bench::Median(programs[k].peakMiB);
        bench::PrintFigure(programs[k].name + ": time / bare window",
                           bench::Format("%.2fx (%.1f / %.1f ms)", ms / bareMs, ms, bareMs),
                           bench::Format("<= %.1fx", kTimeGoal), ms / bareMs <= kTimeGoal);
        std::printf("  (processor time: %.2fx)\n", bench::Median(programs[k].cpuMs) / bench::Median(programs[0].cpuMs));
        bench::PrintFigure(programs[k].name + ": peak memory / bare window",
                           bench::Format("%.2fx (%.1f / %.1f MiB)", peak / bareMiB, peak, bareMiB),
                           bench::Format("<= %.1fx", kMemoryGoal), peak / bareMiB <= kMemoryGoal);
    }
    std::filesystem::remove(settings);
    return 0;
}
