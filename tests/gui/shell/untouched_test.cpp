// What the user did not change stays as it was: showing an officer and pressing 修改 gives, once saved,
// the bytes of a plain load and save; stored relations that name no officer are shown, picked around
// and kept without a crash; reloading shows officer 1 with its own tactics only.

#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "gui/editor/editor_window.h"
#include "gui/editor/reference_panel.h"
#include "platform/gbk_text.h"
#include "core/text/text_fields.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

std::string Bytes(const char* raw) { return raw; }

// Rewrites the edition's officer file with texts that no decode and encode bring back, and list
// values that no item stands for.
void PutProblemOfficers(const Fixture& fixture, std::uint8_t edition) {
    const auto path = OfficerFilePathFor(edition, fixture.Documents());
    auto parsed = ParseOfficerFile(ReadBytes(path));
    if (!parsed) QFAIL("fixture file does not load");
    auto contents = std::make_unique<OfficerFileContents>(std::move(parsed).value());
    const bool tc = edition == kEditionTraditionalChinese;
    OfficerSlot& a = contents->Officers[1];
    OfficerSlot& b = contents->Officers[2];
    OfficerSlot& c = contents->Officers[3];
    if (tc) {
        // 乾 and 幹 both read as 干; 髮 and 發 both as 发; 後 reads as 后.
        SetText(a.Record.FamilyName, Bytes("\xb0\xae\xb7\x46"));
        SetText(a.Record.GivenName, Bytes("\xbe\x76\xb5\x6f"));
        SetText(a.Record.Biography, Bytes("\xab\xe1\xb0\xae\xb7\x46\xbe\x76\xb5\x6f abc \x80\xff"));
        SetText(b.Record.FamilyNameReading, Bytes("\xa1\x48\xa1\x48"));
    } else {
        // A half-width katakana and characters of the IBM and NEC extensions.
        SetText(a.Record.GivenName, Bytes("\xb1\x90\x4d"));
        SetText(a.Record.Biography, Bytes("\x87\x40\xfb\xfc\x90\x4d\xb1\xb2 abc"));
        SetText(b.Record.FamilyNameReading, Bytes("\x82\xa0\x82\xa2\x82\xa4"));
        SetText(c.Record.GivenNameReading, Bytes("\x83\x41\x83\x43"));
    }
    a.Record.CompatibilityOfficer = 2000;
    a.Record.Father = -5;
    a.Record.Origin = 12;
    a.Record.Aptitude[3] = 7;
    a.LikedCount = 2;
    a.Liked = {13370, 5000};
    a.DislikedCount = 1;
    a.Disliked = {2147483647, 0};
    b.Record.CompatibilityOfficer = -7;
    b.Record.Father = 1630;
    b.LikedCount = 1;
    b.Liked = {10005, 0};  // past the last officer
    b.Extra.AssignedCastle = -3;
    c.Record.Father = 10001;
    c.DislikedCount = 2;
    c.Disliked = {-2147483647 - 1, 7};
    std::vector<OfficerSlot> officers;
    for (int slot = 1; slot < contents->EndSlot; ++slot) officers.push_back(contents->Officers[slot]);
    officers.push_back(EndMarker());
    WriteBytes(path, BuildFileBytes(contents->Header, officers));
}

}  // namespace

class UntouchedTest : public QObject {
    Q_OBJECT
private slots:
    void showCommitSaveEqualsLoadSave_data();
    void showCommitSaveEqualsLoadSave();
    void relationsThatNameNoOfficerAreShownPickedAroundAndKept();
    void reloadShowsOfficerOneWithItsOwnTactics();
};

void UntouchedTest::showCommitSaveEqualsLoadSave_data() {
    QTest::addColumn<int>("edition");
    QTest::addColumn<bool>("translated");   // 中日文译
    QTest::addColumn<bool>("traditional");  // 输入繁体字内容请打√
    QTest::newRow("tc translated") << int{kEditionTraditionalChinese} << true << false;
    QTest::newRow("tc raw") << int{kEditionTraditionalChinese} << false << false;
    QTest::newRow("tc translated, traditional") << int{kEditionTraditionalChinese} << true << true;
    QTest::newRow("jp translated") << int{kEditionJapanese} << true << false;
    QTest::newRow("jp raw") << int{kEditionJapanese} << false << false;
    QTest::newRow("jp translated, traditional") << int{kEditionJapanese} << true << true;
}

void UntouchedTest::showCommitSaveEqualsLoadSave() {
    QFETCH(int, edition);
    QFETCH(bool, translated);
    QFETCH(bool, traditional);
    const auto ed = static_cast<std::uint8_t>(edition);
    Fixture fixture;
    PutProblemOfficers(fixture, ed);
    const auto path = OfficerFilePathFor(ed, fixture.Documents());
    const auto original = ReadBytes(path);

    std::vector<std::uint8_t> plain;
    {
        Editor editor;
        QVERIFY(editor.app.Start(fixture.Options(ed)));
        QTest::mouseClick(editor.app.Form2().Command1, Qt::LeftButton);
        plain = ReadBytes(path);
    }
    WriteBytes(path, original);

    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(ed)));
    EditorWindow& form1 = editor.app.Form1();
    form1.CK_FT->setChecked(traditional);
    if (!translated) {
        form1.ZZZZ->setChecked(false);
        QTest::mouseClick(form1.Command1, Qt::LeftButton);  // load again: texts shown as their raw bytes
    }
    // The fault this guards against: the texts do not come back from a decode and encode.
    Session& s = editor.app.State();
    const OfficerRecord& first = s.Officers[1].Record;
    bool changes = false;
    for (const std::string& field : {std::string(first.FamilyName.begin(), first.FamilyName.end()),
                                    std::string(first.GivenName.begin(), first.GivenName.end()),
                                    std::string(first.Biography.begin(), first.Biography.end())}) {
        const std::string shown = translated ? DecodeFromGame(s, field) : field;
        std::string again = EncodeForGame(s, platform::ToGbk(platform::FromGbk(CutAtNul(shown))));
        again.resize(field.size(), '\0');
        changes = changes || again != field;
    }
    QVERIFY(changes);

    const std::size_t messagesBefore = editor.messages.shown.size();
    for (int slot = 1; slot <= 3; ++slot) {
        ClickRow(editor.app.Form2(), slot);
        QTest::mouseClick(form1.Command2, Qt::LeftButton);
    }
    QVERIFY(editor.messages.asked.empty());
    QCOMPARE(editor.messages.shown.size(), messagesBefore);
    QTest::mouseClick(editor.app.Form2().Command1, Qt::LeftButton);
    QVERIFY(ReadBytes(path) == plain);
}

void UntouchedTest::relationsThatNameNoOfficerAreShownPickedAroundAndKept() {
    Fixture fixture;
    PutProblemOfficers(fixture, kEditionTraditionalChinese);
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    ReferencePanel& panel = *form1.Panel();
    const int names = editor.app.Names().Count();
    ClickRow(editor.app.Form2(), 1);
    QCOMPARE(form1.cQEWJ1->currentText(), QStringLiteral("（13370）"));
    QCOMPARE(form1.cQEWJ2->currentText(), QStringLiteral("（5000）"));
    QCOMPARE(form1.cYEWJ1->currentText(), QStringLiteral("（2147483647）"));
    QCOMPARE(form1.cYEWJ2->currentIndex(), 0);
    QCOMPARE(form1.cSF->currentText(), QStringLiteral("（-5）"));
    QCOMPARE(form1.cXXWJ->currentText(), QStringLiteral("（2000）"));
    QCOMPARE(form1.cQEWJ1->count(), names + 1);  // one item of its own, not thousands
    QCOMPARE(editor.app.Names().Count(), names);

    // Every pick button opens the panel; for an unlisted number without an entry and without figures.
    for (QPushButton* pick : {form1.Command10, form1.Command12, form1.Command11, form1.Command14, form1.Command15}) {
        ChooseInPanel(form1, form1.Command13, 42);  // figures of another officer first
        QVERIFY(!panel.lbSname->text().isEmpty());
        QTest::mouseClick(pick, Qt::LeftButton);
        QVERIFY(panel.isVisible());
        QVERIFY(!panel.List1->currentIndex().isValid());
        QVERIFY(panel.lbSname->text().isEmpty());
        QVERIFY(panel.lbSTY->text().isEmpty());
        QVERIFY(panel.lbSCG->text().isEmpty());
    }
    // Officer 2: numbers 1630 (no built-in officer) and 10005 (past the last officer) too.
    ClickRow(editor.app.Form2(), 2);
    QCOMPARE(form1.cSF->currentText(), QStringLiteral("（1630）"));
    QCOMPARE(form1.cQEWJ1->currentText(), QStringLiteral("（10005）"));
    QCOMPARE(form1.cXXWJ->currentText(), QStringLiteral("（-7）"));
    QTest::mouseClick(form1.Command14, Qt::LeftButton);
    QVERIFY(!panel.List1->currentIndex().isValid());

    // Choosing in the list replaces the unlisted item; the other unlisted values are kept on commit.
    ClickRow(editor.app.Form2(), 1);
    ChooseInPanel(form1, form1.Command10, 5);
    QCOMPARE(form1.cQEWJ1->currentIndex(), 5);
    QCOMPARE(form1.cQEWJ1->count(), names);
    // The choices made in the panel above were changes in the editor: leaving each officer asked
    // whether to commit them (and the recording answer dropped them). The commit asks nothing.
    for (const Message& asked : editor.messages.asked) QVERIFY(asked.body.text == TextId::kUncommittedQuestion);
    const std::size_t askedBefore = editor.messages.asked.size();
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), askedBefore);
    const OfficerSlot& stored = editor.app.State().Officers[1];
    QCOMPARE(stored.LikedCount, 2);
    QCOMPARE(stored.Liked[0], 4);
    QCOMPARE(stored.Liked[1], 5000);
    QCOMPARE(stored.DislikedCount, 1);
    QCOMPARE(stored.Disliked[0], 2147483647);
    QCOMPARE(stored.Record.Father, -5);
    QCOMPARE(stored.Record.CompatibilityOfficer, 2000);
    QCOMPARE(stored.Record.Origin, 12);
    QCOMPARE(stored.Record.Aptitude[3], 7);
    // Shown again after the commit: still one unlisted item each.
    QCOMPARE(form1.cQEWJ2->currentText(), QStringLiteral("（5000）"));
    QCOMPARE(form1.cQEWJ2->count(), names + 1);
}

void UntouchedTest::reloadShowsOfficerOneWithItsOwnTactics() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    QTest::mouseClick(form1.Check1, Qt::LeftButton);  // 战法全满
    QVERIFY(form1.SKill1[29]->isChecked());
    QTest::mouseClick(form1.Command1, Qt::LeftButton);  // 打开
    for (int t = 0; t < 30; ++t) QCOMPARE(form1.SKill1[static_cast<std::size_t>(t)]->isChecked(), t == 0 || t == 6 || t == 22);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.app.State().Officers[1].Record.TacticCount, 3);
}

QTEST_MAIN(UntouchedTest)
#include "untouched_test.moc"
