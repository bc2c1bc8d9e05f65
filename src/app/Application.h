#pragma once
#include <memory>

#include "config/Config.h"
#include "egc/Egc.h"
#include "distress/Distress.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/LinuxClockSetter.h"
#include "platform/LinuxOsFacts.h"
#include "platform/Platform.h"
#include "platform/PpdevParallelPort.h"
#include "platform/ProcessSoundPlayer.h"
#include "platform/QtClipboard.h"
#include "platform/QtDiskSpace.h"
#include "platform/QtFileDialogs.h"
#include "platform/QtInstanceLock.h"
#include "platform/QtMessageBoxes.h"
#include "platform/QtPrinter.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSlpDiscovery.h"
#include "platform/QtSocketControl.h"
#include "platform/QtTrayIcon.h"
#include "platform/QtWebBrowser.h"
#include "platform/DBusScreenSaver.h"
#include "platform/SystemClock.h"
#include "platform/TermSignals.h"
#include "remote/Remote.h"
#include "reporting/Reporting.h"

namespace tidepost {

class MainForm;
class FolderViews;
struct EditorWindows;
class IConfigMainWindow;

// The one object that owns the real platform adapters and the state of every area.
class Application {
public:
    explicit Application(const QString& programFolder);
    ~Application();
    int Run();

    QtSettingsStore SettingsStore;
    QtMessageBoxes MessageBoxes;
    SystemClock Clock;
    LinuxOsFacts OsFacts;
    QtTrayIcon Tray;
    ProcessSoundPlayer Sound;
    QtDiskSpace Disk;
    QtPrinter Printer;
    QtFileDialogs FileDialogs;
    QtClipboard Clipboard;
    // One running copy per user.
    QtInstanceLock InstanceLock;
    DBusScreenSaver ScreenSaver;
    // The in-harbour signal's parallel port.
    PpdevParallelPort ParallelPort;
    // Sets the machine's clock from the transceiver's (needs the right to set the system time).
    LinuxClockSetter ClockSetter;
    QtWebBrowser WebBrowser;
    Platform Os;
    tidepost::Foundation Foundation;
    // The links to the transceiver; a serial port number names its device in the settings store.
    QtSerialControl SerialControl{SettingsStore, Foundation.gProductName};
    QtSocketControl SocketControl;
    // Finds terminal control units on the network.
    QtSlpDiscovery SlpDiscovery{Os.ProgramFolder};
    // The dialogue with the transceiver.
    tidepost::Link Link{Foundation};
    // Received and outgoing messages, the outbox log and the address book.
    tidepost::Messages Messages{Foundation, Link};
    // The LES and service provider dialogs.
    tidepost::Config Config{Foundation, Link, Messages};
    // EGC broadcasts: their download, store and index.
    tidepost::Egc Egc{Foundation, Link, Messages};
    // The position and data reporting programs.
    tidepost::Reporting Reporting{Foundation, Link};
    // Configuration by packets in received messages, and the local forms server.
    tidepost::Remote Remote{Foundation, Link, Messages};
    // The alarm windows of urgency and distress traffic, the distress buttons test and the latest
    // distress window. Its EGC alarm (Distress.EGC_DistressMsgForm) is what the EGC store raises.
    tidepost::Distress Distress{Foundation, Link, Messages};

private:
    // The main window's folder views while it runs; null before and after.
    FolderViews* RunningFolderViews() const;
    // SIGTERM, SIGINT, SIGHUP: the program ends as after a change of language, without a question.
    void OnTermSignal();

    TermSignals m_termSignals;
    // A termination signal came before the main window existed: it is not created.
    bool m_endBeforeMainForm = false;
    std::unique_ptr<MainForm> m_mainForm;
    // The main window as the configuration dialogs see it.
    std::unique_ptr<IConfigMainWindow> m_configMainWindow;
    // The message viewer and the default-message keys, wired to the main window once it exists.
    std::unique_ptr<EditorWindows> m_editorWindows;
};

}  // namespace tidepost
