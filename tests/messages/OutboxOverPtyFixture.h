#pragma once
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "link/Link.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/FakeMessagesWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The messages area over a real serial port on a pseudo-terminal whose far end is the simulated
// transceiver, with the outbox folder and its settings in a temporary data folder.
class OutboxOverPty : public ::testing::Test {
protected:
    // Prepares the outbox and the handlers; the port is opened by the test's own set-up.
    void PrepareOutbox() {
        ASSERT_TRUE(pty.IsOpen());
        transport.Pacer.ChunkSize = 16;
        transport.Pacer.ChunkDelayMs = 1;
        outbox = platform.DataFolder() + "/sent items/";
        QDir().mkpath(outbox);
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gOutboxDir = outbox;
        f.gIniEntries.Loaded = f.gIniEntries.LoadTried = true;
        f.gIniEntries.Items = {{"[outbox]", outbox}};
        RegisterMessageHandlers(messages);
        messages.Window = &views;
        link.Windows.Window = &window;
    }
    QByteArray Read(const QString& name) const {
        QFile file(outbox + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    TestPlatform platform;
    SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    FakeLinkWindow window;
    FakeMessagesWindow views;
    QString outbox;
};

}  // namespace tidepost::test
