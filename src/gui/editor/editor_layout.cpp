// The main window's controls and where they sit: one group box a part.

#include "editor_window.h"

#include "platform/widget_colours.h"
#include <QAction>
#include <cmath>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QConcatenateTablesProxyModel>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>
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
#include "platform/language_texts.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"
#include "editor_widgets.h"

namespace busho {

using namespace editor_widgets;

// Lists of 1630 and more names: their width comes from a fixed number of characters, not from
// measuring every item. Each shows the shared names followed by an item of its own, present only
// while the list shows a stored number that names no officer.
QComboBox* EditorWindow::NameList(const char* name, QAbstractItemModel* names) {
    auto* list = Named(new QComboBox, name);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(7);
    auto* unlisted = new QStringListModel(list);
    auto* both = new QConcatenateTablesProxyModel(list);
    both->addSourceModel(names);
    both->addSourceModel(unlisted);
    list->setModel(both);
    list->setMaxVisibleItems(20);
    nameLists_[list] = {names, unlisted};
    return list;
}

QLabel* EditorWindow::TrCaption(const char* source, QWidget* buddy) {
    return texts_->Caption(buddy ? Caption(QString(), buddy) : Caption(QString()), source);
}

void EditorWindow::SetVocabularyTexts() {
    // The lists keep the item they show: only the items' texts change (an item for an unlisted value,
    // after the fixed ones, is a number).
    const std::pair<QComboBox*, QStringList> lists[] = {{cSB, vocabulary::Genders()},   {cCZ, vocabulary::Origins()},
                                                        {cXY, vocabulary::Faiths()},    {cZT, vocabulary::Statuses()},
                                                        {cCCDC, vocabulary::Appearances()}};
    for (const auto& [list, items] : lists)
        for (int i = 0; i < items.size() && i < list->count(); ++i) list->setItemText(i, items[i]);
    const QStringList tactics = vocabulary::TacticNames();
    for (int t = 0; t < kTacticBoxes; ++t) SKill1[static_cast<std::size_t>(t)]->setIcon(QIcon(TacticPicture(t, tactics[t])));
    const QStringList voices = vocabulary::VoiceLabels();
    for (int k = 0; k < 6; ++k) SD[static_cast<std::size_t>(k)]->setIcon(QIcon(VoicePicture(k, voices[k])));
    Command16->setIcon(QIcon(RandomOfficerPicture(texts_->Translate(QT_TRANSLATE_NOOP("EditorWindow", "随机武将")))));
    names_.SetNoneText(QCoreApplication::translate("Vocabulary", "无"));
}

QWidget* EditorWindow::BuildPortrait() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "头像"));
    auto* layout = new QVBoxLayout(box);
    Picture1 = Named(new QLabel, "Picture1");
    Picture1->setFixedSize(96, 120);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::SetColours(Picture1, QColor(0x20, 0x20, 0x20));
    lbCG = Named(new QLabel, "lbCG");
    lbCG->setAlignment(Qt::AlignCenter);
    // The portrait sits in a place of the large face's size, so that a smaller (medium) face drawn
    // into it leaves the rest of the window where it was.
    auto* place = new QWidget;
    place->setFixedSize(Picture1->size());
    Picture1->setParent(place);
    Picture1->move(0, 0);
    platform::SetColours(place, QColor(0x20, 0x20, 0x20));
    auto* frame = new QHBoxLayout;
    frame->addStretch();
    frame->addWidget(place);
    frame->addStretch();
    layout->addLayout(frame);
    auto* cgRow = new QHBoxLayout;
    cgRow->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "CG号")));
    cgRow->addWidget(lbCG, 1);
    Command8 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "选择头像")), "Command8");
    cgRow->addWidget(Command8);
    layout->addLayout(cgRow);
    ZZZZ = Named(texts_->Caption(new QCheckBox, QT_TRANSLATE_NOOP("EditorWindow", "中日文译")), "ZZZZ");
    ZZZZ->setChecked(true);
    CK_FT = Named(texts_->Caption(new QCheckBox, QT_TRANSLATE_NOOP("EditorWindow", "输入繁体字内容请打√")), "CK_FT");
    // Red on near-black through the palette: the box itself keeps its own colours, ticked or not.
    platform::SetColours(CK_FT, QColor(0x10, 0x10, 0x10), QColor(0xe0, 0x20, 0x20));
    CK_FT->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(ZZZZ);
    layout->addWidget(CK_FT);
    // The file and the commit buttons two to a row, so that the column is no taller than the parts beside it.
    auto* open = new QHBoxLayout;
    Command1 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "打开")), "Command1");
    open->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "打开存档"), Command1));
    open->addWidget(Command1, 1);
    layout->addLayout(open);
    txOpen = Named(new QLineEdit(texts_->Translate(QT_TRANSLATE_NOOP("EditorWindow", "目标文件为:")) +
                                 QStringLiteral("\\KOEI\\Nobunaga12 TC\\EDIT\\SETDATA\\EDATA000.12s")),
                   "txOpen");
    txOpen->setReadOnly(true);
    txOpen->setCursorPosition(0);
    txOpen->setFixedWidth(150);
    layout->addWidget(txOpen);
    Command2 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "修改")), "Command2");
    Command3 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "添加")), "Command3");
    auto* commit = new QHBoxLayout;
    commit->addWidget(Command2);
    commit->addWidget(Command3);
    layout->addLayout(commit);
    Command16 = Named(new QPushButton, "Command16");
    Command16->setIconSize(QSize(96, 24));
    layout->addWidget(Command16);
    layout->addStretch();
    return box;
}

QWidget* EditorWindow::BuildIdentity() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "姓名与生平"));
    auto* g = new QGridLayout(box);
    txX = Box("txX", 90);
    txM = Box("txM", 90);
    txXP = Box("txXP", 120);
    txMP = Box("txMP", 120);
    txLJ = Named(new QLineEdit, "txLJ");
    txLJ->setMinimumWidth(420);
    txCSN = Box("txCSN", 60);
    txSWN = Box("txSWN", 60);
    cSB = FixedList("cSB", vocabulary::Genders());
    cSB->setSizeAdjustPolicy(QComboBox::AdjustToContents);  // wide enough again when the language changes
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "姓"), txX), 0, 0);
    g->addWidget(txX, 0, 1);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "姓音:"), txXP), 0, 2);
    g->addWidget(txXP, 0, 3);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "性别"), cSB), 0, 4);
    g->addWidget(cSB, 0, 5, Qt::AlignLeft);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "名"), txM), 1, 0);
    g->addWidget(txM, 1, 1);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "名音:"), txMP), 1, 2);
    g->addWidget(txMP, 1, 3);
    // The years beside the given name and the voice in a row of its own keep the part narrow enough
    // for the editor and the officer list to share a 1280-pixel screen.
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "诞生年"), txCSN), 1, 4);
    g->addWidget(txCSN, 1, 5);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "死亡年"), txSWN), 1, 6);
    g->addWidget(txSWN, 1, 7);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "列传"), txLJ), 2, 0);
    g->addWidget(txLJ, 2, 1, 1, 8);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "声音")), 3, 0);
    auto* voices = new QHBoxLayout;
    voiceGroup_ = new QButtonGroup(this);
    for (int k = 0; k < 6; ++k) {
        auto* option = Named(new QRadioButton, ("SD" + std::to_string(k)).c_str());
        option->setIconSize(QSize(40, 20));
        SD[static_cast<std::size_t>(k)] = option;
        voiceGroup_->addButton(option, k);
        voices->addWidget(option);
    }
    connect(voiceGroup_, &QButtonGroup::idClicked, this, [this](int k) { VoicePreview(k); });
    voices->addStretch();
    g->addLayout(voices, 3, 1, 1, 8);
    auto* ages = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        lbTl[static_cast<std::size_t>(i)] = Named(new QLabel, ("lbTl" + std::to_string(i)).c_str());
        platform::SetColours(lbTl[static_cast<std::size_t>(i)], QColor(), QColor(0x30, 0x30, 0x80));
        ages->addWidget(lbTl[static_cast<std::size_t>(i)], i / 2, i % 2);
    }
    g->addLayout(ages, 4, 0, 1, 9);
    g->setColumnStretch(8, 1);
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildAbilities() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "能力"));
    auto* g = new QGridLayout(box);
    txLTY = Box("txLTY", 44);
    txLWG = Box("txLWG", 44);
    txLZH = Box("txLZH", 44);
    txLZZ = Box("txLZZ", 44);
    txLQY = Box("txLQY", 44);
    const std::pair<const char*, QLineEdit*> rows[] = {{QT_TRANSLATE_NOOP("EditorWindow", "统御"), txLTY},
                                                       {QT_TRANSLATE_NOOP("EditorWindow", "武力"), txLWG},
                                                       {QT_TRANSLATE_NOOP("EditorWindow", "智力"), txLZH},
                                                       {QT_TRANSLATE_NOOP("EditorWindow", "政治"), txLZZ},
                                                       {QT_TRANSLATE_NOOP("EditorWindow", "义理"), txLQY}};
    int r = 0;
    for (const auto& [label, edit] : rows) {
        g->addWidget(TrCaption(label, edit), r % 3, (r / 3) * 2);
        g->addWidget(edit, r % 3, (r / 3) * 2 + 1);
        ++r;
    }
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildAptitudes() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "适性"));
    auto* g = new QGridLayout(box);
    for (int k = 0; k < kAptitudeCount; ++k) {
        auto* list = FixedList(("SkillList" + std::to_string(k)).c_str(), vocabulary::Ranks());
        SkillList[static_cast<std::size_t>(k)] = list;
        auto* caption = Caption(QString(), list);
        texts_->Add([caption, k] { caption->setText(vocabulary::AptitudeLabels()[k]); });
        g->addWidget(caption, k / 3, (k % 3) * 2);
        g->addWidget(list, k / 3, (k % 3) * 2 + 1);
    }
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildTactics() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "战法"));
    auto* g = new QGridLayout(box);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    // The tactics of the aptitudes 足轻, 骑马, 弓, 铁炮 and 计略 (lists 0 to 4), a row each.
    const int starts[] = {0, 6, 12, 16, 22, 30};
    for (int group = 0; group < 5; ++group) {
        auto* caption = Caption(QString());
        texts_->Add([caption, group] { caption->setText(vocabulary::AptitudeLabels()[group]); });
        g->addWidget(caption, group, 0);
        for (int t = starts[group]; t < starts[group + 1]; ++t) {
            auto* tactic = Named(new QCheckBox, ("SKill1" + std::to_string(t)).c_str());
            tactic->setIconSize(QSize(52, 20));
            SKill1[static_cast<std::size_t>(t)] = tactic;
            g->addWidget(tactic, group, 1 + t - starts[group]);
        }
    }
    Check1 = Named(texts_->Caption(new QCheckBox, QT_TRANSLATE_NOOP("EditorWindow", "战法全满")), "Check1");
    g->addWidget(Check1, 0, 9, Qt::AlignRight);
    // Two small code buttons: the count of the compatibility list, and a character by its code.
    Command4 = Named(new QPushButton(QStringLiteral("Command4")), "Command4");
    txchr = Named(new QLineEdit, "txchr");
    txchr->setFixedWidth(70);
    Command5 = Named(new QPushButton(QStringLiteral("Command5")), "Command5");
    g->addWidget(Command4, 2, 9, Qt::AlignRight);
    g->addWidget(txchr, 3, 9, Qt::AlignRight);
    g->addWidget(Command5, 4, 9, Qt::AlignRight);
    g->setColumnStretch(9, 1);
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildRelations() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "关系"));
    auto* g = new QGridLayout(box);
    cSF = NameList("cSF", names_.WithNone());
    cXXWJ = NameList("cXXWJ", names_.BuiltIn());
    cQEWJ1 = NameList("cQEWJ1", names_.WithNone());
    cQEWJ2 = NameList("cQEWJ2", names_.WithNone());
    cYEWJ1 = NameList("cYEWJ1", names_.WithNone());
    cYEWJ2 = NameList("cYEWJ2", names_.WithNone());
    g->setHorizontalSpacing(3);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "实    父"), cSF), 0, 0);
    g->addWidget(cSF, 0, 1);
    auto* father = new QHBoxLayout;
    father->setSpacing(2);
    father->addWidget(PickButton("Command14", PickTarget::Father));
    Command7 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "×")), "Command7");
    Command7->setFixedWidth(22);
    father->addWidget(Command7);
    g->addLayout(father, 0, 2);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "相性武将"), cXXWJ), 0, 3);
    g->addWidget(cXXWJ, 0, 4);
    g->addWidget(PickButton("Command15", PickTarget::Compatibility), 0, 5);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "亲爱武将"), cQEWJ1), 1, 0);
    g->addWidget(cQEWJ1, 1, 1);
    g->addWidget(PickButton("Command10", PickTarget::Liked1), 1, 2);
    // Each list has a caption of its own: on Linux a screen reader names a list by its caption.
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "亲爱武将二"), cQEWJ2), 1, 3);
    g->addWidget(cQEWJ2, 1, 4);
    g->addWidget(PickButton("Command12", PickTarget::Liked2), 1, 5);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "嫌恶武将"), cYEWJ1), 2, 0);
    g->addWidget(cYEWJ1, 2, 1);
    g->addWidget(PickButton("Command11", PickTarget::Disliked1), 2, 2);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "嫌恶武将二"), cYEWJ2), 2, 3);
    g->addWidget(cYEWJ2, 2, 4);
    g->addWidget(PickButton("Command13", PickTarget::Disliked2), 2, 5);
    Compact(g);
    return box;
}

QPushButton* EditorWindow::PickButton(const char* name, PickTarget target) {
    auto* button = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "选")), name);
    button->setFixedWidth(26);
    connect(button, &QPushButton::clicked, this, [this, target] { Pick(target); });
    QPushButton** member[] = {nullptr, &Command15, &Command10, &Command12, &Command11, &Command13, &Command14};
    if (auto** slot = member[static_cast<int>(target)]) *slot = button;
    return button;
}

QWidget* EditorWindow::BuildStanding() {
    auto* box = texts_->Caption(new QGroupBox, QT_TRANSLATE_NOOP("EditorWindow", "身份"));
    auto* g = new QGridLayout(box);
    cCZ = FixedList("cCZ", vocabulary::Origins());
    cXY = FixedList("cXY", vocabulary::Faiths());
    cSS = FixedList("cSS", vocabulary::Castles());
    cZT = FixedList("cZT", vocabulary::Statuses());
    cCCDC = FixedList("cCCDC", vocabulary::Appearances());
    // Sized for their usual items rather than the longest one, so that the part stays narrow.
    for (QComboBox* list : {cCZ, cSS, cCCDC}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(8);
    }
    // The others as wide as their items, measured again when the language changes their texts.
    for (QComboBox* list : {cXY, cZT}) list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "出    自"), cCZ), 0, 0);
    g->addWidget(cCZ, 0, 1);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "信    仰"), cXY), 0, 2);
    g->addWidget(cXY, 0, 3);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "所    属"), cSS), 1, 0);
    auto* castle = new QHBoxLayout;
    castle->setSpacing(2);
    castle->addWidget(cSS, 1);
    Command18 = Named(texts_->Caption(new QPushButton, QT_TRANSLATE_NOOP("EditorWindow", "B")), "Command18");
    Command18->setFixedWidth(24);
    castle->addWidget(Command18);
    g->addLayout(castle, 1, 1);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "状    态"), cZT), 1, 2);
    g->addWidget(cZT, 1, 3);
    g->addWidget(TrCaption(QT_TRANSLATE_NOOP("EditorWindow", "登场/出场"), cCCDC), 2, 0);
    g->addWidget(cCCDC, 2, 1);
    Compact(g);
    return box;
}

}  // namespace busho
