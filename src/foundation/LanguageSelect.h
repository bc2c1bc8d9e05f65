#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QString>

class QListWidget;
class QPushButton;

namespace tidepost {

struct Foundation;

// The language choice, stored per user under the executable's name, section "MultiLang".
// These keys always live in the per-user settings store, never in the settings file: the start
// reads them before the settings file is loaded.
struct LanguageSettings {
    static constexpr const char* Section = "MultiLang";
    // The executable's name without its extension.
    static QString Application();
};

// Makes the language stored by the last confirmed choice current, without announcing it.
void ApplyStoredLanguage(Foundation& f);

// The language dialog: applies the stored language at start-up and asks for one until the user
// has confirmed one with OK; from the Language menu it stores a new choice for the next start and
// closes the program. Reached through Foundation::LanguageSelect, which loads and unloads it.
class LanguageSelect : public QDialog {
    Q_OBJECT
public:
    // The load procedure: captions, character set, language notifier and position (on the
    // screen at start-up; from the menu over the main window unless it is minimised).
    LanguageSelect(Foundation& f, bool IsStartup);

    // At start-up: applies and announces the stored language, then shows the dialog modal while
    // the stored "ShowDialog" asks for it (else it stays loaded and hidden). From the menu: shows
    // it, not modal. Either way the list is filled again with the current language selected.
    // The dialog may be unloaded when this returns.
    void ShowDialog(bool IsStartup);

    // The argument of the last ShowDialog.
    bool IsStartup() const { return m_isStartup; }
    // Whether the dialog is to be shown at the next start, as it will be stored.
    bool ShowAtStart() const { return m_showAtStart; }

    void OKButton_Click();
    void CancelButton_Click();
    // Stores the choice and releases the language notifier; the holder calls it on every unload.
    void Form_Unload();

protected:
    // Esc (in the dialog, the list or on a button) and the window's close box cancel.
    void reject() override;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ConnectNotifier();
    void ApplyCaptions();
    void FillLanguageList();
    void CentreWindow();

    Foundation& m_f;
    bool m_isStartup;
    bool m_showAtStart = true;
    QMetaObject::Connection ml_RuntimeSupport;
    QListWidget* LanguageList;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};

}  // namespace tidepost
