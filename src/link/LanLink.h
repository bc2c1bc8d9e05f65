#pragma once
#include <QString>

namespace tidepost {

struct Link;

// What the LAN link's timer needs of the windows beyond ILinkWindow (which colours `TCUConnBar`).
// The main window implements it and registers itself in Link::Windows.LanWindow; while that is null the
// status field is left alone and the link settings dialog counts as hidden.
class ILanLinkWindow {
public:
    virtual ~ILanLinkWindow() = default;
    // The caption of the main window's `MobileStatusField`.
    virtual void SetMobileStatusFieldCaption(const QString& caption) = 0;
    // The link settings dialog `CommSettingsForm` is shown; the bring-up waits while it is.
    virtual bool IsCommSettingsFormVisible() const = 0;
};

// The TCU's TCP port: the settings store's section "Config", key "TCU Port", else 23.
quint16 GetTcuPort(Link& link);

// One tick of the main window's `Winsock_timer` (500 ms, from start-up until CloseConnection):
// refreshes the TCU indicator and, when the settings choose the LAN host interface and the link
// settings dialog is hidden, runs one step of the machine in LanLinkState that brings the link to
// the TCU up and watches it:
//   0 connect (discovering a TCU first when no address is known), 1 wait for TCP, 2 start the
//   bridge, 3 wait for the bridge, 4 wait for the transceiver, 5 supervise, 6 probe the TCU,
//   7 read the probe.
void Winsock_timer_Timer(Link& link);

}  // namespace tidepost
