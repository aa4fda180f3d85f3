#include "platform/widget_colours.h"
#include "editor_window.h"

#include <QAction>
#include <cmath>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QConcatenateTablesProxyModel>
#include <QDesktopServices>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>
#include <QUrl>
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
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"

namespace busho {
namespace {

const char* const kVocabularySize = "vocabularySize";

template <class W>
W* Named(W* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLineEdit* Box(const char* name, int width) {
    auto* box = Named(new QLineEdit, name);
    box->setFixedWidth(width);
    return box;
}

QComboBox* FixedList(const char* name, const QStringList& items) {
    auto* list = Named(new QComboBox, name);
    list->addItems(items);
    list->setProperty(kVocabularySize, static_cast<int>(items.size()));
    list->setMaxVisibleItems(16);
    return list;
}

// An item for a stored value that no item of the list stands for.
QString UnlistedText(std::int32_t value) { return QStringLiteral("（%1）").arg(value); }

// The box texts of the officer, by control name, as the maps of EditorValues know them.
const char* const kTextBoxNames[] = {"txX", "txXP", "txM", "txMP", "txLJ"};

QLabel* Caption(const QString& text) { return new QLabel(text); }
}  // namespace

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

namespace {



// Group boxes sit close together so that the whole editor fits a 1280 x 800 screen.
void Compact(QGridLayout* grid) {
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(3);
}


}  // namespace

EditorWindow::EditorWindow(Session& session, OfficerNameLists& names, platform::MessageBoxes& messages,
                           platform::VoicePlayer& voices, FaceDrawer& faces, QWidget* parent)
    : QMainWindow(parent), session_(session), names_(names), messages_(messages), voices_(voices), faces_(faces) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("革新QorvaneFOR 中文PK版"));

    auto* system = menuBar()->addMenu(QStringLiteral("系统"));
    M_EXIT = Named(system->addAction(QStringLiteral("退出")), "M_EXIT");
    auto* help = menuBar()->addMenu(QStringLiteral("帮助"));
    M_RDME = Named(help->addAction(QStringLiteral("说明文档")), "M_RDME");
    // Ends the program at once, without saving and without a question.
    connect(M_EXIT, &QAction::triggered, this, [] { QApplication::exit(0); });
    openDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connect(M_RDME, &QAction::triggered, this, &EditorWindow::OpenReadme);

    auto* central = new QWidget;
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(8, 6, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->addWidget(BuildPortrait(), 0, 0, 2, 1);
    grid->addWidget(BuildIdentity(), 0, 1, 1, 2);
    grid->addWidget(BuildAbilities(), 1, 1);
    grid->addWidget(BuildAptitudes(), 1, 2);
    grid->addWidget(BuildTactics(), 2, 0, 1, 3);
    grid->addWidget(BuildRelations(), 3, 0, 1, 2);
    grid->addWidget(BuildStanding(), 3, 2);
    setCentralWidget(central);

    // The reference panel floats over the editor; only the pick buttons show it.
    Picture2 = new ReferencePanel(central);
    Picture2->List1->setModel(names_.WithNone());
    Picture2->hide();
    connect(Picture2->List1->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { ShowReference(); });
    connect(Picture2->List1, &QListView::clicked, this, [this] { ShowReference(); });
    connect(Picture2->Command17, &QPushButton::clicked, this, &EditorWindow::SearchReference);
    connect(Picture2->txSER, &QLineEdit::returnPressed, this, &EditorWindow::SearchReference);

    connect(ZZZZ, &QCheckBox::toggled, this, [this](bool on) { session_.ZZZZ = on; });
    connect(CK_FT, &QCheckBox::toggled, this, [this](bool on) { session_.CK_FT = on; });
    connect(txCSN, &QLineEdit::textChanged, this, [this] { UpdateScenarioAges(); });
    connect(txCSN, &QLineEdit::editingFinished, this, [this] { UpdateScenarioAges(); });
    connect(Command1, &QPushButton::clicked, this, [this] {
        if (onOpen) onOpen();
    });
    connect(Command2, &QPushButton::clicked, this, [this] { Commit(CommitMode::Modify); });
    connect(Command3, &QPushButton::clicked, this, [this] { Commit(CommitMode::Add); });
    connect(Command16, &QPushButton::clicked, this, &EditorWindow::RandomOfficer);
    connect(Check1, &QCheckBox::clicked, this, [this](bool ticked) { TickAllTactics(ticked); });
    connect(Command7, &QPushButton::clicked, this, [this] { cSF->setCurrentIndex(0); });
    connect(Command4, &QPushButton::clicked, this, &EditorWindow::ShowCompatibilityCount);
    connect(Command5, &QPushButton::clicked, this, &EditorWindow::ShowCharacterOfCode);
    connect(Command8, &QPushButton::clicked, this, &EditorWindow::OpenPicker);
    connect(Command18, &QPushButton::clicked, this, [this] {
        if (onOpenMap) onOpenMap();
    });
    // Number boxes select their whole text when they get the focus, so typing replaces it.
    for (QLineEdit* box : {txCSN, txSWN, txLTY, txLWG, txLZH, txLZZ, txLQY, Picture2->txSER}) box->installEventFilter(this);
    // The values the game itself uses, in the boxes' tooltips.
    for (const GameRange& range : kGameRanges)
        findChild<QLineEdit*>(QString::fromLatin1(range.box))
            ->setToolTip(platform::FromGbk(range.label) + QStringLiteral("：游戏使用 %1～%2").arg(range.low).arg(range.high));
    txSWN->setToolTip(QStringLiteral("死亡年：游戏使用不早于诞生年的年份"));
}

bool EditorWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            // After the click that gave the focus has placed the cursor.
            QTimer::singleShot(0, box, [box] {
                if (!box->text().isEmpty()) box->selectAll();
            });
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void EditorWindow::closeEvent(QCloseEvent* event) {
    if (onClosed) onClosed();
    QMainWindow::closeEvent(event);
}

void EditorWindow::TickAllTactics(bool ticked) {
    for (QCheckBox* tactic : SKill1) tactic->setChecked(ticked);
}

void EditorWindow::ShowCompatibilityCount() {
    messages_.Show({std::to_string(cXXWJ->count()), {}, {}, {}, 0});
}

// The character whose code is the number in txchr: a byte below 256, else a double-byte code.
void EditorWindow::ShowCharacterOfCode() {
    const double number = RoundHalfEven(LeadingNumber(platform::ToGbk(txchr->text())));
    if (!(number >= -32768 && number <= 65535)) return;  // outside the character codes: nothing to show
    int value = static_cast<int>(number);
    if (value < 0) value += 65536;  // negative codes name the same double-byte characters
    std::string bytes;
    if (value > 255) bytes.push_back(static_cast<char>(value >> 8));
    bytes.push_back(static_cast<char>(value & 0xFF));
    messages_.Show({bytes, {}, {}, {}, 0});
}

void EditorWindow::OpenPicker() {
    if (onOpenPicker) onOpenPicker();
}

QWidget* EditorWindow::BuildPortrait() {
    auto* box = new QGroupBox(QStringLiteral("头像"));
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
    cgRow->addWidget(Caption(QStringLiteral("CG号")));
    cgRow->addWidget(lbCG, 1);
    Command8 = Named(new QPushButton(QStringLiteral("选择头像")), "Command8");
    cgRow->addWidget(Command8);
    layout->addLayout(cgRow);
    ZZZZ = Named(new QCheckBox(QStringLiteral("中日文译")), "ZZZZ");
    ZZZZ->setChecked(true);
    CK_FT = Named(new QCheckBox(QStringLiteral("输入繁体字内容请打√")), "CK_FT");
    // Red on near-black through the palette: the box itself keeps its own colours, ticked or not.
    platform::SetColours(CK_FT, QColor(0x10, 0x10, 0x10), QColor(0xe0, 0x20, 0x20));
    CK_FT->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(ZZZZ);
    layout->addWidget(CK_FT);
    layout->addWidget(Caption(QStringLiteral("打开存档")));
    Command1 = Named(new QPushButton(QStringLiteral("打开")), "Command1");
    txOpen = Named(new QLineEdit(QStringLiteral("目标文件为:\\KOEI\\Nobunaga12 TC\\EDIT\\SETDATA\\EDATA000.12s")), "txOpen");
    txOpen->setReadOnly(true);
    txOpen->setCursorPosition(0);
    txOpen->setFixedWidth(150);
    layout->addWidget(txOpen);
    layout->addWidget(Command1);
    layout->addSpacing(8);
    Command2 = Named(new QPushButton(QStringLiteral("修改")), "Command2");
    Command3 = Named(new QPushButton(QStringLiteral("添加")), "Command3");
    Command16 = Named(new QPushButton, "Command16");
    Command16->setIcon(QIcon(RandomOfficerPicture()));
    Command16->setIconSize(QSize(96, 24));
    Command16->setToolTip(QStringLiteral("随机武将"));
    layout->addWidget(Command2);
    layout->addWidget(Command3);
    layout->addWidget(Command16);
    layout->addStretch();
    return box;
}

QWidget* EditorWindow::BuildIdentity() {
    auto* box = new QGroupBox(QStringLiteral("姓名与生平"));
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
    g->addWidget(Caption(QStringLiteral("姓")), 0, 0);
    g->addWidget(txX, 0, 1);
    g->addWidget(Caption(QStringLiteral("姓音:")), 0, 2);
    g->addWidget(txXP, 0, 3);
    g->addWidget(Caption(QStringLiteral("性别")), 0, 4);
    g->addWidget(cSB, 0, 5);
    g->addWidget(Caption(QStringLiteral("名")), 1, 0);
    g->addWidget(txM, 1, 1);
    g->addWidget(Caption(QStringLiteral("名音:")), 1, 2);
    g->addWidget(txMP, 1, 3);
    g->addWidget(Caption(QStringLiteral("列传")), 2, 0);
    g->addWidget(txLJ, 2, 1, 1, 6);
    auto* years = new QHBoxLayout;
    years->addWidget(Caption(QStringLiteral("诞生年")));
    years->addWidget(txCSN);
    years->addWidget(Caption(QStringLiteral("死亡年")));
    years->addWidget(txSWN);
    years->addStretch();
    g->addLayout(years, 3, 0, 1, 7);
    auto* ages = new QGridLayout;
    for (int i = 0; i < 4; ++i) {
        lbTl[static_cast<std::size_t>(i)] = Named(new QLabel, ("lbTl" + std::to_string(i)).c_str());
        platform::SetColours(lbTl[static_cast<std::size_t>(i)], QColor(), QColor(0x30, 0x30, 0x80));
        ages->addWidget(lbTl[static_cast<std::size_t>(i)], i / 2, i % 2);
    }
    g->addLayout(ages, 4, 0, 1, 7);
    g->setColumnStretch(6, 1);
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildAbilities() {
    auto* box = new QGroupBox(QStringLiteral("能力"));
    auto* g = new QGridLayout(box);
    txLTY = Box("txLTY", 44);
    txLWG = Box("txLWG", 44);
    txLZH = Box("txLZH", 44);
    txLZZ = Box("txLZZ", 44);
    txLQY = Box("txLQY", 44);
    const std::pair<const char16_t*, QLineEdit*> rows[] = {
        {u"统御", txLTY}, {u"武力", txLWG}, {u"智力", txLZH}, {u"政治", txLZZ}, {u"义理", txLQY}};
    int r = 0;
    for (const auto& [label, edit] : rows) {
        g->addWidget(Caption(QString::fromUtf16(label)), r % 3, (r / 3) * 2);
        g->addWidget(edit, r % 3, (r / 3) * 2 + 1);
        ++r;
    }
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildAptitudes() {
    auto* box = new QGroupBox(QStringLiteral("适性"));
    auto* g = new QGridLayout(box);
    const QStringList labels = vocabulary::AptitudeLabels();
    for (int k = 0; k < kAptitudeCount; ++k) {
        auto* list = FixedList(("SkillList" + std::to_string(k)).c_str(), vocabulary::Ranks());
        SkillList[static_cast<std::size_t>(k)] = list;
        g->addWidget(Caption(labels[k]), k / 3, (k % 3) * 2);
        g->addWidget(list, k / 3, (k % 3) * 2 + 1);
    }
    Compact(g);
    return box;
}

QWidget* EditorWindow::BuildTactics() {
    auto* box = new QGroupBox(QStringLiteral("战法"));
    auto* g = new QGridLayout(box);
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    const QStringList names = vocabulary::TacticNames();
    const QStringList groups = {QStringLiteral("足轻"), QStringLiteral("骑马"), QStringLiteral("弓"), QStringLiteral("铁炮"),
                                QStringLiteral("计略")};
    const int starts[] = {0, 6, 12, 16, 22, 30};
    for (int group = 0; group < 5; ++group) {
        g->addWidget(Caption(groups[group]), group, 0);
        for (int t = starts[group]; t < starts[group + 1]; ++t) {
            auto* tactic = Named(new QCheckBox, ("SKill1" + std::to_string(t)).c_str());
            tactic->setIcon(QIcon(TacticPicture(t, names[t])));
            tactic->setIconSize(QSize(52, 20));
            tactic->setToolTip(names[t]);
            SKill1[static_cast<std::size_t>(t)] = tactic;
            g->addWidget(tactic, group, 1 + t - starts[group]);
        }
    }
    Check1 = Named(new QCheckBox(QStringLiteral("战法全满")), "Check1");
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
    auto* box = new QGroupBox(QStringLiteral("关系"));
    auto* g = new QGridLayout(box);
    cSF = NameList("cSF", names_.WithNone());
    cXXWJ = NameList("cXXWJ", names_.BuiltIn());
    cQEWJ1 = NameList("cQEWJ1", names_.WithNone());
    cQEWJ2 = NameList("cQEWJ2", names_.WithNone());
    cYEWJ1 = NameList("cYEWJ1", names_.WithNone());
    cYEWJ2 = NameList("cYEWJ2", names_.WithNone());
    g->setHorizontalSpacing(3);
    g->addWidget(Caption(QStringLiteral("实    父")), 0, 0);
    g->addWidget(cSF, 0, 1);
    auto* father = new QHBoxLayout;
    father->setSpacing(2);
    father->addWidget(PickButton("Command14", PickTarget::Father));
    Command7 = Named(new QPushButton(QStringLiteral("×")), "Command7");
    Command7->setFixedWidth(22);
    Command7->setToolTip(QStringLiteral("实父设为“无”"));
    father->addWidget(Command7);
    g->addLayout(father, 0, 2);
    g->addWidget(Caption(QStringLiteral("相性武将")), 0, 3);
    g->addWidget(cXXWJ, 0, 4);
    g->addWidget(PickButton("Command15", PickTarget::Compatibility), 0, 5);
    g->addWidget(Caption(QStringLiteral("亲爱武将")), 1, 0);
    g->addWidget(cQEWJ1, 1, 1);
    g->addWidget(PickButton("Command10", PickTarget::Liked1), 1, 2);
    g->addWidget(cQEWJ2, 1, 4);
    g->addWidget(PickButton("Command12", PickTarget::Liked2), 1, 5);
    g->addWidget(Caption(QStringLiteral("嫌恶武将")), 2, 0);
    g->addWidget(cYEWJ1, 2, 1);
    g->addWidget(PickButton("Command11", PickTarget::Disliked1), 2, 2);
    g->addWidget(cYEWJ2, 2, 4);
    g->addWidget(PickButton("Command13", PickTarget::Disliked2), 2, 5);
    Compact(g);
    return box;
}

QPushButton* EditorWindow::PickButton(const char* name, PickTarget target) {
    auto* button = Named(new QPushButton(QStringLiteral("选")), name);
    button->setFixedWidth(26);
    button->setToolTip(QStringLiteral("从武将列表中选择"));
    connect(button, &QPushButton::clicked, this, [this, target] { Pick(target); });
    QPushButton** member[] = {nullptr, &Command15, &Command10, &Command12, &Command11, &Command13, &Command14};
    if (auto** slot = member[static_cast<int>(target)]) *slot = button;
    return button;
}

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

QWidget* EditorWindow::BuildStanding() {
    auto* box = new QGroupBox(QStringLiteral("身份"));
    auto* g = new QGridLayout(box);
    cCZ = FixedList("cCZ", vocabulary::Origins());
    cXY = FixedList("cXY", vocabulary::Faiths());
    cSS = FixedList("cSS", vocabulary::Castles());
    cZT = FixedList("cZT", vocabulary::Statuses());
    cCCDC = FixedList("cCCDC", vocabulary::Appearances());
    g->addWidget(Caption(QStringLiteral("出    自")), 0, 0);
    g->addWidget(cCZ, 0, 1);
    g->addWidget(Caption(QStringLiteral("信    仰")), 0, 2);
    g->addWidget(cXY, 0, 3);
    g->addWidget(Caption(QStringLiteral("所    属")), 1, 0);
    auto* castle = new QHBoxLayout;
    castle->setSpacing(2);
    castle->addWidget(cSS, 1);
    Command18 = Named(new QPushButton(QStringLiteral("B")), "Command18");
    Command18->setFixedWidth(24);
    Command18->setToolTip(QStringLiteral("在地图上选择所属城"));
    castle->addWidget(Command18);
    g->addLayout(castle, 1, 1);
    g->addWidget(Caption(QStringLiteral("状    态")), 1, 2);
    g->addWidget(cZT, 1, 3);
    g->addWidget(Caption(QStringLiteral("登场/出场")), 2, 0);
    g->addWidget(cCCDC, 2, 1);
    auto* voices = new QHBoxLayout;
    voiceGroup_ = new QButtonGroup(this);
    const QStringList labels = vocabulary::VoiceLabels();
    for (int k = 0; k < 6; ++k) {
        auto* option = Named(new QRadioButton, ("SD" + std::to_string(k)).c_str());
        option->setIcon(QIcon(VoicePicture(k, labels[k])));
        option->setIconSize(QSize(40, 20));
        option->setToolTip(labels[k]);
        SD[static_cast<std::size_t>(k)] = option;
        voiceGroup_->addButton(option, k);
        voices->addWidget(option);
    }
    connect(voiceGroup_, &QButtonGroup::idClicked, this, [this](int k) { VoicePreview(k); });
    g->addWidget(Caption(QStringLiteral("声音")), 3, 0);
    g->addLayout(voices, 3, 1, 1, 3);
    Compact(g);
    return box;
}

// The controls and the values they hold, in one list each, so that reading and setting agree.
std::vector<std::pair<QLineEdit*, std::string EditorValues::*>> EditorWindow::TextBoxes() const {
    return {{txX, &EditorValues::txX},     {txXP, &EditorValues::txXP},   {txM, &EditorValues::txM},
            {txMP, &EditorValues::txMP},   {txLJ, &EditorValues::txLJ},   {txLTY, &EditorValues::txLTY},
            {txLWG, &EditorValues::txLWG}, {txLZH, &EditorValues::txLZH}, {txLZZ, &EditorValues::txLZZ},
            {txLQY, &EditorValues::txLQY}, {txCSN, &EditorValues::txCSN}, {txSWN, &EditorValues::txSWN}};
}

std::vector<std::pair<QComboBox*, int EditorValues::*>> EditorWindow::FixedLists() const {
    return {{cSB, &EditorValues::cSB}, {cCZ, &EditorValues::cCZ}, {cXY, &EditorValues::cXY},
            {cZT, &EditorValues::cZT}, {cSS, &EditorValues::cSS}, {cCCDC, &EditorValues::cCCDC}};
}

std::vector<std::pair<QComboBox*, int EditorValues::*>> EditorWindow::NameLists() const {
    return {{cQEWJ1, &EditorValues::cQEWJ1}, {cQEWJ2, &EditorValues::cQEWJ2}, {cYEWJ1, &EditorValues::cYEWJ1},
            {cYEWJ2, &EditorValues::cYEWJ2}, {cSF, &EditorValues::cSF}};
}

EditorValues EditorWindow::Values() const {
    EditorValues v;
    for (const auto& [box, field] : TextBoxes()) v.*field = platform::ToGbk(box->text());
    auto fixed = [](const QComboBox* list) {
        const int index = list->currentIndex();
        return index >= list->property(kVocabularySize).toInt() ? kUnlistedItem : index;
    };
    for (const auto& [list, field] : FixedLists()) v.*field = fixed(list);
    for (const auto& [list, field] : NameLists()) v.*field = NamePosition(list);
    v.cXXWJ = NamePosition(cXXWJ);
    for (std::size_t k = 0; k < SkillList.size(); ++k) v.SkillList[k] = fixed(SkillList[k]);
    for (std::size_t t = 0; t < SKill1.size(); ++t) v.SKill1[t] = SKill1[t]->isChecked();
    v.SD = voiceGroup_->checkedId();
    v.shown = kept_.shown;
    v.unlisted = kept_.unlisted;
    // Characters typed that GBK cannot hold never reach the officer: they are named for the question.
    for (const char* name : kTextBoxNames) {
        const auto* box = findChild<QLineEdit*>(QString::fromLatin1(name));
        std::string notes;
        for (const char32_t c : platform::CharactersNotInGbk(box->text()))
            notes += (notes.empty() ? "" : " ") + QStringLiteral("U+%1").arg(static_cast<uint>(c), 4, 16, QLatin1Char('0')).toUpper().toStdString();
        if (!notes.empty()) v.notEncodable[name] = notes;
    }
    return v;
}

// A stored value that no item stands for gets one item of its own, "（value）", after the list's
// own items, so that it is shown and committed unchanged rather than replaced by another item.
void EditorWindow::SelectFixed(QComboBox* list, int item, const EditorValues& v) const {
    const int size = list->property(kVocabularySize).toInt();
    while (list->count() > size) list->removeItem(list->count() - 1);
    if (item == kUnlistedItem) {
        const auto value = v.unlisted.find(list->objectName().toStdString());
        if (value != v.unlisted.end()) {
            list->addItem(UnlistedText(value->second));
            list->setCurrentIndex(size);
            return;
        }
    }
    list->setCurrentIndex(item >= 0 && item < size ? item : -1);
}

// The name of a registered officer's list item as the list would hold it.
QString EditorWindow::RegisteredName(int item) const {
    const int slot = item - kBuiltInOfficerCount;
    if (slot < 1 || slot > kSlotCount) return UnlistedText(item);
    const OfficerRecord& r = session_.Officers[slot].Record;
    auto field = [&](const auto& bytes) {
        const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return CutAtNul(session_.ZZZZ ? DecodeFromGame(session_, raw) : std::string(raw));
    };
    return platform::FromGbk(field(r.FamilyName) + field(r.GivenName));
}

// Officer-name lists: an officer's item is made to exist when the names were not entered (中日文译
// unticked); a number that names no officer is shown as the list's own unlisted item.
void EditorWindow::SelectName(QComboBox* list, int item, const EditorValues& v) const {
    const NameListModels& models = nameLists_.at(list);
    if (item == kUnlistedItem) {
        const auto value = v.unlisted.find(list->objectName().toStdString());
        if (value != v.unlisted.end()) {
            models.unlisted->setStringList({UnlistedText(value->second)});
            list->setCurrentIndex(models.names->rowCount());
            return;
        }
    }
    models.unlisted->setStringList({});
    if (list != cXXWJ && item >= models.names->rowCount() && item <= kBuiltInOfficerCount + kSlotCount)
        names_.EnsureItem(item, [this](int i) { return RegisteredName(i); });
    list->setCurrentIndex(item >= 0 && item < models.names->rowCount() ? item : -1);
}

int EditorWindow::NamePosition(const QComboBox* list) const {
    const int index = list->currentIndex();
    return index >= nameLists_.at(list).names->rowCount() ? kUnlistedItem : index;
}

void EditorWindow::SetValues(const EditorValues& v) {
    kept_.shown = v.shown;
    kept_.unlisted = v.unlisted;
    // A text box shows its text up to the first NUL, as the field it came from ends there.
    for (const auto& [box, field] : TextBoxes()) {
        box->setText(platform::FromGbk(CutAtNul(v.*field)));
        box->setCursorPosition(0);
        // A box showing the stored text records it as the box gives it back, which is what a commit
        // compares with: raw or undecodable bytes do not come back from the box as they went in.
        const auto shown = kept_.shown.find(box->objectName().toStdString());
        if (shown != kept_.shown.end() && shown->second.text == v.*field) shown->second.text = platform::ToGbk(box->text());
    }
    for (const auto& [list, field] : FixedLists()) SelectFixed(list, v.*field, v);
    for (const auto& [list, field] : NameLists()) SelectName(list, v.*field, v);
    // The compatibility list holds built-in officers only.
    SelectName(cXXWJ, v.cXXWJ, v);
    for (std::size_t k = 0; k < SkillList.size(); ++k) SelectFixed(SkillList[k], v.SkillList[k], v);
    for (std::size_t t = 0; t < SKill1.size(); ++t) SKill1[t]->setChecked(v.SKill1[t]);
    // The voice option is set without playing; ShowOfficer plays it as a click would.
    voiceGroup_->setExclusive(false);
    for (int k = 0; k < 6; ++k) SD[static_cast<std::size_t>(k)]->setChecked(k == v.SD);
    voiceGroup_->setExclusive(true);
}

void EditorWindow::ApplyBlankDefaults() {
    // Items added for out-of-range values go again.
    auto trim = [](QComboBox* list) {
        const int size = list->property(kVocabularySize).toInt();
        while (list->count() > size) list->removeItem(list->count() - 1);
    };
    for (const auto& [list, field] : FixedLists()) trim(list);
    for (QComboBox* list : SkillList) trim(list);
    EditorValues values = Values();
    busho::ApplyBlankDefaults(values, session_);
    SetValues(values);
    ShowPortraitNumber();
}

void EditorWindow::ShowPortraitNumber() { lbCG->setText(QString::number(session_.CurrentPortrait)); }

void EditorWindow::ShowOfficer(int slot) {
    EditorValues values = Values();
    busho::ShowOfficer(session_, slot, values);
    SetValues(values);
    ShowLargePortrait(session_.Officers[slot].Record.PortraitNumber);
    ShowPortraitNumber();
    if (values.SD >= 0 && values.SD < 6) VoicePreview(values.SD);
}

void EditorWindow::UpdateScenarioAges() {
    const auto texts = ScenarioAgeTexts(platform::ToGbk(txCSN->text()));
    for (std::size_t i = 0; i < 4; ++i) lbTl[i]->setText(platform::FromGbk(texts[i]));
}

void EditorWindow::SetScenarioCaptions() {
    const auto captions = ScenarioCaptions();
    for (std::size_t i = 0; i < 4; ++i) lbTl[i]->setText(platform::FromGbk(captions[i]));
}

void EditorWindow::OpenReadme() {
    // Each click asks the desktop again; where it has no viewer for text files the program shows the
    // readme itself.
    const std::filesystem::path readme = session_.ProgramFolder / "readme.txt";
    std::error_code error;
    if (!std::filesystem::is_regular_file(readme, error)) {
        messages_.Show({platform::ToGbk(QStringLiteral("找不到说明文档：")), readme, {}, {}, text_gbk::kStyleCritical});
        return;
    }
    if (openDocument && openDocument(QUrl::fromLocalFile(QString::fromStdU16String(readme.u16string())))) return;
    if (!readmeWindow_) readmeWindow_ = new ReadmeWindow(this);
    if (!readmeWindow_->Load(readme)) {
        messages_.Show({platform::ToGbk(QStringLiteral("无法读取说明文档：")), readme, {}, {}, text_gbk::kStyleCritical});
        return;
    }
    readmeWindow_->show();
    readmeWindow_->raise();
    readmeWindow_->activateWindow();
}

void EditorWindow::VoicePreview(int voiceType) {
    SD[static_cast<std::size_t>(voiceType)]->setChecked(true);
    session_.Random.ReseedFromClock();
    const int n = session_.Random.Draw(49);
    voices_.Stop();
    voices_.Play(GamePath(session_.GameFolder, std::string(kVoicePathPrefix[voiceType]) + std::to_string(n) + ".wav"));
}

void EditorWindow::ShowLargePortrait(int portraitNumber) {
    const PortraitSource source = LargePortraitSource(portraitNumber);
    faces_.DrawFromFile(Picture1, GamePath(session_.GameFolder, source.archive), source.face);
    // A face larger than the portrait's place widens the place once; smaller faces leave it.
    QWidget* place = Picture1->parentWidget();
    place->setFixedSize(place->size().expandedTo(Picture1->size()));
}

void EditorWindow::ShowMediumPortrait(int portraitNumber) {
    if (!faces_.DrawMedium(Picture1, SetOfPortrait(portraitNumber), FaceOfPortrait(portraitNumber))) return;
    Picture1->setVisible(true);
    lbCG->setText(QString::number(portraitNumber));
}

void EditorWindow::Commit(CommitMode mode) {
    EditorValues values = Values();
    CommitResult result = CommitOfficer(session_, values, mode);
    if (result.question) {
        // Characters or numbers the user may not expect: cancel leaves everything as it was.
        if (!messages_.AskYesNo(*result.question)) return;
        values = Values();
        result = CommitOfficer(session_, values, mode, {true, true});
    }
    SetValues(values);  // normalised names, readings, replaced biography and years
    if (result.message) messages_.Show(*result.message);
    QLineEdit* focus = nullptr;
    switch (result.focus) {
        case CommitFocus::FamilyName: focus = txX; break;
        case CommitFocus::GivenName: focus = txM; break;
        case CommitFocus::Leadership: focus = txLTY; break;
        case CommitFocus::Valour: focus = txLWG; break;
        case CommitFocus::Intellect: focus = txLZH; break;
        case CommitFocus::Politics: focus = txLZZ; break;
        case CommitFocus::Duty: focus = txLQY; break;
        case CommitFocus::BirthYear: focus = txCSN; break;
        case CommitFocus::DeathYear: focus = txSWN; break;
        case CommitFocus::FamilyNameReading: focus = txXP; break;
        case CommitFocus::GivenNameReading: focus = txMP; break;
        case CommitFocus::Biography: focus = txLJ; break;
        case CommitFocus::None: break;
    }
    if (focus) {
        focus->setFocus();
        focus->selectAll();
    }
    if (!result.committed) return;
    if (onCommitted) onCommitted(session_.CurrentSlot);
    ShowOfficer(session_.CurrentSlot);
}

void EditorWindow::RandomOfficer() {
    for (QCheckBox* tactic : SKill1) tactic->setChecked(false);
    EditorValues values = Values();
    session_.Random.ReseedFromClock();
    const int face = DrawRandomOfficer(values, session_.Random, names_.BuiltInGbk());
    SetValues(values);
    ShowLargePortrait(face);  // a standard face: its portrait number is the face number
    session_.CurrentPortrait = face;
    ShowPortraitNumber();
}

void EditorWindow::Pick(PickTarget target) {
    session_.PickTarget = target;
    QComboBox* aimed = AimedList(target);
    const int chosen = NamePosition(aimed);
    if (!Picture2->isVisible()) Picture2->move(std::max(0, centralWidget()->width() - Picture2->width() - 8), 8);
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
        p.pLL[b]->setFixedWidth(bar.widthTwips / 15);
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
        if (!messages_.AskYesNo({text_gbk::kContinueQuestion, {}, {}, text_gbk::kTitleNotice, 48})) return;
    }
}

}  // namespace busho
