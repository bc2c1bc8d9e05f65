#pragma once
#include <gtest/gtest.h>

#include "link/Link.h"
#include "link/DispatchReply.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The message area on a link with the fake main window and a data folder; the line end after an
// echo is already learnt as CR LF.
struct MessagesFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    FakeLinkWindow window;

    MessagesFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.EchoTerminatorLength = 2;
        RegisterMessageHandlers(m);
    }

    // A whole reply through the dispatch, as the engine hands it over.
    void Dispatch(const QString& reply) {
        link.Dialogue.ReplyBuffer = reply;
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
    }
    QString ErrorLogText() const { return QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")); }
};

}  // namespace tidepost::test
