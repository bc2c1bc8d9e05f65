// The Forms menu and the electronic-form view.
#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>

#include "editor/MessageEditor.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/UsefullRoutines.h"
#include "mainwindow/FormView.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormEditor.h"
#include "mainwindow/cMainForm.h"
#include "platform/IWebBrowser.h"
#include "remote/FormsMenuScan.h"
#include "remote/FormsServer.h"

namespace tidepost {

namespace {
QString FormsFolderOf(Foundation& f) {
    return AddBackslash(f.gConfiguration.DataPath).replace(u'\\', u'/') +
           GetAppSetting(f, f.gProductName, "ElectronicForms", "Dir", "html");
}
}  // namespace

FormView* MainForm::FormsView() const { return qobject_cast<FormView*>(m_controls->oWebBrowser); }

void MainForm::ConnectElectronicForms() {
    cMainForm items(*m_mnuForms);
    for (int i = 0; i < cMainForm::kFormItems; ++i)
        if (QAction* item = items.mnuForm(i)) connect(item, &QAction::triggered, this, [this, i] { mnuForm_Click(i); });
    OpenForm = [this](int index) { mnuForm_Click(index); };
    AreaHandlers.FormsMenuRebuild = [this] { UpdateElectronicFormsMenu(); };
    if (FormView* view = FormsView())
        view->OpenInBrowser = [this] {
            if (!m_shownFormFile.isEmpty() && FormsView()) FormsView()->SetBrowserStarted(OpenFormInBrowser(m_shownFormFile));
        };
}

qint16 MainForm::UpdateElectronicFormsMenu() {
    Foundation& f = m_foundation;
    const QString folder = FormsFolderOf(f);
    QAction* menu = m_mnuForms->menuAction();
    if (!QFileInfo(folder).isDir()) {
        menu->setEnabled(true);
        menu->setVisible(false);
        return 0;
    }
    cMainForm items(*m_mnuForms);
    bool more = false;
    const QList<FormsMenuEntry> forms = ScanFormsFolder(f.Os.Codec, folder, cMainForm::kFormItems, more);
    const int n = static_cast<int>(forms.size());
    for (int i = 0; i < n; ++i) {
        QAction* item = items.mnuForm(i);
        if (!item) continue;
        item->setText(forms[i].Caption);
        item->setData(forms[i].FileName);
        item->setEnabled(true);
        item->setVisible(true);
    }
    if (more) {
        QueueMessageBox(f,
                        QStringLiteral("Not all electronic forms could be shown in the menu. Only 64 forms can be shown. "
                                       "Please delete unused forms from '") +
                            folder + u'\'',
                        QStringLiteral("Error '340'"), 3);
        return static_cast<qint16>(n);
    }
    if (menu->isVisible()) {
        for (int i = n; i < cMainForm::kFormItems; ++i) {
            QAction* item = items.mnuForm(i);
            if (!item) continue;
            item->setEnabled(true);
            item->setVisible(false);
            item->setText(QString());
            item->setData(QString());
        }
    }
    menu->setEnabled(n > 0);
    menu->setVisible(n > 0);
    return static_cast<qint16>(n);
}

void MainForm::PrepareBrowserView() {
    MessageLogShown = 5;
    m_foundation.gSession.SetMessagePriority(0);
    MessageEditor* editor = m_editorGlue ? m_editorGlue->Editor() : nullptr;
    if (editor) {
        // The distress editor's recipient gives way to the texts it had replaced.
        editor->RestoreSavedHeaderTexts();
        editor->EnableEditorGUI(false);
    }
    MainFormSetUp();
    if (m_controls->oWebBrowser) m_controls->oWebBrowser->setVisible(true);
}

void MainForm::mnuForm_Click(int Index) {
    Foundation& f = m_foundation;
    cMainForm items(*m_mnuForms);
    const QAction* item = items.mnuForm(Index);
    if (!item) return;
    SetIniValue(f, "[LastForm]", QString::number(Index), false);
    PrepareBrowserView();
    if (Forms && !Forms->IsListening()) Forms->StartFormsServer();
    if (HotList.Add) HotList.Add(Index, 0);

    m_shownFormFile = item->data().toString();
    const QString address = Forms && Forms->IsListening() ? Forms->FormAddress(m_shownFormFile) : QString();
    if (FormView* view = FormsView()) {
        view->SetForm(item->text(), address);
        view->SetBrowserStarted(OpenFormInBrowser(m_shownFormFile));
        view->OpenButton()->setFocus();
    }
}

bool MainForm::OpenFormInBrowser(const QString& fileName) {
    if (!Forms || !Forms->IsListening() || Forms->RedirectFile().isEmpty() || !m_foundation.Os.Browser) return false;
    return m_foundation.Os.Browser->OpenUrl(Forms->BrowserAddress(fileName));
}

}  // namespace tidepost
