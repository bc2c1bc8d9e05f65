#pragma once
#include <array>

#include "egc/EgcSetupValues.h"
#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Egc;

// "EGC Setup": the EGC receiver's settings as read from the transceiver. Modeless, one instance;
// OK and Cancel close it and the next opening starts afresh. A setting that could not be read
// shows grey and is not written back unless the operator sets it.
class EGCForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit EGCForm(Egc& e);

    EgcSetupValues Values() const;
    void SetValues(const EgcSetupValues& v);
    void SetFixedPositionsEnabled(bool enabled);
    void UpdateEGCForm();

    // The key filters: the typed character, or 0 when it is discarded.
    static QChar FilterCoastalKey(QChar c) {
        const QChar u = c.toUpper();
        return (u >= 'A' && u <= 'Z') ? u : QChar(0);
    }
    static QChar FilterDegreeKey(QChar c) { return (c >= '0' && c <= '9') ? c : QChar(0); }
    // How many letters may be typed into the coastal areas on the connected transceiver.
    int CoastalTypingLimit() const;

    void OKButton_Click();
    void CancelButton_Click();

    QCheckBox* EGCOnlyCheck = nullptr;
    QCheckBox* AddNavareaCheck = nullptr;
    QCheckBox* SystemMessageCheck = nullptr;
    QCheckBox* SafetyNETCheck = nullptr;
    std::array<QComboBox*, 4> AdditionalNAVAREACombo{};
    QLabel* Label10 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* CoastalWarningAreasText = nullptr;
    std::array<QCheckBox*, 10> TypeChecks{};
    QLabel* Label3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label11 = nullptr;
    std::array<QLabel*, 5> RowLabels{};  // Label5 (row 0) to Label9 (row 4)
    std::array<QLineEdit*, 5> FixLatDegText{};
    std::array<QComboBox*, 5> FixLatCombo{};
    std::array<QLineEdit*, 5> FixLonDegText{};
    std::array<QComboBox*, 5> FixLonCombo{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void SetBox(QCheckBox* box, qint8 value);
    static qint8 BoxValue(const QCheckBox* box);
    void NameRowControls();
    bool ValidateFixedPositions();

    Egc& m_e;
    // The coastal areas were neither read nor touched: OK leaves them alone.
    bool m_coastalKnown = true;
    bool m_settingValues = false;
};

}  // namespace tidepost
