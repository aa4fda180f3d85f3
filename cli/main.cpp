// busho: the command-line tool on the editor's own core.
//   busho dump FILE      the officers of FILE as JSON
//   busho resave FILE    load FILE and save it back as the editor does (FILE.BAK first)

#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "data/officer_file.h"
#include "data/roster.h"
#include "gbk_console.h"
#include "officer_json.h"
#include "program_folder.h"

namespace {

using busho::cli::GbkToUtf8;

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// Errors go to stderr as one line naming the file and the reason; notices go to stdout.
class ConsoleEvents final : public busho::FileEvents {
public:
    void ShowMessage(const busho::Message& m) override {
        if (m.style & busho::text_gbk::kStyleCritical) {
            std::cerr << "busho: " << (m.path.empty() ? std::string() : m.path.string() + ": ")
                      << GbkToUtf8(m.detail.empty() ? m.text : m.detail) << '\n';
            failed = true;
        } else if (!quiet) {
            std::cout << GbkToUtf8(m.text) << m.path.string() << '\n';
        }
    }
    bool failed = false;
    bool quiet = false;
};

int Usage() {
    std::cerr << "usage: busho dump FILE\n"
                 "       busho resave FILE\n";
    return kExitUsage;
}

int Dump(const std::filesystem::path& file) {
    auto session = std::make_unique<busho::Session>();
    ConsoleEvents events;
    busho::FileAccess files;
    if (!busho::LoadOfficerFileAt(*session, file, events, files, false)) return kExitFailed;
    busho::cli::WriteOfficersJson(std::cout, *session);
    return std::cout.good() ? kExitOk : kExitFailed;
}

int Resave(const std::filesystem::path& file, const std::filesystem::path& programFolder) {
    auto session = std::make_unique<busho::Session>();
    ConsoleEvents events;
    busho::FileAccess files;
    busho::LoadBlankSlot(programFolder, session->BlankSlot);
    if (!busho::LoadOfficerFileAt(*session, file, events, files, false)) return kExitFailed;
    return busho::SaveAllOfficers(*session, events, files) ? kExitOk : kExitFailed;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 2 && args[0] == "dump") return Dump(args[1]);
    if (args.size() == 2 && args[0] == "resave") return Resave(args[1], busho::cli::ProgramFolder(argv[0]));
    return Usage();
}
