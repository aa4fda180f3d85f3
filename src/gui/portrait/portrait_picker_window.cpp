#include "platform/widget_colours.h"
#include "platform/twips.h"
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
#include "core/editing/commit_officer.h"
#include "core/text/box_numbers.h"
#include "platform/gbk_text.h"

namespace busho {
namespace {

constexpr int kTwips = kTwipsPerPixel;
constexpr int kFacesPerPage = 15;
constexpr int kColumnLefts[5] = {240, 1920, 3600, 5280, 6960};
constexpr int kRowTops[3] = {240, 2280, 4320};

QRect Twips(int left, int top, int width, int height) {
    return QRect(left / kTwips, top / kTwips, width / kTwips, height / kTwips);
}



}  // namespace

PortraitPickerWindow::PortraitPickerWindow(Session& session, EditHistory& history, FaceDrawer& faces, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), history_(history), faces_(faces) {
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
        for (int i = 0; i < kFacesPerPage; ++i) {
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

    connect(HS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWJCG);
    connect(ZHS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWjCGZ);
    connect(Command1, &QPushButton::clicked, this, &PortraitPickerWindow::Change);
    connect(Command2, &QPushButton::clicked, this, &PortraitPickerWindow::Cancel);
}

PortraitPickerWindow::~PortraitPickerWindow() { delete form5_; }

void PortraitPickerWindow::Load() {
    struct Set {
        FaceSet set;
        QScrollBar* bar;
        void (PortraitPickerWindow::*draw)(int);
    };
    for (const Set& set : {Set{FaceSet::Standard, HS, &PortraitPickerWindow::DispWJCG}, Set{FaceSet::Edit, ZHS, &PortraitPickerWindow::DispWjCGZ}}) {
        if (!faces_.OpenMedium(set.set)) continue;
        // One page more than a multiple of fifteen fills, as the page count has always been.
        const QSignalBlocker block(set.bar);
        set.bar->setRange(1, faces_.Medium(set.set).FaceCount() / kFacesPerPage + 1);
        set.bar->setValue(1);
        (this->*set.draw)(1);
    }
    loaded_ = true;
}

void PortraitPickerWindow::EnsureLoaded() {
    if (!loaded_) Load();
}

void PortraitPickerWindow::DrawPage(FaceSet set, std::array<QLabel*, 15>& views, int page) {
    // Faces beyond the archive leave their thumbnail as it was.
    for (int i = 0; i < kFacesPerPage; ++i) faces_.DrawMedium(views[static_cast<std::size_t>(i)], set, (page - 1) * kFacesPerPage + i);
}

void PortraitPickerWindow::DispWJCG(int page) { DrawPage(FaceSet::Standard, PICC4, page); }
void PortraitPickerWindow::DispWjCGZ(int page) { DrawPage(FaceSet::Edit, PICC5, page); }

void PortraitPickerWindow::ThumbnailClicked(bool standard, int i) {
    if (standard) {
        const QRect thumb = PICC4[static_cast<std::size_t>(i)]->geometry();
        // 50 twips around the thumbnail.
        Srec->setGeometry(thumb.adjusted(-3, -3, 4, 4));
        Srec->show();
        Srec->raise();
    }
    QScrollBar* bar = standard ? HS : ZHS;
    const auto k = static_cast<std::int16_t>((bar->value() - 1) * kFacesPerPage + i);
    const int portrait = PortraitOfFace(standard ? FaceSet::Standard : FaceSet::Edit, k);
    emit LargeFaceShown(portrait);
    session_.CurrentPortrait = portrait;
    if (showPortraitNumber) showPortraitNumber();
}

void PortraitPickerWindow::PreviewPressed(bool standard, int i, QPoint position) {
    if (!form5_) form5_ = new FacePreviewWindow;
    form5_->show();
    // Beside the pointer, where the press was.
    const QLabel* thumbnail = (standard ? PICC4 : PICC5)[static_cast<std::size_t>(i)];
    form5_->move(thumbnail->mapToGlobal(position) + QPoint(16, 16));
    const int k = ((standard ? HS : ZHS)->value() - 1) * kFacesPerPage + i;
    const char* sizes[3] = {standard ? kStandardLargeFaces : kEditLargeFaces, standard ? kStandardMediumFaces : kEditMediumFaces,
                            standard ? kStandardSmallFaces : kEditSmallFaces};
    QLabel* views[3] = {form5_->Picture1, form5_->Picture2, form5_->Picture3};
    for (int s = 0; s < 3; ++s) faces_.DrawFromFile(views[s], GamePath(session_.GameFolder, sizes[s]), k);
}

void PortraitPickerWindow::TypedNumber(bool standard) {
    const std::string text = platform::ToGbk((standard ? Text1 : Text2)->text());
    double v = LeadingNumber(text);
    if (!standard) {
        // The edit set is typed with its 1700 offset; a text that is no number does nothing.
        if (text.find_first_of("0123456789") == std::string::npos) return;
        v -= kEditFaceBase;
    }
    const FaceSet set = standard ? FaceSet::Standard : FaceSet::Edit;
    FaceArchive& archive = standard ? StandardMedium() : EditMedium();
    if (!archive.IsOpen() || v < 0 || v >= archive.FaceCount()) return;
    const int portrait = PortraitOfFace(set, static_cast<int>(RoundHalfEven(v)));
    emit MediumFaceShown(portrait);
    // The face shown is the one "更改" gives the officer.
    session_.CurrentPortrait = portrait;
    if (showPortraitNumber) showPortraitNumber();
    if (v >= kFacesPerPage) (standard ? HS : ZHS)->setValue(static_cast<int>(v / kFacesPerPage) + 1);
}

void PortraitPickerWindow::Change() {
    if (session_.CurrentSlot > 0) ChangeOfficerPortrait(session_, history_, session_.CurrentSlot, session_.CurrentPortrait);
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
    emit MediumFaceShown(p);
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
    faces_.CloseMedium();
    loaded_ = false;
    Srec->hide();
    QWidget::closeEvent(event);
}

}  // namespace busho
