#pragma once
#include <QDialog>

#include "foundation/CSession.h"
#include "foundation/CaptionedWindow.h"
#include "reporting/PositionEntry.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Foundation;
struct Reporting;

// "Position": the position the transceiver last reported, and a position typed by hand that OK
// sends ("se -p" with the values, then "se -p" to read it back). Opened by the position reply
// while the operator asked for it; Cancel, the close box and a successful OK end that request.
class PositionForm : public QDialog {
    Q_OBJECT
public:
    explicit PositionForm(Reporting& r);

    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    QLineEdit* LatDegText = nullptr;
    QLineEdit* LatMinText = nullptr;
    QLineEdit* LatHundText = nullptr;
    QComboBox* NSHem = nullptr;
    QLineEdit* LonDegText = nullptr;
    QLineEdit* LonMinText = nullptr;
    QLineEdit* LonHundText = nullptr;
    QComboBox* EWHem = nullptr;
    QLineEdit* CourseText = nullptr;
    QLineEdit* SpeedText = nullptr;
    QLabel* DateLabel = nullptr;
    QLabel* TimeLabel = nullptr;
    QLabel* TimeZone = nullptr;
    QLabel* StatusText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // Refills the dialog from the session: while the GPS is not OK a dialog that has shown a
    // position keeps what it shows (and what the operator typed); a session without a position
    // empties the boxes.
    void UpdatePosition();
    // The boxes as they stand.
    PositionTexts Texts() const;
    // Runs the checks of OK; a refusal is told in a box and its box takes the focus.
    bool ValidatePosition();
    // A position that passes is sent while the transceiver answers, and the dialog closes.
    void OKButton_Click();
    void CancelButton_Click();

    bool PositionShown = false;
    // The record the last UpdatePosition took.
    PositionRecord Position;

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyCaptions();
    void UpdateAccessibleNames();
    void ShowValidity(bool valid);

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    QLabel* m_latitude = nullptr;
    QLabel* m_longitude = nullptr;
    QLabel* m_course = nullptr;
    QLabel* m_speed = nullptr;
    QLabel* m_degrees = nullptr;  // Label15, the course's unit
    QLabel* m_knots = nullptr;    // Label14
    QLabel* m_status = nullptr;
    QLabel* m_updated = nullptr;
    QString m_minutes = QStringLiteral("minutes");
    QString m_hundredths = QStringLiteral("hundredths of a minute");
    QString m_hemisphere = QStringLiteral("hemisphere");
    bool m_valid = false;
};

}  // namespace tidepost
