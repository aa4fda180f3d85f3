// busho delete FILE SLOT… and busho move FILE FROM TO: the editor's 删除 and 移动 on the officer file,
// every relation to a moved officer renumbered and one to a deleted officer cleared; backups first.

#include "commands.h"
#include "core/data/roster.h"
#include "core/editing/officer_order.h"
#include "core/os/file_access.h"

namespace busho::cli {
namespace {

// Loads the file (relations need no code tables), applies the step, saves.
template <class MakeStep>
int ChangeAndSave(const Context& c, const std::filesystem::path& file, MakeStep makeStep) {
    auto session = LoadForSaving(c, file);
    if (!session) return kExitFailed;
    session->ZZZZ = false;  // step names from the raw bytes: no edition is needed
    auto step = makeStep(*session);
    if (!step) return Report(c, Problem(step.problem()).InFile(file));
    EditHistory history;
    if (step.value()) history.Push(*session, std::move(step.value()));
    return SaveAndReport(c, *session);
}

}  // namespace

int Delete(const Context& c, const std::filesystem::path& file, const std::vector<int>& slots) {
    return ChangeAndSave(c, file, [&](Session& session) {
        for (int slot : RelationsLostBy(session, slots))
            c.out << "slot " << slot << ": a relation to a deleted officer is cleared\n";
        return DeleteOfficers(session, slots);
    });
}

int Move(const Context& c, const std::filesystem::path& file, int from, int to) {
    return ChangeAndSave(c, file, [&](Session& session) { return MoveOfficer(session, from, to); });
}

}  // namespace busho::cli
