#include "interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "gbk_text.h"

namespace busho::platform {

namespace {

constexpr const char* kInterfaceTextsContext = "InterfaceTexts";

struct LanguageNames {
    Language language;
    const char* code;
    const char16_t* ownName;
    QLocale::Language qtLanguage;
    QLocale::Script qtScript;
    QLocale::Territory qtTerritory;
};

constexpr LanguageNames kNames[] = {
    {Language::SimplifiedChinese, "zh_CN", u"简体中文", QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China},
    {Language::TraditionalChinese, "zh_TW", u"繁體中文", QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan},
    {Language::Japanese, "ja", u"日本語", QLocale::Japanese, QLocale::JapaneseScript, QLocale::Japan},
    {Language::English, "en", u"English", QLocale::English, QLocale::LatinScript, QLocale::UnitedStates},
};

const LanguageNames& NamesOf(Language language) { return kNames[static_cast<int>(language)]; }

}  // namespace

QString LanguageCode(Language language) { return QString::fromLatin1(NamesOf(language).code); }

std::optional<Language> LanguageFromCode(const QString& code) {
    for (const LanguageNames& names : kNames)
        if (code == QLatin1String(names.code)) return names.language;
    return std::nullopt;
}

QString LanguageOwnName(Language language) { return QString::fromUtf16(NamesOf(language).ownName); }

Language LanguageForLocale(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Chinese:
            if (locale.script() == QLocale::TraditionalChineseScript) return Language::TraditionalChinese;
            if (locale.script() == QLocale::SimplifiedChineseScript) return Language::SimplifiedChinese;
            switch (locale.territory()) {
                case QLocale::Taiwan:
                case QLocale::HongKong:
                case QLocale::Macao: return Language::TraditionalChinese;
                default: return Language::SimplifiedChinese;
            }
        case QLocale::Japanese: return Language::Japanese;
        case QLocale::English: return Language::English;
        default: return Language::SimplifiedChinese;
    }
}

Translators::Translators(QStringList folders) : folders_(std::move(folders)) {}

Translators::~Translators() {
    if (own_) QCoreApplication::removeTranslator(own_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
}

bool Translators::Use(Language language) {
    std::unique_ptr<QTranslator> own;
    bool found = true;
    if (language != Language::SimplifiedChinese) {
        own = std::make_unique<QTranslator>();
        found = false;
        for (const QString& folder : folders_) {
            if (own->load(QStringLiteral("busho_") + LanguageCode(language), folder)) {
                found = true;
                break;
            }
        }
        if (!found) {
            own.reset();
            language = Language::SimplifiedChinese;
        }
    }
    // Qt's own texts: from Qt's translations folder or, where Qt brings none (a program folder on
    // Windows), from the translations folder beside the program. English needs none.
    std::unique_ptr<QTranslator> qt;
    const LanguageNames& qtNames = NamesOf(language);
    if (language != Language::English) {
        const QLocale locale(qtNames.qtLanguage, qtNames.qtScript, qtNames.qtTerritory);
        QStringList qtFolders{QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
        qtFolders += folders_;
        qt = std::make_unique<QTranslator>();
        bool loaded = false;
        for (const QString& folder : qtFolders)
            if ((loaded = qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder))) break;
        if (!loaded) qt.reset();
    }
    if (own_) QCoreApplication::removeTranslator(own_.get());
    if (qt_) QCoreApplication::removeTranslator(qt_.get());
    own_ = std::move(own);
    qt_ = std::move(qt);
    if (qt_) QCoreApplication::installTranslator(qt_.get());
    if (own_) QCoreApplication::installTranslator(own_.get());
    current_ = language;
    return found;
}

QString InterfaceText(TextId id) {
    const QString source = FromGbk(GbkText(id));
    const QByteArray key = source.toUtf8();
    const QString translated = QCoreApplication::translate(kInterfaceTextsContext, key.constData(), TextName(id).data());
    // Without a translation translate() gives the UTF-8 source back: the decoded text is that already.
    return translated == source ? source : translated;
}

QString InterfaceText(const char* gbkText) {
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i)
        if (text_gbk::kAllInterfaceTexts[i].gbk.data() == gbkText) return InterfaceText(static_cast<TextId>(i));
    return FromGbk(gbkText);
}

QString CaptionText(std::string_view gbk) {
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i)
        if (text_gbk::kAllInterfaceTexts[i].gbk == gbk) return InterfaceText(static_cast<TextId>(i));
    const std::string_view base = text_gbk::kAppTitleBase;
    if (gbk.starts_with(base)) {
        for (const TextId suffix : {TextId::kAppTitleTc, TextId::kAppTitleJp})
            if (gbk.substr(base.size()) == GbkText(suffix)) return InterfaceText(TextId::kAppTitleBase) + InterfaceText(suffix);
    }
    return FromGbk(gbk);
}

QString FormatText(TextId id, const std::vector<TextArg>& args) {
    const QString text = InterfaceText(id);
    QString out;
    out.reserve(text.size() + 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') && text[i + 1] <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(text[i + 1].unicode() - u'1');
            if (n < args.size()) {
                ++i;
                std::visit(
                    [&](const auto& arg) {
                        using A = std::decay_t<decltype(arg)>;
                        if constexpr (std::is_same_v<A, std::int64_t>) out += QString::number(arg);
                        else if constexpr (std::is_same_v<A, std::string>) out += FromGbk(arg);
                        else if constexpr (std::is_same_v<A, TextId>) out += InterfaceText(arg);
                        else out += FormatText(arg->text, arg->args);
                    },
                    args[n]);
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString DescribeText(const Problem& problem, bool withFiles) {
    QString text = FormatText(problem.text, problem.args);
    if (withFiles && !problem.file.empty()) text += QString::fromStdU16String(problem.file.u16string());
    if (problem.cause) text += DescribeText(*problem.cause, withFiles);
    return text;
}

}  // namespace busho::platform
