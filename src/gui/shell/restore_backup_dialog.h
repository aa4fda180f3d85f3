#pragma once
// 系统 → 恢复备份…: the backups beside the officer file, each with when it was made, its officers and
// what changed from it to the file; restoring one puts it in the file's place through the same save
// as every change (so the file it replaces becomes the newest backup), then loads it. The number of
// dated backups a save keeps is set here too.

#include <QDialog>

#include <functional>
#include <vector>

#include "core/data/backups.h"
#include "core/faces/edit_faces.h"

class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace busho {
namespace platform {
class MessageBoxes;
}

class RestoreBackupDialog : public QDialog {
    Q_OBJECT
public:
    RestoreBackupDialog(Session& session, FileEvents& events, FileAccess& files, Clock& clock, platform::MessageBoxes& messages,
                        QWidget* parent = nullptr);

    void Refresh();          // reads the backups and the file again
    void RestoreSelected();  // asks, then restores the selected backup

    std::function<void(int kept)> onKeepChanged;  // the number of dated backups to keep was changed
    std::function<void()> onRestored;             // the table was read afresh from the restored file

    // The three edit face archives' backups, restored together.
    void RestoreSelectedFaces();
    std::function<void()> beforeFacesRestore;  // the archives that are kept open close
    std::function<void()> afterFacesRestore;   // and open again, whether the restore worked or not
    QLabel* facesLabel;
    QListWidget* faceBackupList;
    QPushButton* restoreFacesButton;

    QTableWidget* backupList;  // file, when made, officers, changes since
    QListWidget* changeList;   // the changes since the selected backup, one line per field
    QLabel* noneLabel;         // shown when there is no backup
    QSpinBox* keepBox;
    QPushButton* restoreButton;
    QPushButton* closeButton;

private:
    void ShowChanges();
    std::filesystem::path OfficerFile() const;

    Session& session_;
    FileEvents& events_;
    FileAccess& files_;
    Clock& clock_;
    platform::MessageBoxes& messages_;
    std::vector<BackupSummary> summaries_;
    std::vector<FaceBackupSet> faceSets_;
};

}  // namespace busho
