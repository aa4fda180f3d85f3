// The platform's real pieces, not their recording stand-ins: Qt's message boxes with their standard
// buttons in the interface language, and the voice player on the machine's own media backend.

#include <QAbstractButton>
#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QtTest>

#include <fstream>

#include "core/text/messages.h"
#include "officer_fixtures.h"
#include "platform/gbk_text.h"
#include "platform/message_boxes.h"
#include "platform/qt_translations.h"
#include "platform/voice_player.h"

using namespace busho;
using namespace busho::testing;

namespace {

// A short, silent 16-bit mono WAV.
void WriteWav(const std::filesystem::path& file) {
    const std::uint32_t samples = 800, rate = 8000, dataBytes = samples * 2;
    auto u32 = [](std::ofstream& out, std::uint32_t v) { for (int i = 0; i < 4; ++i) out.put(static_cast<char>(v >> (8 * i))); };
    auto u16 = [](std::ofstream& out, std::uint16_t v) { out.put(static_cast<char>(v)); out.put(static_cast<char>(v >> 8)); };
    std::ofstream out(file, std::ios::binary);
    out << "RIFF";
    u32(out, 36 + dataBytes);
    out << "WAVEfmt ";
    u32(out, 16);
    u16(out, 1);
    u16(out, 1);
    u32(out, rate);
    u32(out, rate * 2);
    u16(out, 2);
    u16(out, 16);
    out << "data";
    u32(out, dataBytes);
    for (std::uint32_t i = 0; i < dataBytes; ++i) out.put('\0');
}

}  // namespace

class RealPiecesTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(platform::InstallQtTranslations(*QCoreApplication::instance())); }
    void questionButtonsAreInChinese();
    void noticeButtonIsInChinese();
    void keepQuestionHasThreeButtons_data();
    void keepQuestionHasThreeButtons();
    void iconFollowsTheStyle_data();
    void iconFollowsTheStyle();
    void missingSampleIsToldOnceAndTheRunGoesOn();
    void aBurstOfRequestsPlaysOnlyTheLast();
    void stoppedBeforeStartingHasNoOutcome();
    void aSampleIsPlayedToItsEnd();
    void theFirstSampleWaitsForTheWindowsToBePainted();
};

void RealPiecesTest::questionButtonsAreInChinese() {
    platform::QtMessageBoxes boxes;
    QStringList texts;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons()) texts << button->text();
        box->button(QMessageBox::No)->click();
    });
    const bool yes = boxes.AskYesNo({Problem(TextId::kTextAsIs, {platform::ToGbk(QStringLiteral("继续搜索吗？"))}), std::nullopt, 0});
    QVERIFY(!yes);
    QCOMPARE(texts.size(), 2);
    QVERIFY2(texts.filter(QStringLiteral("是")).size() == 1, qPrintable(texts.join(QLatin1Char('|'))));
    QVERIFY2(texts.filter(QStringLiteral("否")).size() == 1, qPrintable(texts.join(QLatin1Char('|'))));
}

void RealPiecesTest::noticeButtonIsInChinese() {
    platform::QtMessageBoxes boxes;
    QString text;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        text = box->button(QMessageBox::Ok)->text();
        box->button(QMessageBox::Ok)->click();
    });
    // The file follows the text; the reason, with its own reasons, comes on the next line.
    boxes.Show({Problem(TextId::kTextAsIs, {platform::ToGbk(QStringLiteral("保存完毕"))})
                    .InFile("/tmp/x")
                    .Because(Problem(TextId::kReasonCannotCopyBecause).Because(Problem(TextId::kReasonNotRegularFile))),
                std::nullopt, text_gbk::kStyleInformation});
    QVERIFY2(text.contains(QStringLiteral("确定")), qPrintable(text));
    QCOMPARE(shown, QStringLiteral("保存完毕/tmp/x\n无法复制文件：不是普通文件"));
}

void RealPiecesTest::keepQuestionHasThreeButtons_data() {
    QTest::addColumn<QString>("press");  // the caption of the button clicked, or "Escape"
    QTest::addColumn<int>("answer");
    QTest::newRow("save") << QStringLiteral("保存") << int(platform::KeepAnswer::Keep);
    QTest::newRow("don't save") << QStringLiteral("不保存") << int(platform::KeepAnswer::Drop);
    QTest::newRow("cancel") << QStringLiteral("取消") << int(platform::KeepAnswer::Cancel);
    QTest::newRow("escape") << QStringLiteral("Escape") << int(platform::KeepAnswer::Cancel);
}

void RealPiecesTest::keepQuestionHasThreeButtons() {
    QFETCH(QString, press);
    QFETCH(int, answer);
    platform::QtMessageBoxes boxes;
    QStringList texts;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->text();
        for (QAbstractButton* button : box->buttons()) {
            texts << button->text();
            if (button->text() == press) button->click();
        }
        if (press == QStringLiteral("Escape")) QTest::keyClick(box, Qt::Key_Escape);
    });
    const auto got = boxes.AskKeep({Problem(TextId::kUnsavedQuestion), TextId::kTitleNotice, text_gbk::kStyleWarning},
                                   TextId::kButtonSave, TextId::kButtonDontSave);
    QCOMPARE(int(got), answer);
    QCOMPARE(shown, platform::FromGbk(text_gbk::kUnsavedQuestion));
    texts.sort();
    QStringList expected{QStringLiteral("保存"), QStringLiteral("不保存"), QStringLiteral("取消")};
    expected.sort();
    QCOMPARE(texts, expected);
}

void RealPiecesTest::iconFollowsTheStyle_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("icon");
    QTest::newRow("none") << 0 << int{QMessageBox::NoIcon};
    QTest::newRow("critical") << 16 << int{QMessageBox::Critical};
    QTest::newRow("question") << 32 << int{QMessageBox::Question};
    QTest::newRow("warning") << 48 << int{QMessageBox::Warning};
    QTest::newRow("information") << 64 << int{QMessageBox::Information};
    QTest::newRow("critical and information") << 80 << int{QMessageBox::Critical};
}

void RealPiecesTest::iconFollowsTheStyle() {
    QFETCH(int, style);
    QFETCH(int, icon);
    platform::QtMessageBoxes boxes;
    int shown = -1;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        shown = box->icon();
        box->button(QMessageBox::Ok)->click();
    });
    boxes.Show({Problem(TextId::kTitleNotice), std::nullopt, style});
    QCOMPARE(shown, icon);
}

void RealPiecesTest::missingSampleIsToldOnceAndTheRunGoesOn() {
    TempFolder folder;
    platform::RecordingMessageBoxes messages;
    platform::QtVoicePlayer voices(messages);
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };
    for (const char* name : {"SE_VOICE_BRAVE_1.wav", "SE_VOICE_WOMAN_2.wav"}) {
        voices.Stop();
        voices.Play(folder.Path() / name);
        QVERIFY(voices.Awaiting());
        QTRY_VERIFY(!voices.Awaiting());
    }
    QCOMPARE(reports.size(), 2u);
    for (const auto& r : reports) {
        QVERIFY(!r.played);
        QVERIFY(r.reason.contains(QStringLiteral("找不到")));
    }
    QCOMPARE(reports[1].file, folder.Path() / "SE_VOICE_WOMAN_2.wav");
    QVERIFY(voices.LastReport() && voices.LastReport()->file == reports[1].file);
    // Told once per run, naming the first file.
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].body.file, folder.Path() / "SE_VOICE_BRAVE_1.wav");
    QVERIFY(platform::MessageText(messages.shown[0]).contains(QStringLiteral("无法播放语音样本")));
}

void RealPiecesTest::aBurstOfRequestsPlaysOnlyTheLast() {
    TempFolder folder;
    platform::RecordingMessageBoxes messages;
    platform::QtVoicePlayer voices(messages);
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };
    for (int n = 1; n <= 5; ++n) {
        voices.Stop();
        voices.Play(folder.Path() / ("missing_" + std::to_string(n) + ".wav"));
    }
    QTRY_VERIFY(!voices.Awaiting());
    QTest::qWait(50);
    QCOMPARE(reports.size(), 1u);
    QCOMPARE(reports[0].file, folder.Path() / "missing_5.wav");
}

void RealPiecesTest::stoppedBeforeStartingHasNoOutcome() {
    TempFolder folder;
    platform::RecordingMessageBoxes messages;
    platform::QtVoicePlayer voices(messages);
    int reports = 0;
    voices.onReport = [&](const platform::VoiceReport&) { ++reports; };
    voices.Play(folder.Path() / "missing.wav");
    voices.Stop();
    QVERIFY(!voices.Awaiting());
    QTest::qWait(50);
    QCOMPARE(reports, 0);
    QVERIFY(messages.shown.empty());
}

// On this machine's backend, with the null ALSA device that the test's home folder sets up: the sample
// plays to its end and nothing is shown. The build installs GStreamer's plugins, so nothing is missing.
void RealPiecesTest::aSampleIsPlayedToItsEnd() {
    QCOMPARE(platform::MissingMediaPieces(), QString());
    TempFolder folder;
    const auto wav = folder.Path() / "SE_VOICE_NORMAL_3.wav";
    WriteWav(wav);
    platform::RecordingMessageBoxes messages;
    platform::QtVoicePlayer voices(messages);
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };
    voices.Play(wav);
    QTRY_VERIFY_WITH_TIMEOUT(!voices.Awaiting(), 20000);
    QCOMPARE(reports.size(), 1u);
    QCOMPARE(reports[0].file, wav);
    QVERIFY2(reports[0].played, qPrintable(reports[0].reason));
    // Qt lists no output device for a null ALSA device (nor on a machine without a sound card): the
    // user is told once that the samples cannot be heard.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        QCOMPARE(messages.shown.size(), 1u);
        QVERIFY(platform::MessageText(messages.shown[0]).contains(QStringLiteral("没有找到声音输出设备")));
    } else {
        QVERIFY(messages.shown.empty());
    }
}

namespace {
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};
}  // namespace

// Showing the first officer asks for its sample while the windows are still being put up: the media
// player is made only once every window has been painted, then each sample starts as before.
void RealPiecesTest::theFirstSampleWaitsForTheWindowsToBePainted() {
    TempFolder folder;
    platform::RecordingMessageBoxes messages;
    platform::QtVoicePlayer voices(messages);
    QWidget window;
    window.resize(200, 100);
    PaintCounter counter;
    window.installEventFilter(&counter);
    std::vector<int> paintsAtReport;
    voices.onReport = [&](const platform::VoiceReport&) { paintsAtReport.push_back(counter.paints); };
    window.show();
    voices.Play(folder.Path() / "missing.wav");  // a missing sample ends as soon as it is started
    QTRY_COMPARE(paintsAtReport.size(), 1u);
    QVERIFY(paintsAtReport[0] > 0);
    // A later sample does not wait for another paint.
    const int paints = counter.paints;
    voices.Play(folder.Path() / "missing_2.wav");
    QTRY_COMPARE(paintsAtReport.size(), 2u);
    QCOMPARE(paintsAtReport[1], paints);
}

QTEST_MAIN(RealPiecesTest)
#include "real_pieces_test.moc"
