#pragma once
// Paths of the game and of the documents folder are written the Windows way ("Grp\KAO_l.n12");
// this is the one place that turns them into the platform's own.

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>

namespace busho {

inline std::filesystem::path NativeRelativePath(std::string_view windowsPath) {
    std::string native(windowsPath);
    if constexpr (std::filesystem::path::preferred_separator != '\\') std::replace(native.begin(), native.end(), '\\', '/');
    return std::filesystem::path(native).relative_path();
}

// A path with each missing part replaced by an existing entry of the same name in another case
// (a game installed under Wine keeps the names of its Windows files, in whatever case).
std::filesystem::path ResolveIgnoringCase(const std::filesystem::path& path);

// A file of the game: the game folder joined with its relative path, found whatever the case of its names.
inline std::filesystem::path GamePath(const std::filesystem::path& gameFolder, std::string_view windowsRelative) {
    const std::filesystem::path path = gameFolder / NativeRelativePath(windowsRelative);
    if constexpr (std::filesystem::path::preferred_separator != '\\') return ResolveIgnoringCase(path);
    return path;
}

// The face archives and voice samples, relative to the game folder.
inline constexpr const char kStandardLargeFaces[] = "Grp\\KAO_l.n12";
inline constexpr const char kStandardMediumFaces[] = "Grp\\KAO_m.n12";
inline constexpr const char kStandardSmallFaces[] = "Grp\\KAO_s.n12";
inline constexpr const char kEditLargeFaces[] = "Grp\\EDIT_KAO_l.n12";
inline constexpr const char kEditMediumFaces[] = "Grp\\EDIT_KAO_m.n12";
inline constexpr const char kEditSmallFaces[] = "Grp\\EDIT_KAO_s.n12";
inline constexpr const char* kVoicePathPrefix[6] = {
    "snd\\VOICE\\SE_VOICE_DIGNITY_", "snd\\VOICE\\SE_VOICE_BRAVE_",  "snd\\VOICE\\SE_VOICE_CLEVER_",
    "snd\\VOICE\\SE_VOICE_YOUNG_",   "snd\\VOICE\\SE_VOICE_NORMAL_", "snd\\VOICE\\SE_VOICE_WOMAN_",
};

}  // namespace busho
