#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/ProcessSoundPlayer.h"

using namespace tidepost;

namespace {

// A stand-in "paplay" first on PATH, running `body`; the real PATH comes back at the end.
class PlayerOnPath {
public:
    explicit PlayerOnPath(const QByteArray& body) : m_path(qgetenv("PATH")) {
        QFile script(m_folder.path() + "/paplay");
        if (script.open(QIODevice::WriteOnly)) script.write("#!/bin/sh\n" + body + "\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
        qputenv("PATH", (m_folder.path() + ":" + m_path).toLocal8Bit());
    }
    ~PlayerOnPath() { qputenv("PATH", m_path); }

private:
    QTemporaryDir m_folder;
    QByteArray m_path;
};

// Plays and waits for the answer; -1 when none came.
int PlayAndWait(ProcessSoundPlayer& player) {
    int answer = -1;
    int answers = 0;
    player.Play("/nowhere/alarm.wav", [&](bool played) {
        answer = played ? 1 : 0;
        ++answers;
    });
    (void)QTest::qWaitFor([&] { return answers > 0; }, 5000);
    QTest::qWait(50);  // a second answer would come now
    EXPECT_LE(answers, 1);
    return answer;
}

TEST(ProcessSoundPlayer, TellsWhetherTheSoundWasPlayed) {
    const struct {
        const char* what;
        QByteArray body;
        int played;
    } cases[] = {
        {"played", "exit 0", 1},
        {"player failed", "exit 1", 0},
        {"player killed itself", "kill -9 $$", 0},
        {"player hangs", "exec sleep 30", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerOnPath stand(c.body);
        ProcessSoundPlayer player;
        player.PlayerTimeLimitMs = 300;
        EXPECT_EQ(PlayAndWait(player), c.played);
    }
}

TEST(ProcessSoundPlayer, NoPlayerAtAllAnswersAtOnce) {
    const QByteArray path = qgetenv("PATH");
    QTemporaryDir empty;
    qputenv("PATH", empty.path().toLocal8Bit());
    ProcessSoundPlayer player;
    int answer = -1;
    player.Play("/nowhere/alarm.wav", [&](bool played) { answer = played ? 1 : 0; });
    qputenv("PATH", path);
    EXPECT_EQ(answer, 0);
}

}  // namespace
