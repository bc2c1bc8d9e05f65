#include <QAction>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <exception>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/IDistressModeWindow.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"

namespace tidepost {

namespace {

constexpr int kStatusNotConnected = 0;
constexpr int kStatusConnected = 3;

// Runs an action on a left click of the watched widget.
class ClickFilter : public QObject {
public:
    ClickFilter(QWidget* watched, std::function<void()> onClick) : QObject(watched), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            m_onClick();
        return false;
    }

private:
    std::function<void()> m_onClick;
};

void SetLeftTwips(QWidget* w, int twips, double tx) { w->move(qRound(twips / tx), w->y()); }

}  // namespace

void MainForm::WatchClicks(QWidget* widget, std::function<void()> onClick) {
    widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}

void MainForm::WatchClipboard() {
    // Asking the clipboard on every tick would be a round trip to another program on X11.
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) return;
    const auto read = [this, clipboard] {
        m_clipboardHasText = !clipboard->text().isEmpty();
        WakeStatusStrip();
    };
    connect(clipboard, &QClipboard::dataChanged, this, read);
    read();
}

int MainForm::GetMobileStatus() const {
    bool ok = false;
    const int code = m_mobileStatusField->property("Tag").toString().trimmed().toInt(&ok);
    return ok ? code : 0;
}

void MainForm::UpdateDistressMenus() {
    const qint32 solas = m_foundation.gSession.SolasType();
    const bool offered = solas == 2 || solas == 3;
    m_controls->DistressEditorButton->setEnabled(offered);
    m_controls->DistressEditorButton->setVisible(offered);
    m_mnuViewDistressEditor->setVisible(offered);
}

void MainForm::ApplyEditMenu() {
    if (MessageLogShown != 0) {
        m_mnuPaste->setEnabled(false);
        return;
    }
    m_mnuPaste->setEnabled(m_clipboardHasText);
    const bool selection = m_controls->Editor->textCursor().hasSelection();
    m_mnuCut->setEnabled(selection);
    m_mnuCopy->setEnabled(selection);
}

void MainForm::GUITimer_Timer() {
    MainFormControls& c = *m_controls;
    const CSession& s = m_foundation.gSession;
    const double tx = TwipsPerPixelX();

    // 1. The in-harbour button, and the frames beside it, only when setting and button disagree.
    const bool harbour = GetIniValue(m_foundation, "[InHarbourButton]") == QLatin1String("1");
    if (harbour && c.InHarbourButton->isHidden()) {
        SetLeftTwips(c.StatusFrame, 2730, tx);
        SetLeftTwips(c.Frame1, 6225, tx);
        c.InHarbourButton->show();
    } else if (!harbour && !c.InHarbourButton->isHidden()) {
        SetLeftTwips(c.StatusFrame, 1845, tx);
        SetLeftTwips(c.Frame1, 5340, tx);
        c.InHarbourButton->hide();
    }

    // 2.-4. The bars and the connected status.
    PaintBar(c.GPSBar, s.GpsStatus() ? kGreen : kRed);
    if (s.Syncronization()) {
        PaintBar(m_antenneBar, kGreen);
        const int strength = s.SignalStrength();
        m_antenneBar->setValue(strength == 0 ? 20 : qMin(100, strength * 20));
    } else {
        PaintBar(m_antenneBar, kRed);
        m_antenneBar->setValue(100);
    }
    if (s.MesConnected()) {
        PaintBar(m_pcConnBar, kGreen);
        if (GetMobileStatus() == kStatusNotConnected) SetMobileStatus(kStatusConnected);
    } else {
        PaintBar(m_pcConnBar, kRed);
        if (GetMobileStatus() == kStatusConnected) SetMobileStatus(kStatusNotConnected);
    }

    // 5. The family picture. The 510A/B shows none.
    QLabel* shown = nullptr;
    switch (s.ProductType()) {
        case 1: shown = s.ProductModel() == 1 ? nullptr : c.Picture510; break;
        case 2: shown = c.Picture510; break;
        case 3: shown = c.Picture530A; break;
        case 4: shown = c.Picture560; break;
        case 5: shown = c.Picture570; break;
        default: break;
    }
    for (QLabel* picture : {c.Picture510, c.Picture530A, c.Picture560, c.Picture570})
        if (picture != shown) picture->setVisible(false);
    if (shown != nullptr) {
        const QStringList& models = m_foundation.ProductModelNames;
        const int model = s.ProductModel();
        const QString name = model >= 0 && model < models.size() ? models[model] : QString();
        shown->setToolTip(m_foundation.Strings.GetMlString(2852, "Mobile type: ") + name);
        shown->setVisible(true);
    }

    // 6. The mobile number, written only on a change.
    const QString number = QStringLiteral("IMN: ") + (s.MobileNumber() > 0
                                                          ? QString::number(s.MobileNumber())
                                                          : m_foundation.Strings.GetMlString(2851, "<unknown>"));
    if (c.MobileNumberLabel->text() != number) c.MobileNumberLabel->setText(number);

    // 7. The menus, once, when the transceiver starts to answer.
    if (s.MesConnected() && !m_wasConnected) UpdateMenu(true);
    m_wasConnected = s.MesConnected();

    // 8.-12. Each on its own: one failing does not stop the rest.
    const auto step = [](auto&& action) {
        try {
            action();
        } catch (const std::exception&) {
        }
    };
    step([this] { ApplyEditMenu(); });
    step([this] { UpdateDistressMenus(); });
    step([this] { ArrangeViewButtons(); });
    step([&] {
        QString clock, tip;
        if (s.SystemTimeSet()) {
            clock = s.SystemTime().toString("hh:mm") + " UTC";
            tip = s.SystemTime().toString("yyyy-MM-dd") + " " + clock;
        }
        if (m_statusPanels[0]->text() != clock) m_statusPanels[0]->setText(clock);
        if (m_statusPanels[0]->toolTip() != tip) m_statusPanels[0]->setToolTip(tip);
    });
    step([&] {
        const QString marks =
            QString(s.ProcessingEgcs() ? "E" : " ") + "," + QString(s.ProcessingMsgs() ? "M" : " ");
        if (c.Label6->text() != marks) c.Label6->setText(marks);
    });
}

void MainForm::DistressButtonsTestWindowTimer_Timer() {
    if (!bShowDistressButtonsTestWindow) return;
    IDistressModeWindow* window = m_link.Windows.DistressModeForm;
    if (m_foundation.gSession.MesConnected() && window != nullptr && !window->IsVisible()) window->ShowModal(this);
    // A request made while the transceiver does not answer is dropped, not kept for later.
    bShowDistressButtonsTestWindow = false;
}

void MainForm::StatusBarPanel_Click(int panel) {
    // By the panel clicked, so that one click opens one thing even when both panels are empty.
    if (panel == 2 && StatusCommands.mnuInfoLog_Click) StatusCommands.mnuInfoLog_Click();
    else if (panel == 1 && StatusCommands.SetPcTimeMenu_Click) StatusCommands.SetPcTimeMenu_Click();
}

}  // namespace tidepost
