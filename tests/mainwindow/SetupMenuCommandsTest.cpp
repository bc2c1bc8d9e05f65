#include <gtest/gtest.h>

#include <QCoreApplication>

#include <QPair>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/MainFormSendCommand.h"
#include "mainwindow/SetupMenuCommands.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

using Count = QPair<int, int>;
using Handler = void (MainForm::*)();

struct SetupMenu : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    // What happened, in order: counts as "count <id>", slots by their name.
    QStringList events;
    // The password dialog.
    qint32 purpose = -1;
    QString passwordBox;

    SetupMenu() {
        f.gConfiguration.DataPath = platform.DataFolder();
        ReadIniFile(f);
        form.HotList.Add = [this](int id, int parent) {
            events << QString("count %1").arg(id) + (parent ? QString("/%1").arg(parent) : QString());
        };
        MenuDialogs& d = form.Dialogs;
        Record(d.OpenEGCSetup, "OpenEGCSetup");
        Record(d.OpenRoutingSetup, "OpenRoutingSetup");
        Record(d.OpenDnidList, "OpenDnidList");
        Record(d.OpenEMailServices, "OpenEMailServices");
        Record(d.OpenPUReporting, "OpenPUReporting");
        Record(d.OpenEnidList, "OpenEnidList");
        Record(d.ShowMobileNoChangeForm, "ShowMobileNoChangeForm");
        Record(d.ShowConfigPasswordForm, "ConfigPasswordForm");
        Record(d.ShowTransmitPasswordForm, "TransmitPasswordForm");
        Record(d.ShowRemotePasswordForm, "RemotePasswordForm");
        Record(d.ShowSettingsForm, "SettingsForm");
        Record(d.ShowVesselDataForm, "VesselDataForm");
        Record(d.ShowTestSoundForm, "TestSoundForm");
        Record(d.ShowCommandForm, "CommandForm");
        Record(d.ShowSystemInfoForm, "SystemInfoForm");
        Record(d.ShowSetLocalTimeForm, "SetLocalTimeForm");
        Record(d.ShowDefaultISPForm, "DefaultISPForm");
        Record(d.DNIDPUProgramForm.PrepareNewProgram, "PrepareNewProgram");
        Record(d.DefineSignatureForm.Show, "DefineSignatureForm");
        d.DefineSignatureForm.SetSignatureText = [this](const QString& text) { events << "signature " + text; };
        d.VerifyConfigPasswordForm.SetConfigPasswordPurpose = [this](qint32 code) { purpose = code; };
        d.VerifyConfigPasswordForm.ClearPassword = [this] { passwordBox.clear(); };
        Record(d.VerifyConfigPasswordForm.Show, "VerifyConfigPasswordForm");
    }
    // Unloaded busy windows go before the state their timers read.
    ~SetupMenu() override {
        form.UnloadWaitForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void Record(std::function<void()>& slot, const QString& name) {
        slot = [this, name] { events << name; };
    }
    void SetPassword(const QString& password) {
        SaveAppSetting(f, f.gProductName, "Config", "Config Password", password);
    }
};

TEST_F(SetupMenu, GuardedCommandsAskForThePasswordAndCountBeforeIt) {
    struct Case {
        const char* what;
        Handler run;
        qint32 code;
        QStringList withoutPassword;  // the events without a password
        QStringList afterPassword;    // what the code's action does once the right password is typed
        QString count;
    } cases[] = {
        {"EGC", &MainForm::ConfigEGCMenu_Click, 0, {"OpenEGCSetup"}, {"OpenEGCSetup"}, "count 2028"},
        {"routing", &MainForm::RoutingMenu_Click, 1, {"OpenRoutingSetup"}, {"OpenRoutingSetup"}, "count 2031"},
        {"DNID list", &MainForm::DNIDMenu_Click, 2, {"OpenDnidList"}, {"OpenDnidList"}, "count 2029"},
        {"e-mail services", &MainForm::EMailServicesMenu_Click, 4, {"OpenEMailServices"}, {"OpenEMailServices"},
         "count 2034"},
        {"mobile number", &MainForm::mobileNoMenu_Click, 5, {"ShowMobileNoChangeForm"}, {"ShowMobileNoChangeForm"},
         "count 2035"},
        {"ENID list", &MainForm::ENIDMenu_Click, 13, {"OpenEnidList"}, {"OpenEnidList"}, "count 2030"},
    };
    f.gSession.SetMesConnected(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetPassword("");
        events.clear();
        (form.*c.run)();
        EXPECT_EQ(events, c.withoutPassword + QStringList{c.count});

        SetPassword("secret");
        events.clear();
        purpose = -1;
        passwordBox = "typed before";
        (form.*c.run)();
        EXPECT_EQ(events, (QStringList{"VerifyConfigPasswordForm", c.count}));
        EXPECT_EQ(purpose, c.code);
        EXPECT_TRUE(passwordBox.isEmpty());

        // The dialog runs the code's action after the right password; a wrong one runs nothing.
        events.clear();
        form.RunConfigPasswordAction(purpose);
        EXPECT_EQ(events, c.afterPassword);
    }
}

TEST_F(SetupMenu, PositionReportingPreparesItsDialogBeforeTheGuard) {
    form.DNID_Click();
    EXPECT_EQ(events, (QStringList{"PrepareNewProgram", "OpenPUReporting", "count 2017"}));
    SetPassword("secret");
    events.clear();
    form.DNID_Click();
    EXPECT_EQ(events, (QStringList{"PrepareNewProgram", "VerifyConfigPasswordForm", "count 2017"}));
    EXPECT_EQ(purpose, 7);
}

TEST_F(SetupMenu, TerminalModeBehindThePassword) {
    f.gSession.SetMesConnected(true);
    SetPassword("secret");
    form.TerminalModeMenu_Click();
    EXPECT_EQ(purpose, 3);
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_EQ(events, (QStringList{"VerifyConfigPasswordForm", "count 2010"}));

    form.RunConfigPasswordAction(3);
    EXPECT_TRUE(link.Dialogue.TerminalModeRequested);
    EXPECT_FALSE(form.IsWaitFormLoaded()) << "after a password the terminal opens without the wait window";
}

TEST_F(SetupMenu, UnknownPasswordCodeRunsNothing) {
    for (qint32 code : {6, 8, -1, 14}) form.RunConfigPasswordAction(code);
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(SetupMenu, EnidListWithoutTheLinkSaysSo) {
    form.ENIDMenu_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown.first();
    EXPECT_EQ(box.text, "Error: No transceiver commnuication");
    EXPECT_EQ(box.title, "Information!");
    EXPECT_EQ(box.buttons, MsgButtons::Ok);
    EXPECT_EQ(box.icon, MsgIcon::Critical);
    EXPECT_EQ(events, QStringList{"count 2030"});
}

TEST_F(SetupMenu, PasswordWithoutItsDialogKeepsTheCommandClosed) {
    form.Dialogs.VerifyConfigPasswordForm = {};
    SetPassword("secret");
    form.ConfigEGCMenu_Click();
    form.TerminalModeMenu_Click();
    EXPECT_EQ(events, (QStringList{"count 2028", "count 2010"}));
    EXPECT_FALSE(link.Dialogue.TerminalModeRequested);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(SetupMenu, PlainCommandsShowTheirDialogAndCount) {
    struct Case {
        Handler run;
        QStringList events;
    } cases[] = {
        {&MainForm::ConfigPasswordMenu_Click, {"ConfigPasswordForm", "count 2044"}},
        {&MainForm::TransmitPasswordMenu_Click, {"TransmitPasswordForm", "count 2043"}},
        {&MainForm::mnuRemoteConfigPassword_Click, {"RemotePasswordForm", "count 2045"}},
        {&MainForm::mnuSettings_Click, {"SettingsForm", "count 2716"}},
        {&MainForm::mnuVesselData_Click, {"VesselDataForm", "count 1999"}},
        {&MainForm::mnuTestSound_Click, {"TestSoundForm", "count 1503"}},
        {&MainForm::SystemInfoMenu_Click, {"SystemInfoForm", "count 2061"}},
        {&MainForm::SetDefaultISPMenu_Click, {"DefaultISPForm", "count 2027"}},
        {&MainForm::mnuSendCommand_Click, {"CommandForm"}},
        // Counted first, so that it counts even when its dialog fails.
        {&MainForm::SetPcTimeMenu_Click, {"count 2041", "SetLocalTimeForm"}},
        {&MainForm::CommSettings_Click, {"count 2046"}},
    };
    SetPassword("secret");  // none of these is guarded
    for (const Case& c : cases) {
        events.clear();
        (form.*c.run)();
        EXPECT_EQ(events, c.events);
    }
}

TEST_F(SetupMenu, EmptySlotsStillCount) {
    form.Dialogs = MenuDialogs{};
    form.mnuSettings_Click();
    form.ConfigEGCMenu_Click();
    form.DefineSignature_Click();
    EXPECT_EQ(events, (QStringList{"count 2716", "count 2028", "count 1998"}));
}

TEST_F(SetupMenu, SignatureDialogGetsTheStoredSignature) {
    SetIniValue(f, "[Signature]", "Captain\r\nMV Example", false);
    form.DefineSignature_Click();
    EXPECT_EQ(events, (QStringList{"signature Captain\r\nMV Example", "DefineSignatureForm", "count 1998"}));
}

struct LesDialogs : SetupMenu {
    QMap<int, QStringList> lists;
    QMap<int, QString> texts;
    LesDialogs() {
        platform.WriteDataFile("les_aore.dat", "101|Burum\r\n102|Eik\r\n121|Perth East\r\n");
        f.gConfiguration.SetavailableLESs(1, "101,102,199");
    }
};

TEST_F(LesDialogs, LesListsHoldTheValidAvailableStationsWithTheirNames) {
    MenuDialogs& d = form.Dialogs;
    d.LESConfigForm.SetLesList = [this](int ocean, const QStringList& items) { lists[ocean] = items; };
    Record(d.LESConfigForm.DisableEditButtons, "DisableEditButtons");
    Record(d.LESConfigForm.Show, "LESConfigForm");
    form.LESMenu_Click();
    EXPECT_EQ(lists.value(1), (QStringList{"101, Burum", "102, Eik"}));
    EXPECT_EQ(lists.keys(), (QList<int>{0, 1, 2, 3}));
    EXPECT_TRUE(lists.value(0).isEmpty());
    EXPECT_EQ(events, (QStringList{"DisableEditButtons", "LESConfigForm", "count 2033"}));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty()) << "oceans without available stations read no file";
}

TEST_F(LesDialogs, StationsWithoutANameInTheFileKeepAnEmptyName) {
    EXPECT_EQ(LesListItems(f, 1), (QStringList{"101, Burum", "102, Eik"}));
    f.gConfiguration.SetavailableLESs(1, "104,x,164,165");
    EXPECT_EQ(LesListItems(f, 1), (QStringList{"104, ", "164, "}));
}

TEST_F(LesDialogs, DefaultLesShowsTheStoredStationByNameWhenItsFileHoldsIt) {
    MenuDialogs& d = form.Dialogs;
    d.DefaultLESForm.SetLesList = [this](int ocean, const QStringList& items) { lists[ocean] = items; };
    d.DefaultLESForm.SetLesListText = [this](int ocean, const QString& text) { texts[ocean] = text; };
    Record(d.DefaultLESForm.Show, "DefaultLESForm");
    struct Case {
        QString stored;
        QString shown;
    } cases[] = {{"121", "121, Perth East"}, {"122", "122"}, {"", ""}, {"0", "0"}};
    for (const Case& c : cases) {
        SetIniValue(f, "[Default LES East]", c.stored, false);
        events.clear();
        form.SetDefaultLESMenu_Click();
        EXPECT_EQ(texts.value(1), c.shown);
        EXPECT_EQ(lists.value(1), (QStringList{"101, Burum", "102, Eik"}));
        EXPECT_EQ(events, (QStringList{"DefaultLESForm", "count 2026"}));
        EXPECT_TRUE(platform.ReadDataFile("Tidepost.ini").contains("[Default LES East]\r\n" + c.stored.toLatin1() + "\r\n"))
            << "written back before the dialog shows";
    }
}

}  // namespace

TEST(SetupMenuSlots, FirstStartQuestionAndTransmitCheckGoToTheirDialogs) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    MainForm form{f, link, &messages};
    QStringList events;
    form.ShowSetTimeForm();  // nothing behind it yet
    form.Dialogs.ShowSetTimeForm = [&events] { events << "SetTimeForm"; };
    form.Dialogs.ShowVerifyTransmitPasswordForm = [&events] { events << "VerifyTransmitPasswordForm"; };
    form.ShowSetTimeForm();
    ASSERT_NE(form.EditorGlue(), nullptr);
    ASSERT_NE(form.EditorGlue()->SendCommand(), nullptr);
    form.EditorGlue()->SendCommand()->Links.ShowVerifyTransmitPassword();
    EXPECT_EQ(events, (QStringList{"SetTimeForm", "VerifyTransmitPasswordForm"}));
}
