#include <QAction>
#include <QTimer>
#include <exception>

#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/StartUp.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "link/SerialLink.h"
#include "mainwindow/MainForm.h"
#include "messages/AddressBookFile.h"
#include "messages/OutboxRecovery.h"
#include "platform/FileError.h"
#include "platform/ISerialControl.h"

namespace tidepost {

namespace {

// A failure that ends the start-up is queued with the file's part of the text, and for a
// missing path with the advice where to set it.
void ReportStartUpFailure(Foundation& f, int number, const QString& description) {
    QString text = FormatErrorText(f, 2706, "(MainForm.Load) Error '%0': %1.", number, description) + "\r\n" +
                   GetFileErrorText(f, number, "<Unknown file name>");
    if (number == kErrPathNotFound)
        text += "\r\n" + MlText(f, 2672,
                                "Please set a valid path for EGC's in Options->Configuration->Routing and make sure "
                                "you have write access.");
    QueueMessageBox(f, text, FormatMlString(MlText(f, 2673, "Error '%0'"), {number}), 3);
}

}  // namespace

void MainForm::Form_Load(const QStringList& arguments) {
    // The LAN link's timer runs from the window's creation on; the link itself waits for the
    // settings to choose the LAN interface.
    SetWinsockTimerEnabled(true);
    try {
        RunStartUp(arguments);
    } catch (const RuntimeError& e) {
        ReportStartUpFailure(m_foundation, e.Number, e.Description);
    } catch (const std::exception& e) {
        ReportStartUpFailure(m_foundation, 51, QString::fromUtf8(e.what()));
    }
}

void MainForm::RunStartUp(const QStringList& arguments) {
    Foundation& f = m_foundation;
    Link& link = m_link;

    LoadFoundation(f);
    AttachSerialLink(link);
    link.PcSettingsAdvicePending = true;
    link.ClosingDown = false;

    // The first identity replies count as a change of transceiver; until one answers, the
    // session and the indicators say "not connected".
    ResetSessionSnapshot(link);
    ConnectionLost(link);

    StartDialogue(link);
    if (f.Os.Serial) f.Os.Serial->SetRThreshold(1);
    link.TerminalModeRequested = false;
    link.UtcTimeText.clear();

    InitLesFileNames(f);
    InitOceanNames(f);
    InitDestinationTypeNames(f);
    InitMobileTypeNames(f);
    InitProductModelNames(f);
    InitMobileStatusTexts(f);

    // The first argument is the program itself, whose path may well hold "-log".
    m_mnuLogPCComm->setChecked(StartCommLog(f, arguments.mid(1)));

    link.SetPcClockRequested = false;
    if (GetIniValue(f, "[SETPCTIME]") == QLatin1String("Yes")) {
        link.SetPcClockRequested = true;
        QueueCommand(link, "ti -u", true, false);
    }

    CheckStartUpMenus();

    const char* const defaultLesKeys[kOceanCount] = {"[Default LES West]", "[Default LES East]",
                                                     "[Default LES Pacific]", "[Default LES Indian]"};
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        f.gConfiguration.SetDefaultLes(static_cast<OceanIndex>(ocean), GetIniValue(f, defaultLesKeys[ocean]));

    if (m_messages) ReadAddressBookFile(*m_messages);

    // Before the port opens: the clean-up closes any open link, which would leave the first
    // commands below for a closed port until the poll reopens it.
    if (m_messages) ClearOutboxAtStartUp(*m_messages);
    if (GetIniValue(f, "[HOST Interface]") == QLatin1String("COM")) OpenComPortAtStartUp(f);

    // The echo of the first line, ended by a bare CR, teaches the line end of the echo.
    QueueCommand(link, "st -l\r", true, false);
    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "se -p", true, false);
    if (f.gSession.MesConnected()) QueueStatusPoll(link);

    m_eventTimer->start();
    EnableTimers(true);
}

// The code-page menu is for Russian only; the preferred ocean is checked as the settings file
// last recorded it.
void MainForm::CheckStartUpMenus() {
    Foundation& f = m_foundation;
    const bool russian = f.Strings.CurrentLanguageId == 1049;
    SetMenuVisible(LinkMenu::mnuSelectCodePage, russian);
    if (russian) {
        const bool dos866 = GetIniValue(f, "[CodePage]") == QLatin1String("866");
        if (auto* item = findChild<QAction*>("mnuDos866Cyrillic")) item->setChecked(dos866);
        if (auto* item = findChild<QAction*>("mnuWindows1251Cyrillic")) item->setChecked(!dos866);
    }

    const QString ocean = GetIniValue(f, "[Preferred Ocean]");
    LinkMenu preferred = LinkMenu::PreferredNoneMenu;
    if (ocean == QLatin1String("West")) preferred = LinkMenu::PreferredWestMenu;
    else if (ocean == QLatin1String("East")) preferred = LinkMenu::PreferredEastMenu;
    else if (ocean == QLatin1String("Pacific")) preferred = LinkMenu::PreferredPacificMenu;
    else if (ocean == QLatin1String("Indian")) preferred = LinkMenu::PreferredIndianMenu;
    SetMenuChecked(preferred, true);
}

}  // namespace tidepost
