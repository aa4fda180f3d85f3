#pragma once
// Qt's own texts (the standard buttons 是/否, 确定, 取消 and the like) in the interface language.

class QCoreApplication;

namespace busho::platform {

// Installs Qt's Simplified-Chinese translations, from Qt's translations folder or, where Qt brings
// none (a program folder on Windows), from the translations folder beside the program.
// False when none was found; the buttons then stay in English.
bool InstallQtTranslations(QCoreApplication& app);

}  // namespace busho::platform
