#pragma once
// `busho dump`: the officers of a loaded file as JSON, every field under its own name; `busho diff`:
// what differs between two files, as JSON.

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

#include "core/data/officer_diff.h"
#include "core/data/officer_file.h"

namespace busho {

// Turns the bytes of a game text field into UTF-8 for display.
using TextFieldDecoder = std::function<std::string(std::string_view)>;

// Text fields are hex of all their bytes, or, given a decoder, JSON strings of what it returns
// (the names, readings and biography; the signature stays hex).
void WriteOfficersJson(std::ostream& out, const Session& session, const TextFieldDecoder& decodeText = {});

// {"equal":…, "header":{"before","after"} when it differs, "officers":[{"slot", "change" (added,
// removed, changed), "name", "fields":[{"field","before","after"}] for a changed officer}]}. Numbers
// and lists stay JSON numbers and arrays; text is decoded as FieldValueText shows it.
void WriteDiffJson(std::ostream& out, const OfficerFileDiff& diff, const TextFieldDecoder& decodeText = {});

// The name of an officer of a diff: family and given name, decoded, or hex of their bytes.
std::string DiffOfficerName(const OfficerDifference& officer, const TextFieldDecoder& decodeText);

const char* ChangeName(OfficerChange change);  // "added", "removed", "changed"

}  // namespace busho
