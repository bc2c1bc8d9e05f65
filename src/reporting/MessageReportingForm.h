#pragma once
#include <QDialog>

#include "foundation/CaptionedWindow.h"
#include "reporting/MessageReportingReply.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Foundation;
struct Reporting;

// "Message Reporting Setup": the transceiver's message reporting as "rs" listed it. OK sends the
// settings back as one batch of "rs -" commands; Cancel and the close box send nothing.
class MessageReportingForm : public QDialog {
    Q_OBJECT
public:
    explicit MessageReportingForm(Reporting& r);

    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    QCheckBox* rsFunctionCheck = nullptr;
    QGroupBox* ScheduleFrame = nullptr;
    QLineEdit* MonthText = nullptr;
    QLineEdit* DayOfMonthText = nullptr;
    QLineEdit* DayOfWeekText = nullptr;
    QLineEdit* HourOfDayText = nullptr;
    QLineEdit* MinuteOfDayText = nullptr;
    QCheckBox* NoPrintCopyCheck = nullptr;
    QCheckBox* ConfirmationCheck = nullptr;
    QLineEdit* PINCodeText = nullptr;
    QComboBox* rsDestinationAddressText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // Writes the rows the reply read into the controls, in the order they were read.
    void Fill(const MessageReportingReply& reply);
    // The destination list and the destination shown.
    void SetDestinations(const MessageReportingDestinations& destinations);
    // The settings as the controls hold them (the address is not among them).
    MessageReportingSettings Settings() const;

    // Sends the batch when the transceiver answers and the settings can be sent, then closes.
    // A destination that is not in the address book or cannot take position reports, or a box
    // holding what the command cannot carry, is refused in a box and the dialog stays open.
    void OKButton_Click();
    void CancelButton_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void ApplyCaptions();
    // A box of the dialog, titled with the product's name; the focus then goes to `focus`.
    void Refuse(const QString& text, QWidget* focus);

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    QLabel* m_monthLabel = nullptr;
    QLabel* m_dayOfMonthLabel = nullptr;
    QLabel* m_dayOfWeekLabel = nullptr;
    QLabel* m_hourLabel = nullptr;
    QLabel* m_minuteLabel = nullptr;
    QLabel* m_pinLabel = nullptr;
    QLabel* m_addressLabel = nullptr;
};

// "Message Reporting": the notice that the transceiver has no message reporting; OK closes it.
class NoMsgRepForm : public QDialog {
    Q_OBJECT
public:
    explicit NoMsgRepForm(Reporting& r);
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    QLabel* Label1 = nullptr;
    QPushButton* OKButton = nullptr;
    void OKButton_Click();

protected:
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
};

// The reply to a bare "rs": the notice when the transceiver has no message reporting; otherwise
// the listing fills the dialog, its destination list comes from the address book, and the dialog
// is shown. A listing that cannot be read whole shows nothing.
void HandleMessageReportingReply(Reporting& r, const QString& reply);

}  // namespace tidepost
