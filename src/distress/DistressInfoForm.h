#pragma once
#include <QDialog>
#include <functional>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Foundation;

// "Distress Info.": the notice shown before the distress generator settings are read, saying that
// the settings send no alert. OK goes on; Esc or the close box only close the notice.
class DistressInfoForm : public QDialog {
    Q_OBJECT
public:
    // okClicked: the notice's OK (it closes the notice itself); closed: the notice is done with.
    DistressInfoForm(Foundation& f, std::function<void()> okClicked, std::function<void()> closed);

    void OKButton_Click();
    void reject() override;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OKButton = nullptr;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();

    Foundation& m_f;
    std::function<void()> m_okClicked;
    std::function<void()> m_closed;
    CaptionList m_captions;
};

}  // namespace tidepost
