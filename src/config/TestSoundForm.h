#pragma once
#include "foundation/CaptionedWindow.h"

class QLabel;
class QPushButton;
class QTimer;

namespace tidepost {

struct Config;

// "Test sound": plays the alarm sound alarm.wav of the program folder once a second until
// stopped, so the operator hears whether the alarm is audible. A sound never blocks the window;
// a tick that falls due while a sound plays starts the next one when it ends. A sound that
// cannot be played is said on the window and ends the repetition.
class TestSoundForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit TestSoundForm(Config& c);
    void ShowForm();
    void StartButton_Click();
    void StopButton_Click();
    void Command1_Click();
    void Timer1_Timer();
    // The end of a sound this window started: whether it was heard. The one place that reads
    // the player's result.
    void SoundEnded(bool played);
    bool IsPlaying() const { return m_playing; }

    QLabel* Label1 = nullptr;
    QLabel* StatusLabel = nullptr;
    QPushButton* StartButton = nullptr;
    QPushButton* StopButton = nullptr;
    QPushButton* Command1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void PlayAlarm();
    void ShowStopped(int stringId, const char* english);

    Config& m_c;
    bool m_playing = false;  // a sound of this window is playing
    bool m_tickDue = false;  // a tick fell due while it played
};

}  // namespace tidepost
