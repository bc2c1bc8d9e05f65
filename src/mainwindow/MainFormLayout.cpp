#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QStyle>
#include <exception>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/MainFormControls.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {
constexpr int kSmallScreenHeightPx = 600;
constexpr int kButtonOffset = 20;
constexpr int kLabelOffset = 30;
constexpr int kCaptionGapPx = 3;  // between a row's button or caption and its text box
}  // namespace

double MainForm::TwipsPerPixelX() const {
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

double MainForm::TwipsPerPixelY() const {
    const int dpi = logicalDpiY();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

MainLayoutInput MainForm::LayoutInput() const {
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    MainLayoutInput in;
    in.View = int(MessageLogShown);
    in.InfoBoxVisible = !m_infoBox->isHidden();
    in.InfoBoxHeight = qRound(m_infoBox->height() * ty);
    in.CcAllowed = m_rowWanted.CcAllowed;
    in.BccAllowed = m_rowWanted.BccAllowed;
    in.Compact = m_mnuCompactMode->isChecked();
    in.LogFrameHeight = m_logFrameHeight;
    in.ColumnWidth = qRound(m_controls->LogFrame->width() * tx);
    const QRect frame = frameGeometry();
    in.Width = qRound(frame.width() * tx);
    in.Height = qRound(frame.height() * ty);
    in.ScaleWidth = qRound(width() * tx);
    // The client area as the program counts it starts below the menu bar.
    const int menuHeight = menuWidget() != nullptr && !menuWidget()->isHidden() ? menuWidget()->height() : 0;
    in.ScaleHeight = qRound((height() - menuHeight) * ty);
    in.Caption = qRound(style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) * ty);
    return in;
}

void MainForm::MainFormSetUp() {
    MainFormControls& c = *m_controls;
    const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    m_rowWanted.To = m_rowWanted.Subject = m_rowWanted.LogFrame = true;
    m_rowWanted.Cc = m_rowWanted.Bcc = MessageLogShown != 0;
    // Without a provider rule the editor offers no Cc and Bcc rows.
    if (MessageLogShown == 0 && ApplyIspCcBccAvailability) ApplyIspCcBccAvailability();
    m_rowWanted.CcAllowed = m_rowWanted.Cc;
    m_rowWanted.BccAllowed = m_rowWanted.Bcc;
    if (MessageLogShown == 0) {
        m_rowWanted.EditorCcAllowed = m_rowWanted.CcAllowed;
        m_rowWanted.EditorBccAllowed = m_rowWanted.BccAllowed;
    }

    m_layout = ComputeMainLayout(LayoutInput());
    m_rowWanted.To = m_layout.ToFieldVisible;
    m_rowWanted.Cc = m_layout.CcFieldVisible;
    m_rowWanted.Bcc = m_layout.BCcFieldVisible;
    m_rowWanted.Subject = m_layout.SubjectFieldVisible;
    m_rowWanted.LogFrame = m_layout.LogFrameVisible;

    const auto top = [ty](QWidget* w, int twips) { w->move(w->x(), qRound(twips / ty)); };
    const auto row = [&](QWidget* field, QWidget* caption, int textTop, int captionOffset) {
        if (textTop < 0) return;
        top(field, textTop);
        top(caption, textTop + captionOffset);
    };
    row(c.ToFieldText, c.ToButton, m_layout.ToTop, kButtonOffset);
    row(c.CCFieldText, c.CCButton, m_layout.CcTop, kButtonOffset);
    row(c.BccFieldText, c.BccButton, m_layout.BccTop, kButtonOffset);
    row(c.SubjectFieldText, c.SubjectLabel, m_layout.SubjectTop, kLabelOffset);
    ShowToField(m_layout.ToFieldVisible);
    ShowCcField(m_layout.CcFieldVisible);
    ShowBCcField(m_layout.BCcFieldVisible);
    ShowSubjectField(m_layout.SubjectFieldVisible);

    for (long view = 0; view <= 5; ++view) c.ViewControl(view)->hide();
    if (QWidget* shown = c.ViewControl(MessageLogShown)) {
        shown->move(qRound(m_layout.ViewControl.Left / tx), qRound(m_layout.ViewControl.Top / ty));
        shown->show();
    }
    if (m_layout.LogFrameTop) {
        m_logFrameTop = *m_layout.LogFrameTop;
        top(c.LogFrame, m_logFrameTop);
        ShowLogFrame(true);
    } else {
        ShowLogFrame(false);
    }
    if (c.Editor->isVisibleTo(this) && c.Editor->isEnabled()) c.Editor->setFocus();
    Form_Resize();
}

void MainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_controls && m_controls->Editor) Form_Resize();
}

void MainForm::Form_Resize() {
    // A minimised window is not sized: nothing to do and nothing to say.
    if (windowState() & Qt::WindowMinimized) return;
    // The compact rule lays the window out again, which resizes once more; deeper is a loop.
    if (m_resizeDepth > 2) return;
    ++m_resizeDepth;
    try {
        MainFormControls& c = *m_controls;
        const double tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
        const int captionPx = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);

        if (const QScreen* s = screen()) {
            const QRect frame = frameGeometry();
            const PixelRect was{frame.x(), frame.y(), frame.width(), frame.height()};
            const PixelRect limited = LimitWindow(was, s->geometry().width(), s->geometry().height(), captionPx,
                                                  windowState() == Qt::WindowNoState);
            if (!(limited == was)) {
                move(limited.Left, limited.Top);
                resize(limited.Width - (frame.width() - width()), limited.Height - (frame.height() - height()));
            }
        }

        MainLayoutInput in = LayoutInput();
        const AutoCompactDecision rule =
            AutoCompact(m_logFrameTop, m_logFrameHeight, in.Height, in.Caption, m_mnuCompactMode->isChecked(),
                        GetIniValue(m_foundation, "[Compact Mode]") == QLatin1String("0"));
        if (rule.SetCompact) SetCompactMode(*rule.SetCompact, false);
        m_mnuCompactMode->setEnabled(rule.MenuEnabled);

        in = LayoutInput();
        const MainLayout sizes = ComputeMainLayout(in);
        m_layout.HeaderWidth = sizes.HeaderWidth;
        m_layout.ViewControl.Width = sizes.ViewControl.Width;
        m_layout.ViewControl.Height = sizes.ViewControl.Height;
        m_layout.InfoBoxWidth = sizes.InfoBoxWidth;
        m_layout.StatusBarTop = sizes.StatusBarTop;
        std::copy(std::begin(sizes.PanelWidths), std::end(sizes.PanelWidths), std::begin(m_layout.PanelWidths));

        // The program's heights reach the frame's bottom; here nothing may hide behind the
        // status bar, so every control ends at the work area's bottom at the latest.
        const int areaBottom = centralWidget()->height();
        const auto size = [&](QWidget* w, int widthTwips, int heightTwips) {
            const int h = qMax(0, qMin(qRound(heightTwips / ty), areaBottom - w->y()));
            w->resize(qMax(0, qRound(widthTwips / tx)), h);
        };
        const int editorTop = qRound(c.Editor->y() * ty);
        size(c.Editor, sizes.ViewControl.Width, sizes.StatusBarTop - editorTop);
        if (!m_infoBox->isHidden()) {
            m_infoBox->resize(qRound(sizes.InfoBoxWidth / tx), m_infoBox->height());
            m_infofield->resize(m_infoBox->width(), m_infofield->height());
        }
        // The header rows and the work area start beside the "Views:" column, whose width follows
        // its captions; the row buttons and the Subject caption share its width.
        const int headerLeft = qRound(sizes.HeaderLeft / tx);
        for (QWidget* caption : {static_cast<QWidget*>(c.ToButton), static_cast<QWidget*>(c.CCButton),
                                 static_cast<QWidget*>(c.BccButton), static_cast<QWidget*>(c.SubjectLabel)})
            caption->resize(qMax(0, headerLeft - caption->x() - kCaptionGapPx), caption->height());
        if (QWidget* view = c.ViewControl(MessageLogShown)) view->move(qRound(sizes.ViewControl.Left / tx), view->y());
        if (MessageLogShown == 0) {
            for (QLineEdit* field : {c.ToFieldText, c.CCFieldText, c.SubjectFieldText, c.BccFieldText})
                field->setGeometry(headerLeft, field->y(), qRound(sizes.HeaderWidth / tx), field->height());
            // The Send button takes the right end of the Subject row.
            const int gap = 4;
            QLineEdit* subject = c.SubjectFieldText;
            const int sendWidth = qMin(c.SendButton->sizeHint().width() + 16, subject->width() / 3);
            subject->resize(qMax(0, subject->width() - sendWidth - gap), subject->height());
            c.SendButton->setGeometry(subject->x() + subject->width() + gap, subject->y(), sendWidth,
                                      subject->height());
        } else if (QWidget* view = c.ViewControl(MessageLogShown)) {
            size(view, sizes.ViewControl.Width, sizes.ViewControl.Height);
        }
        m_statusPanels[0]->setFixedWidth(qRound(sizes.PanelWidths[0] / tx));
        m_statusPanels[2]->setFixedWidth(qRound(sizes.PanelWidths[2] / tx));
    } catch (const std::exception& e) {
        // No retry here: the next resize or set-up lays the window out again.
        const int number = 5;
        MessageBoxRequest box;
        box.text = FormatMlString(
            m_foundation.Strings.GetMlString(2707, "(MainForm.Resize) Error '%0': %1."),
            {number, QString::fromUtf8(e.what())});
        box.title = m_foundation.Strings.GetMlString(2546, "Error") + QString::number(number);
        box.buttons = MsgButtons::Ok;
        if (m_foundation.Os.Boxes) m_foundation.Os.Boxes->Show(box, this);
    }
    --m_resizeDepth;
}

void MainForm::SetCompactMode(bool bCompact, bool bSave) {
    m_mnuCompactMode->setChecked(bCompact);
    if (bSave) SetIniValue(m_foundation, "[Compact Mode]", bCompact ? "1" : "0", false);
    m_rowWanted.LogFrame = m_rowWanted.Cc = m_rowWanted.Bcc = !bCompact;
    MainFormSetUp();
}

void MainForm::mnuCompactMode_Click() {
    SetCompactMode(!m_mnuCompactMode->isChecked(), true);
    if (HotList.Add) HotList.Add(2011, 0);
}

void MainForm::StartUpCompactMode() {
    SetCompactMode(GetIniValue(m_foundation, "[Compact Mode]") == QLatin1String("1"), true);
    const QScreen* s = screen();
    if (s != nullptr && s->geometry().height() < kSmallScreenHeightPx) {
        SetCompactMode(true, true);
        m_mnuCompactMode->setEnabled(false);
    }
}

bool MainForm::EditorAddressRowShown(int list) const {
    if (list == 0) return true;
    if (m_mnuCompactMode->isChecked()) return false;
    if (list == 1) return m_rowWanted.EditorCcAllowed;
    if (list == 2) return m_rowWanted.EditorBccAllowed;
    return false;
}

void MainForm::ShowToField(bool visible) {
    m_controls->ToFieldText->setVisible(visible);
    m_controls->ToButton->setVisible(visible);
}
void MainForm::ShowCcField(bool visible) {
    m_controls->CCFieldText->setVisible(visible);
    m_controls->CCButton->setVisible(visible);
}
void MainForm::ShowBCcField(bool visible) {
    m_controls->BccFieldText->setVisible(visible);
    m_controls->BccButton->setVisible(visible);
}
void MainForm::ShowSubjectField(bool visible) {
    m_controls->SubjectFieldText->setVisible(visible);
    m_controls->SubjectLabel->setVisible(visible);
    m_controls->SendButton->setVisible(visible && MessageLogShown == 0);
}
void MainForm::ShowLogFrame(bool visible) { m_controls->LogFrame->setVisible(visible); }

void MainForm::mnuViewEditor_Click() {
    if (EditorButton_Click) EditorButton_Click();
}

void MainForm::mnuViewDistressEditor_Click() {
    if (DistressEditorButton_Click) DistressEditorButton_Click();
}

void MainForm::ArrangeViewButtons() {
    MainFormControls& c = *m_controls;
    const double ty = TwipsPerPixelY();
    const auto twips = [ty](const QWidget* w) { return qRound(w->height() * ty); };
    ViewButtonsInput in;
    in.DistressEditorButtonVisible = !c.DistressEditorButton->isHidden();
    in.Compact = m_mnuCompactMode->isChecked();
    in.FormsMenuVisible = m_mnuForms->menuAction()->isVisible();
    in.EditorHeight = twips(c.EditorButton);
    in.DistressHeight = twips(c.DistressEditorButton);
    in.InboxHeight = twips(c.InboxButton);
    in.OutboxHeight = twips(c.OutboxButton);
    in.EGCHeight = twips(c.EGCButton);
    in.FormsHeight = twips(c.FormsButton);
    const ViewButtonsLayout out = tidepost::ArrangeViewButtons(in);
    if (!out.Arranged) return;
    const auto top = [ty](QWidget* w, int t) { w->move(w->x(), qRound(t / ty)); };
    top(c.InboxButton, out.InboxTop);
    top(c.OutboxButton, out.OutboxTop);
    top(c.EGCButton, out.EGCTop);
    if (out.FormsVisible) top(c.FormsButton, out.FormsTop);
    c.FormsButton->setVisible(out.FormsVisible);
    m_logFrameHeight = out.FrameHeight;
    c.LogFrame->resize(c.LogFrame->width(), qRound(out.FrameHeight / ty));
}

}  // namespace tidepost
