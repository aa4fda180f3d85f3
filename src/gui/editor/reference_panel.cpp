#include "platform/widget_colours.h"
#include "platform/twips.h"
#include "reference_panel.h"

#include "platform/language_texts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace busho {
namespace {

QLineEdit* Figure(const char* name) {
    auto* box = new QLineEdit;
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFixedWidth(52);
    return box;
}



}  // namespace

ReferencePanel::ReferencePanel(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture2"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    busho::platform::SetColours(this, QColor(0xf4, 0xef, 0xe2));

    auto* texts = new busho::platform::LanguageTexts(this, "ReferencePanel");
    Label2 = texts->Caption(new QLabel, QT_TRANSLATE_NOOP("ReferencePanel", "    史武将列表"));
    Label2->setObjectName(QStringLiteral("Label2"));
    busho::platform::SetColours(Label2, QColor(0x60, 0x48, 0x30), Qt::white);
    Label2->setMargin(3);
    Label2->setCursor(Qt::SizeAllCursor);
    Label2->installEventFilter(this);
    Command9 = new QPushButton(QStringLiteral("X"));
    Command9->setObjectName(QStringLiteral("Command9"));
    Command9->setFixedWidth(24);
    auto* title = new QHBoxLayout;
    title->setSpacing(0);
    title->addWidget(Label2, 1);
    title->addWidget(Command9);

    List1 = new QListView;
    List1->setObjectName(QStringLiteral("List1"));
    List1->setUniformItemSizes(true);  // 2600 names: rows are not measured one by one
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setMinimumHeight(150);

    txSER = new QLineEdit;
    txSER->setObjectName(QStringLiteral("txSER"));
    Command17 = texts->Caption(new QPushButton, QT_TRANSLATE_NOOP("ReferencePanel", "搜"));
    Command17->setObjectName(QStringLiteral("Command17"));
    auto* search = new QHBoxLayout;
    search->addWidget(txSER, 1);
    search->addWidget(Command17);

    lbSname = new QLabel;
    lbSname->setObjectName(QStringLiteral("lbSname"));
    Picture3 = new QLabel;
    Picture3->setObjectName(QStringLiteral("Picture3"));
    Picture3->setFixedSize(56, 70);
    Picture3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lbSCG = Figure("lbSCG");
    lbSCSN = Figure("lbSCSN");
    lbSSWN = Figure("lbSSWN");
    lbSTY = Figure("lbSTY");
    lbSWL = Figure("lbSWL");
    lbSZL = Figure("lbSZL");
    lbSZZ = Figure("lbSZZ");
    lbSYL = Figure("lbSYL");

    auto* top = new QGridLayout;
    top->addWidget(Picture3, 0, 0, 4, 1, Qt::AlignTop | Qt::AlignLeft);
    top->addWidget(lbSname, 0, 1, 1, 2);
    top->addWidget(texts->Caption(new QLabel, QT_TRANSLATE_NOOP("ReferencePanel", "CG号")), 1, 1);
    top->addWidget(lbSCG, 1, 2);
    top->addWidget(texts->Caption(new QLabel, QT_TRANSLATE_NOOP("ReferencePanel", "诞生年")), 2, 1);
    top->addWidget(lbSCSN, 2, 2);
    top->addWidget(texts->Caption(new QLabel, QT_TRANSLATE_NOOP("ReferencePanel", "死亡年")), 3, 1);
    top->addWidget(lbSSWN, 3, 2);

    auto* bars = new QGridLayout;
    const std::pair<const char*, QLineEdit*> abilities[] = {{QT_TRANSLATE_NOOP("ReferencePanel", "统御"), lbSTY},
                                                            {QT_TRANSLATE_NOOP("ReferencePanel", "武力"), lbSWL},
                                                            {QT_TRANSLATE_NOOP("ReferencePanel", "智力"), lbSZL},
                                                            {QT_TRANSLATE_NOOP("ReferencePanel", "政治"), lbSZZ}};
    for (int i = 0; i < 4; ++i) {
        bars->addWidget(texts->Caption(new QLabel, abilities[i].first), i, 0);
        bars->addWidget(abilities[i].second, i, 1);
        auto* bar = new QFrame;
        bar->setObjectName(QStringLiteral("pLL%1").arg(i));
        bar->setFixedSize(0, 12);
        pLL[static_cast<std::size_t>(i)] = bar;
        bars->addWidget(bar, i, 2, Qt::AlignLeft);
    }
    bars->addWidget(texts->Caption(new QLabel, QT_TRANSLATE_NOOP("ReferencePanel", "义理")), 4, 0);
    bars->addWidget(lbSYL, 4, 1);
    bars->setColumnMinimumWidth(2, Pixels(2880));  // the bars' full length

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(title);
    layout->addWidget(List1, 1);
    layout->addLayout(search);
    layout->addLayout(top);
    layout->addLayout(bars);
    resize(300, 500);
    connect(Command9, &QPushButton::clicked, this, &QWidget::hide);
}

// Dragging the title strip moves the panel with the mouse, within the window it lies on.
bool ReferencePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Label2) return false;
    if (event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
        return true;
    }
    if (event->type() == QEvent::MouseMove && dragging_) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        QPoint target = mouse->globalPosition().toPoint() - dragOffset_;
        const QRect room = parentWidget()->rect();
        target.setX(std::clamp(target.x(), 0, std::max(0, room.width() - width())));
        target.setY(std::clamp(target.y(), 0, std::max(0, room.height() - height())));
        move(target);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && dragging_) {
        dragging_ = false;
        return true;
    }
    return false;
}

void ReferencePanel::ClearFigures() {
    lbSname->clear();
    Picture3->clear();
    for (QLineEdit* box : {lbSCG, lbSCSN, lbSSWN, lbSTY, lbSWL, lbSZL, lbSZZ, lbSYL}) box->clear();
    for (QFrame* bar : pLL) bar->setFixedWidth(0);
}

}  // namespace busho
