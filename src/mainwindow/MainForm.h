#pragma once
#include <QMainWindow>
#include <memory>

#include "foundation/IMainForm.h"
#include "link/ILinkWindow.h"

class QAction;
class QFrame;
class QLabel;
class QProgressBar;
class QTimer;

namespace tidepost {

struct Foundation;
struct Link;
class PleaseWait;
class WaitForm;

// The hub of the program: it owns the timers that drive the dialogue with the transceiver and
// shows the state of the link. Controls carry their given names as objectName.
class MainForm : public QMainWindow, public IMainForm, public ILinkWindow {
    Q_OBJECT
public:
    MainForm(Foundation& foundation, Link& link, QWidget* parent = nullptr);
    ~MainForm() override;

    // Switches the timers of the running program on or off together.
    void EnableTimers(bool enable);
    // Lays the window out again, leaving room for `InfoBox` while it is visible.
    void MainFormSetUp();

    // Timer ticks; the work is the link's.
    void Timer1_Timer();
    void CloseDownTimer_Timer();
    void EGCTimer_Timer();
    void MessageTimer_Timer();

    // The busy windows, created on first use.
    WaitForm& GetWaitForm();
    bool IsWaitFormLoaded() const { return m_waitForm != nullptr; }
    PleaseWait& GetPleaseWait();
    bool IsPleaseWaitLoaded() const { return m_pleaseWait != nullptr; }

    // IMainForm
    void SetStatusPanelText(int panel, const QString& text) override;
    int DisplayColorBits() const override;
    QWidget* Form() override { return this; }
    void mnuExit_Click() override;

    // ILinkWindow
    void SetTimer1Enabled(bool enabled) override;
    void SetTimer2Enabled(bool enabled) override;
    void SetCloseDownTimerEnabled(bool enabled) override;
    void SetEGCTimerEnabled(bool enabled) override;
    void SetMessageTimerEnabled(bool enabled) override;
    void SetWinsockTimerEnabled(bool enabled) override;
    void SetLabel1Caption(const QString& caption) override;
    void SetLabel4Caption(const QString& caption) override;
    QString Label10Caption() const override;
    void SetLabel10Caption(const QString& caption) override;
    bool IsLogPCCommChecked() const override;
    void UpdateMenu(bool enable) override;
    void SetMobileStatus(int code) override;
    void SetAntenneBarValue(int value) override;
    void SetPCConnBarColor(int color) override;
    void SetTCUConnBarColor(int color) override;
    void UnloadWaitForm() override;
    bool IsPleaseWaitVisible() const override;
    void ShowPleaseWait(const QString& caption) override;
    void HidePleaseWait() override;
    void UnloadMainForm() override;

    // The menu items that need the transceiver; UpdateMenu enables or disables them.
    void AddTransceiverMenuItem(QAction* item);

protected:
    // Closing waits for a running download: the links close and the window goes only once
    // nothing is being fetched.
    void closeEvent(QCloseEvent* event) override;

private:
    QTimer* MakeTimer(const char* name, int intervalMs);
    void BuildControls();

    Foundation& m_foundation;
    Link& m_link;

    QTimer* m_timer1;
    QTimer* m_timer2;
    QTimer* m_closeDownTimer;
    QTimer* m_egcTimer;
    QTimer* m_messageTimer;
    QTimer* m_winsockTimer;

    QLabel* m_label1 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label10 = nullptr;
    QLabel* m_label11 = nullptr;
    QLabel* m_mobileStatusField = nullptr;
    QProgressBar* m_antenneBar = nullptr;
    QProgressBar* m_pcConnBar = nullptr;
    QProgressBar* m_tcuConnBar = nullptr;
    QFrame* m_infoBox = nullptr;
    QLabel* m_infofield = nullptr;
    QLabel* m_statusPanels[3] = {};
    QAction* m_mnuLogPCComm = nullptr;
    QList<QAction*> m_transceiverItems;

    std::unique_ptr<WaitForm> m_waitForm;
    std::unique_ptr<PleaseWait> m_pleaseWait;
};

}  // namespace tidepost
