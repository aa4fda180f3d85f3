#pragma once
// Runs busho's commands as a user's command line would, capturing the exit status and the output:
// in-process through RunBusho (fast, and sanitizers see it), or the real executable for the few tests
// that are about the program itself. Paths in a command line are UTF-8, as busho reads them on every
// system.

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#endif

#include "busho_cli.h"
#include "core/os/utf8_path.h"
#include "core/text/code_page.h"
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

// The quote of the system's command interpreter: cmd.exe knows only double quotes.
#ifdef _WIN32
inline constexpr char kQuote = '"';
#else
inline constexpr char kQuote = '\'';
#endif

inline std::string Quoted(const std::filesystem::path& p) { return kQuote + PathToUtf8(p) + kQuote; }

// Words as a shell splits them: at blanks, except inside quotes (which Quoted writes).
inline std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (const char c : line) {
        if (c == kQuote) {
            quoted = !quoted;
            inWord = true;
        } else if (c == ' ' && !quoted) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

// busho's commands in this process, with the data files of the build folder.
inline CommandRun Busho(const std::string& args, const TempFolder&) {
    std::ostringstream out, err;
    CommandRun run;
    run.status = cli::RunBusho(Words(args), BUSHO_BIN_DIR, out, err);
    run.out = out.str();
    run.err = err.str();
    return run;
}

// Runs a command line through the system's shell (cmd.exe on Windows); status -1 when it ended by a
// signal.
inline CommandRun RunCommand(const std::string& commandLine, const TempFolder& folder) {
    const auto out = folder.Path() / "stdout.txt";
    const auto err = folder.Path() / "stderr.txt";
    const std::string command = commandLine + " >" + Quoted(out) + " 2>" + Quoted(err);
    CommandRun run;
#ifdef _WIN32
    // cmd.exe /c drops the first and the last quote of a line that starts with one; the line is given
    // as UTF-16, so that Chinese and Japanese names reach the program whole.
    const std::u16string wide = Utf8ToUtf16("\"" + command + "\"");
    run.status = ::_wsystem(reinterpret_cast<const wchar_t*>(wide.c_str()));
#else
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    run.out = Slurp(out);
    run.err = Slurp(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return run;
}

// The busho executable, run through the shell.
inline CommandRun BushoProgram(const std::string& args, const TempFolder& folder) {
    return RunCommand(Quoted(BUSHO_CLI_PATH) + " " + args, folder);
}

}  // namespace busho::testing
