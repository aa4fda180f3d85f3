// The portrait picker, the face preview and the editor's small controls, on the real windows.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QUrl>
#include <QtTest>

#include <set>

#include "gui/portrait/face_preview_window.h"
#include "gui/auxiliary/map_window.h"
#include "gui/editor/editor_window.h"
#include "platform/gbk_text.h"
#include "gui/portrait/portrait_picker_window.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

using Face = std::array<int, 3>;  // edit, size (3 large, 2 medium, 1 small), number

// Forty standard and forty-five edit faces: the last page of one is part-filled, of the other empty.
struct PickerEditor {
    Fixture fixture{true, 40, 45};
    Editor editor;
    PortraitPickerWindow& picker() { return editor.app.Form3(); }
    EditorWindow& form1() { return editor.app.Form1(); }
    bool Start() { return editor.app.Start(fixture.Options(kEditionTraditionalChinese)); }
};

void Click(QWidget* widget, Qt::MouseButton button = Qt::LeftButton, QPoint at = QPoint(4, 4)) {
    QTest::mouseClick(widget, button, {}, at);
}

void Type(QLineEdit* box, const QString& text) {
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

}  // namespace

class PickerTest : public QObject {
    Q_OBJECT
private slots:
    void pagesFollowTheScrollBarsAndLeaveNoThumbnailBeyondTheArchive();
    void pagesAreCountedBesideTheBars();
    void clickingAThumbnailTriesItInTheEditor();
    void rightButtonPreviewsThreeSizes();
    void typedNumbers_data();
    void typedNumbers();
    void changeStoresAndCancelGoesBackToTheOfficersFace();
    void closingUnloadsAndThePortraitButtonLoadsAgain();
    void editorSmallControls();
    void mediumFaceLeavesTheEditorLayout();
    void characterOfCode_data();
    void characterOfCode();
    void voicePreviewStopsThenPlaysANewSample();
};

void PickerTest::pagesFollowTheScrollBarsAndLeaveNoThumbnailBeyondTheArchive() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    QCOMPARE(p.HS->maximum(), 3);   // 40 faces: 40 / 15 + 1
    QCOMPARE(p.ZHS->maximum(), 4);  // 45 faces: a multiple of 15 gets one page more
    for (int i = 0; i < 15; ++i) {
        QCOMPARE(ShownFace(p.PICC4[static_cast<std::size_t>(i)]), (Face{0, 2, i}));
        QCOMPARE(ShownFace(p.PICC5[static_cast<std::size_t>(i)]), (Face{1, 2, i}));
    }
    p.HS->setValue(2);
    p.HS->setValue(3);
    for (int i = 0; i < 10; ++i) QCOMPARE(ShownFace(p.PICC4[static_cast<std::size_t>(i)]), (Face{0, 2, 30 + i}));
    // Beyond the last face the places are empty, not left from page 2, and a click there selects nothing.
    for (int i = 10; i < 15; ++i) QCOMPARE(ShownFace(p.PICC4[static_cast<std::size_t>(i)]), (Face{-1, -1, -1}));
    const int portrait = t.editor.app.State().CurrentPortrait;
    Click(p.PICC4[12]);
    QCOMPARE(t.editor.app.State().CurrentPortrait, portrait);
    p.HS->setValue(2);
    for (int i = 0; i < 15; ++i) QCOMPARE(ShownFace(p.PICC4[static_cast<std::size_t>(i)]), (Face{0, 2, 15 + i}));
    p.ZHS->setValue(3);
    p.ZHS->setValue(4);
    // 45 edit faces: page 4 holds none of them.
    for (int i = 0; i < 15; ++i) QCOMPARE(ShownFace(p.PICC5[static_cast<std::size_t>(i)]), (Face{-1, -1, -1}));
    Click(p.PICC5[0]);
    QCOMPARE(t.editor.app.State().CurrentPortrait, portrait);
    QCOMPARE(p.PICC4[0]->size(), QSize(8, 10));
}

void PickerTest::pagesAreCountedBesideTheBars() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    QCOMPARE(p.lbPage1->text(), QStringLiteral("第 1 / 3 页"));
    QCOMPARE(p.lbPage2->text(), QStringLiteral("第 1 / 4 页"));
    p.HS->setValue(2);
    QCOMPARE(p.lbPage1->text(), QStringLiteral("第 2 / 3 页"));
    QTest::keyClick(p.ZHS, Qt::Key_End);
    QCOMPARE(p.lbPage2->text(), QStringLiteral("第 4 / 4 页"));
    // A typed number turns the page, and the count follows.
    Type(p.Text1, QStringLiteral("31"));
    QCOMPARE(p.lbPage1->text(), QStringLiteral("第 3 / 3 页"));
}

void PickerTest::clickingAThumbnailTriesItInTheEditor() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    t.form1().lbCG->setText(QStringLiteral("keep"));
    QVERIFY(!p.Srec->isVisible());
    p.HS->setValue(2);
    Click(p.PICC4[3]);
    QCOMPARE(t.editor.app.State().CurrentPortrait, 18);
    QCOMPARE(ShownFace(t.form1().Picture1), (Face{0, 3, 18}));
    QVERIFY(p.Srec->isVisible());
    QVERIFY(p.Srec->geometry().contains(p.PICC4[3]->geometry()));
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("18"));  // the number in use
    p.ZHS->setValue(2);
    Click(p.PICC5[1]);
    QCOMPARE(t.editor.app.State().CurrentPortrait, 1716);
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("1716"));
    QCOMPARE(ShownFace(t.form1().Picture1), (Face{1, 3, 16}));
}

void PickerTest::rightButtonPreviewsThreeSizes() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    QTest::mousePress(p.PICC4[2], Qt::RightButton, {}, QPoint(5, 6));
    FacePreviewWindow* preview = p.Preview();
    QVERIFY(preview && preview->isVisible());
    QCOMPARE(preview->pos(), p.PICC4[2]->mapToGlobal(QPoint(5, 6)) + QPoint(16, 16));  // beside the pointer
    QCOMPARE(ShownFace(preview->Picture1), (Face{0, 3, 2}));
    QCOMPARE(ShownFace(preview->Picture2), (Face{0, 2, 2}));
    QCOMPARE(ShownFace(preview->Picture3), (Face{0, 1, 2}));
    QTest::mouseRelease(p.PICC4[2], Qt::RightButton, {}, QPoint(5, 6));
    QVERIFY(!preview->isVisible());
    QCOMPARE(t.editor.app.State().CurrentPortrait, 2);  // the click after the release selects it
    QTest::mousePress(p.PICC5[4], Qt::RightButton, {}, QPoint(2, 2));
    QCOMPARE(ShownFace(preview->Picture3), (Face{1, 1, 4}));
    Click(preview->Command1);
    QVERIFY(!preview->isVisible());
    // Closing or hiding the picker takes a preview still shown with it.
    p.show();
    QTest::mousePress(p.PICC4[1], Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(preview->isVisible());
    Click(p.Command2);
    QVERIFY(!preview->isVisible());
    p.show();
    QTest::mousePress(p.PICC4[1], Qt::RightButton, {}, QPoint(2, 2));
    QVERIFY(p.close());
    QVERIFY(!preview->isVisible());
}

void PickerTest::typedNumbers_data() {
    QTest::addColumn<bool>("standard");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("label");  // lbCG afterwards; "keep" when nothing happens
    QTest::addColumn<int>("page");
    QTest::newRow("standard 37 turns to page 3") << true << "37" << "37" << 3;
    QTest::newRow("standard 5 keeps the page") << true << "5" << "5" << 1;
    QTest::newRow("standard 14.5 rounds to even") << true << "14.5" << "14" << 1;
    QTest::newRow("standard 40 is past the last face") << true << "40" << "keep" << 1;
    QTest::newRow("standard text is face 0") << true << "abc" << "0" << 1;
    QTest::newRow("edit 1703") << false << "1703" << "1703" << 1;
    QTest::newRow("edit 1730 turns to page 3") << false << "1730" << "1730" << 3;
    QTest::newRow("edit 1745 is past the last face") << false << "1745" << "keep" << 1;
    QTest::newRow("edit text does nothing") << false << "xyz" << "keep" << 1;
    QTest::newRow("edit below 1700 does nothing") << false << "1699" << "keep" << 1;
}

void PickerTest::typedNumbers() {
    QFETCH(bool, standard);
    QFETCH(QString, typed);
    QFETCH(QString, label);
    QFETCH(int, page);
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    t.form1().lbCG->setText(QStringLiteral("keep"));
    const int portrait = t.editor.app.State().CurrentPortrait;
    Type(standard ? p.Text1 : p.Text2, typed);
    QCOMPARE(t.form1().lbCG->text(), label);
    QCOMPARE((standard ? p.HS : p.ZHS)->value(), page);
    if (label != QLatin1String("keep")) {
        const int number = label.toInt() - (standard ? 0 : 1700);
        QCOMPARE(ShownFace(t.form1().Picture1), (Face{standard ? 0 : 1, 2, number}));
        QCOMPARE(t.editor.app.State().CurrentPortrait, label.toInt());  // the face shown is the one 更改 gives
    } else {
        QCOMPARE(t.editor.app.State().CurrentPortrait, portrait);
    }
}

void PickerTest::changeStoresAndCancelGoesBackToTheOfficersFace() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    Session& s = t.editor.app.State();
    ClickRow(t.editor.app.Form2(), 2);  // portrait 1701, an edit face
    p.show();
    Click(p.PICC4[6]);
    Click(p.Command2);  // 取消: back to edit face 1, from the edit archive
    QVERIFY(!p.isVisible());
    QCOMPARE(ShownFace(t.form1().Picture1), (Face{1, 2, 1}));
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("1701"));
    QCOMPARE(s.CurrentPortrait, 1701);
    QCOMPARE(s.Officers[2].Record.PortraitNumber, 1701);

    p.show();
    Click(p.PICC4[4]);
    t.form1().lbCG->setText(QStringLiteral("stale"));
    Click(p.Command1);  // 更改
    QVERIFY(!p.isVisible());
    QCOMPARE(s.Officers[2].Record.PortraitNumber, 4);
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("4"));
    QCOMPARE(t.editor.app.Form2().msFlg->item(1, 8)->text(), QStringLiteral(" 4"));
    QCOMPARE(s.Roster[1632].PortraitNumber, 4);
    Click(p.PICC4[9]);
    Click(p.Command2);
    QCOMPARE(ShownFace(t.form1().Picture1), (Face{0, 2, 4}));
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("4"));
    QCOMPARE(s.CurrentPortrait, 4);

    // A typed number is what 更改 stores.
    p.show();
    Type(p.Text1, QStringLiteral("7"));
    Click(p.Command1);
    QCOMPARE(s.Officers[2].Record.PortraitNumber, 7);
    // 取消 shows the number in use even when its face cannot be drawn.
    s.Officers[2].Record.PortraitNumber = 1799;
    p.show();
    Click(p.PICC4[3]);
    Click(p.Command2);
    QCOMPARE(t.form1().lbCG->text(), QStringLiteral("1799"));
    QCOMPARE(s.CurrentPortrait, 1799);
}

void PickerTest::closingUnloadsAndThePortraitButtonLoadsAgain() {
    PickerEditor t;
    QVERIFY(t.Start());
    PortraitPickerWindow& p = t.picker();
    p.HS->setValue(3);
    QVERIFY(p.close());
    QVERIFY(!p.IsLoaded());
    Click(t.form1().Command8);
    QVERIFY(p.isVisible());
    QVERIFY(p.StandardMedium().IsOpen() && p.EditMedium().IsOpen());
    QCOMPARE(p.HS->value(), 1);
    QCOMPARE(ShownFace(p.PICC4[0]), (Face{0, 2, 0}));
}

void PickerTest::mediumFaceLeavesTheEditorLayout() {
    PickerEditor t;
    QVERIFY(t.Start());
    EditorWindow& f = t.form1();
    QApplication::processEvents();
    const QPoint modify = f.Command2->mapTo(&f, QPoint(0, 0));
    const QPoint family = f.txX->mapTo(&f, QPoint(0, 0));
    Type(t.picker().Text1, QStringLiteral("5"));  // a medium face, smaller than the large one
    QCOMPARE(f.Picture1->size(), QSize(8, 10));
    QApplication::processEvents();
    QCOMPARE(f.Command2->mapTo(&f, QPoint(0, 0)), modify);
    QCOMPARE(f.txX->mapTo(&f, QPoint(0, 0)), family);
}

void PickerTest::editorSmallControls() {
    PickerEditor t;
    QVERIFY(t.Start());
    EditorWindow& f = t.form1();
    Click(f.Check1);
    for (QCheckBox* tactic : f.SKill1) QVERIFY(tactic->isChecked());
    Click(f.Check1);
    for (QCheckBox* tactic : f.SKill1) QVERIFY(!tactic->isChecked());

    f.cSF->setCurrentIndex(12);
    Click(f.Command7);
    QCOMPARE(f.cSF->currentIndex(), 0);

    Click(f.Command4);
    QCOMPARE(platform::MessageText(t.editor.messages.shown.back()), QStringLiteral("1630"));

    // Select-on-focus: typing replaces the whole number.
    f.txLTY->setText(QStringLiteral("120"));
    f.activateWindow();
    QApplication::setActiveWindow(&f);
    f.txLTY->setFocus();
    QTRY_COMPARE(f.txLTY->selectedText(), QStringLiteral("120"));
    QTest::keyClicks(f.txLTY, QStringLiteral("77"));
    QCOMPARE(f.txLTY->text(), QStringLiteral("77"));

    // "B" opens the map; choosing a castle there selects it in cSS.
    Click(f.Command18);
    MapWindow* map = t.editor.app.Form6();
    QVERIFY(map && map->isVisible());
    QWidget* marker = map->Markers().back();
    QTest::mouseClick(marker, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f.cSS->currentText(), QStringLiteral("肝付城"));
    QVERIFY(map->close());
    QTRY_VERIFY(!t.editor.app.Form6());  // closed with its close box: unloaded
    Click(f.Command18);
    QVERIFY(t.editor.app.Form6() && t.editor.app.Form6()->Label2->text().isEmpty());

    QList<QUrl> opened;
    f.openDocument = [&](const QUrl& url) {
        opened << url;
        return true;
    };
    f.M_RDME->trigger();
    f.M_RDME->trigger();
    QCOMPARE(opened.size(), 2);
    QCOMPARE(opened[0].toLocalFile(), QStringLiteral(BUSHO_BIN_DIR "/readme.txt"));
    QVERIFY(QFile::exists(opened[0].toLocalFile()));
}

void PickerTest::characterOfCode_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");  // empty: no message
    QTest::newRow("A") << "65" << "A";
    QTest::newRow("GBK code of 啊") << "45217" << "啊";
    QTest::newRow("the same code, negative") << "-20319" << "啊";
    QTest::newRow("beyond the codes") << "70000" << "";
    QTest::newRow("far below") << "-40000" << "";
}

void PickerTest::characterOfCode() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    PickerEditor t;
    QVERIFY(t.Start());
    t.editor.messages.shown.clear();
    t.form1().txchr->setText(typed);
    Click(t.form1().Command5);
    if (shown.isEmpty()) {
        QVERIFY(t.editor.messages.shown.empty());
    } else {
        QCOMPARE(t.editor.messages.shown.size(), std::size_t{1});
        QCOMPARE(platform::MessageText(t.editor.messages.shown[0]), shown);
    }
}

void PickerTest::voicePreviewStopsThenPlaysANewSample() {
    PickerEditor t;
    QVERIFY(t.Start());
    auto& voices = t.editor.voices;
    const int stops = voices.stops;
    const std::size_t played = voices.played.size();
    std::set<std::string> samples;
    for (int click = 0; click < 12; ++click) {
        Click(t.form1().SD[1], Qt::LeftButton, QPoint(3, 3));
        QCOMPARE(voices.stops, stops + click + 1);
        QCOMPARE(voices.played.size(), played + static_cast<std::size_t>(click) + 1);
        const std::string name = voices.played.back().filename().string();
        QVERIFY2(name.rfind("SE_VOICE_BRAVE_", 0) == 0, name.c_str());
        const int n = std::stoi(name.substr(15));
        QVERIFY(n >= 1 && n <= 49);
        samples.insert(name);
    }
    QVERIFY(t.form1().SD[1]->isChecked());
    QVERIFY(samples.size() > 1);  // each preview draws its sample anew
}

QTEST_MAIN(PickerTest)
#include "picker_test.moc"
