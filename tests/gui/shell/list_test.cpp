// The officer list as a player uses it, through the real windows: sorting and filtering the view,
// the keyboard, 删除 with its question, 复制为新武将, 上移/下移, 批量修改 undone in one step, and the
// check's panel after loading.

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QInputMethodEvent>
#include <QListWidget>
#include <QMenuBar>
#include <QTimer>
#include <QtTest>

#include <algorithm>

#include "gui/shell/batch_edit_dialog.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

constexpr int N(int slot) { return kRegisteredNumberBase + slot - 1; }

struct Row {
    const char* family;
    const char* given;
    int leadership, valour, portrait, appearance;
    int father = -1;
    std::vector<int> liked = {}, disliked = {};
};

// An officer the game takes as it is: every value inside its list and range.
OfficerSlot Officer(const Row& r, int slot) {
    OfficerSlot o = RandomOfficer(static_cast<std::uint32_t>(slot));
    o.Record.Signature = WrittenSignature();
    o.Record.HeaderWord1 = o.Record.HeaderWord3 = o.Record.HeaderWord4 = 0;
    o.Record.HeaderWord2 = 1;
    SetText(o.Record.FamilyName, Encoded("windows-950", r.family));
    SetText(o.Record.GivenName, Encoded("windows-950", r.given));
    SetText(o.Record.FamilyNameReading, "");
    SetText(o.Record.GivenNameReading, "");
    SetText(o.Record.Biography, "");
    o.Record.Gender = 1;
    o.Record.PortraitNumber = r.portrait;
    o.Record.BirthYear = 1530 + slot;
    o.Record.DeathYear = 1590;
    o.Record.Origin = 1;
    o.Record.Faith = 2;
    o.Record.Father = r.father;
    o.Record.CompatibilityOfficer = 5;
    o.Record.Leadership = r.leadership;
    o.Record.Valour = r.valour;
    o.Record.Intellect = 60;
    o.Record.Politics = 70;
    o.Record.Aptitude = {1, 2, 3, 4, 0, 1, 2, 3, 4};
    o.Record.TacticCount = 2;
    o.Tactics = {};
    o.Tactics[0] = 3;
    o.Tactics[1] = 12;
    o.LikedCount = static_cast<std::int32_t>(r.liked.size());
    o.Liked = {};
    for (std::size_t i = 0; i < r.liked.size(); ++i) o.Liked[i] = r.liked[i];
    o.DislikedCount = static_cast<std::int32_t>(r.disliked.size());
    o.Disliked = {};
    for (std::size_t i = 0; i < r.disliked.size(); ++i) o.Disliked[i] = r.disliked[i];
    o.Extra = {50, 45, 7, N(slot), r.appearance, 2};
    return o;
}

const std::vector<Row> kRows = {
    {"織田", "信長", 90, 70, 2, 1, N(2)},
    {"武田", "信玄", 100, 100, 1, 1, -1, {N(3), 17}},
    {"上杉", "謙信", 95, 120, 0, 0, -1, {}, {N(2), N(4)}},
    {"真田", "幸村", 70, 101, 1705, 1},
    {"前田", "利家", 90, 85, 1699, 0},
};

// The editor on a file of these officers (Traditional-Chinese edition).
struct Run {
    Fixture fixture;
    Editor editor;
    std::vector<OfficerSlot> officers;
    explicit Run(const std::vector<Row>& rows = kRows, const std::function<void(std::vector<OfficerSlot>&)>& change = {}) {
        for (std::size_t i = 0; i < rows.size(); ++i) officers.push_back(Officer(rows[i], static_cast<int>(i) + 1));
        if (change) change(officers);
        std::vector<OfficerSlot> file = officers;
        file.push_back(EndMarker());
        WriteBytes(File(), BuildFileBytes(WrittenFileHeader(), file));
        if (!editor.app.Start(fixture.Options(kEditionTraditionalChinese))) qFatal("the editor did not start");
    }
    std::filesystem::path File() const { return OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents()); }
    EditorWindow& form1() { return editor.app.Form1(); }
    OfficerListWindow& list() { return editor.app.Form2(); }
    Session& session() { return editor.app.State(); }

    // The officers' slots as the rows appear on screen, top to bottom.
    std::vector<int> Shown() {
        QTableWidget* grid = list().msFlg;
        std::vector<std::pair<int, int>> rows;  // position, slot
        for (int row = 0; row < session().EndSlot - 1; ++row)
            if (!grid->isRowHidden(row)) rows.emplace_back(grid->rowViewportPosition(row), row + 1);
        std::sort(rows.begin(), rows.end());
        std::vector<int> order;
        for (const auto& [position, slot] : rows) order.push_back(slot);
        return order;
    }
    void ClickHeader(int column) {
        QHeaderView* header = list().msFlg->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
    }
    // Adds the row of the slot to the selection, as a Ctrl+click does.
    void CtrlClickRow(int slot) {
        QTableWidget* grid = list().msFlg;
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ControlModifier, grid->visualItemRect(grid->item(slot - 1, 2)).center());
    }
    QString Name(int slot) {
        const QTableWidgetItem* item = list().msFlg->item(slot - 1, 2);
        return item ? item->text() : QString();
    }
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class ListTest : public QObject {
    Q_OBJECT
private slots:
    void headersSortTheViewAndSavingKeepsTheFileOrder();
    void theFilterNarrowsTheRowsAndCountsThem_data();
    void theFilterNarrowsTheRowsAndCountsThem();
    void theKeyboardMovesThroughTheViewAndShowsEachOfficer();
    void deleteAsksNamingWhoLosesARelationAndUndoGivesItBack();
    void duplicateAndMoveButtons();
    void batchEditIsOneStep();
    void theCheckPanelShowsFindingsAndJumpsToTheOfficer();
};

void ListTest::headersSortTheViewAndSavingKeepsTheFileOrder() {
    Run run;
    QCOMPARE(run.Shown(), (std::vector<int>{1, 2, 3, 4, 5}));
    run.ClickHeader(4);  // 武勇
    QCOMPARE(run.Shown(), (std::vector<int>{1, 5, 2, 4, 3}));
    QVERIFY(run.list().msFlg->horizontalHeader()->isSortIndicatorShown());
    run.ClickHeader(4);
    QCOMPARE(run.Shown(), (std::vector<int>{3, 4, 2, 5, 1}));
    run.ClickHeader(3);  // 统率: ties keep the file's order
    QCOMPARE(run.Shown(), (std::vector<int>{4, 1, 5, 3, 2}));
    run.ClickHeader(8);  // ＣＧ
    QCOMPARE(run.Shown(), (std::vector<int>{3, 2, 1, 5, 4}));
    // Row r is still slot r + 1: the grid's cells, the table and the rows clicked agree.
    QCOMPARE(run.Name(1), U("织田信长"));
    ClickRow(run.list(), 4);
    QCOMPARE(run.session().CurrentSlot, 4);
    QCOMPARE(run.form1().txX->text(), U("真田"));

    // Saved while sorted, the file keeps its order.
    QTest::mouseClick(run.list().Command1, Qt::LeftButton);
    auto saved = std::make_unique<Session>();
    FileEvents events;
    FileAccess files;
    QVERIFY(LoadOfficerFileAt(*saved, run.File(), events, files, false).ok());
    QCOMPARE(saved->EndSlot, 6);
    for (int slot = 1; slot <= 5; ++slot) QVERIFY2(saved->Officers[slot] == run.officers[static_cast<std::size_t>(slot - 1)], std::to_string(slot).c_str());

    // A third click gives the file's order back.
    run.ClickHeader(8);
    run.ClickHeader(8);
    QCOMPARE(run.Shown(), (std::vector<int>{1, 2, 3, 4, 5}));
    QVERIFY(!run.list().msFlg->horizontalHeader()->isSortIndicatorShown());
}

void ListTest::theFilterNarrowsTheRowsAndCountsThem_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("shown");
    QTest::addColumn<bool>("refused");
    QTest::newRow("a name") << U("信") << QList<int>{1, 2, 3} << false;
    QTest::newRow("the other form") << U("谦信") << QList<int>{3} << false;
    QTest::newRow("a condition by the editor's label") << U("武力>100") << QList<int>{3, 4} << false;
    QTest::newRow("by the header") << U("武勇>100") << QList<int>{3, 4} << false;
    QTest::newRow("ascii") << U("CG>=1700") << QList<int>{4} << false;
    QTest::newRow("full width") << U("ＣＧ号>=1700") << QList<int>{4} << false;
    QTest::newRow("retired") << U("退场") << QList<int>{3, 5} << false;
    QTest::newRow("two words") << U("退场 武力>100") << QList<int>{3} << false;
    QTest::newRow("no match") << U("北条") << QList<int>{} << false;
    QTest::newRow("half a condition filters nothing") << U("武力>") << QList<int>{1, 2, 3, 4, 5} << true;
}

void ListTest::theFilterNarrowsTheRowsAndCountsThem() {
    QFETCH(QString, typed);
    QFETCH(QList<int>, shown);
    QFETCH(bool, refused);
    Run run;
    // Typed as an input method commits Chinese text.
    run.list().txFilter->setFocus();
    QInputMethodEvent input;
    input.setCommitString(typed);
    QApplication::sendEvent(run.list().txFilter, &input);
    QCOMPARE(run.list().txFilter->text(), typed);
    const std::vector<int> expected(shown.begin(), shown.end());
    QCOMPARE(run.Shown(), expected);
    QCOMPARE(run.list().lbCount->text(), QStringLiteral("%1 / 5").arg(expected.size()));
    QCOMPARE(run.list().txFilter->toolTip().contains(U("不是条件")), refused);
    // Sorted, the filter still holds; cleared, every row is back.
    run.ClickHeader(4);
    run.ClickHeader(4);
    std::vector<int> byValourDown;
    for (int slot : {3, 4, 2, 5, 1})
        if (std::find(expected.begin(), expected.end(), slot) != expected.end()) byValourDown.push_back(slot);
    QCOMPARE(run.Shown(), byValourDown);
    run.list().txFilter->clear();
    QCOMPARE(run.Shown(), (std::vector<int>{3, 4, 2, 5, 1}));
    QCOMPARE(run.list().lbCount->text(), QStringLiteral("5 / 5"));
}

void ListTest::theKeyboardMovesThroughTheViewAndShowsEachOfficer() {
    Run run;
    run.ClickHeader(4);
    run.ClickHeader(4);  // 3 4 2 5 1
    run.list().txFilter->setText(U("出场"));  // 4 2 1
    ClickRow(run.list(), 4);
    QCOMPARE(run.session().CurrentSlot, 4);
    QTest::keyClick(run.list().msFlg, Qt::Key_Down);
    QCOMPARE(run.session().CurrentSlot, 2);
    QCOMPARE(run.form1().txX->text(), U("武田"));
    QTest::keyClick(run.list().msFlg, Qt::Key_PageDown);
    QCOMPARE(run.session().CurrentSlot, 1);
    QCOMPARE(run.form1().txX->text(), U("织田"));
    QTest::keyClick(run.list().msFlg, Qt::Key_Up);
    QCOMPARE(run.session().CurrentSlot, 2);
    QTest::keyClick(run.list().msFlg, Qt::Key_PageUp);
    QCOMPARE(run.session().CurrentSlot, 4);
    QCOMPARE(run.form1().txX->text(), U("真田"));
}

void ListTest::deleteAsksNamingWhoLosesARelationAndUndoGivesItBack() {
    Run run;
    Session& s = run.session();
    const OfficerTable loaded = s.Officers;
    // No: nothing changes.
    ClickRow(run.list(), 2);
    run.editor.messages.answers = {false};
    QTest::keyClick(run.list().msFlg, Qt::Key_Delete);
    QCOMPARE(run.editor.messages.asked.size(), std::size_t{1});
    const QString question = platform::MessageText(run.editor.messages.asked.back());
    QVERIFY2(question.startsWith(U("删除下列武将吗？\n武田信玄")), qPrintable(question));
    // 织田信长's father and 上杉谦信's dislike point at 武田信玄.
    QVERIFY2(question.endsWith(U("将被清除：\n织田信长、上杉谦信")), qPrintable(question));
    QVERIFY(s.Officers == loaded);
    QCOMPARE(s.EndSlot, 6);

    // Yes: the later officers move up, the relations follow, the list and the name lists too.
    run.editor.messages.answers = {true};
    QTest::keyClick(run.list().msFlg, Qt::Key_Delete);
    QCOMPARE(s.EndSlot, 5);
    QCOMPARE(run.Name(2), U("上杉谦信"));
    QCOMPARE(run.Name(4), U("前田利家"));
    QCOMPARE(run.Name(5), QString());
    QCOMPARE(s.Officers[1].Record.Father, -1);
    QCOMPARE(s.Officers[2].DislikedCount, 1);
    QCOMPARE(s.Officers[2].Disliked[0], N(3));
    QCOMPARE(run.list().lbCount->text(), QStringLiteral("4 / 4"));
    QCOMPARE(s.CurrentSlot, 2);
    QCOMPARE(run.form1().txX->text(), U("上杉"));
    QCOMPARE(run.editor.app.Names().Count(), kBuiltInOfficerCount + 1 + 4);
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销 删除 武田信玄"));
    QVERIFY(run.form1().windowTitle().endsWith(QLatin1Char('*')));

    run.form1().M_UNDO->trigger();
    QVERIFY(s.Officers == loaded);
    QCOMPARE(s.EndSlot, 6);
    QCOMPARE(run.Name(2), U("武田信玄"));
    QCOMPARE(run.Name(5), U("前田利家"));
    QCOMPARE(run.editor.app.Names().Count(), kBuiltInOfficerCount + 1 + 5);
    QVERIFY(!run.form1().windowTitle().endsWith(QLatin1Char('*')));
}

void ListTest::duplicateAndMoveButtons() {
    Run run;
    Session& s = run.session();
    ClickRow(run.list(), 1);
    run.CtrlClickRow(3);
    QCOMPARE(run.list().SelectedSlots(), (std::vector<int>{1, 3}));
    QTest::mouseClick(run.list().CommandDuplicate, Qt::LeftButton);
    QCOMPARE(s.EndSlot, 8);
    QCOMPARE(run.Name(6), U("织田信长"));
    QCOMPARE(run.Name(7), U("上杉谦信"));
    QCOMPARE(s.CurrentSlot, 6);
    QCOMPARE(run.list().lbCount->text(), QStringLiteral("7 / 7"));

    // 上移 of 3 and 4 together: 2 goes below them; its relations follow it.
    ClickRow(run.list(), 3);
    run.CtrlClickRow(4);
    QTest::mouseClick(run.list().CommandUp, Qt::LeftButton);
    QCOMPARE(run.Name(2), U("上杉谦信"));
    QCOMPARE(run.Name(3), U("真田幸村"));
    QCOMPARE(run.Name(4), U("武田信玄"));
    QCOMPARE(s.Officers[1].Record.Father, N(4));
    QCOMPARE(run.list().SelectedSlots(), (std::vector<int>{2, 3}));
    // Again: they are at the top of what they can pass.
    QTest::mouseClick(run.list().CommandUp, Qt::LeftButton);
    QCOMPARE(run.Name(1), U("上杉谦信"));
    QCOMPARE(run.Name(2), U("真田幸村"));
    QCOMPARE(run.Name(3), U("织田信长"));
    const std::size_t steps = 3;
    QTest::mouseClick(run.list().CommandUp, Qt::LeftButton);  // nothing left to pass
    QCOMPARE(run.Name(1), U("上杉谦信"));
    QTest::mouseClick(run.list().CommandDown, Qt::LeftButton);
    QCOMPARE(run.Name(3), U("真田幸村"));
    QCOMPARE(run.editor.app.History().StepCount(), steps + 1);
}

void ListTest::batchEditIsOneStep() {
    Run run;
    Session& s = run.session();
    const OfficerTable loaded = s.Officers;
    ClickRow(run.list(), 1);
    run.CtrlClickRow(3);
    run.CtrlClickRow(4);
    // The dialog: 状态 set to 浪人 (item 3).
    bool answered = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<BatchEditDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        QCOMPARE(dialog->lbCount->text(), U("为选中的 3 名武将设定："));
        dialog->cField->setCurrentIndex(0);
        QCOMPARE(dialog->cField->currentText(), U("状态"));
        dialog->cValue->setCurrentIndex(3);
        QCOMPARE(dialog->cValue->currentText(), U("浪人"));
        dialog->buttons->button(QDialogButtonBox::Ok)->click();
        answered = true;
    });
    QTest::mouseClick(run.list().CommandBatch, Qt::LeftButton);
    QVERIFY(answered);
    for (int slot = 1; slot <= 5; ++slot) QCOMPARE(s.Officers[slot].Extra.Status, slot == 2 || slot == 5 ? 7 : 3);
    QCOMPARE(run.editor.app.History().StepCount(), std::size_t{1});
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销 批量修改 3 名武将的状态"));

    // A tactic on for the same three, through the dialog's own lists.
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<BatchEditDialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        dialog->cField->setCurrentIndex(dialog->cField->findText(U("战法：火矢")));
        dialog->cValue->setCurrentIndex(1);
        dialog->buttons->button(QDialogButtonBox::Ok)->click();
    });
    QTest::mouseClick(run.list().CommandBatch, Qt::LeftButton);
    QCOMPARE(s.Officers[3].Record.TacticCount, 3);
    QCOMPARE(s.Officers[3].Tactics[1], 12);
    QCOMPARE(s.Officers[3].Tactics[2], 13);

    // Each batch is one step: two undos give back the file as loaded.
    run.form1().M_UNDO->trigger();
    QCOMPARE(s.Officers[3].Record.TacticCount, 2);
    QCOMPARE(s.Officers[3].Extra.Status, 3);
    run.form1().M_UNDO->trigger();
    QVERIFY(s.Officers == loaded);
    QVERIFY(!run.form1().M_UNDO->isEnabled());

    // Cancelled, nothing changes.
    QTimer::singleShot(0, [&] { QApplication::activeModalWidget()->close(); });
    QTest::mouseClick(run.list().CommandBatch, Qt::LeftButton);
    QVERIFY(s.Officers == loaded);
    QVERIFY(!run.form1().M_UNDO->isEnabled());
}

void ListTest::theCheckPanelShowsFindingsAndJumpsToTheOfficer() {
    {
        Run clean;
        QVERIFY(!clean.list().lstCheck->isVisible());
        QVERIFY(!clean.list().lbCheck->isVisible());
        QVERIFY(clean.editor.messages.shown.empty());
    }
    Run run(kRows, [](std::vector<OfficerSlot>& o) {
        o[3].Extra.Duty = 101;
        o[1].Record.Father = N(9);
    });
    QListWidget* panel = run.list().lstCheck;
    QVERIFY(panel->isVisible());
    QVERIFY(run.editor.messages.shown.empty());  // nothing pops up
    QCOMPARE(panel->count(), 2);
    QCOMPARE(panel->item(0)->text(), U("2  武田信玄  Father 10008：指向不存在的武将"));
    QCOMPARE(panel->item(1)->text(), U("4  真田幸村  Duty 101：超出游戏使用的范围 1～100"));
    QVERIFY(run.list().lbCheck->text().contains(U("2 处")));
    QTest::mouseClick(panel->viewport(), Qt::LeftButton, {}, panel->visualItemRect(panel->item(1)).center());
    QCOMPARE(run.session().CurrentSlot, 4);
    QCOMPARE(run.list().msFlg->currentRow(), 3);
    QCOMPARE(run.form1().txLQY->text(), QStringLiteral("101"));

    // Mended in the editor, the finding goes.
    run.form1().txLQY->setText(QStringLiteral("100"));
    QTest::mouseClick(run.form1().Command2, Qt::LeftButton);
    QCOMPARE(panel->count(), 1);
}

QTEST_MAIN(ListTest)
#include "list_test.moc"
