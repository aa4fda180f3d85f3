#pragma once
// Officers as spreadsheet rows: every field as readable text (UTF-8), and rows applied back to the
// officer table through the editor's own commit, so a spreadsheet edit passes the same checks.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/session.h"
#include "core/editing/edit_history.h"
#include "core/text/problem.h"

namespace busho {

// Column names, in order: the record's field names.
const std::vector<std::string>& ExportColumns();

// Text conversions the rows need, between the interface's GBK and UTF-8.
struct RowText {
    std::function<std::string(std::string_view gbk)> toUtf8;
    std::function<std::optional<std::string>(std::string_view utf8)> toGbk;  // nothing when GBK lacks a character
    // A list's item as the spreadsheet's encoding saved it (each character it lacks as '?'), so that
    // "出场" saved as Shift-JIS ("出?") still names its item; none when cells are UTF-8.
    std::function<std::string(std::string_view utf8)> asSaved = nullptr;
};

// The cells of slot `slot`, in ExportColumns order. builtInNames are the 1630 names (GBK).
std::vector<std::string> ExportRow(Session& session, int slot, const std::vector<std::string>& builtInNames, const RowText& text);

// Applies rows (column -> cell) to the session in order, as one step of the history: a row whose slot holds an officer changes
// it, any other row is added after the last. Cells equal to what export gives for the officer
// leave its bytes exactly as they were. Returns every problem found, each a kRowProblem naming the
// row (as the spreadsheet numbers it: the header is row 1), the column (also its `field`) and the cell,
// with the reason as its cause; when there is one, the session must be thrown away (nothing of it
// may be saved).
std::vector<Problem> ImportRows(Session& session, EditHistory& history, const std::vector<std::map<std::string, std::string>>& rows,
                                 const std::vector<int>& rowNumbers, const std::vector<std::string>& builtInNames,
                                 const RowText& text);

}  // namespace busho
