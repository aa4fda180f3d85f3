#include "officer_rows.h"

#include <algorithm>
#include <sstream>

#include "editor/commit_officer.h"
#include "editor/officer_view.h"
#include "editor/vocabulary_text.h"
#include "text/text_fields.h"

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
    return std::stoll(t);
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
        if (slot >= 1 && slot <= kSlotCount) {
            const OfficerRecord& r = session.Officers[slot].Record;
            return text.toUtf8(CutAtNul(DecodeFromGame(session, FieldView(r.FamilyName))) +
                               CutAtNul(DecodeFromGame(session, FieldView(r.GivenName))));
        }
        return {};
    }
    std::string Officer(std::int32_t number) const {
        const std::string name = Of(number);
        return name.empty() ? std::to_string(number) : std::to_string(number) + " " + name;
    }
};

}  // namespace

const std::vector<std::string>& ExportColumns() {
    static const std::vector<std::string> columns = {
        "slot",      "FamilyName", "FamilyNameReading", "GivenName", "GivenNameReading", "Biography",  "Gender",
        "PortraitNumber", "BirthYear", "DeathYear", "Origin", "Faith", "Father", "CompatibilityOfficer",
        "Leadership", "Valour", "Intellect", "Politics", "Aptitude", "Tactics", "Liked", "Disliked",
        "Duty", "AssignedCastle", "Status", "Appearance", "VoiceType"};
    return columns;
}

std::vector<std::string> ExportRow(Session& session, int slot, const std::vector<std::string>& builtInNames, const RowText& text) {
    const OfficerSlot& o = session.Officers[slot];
    const OfficerRecord& r = o.Record;
    const Names names{session, builtInNames, text};
    auto decoded = [&](std::string_view field) { return text.toUtf8(CutAtNul(DecodeFromGame(session, field))); };
    std::string aptitude;
    for (std::size_t k = 0; k < r.Aptitude.size(); ++k) {
        const int v = r.Aptitude[k];
        aptitude += (k ? " " : "") + (v >= 0 && v <= 4 ? std::string(1, kRankLetters[v]) : std::to_string(v));
    }
    std::string tactics;
    for (int i = 0; i < std::clamp(r.TacticCount, 0, kMaxTactics); ++i)
        tactics += (i ? " " : "") + std::to_string(o.Tactics[static_cast<std::size_t>(i)]);
    auto relations = [&](std::int32_t count, const std::array<std::int32_t, kMaxRelations>& numbers) {
        std::string cell;
        for (int i = 0; i < std::clamp(count, 0, kMaxRelations); ++i) cell += (i ? "; " : "") + names.Officer(numbers[static_cast<std::size_t>(i)]);
        return cell;
    };
    using namespace vocabulary_text;
    return {std::to_string(slot),
            decoded(FieldView(r.FamilyName)),
            decoded(FieldView(r.FamilyNameReading)),
            decoded(FieldView(r.GivenName)),
            decoded(FieldView(r.GivenNameReading)),
            decoded(FieldView(r.Biography)),
            ListCell(Genders(), r.Gender),
            std::to_string(r.PortraitNumber),
            std::to_string(r.BirthYear),
            std::to_string(r.DeathYear),
            ListCell(Origins(), r.Origin),
            ListCell(Faiths(), r.Faith),
            r.Father == -1 ? "无" : names.Officer(r.Father),
            names.Officer(r.CompatibilityOfficer),
            std::to_string(r.Leadership),
            std::to_string(r.Valour),
            std::to_string(r.Intellect),
            std::to_string(r.Politics),
            aptitude,
            tactics,
            relations(o.LikedCount, o.Liked),
            relations(o.DislikedCount, o.Disliked),
            std::to_string(o.Extra.Duty),
            ListCell(Castles(), o.Extra.AssignedCastle),
            ListCell(Statuses(), o.Extra.Status),
            ListCell(Appearances(), o.Extra.Appearance),
            ListCell(VoiceLabels(), o.Extra.VoiceType)};
}

namespace {

// Puts a changed cell into the editor values; returns the reason when the cell cannot be used.
std::optional<std::string> ApplyCell(const std::string& column, const std::string& cell, EditorValues& v, const RowText& text,
                                     int& portrait) {
    using namespace vocabulary_text;
    auto gbk = [&](std::string& target) -> std::optional<std::string> {
        const auto converted = text.toGbk(cell);
        if (!converted) return "含有 GBK 中没有的字";
        target = *converted;
        return std::nullopt;
    };
    auto list = [&](const std::vector<std::string>& items, int& target) -> std::optional<std::string> {
        const auto value = ListValue(items, cell);
        if (!value) return "不是列表中的一项";
        target = *value;
        return std::nullopt;
    };
    auto number = [&](std::string& target) -> std::optional<std::string> {
        if (!ParseInteger(cell)) return "不是整数";
        target = Trim(cell);
        return std::nullopt;
    };
    auto officer = [&](std::string_view entry, bool builtInOnly) -> std::optional<long long> {
        const auto n = LeadingInteger(entry);
        if (!n || !IsOfficerNumber(*n) || (builtInOnly && *n >= kBuiltInOfficerCount)) return std::nullopt;
        return n;
    };
    auto relations = [&](int& first, int& second) -> std::optional<std::string> {
        const auto entries = Split(cell, ';');
        if (entries.size() > 2) return "最多两名武将";
        int items[2] = {0, 0};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const auto n = officer(entries[i], false);
            if (!n) return "不是武将编号（0～1629 或 10000～10999）";
            items[i] = NumberToListItem(static_cast<int>(*n));
        }
        first = items[0];
        second = items[1];
        return std::nullopt;
    };
    if (column == "FamilyName") return gbk(v.txX);
    if (column == "FamilyNameReading") return gbk(v.txXP);
    if (column == "GivenName") return gbk(v.txM);
    if (column == "GivenNameReading") return gbk(v.txMP);
    if (column == "Biography") return gbk(v.txLJ);
    if (column == "Gender") return list(Genders(), v.cSB);
    if (column == "PortraitNumber") {
        const auto n = ParseInteger(cell);
        if (!n || *n < 0 || *n > 32767) return "不是 0～32767 的头像编号";
        portrait = static_cast<int>(*n);
        return std::nullopt;
    }
    if (column == "BirthYear") return number(v.txCSN);
    if (column == "DeathYear") return number(v.txSWN);
    if (column == "Origin") return list(Origins(), v.cCZ);
    if (column == "Faith") return list(Faiths(), v.cXY);
    if (column == "Father") {
        if (Trim(cell).empty() || Trim(cell) == "无") {
            v.cSF = 0;
            return std::nullopt;
        }
        const auto n = officer(cell, false);
        if (!n) return "不是武将编号（0～1629 或 10000～10999）或“无”";
        v.cSF = NumberToListItem(static_cast<int>(*n));
        return std::nullopt;
    }
    if (column == "CompatibilityOfficer") {
        const auto n = officer(cell, true);
        if (!n) return "不是内置武将编号（0～1629）";
        v.cXXWJ = static_cast<int>(*n);
        return std::nullopt;
    }
    if (column == "Leadership") return number(v.txLTY);
    if (column == "Valour") return number(v.txLWG);
    if (column == "Intellect") return number(v.txLZH);
    if (column == "Politics") return number(v.txLZZ);
    if (column == "Duty") return number(v.txLQY);
    if (column == "Aptitude") {
        const auto ranks = Split(cell, ' ');
        if (ranks.size() != 9) return "需要九个等级（S A B C D）";
        for (std::size_t k = 0; k < 9; ++k) {
            const auto at = std::string(kRankLetters).find(ranks[k]);
            if (ranks[k].size() != 1 || at == std::string::npos) return "等级只能是 S A B C D";
            v.SkillList[k] = static_cast<int>(at);
        }
        return std::nullopt;
    }
    if (column == "Tactics") {
        v.SKill1.fill(false);
        for (const auto& entry : Split(cell, ' ')) {
            const auto t = ParseInteger(entry);
            if (!t || *t < 0 || *t >= kTacticBoxes) return "战法编号只能是 0～29";
            v.SKill1[static_cast<std::size_t>(*t)] = true;
        }
        return std::nullopt;
    }
    if (column == "Liked") return relations(v.cQEWJ1, v.cQEWJ2);
    if (column == "Disliked") return relations(v.cYEWJ1, v.cYEWJ2);
    if (column == "AssignedCastle") return list(Castles(), v.cSS);
    if (column == "Status") return list(Statuses(), v.cZT);
    if (column == "Appearance") return list(Appearances(), v.cCCDC);
    if (column == "VoiceType") return list(VoiceLabels(), v.SD);
    return "未知的列";
}

// The fields behind a column, copied from the officer as it was.
void Restore(const std::string& column, const OfficerSlot& from, OfficerSlot& to) {
    OfficerRecord& r = to.Record;
    const OfficerRecord& o = from.Record;
    if (column == "FamilyName") r.FamilyName = o.FamilyName;
    else if (column == "FamilyNameReading") r.FamilyNameReading = o.FamilyNameReading;
    else if (column == "GivenName") r.GivenName = o.GivenName;
    else if (column == "GivenNameReading") r.GivenNameReading = o.GivenNameReading;
    else if (column == "Biography") r.Biography = o.Biography;
    else if (column == "Gender") r.Gender = o.Gender;
    else if (column == "PortraitNumber") r.PortraitNumber = o.PortraitNumber;
    else if (column == "BirthYear") r.BirthYear = o.BirthYear;
    else if (column == "DeathYear") r.DeathYear = o.DeathYear;
    else if (column == "Origin") r.Origin = o.Origin;
    else if (column == "Faith") r.Faith = o.Faith;
    else if (column == "Father") r.Father = o.Father;
    else if (column == "CompatibilityOfficer") r.CompatibilityOfficer = o.CompatibilityOfficer;
    else if (column == "Leadership") r.Leadership = o.Leadership;
    else if (column == "Valour") r.Valour = o.Valour;
    else if (column == "Intellect") r.Intellect = o.Intellect;
    else if (column == "Politics") r.Politics = o.Politics;
    else if (column == "Aptitude") r.Aptitude = o.Aptitude;
    else if (column == "Tactics") {
        r.TacticCount = o.TacticCount;
        to.Tactics = from.Tactics;
    } else if (column == "Liked") {
        to.LikedCount = from.LikedCount;
        to.Liked = from.Liked;
    } else if (column == "Disliked") {
        to.DislikedCount = from.DislikedCount;
        to.Disliked = from.Disliked;
    } else if (column == "Duty") to.Extra.Duty = from.Extra.Duty;
    else if (column == "AssignedCastle") to.Extra.AssignedCastle = from.Extra.AssignedCastle;
    else if (column == "Status") to.Extra.Status = from.Extra.Status;
    else if (column == "Appearance") to.Extra.Appearance = from.Extra.Appearance;
    else if (column == "VoiceType") to.Extra.VoiceType = from.Extra.VoiceType;
}

std::string ColumnOfFocus(CommitFocus focus) {
    switch (focus) {
        case CommitFocus::FamilyName: return "FamilyName";
        case CommitFocus::FamilyNameReading: return "FamilyNameReading";
        case CommitFocus::GivenNameReading: return "GivenNameReading";
        case CommitFocus::Biography: return "Biography";
        case CommitFocus::GivenName: return "GivenName";
        case CommitFocus::Leadership: return "Leadership";
        case CommitFocus::Valour: return "Valour";
        case CommitFocus::Intellect: return "Intellect";
        case CommitFocus::Politics: return "Politics";
        case CommitFocus::Duty: return "Duty";
        case CommitFocus::BirthYear: return "BirthYear";
        case CommitFocus::DeathYear: return "DeathYear";
        case CommitFocus::None: break;
    }
    return "slot";
}

}  // namespace

std::vector<RowError> ImportRows(Session& session, const std::vector<std::map<std::string, std::string>>& rows,
                                 const std::vector<int>& rowNumbers, const std::vector<std::string>& builtInNames,
                                 const RowText& text) {
    std::vector<RowError> errors;
    const auto& columns = ExportColumns();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto& row = rows[r];
        const int rowNumber = r < rowNumbers.size() ? rowNumbers[r] : static_cast<int>(r) + 2;
        auto fail = [&](const std::string& column, const std::string& reason) {
            const auto at = row.find(column);
            errors.push_back({rowNumber, column, at == row.end() ? std::string() : at->second, reason});
        };
        for (const auto& [column, cell] : row)
            if (std::find(columns.begin(), columns.end(), column) == columns.end()) fail(column, "未知的列");
        const auto slotCell = row.find("slot");
        const auto slotNumber = slotCell == row.end() ? std::nullopt : ParseInteger(slotCell->second);
        if (slotCell != row.end() && !Trim(slotCell->second).empty() && (!slotNumber || *slotNumber < 1)) {
            fail("slot", "不是正整数");
            continue;
        }
        const bool modify = slotNumber && *slotNumber < session.EndSlot;
        const int slot = modify ? static_cast<int>(*slotNumber) : session.EndSlot;

        // Start from the officer as the editor would show it (a new one from the blank officer).
        EditorValues values;
        std::vector<std::string> before;
        OfficerSlot original;
        session.CurrentSlot = slot;
        if (modify) {
            original = session.Officers[slot];
            session.ZZZZ = true;
            ShowOfficer(session, slot, values);
            for (std::string* t : {&values.txX, &values.txXP, &values.txM, &values.txMP, &values.txLJ}) *t = CutAtNul(*t);
            for (auto& [box, shown] : values.shown) shown.text = CutAtNul(shown.text);
            before = ExportRow(session, slot, builtInNames, text);
        } else {
            ApplyBlankDefaults(values, session);
            values.txXP.clear();
            values.txMP.clear();
        }
        int portrait = modify ? original.Record.PortraitNumber : session.CurrentPortrait;
        std::vector<std::string> unchanged;
        bool rowFailed = false;
        for (std::size_t c = 1; c < columns.size(); ++c) {
            const auto cell = row.find(columns[c]);
            if (cell == row.end() || (modify && cell->second == before[c])) {
                if (modify) unchanged.push_back(columns[c]);
                continue;
            }
            if (auto reason = ApplyCell(columns[c], cell->second, values, text, portrait)) {
                fail(columns[c], *reason);
                rowFailed = true;
            }
        }
        if (rowFailed) continue;
        session.CurrentPortrait = portrait;
        const CommitResult result = CommitOfficer(session, values, modify ? CommitMode::Modify : CommitMode::Add, {false, true});
        if (!result.committed) {
            fail(ColumnOfFocus(result.focus), result.message ? text.toUtf8(result.message->text) : "无法写入");
            continue;
        }
        // Unchanged cells keep the officer's bytes: text does not always convert back unchanged.
        for (const auto& column : unchanged) Restore(column, original, session.Officers[session.CurrentSlot]);
        CopyToRoster(session.Officers, session.Roster, session.CurrentSlot);
    }
    return errors;
}

}  // namespace busho
