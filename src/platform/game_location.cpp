#include "game_location.h"
#include "core/os/registry.h"
#include "core/text/edition_codec.h"

#include <QSettings>

namespace busho::platform {
namespace {

QSettings UserSettings() { return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("BushoEditor"), QStringLiteral("busho-editor")); }

}  // namespace

QString ReadRegistryText(const QString& subkey, const QString& valueName) {
    return QString::fromStdString(ReadCurrentUserRegistryText(subkey.toStdString(), valueName.toStdString()));
}

QString SettingsFilePath() { return UserSettings().fileName(); }

QString SettingsGameFolder(std::uint8_t edition) {
    return UserSettings().value(edition == kEditionTraditionalChinese ? QStringLiteral("tc/GameFolder") : QStringLiteral("jp/GameFolder")).toString();
}

QString SettingsDocumentsFolder() { return UserSettings().value(QStringLiteral("DocumentsFolder")).toString(); }

}  // namespace busho::platform
