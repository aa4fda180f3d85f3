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

std::filesystem::path DataFolder() {
    const std::filesystem::path program = ProgramFolder();
    std::error_code ec;
    if (std::filesystem::exists(program / "Koei.Dat", ec)) return program;
    const std::filesystem::path installed = (program / ".." / "share" / "busho-editor").lexically_normal();
    if (std::filesystem::exists(installed / "Koei.Dat", ec)) return installed;
    return program;
}

}  // namespace busho::platform
