#include "platform/widget_colours.h"
#include "platform/twips.h"
#include "portrait_picker_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

#include "face_preview_window.h"
#include "core/os/game_paths.h"
#include "core/text/messages.h"
#include "core/data/session.h"
#include "core/editing/commit_officer.h"
#include "core/text/box_numbers.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/language_texts.h"

namespace busho {
namespace {

constexpr int kFacesPerPage = 15;
constexpr int kColumns = 5;
const QSize kThumbnail(Pixels(975), Pixels(1095));  // a medium face's view
constexpr int kThumbnailGap = 6;

}  // namespace

PortraitPickerWindow::PortraitPickerWindow(Session& session, EditHistory& history, FaceDrawer& faces, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session), history_(history), faces_(faces) {
    setObjectName(QStringLiteral("Form3"));
    auto* texts = new platform::LanguageTexts(this, "PortraitPickerWindow");
    texts->Caption(this, TextId::kPickerCaption);

    // The thumbnails keep their size; the room between them shrinks with the window, down to a picker
    // that fits beside the editor on a small screen.
    SSTab1 = new QTabWidget;
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    auto makePage = [&](const char* title, QFrame*& frame, std::array<QLabel*, 15>& views, QScrollBar*& bar, QLabel*& page,
                        QLabel*& label, QLineEdit*& text, const char* frameName, const char* viewName, const char* barName,
                        const char* pageName, const char* labelName, const char* textName) {
        auto* tab = new QWidget;
        frame = new QFrame;
        frame->setObjectName(QString::fromLatin1(frameName));
        frame->setFrameShape(QFrame::StyledPanel);
        auto* thumbnails = new QGridLayout;
        thumbnails->setSpacing(kThumbnailGap);
        for (int i = 0; i < kFacesPerPage; ++i) {
            auto* view = new QLabel;
            view->setObjectName(QString::fromLatin1(viewName));
            view->setProperty("Index", i);
            view->setFixedSize(kThumbnail);
            view->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            view->setFrameStyle(QFrame::Box | QFrame::Plain);
            platform::SetColours(view, Qt::white, QColor(0x80, 0x80, 0x80));
            view->installEventFilter(this);
            views[static_cast<std::size_t>(i)] = view;
            thumbnails->addWidget(view, i / kColumns, i % kColumns, Qt::AlignCenter);
        }
        for (int c = 0; c < kColumns; ++c) thumbnails->setColumnStretch(c, 1);
        for (int r = 0; r < kFacesPerPage / kColumns; ++r) thumbnails->setRowStretch(r, 1);
        bar = new QScrollBar(Qt::Horizontal);
        bar->setObjectName(QString::fromLatin1(barName));
        bar->setRange(1, 1);
        bar->setValue(1);
        bar->setSingleStep(1);
        bar->setPageStep(1);
        bar->setMinimumWidth(80);
        page = new QLabel;
        page->setObjectName(QString::fromLatin1(pageName));
        label = texts->Caption(new QLabel, QT_TRANSLATE_NOOP("PortraitPickerWindow", "指定"));
        label->setObjectName(QString::fromLatin1(labelName));
        text = new QLineEdit;
        text->setObjectName(QString::fromLatin1(textName));
        text->setFixedWidth(Pixels(735));
        text->installEventFilter(this);
        label->setBuddy(text);
        auto* bottom = new QHBoxLayout;
        bottom->addWidget(bar, 1);
        bottom->addWidget(page);
        bottom->addSpacing(8);
        bottom->addWidget(label);
        bottom->addWidget(text);
        auto* inside = new QVBoxLayout(frame);
        inside->setContentsMargins(8, 8, 8, 6);
        inside->addLayout(thumbnails, 1);
        inside->addLayout(bottom);
        auto* tabLayout = new QVBoxLayout(tab);
        tabLayout->setContentsMargins(4, 4, 4, 4);
        tabLayout->addWidget(frame);
        const int index = SSTab1->addTab(tab, QString());
        texts->Add([this, texts, index, title] { SSTab1->setTabText(index, texts->Translate(title)); });
    };
    makePage(QT_TRANSLATE_NOOP("PortraitPickerWindow", "史实武将ＣＧ"), Frame1, PICC4, HS, lbPage1, Label1, Text1, "Frame1", "PICC4", "HS", "lbPage1", "Label1", "Text1");
    makePage(QT_TRANSLATE_NOOP("PortraitPickerWindow", "新增武将ＣＧ"), Frame2, PICC5, ZHS, lbPage2, Label2, Text2, "Frame2", "PICC5", "ZHS", "lbPage2", "Label2", "Text2");

    Srec = new QFrame(Frame1);
    Srec->setObjectName(QStringLiteral("Srec"));
    Srec->setFrameStyle(QFrame::Box | QFrame::Plain);
    Srec->setLineWidth(2);
    platform::SetColours(Srec, QColor(), Qt::red);
    Srec->setAttribute(Qt::WA_TransparentForMouseEvents);
    Srec->hide();

    Command1 = texts->Caption(new QPushButton, QT_TRANSLATE_NOOP("PortraitPickerWindow", "更改"));
    Command1->setObjectName(QStringLiteral("Command1"));
    Command2 = texts->Caption(new QPushButton, QT_TRANSLATE_NOOP("PortraitPickerWindow", "取消"));
    Command2->setObjectName(QStringLiteral("Command2"));
    cmdImportFace = texts->Caption(new QPushButton, TextId::kPickerImportFace);
    cmdImportFace->setObjectName(QStringLiteral("cmdImportFace"));
    cmdReplaceFace = texts->Caption(new QPushButton, TextId::kPickerReplaceFace);
    cmdReplaceFace->setObjectName(QStringLiteral("cmdReplaceFace"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    buttons->addStretch();
    buttons->addWidget(cmdImportFace);
    buttons->addWidget(cmdReplaceFace);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 6);
    layout->addWidget(SSTab1, 1);
    layout->addLayout(buttons);
    resize(PreferredSize());
    texts->Add([this] {
        ShowPages();
        DescribeControls();
    });

    connect(HS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWJCG);
    connect(ZHS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::DispWjCGZ);
    connect(HS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::ShowPages);
    connect(ZHS, &QScrollBar::valueChanged, this, &PortraitPickerWindow::ShowPages);
    connect(Command1, &QPushButton::clicked, this, &PortraitPickerWindow::Change);
    connect(Command2, &QPushButton::clicked, this, &PortraitPickerWindow::Cancel);
    connect(cmdImportFace, &QPushButton::clicked, this, [this] { ImportFace(false); });
    connect(cmdReplaceFace, &QPushButton::clicked, this, [this] { ImportFace(true); });
    SetUpImport();
}

void PortraitPickerWindow::DescribeControls() {
    const QString thumbnail = platform::InterfaceText(text_gbk::kNameThumbnail);
    for (auto* views : {&PICC4, &PICC5}) {
        for (int i = 0; i < kFacesPerPage; ++i) {
            QLabel* view = (*views)[static_cast<std::size_t>(i)];
            view->setAccessibleName(thumbnail.arg(i + 1));
            view->setToolTip(platform::InterfaceText(text_gbk::kTipThumbnail));
        }
    }
    const std::tuple<QWidget*, const char*, const char*> controls[] = {
        {HS, text_gbk::kNamePageBarStandard, text_gbk::kTipPageBar},
        {ZHS, text_gbk::kNamePageBarEdit, text_gbk::kTipPageBar},
        {Text1, text_gbk::kNameTypedStandard, text_gbk::kTipTypedFace},
        {Text2, text_gbk::kNameTypedEdit, text_gbk::kTipTypedEditFace},
        {Command1, "", text_gbk::kTipChange},
        {Command2, "", text_gbk::kTipCancel},
        {cmdImportFace, "", text_gbk::kTipImportFace},
        {cmdReplaceFace, "", text_gbk::kTipReplaceFace}};
    for (const auto& [control, name, tip] : controls) {
        if (*name) control->setAccessibleName(platform::InterfaceText(name));
        control->setToolTip(platform::InterfaceText(tip));
    }
}

QSize PortraitPickerWindow::PreferredSize() { return QSize(Pixels(9030), Pixels(7665)); }

void PortraitPickerWindow::ShowPages() {
    const QString format = platform::InterfaceText(text_gbk::kPickerPage);
    lbPage1->setText(format.arg(HS->value()).arg(HS->maximum()));
    lbPage2->setText(format.arg(ZHS->value()).arg(ZHS->maximum()));
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
    ShowPages();
    loaded_ = true;
}

void PortraitPickerWindow::EnsureLoaded() {
    if (!loaded_) Load();
}

void PortraitPickerWindow::DrawPage(FaceSet set, std::array<QLabel*, 15>& views, int page) {
    // Places beyond the archive's last face stay empty: a thumbnail left from another page would show a
    // face that a click there cannot give.
    for (int i = 0; i < kFacesPerPage; ++i) {
        QLabel* view = views[static_cast<std::size_t>(i)];
        const int k = (page - 1) * kFacesPerPage + i;
        if (!faces_.DrawMedium(view, set, k) && !HoldsFace(set, k)) view->clear();
    }
}

bool PortraitPickerWindow::HoldsFace(FaceSet set, int k) {
    const FaceArchive& archive = faces_.Medium(set);
    return archive.IsOpen() && k >= 0 && k < archive.FaceCount();
}

void PortraitPickerWindow::DispWJCG(int page) { DrawPage(FaceSet::Standard, PICC4, page); }
void PortraitPickerWindow::DispWjCGZ(int page) { DrawPage(FaceSet::Edit, PICC5, page); }

void PortraitPickerWindow::ThumbnailClicked(bool standard, int i) {
    // An empty place on the last page selects nothing.
    const int face = ((standard ? HS : ZHS)->value() - 1) * kFacesPerPage + i;
    if (!HoldsFace(standard ? FaceSet::Standard : FaceSet::Edit, face)) return;
    if (standard) {
        marked_ = i;
        PlaceMark();
        Srec->show();
        Srec->raise();
    }
    QScrollBar* bar = standard ? HS : ZHS;
    const auto k = static_cast<std::int16_t>((bar->value() - 1) * kFacesPerPage + i);
    const int portrait = PortraitOfFace(standard ? FaceSet::Standard : FaceSet::Edit, k);
    if (!standard) selectedEdit_ = k;
    emit LargeFaceShown(portrait);
    session_.CurrentPortrait = portrait;
    if (showPortraitNumber) showPortraitNumber();
}

void PortraitPickerWindow::PlaceMark() {
    // 50 twips around the thumbnail, wherever the window's size has put it.
    Srec->setGeometry(PICC4[static_cast<std::size_t>(marked_)]->geometry().adjusted(-3, -3, 4, 4));
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
        case QEvent::Move:
        case QEvent::Resize:
            if (standard && i == marked_) PlaceMark();
            return false;
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
