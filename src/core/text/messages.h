#pragma once
// The interface texts (GBK bytes, made by the build from assets/interface_texts.txt) and the styles of
// the message boxes that show them.

#include "core/text/interface_texts.h"

namespace busho::text_gbk {

// Message-box style values: icons combine by addition.
inline constexpr int kStyleOk = 0;
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleQuestion = 32;
inline constexpr int kStyleWarning = 48;
inline constexpr int kStyleInformation = 64;

}  // namespace busho::text_gbk
