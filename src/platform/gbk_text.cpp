#include "gbk_text.h"

#include <QList>

#include <unicode/ucnv.h>

#include <algorithm>
#include <vector>

namespace busho::platform {
namespace {

// ICU's windows-936 converter, opened once for the user-interface thread.
UConverter* Converter() {
    static UConverter* converter = [] {
        UErrorCode status = U_ZERO_ERROR;
        return ucnv_open("windows-936", &status);
    }();
    return converter;
}

}  // namespace

QString FromGbk(std::string_view gbk) {
    if (gbk.empty()) return {};
    std::vector<UChar> out(gbk.size() + 1);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(Converter());
    const int32_t n = ucnv_toUChars(Converter(), out.data(), static_cast<int32_t>(out.size()), gbk.data(),
                                    static_cast<int32_t>(gbk.size()), &status);
    if (U_FAILURE(status)) return QString::fromLatin1(gbk.data(), static_cast<qsizetype>(gbk.size()));
    return QString(reinterpret_cast<const QChar*>(out.data()), n);
}

std::string ToGbk(const QString& text) {
    if (text.isEmpty()) return {};
    std::vector<char> out(static_cast<std::size_t>(text.size()) * 4 + 4);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_reset(Converter());
    const int32_t n = ucnv_fromUChars(Converter(), out.data(), static_cast<int32_t>(out.size()),
                                      reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()), &status);
    if (U_FAILURE(status)) return {};
    return std::string(out.data(), static_cast<std::size_t>(n));
}

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
