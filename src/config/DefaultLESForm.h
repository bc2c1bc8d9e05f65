#pragma once
#include <QStringList>
#include <array>

#include "foundation/CaptionedWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Config;
struct Foundation;

// The default LES of each ocean from the texts of the four choices (West, East, Pacific,
// Indian): the first three characters of each go into the settings file, written once after
// all four are set, and into the configuration.
void StoreDefaultLes(Foundation& f, const std::array<QString, 4>& texts);

// "Default LES Selection": one choice per ocean among the stations available there. Modeless;
// OK stores the four choices, Cancel and the close box store nothing.
class DefaultLESForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit DefaultLESForm(Config& c);

    // Clears `LesList(ocean)`'s list and adds the items in order.
    void SetLesList(int ocean, const QStringList& items);
    // The text the choice shows, also one that is not in its list.
    void SetLesListText(int ocean, const QString& text);
    void ShowForm();

    void OKButton_Click();
    void CancelButton_Click();

    std::array<QLabel*, 4> Label{};
    std::array<QComboBox*, 4> LesList{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
