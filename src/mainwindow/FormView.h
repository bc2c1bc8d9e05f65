#pragma once
#include <QFrame>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

class MlStrings;

// The electronic-form view of the main window. The form itself runs in the user's web browser
// (it needs scripts and posts); the view names it, shows its address (read-only, selectable),
// opens it again on request, and says so when no browser could be started.
class FormView : public QFrame {
    Q_OBJECT
public:
    FormView(const MlStrings& strings, QWidget* parent);

    // The form now shown: its title and its address on the forms server.
    void SetForm(const QString& title, const QString& address);
    // Whether the browser was started for it; false shows the line that says it was not.
    void SetBrowserStarted(bool started);
    // "Open in web browser".
    std::function<void()> OpenInBrowser;
    // The captions in the current language.
    void ApplyCaptions();

    QLabel* FormTitle() const { return m_title; }
    QLineEdit* FormAddress() const { return m_address; }
    QPushButton* OpenButton() const { return m_open; }
    QLabel* NoBrowserLine() const { return m_noBrowser; }

private:
    const MlStrings& m_strings;
    QLabel* m_title;
    QLabel* m_addressLabel;
    QLineEdit* m_address;
    QPushButton* m_open;
    QLabel* m_noBrowser;
};

}  // namespace tidepost
