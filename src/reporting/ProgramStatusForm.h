#pragma once
#include <QDialog>

#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;

namespace tidepost {

struct Reporting;

// The small read-only window that shows what the transceiver says about one reporting program,
// titled after the program ("Program 3 Status"). The text is shown as it came.
class ProgramStatusForm : public QDialog {
    Q_OBJECT
public:
    explicit ProgramStatusForm(Reporting& r);

    QLabel* Status() const { return m_status; }
    QPushButton* CloseButton() const { return m_close; }
    // Closes the window and lets it go; the next reply loads a fresh one.
    void CloseButton_Click();
    // What the language-changed notifier calls: the captions anew, the title the general one.
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ApplyCaptions();

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    QLabel* m_status;
    QPushButton* m_close;
};

}  // namespace tidepost
