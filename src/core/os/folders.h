#pragma once
// The folders the programs start from: their own, their data files', the user's documents.
// Paths without a trailing separator.

#include <filesystem>

namespace busho {

// The folder that holds the running executable; argv0 is the fallback where the system cannot say.
std::filesystem::path ExecutableFolder(const char* argv0);

// Where the data files lie: beside the executable (the build folder, a Windows program folder), or in
// share/busho-editor of an installation (bin/../share/busho-editor).
std::filesystem::path DataFolder(const std::filesystem::path& executableFolder);

// The user's documents folder: on Windows the shell's Documents folder; elsewhere the XDG setting
// (XDG_DOCUMENTS_DIR in $XDG_CONFIG_HOME/user-dirs.dirs, else ~/.config/user-dirs.dirs), else ~/Documents.
std::filesystem::path UserDocumentsFolder();

// The XDG documents folder as the user-dirs.dirs text sets it ("$HOME/..." or an absolute path); empty
// when it does not set one.
std::filesystem::path DocumentsFolderFromUserDirs(const std::string& userDirs, const std::filesystem::path& home);

}  // namespace busho
