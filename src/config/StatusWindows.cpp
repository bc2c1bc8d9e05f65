#include "config/StatusWindows.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "foundation/FixedPitchFont.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/CommonDialogs.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

QPushButton* NewButton(QWidget* parent, const char* name, const char* text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// The box shows plain line breaks; the text keeps the transceiver's own.
QString ForDisplay(QString text) { return text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n')); }

void Centre(Foundation& f, QWidget& window) {
    window.adjustSize();
    CentreOverMainWindow(window, f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr);
}

void Raise(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

}  // namespace

// ---- StatusTextWindow ----

StatusTextWindow::StatusTextWindow(Config& c, const Design& design)
    : CaptionedWindow(c.F, design.name, kFixedDialog), m_c(c), m_saveFileName(design.saveFileName) {
    setWindowTitle(design.title);
    statusoutput = new QPlainTextEdit(this);
    statusoutput->setObjectName("statusoutput");
    statusoutput->setReadOnly(true);
    statusoutput->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    statusoutput->setFocusPolicy(Qt::StrongFocus);
    statusoutput->setTabChangesFocus(true);
    statusoutput->setLineWrapMode(QPlainTextEdit::NoWrap);
    statusoutput->setFont(FixedPitchFont(10));
    statusoutput->setAccessibleName(design.title);
    statusoutput->setMinimumSize(Twips(8400), Twips(4800));
    OKButton = NewButton(this, "OKButton", design.okText);
    CancelButton = NewButton(this, "CancelButton", design.cancelText);
    SaveButton = NewButton(this, "SaveButton", design.saveText);
    PrintButton = NewButton(this, "PrintButton", design.printText);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(statusoutput);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {OKButton, CancelButton, SaveButton, PrintButton}) buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    setTabOrder(statusoutput, OKButton);
    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, SaveButton);
    setTabOrder(SaveButton, PrintButton);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(SaveButton, &QPushButton::clicked, this, [this] { SaveButton_Click(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    // A window with a multi-line box has a cancel button only: Esc, no default.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });
}

void StatusTextWindow::ShowForm() { Raise(*this); }

void StatusTextWindow::SetStatusOutput(const QString& text) {
    m_text = text;
    statusoutput->setPlainText(ForDisplay(text));
    statusoutput->moveCursor(QTextCursor::End);
}

void StatusTextWindow::CancelButton_Click() { Unload(); }

void StatusTextWindow::SaveButton_Click() {
    // Empty: the save dialog starts in the saved-files folder.
    QString folder;
    SaveToFile(m_c.L, this, m_text, m_saveFileName, SaveTitle(), folder);
}

void StatusTextWindow::PrintButton_Click() { PrintText(m_c.L, this, m_text, 0); }

void StatusTextWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    Unload();
}

// ---- TransceiverStatusForm ----

TransceiverStatusForm::TransceiverStatusForm(Config& c)
    : StatusTextWindow(c, {"TransceiverStatusForm", "Transceiver Status", "&Ok", "&Cancel", "&Save...", "&Print...",
                           "Status.txt"}) {
    AddCaption(2515, [this](const QString& t) {
        setWindowTitle(t);
        statusoutput->setAccessibleName(t);
    });
    AddCaption(4, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(2166, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2362, [this](const QString& t) { PrintButton->setText(t); });
    AddCaption(1980, [this](const QString& t) { SaveButton->setText(t); });
    FinishLoad();
    Centre(m_f, *this);
    SetStatusOutput(QString());
}

QString TransceiverStatusForm::SaveTitle() const { return QStringLiteral("Save Transceiver status"); }
void TransceiverStatusForm::Unload() { m_c.Status->TransceiverStatusForm.unload(); }

// ---- GPSStatusForm ----

GPSStatusForm::GPSStatusForm(Config& c)
    : StatusTextWindow(c, {"GPSStatusForm", "GPS Status", "OK", "Cancel", "&Save...", "&Print...", "GPSStatus.txt"}) {
    AddCaption(2328, [this](const QString& t) {
        setWindowTitle(t);
        statusoutput->setAccessibleName(t);
    });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2329, [this](const QString& t) { PrintButton->setText(t); });
    AddCaption(2330, [this](const QString& t) { SaveButton->setText(t); });
    FinishLoad();
    Centre(m_f, *this);
}

QString GPSStatusForm::SaveTitle() const { return m_f.Strings.GetMlString(2648, "Save GPS status"); }
void GPSStatusForm::Unload() { m_c.Status->GPSStatusForm.unload(); }

// ---- LinkTestForm ----

LinkTestForm::LinkTestForm(Config& c) : CaptionedWindow(c.F, "LinkTestForm", kFixedDialog), m_c(c) {
    setWindowTitle("Linktest");
    Frame1 = new QGroupBox("Link test results", this);
    Frame1->setObjectName("Frame1");
    LinkTestResult = new QLabel(Frame1);
    LinkTestResult->setObjectName("LinkTestResult");
    LinkTestResult->setTextFormat(Qt::PlainText);
    LinkTestResult->setFont(FixedPitchFont(10));
    LinkTestResult->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LinkTestResult->setMinimumSize(Twips(6000), Twips(1800));
    auto* frame = new QVBoxLayout(Frame1);
    frame->addWidget(LinkTestResult);
    ExecuteButton = NewButton(this, "ExecuteButton", "&Execute");
    CancelButton = NewButton(this, "CancelButton", "Cancel");
    PrintButton = NewButton(this, "PrintButton", "&Print...");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {ExecuteButton, CancelButton, PrintButton}) buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    setTabOrder(ExecuteButton, CancelButton);
    setTabOrder(CancelButton, PrintButton);
    connect(ExecuteButton, &QPushButton::clicked, this, [this] { ExecuteButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    connect(PrintButton, &QPushButton::clicked, this, [this] { PrintButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    SetLinkTestResult("No test results");
    AddCaption(2349, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    AddCaption(2350, [this](const QString& t) { ExecuteButton->setText(t); });
    AddCaption(2351, [this](const QString& t) { Frame1->setTitle(t); });
    AddCaption(2352, [this](const QString& t) { SetLinkTestResult(t); });
    AddCaption(2329, [this](const QString& t) { PrintButton->setText(t); });
    FinishLoad();
    Centre(m_f, *this);
}

void LinkTestForm::ShowForm() { Raise(*this); }

void LinkTestForm::SetLinkTestResult(const QString& text) {
    m_result = text;
    LinkTestResult->setText(ForDisplay(text));
}

void LinkTestForm::ExecuteButton_Click() {
    const Foundation& f = m_f;
    MessageBoxRequest box;
    box.title = f.Strings.GetMlString(2657, "Link test warning");
    box.text = f.Strings.GetMlString(2654, "ATTENTION!") + "\r\n\r\n" +
               f.Strings.GetMlString(2655, "A Link test can take up to about 30 minutes.") + "\r\n\r\n" +
               f.Strings.GetMlString(2656, "Do you want to proceed with the Link test?");
    box.buttons = MsgButtons::OkCancel;
    box.icon = MsgIcon::Warning;
    if (!m_f.Os.Boxes || m_f.Os.Boxes->Show(box, this) != MsgAnswer::Ok) return;
    QueueCommand(m_c.L, QStringLiteral("test"), true, false);
    QueueMessageBox(m_f, f.Strings.GetMlString(2658, "The Link test Request has been sent."),
                    f.Strings.GetMlString(2659, "Link test"), 0);
    CancelButton_Click();
}

void LinkTestForm::CancelButton_Click() { m_c.Status->LinkTestForm.unload(); }

void LinkTestForm::PrintButton_Click() { PrintText(m_c.L, this, m_result, 0); }

void LinkTestForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Status->LinkTestForm.unload();
}

}  // namespace tidepost
