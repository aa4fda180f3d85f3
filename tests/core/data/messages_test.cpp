// Interface texts say exactly what they are known to say, in GBK.

#include <gtest/gtest.h>

#include "core/text/code_page.h"
#include "core/text/messages.h"

namespace busho {
namespace {

std::string GbkToUtf8(const char* gbk) {
    const auto text = DecodeExactly(CodePage::Gbk, gbk);
    EXPECT_TRUE(text) << gbk;
    return Utf16ToUtf8(text.value_or(std::u16string()));
}

TEST(Messages, DecodeToTheirTexts) {
    using namespace text_gbk;
    const std::pair<const char*, const char*> cases[] = {
        {kTextOpenFirst, "请先打开武将存档文件!!!!如果没有武将存档,请先运行游戏进入登陆武将一次!!"},
        {kTitleWrongChoice, "选择错误"},
        {kTextBackedUp, "已经备份原有武将库为："},
        {kTitleNotice, "提示"},
        {kTextOver, "OVer"},
        {kTextLoadingCaption, "载入中 - - - - - - -- - - - - "},
        {kTitleLoadError, "读取错误"},
        {kTextLoadFailed, "无法读取武将存档，武将表保持不变："},
        {kTitleSaveError, "保存错误"},
        {kTextBackupFailed, "无法备份武将存档，未写入任何内容："},
        {kTextWriteFailed, "无法写入武将存档，原存档和备份均未改变："},
        {kReasonNoFolder, "文件夹不存在"},
        {kReasonCannotOpen, "无法打开或创建文件"},
        {kReasonCannotRead, "无法读取文件"},
        {kReasonTacticCount, "第 %1 号武将的战法数为 %2，超出 0～31"},
        {kReasonNoEndMarker, "存档中有 1000 名武将而没有结束标记，超出武将表的容量"},
        {kReasonNoOriginal, "原存档不存在"},
        {kReasonCannotCreateNew, "无法创建新文件"},
        {kReasonWriteCutShort, "写入中途失败"},
        {kReasonCannotReplace, "无法用新文件替换原文件%1"},
        {kReasonNotRegularFile, "不是普通文件"},
        {kReasonFileTooLarge, "文件超过上限 %1 字节"},
        {kReasonFileTooShort, "文件短于 %1 字节"},
        {kReasonCannotFlush, "无法将文件写入磁盘"},
        {kReasonCannotClose, "无法关闭文件"},
        {kReasonFolderNotFlushed, "无法将文件夹写入磁盘"},
        {kTextReplacedNotFlushed, "已用新文件替换武将存档，但无法确认已写入磁盘："},
        {kTextBlankSlotMissing, "无法读取空白武将数据 BK.DAT，未写入任何内容："},
    };
    for (const auto& [gbk, utf8] : cases) EXPECT_EQ(GbkToUtf8(gbk), utf8);
}

}  // namespace
}  // namespace busho
