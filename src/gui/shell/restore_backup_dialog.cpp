#include "restore_backup_dialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cstdio>

#include "core/text/messages.h"
#include "core/text/text_fields.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"
#include "platform/language_texts.h"
#include "platform/message_boxes.h"

namespace busho {
namespace {

QString Gbk(std::string_view gbk) { return platform::FromGbk(gbk); }
QString Gbk(const char* text) { return platform::InterfaceText(text); }
QString Formatted(TextId id, std::vector<TextArg> args = {}) { return platform::FormatText(id, args); }

QString DateText(const LocalTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour, t.minute, t.second);
    return QString::fromLatin1(text);
}

QString FileName(const std::filesystem::path& path) { return QString::fromStdU16String(path.filename().u16string()); }

QTableWidgetItem* Cell(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

}  // namespace

RestoreBackupDialog::RestoreBackupDialog(Session& session, FileEvents& events, FileAccess& files, Clock& clock,
                                         platform::MessageBoxes& messages, QWidget* parent)
    : QDialog(parent), session_(session), events_(events), files_(files), clock_(clock), messages_(messages) {
    setObjectName(QStringLiteral("RestoreBackupDialog"));
    auto* texts = new platform::LanguageTexts(this, "RestoreBackupDialog");
    texts->Caption(this, TextId::kTitleRestoreBackup);

    backupList = new QTableWidget(0, 4, this);
    backupList->setObjectName(QStringLiteral("backupList"));
    texts->Add([this] {
        backupList->setHorizontalHeaderLabels({Gbk(text_gbk::kBackupColumnFile), Gbk(text_gbk::kBackupColumnDate),
                                               Gbk(text_gbk::kBackupColumnOfficers), Gbk(text_gbk::kBackupColumnSince)});
    });
    backupList->verticalHeader()->hide();
    backupList->setSelectionBehavior(QAbstractItemView::SelectRows);
    backupList->setSelectionMode(QAbstractItemView::SingleSelection);
    backupList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    backupList->horizontalHeader()->setStretchLastSection(true);
    backupList->setMinimumSize(720, 200);

    changeList = new QListWidget(this);
    changeList->setObjectName(QStringLiteral("changeList"));
    changeList->setMinimumHeight(140);

    noneLabel = texts->Caption(new QLabel(this), TextId::kBackupNone);
    noneLabel->setObjectName(QStringLiteral("noneLabel"));
    noneLabel->setWordWrap(true);

    keepBox = new QSpinBox(this);
    keepBox->setObjectName(QStringLiteral("keepBox"));
    keepBox->setRange(0, kMaxDatedBackupsKept);
    keepBox->setValue(session_.DatedBackupsKept);
    restoreButton = texts->Caption(new QPushButton(this), TextId::kBackupRestoreButton);
    restoreButton->setObjectName(QStringLiteral("restoreButton"));
    closeButton = texts->Caption(new QPushButton(this), TextId::kBackupCloseButton);
    closeButton->setObjectName(QStringLiteral("closeButton"));

    facesLabel = texts->Caption(new QLabel(this), TextId::kBackupFacesCaption);
    facesLabel->setObjectName(QStringLiteral("facesLabel"));
    faceBackupList = new QListWidget(this);
    faceBackupList->setObjectName(QStringLiteral("faceBackupList"));
    faceBackupList->setMinimumHeight(80);
    restoreFacesButton = texts->Caption(new QPushButton(this), TextId::kBackupRestoreFaces);
    restoreFacesButton->setObjectName(QStringLiteral("restoreFacesButton"));
    texts->Tip(restoreFacesButton, TextId::kTipRestoreFaces);
    auto* faceRow = new QHBoxLayout;
    faceRow->addWidget(faceBackupList, 1);
    faceRow->addWidget(restoreFacesButton, 0, Qt::AlignTop);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(texts->Caption(new QLabel(this), TextId::kBackupKeepLabel));
    buttons->addWidget(keepBox);
    buttons->addStretch();
    buttons->addWidget(restoreButton);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(noneLabel);
    layout->addWidget(backupList, 3);
    layout->addWidget(changeList, 2);
    layout->addWidget(facesLabel);
    layout->addLayout(faceRow, 1);
    layout->addLayout(buttons);

    connect(backupList, &QTableWidget::itemSelectionChanged, this, &RestoreBackupDialog::ShowChanges);
    connect(restoreButton, &QPushButton::clicked, this, &RestoreBackupDialog::RestoreSelected);
    connect(restoreFacesButton, &QPushButton::clicked, this, &RestoreBackupDialog::RestoreSelectedFaces);
    connect(faceBackupList, &QListWidget::currentRowChanged, this, [this](int row) { restoreFacesButton->setEnabled(row >= 0 && row < static_cast<int>(faceSets_.size())); });
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(keepBox, &QSpinBox::valueChanged, this, [this](int kept) {
        session_.DatedBackupsKept = kept;
        if (onKeepChanged) onKeepChanged(kept);
    });
    // The rows' texts in the new language, read afresh as on opening.
    texts->Add([this] {
        if (isVisible()) Refresh();
    });
}

std::filesystem::path RestoreBackupDialog::OfficerFile() const {
    if (session_.FileLoaded && !session_.OfficerFilePath.empty()) return session_.OfficerFilePath;
    return OfficerFilePathFor(session_.Edition, session_.DocumentsFolder);
}

void RestoreBackupDialog::Refresh() {
    {
        const QSignalBlocker quiet(keepBox);  // showing the setting is not changing it
        keepBox->setValue(session_.DatedBackupsKept);
    }
    summaries_ = SummariseBackups(OfficerFile(), files_, clock_);
    backupList->clearSelection();
    backupList->setRowCount(static_cast<int>(summaries_.size()));
    for (int row = 0; row < backupList->rowCount(); ++row) {
        const BackupSummary& s = summaries_[static_cast<std::size_t>(row)];
        const QString name = FileName(s.file.path);
        backupList->setItem(row, 0, Cell(s.file.newest ? Formatted(TextId::kBackupNewest, {platform::ToGbk(name)}) : name));
        backupList->setItem(row, 1, Cell(DateText(s.file.made)));
        backupList->setItem(row, 2, Cell(s.unreadable ? QString() : QString::number(s.officers)));
        QString since;
        if (s.unreadable) {
            since = Gbk(text_gbk::kBackupUnreadable) + platform::DescribeText(*s.unreadable, false);
        } else if (!s.since) {
            since = Gbk(text_gbk::kBackupCurrentUnreadable);
        } else if (s.since->Equal()) {
            since = Gbk(text_gbk::kBackupNoChange);
        } else {
            since = Formatted(TextId::kBackupChanges, {std::int64_t{s.since->Count(OfficerChange::Added)},
                                                       std::int64_t{s.since->Count(OfficerChange::Removed)},
                                                       std::int64_t{s.since->Count(OfficerChange::Changed)}});
            if (s.since->headerChanged) since += QStringLiteral("；") + Gbk(text_gbk::kBackupHeaderChanged);
        }
        backupList->setItem(row, 3, Cell(since));
    }
    backupList->resizeColumnsToContents();
    noneLabel->setVisible(summaries_.empty());
    if (!summaries_.empty()) backupList->selectRow(0);
    ShowChanges();

    faceSets_ = session_.GameFolder.empty() ? std::vector<FaceBackupSet>{} : ListFaceBackups(session_.GameFolder, files_, clock_);
    faceBackupList->clear();
    for (const FaceBackupSet& set : faceSets_) {
        const QString name = FileName(set.files[0].path);
        faceBackupList->addItem((set.newest ? Formatted(TextId::kBackupNewest, {platform::ToGbk(name)}) : name) + QStringLiteral("  ") +
                                DateText(set.made));
    }
    if (faceSets_.empty()) faceBackupList->addItem(Gbk(text_gbk::kBackupFacesNone));
    faceBackupList->setCurrentRow(faceSets_.empty() ? -1 : 0);
    restoreFacesButton->setEnabled(!faceSets_.empty());
}

void RestoreBackupDialog::RestoreSelectedFaces() {
    const int row = faceBackupList->currentRow();
    if (row < 0 || row >= static_cast<int>(faceSets_.size())) return;
    const FaceBackupSet chosen = faceSets_[static_cast<std::size_t>(row)];
    if (!messages_.AskYesNo({Problem(TextId::kAskRestoreFaces, {platform::ToGbk(DateText(chosen.made))}), TextId::kTitleRestoreBackup,
                             text_gbk::kStyleWarning}))
        return;
    if (beforeFacesRestore) beforeFacesRestore();
    const Status restored = RestoreFaceBackups({session_.GameFolder, session_.DatedBackupsKept, files_, clock_}, chosen);
    if (afterFacesRestore) afterFacesRestore();
    if (!restored) messages_.Show(MessageFor(restored.problem()));
    else messages_.Show({Problem(TextId::kTextFacesRestored), TextId::kTitleNotice, text_gbk::kStyleInformation});
    Refresh();
}

void RestoreBackupDialog::ShowChanges() {
    changeList->clear();
    const int row = backupList->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(summaries_.size()) && !backupList->selectedItems().isEmpty();
    restoreButton->setEnabled(chosen && !summaries_[static_cast<std::size_t>(row)].unreadable);
    if (!chosen) return;
    const BackupSummary& summary = summaries_[static_cast<std::size_t>(row)];
    // What the row says in short, said here in full.
    if (summary.unreadable || !summary.since || summary.since->Equal()) {
        changeList->addItem(backupList->item(row, 3)->text());
        return;
    }
    const OfficerFileDiff& since = *summary.since;
    // Names and text as the editor shows them (GBK).
    const GameTextDecoder decode = [this](std::string_view bytes) { return CutAtNul(DecodeFromGame(session_, bytes)); };
    if (since.headerChanged) changeList->addItem(Gbk(text_gbk::kBackupHeaderChanged));
    for (const OfficerDifference& officer : since.officers) {
        const std::int64_t slot = officer.slot;
        const std::string name = decode(officer.familyName) + decode(officer.givenName);
        if (officer.change == OfficerChange::Added) {
            changeList->addItem(Formatted(TextId::kBackupOfficerAdded, {slot, name}));
        } else if (officer.change == OfficerChange::Removed) {
            changeList->addItem(Formatted(TextId::kBackupOfficerRemoved, {slot, name}));
        } else {
            for (const FieldChange& field : officer.fields)
                changeList->addItem(Formatted(TextId::kBackupFieldChanged,
                                              {slot, name, field.field, FieldValueText(field, field.before, decode),
                                               FieldValueText(field, field.after, decode)}));
        }
    }
}

void RestoreBackupDialog::RestoreSelected() {
    const int row = backupList->currentRow();
    if (row < 0 || row >= static_cast<int>(summaries_.size())) return;
    const BackupSummary chosen = summaries_[static_cast<std::size_t>(row)];
    const std::string name = platform::ToGbk(FileName(chosen.file.path) + QStringLiteral("  ") + DateText(chosen.file.made));
    if (!messages_.AskYesNo({Problem(TextId::kBackupRestoreQuestion, {name}), TextId::kTitleRestoreBackup, text_gbk::kStyleWarning}))
        return;
    if (const Status restored = RestoreBackup(session_, chosen.file.path, events_, files_, clock_); !restored)
        messages_.Show(MessageFor(restored.problem()));
    else if (onRestored)
        onRestored();
    Refresh();
}

}  // namespace busho
