#include "game_location.h"
#include "core/os/registry.h"
#include "core/text/edition_codec.h"

#include <QSettings>

namespace busho::platform {
namespace {

QString EditionKey(std::uint8_t edition, const QString& name) {
    return (edition == kEditionTraditionalChinese ? QStringLiteral("tc/") : QStringLiteral("jp/")) + name;
}

}  // namespace

QString ReadRegistryText(const QString& subkey, const QString& valueName) {
    return QString::fromStdString(ReadCurrentUserRegistryText(subkey.toStdString(), valueName.toStdString()));
}

QString SettingsFilePath() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("BushoEditor"), QStringLiteral("busho-editor")).fileName();
}

SettingsFile::SettingsFile(QString path) : path_(path.isEmpty() ? SettingsFilePath() : std::move(path)) {}

QString SettingsFile::GameFolder(std::uint8_t edition) const {
    return QSettings(path_, QSettings::IniFormat).value(EditionKey(edition, QStringLiteral("GameFolder"))).toString();
}

void SettingsFile::SetGameFolder(std::uint8_t edition, const QString& folder) {
    QSettings(path_, QSettings::IniFormat).setValue(EditionKey(edition, QStringLiteral("GameFolder")), folder);
}

QString SettingsFile::DocumentsFolder() const {
    return QSettings(path_, QSettings::IniFormat).value(QStringLiteral("DocumentsFolder")).toString();
}

void SettingsFile::SetDocumentsFolder(const QString& folder) {
    QSettings(path_, QSettings::IniFormat).setValue(QStringLiteral("DocumentsFolder"), folder);
}

std::optional<QRect> SettingsFile::WindowPlace(std::uint8_t edition, const QString& window) const {
    const QVariant value = QSettings(path_, QSettings::IniFormat).value(EditionKey(edition, window));
    if (!value.canConvert<QRect>()) return std::nullopt;
    const QRect place = value.toRect();
    if (!place.isValid()) return std::nullopt;
    return place;
}

void SettingsFile::SetWindowPlace(std::uint8_t edition, const QString& window, const QRect& place) {
    QSettings(path_, QSettings::IniFormat).setValue(EditionKey(edition, window), place);
}

int SettingsFile::DatedBackupsKept(int fallback, int most) const {
    bool isNumber = false;
    const int kept = QSettings(path_, QSettings::IniFormat).value(QStringLiteral("DatedBackupsKept")).toInt(&isNumber);
    return isNumber && kept >= 0 && kept <= most ? kept : fallback;
}

void SettingsFile::SetDatedBackupsKept(int kept) {
    QSettings(path_, QSettings::IniFormat).setValue(QStringLiteral("DatedBackupsKept"), kept);
}

QString SettingsFile::Language() const {
    return QSettings(path_, QSettings::IniFormat).value(QStringLiteral("Language")).toString();
}

void SettingsFile::SetLanguage(const QString& code) {
    QSettings(path_, QSettings::IniFormat).setValue(QStringLiteral("Language"), code);
}

}  // namespace busho::platform
