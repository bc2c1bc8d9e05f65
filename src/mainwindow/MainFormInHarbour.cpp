#include <QPushButton>
#include <QTimer>

#include "foundation/IniFile.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"

namespace tidepost {

namespace {
constexpr int kInHarbourCommand = 1914;
constexpr int kPulseMs = 5000;
}  // namespace

void MainForm::SetUpInHarbourButton() {
    m_inHarbourButtonTimer = MakeTimer("InHarbourButtonTimer", kPulseMs);
    m_inHarbourButtonTimer->setSingleShot(true);
    connect(m_inHarbourButtonTimer, &QTimer::timeout, this, &MainForm::InHarbourButtonTimer_Timer);
    connect(m_controls->InHarbourButton, &QPushButton::clicked, this, [this] { InHarbourButton_Click(); });
    KeyHandlers.PressInHarbourButton = [this] { PressInHarbourButton(); };
    HotListCommands.Set(kInHarbourCommand, [this] { InHarbourButton_Click(); });
}

void MainForm::InHarbourButton_Click() {
    if (m_ended || GetIniValue(m_foundation, "[InHarbourButton]") != QLatin1String("1")) return;
    PressInHarbourButton();
    if (HotList.Add) HotList.Add(kInHarbourCommand, 0);
}

void MainForm::PressInHarbourButton() {
    if (m_ended) return;
    if (InHarbourSignal.Press) InHarbourSignal.Press();
    // Whether or not the output went up: the release follows 5 s after the latest press.
    m_inHarbourButtonTimer->setInterval(kPulseMs);
    m_inHarbourButtonTimer->start();
}

void MainForm::InHarbourButtonTimer_Timer() {
    m_inHarbourButtonTimer->stop();
    ReleaseInHarbourButton();
}

void MainForm::ReleaseInHarbourButton() {
    if (InHarbourSignal.Release) InHarbourSignal.Release();
}

}  // namespace tidepost
