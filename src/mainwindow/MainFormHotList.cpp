#include <QAction>
#include <QTimer>

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
    // F12 anywhere in the window; the popup opens after the key has been handled.
    auto* f12 = new QAction(this);
    f12->setObjectName("HotListKey");
    f12->setShortcut(Qt::Key_F12);
    f12->setShortcutContext(Qt::WindowShortcut);
    addAction(f12);
    connect(f12, &QAction::triggered, this, [this] {
        if (!m_ended) m_hotListTimer->start();
    });
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
