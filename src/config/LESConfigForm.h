#pragma once
#include <QStringList>
#include <array>

#include "foundation/CaptionedWindow.h"

class QGroupBox;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace tidepost {

struct Config;

// "Land Earth Stations Configuration": per ocean the stations available now with their names;
// renaming one (through LesEditForm) and reloading an ocean's built-in names, each stored in the
// ocean's LES file at once. Modeless; OK closes it and lets the instance go.
class LESConfigForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit LESConfigForm(Config& c);

    // Clears `LesList(ocean)` and adds the items in order.
    void SetLesList(int ocean, const QStringList& items);
    void DisableEditButtons();
    void ShowForm();

    // Removes the selected item of `LesList(ocean)`; the file is not written.
    void DeleteMarkedLES(int ocean);
    void EditButton_Click(int ocean);
    void DefaultButton_Click(int ocean);
    void OKButton_Click();

    std::array<QGroupBox*, 4> Frame{};
    std::array<QListWidget*, 4> LesList{};
    std::array<QPushButton*, 4> EditButton{};
    std::array<QPushButton*, 4> DefaultButton{};
    QPushButton* OKButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QStringList Items(int ocean) const;
    QListWidgetItem* SelectedItem(int ocean) const;
    void StoreNames(int ocean);

    Config& m_c;
};

}  // namespace tidepost
