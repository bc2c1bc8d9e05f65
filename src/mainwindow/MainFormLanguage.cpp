#include "foundation/Foundation.h"
#include "foundation/LanguageSelectHolder.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormCaptions.h"
#include "mainwindow/MainFormControls.h"
#include "mainwindow/MainFormOwnTexts.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"

namespace tidepost {

void MainForm::ApplyMainFormCaptions() {
    m_skippedCaptionControls = ApplyCaptionsTable(*this, m_foundation.Strings);
    ApplyMainFormOwnTexts(*this, m_foundation);
    if (m_controls && m_controls->Editor && isVisible()) Form_Resize();
}

void MainForm::UpdateFonts() {
    const bool changed = ApplyLanguageFonts(*this, m_foundation.Strings.CurrentLanguageId);
    // What is laid out from measured text follows the fonts.
    ApplyMainFormOwnTexts(*this, m_foundation);
    if (m_controls && m_controls->Editor && isVisible()) Form_Resize();
    if (!changed) return;
    m_foundation.Strings.ApplyLanguageCharset(this);
}

void MainForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_foundation.Strings.SetMlLanguage(LanguageID, Language);
    ApplyMainFormCaptions();
    // The table puts back "F1" to "F8" and "Empty" on every form item: the names of stored
    // default messages and of existing forms come back from their own sources.
    if (AreaHandlers.UpdateFMenu) AreaHandlers.UpdateFMenu();
    if (FormsFolderExists && AreaHandlers.FormsMenuRebuild) AreaHandlers.FormsMenuRebuild();

    // The folder views load their grids again, so the column headers come in the new language.
    IMessagesWindow* views = m_messages ? m_messages->Window : nullptr;
    switch (views ? views->MessageLogShown() : 0) {
    case 1:
        if (InboxButton_Click) InboxButton_Click();
        break;
    case 2:
        views->OutboxButton_Click();
        break;
    case 3:
        if (AreaHandlers.EGCButton_Click) AreaHandlers.EGCButton_Click();
        break;
    case 4:
        if (AreaHandlers.mnuInfoLog_Click) AreaHandlers.mnuInfoLog_Click();
        break;
    default:
        break;  // the editor and a form keep what they show
    }
}

void MainForm::mnuLanguage_Click() { m_foundation.Windows.LanguageSelect.ShowDialog(false); }

}  // namespace tidepost
