// Chinese and Japanese text drawn with a glyph, not as boxes: the check that finds characters no font
// can draw, and the bundled font put behind the application font where the system has none.

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtTest>

#include <filesystem>

#include "officer_fixtures.h"
#include "platform/cjk_font.h"

using namespace busho;
using namespace busho::testing;

namespace {

// Debian's fonts-wqy-microhei, which the build machine has; the Windows zip carries the same file.
const std::filesystem::path kFreeCjkFont = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

// U+0378 is unassigned and U+10FFFD a private character of the last plane: no font draws them.
const QString kUnassigned = QString::fromUcs4(U"\u0378");
const QString kLastPlanePrivate = QString::fromUcs4(U"\U0010FFFD");

}  // namespace

class CjkFontTest : public QObject {
    Q_OBJECT
private slots:
    void charactersWithoutGlyph_data();
    void charactersWithoutGlyph();
    void everyTextOfAWindowIsChecked();
    void bundledFontFollowsTheApplicationFont_data();
    void bundledFontFollowsTheApplicationFont();
};

void CjkFontTest::charactersWithoutGlyph_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("missing");
    QTest::newRow("simplified Chinese") << QStringLiteral("武将一览表 保存所有修改") << QString();
    QTest::newRow("traditional Chinese") << QStringLiteral("織田信長 戰國") << QString();
    QTest::newRow("Japanese kana") << QStringLiteral("おだ のぶなが ヒデヨシ") << QString();
    QTest::newRow("line breaks are no glyphs") << QStringLiteral("武将\n一览\t表") << QString();
    QTest::newRow("unassigned, once") << (QStringLiteral("武") + kUnassigned + QStringLiteral("将") + kUnassigned) << kUnassigned;
    QTest::newRow("two missing") << (kLastPlanePrivate + QStringLiteral("AB") + kUnassigned) << (kLastPlanePrivate + kUnassigned);
}

void CjkFontTest::charactersWithoutGlyph() {
    QFETCH(QString, text);
    QFETCH(QString, missing);
    QCOMPARE(platform::CharactersWithoutGlyph(text, QApplication::font()), missing);
}

void CjkFontTest::everyTextOfAWindowIsChecked() {
    QWidget window;
    window.setWindowTitle(QStringLiteral("武将编辑"));
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("姓名")));
    auto* combo = new QComboBox;
    combo->addItems({QStringLiteral("織田信長"), QStringLiteral("无"), QStringLiteral("武") + kUnassigned});
    layout->addWidget(combo);
    auto* table = new QTableWidget(2, 2);
    table->setItem(0, 0, new QTableWidgetItem(QStringLiteral("豊臣秀吉")));
    table->setItem(1, 1, new QTableWidgetItem(kLastPlanePrivate));
    layout->addWidget(table);
    // Found in a list item that is not the current one and in a grid cell, each once.
    QCOMPARE(platform::WindowCharactersWithoutGlyph(window), kUnassigned + kLastPlanePrivate);

    combo->removeItem(2);
    table->setItem(1, 1, new QTableWidgetItem(QStringLiteral("ひでよし")));
    QCOMPARE(platform::WindowCharactersWithoutGlyph(window), QString());
    window.setWindowTitle(kUnassigned);
    QCOMPARE(platform::WindowCharactersWithoutGlyph(window), kUnassigned);
}

void CjkFontTest::bundledFontFollowsTheApplicationFont_data() {
    QTest::addColumn<bool>("withFont");
    QTest::addColumn<bool>("systemServes");
    QTest::addColumn<bool>("chained");
    QTest::newRow("system without CJK fonts") << true << false << true;
    QTest::newRow("system with CJK fonts") << true << true << false;
    QTest::newRow("no font beside the program") << false << false << false;
}

void CjkFontTest::bundledFontFollowsTheApplicationFont() {
    QFETCH(bool, withFont);
    QFETCH(bool, systemServes);
    QFETCH(bool, chained);
    QVERIFY2(std::filesystem::exists(kFreeCjkFont), "fonts-wqy-microhei is not installed");
    const QFont before = QApplication::font();
    TempFolder folder;
    if (withFont) std::filesystem::copy_file(kFreeCjkFont, folder.Path() / "wqy-microhei.ttc");
    std::filesystem::create_directory(folder.Path() / "not-a-font.ttf");  // a folder is no font file

    const QStringList families = platform::UseBundledCjkFonts(QString::fromStdU16String(folder.Path().u16string()), systemServes);
    const QStringList now = QApplication::font().families();
    if (chained) {
        QVERIFY2(families.contains(QStringLiteral("WenQuanYi Micro Hei")), qPrintable(families.join(u',')));
        // The application font's own family stays first; the bundled ones follow it.
        QVERIFY(!now.isEmpty());
        QCOMPARE(now.first(), before.families().isEmpty() ? before.family() : before.families().first());
        for (const QString& family : families) QVERIFY2(now.contains(family), qPrintable(now.join(u',')));
    } else {
        QVERIFY(families.isEmpty());
        QCOMPARE(now, before.families());
    }
    QApplication::setFont(before);
}

QTEST_MAIN(CjkFontTest)
#include "cjk_font_test.moc"
