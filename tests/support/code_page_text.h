#pragma once
// Text in the game's and the interface's code pages, for fixtures and expectations (ICU).

#include <unicode/ucnv.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "core/data/byte_io.h"

namespace busho::testing {

// UTF-8 text in a code page ("windows-936", "windows-950", "windows-932").
inline std::string Encoded(const char* codePage, std::string_view utf8) {
    UErrorCode status = U_ZERO_ERROR;
    std::string out(utf8.size() * 2 + 4, '\0');
    const int32_t n = ucnv_convert(codePage, "UTF-8", out.data(), static_cast<int32_t>(out.size()), utf8.data(),
                                   static_cast<int32_t>(utf8.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(n) : 0);
    return out;
}

// Bytes of a code page as UTF-8.
inline std::string Decoded(const char* codePage, std::string_view bytes) {
    UErrorCode status = U_ZERO_ERROR;
    std::string out(bytes.size() * 3 + 4, '\0');
    const int32_t n = ucnv_convert("UTF-8", codePage, out.data(), static_cast<int32_t>(out.size()), bytes.data(),
                                   static_cast<int32_t>(bytes.size()), &status);
    out.resize(U_SUCCESS(status) ? static_cast<std::size_t>(n) : 0);
    return out;
}

inline std::string Gbk(std::string_view utf8) { return Encoded("windows-936", utf8); }
inline std::string FromGbk(std::string_view gbk) { return Decoded("windows-936", gbk); }

// A fixed-width text field holding these bytes, zero-padded.
template <std::size_t N>
void SetText(ByteField<N>& field, const std::string& bytes) {
    field = {};
    std::copy_n(bytes.begin(), std::min(N, bytes.size()), field.begin());
}

}  // namespace busho::testing
