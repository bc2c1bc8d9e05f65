#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QPointer>

#include "link/TcuWait.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tidepost {

struct Link;

// The dialog "Communication setup": the operator chooses the serial link (port and baud rate) or
// the LAN link through a terminal control unit (an address found by discovery or typed), and
// gives the unit a fixed IP address or returns it to automatic addressing. OK stores the choice
// and brings the link up at once. Shown modeless and hidden, never unloaded, by Cancel, the close
// box and a successful OK, so it keeps its state; the LAN link's machine stands still while it is
// shown. Controls carry their given names as objectName.
//
// The waits for the unit (connection, bridge answer) are states stepped by `TimeOutTimer`; OK,
// Cancel, Set and Clear are disabled while one runs, and the close box and Esc do nothing then.
class CommSettingsForm : public QDialog {
    Q_OBJECT
public:
    // The load: captions, the lists of ports and baud rates, the stored TCU address.
    CommSettingsForm(Link& link, QWidget* owner);
    ~CommSettingsForm() override;

    // The event handlers, callable without a mouse.
    void OKButton_Click();
    void CancelButton_Click();
    void Option1_Click();
    void Option2_Click();
    void Label4_Click();
    void Label5_Click();
    void FFIP_Click();
    void SetFixedIpButton_Click();
    void ClearFixedIpButton_Click();
    // `Timer1` (5000 ms while shown): the PC's address as the socket sees it.
    void Timer1_Timer();
    // `TimeOutTimer`, on while a wait runs or the TCU list waits for a search: one step of the
    // wait, which it ends when the unit has answered or its deadline has passed; and the TCU list
    // once the search has ended.
    void TimeOutTimer_Timer();
    // Each time the dialog is shown, not at each return of the focus, so typed text survives a
    // look at another window.
    void Form_Activate();
    void Form_Deactivate();

    // A wait for the unit runs.
    bool IsWaiting() const { return m_wait.Running() != TcuWait::Kind::None; }
    // The TCU list waits for a search to end.
    bool IsTcuListPending() const { return m_tcuListPending; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Esc.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class BridgeFor { Ok, SetFixedIp, ClearFixedIp };

    void BuildControls();
    void KeepChosenOptionTabStop();
    void ApplyCaptions();
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void FillComPortList();
    void FillBaudRateList();
    void FillTcuList();
    // FillTcuList now, or, while a search runs, "<Getting IP addresses...>" and FillTcuList when
    // it has ended.
    void FillTcuListWhenFound();
    void SetForcedIpMode(bool on);
    void EnableFixedIpControls(bool enabled);
    void ConnectToTcu(const QString& address);
    void SerialOk();
    void LanOk();
    void ConnectionWaitEnded(bool connected);
    void StartBridgeWait(BridgeFor purpose);
    void BridgeWaitEnded(bool answered);
    // OK, Cancel, Set and Clear follow whether a wait runs.
    void EnableWaitButtons();
    void RunTimeOutTimer();
    void ShowInfo(int stringId, const QString& english);
    bool SocketConnected() const;

    Link& m_link;
    QMetaObject::Connection ml_RuntimeSupport;
    TcuWait m_wait;
    BridgeFor m_bridgeFor = BridgeFor::Ok;
    bool m_tcuListPending = false;
    bool m_inWaitStep = false;
    // The control that had the focus when the running wait began.
    QPointer<QWidget> m_focusBeforeWait;

    QRadioButton* Option1;
    QLabel* Label4;
    QRadioButton* Option2;
    QLabel* Label5;
    QGroupBox* Frame1;
    QLabel* Label1;
    QComboBox* ComPortList;
    QLabel* Label2;
    QComboBox* BaudRateList;
    QGroupBox* Frame2;
    QLabel* Label7;
    QComboBox* TcuIpAdrList;
    QLabel* Label6;
    QLabel* PCIPAdr;
    QGroupBox* FixedTcuAddressFrame;
    QCheckBox* FFIP;
    QLineEdit* ForcedIP;
    QPushButton* SetFixedIpButton;
    QPushButton* ClearFixedIpButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QTimer* Timer1;
    QTimer* TimeOutTimer;
};

}  // namespace tidepost
