// Where the three windows go on the screen the tests run on, and that every control stays reachable
// there. Each run is given one screen (an offscreen configuration file, or Xvfb with a window manager)
// and its logical size in BUSHO_SCREEN, e.g. "1366x768".

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QtTest>

#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/window_arranger.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

QRect Available() { return QGuiApplication::primaryScreen()->availableGeometry(); }

bool Offscreen() { return QGuiApplication::platformName() == QLatin1String("offscreen"); }

std::array<QWidget*, 3> Windows(Application& app) { return {&app.Form1(), &app.Form2(), &app.Form3()}; }

// The windows as the window system shows them: exposed, and on X11 framed by the window manager and
// placed again for those frames.
bool Settle(Application& app) {
    for (QWidget* window : Windows(app))
        if (!QTest::qWaitForWindowExposed(window)) return false;
    if (!Offscreen()) QTest::qWait(500);
    return true;
}

QScrollArea* ScrollingAncestor(QWidget* control) {
    for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
        if (auto* area = qobject_cast<QScrollArea*>(w)) return area;
    return nullptr;
}

QRect GlobalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// Empty when the control can be used: shown, scrolled into view inside its own window when that
// scrolls, not cut off by anything it lies in, on the screen, and not under another of the program's
// windows. Otherwise why not.
QString Unreachable(QWidget* control) {
    if (!control->isVisible()) return QStringLiteral("hidden");
    if (QScrollArea* area = ScrollingAncestor(control)) {
        // The whole control, not only a line edit's cursor as QScrollArea::ensureWidgetVisible would.
        const QPoint centre = control->mapTo(area->widget(), control->rect().center());
        area->ensureVisible(centre.x(), centre.y(), control->width() / 2 + 1, control->height() / 2 + 1);
    }
    const QRect rect = GlobalRect(control);
    for (QWidget* a = control->parentWidget(); a; a = a->parentWidget())
        if (!GlobalRect(a).contains(rect)) return QStringLiteral("cut off by ") + a->metaObject()->className() + QLatin1Char(' ') + a->objectName();
    if (!Available().contains(rect)) return QStringLiteral("off the screen");
    for (QWidget* other : QApplication::topLevelWidgets())
        if (other->isVisible() && other != control->window() && other->frameGeometry().intersects(rect))
            return QStringLiteral("under ") + other->objectName();
    return {};
}

// The controls a user works with: boxes, lists, buttons and check boxes with a name of their own.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool kind = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                          qobject_cast<QAbstractItemView*>(w);
        if (kind && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) && w->isVisibleTo(&window))
            controls << w;
    }
    return controls;
}

QString Describe(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

}  // namespace

class PlacementTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void everyControlIsReachable_data();
    void everyControlIsReachable();
    void editorShrinksBelowItsPartsAndScrolls();
    void placesComeBackPerEdition();
    void placesBeyondTheScreenAreArrangedAfresh();
    void windowMenuShowsTheListAndPickerWithoutLoading();
    void arrangementFollowsTheRoom_data();
    void arrangementFollowsTheRoom();
};

void PlacementTest::initTestCase() {
    // The run's screen is the one it was meant to have.
    const QStringList size = qEnvironmentVariable("BUSHO_SCREEN").split(QLatin1Char('x'));
    QVERIFY2(size.size() == 2, "BUSHO_SCREEN names the screen, e.g. 1366x768");
    QCOMPARE(QGuiApplication::primaryScreen()->geometry().size(), QSize(size[0].toInt(), size[1].toInt()));
}

void PlacementTest::everyControlIsReachable_data() {
    QTest::addColumn<int>("edition");
    QTest::newRow("tc") << int{kEditionTraditionalChinese};
    QTest::newRow("jp") << int{kEditionJapanese};
}

void PlacementTest::everyControlIsReachable() {
    QFETCH(int, edition);
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(static_cast<std::uint8_t>(edition))));
    QVERIFY(Settle(editor.app));
    Application& app = editor.app;

    // No window covers another, each lies on the screen: the editor at the top left, the list to its
    // right, the picker below the list.
    const auto windows = Windows(app);
    for (QWidget* w : windows) QVERIFY2(Available().contains(w->frameGeometry()), qPrintable(w->objectName() + Describe(w->frameGeometry())));
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = i + 1; j < 3; ++j)
            QVERIFY2(!windows[i]->frameGeometry().intersects(windows[j]->frameGeometry()),
                     qPrintable(windows[i]->objectName() + Describe(windows[i]->frameGeometry()) + QLatin1Char(' ') +
                                windows[j]->objectName() + Describe(windows[j]->frameGeometry())));
    const QRect editorFrame = app.Form1().frameGeometry(), listFrame = app.Form2().frameGeometry(), pickerFrame = app.Form3().frameGeometry();
    QCOMPARE(editorFrame.topLeft(), Available().topLeft());
    QVERIFY(listFrame.left() > editorFrame.right() && listFrame.top() == editorFrame.top());
    QVERIFY(pickerFrame.left() == listFrame.left() && pickerFrame.top() > listFrame.bottom());
    // From 1280x720 up, the editor shows all its parts without scrolling.
    QVERIFY(!app.Form1().ScrollArea()->horizontalScrollBar()->isVisible());
    QVERIFY(!app.Form1().ScrollArea()->verticalScrollBar()->isVisible());

    // The buttons a user needs first, then every control of the three windows.
    const QList<QWidget*> named = {app.Form2().Command1, app.Form2().Command2, app.Form3().Command1, app.Form3().Command2,
                                   app.Form1().Command2, app.Form1().Command3};
    for (QWidget* control : named) QVERIFY2(Unreachable(control).isEmpty(), qPrintable(control->window()->objectName() + QLatin1Char('.') + control->objectName() + QLatin1String(": ") + Unreachable(control)));
    int checked = 0;
    for (QWidget* window : windows) {
        for (QWidget* control : Controls(*window)) {
            const QString why = Unreachable(control);
            QVERIFY2(why.isEmpty(), qPrintable(window->objectName() + QLatin1Char('.') + control->objectName() + QLatin1String(": ") + why));
            ++checked;
        }
    }
    QVERIFY2(checked > 90, qPrintable(QString::number(checked)));  // the tactics alone are thirty
    // The picker's thumbnails can be clicked too.
    for (QLabel* thumbnail : app.Form3().PICC4) QVERIFY2(Unreachable(thumbnail).isEmpty(), qPrintable(Unreachable(thumbnail)));
}

void PlacementTest::editorShrinksBelowItsPartsAndScrolls() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QVERIFY(Settle(editor.app));
    EditorWindow& form1 = editor.app.Form1();
    const QSize parts = form1.ScrollArea()->widget()->sizeHint();
    // Smaller than its parts, far below the 926x754 it could not go below before.
    const QSize small(600, 420);
    form1.resize(small);
    QTRY_COMPARE(form1.size(), small);
    QVERIFY(parts.width() > small.width() && parts.height() > small.height());
    QTRY_VERIFY(form1.ScrollArea()->horizontalScrollBar()->isVisible() && form1.ScrollArea()->verticalScrollBar()->isVisible());
    // The list and the picker are elsewhere: every control of the editor scrolls into view.
    editor.app.Form2().hide();
    editor.app.Form3().hide();
    const QList<QWidget*> controls = Controls(form1);
    QVERIFY(controls.size() > 80);
    for (QWidget* control : controls) QVERIFY2(Unreachable(control).isEmpty(), qPrintable(control->objectName() + QLatin1String(": ") + Unreachable(control)));
    // The last ones scrolled the parts up; the surname box near the top scrolls them back down.
    const int top = form1.txX->mapTo(form1.ScrollArea()->widget(), QPoint(0, 0)).y();
    QVERIFY(form1.ScrollArea()->verticalScrollBar()->value() > top);
    QVERIFY(Unreachable(form1.txX).isEmpty());
    QVERIFY(form1.ScrollArea()->verticalScrollBar()->value() <= top);
}

void PlacementTest::placesComeBackPerEdition() {
    Fixture fixture;
    const QPoint pickerPlace = Available().topLeft() + QPoint(40, 50);
    const QPoint listPlace = Available().topLeft() + QPoint(60, 80);
    const QSize listSize(472, 300);  // whole device pixels at 150 % too
    QPoint arrangedPicker;
    {
        Editor editor;
        QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
        QVERIFY(Settle(editor.app));
        arrangedPicker = editor.app.Form3().pos();
        QVERIFY(arrangedPicker != pickerPlace);
        editor.app.Form3().move(pickerPlace);
        editor.app.Form2().resize(listSize);
        editor.app.Form2().move(listPlace);
        QTRY_COMPARE(editor.app.Form3().pos(), pickerPlace);
        QTRY_COMPARE(editor.app.Form2().pos(), listPlace);
        QTRY_COMPARE(editor.app.Form2().size(), listSize);
        editor.app.RememberWindowPlaces();
    }
    {
        Editor again;
        QVERIFY(again.app.Start(fixture.Options(kEditionTraditionalChinese)));
        QVERIFY(Settle(again.app));
        QTRY_COMPARE(again.app.Form3().pos(), pickerPlace);
        QTRY_COMPARE(again.app.Form2().pos(), listPlace);
        QTRY_COMPARE(again.app.Form2().size(), listSize);
    }
    {
        // The other edition keeps places of its own: none stored yet, so arranged for the screen.
        Editor other;
        QVERIFY(other.app.Start(fixture.Options(kEditionJapanese)));
        QVERIFY(Settle(other.app));
        QCOMPARE(other.app.Form3().pos(), arrangedPicker);
        QVERIFY(other.app.Form2().size() != listSize);
    }
    QSettings stored(QString::fromStdU16String((fixture.folder.Path() / "settings.ini").u16string()), QSettings::IniFormat);
    QCOMPARE(stored.value(QStringLiteral("tc/Form3")).toRect().topLeft(), pickerPlace);
    QVERIFY(!stored.contains(QStringLiteral("jp/Form3")));
}

void PlacementTest::placesBeyondTheScreenAreArrangedAfresh() {
    Fixture fixture;
    {
        // As a larger screen left them: the list and the picker beyond the right edge of this one.
        QSettings stored(QString::fromStdU16String((fixture.folder.Path() / "settings.ini").u16string()), QSettings::IniFormat);
        const int right = Available().right();
        stored.setValue(QStringLiteral("tc/Form1"), QRect(0, 0, 814, 675));
        stored.setValue(QStringLiteral("tc/Form2"), QRect(right - 100, 0, 460, 420));
        stored.setValue(QStringLiteral("tc/Form3"), QRect(right + 200, 450, 602, 511));
    }
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QVERIFY(Settle(editor.app));
    const auto windows = Windows(editor.app);
    for (QWidget* w : windows) QVERIFY2(Available().contains(w->frameGeometry()), qPrintable(w->objectName() + Describe(w->frameGeometry())));
    QVERIFY(!windows[0]->frameGeometry().intersects(windows[1]->frameGeometry()));
    QVERIFY(!windows[1]->frameGeometry().intersects(windows[2]->frameGeometry()));
    QVERIFY(!windows[0]->frameGeometry().intersects(windows[2]->frameGeometry()));
    for (QWidget* control : {static_cast<QWidget*>(editor.app.Form2().Command1), static_cast<QWidget*>(editor.app.Form3().Command2)})
        QVERIFY2(Unreachable(control).isEmpty(), qPrintable(Unreachable(control)));
}

void PlacementTest::windowMenuShowsTheListAndPickerWithoutLoading() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    QVERIFY(Settle(editor.app));
    Application& app = editor.app;
    // A change in memory only: a load would bring back the name in the file.
    app.Form1().txX->setText(QStringLiteral("前田"));
    QTest::mouseClick(app.Form1().Command2, Qt::LeftButton);
    QCOMPARE(app.Form2().msFlg->item(0, 2)->text(), QStringLiteral("前田信长"));
    const QPoint listPlace = app.Form2().pos();
    app.Form2().close();
    app.Form3().close();  // closing the picker unloads it
    QVERIFY(!app.Form3().IsLoaded());
    app.Form1().M_LIST->trigger();
    QVERIFY(app.Form2().isVisible());
    QTRY_COMPARE(app.Form2().pos(), listPlace);
    QCOMPARE(app.Form2().msFlg->item(0, 2)->text(), QStringLiteral("前田信长"));
    app.Form1().M_PICKER->trigger();
    QVERIFY(app.Form3().isVisible() && app.Form3().IsLoaded());
    QCOMPARE(app.Form3().lbPage1->text(), QStringLiteral("第 1 / 1 页"));
    QCOMPARE(ShownFace(app.Form3().PICC4[2]), (std::array<int, 3>{0, 2, 2}));
    // Moved away and hidden, then arranged afresh from the menu: back beside the editor.
    app.Form2().move(Available().topLeft() + QPoint(10, 10));
    app.Form3().hide();
    app.Form1().M_ARRANGE->trigger();
    QVERIFY(app.Form3().isVisible());
    QTRY_VERIFY(app.Form2().frameGeometry().left() > app.Form1().frameGeometry().right());
    QCOMPARE(app.Form2().msFlg->item(0, 2)->text(), QStringLiteral("前田信长"));
}

void PlacementTest::arrangementFollowsTheRoom_data() {
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("editor");
    QTest::addColumn<QRect>("list");
    QTest::addColumn<QRect>("picker");
    QTest::addColumn<int>("gap");
    // Frames of 802x675 (editor), 462x445 (list), 602x535 (picker) as they would like, 452x165 and
    // 392x375 at the least for the list and the picker; the editor scrolls with bars 15 wide.
    QTest::newRow("room for all") << QRect(0, 0, 1920, 1080) << QRect(0, 0, 802, 675) << QRect(802, 0, 462, 445)
                                  << QRect(802, 445, 602, 535) << 0;
    QTest::newRow("short: the picker gives first, then the list")
        << QRect(0, 0, 1366, 768) << QRect(0, 0, 802, 675) << QRect(802, 0, 462, 393) << QRect(802, 393, 564, 375) << 0;
    QTest::newRow("a panel above") << QRect(0, 30, 1366, 738) << QRect(0, 30, 802, 675) << QRect(802, 30, 462, 363)
                                   << QRect(802, 393, 564, 375) << 0;
    QTest::newRow("narrow: the editor scrolls sideways and grows a bar's height")
        << QRect(0, 0, 1100, 800) << QRect(0, 0, 648, 690) << QRect(648, 0, 452, 425) << QRect(648, 425, 452, 375) << 0;
    QTest::newRow("too small for all: the least of each") << QRect(0, 0, 1000, 500) << QRect(0, 0, 548, 500)
                                                          << QRect(548, 0, 452, 165) << QRect(548, 165, 452, 375) << 0;
    QTest::newRow("a pixel apart") << QRect(0, 0, 1366, 768) << QRect(0, 0, 802, 675) << QRect(803, 0, 462, 391)
                                   << QRect(803, 392, 562, 375) << 1;
}

void PlacementTest::arrangementFollowsTheRoom() {
    QFETCH(QRect, available);
    QFETCH(QRect, editor);
    QFETCH(QRect, list);
    QFETCH(QRect, picker);
    QFETCH(int, gap);
    const QMargins frame(1, 20, 1, 5);
    const Arrangement a = ArrangeWindows(available, {QSize(800, 650), QSize(100, 80), frame}, {QSize(460, 420), QSize(450, 140), frame},
                                         {QSize(600, 510), QSize(390, 350), frame}, 15, gap);
    QCOMPARE(a.editor, editor);
    QCOMPARE(a.list, list);
    QCOMPARE(a.picker, picker);
}

QTEST_MAIN(PlacementTest)
#include "placement_test.moc"
