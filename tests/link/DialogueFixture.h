#pragma once
#include <gtest/gtest.h>

#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// A link with the fake main window, an open fake serial port and a data folder; the test drives
// the engine tick by tick and moves the manual clock itself.
struct DialogueFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FakeLinkWindow window;
    FakeTerminalWindow terminal;

    DialogueFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        platform.Serial.Open();
    }

    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) Timer1_Timer(link);
    }
    // One tick after 60 ms, as the main window's timer runs it.
    void TimerTick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            platform.Clock.AdvanceMs(60);
            Timer1_Timer(link);
        }
    }
    void Arrive(const QByteArray& bytes) { platform.Serial.PushIncoming(bytes); }
    QString Sent() const { return QString::fromLatin1(platform.Serial.Written()); }
    QString DataFile(const QString& name) const { return QString::fromLatin1(platform.ReadDataFile(name)); }

    // A reply that has arrived whole and waits to be dispatched.
    void Complete(const QString& reply) {
        link.Dialogue.ReplyBuffer = reply;
        link.Dialogue.DialogueState = 2;
    }
};

}  // namespace tidepost::test
