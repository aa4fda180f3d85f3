#pragma once
// The game and documents folders: one dialog that says what is missing, offers the Wine prefixes found,
// lets the user choose both folders with folder choosers, and checks the choice before it is taken.
// Start-up shows it when the game or the officer file's folder is not found; 系统 → 游戏与存档文件夹…
// shows it at any time.

#include <QDialog>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "core/data/game_location_check.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace busho {

class GameLocationDialog : public QDialog {
    Q_OBJECT
public:
    // `startCheck`: what start-up found missing (the dialog then says so at the top, and offers to go
    // on without); nothing when the user asked for the dialog. `winePrefixes`: offered to look the
    // game up in.
    GameLocationDialog(std::uint8_t edition, const QString& gameFolder, const QString& documentsFolder,
                       const GameLocationCheck* startCheck, std::vector<std::filesystem::path> winePrefixes,
                       QWidget* parent = nullptr);

    QString GameFolder() const;
    QString DocumentsFolder() const;

    // A folder chooser: its title, the folder it opens at; the folder chosen, or empty. Tests replace it;
    // by default it is Qt's own folder dialog.
    std::function<QString(const QString& title, const QString& start)> chooseFolder;

    QLabel* lbMissing;  // start-up did not find the game or the officer file
    QComboBox* cWine;   // the Wine prefixes found
    QLineEdit *txGame, *txDocuments;
    QPushButton *cmdGame, *cmdDocuments;  // 浏览…
    QLabel *lbGameCheck, *lbDocumentsCheck;
    QPushButton *cmdOk, *cmdSkip;

private:
    void Recheck();
    void Browse(QLineEdit* box, const char* titleGbk);
    void WinePrefixChosen(int index);

    std::uint8_t edition_;
    std::vector<std::filesystem::path> winePrefixes_;
};

// What a check found missing, one line each.
QString MissingText(const GameLocationCheck& check, const QString& gameFolder);

}  // namespace busho
