#pragma once
// Where the game and the user's documents are: the registry on Windows, a settings file elsewhere;
// and what the editor remembers between runs (the folders chosen, where its windows were).

#include <QRect>
#include <QString>

#include <cstdint>
#include <optional>

namespace busho::platform {

// HKEY_CURRENT_USER\<subkey>, value <name>; empty when it is missing or holds one byte or less.
// On other systems the settings file stands in for the registry (see SettingsFile).
QString ReadRegistryText(const QString& subkey, const QString& valueName);

// The user's INI file of settings (on Linux ~/.config/BushoEditor/busho-editor.ini), or another one
// given by its path. Keys: "tc/GameFolder", "jp/GameFolder", "DocumentsFolder", and per edition the
// windows' places, "tc/Form1" … "jp/Form3": the frame's top-left corner and the inside size.
class SettingsFile {
public:
    explicit SettingsFile(QString path = {});
    const QString& Path() const { return path_; }

    QString GameFolder(std::uint8_t edition) const;
    void SetGameFolder(std::uint8_t edition, const QString& folder);
    QString DocumentsFolder() const;
    void SetDocumentsFolder(const QString& folder);

    // A window's place as it was left: frame position and inside size; nothing when never stored.
    std::optional<QRect> WindowPlace(std::uint8_t edition, const QString& window) const;
    void SetWindowPlace(std::uint8_t edition, const QString& window, const QRect& place);

    // The dated backups a save keeps (key "DatedBackupsKept"); `fallback` when it is not set or not a
    // count from 0 to `most`.
    int DatedBackupsKept(int fallback, int most) const;
    void SetDatedBackupsKept(int kept);

    // The interface language chosen in 系统 → 语言 (key "Language": zh_CN, zh_TW, ja or en); empty
    // when never chosen.
    QString Language() const;
    void SetLanguage(const QString& code);

private:
    QString path_;
};

// The user's own settings file.
QString SettingsFilePath();

}  // namespace busho::platform
