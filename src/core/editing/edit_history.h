#pragma once
// The one edit path of the officer table. Every change is a small command that applies itself to the
// session and reverts itself, byte for byte; the history keeps them for undo and redo and knows
// whether the table still equals the file it was read from or last saved to.

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/data/roster.h"
#include "core/data/session.h"
#include "core/text/problem.h"

namespace busho {

// What a step did, as the edit menu names it: an interface text with its arguments ("修改 %1" and an
// officer's name), so that a window can name it in its own language; or GBK text as it stands.
struct StepLabel {
    StepLabel(std::string gbk) : text(TextId::kTextAsIs), args{std::move(gbk)} {}
    StepLabel(TextId id, std::vector<TextArg> arguments) : text(id), args(std::move(arguments)) {}
    TextId text;
    std::vector<TextArg> args;
};

class EditCommand {
public:
    virtual ~EditCommand() = default;
    EditCommand(const EditCommand&) = delete;
    EditCommand& operator=(const EditCommand&) = delete;

    virtual void Apply(Session& session) const = 0;
    virtual void Revert(Session& session) const = 0;
    // The slots it changes, in order; the first is the officer to show after undo or redo.
    virtual std::vector<int> Slots() const = 0;
    // What it did, as the edit menu names it (GBK): "修改 天城隼人".
    const std::string& Name() const { return name_; }
    // The same as a text and its arguments.
    const StepLabel& Label() const { return label_; }

protected:
    explicit EditCommand(StepLabel label) : label_(std::move(label)), name_(FormatGbk(label_.text, label_.args)) {}

private:
    StepLabel label_;
    std::string name_;
};

// "修改": one slot's officer and its roster entry, before and after.
class ModifyOfficer : public EditCommand {
public:
    // Takes the slot's present officer and roster entry as "before"; the roster entry after is the
    // present one with the new officer's figures copied in.
    ModifyOfficer(const Session& session, int slot, const OfficerSlot& after, StepLabel name);
    void Apply(Session& session) const override;
    void Revert(Session& session) const override;
    std::vector<int> Slots() const override { return {slot_}; }

private:
    int slot_;
    OfficerSlot before_, after_;
    RosterEntry rosterBefore_, rosterAfter_;
};

// "添加": a new officer in the slot of the end marker; the end of the list moves one slot on.
class AddOfficer : public EditCommand {
public:
    AddOfficer(const Session& session, const OfficerSlot& added, StepLabel name);
    void Apply(Session& session) const override;
    void Revert(Session& session) const override;
    std::vector<int> Slots() const override { return change_.Slots(); }

private:
    ModifyOfficer change_;  // the end marker's slot, before and after
};

// "更改头像": the portrait number of one slot, and of its roster entry while the slot holds an officer.
class ChangePortrait : public EditCommand {
public:
    ChangePortrait(const Session& session, int slot, int portrait, StepLabel name);
    void Apply(Session& session) const override;
    void Revert(Session& session) const override;
    std::vector<int> Slots() const override { return {slot_}; }

private:
    int slot_;
    std::int32_t before_, after_;
    std::optional<std::int32_t> rosterBefore_;  // nothing: the slot is past the end of the list
};

// Several commands taken as one step (the rows of an import), applied in order and reverted backwards.
class EditGroup : public EditCommand {
public:
    explicit EditGroup(StepLabel name) : EditCommand(std::move(name)) {}
    void Add(std::unique_ptr<EditCommand> part) { parts_.push_back(std::move(part)); }
    bool Empty() const { return parts_.empty(); }
    void Apply(Session& session) const override;
    void Revert(Session& session) const override;
    std::vector<int> Slots() const override;

private:
    std::vector<std::unique_ptr<EditCommand>> parts_;
};

class EditHistory {
public:
    // Applies the command and keeps it as the newest step; the steps undone before it are dropped.
    void Push(Session& session, std::unique_ptr<EditCommand> command);

    bool CanUndo() const { return done_ > 0; }
    bool CanRedo() const { return done_ < steps_.size(); }
    // The step that undo (redo) would take; nullptr when there is none.
    const EditCommand* NextUndo() const { return CanUndo() ? steps_[done_ - 1].get() : nullptr; }
    const EditCommand* NextRedo() const { return CanRedo() ? steps_[done_].get() : nullptr; }
    // Reverts (applies again) one step; the step taken, or nullptr when there was none.
    const EditCommand* Undo(Session& session);
    const EditCommand* Redo(Session& session);

    // The table now equals the file on disk: it was just saved. Undo and redo lead back to this state.
    void MarkSaved();
    // Whether the table differs from the file on disk.
    bool IsModified() const { return saved_ != done_; }
    // A table read afresh from its file: no steps, nothing modified.
    void Clear();
    std::size_t StepCount() const { return steps_.size(); }

    // Told after the table changed (a push, an undo, a redo), with the step.
    std::function<void(const EditCommand& step)> onTableChanged;
    // Told after anything that may change IsModified, CanUndo, CanRedo or the steps' names.
    std::function<void()> onStateChanged;

private:
    void Changed(const EditCommand* step);

    std::vector<std::unique_ptr<EditCommand>> steps_;
    std::size_t done_ = 0;                 // steps_[0, done_) are applied
    std::optional<std::size_t> saved_ = 0;  // the done_ that equals the file; nothing once that state was dropped
};

}  // namespace busho
