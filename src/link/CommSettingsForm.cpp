#include "link/CommSettingsForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommSettingsActions.h"
#include "link/LanDiscovery.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "link/SerialLink.h"
#include "link/TcuAddressText.h"
#include "platform/IMessageBoxes.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

constexpr int kLastPort = 16;
constexpr int kTimer1Ms = 5000;
// How often a wait looks at the socket; short, so the answer is taken as soon as it is there.
constexpr int kWaitStepMs = 25;
const QString kGettingAddresses = QStringLiteral("<Getting IP addresses...>");
const QStringList kBaudRates = {"2400", "4800", "7200", "9600", "14400", "19200", "38400", "57600", "115200"};

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

CommSettingsForm::CommSettingsForm(Link& link, QWidget* owner) : QDialog(owner), m_link(link) {
    setObjectName("CommSettingsForm");
    setWindowTitle("Communication setup");
    setModal(false);
    BuildControls();

    Timer1 = Named(new QTimer(this), "Timer1");
    Timer1->setInterval(kTimer1Ms);
    connect(Timer1, &QTimer::timeout, this, &CommSettingsForm::Timer1_Timer);
    TimeOutTimer = Named(new QTimer(this), "TimeOutTimer");
    TimeOutTimer->setInterval(kWaitStepMs);
    connect(TimeOutTimer, &QTimer::timeout, this, &CommSettingsForm::TimeOutTimer_Timer);

    // The load.
    Foundation& f = m_link.F;
    ml_RuntimeSupport = connect(&f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &CommSettingsForm::ml_RuntimeSupport_LanguageChanged);
    ApplyCaptions();
    f.Strings.ApplyLanguageCharset(this);
    FillComPortList();
    TcuIpAdrList->setEditText(GetIniValue(f, "[IP Settings]"));
    FillBaudRateList();
}

CommSettingsForm::~CommSettingsForm() { disconnect(ml_RuntimeSupport); }

void CommSettingsForm::BuildControls() {
    Option1 = Named(new QRadioButton(this), "Option1");
    Label4 = Named(new QLabel("Serial Communication", this), "Label4");
    Option2 = Named(new QRadioButton(this), "Option2");
    Label5 = Named(new QLabel("LAN Communication", this), "Label5");
    Label4->setBuddy(Option1);
    Label5->setBuddy(Option2);
    Label4->installEventFilter(this);
    Label5->installEventFilter(this);

    Frame1 = Named(new QGroupBox("Serial Port Settings", this), "Frame1");
    Label1 = Named(new QLabel("Com port:", Frame1), "Label1");
    ComPortList = Named(new QComboBox(Frame1), "ComPortList");
    Label2 = Named(new QLabel("Baud rate:", Frame1), "Label2");
    BaudRateList = Named(new QComboBox(Frame1), "BaudRateList");
    Label1->setBuddy(ComPortList);
    Label2->setBuddy(BaudRateList);
    auto* serialGrid = new QGridLayout(Frame1);
    serialGrid->addWidget(Label1, 0, 0);
    serialGrid->addWidget(ComPortList, 0, 1);
    serialGrid->addWidget(Label2, 1, 0);
    serialGrid->addWidget(BaudRateList, 1, 1);
    serialGrid->setColumnStretch(1, 1);

    Frame2 = Named(new QGroupBox("LAN Port Settings", this), "Frame2");
    Label7 = Named(new QLabel("TCU IP address:", Frame2), "Label7");
    TcuIpAdrList = Named(new QComboBox(Frame2), "TcuIpAdrList");
    TcuIpAdrList->setEditable(true);
    // Typed text is an address to use, not an entry to add to the list.
    TcuIpAdrList->setInsertPolicy(QComboBox::NoInsert);
    TcuIpAdrList->setEditText("<Select from list>");
    TcuIpAdrList->setMinimumContentsLength(15);
    Label6 = Named(new QLabel("PC IP address:", Frame2), "Label6");
    PCIPAdr = Named(new QLabel("0.0.0.0", Frame2), "PCIPAdr");
    PCIPAdr->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label7->setBuddy(TcuIpAdrList);
    auto* lanGrid = new QGridLayout(Frame2);
    lanGrid->addWidget(Label7, 0, 0);
    lanGrid->addWidget(TcuIpAdrList, 0, 1);
    lanGrid->addWidget(Label6, 1, 0);
    lanGrid->addWidget(PCIPAdr, 1, 1);
    lanGrid->setColumnStretch(1, 1);

    FixedTcuAddressFrame = Named(new QGroupBox("Set fixed TCU IP address", this), "FixedTcuAddressFrame");
    FFIP = Named(new QCheckBox(FixedTcuAddressFrame), "FFIP");
    FFIP->setAccessibleName("Set fixed TCU IP address");
    ForcedIP = Named(new QLineEdit(FixedTcuAddressFrame), "ForcedIP");
    ForcedIP->setAccessibleName("Fixed TCU IP address");
    ForcedIP->setMaxLength(64);
    SetFixedIpButton = Named(new QPushButton("Set", FixedTcuAddressFrame), "SetFixedIpButton");
    ClearFixedIpButton = Named(new QPushButton("Clear", FixedTcuAddressFrame), "ClearFixedIpButton");
    auto* fixedRow = new QHBoxLayout(FixedTcuAddressFrame);
    fixedRow->addWidget(FFIP);
    fixedRow->addWidget(ForcedIP, 1);
    fixedRow->addWidget(SetFixedIpButton);
    fixedRow->addWidget(ClearFixedIpButton);

    OKButton = Named(new QPushButton("OK", this), "OKButton");
    CancelButton = Named(new QPushButton("Cancel", this), "CancelButton");
    OKButton->setDefault(true);

    auto* serialChoice = new QHBoxLayout;
    serialChoice->addWidget(Option1);
    serialChoice->addWidget(Label4, 1);
    auto* lanChoice = new QHBoxLayout;
    lanChoice->addWidget(Option2);
    lanChoice->addWidget(Label5, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* column = new QVBoxLayout(this);
    column->addLayout(serialChoice);
    column->addWidget(Frame1);
    column->addLayout(lanChoice);
    column->addWidget(Frame2);
    column->addWidget(FixedTcuAddressFrame);
    column->addLayout(buttons);

    QWidget* order[] = {Option1,  ComPortList,      BaudRateList,       Option2,  TcuIpAdrList, FFIP,
                        ForcedIP, SetFixedIpButton, ClearFixedIpButton, OKButton, CancelButton};
    for (size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);

    connect(OKButton, &QPushButton::clicked, this, &CommSettingsForm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &CommSettingsForm::CancelButton_Click);
    // Selecting an option, by the operator or from code, runs its handling when the choice changes.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        KeepChosenOptionTabStop();
        if (on) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        KeepChosenOptionTabStop();
        if (on) Option2_Click();
    });
    connect(FFIP, &QCheckBox::toggled, this, &CommSettingsForm::FFIP_Click);
    connect(SetFixedIpButton, &QPushButton::clicked, this, &CommSettingsForm::SetFixedIpButton_Click);
    connect(ClearFixedIpButton, &QPushButton::clicked, this, &CommSettingsForm::ClearFixedIpButton_Click);
}

void CommSettingsForm::KeepChosenOptionTabStop() {
    // Tab reaches the pair of options at the chosen one, as in any radio group (left to itself,
    // Qt keeps the one that had the focus last); the arrow keys move between them.
    const bool none = !Option1->isChecked() && !Option2->isChecked();
    for (QRadioButton* option : {Option1, Option2}) {
        const bool stop = none || option->isChecked();
        option->setFocusPolicy(stop ? Qt::StrongFocus : Qt::FocusPolicy(Qt::StrongFocus & ~Qt::TabFocus));
    }
}

void CommSettingsForm::ApplyCaptions() {
    const MlStrings& s = m_link.F.Strings;
    SetWindowCaption(s, this, 2188);
    SetCaption(s, Label4, 3140);
    SetCaption(s, Label5, 3025);
    SetCaption(s, Frame1, 3141);
    SetCaption(s, Label1, 2191);
    SetCaption(s, Label2, 2190);
    SetCaption(s, Frame2, 3142);
    SetCaption(s, Label7, 3143);
    SetCaption(s, Label6, 3023);
    SetCaption(s, PCIPAdr, 3055);
    SetCaption(s, ClearFixedIpButton, 2197);
    SetCaption(s, OKButton, 1906);
    SetCaption(s, CancelButton, 9);
    // The option buttons have no text of their own: a screen reader names them by their labels.
    Option1->setAccessibleName(Label4->text());
    Option2->setAccessibleName(Label5->text());
    PCIPAdr->setAccessibleName(Label6->text());
}

void CommSettingsForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_link.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    m_link.F.Strings.ApplyLanguageCharset(this);
}

void CommSettingsForm::FillComPortList() {
    ComPortList->clear();
    BaudRateList->clear();
    // The probe leaves the port in use alone (IsComPortAvailable), so nothing is to be restored.
    for (int n = 1; n <= kLastPort; ++n)
        if (IsComPortAvailable(m_link.F, n)) ComPortList->addItem(QString::number(n));
}

void CommSettingsForm::FillBaudRateList() {
    Foundation& f = m_link.F;
    const QString port = GetIniValue(f, "[COM port]");
    const QString baud = GetField(1, ",", GetIniValue(f, "[COM Settings]"));
    BaudRateList->clear();
    BaudRateList->addItems(kBaudRates);
    const int portIndex = ComPortList->findText(port);
    if (portIndex >= 0) ComPortList->setCurrentIndex(portIndex);
    else if (ComPortList->count() > 0) ComPortList->setCurrentIndex(0);
    const int baudIndex = BaudRateList->findText(baud);
    BaudRateList->setCurrentIndex(baudIndex >= 0 ? baudIndex : 0);
}

void CommSettingsForm::FillTcuList() {
    Foundation& f = m_link.F;
    TcuIpAdrList->clear();
    for (const QString& address : f.gConfiguration.SlpTcuAddresses())
        if (!address.isEmpty()) TcuIpAdrList->addItem(address);
    const QString stored = GetIniValue(f, "[IP Settings]");
    TcuIpAdrList->setEditText(stored.isEmpty() ? "<" + MlText(f, 3056, "Select From List") + ">" : stored);
}

void CommSettingsForm::FillTcuListWhenFound() {
    if (!IsFindingTcuAddresses(m_link)) {
        FillTcuList();
        return;
    }
    TcuIpAdrList->setEditText(kGettingAddresses);
    m_tcuListPending = true;
    RunTimeOutTimer();
}

void CommSettingsForm::Form_Activate() {
    Timer1->setInterval(kTimer1Ms);
    Timer1->start();
    // The address shown is the current one from the start, not only after the first 5 s.
    Timer1_Timer();
    if (GetIniValue(m_link.F, "[HOST Interface]") == QLatin1String("LAN")) {
        Option2->setChecked(true);
        FillTcuListWhenFound();
    } else {
        Option1->setChecked(true);
    }
    EnableFixedIpControls(SocketConnected());
}

void CommSettingsForm::Form_Deactivate() { Timer1->stop(); }

void CommSettingsForm::Timer1_Timer() {
    if (isVisible() && m_link.F.Os.Socket) PCIPAdr->setText(m_link.F.Os.Socket->LocalIP());
}

void CommSettingsForm::Option1_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{ComPortList, Label2, BaudRateList, Frame1, Label1})
        w->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{Label7, TcuIpAdrList, FFIP, ForcedIP, Frame2, Label6, PCIPAdr})
        w->setEnabled(false);
    EnableFixedIpControls(SocketConnected());
}

void CommSettingsForm::Option2_Click() {
    for (QWidget* w : std::initializer_list<QWidget*>{Frame2, FFIP, Label6, PCIPAdr}) w->setEnabled(true);
    SetForcedIpMode(FFIP->isChecked());
    EnableFixedIpControls(SocketConnected());
    for (QWidget* w : std::initializer_list<QWidget*>{Label1, ComPortList, Label2, BaudRateList, Frame1})
        w->setEnabled(false);
    if (m_link.F.Os.Socket) PCIPAdr->setText(m_link.F.Os.Socket->LocalIP());
    TcuIpAdrList->setEditText(kGettingAddresses);
    FindTcuAddresses(m_link);
    FillTcuListWhenFound();
}

void CommSettingsForm::Label4_Click() { Option1->setChecked(true); }
void CommSettingsForm::Label5_Click() { Option2->setChecked(true); }

void CommSettingsForm::FFIP_Click() { SetForcedIpMode(FFIP->isChecked()); }

void CommSettingsForm::SetForcedIpMode(bool on) {
    Label7->setEnabled(!on);
    TcuIpAdrList->setEnabled(!on);
    ForcedIP->setEnabled(on);
    if (isVisible()) (on ? static_cast<QWidget*>(ForcedIP) : TcuIpAdrList)->setFocus();
}

void CommSettingsForm::EnableFixedIpControls(bool enabled) {
    FixedTcuAddressFrame->setEnabled(enabled);
    ForcedIP->setEnabled(enabled);
    SetFixedIpButton->setEnabled(enabled && !IsWaiting());
    ClearFixedIpButton->setEnabled(enabled && !IsWaiting());
}

void CommSettingsForm::EnableWaitButtons() {
    const bool idle = !IsWaiting();
    // A button that is disabled while it has the focus hands it on; it gets it back after the
    // wait, so a keyboard user stays where they were.
    if (!idle && !m_focusBeforeWait) m_focusBeforeWait = focusWidget();
    OKButton->setEnabled(idle);
    CancelButton->setEnabled(idle);
    if (idle) {
        EnableFixedIpControls(SocketConnected());
    } else {
        SetFixedIpButton->setEnabled(false);
        ClearFixedIpButton->setEnabled(false);
    }
    if (idle && m_focusBeforeWait) {
        if (m_focusBeforeWait->isEnabled() && isVisible()) m_focusBeforeWait->setFocus(Qt::OtherFocusReason);
        m_focusBeforeWait = nullptr;
    }
}

void CommSettingsForm::RunTimeOutTimer() {
    if (!TimeOutTimer->isActive()) TimeOutTimer->start();
}

bool CommSettingsForm::SocketConnected() const {
    return m_link.F.Os.Socket != nullptr && m_link.F.Os.Socket->SocketState() == ISocketControl::Connected;
}

void CommSettingsForm::ShowInfo(int stringId, const QString& english) {
    MessageBoxRequest box;
    box.text = MlText(m_link.F, stringId, english);
    box.title = MlText(m_link.F, 12, "Info");
    box.buttons = MsgButtons::Ok;
    if (m_link.F.Os.Boxes) m_link.F.Os.Boxes->Show(box, this);
}

void CommSettingsForm::OKButton_Click() {
    if (IsWaiting()) return;
    if (Option1->isChecked()) SerialOk();
    else if (Option2->isChecked()) LanOk();
}

void CommSettingsForm::SerialOk() {
    // Checked before anything is changed: a refused OK leaves the links and the settings as they were.
    const QString port = ComPortList->currentText().trimmed();
    if (port.isEmpty()) {
        ShowInfo(2604, "Please select a COM port. If no COM port is available it must be installed in Windows.");
        return;
    }
    ChooseSerialLink(m_link, port, BaudRateList->currentText());
    CancelButton_Click();
}

void CommSettingsForm::LanOk() {
    const QString text = TcuIpAdrList->currentText();
    if (HasControlCharacter(text)) {
        ShowInfo(3145, "The TCU IP address must not contain control characters.");
        return;
    }
    const QString address = TcuAddressToSave(text);
    ChooseLanLink(m_link, address);
    // No address (a placeholder was left in the box): the LAN link finds the unit itself.
    if (address.isEmpty() || IsConnectedToTcu(m_link, address)) {
        CancelButton_Click();
        return;
    }
    ConnectToTcu(address);
}

void CommSettingsForm::ConnectToTcu(const QString& address) {
    StartTcuConnection(m_link, address);
    m_wait.Start(m_link, TcuWait::Kind::Connection);
    EnableWaitButtons();
    RunTimeOutTimer();
}

void CommSettingsForm::ConnectionWaitEnded(bool connected) {
    if (connected) {
        StartTcuBridge(m_link);
        StartBridgeWait(BridgeFor::Ok);
        return;
    }
    if (m_link.F.Os.Socket) m_link.F.Os.Socket->Close();
    EnableWaitButtons();
    ShowInfo(3049, "TCP/IP Timemout, please check IP address or try again");
}

void CommSettingsForm::StartBridgeWait(BridgeFor purpose) {
    m_bridgeFor = purpose;
    m_wait.Start(m_link, TcuWait::Kind::Bridge);
    EnableWaitButtons();
    RunTimeOutTimer();
}

void CommSettingsForm::BridgeWaitEnded(bool answered) {
    if (m_bridgeFor != BridgeFor::Ok) {
        // Set and Clear report nothing; a bridge that answered gives the engine its socket back.
        if (answered) BridgeAnsweredForDialog(m_link);
        EnableWaitButtons();
        return;
    }
    if (answered) {
        TcuBridgeReady(m_link);
        EnableWaitButtons();
        CancelButton_Click();
        return;
    }
    RebootSilentTcu(m_link);
    EnableWaitButtons();
    ShowInfo(3048, "Mini-C Terminal not responding, please try again");
}

void CommSettingsForm::TimeOutTimer_Timer() {
    // A message box shown from a step runs an event loop of its own; the timer waits for it.
    if (m_inWaitStep) return;
    m_inWaitStep = true;
    if (m_tcuListPending) {
        TakeTcuDiscoveryAnswers(m_link);
        if (!IsFindingTcuAddresses(m_link)) {
            m_tcuListPending = false;
            const QString shown = TcuIpAdrList->currentText();
            FillTcuList();
            // What the operator typed while the search ran stays.
            if (shown != kGettingAddresses) TcuIpAdrList->setEditText(shown);
        }
    }
    const TcuWait::Kind kind = m_wait.Running();
    if (kind != TcuWait::Kind::None) {
        const TcuWait::Outcome outcome = m_wait.Step(m_link);
        if (outcome != TcuWait::Outcome::Waiting) {
            const bool succeeded = outcome == TcuWait::Outcome::Succeeded;
            if (kind == TcuWait::Kind::Connection) ConnectionWaitEnded(succeeded);
            else BridgeWaitEnded(succeeded);
        }
    }
    if (!IsWaiting() && !m_tcuListPending) TimeOutTimer->stop();
    m_inWaitStep = false;
}

void CommSettingsForm::SetFixedIpButton_Click() {
    if (IsWaiting() || !SocketConnected()) return;
    const std::optional<QString> address = CheckFixedIpAddress(ForcedIP->text());
    if (!address) {
        ShowInfo(3144,
                 "Please enter the fixed IP address as four numbers from 0 to 255 separated by dots. "
                 "0.0.0.0, 255.255.255.255, 127.x.x.x and addresses from 224.0.0.0 up cannot be given to the TCU.");
        return;
    }
    SendFixedIpCommands(m_link, *address);
    StartBridgeWait(BridgeFor::SetFixedIp);
}

void CommSettingsForm::ClearFixedIpButton_Click() {
    if (IsWaiting() || !SocketConnected()) return;
    SendAutomaticIpCommands(m_link);
    StartBridgeWait(BridgeFor::ClearFixedIp);
}

void CommSettingsForm::CancelButton_Click() {
    m_wait.Stop();
    EnableWaitButtons();
    hide();
}

void CommSettingsForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) Form_Activate();
}

void CommSettingsForm::hideEvent(QHideEvent* event) {
    QDialog::hideEvent(event);
    if (!event->spontaneous()) Form_Deactivate();
}

void CommSettingsForm::closeEvent(QCloseEvent* event) {
    if (IsWaiting()) {
        event->ignore();
        return;
    }
    CancelButton_Click();
    event->accept();
}

void CommSettingsForm::reject() {
    if (!IsWaiting()) CancelButton_Click();
}

bool CommSettingsForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == Label4 && Label4->isEnabled()) Label4_Click();
        else if (watched == Label5 && Label5->isEnabled()) Label5_Click();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace tidepost
