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

// Text to the unit and what it has sent, through the socket without waiting (ANSI text).
void SendToTcu(Link& link, const QString& text);
QString ReadFromTcu(Link& link);

// The unit's bridge has answered "minic -f": the text holds "Connected" in any letter case, or
// "minic: command not found" exactly as written (the bridge ran already, and the transceiver's
// shell answered).
bool IsBridgeAnswer(const QString& text);

// The link settings dialog takes the socket to the unit for a wait of its own: the engine stops
// using it, as while the machine brings the bridge up, so that it reads none of the unit's
// answers away and queues no bridge start of its own.
void TakeSocketFromEngine(Link& link);
// The bridge has answered on the socket the dialog used: the engine may use it again, and the
// machine goes on from state 4 (waiting for the transceiver), as after its own bridge step.
void BridgeAnsweredForDialog(Link& link);

// One tick of the main window's `Winsock_timer` (500 ms, from start-up until CloseConnection):
// refreshes the TCU indicator and, when the settings choose the LAN host interface and the link
// settings dialog is hidden, runs one step of the machine in LanLinkState that brings the link to
// the TCU up and watches it:
//   0 connect (discovering a TCU first when no address is known), 1 wait for TCP, 2 start the
//   bridge, 3 wait for the bridge, 4 wait for the transceiver, 5 supervise, 6 probe the TCU,
//   7 read the probe.
void Winsock_timer_Timer(Link& link);

// Winsock_timer has work: a TCU search or version question waits for its answer, the settings
// dialog is open, the serial link's TCU indicator counts down, or, on the LAN, the link is being
// set up or probed. Supervising a LAN link whose transceiver answers is none: the loss of the
// transceiver comes from the dialogue, which wakes the timer.
bool WinsockTimerHasWork(Link& link);

}  // namespace tidepost
