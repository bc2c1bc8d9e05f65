#include "mainwindow/MainForm.h"
#include "mainwindow/InfoLogView.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"

#include <algorithm>
#include <climits>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTimer>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/TimerTick.h"
#include "foundation/cErrorQueue.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/DownloadWatchdogs.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "editor/FolderViews.h"
#include "mainwindow/BusyWindows.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/ShellWindows.h"
#include "mainwindow/UserInputWatch.h"
#include "mainwindow/MainFormOwnTexts.h"
#include "mainwindow/cMainForm.h"
#include "messages/AddressBookWindows.h"
#include "platform/IClock.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kMaxMobileStatus = 25;
// The mobile status field's colours as 0x00BBGGRR; the normal text takes the system's button-text
// colour, whose classic code is kSystemButtonText.
constexpr int kMobileStatusBackColor = 0xF0BDA8;
constexpr int kAlarmBackColor = 0x0000FF;
constexpr int kAlarmForeColor = 0xFFFFFF;
constexpr qint64 kSystemButtonText = 0x80000012;

void PaintStatusField(QLabel* field, int backBgr, qint64 foreCode, const QColor& fore) {
    field->setProperty("BackColor", backBgr);
    field->setProperty("ForeColor", foreCode);
    field->setStyleSheet(QString("QLabel#MobileStatusField { background-color: %1; color: %2; }")
                             .arg(FromBgr(backBgr).name(), fore.name()));
}

// Sets a timer on or off. Switching on a running timer leaves its countdown alone: a watchdog
// fires 60 s after its download began, whatever happened since.
void Enable(QTimer* timer, bool on) {
    if (!on) timer->stop();
    else if (!timer->isActive()) timer->start();
}

}  // namespace

MainForm::MainForm(Foundation& foundation, Link& link, Messages* messages, QWidget* parent)
    : QMainWindow(parent), m_foundation(foundation), m_link(link), m_messages(messages) {
    setObjectName("MainForm");
    setWindowTitle("Tidepost");
    resize(800, 600);

    m_timer1 = MakeTimer("Timer1", 60);
    m_timer2 = MakeTimer("Timer2", 10000);
    m_timer60S = MakeTimer("Timer_60S", 60000);
    m_eventTimer = MakeTimer("EventTimer", 100);
    m_closeDownTimer = MakeTimer("CloseDownTimer", 65);
    m_egcTimer = MakeTimer("EGCTimer", 60000);
    m_messageTimer = MakeTimer("MessageTimer", 60000);
    m_winsockTimer = MakeTimer("Winsock_timer", 500);
    m_mboxTimer = MakeTimer("MBoxTimer", 300);
    m_guiTimer = MakeTimer("GUITimer", 100);
    m_progressTimer = MakeTimer("ProgressTimer", 100);
    m_screensaverTimer = MakeTimer("ScreensaverTimer", 2000);
    m_distressTestTimer = MakeTimer("DistressButtonsTestWindowTimer", 100);
    // Ends a quiet wait for a reply at its time-out (see SetTimer1Enabled).
    m_replyTimeOutTimer = MakeTimer("ReplyTimeOutTimer", 0);
    m_replyTimeOutTimer->setSingleShot(true);
    connect(m_replyTimeOutTimer, &QTimer::timeout, this, &MainForm::Timer1_Timer);
    connect(m_timer1, &QTimer::timeout, this, &MainForm::Timer1_Timer);
    connect(m_timer2, &QTimer::timeout, this, &MainForm::Timer2_Timer);
    connect(m_timer60S, &QTimer::timeout, this, &MainForm::Timer_60S_Timer);
    connect(m_eventTimer, &QTimer::timeout, this, &MainForm::EventTimer_Timer);
    connect(m_winsockTimer, &QTimer::timeout, this, &MainForm::Winsock_timer_Timer);
    connect(m_closeDownTimer, &QTimer::timeout, this, &MainForm::CloseDownTimer_Timer);
    connect(m_egcTimer, &QTimer::timeout, this, &MainForm::EGCTimer_Timer);
    connect(m_messageTimer, &QTimer::timeout, this, &MainForm::MessageTimer_Timer);
    connect(m_mboxTimer, &QTimer::timeout, this, &MainForm::MBoxTimer_Timer);
    connect(m_guiTimer, &QTimer::timeout, this, &MainForm::StatusStripTick);
    connect(m_progressTimer, &QTimer::timeout, this, [this] {
        ProgressTimer_Timer();
        // The bar moves while the busy window is shown; the debug display's beat while it is on.
        if (!IsPleaseWaitVisible() && m_link.Dialogue.DebugMode == 0) Rest(m_progressTimer);
    });
    connect(m_screensaverTimer, &QTimer::timeout, this, &MainForm::ScreensaverTimer_Timer);
    connect(m_distressTestTimer, &QTimer::timeout, this, [this] {
        DistressButtonsTestWindowTimer_Timer();
        if (!bShowDistressButtonsTestWindow) Rest(m_distressTestTimer);
    });
    SetUpHotListPopup();
    m_splashTimer = MakeTimer("SplashTimer", 1000);
    m_splashTimer->setSingleShot(true);
    connect(m_splashTimer, &QTimer::timeout, this, [this] {
        if (m_shell->Splash.isLoaded()) m_shell->Splash.loaded()->hide();
    });

    BuildMenus();
    BuildControls();
    WatchClipboard();
    // Asks for the test window are honoured from the window's creation on: its timer rests until
    // one comes (ShowDistressButtonsTestWindow wakes it).
    m_resting.insert(m_distressTestTimer);
    // A queued text starts the timer that shows it.
    ErrorQueue(m_foundation).OnPushed = [this] { Wake(m_mboxTimer); };
    new UserInputWatch(this, [this] { WakeStatusStrip(); });
    CreateFolderGrids();
    m_busy = std::make_unique<BusyWindows>(m_foundation, m_link, this);
    m_shell = std::make_unique<ShellWindows>(m_foundation, this);
    m_editorGlue = std::make_unique<MainFormEditor>(*this);
    ConnectMenuCommands();
    SetUpInHarbourButton();
    ConnectElectronicForms();
    // The status strip's clicks run the window's own commands.
    StatusCommands.mobileNoMenu_Click = [this] { mobileNoMenu_Click(); };
    StatusCommands.TransceiverStatusMenu_Click = [this] { TransceiverStatusMenu_Click(); };
    StatusCommands.GPSStatusMenu_Click = [this] { GPSStatusMenu_Click(); };
    StatusCommands.mnuInfoLog_Click = [this] {
        if (AreaHandlers.mnuInfoLog_Click) AreaHandlers.mnuInfoLog_Click();
    };
    StatusCommands.SetPcTimeMenu_Click = [this] { SetPcTimeMenu_Click(); };
    StatusCommands.SystemInfoMenu_Click = [this] { SystemInfoMenu_Click(); };

    m_foundation.Windows.MainForm = this;
    m_link.Windows.Window = this;
    m_link.Windows.Menus = this;
    m_link.Windows.StatusField = this;
    m_link.Windows.NotificationsWindow = this;
    m_link.Windows.PollWindow = this;
    m_link.Windows.LanWindow = this;
}

MainForm::~MainForm() {
    m_distressTestTimer->stop();
    m_resting.clear();
    ErrorQueue(m_foundation).OnPushed = nullptr;
    // A window that goes without an exit (no Form_QueryUnload) leaves the file as it was.
    if (m_hotList) m_hotList->FilePath(QString());
    m_hotList.reset();
    if (m_link.Windows.Window == this) m_link.Windows.Window = nullptr;
    if (m_link.Windows.Menus == this) m_link.Windows.Menus = nullptr;
    if (m_link.Windows.StatusField == this) m_link.Windows.StatusField = nullptr;
    if (m_link.Windows.NotificationsWindow == this) m_link.Windows.NotificationsWindow = nullptr;
    if (m_link.Windows.PollWindow == this) m_link.Windows.PollWindow = nullptr;
    if (m_link.Windows.LanWindow == this) m_link.Windows.LanWindow = nullptr;
    if (m_foundation.Windows.MainForm == this) m_foundation.Windows.MainForm = nullptr;
    if (m_messages && m_messagesWindow && m_messages->Window == m_messagesWindow.get()) m_messages->Window = nullptr;
}

QTimer* MainForm::MakeTimer(const char* name, int intervalMs) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(intervalMs);
    return timer;
}

void MainForm::EnableTimers(bool enable) {
    for (QTimer* timer : {m_messageTimer, m_mboxTimer, m_timer2, m_progressTimer, m_timer1, m_timer60S, m_guiTimer})
        Switch(timer, enable);
}

void MainForm::RunTick(const QTimer* timer, void (*tick)(Link&)) {
    RunTimerTick(m_foundation, m_ticking[timer], [&] { tick(m_link); });
}

void MainForm::RunDutyTick(const QTimer* timer, void (*tick)(Link&)) {
    RunTick(timer, tick);
    WakeStatusStrip();
}

// Timer1 rests through the engine: the tick switches it on again at its end, which lets it run
// only while the dialogue has work.
void MainForm::Timer1_Timer() { RunTick(m_timer1, tidepost::Timer1_Timer); }
void MainForm::Timer2_Timer() { RunDutyTick(m_timer2, tidepost::Timer2_Timer); }
void MainForm::Timer_60S_Timer() { RunDutyTick(m_timer60S, tidepost::Timer_60S_Timer); }
// EventTimer and Winsock_timer follow the dialogue: one tick after each reply it has dealt with
// or a change of the transceiver's answering, more while a change is not taken in or the LAN
// link is being set up. Wake-ups that come before the tick are served by that one tick.
void MainForm::EventTimer_Timer() {
    RunTick(m_eventTimer, tidepost::EventTimer_Timer);
    if (!EventTimerHasWork(m_link)) Rest(m_eventTimer);
}
void MainForm::Winsock_timer_Timer() {
    RunTick(m_winsockTimer, tidepost::Winsock_timer_Timer);
    if (!WinsockTimerHasWork(m_link)) Rest(m_winsockTimer);
}
void MainForm::CloseDownTimer_Timer() { RunDutyTick(m_closeDownTimer, tidepost::CloseDownTimer_Timer); }
void MainForm::EGCTimer_Timer() { RunDutyTick(m_egcTimer, tidepost::EGCTimer_Timer); }
void MainForm::MessageTimer_Timer() { RunDutyTick(m_messageTimer, tidepost::MessageTimer_Timer); }

void MainForm::Rest(QTimer* timer) {
    // A timer its own tick switched off stays off: resting is only for a timer that is on.
    if (!timer->isActive()) return;
    timer->stop();
    m_resting.insert(timer);
}

void MainForm::Wake(QTimer* timer) {
    if (m_ended || timer->isActive() || m_resting.erase(timer) == 0) return;
    timer->start();
    if (timer == m_timer1) m_replyTimeOutTimer->stop();
}

// A hidden window's strip waits for the window to be shown, which wakes it.
void MainForm::WakeStatusStrip() {
    if (isVisible()) Wake(m_guiTimer);
}

void MainForm::StatusStripTick() {
    GUITimer_Timer();
    // The strip now shows what there is; the wake-ups that came since the last tick are served.
    Rest(m_guiTimer);
}

void MainForm::WakeDialogueFollowers() {
    Wake(m_eventTimer);
    Wake(m_winsockTimer);
    WakeStatusStrip();
}

void MainForm::DialogueWorkArrived() {
    Wake(m_timer1);
    WakeDialogueFollowers();
}

void MainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    WakeStatusStrip();
}

void MainForm::MBoxTimer_Timer() {
    // Off while a box is open, so the next text waits until this one has been closed.
    const bool wasActive = m_mboxTimer->isActive();
    m_mboxTimer->stop();
    cErrorQueue& queue = ErrorQueue(m_foundation);
    // A notice never lands on a question or dialog the operator is answering: it waits until the
    // modal window has closed.
    if (queue.Count() >= 1 && QApplication::activeModalWidget() == nullptr) {
        const QString text = queue.Dequeue().toString();
        MessageBoxRequest box;
        box.text = text;
        box.title = QStringLiteral("Tidepost Info");
        box.buttons = MsgButtons::Ok;
        // The text stays visible past a screen saver while the box is open.
        m_screensaverTimer->setInterval(2000);
        m_screensaverTimer->start();
        try {
            if (m_foundation.Os.Boxes) m_foundation.Os.Boxes->Show(box, this);
        } catch (...) {
            // Not shown: it comes again after the texts already waiting.
            queue.Enqueue(text);
        }
        m_screensaverTimer->stop();
    }
    // Texts still waiting keep it ticking (also while a modal window holds them back); with the
    // queue empty it rests until the next text is queued.
    if (wasActive && !m_ended) {
        if (queue.Count() >= 1) m_mboxTimer->start();
        else m_resting.insert(m_mboxTimer);
    }
}

void MainForm::ShowAddressBookDialog(const QString& field) {
    if (m_messages) tidepost::ShowAddressBookDialog(*m_messages, field);
}

WaitForm& MainForm::GetWaitForm() { return m_busy->Wait.get(); }
bool MainForm::IsWaitFormLoaded() const { return m_busy->Wait.isLoaded(); }
PleaseWait& MainForm::GetPleaseWait() { return m_busy->Working.get(); }
bool MainForm::IsPleaseWaitLoaded() const { return m_busy->Working.isLoaded(); }

void MainForm::SetStatusPanelText(int panel, const QString& text) {
    if (panel < 1 || panel > 3) return;
    m_statusPanels[panel - 1]->setText(text);
}

int MainForm::DisplayColorBits() const {
    const QScreen* s = screen();
    return s != nullptr ? s->depth() : 0;
}

void MainForm::Switch(QTimer* timer, bool on) {
    m_resting.erase(timer);
    if (timer == m_timer1) m_replyTimeOutTimer->stop();
    // An ended program starts nothing again, whatever a tick that was under way does last.
    Enable(timer, on && !m_ended);
}

void MainForm::SetEventTimerEnabled(bool enabled) { Switch(m_eventTimer, enabled); }
void MainForm::SetTimer1Enabled(bool enabled) {
    Switch(m_timer1, enabled);
    if (!enabled) return;
    // The engine switches Timer1 on at the end of every tick. What the followers show and react
    // to changes when a reply has been dealt with (the dialogue back at idle) and when the
    // transceiver starts or stops answering: those steps wake them, the others do not. Without
    // work left Timer1 rests.
    const DialogueMark mark{m_link.Dialogue.DialogueState == 0, m_foundation.gSession.MesConnected()};
    if ((mark.Idle && !m_dialogueMark.Idle) || mark.Answering != m_dialogueMark.Answering)
        WakeDialogueFollowers();
    m_dialogueMark = mark;
    if (!DialogueHasWork(m_link)) {
        Rest(m_timer1);
        return;
    }
    // A quiet wait for a reply rests until the reply's first text announces itself (which wakes
    // Timer1) or its time-out falls due, when one tick runs as Timer1's would.
    const qint64 deadline = QuietReplyDeadline(m_link);
    if (deadline < 0 || !m_timer1->isActive() || m_foundation.Os.Clock == nullptr) return;
    Rest(m_timer1);
    const qint64 now = m_foundation.Os.Clock->MonotonicMs();
    m_replyTimeOutTimer->start(int(std::clamp<qint64>(deadline - now + 1, 0, INT_MAX)));
}
void MainForm::SetTimer2Enabled(bool enabled) { Switch(m_timer2, enabled); }
void MainForm::SetCloseDownTimerEnabled(bool enabled) { Switch(m_closeDownTimer, enabled); }
void MainForm::SetEGCTimerEnabled(bool enabled) { Switch(m_egcTimer, enabled); }
void MainForm::SetMessageTimerEnabled(bool enabled) { Switch(m_messageTimer, enabled); }
void MainForm::SetWinsockTimerEnabled(bool enabled) { Switch(m_winsockTimer, enabled); }

void MainForm::SetLabel1Caption(const QString& caption) {
    // The word as the engine wrote it, so that a change of language can show it again.
    m_label1->setProperty("Activity", caption);
    m_label1->setText(ActivityText(m_foundation, caption));
}
void MainForm::SetLabel4Caption(const QString& caption) { m_label4->setText(caption); }
QString MainForm::Label10Caption() const { return m_label10->text(); }
void MainForm::SetLabel10Caption(const QString& caption) { m_label10->setText(caption); }

bool MainForm::IsLogPCCommChecked() const { return m_mnuLogPCComm->isChecked(); }
void MainForm::SetLogPCCommChecked(bool checked) { m_mnuLogPCComm->setChecked(checked); }

void MainForm::AddTransceiverMenuItem(QAction* item) { m_transceiverItems.append(item); }

void MainForm::SetMobileStatus(int code) {
    if (code < 0 || code > kMaxMobileStatus) return;  // no such status: keep the one shown
    m_mobileStatusField->setProperty("Tag", QString::number(code));
    const QStringList& texts = m_foundation.MobileStatusTexts;
    if (m_foundation.gSession.MesConnected() && code < texts.size()) m_mobileStatusField->setText(texts[code]);
}

void MainForm::PaintMobileStatusField(StatusFieldColours colours) {
    if (colours == StatusFieldColours::Alarm)
        PaintStatusField(m_mobileStatusField, kAlarmBackColor, kAlarmForeColor, FromBgr(kAlarmForeColor));
    else
        PaintStatusField(m_mobileStatusField, kMobileStatusBackColor, kSystemButtonText,
                         m_mobileStatusField->palette().color(QPalette::ButtonText));
}

void MainForm::ShowTestModeNotice(const QString& caption) {
    m_infofield->setText(caption);
    m_infoBox->setVisible(true);
    MainFormSetUp();
}

void MainForm::HideTestModeNotice() {
    m_infoBox->setVisible(false);
    MainFormSetUp();
}

// Without an info-log view in the window the entry lives in the info log file only.
void MainForm::AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber,
                                       const QString& InfoMessage) {
    if (m_infoLog) m_infoLog->AddMessageGridInfoEntry(oDate, InfoType, InfoNumber, InfoMessage);
}

void MainForm::ShowDistressButtonsTestWindow() {
    bShowDistressButtonsTestWindow = true;
    Wake(m_distressTestTimer);
}

QString MainForm::Label11Caption() const { return m_label11->text(); }
void MainForm::SetLabel11Caption(const QString& caption) { m_label11->setText(caption); }

bool MainForm::IsASISFormVisible() const {
    return m_shell->Disclaimer.isLoaded() && m_shell->Disclaimer.loaded()->isVisible();
}

void MainForm::ShowSetTimeForm() {
    if (Dialogs.ShowSetTimeForm) Dialogs.ShowSetTimeForm();
}

void MainForm::SetMobileStatusFieldCaption(const QString& caption) { m_mobileStatusField->setText(caption); }

bool MainForm::IsCommSettingsFormVisible() const {
    return m_commSettings.isLoaded() && m_commSettings.loaded()->isVisible();
}

void MainForm::SetAntenneBarValue(int value) { m_antenneBar->setValue(value); }
void MainForm::SetPCConnBarColor(int color) { PaintBar(m_pcConnBar, color); }
void MainForm::SetTCUConnBarColor(int color) { PaintBar(m_tcuConnBar, color); }

void MainForm::ShowWaitForm() { GetWaitForm().show(); }
void MainForm::UnloadWaitForm() { m_busy->Wait.unload(); }

bool MainForm::IsPleaseWaitVisible() const {
    return m_busy->Working.isLoaded() && m_busy->Working.loaded()->isVisible();
}

void MainForm::ShowPleaseWait(const QString& caption) {
    PleaseWait& window = GetPleaseWait();
    window.SetCaption(caption);
    window.show();
    Wake(m_progressTimer);
}

void MainForm::HidePleaseWait() {
    if (m_busy->Working.isLoaded()) m_busy->Working.loaded()->hide();
}

void MainForm::UnloadMainForm() {
    m_closeDownTimer->stop();
    if (m_busy->Working.isLoaded()) m_busy->Working.loaded()->Unload();
    close();
}

}  // namespace tidepost
