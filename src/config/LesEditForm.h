#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Config;

// "Change LES Name": the name of one station, shown modal over the LES lists; Info asks the
// transceiver for the station's services (shown by LesServicesForm).
class LesEditForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit LesEditForm(Config& c);

    // The ocean of the list being edited, set before LoadLes.
    quint8 EditOcean = 0;
    void LoadLes(const QString& strLesNo, const QString& strLesName);
    // The trimmed name once OK or Cancel closed the dialog; "" when it was closed otherwise.
    QString ChosenName() const;

    void OKButton_Click();
    void CancelButton_Click();
    void InfoButton_Click();

    QLabel* LesNoLabel = nullptr;
    QLabel* LesNo = nullptr;
    QLabel* LESNameLabel = nullptr;
    QLineEdit* LESName = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
    QPushButton* InfoButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
    QString m_tag;
    bool m_answered = false;
};

}  // namespace tidepost
