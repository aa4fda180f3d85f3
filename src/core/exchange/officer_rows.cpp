#include "officer_rows.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "core/editing/commit_officer.h"
#include "core/editing/list_row.h"
#include "core/editing/officer_view.h"
#include "core/editing/vocabulary_text.h"
#include "core/text/code_page.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

const char kRankLetters[] = "DCBAS";

template <std::size_t N>
std::string_view FieldView(const ByteField<N>& field) {
    return std::string_view(reinterpret_cast<const char*>(field.data()), N);
}

std::string Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

// A list value as its item text, or as its number when it lies outside the list (or on a separator).
std::string ListCell(const std::vector<std::string>& items, std::int32_t value) {
    if (value >= 0 && static_cast<std::size_t>(value) < items.size() && items[static_cast<std::size_t>(value)] != "-----")
        return items[static_cast<std::size_t>(value)];
    return std::to_string(value);
}

std::optional<long long> ParseInteger(std::string_view text) {
    const std::string t = Trim(text);
    if (t.empty()) return std::nullopt;
    std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
    if (i == t.size()) return std::nullopt;
    for (std::size_t j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9') return std::nullopt;
    if (t.size() > 12) return std::nullopt;
    long long value = 0;
    const char* first = t.data() + (t[0] == '+' ? 1 : 0);
    if (std::from_chars(first, t.data() + t.size(), value).ec != std::errc{}) return std::nullopt;
    return value;
}

// The number at the start of "N name".
std::optional<long long> LeadingInteger(std::string_view text) {
    const std::string t = Trim(text);
    std::size_t end = (!t.empty() && t[0] == '-') ? 1 : 0;
    while (end < t.size() && t[end] >= '0' && t[end] <= '9') ++end;
    if (end == 0 || (end == 1 && t[0] == '-')) return std::nullopt;
    return ParseInteger(t.substr(0, end));
}

std::optional<int> ListValue(const std::vector<std::string>& items, std::string_view cell) {
    const std::string t = Trim(cell);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == t && t != "-----") return static_cast<int>(i);
    if (auto n = ParseInteger(t); n && *n >= 0 && static_cast<std::size_t>(*n) < items.size()) return static_cast<int>(*n);
    return std::nullopt;
}

std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::stringstream in{std::string(text)};
    while (std::getline(in, part, separator)) {
        const std::string t = Trim(part);
        if (!t.empty()) parts.push_back(t);
    }
    return parts;
}

bool IsOfficerNumber(long long n) {
    return (n >= 0 && n < kBuiltInOfficerCount) || (n >= kRegisteredNumberBase && n < kRegisteredNumberBase + kSlotCount);
}

struct Names {
    Session& session;
    const std::vector<std::string>& builtIn;
    const RowText& text;
    std::string Of(std::int32_t number) const {
        if (number >= 0 && number < kBuiltInOfficerCount && static_cast<std::size_t>(number) < builtIn.size())
            return text.toUtf8(builtIn[static_cast<std::size_t>(number)]);
        const int slot = number - kRegisteredNumberBase + 1;
        if (slot >= 1 && slot <= kSlotCount) return text.toUtf8(OfficerName(session, slot, true));
        return {};
    }
    std::string Officer(std::int32_t number) const {
        const std::string name = Of(number);
        return name.empty() ? std::to_string(number) : std::to_string(number) + " " + name;
    }
};

// What a column needs besides the officer: the session (names of registered officers), the built-in
// names and the text conversions.
struct RowContext {
    Session& session;
    Names names;
    const RowText& text;
    std::string Decoded(std::string_view field) const { return text.toUtf8(CutAtNul(DecodeFromGame(session, field))); }
};

// One column of the rows: its name, its cell for an officer, how a changed cell goes into the
// editor's values (the reason when it cannot), and which bytes of the officer it stands for (kept as
// they were when the cell is unchanged). Export, import and the kept bytes all follow this table.
struct RowColumn {
    const char* name;
    std::string (*cell)(const RowContext&, const OfficerSlot&);
    std::optional<TextId> (*apply)(const RowContext&, const std::string& cell, EditorValues&, int& portrait);
    void (*keep)(const OfficerSlot& from, OfficerSlot& to);
};

using Reason = std::optional<TextId>;

Reason IntoGbk(const RowContext& c, const std::string& cell, std::string& target) {
    const auto converted = c.text.toGbk(cell);
    if (!converted) return TextId::kCellNotGbk;
    target = *converted;
    return std::nullopt;
}

// An item whose text the spreadsheet's encoding could not hold, named by what it saved instead, when
// no other item reads the same.
std::optional<int> SavedListValue(const RowContext& c, const std::vector<std::string>& items, std::string_view cell) {
    if (!c.text.asSaved) return std::nullopt;
    const std::string t = Trim(cell);
    std::optional<int> found;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i] == "-----" || c.text.asSaved(items[i]) != t) continue;
        if (found) return std::nullopt;
        found = static_cast<int>(i);
    }
    return found;
}

// A cell as export wrote it, or as the spreadsheet's encoding saved what export wrote.
bool SameAsExported(const RowText& text, const std::string& cell, const std::string& exported) {
    return cell == exported || (text.asSaved && cell == text.asSaved(exported));
}

Reason IntoList(const RowContext& c, const std::vector<std::string>& items, const std::string& cell, int& target) {
    auto value = ListValue(items, cell);
    if (!value) value = SavedListValue(c, items, cell);
    if (!value) return TextId::kCellNotInList;
    target = *value;
    return std::nullopt;
}

Reason IntoNumberBox(const std::string& cell, std::string& target) {
    if (!ParseInteger(cell)) return TextId::kCellNotInteger;
    target = Trim(cell);
    return std::nullopt;
}

std::optional<long long> OfficerNumberIn(std::string_view entry, bool builtInOnly) {
    const auto n = LeadingInteger(entry);
    if (!n || !IsOfficerNumber(*n) || (builtInOnly && *n >= kBuiltInOfficerCount)) return std::nullopt;
    return n;
}

std::string RelationsCell(const RowContext& c, std::int32_t count, const std::array<std::int32_t, kMaxRelations>& numbers) {
    std::string cell;
    for (int i = 0; i < std::clamp(count, 0, kMaxRelations); ++i)
        cell += (i ? "; " : "") + c.names.Officer(numbers[static_cast<std::size_t>(i)]);
    return cell;
}

Reason IntoRelations(const std::string& cell, int& first, int& second) {
    const auto entries = Split(cell, ';');
    if (entries.size() > 2) return TextId::kCellTwoOfficersAtMost;
    int items[2] = {0, 0};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto n = OfficerNumberIn(entries[i], false);
        if (!n) return TextId::kCellNotOfficer;
        items[i] = NumberToListItem(static_cast<int>(*n));
    }
    first = items[0];
    second = items[1];
    return std::nullopt;
}

// The columns whose cell is a text field, a list item or a number box, and what they stand for.
#define BUSHO_TEXT_COLUMN(Field, box)                                                                                 \
    RowColumn {                                                                                                      \
        #Field, [](const RowContext& c, const OfficerSlot& o) { return c.Decoded(FieldView(o.Record.Field)); },      \
            [](const RowContext& c, const std::string& cell, EditorValues& v, int&) { return IntoGbk(c, cell, v.box); }, \
            [](const OfficerSlot& from, OfficerSlot& to) { to.Record.Field = from.Record.Field; }                     \
    }
#define BUSHO_NUMBER_COLUMN(Part, Field, box)                                                                          \
    RowColumn {                                                                                                      \
        #Field, [](const RowContext&, const OfficerSlot& o) { return std::to_string(o.Part.Field); },                \
            [](const RowContext&, const std::string& cell, EditorValues& v, int&) { return IntoNumberBox(cell, v.box); }, \
            [](const OfficerSlot& from, OfficerSlot& to) { to.Part.Field = from.Part.Field; }                         \
    }
#define BUSHO_LIST_COLUMN(Part, Field, items, box)                                                                      \
    RowColumn {                                                                                                      \
        #Field, [](const RowContext&, const OfficerSlot& o) { return ListCell(vocabulary_text::items(), o.Part.Field); }, \
            [](const RowContext& c, const std::string& cell, EditorValues& v, int&) {                                \
                return IntoList(c, vocabulary_text::items(), cell, v.box);                                           \
            },                                                                                                       \
            [](const OfficerSlot& from, OfficerSlot& to) { to.Part.Field = from.Part.Field; }                         \
    }

const std::vector<RowColumn>& RowColumns() {
    static const std::vector<RowColumn> columns = {
        {"slot", nullptr, nullptr, nullptr},
        BUSHO_TEXT_COLUMN(FamilyName, txX),
        BUSHO_TEXT_COLUMN(FamilyNameReading, txXP),
        BUSHO_TEXT_COLUMN(GivenName, txM),
        BUSHO_TEXT_COLUMN(GivenNameReading, txMP),
        BUSHO_TEXT_COLUMN(Biography, txLJ),
        BUSHO_LIST_COLUMN(Record, Gender, Genders, cSB),
        {"PortraitNumber", [](const RowContext&, const OfficerSlot& o) { return std::to_string(o.Record.PortraitNumber); },
         [](const RowContext&, const std::string& cell, EditorValues&, int& portrait) -> Reason {
             const auto n = ParseInteger(cell);
             if (!n || *n < 0 || *n > 32767) return TextId::kCellNotPortrait;
             portrait = static_cast<int>(*n);
             return std::nullopt;
         },
         [](const OfficerSlot& from, OfficerSlot& to) { to.Record.PortraitNumber = from.Record.PortraitNumber; }},
        BUSHO_NUMBER_COLUMN(Record, BirthYear, txCSN),
        BUSHO_NUMBER_COLUMN(Record, DeathYear, txSWN),
        BUSHO_LIST_COLUMN(Record, Origin, Origins, cCZ),
        BUSHO_LIST_COLUMN(Record, Faith, Faiths, cXY),
        {"Father", [](const RowContext& c, const OfficerSlot& o) { return o.Record.Father == -1 ? std::string("无") : c.names.Officer(o.Record.Father); },
         [](const RowContext& c, const std::string& cell, EditorValues& v, int&) -> Reason {
             if (Trim(cell).empty() || Trim(cell) == "无" || (c.text.asSaved && Trim(cell) == c.text.asSaved("无"))) {
                 v.cSF = 0;
                 return std::nullopt;
             }
             const auto n = OfficerNumberIn(cell, false);
             if (!n) return TextId::kCellNotOfficerOrNone;
             v.cSF = NumberToListItem(static_cast<int>(*n));
             return std::nullopt;
         },
         [](const OfficerSlot& from, OfficerSlot& to) { to.Record.Father = from.Record.Father; }},
        {"CompatibilityOfficer", [](const RowContext& c, const OfficerSlot& o) { return c.names.Officer(o.Record.CompatibilityOfficer); },
         [](const RowContext&, const std::string& cell, EditorValues& v, int&) -> Reason {
             const auto n = OfficerNumberIn(cell, true);
             if (!n) return TextId::kCellNotBuiltInOfficer;
             v.cXXWJ = static_cast<int>(*n);
             return std::nullopt;
         },
         [](const OfficerSlot& from, OfficerSlot& to) { to.Record.CompatibilityOfficer = from.Record.CompatibilityOfficer; }},
        BUSHO_NUMBER_COLUMN(Record, Leadership, txLTY),
        BUSHO_NUMBER_COLUMN(Record, Valour, txLWG),
        BUSHO_NUMBER_COLUMN(Record, Intellect, txLZH),
        BUSHO_NUMBER_COLUMN(Record, Politics, txLZZ),
        {"Aptitude",
         [](const RowContext&, const OfficerSlot& o) {
             std::string cell;
             for (std::size_t k = 0; k < o.Record.Aptitude.size(); ++k) {
                 const int v = o.Record.Aptitude[k];
                 cell += (k ? " " : "") + (v >= 0 && v <= 4 ? std::string(1, kRankLetters[v]) : std::to_string(v));
             }
             return cell;
         },
         [](const RowContext&, const std::string& cell, EditorValues& v, int&) -> Reason {
             const auto ranks = Split(cell, ' ');
             if (ranks.size() != 9) return TextId::kCellNeedsNineRanks;
             for (std::size_t k = 0; k < 9; ++k) {
                 const auto at = std::string(kRankLetters).find(ranks[k]);
                 if (ranks[k].size() != 1 || at == std::string::npos) return TextId::kCellRankLetters;
                 v.SkillList[k] = static_cast<int>(at);
             }
             return std::nullopt;
         },
         [](const OfficerSlot& from, OfficerSlot& to) { to.Record.Aptitude = from.Record.Aptitude; }},
        {"Tactics",
         [](const RowContext&, const OfficerSlot& o) {
             std::string cell;
             for (int i = 0; i < std::clamp(o.Record.TacticCount, 0, kMaxTactics); ++i)
                 cell += (i ? " " : "") + std::to_string(o.Tactics[static_cast<std::size_t>(i)]);
             return cell;
         },
         [](const RowContext&, const std::string& cell, EditorValues& v, int&) -> Reason {
             v.SKill1.fill(false);
             for (const auto& entry : Split(cell, ' ')) {
                 const auto t = ParseInteger(entry);
                 if (!t || *t < 0 || *t >= kTacticBoxes) return TextId::kCellTacticNumbers;
                 v.SKill1[static_cast<std::size_t>(*t)] = true;
             }
             return std::nullopt;
         },
         [](const OfficerSlot& from, OfficerSlot& to) {
             to.Record.TacticCount = from.Record.TacticCount;
             to.Tactics = from.Tactics;
         }},
        {"Liked", [](const RowContext& c, const OfficerSlot& o) { return RelationsCell(c, o.LikedCount, o.Liked); },
         [](const RowContext&, const std::string& cell, EditorValues& v, int&) { return IntoRelations(cell, v.cQEWJ1, v.cQEWJ2); },
         [](const OfficerSlot& from, OfficerSlot& to) {
             to.LikedCount = from.LikedCount;
             to.Liked = from.Liked;
         }},
        {"Disliked", [](const RowContext& c, const OfficerSlot& o) { return RelationsCell(c, o.DislikedCount, o.Disliked); },
         [](const RowContext&, const std::string& cell, EditorValues& v, int&) { return IntoRelations(cell, v.cYEWJ1, v.cYEWJ2); },
         [](const OfficerSlot& from, OfficerSlot& to) {
             to.DislikedCount = from.DislikedCount;
             to.Disliked = from.Disliked;
         }},
        BUSHO_NUMBER_COLUMN(Extra, Duty, txLQY),
        BUSHO_LIST_COLUMN(Extra, AssignedCastle, Castles, cSS),
        BUSHO_LIST_COLUMN(Extra, Status, Statuses, cZT),
        BUSHO_LIST_COLUMN(Extra, Appearance, Appearances, cCCDC),
        BUSHO_LIST_COLUMN(Extra, VoiceType, VoiceLabels, SD),
    };
    return columns;
}

#undef BUSHO_TEXT_COLUMN
#undef BUSHO_NUMBER_COLUMN
#undef BUSHO_LIST_COLUMN

// A cell or a column name as the argument of a message: characters GBK lacks become '?'.
std::string AsGbk(const std::string& utf8) { return EncodeWithSubstitutes(CodePage::Gbk, Utf8ToUtf16(utf8)); }

}  // namespace

const std::vector<std::string>& ExportColumns() {
    static const std::vector<std::string> names = [] {
        std::vector<std::string> list;
        for (const RowColumn& column : RowColumns()) list.emplace_back(column.name);
        return list;
    }();
    return names;
}

std::vector<std::string> ExportRow(Session& session, int slot, const std::vector<std::string>& builtInNames, const RowText& text) {
    const RowContext context{session, Names{session, builtInNames, text}, text};
    std::vector<std::string> row{std::to_string(slot)};
    for (const RowColumn& column : RowColumns())
        if (column.cell) row.push_back(column.cell(context, session.Officers[slot]));
    return row;
}

std::vector<Problem> ImportRows(Session& session, EditHistory& history, const std::vector<std::map<std::string, std::string>>& rows,
                                 const std::vector<int>& rowNumbers, const std::vector<std::string>& builtInNames,
                                 const RowText& text) {
    std::vector<Problem> errors;
    // Each row is applied as it is read, so the next one sees it; the whole import is one step.
    auto step = std::make_unique<EditGroup>(StepLabel(TextId::kEditImport, {static_cast<std::int64_t>(rows.size())}));
    const auto& columns = RowColumns();
    const RowContext context{session, Names{session, builtInNames, text}, text};
    // Officers are shown as the editor shows them with 中日文译 ticked; the user's setting is kept.
    const bool translated = session.ZZZZ;
    session.ZZZZ = true;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const int rowNumber = r < rowNumbers.size() ? rowNumbers[r] : static_cast<int>(r) + 2;
        auto fail = [&](const std::string& column, Problem reason) {
            const auto at = row.find(column);
            const std::string value = at == row.end() ? std::string() : at->second;
            errors.push_back(Problem(TextId::kRowProblem, {std::int64_t{rowNumber}, AsGbk(column), AsGbk(value)})
                                 .OfField(column)
                                 .Because(std::move(reason)));
        };
        for (const auto& entry : row) {
            const std::string& name = entry.first;
            if (std::none_of(columns.begin(), columns.end(), [&](const RowColumn& c) { return name == c.name; })) fail(name, TextId::kColumnUnknown);
        }
        const auto slotCell = row.find("slot");
        const auto slotNumber = slotCell == row.end() ? std::nullopt : ParseInteger(slotCell->second);
        if (slotCell != row.end() && !Trim(slotCell->second).empty() && (!slotNumber || *slotNumber < 1)) {
            fail("slot", TextId::kCellNotPositive);
            continue;
        }
        const bool modify = slotNumber && *slotNumber < session.EndSlot;
        const int slot = modify ? static_cast<int>(*slotNumber) : session.EndSlot;

        // Start from the officer as the editor would show it (a new one from the blank officer).
        EditorValues values;
        OfficerSlot original;
        session.CurrentSlot = slot;
        if (modify) {
            original = session.Officers[slot];
            ShowOfficer(session, slot, values);
            for (std::string* t : {&values.txX, &values.txXP, &values.txM, &values.txMP, &values.txLJ}) *t = CutAtNul(*t);
            for (auto& [box, shown] : values.shown) shown.text = CutAtNul(shown.text);
        } else {
            ApplyBlankDefaults(values, session);
            values.txXP.clear();
            values.txMP.clear();
        }
        int portrait = modify ? original.Record.PortraitNumber : session.CurrentPortrait;
        std::vector<const RowColumn*> unchanged;
        bool rowFailed = false;
        for (const RowColumn& column : columns) {
            if (!column.apply) continue;  // the slot
            const auto cell = row.find(column.name);
            if (cell == row.end() || (modify && SameAsExported(text, cell->second, column.cell(context, original)))) {
                if (modify) unchanged.push_back(&column);
                continue;
            }
            if (auto reason = column.apply(context, cell->second, values, portrait)) {
                fail(column.name, *reason);
                rowFailed = true;
            }
        }
        if (rowFailed) continue;
        session.CurrentPortrait = portrait;
        const CommitMode mode = modify ? CommitMode::Modify : CommitMode::Add;
        auto result = PrepareCommit(session, values, mode, {false, true});
        if (!result) {
            fail(result.problem().field.empty() ? "slot" : result.problem().field, result.problem());
            continue;
        }
        // Unchanged cells keep the officer's bytes: text does not always convert back unchanged.
        for (const RowColumn* column : unchanged) column->keep(original, result->officer);
        if (!ChangesNothing(session, mode, result.value())) {
            auto rowStep = CommitStep(session, mode, result.value());
            rowStep->Apply(session);
            step->Add(std::move(rowStep));
        }
        session.CurrentSlot = result->slot;
    }
    session.ZZZZ = translated;
    if (!step->Empty()) {
        step->Revert(session);
        history.Push(session, std::move(step));
    }
    return errors;
}

}  // namespace busho
