// Editing on the real windows: change every kind of field, commit, add, save, and read the file back.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>

#include "core/text/messages.h"
#include "gui/editor/editor_window.h"
#include "gui/editor/reference_panel.h"
#include "platform/gbk_text.h"
#include "window_fixture.h"

using namespace busho;
using namespace busho::testing;

namespace {

template <std::size_t N>
std::string Field(const ByteField<N>& field) {
    return std::string(field.begin(), field.end());
}

std::string Padded(const std::string& text, std::size_t width) {
    std::string padded = text;
    padded.resize(width, '\0');
    return padded;
}

// The slot as saving writes it: signature, header words and id in their written forms.
OfficerSlot AsWritten(OfficerSlot slot, int number) {
    std::vector<std::uint8_t> ignored;
    ByteWriter out(ignored);
    WriteOfficerSlot(out, number, slot);
    return slot;
}

std::unique_ptr<OfficerFileContents> ReadBack(const std::filesystem::path& path) {
    auto parsed = ParseOfficerFile(ReadBytes(path));
    if (!parsed) return nullptr;
    return std::make_unique<OfficerFileContents>(std::move(parsed).value());
}

}  // namespace

class EditingTest : public QObject {
    Q_OBJECT
private slots:
    void everyChangeReachesItsBytesAndNothingElseChanges();
    void refusalsShowTheirMessageAndFocus();
    void lossesAreAskedAndCancelChangesNothing();
    void referencePanelShowsFiguresAndFillsTheAimedList();
    void randomOfficerFillsTheControlsOnly();
};

void EditingTest::everyChangeReachesItsBytesAndNothingElseChanges() {
    Fixture fixture;
    const auto path = OfficerFilePathFor(kEditionTraditionalChinese, fixture.Documents());
    const auto original = ReadBack(path);
    QVERIFY(original);
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    OfficerListWindow& list = editor.app.Form2();
    ClickRow(list, 2);

    form1.txX->setText(QStringLiteral("前田"));
    form1.txM->setText(QStringLiteral("利家"));
    form1.txXP->setText(QStringLiteral("まえだ"));  // typed: stored as typed (Big5 has no kana: asked first)
    form1.txLJ->setText(QStringLiteral("加贺百万石"));
    form1.txCSN->setText(QStringLiteral("1538"));
    form1.txSWN->setText(QStringLiteral("1599"));
    form1.txLTY->setText(QStringLiteral("90"));
    form1.txLWG->setText(QStringLiteral("99"));
    form1.txLZH->setText(QStringLiteral("60"));
    form1.txLZZ->setText(QStringLiteral("70"));
    form1.txLQY->setText(QStringLiteral("88"));
    form1.SkillList[0]->setCurrentIndex(4);
    form1.SkillList[8]->setCurrentIndex(3);
    QTest::mouseClick(form1.SKill1[12], Qt::LeftButton);  // untick
    QTest::mouseClick(form1.SKill1[1], Qt::LeftButton);
    QTest::mouseClick(form1.SKill1[25], Qt::LeftButton);
    form1.cSB->setCurrentIndex(0);
    form1.cCZ->setCurrentIndex(6);
    form1.cXY->setCurrentIndex(2);
    form1.cSS->setCurrentIndex(78);
    form1.cZT->setCurrentIndex(3);
    form1.cCCDC->setCurrentIndex(1);
    QTest::mouseClick(form1.SD[5], Qt::LeftButton);
    ChooseInPanel(form1, form1.Command10, 1631);  // liked: the registered officer of slot 1
    ChooseInPanel(form1, form1.Command14, 3);     // father: built-in officer 2
    ChooseInPanel(form1, form1.Command15, 10);    // compatibility: built-in officer 9
    form1.cYEWJ2->setCurrentIndex(100);
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QVERIFY(editor.messages.shown.empty());
    QCOMPARE(editor.messages.asked.size(), std::size_t{1});
    QVERIFY(platform::MessageText(editor.messages.asked[0]).contains(QStringLiteral("姓音 まえだ")));
    QCOMPARE(list.msFlg->item(1, 2)->text(), QStringLiteral("前田利家"));
    QCOMPARE(editor.app.Names().Item(1632), QStringLiteral("前田利家"));
    QCOMPARE(form1.txMP->text(), QString());  // Big5 holds no kana: the stored (empty) reading stays

    form1.txX->setText(QStringLiteral("真田"));
    form1.txM->setText(QStringLiteral("幸村"));
    QTest::mouseClick(form1.Command3, Qt::LeftButton);
    QVERIFY(editor.messages.shown.empty());
    QCOMPARE(editor.app.State().EndSlot, 5);
    QCOMPARE(editor.app.State().CurrentSlot, 4);
    QCOMPARE(list.msFlg->item(3, 2)->text(), QStringLiteral("真田幸村"));
    QCOMPARE(editor.app.Names().Item(1634), QStringLiteral("真田幸村"));

    QTest::mouseClick(list.Command1, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), std::size_t{2});
    const auto saved = ReadBack(path);
    QVERIFY(saved);
    QCOMPARE(saved->EndSlot, 5);

    const OfficerSlot& s = saved->Officers[2];
    const std::string big5Question = "\xa1\x48";  // hiragana readings have no Big5 form
    QCOMPARE(Field(s.Record.FamilyName), Padded(Encoded("windows-950", "前田"), 11));
    QCOMPARE(Field(s.Record.GivenName), Padded(Encoded("windows-950", "利家"), 11));
    QCOMPARE(Field(s.Record.FamilyNameReading), Padded(big5Question + big5Question + big5Question, 19));  // as typed, once agreed
    QCOMPARE(Field(s.Record.GivenNameReading), Field(original->Officers[2].Record.GivenNameReading));
    QCOMPARE(Field(s.Record.Biography), Padded(Encoded("windows-950", "加賀百萬石"), 153));
    QCOMPARE(s.Record.BirthYear, 1538);
    QCOMPARE(s.Record.DeathYear, 1599);
    QCOMPARE(s.Record.Leadership, 90);
    QCOMPARE(s.Record.Valour, 99);
    QCOMPARE(s.Record.Intellect, 60);
    QCOMPARE(s.Record.Politics, 70);
    QCOMPARE(s.Extra.Duty, 88);
    QCOMPARE(s.Record.Aptitude[0], 4);
    QCOMPARE(s.Record.Aptitude[8], 3);
    QCOMPARE(s.Record.Aptitude[1], original->Officers[2].Record.Aptitude[1]);
    QCOMPARE(s.Record.TacticCount, 2);
    QCOMPARE(s.Tactics[0], 1);
    QCOMPARE(s.Tactics[1], 25);
    QCOMPARE(s.Record.Gender, 0);
    QCOMPARE(s.Record.Origin, 6);
    QCOMPARE(s.Record.Faith, 2);
    QCOMPARE(s.Extra.AssignedCastle, 78);
    QCOMPARE(s.Extra.Status, 3);
    QCOMPARE(s.Extra.Appearance, 1);
    QCOMPARE(s.Extra.VoiceType, 5);
    QCOMPARE(s.LikedCount, 1);
    QCOMPARE(s.Liked[0], 10000);
    QCOMPARE(s.Record.Father, 2);
    QCOMPARE(s.Record.CompatibilityOfficer, 9);
    QCOMPARE(s.DislikedCount, 1);
    QCOMPARE(s.Disliked[0], 99);
    QCOMPARE(s.Record.PortraitNumber, 1701);
    QCOMPARE(s.Extra.OfficerId, 10001);

    const OfficerSlot& added = saved->Officers[4];
    QCOMPARE(Field(added.Record.FamilyName), Padded(Encoded("windows-950", "真田"), 11));
    QCOMPARE(added.Extra.Status, 7);
    QCOMPARE(added.Extra.OfficerId, 10003);
    QCOMPARE(added.Record.BirthYear, 1538);

    // Nothing else changed: the other officers are as they were, in their written form.
    QVERIFY(saved->Officers[1] == AsWritten(original->Officers[1], 1));
    QVERIFY(saved->Officers[3] == AsWritten(original->Officers[3], 3));
}

void EditingTest::refusalsShowTheirMessageAndFocus() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
    EditorWindow& form1 = editor.app.Form1();
    const auto before = std::make_unique<OfficerTable>(editor.app.State().Officers);
    form1.txX->setText(QStringLiteral("Oda"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), std::size_t{1});
    QCOMPARE(platform::MessageText(editor.messages.shown[0]), QStringLiteral("姓 输入不符，１－3个汉字"));
    QCOMPARE(form1.focusWidget(), form1.txX);
    QCOMPARE(form1.txX->text(), QString());

    form1.txX->setText(QStringLiteral("織田"));
    form1.txLZH->setText(QStringLiteral("很高"));
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.shown.size(), std::size_t{2});
    QVERIFY(platform::MessageText(editor.messages.shown[1]).startsWith(QStringLiteral("智力 输入不符")));
    QCOMPARE(form1.focusWidget(), form1.txLZH);
    QVERIFY(editor.app.State().Officers == *before);
}

void EditingTest::lossesAreAskedAndCancelChangesNothing() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionJapanese)));
    EditorWindow& form1 = editor.app.Form1();
    QVERIFY(form1.txLTY->toolTip().contains(QStringLiteral("1～120")));
    QVERIFY(form1.txLQY->toolTip().contains(QStringLiteral("1～100")));
    const auto before = std::make_unique<OfficerTable>(editor.app.State().Officers);
    const QString biography = QStringLiteral("尾张 abc 的大名\U0001F600");
    form1.txLJ->setText(biography);
    form1.txLTY->setText(QStringLiteral("150"));
    editor.messages.answers = {false};
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.messages.asked.size(), std::size_t{1});
    const QString question = platform::MessageText(editor.messages.asked[0]);
    // The emoji GBK cannot hold, and the letters the Japanese edition drops, on the biography's line.
    QVERIFY2(question.contains(QStringLiteral("\n列传 U+1F600 abc")), qPrintable(question));
    QVERIFY2(question.contains(QStringLiteral("统御 150，游戏使用 1～120")), qPrintable(question));
    // Cancel: the table and the boxes stay as they were.
    QVERIFY(editor.app.State().Officers == *before);
    QCOMPARE(form1.txLJ->text(), biography);
    QCOMPARE(form1.txLTY->text(), QStringLiteral("150"));
    // Going on stores what can be stored.
    editor.messages.answers = {true};
    QTest::mouseClick(form1.Command2, Qt::LeftButton);
    QCOMPARE(editor.app.State().Officers[1].Record.Leadership, 150);
    QCOMPARE(Field(editor.app.State().Officers[1].Record.Biography).substr(0, 10), Encoded("windows-932", "尾張的大名"));
}

void EditingTest::referencePanelShowsFiguresAndFillsTheAimedList() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    ReferencePanel& panel = *form1.Panel();
    QVERIFY(!panel.isVisible());
    form1.cXXWJ->setCurrentIndex(41);
    QTest::mouseClick(form1.Command15, Qt::LeftButton);
    QVERIFY(panel.isVisible());
    QVERIFY(editor.app.State().PickTarget == PickTarget::Compatibility);
    QCOMPARE(panel.List1->currentIndex().row(), 42);
    QCOMPARE(form1.cXXWJ->currentIndex(), 41);
    QCOMPARE(panel.lbSname->text(), editor.app.Names().Item(42));

    // A registered officer cannot be a father: cSF stays, the figures still show.
    QTest::mouseClick(form1.Command14, Qt::LeftButton);
    const QModelIndex registered = panel.List1->model()->index(1632, 0);
    panel.List1->setCurrentIndex(registered);
    QCOMPARE(form1.cSF->currentIndex(), 0);
    const RosterEntry& entry = editor.app.State().Roster[1632];
    QCOMPARE(panel.lbSTY->text(), QString::number(entry.Leadership));
    QCOMPARE(panel.lbSCG->text(), QString::number(entry.PortraitNumber));  // 1701: the edit archive
    QCOMPARE(panel.Picture3->pixmap().size(), QSize(8, 10));
    // The fixture's figures may be any 32-bit value: the bar's width is worked out in 64 bits.
    QCOMPARE(panel.pLL[0]->width(),
             static_cast<int>(std::clamp<std::int64_t>(std::int64_t{entry.Leadership} * 2880 / 120, 0, 2880) / 15));
    QCOMPARE(panel.lbSname->text(), QStringLiteral("武田信玄"));

    // "无" leaves the figures as they were.
    panel.List1->setCurrentIndex(panel.List1->model()->index(0, 0));
    QCOMPARE(panel.lbSname->text(), QStringLiteral("武田信玄"));
    QCOMPARE(form1.cSF->currentIndex(), 0);
    QTest::mouseClick(panel.Command9, Qt::LeftButton);
    QVERIFY(!panel.isVisible());
    QVERIFY(editor.app.State().PickTarget == PickTarget::Father);
}

void EditingTest::randomOfficerFillsTheControlsOnly() {
    Fixture fixture;
    Editor editor;
    QVERIFY(editor.app.Start(fixture.Options(kEditionTraditionalChinese)));
    EditorWindow& form1 = editor.app.Form1();
    const auto before = std::make_unique<OfficerTable>(editor.app.State().Officers);
    form1.lbCG->setText(QStringLiteral("123"));
    for (int t = 0; t < 30; ++t) form1.SKill1[static_cast<std::size_t>(t)]->setChecked(true);
    QTest::mouseClick(form1.Command16, Qt::LeftButton);
    QCOMPARE(form1.txX->text().size(), 2);
    QVERIFY(form1.txM->text().size() >= 2 && form1.txM->text().size() <= 4);
    QVERIFY(form1.txLJ->text().endsWith(QStringLiteral("，战国神秘的武将人物！")));
    QVERIFY(!form1.SKill1[5]->isChecked() || form1.SkillList[0]->currentIndex() == 4);
    const int portrait = editor.app.State().CurrentPortrait;
    QVERIFY(portrait >= 0 && portrait < 1000);  // always a standard face, drawn or not
    QCOMPARE(form1.lbCG->text(), QString::number(portrait));  // the number in use
    QVERIFY(editor.app.State().Officers == *before);
}

QTEST_MAIN(EditingTest)
#include "editing_test.moc"
