#pragma once
#include <QString>

namespace tidepost {

// What the link asks of the main window: the timers it owns for the dialogue, the labels and
// indicators the link writes, and the small busy windows of the shell. The main window implements
// it and registers itself in Link::Windows.Window; until then (and in tests without a window) the pointer
// is null and the link writes nothing to a window.
class ILinkWindow {
public:
    virtual ~ILinkWindow() = default;

    // Timers of the main window (Timer1 runs the engine; the others are stopped or started by it).
    // EnableTimers switches the running program's timers (Timer1, Timer2, Timer_60S, MessageTimer,
    // MBoxTimer) together; EventTimer is started apart from them.
    virtual void EnableTimers(bool enable) = 0;
    virtual void SetEventTimerEnabled(bool enabled) = 0;
    virtual void SetTimer1Enabled(bool enabled) = 0;
    virtual void SetTimer2Enabled(bool enabled) = 0;
    virtual void SetCloseDownTimerEnabled(bool enabled) = 0;
    virtual void SetEGCTimerEnabled(bool enabled) = 0;
    virtual void SetMessageTimerEnabled(bool enabled) = 0;
    virtual void SetWinsockTimerEnabled(bool enabled) = 0;
    // The dialogue has work (DialogueHasWork): the timers that serve it start now if they rest.
    // Timer1, EventTimer and Winsock_timer rest while they have nothing to do; switching one on
    // with Set...Enabled(true) lets it run, but it ticks only while it has work.
    virtual void DialogueWorkArrived() = 0;

    // `Label1`: the engine's activity. `Label4`, `Label10`: the debug display.
    virtual void SetLabel1Caption(const QString& caption) = 0;
    virtual void SetLabel4Caption(const QString& caption) = 0;
    virtual QString Label10Caption() const = 0;
    virtual void SetLabel10Caption(const QString& caption) = 0;

    // The menu item "Log PC communication to file" is checked.
    virtual bool IsLogPCCommChecked() const = 0;
    virtual void SetLogPCCommChecked(bool checked) = 0;
    // Enables or disables the menu items that need the transceiver.
    virtual void UpdateMenu(bool enable) = 0;
    // Stores the mobile status code (0..25) and shows its text while the transceiver answers.
    virtual void SetMobileStatus(int code) = 0;
    // The signal bar.
    virtual void SetAntenneBarValue(int value) = 0;
    // Fill colours as 0x00BBGGRR: 65280 green, 255 red.
    virtual void SetPCConnBarColor(int color) = 0;
    virtual void SetTCUConnBarColor(int color) = 0;

    // The modeless "Communicating with transceiver, please wait..." window: shown (created when
    // needed), and closed and released.
    virtual void ShowWaitForm() = 0;
    virtual void UnloadWaitForm() = 0;
    // The busy window of the deferred exit; closing it by hand cancels the exit.
    virtual bool IsPleaseWaitVisible() const = 0;
    virtual void ShowPleaseWait(const QString& caption) = 0;
    virtual void HidePleaseWait() = 0;

    // Closes the main window; its close handling decides whether the program ends.
    virtual void UnloadMainForm() = 0;
};

}  // namespace tidepost
