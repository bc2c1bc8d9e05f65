#pragma once
#include <array>

#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tidepost {

struct Config;

// "Routing": what the transceiver does with each class of received traffic (store on its disk,
// print locally, print remotely), which printer it treats as local, and the PC's inbox, sent
// items and EGC folders. The reply handlers fill the public members before the dialog first
// shows; the controls are filled from them once, when it shows the first time. Modeless.
class RoutingForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit RoutingForm(Config& c);

    // Shows the dialog, filling its controls the first time.
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();
    // 0 inbox, 1 sent items, 2 EGC.
    void FolderButton_Click(int folder);
    // The mask of a class (kRouteClasses) as read from the transceiver in this opening.
    void SetRoute(int routeClass, int mask);

    bool LocalPrinterPC = false;
    bool LocalPrinterModem = false;
    bool LocalPrinterOFF = false;
    bool LocalPrinterPCValue = false;
    bool LocalPrinterModemValue = false;
    bool LocalPrinterOFFValue = false;
    int Route10 = 0;
    int Route30 = 0;
    int Route31 = 0;
    int Route32 = 0;
    int Route33 = 0;

    // Per class, in kRouteClasses order: Disk, Local Printer, Remote Printer.
    std::array<std::array<QCheckBox*, 3>, 5> RouteBoxes{};
    QRadioButton* OptionPC = nullptr;
    QRadioButton* OptionModem = nullptr;
    QRadioButton* OptionOFF = nullptr;
    std::array<QLineEdit*, 3> PathBoxes{};       // InboxPath, OutboxPath, EGCPath
    std::array<QPushButton*, 3> PathButtons{};   // InboxPathButton, OutboxPathButton, EGCPathButton
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void LoadControls();
    int Mask(int row) const;
    int& Route(int row);
    QString& SharedFolder(int folder);
    void RestoreFolders();
    void EnableLocalPrinterColumn(bool enable);

    Config& m_c;
    bool m_loaded = false;
    std::array<bool, 5> m_read{};        // the class's mask came from the transceiver
    std::array<int, 5> m_shownMasks{};   // the masks the boxes showed when filled
    std::array<QString, 3> m_foldersAtLoad;
};

}  // namespace tidepost
