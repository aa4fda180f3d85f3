#include "gbk_text.h"

#include "core/text/code_page.h"

namespace busho::platform {

QString FromGbk(std::string_view gbk) { return QString::fromStdU16String(Decode(CodePage::Gbk, gbk)); }

std::string ToGbk(const QString& text) { return EncodeWithSubstitutes(CodePage::Gbk, text.toStdU16String()); }

}  // namespace busho::platform
