#pragma once
#include <QDialog>
#include <array>
#include <functional>

#include "distress/DistressGenerator.h"
#include "foundation/CaptionedWindow.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Distress;

// "Landmobile Alert Settings": the alert LES of each ocean region and the nature of distress of a
// land mobile terminal. The menu loads it hidden and fills its lists; the transceiver's reply shows
// it. OK sends the choices; OK and Cancel close it, and the next opening starts afresh.
class Option112Form : public QDialog {
    Q_OBJECT
public:
    Option112Form(Distress& d, std::function<void()> closed);

    // Replaces the lists with these entries.
    void SetLists(const LmAlertLists& lists);

    void OKButton_Click();
    void CancelButton_Click();
    void reject() override;

    std::array<QLabel*, 4> Labels{};  // Label1 .. Label4
    QComboBox* AORWCombo = nullptr;
    QComboBox* AORECombo = nullptr;
    QComboBox* PORCombo = nullptr;
    QComboBox* IORCombo = nullptr;
    QLabel* NatureOfDistressLbl = nullptr;
    QComboBox* DistressNatureCombo = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The LES combo of an ocean 0..3.
    QComboBox* LesCombo(int ocean) const;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();
    void Close();

    Distress& m_d;
    std::function<void()> m_closed;
    CaptionList m_captions;
};

}  // namespace tidepost
