// The interface texts in the interface language: Simplified Chinese is the texts themselves, byte for
// byte; a translation replaces every text and fills in its arguments the same way; the language
// follows the system's locale when none was chosen.

#include <QLocale>
#include <QtTest>

#include <iterator>

#include "core/text/messages.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"

using namespace busho;
using namespace busho::platform;

namespace {

QStringList TranslationFolders() { return {QStringLiteral(BUSHO_BIN_DIR "/translations")}; }

// Arguments of every kind, more than any text uses: numbers, GBK bytes, another interface text.
const std::vector<TextArg> kArguments = {std::int64_t{12}, std::string("\xce\xe4\xcc\xef"), TextId::kLabelDuty,
                                         std::int64_t{-3}, std::string("x%1y"), TextId::kFieldFather};

// Texts that are meant to read the same in English: data the editor writes into the officer file
// (the blank officer and the default biography) and texts without words.
bool AlikeInEnglish(TextId id) {
    switch (id) {
        case TextId::kBlankFamilyName:
        case TextId::kBlankGivenName:
        case TextId::kBlankBiography:
        case TextId::kDefaultBiography:
        case TextId::kRandomBiographyEnd:
        case TextId::kTextOver: return true;
        default: break;
    }
    const QString text = FromGbk(GbkText(id));
    if (std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); })) return true;
    // The spreadsheet readers' texts are English already.
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

class InterfaceLanguageTest : public QObject {
    Q_OBJECT
private slots:
    void simplifiedChineseIsTheInterfaceTextsByteForByte();
    void everyTextIsTranslated_data();
    void everyTextIsTranslated();
    void argumentsAreFilledInTheTranslation();
    void languageFollowsTheSystemLocale_data();
    void languageFollowsTheSystemLocale();
    void codesAndOwnNames();
    void aMissingTranslationLeavesSimplifiedChinese();
};

void InterfaceLanguageTest::simplifiedChineseIsTheInterfaceTextsByteForByte() {
    Translators translators(TranslationFolders());
    QVERIFY(translators.Use(Language::English));
    QVERIFY(translators.Use(Language::SimplifiedChinese));  // and back: nothing of English is left
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i) {
        const auto id = static_cast<TextId>(i);
        const QByteArray name(TextName(id).data(), static_cast<qsizetype>(TextName(id).size()));
        QCOMPARE(InterfaceText(id), FromGbk(GbkText(id)));
        QCOMPARE(InterfaceText(text_gbk::kAllInterfaceTexts[i].gbk.data()), FromGbk(GbkText(id)));
        QVERIFY2(FormatText(id, kArguments) == FromGbk(FormatGbk(id, kArguments)), name.constData());
        QVERIFY2(FormatText(id, {}) == FromGbk(FormatGbk(id, {})), name.constData());
        QCOMPARE(CaptionText(GbkText(id)), FromGbk(GbkText(id)));
    }
    const Problem problem = Problem(TextId::kTextLoadFailed)
                                .InFile("/tmp/EDATA000.12s")
                                .Because(Problem(TextId::kReasonTacticCount, {std::int64_t{7}, std::int64_t{40}}));
    QCOMPARE(DescribeText(problem, false), FromGbk(DescribeGbk(problem)));
    // The title of each edition, as the main window shows it.
    for (const std::string suffix : {text_gbk::kAppTitleTc, text_gbk::kAppTitleJp}) {
        const std::string title = std::string(text_gbk::kAppTitleBase) + suffix;
        QCOMPARE(CaptionText(title), FromGbk(title));
    }
}

void InterfaceLanguageTest::everyTextIsTranslated_data() {
    QTest::addColumn<int>("language");
    QTest::newRow("zh_TW") << static_cast<int>(Language::TraditionalChinese);
    QTest::newRow("ja") << static_cast<int>(Language::Japanese);
    QTest::newRow("en") << static_cast<int>(Language::English);
}

void InterfaceLanguageTest::everyTextIsTranslated() {
    QFETCH(int, language);
    Translators translators(TranslationFolders());
    QVERIFY(translators.Use(static_cast<Language>(language)));
    QCOMPARE(static_cast<int>(translators.Current()), language);
    int changed = 0;
    QStringList alike;
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i) {
        const auto id = static_cast<TextId>(i);
        const QString source = FromGbk(GbkText(id));
        const QString shown = InterfaceText(id);
        QVERIFY(!shown.isEmpty() || source.isEmpty());
        // Each %n of the text is still there to be filled in.
        for (int n = 1; n <= 9; ++n) {
            const QString marker = QStringLiteral("%%1").arg(n);
            QVERIFY2(source.contains(marker) == shown.contains(marker), qPrintable(shown));
        }
        if (shown != source) ++changed;
        else if (static_cast<Language>(language) == Language::English && !AlikeInEnglish(id)) alike << source;
    }
    QVERIFY2(alike.isEmpty(), qPrintable(alike.join(QLatin1Char('\n'))));
    QVERIFY2(changed > static_cast<int>(std::size(text_gbk::kAllInterfaceTexts)) / 2, qPrintable(QString::number(changed)));
}

void InterfaceLanguageTest::argumentsAreFilledInTheTranslation() {
    Translators translators(TranslationFolders());
    QVERIFY(translators.Use(Language::English));
    const QString filled = FormatText(TextId::kBackupChanges, {std::int64_t{3}, std::int64_t{0}, std::int64_t{12}});
    QCOMPARE(filled, InterfaceText(TextId::kBackupChanges).arg(3).arg(0).arg(12));
    QVERIFY(!filled.contains(QLatin1Char('%')));
    // An interface text as an argument is in the same language; GBK bytes are decoded; a marker
    // without its argument stays.
    const QString pick = FormatText(TextId::kTipPick, {TextId::kFieldFather});
    QCOMPARE(pick, InterfaceText(TextId::kTipPick).replace(QStringLiteral("%1"), InterfaceText(TextId::kFieldFather)));
    QVERIFY(pick != FromGbk(FormatGbk(TextId::kTipPick, {TextId::kFieldFather})));
    QVERIFY(FormatText(TextId::kTipPick, {}).contains(QStringLiteral("%1")));
    QCOMPARE(FormatText(TextId::kTextAsIs, {std::string("\xce\xe4\xcc\xef")}), QStringLiteral("武田"));
    // The causes follow the text, each in English too.
    const Problem problem = Problem(TextId::kTextLoadFailed).Because(Problem(TextId::kReasonCannotRead));
    QCOMPARE(DescribeText(problem, false), InterfaceText(TextId::kTextLoadFailed) + InterfaceText(TextId::kReasonCannotRead));
}

void InterfaceLanguageTest::languageFollowsTheSystemLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("language");
    const auto row = [](const char* locale, Language language) { QTest::newRow(locale) << QString::fromLatin1(locale) << static_cast<int>(language); };
    row("zh_CN", Language::SimplifiedChinese);
    row("zh_SG", Language::SimplifiedChinese);
    row("zh_TW", Language::TraditionalChinese);
    row("zh_HK", Language::TraditionalChinese);
    row("zh_MO", Language::TraditionalChinese);
    row("zh_Hant_CN", Language::TraditionalChinese);
    row("ja_JP", Language::Japanese);
    row("en_US", Language::English);
    row("en_GB", Language::English);
    row("fr_FR", Language::SimplifiedChinese);
    row("ko_KR", Language::SimplifiedChinese);
    row("C", Language::SimplifiedChinese);
}

void InterfaceLanguageTest::languageFollowsTheSystemLocale() {
    QFETCH(QString, locale);
    QFETCH(int, language);
    QCOMPARE(static_cast<int>(LanguageForLocale(QLocale(locale))), language);
}

void InterfaceLanguageTest::codesAndOwnNames() {
    QStringList names;
    for (const Language language : kLanguages) {
        QCOMPARE(LanguageFromCode(LanguageCode(language)), std::optional<Language>(language));
        names << LanguageOwnName(language);
    }
    QCOMPARE(names, (QStringList{QStringLiteral("简体中文"), QStringLiteral("繁體中文"), QStringLiteral("日本語"), QStringLiteral("English")}));
    for (const char* wrong : {"", "zh", "zh_cn", "jp", "EN", "fr"}) QVERIFY2(!LanguageFromCode(QString::fromLatin1(wrong)), wrong);
}

void InterfaceLanguageTest::aMissingTranslationLeavesSimplifiedChinese() {
    Translators translators({QStringLiteral(BUSHO_BIN_DIR "/no-such-folder")});
    QVERIFY(!translators.Use(Language::Japanese));
    QCOMPARE(static_cast<int>(translators.Current()), static_cast<int>(Language::SimplifiedChinese));
    QCOMPARE(InterfaceText(TextId::kMenuEdit), FromGbk(text_gbk::kMenuEdit));
}

QTEST_GUILESS_MAIN(InterfaceLanguageTest)
#include "interface_language_test.moc"
