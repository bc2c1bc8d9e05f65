#include "mainwindow/MainMenuTree.h"

#include <QHash>

namespace tidepost {

namespace {

class TreeBuilder {
public:
    QList<MainMenuEntry> entries;

    MainMenuEntry& Menu(const char* name, const QString& parent, int id, const char* text) {
        return Add(name, parent, MainMenuEntry::Menu, id, text);
    }
    MainMenuEntry& Item(const char* name, const QString& parent, int id, const char* text) {
        return Add(name, parent, MainMenuEntry::Item, id, text);
    }
    MainMenuEntry& Check(const char* name, const QString& parent, int id, const char* text) {
        MainMenuEntry& e = Item(name, parent, id, text);
        e.checkItem = true;
        return e;
    }
    // Separators have no name of their own; they are numbered within their menu.
    MainMenuEntry& Separator(const QString& parent, int id) {
        const QString name = QStringLiteral("%1Separator%2").arg(parent).arg(++m_separators[parent]);
        return Add(qPrintable(name), parent, MainMenuEntry::Separator, id, "-");  // "-" marks a separator
    }

private:
    MainMenuEntry& Add(const char* name, const QString& parent, MainMenuEntry::Kind kind, int id, const char* text) {
        MainMenuEntry e;
        e.name = QString::fromUtf8(name);
        e.parent = parent;
        e.kind = kind;
        e.stringId = id;
        e.text = QString::fromUtf8(text);
        entries.append(e);
        return entries.last();
    }
    QHash<QString, int> m_separators;
};

MainMenuEntry& Shortcut(MainMenuEntry& e, const char* keys) {
    e.shortcut = QString::fromLatin1(keys);
    return e;
}

QList<MainMenuEntry> BuildTree() {
    TreeBuilder t;
    const QString bar;

    t.Menu("FileMenu", bar, 1977, "&File");
    t.Item("mnuNewMsg", "FileMenu", 1978, "&New");
    t.Item("mnuOpenMsg", "FileMenu", 1979, "&Open...");
    t.Item("mnuSaveMsg", "FileMenu", 1980, "&Save...");
    t.Item("mnuMergeMsg", "FileMenu", 1981, "&Merge...");
    t.Separator("FileMenu", 1982);
    t.Item("mnuPrintEditor", "FileMenu", 1983, "&Print Editor...");
    t.Separator("FileMenu", 1982);
    t.Item("mnuExit", "FileMenu", 1984, "E&xit");

    t.Menu("Edit", bar, 1985, "&Edit");
    t.Item("mnuCut", "Edit", 1986, "Cut");
    t.Item("mnuCopy", "Edit", 1987, "Copy");
    t.Item("mnuPaste", "Edit", 1988, "Paste");
    t.Separator("Edit", 0);
    t.Menu("mnuMsgTextSize", "Edit", 2853, "Text size");
    Shortcut(t.Item("mnuMsgTextSizeInc", "mnuMsgTextSize", 2854, " +"), "Ctrl+F2");
    Shortcut(t.Item("mnuMsgTextSizeDec", "mnuMsgTextSize", 2855, " -"), "Ctrl+F1");
    t.Menu("mnuInsert", "Edit", 1989, "Insert");
    Shortcut(t.Item("InsertPosition", "mnuInsert", 1990, "&position"), "Ctrl+P");
    Shortcut(t.Item("mnuInsertSpeedCourse", "mnuInsert", 1991, "speed and &course"), "Ctrl+E");
    Shortcut(t.Item("InsertSignature", "mnuInsert", 1992, "&signature"), "Ctrl+S");
    Shortcut(t.Item("insertmobilenumber", "mnuInsert", 1993, "&mobile number"), "Ctrl+M");
    Shortcut(t.Item("Insertutcdatetime", "mnuInsert", 1994, "&UTC date && time"), "Ctrl+U");
    Shortcut(t.Item("InsertLocalDateTime", "mnuInsert", 1995, "&local date && time"), "Ctrl+L");
    Shortcut(t.Item("mnuInsertVesselName", "mnuInsert", 1996, "vessel name"), "Ctrl+N");
    t.Item("mnuInsertVesselData", "mnuInsert", 1997, "vessel data");
    t.Separator("Edit", 1982);
    t.Item("DefineSignature", "Edit", 1998, "&Define signature");
    t.Item("mnuVesselData", "Edit", 1999, "Enter &vessel data");

    t.Menu("mnuView", bar, 2000, "&View");
    t.Item("mnuViewEditor", "mnuView", 2001, "E&ditor");
    t.Item("mnuViewDistressEditor", "mnuView", 2002, "&Distress Message Editor").visible = false;
    t.Item("InboxMenu", "mnuView", 2003, "&Inbox");
    t.Item("SentItemsMenu", "mnuView", 2004, "&Outbox");
    t.Item("EgcMenu", "mnuView", 2005, "&EGC");
    t.Item("mnuInfoLog", "mnuView", 2006, "Info &Log");
    {
        MainMenuEntry& browser = t.Item("mnuBrowser", "mnuView", 1927, "Forms");
        browser.visible = false;
        browser.enabled = false;
    }
    t.Separator("mnuView", 0);
    Shortcut(t.Item("TransceiverStatusMenu", "mnuView", 2007, "&Transceiver status"), "Ctrl+T");
    Shortcut(t.Item("GPSStatusMenu", "mnuView", 2008, "&GPS status"), "Ctrl+G");
    t.Check("PositionInfoMenu", "mnuView", 2009, "&Position info");
    t.Item("TerminalModeMenu", "mnuView", 2010, "&Terminal Mode");
    t.Separator("mnuView", 0);
    t.Check("mnuCompactMode", "mnuView", 2011, "&Compact Mode");

    t.Menu("SendMenu", bar, 2012, "&Messaging");
    t.Item("mnuNewMessage", "SendMenu", 2013, "New message");
    t.Item("mnuContacts", "SendMenu", 2014, "Contacts/Address book");
    t.Menu("mnuFunctionKeyS", "SendMenu", 2015, "Default messages");
    Shortcut(t.Item("mnuFunctionKeySetup", "mnuFunctionKeyS", 1401, "Set up function keys..."), "Ctrl+F");
    for (int i = 0; i < 8; ++i) {
        const QByteArray name = QStringLiteral("mnuF(%1)").arg(i).toUtf8();
        const QByteArray text = QStringLiteral("F%1").arg(i + 1).toUtf8();
        t.Item(name.constData(), "mnuFunctionKeyS", 1402 + i, text.constData());
    }
    t.Item("DNID", "SendMenu", 2017, "&Position reporting...");
    t.Separator("SendMenu", 0);
    t.Item("SendMessage", "SendMenu", 2020, "&Send message");

    t.Menu("DistressMenu", bar, 2021, "&Distress");
    Shortcut(t.Item("DistressGeneratorMenu", "DistressMenu", 2022, "&Distress Alert setup..."), "Ctrl+D");
    t.Item("mnuLatestDistress", "DistressMenu", 2023, "&Reset alarm / latest distress info...");
    t.Item("DistressTestModeMenu", "DistressMenu", 2024, "Test Distress buttons").english = "Distress Test M&ode";
    t.Item("mnuTestSound", "DistressMenu", 1503, "Test Tidepost sound...");

    t.Menu("ConfigMenu", bar, 2025, "&Setup");
    t.Item("SetDefaultISPMenu", "ConfigMenu", 2027, "&Default ISP...");
    t.Item("SetDefaultLESMenu", "ConfigMenu", 2026, "Default L&ES...");
    t.Separator("ConfigMenu", 0);
    t.Item("ConfigEGCMenu", "ConfigMenu", 2028, "&EGCs...");
    t.Item("DNIDMenu", "ConfigMenu", 2029, "&DNIDs...");
    t.Item("ENIDMenu", "ConfigMenu", 2030, "ENIDs...");
    Shortcut(t.Item("RoutingMenu", "ConfigMenu", 2031, "&Routing..."), "Ctrl+R").visible = false;
    t.Item("LMAlertSetting", "ConfigMenu", 2032, "Landmobile Alert settings...");
    t.Item("LESMenu", "ConfigMenu", 2033, "&Land Earth Stations (LES)...");
    t.Item("EMailServicesMenu", "ConfigMenu", 2034, "&Inmarsat Service Providers (ISP)...");
    t.Separator("ConfigMenu", 0);
    t.Item("mobileNoMenu", "ConfigMenu", 2035, "&Mobile number (IMN)...");
    t.Item("SetPcTimeMenu", "ConfigMenu", 3050, "Set PC t&ime...");
    t.Separator("ConfigMenu", 1982);
    t.Menu("PasswordMenu", "ConfigMenu", 2042, "Pass&words");
    t.Item("TransmitPasswordMenu", "PasswordMenu", 2043, "&Transmit password...");
    t.Item("ConfigPasswordMenu", "PasswordMenu", 2044, "&Config password...");
    t.Item("mnuRemoteConfigPassword", "PasswordMenu", 2045, "&Remote Config password...");
    t.Item("mnuLanguage", "ConfigMenu", 2857, "Language...");
    t.Menu("mnuSelectCodePage", "ConfigMenu", 3014, "Select Code Page");
    t.Check("mnuWindows1251Cyrillic", "mnuSelectCodePage", 3015, "Windows 1251 Cyrillic");
    t.Check("mnuDos866Cyrillic", "mnuSelectCodePage", 3016, "IBM/DOS 866 Cyrillic");
    t.Item("CommSettings", "ConfigMenu", 2046, "Communication setup...");
    t.Item("mnuSettings", "ConfigMenu", 1716, "Settings...");

    t.Menu("OptionsMenu", bar, 2047, "&Actions");
    t.Menu("LoginMenu", "OptionsMenu", 2048, "&Login");
    t.Item("LoginEastMenu", "LoginMenu", 2049, "[581] &East Atlantic (AOR-E)");
    t.Item("LoginPacificMenu", "LoginMenu", 2050, "[582] &Pacific (POR)");
    t.Item("LoginIndianMenu", "LoginMenu", 2051, "[583] &Indian (IOR)");
    t.Item("LoginWestMenu", "LoginMenu", 2052, "[584] &West Atlantic (AOR-W)");
    t.Item("LogoutMenu", "OptionsMenu", 2053, "Log&out");
    t.Menu("mnuPreferredOcean", "OptionsMenu", 2054, "Preferred ocean");
    t.Item("ScanMenu", "mnuPreferredOcean", 2055, "&Scan Preferred ocean");
    t.Menu("SetPreferredOceanMenu", "mnuPreferredOcean", 2056, "Set &Preferred ocean");
    t.Check("PreferredEastMenu", "SetPreferredOceanMenu", 2049, "[581] &East Atlantic (AOR-E)");
    t.Check("PreferredPacificMenu", "SetPreferredOceanMenu", 2050, "[582] &Pacific (POR)");
    t.Check("PreferredIndianMenu", "SetPreferredOceanMenu", 2051, "[583] &Indian (IOR)");
    t.Check("PreferredWestMenu", "SetPreferredOceanMenu", 2052, "[584] &West Atlantic (AOR-W)");
    t.Check("PreferredNoneMenu", "SetPreferredOceanMenu", 2057, "&None");
    t.Item("LinktestMenu", "OptionsMenu", 2058, "L&ink test...");
    t.Item("mnuAbortTransmission", "OptionsMenu", 2946, "Clear protocol");

    t.Menu("mnuForms", bar, 2059, "Fo&rms");
    for (int i = 0; i < 64; ++i) {
        const QByteArray name = QStringLiteral("mnuForm(%1)").arg(i).toUtf8();
        MainMenuEntry& form = t.Item(name.constData(), "mnuForms", 2060, "Empty");
        if (i == 0) form.enabled = false;
        else form.visible = false;
    }

    t.Menu("HelpMenu", bar, 8, "&Help");
    t.Item("SystemInfoMenu", "HelpMenu", 2061, "System &info...");
    t.Item("mnuAbout", "HelpMenu", 2064, "A&bout Tidepost...");
    {
        MainMenuEntry& logging = t.Menu("mnuLogging", "HelpMenu", 2062, "&Logging");
        logging.visible = false;
        logging.enabled = false;
    }
    t.Check("mnuLogPCComm", "mnuLogging", 2063, "Log PC communication to file");

    // The developer menus: defined, hidden by every menu update.
    t.Menu("mnuDebug", bar, 0, "&Debug");
    t.Menu("DebugMenu", "mnuDebug", 0, "DebugMode");
    t.Check("OnMenu", "DebugMenu", 2067, "On");
    t.Check("OffMenu", "DebugMenu", 2068, "Off").checked = true;
    t.Check("mnuEnableMenus", "mnuDebug", 0, "Enable all menus");
    t.Item("mnuChangeTo560L", "mnuDebug", 0, "Change to Landmobile");
    t.Item("mnuChangeTo560M", "mnuDebug", 0, "Change to Maritime");
    t.Item("mnuChangeTo560D", "mnuDebug", 0, "Change to Non Solas Distress");
    t.Item("mnuChangeTo560SSA", "mnuDebug", 0, "Change to ShipSecurity");

    t.Menu("mnuTest", bar, 0, "&Test");
    t.Item("mnuLogWindow", "mnuTest", 0, "Log Window");
    t.Menu("mnuDistressGenerator", "mnuTest", 2076, "Distress Generator");
    t.Check("mnuSimDistressGenerator", "mnuDistressGenerator", 0, "Simulate Distress Alert Setup");
    t.Menu("mnuTestEGC", "mnuTest", 0, "EGC");
    t.Item("mnuRxEGCRoutine", "mnuTestEGC", 0, "Recieve Routine EGC");
    t.Item("mnuRxEGCSafety", "mnuTestEGC", 0, "Recieve Safety EGC");
    t.Item("mnuRxEGCUrgency", "mnuTestEGC", 0, "Recieve Urgency EGC");
    t.Item("mnuRxEGCDistress", "mnuTestEGC", 0, "Recieve Distress EGC");
    t.Check("mnuSimEgcRxError", "mnuTestEGC", 0, "Simulate EGC rx error");
    t.Item("mnuRepairEgcLog", "mnuTestEGC", 2083, "Repair EGC log");
    t.Check("mnuSim_st_e", "mnuTestEGC", 0, "Simulate EGC Log");
    t.Menu("muEnid", "mnuTest", 2085, "ENID");
    t.Check("mnuSimEnids", "muEnid", 0, "Simulate Enids");
    t.Menu("mnuSimMessage", "mnuTest", 0, "Messages");
    t.Item("mnuSimInMsg560", "mnuSimMessage", 0, "Simulate incoming message");
    t.Item("mnuSimInDistMsg560", "mnuSimMessage", 0, "Simulate incoming distress message");
    t.Check("mnuSimMsgRxError", "mnuSimMessage", 0, "Simulate message rx error");
    t.Item("mnuTestRxError", "mnuSimMessage", 0, "Test Rx error");
    t.Check("mnuDontSendMsg", "mnuSimMessage", 0, "Dont send message (tx not in queue)");
    t.Menu("mnuSimulateInfos", "mnuTest", 0, "Infos / Errors");
    t.Menu("mnuSimInfoEasy", "mnuSimulateInfos", 0, "Simulate in Tidepost");
    t.Item("mnuSimInfo21", "mnuSimInfoEasy", 0, "Info 21: Distress acknowledgement received");
    t.Item("mnuSimInfo22", "mnuSimInfoEasy", 0, "Info 22: Sending Distress alert");
    t.Item("mnuSimInfo105", "mnuSimInfoEasy", 0, "Error 105: Remote Printer not OK");
    t.Item("mnuSimInfo111", "mnuSimInfoEasy", 0, "Info 111: Update position");
    t.Item("mnuSimInfo193", "mnuSimInfoEasy", 0, "Info 193: Time to enter new position");
    t.Item("mnuSimInfo116", "mnuSimInfoEasy", 0, "Info 116: Warning Test software (Multiline)");
    t.Item("mnuSimInfo325", "mnuSimInfoEasy", 0, "Error 325: Hardware problems (Multiline)");
    t.Item("mnuSimInfo325Double", "mnuSimInfoEasy", 0, "Error 325 * 2");
    t.Item("mnuSimInfo450", "mnuSimInfoEasy", 0, "Info 450: No built-in GPS avaliable");
    t.Item("mnuSimInfo473", "mnuSimInfoEasy", 0, "Info 473: Received distress call has been acknowledged");
    t.Item("mnuSimInfo553", "mnuSimInfoEasy", 0, "Info 553: Distress message has been received");
    t.Item("mnuSimInfo111_105_325_103", "mnuSimInfoEasy", 0, "4 Infos and errors: 111,105,325,103");
    t.Item("mnuSimInfo80_811_393_221", "mnuSimInfoEasy", 0, "5 Infos 80,811,393,221");
    t.Menu("mnuDebugInfos", "mnuSimulateInfos", 0, "Get Infos from 560 by debug command");
    t.Item("mnuGetInfo560", "mnuDebugInfos", 0, "Get info from 560");
    t.Item("mnuSimDistressInfos", "mnuDebugInfos", 0, "Distress infos: 22,21,20,160,161,162,552,553,733,803");
    t.Item("mnuSendCommand", "mnuTest", 2117, "Send command");

    // The folder grids' popup menus.
    t.Menu("mnuMessagePopUp", PopupParent, 0, "mnuMessagePopUp").visible = false;
    const char* const messagePopUp[] = {"Open",   "Print",     "Reply",  "Resend",    "Forward",   "Mark read",
                                        "Mark unread", "Delete", "Follow up", "Print log", "Properties"};
    const int messagePopUpIds[] = {1957, 1958, 1959, 1960, 1961, 1962, 1963, 1964, 308, 1965, 1966};
    for (int i = 0; i < 11; ++i) {
        const QByteArray name = QStringLiteral("mnuMessagePopUpItem(%1)").arg(i).toUtf8();
        t.Item(name.constData(), "mnuMessagePopUp", messagePopUpIds[i], messagePopUp[i]);
    }
    t.Menu("SentItemsPopup", PopupParent, 1967, "SentItemsPopup").visible = false;
    t.Item("OpenSentMessage", "SentItemsPopup", 1968, "Open Message");
    t.Item("SentItemsSortColumn", "SentItemsPopup", 1969, "Sort by Column").visible = false;
    t.Item("ResubmitMessage", "SentItemsPopup", 1970, "Request Confirmation");
    t.Item("SentItemsDeleteMessage", "SentItemsPopup", 1971, "Delete Message");
    t.Menu("InboxPopup", PopupParent, 0, "InboxPopup").visible = false;
    t.Item("OpenMessage", "InboxPopup", 1968, "Open Message");
    t.Item("InSortColumn", "InboxPopup", 1969, "Sort by Column").visible = false;
    t.Item("InboxMarkUnread", "InboxPopup", 1973, "Mark Unread");
    t.Item("InboxDeleteMessage", "InboxPopup", 1971, "Delete Message");
    t.Menu("EGCPopup", PopupParent, 1974, "EGCPopup").visible = false;
    t.Item("OpenEgc", "EGCPopup", 1975, "Open EGC");
    t.Item("EGCSortColumn", "EGCPopup", 1969, "Sort by Column").visible = false;
    t.Item("EGCMarkUnread", "EGCPopup", 1973, "Mark Unread");
    t.Item("EGCDelete", "EGCPopup", 1976, "Delete EGC");

    for (MainMenuEntry& e : t.entries)
        if (e.english.isEmpty()) e.english = e.text;
    return t.entries;
}

}  // namespace

const QList<MainMenuEntry>& MainMenuTree() {
    static const QList<MainMenuEntry> tree = BuildTree();
    return tree;
}

}  // namespace tidepost
