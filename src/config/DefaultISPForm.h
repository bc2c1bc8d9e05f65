#pragma once
#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Config;

// "Set Default ISP": the default e-mail service provider among those serving the current ocean.
// Modeless; each opening reads isp.dat anew; OK stores the choice, Cancel and the close box
// store nothing.
class DefaultISPForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit DefaultISPForm(Config& c);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* ISPLabel = nullptr;
    QComboBox* ISPComboBox = nullptr;
    QCheckBox* CheckSetDefaultLES = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
