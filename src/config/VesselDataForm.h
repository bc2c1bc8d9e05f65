#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace tidepost {

struct Config;
struct Foundation;

// The six vessel fields as stored in section "Settings", exactly as typed.
struct VesselData {
    QString Name;
    QString Type;
    QString Flag;
    QString Destination;
    QString Cargo;
    QString Comment;
};
VesselData ReadVesselData(Foundation& f);
// Writes all six keys, changed or not; false when any of them could not be stored.
bool StoreVesselData(Foundation& f, const VesselData& data);

// "Vessel data": six descriptive fields of the vessel. Modeless; OK stores them and updates the
// insert-vessel-name command, Cancel stores nothing. A failed write is told and the dialog stays.
class VesselDataForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit VesselDataForm(Config& c);
    void ShowForm();
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* LabelDescription = nullptr;
    QLineEdit* VesselName = nullptr;
    QLineEdit* VesselType = nullptr;
    QLineEdit* Flag = nullptr;
    QLineEdit* Destination = nullptr;
    QLineEdit* Cargo = nullptr;
    QPlainTextEdit* Comment = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Config& m_c;
};

}  // namespace tidepost
