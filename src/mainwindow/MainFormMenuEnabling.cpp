#include <QAction>
#include <QScreen>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormCaptions.h"

namespace tidepost {

namespace {

// Compact mode needs room for the layout it drops to.
bool CompactModeFits(const QSize& screen) { return screen.width() >= 800 && screen.height() >= 600; }

// The two distress-setup items are for transceivers with distress alerting.
bool HasDistressAlerting(const CSession& s) {
    return s.SolasType() == 2 || s.SolasType() == 3 || s.MobileType() == 5;
}

}  // namespace

QSize MainForm::CurrentScreenSize(const MainForm& form) {
    if (form.ScreenSize) return form.ScreenSize();
    const QScreen* s = form.screen();
    return s != nullptr ? s->size() : QSize();
}

// The link came up or went down (or another transceiver answers): the items of the commands
// that talk to the transceiver follow it, and so do their hot-list entries.
void MainForm::UpdateMenu(bool bEnable) {
    const auto item = [this](const char* name) {
        return qobject_cast<QAction*>(FindFormControl(*this, QString::fromLatin1(name)));
    };
    const auto enable = [&](std::initializer_list<const char*> names, bool value) {
        for (const char* name : names)
            if (QAction* a = item(name)) a->setEnabled(value);
    };
    const CSession& s = m_foundation.gSession;

    enable({"InsertPosition", "insertmobilenumber", "Insertutcdatetime"}, bEnable);
    UpdateMnuInsertVesselName();
    enable({"SendMessage", "DistressGeneratorMenu", "mnuLatestDistress"}, bEnable);
    const bool distressSetup = HasDistressAlerting(s) && bEnable;
    for (const char* name : {"DistressTestModeMenu", "DistressGeneratorMenu"})
        if (QAction* a = item(name)) a->setVisible(distressSetup);
    if (QAction* position = item("PositionInfoMenu")) {
        position->setEnabled(bEnable);
        position->setChecked(false);
    }
    enable({"LoginMenu", "LogoutMenu", "ScanMenu", "SetPreferredOceanMenu", "TransceiverStatusMenu", "GPSStatusMenu",
            "LinktestMenu", "ConfigEGCMenu", "RoutingMenu", "DNID", "DNIDMenu", "ENIDMenu", "LMAlertSetting",
            "TerminalModeMenu", "LESMenu", "mobileNoMenu", "SetPcTimeMenu"},
           bEnable);
    for (QAction* extra : m_transceiverItems) extra->setEnabled(bEnable);
    for (const char* name : {"mnuDebug", "mnuTest"})
        if (QAction* a = item(name)) a->setVisible(false);
    enable({"mnuCompactMode"}, CompactModeFits(CurrentScreenSize(*this)));
    if (FormsFolderExists && AreaHandlers.FormsMenuRebuild) AreaHandlers.FormsMenuRebuild();
    EnableHotListItems(bEnable);
}

void MainForm::EnableHotListItems(bool bEnable) {
    if (!m_hotList) return;
    cHotList& list = *m_hotList;
    for (int id : {1990, 1993, 1994, 2020, 2022, 2023}) list.Enable(id, bEnable);
    // The hot list withholds the distress setup from SOLAS type 1 only, whatever the mobile type.
    const bool distress = m_foundation.gSession.SolasType() == 1 ? false : bEnable;
    for (int id : {2024, 2022}) list.Enable(id, distress);
    for (int id : {2009, 2049, 2050, 2051, 2052, 2053, 2055, 2007, 2008, 2058, 2028, 2031,
                   2017, 2029, 2030, 2032, 2010, 2033, 2035, 2037, 2038, 2039, 2040, 2041})
        list.Enable(id, bEnable);
    list.Enable(2011, CompactModeFits(CurrentScreenSize(*this)));
    if (FormsFolderExists && AreaHandlers.FormsMenuRebuild) AreaHandlers.FormsMenuRebuild();
}

void MainForm::UpdateMnuInsertVesselName() {
    Foundation& f = m_foundation;
    const bool stored = !GetAppSetting(f, f.gProductName, "Settings", "VesselName", QString()).isEmpty();
    if (auto* item = qobject_cast<QAction*>(FindFormControl(*this, QStringLiteral("mnuInsertVesselName"))))
        item->setEnabled(stored);
    if (m_hotList) m_hotList->Enable(1996, stored);
}

}  // namespace tidepost
