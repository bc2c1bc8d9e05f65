#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QStringList>

#include "config/Config.h"
#include "config/DefaultISPForm.h"
#include "config/DefaultLESForm.h"
#include "config/EMailServicesForm.h"
#include "config/LESConfigForm.h"
#include "config/LesEditForm.h"
#include "config/LesServicesForm.h"
#include "config/Routing.h"
#include "config/RoutingForm.h"
#include "config/SettingsForm.h"
#include "config/SetupDialogs.h"
#include "config/StatusDialogs.h"
#include "config/IConfigMainWindow.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/DispatchReply.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The main window as the configuration dialogs see it: what they set, in order.
class FakeConfigMainWindow : public IConfigMainWindow {
public:
    void CcFieldVisible(bool value) override { Calls << QString("Cc %1").arg(value); }
    void BCcFieldVisible(bool value) override { Calls << QString("Bcc %1").arg(value); }
    void MainFormSetUp() override { Calls << "MainFormSetUp"; }
    void ResetHotList() override { Calls << "ResetHotList"; }
    void RunConfigPasswordAction(qint32 code) override { Calls << QString("action %1").arg(code); }
    void UpdateMnuInsertVesselName() override { Calls << "UpdateMnuInsertVesselName"; }
    QStringList Calls;
};

// The configuration area over a data folder with the built-in LES files and a settings file; the
// line end after an echo is learnt as CR LF.
struct ConfigFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    Config c{f, link, m};
    FakeLinkWindow window;
    FakeConfigMainWindow main;

    ConfigFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.EchoTerminatorLength = 2;
        c.MainWindow = &main;
        ReadIniFile(f);
        RegisterConfigHandlers(c);
    }
    ~ConfigFixture() override {
        c.LESConfigForm.unload();
        c.LesEditForm.unload();
        c.LesServicesForm.unload();
        c.DefaultLESForm.unload();
        c.DefaultISPForm.unload();
        c.EMailServicesForm.unload();
        c.SettingsForm.unload();
        c.RoutingForm.unload();
        c.Status->UnloadAll();
        c.Setup->UnloadAll();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // A whole reply through the dispatch, as the engine hands it over.
    void Dispatch(const QString& reply) {
        link.Dialogue.ReplyBuffer = reply;
        link.Dialogue.DialogueState = 2;
        DispatchReply(link);
    }
    QByteArray Data(const char* name) const { return platform.ReadDataFile(name); }
};

}  // namespace tidepost::test
