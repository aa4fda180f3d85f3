// Undo, redo and unsaved changes on the real windows: the edit menu and its shortcuts, the title's
// asterisk, and the questions on closing, 退出, 打开 and switching officers.

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QtTest>

#include "core/text/messages.h"
#include "gui/portrait/portrait_picker_window.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;
using platform::KeepAnswer;

Q_DECLARE_METATYPE(busho::platform::KeepAnswer)

namespace {

// The editor on the fixture's three officers (Traditional-Chinese edition).
struct Run {
    Fixture fixture;
    Editor editor;
    Run() { QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese))); }
    EditorWindow& form1() { return editor.app.Form1(); }
    OfficerListWindow& form2() { return editor.app.Form2(); }
    Session& session() { return editor.app.State(); }
    std::filesystem::path File() const { return OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents()); }
    QString Title() { return form1().windowTitle(); }
    QString AppTitle() { return platform::FromGbk(session().AppTitle); }
    QString Cell(int slot, int column) {
        const QTableWidgetItem* item = form2().msFlg->item(slot - 1, column);
        return item ? item->text() : QString();
    }
    // Shows the slot, types a leadership and presses 修改.
    void ModifyLeadership(int slot, const QString& value) {
        ClickRow(form2(), slot);
        form1().txLTY->setText(value);
        QTest::mouseClick(form1().Command2, Qt::LeftButton);
    }
};

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// The keys pressed where the user last clicked: on the 修改 button, not inside a text box (whose own
// undo takes Ctrl+Z while it has the focus).
void PressOnButton(EditorWindow& form1, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    form1.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form1));
    form1.Command2->setFocus();
    QTest::keyClick(form1.Command2, key, modifiers);
}

}  // namespace

class HistoryTest : public QObject {
    Q_OBJECT
private slots:
    void editMenuUndoesAndRedoesEachKindAndShowsItsOfficer();
    void shortcutsUndoAndRedo_data();
    void shortcutsUndoAndRedo();
    void titleAsteriskFollowsTheSavedState();
    void leavingTheTableAsksAboutUnsavedChanges_data();
    void leavingTheTableAsksAboutUnsavedChanges();
    void switchingOfficersAsksAboutUncommittedEdits_data();
    void switchingOfficersAsksAboutUncommittedEdits();
    void undoWithUncommittedEditsAsksFirst();
};

void HistoryTest::editMenuUndoesAndRedoesEachKindAndShowsItsOfficer() {
    Run run;
    Session& s = run.session();
    const OfficerTable loaded = s.Officers;
    QVERIFY(!run.form1().M_UNDO->isEnabled());
    QVERIFY(!run.form1().M_REDO->isEnabled());
    const QString leadership2 = run.Cell(2, 3);
    const QString name2 = run.Cell(2, 2);
    const QString name3 = run.Cell(3, 2);

    // 修改: the entry names the officer as the list shows it.
    run.ModifyLeadership(2, QStringLiteral("99"));
    QCOMPARE(run.Cell(2, 3), QStringLiteral(" 99"));
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销 修改 ") + name2);
    // 添加 from the officer shown in slot 3, with a new given name.
    ClickRow(run.form2(), 3);
    run.form1().txM->setText(QStringLiteral("八郎"));
    QTest::mouseClick(run.form1().Command3, Qt::LeftButton);
    QCOMPARE(s.EndSlot, 5);
    QVERIFY(run.Cell(4, 2).endsWith(QStringLiteral("八郎")));
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销 添加 ") + run.Cell(4, 2));
    QCOMPARE(run.editor.app.Names().Count(), kBuiltInOfficerCount + 1 + 4);
    // 更改头像 of officer 3, from the picker.
    ClickRow(run.form2(), 3);
    PortraitPickerWindow& picker = run.editor.app.Form3();
    picker.show();
    QTest::mouseClick(picker.PICC4[2], Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(picker.Command1, Qt::LeftButton);
    QCOMPARE(s.Officers[3].Record.PortraitNumber, 2);
    QCOMPARE(run.Cell(3, 8), QStringLiteral(" 2"));
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销 更改头像 ") + name3);
    QVERIFY(run.Title().endsWith(QLatin1Char('*')));

    // Each undo takes one step back, selects the officer it changed in the list and shows it.
    run.form1().M_UNDO->trigger();
    QCOMPARE(s.Officers[3].Record.PortraitNumber, loaded[3].Record.PortraitNumber);
    QCOMPARE(s.Roster[kBuiltInOfficerCount + 3].PortraitNumber, loaded[3].Record.PortraitNumber);
    QCOMPARE(run.Cell(3, 8).trimmed(), QString::number(loaded[3].Record.PortraitNumber));
    QCOMPARE(run.form1().lbCG->text(), QString::number(loaded[3].Record.PortraitNumber));
    QCOMPARE(run.form2().msFlg->currentRow(), 2);
    QCOMPARE(run.form1().M_REDO->text(), U("重做 更改头像 ") + name3);

    // The added officer goes: its row and its name-list item too; the last officer is shown.
    run.form1().M_UNDO->trigger();
    QCOMPARE(s.EndSlot, 4);
    QCOMPARE(run.Cell(4, 2), QString());
    QCOMPARE(run.editor.app.Names().Count(), kBuiltInOfficerCount + 1 + 3);
    QCOMPARE(s.CurrentSlot, 3);
    QCOMPARE(run.form2().msFlg->currentRow(), 2);
    QCOMPARE(run.form1().txM->text(), QString(name3).remove(0, run.form1().txX->text().size()));

    run.form1().M_UNDO->trigger();
    QCOMPARE(run.Cell(2, 3), leadership2);
    QCOMPARE(run.form1().txLTY->text(), leadership2.trimmed());
    QCOMPARE(s.CurrentSlot, 2);
    QCOMPARE(run.form2().msFlg->currentRow(), 1);
    QVERIFY(!run.form1().M_UNDO->isEnabled());
    QCOMPARE(run.form1().M_UNDO->text(), U("撤销"));
    QVERIFY(s.Officers == loaded);
    QCOMPARE(run.Title(), run.AppTitle());

    // Redone, in order, each shows its officer again.
    run.form1().M_REDO->trigger();
    QCOMPARE(run.form1().txLTY->text(), QStringLiteral("99"));
    run.form1().M_REDO->trigger();
    QCOMPARE(s.EndSlot, 5);
    QCOMPARE(s.CurrentSlot, 4);
    QVERIFY(run.Cell(4, 2).endsWith(QStringLiteral("八郎")));
    QCOMPARE(run.form1().txM->text(), QStringLiteral("八郎"));
    QCOMPARE(run.editor.app.Names().Item(kBuiltInOfficerCount + 4), run.Cell(4, 2));
    run.form1().M_REDO->trigger();
    QCOMPARE(s.Officers[3].Record.PortraitNumber, 2);
    QVERIFY(!run.form1().M_REDO->isEnabled());
    QVERIFY(run.Title().endsWith(QLatin1Char('*')));
    QVERIFY(run.editor.messages.asked.empty());
}

void HistoryTest::shortcutsUndoAndRedo_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+Y") << int{Qt::Key_Y} << int{Qt::ControlModifier};
    QTest::newRow("Ctrl+Shift+Z") << int{Qt::Key_Z} << int{Qt::ControlModifier | Qt::ShiftModifier};
}

void HistoryTest::shortcutsUndoAndRedo() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    Run run;
    const QString before = run.Cell(1, 3);
    run.ModifyLeadership(1, QStringLiteral("88"));
    PressOnButton(run.form1(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(run.Cell(1, 3), before);
    QCOMPARE(run.form1().txLTY->text(), before.trimmed());
    PressOnButton(run.form1(), static_cast<Qt::Key>(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(run.Cell(1, 3), QStringLiteral(" 88"));
    QCOMPARE(run.form1().txLTY->text(), QStringLiteral("88"));
}

void HistoryTest::titleAsteriskFollowsTheSavedState() {
    Run run;
    QCOMPARE(run.Title(), run.AppTitle());
    run.ModifyLeadership(2, QStringLiteral("91"));
    QCOMPARE(run.Title(), run.AppTitle() + QLatin1Char('*'));
    // Saving clears the asterisk and keeps the history; undo then differs from the file again.
    QTest::mouseClick(run.form2().Command1, Qt::LeftButton);
    QCOMPARE(run.Title(), run.AppTitle());
    QVERIFY(run.form1().M_UNDO->isEnabled());
    // 修改 that changes no byte is no step: nothing new to undo, nothing unsaved.
    ClickRow(run.form2(), 2);
    QTest::mouseClick(run.form1().Command2, Qt::LeftButton);
    QCOMPARE(run.Title(), run.AppTitle());
    QCOMPARE(run.editor.app.History().StepCount(), std::size_t{1});
    run.form1().M_UNDO->trigger();
    QCOMPARE(run.Title(), run.AppTitle() + QLatin1Char('*'));
    run.form1().M_REDO->trigger();
    QCOMPARE(run.Title(), run.AppTitle());
    // Undoing back to the state as loaded clears it too, before any save.
    run.ModifyLeadership(3, QStringLiteral("92"));
    run.ModifyLeadership(3, QStringLiteral("93"));
    QCOMPARE(run.Title(), run.AppTitle() + QLatin1Char('*'));
    run.form1().M_UNDO->trigger();
    run.form1().M_UNDO->trigger();
    QCOMPARE(run.Title(), run.AppTitle());
}

enum class Leave { Close, Exit, Open };
Q_DECLARE_METATYPE(Leave)

void HistoryTest::leavingTheTableAsksAboutUnsavedChanges_data() {
    QTest::addColumn<Leave>("leave");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<KeepAnswer>("answer");
    const std::pair<const char*, Leave> ways[] = {{"close", Leave::Close}, {"exit", Leave::Exit}, {"open", Leave::Open}};
    for (const auto& [name, leave] : ways) {
        QTest::addRow("%s unchanged", name) << leave << false << KeepAnswer::Drop;
        QTest::addRow("%s save", name) << leave << true << KeepAnswer::Keep;
        QTest::addRow("%s don't save", name) << leave << true << KeepAnswer::Drop;
        QTest::addRow("%s cancel", name) << leave << true << KeepAnswer::Cancel;
    }
}

void HistoryTest::leavingTheTableAsksAboutUnsavedChanges() {
    QFETCH(Leave, leave);
    QFETCH(bool, changed);
    QFETCH(KeepAnswer, answer);
    Run run;
    const auto fileBefore = ReadBytes(run.File());
    std::vector<int> exits;
    run.form1().exitProgram = [&](int status) { exits.push_back(status); };
    if (changed) run.ModifyLeadership(2, QStringLiteral("77"));
    run.editor.messages.keepAnswers = {answer};

    bool closed = false;
    if (leave == Leave::Close) closed = run.form1().close();
    if (leave == Leave::Exit) run.form1().M_EXIT->trigger();
    if (leave == Leave::Open) QTest::mouseClick(run.form1().Command1, Qt::LeftButton);

    const bool goesOn = !changed || answer != KeepAnswer::Cancel;
    QCOMPARE(run.editor.messages.asked.size(), std::size_t{changed});
    if (changed) {
        QVERIFY(run.editor.messages.asked[0].body.text == TextId::kUnsavedQuestion);
        QVERIFY(run.editor.messages.keepButtons[0] == std::make_pair(TextId::kButtonSave, TextId::kButtonDontSave));
    }
    // Saved only on 保存, and then with the change.
    const auto fileAfter = ReadBytes(run.File());
    QCOMPARE(fileAfter != fileBefore, changed && answer == KeepAnswer::Keep);
    if (fileAfter != fileBefore) QCOMPARE(ParseOfficerFile(fileAfter)->Officers[2].Record.Leadership, 77);

    if (leave == Leave::Close) {
        QCOMPARE(closed, goesOn);
        QCOMPARE(run.form2().isVisible(), !goesOn);
    }
    if (leave == Leave::Exit) QVERIFY(exits == (goesOn ? std::vector<int>{0} : std::vector<int>{}));
    if (leave == Leave::Open) {
        // Reading the file again starts a new history; 取消 keeps the change and its step.
        QCOMPARE(run.session().Officers[2].Record.Leadership == 77, changed && answer != KeepAnswer::Drop);
        QCOMPARE(run.form1().M_UNDO->isEnabled(), !goesOn);
    }
    QCOMPARE(run.Title().endsWith(QLatin1Char('*')), !goesOn || (changed && answer == KeepAnswer::Drop && leave != Leave::Open));
}

void HistoryTest::switchingOfficersAsksAboutUncommittedEdits_data() {
    QTest::addColumn<KeepAnswer>("answer");
    QTest::newRow("commit") << KeepAnswer::Keep;
    QTest::newRow("don't commit") << KeepAnswer::Drop;
    QTest::newRow("cancel") << KeepAnswer::Cancel;
}

void HistoryTest::switchingOfficersAsksAboutUncommittedEdits() {
    QFETCH(KeepAnswer, answer);
    Run run;
    Session& s = run.session();
    const std::int32_t stored = s.Officers[2].Record.Leadership;
    // Looking at officers asks nothing.
    ClickRow(run.form2(), 2);
    ClickRow(run.form2(), 3);
    ClickRow(run.form2(), 2);
    QVERIFY(run.editor.messages.asked.empty());

    run.form1().txLTY->setText(QStringLiteral("66"));
    run.editor.messages.keepAnswers = {answer};
    ClickRow(run.form2(), 3);
    QCOMPARE(run.editor.messages.asked.size(), std::size_t{1});
    QVERIFY(run.editor.messages.asked[0].body.text == TextId::kUncommittedQuestion);
    QVERIFY(run.editor.messages.keepButtons[0] == std::make_pair(TextId::kButtonCommit, TextId::kButtonDontCommit));
    QCOMPARE(s.Officers[2].Record.Leadership, answer == KeepAnswer::Keep ? 66 : stored);
    if (answer == KeepAnswer::Cancel) {
        // Still on officer 2, the typed value still in its box.
        QCOMPARE(s.CurrentSlot, 2);
        QCOMPARE(run.form2().msFlg->currentRow(), 1);
        QCOMPARE(run.form1().txLTY->text(), QStringLiteral("66"));
    } else {
        QCOMPARE(s.CurrentSlot, 3);
        QCOMPARE(run.form1().txLTY->text(), QString::number(s.Officers[3].Record.Leadership));
    }
    // A face tried in the picker and not stored counts as an edit too.
    if (answer != KeepAnswer::Cancel) {
        PortraitPickerWindow& picker = run.editor.app.Form3();
        picker.show();
        QTest::mouseClick(picker.PICC4[1], Qt::LeftButton, {}, QPoint(4, 4));
        ClickRow(run.form2(), 1);
        QCOMPARE(run.editor.messages.asked.size(), std::size_t{2});
    }
}

void HistoryTest::undoWithUncommittedEditsAsksFirst() {
    Run run;
    run.ModifyLeadership(2, QStringLiteral("55"));
    run.form1().txLWG->setText(QStringLiteral("44"));
    run.editor.messages.answers = {false};
    run.form1().M_UNDO->trigger();
    QCOMPARE(run.editor.messages.asked.size(), std::size_t{1});
    QVERIFY(run.editor.messages.asked[0].body.text == TextId::kStepDropsEditsQuestion);
    QCOMPARE(run.session().Officers[2].Record.Leadership, 55);
    QCOMPARE(run.form1().txLWG->text(), QStringLiteral("44"));
    run.editor.messages.answers = {true};
    run.form1().M_UNDO->trigger();
    QCOMPARE(run.session().Officers[2].Record.Leadership, run.Cell(2, 3).trimmed().toInt());
    QVERIFY(run.session().Officers[2].Record.Leadership != 55);
    QCOMPARE(run.form1().txLWG->text(), QString::number(run.session().Officers[2].Record.Valour));
}

QTEST_MAIN(HistoryTest)
#include "history_test.moc"
