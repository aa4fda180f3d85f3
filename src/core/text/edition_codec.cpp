#include "edition_codec.h"

#include <algorithm>

#include "code_table_file.h"

namespace busho {

std::string EncodeForGame(const CodecState& state, std::string_view interfaceText) {
    TextTables& t = state.tables;
    if (state.edition == kCodecTraditionalChinese) {
        return state.traditionalSwitch ? GbToBig5(t.GbBig5, ToSimplified(t.Forms, interfaceText)) : GbToBig5(t.GbBig5, interfaceText);
    }
    if (state.edition == kCodecJapanese) {
        return state.traditionalSwitch ? GbkToSjis(t.GbkSjis, ToSimplified(t.Forms, interfaceText)) : GbkToSjis(t.GbkSjis, interfaceText);
    }
    return {};
}

std::string DecodeFromGame(const CodecState& state, std::string_view gameText) {
    TextTables& t = state.tables;
    std::string text;
    if (state.edition == kCodecTraditionalChinese) {
        text = Big5ToGb(t.GbBig5, gameText);
    } else if (state.edition == kCodecJapanese) {
        text = SjisToGbk(t.GbkSjis, gameText);
    } else {
        return {};
    }
    return state.traditionalSwitch ? ToTraditional(t.Forms, text) : text;
}

}  // namespace busho

namespace busho {
namespace {

constexpr char kGbkQuestion[] = "\xa3\xbf";   // ？
constexpr char kBig5Question[] = "\xa1\x48";  // ？, what a character without a Big5 form becomes
constexpr char kSjisQuestion[] = "\x81\x48";  // ？, likewise in Shift-JIS

bool KeptAlone(const CodecState& state, const std::string& character) {
    TextTables& t = state.tables;
    const std::string form = state.traditionalSwitch ? ToSimplified(t.Forms, character) : character;
    if (state.edition == kCodecTraditionalChinese) {
        if (form.size() == 1) return static_cast<std::uint8_t>(form[0]) < 0x80;  // Big5 keeps ASCII as it is
        const std::string big5 = GbToBig5(t.GbBig5, form);
        if (!t.GbBig5.GbBig5Loaded) return true;  // no tables: nothing is converted, as the user was told
        // Bytes outside GB2312 pass through unconverted and mean something else in Big5.
        if (!IsGbPair(form, 0) || big5.size() != 2) return false;
        return big5 != kBig5Question || form == kGbkQuestion;
    }
    if (state.edition == kCodecJapanese) {
        if (form.size() != 2) return false;  // single bytes are dropped
        const std::string sjis = GbkToSjis(t.GbkSjis, form);
        if (sjis.size() != 2) return false;
        return sjis != kSjisQuestion || form == kGbkQuestion;
    }
    return false;
}

}  // namespace

std::vector<std::string> CharactersNotKept(const CodecState& state, std::string_view interfaceText) {
    std::vector<std::string> lost;
    std::size_t at = 0;
    ForEachGbkChar(interfaceText, [&](std::uint8_t, std::uint8_t, bool isDouble) {
        const std::string character(interfaceText.substr(at, isDouble ? 2 : 1));
        at += isDouble ? 2 : 1;
        if (character == " " || character == std::string(1, '\0')) return;
        if (std::find(lost.begin(), lost.end(), character) != lost.end()) return;
        if (!KeptAlone(state, character)) lost.push_back(character);
    });
    return lost;
}

}  // namespace busho
