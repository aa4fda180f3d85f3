// One field set for several officers: each kind of field, a tactic on and off, refusals, and one undo
// for the whole change.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/editing/batch_edit.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

class BatchEditTest : public ::testing::Test {
public:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->ZZZZ = false;
        for (int slot = 1; slot <= 4; ++slot) {
            OfficerSlot o = testing::RandomOfficer(static_cast<std::uint32_t>(slot));
            o.Record.TacticCount = 3;
            o.Tactics = {};
            o.Tactics[0] = 1;
            o.Tactics[1] = 5;
            o.Tactics[2] = 9;
            session->Officers[slot] = o;
        }
        session->EndSlot = 5;
        before = session->Officers;
    }
    std::unique_ptr<Session> session;
    OfficerTable before;
};

TEST_F(BatchEditTest, TheFieldIsSetForEveryChosenOfficerAndNothingElseChanges) {
    struct Case {
        BatchChange change;
        std::function<void(OfficerSlot&)> expected;  // the officer before, changed as the batch should
    };
    const std::vector<Case> cases = {
        {{BatchField::Status, 0, 3}, [](OfficerSlot& o) { o.Extra.Status = 3; }},
        {{BatchField::AssignedCastle, 0, 178}, [](OfficerSlot& o) { o.Extra.AssignedCastle = 178; }},
        {{BatchField::Appearance, 0, 0}, [](OfficerSlot& o) { o.Extra.Appearance = 0; }},
        {{BatchField::Origin, 0, 5}, [](OfficerSlot& o) { o.Record.Origin = 5; }},
        {{BatchField::Faith, 0, 2}, [](OfficerSlot& o) { o.Record.Faith = 2; }},
        {{BatchField::Aptitude, 8, 4}, [](OfficerSlot& o) { o.Record.Aptitude[8] = 4; }},
        {{BatchField::Tactic, 7, 1}, [](OfficerSlot& o) {  // on: in index order, the later ones move down
             o.Tactics[2] = 7;
             o.Tactics[3] = 9;
             o.Record.TacticCount = 4;
         }},
        {{BatchField::Tactic, 0, 1}, [](OfficerSlot& o) {
             o.Tactics[0] = 0;
             o.Tactics[1] = 1;
             o.Tactics[2] = 5;
             o.Tactics[3] = 9;
             o.Record.TacticCount = 4;
         }},
        {{BatchField::Tactic, 5, 0}, [](OfficerSlot& o) {  // off: the later ones move up, the freed place holds 0
             o.Tactics[1] = 9;
             o.Tactics[2] = 0;
             o.Record.TacticCount = 2;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.change.field) * 100 + c.change.index);
        SetUp();
        auto step = BatchEdit(*session, {3, 1}, c.change);
        ASSERT_TRUE(step.ok());
        ASSERT_TRUE(step.value());
        EditHistory history;
        history.Push(*session, std::move(step.value()));
        for (int slot = 1; slot <= 4; ++slot) {
            OfficerSlot expected = before[slot];
            if (slot == 1 || slot == 3) c.expected(expected);
            EXPECT_TRUE(session->Officers[slot] == expected) << "slot " << slot;
        }
        // The whole change is one step: one undo takes it back.
        EXPECT_EQ(history.StepCount(), 1u);
        history.Undo(*session);
        EXPECT_TRUE(session->Officers == before);
    }
}

TEST_F(BatchEditTest, AChangeThatChangesNoOfficerIsNoStepAndOneThatCannotBeIsRefused) {
    // Tactic 5 is on already for everyone; 12 is off.
    for (const BatchChange& none : {BatchChange{BatchField::Tactic, 5, 1}, BatchChange{BatchField::Tactic, 12, 0}}) {
        auto step = BatchEdit(*session, {1, 2, 3, 4}, none);
        ASSERT_TRUE(step.ok());
        EXPECT_FALSE(step.value());
    }
    struct Refusal {
        std::vector<int> slots;
        BatchChange change;
        TextId why;
    };
    const std::vector<Refusal> refusals = {
        {{}, {BatchField::Status, 0, 1}, TextId::kNoOfficerChosen},
        {{1, 5}, {BatchField::Status, 0, 1}, TextId::kNotAnOfficerSlot},
        {{1}, {BatchField::Status, 0, 9}, TextId::kBatchValueOutside},
        {{1}, {BatchField::Status, 0, -1}, TextId::kBatchValueOutside},
        {{1}, {BatchField::AssignedCastle, 0, 2}, TextId::kBatchValueOutside},  // a separator row
        {{1}, {BatchField::Aptitude, 9, 1}, TextId::kBatchValueOutside},
        {{1}, {BatchField::Aptitude, 0, 5}, TextId::kBatchValueOutside},
        {{1}, {BatchField::Tactic, 30, 1}, TextId::kBatchValueOutside},
    };
    for (const Refusal& r : refusals) {
        auto step = BatchEdit(*session, r.slots, r.change);
        ASSERT_FALSE(step.ok());
        EXPECT_TRUE(step.problem().Is(r.why)) << static_cast<int>(r.change.field) << " " << r.change.value;
    }
    // A 32nd tactic has no place in the slot.
    session->Officers[2].Record.TacticCount = kMaxTactics;
    for (int t = 0; t < kMaxTactics; ++t) session->Officers[2].Tactics[static_cast<std::size_t>(t)] = t % 29;
    EXPECT_FALSE(BatchEdit(*session, {1, 2}, {BatchField::Tactic, 29, 1}).ok());
}

}  // namespace
}  // namespace busho
