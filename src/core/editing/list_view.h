#pragma once
// What the officer list shows of the table: its rows sorted by a column and narrowed by a filter.
// Neither changes the table: the file keeps its order.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/data/session.h"
#include "core/text/problem.h"

namespace busho {

// The list's columns, numbered as the grid numbers them.
enum class ListColumn { Appearance = 1, Name, Leadership, Valour, Intellect, Politics, Duty, Portrait };
inline constexpr int kListColumnCount = 9;  // column 0 is never seen

// The officers' slots (1 .. EndSlot - 1) ordered by the column's value, the lowest first or, with
// `descending`, the highest; officers of equal value keep their slot order. Names order by their
// bytes as the list shows them.
std::vector<int> SortedSlots(Session& session, ListColumn column, bool descending);

enum class Comparison { Less, LessOrEqual, Equal, NotEqual, GreaterOrEqual, Greater };
struct ListCondition {
    ListColumn column = ListColumn::Leadership;
    Comparison comparison = Comparison::Equal;
    std::int64_t value = 0;
};

// The filter box's text: words separated by spaces, each of which a row must fit. A word is a
// condition on a figure (`武力>100`, `CG>=1700`, `ＣＧ号>=1700`: the column's header, the editor's
// label or a plain ASCII name, then < <= = == != > >=, then a whole number), "出场" or "退场", or
// else a part of the name (in the Traditional-Chinese edition either character form matches).
// Full-width letters, digits and signs read as their ASCII forms.
struct ListFilter {
    std::vector<std::string> nameParts;  // GBK
    std::vector<ListCondition> conditions;
    std::optional<bool> appeared;
    bool Empty() const { return nameParts.empty() && conditions.empty() && !appeared; }
};

// The filter, or the problem of a word that looks like a condition and is not one.
Result<ListFilter> ParseListFilter(std::string_view gbk);

// Whether the officer of the slot fits every word of the filter.
bool FilterMatches(Session& session, int slot, const ListFilter& filter);
// The slots of `slots` that fit, in their order.
std::vector<int> FilterSlots(Session& session, const std::vector<int>& slots, const ListFilter& filter);

// The column a name means (GBK, ASCII case ignored, full-width read as ASCII); nothing when none does.
std::optional<ListColumn> ListColumnNamed(std::string_view gbk);

}  // namespace busho
