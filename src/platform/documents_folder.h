#pragma once
#include <filesystem>

namespace busho::platform {

// The current user's documents folder, without a trailing separator.
std::filesystem::path DocumentsFolder();

// The folder that holds the running program, where its data files lie.
std::filesystem::path ProgramFolder();

}  // namespace busho::platform
