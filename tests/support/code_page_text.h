#pragma once
// Text in the game's and the interface's code pages, for fixtures and expectations.

#include <algorithm>
#include <string>
#include <string_view>

#include "core/data/byte_io.h"
#include "core/text/code_page.h"

namespace busho::testing {

inline CodePage CodePageNamed(std::string_view name) {
    if (name == "windows-950") return CodePage::Big5;
    if (name == "windows-932") return CodePage::ShiftJis;
    return CodePage::Gbk;
}

// UTF-8 text in a code page ("windows-936", "windows-950", "windows-932"); empty when it cannot hold it.
inline std::string Encoded(const char* codePage, std::string_view utf8) {
    return FromUtf8(CodePageNamed(codePage), utf8).value_or(std::string());
}

// Bytes of a code page as UTF-8.
inline std::string Decoded(const char* codePage, std::string_view bytes) { return ToUtf8(CodePageNamed(codePage), bytes); }

inline std::string Gbk(std::string_view utf8) { return Encoded("windows-936", utf8); }
inline std::string FromGbk(std::string_view gbk) { return Decoded("windows-936", gbk); }

// A fixed-width text field holding these bytes, zero-padded.
template <std::size_t N>
void SetText(ByteField<N>& field, const std::string& bytes) {
    field = {};
    std::copy_n(bytes.begin(), std::min(N, bytes.size()), field.begin());
}

}  // namespace busho::testing
