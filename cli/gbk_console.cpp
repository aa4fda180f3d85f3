#include "gbk_console.h"

#include <unicode/ucnv.h>
#include <unicode/ustring.h>

#include <vector>

namespace busho::cli {

std::string GbkToUtf8(const std::string& gbk) {
    if (gbk.empty()) return {};
    UErrorCode status = U_ZERO_ERROR;
    std::vector<char> out(gbk.size() * 3 + 4);
    const int32_t len = ucnv_convert("UTF-8", "windows-936", out.data(), static_cast<int32_t>(out.size()), gbk.data(),
                                     static_cast<int32_t>(gbk.size()), &status);
    if (U_FAILURE(status)) return gbk;
    return std::string(out.data(), static_cast<std::size_t>(len));
}

std::optional<std::string> Utf8ToGbk(const std::string& utf8) {
    if (utf8.empty()) return std::string();
    UErrorCode status = U_ZERO_ERROR;
    UConverter* gbk = ucnv_open("windows-936", &status);
    ucnv_setFromUCallBack(gbk, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    std::vector<UChar> utf16(utf8.size() + 1);
    int32_t length16 = 0;
    u_strFromUTF8(utf16.data(), static_cast<int32_t>(utf16.size()), &length16, utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    std::vector<char> out(utf8.size() * 2 + 4);
    const int32_t n = ucnv_fromUChars(gbk, out.data(), static_cast<int32_t>(out.size()), utf16.data(), length16, &status);
    ucnv_close(gbk);
    if (U_FAILURE(status)) return std::nullopt;
    return std::string(out.data(), static_cast<std::size_t>(n));
}

}  // namespace busho::cli
