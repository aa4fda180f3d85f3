// The real windows under the offscreen platform: start-up, the officer list, the editor.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>


#include <fstream>
#include <memory>

#include "core/text/messages.h"
#include "gui/editor/editor_window.h"
#include "window_fixture.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/readme_window.h"
#include <QPlainTextEdit>
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/application.h"
#include "gui/shell/edition_chooser.h"
#include "gui/shell/normalise_folder.h"
#include "gui/shell/officer_list_window.h"

using namespace busho;

using namespace busho::testing;

class WindowsTest : public QObject {
    Q_OBJECT
private slots:
    void startupFillsRowsListsAndEditor_data();
    void startupFillsRowsListsAndEditor();
    void rowClickShowsTheOfficerFromTheBlankOfficer();
    void searchAsksToGoOnAndStopsOnNo();
    void listAndEditorAgree();
    void searchMatchesWholeCharactersInEitherForm();
    void scenarioAgesFollowTyping();
    void saveButtonBacksUpAndWrites();
    void missingArchivesAreReported();
    void missingCodeTableIsReportedByNameForItsEdition_data();
    void missingCodeTableIsReportedByNameForItsEdition();
    void traditionalInputBoxIsVisibleUnticked();
    void unticketTranslationStillShowsRegisteredRelations();
    void storedValuesBeyondAListStayShown();
    void closingTheChooserEndsStartup();
    void chooserSetsTheEdition();
    void closingTheEditorClosesTheOtherWindows();
    void findsTheGameInAWinePrefixWithoutOptions();
    void readmeShowsInTheProgramWithoutADesktopViewer();
    void missingReadmeIsReported();
    void startsDespiteABrokenWineRegistry();
    void normaliseFolder_data();
    void normaliseFolder();
};

void WindowsTest::startupFillsRowsListsAndEditor_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("titleEnd");
    QTest::addColumn<QString>("reading");
    QTest::newRow("tc") << 0 << QStringList{QStringLiteral("织田信长"), QStringLiteral("武田信玄"), QStringLiteral("上杉谦信")}
                        << QStringLiteral("   中文版修改") << QString();
    QTest::newRow("jp") << 1 << QStringList{QStringLiteral("織田信長"), QStringLiteral("武田信玄"), QStringLiteral("上杉謙信")}
                        << QStringLiteral("   日文版修改") << QStringLiteral("おだ");
}

void WindowsTest::startupFillsRowsListsAndEditor() {
    QFETCH(int, edition);
    QFETCH(QStringList, names);
    QFETCH(QString, titleEnd);
    QFETCH(QString, reading);
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(static_cast<std::uint8_t>(edition))));
    Session& s = editor.app.State();
    QVERIFY(s.FileLoaded);
    QCOMPARE(s.EndSlot, 4);
    QCOMPARE(s.CurrentSlot, 1);
    QVERIFY(editor.messages.shown.empty());

    OfficerListWindow& list = editor.app.Form2();
    QCOMPARE(list.windowTitle(), QStringLiteral("武将一览表"));
    QCOMPARE(list.msFlg->horizontalHeaderItem(2)->text(), QStringLiteral("姓名"));
    QCOMPARE(list.msFlg->horizontalHeaderItem(8)->text(), QStringLiteral("ＣＧ"));
    for (int slot = 1; slot <= 3; ++slot) {
        QCOMPARE(list.msFlg->item(slot - 1, 2)->text(), names[slot - 1]);
        QCOMPARE(editor.app.Names().Item(1630 + slot), names[slot - 1]);
    }
    QCOMPARE(list.msFlg->item(0, 1)->text(), QStringLiteral("出场"));
    QCOMPARE(list.msFlg->item(0, 1)->background().color(), QColor(0, 230, 0));
    QCOMPARE(list.msFlg->item(1, 1)->text(), QStringLiteral("退场"));
    QCOMPARE(list.msFlg->item(1, 1)->background().color(), QColor(255, 0, 0));
    QCOMPARE(list.msFlg->item(0, 8)->text(), QStringLiteral(" 2"));
    QVERIFY(list.msFlg->item(3, 2) == nullptr);
    QCOMPARE(editor.app.Names().Count(), 1634);

    EditorWindow& form1 = editor.app.Form1();
    QVERIFY(form1.windowTitle().endsWith(titleEnd));
    QVERIFY(form1.windowTitle().startsWith(QStringLiteral("革新QorvaneFOR [中日文PK通用版V1222]!")));
    QCOMPARE(Text(form1.txX) + Text(form1.txM), names[0]);
    QCOMPARE(Text(form1.txXP), reading);
    QCOMPARE(Text(form1.txCSN), QStringLiteral("1534"));
    QCOMPARE(form1.lbTl[0]->text(), QStringLiteral("1555年 尾张統一 21嵗"));
    QVERIFY(form1.SKill1[0]->isChecked() && form1.SKill1[6]->isChecked() && form1.SKill1[22]->isChecked());
    QCOMPARE(form1.Picture1->pixmap().size(), QSize(12, 15));
    QVERIFY(!form1.findChild<QLabel*>(QStringLiteral("Picture6")));  // faces are drawn without a scratch view
    QCOMPARE(s.CurrentPortrait, 2);
    QVERIFY(form1.SD[2]->isChecked());
    QCOMPARE(editor.voices.played.size(), std::size_t{1});
    const std::string played = editor.voices.played[0].string();
    QVERIFY2(played.find("snd/VOICE/SE_VOICE_CLEVER_") != std::string::npos, played.c_str());

    // The list to the right of the editor, the picker below the list.
    QCOMPARE(form1.pos(), QPoint(0, 0));
    QCOMPARE(list.frameGeometry().left(), form1.frameGeometry().right() + 1);
    QVERIFY(list.isVisible());
    QVERIFY(editor.app.Form3().isVisible());
    QCOMPARE(editor.app.Form3().frameGeometry().top(), form1.frameGeometry().top() + list.frameGeometry().height());
}

void WindowsTest::rowClickShowsTheOfficerFromTheBlankOfficer() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    ClickRow(editor.app.Form2(), 2);
    QCOMPARE(editor.app.State().CurrentSlot, 2);
    QCOMPARE(Text(form1.txX), QStringLiteral("武田"));
    QCOMPARE(Text(form1.txM), QStringLiteral("信玄"));
    // Slot 1's tactics are gone: the blank officer came first.
    QVERIFY(!form1.SKill1[0]->isChecked());
    QVERIFY(!form1.SKill1[22]->isChecked());
    QVERIFY(form1.SKill1[12]->isChecked());
    QCOMPARE(form1.cSF->currentIndex(), 11);
    QCOMPARE(form1.cCZ->currentIndex(), 1);
    QCOMPARE(form1.cXY->currentIndex(), 2);
    QCOMPARE(form1.cSS->currentText(), QStringLiteral("小田原城"));
    QCOMPARE(form1.cZT->currentText(), QStringLiteral("家臣"));
    QCOMPARE(form1.cCCDC->currentText(), QStringLiteral("退场"));
    QCOMPARE(form1.SkillList[3]->currentText(), QStringLiteral("Ｓ"));
    QCOMPARE(form1.cXXWJ->currentIndex(), 5);
    QCOMPARE(editor.app.State().CurrentPortrait, 1701);
    QCOMPARE(form1.Picture1->pixmap().size(), QSize(12, 15));  // edit face 1
    QCOMPARE(editor.app.Form2().windowTitle(), QStringLiteral("武将一览表"));

    // Slot 3's father is the registered officer of slot 2.
    ClickRow(editor.app.Form2(), 3);
    QCOMPARE(form1.cSF->currentIndex(), 1632);
    QCOMPARE(form1.cSF->currentText(), QStringLiteral("武田信玄"));
}

void WindowsTest::searchAsksToGoOnAndStopsOnNo() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    OfficerListWindow& list = editor.app.Form2();
    // "田信" spans the family and the given name; it matches slots 1 and 2.
    list.txSER->setText(QStringLiteral(" 田信 "));
    editor.messages.answers = {true, true};
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{2});
    QCOMPARE(platform::MessageText(editor.messages.asked[0]), QStringLiteral("继续吗??"));
    QCOMPARE(editor.messages.asked[0].title, std::optional<TextId>(TextId::kTitleNotice));
    QCOMPARE(list.msFlg->currentRow(), 1);

    editor.messages.asked.clear();
    editor.messages.answers = {false};
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{1});
    QCOMPARE(list.msFlg->currentRow(), 0);

    editor.messages.asked.clear();
    list.txSER->setText(QStringLiteral("   "));
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    list.txSER->setText(QStringLiteral("北条"));
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    QVERIFY(editor.messages.asked.empty());
}

void WindowsTest::listAndEditorAgree() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    OfficerListWindow& list = editor.app.Form2();
    ClickRow(list, 1);
    QCOMPARE(form1.txX->text(), QStringLiteral("织田"));
    // The keyboard moves the selection and the editor follows.
    QTest::keyClick(list.msFlg, Qt::Key_Down);
    QCOMPARE(list.msFlg->currentRow(), 1);
    QCOMPARE(editor.app.State().CurrentSlot, 2);
    QCOMPARE(form1.txX->text(), QStringLiteral("武田"));
    // A click on the current row shows it again, from the blank officer, once the user has said
    // not to commit what was typed.
    const OfficerSlot stored = editor.app.State().Officers[2];
    form1.txX->setText(QStringLiteral("改了"));
    editor.messages.keepAnswers = {platform::KeepAnswer::Drop};
    ClickRow(list, 2);
    QCOMPARE(editor.messages.asked.size(), std::size_t{1});
    QVERIFY(editor.messages.asked[0].body.text == TextId::kUncommittedQuestion);
    QCOMPARE(form1.txX->text(), QStringLiteral("武田"));
    QVERIFY(editor.app.State().Officers[2] == stored);

    // A search hit is shown in the editor.
    list.txSER->setText(QStringLiteral("上杉"));
    editor.messages.answers = {true};
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{2});
    QCOMPARE(editor.app.State().CurrentSlot, 3);
    QCOMPARE(form1.txX->text(), QStringLiteral("上杉"));
    // A search without a match says so.
    list.txSER->setText(QStringLiteral("北条"));
    QTest::mouseClick(list.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{2});
    QCOMPARE(platform::MessageText(editor.messages.shown.back()), QStringLiteral("没有找到这个名字的武将"));

    // After 添加 the new row is the current row, in view; a long name is whole in its tooltip.
    form1.txX->setText(QStringLiteral("长宗我"));
    form1.txM->setText(QStringLiteral("部元亲"));
    form1.txLQY->setText(QStringLiteral("80"));
    QTest::mouseClick(form1.Command3, Qt::LeftButton);
    QCOMPARE(editor.app.State().CurrentSlot, 4);
    QCOMPARE(list.msFlg->currentRow(), 3);
    QVERIFY(list.msFlg->viewport()->rect().intersects(list.msFlg->visualItemRect(list.msFlg->item(3, 2))));
    QCOMPARE(list.msFlg->item(3, 2)->toolTip(), QStringLiteral("长宗我部元亲"));
}

void WindowsTest::searchMatchesWholeCharactersInEitherForm() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    OfficerListWindow& list = editor.app.Form2();
    struct Case {
        QString typed;
        std::size_t hits;
    };
    const Case cases[] = {
        {QStringLiteral("織田"), 1},        // traditional, as the game stores it
        {QStringLiteral("织田"), 1},        // simplified, as the editor shows it
        {QStringLiteral("谦信"), 1},
        {QStringLiteral("  信  "), 3},     // blanks at the ends are trimmed
        {QStringLiteral("　信"), 0},  // a full-width space is part of what is sought
        {QStringLiteral("泄"), 0},
    };
    for (const Case& c : cases) {
        editor.messages.asked.clear();
        editor.messages.shown.clear();
        editor.messages.answers = {true, true, true};
        list.txSER->setText(c.typed);
        QTest::mouseClick(list.Command2, Qt::LeftButton);
        QCOMPARE(editor.messages.asked.size(), c.hits);
        QCOMPARE(editor.messages.shown.size(), std::size_t{c.hits == 0 ? 1u : 0u});
    }
}

void WindowsTest::scenarioAgesFollowTyping() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    form1.txCSN->clear();
    const std::pair<const char*, const char*> steps[] = {
        {"1", "1582年 梦幻の如く 1581嵗"}, {"5", "1582年 梦幻の如く 1567嵗"}, {"5", "1582年 梦幻の如く 1427嵗"}, {"0", "1582年 梦幻の如く 32嵗"}};
    for (const auto& [key, label] : steps) {
        QTest::keyClicks(form1.txCSN, QString::fromLatin1(key));
        QCOMPARE(form1.lbTl[3]->text(), QString::fromUtf8(label));
    }
    QCOMPARE(form1.lbTl[0]->text(), QStringLiteral("1555年 尾张統一 5嵗"));
}

void WindowsTest::saveButtonBacksUpAndWrites() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
    const auto path = OfficerFilePathFor(kEditionJapanese, fixture.Documents());
    const auto before = busho::testing::ReadBytes(path);
    QTest::mouseClick(editor.app.Form2().Command1, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), std::size_t{2});
    QCOMPARE(platform::MessageText(editor.messages.shown[0]),
             QStringLiteral("已经备份原有武将库为：") + QString::fromStdU16String(BackupPathFor(path).u16string()));
    QCOMPARE(platform::MessageText(editor.messages.shown[1]), QStringLiteral("OVer"));
    QCOMPARE(busho::testing::ReadBytes(BackupPathFor(path)), before);
    QCOMPARE(std::filesystem::file_size(path), std::uintmax_t{20 + 3 * 369 + 4 * 4 + 1000 * 369 - 3 * 369});
    // The saved file loads again with the same officers.
    Editor again;
    QVERIFY(again.app.Start(fixture.Options(kEditionJapanese)));
    QCOMPARE(again.app.State().EndSlot, 4);
    QCOMPARE(again.app.Form2().msFlg->item(2, 2)->text(), QStringLiteral("上杉謙信"));
}

void WindowsTest::missingArchivesAreReported() {
    Fixture fixture(false);
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QStringList texts;
    for (const auto& m : editor.messages.shown) texts << platform::MessageText(m);
    const QString head = QStringLiteral("打开CG文件错误!!请确认你是否是在革新游戏目录下运行!!\n");
    const auto game = QString::fromStdU16String(fixture.Game().u16string());
    QCOMPARE(texts.size(), 3);
    QVERIFY2(texts[0].startsWith(head + game + QStringLiteral("/Grp/KAO_m.n12")), qPrintable(texts[0]));
    QVERIFY2(texts[1].startsWith(head + game + QStringLiteral("/Grp/EDIT_KAO_m.n12")), qPrintable(texts[1]));
    QVERIFY2(texts[2].startsWith(head + game + QStringLiteral("/Grp/KAO_l.n12")), qPrintable(texts[2]));
    for (const auto& m : editor.messages.shown) {
        QVERIFY(!m.title);
        QCOMPARE(m.style, text_gbk::kStyleCritical);
    }
    QVERIFY(editor.app.State().FileLoaded);  // the officers load all the same
    // Drawing a medium face afterwards (取消 in the picker) finds no archive and says nothing more.
    editor.app.State().CurrentSlot = 1;
    const auto told = editor.messages.shown.size();
    QTest::mouseClick(editor.app.Form3().Command2, Qt::LeftButton);
    QTest::mouseClick(editor.app.Form3().Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), told);
}

void WindowsTest::missingCodeTableIsReportedByNameForItsEdition_data() {
    QTest::addColumn<QString>("missing");
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("reported");
    QTest::newRow("BIG5.DAT, tc") << "BIG5.DAT" << int{kEditionTraditionalChinese} << true;
    QTest::newRow("BIG5.DAT, jp") << "BIG5.DAT" << int{kEditionJapanese} << false;
    QTest::newRow("GB.DAT, tc") << "GB.DAT" << int{kEditionTraditionalChinese} << true;
    QTest::newRow("GBKN.dat, jp") << "GBKN.dat" << int{kEditionJapanese} << true;
    QTest::newRow("GBKN.dat, tc") << "GBKN.dat" << int{kEditionTraditionalChinese} << false;
    QTest::newRow("JISN.dat, jp") << "JISN.dat" << int{kEditionJapanese} << true;
    QTest::newRow("GBKFT.dat, jp") << "GBKFT.dat" << int{kEditionJapanese} << true;
}

void WindowsTest::missingCodeTableIsReportedByNameForItsEdition() {
    QFETCH(QString, missing);
    QFETCH(int, edition);
    QFETCH(bool, reported);
    Fixture fixture;
    const auto program = fixture.folder.Path() / "program";
    std::filesystem::create_directories(program);
    for (const auto& entry : std::filesystem::directory_iterator(BUSHO_BIN_DIR))
        if (entry.is_regular_file() && entry.path().extension() != "" && entry.path().filename() != missing.toStdString())
            std::filesystem::copy_file(entry.path(), program / entry.path().filename());
    Editor editor;
    StartupOptions options = fixture.Options(static_cast<std::uint8_t>(edition));
    options.programFolder = program;
    QVERIFY(editor.app.Start(options));
    QStringList tables;
    for (const auto& m : editor.messages.shown)
        if (m.title == TextId::kTitleTables) tables << platform::MessageText(m);
    QCOMPARE(tables.size(), reported ? 1 : 0);
    if (reported) QVERIFY2(tables[0].endsWith(QLatin1Char('/') + missing), qPrintable(tables[0]));
}

void WindowsTest::traditionalInputBoxIsVisibleUnticked() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QCheckBox* box = editor.app.Form1().CK_FT;
    QVERIFY(!box->isChecked());
    // The unticked box is drawn light on the near-black strip, not in the strip's own colour.
    const QImage image = box->grab().toImage();
    int light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < std::min(image.width(), 24); ++x)
            if (qGray(image.pixel(x, y)) > 160) ++light;
    QVERIFY2(light > 20, qPrintable(QString::number(light)));
}

void WindowsTest::unticketTranslationStillShowsRegisteredRelations() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    form1.ZZZZ->setChecked(false);
    QTest::mouseClick(form1.Command1, Qt::LeftButton);  // load again, names not entered in the lists
    QCOMPARE(editor.app.Names().Count(), 1631);
    ClickRow(editor.app.Form2(), 3);
    // The father, registered officer 2, is selected: its item is made to exist rather than "无".
    QCOMPARE(form1.cSF->currentIndex(), 1632);
    QVERIFY(editor.app.Names().Count() >= 1633);
    QCOMPARE(editor.app.Form2().msFlg->item(0, 2)->background().color(), QColor(200, 200, 0));
}

void WindowsTest::storedValuesBeyondAListStayShown() {
    Fixture fixture;
    auto path = OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents());
    auto bytes = busho::testing::ReadBytes(path);
    bytes[20 + 265] = 12;  // slot 1's origin: beyond the eight origins
    busho::testing::WriteBytes(path, bytes);
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    // One item of its own, after the eight origins, that stands for the stored 12.
    QCOMPARE(form1.cCZ->count(), 9);
    QCOMPARE(form1.cCZ->currentIndex(), 8);
    QCOMPARE(form1.cCZ->currentText(), QStringLiteral("（12）"));
    QCOMPARE(form1.Values().cCZ, kUnlistedItem);
    QCOMPARE(form1.Values().unlisted.at("cCZ"), 12);
    ClickRow(editor.app.Form2(), 2);
    QCOMPARE(form1.cCZ->count(), 8);
    QCOMPARE(form1.cCZ->currentIndex(), 1);
}

void WindowsTest::closingTheChooserEndsStartup() {
    Fixture fixture;
    Editor editor;
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<EditionChooser*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("请选择游戏语言版本"));
        chooser->reject();
    });
    QVERIFY(!editor.app.Start(fixture.Options(std::nullopt)));
    QCOMPARE(editor.app.State().Edition, kEditionUnchosen);
    QVERIFY(!editor.app.Form1().isVisible());
}

void WindowsTest::chooserSetsTheEdition() {
    Fixture fixture;
    Editor editor;
    QTimer::singleShot(0, [] {
        auto* chooser = qobject_cast<EditionChooser*>(QApplication::activeModalWidget());
        QVERIFY(chooser);
        QTest::mouseClick(chooser->Command2, Qt::LeftButton);
    });
    QVERIFY(editor.app.Start(fixture.Options(std::nullopt)));
    QCOMPARE(editor.app.State().Edition, kEditionJapanese);
    QCOMPARE(editor.app.State().OfficerFilePath, OfficerFilePathFor(kEditionJapanese, fixture.Documents()));
    QVERIFY(editor.app.Form1().windowTitle().endsWith(QStringLiteral("   日文版修改")));
}

void WindowsTest::closingTheEditorClosesTheOtherWindows() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    editor.app.Form3().PreviewFace(true, 0, QPoint(0, 0));
    QVERIFY(editor.app.Form2().isVisible() && editor.app.Form3().isVisible());
    QVERIFY(editor.app.Form1().close());
    QVERIFY(!editor.app.Form2().isVisible());
    QVERIFY(!editor.app.Form3().isVisible());
    QVERIFY(!editor.app.Form3().Preview()->isVisible());
}

void WindowsTest::findsTheGameInAWinePrefixWithoutOptions() {
    Fixture fixture;
    // The fixture's game and documents moved into a Wine prefix, the install key in its user.reg.
    const auto prefix = fixture.folder.Path() / "wine";
    const auto game = prefix / "drive_c" / "Program Files" / "KOEI" / "Nobunaga12 TC";
    std::filesystem::create_directories(game.parent_path());
    std::filesystem::rename(fixture.Game(), game);
    std::filesystem::create_directories(prefix / "drive_c" / "users" / "me");
    std::filesystem::rename(fixture.Documents(), prefix / "drive_c" / "users" / "me" / "Documents");
    {
        std::ofstream reg(prefix / "user.reg", std::ios::binary);
        reg << "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1700000000\n"
               "\"InstallInfo\"=\"C:\\\\program files\\\\koei\\\\nobunaga12 tc\\\\\"\n";
    }
    qputenv("WINEPREFIX", QByteArray::fromStdString(prefix.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((fixture.folder.Path() / "config").string()));
    StartupOptions options = fixture.Options(kEditionTraditionalChinese);
    options.gameFolder.clear();
    options.documentsFolder.clear();
    Editor editor;
    QVERIFY(editor.app.Start(options));
    qunsetenv("WINEPREFIX");
    QCOMPARE(editor.app.State().EndSlot, 4);
    QCOMPARE(editor.app.State().OfficerFilePath,
             OfficerFilePathFor(kEditionTraditionalChinese, prefix / "drive_c" / "users" / "me" / "Documents"));
    QCOMPARE(editor.app.State().GameFolder, game / "");
    QVERIFY(editor.messages.shown.empty());  // the face archives were found in the prefix
    QCOMPARE(editor.app.Form1().Picture1->pixmap().size(), QSize(12, 15));
}

// The offscreen platform has no desktop services, as a machine without a launcher: the default way of
// opening the readme fails and the program shows the file itself, read-only. A second click shows the
// same window again.
void WindowsTest::readmeShowsInTheProgramWithoutADesktopViewer() {
    Fixture fixture;
    Editor t;
    QVERIFY(t.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& f = t.app.Form1();
    QVERIFY(!f.Readme());
    f.M_RDME->trigger();
    ReadmeWindow* readme = f.Readme();
    QVERIFY(readme && readme->isVisible());
    QVERIFY(readme->txReadme->isReadOnly());
    QFile file(QStringLiteral(BUSHO_BIN_DIR "/readme.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString expected = QString::fromUtf8(file.readAll()).remove(QChar(0xFEFF)).remove(QLatin1Char('\r'));
    QCOMPARE(readme->txReadme->toPlainText(), expected);
    QVERIFY(expected.contains(QStringLiteral("信长之野望")));
    readme->close();
    f.M_RDME->trigger();
    QCOMPARE(f.Readme(), readme);
    QVERIFY(readme->isVisible());
    QVERIFY(t.messages.shown.empty());
}

void WindowsTest::missingReadmeIsReported() {
    Fixture fixture;
    Editor t;
    QVERIFY(t.app.Start(fixture.Options(kEditionJapanese)));
    EditorWindow& f = t.app.Form1();
    int asked = 0;
    f.openDocument = [&](const QUrl&) { return ++asked, true; };
    t.app.State().ProgramFolder = fixture.folder.Path();  // holds no readme.txt
    f.M_RDME->trigger();
    QCOMPARE(asked, 0);
    QVERIFY(!f.Readme());
    QCOMPARE(t.messages.shown.size(), 1u);
    QCOMPARE(platform::MessageText(t.messages.shown[0]),
             QStringLiteral("找不到说明文档：") + QString::fromStdU16String((fixture.folder.Path() / "readme.txt").u16string()));
}

// A "\x" escape without hex digits in the install key and a shell folder longer than any file name
// once ended the editor at start-up; now they are values that lead nowhere.
void WindowsTest::startsDespiteABrokenWineRegistry() {
    Fixture fixture;
    const auto prefix = fixture.folder.Path() / "wine";
    std::filesystem::create_directories(prefix / "drive_c");
    {
        std::ofstream reg(prefix / "user.reg", std::ios::binary);
        reg << "WINE REGISTRY Version 2\n\n[Software\\\\KOEI\\\\Nobunaga12PK TC\\\\Install] 1700000000\n"
               "\"InstallInfo\"=\"C:\\\\KOEI\\xZZ\\\\\"\n"
               "[Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer\\\\Shell Folders] 1700000000\n"
               "\"Personal\"=\"C:\\\\users\\\\" << std::string(300, 'd') << "\\\\Documents\"\n";
    }
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((fixture.folder.Path() / "config").string()));
    StartupOptions options = fixture.Options(kEditionTraditionalChinese);
    options.gameFolder.clear();
    options.winePrefix = prefix;
    Editor editor;
    QVERIFY(editor.app.Start(options));
    QCOMPARE(editor.app.State().GameFolder, prefix / "drive_c" / "KOEIxZZ" / "");
    QCOMPARE(editor.app.State().EndSlot, 4);  // the documents folder given still holds the officer file
    // The folder the key leads to holds no game: the folders were asked for once, naming all six archives.
    QCOMPARE(editor.foldersAsked.size(), std::size_t{1});
    QVERIFY(editor.foldersAsked[0].missingArchives && editor.foldersAsked[0].missingArchives->size() == 6);
    QVERIFY(editor.foldersAsked[0].officerFolderFound);
    // Gone on without: no box for each archive that could not be opened.
    QVERIFY(editor.messages.shown.empty());
}

void WindowsTest::normaliseFolder_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("folder");
    const QString sep = QDir::separator();
    QTest::newRow("cut at NUL") << QStringLiteral("D:\\Game\\") + QChar(0) + QStringLiteral("junk") << QStringLiteral("D:\\Game\\");
    QTest::newRow("NUL appends separator") << QStringLiteral("D:\\Game") + QChar(0) << QStringLiteral("D:\\Game\\").left(7) + sep;
    QTest::newRow("spaces trimmed") << QStringLiteral("  D:\\Game\\  ") << QStringLiteral("D:\\Game\\");
    QTest::newRow("separator ensured") << QStringLiteral("/opt/game") << QStringLiteral("/opt/game") + sep;
    QTest::newRow("empty") << QStringLiteral("   ") << QString();
    QTest::newRow("control character") << QStringLiteral("/opt/game \x01rest") << QStringLiteral("/opt/game") + sep;
    QTest::newRow("double-byte kept") << QStringLiteral("D:\\游戏\\") << QStringLiteral("D:\\游戏\\");
}

void WindowsTest::normaliseFolder() {
    QFETCH(QString, text);
    QFETCH(QString, folder);
    QCOMPARE(NormaliseFolder(text), folder);
}

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
