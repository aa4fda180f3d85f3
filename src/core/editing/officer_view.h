#pragma once
// The editor's controls as plain values, and the operations that fill them: the blank officer,
// showing an officer, the scenario ages. The window only moves these values into its widgets.

#include <array>
#include <optional>
#include <map>
#include <string>
#include <string_view>

#include "core/data/session.h"
#include "core/text/box_numbers.h"

namespace busho {

inline constexpr int kTacticBoxes = 30;

// The list position of a stored value that no item of its list stands for (outside a fixed list, or
// an officer number that names no officer): the list shows it as one item of its own, and a commit
// keeps the value while that item stays chosen.
inline constexpr int kUnlistedItem = -2;

// What a box showed of the stored officer: its text as the box gives it back, and the field's bytes
// as they were read (empty for number boxes).
struct ShownText {
    std::string text;
    std::string stored;
    bool operator==(const ShownText&) const = default;
};

// Every value control of the editor window. Texts are GBK; lists hold their selected position.
struct EditorValues {
    std::string txX, txXP, txM, txMP, txLJ;
    std::string txCSN, txSWN;
    std::string txLTY, txLWG, txLZH, txLZZ, txLQY;
    std::array<int, kAptitudeCount> SkillList{};
    std::array<bool, kTacticBoxes> SKill1{};
    int cSB = 0, cCZ = 0, cXY = 0, cZT = 0, cSS = 0, cXXWJ = 0;
    int cQEWJ1 = 0, cQEWJ2 = 0, cYEWJ1 = 0, cYEWJ2 = 0, cSF = 0, cCCDC = 0;
    int SD = -1;  // voice option; -1 while none is selected

    // Of the officer shown (empty for the blank officer), by control name: what each box showed, and
    // each list's stored value that has no item (its position is kUnlistedItem). A commit stores a
    // box that still shows its text, and a list still on its unlisted item, exactly as it was read.
    std::map<std::string, ShownText> shown;
    std::map<std::string, std::int32_t> unlisted;
    // Characters typed into a text box that the interface encoding cannot hold, by control name (GBK
    // notes such as "U+1F600"); the commit tells the user they are lost.
    std::map<std::string, std::string> notEncodable;

    bool operator==(const EditorValues&) const = default;
};

// The made-up officer every display starts from; sets CurrentPortrait to 1. The voice option is
// left as it is.
void ApplyBlankDefaults(EditorValues& values, Session& session);

// Copies slot `slot` into the values (texts decoded when ZZZZ is ticked), ticking its tactics
// without clearing the others, and sets CurrentPortrait. Records what each box shows and every
// stored list value that no item stands for.
void ShowOfficer(Session& session, int slot, EditorValues& values);

// Whether a box still shows what it showed of the stored officer.
bool LeftAlone(const EditorValues& values, const std::string& box, std::string_view text);

// The item sizes of the fixed lists, by control name (SkillList0..8 share the ranks).
int FixedListSize(const std::string& list);

// The archive (game-relative) and face index that show a portrait number.
struct PortraitSource {
    const char* archive;
    int face;
};
PortraitSource LargePortraitSource(int portraitNumber);

// The four scenario labels for the text of the birth-year box (GBK).
std::array<std::string, 4> ScenarioAgeTexts(std::string_view birthYearText);
// The same in parts, for a window that shows them in another language: the scenario's caption, and
// the age (GBK digits after a sign or a space) when the officer has come of age in it, else nothing
// (元服前).
struct ScenarioAge {
    TextId caption;
    std::optional<std::string> age;
};
std::array<ScenarioAge, 4> ScenarioAges(std::string_view birthYearText);
std::array<std::string, 4> ScenarioCaptions();

// The main window's title for the edition (GBK).
std::string AppTitleFor(std::uint8_t edition);

}  // namespace busho
