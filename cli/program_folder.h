#pragma once
#include <filesystem>

namespace busho::cli {

// Where the data files lie: beside this executable, or in share/busho-editor of an installation.
std::filesystem::path ProgramFolder(const char* argv0);
// The folder that holds this executable.
std::filesystem::path ExecutableFolder(const char* argv0);

}  // namespace busho::cli
