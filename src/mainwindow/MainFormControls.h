#pragma once
#include <QColor>
#include <QString>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QWidget;

namespace tidepost {

// The main window's controls that the layout and the status tick touch; each also carries its
// name as objectName, so other code finds it with findChild.
struct MainFormControls {
    // The status strip along the top.
    QPushButton* InHarbourButton = nullptr;
    QGroupBox* StatusFrame = nullptr;
    QLabel* PictureBackground = nullptr;
    QLabel* Picture510 = nullptr;
    QLabel* Picture530A = nullptr;
    QLabel* Picture560 = nullptr;
    QLabel* Picture570 = nullptr;
    QLabel* MobileNumberLabel = nullptr;
    QFrame* Frame1 = nullptr;
    QProgressBar* GPSBar = nullptr;
    QLabel* Label6 = nullptr;   // debug: download marks
    QLabel* Label12 = nullptr;  // debug: the progress beat

    // The header rows.
    QPushButton* ToButton = nullptr;
    QLineEdit* ToFieldText = nullptr;
    QPushButton* CCButton = nullptr;
    QLineEdit* CCFieldText = nullptr;
    QPushButton* BccButton = nullptr;
    QLineEdit* BccFieldText = nullptr;
    QLabel* SubjectLabel = nullptr;
    QLineEdit* SubjectFieldText = nullptr;
    // Sends the editor's message; at the right end of the Subject row.
    QPushButton* SendButton = nullptr;

    // The work area: the editor, the folder grids, the info log and the form browser.
    QPlainTextEdit* Editor = nullptr;
    QWidget* InboxMSGrid = nullptr;
    QWidget* OutboxMSGrid = nullptr;
    QWidget* EGCMSGrid = nullptr;
    QWidget* MessageGrid = nullptr;
    QWidget* oWebBrowser = nullptr;

    // The "Views:" column.
    QGroupBox* LogFrame = nullptr;
    QPushButton* EditorButton = nullptr;
    QPushButton* DistressEditorButton = nullptr;
    QPushButton* InboxButton = nullptr;
    QPushButton* OutboxButton = nullptr;
    QPushButton* EGCButton = nullptr;
    QPushButton* FormsButton = nullptr;

    // The view's control by MessageLogShown, null outside 0..5.
    QWidget* ViewControl(long view) const;
};

// A colour given as 0x00BBGGRR.
QColor FromBgr(int bgr);
// The bar's fill colour (0x00BBGGRR), kept as its "FillColor" property.
void PaintBar(QProgressBar* bar, int bgr);
constexpr int kGreen = 65280;
constexpr int kRed = 255;

}  // namespace tidepost
