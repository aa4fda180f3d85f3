#include "folders.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#include <shlobj.h>
#endif

namespace busho {
namespace {

constexpr std::size_t kLargestUserDirsFile = 64 * 1024;  // a handful of lines

std::filesystem::path WithoutTrailingSeparator(std::filesystem::path path) {
    while (path.has_relative_path() && !path.has_filename()) path = path.parent_path();
    return path;
}

#ifndef _WIN32
std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}
#endif

}  // namespace

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code ec;
#ifdef _WIN32
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD len = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (len == 0) break;
        if (len < buffer.size()) return std::filesystem::path(buffer.substr(0, len)).parent_path();
        buffer.resize(buffer.size() * 2);
    }
#else
    const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (!ec) return self.parent_path();
#endif
    const auto fromArg = std::filesystem::absolute(argv0 ? argv0 : ".", ec);
    return ec ? std::filesystem::current_path(ec) : fromArg.parent_path();
}

std::filesystem::path DataFolder(const std::filesystem::path& executableFolder) {
    std::error_code ec;
    if (std::filesystem::exists(executableFolder / "Koei.Dat", ec)) return executableFolder;
    const std::filesystem::path installed = (executableFolder / ".." / "share" / "busho-editor").lexically_normal();
    if (std::filesystem::exists(installed / "Koei.Dat", ec)) return WithoutTrailingSeparator(installed);
    return executableFolder;
}

std::filesystem::path DocumentsFolderFromUserDirs(const std::string& userDirs, const std::filesystem::path& home) {
    std::istringstream lines(userDirs);
    std::string line;
    std::filesystem::path found;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string key = "XDG_DOCUMENTS_DIR=";
        const auto start = line.find_first_not_of(" \t");
        if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
        std::string value = line.substr(start + key.size());
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
        const std::string homeVariable = "$HOME";
        if (value.compare(0, homeVariable.size(), homeVariable) == 0) {
            std::string rest = value.substr(homeVariable.size());
            while (!rest.empty() && rest.front() == '/') rest.erase(rest.begin());
            found = rest.empty() ? home : home / rest;
        } else if (!value.empty() && value.front() == '/') {
            found = value;
        }
    }
    return found.empty() ? found : WithoutTrailingSeparator(found.lexically_normal());
}

std::filesystem::path UserDocumentsFolder() {
#ifdef _WIN32
    PWSTR folder = nullptr;
    std::filesystem::path documents;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_Documents, 0, nullptr, &folder))) documents = folder;
    CoTaskMemFree(folder);
    return WithoutTrailingSeparator(documents);
#else
    const std::filesystem::path home = Environment("HOME");
    std::filesystem::path config = Environment("XDG_CONFIG_HOME");
    if (config.empty()) config = home / ".config";
    std::ifstream in(config / "user-dirs.dirs", std::ios::binary);
    if (in) {
        std::string text;
        text.resize(kLargestUserDirsFile);
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(in.gcount()));
        const auto fromSetting = DocumentsFolderFromUserDirs(text, home);
        if (!fromSetting.empty()) return fromSetting;
    }
    return WithoutTrailingSeparator(home / "Documents");
#endif
}

}  // namespace busho
