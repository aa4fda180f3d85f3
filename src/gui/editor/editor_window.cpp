// The main window (Form1): its menus, the editor's parts put together, and its events.

#include "editor_window.h"

#include "platform/widget_colours.h"
#include <QAction>
#include <QMenuBar>
#include <cmath>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QCheckBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QUrl>
#include <vector>
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "control_pictures.h"
#include "core/editing/game_ranges.h"
#include "core/editing/list_row.h"
#include "core/editing/random_officer.h"
#include "core/editing/reference_figures.h"
#include "reference_panel.h"
#include "gui/auxiliary/readme_window.h"
#include "vocabulary.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/language_texts.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/portrait/face_drawer.h"
#include "core/text/text_fields.h"
#include "editor_widgets.h"

namespace busho {

using namespace editor_widgets;

namespace {

// A scroll area that asks for room for all of its content, so that the window opens at the size that
// shows every part; smaller than that, it scrolls.
class WholeContentScrollArea : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int frame = 2 * frameWidth();
        return (widget() ? widget()->sizeHint() : QSize()) + QSize(frame, frame);
    }
};

}  // namespace

EditorWindow::EditorWindow(Session& session, EditHistory& history, OfficerNameLists& names, platform::MessageBoxes& messages,
                           platform::VoicePlayer& voices, FaceDrawer& faces, QWidget* parent)
    : QMainWindow(parent), session_(session), history_(history), names_(names), messages_(messages), voices_(voices), faces_(faces) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("革新QorvaneFOR 中文PK版"));
    texts_ = new platform::LanguageTexts(this, "EditorWindow");

    auto* system = texts_->Caption(menuBar()->addMenu(QString()), QT_TRANSLATE_NOOP("EditorWindow", "系统"));
    M_RESTORE = Named(texts_->Caption(system->addAction(QString()), TextId::kMenuRestoreBackup), "M_RESTORE");
    connect(M_RESTORE, &QAction::triggered, this, [this] {
        if (onRestoreBackup) onRestoreBackup();
    });
    M_FOLDERS = Named(texts_->Caption(system->addAction(QString()), TextId::kMenuFolders), "M_FOLDERS");
    // 语言: each language in its own name, the one in use ticked; the application fills it.
    M_LANGUAGE = Named(texts_->Caption(system->addMenu(QString()), QT_TRANSLATE_NOOP("EditorWindow", "语言 / Language")), "M_LANGUAGE");
    system->addSeparator();
    M_EXIT = Named(texts_->Caption(system->addAction(QString()), QT_TRANSLATE_NOOP("EditorWindow", "退出")), "M_EXIT");
    auto* edit = texts_->Caption(menuBar()->addMenu(QString()), TextId::kMenuEdit);
    M_UNDO = Named(edit->addAction(QString()), "M_UNDO");
    M_REDO = Named(edit->addAction(QString()), "M_REDO");
    M_UNDO->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    M_REDO->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    connect(M_UNDO, &QAction::triggered, this, &EditorWindow::Undo);
    connect(M_REDO, &QAction::triggered, this, &EditorWindow::Redo);
    // The other windows come back from here as they were, without loading anything again.
    auto* windows = texts_->Caption(menuBar()->addMenu(QString()), TextId::kMenuWindows);
    M_LIST = Named(texts_->Caption(windows->addAction(QString()), TextId::kListCaption), "M_LIST");
    M_PICKER = Named(texts_->Caption(windows->addAction(QString()), TextId::kPickerCaption), "M_PICKER");
    windows->addSeparator();
    M_ARRANGE = Named(texts_->Caption(windows->addAction(QString()), TextId::kMenuArrange), "M_ARRANGE");
    auto* help = texts_->Caption(menuBar()->addMenu(QString()), QT_TRANSLATE_NOOP("EditorWindow", "帮助"));
    M_RDME = Named(texts_->Caption(help->addAction(QString()), QT_TRANSLATE_NOOP("EditorWindow", "说明文档")), "M_RDME");
    // Ends the program, after the question about unsaved changes.
    exitProgram = [](int status) { QApplication::exit(status); };
    connect(M_EXIT, &QAction::triggered, this, [this] {
        if (mayLeaveTable && !mayLeaveTable()) return;
        exitProgram(0);
    });
    openDocument = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connect(M_RDME, &QAction::triggered, this, &EditorWindow::OpenReadme);
    const std::pair<QAction*, std::function<void()> EditorWindow::*> callbacks[] = {
        {M_FOLDERS, &EditorWindow::onChooseFolders}, {M_LIST, &EditorWindow::onShowList},
        {M_PICKER, &EditorWindow::onOpenPicker},     {M_ARRANGE, &EditorWindow::onArrangeWindows}};
    for (const auto& [action, callback] : callbacks)
        connect(action, &QAction::triggered, this, [this, callback = callback] {
            if (this->*callback) (this->*callback)();
        });

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
    // The pictures and lists with words in them, before the scroll area first measures its content.
    texts_->Add([this] { SetVocabularyTexts(); });
    // On a screen smaller than the editor the window shrinks and its parts scroll.
    scrollArea_ = new WholeContentScrollArea;
    scrollArea_->setObjectName(QStringLiteral("editorScroll"));
    scrollArea_->setFrameShape(QFrame::NoFrame);
    scrollArea_->setWidgetResizable(true);
    scrollArea_->setWidget(central);
    setCentralWidget(scrollArea_);

    // The reference panel floats over the visible part of the editor; only the pick buttons show it.
    Picture2 = new ReferencePanel(scrollArea_->viewport());
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
    texts_->Add([this] {
        DescribeControls();
        if (scenarioAgesShown_) *scenarioAgesShown_ ? UpdateScenarioAges() : SetScenarioCaptions();
        // The scroll area asks for its content's size: in another language that size is another.
        scrollArea_->updateGeometry();
        ShowHistoryState();
    });
}

void EditorWindow::Undo() { TakeStep(false); }
void EditorWindow::Redo() { TakeStep(true); }

void EditorWindow::TakeStep(bool redo) {
    if (!(redo ? history_.CanRedo() : history_.CanUndo())) return;
    // Showing the officer the step changed replaces what the boxes hold.
    if (HasUncommittedEdits()) {
        const TextId action = redo ? TextId::kMenuRedo : TextId::kMenuUndo;
        if (!messages_.AskYesNo({Problem(TextId::kStepDropsEditsQuestion, {action}), TextId::kTitleNotice, text_gbk::kStyleWarning}))
            return;
    }
    const EditCommand* step = redo ? history_.Redo(session_) : history_.Undo(session_);
    if (step && onStepShown) onStepShown(step->Slots().front());
}

void EditorWindow::ShowHistoryState() {
    const auto entry = [](TextId action, const EditCommand* step) {
        return platform::InterfaceText(action) +
               (step ? QLatin1Char(' ') + platform::FormatText(step->Label().text, step->Label().args) : QString());
    };
    M_UNDO->setText(entry(TextId::kMenuUndo, history_.NextUndo()));
    M_UNDO->setEnabled(history_.CanUndo());
    M_REDO->setText(entry(TextId::kMenuRedo, history_.NextRedo()));
    M_REDO->setEnabled(history_.CanRedo());
    // The asterisk after the title: the table differs from the file on disk.
    if (!session_.AppTitle.empty())
        setWindowTitle(platform::CaptionText(session_.AppTitle) + (history_.IsModified() ? QStringLiteral("*") : QString()));
}

bool EditorWindow::HasUncommittedEdits() const {
    const int slot = session_.CurrentSlot;
    if (!session_.FileLoaded || slot < 1 || slot >= session_.EndSlot) return false;
    return Values() != shownValues_ || session_.CurrentPortrait != session_.Officers[slot].Record.PortraitNumber;
}

bool EditorWindow::SettleUncommitted() {
    if (!HasUncommittedEdits()) return true;
    const Message question{Problem(TextId::kUncommittedQuestion, {OfficerName(session_, session_.CurrentSlot, true)}),
                           TextId::kTitleNotice, text_gbk::kStyleWarning};
    switch (messages_.AskKeep(question, TextId::kButtonCommit, TextId::kButtonDontCommit)) {
        case platform::KeepAnswer::Keep: return Commit(CommitMode::Modify);
        case platform::KeepAnswer::Drop: return true;
        case platform::KeepAnswer::Cancel: return false;
    }
    return false;
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
    if (mayLeaveTable && !mayLeaveTable()) {
        event->ignore();
        return;
    }
    if (onClosed) onClosed();
    QMainWindow::closeEvent(event);
}

}  // namespace busho
