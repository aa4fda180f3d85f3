#pragma once
// Writing the editor's values into the officer table: "修改" changes the officer shown, "添加" adds
// one after the last.

#include <optional>

#include "core/data/officer_file.h"
#include "officer_view.h"

namespace busho {

enum class CommitMode { Modify, Add };

// The box that takes the focus after a refusal.
enum class CommitFocus { None, FamilyName, GivenName, Leadership, Valour, Intellect, Politics, Duty, BirthYear, DeathYear };

struct CommitResult {
    bool committed = false;
    std::optional<Message> message;  // shown to the user when set
    CommitFocus focus = CommitFocus::None;
};

// Normalises the values (names, new readings, the biography and years when they are unusable, the
// origin and compatibility selections) whether or not it commits, as the boxes show them afterwards.
// Refusals change nothing in the table. On success the slot (CurrentSlot, after Add the new one) and
// its roster entry hold the values; the caller refreshes its list row and shows it again.
struct CommitOptions {
    bool makeReadings = true;  // the editor draws new readings; an import takes them as given
};
CommitResult CommitOfficer(Session& session, EditorValues& values, CommitMode mode, CommitOptions options = {});

// A number typed into a box, made whole with halves to the even neighbour; nothing when the
// text is not a number or lies beyond 32 bits.
std::optional<std::int32_t> WholeNumber(std::string_view text);

}  // namespace busho
