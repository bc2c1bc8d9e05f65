#pragma once
#include <QDialog>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Remote;

// "Remote Password": the old remote password, the new one and its confirmation. Modeless; OK
// tells the outcome in a box and closes, whatever it was; Cancel (Esc) closes storing nothing.
class RemotePasswordForm : public QDialog {
    Q_OBJECT
public:
    explicit RemotePasswordForm(Remote& r);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();
    // What the language-changed notifier calls.
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    QLabel* OldRemotePasswordLabel = nullptr;
    QLabel* RemotePasswordLabel = nullptr;
    QLabel* ConfirmRemotePasswordLabel = nullptr;
    QLineEdit* OldRemotePassword = nullptr;
    QLineEdit* RemotePassword = nullptr;
    QLineEdit* ConfirmRemotePassword = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyCaptions();

    Remote& m_r;
    CaptionList m_captions;
};

// Shows the dialog, creating it on first use; one already open comes to the front.
void ShowRemotePasswordForm(Remote& r);

}  // namespace tidepost
