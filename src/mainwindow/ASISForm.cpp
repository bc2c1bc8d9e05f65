#include "mainwindow/ASISForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/WindowPlacement.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

ASISForm::ASISForm(Foundation& f, QWidget* mainWindow, std::function<void()> unload)
    : QDialog(mainWindow, kFixedDialog), m_f(f), m_mainWindow(mainWindow),
      m_unload(std::move(unload)) {
    setObjectName("ASISForm");
    setWindowTitle("IMPORTANT Agreement.");
    Label2 = new QLabel("IMPORTANT!   Please read below agreement!", this);
    Label2->setObjectName("Label2");
    QFont bold = Label2->font();
    bold.setBold(true);
    Label2->setFont(bold);
    DisclaimerTextBox = new QPlainTextEdit(this);
    DisclaimerTextBox->setObjectName("DisclaimerTextBox");
    DisclaimerTextBox->setReadOnly(true);
    // Tab leaves the text for the buttons; the arrows and Page keys scroll it.
    DisclaimerTextBox->setTabChangesFocus(true);
    DisclaimerTextBox->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    Label2->setBuddy(DisclaimerTextBox);
    AcceptButton = new QPushButton("I accept!", this);
    AcceptButton->setObjectName("AcceptButton");
    Command1 = new QPushButton("I don't accept", this);
    Command1->setObjectName("Command1");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(AcceptButton);
    buttons->addWidget(Command1);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(DisclaimerTextBox, 1);
    layout->addLayout(buttons);
    setTabOrder(DisclaimerTextBox, AcceptButton);
    setTabOrder(AcceptButton, Command1);
    setFixedSize(Twips(8700), Twips(6600));

    connect(AcceptButton, &QPushButton::clicked, this, &ASISForm::AcceptButton_Click);
    connect(Command1, &QPushButton::clicked, this, &ASISForm::Command1_Click);
    connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this, &ASISForm::ml_RuntimeSupport_LanguageChanged);

    m_captions = {
        {2183, [this](const QString& text) { setWindowTitle(text); }},
        {2186, [this](const QString& text) { Label2->setText(text); }},
        {2185, [this](const QString& text) { AcceptButton->setText(text); }},
        {2184, [this](const QString& text) { Command1->setText(text); }},
    };
    ApplyCaptions();
    DisclaimerTextBox->setAccessibleName(Label2->text());
    PlaceOverMainWindow();
    // The operator reads the agreement first; a screen reader starts there too.
    DisclaimerTextBox->setFocus();
}

void ASISForm::ApplyCaptions() {
    ApplyCaptionList(m_f, m_captions);
    m_f.Strings.ApplyLanguageCharset(this);
}

void ASISForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
}

void ASISForm::PlaceOverMainWindow() {
    if (m_mainWindow) {
        if (m_mainWindow->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
            m_mainWindow->setWindowState(Qt::WindowNoState);
        m_mainWindow->move(qMax(0, m_mainWindow->x()), qMax(0, m_mainWindow->y()));
    }
    // The start-up hides the main window behind the disclaimer: it then stands in the middle of the
    // screen, where the main window will appear.
    CentreOverMainWindow(*this, m_mainWindow && m_mainWindow->isVisible() ? m_mainWindow : nullptr);
}

void ASISForm::LoadText() { DisclaimerTextBox->setPlainText(GetDisclaimerText(m_f)); }

void ASISForm::AcceptButton_Click() {
    // Written at once, so a failure later in this run does not bring the disclaimer back.
    SetIniValue(m_f, "[AS IS Accepted?]", "YES", true);
    QWidget* mainWindow = m_mainWindow;
    hide();
    if (m_unload) m_unload();
    if (mainWindow) mainWindow->show();
}

void ASISForm::Command1_Click() {
    if (m_f.Os.Serial && m_f.Os.Serial->PortOpen()) m_f.Os.Serial->Close();
    if (m_f.Os.Socket && m_f.Os.Socket->SocketState() != ISocketControl::Closed) m_f.Os.Socket->Close();
    // The exit asks first; answered No, the disclaimer stays for another answer.
    if (m_f.Windows.MainForm) m_f.Windows.MainForm->mnuExit_Click();
}

}  // namespace tidepost
