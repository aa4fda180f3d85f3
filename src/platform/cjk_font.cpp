#include "cjk_font.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSet>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextLayout>
#include <QTreeWidget>

namespace busho::platform {
namespace {

bool SystemServesCjk() {
    for (QFontDatabase::WritingSystem system : {QFontDatabase::SimplifiedChinese, QFontDatabase::TraditionalChinese, QFontDatabase::Japanese})
        if (QFontDatabase::families(system).isEmpty()) return false;
    return true;
}

bool DrawnWithGlyph(const QString& character, const QFont& font) {
    QTextLayout layout(character, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes())
            if (glyph == 0) return false;
    return true;
}

// The texts of one widget (not its children) and the font they are drawn in.
QStringList WidgetTexts(const QWidget& widget) {
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) texts << button->text();
    if (const auto* line = qobject_cast<const QLineEdit*>(&widget)) texts << line->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) texts << group->title();
    if (const auto* combo = qobject_cast<const QComboBox*>(&widget))
        for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    if (const auto* list = qobject_cast<const QListWidget*>(&widget))
        for (int i = 0; i < list->count(); ++i) texts << list->item(i)->text();
    if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
        for (int c = 0; c < table->columnCount(); ++c)
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(c)) texts << header->text();
        for (int r = 0; r < table->rowCount(); ++r)
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* item = table->item(r, c)) texts << item->text();
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget))
        for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (widget.isWindow()) texts << widget.windowTitle();
    return texts;
}

}  // namespace

QStringList UseBundledCjkFonts(const QString& folder) { return UseBundledCjkFonts(folder, SystemServesCjk()); }

QStringList UseBundledCjkFonts(const QString& folder, bool systemServesCjk) {
    QStringList loaded;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("*.ttf"), QStringLiteral("*.ttc"), QStringLiteral("*.otf")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        const int id = QFontDatabase::addApplicationFont(file.absoluteFilePath());
        if (id >= 0) loaded << QFontDatabase::applicationFontFamilies(id);
    }
    loaded.removeDuplicates();
    if (systemServesCjk || loaded.isEmpty()) return {};
    QFont font = QApplication::font();
    QStringList families = font.families();
    if (families.isEmpty()) families << font.family();
    for (const QString& family : loaded)
        if (!families.contains(family)) families << family;
    font.setFamilies(families);
    QApplication::setFont(font);
    return loaded;
}

QString CharactersWithoutGlyph(const QString& text, const QFont& font) {
    QString missing;
    QSet<char32_t> seen;
    for (char32_t c : text.toUcs4()) {
        // Line breaks and other controls are not drawn as glyphs.
        if (c < 0x20 || c == 0x7F || seen.contains(c)) continue;
        seen.insert(c);
        const QString character = QString::fromUcs4(&c, 1);
        if (!DrawnWithGlyph(character, font)) missing += character;
    }
    return missing;
}

QString WindowCharactersWithoutGlyph(const QWidget& window) {
    QString missing;
    QList<const QWidget*> widgets{&window};
    for (const QWidget* child : window.findChildren<const QWidget*>()) widgets << child;
    for (const QWidget* widget : widgets) {
        for (const QString& text : WidgetTexts(*widget))
            for (const QChar c : CharactersWithoutGlyph(text, widget->font()))
                if (!missing.contains(c)) missing += c;
    }
    return missing;
}

}  // namespace busho::platform
