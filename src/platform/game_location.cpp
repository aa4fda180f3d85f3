#include "game_location.h"
#include "core/text/edition_codec.h"

#include <QSettings>

namespace busho::platform {
namespace {

QSettings UserSettings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("BushoEditor"), QStringLiteral("busho-editor")); }

}  // namespace

QString ReadRegistryText(const QString& subkey, const QString& valueName) {
#ifdef Q_OS_WIN
    if (subkey.isEmpty()) return {};
    QSettings registry(QStringLiteral("HKEY_CURRENT_USER\\") + subkey, QSettings::NativeFormat);
    const QString value = registry.value(valueName).toString();
    return value.size() <= 1 ? QString() : value;
#else
    (void)subkey;
    (void)valueName;
    return {};
#endif
}

QString SettingsFilePath() { return UserSettings().fileName(); }

QString SettingsGameFolder(std::uint8_t edition) {
    return UserSettings().value(edition == kEditionTraditionalChinese ? QStringLiteral("tc/GameFolder") : QStringLiteral("jp/GameFolder")).toString();
}

QString SettingsDocumentsFolder() { return UserSettings().value(QStringLiteral("DocumentsFolder")).toString(); }

int SettingsDatedBackupsKept(int fallback, int most) {
    bool isNumber = false;
    const int kept = UserSettings().value(QStringLiteral("DatedBackupsKept")).toInt(&isNumber);
    return isNumber && kept >= 0 && kept <= most ? kept : fallback;
}

void SetSettingsDatedBackupsKept(int kept) { UserSettings().setValue(QStringLiteral("DatedBackupsKept"), kept); }

}  // namespace busho::platform
