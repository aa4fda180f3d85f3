#pragma once
#include <filesystem>

namespace busho::platform {

// The current user's documents folder, without a trailing separator.
std::filesystem::path DocumentsFolder();

// The folder that holds the running program.
std::filesystem::path ProgramFolder();

// Where the data files lie: beside the program in the build folder, or in share/busho-editor of an
// installation (bin/../share/busho-editor).
std::filesystem::path DataFolder();

}  // namespace busho::platform
