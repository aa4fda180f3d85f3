#pragma once
// The language of busho's messages: the interface texts as they are (Simplified Chinese), or their
// translation into Traditional Chinese, Japanese or English from the table the build makes of
// translations/*.ts. Everything comes out as UTF-8.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/text/problem.h"

namespace busho::cli {

struct LanguageTexts;

class MessageLanguage {
public:
    MessageLanguage() = default;  // Simplified Chinese

    // zh_CN, zh_TW, ja or en; nothing for any other name.
    static std::optional<MessageLanguage> Named(std::string_view code);
    // The language for a POSIX locale name such as "ja_JP.UTF-8": zh_TW, zh_HK and zh_MO (and a
    // Traditional-script zh) for Traditional Chinese, ja, en; anything else is Simplified Chinese.
    static MessageLanguage ForLocale(std::string_view locale);

    std::string Code() const;
    // An interface text, and one with %1 … %9 replaced as FormatGbk does.
    std::string Text(TextId id) const;
    std::string Format(TextId id, const std::vector<TextArg>& args) const;
    // A problem with its causes, as DescribeGbk puts them together without files.
    std::string Describe(const Problem& problem) const;

private:
    const LanguageTexts* texts_ = nullptr;
};

// The locale that the environment asks messages to be in: LC_ALL, else LC_MESSAGES, else LANG.
std::string MessageLocaleFromEnvironment();

}  // namespace busho::cli
