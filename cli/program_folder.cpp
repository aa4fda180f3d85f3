#include "program_folder.h"

#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace busho::cli {

std::filesystem::path ProgramFolder(const char* argv0) {
    const std::filesystem::path program = ExecutableFolder(argv0);
    std::error_code ec;
    if (std::filesystem::exists(program / "Koei.Dat", ec)) return program;
    // An installation keeps the data files in share/busho-editor beside bin.
    const std::filesystem::path installed = (program / ".." / "share" / "busho-editor").lexically_normal();
    if (std::filesystem::exists(installed / "Koei.Dat", ec)) return installed;
    return program;
}

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
#ifdef _WIN32
    wchar_t buffer[MAX_PATH];
    const DWORD len = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    if (len > 0 && len < MAX_PATH) return std::filesystem::path(std::wstring(buffer, len)).parent_path();
#else
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    const auto fromArg = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    if (!ec) return fromArg.parent_path();
    return std::filesystem::current_path(ec);
}

}  // namespace busho::cli
