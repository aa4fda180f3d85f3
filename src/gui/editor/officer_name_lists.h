#pragma once
// The officer-name lists of the editor: one model ("无", the 1630 built-in officers, then the
// registered officers from item 1631) shared by the father, liked, disliked and reference lists,
// and one of the 1630 built-in names alone for the compatibility list.

#include <QStringListModel>

#include <functional>
#include <string>
#include <vector>

namespace busho {

class OfficerNameLists {
public:
    OfficerNameLists();
    // Fills both models from the built-in names (GBK), dropping registered officers.
    void SetBuiltInNames(const std::vector<std::string>& gbkNames);

    const std::vector<std::string>& BuiltInGbk() const { return builtInGbk_; }  // officer k at index k
    // The first item of the lists with none ("无"), in the interface language.
    void SetNoneText(const QString& text);
    QStringListModel* WithNone() { return &withNone_; }   // cSF, cQEWJ1/2, cYEWJ1/2, List1
    QStringListModel* BuiltIn() { return &builtIn_; }     // cXXWJ

    // Item 1630 + slot: replaced if present, else appended at the end.
    void SetRegistered(int slot, const QString& name);
    // Drops every registered officer (a new file is being loaded).
    void ClearRegistered();
    // Drops the items after registered officer `count` (an added officer was taken back).
    void KeepRegistered(int count);
    // Makes item `item` exist, naming each missing item with nameOf(item).
    void EnsureItem(int item, const std::function<QString(int)>& nameOf);
    int Count() const { return withNone_.rowCount(); }
    QString Item(int item) const;

private:
    std::vector<std::string> builtInGbk_;
    QStringListModel withNone_;
    QStringListModel builtIn_;
    QString noneText_ = QStringLiteral("无");
};

}  // namespace busho
