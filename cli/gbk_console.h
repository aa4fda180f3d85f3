#pragma once
// Interface texts are GBK; the terminal takes UTF-8.

#include <optional>
#include <string>

namespace busho::cli {

std::string GbkToUtf8(const std::string& gbk);
// Nothing when the text holds a character that GBK lacks.
std::optional<std::string> Utf8ToGbk(const std::string& utf8);

}  // namespace busho::cli
