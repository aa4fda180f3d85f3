// The edit path: every kind of change undone gives back the table and the file as loaded, byte for
// byte; redone, the table as it was after the changes; and the modified state follows the saved step.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "code_page_text.h"
#include "core/data/officer_file.h"
#include "core/editing/batch_edit.h"
#include "core/editing/commit_officer.h"
#include "core/editing/officer_order.h"
#include "core/editing/list_row.h"
#include "core/exchange/officer_rows.h"
#include "core/text/code_page.h"
#include "core/text/text_fields.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::Gbk;

// The file saving would write for the session, made from a copy so the session itself stays as it is.
std::vector<std::uint8_t> FileOf(const Session& session) {
    auto copy = std::make_unique<Session>();
    copy->Header = session.Header;
    copy->Officers = session.Officers;
    copy->EndSlot = session.EndSlot;
    copy->BlankSlot = session.BlankSlot;
    return SerializeOfficerFile(*copy);
}

// What a step may touch: the officers, the end of the list and the roster.
struct TableState {
    OfficerTable officers;
    int endSlot = 0;
    std::vector<RosterEntry> roster;
    bool operator==(const TableState&) const = default;
};
TableState StateOf(const Session& session) {
    TableState state{session.Officers, session.EndSlot, {}};
    for (int entry = 1; entry <= kRosterSize; ++entry) state.roster.push_back(session.Roster[entry]);
    return state;
}

const RowText kRowText{[](std::string_view gbk) { return ToUtf8(CodePage::Gbk, gbk); },
                       [](std::string_view utf8) { return FromUtf8(CodePage::Gbk, utf8); }};

// A file of `count` officers, saved by the program itself, then loaded as the editor loads it.
class EditHistoryTest : public ::testing::Test {
public:
    // `related`: the officers' father, liked and disliked officers are officers of the same file.
    void Load(int count, std::uint32_t seed, bool related = false) {
        auto source = std::make_unique<Session>();
        ASSERT_TRUE(LoadBlankSlot(BUSHO_BIN_DIR, source->BlankSlot).ok());
        source->Header = WrittenFileHeader();
        auto officers = testing::RandomOfficers(count, seed);
        if (related) {
            std::mt19937 random(seed);
            const auto other = [&] { return kRegisteredNumberBase + std::uniform_int_distribution<int>(0, count - 1)(random); };
            for (int i = 0; i < count; ++i) {
                OfficerSlot& o = officers[static_cast<std::size_t>(i)];
                o.Record.Father = other();
                for (int k = 0; k < o.LikedCount; ++k) o.Liked[static_cast<std::size_t>(k)] = other();
                for (int k = 0; k < o.DislikedCount; ++k) o.Disliked[static_cast<std::size_t>(k)] = other();
            }
        }
        for (int slot = 1; slot <= count + 1; ++slot) source->Officers[slot] = officers[static_cast<std::size_t>(slot - 1)];
        source->EndSlot = count + 1;
        loadedFile = SerializeOfficerFile(*source);
        testing::WriteBytes(folder.Path() / "EDATA000.12Q", loadedFile);

        session = std::make_unique<Session>();
        session->Edition = kEditionTraditionalChinese;
        ASSERT_TRUE(LoadGbBig5Tables(session->Text.GbBig5, BUSHO_BIN_DIR));
        ASSERT_TRUE(LoadSimplifiedTraditionalTables(session->Text.Forms, BUSHO_BIN_DIR));
        session->BlankSlot = source->BlankSlot;
        session->Random.Reseed(seed);
        FileEvents events;
        FileAccess files;
        ASSERT_TRUE(LoadOfficerFileAt(*session, folder.Path() / "EDATA000.12Q", events, files, false).ok());
        ASSERT_EQ(FileOf(*session), loadedFile);
    }

    // The editor showing `slot` as it is stored, as the boxes give it back.
    EditorValues Shown(int slot) {
        EditorValues v;
        session->CurrentSlot = slot;
        ShowOfficer(*session, slot, v);
        for (auto& [box, shown] : v.shown) shown.text = CutAtNul(shown.text);
        for (std::string* t : {&v.txX, &v.txXP, &v.txM, &v.txMP, &v.txLJ}) *t = CutAtNul(*t);
        return v;
    }

    testing::TempFolder folder;
    std::vector<std::uint8_t> loadedFile;
    std::unique_ptr<Session> session;
    EditHistory history;
};

enum class Kind { Modify, Add, Portrait, Import, Delete, Duplicate, Move, Shift, Batch };
constexpr Kind kKinds[] = {Kind::Modify, Kind::Add,  Kind::Portrait, Kind::Import, Kind::Delete,
                           Kind::Duplicate, Kind::Move, Kind::Shift, Kind::Batch};

TEST_F(EditHistoryTest, RandomEditsUndoneGiveTheLoadedFileAndRedoneTheEditedOne) {
    const char* families[] = {"天城", "前田", "毛利", "北条", "长宗"};
    const char* givens[] = {"隼人", "利家", "元就", "氏康", "元亲"};
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        SCOPED_TRACE(seed);
        history.Clear();
        Load(6, seed, seed % 2 == 0);
        const TableState loaded = StateOf(*session);
        std::mt19937 random(seed);
        const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        std::map<Kind, int> made;
        for (int edit = 0; edit < 60; ++edit) {
            Kind kind = static_cast<Kind>(pick(0, 8));
            if (kind == Kind::Delete && session->EndSlot <= 3) kind = Kind::Add;  // keep a few officers to work on
            const int slot = pick(1, session->EndSlot - 1);
            const std::size_t before = history.StepCount();
            if (kind == Kind::Modify || kind == Kind::Add) {
                EditorValues v = Shown(slot);
                if (kind == Kind::Add && pick(0, 1)) ApplyBlankDefaults(v, *session);
                if (pick(0, 1)) v.txX = Gbk(families[pick(0, 4)]);
                if (pick(0, 1)) v.txM = Gbk(givens[pick(0, 4)]);
                v.txLTY = std::to_string(pick(1, 120));
                v.txLQY = std::to_string(pick(1, 100));
                v.SkillList[static_cast<std::size_t>(pick(0, kAptitudeCount - 1))] = pick(0, 4);
                v.SKill1[static_cast<std::size_t>(pick(0, kTacticBoxes - 1))] ^= true;
                v.SD = pick(0, 5);
                const CommitMode mode = kind == Kind::Add ? CommitMode::Add : CommitMode::Modify;
                ASSERT_TRUE(CommitOfficer(*session, history, v, mode, {true, true}).ok());
            } else if (kind == Kind::Portrait) {
                ChangeOfficerPortrait(*session, history, slot, pick(0, 1) ? pick(0, 1600) : kEditFaceBase + pick(0, 30));
            } else if (kind == Kind::Import) {
                // One row changes an officer, another adds one.
                const std::vector<std::string> names(kBuiltInOfficerCount);
                const std::map<std::string, std::string> changed = {
                    {"slot", std::to_string(slot)}, {"Valour", std::to_string(pick(1, 120))}, {"Biography", "row " + std::to_string(edit)}};
                const std::map<std::string, std::string> added = {
                    {"slot", ""}, {"FamilyName", "\xE5\x89\x8D\xE7\x94\xB0"}, {"GivenName", "\xE5\x85\xAB\xE9\x83\x8E"},  // 前田 八郎
                    {"Leadership", std::to_string(pick(1, 120))}};
                ASSERT_TRUE(ImportRows(*session, history, {changed, added}, {2, 3}, names, kRowText).empty());
            } else {
                const int other = pick(1, session->EndSlot - 1);
                Result<std::unique_ptr<EditCommand>> step = std::unique_ptr<EditCommand>();
                if (kind == Kind::Delete) step = DeleteOfficers(*session, {slot, other});
                if (kind == Kind::Duplicate) step = DuplicateOfficers(*session, {slot, other});
                if (kind == Kind::Move) step = MoveOfficer(*session, slot, other);
                if (kind == Kind::Shift) step = ShiftOfficers(*session, {slot, other}, pick(0, 1) ? 1 : -1);
                if (kind == Kind::Batch) {
                    const BatchChange changes[] = {{BatchField::Status, 0, pick(0, 8)}, {BatchField::Aptitude, pick(0, 8), pick(0, 4)},
                                                   {BatchField::Tactic, pick(0, 29), pick(0, 1)}, {BatchField::Appearance, 0, pick(0, 1)}};
                    step = BatchEdit(*session, {slot, other}, changes[pick(0, 3)]);
                }
                // A 32nd tactic is refused, and nothing changes.
                if (!step.ok() && step.problem().Is(TextId::kReasonTacticCount)) continue;
                ASSERT_TRUE(step.ok()) << static_cast<int>(kind);
                if (step.value()) history.Push(*session, std::move(step.value()));
            }
            made[kind] += history.StepCount() > before;
        }
        for (Kind kind : kKinds) EXPECT_GT(made[kind], 0) << static_cast<int>(kind);
        const TableState edited = StateOf(*session);
        const auto editedFile = FileOf(*session);
        ASSERT_NE(editedFile, loadedFile);
        EXPECT_TRUE(history.IsModified());

        while (history.Undo(*session)) {}
        EXPECT_EQ(FileOf(*session), loadedFile);
        EXPECT_TRUE(StateOf(*session) == loaded);
        EXPECT_FALSE(history.IsModified());

        while (history.Redo(*session)) {}
        EXPECT_EQ(FileOf(*session), editedFile);
        EXPECT_TRUE(StateOf(*session) == edited);
    }
}

TEST_F(EditHistoryTest, EachStepIsNamedForTheOfficerAsTheEditorShowsIt) {
    Load(3, 9);
    EditorValues v = Shown(2);
    v.txX = Gbk("天城");
    v.txM = Gbk("隼人");
    ASSERT_TRUE(CommitOfficer(*session, history, v, CommitMode::Modify, {true, true}).ok());
    EXPECT_EQ(history.NextUndo()->Name(), Gbk("修改 天城隼人"));
    ChangeOfficerPortrait(*session, history, 2, 1702);
    EXPECT_EQ(history.NextUndo()->Name(), Gbk("更改头像 天城隼人"));
    v = Shown(1);
    ApplyBlankDefaults(v, *session);
    ASSERT_TRUE(CommitOfficer(*session, history, v, CommitMode::Add, {true, true}).ok());
    EXPECT_EQ(history.NextUndo()->Name(), Gbk("添加 本多柯尔"));
    EXPECT_EQ(history.NextUndo()->Slots(), std::vector<int>{4});
    EXPECT_EQ(session->CurrentSlot, 4);
    const std::vector<std::string> names(kBuiltInOfficerCount);
    ASSERT_TRUE(ImportRows(*session, history, {{{"slot", "1"}, {"Valour", "3"}}, {{"slot", "3"}, {"Valour", "4"}}}, {2, 3}, names, kRowText).empty());
    EXPECT_EQ(history.NextUndo()->Name(), Gbk("导入 2 行"));
    EXPECT_EQ(history.NextUndo()->Slots(), (std::vector<int>{1, 3}));
    EXPECT_EQ(history.StepCount(), 4u);
}

TEST_F(EditHistoryTest, ChangesThatChangeNoByteMakeNoStep) {
    Load(3, 11);
    // The first commit of a made-up officer puts its tactics in order and drops what no box holds: a
    // step. Shown and committed again as it is now stored, it changes nothing.
    EditorValues v = Shown(2);
    v.txLTY = "61";
    ASSERT_TRUE(CommitOfficer(*session, history, v, CommitMode::Modify).ok());
    ASSERT_EQ(history.StepCount(), 1u);
    history.MarkSaved();
    const auto saved = FileOf(*session);
    v = Shown(2);
    ASSERT_TRUE(CommitOfficer(*session, history, v, CommitMode::Modify).ok());
    ChangeOfficerPortrait(*session, history, 2, session->Officers[2].Record.PortraitNumber);
    const std::vector<std::string> names(kBuiltInOfficerCount);
    ASSERT_TRUE(ImportRows(*session, history, {{{"slot", "2"}, {"Leadership", "61"}}}, {2}, names, kRowText).empty());
    EXPECT_EQ(history.StepCount(), 1u) << history.NextUndo()->Name();
    EXPECT_FALSE(history.IsModified());
    EXPECT_EQ(FileOf(*session), saved);
}

TEST_F(EditHistoryTest, UndoingAnAddGivesBackTheEndMarkerAndItsRosterEntry) {
    Load(2, 13);
    const OfficerSlot marker = session->Officers[3];
    const RosterEntry entry = session->Roster[kBuiltInOfficerCount + 3];
    EditorValues v = Shown(1);
    v.txLTY = "77";
    ASSERT_TRUE(CommitOfficer(*session, history, v, CommitMode::Add).ok());
    EXPECT_EQ(session->EndSlot, 4);
    EXPECT_EQ(session->Roster[kBuiltInOfficerCount + 3].Leadership, 77);
    history.Undo(*session);
    EXPECT_EQ(session->EndSlot, 3);
    EXPECT_TRUE(session->Officers[3] == marker);
    EXPECT_TRUE(session->Roster[kBuiltInOfficerCount + 3] == entry);
    history.Redo(*session);
    EXPECT_EQ(session->EndSlot, 4);
    EXPECT_EQ(session->Officers[3].Record.Leadership, 77);
}

// The modified state: a row of steps (+ push, u undo, r redo, s save, c clear) and after each, whether
// the table differs from its file.
TEST_F(EditHistoryTest, ModifiedFollowsTheSavedStep) {
    struct Case {
        const char* steps;
        const char* modified;
    };
    const Case cases[] = {
        {"+u", "10"},
        {"++uur", "11101"},
        {"+s+uu", "10101"},    // undoing past the save differs from the file again
        {"+suur", "10110"},    // an undo with nothing left changes nothing; redo comes back to the save
        {"++su+u", "110111"},  // the saved step was undone and replaced: nothing leads back to it
        {"++c", "110"},
        {"u r", "0 0"},        // undo and redo with no steps do nothing
    };
    Load(3, 15);
    int value = 1;  // every push a portrait number not used before
    for (const Case& c : cases) {
        SCOPED_TRACE(c.steps);
        history.Clear();
        for (std::size_t i = 0; c.steps[i]; ++i) {
            switch (c.steps[i]) {
                case '+': ChangeOfficerPortrait(*session, history, 1, 3000 + value++); break;
                case 'u': history.Undo(*session); break;
                case 'r': history.Redo(*session); break;
                case 's': history.MarkSaved(); break;
                case 'c': history.Clear(); break;
                default: continue;
            }
            EXPECT_EQ(history.IsModified(), c.modified[i] == '1') << "after step " << i;
        }
    }
}

TEST_F(EditHistoryTest, ListenersHearEveryChangeWithItsStep) {
    Load(3, 17);
    std::vector<std::string> heard;
    int states = 0;
    history.onTableChanged = [&](const EditCommand& step) { heard.push_back(step.Name()); };
    history.onStateChanged = [&] { ++states; };
    ChangeOfficerPortrait(*session, history, 1, 1701);
    history.Undo(*session);
    history.Redo(*session);
    history.MarkSaved();
    history.Undo(*session);
    history.Undo(*session);  // nothing left: no change
    const std::string name = FormatGbk(TextId::kEditPortrait, {OfficerName(*session, 1, true)});
    EXPECT_EQ(heard, std::vector<std::string>(4, name));
    EXPECT_EQ(states, 5);
}

}  // namespace
}  // namespace busho
