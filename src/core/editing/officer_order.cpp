#include "officer_order.h"

#include <algorithm>
#include <optional>

#include "list_row.h"
#include "core/data/roster.h"

namespace busho {
namespace {

// The slot of a registered officer's number, when that slot holds an officer of the table.
std::optional<int> SlotOfNumber(std::int32_t number, int endSlot) {
    const std::int64_t slot = static_cast<std::int64_t>(number) - kRegisteredNumberBase + 1;
    if (slot >= 1 && slot < endSlot) return static_cast<int>(slot);
    return std::nullopt;
}

constexpr std::int32_t NumberOfSlot(int slot) { return kRegisteredNumberBase + slot - 1; }
constexpr std::int32_t kNoFather = -1;

// A liked or disliked list with its entries renumbered; entries of deleted officers are taken out.
void RenumberList(std::int32_t& count, std::array<std::int32_t, kMaxRelations>& entries, const std::vector<int>& newSlot, int endSlot) {
    if (count < 0 || count > kMaxRelations) return;
    std::array<std::int32_t, kMaxRelations> kept{};
    int k = 0;
    for (int i = 0; i < count; ++i) {
        const std::int32_t number = entries[static_cast<std::size_t>(i)];
        const auto slot = SlotOfNumber(number, endSlot);
        if (!slot) {
            kept[static_cast<std::size_t>(k++)] = number;
        } else if (newSlot[static_cast<std::size_t>(*slot)] > 0) {
            kept[static_cast<std::size_t>(k++)] = NumberOfSlot(newSlot[static_cast<std::size_t>(*slot)]);
        }
    }
    if (k == count) {
        for (int i = 0; i < count; ++i) entries[static_cast<std::size_t>(i)] = kept[static_cast<std::size_t>(i)];
        return;
    }
    // An entry was taken out: the later ones move up and the freed places hold 0, as a commit leaves them.
    for (int i = 0; i < kMaxRelations; ++i) entries[static_cast<std::size_t>(i)] = i < k ? kept[static_cast<std::size_t>(i)] : 0;
    count = k;
}

bool LosesRelation(const OfficerSlot& o, const std::vector<bool>& deleted, int endSlot) {
    auto gone = [&](std::int32_t number) {
        const auto slot = SlotOfNumber(number, endSlot);
        return slot && deleted[static_cast<std::size_t>(*slot)];
    };
    if (gone(o.Record.Father)) return true;
    for (int i = 0; i < std::clamp(o.LikedCount, 0, kMaxRelations); ++i)
        if (gone(o.Liked[static_cast<std::size_t>(i)])) return true;
    for (int i = 0; i < std::clamp(o.DislikedCount, 0, kMaxRelations); ++i)
        if (gone(o.Disliked[static_cast<std::size_t>(i)])) return true;
    return false;
}

// The slots named, each once, in slot order; nothing when one holds no officer.
std::optional<std::vector<int>> OfficerSlots(const Session& session, std::vector<int> slots) {
    std::sort(slots.begin(), slots.end());
    slots.erase(std::unique(slots.begin(), slots.end()), slots.end());
    if (slots.empty()) return std::nullopt;
    for (int slot : slots)
        if (slot < 1 || slot >= session.EndSlot) return std::nullopt;
    return slots;
}

Problem NotAnOfficer(const Session& session, const std::vector<int>& slots) {
    for (int slot : slots)
        if (slot < 1 || slot >= session.EndSlot) return Problem(TextId::kNotAnOfficerSlot, {std::int64_t{slot}, std::int64_t{session.EndSlot - 1}});
    return Problem(TextId::kNoOfficerChosen);
}

StepLabel StepName(Session& session, TextId one, TextId many, const std::vector<int>& slots) {
    if (slots.size() == 1) return StepLabel(one, {OfficerName(session, slots.front(), session.ZZZZ)});
    return StepLabel(many, {static_cast<std::int64_t>(slots.size())});
}

std::vector<int> Identity(const Session& session) {
    std::vector<int> order;
    for (int slot = 1; slot < session.EndSlot; ++slot) order.push_back(slot);
    return order;
}

}  // namespace

RearrangeOfficers::RearrangeOfficers(const Session& session, const std::vector<int>& order, int focus, StepLabel name)
    : EditCommand(std::move(name)), endBefore_(session.EndSlot), endAfter_(static_cast<int>(order.size()) + 1) {
    // newSlot[old] is the first new slot of the officer of slot `old`; 0 when it is deleted.
    std::vector<int> newSlot(static_cast<std::size_t>(kSlotCount) + 1, 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        if (newSlot[static_cast<std::size_t>(order[k])] == 0) newSlot[static_cast<std::size_t>(order[k])] = static_cast<int>(k) + 1;

    const int last = std::max(endBefore_, endAfter_);
    for (int slot = 1; slot <= last; ++slot) {
        OfficerSlot after;  // emptied, unless it holds an officer or the end marker
        if (slot < endAfter_) {
            const int from = order[static_cast<std::size_t>(slot - 1)];
            after = session.Officers[from];
            OfficerSlot& o = after;
            if (const auto father = SlotOfNumber(o.Record.Father, endBefore_)) {
                const int to = newSlot[static_cast<std::size_t>(*father)];
                o.Record.Father = to > 0 ? NumberOfSlot(to) : kNoFather;
            }
            RenumberList(o.LikedCount, o.Liked, newSlot, endBefore_);
            RenumberList(o.DislikedCount, o.Disliked, newSlot, endBefore_);
            if (from != slot) o.Extra.OfficerId = NumberOfSlot(slot);
        } else if (slot == endAfter_) {
            after = session.Officers[endBefore_];
        }
        const OfficerSlot& before = session.Officers[slot];
        if (after != before) changes_.push_back({slot, before, after});

        if (slot < endAfter_) {
            const int entry = kBuiltInOfficerCount + slot;
            const RosterEntry& rosterBefore = session.Roster[entry];
            const RosterEntry& rosterAfter = session.Roster[kBuiltInOfficerCount + order[static_cast<std::size_t>(slot - 1)]];
            if (!(rosterAfter == rosterBefore)) roster_.push_back({entry, rosterBefore, rosterAfter});
        }
    }
    slots_.push_back(std::clamp(focus, 1, std::max(1, endAfter_ - 1)));
    for (const SlotChange& c : changes_)
        if (c.slot != slots_.front()) slots_.push_back(c.slot);
    // The end of the list moved: every slot between the two ends is a row that appears or goes.
    for (int slot = std::min(endBefore_, endAfter_); slot < std::max(endBefore_, endAfter_); ++slot)
        if (std::find(slots_.begin(), slots_.end(), slot) == slots_.end()) slots_.push_back(slot);
}

void RearrangeOfficers::Apply(Session& session) const {
    for (const SlotChange& c : changes_) session.Officers[c.slot] = c.after;
    for (const RosterChange& c : roster_) session.Roster[c.entry] = c.after;
    session.EndSlot = endAfter_;
}

void RearrangeOfficers::Revert(Session& session) const {
    for (const SlotChange& c : changes_) session.Officers[c.slot] = c.before;
    for (const RosterChange& c : roster_) session.Roster[c.entry] = c.before;
    session.EndSlot = endBefore_;
}

Result<std::unique_ptr<EditCommand>> DeleteOfficers(Session& session, std::vector<int> slots) {
    const auto chosen = OfficerSlots(session, slots);
    if (!chosen) return NotAnOfficer(session, slots);
    std::vector<int> order;
    for (int slot = 1; slot < session.EndSlot; ++slot)
        if (!std::binary_search(chosen->begin(), chosen->end(), slot)) order.push_back(slot);
    const StepLabel name = StepName(session, TextId::kEditDelete, TextId::kEditDeleteMany, *chosen);
    return std::unique_ptr<EditCommand>(std::make_unique<RearrangeOfficers>(session, order, chosen->front(), name));
}

Result<std::unique_ptr<EditCommand>> DuplicateOfficers(Session& session, std::vector<int> slots) {
    const auto chosen = OfficerSlots(session, slots);
    if (!chosen) return NotAnOfficer(session, slots);
    // As with 添加, the end marker must stay inside the table: at most 999 officers.
    if (session.EndSlot + static_cast<int>(chosen->size()) > kSlotCount) return Problem(TextId::kTableFull);
    std::vector<int> order = Identity(session);
    order.insert(order.end(), chosen->begin(), chosen->end());
    const StepLabel name = StepName(session, TextId::kEditDuplicate, TextId::kEditDuplicateMany, *chosen);
    return std::unique_ptr<EditCommand>(std::make_unique<RearrangeOfficers>(session, order, session.EndSlot, name));
}

Result<std::unique_ptr<EditCommand>> MoveOfficer(Session& session, int from, int to) {
    for (int slot : {from, to})
        if (slot < 1 || slot >= session.EndSlot) return NotAnOfficer(session, {slot});
    std::vector<int> order = Identity(session);
    order.erase(order.begin() + (from - 1));
    order.insert(order.begin() + (to - 1), from);
    const StepLabel name(TextId::kEditMove, {OfficerName(session, from, session.ZZZZ), std::int64_t{to}});
    return std::unique_ptr<EditCommand>(std::make_unique<RearrangeOfficers>(session, order, to, name));
}

Result<std::unique_ptr<EditCommand>> ShiftOfficers(Session& session, std::vector<int> slots, int by) {
    const auto chosen = OfficerSlots(session, slots);
    if (!chosen) return NotAnOfficer(session, slots);
    if (by != -1 && by != 1) return Problem(TextId::kNoOfficerChosen);
    if ((by < 0 && chosen->front() == 1) || (by > 0 && chosen->back() == session.EndSlot - 1))
        return std::unique_ptr<EditCommand>();
    std::vector<int> order = Identity(session);
    // Each chosen officer swaps with the neighbour on the side it moves to, the nearest to that side first.
    if (by < 0) {
        for (int slot : *chosen) std::swap(order[static_cast<std::size_t>(slot - 1)], order[static_cast<std::size_t>(slot - 2)]);
    } else {
        for (auto s = chosen->rbegin(); s != chosen->rend(); ++s) std::swap(order[static_cast<std::size_t>(*s - 1)], order[static_cast<std::size_t>(*s)]);
    }
    const StepLabel name = StepName(session, TextId::kEditMoveOne, TextId::kEditMoveMany, *chosen);
    return std::unique_ptr<EditCommand>(std::make_unique<RearrangeOfficers>(session, order, chosen->front() + by, name));
}

std::vector<int> RelationsLostBy(const Session& session, const std::vector<int>& deleted) {
    std::vector<bool> gone(static_cast<std::size_t>(kSlotCount) + 1, false);
    for (int slot : deleted)
        if (slot >= 1 && slot <= kSlotCount) gone[static_cast<std::size_t>(slot)] = true;
    std::vector<int> losing;
    for (int slot = 1; slot < session.EndSlot; ++slot)
        if (!gone[static_cast<std::size_t>(slot)] && LosesRelation(session.Officers[slot], gone, session.EndSlot)) losing.push_back(slot);
    return losing;
}

}  // namespace busho
