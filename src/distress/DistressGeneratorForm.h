#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "distress/DistressGenerator.h"
#include "foundation/CaptionedWindow.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tidepost {

struct Distress;
class GeneratorBoxValidator;

// "Distress Alert Setup": the transceiver's distress alert generator settings as last read, and
// OK to send them. Modeless; OK and Cancel close it, and each opening loads it afresh.
class DistressGeneratorForm : public QDialog {
    Q_OBJECT
public:
    // closed: the window is done with (its holder lets it go).
    DistressGeneratorForm(Distress& d, std::function<void()> closed);

    void OKButton_Click();
    void CancelButton_Click();
    void RadioUseGPS_Click();
    void ReasonOption_Click(int Index);
    void reject() override;
    // The window is being closed from outside (a refusal of the transceiver): an OK waiting for
    // the answer to its own box sends nothing once the box returns.
    void MarkClosing() { m_closing = true; }

    // What the operator has set, as OK reads it.
    GeneratorDialogInput Input() const;

    QGroupBox* LESFrame = nullptr;
    std::array<QLabel*, 4> LabelLES{};
    std::array<QComboBox*, 4> DistressLesList{};
    std::array<QLabel*, 4> LabelAutoLes{};
    QGroupBox* PositionFrame = nullptr;
    QLineEdit* LatDegText = nullptr;
    QLineEdit* LatMinText = nullptr;
    QLineEdit* LatHundText = nullptr;
    QLineEdit* NordSydText = nullptr;
    QLineEdit* LonDegText = nullptr;
    QLineEdit* LonMinText = nullptr;
    QLineEdit* LonHundText = nullptr;
    QLineEdit* OestVestText = nullptr;
    QLineEdit* CourseText = nullptr;
    QLineEdit* SpeedText = nullptr;
    QLineEdit* TOPHourText = nullptr;
    QLineEdit* TOPMinText = nullptr;
    QLabel* LabelLat = nullptr;
    QLabel* LabelLatDeg = nullptr;
    QLabel* LabelLatMin = nullptr;
    QLabel* LabelLatHund = nullptr;
    QLabel* LabelLatNS = nullptr;
    QLabel* LabelLon = nullptr;
    QLabel* LabelLonDeg = nullptr;
    QLabel* LabelLonMin = nullptr;
    QLabel* LabelLonHund = nullptr;
    QLabel* LabelLonEW = nullptr;
    QLabel* LabelCourse = nullptr;
    QLabel* LabelCourseDeg = nullptr;
    QLabel* LabelSpeed = nullptr;
    QLabel* LabelSpeedKnots = nullptr;
    QLabel* LabelUTC = nullptr;
    QLabel* LabelHour = nullptr;
    QLabel* LabelMin = nullptr;
    QCheckBox* RadioUseGPS = nullptr;
    QGroupBox* ReasonFrame = nullptr;
    std::array<QRadioButton*, 11> ReasonOption{};
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    int SelectedNature = 0;

private:
    struct Box {
        QLineEdit* edit;
        GeneratorBoxValidator* validator;
        QLabel* row;   // the row's caption
        QLabel* unit;  // the unit under or beside the box
    };
    void BuildLesFrame();
    void BuildPositionFrame();
    void BuildReasonFrame();
    void Load();
    void EnableNatureOptions(bool bEnable);
    void EnablePositionFields(bool bEnable);
    void ShowRefusal(const PositionRefusal& refusal);
    void ShowInfoBox(int textId, const char* text, int titleId, const char* title, bool stop);
    void Close();
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();
    void UpdateAccessibleNames();

    Distress& m_d;
    std::function<void()> m_closed;
    std::array<Box, 12> m_boxes{};
    std::array<bool, 11> m_natureEnabled{};
    CaptionList m_captions;
    bool m_closing = false;
};

}  // namespace tidepost
