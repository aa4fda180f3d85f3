// The game and documents folders: the one dialog at a first start without the game, its folder
// choosers, the Wine prefixes it offers, what it remembers, and the 系统 menu entry that opens it later.

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QSettings>
#include <QTimer>
#include <QtTest>

#include <fstream>
#include <functional>

#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/game_location_dialog.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

QString Text(const std::filesystem::path& path) { return QString::fromStdU16String(path.u16string()); }

// A home of its own for one test: no Wine prefix, no documents folder, no settings of the user's.
class Home {
public:
    explicit Home(const std::filesystem::path& home)
        : savedHome_(qgetenv("HOME")), savedConfig_(qgetenv("XDG_CONFIG_HOME")), savedPrefix_(qgetenv("WINEPREFIX")) {
        std::filesystem::create_directories(home);
        qputenv("HOME", QByteArray::fromStdString(home.string()));
        qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((home / ".config").string()));
        qunsetenv("WINEPREFIX");
    }
    ~Home() {
        qputenv("HOME", savedHome_);
        qputenv("XDG_CONFIG_HOME", savedConfig_);
        if (!savedPrefix_.isEmpty()) qputenv("WINEPREFIX", savedPrefix_);
    }

private:
    QByteArray savedHome_, savedConfig_, savedPrefix_;
};

// Options that name no folder: the game and the officer file are looked for, and not found.
StartupOptions Unguided(const Fixture& fixture, std::uint8_t edition) {
    StartupOptions options = fixture.Options(edition);
    options.gameFolder.clear();
    options.documentsFolder.clear();
    return options;
}

// Runs `answer` on the modal dialog of type T once it is up, from inside its event loop.
template <class T>
void WhenShown(std::function<void(T*)> answer) {
    QTimer::singleShot(0, [answer] {
        T* dialog = nullptr;
        QTRY_VERIFY((dialog = qobject_cast<T*>(QApplication::activeModalWidget())) != nullptr);
        answer(dialog);
    });
}

}  // namespace

class FoldersTest : public QObject {
    Q_OBJECT
private slots:
    void firstStartAsksOnceAndTheChoiceIsRemembered();
    void skippingGoesOnQuietlyAndTheMenuAsksAgain();
    void winePrefixesAreOffered();
    void commandLineOverridesTheRememberedFolders();
    void unsavedChangesAreAskedAboutBeforeTheFoldersChange();
};

void FoldersTest::firstStartAsksOnceAndTheChoiceIsRemembered() {
    Fixture fixture;
    Home home(fixture.folder.Path() / "home");
    bool asked = false;
    {
        Editor editor;
        editor.app.askFolders = {};  // the real dialog
        WhenShown<GameLocationDialog>([&](GameLocationDialog* dialog) {
            asked = true;
            // It says what is missing where start-up looked: the game's archives in the program folder,
            // the officer file's folder in the documents folder.
            QVERIFY(dialog->lbMissing->isVisible());
            QCOMPARE(QDir::cleanPath(dialog->txGame->text()), QDir::cleanPath(QStringLiteral(BUSHO_BIN_DIR)));
            const QString game = dialog->lbGameCheck->text();
            QVERIFY2(game.startsWith(QStringLiteral("×")) && game.contains(QStringLiteral("Grp\\KAO_m.n12")) &&
                         game.contains(QStringLiteral("Grp\\EDIT_KAO_s.n12")),
                     qPrintable(game));
            const QString documents = dialog->lbDocumentsCheck->text();
            QVERIFY2(documents.startsWith(QStringLiteral("×")) && documents.contains(QStringLiteral("Nobunaga12 TC")), qPrintable(documents));
            QVERIFY(!dialog->cmdOk->isEnabled());
            // The game folder through the folder chooser.
            WhenShown<QFileDialog>([&](QFileDialog* chooser) {
                // As a user would: go to the folder, then press the chooser's own button.
                chooser->setDirectory(Text(fixture.Game()));
                QMetaObject::invokeMethod(chooser, "accept");
            });
            QTest::mouseClick(dialog->cmdGame, Qt::LeftButton);
            QCOMPARE(QDir::cleanPath(dialog->txGame->text()), Text(fixture.Game()));
            QVERIFY2(dialog->lbGameCheck->text().startsWith(QStringLiteral("√")), qPrintable(dialog->lbGameCheck->text()));
            QVERIFY(!dialog->cmdOk->isEnabled());  // the documents are still missing
            // A folder without the officer file's folder is refused, the right one taken.
            dialog->txDocuments->setText(Text(fixture.Game()));
            QVERIFY(!dialog->cmdOk->isEnabled());
            QVERIFY(dialog->lbDocumentsCheck->text().startsWith(QStringLiteral("×")));
            dialog->txDocuments->setText(Text(fixture.Documents()));
            QVERIFY2(dialog->lbDocumentsCheck->text().startsWith(QStringLiteral("√")), qPrintable(dialog->lbDocumentsCheck->text()));
            QVERIFY(dialog->cmdOk->isEnabled());
            QTest::mouseClick(dialog->cmdOk, Qt::LeftButton);
        });
        QVERIFY(editor.app.Start(Unguided(fixture, kEditionTraditionalChinese)));
        QVERIFY(asked);
        // It goes on with the choice: the officers, the faces, no message box.
        Session& s = editor.app.State();
        QCOMPARE(s.GameFolder, fixture.Game() / "");
        QCOMPARE(s.OfficerFilePath, OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents()));
        QCOMPARE(s.EndSlot, 4);
        QCOMPARE(editor.app.Form1().Picture1->pixmap().size(), QSize(12, 15));
        QVERIFY(editor.app.Form3().StandardMedium().IsOpen());
        QVERIFY(editor.messages.shown.empty());
    }
    QSettings stored(Text(fixture.folder.Path() / "settings.ini"), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("tc/GameFolder")).toString(), Text(fixture.Game()));
    QCOMPARE(stored.value(QStringLiteral("DocumentsFolder")).toString(), Text(fixture.Documents()));
    // The next start finds both from the settings and asks nothing.
    Editor again;
    QVERIFY(again.app.Start(Unguided(fixture, kEditionTraditionalChinese)));
    QVERIFY(again.foldersAsked.empty());
    QCOMPARE(again.app.State().EndSlot, 4);
    QVERIFY(again.messages.shown.empty());
}

void FoldersTest::skippingGoesOnQuietlyAndTheMenuAsksAgain() {
    Fixture fixture;
    Home home(fixture.folder.Path() / "home");
    Editor editor;
    editor.app.askFolders = {};
    WhenShown<GameLocationDialog>([](GameLocationDialog* dialog) {
        QCOMPARE(dialog->cmdSkip->text(), QStringLiteral("跳过"));
        QTest::mouseClick(dialog->cmdSkip, Qt::LeftButton);
    });
    QVERIFY(editor.app.Start(Unguided(fixture, kEditionJapanese)));
    // Not one box for the archives and the officer file the dialog named; the editor is there.
    QCOMPARE(editor.messages.shown.size(), std::size_t{0});
    QVERIFY(!editor.app.State().FileLoaded);
    QVERIFY(editor.app.Form1().isVisible());
    // Showing the picker from the menu draws nothing and tells nothing either.
    editor.app.Form1().M_PICKER->trigger();
    QVERIFY(editor.app.Form3().isVisible());
    QVERIFY(editor.messages.shown.empty());

    // 系统 → 游戏与存档文件夹…: the same dialog, without the start-up's list of what was missing.
    bool asked = false;
    WhenShown<GameLocationDialog>([&](GameLocationDialog* dialog) {
        asked = true;
        QVERIFY(!dialog->lbMissing->isVisible());
        QCOMPARE(dialog->cmdSkip->text(), QStringLiteral("取消"));
        dialog->txGame->setText(Text(fixture.Game()));
        dialog->txDocuments->setText(Text(fixture.Documents()));
        QVERIFY(dialog->cmdOk->isEnabled());
        QTest::mouseClick(dialog->cmdOk, Qt::LeftButton);
    });
    editor.app.Form1().M_FOLDERS->trigger();
    QVERIFY(asked);
    QVERIFY(editor.app.State().FileLoaded);
    QCOMPARE(editor.app.State().EndSlot, 4);
    QCOMPARE(editor.app.Form2().msFlg->item(0, 2)->text(), QStringLiteral("織田信長"));
    QVERIFY(editor.app.Form2().isVisible());
    // The picker's pages from the game now chosen.
    QCOMPARE(ShownFace(editor.app.Form3().PICC4[1]), (std::array<int, 3>{0, 2, 1}));
    QVERIFY(editor.messages.shown.empty());
    // Skipping the menu's dialog changes nothing.
    WhenShown<GameLocationDialog>([](GameLocationDialog* dialog) {
        dialog->txGame->setText(QStringLiteral("/nowhere"));
        QTest::mouseClick(dialog->cmdSkip, Qt::LeftButton);
    });
    editor.app.Form1().M_FOLDERS->trigger();
    QCOMPARE(editor.app.State().GameFolder, fixture.Game() / "");
}

void FoldersTest::winePrefixesAreOffered() {
    Fixture fixture;
    const auto homeFolder = fixture.folder.Path() / "home";
    Home home(homeFolder);
    // The game in a usual folder of ~/.wine, without an install key; the officer file in the prefix's Documents.
    const auto prefix = homeFolder / ".wine";
    const auto game = prefix / "drive_c" / "KOEI" / "Nobunaga12 TC";
    std::filesystem::create_directories(game.parent_path());
    std::filesystem::rename(fixture.Game(), game);
    std::filesystem::create_directories(prefix / "drive_c" / "users" / "me");
    std::filesystem::rename(fixture.Documents(), prefix / "drive_c" / "users" / "me" / "Documents");
    Editor editor;
    editor.app.askFolders = {};
    bool asked = false;
    WhenShown<GameLocationDialog>([&](GameLocationDialog* dialog) {
        asked = true;
        QVERIFY(dialog->cWine->isVisible());
        QCOMPARE(dialog->cWine->count(), 2);
        QCOMPARE(QDir::cleanPath(dialog->cWine->itemText(1)), Text(prefix));
        dialog->cWine->setCurrentIndex(1);
        emit dialog->cWine->activated(1);
        QCOMPARE(QDir::cleanPath(dialog->txGame->text()), Text(game));
        QCOMPARE(QDir::cleanPath(dialog->txDocuments->text()), Text(prefix / "drive_c" / "users" / "me" / "Documents"));
        QVERIFY(dialog->cmdOk->isEnabled());
        QTest::mouseClick(dialog->cmdOk, Qt::LeftButton);
    });
    QVERIFY(editor.app.Start(Unguided(fixture, kEditionTraditionalChinese)));
    QVERIFY(asked);
    QCOMPARE(editor.app.State().GameFolder, game / "");
    QCOMPARE(editor.app.State().EndSlot, 4);
    QVERIFY(editor.messages.shown.empty());
}

void FoldersTest::commandLineOverridesTheRememberedFolders() {
    Fixture fixture;
    Home home(fixture.folder.Path() / "home");
    const auto elsewhere = fixture.folder.Path() / "elsewhere";
    std::filesystem::create_directories(elsewhere);
    {
        QSettings stored(Text(fixture.folder.Path() / "settings.ini"), QSettings::IniFormat);
        stored.setValue(QStringLiteral("jp/GameFolder"), Text(elsewhere));
        stored.setValue(QStringLiteral("DocumentsFolder"), Text(elsewhere));
    }
    // Both folders on the command line: used as given, nothing asked.
    Editor given;
    QVERIFY(given.app.Start(fixture.Options(kEditionJapanese)));
    QVERIFY(given.foldersAsked.empty());
    QCOMPARE(given.app.State().GameFolder, fixture.Game() / "");
    QCOMPARE(given.app.State().EndSlot, 4);
    // Only the game on the command line: the remembered documents folder lacks the officer file's
    // folder, so the folders are asked for, telling only that.
    Editor half;
    StartupOptions options = fixture.Options(kEditionJapanese);
    options.documentsFolder.clear();
    QVERIFY(half.app.Start(options));
    QCOMPARE(half.foldersAsked.size(), std::size_t{1});
    QVERIFY(half.foldersAsked[0].missingArchives && half.foldersAsked[0].missingArchives->empty());
    QVERIFY(!half.foldersAsked[0].officerFolderFound);
    QCOMPARE(half.app.State().GameFolder, fixture.Game() / "");
    QCOMPARE(half.app.State().DocumentsFolder, elsewhere);
}

QTEST_MAIN(FoldersTest)
#include "folders_test.moc"

// Other folders hold another table: with unsaved changes 取消 keeps everything and asks for no folders,
// 不保存 lets the folders be chosen, and the table then read has no history and no asterisk.
void FoldersTest::unsavedChangesAreAskedAboutBeforeTheFoldersChange() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    ClickRow(editor.app.Form2(), 2);
    form1.txLTY->setText(QStringLiteral("93"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QVERIFY(editor.app.History().IsModified());
    int asked = 0;
    editor.app.askFolders = [&](const GameLocationCheck*, const QString&, const QString&) -> std::optional<FolderChoice> {
        ++asked;
        return FolderChoice{Text(fixture.Game()), Text(fixture.Documents())};
    };

    editor.messages.keepAnswers = {platform::KeepAnswer::Cancel};
    form1.M_FOLDERS->trigger();
    QCOMPARE(asked, 0);
    QCOMPARE(editor.messages.keepButtons.size(), std::size_t{1});
    QCOMPARE(editor.app.State().Officers[2].Record.Leadership, 93);
    QVERIFY(editor.app.History().IsModified());

    editor.messages.keepAnswers = {platform::KeepAnswer::Drop};
    form1.M_FOLDERS->trigger();
    QCOMPARE(asked, 1);
    QVERIFY(editor.app.State().Officers[2].Record.Leadership != 93);  // the file as it is on disk
    QVERIFY(!editor.app.History().CanUndo());
    QVERIFY(!form1.windowTitle().endsWith(QLatin1Char('*')));
}
