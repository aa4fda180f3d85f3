#pragma once
#include <filesystem>

namespace busho::cli {

// The folder that holds this executable, where the data files lie beside it.
std::filesystem::path ProgramFolder(const char* argv0);

}  // namespace busho::cli
