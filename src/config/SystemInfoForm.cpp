#include "config/SystemInfoForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/WindowPlacement.h"
#include "link/Link.h"
#include "platform/ISerialControl.h"

namespace tidepost {

namespace {

QLabel* NewLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    // Values come from the transceiver: never read as markup.
    label->setTextFormat(Qt::PlainText);
    return label;
}

QString Entry(const QStringList& names, int index) { return index >= 0 && index < names.size() ? names[index] : QString(); }

}  // namespace

SystemInfoForm::SystemInfoForm(Config& c) : CaptionedWindow(c.F, "SystemInfoForm", kFixedDialog), m_c(c) {
    setWindowTitle("System Information");
    Frame1 = new QGroupBox("Info", this);
    Frame1->setObjectName("Frame1");
    const QString unknown = "<unknown>";
    SoftwareVersionLabel = NewLabel(Frame1, "SoftwareVersionLabel", "Tidepost version");
    MobileTypeLabel = NewLabel(Frame1, "MobileTypeLabel", "Mobile type");
    ProductLabel = NewLabel(Frame1, "ProductLabel", "Product");
    SolasLabel = NewLabel(Frame1, "SolasLabel", "SOLAS type");
    TransceiverSWLabel = NewLabel(Frame1, "TransceiverSWLabel", "Transceiver firmware");
    SerieNrLabel = NewLabel(Frame1, "SerieNrLabel", "Transceiver S/N");
    MobileNumberLabel = NewLabel(Frame1, "MobileNumberLabel", "Mobile number");
    ComPortLabel = NewLabel(Frame1, "ComPortLabel", "Connection");
    SwVersion = NewLabel(Frame1, "SwVersion", unknown);
    MobileType = NewLabel(Frame1, "MobileType", unknown);
    Product = NewLabel(Frame1, "Product", unknown);
    Solas = NewLabel(Frame1, "Solas", unknown);
    TransceiverSw = NewLabel(Frame1, "TransceiverSw", unknown);
    SerieNr = NewLabel(Frame1, "SerieNr", unknown);
    MobileNumber = NewLabel(Frame1, "MobileNumber", unknown);
    ComPort = NewLabel(Frame1, "ComPort", unknown);
    const std::array<QLabel*, 8> captions{SoftwareVersionLabel, MobileTypeLabel, ProductLabel, SolasLabel,
                                          TransceiverSWLabel,   SerieNrLabel,    MobileNumberLabel, ComPortLabel};
    const std::array<QLabel*, 8> values{SwVersion, MobileType, Product, Solas, TransceiverSw, SerieNr, MobileNumber, ComPort};
    auto* grid = new QGridLayout(Frame1);
    for (int row = 0; row < 8; ++row) {
        Label1[row] = NewLabel(Frame1, "", ":");
        Label1[row]->setObjectName(QString("Label1(%1)").arg(row));
        grid->addWidget(captions[row], row, 0);
        grid->addWidget(Label1[row], row, 1);
        grid->addWidget(values[row], row, 2);
        values[row]->setMinimumWidth(Twips(3000));
    }
    OKButton = new QPushButton("&OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { OKButton_Click(); });

    AddCaption(2495, [this](const QString& t) { setWindowTitle(t); });
    // A change of language shows "<unknown>" until the next update.
    for (QLabel* value : values) AddCaption(316, [value](const QString& t) { value->setText(t); });
    AddCaption(3012, [this](const QString& t) { ComPortLabel->setText(t); });
    AddCaption(12, [this](const QString& t) { Frame1->setTitle(t); });
    for (QLabel* colon : Label1) AddCaption(2566, [colon](const QString& t) { colon->setText(t); });
    AddCaption(2499, [this](const QString& t) { MobileNumberLabel->setText(t); });
    AddCaption(2500, [this](const QString& t) { MobileTypeLabel->setText(t); });
    AddCaption(3, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(2501, [this](const QString& t) { ProductLabel->setText(t); });
    AddCaption(2498, [this](const QString& t) { SerieNrLabel->setText(t); });
    AddCaption(2497, [this](const QString& t) { SoftwareVersionLabel->setText(t); });
    AddCaption(2502, [this](const QString& t) { SolasLabel->setText(t); });
    AddCaption(2496, [this](const QString& t) { TransceiverSWLabel->setText(t); });
    FinishLoad();
    Update();
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

void SystemInfoForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void SystemInfoForm::Update() {
    const CSession& s = m_f.gSession;
    const QString unknown = m_f.Strings.GetMlString(316, "<unknown>");
    SwVersion->setText(m_f.VersionText);
    MobileType->setText(Entry(m_f.MobileTypeNames, s.MobileType()));
    Product->setText(Entry(m_f.ProductModelNames, s.ProductModel()));
    switch (s.SolasType()) {
    case 1: Solas->setText("Non-SOLAS without Distress"); break;
    case 2: Solas->setText("Non-SOLAS with Distress"); break;
    case 3: Solas->setText("SOLAS"); break;
    default: Solas->setText(unknown); break;
    }
    TransceiverSw->setText(s.SwVerInt() < 1 ? unknown : s.SwVerStr());
    const QString serial = m_c.L.Transceiver.TransceiverSerialNumber;
    SerieNr->setText(serial.isEmpty() ? unknown : serial);
    MobileNumber->setText(s.MobileNumber() < 1 ? unknown : QString::number(s.MobileNumber()));
    const QString host = GetIniValue(m_f, "[HOST Interface]");
    const ISerialControl* port = m_f.Os.Serial;
    if (host == QLatin1String("COM") && port && port->PortOpen())
        ComPort->setText(QString("COM port %1 @ %2").arg(port->CommPort()).arg(port->Settings()));
    else if (host == QLatin1String("LAN"))
        ComPort->setText(m_f.Strings.GetMlString(3043, "Local Area Network"));
    else
        ComPort->setText(unknown);
}

void SystemInfoForm::OKButton_Click() { m_c.Status->SystemInfoForm.unload(); }

void SystemInfoForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.Status->SystemInfoForm.unload();
}

}  // namespace tidepost
