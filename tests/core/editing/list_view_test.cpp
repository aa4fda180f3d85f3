// The officer list's order and filter over plain values: a column's order with ties in slot order,
// and the filter's names, conditions and words.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "code_page_text.h"
#include "core/editing/list_view.h"
#include "core/text/code_table_file.h"
#include "core/text/simplified_traditional.h"

namespace busho {
namespace {

using testing::Gbk;
using testing::SetText;

struct Row {
    const char* family;
    const char* given;
    int leadership, valour, intellect, politics, duty, portrait, appearance;
};
const Row kRows[] = {
    {"織田", "信長", 90, 70, 80, 85, 20, 2, 1},
    {"武田", "信玄", 100, 100, 90, 95, 60, 1, 1},
    {"上杉", "謙信", 95, 120, 88, 60, 100, 0, 0},
    {"真田", "幸村", 70, 101, 75, 50, 90, 1705, 1},
    {"前田", "利家", 90, 85, 60, 70, 80, 1699, 0},
};

class ListViewTest : public ::testing::Test {
public:
    void SetUp() override {
        session = std::make_unique<Session>();
        session->Edition = kEditionTraditionalChinese;
        ASSERT_TRUE(LoadGbBig5Tables(session->Text.GbBig5, BUSHO_BIN_DIR));
        ASSERT_TRUE(LoadSimplifiedTraditionalTables(session->Text.Forms, BUSHO_BIN_DIR));
        int slot = 0;
        for (const Row& r : kRows) {
            OfficerSlot& o = session->Officers[++slot];
            SetText(o.Record.FamilyName, testing::Encoded("windows-950", r.family));
            SetText(o.Record.GivenName, testing::Encoded("windows-950", r.given));
            o.Record.BirthYear = 1530;
            o.Record.Leadership = r.leadership;
            o.Record.Valour = r.valour;
            o.Record.Intellect = r.intellect;
            o.Record.Politics = r.politics;
            o.Extra.Duty = r.duty;
            o.Record.PortraitNumber = r.portrait;
            o.Extra.Appearance = r.appearance;
        }
        session->EndSlot = slot + 1;
        before = session->Officers;
    }
    std::unique_ptr<Session> session;
    OfficerTable before;
};

TEST_F(ListViewTest, EachColumnSortsBothWaysWithTiesInSlotOrder) {
    struct Case {
        ListColumn column;
        std::vector<int> ascending, descending;
    };
    const std::vector<Case> cases = {
        {ListColumn::Leadership, {4, 1, 5, 3, 2}, {2, 3, 1, 5, 4}},
        {ListColumn::Valour, {1, 5, 2, 4, 3}, {3, 4, 2, 5, 1}},
        {ListColumn::Intellect, {5, 4, 1, 3, 2}, {2, 3, 1, 4, 5}},
        {ListColumn::Politics, {4, 3, 5, 1, 2}, {2, 1, 5, 3, 4}},
        {ListColumn::Duty, {1, 2, 5, 4, 3}, {3, 4, 5, 2, 1}},
        {ListColumn::Portrait, {3, 2, 1, 5, 4}, {4, 5, 1, 2, 3}},
        {ListColumn::Appearance, {3, 5, 1, 2, 4}, {1, 2, 4, 3, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.column));
        EXPECT_EQ(SortedSlots(*session, c.column, false), c.ascending);
        EXPECT_EQ(SortedSlots(*session, c.column, true), c.descending);
    }
    EXPECT_TRUE(session->Officers == before);
}

TEST_F(ListViewTest, NamesSortByTheTextTheListShows) {
    // The list shows the names in GBK, simplified: 前田 上杉 武田 真田 织田, in GBK's (pinyin) order.
    EXPECT_EQ(SortedSlots(*session, ListColumn::Name, false), (std::vector<int>{5, 3, 2, 4, 1}));
    EXPECT_EQ(SortedSlots(*session, ListColumn::Name, true), (std::vector<int>{1, 4, 2, 3, 5}));
}

TEST_F(ListViewTest, TheFilterKeepsTheRowsThatFitEveryWord) {
    struct Case {
        const char* text;  // UTF-8, as typed
        std::vector<int> kept;
    };
    const std::vector<Case> cases = {
        {"", {1, 2, 3, 4, 5}},
        {"   ", {1, 2, 3, 4, 5}},
        {"信", {1, 2, 3}},
        {"谦信", {3}},  // the simplified form finds the traditional name
        {"謙信", {3}},
        {"田 信", {1, 2}},
        {"信田", {}},
        {"武力>100", {3, 4}},
        {"武勇>100", {3, 4}},
        {"Valour>=100", {2, 3, 4}},
        {"valour>=100", {2, 3, 4}},
        {"ｖａｌｏｕｒ＞＝１００", {2, 3, 4}},
        {"CG>=1700", {4}},
        {"ＣＧ>=1700", {4}},
        {"ＣＧ号>=1700", {4}},
        {"cg<1700", {1, 2, 3, 5}},
        {"统率=90", {1, 5}},
        {"统御==90", {1, 5}},
        {"统率!=90", {2, 3, 4}},
        {"lead<>90", {2, 3, 4}},
        {"智力<=80", {1, 4, 5}},
        {"政治<60", {4}},
        {"义理>=-5", {1, 2, 3, 4, 5}},
        {"退场", {3, 5}},
        {"出场", {1, 2, 4}},
        {"出场 信", {1, 2}},
        {"退场 武力>100", {3}},
        {"　退场　前田", {5}},  // full-width spaces part words too
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto filter = ParseListFilter(Gbk(c.text));
        ASSERT_TRUE(filter.ok()) << testing::FromGbk(FormatGbk(filter.problem().text, filter.problem().args));
        EXPECT_EQ(FilterSlots(*session, {1, 2, 3, 4, 5}, filter.value()), c.kept);
    }
}

TEST_F(ListViewTest, AWordThatLooksLikeAConditionAndIsNotOneIsRefused) {
    struct Case {
        const char* text;
        TextId why;
    };
    const std::vector<Case> cases = {
        {"武力>", TextId::kFilterBadCondition}, {"武力>abc", TextId::kFilterBadCondition}, {"武力>>3", TextId::kFilterBadCondition},
        {"武力!3", TextId::kFilterBadCondition}, {"武力>3.5", TextId::kFilterBadCondition}, {"魅力>3", TextId::kFilterUnknownColumn},
        {">3", TextId::kFilterUnknownColumn},    {"姓名=信长", TextId::kFilterUnknownColumn},
    };
    for (const Case& c : cases) {
        const auto filter = ParseListFilter(Gbk(c.text));
        ASSERT_FALSE(filter.ok()) << c.text;
        EXPECT_TRUE(filter.problem().Is(c.why)) << c.text;
    }
}

TEST_F(ListViewTest, SortingAFilteredListKeepsOnlyTheFilteredRows) {
    const auto filter = ParseListFilter(Gbk("出场"));
    ASSERT_TRUE(filter.ok());
    EXPECT_EQ(FilterSlots(*session, SortedSlots(*session, ListColumn::Valour, true), filter.value()), (std::vector<int>{4, 2, 1}));
}

}  // namespace
}  // namespace busho
