#pragma once
#include <QString>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Config;

// "LES Services": the transceiver's lines about one station, read only.
class LesServicesForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit LesServicesForm(Config& c);
    void OKButton_Click();

    QLabel* ServicesText = nullptr;
    QPushButton* OKButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

// The reply to "status -n": while the LES name dialog is shown, the lines of its station are
// shown without STX and ETX; a station missing from the reply, or whose lines have no ending
// empty line, shows nothing.
void HandleLesServicesReply(Config& c, const QString& reply);

}  // namespace tidepost
