// The reference panel's behaviour: the 选 buttons aim it at a list, a choice goes there, the figures follow.

#include "editor_window.h"
#include "platform/twips.h"

#include "platform/widget_colours.h"
#include <QAction>
#include <cmath>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <vector>
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "control_pictures.h"
#include "core/editing/game_ranges.h"
#include "core/editing/random_officer.h"
#include "core/editing/reference_figures.h"
#include "reference_panel.h"
#include "gui/auxiliary/readme_window.h"
#include "vocabulary.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"
#include "editor_widgets.h"

namespace busho {

using namespace editor_widgets;

// The list beside each 选 button, which its choice goes to.
QComboBox* EditorWindow::AimedList(PickTarget target) const {
    switch (target) {
        case PickTarget::Compatibility: return cXXWJ;
        case PickTarget::Liked1: return cQEWJ1;
        case PickTarget::Liked2: return cQEWJ2;
        case PickTarget::Disliked1: return cYEWJ1;
        case PickTarget::Disliked2: return cYEWJ2;
        case PickTarget::Father:
        case PickTarget::None: break;
    }
    return cSF;
}

void EditorWindow::Pick(PickTarget target) {
    session_.PickTarget = target;
    QComboBox* aimed = AimedList(target);
    const int chosen = NamePosition(aimed);
    if (!Picture2->isVisible()) Picture2->move(std::max(0, Picture2->parentWidget()->width() - Picture2->width() - 8), 8);
    Picture2->show();
    Picture2->raise();
    QListView* list = Picture2->List1;
    if (chosen == kUnlistedItem) {
        // A number that names no officer: the panel opens without an entry and without figures.
        {
            const QSignalBlocker block(list->selectionModel());
            list->setCurrentIndex(QModelIndex());
            list->clearSelection();
        }
        Picture2->ClearFigures();
        return;
    }
    const int position = aimed == cXXWJ ? chosen + 1 : chosen;
    const QModelIndex index = list->model()->index(std::max(0, position), 0);
    const bool same = list->currentIndex() == index;
    list->setCurrentIndex(index);
    list->scrollTo(index, QAbstractItemView::PositionAtCenter);
    if (same) ShowReference();
}

void EditorWindow::ShowReference() {
    const int item = Picture2->List1->currentIndex().row();
    if (item < 0) return;
    EditorValues values = Values();
    if (ApplyPick(session_.PickTarget, item, values)) {
        const std::pair<QComboBox*, int> chosen[] = {{cXXWJ, values.cXXWJ},   {cQEWJ1, values.cQEWJ1}, {cQEWJ2, values.cQEWJ2},
                                                     {cYEWJ1, values.cYEWJ1}, {cYEWJ2, values.cYEWJ2}, {cSF, values.cSF}};
        QComboBox* aimed = AimedList(session_.PickTarget);
        for (const auto& [list, item] : chosen)
            if (list == aimed) SelectName(list, item);
    }
    if (item == 0) return;  // "无": the figures stay as they were
    ReferencePanel& p = *Picture2;
    p.lbSname->setText(names_.Item(item));
    const ReferenceFigures f = ReferenceFor(session_, item);
    faces_.DrawMedium(p.Picture3, SetOfPortrait(f.portrait), FaceOfPortrait(f.portrait));
    p.lbSCG->setText(QString::number(f.portrait));
    p.lbSCSN->setText(QString::number(f.birthYear));
    p.lbSSWN->setText(QString::number(f.deathYear));
    QLineEdit* boxes[] = {p.lbSTY, p.lbSWL, p.lbSZL, p.lbSZZ};
    for (std::size_t b = 0; b < 4; ++b) {
        const AbilityBar& bar = f.bars[b];
        boxes[b]->setText(QString::number(bar.value));
        p.pLL[b]->setFixedWidth(Pixels(bar.widthTwips));
        platform::SetColours(p.pLL[b], QColor(bar.rgb[0], bar.rgb[1], bar.rgb[2]));
    }
    p.lbSYL->setText(QString::number(f.duty));
}

void EditorWindow::SearchReference() {
    const QString wanted = Picture2->txSER->text().trimmed();
    if (wanted.isEmpty()) return;
    QListView* list = Picture2->List1;
    const int count = list->model()->rowCount();
    for (int i = 0; i < count; ++i) {
        if (!names_.Item(i).contains(wanted)) continue;
        list->setCurrentIndex(list->model()->index(i, 0));
        list->scrollTo(list->currentIndex());
        ShowReference();
        if (!messages_.AskYesNo({Problem(TextId::kContinueQuestion), TextId::kTitleNotice, text_gbk::kStyleWarning})) return;
    }
}

}  // namespace busho
