#pragma once
// Interface text is GBK bytes inside the system; widgets take QString. This is the one crossing.

#include <QString>

#include <string>
#include <string_view>

namespace busho::platform {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);

}  // namespace busho::platform
