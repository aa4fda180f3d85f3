// What a user feels on the real windows: from a click (or a control's own signal, as the mouse gives
// it) until the screen is finished, on a file of 999 officers in each edition, under the offscreen
// platform. Each figure is the median and the 99th percentile of its samples, beside the goal of one
// frame at 60 Hz.
//
// "Finished" means: the action's handlers have run, and then every event it posted has been delivered
// until a pass of the event loop finds none: layout requests, the update requests that repaint the
// changed widgets into the windows' backing stores and flush them, timers that were due. Work that
// is not part of an interaction (scrolling a row into view, typing a value, closing the map again)
// is done before the clock starts, and settled too.
//
// Usage: bench_interaction [--samples N] [--warm-up N] [--only TEXT]   (TEXT: part of the names to run)

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "code_page_text.h"
#include "core/data/officer_file.h"
#include "core/editing/list_view.h"
#include "core/os/file_access.h"
#include "figures.h"
#include "gui/auxiliary/map_window.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/reference_panel.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/application.h"
#include "gui/shell/officer_list_window.h"
#include "officer_fixtures.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"

namespace {

using namespace busho;
using Clock = std::chrono::steady_clock;

// The processor time the whole process has used, in milliseconds: beside the wall-clock figures, it
// tells how much of a slow sample was spent waiting for the machine (other programs, the disk).
double ProcessorMs() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_nsec) / 1e6;
}

constexpr int kOfficers = 999;
constexpr double kFrameMs = 1000.0 / 60;
const std::filesystem::path kBin = BUSHO_BIN_DIR;
const std::filesystem::path kDemo = BUSHO_DEMO_DIR;

// Counts every event the application delivers, and the paint events among them.
class EventCounter : public QObject {
public:
    int events = 0;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        ++events;
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

EventCounter* counter = nullptr;

// Delivers what is pending until a pass delivers nothing. A pass that keeps finding work (a timer
// that always fires again) would never end: the passes stop at a bound, which is reported.
bool Settle() {
    constexpr int kMaxPasses = 200;
    for (int pass = 0; pass < kMaxPasses; ++pass) {
        const int before = counter->events;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (counter->events == before) return true;
    }
    return false;
}

struct Failure {
    std::string what;
};

void Require(bool condition, const std::string& what) {
    if (!condition) throw Failure{what};
}

std::string TextOf(const ByteField<11>& field) {
    std::string text(field.begin(), field.end());
    return text.substr(0, text.find('\0'));
}

// The demo game's officers of the edition, repeated to 999: each with a name of its own (a family name
// and a given name of two demo officers, a third of them with 丸 or 介 after it) and a portrait of its
// own among the standard and the edit faces.
std::vector<std::uint8_t> FullFile(std::uint8_t edition) {
    FileAccess files;
    const auto demo = ReadOfficerFile(OfficerFilePathFor(edition, kDemo / "Documents"), files);
    if (!demo) throw std::runtime_error("the demo officer file cannot be read");
    const int count = demo.value().EndSlot - 1;
    // The search below needs the last name to be the only one of its kind.
    Require(count * count * 3 >= kOfficers, "the demo game has too few officers for 999 different names");
    const char* code = edition == kEditionTraditionalChinese ? "windows-950" : "windows-932";
    const std::string suffixes[] = {"", testing::Encoded(code, "丸"), testing::Encoded(code, "介")};
    std::vector<OfficerSlot> officers;
    for (int k = 0; k < kOfficers; ++k) {
        OfficerSlot o = demo.value().Officers[1 + k % count];
        const OfficerSlot& other = demo.value().Officers[1 + k / count % count];
        testing::SetText(o.Record.GivenName, TextOf(other.Record.GivenName) + suffixes[k / (count * count) % 3]);
        o.Record.PortraitNumber = k % 4 == 3 ? 1700 + k % 100 : k * 7 % kBuiltInOfficerCount;
        o.Record.Leadership = 1 + k * 7 % 120;
        officers.push_back(o);
    }
    officers.push_back(testing::EndMarker());
    return testing::BuildFileBytes(demo.value().Header, officers);
}

// The editor started on its own documents folder holding the 999 officers, with the demo game's faces.
struct Editor {
    testing::TempFolder folder;
    platform::RecordingMessageBoxes messages;
    platform::RecordingVoicePlayer voices;
    FileAccess files;
    Application app{messages, voices, files};

    explicit Editor(std::uint8_t edition) {
        const auto documents = folder.Path() / "Documents";
        const auto file = OfficerFilePathFor(edition, documents);
        std::filesystem::create_directories(file.parent_path());
        testing::WriteBytes(file, FullFile(edition));
        app.askFolders = [](const GameLocationCheck*, const QString&, const QString&) { return std::optional<FolderChoice>(); };
        StartupOptions options;
        options.edition = edition;
        options.gameFolder = QString::fromStdU16String((kDemo / "game").u16string());
        options.documentsFolder = QString::fromStdU16String(documents.u16string());
        options.programFolder = kBin;
        options.settingsFile = QString::fromStdU16String((folder.Path() / "settings.ini").u16string());
        Require(app.Start(options), "start-up");
        Settle();
        Require(app.State().EndSlot == kOfficers + 1, "the 999 officers loaded");
        Require(app.Form2().isVisible() && app.Form3().isVisible(), "the list and the picker shown");
    }
    EditorWindow& form1() { return app.Form1(); }
    OfficerListWindow& form2() { return app.Form2(); }
    PortraitPickerWindow& form3() { return app.Form3(); }
    QString Cell(int slot, int column) {
        const QTableWidgetItem* item = form2().msFlg->item(slot - 1, column);
        return item ? item->text().trimmed() : QString();  // numbers are padded to line up
    }
    // The row scrolled into view; the click on it is the interaction.
    QPoint RowInView(int slot) {
        QTableWidget* grid = form2().msFlg;
        grid->scrollToItem(grid->item(slot - 1, 2));
        Settle();
        return grid->visualItemRect(grid->item(slot - 1, 2)).center();
    }
    void ClickRow(int slot) {
        const QPoint at = RowInView(slot);
        QTest::mouseClick(form2().msFlg->viewport(), Qt::LeftButton, {}, at);
    }
    // Shows the slot as a click does, and types a leadership other than the stored one into the
    // editor's box; `typed` keeps it.
    void TypeLeadership(int slot) {
        ClickRow(slot);
        const int stored = app.State().Officers[slot].Record.Leadership;
        before = QString::number(stored);
        typed = QString::number(stored % 120 + 1);
        form1().txLTY->setText(typed);
        Settle();
    }
    QString before, typed;
};

struct Interaction {
    std::string name;
    std::function<void(int i)> prepare;  // untimed
    std::function<void(int i)> act;      // timed, with the settling after it
    std::function<bool(int i)> done;     // what the user sees afterwards, checked outside the clock
    std::string shows;                   // what `done` checks, for the failure message
    std::function<void()> finish = {};   // after the last sample, untimed
};

struct Options {
    int samples = 200;
    int warmUp = 5;
    QString only;  // the interactions whose names hold this text; all when empty
};

// Runs the interaction warm-up + samples times; the figures are of the samples only.
bool Measure(const std::string& edition, const Interaction& interaction, const Options& options) {
    std::vector<double> ms, cpuMs;
    long paints = 0;
    bool settled = true;
    for (int i = 0; i < options.warmUp + options.samples; ++i) {
        if (interaction.prepare) interaction.prepare(i);
        settled = Settle() && settled;
        const int paintsBefore = counter->paints;
        const double cpuStart = ProcessorMs();
        const auto start = Clock::now();
        interaction.act(i);
        settled = Settle() && settled;
        const auto end = Clock::now();
        const double cpu = ProcessorMs() - cpuStart;
        if (!interaction.done(i)) throw Failure{interaction.name + ": " + interaction.shows + " (sample " + std::to_string(i) + ")"};
        if (i < options.warmUp) continue;
        paints += counter->paints - paintsBefore;
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
        cpuMs.push_back(cpu);
    }
    if (interaction.finish) {
        interaction.finish();
        Settle();
    }
    const double median = bench::Median(ms), p99 = bench::Percentile(ms, 99);
    const std::string what = edition + " " + interaction.name;
    bench::PrintFigure(what,
                       bench::Format("median %6.2f p99 %6.2f ms", median, p99) +
                           bench::Format(" (cpu %.2f p99 %.2f, %.0f paints)", bench::Median(cpuMs), bench::Percentile(cpuMs, 99),
                                         static_cast<double>(paints) / static_cast<double>(ms.size())),
                       bench::Format("p99 < %.1f ms", kFrameMs), p99 < kFrameMs && settled);
    if (!settled) std::printf("  (events kept coming: the settling stopped at its bound)\n");
    return p99 < kFrameMs;
}

std::vector<Interaction> Interactions(Editor& e) {
    Session& s = e.app.State();
    // Slots spread over the whole list, a different one each sample.
    auto slotOf = [](int i) { return 1 + (i * 37 + 11) % kOfficers; };
    std::vector<Interaction> list;

    list.push_back({"row click until the editor shows the officer and its portrait",
                    [&e, slotOf](int i) { e.RowInView(slotOf(i)); },
                    [&e, slotOf](int i) { e.ClickRow(slotOf(i)); },
                    [&e, &s, slotOf](int i) {
                        return s.CurrentSlot == slotOf(i) && !e.form1().Picture1->pixmap().isNull() &&
                               e.form1().lbCG->text() == QString::number(s.Officers[slotOf(i)].Record.PortraitNumber);
                    },
                    "the officer clicked shown with its portrait number and a portrait"});

    list.push_back({"修改 until the list row is updated",
                    [&e, slotOf](int i) { e.TypeLeadership(slotOf(i)); },
                    [&e](int) { QTest::mouseClick(e.form1().Command2, Qt::LeftButton); },
                    [&e, slotOf](int i) { return e.Cell(slotOf(i), static_cast<int>(ListColumn::Leadership)) == e.typed; },
                    "the leadership typed in the list row"});

    // The file holds 999 officers, as many as a file can: 添加 is measured from 998, the last officer
    // deleted first, and each added officer is taken back with undo before the next sample.
    list.push_back({"添加 (998 officers to 999)",
                    [&e, &s, slotOf](int i) {
                        if (s.EndSlot == kOfficers + 1) {
                            if (i == 0) {
                                e.form2().SelectListRow(kOfficers);
                                e.form2().DeleteSelected();
                            } else {
                                e.form1().Undo();
                            }
                        }
                        e.ClickRow(slotOf(i) % (kOfficers - 1) + 1);
                    },
                    [&e](int) { QTest::mouseClick(e.form1().Command3, Qt::LeftButton); },
                    [&e, &s](int) { return s.EndSlot == kOfficers + 1 && s.CurrentSlot == kOfficers && !e.Cell(kOfficers, 2).isEmpty(); },
                    "the new officer in slot 999, in the list and in the editor",
                    [&e, &s] {
                        // The last officer added, then the deletion, taken back: the file's 999 again.
                        e.form1().Undo();
                        e.form1().Undo();
                        Require(s.EndSlot == kOfficers + 1, "the 999 officers back after 添加");
                    }});

    list.push_back({"保存所有修改 (a change made first)",
                    [&e, slotOf](int i) {
                        e.TypeLeadership(slotOf(i));
                        QTest::mouseClick(e.form1().Command2, Qt::LeftButton);
                    },
                    [&e](int) { QTest::mouseClick(e.form2().Command1, Qt::LeftButton); },
                    [&e](int) { return !e.app.History().IsModified(); },
                    "the table saved"});

    // The name of slot 999 is the only one that holds it: the search walks every name to reach it.
    list.push_back({"搜 walking all 999 names to the last",
                    [&e, slotOf](int i) {
                        e.ClickRow(slotOf(i) % (kOfficers - 1) + 1);
                        e.form2().txSER->setText(e.Cell(kOfficers, 2));
                        e.messages.asked.clear();
                    },
                    [&e](int) { QTest::mouseClick(e.form2().Command2, Qt::LeftButton); },
                    [&e, &s](int) { return s.CurrentSlot == kOfficers && e.messages.asked.size() == 1; },
                    "one hit, slot 999, shown"});

    auto pageTurn = [&e](const char* name, bool standard) {
        return Interaction{name,
                           [&e, standard](int i) {
                               e.form3().SSTab1->setCurrentIndex(standard ? 0 : 1);
                               QScrollBar* bar = standard ? e.form3().HS : e.form3().ZHS;
                               if (i == 0 || bar->value() == bar->maximum()) bar->setValue(1);
                           },
                           [&e, standard](int) {
                               (standard ? e.form3().HS : e.form3().ZHS)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
                           },
                           [&e, standard](int) {
                               QScrollBar* bar = standard ? e.form3().HS : e.form3().ZHS;
                               const auto& views = standard ? e.form3().PICC4 : e.form3().PICC5;
                               return bar->value() > 1 && !views[0]->pixmap().isNull() &&
                                      (standard ? e.form3().lbPage1 : e.form3().lbPage2)->text().contains(QString::number(bar->value()));
                           },
                           "the next page's faces and number"};
    };
    list.push_back(pageTurn("picker page turn, standard faces", true));
    list.push_back(pageTurn("picker page turn, edit faces", false));

    // The 选 beside 相性武将: the panel opens on the officer the list names, figures and portrait.
    list.push_back({"选 opening the reference panel on an officer",
                    [&e](int i) {
                        if (e.form1().Panel()->isVisible()) QTest::mouseClick(e.form1().Panel()->Command9, Qt::LeftButton);
                        e.form1().cXXWJ->setCurrentIndex(1 + i * 13 % 1500);
                    },
                    [&e](int) { QTest::mouseClick(e.form1().Command15, Qt::LeftButton); },
                    [&e](int i) {
                        return e.form1().Panel()->isVisible() && e.form1().Panel()->lbSname->text() == e.app.Names().Item(2 + i * 13 % 1500);
                    },
                    "the panel shown with the chosen officer's name"});

    list.push_back({"reference panel: an officer clicked in its list",
                    [&e](int i) {
                        ReferencePanel& p = *e.form1().Panel();
                        if (!p.isVisible()) QTest::mouseClick(e.form1().Command15, Qt::LeftButton);
                        p.List1->scrollTo(p.List1->model()->index(1 + i * 29 % 1600, 0));
                    },
                    [&e](int i) {
                        QListView* list = e.form1().Panel()->List1;
                        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(1 + i * 29 % 1600, 0)).center());
                    },
                    [&e](int i) {
                        ReferencePanel& p = *e.form1().Panel();
                        return p.lbSname->text() == e.app.Names().Item(1 + i * 29 % 1600) && !p.Picture3->pixmap().isNull();
                    },
                    "the officer's name and portrait in the panel"});

    // The map is made afresh each time it opens (its close box deletes it).
    list.push_back({"B opening the map",
                    [&e](int) {
                        if (e.app.Form6()) e.app.Form6()->close();
                        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
                        Require(!e.app.Form6(), "the map closed with its close box is deleted");
                    },
                    [&e](int) { QTest::mouseClick(e.form1().Command18, Qt::LeftButton); },
                    [&e](int) { return e.app.Form6() && e.app.Form6()->isVisible() && !e.app.Form6()->Picture1->pixmap().isNull(); },
                    "the map shown with its picture"});

    list.push_back({"撤销 of a 修改",
                    [&e, slotOf](int i) {
                        if (e.app.Form6()) e.app.Form6()->close();
                        e.TypeLeadership(slotOf(i));
                        QTest::mouseClick(e.form1().Command2, Qt::LeftButton);
                        e.ClickRow(slotOf(i + 1));
                    },
                    [&e](int) { e.form1().M_UNDO->trigger(); },
                    [&e, &s, slotOf](int i) {
                        return s.CurrentSlot == slotOf(i) && e.Cell(slotOf(i), static_cast<int>(ListColumn::Leadership)) == e.before;
                    },
                    "the officer shown again with the leadership it had"});

    list.push_back({"重做 of that 修改",
                    [&e, slotOf](int i) {
                        e.TypeLeadership(slotOf(i));
                        QTest::mouseClick(e.form1().Command2, Qt::LeftButton);
                        e.form1().M_UNDO->trigger();
                        e.ClickRow(slotOf(i + 1));
                    },
                    [&e](int) { e.form1().M_REDO->trigger(); },
                    [&e, &s, slotOf](int i) {
                        return s.CurrentSlot == slotOf(i) && e.Cell(slotOf(i), static_cast<int>(ListColumn::Leadership)) == e.typed;
                    },
                    "the officer shown with the leadership typed"});
    return list;
}

Options ParseOptions(const QStringList& arguments) {
    Options o;
    for (int a = 1; a + 1 < arguments.size(); ++a) {
        if (arguments[a] == QLatin1String("--samples")) o.samples = std::max(1, arguments[a + 1].toInt());
        if (arguments[a] == QLatin1String("--warm-up")) o.warmUp = std::max(0, arguments[a + 1].toInt());
        if (arguments[a] == QLatin1String("--only")) o.only = arguments[a + 1];
    }
    return o;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform's notes on what it does not support would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && type != QtInfoMsg && type != QtWarningMsg) std::fprintf(stderr, "%s\n", text.toUtf8().constData());
    });
    QApplication qt(argc, argv);
    EventCounter events;
    counter = &events;
    qt.installEventFilter(&events);
    const Options options = ParseOptions(QApplication::arguments());
    std::printf("Interactions on 999 officers, %d samples each after %d unmeasured, offscreen; from the click until\n"
                "every event it caused is delivered and the changed windows are repainted. In brackets: the processor\n"
                "time the process used (median and 99th percentile), and the paint events per sample.\n",
                options.samples, options.warmUp);
    bool allMet = true;
    try {
        for (const auto& [edition, code] : {std::pair{kEditionTraditionalChinese, "tc"}, std::pair{kEditionJapanese, "jp"}}) {
            Editor editor(edition);
            for (const Interaction& interaction : Interactions(editor))
                if (QString::fromStdString(interaction.name).contains(options.only)) allMet = Measure(code, interaction, options) && allMet;
        }
    } catch (const Failure& f) {
        std::fprintf(stderr, "bench_interaction: the interaction did not do its work: %s\n", f.what.c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_interaction: %s\n", e.what());
        return 1;
    }
    std::printf("%s\n", allMet ? "Every interaction within one frame." : "Some interactions take longer than one frame.");
    return 0;
}
