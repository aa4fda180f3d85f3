#pragma once
// The readme in a window of the program's own, for desktops where no viewer opens text files.

#include <QWidget>

#include <filesystem>

class QPlainTextEdit;

namespace busho {

class ReadmeWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReadmeWindow(QWidget* parent = nullptr);
    // Reads the file afresh; false (and the window left as it was) when it cannot be read.
    bool Load(const std::filesystem::path& file);

    QPlainTextEdit* txReadme;
};

}  // namespace busho
