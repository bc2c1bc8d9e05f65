#pragma once
#include <QString>

#include "platform/AnsiCodec.h"

namespace tidepost {

class ISettingsStore;
class IMessageBoxes;
class IClock;
class ISerialControl;
class ISocketControl;
class IOsFacts;
class ITrayIcon;
class ISoundPlayer;
class IDiskSpace;
class ISlpDiscovery;
class IPrinter;
class IFileDialogs;
class IClipboard;
class IInstanceLock;
class IScreenSaver;
class IParallelPort;
class IClockSetter;
class IWebBrowser;

// What the operating system gives the program. The adapters are owned by whoever builds the
// application (main() with the real ones, a test fixture with fakes); everything else reads them here.
struct Platform {
    ISettingsStore* Settings = nullptr;
    IMessageBoxes* Boxes = nullptr;
    IClock* Clock = nullptr;
    ISerialControl* Serial = nullptr;   // the serial link to the transceiver
    ISocketControl* Socket = nullptr;   // the TCP link to the terminal control unit
    IOsFacts* OsFacts = nullptr;        // version record and similar facts of the system
    ITrayIcon* Tray = nullptr;          // the icon in the taskbar notification area
    ISoundPlayer* Sound = nullptr;      // sound files, played without blocking
    IDiskSpace* Disk = nullptr;         // free space of the file systems
    ISlpDiscovery* Slp = nullptr;       // the search for terminal control units on the network
    IPrinter* Printer = nullptr;        // the PC's printers and the print dialog
    IFileDialogs* Files = nullptr;      // the save dialog
    IClipboard* Clipboard = nullptr;    // plain text only
    IInstanceLock* Instance = nullptr;  // one running copy per user; none: every copy may run
    IScreenSaver* ScreenSaver = nullptr;  // the desktop's screen saver
    IParallelPort* ParallelPort = nullptr;  // the in-harbour signal's data lines
    IClockSetter* ClockSetter = nullptr;  // the machine's wall clock; none: it is never set
    IWebBrowser* Browser = nullptr;       // the user's web browser; none: no page is opened
    AnsiCodec Codec;          // the system's ANSI code page
    QString ProgramFolder;    // the executable's folder
    // The installation folders of the predecessor product and of this product, between which the
    // predecessor's files are taken over at start-up. None by default: nothing is migrated.
    QString PredecessorRoot;
    QString ProductRoot;
};

}  // namespace tidepost
