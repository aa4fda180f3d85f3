#pragma once
// The random officer: a made-up name from two built-in officers, a biography line, abilities,
// aptitudes and the tactics that follow from them, and a standard portrait.

#include <string>
#include <vector>

#include "officer_view.h"
#include "core/text/random_source.h"

namespace busho {

// The draws of one click, in their order, from an already reseeded source. `builtInNames` are the
// items of the compatibility list (officer k at index k, GBK). Returns the face index 0..999.
// The tactic boxes must be unticked beforehand (the click does that first).
int DrawRandomOfficer(EditorValues& values, RandomSource& random, const std::vector<std::string>& builtInNames);

// Characters of a GBK text (a double-byte character counts once).
int CharacterCount(std::string_view gbk);

}  // namespace busho
