#include "distress/DistressModeForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"
#include "foundation/cShowModal.h"
#include "link/Link.h"

namespace tidepost {

DistressModeForm::DistressModeForm(Foundation& f, std::function<void()> closeRequested)
    : QDialog(nullptr, kFixedDialog), m_f(f), m_closeRequested(std::move(closeRequested)) {
    setObjectName("DistressModeForm");
    setWindowTitle(QStringLiteral("Distress Test Mode"));
    auto* layout = new QVBoxLayout(this);
    DistressHeader = new QLabel(this);
    DistressHeader->setObjectName("DistressHeader");
    QFont header = DistressHeader->font();
    header.setBold(true);
    header.setPointSizeF(header.pointSizeF() * 1.6);
    DistressHeader->setFont(header);
    DistressHeader->setAlignment(Qt::AlignCenter);
    DistressHeader->setStyleSheet(QStringLiteral("color: #c00000;"));
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StatusLabel->setAlignment(Qt::AlignCenter);
    StatusLabel->setWordWrap(true);
    StatusLabel->setMinimumWidth(360);
    StatusLabel->setMinimumHeight(StatusLabel->fontMetrics().lineSpacing() * 3);
    CancelButton = new QPushButton(this);
    CancelButton->setObjectName("CancelButton");
    CancelButton->setAutoDefault(false);
    layout->addWidget(DistressHeader);
    layout->addWidget(StatusLabel);
    layout->addWidget(CancelButton, 0, Qt::AlignHCenter);

    ApplyCaptions();
    f.Strings.ApplyLanguageCharset(this);
    DistressHeader->setText(f.Strings.GetMlString(100, "DISTRESS TEST MODE").toUpper());
    SetCaption(f.Strings, CancelButton, 103);
    if (CancelButton->text().isEmpty()) CancelButton->setText(QStringLiteral("Cancel Distress test mode"));
    // The status text is what a screen reader should read for the window.
    setAccessibleDescription(StatusLabel->text());
    ShowTestModeStatus(kTestIdle);
    adjustSize();
    CentreOverMainWindow(*this, f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr);
    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this, [this](int id, const QString& language) {
        m_f.Strings.SetMlLanguage(id, language);
        ApplyCaptions();
        ShowTestModeStatus(m_state);
        m_f.Strings.ApplyLanguageCharset(this);
    });
}

void DistressModeForm::ApplyCaptions() {
    const MlStrings& s = m_f.Strings;
    SetWindowCaption(s, this, 2256);
    SetCaption(s, CancelButton, 2257);
    SetCaption(s, StatusLabel, 3037);
}

void DistressModeForm::ShowTestModeStatus(qint32 state) {
    m_state = state;
    const MlStrings& s = m_f.Strings;
    switch (state) {
    case kTestIdle: StatusLabel->setText(s.GetMlString(3037, "Distress buttons test not running")); break;
    case kTestInitiating: StatusLabel->setText(s.GetMlString(3040, "Initiating the Distress buttons test")); break;
    case kTestUnderTest:
        StatusLabel->setText(s.GetMlString(3039, "Distress buttons are under test.") + "\r\n" +
                             s.GetMlString(3042, "Cancel the test mode if a real Distress Alert needs to be sent."));
        break;
    case kTestCancelling: StatusLabel->setText(s.GetMlString(3038, "Cancelling the Distress buttons test")); break;
    default: break;
    }
    CancelButton->setEnabled(state == kTestUnderTest);
    setAccessibleDescription(StatusLabel->text());
}

void DistressModeForm::HideForGood() {
    m_hiding = true;
    hide();
    m_hiding = false;
}

void DistressModeForm::reject() {
    if (m_closeRequested) m_closeRequested();
}

void DistressModeForm::closeEvent(QCloseEvent* event) {
    if (m_hiding) {
        event->accept();
        return;
    }
    // The window is hidden by the close request itself when it may go.
    event->ignore();
    if (m_closeRequested) m_closeRequested();
}

DistressModeWindow::DistressModeWindow(Foundation& f, Link& link)
    : Machine(link), m_f(f), m_link(link), m_form([this] {
          auto* form = new DistressModeForm(m_f, [this] {
              if (CloseRequested()) {
                  if (DistressModeForm* shown = m_form.loaded()) shown->HideForGood();
              }
          });
          QObject::connect(form->CancelButton, &QPushButton::clicked, form, [this] { CancelButton_Click(); });
          return form;
      }) {
    Machine.ShowTestModeStatus = [this](qint32 state) {
        if (DistressModeForm* form = m_form.loaded()) form->ShowTestModeStatus(state);
    };
    Machine.HideWindow = [this] {
        if (DistressModeForm* form = m_form.loaded()) form->HideForGood();
    };
    Machine.WindowVisible = [this] { return IsVisible(); };
}

bool DistressModeWindow::IsVisible() const {
    const DistressModeForm* form = m_form.loaded();
    return form != nullptr && form->isVisible();
}

void DistressModeWindow::HandleEvent(int event) { Machine.HandleEvent(event); }

void DistressModeWindow::ShowModal(QWidget* owner) {
    // A request that comes after the test has already ended (a late INFO 733 with its INFO 803)
    // would open a window with nothing to show and keep the main window locked behind it.
    if (Machine.GetState() == kTestIdle) return;
    DistressModeForm& form = m_form.get();
    form.ShowTestModeStatus(Machine.GetState());
    cShowModal().ShowModal(&form, owner);
}

bool DistressModeWindow::CloseRequested() {
    // While the program closes down it ends the test itself; the window may go.
    if (m_link.Dialogue.ClosingDown) return true;
    switch (Machine.GetState()) {
    case kTestIdle: return true;
    case kTestUnderTest: Machine.HandleEvent(kTestCancelPressed); break;
    case kTestInitiating: Machine.HandleEvent(kTestTimerExpired); break;
    default: break;
    }
    // A machine that has gone back to Idle has hidden the window already.
    return false;
}

}  // namespace tidepost
