#pragma once
// The encodings a spreadsheet comes in. Export writes UTF-8 with a byte-order mark (so that Excel
// reads it as UTF-8) unless told otherwise; import takes UTF-8 with or without the mark, and also the
// system code pages in which Excel on a Chinese or Japanese Windows saves "CSV": GBK (Simplified
// Chinese), Big5 (Traditional Chinese) and Shift-JIS (Japanese).

#include <optional>
#include <string>
#include <string_view>

#include "core/text/problem.h"

namespace busho {

enum class TableEncoding { Utf8, Gbk, Big5, ShiftJis };

// The encoding an option names: "utf-8", "gbk", "big5" or "sjis"; nothing for any other name.
std::optional<TableEncoding> TableEncodingNamed(std::string_view name);
// Its name for people: "UTF-8", "GBK", "Big5", "Shift-JIS".
const char* TableEncodingName(TableEncoding encoding);

struct TableText {
    std::string utf8;  // the text, a UTF-8 byte-order mark kept if the file had one
    TableEncoding encoding = TableEncoding::Utf8;
};

// A spreadsheet's bytes as UTF-8 text. In `encoding` when one is given: refused, naming the offset,
// where the bytes are not text of it. Otherwise UTF-8 when the bytes are valid UTF-8; else the code
// page among GBK, Big5 and Shift-JIS that decodes every byte and in which the text reads as the most
// common characters of that code page (its punctuation, kana and first-level characters); refused
// with one problem when none of them decodes it.
Result<TableText> DecodeTableText(std::string_view bytes, std::optional<TableEncoding> encoding);

// UTF-8 text as a spreadsheet program saving in `encoding` writes it and reads it back: each
// character the code page lacks becomes '?'.
std::string AsSavedIn(TableEncoding encoding, std::string_view utf8);

// Text written as UTF-8 (what WriteCsv makes, its byte-order mark included) in `encoding`: as it is
// for UTF-8; in a code page without the mark, each character it lacks as '?', as a spreadsheet program
// saves it (import takes such a cell for the one exported when that is all that changed).
struct EncodedTable {
    std::string bytes;
    std::string lacking;  // the characters written as '?', each once, in UTF-8
};
EncodedTable EncodeTableText(std::string_view utf8, TableEncoding encoding);

}  // namespace busho
