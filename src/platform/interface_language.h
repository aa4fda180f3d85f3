#pragma once
// The interface language: Simplified Chinese, the language the interface is written in, or a
// translation of it (Traditional Chinese, Japanese, English) from translations/*.ts, made into .qm
// files beside the program. Simplified Chinese loads no translation of ours, so its texts are the
// interface texts themselves, byte for byte.

#include <QString>
#include <QStringList>

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "core/text/problem.h"

class QLocale;
class QTranslator;

namespace busho::platform {

enum class Language { SimplifiedChinese, TraditionalChinese, Japanese, English };

inline constexpr Language kLanguages[] = {Language::SimplifiedChinese, Language::TraditionalChinese, Language::Japanese,
                                          Language::English};

// "zh_CN", "zh_TW", "ja", "en": the value of --language and of the setting, and the .qm files' suffix.
QString LanguageCode(Language language);
std::optional<Language> LanguageFromCode(const QString& code);
// Each language in its own name, as the 语言 menu lists it.
QString LanguageOwnName(Language language);
// The language for a system locale: Traditional Chinese for Taiwan, Hong Kong and Macau (and any
// Traditional-script Chinese), Japanese, English, otherwise Simplified Chinese.
Language LanguageForLocale(const QLocale& locale);

// The translators of one language at a time, installed in the application. Installing or removing
// a translator sends every window a LanguageChange event, on which it sets its texts again.
class Translators {
public:
    // `folders`: where busho_<code>.qm is looked for (the program's translations folder), in order.
    explicit Translators(QStringList folders);
    ~Translators();
    Translators(const Translators&) = delete;
    Translators& operator=(const Translators&) = delete;

    // Replaces the installed translators with those of `language`: ours (none for Simplified
    // Chinese) and Qt's own for its standard buttons. False when our .qm file was not found; the
    // interface then stays in Simplified Chinese.
    bool Use(Language language);
    Language Current() const { return current_; }

private:
    QStringList folders_;
    Language current_ = Language::SimplifiedChinese;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
};

// An interface text in the current language (its Simplified-Chinese text when none is installed).
QString InterfaceText(TextId id);
// The same for a text of text_gbk (text_gbk::kMenuEdit): other GBK text is only decoded.
QString InterfaceText(const char* gbkText);
// A GBK text shown as a caption: the interface text with exactly these bytes in the current
// language, or the program's title (kAppTitleBase with an edition's suffix) put together from its
// parts; anything else only decoded.
QString CaptionText(std::string_view gbk);
// The same with %1 … %9 replaced by the arguments, as FormatGbk does: a number as digits, GBK bytes
// decoded, another interface text in the current language.
QString FormatText(TextId id, const std::vector<TextArg>& args);
// A problem's text, its file in the platform's own form, then its causes, each right after the last.
QString DescribeText(const Problem& problem, bool withFiles = true);

}  // namespace busho::platform
