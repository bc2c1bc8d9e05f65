#pragma once
#include <QFile>
#include <gtest/gtest.h>

#include "distress/Distress.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "support/FakeMainForm.h"
#include "support/FakeNotificationsWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The distress area on fakes, registered as the application registers it, with an "alarm.wav"
// in the program folder.
struct DistressFixture : ::testing::Test {
    DistressFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.Windows.MainForm = &mainForm;
        link.Windows.NotificationsWindow = &notifications;
        RegisterDistressHandlers(distress);
        distress.InboxButtonClick = [this] { ++inboxOpened; };
        distress.EGCButtonClick = [this] { ++egcOpened; };
        WriteAlarmWav();
    }
    void WriteAlarmWav() {
        QFile wav(platform.ProgramFolder() + "/alarm.wav");
        if (wav.open(QIODevice::WriteOnly)) wav.write("RIFF");
    }
    void RemoveAlarmWav() { QFile::remove(platform.ProgramFolder() + "/alarm.wav"); }

    // The queued message boxes, oldest first; the queue is emptied.
    QStringList Boxes() {
        QStringList out;
        cErrorQueue& queue = ErrorQueue(f);
        while (queue.Count() > 0) out.append(queue.Dequeue().toString());
        return out;
    }
    QString ErrorLogText() const {
        QFile log(platform.DataFolder() + "/ErrorLog.txt");
        return log.open(QIODevice::ReadOnly) ? QString::fromLatin1(log.readAll()) : QString();
    }

    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    FakeMainForm mainForm;
    FakeNotificationsWindow notifications;
    Distress distress{f, link, messages};
    int inboxOpened = 0;
    int egcOpened = 0;
};

}  // namespace tidepost::test
