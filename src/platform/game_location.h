#pragma once
// Where the game and the user's documents are: the registry on Windows, a settings file elsewhere.

#include <QString>

#include <cstdint>

namespace busho::platform {

// HKEY_CURRENT_USER\<subkey>, value <name>; empty when it is missing or holds one byte or less.
// On other systems the settings file stands in for the registry (see SettingsFilePath).
QString ReadRegistryText(const QString& subkey, const QString& valueName);

// The INI file read on systems without a registry: keys "tc/GameFolder", "jp/GameFolder" and
// "DocumentsFolder".
QString SettingsFilePath();
QString SettingsGameFolder(std::uint8_t edition);
QString SettingsDocumentsFolder();

// The editor's own setting in the same file: the dated backups a save keeps (key "DatedBackupsKept");
// `fallback` when it is not set or not a count from 0 to `most`.
int SettingsDatedBackupsKept(int fallback, int most);
void SetSettingsDatedBackupsKept(int kept);

}  // namespace busho::platform
