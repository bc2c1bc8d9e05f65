#pragma once
#include <QWidget>
#include <functional>

class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;

namespace tidepost {

struct Foundation;

// What sets one alarm window apart from the other.
struct AlarmKind {
    const char* Name;       // the window's object name
    const char* DummyName;  // the option button that holds the focus
    int CaptionId;
    const char* Caption;
    int ClientWidthTwips;
    int DummyLeftTwips;     // beyond the client area's right edge
};

// An alarm window for traffic of urgency or distress priority: once raised it shows itself on top
// of every window at the first tick of FlashTimer, blinks its headline, sounds "alarm.wav" one
// second after the end of each sound, and keeps doing so until the operator confirms with OK or
// closes it. Keys cannot confirm it by accident: the focus starts on an option button placed out
// of sight, and Enter, Space and Esc do nothing there.
class AlarmForm : public QWidget {
    Q_OBJECT
public:
    // `soundFailureLogged` is shared by every alarm of the run, so a broken player is logged once.
    // `confirmed` runs once, after the window has been hidden, when the operator confirms.
    AlarmForm(Foundation& f, const AlarmKind& kind, bool& soundFailureLogged, std::function<void()> confirmed);

    // The headline by string id, in the current language now and after every change of language.
    void SetHeadline(int stringId, const char* english);
    // Switches the timers on; timers that already run, or a sound that plays, are left as they are.
    void Raise();

    void BeepTimer_Timer();
    void FlashTimer_Timer();
    void OKButton_Click();

    // A sound started by BeepTimer has not ended yet.
    bool SoundPlaying() const { return m_soundPlaying; }
    // A sound that has not ended after this long counts as failed, so the alarm does not fall silent.
    static constexpr qint64 kSoundTimeLimitMs = 10000;

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* OKButton = nullptr;
    QRadioButton* DummyOption = nullptr;
    QTimer* BeepTimer = nullptr;
    QTimer* FlashTimer = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ApplyCaptions();
    void Confirm();
    void SoundEnded(int generation, bool played);
    void SoundFailed();
    void CheckSoundTimeLimit();

    Foundation& m_f;
    AlarmKind m_kind;
    bool& m_soundFailureLogged;
    std::function<void()> m_confirmed;
    int m_headlineId = 0;
    QString m_headlineEnglish;
    bool m_headlineShown = true;
    bool m_done = false;
    bool m_soundPlaying = false;
    int m_soundGeneration = 0;
    qint64 m_soundStartedMs = 0;
};

}  // namespace tidepost
