#include "officer_name_lists.h"

#include "core/data/officer_record.h"
#include "platform/gbk_text.h"

namespace busho {

OfficerNameLists::OfficerNameLists() { SetBuiltInNames({}); }

void OfficerNameLists::SetBuiltInNames(const std::vector<std::string>& gbkNames) {
    builtInGbk_ = gbkNames;
    builtInGbk_.resize(kBuiltInOfficerCount);
    QStringList builtIn;
    for (int i = 0; i < kBuiltInOfficerCount; ++i)
        builtIn << (static_cast<std::size_t>(i) < gbkNames.size() ? platform::FromGbk(gbkNames[static_cast<std::size_t>(i)]) : QString());
    builtIn_.setStringList(builtIn);
    withNone_.setStringList(QStringList{noneText_} + builtIn);
}

void OfficerNameLists::SetRegistered(int slot, const QString& name) {
    const int item = kBuiltInOfficerCount + slot;
    if (item < withNone_.rowCount()) {
        withNone_.setData(withNone_.index(item), name);
    } else {
        const int row = withNone_.rowCount();
        withNone_.insertRows(row, 1);
        withNone_.setData(withNone_.index(row), name);
    }
}

void OfficerNameLists::ClearRegistered() {
    const int extra = withNone_.rowCount() - (kBuiltInOfficerCount + 1);
    if (extra > 0) withNone_.removeRows(kBuiltInOfficerCount + 1, extra);
}

void OfficerNameLists::KeepRegistered(int count) {
    const int extra = withNone_.rowCount() - (kBuiltInOfficerCount + 1 + count);
    if (extra > 0) withNone_.removeRows(kBuiltInOfficerCount + 1 + count, extra);
}

void OfficerNameLists::EnsureItem(int item, const std::function<QString(int)>& nameOf) {
    while (withNone_.rowCount() <= item) {
        const int row = withNone_.rowCount();
        withNone_.insertRows(row, 1);
        withNone_.setData(withNone_.index(row), nameOf(row));
    }
}

QString OfficerNameLists::Item(int item) const { return withNone_.data(withNone_.index(item)).toString(); }

void OfficerNameLists::SetNoneText(const QString& text) {
    noneText_ = text;
    if (withNone_.rowCount() > 0 && withNone_.index(0).data().toString() != text) withNone_.setData(withNone_.index(0), text);
}

}  // namespace busho
