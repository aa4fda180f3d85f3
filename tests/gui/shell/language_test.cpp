// The interface in Simplified Chinese, Traditional Chinese, Japanese and English, switched while the
// windows are open: every text a user sees changes to the language chosen, no caption is cut, what
// the boxes hold stays, and coming back to Simplified Chinese gives the very texts of before.

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

#include <map>
#include <set>

#include "core/text/code_page.h"
#include "core/text/interface_texts.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/message_boxes.h"
#include "gui/auxiliary/map_window.h"
#include "gui/editor/editor_widgets.h"
#include "gui/portrait/portrait_picker_window.h"
#include "gui/shell/restore_backup_dialog.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

// Texts that read the same in every language: the program's and the game's own names, marks, and
// the control names that the buttons Command4 and Command5 have always shown.
const std::set<QString> kSameInEveryLanguage = {
    QStringLiteral("ＣＧ"), QStringLiteral("B"), QStringLiteral("X"), QStringLiteral("×"), QStringLiteral("Command4"), QStringLiteral("Command5"),
    QStringLiteral("信长之野望－革新"), QStringLiteral("OVer"),
    // The aptitude ranks, as the game shows them.
    QStringLiteral("Ｓ"), QStringLiteral("Ａ"), QStringLiteral("Ｂ"), QStringLiteral("Ｃ"), QStringLiteral("Ｄ")};

// A text is alike in every language when it is in that list or holds no letter at all (numbers,
// "3 / 10", marks).
bool SameInEveryLanguage(const QString& text) {
    if (kSameInEveryLanguage.count(text.trimmed())) return true;
    return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
}

struct Shown {
    QString text;
    QPointer<QWidget> widget;  // the control that shows it, for the width check; none for menus and tooltips
};
// Each text a user sees, by who shows it and how ("Form1/txX:tip").
using Texts = std::map<QString, Shown>;

QString Who(const QObject* o) {
    QString path = o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
    // Two unnamed captions of one window are told apart by where they are.
    if (const auto* w = qobject_cast<const QWidget*>(o); w && o->objectName().isEmpty())
        path += QStringLiteral("@%1,%2").arg(w->mapTo(w->window(), QPoint(0, 0)).x()).arg(w->mapTo(w->window(), QPoint(0, 0)).y());
    return path;
}

void AddMenu(Texts& texts, const QString& prefix, QMenu* menu) {
    texts[prefix + QStringLiteral(":menu")] = {menu->title(), nullptr};
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (action->menu()) AddMenu(texts, prefix + QLatin1Char('/') + action->menu()->title(), action->menu());
        // The languages' own names are alike in every language, by design.
        else if (!action->objectName().startsWith(QLatin1String("M_LANGUAGE_")))
            texts[prefix + QLatin1Char('/') + (action->objectName().isEmpty() ? action->text() : action->objectName())] = {action->text(), nullptr};
    }
}

// Everything the window shows as its own text: title, captions, buttons, group titles, tabs, column
// headers, menus, placeholders, the fixed lists' items and every tooltip. Game data (names, castles,
// numbers in boxes) is not the interface's and is left out.
Texts Collect(QWidget& window) {
    Texts texts;
    const QString w = window.objectName();
    texts[w + QStringLiteral(":title")] = {window.windowTitle(), nullptr};
    for (QWidget* child : window.findChildren<QWidget*>()) {
        if (!child->isVisibleTo(&window) || child->objectName().startsWith(QLatin1String("qt_"))) continue;
        const QString key = w + QLatin1Char('/') + Who(child);
        if (!child->toolTip().isEmpty()) texts[key + QStringLiteral(":tip")] = {child->toolTip(), nullptr};
        if (auto* label = qobject_cast<QLabel*>(child); label && !label->text().isEmpty() && label->pixmap().isNull())
            texts[key] = {label->text(), label};
        if (auto* button = qobject_cast<QAbstractButton*>(child); button && !button->text().isEmpty()) texts[key] = {button->text(), button};
        if (auto* group = qobject_cast<QGroupBox*>(child)) texts[key] = {group->title(), group};
        if (auto* tabs = qobject_cast<QTabWidget*>(child))
            for (int i = 0; i < tabs->count(); ++i) texts[key + QStringLiteral(":tab%1").arg(i)] = {tabs->tabText(i), nullptr};
        if (auto* box = qobject_cast<QLineEdit*>(child); box && !box->placeholderText().isEmpty())
            texts[key + QStringLiteral(":placeholder")] = {box->placeholderText(), nullptr};
        if (auto* list = qobject_cast<QComboBox*>(child); list && list->property(editor_widgets::kVocabularySize).isValid() &&
                                                           list->objectName() != QLatin1String("cSS")) {
            for (int i = 0; i < list->property(editor_widgets::kVocabularySize).toInt(); ++i)
                texts[key + QStringLiteral(":item%1").arg(i)] = {list->itemText(i), nullptr};
        }
        if (auto* grid = qobject_cast<QTableWidget*>(child))
            for (int c = 0; c < grid->columnCount(); ++c)
                if (!grid->isColumnHidden(c) && grid->horizontalHeaderItem(c))
                    texts[key + QStringLiteral(":header%1").arg(c)] = {grid->horizontalHeaderItem(c)->text(), nullptr};
        if (auto* bar = qobject_cast<QMenuBar*>(child))
            for (QAction* action : bar->actions())
                if (action->menu()) AddMenu(texts, key + QLatin1Char('/') + action->menu()->objectName() + action->menu()->title(), action->menu());
    }
    return texts;
}

// A caption is cut when its control is narrower than the text it shows.
QStringList CutCaptions(const Texts& texts) {
    QStringList cut;
    for (const auto& [where, shown] : texts) {
        QWidget* control = shown.widget;
        if (!control || !control->isVisible()) continue;
        const QFontMetrics metrics(control->font());
        const int textWidth = metrics.horizontalAdvance(shown.text);
        int room = control->width();
        if (auto* label = qobject_cast<QLabel*>(control)) {
            if (label->wordWrap()) continue;
            room = label->contentsRect().width() - 2 * label->margin();
            if (textWidth > room) cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(where, shown.text).arg(textWidth).arg(room);
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            if (textWidth > room) cut << QStringLiteral("%1 \"%2\": %3 > %4").arg(where, shown.text).arg(textWidth).arg(room);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            // A push button's text, its icon and a little of its frame on each side.
            const int needed = textWidth + (button->icon().isNull() ? 0 : button->iconSize().width() + 4) + 4;
            if (needed > room) cut << QStringLiteral("%1 \"%2\": needs %3 > %4").arg(where, shown.text).arg(needed).arg(room);
        } else if (qobject_cast<QAbstractButton*>(control)) {
            // A check box or an option asks for its mark, its icon and its text.
            if (control->sizeHint().width() > room)
                cut << QStringLiteral("%1 \"%2\": needs %3 > %4").arg(where, shown.text).arg(control->sizeHint().width()).arg(room);
        }
    }
    return cut;
}

void SettleLanguage() {
    // Installing a translator posts LanguageChange to the application, which posts it on to the windows.
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

bool IsCjk(QChar c) { return c.unicode() >= 0x3400 && c.unicode() <= 0x9FFF; }

// The characters of a text that the language's own script does not use: a Chinese character that
// Big5 (Traditional Chinese) or Shift-JIS (Japanese) lacks is a Simplified form left untranslated.
QString ForeignCharacters(const QString& text, CodePage page) {
    QString foreign;
    for (const QChar c : text)
        if (IsCjk(c) && !FromUtf8(page, QString(c).toStdString())) foreign += c;
    return foreign;
}

struct Windows {
    Fixture fixture;
    Editor editor;
    QList<QWidget*> all;

    Windows() {
        if (!editor.app.Start(fixture.Options(kEditionTraditionalChinese))) return;
        editor.app.Form1().show();
        editor.app.Form2().show();
        editor.app.Form3().show();
        editor.app.OpenMap();
        editor.app.OpenRestoreDialog();
        all = {&editor.app.Form1(), &editor.app.Form2(), &editor.app.Form3()};
        if (editor.app.Form6()) all << editor.app.Form6();
        if (editor.app.RestoreDialog()) all << editor.app.RestoreDialog();
        for (QWidget* window : all) QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    Texts CollectAll() const {
        Texts texts;
        for (QWidget* window : all) texts.merge(Collect(*window));
        return texts;
    }
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void everyTextChangesToEnglishAndBackByteForByte();
    void eachLanguageWritesInItsOwnScript_data();
    void eachLanguageWritesInItsOwnScript();
    void noCaptionIsCutInAnyLanguage_data();
    void noCaptionIsCutInAnyLanguage();
    void theChoiceIsRememberedAndTheCommandLineWins();
    void theEditMenuNamesTheStepInTheLanguage();
    void questionsAskInTheLanguage();
};

void LanguageTest::everyTextChangesToEnglishAndBackByteForByte() {
    Windows windows;
    QVERIFY(windows.all.size() == 5);
    EditorWindow& editor = windows.editor.app.Form1();
    SettleLanguage();
    const Texts chinese = windows.CollectAll();
    QVERIFY2(chinese.size() > 300, qPrintable(QString::number(chinese.size())));
    // What a user typed and chose before the switch.
    editor.txX->setText(QStringLiteral("真田"));
    editor.txLTY->setText(QStringLiteral("88"));
    editor.cCZ->setCurrentIndex(5);
    editor.SKill1[3]->setChecked(true);
    const EditorValues typed = editor.Values();

    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("en")));
    SettleLanguage();
    const Texts english = windows.CollectAll();
    QStringList untranslated;
    for (const auto& [where, shown] : chinese) {
        const auto now = english.find(where);
        if (now == english.end()) continue;  // a menu keyed by its title: compared below through its entries
        if (now->second.text == shown.text && !SameInEveryLanguage(shown.text)) untranslated << where + QStringLiteral(": ") + shown.text;
    }
    QVERIFY2(untranslated.isEmpty(), qPrintable(untranslated.join(QLatin1Char('\n'))));
    QCOMPARE(english.size(), chinese.size());
    QCOMPARE(editor.M_UNDO->text(), QStringLiteral("Undo"));
    QVERIFY(editor.Values() == typed);
    QCOMPARE(editor.txX->text(), QStringLiteral("真田"));
    // Qt's own standard buttons follow.
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));

    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("zh_CN")));
    SettleLanguage();
    const Texts again = windows.CollectAll();
    QStringList changed;
    for (const auto& [where, shown] : chinese) {
        const auto now = again.find(where);
        if (now == again.end()) changed << where + QStringLiteral(": gone");
        else if (now->second.text != shown.text) changed << where + QStringLiteral(": ") + shown.text + QStringLiteral(" -> ") + now->second.text;
    }
    QVERIFY2(changed.isEmpty(), qPrintable(changed.join(QLatin1Char('\n'))));
    QVERIFY(editor.Values() == typed);
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
}

void LanguageTest::eachLanguageWritesInItsOwnScript_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("cancel");  // Qt's own Cancel button
    QTest::newRow("Traditional Chinese") << QStringLiteral("zh_TW") << static_cast<int>(CodePage::Big5) << QStringLiteral("取消");
    QTest::newRow("Japanese") << QStringLiteral("ja") << static_cast<int>(CodePage::ShiftJis) << QStringLiteral("キャンセル");
}

void LanguageTest::eachLanguageWritesInItsOwnScript() {
    QFETCH(QString, language);
    QFETCH(int, page);
    QFETCH(QString, cancel);
    Windows windows;
    QVERIFY(windows.all.size() == 5);
    SettleLanguage();
    const Texts chinese = windows.CollectAll();
    QVERIFY(windows.editor.app.ChooseLanguage(language));
    SettleLanguage();
    const Texts translated = windows.CollectAll();
    // The game's own texts that the list window's filter reads stay as it reads them.
    const QString filterWords = QStringLiteral("退场统率武勇智慧政治义理");
    // So does the biography the editor writes for an empty box, which a tooltip quotes.
    const QString defaultBiography = platform::FromGbk(text_gbk::kDefaultBiography);
    QStringList foreign;
    int changed = 0;
    for (const auto& [where, shown] : translated) {
        QString text = shown.text;
        text.remove(defaultBiography);
        for (const QChar c : filterWords) text.remove(c);
        if (const QString wrong = ForeignCharacters(text, static_cast<CodePage>(page)); !wrong.isEmpty())
            foreign << where + QStringLiteral(": ") + shown.text + QStringLiteral(" [") + wrong + QLatin1Char(']');
        if (const auto before = chinese.find(where); before != chinese.end() && before->second.text != shown.text) ++changed;
    }
    QVERIFY2(foreign.isEmpty(), qPrintable(foreign.join(QLatin1Char('\n'))));
    QVERIFY2(changed > static_cast<int>(translated.size()) / 2, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(translated.size())));
    QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), cancel);
}

void LanguageTest::noCaptionIsCutInAnyLanguage_data() {
    QTest::addColumn<QString>("language");
    for (const char* code : {"zh_CN", "zh_TW", "ja", "en"}) QTest::newRow(code) << QString::fromLatin1(code);
}

void LanguageTest::noCaptionIsCutInAnyLanguage() {
    QFETCH(QString, language);
    Windows windows;
    QVERIFY(windows.all.size() == 5);
    QVERIFY(windows.editor.app.ChooseLanguage(language));
    SettleLanguage();
    for (QWidget* window : windows.all) QCoreApplication::sendPostedEvents(window, QEvent::LayoutRequest);
    SettleLanguage();
    const QStringList cut = CutCaptions(windows.CollectAll());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('\n'))));
}

void LanguageTest::theChoiceIsRememberedAndTheCommandLineWins() {
    Fixture fixture;
    {
        Editor editor;
        QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
        QCOMPARE(editor.app.LanguageInUse(), QStringLiteral("zh_CN"));
        auto* japanese = editor.app.Form1().findChild<QAction*>(QStringLiteral("M_LANGUAGE_ja"));
        QVERIFY(japanese);
        QCOMPARE(japanese->text(), QStringLiteral("日本語"));
        japanese->trigger();
        QCOMPARE(editor.app.LanguageInUse(), QStringLiteral("ja"));
        QVERIFY(japanese->isChecked());
    }
    {
        // No language on the command line: the one chosen last.
        Editor editor;
        StartupOptions options = fixture.Options(kEditionJapanese);
        options.language.clear();
        QVERIFY(editor.app.Start(options));
        QCOMPARE(editor.app.LanguageInUse(), QStringLiteral("ja"));
        QCOMPARE(editor.app.Form1().M_LANGUAGE->title(), QStringLiteral("言語 / Language"));
    }
    {
        // --language for this run only: the setting stays.
        Editor editor;
        StartupOptions options = fixture.Options(kEditionJapanese);
        options.language = QStringLiteral("en");
        QVERIFY(editor.app.Start(options));
        QCOMPARE(editor.app.LanguageInUse(), QStringLiteral("en"));
        QCOMPARE(editor.app.Form2().windowTitle(), QStringLiteral("Officer list"));
    }
    Editor editor;
    StartupOptions options = fixture.Options(kEditionJapanese);
    options.language.clear();
    QVERIFY(editor.app.Start(options));
    QCOMPARE(editor.app.LanguageInUse(), QStringLiteral("ja"));
}

void LanguageTest::theEditMenuNamesTheStepInTheLanguage() {
    Windows windows;
    QVERIFY(windows.all.size() == 5);
    EditorWindow& editor = windows.editor.app.Form1();
    ClickRow(windows.editor.app.Form2(), 2);
    const QString name = editor.txX->text() + editor.txM->text();
    editor.txLTY->setText(QStringLiteral("99"));
    QTest::mouseClick(editor.Command2, Qt::LeftButton);
    QCOMPARE(editor.M_UNDO->text(), QStringLiteral("撤销 修改 ") + name);
    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("en")));
    SettleLanguage();
    QCOMPARE(editor.M_UNDO->text(), QStringLiteral("Undo Modify ") + name);
    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("ja")));
    SettleLanguage();
    QCOMPARE(editor.M_UNDO->text(), QStringLiteral("元に戻す 変更 ") + name);
    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("zh_CN")));
    SettleLanguage();
    QCOMPARE(editor.M_UNDO->text(), QStringLiteral("撤销 修改 ") + name);
}

void LanguageTest::questionsAskInTheLanguage() {
    Windows windows;
    QVERIFY(windows.all.size() == 5);
    QVERIFY(windows.editor.app.ChooseLanguage(QStringLiteral("en")));
    SettleLanguage();
    OfficerListWindow& list = windows.editor.app.Form2();
    ClickRow(list, 1);
    windows.editor.messages.answers = {false};
    QTest::mouseClick(list.CommandDelete, Qt::LeftButton);
    QCOMPARE(windows.editor.messages.asked.size(), std::size_t{1});
    const QString question = platform::MessageText(windows.editor.messages.asked.back());
    QVERIFY2(question.startsWith(QStringLiteral("Delete these officers?\n")), qPrintable(question));
    QVERIFY2(!question.contains(QStringLiteral("删除")) && !question.contains(QStringLiteral("武将")), qPrintable(question));

    // The editor's question before it stores what it cannot keep as typed, part by part in English.
    EditorWindow& editor = windows.editor.app.Form1();
    ClickRow(list, 2);
    editor.txLJ->setText(QStringLiteral("大名\U0001F600"));
    editor.txLTY->setText(QStringLiteral("150"));
    windows.editor.messages.answers = {false};
    QTest::mouseClick(editor.Command2, Qt::LeftButton);
    QCOMPARE(windows.editor.messages.asked.size(), std::size_t{2});
    const QString commit = platform::MessageText(windows.editor.messages.asked.back());
    QVERIFY2(commit.startsWith(platform::InterfaceText(TextId::kCharactersNotKept) + QStringLiteral("\nBiography U+1F600\n")),
             qPrintable(commit));
    QVERIFY2(commit.contains(QStringLiteral("\nLeadership 150; the game uses 1–120")), qPrintable(commit));
    QVERIFY2(commit.endsWith(QStringLiteral("Save anyway?")), qPrintable(commit));
    QVERIFY2(std::none_of(commit.begin(), commit.end(), [](QChar c) { return c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF; }),
             qPrintable(commit));
}

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
