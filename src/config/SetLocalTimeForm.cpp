#include "config/SetLocalTimeForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "config/Config.h"
#include "foundation/OkCancelButtons.h"
#include "config/PcClock.h"
#include "config/SetupDialogs.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/WindowPlacement.h"

namespace tidepost {

namespace {

QString MinuteText(const QDateTime& t) { return t.toString(QStringLiteral("yyyy-MM-dd hh:mm")); }

QGroupBox* Frame(QWidget* owner, const char* name, const QString& title, QWidget* content) {
    auto* frame = new QGroupBox(title, owner);
    frame->setObjectName(name);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(content);
    return frame;
}

}  // namespace

PcClockTexts CurrentPcClockTexts(Config& c) {
    if (!c.F.gSession.SystemTimeSet()) return {QStringLiteral("<unknown>"), QStringLiteral("<unknown>")};
    const QDateTime utc = c.F.gSession.SystemTime();
    return {MinuteText(utc), MinuteText(PcClockLocalTime(c.F, utc))};
}

SetLocalTimeForm::SetLocalTimeForm(Config& c) : CaptionedWindow(c.F, "SetLocalTimeForm", kFixedDialog), m_c(c) {
    setWindowTitle("Set PC time");
    SetPcTimeAlways = new QRadioButton("Yes (Updates PC time now)", this);
    SetPcTimeAlways->setObjectName("SetPcTimeAlways");
    SetPcTimeNever = new QRadioButton("No", this);
    SetPcTimeNever->setObjectName("SetPcTimeNever");
    ChoiceFrame = new QGroupBox("Set PC time to GPS time on startup:", this);
    ChoiceFrame->setObjectName("ChoiceFrame");
    auto* choices = new QVBoxLayout(ChoiceFrame);
    choices->addWidget(SetPcTimeAlways);
    choices->addWidget(SetPcTimeNever);
    UtcTimeEx = new QLabel(this);
    UtcTimeEx->setObjectName("UtcTimeEx");
    UtcTimeEx->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    UtcTimeEx->setFocusPolicy(Qt::TabFocus);
    UtcFrame = Frame(this, "UtcFrame", "Current UTC time", UtcTimeEx);
    LocalTimeEx = new QLabel(this);
    LocalTimeEx->setObjectName("LocalTimeEx");
    LocalTimeEx->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    LocalTimeEx->setFocusPolicy(Qt::TabFocus);
    LocalFrame = Frame(this, "LocalFrame", "New local time", LocalTimeEx);
    Label1 = new QLabel("The PC time will be set to local time according to Windows time zone settings", this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    UpdateUTCAndLocalDateTimer = new QTimer(this);
    UpdateUTCAndLocalDateTimer->setObjectName("UpdateUTCAndLocalDateTimer");
    UpdateUTCAndLocalDateTimer->setInterval(1000);
    connect(UpdateUTCAndLocalDateTimer, &QTimer::timeout, this, [this] { UpdateUTCAndLocalDateTimer_Timer(); });
    const OkCancelButtons buttons =
        AddOkCancelButtons(*this, [this] { OKButton_Click(); }, [this] { CancelButton_Click(); }, true);
    OKButton = buttons.OKButton;
    CancelButton = buttons.CancelButton;

    auto* grid = new QGridLayout(this);
    grid->addWidget(ChoiceFrame, 0, 0, 1, 2);
    grid->addWidget(UtcFrame, 1, 0);
    grid->addWidget(LocalFrame, 1, 1);
    grid->addWidget(Label1, 2, 0, 1, 2);
    grid->addLayout(buttons.Row, 3, 0, 1, 2);
    setTabOrder(SetPcTimeAlways, SetPcTimeNever);
    setTabOrder(SetPcTimeNever, UtcTimeEx);
    setTabOrder(UtcTimeEx, LocalTimeEx);
    setTabOrder(LocalTimeEx, OKButton);
    setTabOrder(OKButton, CancelButton);

    AddCaption(2446, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2453, [this](const QString& t) { ChoiceFrame->setTitle(t); });
    AddCaption(2449, [this](const QString& t) { SetPcTimeAlways->setText(t); });
    AddCaption(2206, [this](const QString& t) { SetPcTimeNever->setText(t); });
    AddCaption(3052, [this](const QString& t) {
        UtcFrame->setTitle(t);
        UtcTimeEx->setAccessibleName(t);
    });
    AddCaption(3051, [this](const QString& t) {
        LocalFrame->setTitle(t);
        LocalTimeEx->setAccessibleName(t);
    });
    AddCaption(2456, [this](const QString& t) { Label1->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    UtcTimeEx->setAccessibleName(UtcFrame->title());
    LocalTimeEx->setAccessibleName(LocalFrame->title());
    FinishLoad();
    UpdateUTCAndLocalDateTimer_Timer();
    if (GetIniValue(m_f, "[SETPCTIME]") == QLatin1String("Yes"))
        SetPcTimeAlways->setChecked(true);
    else
        SetPcTimeNever->setChecked(true);
    UpdateUTCAndLocalDateTimer->start();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void SetLocalTimeForm::ShowForm() {
    show();
    raise();
    activateWindow();
    (SetPcTimeAlways->isChecked() ? SetPcTimeAlways : SetPcTimeNever)->setFocus();
}

void SetLocalTimeForm::UpdateUTCAndLocalDateTimer_Timer() {
    const PcClockTexts texts = CurrentPcClockTexts(m_c);
    UtcTimeEx->setText(texts.Utc);
    LocalTimeEx->setText(texts.Local);
}

void SetLocalTimeForm::OKButton_Click() {
    if (SetPcTimeAlways->isChecked()) {
        SetIniValue(m_f, "[SETPCTIME]", "Yes", true);
        RequestPcClock(m_c, false);
    } else {
        SetIniValue(m_f, "[SETPCTIME]", "No", true);
    }
    Close();
}

void SetLocalTimeForm::CancelButton_Click() { Close(); }

void SetLocalTimeForm::Close() {
    UpdateUTCAndLocalDateTimer->stop();
    m_c.Setup->SetLocalTimeForm.unload();
}

void SetLocalTimeForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Close();
}

}  // namespace tidepost
