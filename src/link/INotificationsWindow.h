#pragma once
#include <QDateTime>
#include <QString>

namespace tidepost {

// What the transceiver's notifications ask of the main window beyond its mobile status field
// (IMobileStatusField): its info-log view, hiding its test-mode notice and the distress buttons
// test window. The main window implements it and registers itself in Link::Windows.NotificationsWindow;
// while that is null nothing is shown.
class INotificationsWindow {
public:
    virtual ~INotificationsWindow() = default;

    // Adds the entry as the new first row when the info-log view is shown; otherwise nothing.
    virtual void AddMessageGridInfoEntry(const QDateTime& oDate, quint8 InfoType, qint16 InfoNumber,
                                         const QString& InfoMessage) = 0;
    // Hides the test-mode notice `InfoBox` and lays the window out again (MainFormSetUp).
    virtual void HideTestModeNotice() = 0;
    // Asks for the distress buttons test window; the main window opens it on its own timer.
    virtual void ShowDistressButtonsTestWindow() = 0;
};

}  // namespace tidepost
