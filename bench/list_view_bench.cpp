// The officer list on a file of 999 officers: sorting by a column and filtering, in the core and
// through the real list window (the header click or the filter text, until the rows are placed),
// and the file's check that runs after every change.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QTableWidget>

#include <memory>
#include <stdexcept>
#include <string>

#include "code_page_text.h"
#include "core/editing/list_view.h"
#include "core/editing/officer_check.h"
#include "gui/editor/officer_name_lists.h"
#include "gui/shell/officer_list_window.h"
#include "officer_fixtures.h"
#include "platform/message_boxes.h"

namespace {

using namespace busho;

constexpr int kOfficers = 999;

// 999 officers with Big5 names made of a few family and given names, figures spread over their ranges.
std::unique_ptr<Session> FullTable() {
    auto session = std::make_unique<Session>();
    session->Edition = kEditionTraditionalChinese;
    if (!LoadGbBig5Tables(session->Text.GbBig5, BUSHO_BIN_DIR) || !LoadSimplifiedTraditionalTables(session->Text.Forms, BUSHO_BIN_DIR))
        throw std::runtime_error("no code tables");
    const char* families[] = {"織田", "武田", "上杉", "真田", "前田", "毛利", "北條", "長宗我部", "島津", "伊達"};
    const char* givens[] = {"信長", "信玄", "謙信", "幸村", "利家", "元就", "氏康", "元親", "義久", "政宗", "秀吉"};
    for (int slot = 1; slot <= kOfficers; ++slot) {
        OfficerSlot o = testing::RandomOfficer(static_cast<std::uint32_t>(slot));
        testing::SetText(o.Record.FamilyName, testing::Encoded("windows-950", families[slot % 10]));
        testing::SetText(o.Record.GivenName, testing::Encoded("windows-950", givens[slot % 11]));
        o.Record.Leadership = 1 + slot * 7 % 120;
        o.Record.Valour = 1 + slot * 13 % 120;
        o.Record.Intellect = 1 + slot * 17 % 120;
        o.Record.Politics = 1 + slot * 19 % 120;
        o.Extra.Duty = 1 + slot * 23 % 100;
        o.Record.PortraitNumber = slot * 29 % 2200;
        o.Extra.Appearance = slot % 3 ? 1 : 0;
        session->Officers[slot] = o;
    }
    session->EndSlot = kOfficers + 1;
    return session;
}

void CoreSort(benchmark::State& state) {
    auto session = FullTable();
    const auto column = static_cast<ListColumn>(state.range(0));
    bool descending = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(SortedSlots(*session, column, descending));
        descending = !descending;
    }
}
BENCHMARK(CoreSort)->Arg(static_cast<int>(ListColumn::Name))->Arg(static_cast<int>(ListColumn::Valour))->Unit(benchmark::kMillisecond);

void CoreFilter(benchmark::State& state, const char* typed) {
    auto session = FullTable();
    std::vector<int> all;
    for (int slot = 1; slot <= kOfficers; ++slot) all.push_back(slot);
    for (auto _ : state) {
        const auto filter = ParseListFilter(testing::Gbk(typed));
        benchmark::DoNotOptimize(FilterSlots(*session, all, filter.value()));
    }
}
BENCHMARK_CAPTURE(CoreFilter, name, "谦信")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CoreFilter, condition, "武力>100")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(CoreFilter, both, "信 退场 CG>=1700")->Unit(benchmark::kMillisecond);

// The real list window, shown, with its 999 rows built as a load builds them.
struct Window {
    std::unique_ptr<Session> session = FullTable();
    OfficerNameLists names;
    platform::RecordingMessageBoxes messages;
    OfficerListWindow list{*session, names, messages};
    Window() {
        for (int slot = 1; slot <= kOfficers; ++slot) list.BuildListRow(slot);
        list.show();
        list.RefreshView();
        QApplication::processEvents();
    }
};

// One click on a column's header: lowest first, highest first, file order, in turn; then the grid
// lays the rows out and paints, as it does before the user sees them.
void WindowSort(benchmark::State& state) {
    Window w;
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state) {
        w.list.SortByColumn(column);
        QApplication::processEvents();
    }
}
BENCHMARK(WindowSort)->Arg(static_cast<int>(ListColumn::Name))->Arg(static_cast<int>(ListColumn::Valour))->Unit(benchmark::kMillisecond);

// The filter text changing between a name, a condition and nothing, sorted by valour.
void WindowFilter(benchmark::State& state) {
    Window w;
    w.list.SortByColumn(static_cast<int>(ListColumn::Valour));
    const QString texts[] = {QStringLiteral("谦信"), QStringLiteral("武力>100"), QString()};
    int k = 0;
    for (auto _ : state) {
        w.list.txFilter->setText(texts[k++ % 3]);
        QApplication::processEvents();
    }
}
BENCHMARK(WindowFilter)->Unit(benchmark::kMillisecond);

void Check(benchmark::State& state) {
    auto session = FullTable();
    for (auto _ : state) benchmark::DoNotOptimize(CheckOfficers(*session));
}
BENCHMARK(Check)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
