#include "normalise_folder.h"

#include <QDir>

namespace busho {
namespace {

QString TrimSpaces(const QString& text) {
    qsizetype first = 0, last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

}  // namespace

QString NormaliseFolder(const QString& text) {
    QString folder = TrimSpaces(text);
    if (folder.isEmpty()) return {};
    for (qsizetype i = 0; i < folder.size(); ++i) {
        if (folder[i].unicode() < 32) {
            folder = TrimSpaces(folder.left(i));
            break;
        }
    }
    if (folder.isEmpty()) return {};
    if (!folder.endsWith(QLatin1Char('\\')) && !folder.endsWith(QLatin1Char('/'))) folder += QDir::separator();
    return folder;
}

}  // namespace busho
