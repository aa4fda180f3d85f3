// Deleting, duplicating and moving officers: relations follow the officers they point at, relations to
// a deleted officer are cleared, and undo gives back every byte.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "code_page_text.h"
#include "core/editing/officer_order.h"
#include "core/editing/list_row.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::SetText;

constexpr int N(int slot) { return kRegisteredNumberBase + slot - 1; }  // the number of a registered officer

// An officer as the tests name it: a letter for a name, and its relations.
struct Shape {
    std::string name;
    int father;
    std::vector<int> liked, disliked;
};

OfficerSlot Make(const Shape& s, int slot) {
    OfficerSlot o = testing::RandomOfficer(static_cast<std::uint32_t>(s.name[0]));
    o.Record.FamilyName = {};
    SetText(o.Record.FamilyName, s.name);
    o.Record.GivenName = {};
    testing::SetRelations(o, s.father, s.liked, s.disliked);
    o.Extra.OfficerId = N(slot);
    return o;
}

// What a slot holds, read back in the same terms.
Shape ShapeOf(const OfficerSlot& o) {
    Shape s{std::string(reinterpret_cast<const char*>(o.Record.FamilyName.data())), o.Record.Father, {}, {}};
    for (int i = 0; i < o.LikedCount; ++i) s.liked.push_back(o.Liked[static_cast<std::size_t>(i)]);
    for (int i = 0; i < o.DislikedCount; ++i) s.disliked.push_back(o.Disliked[static_cast<std::size_t>(i)]);
    return s;
}

std::string Describe(const Shape& s) {
    std::string out = s.name + " father " + std::to_string(s.father) + " liked";
    for (int n : s.liked) out += " " + std::to_string(n);
    out += " disliked";
    for (int n : s.disliked) out += " " + std::to_string(n);
    return out;
}

// a -> b -> c: a's father is b, b likes c and a built-in officer, c dislikes b and d; d has no one.
const std::vector<Shape> kChain = {
    {"a", N(2), {}, {}},
    {"b", -1, {N(3), 17}, {}},
    {"c", -1, {}, {N(2), N(4)}},
    {"d", 5, {N(1)}, {N(3)}},
};

class OfficerOrderTest : public ::testing::Test {
public:
    void Load(const std::vector<Shape>& shapes) {
        session = std::make_unique<Session>();
        session->ZZZZ = false;
        for (std::size_t i = 0; i < shapes.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            session->Officers[slot] = Make(shapes[i], slot);
            session->Roster[kBuiltInOfficerCount + slot].Leadership = 100 + slot;  // tells the entries apart
        }
        session->Officers[static_cast<int>(shapes.size()) + 1].Record.BirthYear = -7;  // an end marker as read
        session->EndSlot = static_cast<int>(shapes.size()) + 1;
        before = session->Officers;
    }
    void Expect(const std::vector<Shape>& expected) {
        ASSERT_EQ(session->EndSlot, static_cast<int>(expected.size()) + 1);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const int slot = static_cast<int>(i) + 1;
            EXPECT_EQ(Describe(ShapeOf(session->Officers[slot])), Describe(expected[i])) << "slot " << slot;
            EXPECT_EQ(session->Officers[slot].Extra.OfficerId, N(slot)) << "slot " << slot;
        }
        // The end marker follows the last officer; the slots after it are empty.
        EXPECT_EQ(session->Officers[session->EndSlot].Record.BirthYear, -7);
        for (int slot = session->EndSlot + 1; slot <= 6; ++slot) EXPECT_TRUE(session->Officers[slot] == OfficerSlot{}) << slot;
    }
    std::unique_ptr<Session> session;
    OfficerTable before;
};

TEST_F(OfficerOrderTest, RelationsFollowTheirOfficersAndLoseTheDeletedOnes) {
    struct Case {
        const char* what;
        std::function<Result<std::unique_ptr<EditCommand>>(Session&)> step;
        std::vector<Shape> expected;
        std::vector<int> rosterFrom;  // the old slot whose roster entry each new slot holds
    };
    const std::vector<Case> cases = {
        {"delete b: a loses its father, c's dislike of b goes and d moves up in its place",
         [](Session& s) { return DeleteOfficers(s, {2}); },
         {{"a", -1, {}, {}}, {"c", -1, {}, {N(3)}}, {"d", 5, {N(1)}, {N(2)}}},
         {1, 3, 4}},
        {"move c to the front: every number shifts",
         [](Session& s) { return MoveOfficer(s, 3, 1); },
         {{"c", -1, {}, {N(3), N(4)}}, {"a", N(3), {}, {}}, {"b", -1, {N(1), 17}, {}}, {"d", 5, {N(2)}, {N(1)}}},
         {3, 1, 2, 4}},
        {"move a to the end",
         [](Session& s) { return MoveOfficer(s, 1, 4); },
         {{"b", -1, {N(2), 17}, {}}, {"c", -1, {}, {N(1), N(3)}}, {"d", 5, {N(4)}, {N(2)}}, {"a", N(1), {}, {}}},
         {2, 3, 4, 1}},
        {"delete b and d: c keeps nothing it disliked, the count goes to 0",
         [](Session& s) { return DeleteOfficers(s, {4, 2}); },
         {{"a", -1, {}, {}}, {"c", -1, {}, {}}},
         {1, 3}},
        {"delete c: b's first liked entry goes and the built-in one moves up",
         [](Session& s) { return DeleteOfficers(s, {3}); },
         {{"a", N(2), {}, {}}, {"b", -1, {17}, {}}, {"d", 5, {N(1)}, {}}},
         {1, 2, 4}},
        {"duplicate a and c: copies at the end keep the originals' relations",
         [](Session& s) { return DuplicateOfficers(s, {3, 1}); },
         {kChain[0], kChain[1], kChain[2], kChain[3], {"a", N(2), {}, {}}, {"c", -1, {}, {N(2), N(4)}}},
         {1, 2, 3, 4, 1, 3}},
        {"上移 b and c together: a goes below them",
         [](Session& s) { return ShiftOfficers(s, {2, 3}, -1); },
         {{"b", -1, {N(2), 17}, {}}, {"c", -1, {}, {N(1), N(4)}}, {"a", N(1), {}, {}}, {"d", 5, {N(3)}, {N(2)}}},
         {2, 3, 1, 4}},
        {"下移 a: it changes places with b",
         [](Session& s) { return ShiftOfficers(s, {1}, 1); },
         {{"b", -1, {N(3), 17}, {}}, {"a", N(1), {}, {}}, {"c", -1, {}, {N(1), N(4)}}, {"d", 5, {N(2)}, {N(3)}}},
         {2, 1, 3, 4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Load(kChain);
        std::vector<RosterEntry> rosterBefore;
        for (int slot = 1; slot <= 8; ++slot) rosterBefore.push_back(session->Roster[kBuiltInOfficerCount + slot]);
        auto step = c.step(*session);
        ASSERT_TRUE(step.ok());
        ASSERT_TRUE(step.value());
        EditHistory history;
        history.Push(*session, std::move(step.value()));
        Expect(c.expected);
        for (std::size_t i = 0; i < c.rosterFrom.size(); ++i)
            EXPECT_EQ(session->Roster[kBuiltInOfficerCount + static_cast<int>(i) + 1].Leadership, 100 + c.rosterFrom[i]) << "entry of slot " << i + 1;

        // One undo gives back every byte of the table, the end of the list and the roster.
        history.Undo(*session);
        EXPECT_TRUE(session->Officers == before);
        EXPECT_EQ(session->EndSlot, 5);
        for (int slot = 1; slot <= 8; ++slot) EXPECT_TRUE(session->Roster[kBuiltInOfficerCount + slot] == rosterBefore[static_cast<std::size_t>(slot - 1)]) << slot;
        history.Redo(*session);
        Expect(c.expected);
    }
}

TEST_F(OfficerOrderTest, TheConfirmationNamesWhoLosesARelation) {
    Load(kChain);
    struct Case {
        std::vector<int> deleted, losing;
    };
    for (const Case& c : std::vector<Case>{{{2}, {1, 3}}, {{3}, {2, 4}}, {{1}, {4}}, {{4}, {3}}, {{1, 2}, {3, 4}}, {{1, 2, 3, 4}, {}}}) {
        EXPECT_EQ(RelationsLostBy(*session, c.deleted), c.losing) << ::testing::PrintToString(c.deleted);
    }
}

TEST_F(OfficerOrderTest, ARelationToNoOfficerOfTheTableStaysAsItIs) {
    // 10010 names a slot past the end of the list: nothing moves it, nothing clears it.
    Load({{"a", N(11), {N(2), 99999}, {-5}}, {"b", N(1), {}, {}}});
    auto step = DeleteOfficers(*session, {2});
    ASSERT_TRUE(step.ok());
    step.value()->Apply(*session);
    EXPECT_EQ(Describe(ShapeOf(session->Officers[1])), Describe({"a", N(11), {99999}, {-5}}));
}

TEST_F(OfficerOrderTest, RefusalsAndStepsThatChangeNothing) {
    Load(kChain);
    struct Case {
        const char* what;
        std::function<Result<std::unique_ptr<EditCommand>>(Session&)> step;
        std::optional<TextId> refused;  // nothing: no problem, and no step either
    };
    const std::vector<Case> cases = {
        {"delete past the end", [](Session& s) { return DeleteOfficers(s, {5}); }, TextId::kNotAnOfficerSlot},
        {"delete slot 0", [](Session& s) { return DeleteOfficers(s, {0, 1}); }, TextId::kNotAnOfficerSlot},
        {"delete nothing", [](Session& s) { return DeleteOfficers(s, {}); }, TextId::kNoOfficerChosen},
        {"move to past the end", [](Session& s) { return MoveOfficer(s, 1, 5); }, TextId::kNotAnOfficerSlot},
        {"duplicate nothing", [](Session& s) { return DuplicateOfficers(s, {}); }, TextId::kNoOfficerChosen},
        {"上移 the first", [](Session& s) { return ShiftOfficers(s, {1, 3}, -1); }, std::nullopt},
        {"下移 the last", [](Session& s) { return ShiftOfficers(s, {4}, 1); }, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        auto step = c.step(*session);
        if (c.refused) {
            ASSERT_FALSE(step.ok());
            EXPECT_TRUE(step.problem().Is(*c.refused));
        } else {
            ASSERT_TRUE(step.ok());
            EXPECT_FALSE(step.value());
        }
        EXPECT_TRUE(session->Officers == before);
    }
}

TEST_F(OfficerOrderTest, DuplicatesLeaveRoomForTheEndMarker) {
    // 997 officers: two copies make 999, the most a file holds with its end marker; a third is refused.
    std::vector<Shape> many(997, Shape{"x", -1, {}, {}});
    Load(many);
    auto three = DuplicateOfficers(*session, {1, 2, 3});
    ASSERT_FALSE(three.ok());
    EXPECT_TRUE(three.problem().Is(TextId::kTableFull));
    auto two = DuplicateOfficers(*session, {1, 2});
    ASSERT_TRUE(two.ok());
    two.value()->Apply(*session);
    EXPECT_EQ(session->EndSlot, kSlotCount);
    EXPECT_EQ(session->Officers[kSlotCount].Record.BirthYear, -7);
}

TEST_F(OfficerOrderTest, StepsAreNamedForTheirOfficers) {
    Load(kChain);
    EXPECT_EQ(DeleteOfficers(*session, {2}).value()->Name(), FormatGbk(TextId::kEditDelete, {std::string("b")}));
    EXPECT_EQ(DeleteOfficers(*session, {2, 3}).value()->Name(), FormatGbk(TextId::kEditDeleteMany, {std::int64_t{2}}));
    EXPECT_EQ(MoveOfficer(*session, 3, 1).value()->Name(), FormatGbk(TextId::kEditMove, {std::string("c"), std::int64_t{1}}));
    // The officer to show after the step comes first: where the deleted one was, where one moved to,
    // the first copy.
    EXPECT_EQ(DeleteOfficers(*session, {2, 3}).value()->Slots().front(), 2);
    EXPECT_EQ(MoveOfficer(*session, 3, 1).value()->Slots().front(), 1);
    EXPECT_EQ(DuplicateOfficers(*session, {2}).value()->Slots().front(), 5);
}

}  // namespace
}  // namespace busho
