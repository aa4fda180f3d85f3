#pragma once
// One field set for several officers at once ("批量修改"): a list of the 身份 box, an aptitude, or
// one tactic on or off. The officers that change are one step of the edit history.

#include <memory>
#include <string>
#include <vector>

#include "edit_history.h"
#include "core/text/problem.h"

namespace busho {

enum class BatchField { Origin, Faith, AssignedCastle, Status, Appearance, Aptitude, Tactic };

struct BatchChange {
    BatchField field = BatchField::Status;
    int index = 0;  // which aptitude (0..8) or tactic (0..29)
    int value = 0;  // the list item; for a tactic 1 on, 0 off
};

// The field's name as the step and the dialog show it (GBK): "状态", "弓", "火矢".
std::string BatchFieldName(const BatchChange& change);
// The items the value chooses from (UTF-8), in the order of the values they store.
const std::vector<std::string>& BatchValues(BatchField field);

// The step that sets the field for every officer of `slots`; a null command when none of them changes.
// Refused when a slot holds no officer, or the index or value is outside its list (a castle list's
// separator rows included), or a tactic would be a 32nd.
Result<std::unique_ptr<EditCommand>> BatchEdit(Session& session, const std::vector<int>& slots, const BatchChange& change);

}  // namespace busho
