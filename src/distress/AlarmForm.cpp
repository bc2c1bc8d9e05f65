#include "distress/AlarmForm.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <algorithm>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IMainForm.h"
#include "foundation/Screensaver.h"
#include "foundation/WindowPlacement.h"
#include "foundation/cErrorLog.h"
#include "platform/IClock.h"
#include "platform/ISoundPlayer.h"

namespace tidepost {

namespace {

constexpr int kBeepIntervalMs = 1000;
constexpr int kFlashIntervalMs = 333;

QLabel* MakeLabel(QWidget* parent, const char* name, const char* text, double points) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #c00000;"));
    return label;
}

QWidget* MainWindowOf(const Foundation& f) { return f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr; }

}  // namespace

AlarmForm::AlarmForm(Foundation& f, const AlarmKind& kind, bool& soundFailureLogged, std::function<void()> confirmed)
    : QWidget(nullptr, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_f(f),
      m_kind(kind),
      m_soundFailureLogged(soundFailureLogged),
      m_confirmed(std::move(confirmed)) {
    setObjectName(kind.Name);
    setWindowTitle(QString::fromLatin1(kind.Caption));
    setAttribute(Qt::WA_DeleteOnClose, false);

    // Wide enough for the whole caption in the title bar.
    const int width = std::max(Twips(kind.ClientWidthTwips),
                               QFontMetrics(QApplication::font()).horizontalAdvance(windowTitle()) + 160);
    // The option button stands beyond the right edge, so it holds the focus unseen.
    DummyOption = new QRadioButton(this);
    DummyOption->setObjectName(kind.DummyName);
    DummyOption->move(width + Twips(kind.DummyLeftTwips - kind.ClientWidthTwips), 8);

    auto* body = new QWidget(this);
    auto* layout = new QVBoxLayout(body);
    Label1 = MakeLabel(body, "Label1", "DISTRESS PRIORITY MESSAGE", 24);
    // The blinking headline keeps its room, so the rest of the window does not jump.
    QSizePolicy keep = Label1->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    Label1->setSizePolicy(keep);
    Label2 = MakeLabel(body, "Label2", "RECEIVED", 13.5);
    Label3 = MakeLabel(body, "Label3",
                       "Reset alarm using Reset/Test button on remote Alarm/Distress box or Distress --> Reset Alarm "
                       "menu.",
                       9.75);
    Label3->setStyleSheet(QString());
    OKButton = new QPushButton(QStringLiteral("OK"), body);
    OKButton->setObjectName("OKButton");
    OKButton->setAutoDefault(false);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Label3);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    body->setFixedWidth(width);
    body->adjustSize();
    setFixedSize(width, body->sizeHint().height());
    setTabOrder(DummyOption, OKButton);
    connect(OKButton, &QPushButton::clicked, this, &AlarmForm::OKButton_Click);

    BeepTimer = new QTimer(this);
    BeepTimer->setObjectName("BeepTimer");
    BeepTimer->setInterval(kBeepIntervalMs);
    FlashTimer = new QTimer(this);
    FlashTimer->setObjectName("FlashTimer");
    FlashTimer->setInterval(kFlashIntervalMs);
    connect(BeepTimer, &QTimer::timeout, this, &AlarmForm::BeepTimer_Timer);
    connect(FlashTimer, &QTimer::timeout, this, &AlarmForm::FlashTimer_Timer);

    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this, [this](int id, const QString& language) {
        m_f.Strings.SetMlLanguage(id, language);
        ApplyCaptions();
        m_f.Strings.ApplyLanguageCharset(this);
    });
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
    CentreOverMainWindow(*this, MainWindowOf(f));
}

void AlarmForm::ApplyCaptions() {
    const MlStrings& s = m_f.Strings;
    SetWindowCaption(s, this, m_kind.CaptionId);
    if (m_headlineId != 0) {
        const QString text = s.GetMlString(m_headlineId);
        Label1->setText(text.isEmpty() ? m_headlineEnglish : text);
    }
    SetCaption(s, Label2, 2255);
    SetCaption(s, Label3, 2253);
    SetCaption(s, OKButton, 1906);
    // A screen reader announces the alarm's headline where the focus stands.
    DummyOption->setAccessibleName(Label1->text());
}

void AlarmForm::SetHeadline(int stringId, const char* english) {
    m_headlineId = stringId;
    m_headlineEnglish = QString::fromLatin1(english);
    ApplyCaptions();
}

void AlarmForm::Raise() {
    if (m_done) return;
    if (!BeepTimer->isActive() && !m_soundPlaying) BeepTimer->start();
    if (!FlashTimer->isActive()) FlashTimer->start();
}

void AlarmForm::BeepTimer_Timer() {
    BeepTimer->stop();
    if (m_done) return;
    const int generation = ++m_soundGeneration;
    m_soundPlaying = true;
    m_soundStartedMs = m_f.Os.Clock ? m_f.Os.Clock->MonotonicMs() : 0;
    QPointer<AlarmForm> self(this);
    // The player may answer before PlayWaveFile returns (no file, no player).
    PlayWaveFile(m_f, QStringLiteral("alarm.wav"), [self, generation](bool played) {
        if (self) self->SoundEnded(generation, played);
    });
}

void AlarmForm::SoundEnded(int generation, bool played) {
    if (generation != m_soundGeneration || !m_soundPlaying) return;
    m_soundPlaying = false;
    if (m_done) return;
    if (!played) SoundFailed();
    BeepTimer->start();
}

void AlarmForm::SoundFailed() {
    if (m_f.Os.Sound) m_f.Os.Sound->Beep();
    if (m_soundFailureLogged) return;
    m_soundFailureLogged = true;
    ErrorLog(m_f).AddLine(QStringLiteral("(%1.BeepTimer_Timer) alarm.wav could not be played; the bell sounds instead.")
                              .arg(objectName()));
}

void AlarmForm::CheckSoundTimeLimit() {
    if (!m_soundPlaying || !m_f.Os.Clock) return;
    if (m_f.Os.Clock->MonotonicMs() - m_soundStartedMs < kSoundTimeLimitMs) return;
    // Whatever the player says later about this sound is no longer heard.
    ++m_soundGeneration;
    m_soundPlaying = false;
    SoundFailed();
    BeepTimer->start();
}

void AlarmForm::FlashTimer_Timer() {
    FlashTimer->stop();
    if (m_done) return;
    // Each step on its own: one that fails must not keep the others, or the next tick, from running.
    if (!isVisible()) show();
    CloseRunningScreenSaver(m_f.Os);
    raise();
    activateWindow();
    m_headlineShown = !m_headlineShown;
    Label1->setVisible(m_headlineShown);
    CheckSoundTimeLimit();
    FlashTimer->start();
}

void AlarmForm::OKButton_Click() { Confirm(); }

void AlarmForm::Confirm() {
    if (m_done) return;
    m_done = true;
    BeepTimer->stop();
    FlashTimer->stop();
    ++m_soundGeneration;
    m_soundPlaying = false;
    hide();
    if (m_confirmed) m_confirmed();
}

void AlarmForm::closeEvent(QCloseEvent* event) {
    // The close box and Alt+F4 confirm as OK does; closing is never refused.
    Confirm();
    event->accept();
}

void AlarmForm::keyPressEvent(QKeyEvent* event) {
    // Esc would take the focus off the option button and so open the way for Enter to confirm.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void AlarmForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    DummyOption->setFocus(Qt::OtherFocusReason);
}

}  // namespace tidepost
