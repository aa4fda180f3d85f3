#include "platform/widget_colours.h"
#include "portrait_picker_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include <cmath>

#include "face_preview_window.h"
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "core/data/session.h"
#include "core/editing/officer_view.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "face_view.h"

namespace busho {
namespace {

constexpr int kTwips = 15;
constexpr int kColumnLefts[5] = {240, 1920, 3600, 5280, 6960};
constexpr int kRowTops[3] = {240, 2280, 4320};

QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwips, top / kTwips, width / kTwips, height / kTwips);
}



}  // namespace

PortraitPickerWindow::PortraitPickerWindow(Session& session, platform::MessageBoxes& messages, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), messages_(messages) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("武将ＣＧ一览"));
    setFixedSize(9030 / kTwips, 7665 / kTwips);

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(Twips(60, 60, 8910, 6960));
    auto makePage = [&](const QString& title, QFrame*& frame, std::array<QLabel*, 15>& views, QScrollBar*& bar, QLabel*& label,
                        QLineEdit*& text, const char* frameName, const char* viewName, const char* barName, const char* labelName,
                        const char* textName, int barWidth, int labelLeft, int textLeft) {
        auto* page = new QWidget;
        frame = new QFrame(page);
        frame->setObjectName(QString::fromLatin1(frameName));
        frame->setFrameShape(QFrame::StyledPanel);
        frame->setGeometry(Twips(120, 60, 8655, 6495));
        for (int i = 0; i < 15; ++i) {
            auto* view = new QLabel(frame);
            view->setObjectName(QString::fromLatin1(viewName));
            view->setProperty("Index", i);
            view->setGeometry(Twips(kColumnLefts[i % 5], kRowTops[i / 5], 975, 1095));
            view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            view->setFrameStyle(QFrame::Box | QFrame::Plain);
            platform::SetColours(view, Qt::white, QColor(0x80, 0x80, 0x80));
            view->installEventFilter(this);
            views[static_cast<std::size_t>(i)] = view;
        }
        bar = new QScrollBar(Qt::Horizontal, frame);
        bar->setObjectName(QString::fromLatin1(barName));
        bar->setGeometry(Twips(120, 6120, barWidth, 255));
        bar->setRange(1, 1);
        bar->setValue(1);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        label = new QLabel(QStringLiteral("指定"), frame);
        label->setObjectName(QString::fromLatin1(labelName));
        label->setGeometry(Twips(labelLeft, 6100, 480, 240));
        text = new QLineEdit(frame);
        text->setObjectName(QString::fromLatin1(textName));
        text->setGeometry(Twips(textLeft, 6060, 735, 330));
        text->installEventFilter(this);
        SSTab1->addTab(page, title);
    };
    makePage(QStringLiteral("史实武将ＣＧ"), Frame1, PICC4, HS, Label1, Text1, "Frame1", "PICC4", "HS", "Label1", "Text1", 6735, 7080, 7560);
    makePage(QStringLiteral("新增武将ＣＧ"), Frame2, PICC5, ZHS, Label2, Text2, "Frame2", "PICC5", "ZHS", "Label2", "Text2", 7095, 7320, 7800);

    Srec = new QFrame(Frame1);
    Srec->setObjectName(QStringLiteral("Srec"));
    Srec->setFrameStyle(QFrame::Box | QFrame::Plain);
    Srec->setLineWidth(2);
    platform::SetColours(Srec, QColor(), Qt::red);
    Srec->setAttribute(Qt::WA_TransparentForMouseEvents);
    Srec->hide();

    Command1 = new QPushButton(QStringLiteral("更改"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips(240, 7080, 1095, 375));
    Command2 = new QPushButton(QStringLiteral("取消"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(Twips(1440, 7080, 1095, 375));
    Tmppic = new QLabel(this);
    Tmppic->setObjectName(QStringLiteral("Tmppic"));
    Tmppic->hide();
    Tmppic2 = new QLabel(this);
    Tmppic2->setObjectName(QStringLiteral("Tmppic2"));
    Tmppic2->hide();

    connect(HS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWJCG);
    connect(ZHS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWjCGZ);
    connect(Command1, &QPushButton::clicked, this, &PortraitPickerWindow::Change);
    connect(Command2, &QPushButton::clicked, this, &PortraitPickerWindow::Cancel);
}

PortraitPickerWindow::~PortraitPickerWindow() { delete form5_; }

void PortraitPickerWindow::Load() {
    struct Set {
        FaceArchive* archive;
        const char* relative;
        QScrollBar* bar;
        void (PortraitPickerWindow::*draw)(int);
    };
    for (const Set& set : {Set{&standardMedium_, kStandardMediumFaces, HS, &PortraitPickerWindow::DispWJCG},
                           Set{&editMedium_, kEditMediumFaces, ZHS, &PortraitPickerWindow::DispWjCGZ}}) {
        const auto path = GamePath(session_.GameFolder, set.relative);
        if (!set.archive->Open(path)) {
            messages_.Show({std::string(text_gbk::kTextOpenFaceFailed) + "\r", path, set.archive->Error(), {}, text_gbk::kStyleCritical});
            continue;
        }
        // One page more than a multiple of fifteen fills, as the page count has always been.
        const QSignalBlocker block(set.bar);
        set.bar->setRange(1, set.archive->FaceCount() / 15 + 1);
        set.bar->setValue(1);
        (this->*set.draw)(1);
    }
    loaded_ = true;
}

void PortraitPickerWindow::EnsureLoaded() {
    if (!loaded_) Load();
}

void PortraitPickerWindow::DrawPage(FaceArchive& archive, std::array<QLabel*, 15>& views, QLabel* scratch, int page) {
    if (!archive.IsOpen()) return;
    for (int i = 0; i < 15; ++i) {
        const int k = (page - 1) * 15 + i;
        // Faces beyond the archive leave their thumbnail as it was.
        if (k < 0 || k >= archive.FaceCount() || !archive.ReadKaoFace(k)) continue;
        PutFace(views[static_cast<std::size_t>(i)], scratch, archive.DecodedFace());
    }
}

void PortraitPickerWindow::DispWJCG(int page) { DrawPage(standardMedium_, PICC4, Tmppic, page); }
void PortraitPickerWindow::DispWjCGZ(int page) { DrawPage(editMedium_, PICC5, Tmppic2, page); }

void PortraitPickerWindow::ThumbnailClicked(bool standard, int i) {
    if (standard) {
        const QRect thumb = PICC4[static_cast<std::size_t>(i)]->geometry();
        // 50 twips around the thumbnail.
        Srec->setGeometry(thumb.adjusted(-3, -3, 4, 4));
        Srec->show();
        Srec->raise();
    }
    QScrollBar* bar = standard ? HS : ZHS;
    const auto k = static_cast<std::int16_t>((bar->value() - 1) * 15 + i);
    if (drawEditorFace) drawEditorFace(GamePath(session_.GameFolder, standard ? kStandardLargeFaces : kEditLargeFaces), k);
    session_.CurrentPortrait = standard ? k : k + 1700;
    if (showPortraitNumber) showPortraitNumber();
}

void PortraitPickerWindow::PreviewPressed(bool standard, int i, QPoint position) {
    if (!form5_) form5_ = new FacePreviewWindow;
    form5_->show();
    // Beside the pointer, where the press was.
    const QLabel* thumbnail = (standard ? PICC4 : PICC5)[static_cast<std::size_t>(i)];
    form5_->move(thumbnail->mapToGlobal(position) + QPoint(16, 16));
    const int k = ((standard ? HS : ZHS)->value() - 1) * 15 + i;
    const char* sizes[3] = {standard ? kStandardLargeFaces : kEditLargeFaces, standard ? kStandardMediumFaces : kEditMediumFaces,
                            standard ? kStandardSmallFaces : kEditSmallFaces};
    QLabel* views[3] = {form5_->Picture1, form5_->Picture2, form5_->Picture3};
    for (int s = 0; s < 3; ++s) DispCGFile(views[s], form5_->Picture4, GamePath(session_.GameFolder, sizes[s]), k, messages_);
}

void PortraitPickerWindow::TypedNumber(bool standard) {
    const std::string text = platform::ToGbk((standard ? Text1 : Text2)->text());
    double v = LeadingNumber(text);
    if (!standard) {
        // The edit set is typed with its 1700 offset; a text that is no number does nothing.
        if (text.find_first_of("0123456789") == std::string::npos) return;
        v -= 1700;
    }
    FaceArchive& archive = standard ? standardMedium_ : editMedium_;
    if (!archive.IsOpen() || v < 0 || v >= archive.FaceCount()) return;
    const int n = static_cast<int>(RoundHalfEven(v));
    const auto& draw = standard ? dispSSCG : dispZJCG;
    if (draw) draw(n);
    // The face shown is the one "更改" gives the officer.
    session_.CurrentPortrait = standard ? n : n + 1700;
    if (showPortraitNumber) showPortraitNumber();
    if (v >= 15) (standard ? HS : ZHS)->setValue(static_cast<int>(v / 15) + 1);
}

void PortraitPickerWindow::Change() {
    if (session_.CurrentSlot > 0) {
        session_.Officers[session_.CurrentSlot].Record.PortraitNumber = session_.CurrentPortrait;
        if (onPortraitChanged) onPortraitChanged(session_.CurrentSlot);
    }
    if (showPortraitNumber) showPortraitNumber();
    hide();
}

void PortraitPickerWindow::Cancel() {
    if (session_.CurrentSlot == 0) {
        hide();
        return;
    }
    // Back to the officer's own face, from the archive its number belongs to.
    const int p = session_.Officers[session_.CurrentSlot].Record.PortraitNumber;
    if (p >= 1700) {
        if (dispZJCG) dispZJCG(p - 1700);
    } else if (dispSSCG) {
        dispSSCG(p);
    }
    hide();
    session_.CurrentPortrait = p;
    if (showPortraitNumber) showPortraitNumber();  // also when the face cannot be drawn
}

void PortraitPickerWindow::hideEvent(QHideEvent* event) {
    // The preview never outlives the picker on screen.
    if (form5_) form5_->hide();
    QWidget::hideEvent(event);
}

bool PortraitPickerWindow::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == Text1 || watched == Text2) && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            TypedNumber(watched == Text1);
            return true;
        }
        return false;
    }
    auto* view = qobject_cast<QLabel*>(watched);
    if (!view || !view->property("Index").isValid()) return false;
    const bool standard = view->objectName() == QLatin1String("PICC4");
    const int i = view->property("Index").toInt();
    // Only mouse presses and releases are mouse events: the cast follows the type check.
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton) PreviewPressed(standard, i, mouse->position().toPoint());
            return true;
        }
        case QEvent::MouseButtonRelease: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton && form5_) form5_->hide();
            // A click, with either button, follows the release.
            if (view->rect().contains(mouse->position().toPoint())) ThumbnailClicked(standard, i);
            return true;
        }
        default:
            return false;
    }
}

void PortraitPickerWindow::closeEvent(QCloseEvent* event) {
    // Closing unloads: the archives close, and the next use opens them again at page 1.
    standardMedium_.Close();
    editMedium_.Close();
    loaded_ = false;
    Srec->hide();
    QWidget::closeEvent(event);
}

}  // namespace busho
