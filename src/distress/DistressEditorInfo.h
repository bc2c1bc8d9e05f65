#pragma once
#include <QDialog>

class QLabel;
class QPushButton;

namespace tidepost {

struct Foundation;

// The small red-text windows of the distress message editor: the question whether to go on
// (`DistressEditorInfo1`, Yes and No) and the notice about English (`DistressEditorInfo2`, OK).
// The caller sets the caption and the text; the buttons take their texts in the current language.
class DistressEditorInfo : public QDialog {
public:
    enum class Kind { Question, Notice };
    DistressEditorInfo(Foundation& f, Kind kind, QWidget* owner);

    // 0 until a button is pressed, 1 after OK ("Yes"), 2 after Cancel ("No").
    quint8 ButtonClicked = 0;

    void SetInfo(const QString& caption, const QString& text);
    void OKButton_Click();
    void CancelButton_Click();

    QLabel* DistressEditorInfoText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void ApplyCaptions();

    Foundation& m_f;
    Kind m_kind;
};

// Shows the question over `owner`, window-modal, and returns true only for Yes; closing the
// window counts as No.
bool AskDistressEditorQuestion(Foundation& f, QWidget* owner, const QString& caption, const QString& text);
// Shows the notice over `owner`, window-modal, until OK.
void ShowDistressEditorNotice(Foundation& f, QWidget* owner, const QString& caption, const QString& text);

}  // namespace tidepost
