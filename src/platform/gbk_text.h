#pragma once
// Interface text is GBK bytes inside the system; widgets take QString. This is the one crossing.

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace busho::platform {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);

// The characters of a text that GBK cannot hold (ToGbk replaces them), each once, in order.
std::vector<char32_t> CharactersNotInGbk(const QString& text);

}  // namespace busho::platform
