#pragma once
#include <QString>

namespace busho {

// Trims the folder text, cuts it at its first control character (code 0..31) and trims again.
// A non-empty result always ends with a separator, so game paths can be appended to it.
QString NormaliseFolder(const QString& text);

}  // namespace busho
