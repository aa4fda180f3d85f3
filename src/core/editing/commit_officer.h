#pragma once
// Writing the editor's values into the officer table: "修改" changes the officer shown, "添加" adds
// one after the last.

#include <memory>
#include <optional>

#include "core/data/officer_file.h"
#include "edit_history.h"
#include "officer_view.h"

namespace busho {

enum class CommitMode { Modify, Add };

// Writes what the user changed and keeps every other byte: a box that still shows what it showed of
// the stored officer, and a list still on its unlisted item, are stored as they were read. Changed
// names are normalised (whether or not it commits, as the boxes show them afterwards); readings are
// kept, taken as typed, or drawn for a changed name. Refusals change nothing in the table. Characters
// that would not be stored as typed, and numbers outside what the game uses, give a question
// (kCommitQuestion, see IsCommitQuestion) and nothing is stored until the commit runs again with goOn.
// A refusal names the record field of the box to correct (Problem::field; empty when none is).
// The commit is one step of the history ("修改 …", "添加 …"; none when it changes no byte): on success
// the slot (CurrentSlot, after Add the new one) and its roster entry hold the values, and the
// history's listener has been told; the caller shows the officer again.
struct CommitOptions {
    bool makeReadings = true;  // the editor draws readings for changed names; an import takes them as given
    bool goOn = false;         // the user has seen the question and goes on
};
Status CommitOfficer(Session& session, EditHistory& history, EditorValues& values, CommitMode mode, CommitOptions options = {});

// The checks and conversions of a commit without the write: the slot it would write and the officer
// it would write there. Nothing of the table changes.
struct CommittedOfficer {
    int slot = 0;
    OfficerSlot officer;
};
Result<CommittedOfficer> PrepareCommit(Session& session, EditorValues& values, CommitMode mode, CommitOptions options = {});
// Whether a prepared commit would leave every byte of the slot and its roster entry as it is: such a
// commit is no step (nothing to undo, and the table stays as saved).
bool ChangesNothing(const Session& session, CommitMode mode, const CommittedOfficer& committed);
// The history step that writes a prepared commit, named for the officer it writes.
std::unique_ptr<EditCommand> CommitStep(Session& session, CommitMode mode, const CommittedOfficer& committed);

// The portrait picker's "更改": the slot's portrait number, as one step of the history ("更改头像 …").
// A number the slot already has makes no step.
void ChangeOfficerPortrait(Session& session, EditHistory& history, int slot, int portrait);

// Whether a commit's problem is the question to ask before it goes on.
inline bool IsCommitQuestion(const Problem& problem) { return problem.Is(TextId::kCommitQuestion); }

// A number typed into a box, made whole with halves to the even neighbour; nothing when the
// text is not a number or lies beyond 32 bits.
std::optional<std::int32_t> WholeNumber(std::string_view text);

}  // namespace busho
