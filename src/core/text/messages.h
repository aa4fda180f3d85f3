#pragma once
// The interface texts (GBK bytes, made by the build from assets/interface_texts.txt) and the styles of
// the message boxes that show them.

#include <filesystem>
#include <string>

#include "core/text/interface_texts.h"

namespace busho {

// A message for the user: `text`, then `path` (in the platform's own file-name form), then `detail`.
struct Message {
    std::string text;  // GBK
    std::filesystem::path path;
    std::string detail;  // GBK
    std::string title;   // GBK; empty: no title of its own
    int style = 0;       // message-box style value (text_gbk::kStyle*)
};

}  // namespace busho

namespace busho::text_gbk {

// Message-box style values: icons combine by addition.
inline constexpr int kStyleOk = 0;
inline constexpr int kStyleCritical = 16;
inline constexpr int kStyleQuestion = 32;
inline constexpr int kStyleWarning = 48;
inline constexpr int kStyleInformation = 64;

}  // namespace busho::text_gbk
