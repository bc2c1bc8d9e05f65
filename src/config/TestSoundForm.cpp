#include "config/TestSoundForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <memory>

#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IMainForm.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

TestSoundForm::TestSoundForm(Config& c) : CaptionedWindow(c.F, "TestSoundForm", kFixedDialog), m_c(c) {
    setWindowTitle("Test sound");
    Label1 = new QLabel("Test the Tidepost alarm sound. ", this);
    Label1->setObjectName("Label1");
    StatusLabel = new QLabel(this);
    StatusLabel->setObjectName("StatusLabel");
    StartButton = new QPushButton("Start sound", this);
    StartButton->setObjectName("StartButton");
    StopButton = new QPushButton("Stop sound", this);
    StopButton->setObjectName("StopButton");
    Command1 = new QPushButton("Cancel", this);
    Command1->setObjectName("Command1");
    Timer1 = new QTimer(this);
    Timer1->setObjectName("Timer1");
    Timer1->setInterval(1000);
    auto* grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(StatusLabel, 1, 0, 1, 3);
    grid->addWidget(StartButton, 2, 0);
    grid->addWidget(StopButton, 2, 1);
    grid->addWidget(Command1, 2, 2);
    setTabOrder(StartButton, StopButton);
    setTabOrder(StopButton, Command1);
    connect(StartButton, &QPushButton::clicked, this, [this] { StartButton_Click(); });
    connect(StopButton, &QPushButton::clicked, this, [this] { StopButton_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { Command1_Click(); });

    AddCaption(2510, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2514, [this](const QString& t) { Label1->setText(t); });
    AddCaption(2512, [this](const QString& t) { StartButton->setText(t); });
    AddCaption(2511, [this](const QString& t) { StopButton->setText(t); });
    AddCaption(9, [this](const QString& t) { Command1->setText(t); });
    FinishLoad();
    ShowStopped(2513, "Sound stopped");
    setMinimumWidth(Twips(4800));
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void TestSoundForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void TestSoundForm::ShowStopped(int stringId, const char* english) {
    Timer1->stop();
    m_tickDue = false;
    StatusLabel->setText(m_f.Strings.GetMlString(stringId, english));
    // The keyboard stays on the window when the button it was on goes grey.
    const bool onStop = StopButton->hasFocus();
    StartButton->setEnabled(true);
    if (onStop) StartButton->setFocus();
    StopButton->setEnabled(false);
}

void TestSoundForm::StartButton_Click() {
    // The first sound comes with the first tick.
    Timer1->start();
    StatusLabel->setText(m_f.Strings.GetMlString(2783, "Sound playing..."));
    StartButton->setEnabled(false);
    StopButton->setEnabled(true);
    StopButton->setFocus();
}

void TestSoundForm::StopButton_Click() {
    // A sound that is playing plays to its end.
    ShowStopped(2513, "Sound stopped");
}

void TestSoundForm::Command1_Click() { m_c.Status->TestSoundForm.unload(); }

void TestSoundForm::Timer1_Timer() {
    if (m_playing) {
        m_tickDue = true;
        return;
    }
    PlayAlarm();
}

void TestSoundForm::PlayAlarm() {
    m_playing = true;
    // An end reported before PlayWaveFile returns is a player that could not start.
    auto inCall = std::make_shared<bool>(true);
    auto endedInCall = std::make_shared<bool>(false);
    QPointer<TestSoundForm> self(this);
    const bool started = PlayWaveFile(m_f, QStringLiteral("alarm.wav"), [self, inCall, endedInCall](bool played) {
        if (*inCall) {
            *endedInCall = true;
            return;
        }
        if (self) self->SoundEnded(played);
    });
    *inCall = false;
    if (!started || *endedInCall) SoundEnded(false);
}

void TestSoundForm::SoundEnded(bool played) {
    m_playing = false;
    if (!played) {
        // Never "playing" while nothing can be heard.
        ShowStopped(3440, "The alarm sound could not be played.");
        return;
    }
    if (m_tickDue && Timer1->isActive()) {
        m_tickDue = false;
        PlayAlarm();
    }
}

void TestSoundForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Status->TestSoundForm.unload();
}

}  // namespace tidepost
