#pragma once
#include <QMap>
#include <QMainWindow>
#include <QSize>
#include <QStringList>
#include <functional>
#include <map>
#include <set>
#include <memory>

#include "foundation/IMainForm.h"
#include "link/ILinkMenus.h"
#include "link/ILinkWindow.h"
#include "link/IMobileStatusField.h"
#include "link/INotificationsWindow.h"
#include "link/IPollWindow.h"
#include "link/CommSettingsForm.h"
#include "link/LanLink.h"
#include "link/TerminalModeForm.h"
#include "foundation/FormHolder.h"
#include "mainwindow/HotListCommands.h"
#include "mainwindow/MainLayout.h"
#include "mainwindow/MenuDialogs.h"
#include "messages/TestForm.h"

class QAction;
class QMenuBar;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QResizeEvent;
class QTimer;

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;
class PleaseWait;
class WaitForm;
class cHotList;
class MainFormEditor;
class cMainForm;
class FolderViews;
class InfoLogView;
class IMessagesWindow;
class FormsServer;
class FormView;
struct BusyWindows;
struct MainFormControls;
struct ShellWindows;

// The hub of the program: it owns the timers that drive the dialogue with the transceiver and
// shows the state of the link. Controls carry their given names as objectName.
class MainForm : public QMainWindow,
                 public IMainForm,
                 public ILinkWindow,
                 public ILinkMenus,
                 public IMobileStatusField,
                 public INotificationsWindow,
                 public IPollWindow,
                 public ILanLinkWindow {
    Q_OBJECT
public:
    // Without `messages` the start-up leaves the address book unread.
    MainForm(Foundation& foundation, Link& link, Messages* messages = nullptr, QWidget* parent = nullptr);
    ~MainForm() override;

    // The program's start-up, run once right after the window is created: the checks of the
    // system, the disclaimer until it is accepted, the timers, the splash, the running marker,
    // the link's start (LinkStartUp.h) and the first commands. `arguments` is the command line
    // ("-log" starts the communication log). A failure ends the sequence with a queued report;
    // the window is usable in every case. When the program has ended meanwhile (the disclaimer
    // declined, a termination signal), it returns at once: see ProgramEnded.
    void Form_Load(const QStringList& arguments);
    // Queues the warnings about this system, its screen and its colours (StartUpChecks.h).
    void CheckStartUpConditions();

    // The close request: asks (unless ExitWithoutQuestion), offers to mark unsent messages
    // "PC Cleared", then closes the links at once, or sets Cancel and lets CloseDownTimer wait
    // for a running download. Sets Cancel when the window is to stay.
    void Form_QueryUnload(bool& Cancel);
    // The granted close: placement, settings file, running marker, ShutDownProgram, the end.
    void Form_Unload();
    // The program has ended (Form_Unload ran): nothing more may run or be written.
    bool ProgramEnded() const { return m_ended; }
    // Ends the program as the language dialog's exit does: no question, the outbox untouched.
    // What a termination signal (SIGTERM, SIGINT, SIGHUP) runs.
    void CloseWithoutQuestion();
    // Leaves the program's event loop at its end; the application sets it (tests leave it empty).
    std::function<void()> LeaveEventLoop;

    // Help menu: shows the about box (again, when it is open) and counts the use.
    void mnuAbout_Click();
    // The electronic-forms folder exists (start-up); the Forms menu is offered only then.
    bool FormsFolderExists = false;
    // The hot list plugs in here when its area exists: `Add` counts one use of a command,
    // `Release` lets the list go, which writes "Hotlist.xml". Empty: nothing happens.
    struct {
        std::function<void(int id, int parentId)> Add;
        std::function<void()> Release;
    } HotList;
    // Empties the hot list and writes it at once (the settings dialog's reset, once confirmed);
    // false when it could not be written or there is no list.
    bool ResetHotList();
    // The hot list while it lives (from the start-up to the exit), else null.
    cHotList* HotListObject() const { return m_hotList.get(); }
    // The commands the hot-list popup runs; the areas owning the handlers fill their rows.
    HotListCommandTable HotListCommands;
    // Opens the electronic form at that position of the Forms menu; filled by the forms area.
    std::function<void(int index)> OpenForm;
    // A click on the new-message icon in the notification area: the inbox, the window brought up
    // (maximised when it was minimised), the icon gone. Nothing while no icon is shown.
    void TrayIcon_Click();
    // Shows the inbox view; filled by the folder views.
    std::function<void()> InboxButton_Click;
    // F12: HotListTimer shows the popup once the key has been handled.
    void HotListTimer_Timer();
    QTimer* HotListTimer() const { return m_hotListTimer; }
    // The key map, seeing every key of the window and its controls first (key codes as the
    // handlers take them, shift mask 1 Shift, 2 Ctrl, 4 Alt). A step that sets KeyCode to 0
    // consumes the key.
    void Form_KeyDown(int& KeyCode, int Shift);
    // The handlers the key map calls; filled by the areas that own them.
    struct {
        std::function<void(int& keyCode, int shift)> HandleEditorShortcutKeys;
        std::function<void()> SendButton_Click;
        std::function<void(int& keyCode, int shift)> HandleFunctionKey;
        std::function<void()> PressInHarbourButton;
    } KeyHandlers;
    // The view button "Forms": opens the form opened last ("[LastForm]") when its item is shown.
    void FormsButton_Click();

    // ---- The in-harbour signal (MainFormInHarbour.cpp) ----
    // The button "Harbour" and hot-list entry 1914: the press while "[InHarbourButton]" is
    // exactly "1", counted in the hot list.
    void InHarbourButton_Click();
    // The press (also F11, under the same guard): the output goes up and the press is reported,
    // then InHarbourButtonTimer runs 5000 ms from now, a press during a pulse starting it again.
    void PressInHarbourButton();
    // The timer's end: it fires once and lowers the output.
    void InHarbourButtonTimer_Timer();
    void ReleaseInHarbourButton();
    QTimer* InHarbourButtonTimer() const { return m_inHarbourButtonTimer; }
    // The output and its reports, filled by the reporting area: Press raises it and reports the
    // press, Release lowers it, Free lowers a running pulse and lets the output go (the exit).
    // Empty: nothing is written.
    struct {
        std::function<void()> Press;
        std::function<void()> Release;
        std::function<void()> Free;
    } InHarbourSignal;
    // ---- Electronic forms (MainFormElectronicForms.cpp) ----
    // The local forms server the forms open from; set by the application (none: no server).
    FormsServer* Forms = nullptr;
    // Lists the forms of the forms folder in the Forms menu; the number listed.
    qint16 UpdateElectronicFormsMenu();
    // Shows the form of item Index: the form view, the server, the browser.
    void mnuForm_Click(int Index);
    // Switches the work area to the electronic-form view.
    void PrepareBrowserView();
    FormView* FormsView() const;

    // ---- Layout and views (MainFormLayout.cpp) ----
    // The view of the work area: 0 editor, 1 inbox, 2 sent items, 3 EGC, 4 info log, 5 form.
    // Set it first, then call MainFormSetUp.
    long MessageLogShown = 0;
    // Lays out the header rows, the work area and the "Views:" column for the current view,
    // leaving room for `InfoBox` while it is visible; ends with Form_Resize.
    void MainFormSetUp();
    // Keeps the window within its size and screen limits, applies the automatic compact rule and
    // sizes what follows the window's size. Silent while minimised.
    void Form_Resize();
    // View menu "&Compact Mode": toggles compact mode and records the choice.
    void mnuCompactMode_Click();
    // View menu "E&ditor" and "&Distress Message Editor": forward to the view buttons.
    void mnuViewEditor_Click();
    void mnuViewDistressEditor_Click();
    // Row-wanted flags, write-only; MainFormSetUp recomputes them on every call, so a value
    // written from outside counts only from inside ApplyIspCcBccAvailability.
    void ToFieldVisible(bool value) { m_rowWanted.To = value; }
    void CcFieldVisible(bool value) { m_rowWanted.Cc = value; }
    void BCcFieldVisible(bool value) { m_rowWanted.Bcc = value; }
    void SubjectFieldVisible(bool value) { m_rowWanted.Subject = value; }
    void LogFrameVisible(bool value) { m_rowWanted.LogFrame = value; }
    // Whether the editor view shows the address row of `list` (0 To, 1 Cc, 2 Bcc): as the provider
    // rule last had it in the editor view, and not in compact mode. It holds while another view
    // is shown, so a message sent from there takes the same fields the editor shows.
    bool EditorAddressRowShown(int list) const;
    void ShowToField(bool visible);
    void ShowCcField(bool visible);
    void ShowBCcField(bool visible);
    void ShowSubjectField(bool visible);
    void ShowLogFrame(bool visible);
    // The default provider's rule for the Cc and Bcc rows (editor view); it writes CcFieldVisible
    // and BCcFieldVisible. Unset: no Cc and Bcc rows.
    std::function<void()> ApplyIspCcBccAvailability;
    // The view buttons' commands, filled by the areas that own the views.
    std::function<void()> EditorButton_Click;
    std::function<void()> DistressEditorButton_Click;
    std::function<void()> OutboxButton_Click;
    std::function<void()> EGCButton_Click;
    // The layout as the last MainFormSetUp or Form_Resize left it, in twips.
    const MainLayout& CurrentLayout() const { return m_layout; }
    // Twips per pixel of the window's screen, horizontal and vertical.
    double TwipsPerPixelX() const;
    double TwipsPerPixelY() const;

    // ---- Status strip (MainFormStatus.cpp) ----
    // The 100 ms tick: in-harbour button, bars, mobile status, product picture, mobile number,
    // menus on connection, Edit menu, distress editor, "Views:" column, clock, download marks.
    void GUITimer_Timer();
    // The mobile status code held by MobileStatusField, 0 when it holds no number.
    int GetMobileStatus() const;
    // Opens the distress buttons test window when it was asked for and the transceiver answers.
    void DistressButtonsTestWindowTimer_Timer();
    // A click on status-bar panel 1 (the clock) or 2 (the information texts).
    void StatusBarPanel_Click(int panel);
    // The commands the strip's clicks run, filled by the areas that own them.
    struct {
        std::function<void()> mobileNoMenu_Click;
        std::function<void()> TransceiverStatusMenu_Click;
        std::function<void()> GPSStatusMenu_Click;
        std::function<void()> mnuInfoLog_Click;
        std::function<void()> SetPcTimeMenu_Click;
        std::function<void()> SystemInfoMenu_Click;
    } StatusCommands;
    // The clipboard holds text, as its last change said.
    bool ClipboardHasText() const { return m_clipboardHasText; }

    // ---- Screen saver and progress (MainFormProgress.cpp) ----
    // Ends a running screen saver while a queued text is shown.
    void ScreensaverTimer_Timer();
    // Steps the busy window's bar 1..10 and, in debug mode, the stars of Label12.
    void ProgressTimer_Timer();

    // Timer ticks; the work is the link's.
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer_60S_Timer();
    void EventTimer_Timer();
    void Winsock_timer_Timer();
    void CloseDownTimer_Timer();
    void EGCTimer_Timer();
    void MessageTimer_Timer();
    // Shows the oldest queued message text, one per tick, so that no parser waits for the user.
    void MBoxTimer_Timer();

    // The folder grids InboxMSGrid, OutboxMSGrid and EGCMSGrid and their commands (null without
    // the message area).
    FolderViews* Folders() const { return m_folderViews.get(); }
    InfoLogView* InfoLog() const { return m_infoLog.get(); }

    // The distress buttons test window was asked for; its timer opens it.
    bool bShowDistressButtonsTestWindow = false;

    // The messages area the window was given; null in tests of the window alone.
    Messages* MessagesArea() const { return m_messages; }
    // The message editor; null until the window stands.
    MainFormEditor* EditorGlue() const { return m_editorGlue.get(); }

    // Fills and shows the address-book dialog for the editor field "TO", "CC" or "BCC".
    void ShowAddressBookDialog(const QString& field);

    // The busy windows, created on first use.
    WaitForm& GetWaitForm();
    bool IsWaitFormLoaded() const;
    PleaseWait& GetPleaseWait();
    bool IsPleaseWaitLoaded() const;
    BusyWindows& Busy() { return *m_busy; }
    // The disclaimer, the splash and the about box, created on first use.
    ShellWindows& Shell() { return *m_shell; }

    // IMainForm
    void SetStatusPanelText(int panel, const QString& text) override;
    int DisplayColorBits() const override;
    QWidget* Form() override { return this; }
    void mnuExit_Click() override;
    int GetMnuFomsIndex(const QString& fileName) const override;
    QString GetMnuFomsFileName(int index) const override;
    QString GetMnuFomsName(int index) const override;

    // ILinkWindow
    void EnableTimers(bool enable) override;
    void SetEventTimerEnabled(bool enabled) override;
    void SetTimer1Enabled(bool enabled) override;
    void SetTimer2Enabled(bool enabled) override;
    void SetCloseDownTimerEnabled(bool enabled) override;
    void SetEGCTimerEnabled(bool enabled) override;
    void SetMessageTimerEnabled(bool enabled) override;
    void SetWinsockTimerEnabled(bool enabled) override;
    void DialogueWorkArrived() override;
    void SetLabel1Caption(const QString& caption) override;
    void SetLabel4Caption(const QString& caption) override;
    QString Label10Caption() const override;
    void SetLabel10Caption(const QString& caption) override;
    bool IsLogPCCommChecked() const override;
    void SetLogPCCommChecked(bool checked) override;
    void UpdateMenu(bool enable) override;
    void SetMobileStatus(int code) override;
    void SetAntenneBarValue(int value) override;
    void SetPCConnBarColor(int color) override;
    void SetTCUConnBarColor(int color) override;
    void ShowWaitForm() override;
    void UnloadWaitForm() override;
    bool IsPleaseWaitVisible() const override;
    void ShowPleaseWait(const QString& caption) override;
    void HidePleaseWait() override;
    void UnloadMainForm() override;

    // ILinkMenus
    void SetMenuVisible(LinkMenu menu, bool visible) override;
    void SetMenuChecked(LinkMenu menu, bool checked) override;

    // IMobileStatusField
    void PaintMobileStatusField(StatusFieldColours colours) override;
    void ShowTestModeNotice(const QString& caption) override;

    // INotificationsWindow
    void AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber,
                                 const QString& InfoMessage) override;
    void HideTestModeNotice() override;
    void ShowDistressButtonsTestWindow() override;

    // IPollWindow
    QString Label11Caption() const override;
    void SetLabel11Caption(const QString& caption) override;
    bool IsASISFormVisible() const override;
    void ShowSetTimeForm() override;

    // ILanLinkWindow
    void SetMobileStatusFieldCaption(const QString& caption) override;
    bool IsCommSettingsFormVisible() const override;

    // A further menu item that needs the transceiver; UpdateMenu enables or disables it with
    // the link-dependent items of the menu definition.
    void AddTransceiverMenuItem(QAction* item);

    // Menu enabling (MainFormMenuEnabling.cpp). UpdateMenu also brings the hot list into line.
    void EnableHotListItems(bool bEnable);
    // The insert-vessel-name item and its hot-list entry follow the stored vessel name.
    void UpdateMnuInsertVesselName();
    // The screen size in logical pixels; empty: the window's screen.
    std::function<QSize()> ScreenSize;
    static QSize CurrentScreenSize(const MainForm& form);

    // Localisation (MainFormLanguage.cpp). Fonts and heights of the view buttons per language,
    // then the character set of the language over the whole window.
    void UpdateFonts();
    // The language changed: the texts again in the new language and the current view re-opened.
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    // "Language...": the language choice, not modal; OK ends the program for a restart.
    void mnuLanguage_Click();
    // The controls the captions table names that the window does not have (yet), from the last
    // application of the table.
    QStringList SkippedCaptionControls() const { return m_skippedCaptionControls; }
    // Filled by the areas that own them; empty: nothing happens.
    struct {
        std::function<void()> EGCButton_Click;    // the EGC view, loaded again
        std::function<void()> mnuInfoLog_Click;   // the info-log view, loaded again
        std::function<void()> UpdateFMenu;        // captions of the function-key items
        std::function<void()> FormsMenuRebuild;   // the Forms menu from the forms folder
    } AreaHandlers;

    // "Communication setup...": a search for units first when the LAN link has none, then the
    // link settings dialog, modeless (created on first use, later shown again as it was left).
    void CommSettings_Click();
    FormHolder<CommSettingsForm>& CommSettings() { return m_commSettings; }

    // "Terminal Mode": the wait window, then the terminal window loaded hidden and the dialogue
    // handed to it; the engine shows it once the queue has run empty. Behind the configuration
    // password; while the terminal mode is already asked for, it only brings its window up.
    void TerminalModeMenu_Click();
    FormHolder<TerminalModeForm>& TerminalMode() { return m_terminalMode; }
    // The developer window "Simulate Infos", modal; released when it closes.
    void mnuGetInfo560_Click();

    // The Actions, status-query and logging commands (ActionsMenuCommands.cpp). Each counts its
    // use in the hot list last, whether or not its guard let the command through.
    void LoginEastMenu_Click();
    void LoginPacificMenu_Click();
    void LoginIndianMenu_Click();
    void LoginWestMenu_Click();
    void LogoutMenu_Click();
    void PreferredEastMenu_Click();
    void PreferredPacificMenu_Click();
    void PreferredIndianMenu_Click();
    void PreferredWestMenu_Click();
    void PreferredNoneMenu_Click();
    void mnuAbortTransmission_Click();
    void TransceiverStatusMenu_Click();
    void GPSStatusMenu_Click();
    void PositionInfoMenu_Click();
    void mnuLatestDistress_Click();
    // Starts the distress buttons test while the transceiver answers and asks for its window.
    void DistressTestModeMenu_Click();
    void DistressGeneratorMenu_Click();
    void LMAlertSetting_Click();
    void mobileNoMenu_Click();
    void mnuLogPCComm_Click();
    void mnuLogWindow_Click();

    // The Setup commands and their kin (SetupMenuCommands.cpp): each opens its dialog through
    // Dialogs, behind the configuration password where it changes the transceiver's settings.
    void ConfigEGCMenu_Click();
    void ConfigPasswordMenu_Click();
    void DefineSignature_Click();
    void DNID_Click();
    void DNIDMenu_Click();
    void ENIDMenu_Click();
    void EMailServicesMenu_Click();
    void LESMenu_Click();
    void mnuRemoteConfigPassword_Click();
    void mnuSendCommand_Click();
    void mnuSettings_Click();
    void mnuTestSound_Click();
    void mnuVesselData_Click();
    void RoutingMenu_Click();
    void SetDefaultISPMenu_Click();
    void SetDefaultLESMenu_Click();
    void SetPcTimeMenu_Click();
    void SystemInfoMenu_Click();
    void TransmitPasswordMenu_Click();
    // The dialogs those commands open; the areas owning them fill the slots.
    MenuDialogs Dialogs;
    // The action a configuration password guards (ConfigPasswordGuard.cpp), run by the password
    // dialog once the right password has been typed; an unknown code runs nothing.
    void RunConfigPasswordAction(qint32 code);

    // The hidden developer menus Debug and Test (DebugMenuCommands.cpp).
    void OnMenu_Click();
    void OffMenu_Click();
    void mnuEnableMenus_Click();
    void mnuChangeTo560L_Click();
    void mnuChangeTo560M_Click();
    void mnuChangeTo560D_Click();
    void mnuChangeTo560SSA_Click();
    void mnuSimDistressGenerator_Click();
    void mnuRxEGCRoutine_Click();
    void mnuRxEGCSafety_Click();
    void mnuRxEGCUrgency_Click();
    void mnuRxEGCDistress_Click();
    void mnuSimEgcRxError_Click();
    void mnuRepairEgcLog_Click();
    void mnuSim_st_e_Click();
    void mnuSimEnids_Click();
    void mnuSimInMsg560_Click();
    void mnuSimInDistMsg560_Click();
    void mnuSimMsgRxError_Click();
    void mnuTestRxError_Click();
    void mnuSimInfo21_Click();
    void mnuSimInfo22_Click();
    void mnuSimInfo105_Click();
    void mnuSimInfo111_Click();
    void mnuSimInfo193_Click();
    void mnuSimInfo116_Click();
    void mnuSimInfo325_Click();
    void mnuSimInfo325Double_Click();
    void mnuSimInfo450_Click();
    void mnuSimInfo473_Click();
    void mnuSimInfo553_Click();
    void mnuSimInfo111_105_325_103_Click();
    void mnuSimInfo80_811_393_221_Click();
    void mnuSimDistressInfos_Click();
    FormHolder<TestForm>& RxErrorTestForm() { return m_testForm; }

protected:
    // Closing waits for a running download: the links close and the window goes only once
    // nothing is being fetched.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QTimer* MakeTimer(const char* name, int intervalMs);
    void BuildControls();
    void BuildStatusStrip(QWidget* area);
    void BuildWorkArea(QWidget* area);
    // The single items of the View and Edit menus (MainFormViewItems.cpp).
    void ConnectViewAndEditItems();
    void SetCompactMode(bool bCompact, bool bSave);
    void ApplyLayout();
    MainLayoutInput LayoutInput() const;
    void ArrangeViewButtons();
    void UpdateDistressMenus();
    // Start-up: the compact state from "[Compact Mode]", forced on small screens.
    void StartUpCompactMode();
    void ApplyEditMenu();
    // Keeps "the clipboard holds text" from the clipboard's own change signal.
    void WatchClipboard();
    void WatchClicks(QWidget* widget, std::function<void()> onClick);
    void BuildMenus();
    // Localisation (MainFormLanguage.cpp): the captions table, by control name.
    void ApplyMainFormCaptions();
    QStringList m_skippedCaptionControls;
    QMetaObject::Connection ml_RuntimeSupport;
    // Runs the link's tick of `timer`, skipped while that timer's previous tick still runs.
    void RunTick(const QTimer* timer, void (*tick)(Link&));
    // A periodic duty's tick, after which the status strip shows what the duty may have changed.
    void RunDutyTick(const QTimer* timer, void (*tick)(Link&));
    // Sets a timer on or off; after the end only off.
    void Switch(QTimer* timer, bool on);
    // A timer that is on but has nothing to do stops ticking and rests; Wake starts a resting
    // timer again (at once, in the call that brought its work). Switch ends a rest either way.
    void Rest(QTimer* timer);
    void Wake(QTimer* timer);
    // The dialogue changed: EventTimer, Winsock_timer and the status strip look at it.
    void WakeDialogueFollowers();
    // Something the status strip shows may have changed: GUITimer ticks once, if the window is
    // shown, and rests again.
    void WakeStatusStrip();
    void StatusStripTick();
    void StartUpSequence(const QStringList& arguments);
    // Shows the disclaimer modal while it has not been accepted.
    void ShowDisclaimer();
    void SetUpFormsMenu();
    void ConnectElectronicForms();
    // Opens the form view's form in the browser; false when no browser started.
    bool OpenFormInBrowser(const QString& fileName);
    QString m_shownFormFile;
    // Lets the hot list go (writing it) once per run.
    void ReleaseHotList();
    // Asks a Yes/No question owned by the main window; true for every answer but No.
    bool Confirm(const QString& text, const QString& title);
    int CountUnsentMessages(const QString& newStatus);
    void ShutDownProgram();
    void EndProgram();
    // The button, F11, hot-list entry 1914 and the pulse timer on their handlers.
    void SetUpInHarbourButton();
    QTimer* m_inHarbourButtonTimer = nullptr;

    Foundation& m_foundation;
    Link& m_link;
    Messages* m_messages;

    QTimer* m_timer1;
    QTimer* m_timer2;
    QTimer* m_timer60S;
    QTimer* m_eventTimer;
    QTimer* m_closeDownTimer;
    QTimer* m_egcTimer;
    QTimer* m_messageTimer;
    QTimer* m_winsockTimer;
    QTimer* m_mboxTimer;
    QTimer* m_guiTimer;
    QTimer* m_progressTimer;
    QTimer* m_screensaverTimer;
    QTimer* m_distressTestTimer;
    QTimer* m_replyTimeOutTimer;
    // One-shot: hides the splash a second after the start-up has returned.
    QTimer* m_splashTimer;
    // Per timer: its tick is running (a map, so a flag stays put while other timers are added).
    std::map<const QTimer*, bool> m_ticking;
    // The timers that are on but rest until work arrives.
    std::set<const QTimer*> m_resting;
    // What the dialogue looked like after Timer1's last tick.
    struct DialogueMark {
        bool Idle = true;
        bool Answering = false;
    };
    DialogueMark m_dialogueMark;

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
    QAction* m_mnuCompactMode = nullptr;
    QAction* m_mnuViewDistressEditor = nullptr;
    QAction* m_mnuCut = nullptr;
    QAction* m_mnuCopy = nullptr;
    QAction* m_mnuPaste = nullptr;
    // The layout's state between calls.
    struct {
        bool To = false, Cc = false, Bcc = false, Subject = false, LogFrame = false;
        // What the provider rule allowed at the last MainFormSetUp, before compact mode.
        bool CcAllowed = false, BccAllowed = false;
        // What the provider rule allowed at the last MainFormSetUp in the editor view.
        bool EditorCcAllowed = false, EditorBccAllowed = false;
    } m_rowWanted;
    // The "Views:" frame's height as the view buttons left it, in twips.
    int m_logFrameHeight = 5145;
    MainLayout m_layout;
    int m_logFrameTop = 2460;
    int m_resizeDepth = 0;
    // The status tick's memory: the connection seen last time.
    bool m_wasConnected = false;
    bool m_clipboardHasText = false;
    int m_progressStep = 0;
    // The controls of the strip and the work area (MainFormControls.h).
    std::unique_ptr<MainFormControls> m_controls;
    QMenu* m_mnuForms = nullptr;
    // The items the identity and status replies show, hide and check.
    QMap<LinkMenu, QAction*> m_linkMenus;
    QList<QAction*> m_transceiverItems;

    std::unique_ptr<BusyWindows> m_busy;
    FormHolder<CommSettingsForm> m_commSettings{[this] { return MakeCommSettingsForm(); }};
    CommSettingsForm* MakeCommSettingsForm();
    FormHolder<TerminalModeForm> m_terminalMode{
        [this] { return new TerminalModeForm(m_link, [this] { m_terminalMode.unload(); }, this); }};
    std::unique_ptr<ShellWindows> m_shell;

    bool m_ended = false;
    // A close request is asking its questions (a termination signal then answers them).
    int m_queryUnloadDepth = 0;
    bool m_hotListReleased = false;
    std::unique_ptr<cMainForm> m_formsLookup;
    std::unique_ptr<cHotList> m_hotList;
    // Start-up: the hot list and its seams; then, once the Forms menu stands, its file.
    void CreateHotList();
    void SetUpHotListPopup();
    QTimer* m_hotListTimer = nullptr;
    const QEvent* m_keySeen = nullptr;
    void LoadHotList();
    // The menu commands of ActionsMenuCommands, SetupMenuCommands and DebugMenuCommands on their
    // items (found by name; an absent item is skipped) and in the hot-list command table.
    void ConnectMenuCommands();
    // The item of that name in the menus; null when there is none.
    QAction* MenuItem(const QString& name) const;
    void CheckPreferredOceanMenu(bool checked);
    // Queues the row's line unless its guard holds it back; false when held back.
    bool RunActionsCommand(const QString& item);
    void CountActionsCommand(const QString& item);
    void SetPreferredOcean(const QString& item);
    // Runs `action` at once when no configuration password is stored; otherwise leaves `code`
    // with the password dialog and shows it.
    void ConfigPasswordGuard(qint32 code, const std::function<void()>& action);
    void OpenTerminalMode(bool showWaitForm);
    void AddDebugLabels();
    void SetDebugMode(bool on);
    // Inverts a check item's mark and returns the new state; `state` keeps it while the item is absent.
    bool ToggleCheckItem(const QString& name, bool& state);
    void QueueDebugCommand(const QString& text);
    void SimulateInfos(const QStringList& lines, bool infos, bool errors);
    bool m_debugMode = false;
    bool m_simDistressGenerator = false;
    bool m_simStE = false;
    bool m_simEnids = false;
    bool m_enableMenus = false;
    bool m_simEgcRxError = false;
    bool m_simMsgRxError = false;
    FormHolder<TestForm> m_testForm{[this] { return new TestForm(m_foundation); }};

    // The folder grids in the work area, their popups and the commands that reach them.
    void CreateFolderGrids();
    std::unique_ptr<FolderViews> m_folderViews;
    // The views' commands on the buttons, menus and popups, and the info-log view
    // (MainFormFolderViewCommands.cpp).
    void ConnectFolderViewCommands();
    std::unique_ptr<InfoLogView> m_infoLog;
    std::unique_ptr<IMessagesWindow> m_messagesWindow;
    // The message editor on the window's controls (MainFormEditor.h); last, so it goes first.
    std::unique_ptr<MainFormEditor> m_editorGlue;
};

}  // namespace tidepost
