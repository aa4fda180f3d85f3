// Comparing two officer files: which officers were added, removed or changed, and which fields, as
// `busho diff` and the restore dialog tell them.

#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "code_page_text.h"
#include "core/data/officer_diff.h"
#include "core/text/text_fields.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::RandomOfficer;
using testing::SetText;

template <std::size_t N>
std::string ListedName(const ByteField<N>& field) {
    return CutAtNul(TrimSpaces(std::string_view(reinterpret_cast<const char*>(field.data()), N)));
}

OfficerFileContents Contents(const std::vector<OfficerSlot>& officers) {
    OfficerFileContents contents;
    contents.Header = WrittenFileHeader();
    for (std::size_t i = 0; i < officers.size(); ++i) contents.Officers[static_cast<int>(i) + 1] = officers[i];
    contents.EndSlot = static_cast<int>(officers.size()) + 1;
    return contents;
}

struct Expected {
    int slot;
    OfficerChange change;
    std::vector<std::string> fields;
};

TEST(OfficerDiff, TellsAddedRemovedAndChangedFieldsBySlot) {
    std::vector<OfficerSlot> base = {RandomOfficer(1), RandomOfficer(2), RandomOfficer(3)};
    base[0].Record.TacticCount = 2;
    base[0].Tactics = {};
    base[0].Tactics[0] = 4;
    base[0].Tactics[1] = 5;
    base[1].LikedCount = 1;
    base[1].Liked = {10001, 0};
    struct Case {
        const char* what;
        std::function<void(OfficerFileContents&)> change;
        bool headerChanged;
        std::vector<Expected> expected;
    };
    const Case cases[] = {
        {"nothing", [](OfficerFileContents&) {}, false, {}},
        {"a number", [](OfficerFileContents& c) { c.Officers[2].Record.Leadership ^= 3; }, false,
         {{2, OfficerChange::Changed, {"Leadership"}}}},
        {"name, a tactic and the voice, in file order",
         [](OfficerFileContents& c) {
             c.Officers[1].Extra.VoiceType ^= 1;
             c.Officers[1].Tactics[1] = 6;
             SetText(c.Officers[1].Record.GivenName, "\x90\x4d");
         },
         false, {{1, OfficerChange::Changed, {"GivenName", "Tactics", "VoiceType"}}}},
        {"a tactic beyond the count, which the file does not hold", [](OfficerFileContents& c) { c.Officers[1].Tactics[7] = 9; },
         false, {}},
        {"a liked officer more",
         [](OfficerFileContents& c) {
             c.Officers[2].LikedCount = 2;
             c.Officers[2].Liked[1] = 10002;
         },
         false, {{2, OfficerChange::Changed, {"LikedCount", "Liked"}}}},
        {"an officer added", [](OfficerFileContents& c) { c.Officers[c.EndSlot++] = RandomOfficer(4); }, false,
         {{4, OfficerChange::Added, {}}}},
        {"two officers removed", [](OfficerFileContents& c) { c.EndSlot -= 2; }, false,
         {{2, OfficerChange::Removed, {}}, {3, OfficerChange::Removed, {}}}},
        {"the header", [](OfficerFileContents& c) { c.Header[3] ^= 0xFF; }, true, {}},
        {"a slot after the end marker", [](OfficerFileContents& c) { c.Officers[6] = RandomOfficer(6); }, false, {}},
    };
    const OfficerFileContents before = Contents(base);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OfficerFileContents after = before;
        c.change(after);
        const OfficerFileDiff diff = DiffOfficerFiles(before, after);
        EXPECT_EQ(diff.headerChanged, c.headerChanged);
        EXPECT_EQ(diff.Equal(), !c.headerChanged && c.expected.empty());
        ASSERT_EQ(diff.officers.size(), c.expected.size());
        for (std::size_t i = 0; i < c.expected.size(); ++i) {
            const OfficerDifference& d = diff.officers[i];
            EXPECT_EQ(d.slot, c.expected[i].slot);
            EXPECT_EQ(d.change, c.expected[i].change);
            std::vector<std::string> fields;
            for (const FieldChange& f : d.fields) fields.push_back(f.field);
            EXPECT_EQ(fields, c.expected[i].fields);
            // Named as the file that still holds the officer names it.
            const OfficerSlot& holder = d.change == OfficerChange::Removed ? before.Officers[d.slot] : after.Officers[d.slot];
            EXPECT_EQ(d.familyName, ListedName(holder.Record.FamilyName));
            EXPECT_EQ(d.givenName, ListedName(holder.Record.GivenName));
        }
        // Turned round, added and removed swap places; changed fields stay.
        const OfficerFileDiff back = DiffOfficerFiles(after, before);
        ASSERT_EQ(back.officers.size(), diff.officers.size());
        for (std::size_t i = 0; i < back.officers.size(); ++i) {
            const OfficerChange mirrored = diff.officers[i].change == OfficerChange::Added     ? OfficerChange::Removed
                                           : diff.officers[i].change == OfficerChange::Removed ? OfficerChange::Added
                                                                                                : OfficerChange::Changed;
            EXPECT_EQ(back.officers[i].change, mirrored);
        }
    }
}

TEST(OfficerDiff, ChangedFieldsCarryBothValues) {
    std::vector<OfficerSlot> base = {RandomOfficer(7)};
    base[0].Record.Aptitude = {0, 1, 2, 3, 4, 0, 1, 2, 3};
    base[0].Record.Politics = 60;
    SetText(base[0].Record.FamilyName, std::string(" Oda\0xy", 7));
    SetText(base[0].Record.GivenName, "Nobunaga");
    OfficerFileContents before = Contents(base);
    OfficerFileContents after = before;
    after.Officers[1].Record.Aptitude[8] = 4;
    after.Officers[1].Record.Politics = 95;
    const OfficerFileDiff diff = DiffOfficerFiles(before, after);
    ASSERT_EQ(diff.officers.size(), 1u);
    ASSERT_EQ(diff.officers[0].fields.size(), 2u);
    const FieldChange& politics = diff.officers[0].fields[0];
    EXPECT_EQ(politics.field, "Politics");
    EXPECT_EQ(politics.before, FieldValue(60));
    EXPECT_EQ(politics.after, FieldValue(95));
    const FieldChange& aptitude = diff.officers[0].fields[1];
    EXPECT_EQ(aptitude.field, "Aptitude");
    EXPECT_EQ(aptitude.after, FieldValue(std::vector<std::int32_t>{0, 1, 2, 3, 4, 0, 1, 2, 4}));
    EXPECT_EQ(diff.officers[0].familyName, "Oda");  // as the lists show it
    EXPECT_EQ(diff.officers[0].givenName, "Nobunaga");
    EXPECT_EQ(diff.Count(OfficerChange::Changed), 1);
    EXPECT_EQ(diff.Count(OfficerChange::Added), 0);
}

TEST(OfficerDiff, ValuesAsOneLineShowsThem) {
    // A decoder that upper-cases, and cuts at the first NUL as the editor does.
    const GameTextDecoder decode = [](std::string_view bytes) {
        std::string text(bytes.substr(0, bytes.find('\0')));
        for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return text;
    };
    const std::string nobu("nobu\0\0", 6), nobuTail("nobu\0x", 6), naga("naga\0\0", 6);
    struct Case {
        FieldChange change;
        bool useAfter;
        bool decoded;
        std::string expected;
    };
    const Case cases[] = {
        {{"Leadership", 80, 99}, true, true, "99"},
        {{"Leadership", -1, 99}, false, false, "-1"},
        {{"Tactics", std::vector<std::int32_t>{1, 22}, std::vector<std::int32_t>{}}, false, true, "[1, 22]"},
        {{"Tactics", std::vector<std::int32_t>{1, 22}, std::vector<std::int32_t>{}}, true, true, "[]"},
        {{"GivenName", nobu, naga}, true, true, "NAGA"},
        {{"GivenName", nobu, naga}, true, false, "6e6167610000"},
        // Alike once decoded: the bytes after the end tell the difference.
        {{"GivenName", nobu, nobuTail}, true, true, "6e6f62750078"},
        {{"Signature", nobu, naga}, true, true, "6e6167610000"},  // not game text
    };
    for (const Case& c : cases) {
        const FieldValue& value = c.useAfter ? c.change.after : c.change.before;
        EXPECT_EQ(FieldValueText(c.change, value, c.decoded ? decode : GameTextDecoder{}), c.expected) << c.change.field;
    }
}

}  // namespace
}  // namespace busho
