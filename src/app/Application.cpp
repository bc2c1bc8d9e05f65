#include "app/Application.h"

#include <QApplication>

#include "foundation/IniFile.h"
#include "foundation/StartProcedure.h"
#include "mainwindow/MainForm.h"
#include "messages/MessageHandlers.h"

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
    RegisterMessageHandlers(Messages);
    Messages.AddressBookWindows = &Messages.AddressBookForms;
}

Application::~Application() = default;

int Application::Run() {
    Main(Foundation, [this] {
        m_mainForm = std::make_unique<MainForm>(Foundation, Link, &Messages);
        MessageBoxes.SetDefaultOwner(m_mainForm.get());
        m_mainForm->Form_Load(QCoreApplication::arguments());
        m_mainForm->show();
    });
    const int result = QApplication::exec();
    // Closing unloads every window; a language dialog still loaded stores its choice then.
    Foundation.Windows.LanguageSelect.unload();
    WriteIniFile(Foundation);
    return result;
}

}  // namespace tidepost
