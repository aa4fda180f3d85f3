// The map window under the offscreen platform, and the map picture the build draws for it.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

#include "gui/auxiliary/map_markers.h"
#include "gui/auxiliary/map_window.h"
#include "gui/editor/vocabulary.h"

using busho::MapWindow;

namespace {

const std::filesystem::path kProgramFolder = BUSHO_BIN_DIR;
const QString kMapTool = QStringLiteral(BUSHO_TOOLS_DIR "/make_map");
const QString kIslands = QStringLiteral(BUSHO_MAP_SOURCE);

// The castles marked on the map: marker index, left and top in twips, and the castle the marker names.
struct Castle {
    int index, left, top;
    const char16_t* name;
};
constexpr Castle kCastles[] = {
    {1000, 11760, 120, u"德山馆"},   {1003, 12840, 1080, u"三户城"},   {1006, 12000, 720, u"石川城"},
    {1009, 12480, 1680, u"高水寺城"}, {1012, 12120, 2280, u"岩出山城"}, {1015, 12120, 3000, u"小高城"},
    {1018, 10800, 2520, u"黑川城"},  {1021, 11880, 1080, u"桧山城"},   {1024, 11520, 2040, u"山形城"},
    {1027, 11520, 3480, u"太田城"},  {1030, 10920, 3720, u"结城城"},   {1033, 10920, 4680, u"久留里城"},
    {1036, 10920, 3120, u"宇都宫城"}, {1039, 10080, 3120, u"箕轮城"},   {1042, 10560, 3960, u"岩付城"},
    {1045, 9960, 4320, u"小田原城"},  {1048, 9360, 3720, u"踯躅ゥ崎馆"}, {1051, 9120, 3000, u"深志城"},
    {1054, 10800, 1920, u"新发田城"}, {1057, 9840, 2040, u"春日山城"},  {1060, 8880, 2040, u"富山城"},
    {1063, 8640, 1560, u"七尾城"},   {1066, 8280, 1920, u"御山御坊"},  {1069, 7680, 2160, u"一乘谷城"},
    {1072, 9000, 4440, u"骏府城"},   {1075, 8160, 4080, u"冈崎城"},    {1078, 7920, 3720, u"清洲城"},
    {1081, 8160, 3120, u"稻叶山城"},  {1084, 8640, 2520, u"樱洞城"},    {1087, 7200, 4200, u"雾山御所"},
    {1090, 7680, 2520, u"小谷城"},   {1093, 7320, 3120, u"观音寺城"},  {1096, 6720, 3000, u"室叮御所"},
    {1099, 6600, 1920, u"弓木城"},   {1102, 6480, 2520, u"八上城"},    {1105, 6240, 3840, u"岸和田城"},
    {1108, 6360, 3240, u"石山御坊"},  {1111, 6720, 3720, u"筒井城"},    {1114, 5760, 4320, u"杂贺城"},
    {1117, 5760, 2640, u"姬路城"},   {1120, 5160, 2640, u"冈山城"},    {1123, 4320, 2040, u"吉田郡山城"},
    {1126, 3120, 1920, u"高岭城"},   {1129, 5640, 1680, u"岛取城"},    {1132, 4560, 1440, u"月山富田城"},
    {1135, 5040, 3840, u"胜瑞城"},   {1138, 3840, 3240, u"汤筑城"},    {1141, 3120, 3720, u"黑濑城"},
    {1144, 3960, 3840, u"冈丰城"},   {1147, 3360, 4080, u"中村御所"},  {1150, 2520, 2520, u"城井谷城"},
    {1153, 2400, 3120, u"府内馆"},   {1156, 1920, 2040, u"立花山城"},  {1159, 1560, 2160, u"村中城"},
    {1162, 1200, 2520, u"大村城"},   {1165, 1800, 3000, u"隈本城"},    {1168, 1440, 3480, u"人吉城"},
    {1171, 2040, 3840, u"佐土原城"},  {1174, 1080, 3720, u"内城"},      {1177, 1320, 4200, u"肝付城"},
};

constexpr int kTwips = 15;
constexpr int kMarkerPixels = 17;

QRect Square(const Castle& castle) { return {castle.left / kTwips, castle.top / kTwips, kMarkerPixels, kMarkerPixels}; }

// The editor's castle list, as the map window finds it.
std::unique_ptr<QComboBox> CastleList() {
    auto list = std::make_unique<QComboBox>();
    list->addItems(busho::vocabulary::Castles());
    return list;
}

QWidget* MarkerAt(const MapWindow& window, QPoint placeInMap) {
    for (QWidget* marker : window.Markers())
        if (marker->pos() - window.Picture1->contentsRect().topLeft() == placeInMap) return marker;
    return nullptr;
}

QWidget* MarkerNumbered(const MapWindow& window, int index) {
    for (QWidget* marker : window.Markers())
        if (marker->property("Index").toInt() == index) return marker;
    return nullptr;
}

// The mouse moving over a marker, as Qt delivers it to a widget that tracks the mouse.
void MoveOver(QWidget* widget) {
    const QPoint inside(5, 6);
    QMouseEvent move(QEvent::MouseMove, inside, widget->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

// What a double-click delivers: a press and release, then a double-click event in place of the
// second press, and its release.
void DoubleClick(QWidget* widget) {
    QTest::mouseClick(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

QImage GeneratedMap() { return QImage(QString::fromStdU16String((kProgramFolder / "map.png").u16string())); }

void WriteMap(const QTemporaryDir& folder, int width) {
    QImage map(width, busho::map::kImageHeight, QImage::Format_RGB32);
    map.fill(Qt::darkCyan);
    QVERIFY(map.save(folder.filePath(QStringLiteral("map.png"))));
}

}  // namespace

class MapWindowTest : public QObject {
    Q_OBJECT
private slots:
    void windowHasItsLayout();
    void markersStandAtTheirPlaces_data();
    void markersStandAtTheirPlaces();
    void hoverNamesTheCastleFromTheList();
    void clickPicksTheCastleAndStays();
    void doubleClickPicksTheCastleAndHides();
    void otherButtonsPickNothing();
    void mapDoesNotScrollWithThisLayout();
    void loadFitsTheScrollBarToAWiderMap_data();
    void loadFitsTheScrollBarToAWiderMap();
    void scrollingMovesTheMapAndMarkers();
    void missingMapLeavesAnEmptyMap();
    void closeBoxUnloadsTheWindow();
    void mapPictureHasEveryMarkerOnLand();
    void mapToolDrawsTheSameBytesAgain();
    void mapToolRefusesAMarkerAtSea();
};

void MapWindowTest::windowHasItsLayout() {
    auto cSS = CastleList();
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QCOMPARE(window.objectName(), QStringLiteral("Form6"));
    QCOMPARE(window.windowTitle(), QStringLiteral("MAP"));
    QCOMPARE(window.size(), QSize(954, 425));
    QVERIFY(window.isWindow());

    QCOMPARE(window.Picture1->objectName(), QStringLiteral("Picture1"));
    QCOMPARE(window.Picture1->geometry(), QRect(0, 0, 954, 364));  // the picture and its border
    QCOMPARE(window.Picture1->frameWidth(), 2);
    QCOMPARE(window.Picture1->frameShadow(), QFrame::Sunken);
    QCOMPARE(window.Picture1->pixmap().size(), QSize(950, 360));
    // The picture starts inside the border: the window shows its pixels there.
    const QImage shown = window.grab().toImage();
    const QImage map = GeneratedMap();
    for (const QPoint sea : {QPoint(470, 40), QPoint(930, 340), QPoint(20, 300)})
        QCOMPARE(QColor(shown.pixel(sea + QPoint(2, 2))), QColor(map.pixel(sea)));

    QCOMPARE(window.Label1->objectName(), QStringLiteral("Label1"));
    QCOMPARE(window.Label1->text(), QStringLiteral("城市:"));
    QCOMPARE(window.Label1->geometry(), QRect(8, 384, 30, 12));
    QCOMPARE(window.Label2->objectName(), QStringLiteral("Label2"));
    QCOMPARE(window.Label2->text(), QString());
    QCOMPARE(window.Label2->pos(), QPoint(48, 384));
    QCOMPARE(window.Label2->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QCOMPARE(window.HSS->objectName(), QStringLiteral("HSS"));
    QCOMPARE(window.HSS->orientation(), Qt::Horizontal);
    QCOMPARE(window.HSS->geometry(), QRect(32, 384, 793, 17));
    QCOMPARE(window.findChild<QLabel*>(QStringLiteral("Label2")), window.Label2);
}

void MapWindowTest::markersStandAtTheirPlaces_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("place");
    QTest::addColumn<QString>("castle");
    for (const Castle& castle : kCastles)
        QTest::addRow("%d", castle.index) << castle.index << Square(castle).topLeft() << QString::fromUtf16(castle.name);
}

void MapWindowTest::markersStandAtTheirPlaces() {
    QFETCH(int, index);
    QFETCH(QPoint, place);
    QFETCH(QString, castle);
    auto cSS = CastleList();
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QCOMPARE(window.Markers().size(), std::size_t{60});
    QCOMPARE(window.Picture1->findChildren<QFrame*>(QStringLiteral("Picture2")).size(), 60);

    QWidget* marker = MarkerNumbered(window, index);
    QVERIFY(marker);
    QCOMPARE(marker->objectName(), QStringLiteral("Picture2"));
    QCOMPARE(marker->parentWidget(), window.Picture1);
    QCOMPARE(marker->geometry(), QRect(place + window.Picture1->contentsRect().topLeft(), QSize(kMarkerPixels, kMarkerPixels)));
    auto* frame = qobject_cast<QFrame*>(marker);
    QVERIFY(frame);
    QCOMPARE(frame->frameWidth(), 2);
    QCOMPARE(frame->frameShadow(), QFrame::Sunken);

    // Filled dark red, the shogun's seat brighter; the fill shows inside the border.
    const QColor fill = index == 1096 ? QColor(128, 0, 0) : QColor(64, 0, 0);
    const QImage shown = window.grab().toImage();
    const QPoint inMap = place + QPoint(2, 2);
    for (const QPoint inside : {QPoint(2, 2), QPoint(8, 8), QPoint(14, 14)}) QCOMPARE(QColor(shown.pixel(inMap + inside)), fill);

    // Hovering names the castle of the marker's list item.
    QCOMPARE(cSS->itemText(index - 1000), castle);
    MoveOver(marker);
    QCOMPARE(marker->toolTip(), castle);
}

void MapWindowTest::hoverNamesTheCastleFromTheList() {
    auto cSS = CastleList();
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QWidget* seat = MarkerNumbered(window, 1096);
    QVERIFY(seat);
    MoveOver(seat);
    QCOMPARE(seat->toolTip(), QStringLiteral("室叮御所"));
    // The name is the list's at the time of the movement.
    cSS->setItemText(96, QStringLiteral("二条御所"));
    MoveOver(seat);
    QCOMPARE(seat->toolTip(), QStringLiteral("二条御所"));
    QCOMPARE(cSS->currentIndex(), 0);  // hovering selects nothing
    QCOMPARE(window.Label2->text(), QString());
}

void MapWindowTest::clickPicksTheCastleAndStays() {
    auto cSS = CastleList();
    cSS->setCurrentIndex(50);
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QWidget* marker = MarkerAt(window, QPoint(11760 / kTwips, 120 / kTwips));
    QVERIFY(marker);
    QTest::mouseClick(marker, Qt::LeftButton);
    QCOMPARE(cSS->currentIndex(), 0);
    QCOMPARE(cSS->currentText(), QStringLiteral("德山馆"));
    QCOMPARE(window.Label2->text(), QStringLiteral("德山馆"));
    QVERIFY(window.Label2->width() >= window.Label2->fontMetrics().horizontalAdvance(QStringLiteral("德山馆")));
    QVERIFY(window.isVisible());

    // The next click replaces the choice.
    QTest::mouseClick(MarkerNumbered(window, 1123), Qt::LeftButton);
    QCOMPARE(cSS->currentIndex(), 123);
    QCOMPARE(window.Label2->text(), QStringLiteral("吉田郡山城"));
    QVERIFY(window.Label2->width() >= window.Label2->fontMetrics().horizontalAdvance(QStringLiteral("吉田郡山城")));
    QVERIFY(window.isVisible());
}

void MapWindowTest::doubleClickPicksTheCastleAndHides() {
    auto cSS = CastleList();
    QPointer<MapWindow> window = new MapWindow(cSS.get(), kProgramFolder);
    window->show();
    DoubleClick(MarkerNumbered(*window, 1177));
    QCOMPARE(cSS->currentIndex(), 177);
    QCOMPARE(cSS->currentText(), QStringLiteral("肝付城"));
    QCOMPARE(window->Label2->text(), QStringLiteral("肝付城"));
    QVERIFY(window->isHidden());
    // Hidden, not unloaded: shown again it keeps the castle picked last.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window);
    window->show();
    QCOMPARE(window->Label2->text(), QStringLiteral("肝付城"));
    delete window;
}

void MapWindowTest::otherButtonsPickNothing() {
    auto cSS = CastleList();
    cSS->setCurrentIndex(7);
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QWidget* marker = MarkerNumbered(window, 1096);
    QTest::mouseClick(marker, Qt::RightButton);
    QTest::mouseDClick(marker, Qt::RightButton);
    QCOMPARE(cSS->currentIndex(), 7);
    QCOMPARE(window.Label2->text(), QString());
    QVERIFY(window.isVisible());
    // A press on the marker released outside it is no click either.
    QTest::mousePress(marker, Qt::LeftButton);
    QTest::mouseRelease(marker, Qt::LeftButton, {}, QPoint(40, 40));
    QCOMPARE(cSS->currentIndex(), 7);
}

void MapWindowTest::mapDoesNotScrollWithThisLayout() {
    auto cSS = CastleList();
    MapWindow window(cSS.get(), kProgramFolder);
    window.show();
    QVERIFY(!window.HSS->isVisible());
    QCOMPARE(window.HSS->minimum(), 0);
    QCOMPARE(window.HSS->maximum(), 32767);
    QCOMPARE(window.HSS->value(), 0);
    QCOMPARE(window.Picture1->pos(), QPoint(0, 0));
}

void MapWindowTest::loadFitsTheScrollBarToAWiderMap_data() {
    QTest::addColumn<int>("pictureWidth");
    QTest::addColumn<int>("maximum");
    QTest::newRow("as wide as the window") << 950 << 32767;
    QTest::newRow("one pixel wider") << 951 << 15;
    QTest::newRow("250 pixels wider") << 1200 << 3750;
    QTest::newRow("beyond the 16-bit range") << 4000 << 32767;
}

void MapWindowTest::loadFitsTheScrollBarToAWiderMap() {
    QFETCH(int, pictureWidth);
    QFETCH(int, maximum);
    QTemporaryDir folder;
    WriteMap(folder, pictureWidth);
    auto cSS = CastleList();
    MapWindow window(cSS.get(), folder.path().toStdU16String());
    // The map takes the size of its picture; the window keeps its own.
    QCOMPARE(window.Picture1->size(), QSize(pictureWidth + 4, 364));
    QCOMPARE(window.size(), QSize(954, 425));
    QCOMPARE(window.HSS->maximum(), maximum);
    QVERIFY(window.HSS->isHidden());
}

void MapWindowTest::scrollingMovesTheMapAndMarkers() {
    QTemporaryDir folder;
    WriteMap(folder, 1200);
    auto cSS = CastleList();
    MapWindow window(cSS.get(), folder.path().toStdU16String());
    window.show();
    QWidget* marker = MarkerNumbered(window, 1000);
    const QPoint before = marker->mapTo(&window, QPoint(0, 0));
    window.HSS->setValue(1500);  // twips
    QCOMPARE(window.Picture1->pos(), QPoint(-100, 0));
    QCOMPARE(marker->mapTo(&window, QPoint(0, 0)), before - QPoint(100, 0));
    window.HSS->setValue(0);
    QCOMPARE(window.Picture1->pos(), QPoint(0, 0));
}

void MapWindowTest::missingMapLeavesAnEmptyMap() {
    QTemporaryDir folder;
    auto cSS = CastleList();
    MapWindow window(cSS.get(), folder.path().toStdU16String());
    window.show();
    QVERIFY(window.Picture1->pixmap().isNull());
    QCOMPARE(window.Picture1->geometry(), QRect(0, 0, 954, 364));
    QCOMPARE(window.Markers().size(), std::size_t{60});
    QCOMPARE(window.HSS->maximum(), 32767);
    QTest::mouseClick(MarkerNumbered(window, 1096), Qt::LeftButton);
    QCOMPARE(cSS->currentIndex(), 96);
}

void MapWindowTest::closeBoxUnloadsTheWindow() {
    auto cSS = CastleList();
    QPointer<MapWindow> window = new MapWindow(cSS.get(), kProgramFolder);
    window->show();
    QTest::mouseClick(MarkerNumbered(*window, 1000), Qt::LeftButton);
    QVERIFY(window->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
    // The next one loads afresh; the list keeps its choice.
    MapWindow next(cSS.get(), kProgramFolder);
    QCOMPARE(next.Label2->text(), QString());
    QCOMPARE(cSS->currentIndex(), 0);
}

void MapWindowTest::mapPictureHasEveryMarkerOnLand() {
    const QImage map = GeneratedMap();
    QCOMPARE(map.size(), QSize(950, 360));
    const auto isLand = [&map](int x, int y) { return (map.pixel(x, y) & 0xFFFFFFu) == busho::map::kLandRgb; };
    // The sea is not in the land colour, so a marker over the sea shows in this check.
    int seaInLandColour = 0;
    for (int x = 300; x < 700; ++x) seaInLandColour += isLand(x, 40);
    QCOMPARE(seaInLandColour, 0);
    for (const Castle& castle : kCastles) {
        const QRect square = Square(castle);
        int offLand = 0;
        for (int y = square.top(); y <= square.bottom(); ++y)
            for (int x = square.left(); x <= square.right(); ++x) offLand += !isLand(x, y);
        QVERIFY2(offLand == 0, qPrintable(QStringLiteral("marker %1: %2 pixels off land").arg(castle.index).arg(offLand)));
    }
}

void MapWindowTest::mapToolDrawsTheSameBytesAgain() {
    QTemporaryDir folder;
    const QString again = folder.filePath(QStringLiteral("map.png"));
    QCOMPARE(QProcess::execute(kMapTool, {kIslands, again}), 0);
    QFile built(QString::fromStdU16String((kProgramFolder / "map.png").u16string()));
    QFile redrawn(again);
    QVERIFY(built.open(QIODevice::ReadOnly));
    QVERIFY(redrawn.open(QIODevice::ReadOnly));
    const QByteArray bytes = redrawn.readAll();
    QVERIFY(bytes.startsWith("\x89PNG"));
    QVERIFY(bytes == built.readAll());
}

void MapWindowTest::mapToolRefusesAMarkerAtSea() {
    QTemporaryDir folder;
    // One island under Kyushu's castles only: every castle further east stands in the sea.
    QFile islands(folder.filePath(QStringLiteral("islands.txt")));
    QVERIFY(islands.open(QIODevice::WriteOnly));
    islands.write("land Kyushu\n  40 100  200 100  200 320  40 320\n");
    islands.close();
    const QString output = folder.filePath(QStringLiteral("map.png"));
    QProcess tool;
    tool.start(kMapTool, {islands.fileName(), output});
    QVERIFY(tool.waitForFinished());
    QCOMPARE(tool.exitCode(), 1);
    const QString errors = QString::fromUtf8(tool.readAllStandardError());
    QVERIFY2(errors.contains(QStringLiteral("marker 1000")), qPrintable(errors));
    QVERIFY(!errors.contains(QStringLiteral("marker 1150")));
    QVERIFY(!QFile::exists(output));
}

QTEST_MAIN(MapWindowTest)
#include "map_window_test.moc"
