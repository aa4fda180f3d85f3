#include "gbk_text.h"

#include "core/text/code_page.h"

#include <QList>

#include <algorithm>
#include <vector>

namespace busho::platform {

QString FromGbk(std::string_view gbk) { return QString::fromStdU16String(Decode(CodePage::Gbk, gbk)); }

std::string ToGbk(const QString& text) { return EncodeWithSubstitutes(CodePage::Gbk, text.toStdU16String()); }

std::vector<char32_t> CharactersNotInGbk(const QString& text) {
    std::vector<char32_t> lost;
    for (const char32_t c : text.toUcs4()) {
        const QString one = QString::fromUcs4(&c, 1);
        if (FromGbk(ToGbk(one)) == one) continue;
        if (std::find(lost.begin(), lost.end(), c) == lost.end()) lost.push_back(c);
    }
    return lost;
}

}  // namespace busho::platform
