#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/FormPlacement.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "mainwindow/BusyWindows.h"
#include "mainwindow/MainForm.h"
#include "remote/FormsServer.h"
#include "mainwindow/MainWindowPlacement.h"
#include "mainwindow/RunningMarker.h"
#include "mainwindow/ShellWindows.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const QString kNoReference = QStringLiteral("<None>");
const QString kInitiated = QStringLiteral("Initiated");

// Counts itself in while a close request asks its questions.
struct DepthGuard {
    explicit DepthGuard(int& depth) : m_depth(depth) { ++m_depth; }
    ~DepthGuard() { --m_depth; }
    int& m_depth;
};

// Unloads a window of a holder when it is loaded.
template <typename Holder>
void Unload(Holder& holder) {
    if (holder.isLoaded()) holder.unload();
}

}  // namespace

void MainForm::mnuExit_Click() {
    // A close request waiting for an answer: a request without a question answers it, so the
    // program ends even while nobody is at the screen (a termination signal at logout).
    if (m_queryUnloadDepth > 0) {
        if (m_foundation.Windows.ExitWithoutQuestion)
            if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
        return;
    }
    close();
}

void MainForm::CloseWithoutQuestion() {
    m_foundation.Windows.ExitWithoutQuestion = true;
    mnuExit_Click();
}

void MainForm::closeEvent(QCloseEvent* event) {
    if (m_ended) {
        event->accept();
        return;
    }
    bool cancel = false;
    Form_QueryUnload(cancel);
    if (cancel || m_ended) {
        // Ended meanwhile: the inner request has already unloaded everything.
        if (m_ended) event->accept();
        else event->ignore();
        return;
    }
    event->accept();
    Form_Unload();
}

bool MainForm::Confirm(const QString& text, const QString& title) {
    if (m_foundation.Os.Boxes == nullptr) return true;
    MessageBoxRequest box;
    box.text = text;
    box.title = title;
    box.buttons = MsgButtons::YesNo;
    // While the start-up keeps the main window hidden, the question stands over the window the
    // operator is answering (the disclaimer).
    QWidget* owner = isVisible() ? this : QApplication::activeWindow();
    return m_foundation.Os.Boxes->Show(box, owner != nullptr ? owner : this) == MsgAnswer::Yes;
}

int MainForm::CountUnsentMessages(const QString& newStatus) {
    if (m_messages == nullptr) return 0;
    // Without a change of status the update only counts: the lines stay as they are.
    return GetOutBox(*m_messages).UpdateOutBox(QString(), kNoReference, kInitiated, kNoReference, newStatus, true);
}

void MainForm::Form_QueryUnload(bool& Cancel) {
    Cancel = false;
    Foundation& f = m_foundation;
    // The end of a deferred exit, which was confirmed before.
    if (m_link.Dialogue.ClosingDown) {
        ReleaseHotList();
        return;
    }
    DepthGuard asking(m_queryUnloadDepth);
    if (!f.Windows.ExitWithoutQuestion) {
        const int solas = f.gSession.SolasType();
        QString text;
        QString title;
        if (solas == 2 || solas == 3) {
            text = MlText(f, 2682, "Using the terminal without a display device seriously degrades safety at sea.") +
                   "\r\n" +
                   MlText(f, 2683, "You will be unable to display meteorological, navigational and SAR messages, ") +
                   "\r\n" + MlText(f, 2684, "distress alert relays as well as commercial messages.") + "\r\n" +
                   MlText(f, 2685, "Exit Tidepost?");
            title = MlText(f, 2685, "Exit Tidepost?");
        } else {
            text = MlText(f, 2686, "Do you want to exit Tidepost ?");
            title = MlText(f, 2687, "Exit Tidepost?");
        }
        const bool confirmed = Confirm(text, title);
        if (m_ended) return;
        if (!confirmed && !f.Windows.ExitWithoutQuestion) {
            Cancel = true;
            return;
        }
    }
    // The outbox is left alone when the exit needs no question (a change of language, a signal).
    if (!f.Windows.ExitWithoutQuestion) {
        const int unsent = CountUnsentMessages(kInitiated);
        if (unsent > 0) {
            const bool confirmed =
                Confirm(FormatMlString(MlText(f, 2688, "There are %0 unsent messages in your outbox"), {unsent}) +
                            "\r\n\r\n" + MlText(f, 2689, "Would you still like to exit ?"),
                        MlText(f, 2687, "Exit Tidepost?"));
            if (m_ended) return;
            if (!f.Windows.ExitWithoutQuestion) {
                if (!confirmed) {
                    Cancel = true;
                    return;
                }
                CountUnsentMessages(QStringLiteral("PC Cleared"));
            }
        }
    }
    // Decided. With no download running the links close now; otherwise CloseDownTimer waits.
    if (BeginCloseDown(m_link)) {
        ReleaseHotList();
        return;
    }
    Cancel = true;
}

void MainForm::ReleaseHotList() {
    if (m_hotListReleased) return;
    m_hotListReleased = true;
    if (HotList.Release) HotList.Release();
}

void MainForm::Form_Unload() {
    Foundation& f = m_foundation;
    SaveFormPlacement(f, f.gProductName, *this);
    UnhookWindow(*this);
    // Every change made in memory during the run reaches the disk here.
    WriteIniFile(f);
    // From here on nothing may keep the program from ending.
    MarkProgramStopped(f);
    ShutDownProgram();
    EndProgram();
}

void MainForm::ShutDownProgram() {
    for (QTimer* timer : {m_winsockTimer, m_timer1, m_timer2, m_timer60S, m_closeDownTimer, m_messageTimer})
        timer->stop();
    // A pulse still running ends with the program: the line is lowered, not left high.
    m_inHarbourButtonTimer->stop();
    if (InHarbourSignal.Free) InHarbourSignal.Free();
    // The forms server stops; its handler and the inbox pages go with it.
    if (Forms) Forms->ShutDown();
    // Every other window goes; the language dialog stores the language choice as it unloads.
    Unload(m_busy->Wait);
    Unload(m_busy->Working);
    Unload(m_busy->Transfer);
    Unload(m_busy->OceanRegionNotFound);
    Unload(m_busy->NewMessage);
    Unload(m_shell->Disclaimer);
    Unload(m_shell->Splash);
    Unload(m_shell->About);
    m_foundation.Windows.LanguageSelect.unload();
}

void MainForm::EndProgram() {
    m_ended = true;
    for (QTimer* timer : findChildren<QTimer*>()) timer->stop();
    // Windows of other areas and open message boxes go too, so no modal wait holds the end up.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this || !window->isVisible()) continue;
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->reject();
        else window->close();
    }
    if (LeaveEventLoop) LeaveEventLoop();
}

}  // namespace tidepost
