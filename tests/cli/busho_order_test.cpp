// busho delete, move and check on files made here: officers that refer to each other in a chain
// (a -> b -> c), compared with the file the change should give through `busho dump`, field by field.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <functional>
#include <string>

#include "busho_runner.h"
#include "code_page_text.h"
#include "core/data/officer_file.h"
#include "officer_fixtures.h"

namespace busho {
namespace {

using testing::Busho;
using testing::CommandRun;
using testing::Quoted;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

constexpr int N(int slot) { return kRegisteredNumberBase + slot - 1; }

struct Shape {
    const char* name;  // UTF-8, written in Big5
    int father;
    std::vector<int> liked, disliked;
};

// An officer as the program writes it, in slot `slot`, with a name and relations.
OfficerSlot Make(const Shape& s, int slot) {
    OfficerSlot o = testing::RandomOfficer(static_cast<std::uint32_t>(std::hash<std::string>{}(s.name)));
    o.Record.Signature = WrittenSignature();
    o.Record.HeaderWord1 = 0;
    o.Record.HeaderWord2 = 1;
    o.Record.HeaderWord3 = 0;
    o.Record.HeaderWord4 = 0;
    testing::SetText(o.Record.FamilyName, testing::Encoded("windows-950", s.name));
    o.Record.GivenName = {};
    testing::SetRelations(o, s.father, s.liked, s.disliked);
    o.Extra.OfficerId = N(slot);
    return o;
}

std::vector<std::uint8_t> FileOf(const std::vector<Shape>& shapes) {
    std::vector<OfficerSlot> slots;
    for (std::size_t i = 0; i < shapes.size(); ++i) slots.push_back(Make(shapes[i], static_cast<int>(i) + 1));
    slots.push_back(testing::EndMarker());
    return testing::BuildFileBytes(WrittenFileHeader(), slots);
}

// Every field of every officer of the two dumps that differs, one line each.
std::string Differences(const std::string& dumped, const std::string& expected) {
    const auto a = nlohmann::json::parse(dumped), b = nlohmann::json::parse(expected);
    std::string out;
    if (a["EndSlot"] != b["EndSlot"]) out += "EndSlot " + a["EndSlot"].dump() + " != " + b["EndSlot"].dump() + "\n";
    if (a["Header"] != b["Header"]) out += "Header\n";
    const auto& x = a["officers"];
    const auto& y = b["officers"];
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        if (i >= x.size() || i >= y.size()) {
            out += "officer " + std::to_string(i + 1) + " in one file only\n";
            continue;
        }
        for (const auto& [field, value] : y[i].items())
            if (x[i][field] != value) out += "slot " + std::to_string(i + 1) + " " + field + ": " + x[i][field].dump() + " != " + value.dump() + "\n";
    }
    return out;
}

// a -> b -> c: a's father is b, b likes c (and a built-in officer), c dislikes b and d.
const std::vector<Shape> kChain = {
    {"阿部", N(2), {}, {}},
    {"別所", -1, {N(3), 17}, {}},
    {"長尾", -1, {}, {N(2), N(4)}},
    {"大友", 5, {N(1)}, {N(3)}},
};

TEST(BushoOrder, DeleteAndMoveRenumberEveryRelationAsTheEditorDoes) {
    struct Case {
        std::string args;  // after the file
        const char* command;
        std::vector<Shape> expected;
        std::string told;  // what it says of relations cleared
    };
    const std::vector<Case> cases = {
        {"2", "delete", {{"阿部", -1, {}, {}}, {"長尾", -1, {}, {N(3)}}, {"大友", 5, {N(1)}, {N(2)}}},
         "slot 1: a relation to a deleted officer is cleared\nslot 3: a relation to a deleted officer is cleared\n"},
        {"3 1", "move", {{"長尾", -1, {}, {N(3), N(4)}}, {"阿部", N(3), {}, {}}, {"別所", -1, {N(1), 17}, {}}, {"大友", 5, {N(2)}, {N(1)}}}, ""},
        {"3", "delete", {{"阿部", N(2), {}, {}}, {"別所", -1, {17}, {}}, {"大友", 5, {N(1)}, {}}},
         "slot 2: a relation to a deleted officer is cleared\nslot 4: a relation to a deleted officer is cleared\n"},
        {"4 2", "delete", {{"阿部", -1, {}, {}}, {"長尾", -1, {}, {}}},
         "slot 1: a relation to a deleted officer is cleared\nslot 3: a relation to a deleted officer is cleared\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.args);
        TempFolder folder;
        const auto path = folder.Path() / "EDATA000.12Q";
        const auto original = FileOf(kChain);
        WriteBytes(path, original);
        const CommandRun run = Busho(std::string(c.command) + " " + Quoted(path) + " " + c.args, folder);
        ASSERT_EQ(run.status, 0) << run.err;
        if (!c.told.empty()) {
            EXPECT_EQ(run.out.substr(0, c.told.size()), c.told);
        }
        EXPECT_EQ(ReadBytes(folder.Path() / "EDATA000.12Q.BAK"), original);

        const auto expectedPath = folder.Path() / "expected.12Q";
        WriteBytes(expectedPath, FileOf(c.expected));
        const CommandRun dumped = Busho("dump " + Quoted(path), folder), expected = Busho("dump " + Quoted(expectedPath), folder);
        ASSERT_EQ(dumped.status, 0);
        ASSERT_EQ(expected.status, 0);
        EXPECT_EQ(Differences(dumped.out, expected.out), "");
    }
}

TEST(BushoOrder, AnOfficerThatIsNotThereIsRefusedAndTheFileStays) {
    for (const char* args : {"delete F 5", "delete F 0", "move F 1 5", "move F 9 1"}) {
        TempFolder folder;
        const auto path = folder.Path() / "EDATA000.12Q";
        const auto original = FileOf(kChain);
        WriteBytes(path, original);
        std::string line = args;
        line.replace(line.find('F'), 1, Quoted(path));
        const CommandRun run = Busho(line, folder);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_NE(run.err.find("EDATA000.12Q"), std::string::npos) << run.err;
        EXPECT_EQ(ReadBytes(path), original) << args;
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "EDATA000.12Q.BAK")) << args;
    }
}

TEST(BushoCheck, OneLinePerFindingAndTheExitStatusSaysWhetherThereWasOne) {
    TempFolder folder;
    const auto path = folder.Path() / "EDATA000.12Q";
    auto clean = kChain;
    std::vector<OfficerSlot> slots;
    for (std::size_t i = 0; i < clean.size(); ++i) {
        OfficerSlot o = Make(clean[i], static_cast<int>(i) + 1);
        o.Record.Gender = 1;
        o.Record.BirthYear = 1530;
        o.Record.DeathYear = 1580;
        o.Record.Origin = 0;
        o.Record.Faith = 0;
        o.Record.CompatibilityOfficer = 3;
        o.Record.Leadership = o.Record.Valour = o.Record.Intellect = o.Record.Politics = 50;
        o.Record.TacticCount = 0;
        o.Record.Biography = {};
        o.Record.FamilyNameReading = {};
        o.Record.GivenNameReading = {};
        o.Extra = {50, 0, 7, N(static_cast<int>(i) + 1), 1, 0};
        slots.push_back(o);
    }
    slots.push_back(testing::EndMarker());
    WriteBytes(path, testing::BuildFileBytes(WrittenFileHeader(), slots));
    for (const char* edition : {"", "--edition tc "}) {
        const CommandRun run = Busho(std::string("check ") + edition + Quoted(path), folder);
        EXPECT_EQ(run.status, 0) << edition << run.out << run.err;
        EXPECT_EQ(run.out, "") << edition;
    }

    slots[1].Record.Father = N(9);
    slots[2].Extra.Duty = 101;
    WriteBytes(path, testing::BuildFileBytes(WrittenFileHeader(), slots));
    const CommandRun tc = Busho("check --edition tc " + Quoted(path), folder);
    EXPECT_EQ(tc.status, 1);
    EXPECT_EQ(tc.out, "2\t别所\tFather\t10008\t指向不存在的武将\n"
                      "3\t长尾\tDuty\t101\t超出游戏使用的范围 1～100\n");
    // Without the edition the names are the file's bytes.
    const CommandRun raw = Busho("check " + Quoted(path), folder);
    EXPECT_EQ(raw.status, 1);
    EXPECT_EQ(raw.out.substr(0, raw.out.find('\n')), "2\t\\xa7O\\xa9\\xd2\tFather\t10008\t指向不存在的武将");

    // A file that cannot be read, and one that is not there, cannot be checked.
    auto broken = testing::BuildFileBytes(WrittenFileHeader(), slots);
    broken[20 + 333] = 32;
    WriteBytes(path, broken);
    EXPECT_EQ(Busho("check " + Quoted(path), folder).status, 2);
    EXPECT_EQ(Busho("check " + Quoted(folder.Path() / "none.12Q"), folder).status, 2);
}

}  // namespace
}  // namespace busho
