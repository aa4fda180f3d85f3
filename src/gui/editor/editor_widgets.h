#pragma once
// Small helpers that the main window's files share: named widgets, fixed lists, captions.

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>

#include <cstdint>

namespace busho::editor_widgets {

inline constexpr const char* kVocabularySize = "vocabularySize";

template <class W>
inline W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

inline QLineEdit* Box(const char* name, int width) {
    auto* box = Named(new QLineEdit, name);
    box->setFixedWidth(width);
    return box;
}

inline QComboBox* FixedList(const char* name, const QStringList& items) {
    auto* list = Named(new QComboBox, name);
    list->addItems(items);
    list->setProperty(kVocabularySize, static_cast<int>(items.size()));
    list->setMaxVisibleItems(16);
    return list;
}

// An item for a stored value that no item of the list stands for.
inline QString UnlistedText(std::int32_t value) { return QStringLiteral("（%1）").arg(value); }

// The box texts of the officer, by control name, as the maps of EditorValues know them.
inline constexpr const char* kTextBoxNames[] = {"txX", "txXP", "txM", "txMP", "txLJ"};

inline QLabel* Caption(const QString& text) { return new QLabel(text); }

// A caption that names the control beside it (its buddy), for the keyboard and for screen readers.
inline QLabel* Caption(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

// Group boxes sit close together so that the whole editor fits a 1280 x 800 screen.
inline void Compact(QGridLayout* grid) {
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(3);
}

}  // namespace busho::editor_widgets
