// Problems name their text by identifier and are put into words only where they are shown: the
// arguments fill the markers, the reasons follow, and the same text comes out as before it was split.

#include <gtest/gtest.h>

#include "core/text/code_page.h"
#include "core/text/messages.h"
#include "core/text/problem.h"

namespace busho {
namespace {

std::string Utf8(const std::string& gbk) { return ToUtf8(CodePage::Gbk, gbk); }
std::string Gbk(const char* utf8) { return FromUtf8(CodePage::Gbk, utf8).value(); }

TEST(Problem, ArgumentsFillTheirMarkersInAnyOrder) {
    struct Case {
        TextId text;
        std::vector<TextArg> args;
        const char* expected;
    };
    const Case cases[] = {
        {TextId::kReasonCutOff, {std::int64_t{2}, std::int64_t{1234}}, "第 2 号武将的数据不完整：文件在偏移 1234 处结束"},
        {TextId::kReasonFaceHeightOverRows, {std::int64_t{7}, std::int64_t{-5}, std::int64_t{4}}, "第 7 号头像的高度大于存储的行数：-5 > 4"},
        // A text argument is another interface text; a string is taken as it stands.
        {TextId::kNumberRefused, {TextId::kLabelValour}, "武力 输入不符，请输入 -2147483648～2147483647 之间的整数"},
        {TextId::kTextJoined, {Gbk("武将"), TextId::kTitleNotice}, "武将提示"},
        // A missing argument leaves its marker; one too many is dropped.
        {TextId::kReasonFileTooShort, {}, "文件短于 %1 字节"},
        {TextId::kReasonNoFolder, {std::int64_t{9}}, "文件夹不存在"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TextName(c.text));
        EXPECT_EQ(Utf8(FormatGbk(c.text, c.args)), c.expected);
    }
}

TEST(Problem, AnArgumentIsNeverReadForMarkers) {
    // "%2" inside the first argument stays as it is: markers are found in the text only.
    EXPECT_EQ(FormatGbk(TextId::kTextJoined, {std::string("%2"), std::string("x")}), "%2x");
    // A marker right after a double-byte character is found.
    EXPECT_EQ(Utf8(FormatGbk(TextId::kReasonFaceIndexOutside, {std::int64_t{3}, std::int64_t{3}})), "头像编号超出档案范围：3 / 3");
}

TEST(Problem, DescriptionFollowsTheChainOfReasonsAndTheFiles) {
    const Problem problem = Problem(TextId::kReasonCannotCopyBecause).InFile("x.BAK").Because(Problem(TextId::kReasonNotRegularFile));
    EXPECT_EQ(Utf8(DescribeGbk(problem)), "无法复制文件：不是普通文件");
    EXPECT_EQ(Utf8(DescribeGbk(problem, [](const std::filesystem::path& p) { return "[" + p.string() + "]"; })),
              "无法复制文件：[x.BAK]不是普通文件");
}

TEST(Problem, ResultCarriesTheValueOrTheProblem) {
    Result<std::string> good(std::string("bytes"));
    ASSERT_TRUE(good);
    EXPECT_EQ(good.value(), "bytes");
    Result<std::string> bad = Problem(TextId::kReasonCannotRead).AtSlot(3).AtOffset(40).OfField("Leadership");
    ASSERT_FALSE(bad);
    EXPECT_TRUE(bad.problem().Is(TextId::kReasonCannotRead));
    EXPECT_EQ(bad.problem().slot, 3);
    EXPECT_EQ(bad.problem().offset, 40u);
    EXPECT_EQ(bad.problem().field, "Leadership");
    Status done;
    EXPECT_TRUE(done);
    Status failed = TextId::kReasonCannotClose;
    ASSERT_FALSE(failed);
    EXPECT_TRUE(failed.problem().Is(TextId::kReasonCannotClose));
}

TEST(Problem, MessagesTakeTheirTitleAndIconFromWhatTheySay) {
    struct Case {
        TextId text;
        std::optional<TextId> title;
        int style;
    };
    using namespace text_gbk;
    const Case cases[] = {
        {TextId::kTextOpenFirst, TextId::kTitleWrongChoice, kStyleInformation + kStyleCritical},
        {TextId::kTextLoadFailed, TextId::kTitleLoadError, kStyleCritical},
        {TextId::kTextWriteFailed, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kTextReplacedNotFlushed, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kCommitQuestion, TextId::kTitleNotice, kStyleWarning},
        {TextId::kTableFull, std::nullopt, kStyleWarning},
        {TextId::kFamilyNameRefused, std::nullopt, kStyleCritical},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(TextName(c.text));
        const Message m = MessageFor(Problem(c.text));
        EXPECT_EQ(m.title, c.title);
        EXPECT_EQ(m.style, c.style);
    }
    const Message load = MessageFor(Problem(TextId::kTextLoadFailed).InFile("E").Because(Problem(TextId::kReasonNoFolder)));
    EXPECT_EQ(Utf8(load.Text()), "无法读取武将存档，武将表保持不变：");
    EXPECT_EQ(Utf8(load.Reason()), "文件夹不存在");
}

TEST(Problem, IdentifiersNameTheirTexts) {
    EXPECT_EQ(TextName(TextId::kTitleNotice), "kTitleNotice");
    EXPECT_EQ(GbkText(TextId::kTitleNotice), text_gbk::kTitleNotice);
    // The last text of the list has the last identifier.
    const auto& all = text_gbk::kAllInterfaceTexts;
    const auto last = static_cast<TextId>(std::size(all) - 1);
    EXPECT_EQ(TextName(last), all[std::size(all) - 1].name);
}

}  // namespace
}  // namespace busho
