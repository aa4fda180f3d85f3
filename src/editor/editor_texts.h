#pragma once
// Interface texts of the editor window, in GBK. Tests decode each and compare it with its comment.

namespace busho::text_gbk {

// 本多
inline constexpr const char kBlankFamilyName[] = "\xb1\xbe\xb6\xe0";
// 柯尔
inline constexpr const char kBlankGivenName[] = "\xbf\xc2\xb6\xfb";
// 本多家一柯尔也,猪头,猪脑,猪屁屁
inline constexpr const char kBlankBiography[] = "\xb1\xbe\xb6\xe0\xbc\xd2\xd2\xbb\xbf\xc2\xb6\xfb\xd2\xb2,\xd6\xed\xcd\xb7,\xd6\xed\xc4\xd4,\xd6\xed\xc6\xa8\xc6\xa8";
// 1555年 尾张統一
inline constexpr const char kScenario1555[] = "1555\xc4\xea \xce\xb2\xd5\xc5\xbdy\xd2\xbb";
// 1561年 龍虎相擊つ
inline constexpr const char kScenario1561[] = "1561\xc4\xea \xfd\x88\xbb\xa2\xcf\xe0\x93\xf4\xa4\xc4";
// 1570年 義弟離反
inline constexpr const char kScenario1570[] = "1570\xc4\xea \xc1x\xb5\xdc\xebx\xb7\xb4";
// 1582年 梦幻の如く
inline constexpr const char kScenario1582[] = "1582\xc4\xea \xc3\xce\xbb\xc3\xa4\xce\xc8\xe7\xa4\xaf";
// 嵗
inline constexpr const char kAgeSuffix[] = "\x8d\xc0";
//   元服前
inline constexpr const char kNotOfAge[] = "  \xd4\xaa\xb7\xfe\xc7\xb0";
// 革新QorvaneFOR [中日文PK通用版V1222]!
inline constexpr const char kAppTitleBase[] = "\xb8\xef\xd0\xc2QorvaneFOR [\xd6\xd0\xc8\xd5\xce\xc4PK\xcd\xa8\xd3\xc3\xb0\xe6V1222]!";
//    中文版修改
inline constexpr const char kAppTitleTc[] = "   \xd6\xd0\xce\xc4\xb0\xe6\xd0\xde\xb8\xc4";
//    日文版修改
inline constexpr const char kAppTitleJp[] = "   \xc8\xd5\xce\xc4\xb0\xe6\xd0\xde\xb8\xc4";
// 数据读入中- - - - - - -
inline constexpr const char kReadingRowCaption[] = "\xca\xfd\xbe\xdd\xb6\xc1\xc8\xeb\xd6\xd0- - - - - - -";
// 武将一览表
inline constexpr const char kListCaption[] = "\xce\xe4\xbd\xab\xd2\xbb\xc0\xc0\xb1\xed";
// 继续吗??
inline constexpr const char kContinueQuestion[] = "\xbc\xcc\xd0\xf8\xc2\xf0??";
// 无法读取代码表，游戏文字将无法正确转换：
inline constexpr const char kTextTablesMissing[] = "\xce\xde\xb7\xa8\xb6\xc1\xc8\xa1\xb4\xfa\xc2\xeb\xb1\xed\xa3\xac\xd3\xce\xcf\xb7\xce\xc4\xd7\xd6\xbd\xab\xce\xde\xb7\xa8\xd5\xfd\xc8\xb7\xd7\xaa\xbb\xbb\xa3\xba";
// 代码表错误
inline constexpr const char kTitleTables[] = "\xb4\xfa\xc2\xeb\xb1\xed\xb4\xed\xce\xf3";

}  // namespace busho::text_gbk
