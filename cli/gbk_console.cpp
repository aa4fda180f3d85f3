#include "gbk_console.h"

#include <unicode/ucnv.h>

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

}  // namespace busho::cli
