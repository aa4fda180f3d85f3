#include "edition_codec.h"

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
