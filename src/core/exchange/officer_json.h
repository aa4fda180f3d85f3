#pragma once
// `busho dump`: the officers of a loaded file as JSON, every field under its own name.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/data/officer_file.h"

namespace busho {

// Turns the bytes of a game text field into UTF-8 for display.
using TextFieldDecoder = std::function<std::string(std::string_view)>;

// Text fields are hex of all their bytes, or, given a decoder, JSON strings of what it returns
// (the names, readings and biography; the signature stays hex).
void WriteOfficersJson(std::ostream& out, const Session& session, const TextFieldDecoder& decodeText = {});

}  // namespace busho
