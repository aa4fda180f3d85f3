// busho: the command-line tool on the editor's own core. `busho --help` tells its commands.

#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "busho_cli.h"
#include "message_language.h"
#include "core/os/folders.h"
#include "core/os/program_io.h"

int main(int argc, char** argv) {
    try {
        busho::UseUtf8BinaryOutput();
        const std::vector<std::string> args = busho::ProgramArguments(argc, argv);
        return busho::cli::RunBusho(args, busho::DataFolder(busho::ExecutableFolder(argv[0])), std::cout, std::cerr,
                                    busho::cli::MessageLocaleFromEnvironment());
    } catch (const std::exception& e) {
        // The last guard: whatever escapes a command ends busho with its reason, never with a signal.
        std::cerr << "busho: internal error: " << e.what() << '\n';
    } catch (...) {
        std::cerr << "busho: internal error\n";
    }
    return busho::cli::kExitUsage;
}
