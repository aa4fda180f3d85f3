#include "game_location_dialog.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/os/wine_prefixes.h"
#include "core/text/messages.h"
#include "platform/gbk_text.h"
#include "platform/interface_language.h"

namespace busho {
namespace {

QString Text(const char* gbk) { return platform::InterfaceText(gbk); }
std::filesystem::path ToPath(const QString& folder) { return std::filesystem::path(QDir::cleanPath(folder.trimmed()).toStdU16String()); }
QString ToText(const std::filesystem::path& path) { return QDir::toNativeSeparators(QString::fromStdU16String(path.u16string())); }
QString Archives(const GameLocationCheck& check) {
    QStringList names;
    for (const auto& archive : check.missingArchives) names << QString::fromStdString(archive);
    return names.join(QStringLiteral("、"));
}

}  // namespace

QString MissingText(const GameLocationCheck& check, const QString& gameFolder) {
    QStringList lines;
    if (!check.GameFound()) lines << Text(text_gbk::kFoldersGameLacks) + Archives(check) + QStringLiteral("（") + gameFolder + QStringLiteral("）");
    if (!check.officerFolderFound) lines << Text(text_gbk::kFoldersNoOfficerFolder) + ToText(check.officerFolder);
    return lines.join(QLatin1Char('\n'));
}

GameLocationDialog::GameLocationDialog(std::uint8_t edition, const QString& gameFolder, const QString& documentsFolder,
                                       const GameLocationCheck* startCheck, std::vector<std::filesystem::path> winePrefixes,
                                       QWidget* parent)
    : QDialog(parent), edition_(edition), winePrefixes_(std::move(winePrefixes)) {
    setObjectName(QStringLiteral("GameLocationDialog"));
    setWindowTitle(Text(text_gbk::kFoldersTitle));
    setModal(true);

    lbMissing = new QLabel;
    lbMissing->setObjectName(QStringLiteral("lbMissing"));
    lbMissing->setWordWrap(true);
    lbMissing->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lbMissing->setStyleSheet(QStringLiteral("color: #b02020; font-weight: bold;"));
    // What is missing is told under each folder, for the folders start-up looked in and as the user changes them.
    if (startCheck) lbMissing->setText(Text(text_gbk::kFoldersNotFound));
    lbMissing->setVisible(startCheck != nullptr);
    auto* intro = new QLabel(Text(text_gbk::kFoldersIntro));
    intro->setWordWrap(true);

    // Children of the dialog from the start: without prefixes to offer they stay out of its layout, hidden.
    cWine = new QComboBox(this);
    cWine->setObjectName(QStringLiteral("cWine"));
    cWine->addItem(Text(text_gbk::kFoldersWinePick));
    for (const auto& prefix : winePrefixes_) cWine->addItem(ToText(prefix));
    cWine->setToolTip(Text(text_gbk::kTipWinePrefixes));
    auto* wineLabel = new QLabel(Text(text_gbk::kFoldersWine), this);
    wineLabel->setBuddy(cWine);

    auto folderRow = [&](const char* caption, QLineEdit*& box, QPushButton*& browse, QLabel*& check, const char* boxName,
                         const char* buttonName, const char* checkName, const QString& text, const char* tip) {
        box = new QLineEdit(text);
        box->setObjectName(QString::fromLatin1(boxName));
        box->setMinimumWidth(380);
        box->setToolTip(Text(tip));
        browse = new QPushButton(Text(text_gbk::kFoldersBrowse));
        browse->setObjectName(QString::fromLatin1(buttonName));
        browse->setToolTip(Text(tip));
        browse->setAccessibleName(Text(caption) + Text(text_gbk::kFoldersBrowse));
        check = new QLabel;
        check->setObjectName(QString::fromLatin1(checkName));
        check->setWordWrap(true);
        auto* label = new QLabel(Text(caption));
        label->setBuddy(box);
        return label;
    };
    QLabel* gameLabel = folderRow(text_gbk::kFoldersGame, txGame, cmdGame, lbGameCheck, "txGame", "cmdGame", "lbGameCheck", gameFolder,
                                  text_gbk::kTipGameFolder);
    QLabel* documentsLabel = folderRow(text_gbk::kFoldersDocuments, txDocuments, cmdDocuments, lbDocumentsCheck, "txDocuments",
                                       "cmdDocuments", "lbDocumentsCheck", documentsFolder, text_gbk::kTipDocumentsFolder);

    auto* grid = new QGridLayout;
    int row = 0;
    if (!winePrefixes_.empty()) {
        grid->addWidget(wineLabel, row, 0);
        grid->addWidget(cWine, row++, 1, 1, 2);
    } else {
        cWine->hide();
        wineLabel->hide();
    }
    grid->addWidget(gameLabel, row, 0);
    grid->addWidget(txGame, row, 1);
    grid->addWidget(cmdGame, row++, 2);
    grid->addWidget(lbGameCheck, row++, 1, 1, 2);
    grid->addWidget(documentsLabel, row, 0);
    grid->addWidget(txDocuments, row, 1);
    grid->addWidget(cmdDocuments, row++, 2);
    grid->addWidget(lbDocumentsCheck, row++, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    cmdOk = new QPushButton(Text(text_gbk::kFoldersOk));
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdOk->setToolTip(Text(text_gbk::kTipFoldersOk));
    // At start-up the user goes on without; asked for from the menu, nothing changes.
    cmdSkip = new QPushButton(Text(startCheck ? text_gbk::kFoldersSkip : text_gbk::kFoldersCancel));
    cmdSkip->setObjectName(QStringLiteral("cmdSkip"));
    cmdSkip->setToolTip(Text(startCheck ? text_gbk::kFoldersSkipTip : text_gbk::kFoldersCancelTip));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOk);
    buttons->addWidget(cmdSkip);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lbMissing);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    chooseFolder = [this](const QString& title, const QString& start) {
        QFileDialog chooser(this, title, start);
        chooser.setObjectName(QStringLiteral("folderChooser"));
        chooser.setFileMode(QFileDialog::Directory);
        chooser.setOption(QFileDialog::ShowDirsOnly);
        if (chooser.exec() != QDialog::Accepted || chooser.selectedFiles().isEmpty()) return QString();
        return chooser.selectedFiles().constFirst();
    };
    connect(cmdGame, &QPushButton::clicked, this, [this] { Browse(txGame, text_gbk::kFoldersChooseGame); });
    connect(cmdDocuments, &QPushButton::clicked, this, [this] { Browse(txDocuments, text_gbk::kFoldersChooseDocuments); });
    connect(cWine, &QComboBox::activated, this, &GameLocationDialog::WinePrefixChosen);
    connect(txGame, &QLineEdit::textChanged, this, &GameLocationDialog::Recheck);
    connect(txDocuments, &QLineEdit::textChanged, this, &GameLocationDialog::Recheck);
    connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSkip, &QPushButton::clicked, this, &QDialog::reject);
    Recheck();
}

QString GameLocationDialog::GameFolder() const { return QDir::cleanPath(txGame->text().trimmed()); }
QString GameLocationDialog::DocumentsFolder() const { return QDir::cleanPath(txDocuments->text().trimmed()); }

void GameLocationDialog::Recheck() {
    const bool gameTyped = !txGame->text().trimmed().isEmpty();
    const bool documentsTyped = !txDocuments->text().trimmed().isEmpty();
    const GameLocationCheck check = CheckGameLocation(gameTyped ? ToPath(txGame->text()) : std::filesystem::path(),
                                                      documentsTyped ? ToPath(txDocuments->text()) : std::filesystem::path(), edition_);
    const QString missing = Text(text_gbk::kFoldersMissingMark);
    lbGameCheck->setText(check.GameFound() ? Text(text_gbk::kFoldersGameFound) : missing + Text(text_gbk::kFoldersGameLacks) + Archives(check));
    if (!check.officerFolderFound) lbDocumentsCheck->setText(missing + Text(text_gbk::kFoldersNoOfficerFolder) + ToText(check.officerFolder));
    else lbDocumentsCheck->setText(Text(check.officerFileFound ? text_gbk::kFoldersOfficerFileFound : text_gbk::kFoldersOfficerFolderFound));
    for (QLabel* label : {lbGameCheck, lbDocumentsCheck})
        label->setStyleSheet(label->text().startsWith(missing) ? QStringLiteral("color: #b02020;") : QStringLiteral("color: #207020;"));
    cmdOk->setEnabled(check.Complete());
}

void GameLocationDialog::Browse(QLineEdit* box, const char* titleGbk) {
    const QString current = box->text().trimmed();
    const QString start = !current.isEmpty() && QDir(current).exists() ? current : QDir::homePath();
    const QString chosen = chooseFolder ? chooseFolder(Text(titleGbk), start) : QString();
    if (!chosen.isEmpty()) box->setText(QDir::toNativeSeparators(chosen));
}

void GameLocationDialog::WinePrefixChosen(int index) {
    if (index < 1 || index > static_cast<int>(winePrefixes_.size())) return;
    const std::filesystem::path& prefix = winePrefixes_[static_cast<std::size_t>(index - 1)];
    const WineLocation found = GameInWinePrefix(prefix, edition_);
    // A game not found there: the prefix's drive C, where the folder chooser starts.
    txGame->setText(ToText(found.gameFolder.empty() ? prefix / "drive_c" : found.gameFolder));
    if (!found.documentsFolder.empty()) txDocuments->setText(ToText(found.documentsFolder));
}

}  // namespace busho
