// 系统 → 恢复备份… through the real windows: the backups that the editor's own saves made, listed with
// their officers and what changed since; a restore asked for, made through the save, and undone by
// restoring the newer backup; the setting for the dated backups kept.

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include <vector>

#include "core/data/backups.h"
#include "gui/shell/restore_backup_dialog.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

class RestoreTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void listsTheBackupsOfTheEditorsSaves();
    void restoreAsksThenRestoresAndCanBeUndone();
    void unsavedChangesAreAskedAboutBeforeTheBackupsAreListed();
    void unreadableBackupIsListedButNotRestored();
    void aFileThatDoesNotLoadCanBeRestored();
    void theNumberKeptIsASettingTheSavesUse();

private:
    TempFolder config_;
};

namespace {

std::filesystem::path FileOf(Editor& editor) { return editor.app.State().OfficerFilePath; }

QString Cell(RestoreBackupDialog* dialog, int row, int column) {
    const QTableWidgetItem* item = dialog->backupList->item(row, column);
    return item ? item->text() : QStringLiteral("<none>");
}

QStringList Lines(const QListWidget* list) {
    QStringList lines;
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
}

RestoreBackupDialog* OpenFromTheMenu(Editor& editor) {
    editor.app.Form1().M_RESTORE->trigger();
    RestoreBackupDialog* dialog = editor.app.RestoreDialog();
    if (dialog && !dialog->isVisible()) return nullptr;
    return dialog;
}

// Three saves through the windows, each changing something: the file as it was before each.
struct ThreeSaves {
    std::vector<std::uint8_t> original;  // the fixture's file
    std::vector<std::uint8_t> resaved;   // saved unchanged: signatures, ids and header words as saving writes them
    std::vector<std::uint8_t> edited;    // slot 2's leadership changed
    std::int32_t leadershipBefore = 0;
};

ThreeSaves SaveThreeTimes(Editor& editor) {
    ThreeSaves saves;
    EditorWindow& form1 = editor.app.Form1();
    OfficerListWindow& list = editor.app.Form2();
    const auto path = FileOf(editor);
    saves.original = ReadBytes(path);
    saves.leadershipBefore = editor.app.State().Officers[2].Record.Leadership;
    QTest::mouseClick(list.Command1, Qt::LeftButton);
    saves.resaved = ReadBytes(path);
    ClickRow(list, 2);
    form1.txLTY->setText(QStringLiteral("90"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QTest::mouseClick(list.Command1, Qt::LeftButton);
    saves.edited = ReadBytes(path);
    form1.txX->setText(QStringLiteral("真田"));
    form1.txM->setText(QStringLiteral("幸村"));
    QTest::mouseClick(form1.Command3, Qt::LeftButton);
    QTest::mouseClick(list.Command1, Qt::LeftButton);
    return saves;
}

}  // namespace

void RestoreTest::initTestCase() {
    // The setting goes to a settings file of the test's own.
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config_.Path().string()));
}

void RestoreTest::listsTheBackupsOfTheEditorsSaves() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    const ThreeSaves saves = SaveThreeTimes(editor);
    QCOMPARE(editor.app.State().EndSlot, 5);

    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("恢复备份"));
    QCOMPARE(editor.app.Form1().M_RESTORE->text(), QStringLiteral("恢复备份…"));
    QVERIFY(!dialog->noneLabel->isVisible());
    QCOMPARE(dialog->backupList->rowCount(), 3);
    QCOMPARE(Cell(dialog, 0, 0), QStringLiteral("EDATA000.12Q.BAK（最新）"));
    QVERIFY(QRegularExpression(QStringLiteral("^EDATA000\\.12Q\\.\\d{8}-\\d{6}(-\\d+)?\\.BAK$")).match(Cell(dialog, 1, 0)).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$")).match(Cell(dialog, 1, 1)).hasMatch());
    // Latest first: the edited file, the resaved one, the fixture's own.
    FileAccess files;
    Clock clock;
    const auto backups = ListBackups(FileOf(editor), files, clock);
    QCOMPARE(backups.size(), std::size_t{3});
    QCOMPARE(ReadBytes(backups[0].path), saves.edited);
    QCOMPARE(ReadBytes(backups[1].path), saves.resaved);
    QCOMPARE(ReadBytes(backups[2].path), saves.original);
    for (int row = 0; row < 3; ++row) QCOMPARE(Cell(dialog, row, 2), QStringLiteral("3"));
    QCOMPARE(Cell(dialog, 0, 3), QStringLiteral("新增 1 名，删除 0 名，修改 0 名"));
    QCOMPARE(Cell(dialog, 1, 3), QStringLiteral("新增 1 名，删除 0 名，修改 1 名"));
    // The fixture's officers carry signatures and ids that saving rewrites: all three changed.
    QCOMPARE(Cell(dialog, 2, 3), QStringLiteral("新增 1 名，删除 0 名，修改 3 名"));

    // The newest backup is chosen at first; its changes are listed below.
    QCOMPARE(dialog->backupList->currentRow(), 0);
    QCOMPARE(Lines(dialog->changeList), QStringList{QStringLiteral("第 4 号 真田幸村：新增")});
    QVERIFY(dialog->restoreButton->isEnabled());
    dialog->backupList->selectRow(1);
    QCOMPARE(Lines(dialog->changeList),
             (QStringList{QStringLiteral("第 2 号 武田信玄：Leadership  %1 → 90").arg(saves.leadershipBefore),
                          QStringLiteral("第 4 号 真田幸村：新增")}));
}

void RestoreTest::restoreAsksThenRestoresAndCanBeUndone() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    const ThreeSaves saves = SaveThreeTimes(editor);
    const auto path = FileOf(editor);
    const auto current = ReadBytes(path);
    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);

    // No: nothing changes.
    dialog->backupList->selectRow(2);
    editor.messages.answers = {false};
    editor.messages.shown.clear();
    QTest::mouseClick(dialog->restoreButton, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{1});
    QCOMPARE(editor.messages.asked[0].title, TextId::kTitleRestoreBackup);
    QVERIFY(platform::MessageText(editor.messages.asked[0]).contains(Cell(dialog, 2, 0) + QStringLiteral("  ") + Cell(dialog, 2, 1)));
    QCOMPARE(ReadBytes(path), current);
    QCOMPARE(dialog->backupList->rowCount(), 3);
    QVERIFY(editor.messages.shown.empty());

    // Yes: the fixture's file again, byte for byte, in the table, the list and the editor.
    editor.messages.answers = {true};
    QTest::mouseClick(dialog->restoreButton, Qt::LeftButton);
    QCOMPARE(ReadBytes(path), saves.original);
    QCOMPARE(ReadBytes(BackupPathFor(path)), current);
    QCOMPARE(editor.app.State().EndSlot, 4);
    QCOMPARE(editor.app.State().Officers[2].Record.Leadership, saves.leadershipBefore);
    QCOMPARE(editor.app.Form2().msFlg->item(1, 2)->text(), QStringLiteral("武田信玄"));
    QVERIFY(!editor.app.Form2().msFlg->item(3, 2) || editor.app.Form2().msFlg->item(3, 2)->text().isEmpty());
    QCOMPARE(editor.app.Form1().txLTY->text(), QString::number(editor.app.State().Officers[1].Record.Leadership));
    // Told as every save tells it: the backup made, then "OVer".
    QCOMPARE(editor.messages.shown.size(), std::size_t{2});
    QVERIFY(platform::MessageText(editor.messages.shown[0]).startsWith(QStringLiteral("已经备份原有武将库为：")));
    QCOMPARE(platform::MessageText(editor.messages.shown[1]), QStringLiteral("OVer"));
    // The list read again: the file before the restore is the newest backup, and nothing changed since the fixture's.
    QCOMPARE(dialog->backupList->rowCount(), 4);
    QCOMPARE(Cell(dialog, 0, 3), QStringLiteral("新增 0 名，删除 1 名，修改 3 名"));
    QCOMPARE(Cell(dialog, 3, 3), QStringLiteral("与当前存档相同"));
    dialog->backupList->selectRow(3);
    QCOMPARE(Lines(dialog->changeList), QStringList{QStringLiteral("与当前存档相同")});

    // Restoring the newest backup undoes the restore.
    dialog->backupList->selectRow(0);
    editor.messages.answers = {true};
    QTest::mouseClick(dialog->restoreButton, Qt::LeftButton);
    QCOMPARE(ReadBytes(path), current);
    QCOMPARE(editor.app.State().EndSlot, 5);
    QCOMPARE(editor.app.Form2().msFlg->item(3, 2)->text(), QStringLiteral("真田幸村"));

    QTest::mouseClick(dialog->closeButton, Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

// A restore replaces the table: with unsaved changes the dialog opens only after 保存 or 不保存, a save
// made there is listed as the newest backup, and after the restore nothing is left to undo.
void RestoreTest::unsavedChangesAreAskedAboutBeforeTheBackupsAreListed() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    const auto path = FileOf(editor);
    const auto original = ReadBytes(path);
    ClickRow(editor.app.Form2(), 2);
    form1.txLTY->setText(QStringLiteral("91"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QVERIFY(editor.app.History().IsModified());

    // 取消: no dialog, the change still there and unsaved.
    editor.messages.keepAnswers = {platform::KeepAnswer::Cancel};
    form1.M_RESTORE->trigger();
    QCOMPARE(editor.messages.keepButtons.size(), std::size_t{1});
    QVERIFY(!editor.app.RestoreDialog() || !editor.app.RestoreDialog()->isVisible());
    QVERIFY(editor.app.History().IsModified());
    QCOMPARE(ReadBytes(path), original);

    // 保存: saved first, so the file as it was is the newest backup the dialog lists.
    editor.messages.keepAnswers = {platform::KeepAnswer::Keep};
    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QVERIFY(!editor.app.History().IsModified());
    QCOMPARE(ReadBytes(BackupPathFor(path)), original);
    QCOMPARE(editor.app.State().Officers[2].Record.Leadership, 91);
    QCOMPARE(dialog->backupList->rowCount(), 1);

    // The restore reads the table afresh: nothing of the edits before it is left to undo.
    QVERIFY(editor.app.History().CanUndo());
    dialog->backupList->selectRow(0);
    editor.messages.answers = {true};
    QTest::mouseClick(dialog->restoreButton, Qt::LeftButton);
    QCOMPARE(ReadBytes(path), original);
    QVERIFY(!editor.app.History().CanUndo());
    QVERIFY(!editor.app.History().IsModified());
    QVERIFY(!form1.windowTitle().endsWith(QLatin1Char('*')));
    dialog->close();
}

void RestoreTest::unreadableBackupIsListedButNotRestored() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QCOMPARE(dialog->backupList->rowCount(), 0);
    QVERIFY(dialog->noneLabel->isVisible());
    QVERIFY(!dialog->restoreButton->isEnabled());
    dialog->close();

    const auto path = FileOf(editor);
    const auto broken = DatedBackupPath(path, {2025, 1, 2, 3, 4, 5}, 1);
    WriteBytes(broken, std::vector<std::uint8_t>(30, 0x01));
    dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QVERIFY(!dialog->noneLabel->isVisible());
    QCOMPARE(dialog->backupList->rowCount(), 1);
    QCOMPARE(Cell(dialog, 0, 0), QStringLiteral("EDATA000.12Q.20250102-030405.BAK"));
    QCOMPARE(Cell(dialog, 0, 1), QStringLiteral("2025-01-02 03:04:05"));
    QVERIFY(Cell(dialog, 0, 3).startsWith(QStringLiteral("无法读取：")));
    QCOMPARE(Lines(dialog->changeList), QStringList{Cell(dialog, 0, 3)});
    QVERIFY(!dialog->restoreButton->isEnabled());
}

void RestoreTest::aFileThatDoesNotLoadCanBeRestored() {
    Fixture fixture;
    const auto path = OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents());
    const auto good = ReadBytes(path);
    const auto backup = DatedBackupPath(path, {2026, 1, 2, 3, 4, 5}, 1);
    WriteBytes(backup, good);
    auto broken = good;
    broken.resize(kFileHeaderSize + 100);
    WriteBytes(path, broken);
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QVERIFY(!editor.app.State().FileLoaded);
    QCOMPARE(editor.messages.shown.back().body.text, TextId::kTextLoadFailed);

    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QCOMPARE(dialog->backupList->rowCount(), 1);
    QCOMPARE(Cell(dialog, 0, 2), QStringLiteral("3"));
    QCOMPARE(Cell(dialog, 0, 3), QStringLiteral("无法读取当前存档，不能比较"));
    QVERIFY(dialog->restoreButton->isEnabled());
    editor.messages.answers = {true};
    QTest::mouseClick(dialog->restoreButton, Qt::LeftButton);
    QVERIFY(editor.app.State().FileLoaded);
    QCOMPARE(ReadBytes(path), good);
    QCOMPARE(ReadBytes(BackupPathFor(path)), broken);
    QCOMPARE(editor.app.State().EndSlot, 4);
    QCOMPARE(editor.app.Form2().msFlg->item(0, 2)->text(), QStringLiteral("织田信长"));
}

void RestoreTest::theNumberKeptIsASettingTheSavesUse() {
    Fixture fixture;
    {
        Editor editor;
        QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
        QCOMPARE(editor.app.State().DatedBackupsKept, kDefaultDatedBackupsKept);
        RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
        QVERIFY(dialog);
        QCOMPARE(dialog->keepBox->value(), kDefaultDatedBackupsKept);
        dialog->keepBox->setValue(1);
        QCOMPARE(editor.app.State().DatedBackupsKept, 1);
    }
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QCOMPARE(editor.app.State().DatedBackupsKept, 1);
    for (int save = 0; save < 4; ++save) QTest::mouseClick(editor.app.Form2().Command1, Qt::LeftButton);
    FileAccess files;
    Clock clock;
    QCOMPARE(ListBackups(FileOf(editor), files, clock).size(), std::size_t{2});  // the newest and one dated
    RestoreBackupDialog* dialog = OpenFromTheMenu(editor);
    QVERIFY(dialog);
    QCOMPARE(dialog->keepBox->value(), 1);
    QCOMPARE(dialog->backupList->rowCount(), 2);
    dialog->keepBox->setValue(kDefaultDatedBackupsKept);
}

QTEST_MAIN(RestoreTest)
#include "restore_test.moc"
