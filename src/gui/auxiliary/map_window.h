#pragma once
// The map window (Form6): picks an officer's castle (the editor's cSS) by clicking its marker on a map
// of the islands. It writes nothing but the selection of cSS.

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <filesystem>
#include <vector>

class QComboBox;
class QLabel;
class QScrollBar;

namespace busho {

class MapWindow : public QWidget {
    Q_OBJECT
public:
    // The map picture is map.png in the program folder; without it the map stays empty.
    MapWindow(QComboBox* cSS, const std::filesystem::path& programFolder, QWidget* parent = nullptr);

    QLabel* Picture1;
    QScrollBar* HSS;
    QLabel* Label1;
    QLabel* Label2;

    // The 60 Picture2 markers in the order of their indices; each carries its index as property "Index".
    const std::vector<QWidget*>& Markers() const { return markers_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Load();
    void Scroll(int value);
    // Shows the marker's castle in Label2 and selects it in cSS.
    void PickCastle(const QWidget* marker);

    QPointer<QComboBox> cSS_;
    std::vector<QWidget*> markers_;
    std::int16_t initialLeft_ = 0;  // twips
};

}  // namespace busho
