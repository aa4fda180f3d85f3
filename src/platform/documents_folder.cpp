#include "documents_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace busho::platform {
namespace {

std::filesystem::path ToPath(const QString& folder) {
    QString cleaned = QDir::cleanPath(folder);
    while (cleaned.size() > 1 && (cleaned.endsWith(QLatin1Char('/')) || cleaned.endsWith(QLatin1Char('\\'))) &&
           !cleaned.endsWith(QLatin1String(":/")))
        cleaned.chop(1);
    return std::filesystem::path(QDir::toNativeSeparators(cleaned).toStdU16String());
}

}  // namespace

std::filesystem::path DocumentsFolder() {
    // On Windows this is the shell's "personal" folder; elsewhere the XDG documents folder.
    return ToPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::filesystem::path ProgramFolder() { return ToPath(QCoreApplication::applicationDirPath()); }

}  // namespace busho::platform
