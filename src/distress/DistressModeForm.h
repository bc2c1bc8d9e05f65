#pragma once
#include <QDialog>
#include <functional>

#include "distress/DistressTestMode.h"
#include "foundation/FormHolder.h"
#include "link/IDistressModeWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Foundation;
struct Link;

// The window of the distress buttons test: the header, the state's text and Cancel. It shows
// what the machine says; closing it does not hide a running test (see DistressModeWindow).
class DistressModeForm : public QDialog {
    Q_OBJECT
public:
    DistressModeForm(Foundation& f, std::function<void()> closeRequested);

    void ShowTestModeStatus(qint32 state);
    // Hides the window for good (the return to Idle, the end of the program).
    void HideForGood();

    QLabel* DistressHeader = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* CancelButton = nullptr;

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyCaptions();

    Foundation& m_f;
    std::function<void()> m_closeRequested;
    qint32 m_state = kTestIdle;
    bool m_hiding = false;
};

// The test window and its state machine as the rest of the program reaches them
// (`Link::Windows.DistressModeForm`). The machine lives for the run; the window is created when
// first shown.
class DistressModeWindow : public IDistressModeWindow {
public:
    DistressModeWindow(Foundation& f, Link& link);

    bool IsVisible() const override;
    void HandleEvent(int event) override;
    void ShowModal(QWidget* owner) override;
    int GetState() const override { return Machine.GetState(); }
    void EndTest() override { Machine.EndTest(); }

    // `DistressModeForm.CancelButton_Click`.
    void CancelButton_Click() { Machine.HandleEvent(kTestCancelPressed); }
    // The close box, Esc or Alt+F4: a running test is not hidden but ended, as Cancel does while
    // it runs and as the time-out does while it starts. The window goes only on the return to Idle,
    // or when the program is closing down. Returns whether the window may close now.
    bool CloseRequested();

    // The window, created when first asked for; null-free, not shown by this.
    DistressModeForm& Window() { return m_form.get(); }
    bool WindowLoaded() const { return m_form.isLoaded(); }

    DistressTestMode Machine;

private:
    Foundation& m_f;
    Link& m_link;
    FormHolder<DistressModeForm> m_form;
};

}  // namespace tidepost
