#pragma once
#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

#include "link/ILinkWindow.h"
#include "link/ITerminalWindow.h"
#include "link/IDistressModeWindow.h"

namespace tidepost::test {

// Stands in for the main window as the link sees it: remembers what was put on it. Calls that
// matter for ordering are also written to Calls ("UnloadWaitForm", "ShowPleaseWait", ...), where
// a test's own handlers can add theirs.
class FakeLinkWindow : public ILinkWindow {
public:
    void EnableTimers(bool on) override {
        for (const char* name : {"MessageTimer", "MBoxTimer", "Timer2", "Timer1", "Timer_60S"}) SetTimer(name, on);
    }
    void SetEventTimerEnabled(bool on) override { SetTimer("EventTimer", on); }
    void SetTimer1Enabled(bool on) override { SetTimer("Timer1", on); }
    void SetTimer2Enabled(bool on) override { SetTimer("Timer2", on); }
    void SetCloseDownTimerEnabled(bool on) override { SetTimer("CloseDownTimer", on); }
    void SetEGCTimerEnabled(bool on) override { SetTimer("EGCTimer", on); }
    void SetMessageTimerEnabled(bool on) override { SetTimer("MessageTimer", on); }
    void SetWinsockTimerEnabled(bool on) override { SetTimer("Winsock_timer", on); }
    void DialogueWorkArrived() override { ++WorkArrivals; }

    void SetLabel1Caption(const QString& caption) override { Label1 = caption; }
    void SetLabel4Caption(const QString& caption) override { Label4 = caption; }
    QString Label10Caption() const override { return Label10; }
    void SetLabel10Caption(const QString& caption) override { Label10 = caption; }

    bool IsLogPCCommChecked() const override { return LogPCComm; }
    void SetLogPCCommChecked(bool checked) override { LogPCComm = checked; }
    void UpdateMenu(bool enable) override { MenuUpdates.append(enable); }
    void SetMobileStatus(int code) override { MobileStatus = code; }
    void SetAntenneBarValue(int value) override { AntenneBar = value; }
    void SetPCConnBarColor(int color) override { PCConnBarColor = color; }
    void SetTCUConnBarColor(int color) override { TCUConnBarColor = color; }

    void ShowWaitForm() override { Calls.append("ShowWaitForm"); }
    void UnloadWaitForm() override { Calls.append("UnloadWaitForm"); }
    bool IsPleaseWaitVisible() const override { return PleaseWaitVisible; }
    void ShowPleaseWait(const QString& caption) override {
        Calls.append("ShowPleaseWait");
        PleaseWaitCaption = caption;
        PleaseWaitVisible = true;
    }
    void HidePleaseWait() override {
        Calls.append("HidePleaseWait");
        PleaseWaitVisible = false;
    }
    void UnloadMainForm() override { Calls.append("UnloadMainForm"); }

    bool TimerOn(const QString& name) const { return Timers.value(name, false); }

    QMap<QString, bool> Timers;
    QStringList TimerCalls;  // "Timer1 off", "Timer1 on", ...
    int WorkArrivals = 0;    // calls of DialogueWorkArrived
    QString Label1;
    QString Label4;
    QString Label10 = "T1: ";
    bool LogPCComm = false;
    QList<bool> MenuUpdates;
    int MobileStatus = -1;
    int AntenneBar = -1;
    int PCConnBarColor = -1;
    int TCUConnBarColor = -1;
    bool PleaseWaitVisible = false;
    QString PleaseWaitCaption;
    QStringList Calls;

private:
    void SetTimer(const QString& name, bool on) {
        Timers[name] = on;
        TimerCalls.append(name + (on ? " on" : " off"));
    }
};

// The terminal window: shown or not, and what the engine asked of it.
class FakeTerminalWindow : public ITerminalWindow {
public:
    bool IsVisible() const override { return Visible; }
    void Show() override {
        Calls.append("Show");
        if (ShowMakesVisible) Visible = true;
    }
    void InitPrompt() override { Calls.append("InitPrompt"); }
    void FocusTerminalWindow() override { Calls.append("Focus"); }
    void MoveCaretToEnd() override { Calls.append("MoveCaretToEnd"); }
    void AppendText(const QString& text) override { Text += text; }
    void KeepLastCharacters(int count) override { Text = Text.right(count); }

    bool Visible = false;
    QString Text;  // the text box `TerminalWindow`
    bool ShowMakesVisible = true;
    QStringList Calls;
};

class FakeDistressModeWindow : public IDistressModeWindow {
public:
    bool IsVisible() const override { return Visible; }
    void HandleEvent(int event) override { Events.append(event); }
    // Records the owner; OnShowModal plays what happens while the window is open.
    void ShowModal(QWidget* owner) override {
        ModalOwners.append(owner);
        if (OnShowModal) OnShowModal();
    }
    int GetState() const override { return State; }
    void EndTest() override {
        ++EndTests;
        if (OnEndTest) OnEndTest();
    }
    bool Visible = false;
    int State = 0;
    int EndTests = 0;
    QList<QWidget*> ModalOwners;
    std::function<void()> OnShowModal;
    std::function<void()> OnEndTest;
    QList<int> Events;
};

}  // namespace tidepost::test
