#pragma once
#include <QDialog>
#include <array>

#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Foundation;
struct Reporting;

// "PU Program n": sets up a new reporting program in a closed slot of the transceiver: one DNID
// per ocean from the transceiver's list, a start time or "Immediately", and an interval. Its
// logic lives in DnidProgramSetup.h.
class DNIDPUProgramForm : public QDialog {
    Q_OBJECT
public:
    explicit DNIDPUProgramForm(Reporting& r);

    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    // The DNID lists per ocean, 0 West to 3 Indian; chosen from, never typed into.
    QComboBox* WestLESCombo = nullptr;
    QComboBox* EastLESCombo = nullptr;
    QComboBox* PacificLESCombo = nullptr;
    QComboBox* IndianLESCombo = nullptr;
    QComboBox* OceanList(int ocean) const { return m_oceans.at(ocean); }
    QComboBox* StartHour = nullptr;
    QComboBox* StartMinute = nullptr;
    QComboBox* IntervalHour = nullptr;
    QComboBox* IntervalMinute = nullptr;
    QCheckBox* StartCheck = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // Every ocean list without a chosen item: it shows "Choose DNID from list" when it has items,
    // "No DNID for this ocean" when it has none.
    void SetData();
    // The "pg -o" entry of the item chosen in an ocean's list; "" when none is chosen.
    QString ChosenEntry(int ocean) const;

    // The program to set up, 0 to 3, named in the caption; -1 while there is none.
    void SetProgram(int index);
    int ProgramIndex = -1;
    // The two texts of a list without a choice, in the language of the dialog's load.
    QString ChooseText;
    QString NoDnidText;

    void OKButton_Click();
    void CancelButton_Click();
    void StartCheck_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyCaptions();
    void UpdateAccessibleNames();

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    std::array<QComboBox*, 4> m_oceans{};
    std::array<QLabel*, 4> m_oceanLabels{};
    QLabel* m_columns = nullptr;
    QLabel* m_start = nullptr;
    QLabel* m_interval = nullptr;
    QLabel* m_hour = nullptr;
    QLabel* m_minute = nullptr;
};

}  // namespace tidepost
