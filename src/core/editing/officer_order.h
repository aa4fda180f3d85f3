#pragma once
// Deleting, duplicating and moving registered officers. Officers refer to each other by number
// (10000 + slot - 1), so every `Father`, `Liked` and `Disliked` that points at an officer who moves
// follows it to the new slot, and one that points at a deleted officer is cleared: `Father` becomes
// -1, a liked or disliked entry is taken out and the later one moves up. Each change is one step of the
// edit history that gives back every byte on undo.

#include <memory>
#include <string>
#include <vector>

#include "edit_history.h"
#include "core/text/problem.h"

namespace busho {

// The officers of slots 1 .. EndSlot - 1 in a new order: new slot k holds the officer of old slot
// order[k - 1]. An officer left out is deleted; one named twice is copied, and the copy keeps the
// relations of the first. The slot after the last officer takes the end marker, the slots after it are
// emptied; roster entries follow their officers.
class RearrangeOfficers : public EditCommand {
public:
    // `focus`: the slot to show after the step (it comes first in Slots()).
    RearrangeOfficers(const Session& session, const std::vector<int>& order, int focus, StepLabel name);
    void Apply(Session& session) const override;
    void Revert(Session& session) const override;
    std::vector<int> Slots() const override { return slots_; }
    int EndSlotAfter() const { return endAfter_; }

private:
    struct SlotChange {
        int slot;
        OfficerSlot before, after;
    };
    struct RosterChange {
        int entry;
        RosterEntry before, after;
    };
    std::vector<SlotChange> changes_;
    std::vector<RosterChange> roster_;
    std::vector<int> slots_;
    int endBefore_, endAfter_;
};

// "删除": the officers of the slots leave the table; the later ones move up. Refused when a slot holds
// no officer or when none is given.
Result<std::unique_ptr<EditCommand>> DeleteOfficers(Session& session, std::vector<int> slots);
// "复制为新武将": copies of the officers after the last one, in slot order. Refused when the table
// would have no room left for its end marker.
Result<std::unique_ptr<EditCommand>> DuplicateOfficers(Session& session, std::vector<int> slots);
// The officer of slot `from` moves to slot `to`; the officers between move one slot towards `from`.
Result<std::unique_ptr<EditCommand>> MoveOfficer(Session& session, int from, int to);
// "上移" (by -1) and "下移" (by +1): each of the officers moves one slot, keeping their order; the
// officer it passes moves the other way. Nothing to do (the first is already at the top, or the last at
// the bottom) gives no step and no problem: a null command.
Result<std::unique_ptr<EditCommand>> ShiftOfficers(Session& session, std::vector<int> slots, int by);

// The officers (outside `deleted`) who would lose a relation if the officers of `deleted` were deleted.
std::vector<int> RelationsLostBy(const Session& session, const std::vector<int>& deleted);

}  // namespace busho
