#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>

#include "editor/EditorWiring.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/UsefullRoutines.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/cMainForm.h"

namespace tidepost {

void MainForm::CreateHotList() {
    m_formsLookup = std::make_unique<cMainForm>(*m_mnuForms);
    m_hotList = std::make_unique<cHotList>(m_foundation);
    m_hotList->FilePath(HotListFilePath(m_foundation));
    m_hotList->MenuInterface(this);
    HotList.Add = [this](int id, int parentId) {
        if (m_hotList) m_hotList->add(id, parentId);
    };
    // Letting the list go writes it.
    HotList.Release = [this] { m_hotList.reset(); };
}

void MainForm::LoadHotList() {
    if (m_hotList) m_hotList->Load();
}

void MainForm::SetUpHotListPopup() {
    m_hotListTimer = MakeTimer("HotListTimer", 100);
    m_hotListTimer->setSingleShot(true);
    connect(m_hotListTimer, &QTimer::timeout, this, &MainForm::HotListTimer_Timer);
    // The key map sees the keys of every control of the window first.
    qApp->installEventFilter(this);
    HotListCommands.Set(2064, [this] { mnuAbout_Click(); });
    HotListCommands.Set(2046, [this] { CommSettings_Click(); });
}

void MainForm::HotListTimer_Timer() {
    // Off before the popup shows: a tick while it is open must not open a second one.
    m_hotListTimer->stop();
    if (!m_hotList || m_ended) return;
    RunHotListPopup(m_hotList->GetItems(), HotListCommands, OpenForm);
}

void MainForm::FormsButton_Click() {
    const QString stored = GetIniValue(m_foundation, "[LastForm]");
    const qint64 position = stored.isEmpty() ? 0 : LeadingNumber(stored);
    // A position the Forms menu cannot hold opens nothing.
    if (position < 0 || position >= cMainForm::kFormItems || !m_formsLookup) return;
    const QAction* item = m_formsLookup->mnuForm(static_cast<int>(position));
    if (item && item->isVisible() && OpenForm) OpenForm(static_cast<int>(position));
}

namespace {
// The key codes the key map takes; 0 for keys it does not handle. Of the letters it takes only
// the editor's shortcuts (Ctrl+A, Alt+B, Alt+C, Alt+T) and Ctrl+K; the others are typed.
int KeyCodeOf(int key) {
    if (key >= Qt::Key_F1 && key <= Qt::Key_F8) return 112 + (key - Qt::Key_F1);
    if (key == Qt::Key_F11) return 122;
    if (key == Qt::Key_F12) return 123;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key == Qt::Key_A || key == Qt::Key_B || key == Qt::Key_C || key == Qt::Key_K || key == Qt::Key_T ? key : 0;
    return EditorKeyCode(key);
}
}  // namespace

bool MainForm::eventFilter(QObject* watched, QEvent* event) {
    // A key the control leaves passes on to its parents as the same event: the map sees it once.
    if (event->type() == QEvent::KeyRelease) m_keySeen = nullptr;
    if (event->type() != QEvent::KeyPress || m_ended || event == m_keySeen)
        return QMainWindow::eventFilter(watched, event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->window() != this) return QMainWindow::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    int code = KeyCodeOf(key->key());
    if (code == 0) return QMainWindow::eventFilter(watched, event);
    const int shift = EditorShiftMask(key->modifiers());
    m_keySeen = event;
    Form_KeyDown(code, shift);
    if (code != 0) return QMainWindow::eventFilter(watched, event);
    // Taken: it goes no further. Its release may have come during a box the key opened, so the
    // mark goes now; the next press may well reuse this event's address.
    m_keySeen = nullptr;
    return true;
}

void MainForm::Form_KeyDown(int& KeyCode, int Shift) {
    if (KeyHandlers.HandleEditorShortcutKeys) KeyHandlers.HandleEditorShortcutKeys(KeyCode, Shift);
    // One send per key press: the key goes no further.
    if (KeyCode == 13 && (Shift & 7) == 2 && KeyHandlers.SendButton_Click) {
        KeyCode = 0;
        KeyHandlers.SendButton_Click();
    }
    if (KeyHandlers.HandleFunctionKey) KeyHandlers.HandleFunctionKey(KeyCode, Shift & 7);
    if (KeyCode == 122 && GetIniValue(m_foundation, "[InHarbourButton]") == QLatin1String("1") &&
        KeyHandlers.PressInHarbourButton)
        KeyHandlers.PressInHarbourButton();
    if (KeyCode == 123 && !m_ended) m_hotListTimer->start();
}

bool MainForm::ResetHotList() { return m_hotList ? m_hotList->Reset() : false; }

int MainForm::GetMnuFomsIndex(const QString& fileName) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsIndex(fileName) : -1;
}

QString MainForm::GetMnuFomsFileName(int index) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsFileName(index) : QString();
}

QString MainForm::GetMnuFomsName(int index) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsName(index) : QString();
}

}  // namespace tidepost
