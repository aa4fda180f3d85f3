// What the controls of the three windows say of themselves: a tooltip each, and a name of its own for
// screen readers and UI automation, as Qt's accessibility interface reports it.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QtTest>

#include <map>

#include "core/editing/game_ranges.h"
#include "gui/editor/vocabulary.h"
#include "gui/portrait/portrait_picker_window.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

// Every box, list, button, check box and scroll bar the window is built with, shown or not.
QList<QWidget*> Controls(QWidget& window) {
    QList<QWidget*> controls;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        const bool kind = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractButton*>(w) ||
                          qobject_cast<QAbstractItemView*>(w) || qobject_cast<QScrollBar*>(w);
        // A tab bar's own scroll buttons are Qt's, not the window's.
        const bool own = !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")) &&
                         !qobject_cast<QTabBar*>(w->parentWidget());
        if (kind && own) controls << w;
    }
    return controls;
}

// The name a screen reader announces. A list on Linux is named by the caption that labels it (its
// accessible name there is the item shown); another control by its own name.
QString AccessibleName(QWidget* w) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(w);
    if (!face) return {};
#ifndef Q_OS_WIN
    if (qobject_cast<QComboBox*>(w)) {
        for (const auto& [label, relation] : face->relations(QAccessible::Label))
            if (qobject_cast<QLabel*>(label->object())) return label->text(QAccessible::Name);
        return {};
    }
#endif
    return face->text(QAccessible::Name);
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void everyControlHasATooltipAndANameOfItsOwn();
    void numberBoxesTellTheRangeTheGameUses();
    void tacticBoxesAreKnownByTheirTactic();
};

void HelpTest::everyControlHasATooltipAndANameOfItsOwn() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    int counted = 0;
    for (QWidget* window : {static_cast<QWidget*>(&editor.app.Form1()), static_cast<QWidget*>(&editor.app.Form2()),
                            static_cast<QWidget*>(&editor.app.Form3())}) {
        QStringList groups;
        for (auto* group : window->findChildren<QGroupBox*>()) groups << group->title();
        std::map<QString, QString> named;  // name -> the control that has it
        for (QWidget* control : Controls(*window)) {
            const QString who = window->objectName() + QLatin1Char('.') + control->objectName();
            QVERIFY2(!control->toolTip().isEmpty(), qPrintable(who + QStringLiteral(" has no tooltip")));
            const QString name = AccessibleName(control);
            QVERIFY2(!name.isEmpty(), qPrintable(who + QStringLiteral(" has no name")));
            QVERIFY2(!groups.contains(name), qPrintable(who + QStringLiteral(" reads as its group: ") + name));
            const auto [it, fresh] = named.emplace(name, who);
            QVERIFY2(fresh, qPrintable(who + QStringLiteral(" and ") + it->second + QStringLiteral(" are both ") + name));
            ++counted;
        }
    }
    QVERIFY2(counted > 100, qPrintable(QString::number(counted)));  // the editor's tactics alone are thirty
    // Captions name the box beside them for the keyboard too.
    const auto captions = editor.app.Form1().findChildren<QLabel*>();
    for (QWidget* box : {static_cast<QWidget*>(editor.app.Form1().txX), static_cast<QWidget*>(editor.app.Form1().cSS),
                         static_cast<QWidget*>(editor.app.Form1().txLTY), static_cast<QWidget*>(editor.app.Form1().SkillList[8])})
        QVERIFY2(std::any_of(captions.begin(), captions.end(), [box](QLabel* l) { return l->buddy() == box; }), qPrintable(box->objectName()));
}

void HelpTest::numberBoxesTellTheRangeTheGameUses() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
    for (const GameRange& range : kGameRanges) {
        auto* box = editor.app.Form1().findChild<QLineEdit*>(QString::fromLatin1(range.box));
        QVERIFY(box);
        const QString tip = box->toolTip();
        QVERIFY2(tip.contains(QStringLiteral("%1～%2").arg(range.low).arg(range.high)), qPrintable(tip));
        QVERIFY2(tip.startsWith(platform::FromGbk(range.label)), qPrintable(tip));
        QCOMPARE(AccessibleName(box), platform::FromGbk(range.label));
    }
    QVERIFY(editor.app.Form1().txSWN->toolTip().contains(QStringLiteral("诞生年")));
}

void HelpTest::tacticBoxesAreKnownByTheirTactic() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    const QStringList tactics = vocabulary::TacticNames();
    QCOMPARE(tactics.size(), 30);
    for (int t = 0; t < 30; ++t) {
        QCheckBox* box = editor.app.Form1().SKill1[static_cast<std::size_t>(t)];
        QCOMPARE(AccessibleName(box), tactics[t]);
        QVERIFY(box->toolTip().contains(tactics[t]));
    }
    QCOMPARE(AccessibleName(editor.app.Form1().SkillList[0]), QStringLiteral("足轻"));
    QCOMPARE(AccessibleName(editor.app.Form1().cQEWJ2), QStringLiteral("亲爱武将二"));
    QCOMPARE(AccessibleName(editor.app.Form1().Command12), QStringLiteral("从武将列表中选择亲爱武将二"));
}

QTEST_MAIN(HelpTest)
#include "help_test.moc"
