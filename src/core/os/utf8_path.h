#pragma once
// Paths from and to UTF-8 text. A std::string becomes a path byte by byte on Linux but through the
// ANSI code page on Windows, where Chinese and Japanese names would not survive; char8_t text is
// UTF-8 on both.

#include <filesystem>
#include <string>
#include <string_view>

namespace busho {

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string PathToUtf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace busho
