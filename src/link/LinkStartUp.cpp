#include "link/LinkStartUp.h"

#include "foundation/Definitions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/IniFile.h"
#include "foundation/LesLists.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/ILinkMenus.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/LinkIo.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "link/SerialLink.h"
#include "platform/FileError.h"
#include "platform/ISerialControl.h"

namespace tidepost {

namespace {

// The code-page menu is for Russian only; the preferred ocean is checked as the settings file
// last recorded it.
void CheckStartUpMenus(Link& link) {
    ILinkMenus* menus = link.Windows.Menus;
    if (menus == nullptr) return;
    Foundation& f = link.F;
    const bool russian = f.Strings.CurrentLanguageId == 1049;
    menus->SetMenuVisible(LinkMenu::mnuSelectCodePage, russian);
    if (russian) {
        const bool dos866 = GetIniValue(f, "[CodePage]") == QLatin1String("866");
        menus->SetMenuChecked(LinkMenu::mnuDos866Cyrillic, dos866);
        menus->SetMenuChecked(LinkMenu::mnuWindows1251Cyrillic, !dos866);
    }

    const QString ocean = GetIniValue(f, "[Preferred Ocean]");
    LinkMenu preferred = LinkMenu::PreferredNoneMenu;
    if (ocean == QLatin1String("West")) preferred = LinkMenu::PreferredWestMenu;
    else if (ocean == QLatin1String("East")) preferred = LinkMenu::PreferredEastMenu;
    else if (ocean == QLatin1String("Pacific")) preferred = LinkMenu::PreferredPacificMenu;
    else if (ocean == QLatin1String("Indian")) preferred = LinkMenu::PreferredIndianMenu;
    menus->SetMenuChecked(preferred, true);
}

}  // namespace

void ReportStartUpFailure(Foundation& f, int number, const QString& description) {
    // The file's part of the text, and for a missing path the advice where to set it.
    QString text = FormatErrorText(f, 2706, "(MainForm.Load) Error '%0': %1.", number, description) + "\r\n" +
                   GetFileErrorText(f, number, "<Unknown file name>");
    if (number == kErrPathNotFound)
        text += "\r\n" + MlText(f, 2672,
                                "Please set a valid path for EGC's in Options->Configuration->Routing and make sure "
                                "you have write access.");
    QueueMessageBox(f, text, FormatMlString(MlText(f, 2673, "Error '%0'"), {number}), 3);
}

void StartUpLinkState(Link& link) {
    Foundation& f = link.F;
    AttachSerialLink(link);
    link.Requests.PcSettingsAdvicePending = true;
    link.Dialogue.ClosingDown = false;

    // The first identity replies count as a change of transceiver; until one answers, the
    // session and the indicators say "not connected".
    ResetSessionSnapshot(link);
    ConnectionLost(link);

    StartDialogue(link);
    SetReceiveThreshold(link, 1);
    link.Dialogue.TerminalModeRequested = false;
    link.Transceiver.UtcTimeText.clear();

    InitCodeTables(f);
}

void StartUpFirstCommands(Link& link, const QStringList& arguments, const std::function<void()>& laterAreas) {
    Foundation& f = link.F;
    ILinkWindow* window = link.Windows.Window;

    // The first argument is the program itself, whose path may well hold "-log".
    const bool logComm = StartCommLog(f, arguments.mid(1));
    if (window) window->SetLogPCCommChecked(logComm);

    link.Requests.SetPcClockRequested = false;
    if (window) window->SetEventTimerEnabled(true);
    if (GetIniValue(f, "[SETPCTIME]") == QLatin1String("Yes")) {
        link.Requests.SetPcClockRequested = true;
        QueueCommand(link, "ti -u", true, false);
    }

    CheckStartUpMenus(link);

    const char* const defaultLesKeys[kOceanCount] = {"[Default LES West]", "[Default LES East]",
                                                     "[Default LES Pacific]", "[Default LES Indian]"};
    for (int ocean = 0; ocean < kOceanCount; ++ocean)
        f.gConfiguration.SetDefaultLes(static_cast<OceanIndex>(ocean), GetIniValue(f, defaultLesKeys[ocean]));
    // Until the transceiver lists its stations, every station of the LES files counts as available.
    LoadAvailableLESs(f);

    if (laterAreas) laterAreas();

    if (GetIniValue(f, "[HOST Interface]") == QLatin1String("COM")) OpenComPortAtStartUp(f);

    // The echo of the first line, ended by a bare CR, teaches the line end of the echo.
    QueueCommand(link, "st -l\r", true, false);
    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "se -p", true, false);
    if (f.gSession.MesConnected()) QueueStatusPoll(link);
}

}  // namespace tidepost
