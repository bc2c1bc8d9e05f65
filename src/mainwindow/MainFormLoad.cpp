#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <exception>

#include "foundation/AppSettings.h"
#include "foundation/DataFiles.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/RuntimeError.h"
#include "foundation/StartUp.h"
#include "link/Link.h"
#include "link/LinkStartUp.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/LegacyGridWidths.h"
#include "mainwindow/MainForm.h"
#include "remote/FormsServer.h"
#include "mainwindow/MainWindowPlacement.h"
#include "mainwindow/RunningMarker.h"
#include "mainwindow/ShellWindows.h"
#include "mainwindow/StartUpChecks.h"
#include "messages/AddressBookFile.h"
#include "messages/OutboxRecovery.h"
#include "platform/IMessageBoxes.h"
#include "platform/ITrayIcon.h"

namespace tidepost {

namespace {
// The program ended while a modal step of the start-up waited (the disclaimer declined, a
// termination signal): the sequence stops where it stands.
struct EndedDuringStartUp {};
}  // namespace

void MainForm::Form_Load(const QStringList& arguments) {
    m_link.Dialogue.NotSupportedShown = false;
    bShowDistressButtonsTestWindow = false;
    disconnect(ml_RuntimeSupport);
    ml_RuntimeSupport = connect(&m_foundation.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &MainForm::ml_RuntimeSupport_LanguageChanged);
    // The LAN link's timer runs from the window's creation on; the link itself waits for the
    // settings to choose the LAN interface.
    SetWinsockTimerEnabled(true);
    try {
        StartUpSequence(arguments);
    } catch (const EndedDuringStartUp&) {
        return;
    } catch (const RuntimeError& e) {
        ReportStartUpFailure(m_foundation, e.Number, e.Description);
    } catch (const std::exception& e) {
        ReportStartUpFailure(m_foundation, 51, QString::fromUtf8(e.what()));
    }
    if (m_ended) return;
    // A finished start-up hides the splash a second later by its timer, so the event loop runs on
    // meanwhile; a failed one hides it at once.
    if (!m_splashTimer->isActive() && m_shell->Splash.isLoaded()) m_shell->Splash.loaded()->hide();
}

void MainForm::StartUpSequence(const QStringList& arguments) {
    Foundation& f = m_foundation;
    const auto stopIfEnded = [this] {
        if (m_ended) throw EndedDuringStartUp{};
    };
    ApplyMainFormCaptions();
    UpdateFonts();
    f.Strings.ApplyLanguageCharset(this);

    // Product name and version, data folder, settings file, working folders, data check, provider
    // list and the migration from the predecessor: done once per run (usually by Main already).
    LoadFoundation(f);
    // Read before the start-up checks, so that this one setting always comes from the per-user store.
    if (m_editorGlue) m_editorGlue->ApplyStoredTextSize();
    CheckStartUpConditions();

    ShowDisclaimer();
    stopIfEnded();

    EnableTimers(true);
    frmSplash& splash = m_shell->Splash.get();
    splash.show();
    splash.repaint();
    CreateHotList();

    MarkProgramRunning(f);
    stopIfEnded();
    HookMainWindow(*this);
    RestoreMainWindowPlacement(f, f.gProductName, *this);
    f.Windows.TrayIconShown = false;
    if (f.Os.Tray) f.Os.Tray->SetActivatedHandler([this] { TrayIcon_Click(); });
    m_link.Dialogue.DebugMode = 0;
    setWindowTitle(QStringLiteral("Kalvenor & Kalvenor Tidepost "));
    // Session reset and "not connected", an empty command queue with its time-out, code tables.
    StartUpLinkState(m_link);
    UpdateDistressMenus();
    stopIfEnded();

    MigrateLegacyGridWidths(f);
    SetUpFormsMenu();
    stopIfEnded();
    // Form entries are found by their file name in the Forms menu as it now stands.
    LoadHotList();

    StartUpFirstCommands(m_link, arguments, [&] {
        stopIfEnded();
        if (!m_messages) return;
        ReadAddressBookFile(*m_messages);
        stopIfEnded();
        // Before the port opens: the clean-up closes any open link, which would leave the first
        // commands of the start-up for a closed port until the poll reopens it.
        ClearOutboxAtStartUp(*m_messages);
        stopIfEnded();
    });
    stopIfEnded();
    StartUpCompactMode();

    m_splashTimer->start();
}

void MainForm::CheckStartUpConditions() {
    const QScreen* s = screen();
    tidepost::CheckStartUpConditions(m_foundation, s != nullptr ? QSizeF(s->size()) : QSizeF(640, 480));
}

void MainForm::ShowDisclaimer() {
    Foundation& f = m_foundation;
    if (GetIniValue(f, "[AS IS Accepted?]").toUpper() == QLatin1String("YES")) return;
    ASISForm& disclaimer = m_shell->Disclaimer.get();
    disclaimer.LoadText();
    hide();
    if (f.Os.Boxes) f.Os.Boxes->ShowDialog(disclaimer);
    // Closed by its close box or Esc: nothing is stored, the start-up goes on and the disclaimer
    // comes again at the next start.
    if (m_shell->Disclaimer.isLoaded()) m_shell->Disclaimer.unload();
}

void MainForm::SetUpFormsMenu() {
    Foundation& f = m_foundation;
    const QString folder =
        f.gConfiguration.DataPath + "/" + GetAppSetting(f, f.gProductName, "ElectronicForms", "Dir", "html");
    FormsFolderExists = CheckDirExists(f, folder);
    m_mnuForms->menuAction()->setEnabled(FormsFolderExists);
    m_mnuForms->menuAction()->setVisible(FormsFolderExists);
    if (UpdateElectronicFormsMenu() > 0 && Forms) Forms->StartFormsServer();
}

}  // namespace tidepost
