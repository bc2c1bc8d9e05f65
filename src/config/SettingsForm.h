#pragma once
#include <array>

#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tidepost {

struct Config;

// "Tidepost settings": the printer (the transceiver's or a PC's, and the transceiver printer's
// page), automatic printing and the new-message notice, remote configuration, the defaults of
// messages sent from electronic forms, the in-harbour button, and emptying the hot list. Values
// live in the settings store, section "Settings" (the in-harbour button in the settings file).
// Modeless, one instance; OK stores, Cancel and the close box store nothing.
class SettingsForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit SettingsForm(Config& c);

    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();
    void DefaultButton_Click();
    void ResetHotlistButton_Click();
    // Selects printer option 0 (the transceiver's) or 1 (a PC's) and applies the option rule.
    void SelectPrintOption(int index);
    // Shows the help text of the control: 0 and 1 the printer options, 2 PageLines, 3 LineWidth,
    // 4 WrapMargin.
    void ShowPrinterHelp(int control);
    // A number box as left by the operator: digits only, cut to its length, "0" when empty.
    void CheckNumberBox(QLineEdit* box);

    QTabWidget* TabStrip1 = nullptr;
    std::array<QGroupBox*, 4> TabFrame{};
    std::array<QRadioButton*, 2> PrintOption{};
    QLineEdit* PageLines = nullptr;
    QLineEdit* LineWidth = nullptr;
    QLineEdit* WrapMargin = nullptr;
    QLabel* PageLinesLabel = nullptr;
    QLabel* LineWidthLabel = nullptr;
    QLabel* WrapMarginLabel = nullptr;
    QGroupBox* HelpFrame = nullptr;
    QLabel* HelpLabel = nullptr;
    QPushButton* DefaultButton = nullptr;
    QCheckBox* CheckPrintIncomingMsg = nullptr;
    QCheckBox* CheckPrintEgcs = nullptr;
    QCheckBox* CheckPrintMsgConf = nullptr;
    QCheckBox* CheckNewMessageInfoBox = nullptr;
    QCheckBox* CheckAllowRemoteConfig = nullptr;
    QComboBox* MsgTypeCombo = nullptr;
    QComboBox* MsgFormatCombo = nullptr;
    QLineEdit* MsgAddress = nullptr;
    QCheckBox* CheckShowInHarbourButton = nullptr;
    QPushButton* ResetHotlistButton = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void LoadValues();
    void UpdateMobilePrinterOption();
    void EnablePrinterFields(bool enable);
    QString Setting(const QString& key, const QString& defaultValue) const;
    void SaveSetting(const QString& key, const QString& value);

    Config& m_c;
    bool m_useMesPrinter = false;
    int m_currentTab = 1;
    bool m_centred = false;
};

}  // namespace tidepost
