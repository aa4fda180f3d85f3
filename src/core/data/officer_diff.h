#pragma once
// What differs between two officer files: the header, and for each slot before the end markers the
// officer added, removed, or changed with the fields that changed, named as the record names them.

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "officer_file.h"

namespace busho {

// A field's value: a number, the entries of a list in use (tactics, liked, disliked, aptitudes),
// or the bytes of a text field.
using FieldValue = std::variant<std::int32_t, std::vector<std::int32_t>, std::string>;

struct FieldChange {
    std::string field;  // "Leadership", "Tactics", "FamilyName", …
    FieldValue before;
    FieldValue after;
};

enum class OfficerChange { Added, Removed, Changed };

struct OfficerDifference {
    int slot = 0;
    OfficerChange change = OfficerChange::Changed;
    // The officer's names as the lists show them (game bytes without the spaces around them, up to the
    // first NUL): as after, or as before when removed.
    std::string familyName;
    std::string givenName;
    std::vector<FieldChange> fields;  // the changed fields, in file order; empty unless Changed
};

struct OfficerFileDiff {
    bool headerChanged = false;
    FileHeader headerBefore{};
    FileHeader headerAfter{};
    std::vector<OfficerDifference> officers;  // by slot

    bool Equal() const { return !headerChanged && officers.empty(); }
    int Count(OfficerChange change) const;
};

// Compares the officers of `before` and `after` slot by slot; slots after the end markers (padding
// that saving rewrites) are not compared.
OfficerFileDiff DiffOfficerFiles(const OfficerFileContents& before, const OfficerFileContents& after);

// The names of the fields whose values are game text (names, readings, biography).
bool IsGameTextField(std::string_view field);

// Turns the bytes of a game text field into readable text; without one, text is shown as hex.
using GameTextDecoder = std::function<std::string(std::string_view gameBytes)>;

// A value as one line shows it: a number, "[1, 2, 3]", the decoded text of a game text field, or
// hex. Text that decodes alike on both sides while its bytes differ is shown as hex.
std::string FieldValueText(const FieldChange& change, const FieldValue& value, const GameTextDecoder& decode);

// Lowercase hex of the bytes.
std::string HexBytes(std::string_view bytes);

}  // namespace busho
