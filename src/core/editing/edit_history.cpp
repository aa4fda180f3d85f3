#include "edit_history.h"

#include <algorithm>

namespace busho {
namespace {

RosterEntry& EntryOf(Session& session, int slot) { return session.Roster[kBuiltInOfficerCount + slot]; }

}  // namespace

ModifyOfficer::ModifyOfficer(const Session& session, int slot, const OfficerSlot& after, StepLabel name)
    : EditCommand(std::move(name)), slot_(slot), before_(session.Officers[slot]), after_(after),
      rosterBefore_(session.Roster[kBuiltInOfficerCount + slot]), rosterAfter_(rosterBefore_) {
    CopyFigures(after, rosterAfter_);
}

void ModifyOfficer::Apply(Session& session) const {
    session.Officers[slot_] = after_;
    EntryOf(session, slot_) = rosterAfter_;
}

void ModifyOfficer::Revert(Session& session) const {
    session.Officers[slot_] = before_;
    EntryOf(session, slot_) = rosterBefore_;
}

AddOfficer::AddOfficer(const Session& session, const OfficerSlot& added, StepLabel name)
    : EditCommand(name), change_(session, session.EndSlot, added, name) {}

void AddOfficer::Apply(Session& session) const {
    change_.Apply(session);
    session.EndSlot = change_.Slots().front() + 1;
}

void AddOfficer::Revert(Session& session) const {
    change_.Revert(session);
    session.EndSlot = change_.Slots().front();
}

ChangePortrait::ChangePortrait(const Session& session, int slot, int portrait, StepLabel name)
    : EditCommand(std::move(name)), slot_(slot), before_(session.Officers[slot].Record.PortraitNumber), after_(portrait) {
    if (slot < session.EndSlot) rosterBefore_ = session.Roster[kBuiltInOfficerCount + slot].PortraitNumber;
}

void ChangePortrait::Apply(Session& session) const {
    session.Officers[slot_].Record.PortraitNumber = after_;
    if (rosterBefore_) EntryOf(session, slot_).PortraitNumber = after_;
}

void ChangePortrait::Revert(Session& session) const {
    session.Officers[slot_].Record.PortraitNumber = before_;
    if (rosterBefore_) EntryOf(session, slot_).PortraitNumber = *rosterBefore_;
}

void EditGroup::Apply(Session& session) const {
    for (const auto& part : parts_) part->Apply(session);
}

void EditGroup::Revert(Session& session) const {
    for (auto part = parts_.rbegin(); part != parts_.rend(); ++part) (*part)->Revert(session);
}

std::vector<int> EditGroup::Slots() const {
    std::vector<int> slots;
    for (const auto& part : parts_)
        for (int slot : part->Slots())
            if (std::find(slots.begin(), slots.end(), slot) == slots.end()) slots.push_back(slot);
    return slots;
}

void EditHistory::Push(Session& session, std::unique_ptr<EditCommand> command) {
    // A saved state among the steps undone before is out of reach from now on.
    if (saved_ && *saved_ > done_) saved_.reset();
    steps_.resize(done_);
    command->Apply(session);
    steps_.push_back(std::move(command));
    done_ = steps_.size();
    Changed(steps_.back().get());
}

const EditCommand* EditHistory::Undo(Session& session) {
    if (!CanUndo()) return nullptr;
    const EditCommand* step = steps_[--done_].get();
    step->Revert(session);
    Changed(step);
    return step;
}

const EditCommand* EditHistory::Redo(Session& session) {
    if (!CanRedo()) return nullptr;
    const EditCommand* step = steps_[done_++].get();
    step->Apply(session);
    Changed(step);
    return step;
}

void EditHistory::MarkSaved() {
    saved_ = done_;
    Changed(nullptr);
}

void EditHistory::Clear() {
    steps_.clear();
    done_ = 0;
    saved_ = 0;
    Changed(nullptr);
}

void EditHistory::Changed(const EditCommand* step) {
    if (step && onTableChanged) onTableChanged(*step);
    if (onStateChanged) onStateChanged();
}

}  // namespace busho
