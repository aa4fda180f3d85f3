#include "batch_edit.h"

#include <algorithm>

#include "vocabulary_text.h"
#include "core/text/code_page.h"

namespace busho {
namespace {

namespace vt = vocabulary_text;

constexpr char kSeparatorItem[] = "-----";

const std::vector<std::string>& OnOff() {
    static const std::vector<std::string> items = {"无", "有"};
    return items;
}

std::string Gbk(const std::string& utf8) { return FromUtf8(CodePage::Gbk, utf8).value_or(std::string()); }

bool ValidChange(const BatchChange& c) {
    if (c.field == BatchField::Aptitude && (c.index < 0 || c.index >= kAptitudeCount)) return false;
    if (c.field == BatchField::Tactic && (c.index < 0 || c.index >= kTacticBoxCount)) return false;
    const auto& items = BatchValues(c.field);
    if (c.value < 0 || c.value >= static_cast<int>(items.size())) return false;
    return items[static_cast<std::size_t>(c.value)] != kSeparatorItem;
}

// The officer with the field set; false when it cannot hold it (a 32nd tactic).
bool Set(OfficerSlot& o, const BatchChange& c) {
    switch (c.field) {
        case BatchField::Origin: o.Record.Origin = c.value; return true;
        case BatchField::Faith: o.Record.Faith = c.value; return true;
        case BatchField::AssignedCastle: o.Extra.AssignedCastle = c.value; return true;
        case BatchField::Status: o.Extra.Status = c.value; return true;
        case BatchField::Appearance: o.Extra.Appearance = c.value; return true;
        case BatchField::Aptitude: o.Record.Aptitude[static_cast<std::size_t>(c.index)] = c.value; return true;
        case BatchField::Tactic: break;
    }
    const int count = std::clamp(o.Record.TacticCount, 0, kMaxTactics);
    auto begin = o.Tactics.begin(), end = o.Tactics.begin() + count;
    const auto at = std::find(begin, end, c.index);
    if (c.value == 0) {
        if (at == end) return true;
        // The later tactics move up; the freed place holds 0, as a commit leaves it.
        std::move(at + 1, end, at);
        o.Tactics[static_cast<std::size_t>(count - 1)] = 0;
        o.Record.TacticCount = count - 1;
        return true;
    }
    if (at != end) return true;
    if (count >= kMaxTactics) return false;
    // In index order, as a commit stores the ticked boxes; a list out of order gets it at its end.
    const bool ordered = std::is_sorted(begin, end);
    const auto place = ordered ? std::upper_bound(begin, end, c.index) : end;
    std::move_backward(place, end, end + 1);
    *place = c.index;
    o.Record.TacticCount = count + 1;
    return true;
}

}  // namespace

const std::vector<std::string>& BatchValues(BatchField field) {
    switch (field) {
        case BatchField::Origin: return vt::Origins();
        case BatchField::Faith: return vt::Faiths();
        case BatchField::AssignedCastle: return vt::Castles();
        case BatchField::Status: return vt::Statuses();
        case BatchField::Appearance: return vt::Appearances();
        case BatchField::Aptitude: return vt::Ranks();
        case BatchField::Tactic: return OnOff();
    }
    return OnOff();
}

std::string BatchFieldName(const BatchChange& change) {
    switch (change.field) {
        case BatchField::Origin: return Gbk("出自");
        case BatchField::Faith: return Gbk("信仰");
        case BatchField::AssignedCastle: return Gbk("所属");
        case BatchField::Status: return Gbk("状态");
        case BatchField::Appearance: return Gbk("登场/出场");
        case BatchField::Aptitude:
            return change.index >= 0 && change.index < kAptitudeCount ? Gbk(vt::AptitudeLabels()[static_cast<std::size_t>(change.index)]) : std::string();
        case BatchField::Tactic:
            return change.index >= 0 && change.index < kTacticBoxCount ? Gbk(vt::TacticNames()[static_cast<std::size_t>(change.index)]) : std::string();
    }
    return {};
}

Result<std::unique_ptr<EditCommand>> BatchEdit(Session& session, const std::vector<int>& slots, const BatchChange& change) {
    if (slots.empty()) return Problem(TextId::kNoOfficerChosen);
    for (int slot : slots)
        if (slot < 1 || slot >= session.EndSlot) return Problem(TextId::kNotAnOfficerSlot, {std::int64_t{slot}, std::int64_t{session.EndSlot - 1}});
    if (!ValidChange(change)) return Problem(TextId::kBatchValueOutside);
    std::vector<int> chosen = slots;
    std::sort(chosen.begin(), chosen.end());
    chosen.erase(std::unique(chosen.begin(), chosen.end()), chosen.end());
    auto group = std::make_unique<EditGroup>(
        StepLabel(TextId::kEditBatch, {static_cast<std::int64_t>(chosen.size()), BatchFieldName(change)}));
    for (int slot : chosen) {
        OfficerSlot after = session.Officers[slot];
        if (!Set(after, change)) return Problem(TextId::kReasonTacticCount, {std::int64_t{slot}, std::int64_t{kMaxTactics + 1}}).AtSlot(slot);
        if (after == session.Officers[slot]) continue;
        group->Add(std::make_unique<ModifyOfficer>(session, slot, after, std::string()));
    }
    if (group->Empty()) return std::unique_ptr<EditCommand>();
    return std::unique_ptr<EditCommand>(std::move(group));
}

}  // namespace busho
