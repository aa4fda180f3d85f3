// The voice player of the Windows build, over a stand-in for the system's sound calls: what it hands to
// the system, how each sample ends, and that a system which cannot play (Windows without a sound
// device refuses at once) is told once and is no fault.

#include <QApplication>
#include <QtTest>

#include <fstream>
#include <vector>

#include "officer_fixtures.h"
#include "platform/message_boxes.h"
#include "platform/system_sound_voice_player.h"

using namespace busho;
using namespace busho::testing;

namespace {

// Records each call and answers `play` with `accepts`.
struct FakeSound {
    bool accepts = true;
    std::vector<std::filesystem::path> played;
    int stops = 0;
    platform::SystemSound Calls() {
        return {[this](const std::filesystem::path& file) {
                    played.push_back(file);
                    return accepts;
                },
                [this] { ++stops; }};
    }
};

std::filesystem::path Sample(const TempFolder& folder, const char* name) {
    const auto file = folder.Path() / name;
    std::ofstream(file, std::ios::binary) << "RIFF";
    return file;
}

}  // namespace

class SystemSoundVoicePlayerTest : public QObject {
    Q_OBJECT
private slots:
    void eachSampleEndsAsTheSystemAnswers_data();
    void eachSampleEndsAsTheSystemAnswers();
    void aSystemThatCannotPlayIsToldOnce();
    void aBurstOfRequestsHandsOnlyTheLastToTheSystem();
    void stoppedBeforeStartingReachesNoSystemCall();
};

void SystemSoundVoicePlayerTest::eachSampleEndsAsTheSystemAnswers_data() {
    QTest::addColumn<bool>("fileExists");
    QTest::addColumn<bool>("systemAccepts");
    QTest::addColumn<bool>("played");
    QTest::addColumn<int>("systemCalls");
    QTest::addColumn<QString>("reasonHolds");
    QTest::newRow("accepted") << true << true << true << 1 << QString();
    QTest::newRow("no sound device") << true << false << false << 1 << QStringLiteral("Windows 无法播放声音");
    QTest::newRow("file missing") << false << true << false << 0 << QStringLiteral("找不到这个语音文件");
}

void SystemSoundVoicePlayerTest::eachSampleEndsAsTheSystemAnswers() {
    QFETCH(bool, fileExists);
    QFETCH(bool, systemAccepts);
    QFETCH(bool, played);
    QFETCH(int, systemCalls);
    QFETCH(QString, reasonHolds);
    TempFolder folder;
    const auto file = fileExists ? Sample(folder, "SE_VOICE_BRAVE_1.wav") : folder.Path() / "SE_VOICE_BRAVE_1.wav";
    FakeSound sound;
    sound.accepts = systemAccepts;
    platform::RecordingMessageBoxes messages;
    platform::SystemSoundVoicePlayer voices(messages, sound.Calls());
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };

    voices.Play(file);
    QVERIFY(voices.Awaiting());
    QVERIFY(sound.played.empty());  // started from the event loop, not inside Play
    QTRY_VERIFY(!voices.Awaiting());

    QCOMPARE(static_cast<int>(sound.played.size()), systemCalls);
    if (systemCalls) QCOMPARE(sound.played[0], file);
    QCOMPARE(reports.size(), 1u);
    QCOMPARE(reports[0].file, file);
    QCOMPARE(reports[0].played, played);
    QVERIFY(voices.LastReport() && voices.LastReport()->played == played);
    if (played) {
        QVERIFY(reports[0].reason.isEmpty());
        QVERIFY(messages.shown.empty());
    } else {
        QVERIFY2(reports[0].reason.contains(reasonHolds), qPrintable(reports[0].reason));
        QCOMPARE(messages.shown.size(), 1u);
        QCOMPARE(messages.shown[0].body.file, file);
        QVERIFY(platform::MessageText(messages.shown[0]).contains(QStringLiteral("无法播放语音样本")));
        QVERIFY(platform::MessageText(messages.shown[0]).contains(reasonHolds));
    }
}

void SystemSoundVoicePlayerTest::aSystemThatCannotPlayIsToldOnce() {
    TempFolder folder;
    FakeSound sound;
    sound.accepts = false;
    platform::RecordingMessageBoxes messages;
    platform::SystemSoundVoicePlayer voices(messages, sound.Calls());
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };
    const auto first = Sample(folder, "SE_VOICE_BRAVE_1.wav");
    const auto second = Sample(folder, "SE_VOICE_WOMAN_2.wav");
    for (const auto& file : {first, second, first}) {
        voices.Stop();
        voices.Play(file);
        QTRY_VERIFY(!voices.Awaiting());
    }
    // Every sample is still offered to the system (a device may appear), each ends unplayed, and the
    // user hears of it once, naming the first file.
    QCOMPARE(sound.played, (std::vector<std::filesystem::path>{first, second, first}));
    QCOMPARE(reports.size(), 3u);
    for (const auto& r : reports) QVERIFY(!r.played);
    QCOMPARE(messages.shown.size(), 1u);
    QCOMPARE(messages.shown[0].body.file, first);
}

void SystemSoundVoicePlayerTest::aBurstOfRequestsHandsOnlyTheLastToTheSystem() {
    TempFolder folder;
    FakeSound sound;
    platform::RecordingMessageBoxes messages;
    platform::SystemSoundVoicePlayer voices(messages, sound.Calls());
    std::vector<platform::VoiceReport> reports;
    voices.onReport = [&](const platform::VoiceReport& r) { reports.push_back(r); };
    const auto first = Sample(folder, "SE_VOICE_BRAVE_1.wav");
    const auto last = Sample(folder, "SE_VOICE_WOMAN_2.wav");
    voices.Play(first);
    voices.Play(last);
    QTRY_VERIFY(!voices.Awaiting());
    QCOMPARE(sound.played, (std::vector<std::filesystem::path>{last}));
    QCOMPARE(reports.size(), 1u);
    QCOMPARE(reports[0].file, last);
    QVERIFY(reports[0].played);
}

void SystemSoundVoicePlayerTest::stoppedBeforeStartingReachesNoSystemCall() {
    TempFolder folder;
    FakeSound sound;
    platform::RecordingMessageBoxes messages;
    platform::SystemSoundVoicePlayer voices(messages, sound.Calls());
    bool reported = false;
    voices.onReport = [&](const platform::VoiceReport&) { reported = true; };
    voices.Play(Sample(folder, "SE_VOICE_BRAVE_1.wav"));
    voices.Stop();
    QVERIFY(!voices.Awaiting());
    QCOMPARE(sound.stops, 1);
    QTest::qWait(50);  // the scheduled start comes and finds nothing to play
    QVERIFY(sound.played.empty());
    QVERIFY(!reported);
    QVERIFY(!voices.LastReport());
}

QTEST_MAIN(SystemSoundVoicePlayerTest)
#include "system_sound_voice_player_test.moc"
