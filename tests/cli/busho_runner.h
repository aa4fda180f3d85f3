#pragma once
// Runs the busho executable as a user would, capturing its exit status and output.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/wait.h>

#include "officer_fixtures.h"

namespace busho::testing {

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string Slurp(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// Runs a shell command line; status -1 when it ended by a signal.
inline CommandRun RunCommand(const std::string& commandLine, const TempFolder& folder) {
    const auto out = folder.Path() / "stdout.txt";
    const auto err = folder.Path() / "stderr.txt";
    const std::string command = commandLine + " >" + Quoted(out) + " 2>" + Quoted(err);
    const int raw = std::system(command.c_str());
    CommandRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(out);
    run.err = Slurp(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

inline CommandRun Busho(const std::string& args, const TempFolder& folder) {
    return RunCommand(Quoted(BUSHO_CLI_PATH) + " " + args, folder);
}

}  // namespace busho::testing
