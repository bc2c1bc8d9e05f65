#include "app/Application.h"

#include <QApplication>
#include <QDialog>

#include "foundation/StandardButtons.h"
#include "foundation/StartProcedure.h"
#include "foundation/WindowRoles.h"
#include "app/ConfigWiring.h"
#include "config/IConfigMainWindow.h"
#include "editor/FolderViews.h"
#include "editor/cDefaultMessage.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormEditorWindows.h"
#include "messages/MessageHandlers.h"
#include "reporting/DNIDForm.h"
#include "reporting/DnidProgramSetup.h"
#include "reporting/InHarbourSignal.h"
#include "reporting/PUReportingActions.h"
#include "reporting/ReportingHandlers.h"

namespace tidepost {

namespace {
Platform MakePlatform(QtSettingsStore& s, QtMessageBoxes& b, SystemClock& c, const QString& folder) {
    Platform p;
    p.Settings = &s;
    p.Boxes = &b;
    p.Clock = &c;
    p.ProgramFolder = folder;
    return p;
}
}  // namespace

Application::Application(const QString& programFolder)
    : Os(MakePlatform(SettingsStore, MessageBoxes, Clock, programFolder)), Foundation(Os) {
    // Every data file and the transceiver's text use this code page; a PC set up for Cyrillic
    // names windows-1251 here.
    Os.Codec = AnsiCodec::FromSettings(SettingsStore, Foundation.gProductName);
    Os.Serial = &SerialControl;
    Os.Socket = &SocketControl;
    Os.Slp = &SlpDiscovery;
    Os.OsFacts = &OsFacts;
    Os.Tray = &Tray;
    Os.Sound = &Sound;
    Os.Disk = &Disk;
    Os.Printer = &Printer;
    Os.Files = &FileDialogs;
    Os.Clipboard = &Clipboard;
    Os.Instance = &InstanceLock;
    Os.ScreenSaver = &ScreenSaver;
    Os.ParallelPort = &ParallelPort;
    Os.ClockSetter = &ClockSetter;
    Os.Browser = &WebBrowser;
    RegisterMessageHandlers(Messages);
    RegisterConfigHandlers(Config);
    RegisterEgcHandlers(Egc);
    RegisterReportingHandlers(Reporting);
    // The alarm windows and the test mode are in place before the link can bring any traffic.
    RegisterDistressHandlers(Distress);
    ConnectDistressGeneratorWindows(Distress);
    // Packets in received messages and EGCs are carried out, no longer kept as plain messages.
    RegisterRemoteConfig(Remote);
    Egc.EgcAlarm = &Distress.EGC_DistressMsgForm;
    // A confirmed alarm opens its view only while the main window runs.
    Distress.InboxButtonClick = [this] {
        if (FolderViews* views = RunningFolderViews()) views->InboxButtonClick();
    };
    Distress.EGCButtonClick = [this] {
        if (FolderViews* views = RunningFolderViews()) views->EGCButtonClick();
    };
    Messages.AddressBookWindows = &Messages.AddressBookForms;
    Foundation.UpgradeDefaultMessages = [this] { cDefaultMessage(Foundation).Upgrade(); };
    MessageBoxes.ButtonCaption = [this](MsgAnswer button) { return StandardButtonCaption(Foundation, button); };
    InstallWindowRoles();
    m_editorWindows = std::make_unique<EditorWindows>(Foundation);
    QObject::connect(&m_termSignals, &TermSignals::Received, [this](int) { OnTermSignal(); });
}

Application::~Application() { Egc.EgcView = nullptr; }

FolderViews* Application::RunningFolderViews() const {
    if (!m_mainForm || m_mainForm->ProgramEnded()) return nullptr;
    return m_mainForm->Folders();
}

int Application::Run() {
    const bool mayRun = Main(Foundation, [this] {
        if (m_endBeforeMainForm) return;
        m_mainForm = std::make_unique<MainForm>(Foundation, Link, &Messages);
        m_mainForm->LeaveEventLoop = [] { QCoreApplication::exit(0); };
        m_mainForm->Forms = &Remote.Forms;
        ConnectEditorWindows(*m_mainForm, Link, *m_editorWindows);
        m_configMainWindow = ConnectConfigDialogs(*m_mainForm, Config);
        Egc.EgcView = m_mainForm->Folders();
        m_mainForm->Dialogs.OpenPUReporting = [this] { OpenPUReporting(Reporting); };
        m_mainForm->Dialogs.OpenEGCSetup = [this] { OpenEGCSetup(Egc); };
        m_mainForm->Dialogs.OpenEnidList = [this] { OpenEnidList(Egc); };
        m_mainForm->Dialogs.OpenDnidList = [this] { OpenDnidList(Reporting); };
        m_mainForm->Dialogs.OpenDistressGenerator = [this] { OpenDistressGenerator(Distress); };
        m_mainForm->Dialogs.OpenLmAlertSettings = [this] { OpenLmAlertSettings(Distress); };
        m_mainForm->Dialogs.DNIDPUProgramForm.PrepareNewProgram = [this] { PrepareNewProgram(Reporting); };
        m_mainForm->Dialogs.ShowRemotePasswordForm = [this] { ShowRemotePasswordForm(Remote); };
        m_mainForm->InHarbourSignal.Press = [this] { PressInHarbourButton(Reporting); };
        m_mainForm->InHarbourSignal.Release = [this] { ReleaseInHarbourButton(Reporting); };
        m_mainForm->InHarbourSignal.Free = [this] { FreeInHarbourButton(Reporting); };
        MessageBoxes.SetDefaultOwner(m_mainForm.get());
        m_mainForm->Form_Load(QCoreApplication::arguments());
        if (!m_mainForm->ProgramEnded()) m_mainForm->show();
    });
    // A refused second copy, or a program that ended during its start-up (the disclaimer declined,
    // a signal), never enters the event loop: the main window's unload has done the rest.
    if (!mayRun || !m_mainForm || m_mainForm->ProgramEnded()) return 0;
    return QApplication::exec();
}

void Application::OnTermSignal() {
    if (m_mainForm) {
        if (!m_mainForm->ProgramEnded()) m_mainForm->CloseWithoutQuestion();
        return;
    }
    // Still starting: the box or dialog open now answers as closed without a button, no later
    // one waits, and the start stops before the language dialog and the main window.
    m_endBeforeMainForm = true;
    Foundation.Windows.EndRequested = true;
    MessageBoxes.EndWaiting();
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
}

}  // namespace tidepost
