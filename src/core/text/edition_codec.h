#pragma once
// Text between the windows (GBK) and the game's file (Big5 for the Traditional-Chinese edition,
// Shift-JIS for the Japanese edition), honouring the traditional-characters switch.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text_tables.h"

namespace busho {

inline constexpr std::uint8_t kCodecTraditionalChinese = 0;
inline constexpr std::uint8_t kCodecJapanese = 1;

// The game's editions: each stores its text in its own code page.
inline constexpr std::uint8_t kEditionUnchosen = 99;
inline constexpr std::uint8_t kEditionTraditionalChinese = kCodecTraditionalChinese;  // Big5
inline constexpr std::uint8_t kEditionJapanese = kCodecJapanese;                      // Shift-JIS

// What the codec reads at every call: the edition, the switch, the tables.
struct CodecState {
    std::uint8_t edition;
    bool traditionalSwitch;  // CK_FT ticked
    TextTables& tables;
};

std::string EncodeForGame(const CodecState& state, std::string_view interfaceText);
std::string DecodeFromGame(const CodecState& state, std::string_view gameText);

// The characters of an interface text that EncodeForGame would not store as they are: characters
// without a counterpart in the edition (stored as ？), characters outside the tables (stored as other
// bytes or as a zero byte) and, in the Japanese edition, single bytes, which it drops. Each is given
// once (GBK bytes), in order of first appearance; spaces are not counted.
std::vector<std::string> CharactersNotKept(const CodecState& state, std::string_view interfaceText);

}  // namespace busho
