// busho's messages in the four languages: by --language, else by the locale; Simplified Chinese is
// the interface texts as they have always been printed.

#include <gtest/gtest.h>

#include <iterator>
#include <set>

#include "busho_runner.h"
#include "message_translations.h"
#include "commands.h"
#include "message_language.h"

namespace busho {
namespace {

using testing::Busho;
using testing::CommandRun;
using testing::TempFolder;

struct LocaleCase {
    const char* locale;
    const char* language;
};

TEST(MessageLanguage, FollowsTheLocale) {
    const LocaleCase cases[] = {
        {"", "zh_CN"},          {"C", "zh_CN"},           {"C.UTF-8", "zh_CN"},       {"POSIX", "zh_CN"},
        {"zh_CN.UTF-8", "zh_CN"}, {"zh_SG", "zh_CN"},     {"zh_TW.UTF-8", "zh_TW"},   {"zh_HK.Big5-HKSCS", "zh_TW"},
        {"zh_MO", "zh_TW"},     {"zh_Hant_CN", "zh_TW"},  {"ja_JP.UTF-8", "ja"},      {"ja_JP.eucJP@euro", "ja"},
        {"ja", "ja"},           {"en_US.UTF-8", "en"},    {"en_GB", "en"},            {"en", "en"},
        {"fr_FR.UTF-8", "zh_CN"}, {"de", "zh_CN"},        {"jam_JM", "zh_CN"},        {"eng", "zh_CN"},
    };
    for (const LocaleCase& c : cases) EXPECT_EQ(cli::MessageLanguage::ForLocale(c.locale).Code(), c.language) << c.locale;
}

TEST(MessageLanguage, NamesOnlyTheFourLanguages) {
    for (const char* code : {"zh_CN", "zh_TW", "ja", "en"}) {
        const auto language = cli::MessageLanguage::Named(code);
        ASSERT_TRUE(language) << code;
        EXPECT_EQ(language->Code(), code);
    }
    for (const char* code : {"", "zh", "jp", "EN", "fr"}) EXPECT_FALSE(cli::MessageLanguage::Named(code)) << code;
}

// Every interface text has its translation in each language's table: a text added to the list
// without one, or a .ts file not brought up to date, fails here.
TEST(MessageLanguage, EveryTextIsTranslated) {
    ASSERT_EQ(std::size(cli::kTranslatedLanguages), 3u);
    for (const cli::LanguageTexts& language : cli::kTranslatedLanguages) {
        std::set<std::string_view> names;
        for (std::size_t i = 0; i < language.count; ++i) names.insert(language.texts[i].name);
        for (const auto& text : text_gbk::kAllInterfaceTexts) EXPECT_TRUE(names.count(text.name)) << language.language << ": " << text.name;
        EXPECT_EQ(names.size(), std::size(text_gbk::kAllInterfaceTexts)) << language.language;
    }
}

TEST(MessageLanguage, SimplifiedChineseIsTheInterfaceTextsAsBefore) {
    const cli::MessageLanguage chinese;
    const std::vector<TextArg> args = {std::int64_t{5}, std::string("\xce\xe4\xcc\xef"), TextId::kLabelDuty, std::int64_t{-1}};
    for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i) {
        const auto id = static_cast<TextId>(i);
        EXPECT_EQ(chinese.Format(id, args), cli::GbkToUtf8(FormatGbk(id, args))) << TextName(id);
        EXPECT_EQ(chinese.Text(id), cli::GbkToUtf8(GbkText(id))) << TextName(id);
    }
    const Problem problem = Problem(TextId::kTextLoadFailed).Because(Problem(TextId::kReasonCutOff, {std::int64_t{3}, std::int64_t{700}}));
    EXPECT_EQ(chinese.Describe(problem), cli::GbkToUtf8(DescribeGbk(problem)));
}

TEST(MessageLanguage, TranslationsFillTheirArguments) {
    const auto english = *cli::MessageLanguage::Named("en");
    const std::string text = english.Text(TextId::kReasonCutOff);
    ASSERT_NE(text, cli::GbkToUtf8(GbkText(TextId::kReasonCutOff)));
    const std::string filled = english.Format(TextId::kReasonCutOff, {std::int64_t{3}, std::int64_t{700}});
    std::string expected = text;
    expected.replace(expected.find("%1"), 2, "3");
    expected.replace(expected.find("%2"), 3, "700");
    EXPECT_EQ(filled, expected);
    // An interface text as an argument is translated too; GBK bytes become UTF-8.
    EXPECT_EQ(english.Format(TextId::kTipPick, {TextId::kFieldFather}).find(english.Text(TextId::kFieldFather)) != std::string::npos, true);
    EXPECT_EQ(english.Format(TextId::kTextAsIs, {std::string("\xce\xe4\xcc\xef")}), "\xe6\xad\xa6\xe7\x94\xb0");
    const Problem problem = Problem(TextId::kTextLoadFailed).Because(Problem(TextId::kReasonCannotRead));
    EXPECT_EQ(english.Describe(problem), english.Text(TextId::kTextLoadFailed) + english.Text(TextId::kReasonCannotRead));
}

// busho's own output: the reason a file cannot be read, in the language asked for.
class BushoLanguage : public ::testing::Test {
protected:
    CommandRun Resave(const std::string& options, const std::string& locale = {}) {
        std::ostringstream out, err;
        CommandRun run;
        run.status = cli::RunBusho(testing::Words(options + " resave " + testing::Quoted(missing)), BUSHO_BIN_DIR, out, err, locale);
        run.out = out.str();
        run.err = err.str();
        return run;
    }
    TempFolder folder;
    std::filesystem::path missing = folder.Path() / "no-such-folder" / "EDATA000.12Q";
};

TEST_F(BushoLanguage, LanguageOptionAndLocaleChooseTheMessages) {
    const CommandRun chinese = Resave("");
    ASSERT_EQ(chinese.status, cli::kExitFailed);
    const std::string reason = chinese.err.substr(chinese.err.rfind(": ") + 2);
    ASSERT_FALSE(reason.empty());
    struct Case {
        const char* options;
        const char* locale;
        const char* language;
    };
    const Case cases[] = {{"--language en", "", "en"},           {"--language ja", "zh_CN.UTF-8", "ja"},
                          {"--language zh_TW", "en_US", "zh_TW"}, {"--language zh_CN", "ja_JP.UTF-8", "zh_CN"},
                          {"", "ja_JP.UTF-8", "ja"},             {"", "zh_HK.UTF-8", "zh_TW"},
                          {"", "en_GB.UTF-8", "en"},             {"", "fr_FR.UTF-8", "zh_CN"}};
    for (const Case& c : cases) {
        const CommandRun run = Resave(c.options, c.locale);
        EXPECT_EQ(run.status, cli::kExitFailed) << c.options << c.locale;
        const std::string shown = run.err.substr(run.err.rfind(": ") + 2);
        if (std::string(c.language) == "zh_CN") {
            EXPECT_EQ(run.err, chinese.err) << c.options << c.locale;
        } else {
            EXPECT_NE(shown, reason) << c.options << c.locale;
            // The same reason as the Chinese one, in that language.
            bool found = false;
            const auto language = *cli::MessageLanguage::Named(c.language);
            for (std::size_t i = 0; i < std::size(text_gbk::kAllInterfaceTexts); ++i) {
                const auto id = static_cast<TextId>(i);
                if (cli::GbkToUtf8(GbkText(id)) + "\n" == reason) found = shown == language.Text(id) + "\n";
            }
            EXPECT_TRUE(found) << c.options << c.locale << ": " << shown;
        }
    }
    EXPECT_EQ(Resave("--language fr").status, cli::kExitUsage);
}

#ifndef _WIN32
TEST_F(BushoLanguage, TheProgramReadsTheLocaleFromItsEnvironment) {
    const CommandRun chinese = testing::RunCommand("LC_ALL= LC_MESSAGES= LANG=C.UTF-8 " + testing::Quoted(BUSHO_CLI_PATH) + " resave " +
                                                       testing::Quoted(missing), folder);
    const CommandRun japanese = testing::RunCommand("LC_ALL= LC_MESSAGES= LANG=ja_JP.UTF-8 " + testing::Quoted(BUSHO_CLI_PATH) +
                                                        " resave " + testing::Quoted(missing), folder);
    const CommandRun overridden = testing::RunCommand("LC_ALL=en_US.UTF-8 LANG=ja_JP.UTF-8 " + testing::Quoted(BUSHO_CLI_PATH) +
                                                          " resave " + testing::Quoted(missing), folder);
    EXPECT_EQ(chinese.err, Resave("").err);
    EXPECT_EQ(japanese.err, Resave("--language ja").err);
    EXPECT_EQ(overridden.err, Resave("--language en").err);
    EXPECT_NE(japanese.err, chinese.err);
}
#endif

}  // namespace
}  // namespace busho
