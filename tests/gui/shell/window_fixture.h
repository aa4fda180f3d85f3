#pragma once
// A game folder, a documents folder and an editor made by the tests, for the real windows.

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>


#include "core/data/game_location_check.h"
#include "core/data/officer_file.h"
#include "face_archive_writer.h"
#include "code_page_text.h"
#include "officer_fixtures.h"
#include "platform/message_boxes.h"
#include "platform/voice_player.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/reference_panel.h"
#include "gui/shell/application.h"
#include "gui/shell/officer_list_window.h"

namespace busho::testing {

inline std::uint32_t FacePixel(bool edit, int size, int face) {
    return (static_cast<std::uint32_t>((edit ? 0x80 : 0) | size) << 16) | static_cast<std::uint32_t>(face);
}

// The face a view shows, read back from its pixels: {edit, size, number}, or {-1, -1, -1} for none.
inline std::array<int, 3> ShownFace(const QLabel* view) {
    const QImage image = view->pixmap().toImage();
    if (image.isNull()) return {-1, -1, -1};
    const QRgb p = image.pixel(0, 0);
    return {(qRed(p) & 0x80) ? 1 : 0, qRed(p) & 0x7F, (qGreen(p) << 8) | qBlue(p)};
}

struct FixtureOfficer {
    const char* family;
    const char* given;
    const char* familyReading;
    int birth;
    int portrait;
    std::vector<int> tactics;
    int father;
    int appearance;
};

const FixtureOfficer kOfficers[] = {
    {"織田", "信長", "おだ", 1534, 2, {0, 6, 22}, -1, 1},
    {"武田", "信玄", "たけだ", 1521, 1701, {12}, 10, 0},
    {"上杉", "謙信", "うえすぎ", 1530, 0, {}, 10001, 1},
};

// A game folder with small face archives, and a documents folder with a three-officer file per edition.
class Fixture {
public:
    // Faces encode their set, size and number in every pixel: red = size (3 l, 2 m, 1 s), green and
    // blue = the face number; edit faces have the top bit of red set.
    explicit Fixture(bool withFaces = true, int standardFaces = 3, int editFaces = 2) {
        if (withFaces) {
            auto faces = [](int count, int w, int h, int size, bool edit) {
                std::vector<FaceToWrite> list;
                for (int k = 0; k < count; ++k)
                    list.push_back(MakeFace(w, h, w, h, [=](int, int) { return FacePixel(edit, size, k); }));
                return BuildFaceArchive(list);
            };
            std::filesystem::create_directories(Game() / "Grp");
            WriteBytes(Game() / "Grp" / "KAO_l.n12", faces(standardFaces, 12, 15, 3, false));
            WriteBytes(Game() / "Grp" / "KAO_m.n12", faces(standardFaces, 8, 10, 2, false));
            WriteBytes(Game() / "Grp" / "KAO_s.n12", faces(standardFaces, 5, 6, 1, false));
            WriteBytes(Game() / "Grp" / "EDIT_KAO_l.n12", faces(editFaces, 12, 15, 3, true));
            WriteBytes(Game() / "Grp" / "EDIT_KAO_m.n12", faces(editFaces, 8, 10, 2, true));
            WriteBytes(Game() / "Grp" / "EDIT_KAO_s.n12", faces(editFaces, 5, 6, 1, true));
        } else {
            std::filesystem::create_directories(Game());
        }
        for (std::uint8_t edition : {kEditionTraditionalChinese, kEditionJapanese}) {
            const char* code = edition == kEditionTraditionalChinese ? "windows-950" : "windows-932";
            std::vector<OfficerSlot> officerSlots;
            for (const auto& f : kOfficers) {
                OfficerSlot s = RandomOfficer(static_cast<std::uint32_t>(f.birth));
                SetText(s.Record.FamilyName, Encoded(code, f.family));
                SetText(s.Record.GivenName, Encoded(code, f.given));
                SetText(s.Record.FamilyNameReading, edition == kEditionJapanese ? Encoded(code, f.familyReading) : "");
                SetText(s.Record.GivenNameReading, "");
                SetText(s.Record.Biography, "");
                s.Record.BirthYear = f.birth;
                s.Record.PortraitNumber = f.portrait;
                s.Record.TacticCount = static_cast<std::int32_t>(f.tactics.size());
                for (std::size_t i = 0; i < f.tactics.size(); ++i) s.Tactics[i] = f.tactics[i];
                s.Record.Father = f.father;
                s.Record.Origin = 1;
                s.Record.Faith = 2;
                s.Record.Gender = 1;
                s.Record.CompatibilityOfficer = 5;
                s.Record.Aptitude = {1, 2, 3, 4, 0, 1, 2, 3, 4};
                s.LikedCount = s.DislikedCount = 0;
                s.Extra.Status = 7;
                s.Extra.AssignedCastle = 45;
                s.Extra.Appearance = f.appearance;
                s.Extra.VoiceType = 2;
                officerSlots.push_back(s);
            }
            officerSlots.push_back(EndMarker());
            const auto path = OfficerFilePathFor(edition, Documents());
            std::filesystem::create_directories(path.parent_path());
            WriteBytes(path, BuildFileBytes(WrittenFileHeader(), officerSlots));
        }
    }
    std::filesystem::path Game() const { return folder.Path() / "game"; }
    std::filesystem::path Documents() const { return folder.Path() / "Documents"; }
    StartupOptions Options(std::optional<std::uint8_t> edition) const {
        StartupOptions o;
        o.edition = edition;
        o.gameFolder = QString::fromStdU16String(Game().u16string());
        o.documentsFolder = QString::fromStdU16String(Documents().u16string());
        o.programFolder = BUSHO_BIN_DIR;
        o.settingsFile = QString::fromStdU16String((folder.Path() / "settings.ini").u16string());
        o.language = QStringLiteral("zh_CN");  // the interface's own texts, whatever the machine's locale
        return o;
    }
    TempFolder folder;
};

// The folders asked for: what was missing (the game's archives, whether the officer folder was
// found), or nothing when the user asked.
struct FoldersAsked {
    std::optional<std::vector<std::string>> missingArchives;
    bool officerFolderFound = true;
};

struct Editor {
    platform::RecordingMessageBoxes messages;
    platform::RecordingVoicePlayer voices;
    FileAccess files;
    Application app{messages, voices, files};
    // The folder dialog is not shown unless a test asks for it (app.askFolders = {}): each time it
    // would be, the question is recorded and the user goes on without choosing.
    std::vector<FoldersAsked> foldersAsked;
    Editor() {
        app.askFolders = [this](const GameLocationCheck* missing, const QString&, const QString&) -> std::optional<FolderChoice> {
            FoldersAsked asked;
            if (missing) {
                asked.missingArchives = missing->missingArchives;
                asked.officerFolderFound = missing->officerFolderFound;
            }
            foldersAsked.push_back(asked);
            return std::nullopt;
        };
    }
};

inline QString Text(const QLineEdit* box) { return box->text(); }

// A 选 button pressed, then item `item` of the reference panel's list clicked.
inline void ChooseInPanel(EditorWindow& form1, QPushButton* pick, int item) {
    QTest::mouseClick(pick, Qt::LeftButton);
    QListView* list = form1.Panel()->List1;
    const QModelIndex index = list->model()->index(item, 0);
    list->scrollTo(index);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

inline void ClickRow(OfficerListWindow& list, int slot) {
    const QRect cell = list.msFlg->visualItemRect(list.msFlg->item(slot - 1, 2));
    QTest::mouseClick(list.msFlg->viewport(), Qt::LeftButton, {}, cell.center());
}

}  // namespace busho::testing
