#include "message_language.h"

#include <algorithm>
#include <cstdlib>

#include "message_translations.h"
#include "core/text/code_page.h"

namespace busho::cli {
namespace {

std::string Utf8(std::string_view gbk) { return ToUtf8(CodePage::Gbk, gbk); }

}  // namespace

std::optional<MessageLanguage> MessageLanguage::Named(std::string_view code) {
    if (code == "zh_CN") return MessageLanguage();
    for (const LanguageTexts& texts : kTranslatedLanguages) {
        if (texts.language == code) {
            MessageLanguage language;
            language.texts_ = &texts;
            return language;
        }
    }
    return std::nullopt;
}

MessageLanguage MessageLanguage::ForLocale(std::string_view locale) {
    // language[_territory][.codeset][@modifier]
    const std::string_view name = locale.substr(0, locale.find_first_of(".@"));
    const std::string_view language = name.substr(0, name.find('_'));
    const char* code = "zh_CN";
    if (language == "zh") {
        const std::string_view rest = name.size() > 3 ? name.substr(3) : std::string_view();
        if (rest == "TW" || rest == "HK" || rest == "MO" || rest.starts_with("Hant")) code = "zh_TW";
    } else if (language == "ja") {
        code = "ja";
    } else if (language == "en") {
        code = "en";
    }
    return *Named(code);
}

std::string MessageLanguage::Code() const { return texts_ ? std::string(texts_->language) : std::string("zh_CN"); }

std::string MessageLanguage::Text(TextId id) const {
    if (texts_) {
        const std::string_view name = TextName(id);
        const TranslatedText* end = texts_->texts + texts_->count;
        const TranslatedText* found =
            std::lower_bound(texts_->texts, end, name, [](const TranslatedText& t, std::string_view n) { return t.name < n; });
        if (found != end && found->name == name) return std::string(found->utf8);
    }
    return Utf8(GbkText(id));
}

std::string MessageLanguage::Format(TextId id, const std::vector<TextArg>& args) const {
    if (!texts_) return Utf8(FormatGbk(id, args));
    const std::string text = Text(id);
    std::string out;
    out.reserve(text.size() + 16);
    // In UTF-8 every byte of a multi-byte character is 0x80 or above: a '%' is always a character.
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                ++i;
                std::visit(
                    [&](const auto& arg) {
                        using A = std::decay_t<decltype(arg)>;
                        if constexpr (std::is_same_v<A, std::int64_t>) out += std::to_string(arg);
                        else if constexpr (std::is_same_v<A, std::string>) out += Utf8(arg);
                        else if constexpr (std::is_same_v<A, TextId>) out += Text(arg);
                        else out += Format(arg->text, arg->args);
                    },
                    args[n]);
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::string MessageLanguage::Describe(const Problem& problem) const {
    if (!texts_) return Utf8(DescribeGbk(problem));
    std::string out = Format(problem.text, problem.args);
    if (problem.cause) out += Describe(*problem.cause);
    return out;
}

std::string MessageLocaleFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value) return value;
    return {};
}

}  // namespace busho::cli
