#include "messages.h"

namespace busho {

Message MessageFor(Problem problem) {
    using namespace text_gbk;
    struct Shown {
        TextId text;
        std::optional<TextId> title;
        int style;
    };
    static const Shown kShown[] = {
        {TextId::kTextOpenFirst, TextId::kTitleWrongChoice, kStyleInformation + kStyleCritical},
        {TextId::kTextLoadFailed, TextId::kTitleLoadError, kStyleCritical},
        {TextId::kTextBackupFailed, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kTextWriteFailed, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kTextReplacedNotFlushed, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kTextBlankSlotMissing, TextId::kTitleSaveError, kStyleCritical},
        {TextId::kTextTablesMissing, TextId::kTitleTables, kStyleCritical},
        {TextId::kCommitQuestion, TextId::kTitleNotice, kStyleWarning},
        {TextId::kNoOfficerHere, std::nullopt, kStyleWarning},
        {TextId::kTableFull, std::nullopt, kStyleWarning},
    };
    for (const Shown& shown : kShown)
        if (problem.text == shown.text) return {std::move(problem), shown.title, shown.style};
    return {std::move(problem), std::nullopt, kStyleCritical};
}

}  // namespace busho
