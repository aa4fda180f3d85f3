#include "list_view.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <utility>

#include "list_row.h"
#include "core/text/code_table_file.h"
#include "core/text/code_page.h"

namespace busho {
namespace {

// GBK double-byte row A3 holds the full-width forms of ASCII 0x21..0x7E; A1A1 is the full-width space.
constexpr std::uint8_t kFullWidthLead = 0xA3;
constexpr std::uint8_t kFullWidthSpaceLead = 0xA1, kFullWidthSpaceTrail = 0xA1;

std::string AsciiForms(std::string_view gbk) {
    std::string out;
    std::size_t at = 0;
    ForEachGbkChar(gbk, [&](std::uint8_t b0, std::uint8_t b1, bool isDouble) {
        if (isDouble && b0 == kFullWidthLead && b1 >= 0xA1 && b1 <= 0xFE) {
            out += static_cast<char>(b1 - 0x80);
        } else if (isDouble && b0 == kFullWidthSpaceLead && b1 == kFullWidthSpaceTrail) {
            out += ' ';
        } else {
            out.append(gbk.substr(at, isDouble ? 2 : 1));
        }
        at += isDouble ? 2 : 1;
    });
    return out;
}

std::string LowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

std::string Gbk(const char* utf8) { return FromUtf8(CodePage::Gbk, utf8).value_or(std::string()); }

// The names of each figure column: its header, the editor's label, plain ASCII names.
struct ColumnNames {
    ListColumn column;
    std::vector<const char*> names;  // UTF-8; ASCII in lower case
};
const std::vector<std::pair<std::string, ListColumn>>& ColumnNameTable() {
    static const std::vector<std::pair<std::string, ListColumn>> table = [] {
        const ColumnNames columns[] = {
            {ListColumn::Leadership, {"统率", "统御", "leadership", "lead"}},
            {ListColumn::Valour, {"武勇", "武力", "valour", "valor", "war"}},
            {ListColumn::Intellect, {"智慧", "智力", "intellect", "int"}},
            {ListColumn::Politics, {"政治", "politics", "pol"}},
            {ListColumn::Duty, {"义理", "duty"}},
            {ListColumn::Portrait, {"ＣＧ", "ＣＧ号", "cg", "cg号", "portrait", "portraitnumber"}},
        };
        std::vector<std::pair<std::string, ListColumn>> out;
        for (const auto& c : columns)
            for (const char* name : c.names) out.emplace_back(LowerAscii(AsciiForms(Gbk(name))), c.column);
        return out;
    }();
    return table;
}

std::int64_t ColumnValue(const OfficerSlot& o, ListColumn column) {
    switch (column) {
        case ListColumn::Appearance: return o.Extra.Appearance == 1 ? 1 : 0;
        case ListColumn::Leadership: return o.Record.Leadership;
        case ListColumn::Valour: return o.Record.Valour;
        case ListColumn::Intellect: return o.Record.Intellect;
        case ListColumn::Politics: return o.Record.Politics;
        case ListColumn::Duty: return o.Extra.Duty;
        case ListColumn::Portrait: return o.Record.PortraitNumber;
        case ListColumn::Name: break;
    }
    return 0;
}

bool Compare(std::int64_t a, Comparison c, std::int64_t b) {
    switch (c) {
        case Comparison::Less: return a < b;
        case Comparison::LessOrEqual: return a <= b;
        case Comparison::Equal: return a == b;
        case Comparison::NotEqual: return a != b;
        case Comparison::GreaterOrEqual: return a >= b;
        case Comparison::Greater: return a > b;
    }
    return false;
}

struct Operator {
    const char* text;
    Comparison comparison;
};
// Longer signs first, so that ">=" is not read as ">" followed by "=".
constexpr Operator kOperators[] = {{">=", Comparison::GreaterOrEqual}, {"<=", Comparison::LessOrEqual}, {"!=", Comparison::NotEqual},
                                   {"<>", Comparison::NotEqual},       {"==", Comparison::Equal},       {">", Comparison::Greater},
                                   {"<", Comparison::Less},            {"=", Comparison::Equal}};

}  // namespace

std::optional<ListColumn> ListColumnNamed(std::string_view gbk) {
    const std::string key = LowerAscii(AsciiForms(gbk));
    for (const auto& [name, column] : ColumnNameTable())
        if (name == key) return column;
    return std::nullopt;
}

std::vector<int> SortedSlots(Session& session, ListColumn column, bool descending) {
    std::vector<int> slots;
    for (int slot = 1; slot < std::min(session.EndSlot, kSlotCount + 1); ++slot) slots.push_back(slot);
    if (column == ListColumn::Name) {
        std::vector<std::string> names(slots.size() + 1);
        for (int slot : slots) names[static_cast<std::size_t>(slot)] = OfficerName(session, slot, session.ZZZZ);
        std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) {
            const std::string &x = names[static_cast<std::size_t>(a)], &y = names[static_cast<std::size_t>(b)];
            return descending ? y < x : x < y;
        });
        return slots;
    }
    std::vector<std::int64_t> values(slots.size() + 1);
    for (int slot : slots) values[static_cast<std::size_t>(slot)] = ColumnValue(session.Officers[slot], column);
    std::stable_sort(slots.begin(), slots.end(), [&](int a, int b) {
        const std::int64_t x = values[static_cast<std::size_t>(a)], y = values[static_cast<std::size_t>(b)];
        return descending ? y < x : x < y;
    });
    return slots;
}

Result<ListFilter> ParseListFilter(std::string_view gbk) {
    const std::string text = AsciiForms(gbk);
    const std::string appeared = Gbk("出场"), retired = Gbk("退场");
    ListFilter filter;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && text[at] == ' ') ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ') ++end;
        if (end == at) break;
        const std::string word = text.substr(at, end - at);
        at = end;
        if (word == appeared || word == retired) {
            filter.appeared = word == appeared;
            continue;
        }
        // A condition: a column's name, a sign, a number. The signs are ASCII, never part of a GBK pair.
        const std::size_t sign = word.find_first_of("<>=!");
        if (sign == std::string::npos) {
            filter.nameParts.push_back(word);
            continue;
        }
        const std::string name = word.substr(0, sign);
        const auto column = ListColumnNamed(name);
        if (!column) return Problem(TextId::kFilterUnknownColumn, {name});
        const Operator* op = nullptr;
        for (const Operator& o : kOperators)
            if (word.compare(sign, std::strlen(o.text), o.text) == 0) {
                op = &o;
                break;
            }
        const std::string number = op ? word.substr(sign + std::strlen(op->text)) : std::string();
        std::int64_t value = 0;
        const auto [end2, error] = std::from_chars(number.data(), number.data() + number.size(), value);
        if (!op || number.empty() || error != std::errc() || end2 != number.data() + number.size())
            return Problem(TextId::kFilterBadCondition, {word});
        filter.conditions.push_back({*column, op->comparison, value});
    }
    return filter;
}

bool FilterMatches(Session& session, int slot, const ListFilter& filter) {
    const OfficerSlot& o = session.Officers[slot];
    if (filter.appeared && (o.Extra.Appearance == 1) != *filter.appeared) return false;
    for (const ListCondition& c : filter.conditions)
        if (!Compare(ColumnValue(o, c.column), c.comparison, c.value)) return false;
    if (filter.nameParts.empty()) return true;
    const std::string name = SearchName(session, slot);
    return std::all_of(filter.nameParts.begin(), filter.nameParts.end(),
                       [&](const std::string& part) { return NameMatches(session, name, part); });
}

std::vector<int> FilterSlots(Session& session, const std::vector<int>& slots, const ListFilter& filter) {
    std::vector<int> kept;
    for (int slot : slots)
        if (FilterMatches(session, slot, filter)) kept.push_back(slot);
    return kept;
}

}  // namespace busho
