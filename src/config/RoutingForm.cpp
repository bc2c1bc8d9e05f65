#include "config/RoutingForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/FolderChooser.h"
#include "config/Routing.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const char* const kRowNames[5] = {"Mail", "System", "FleetNET", "Safety", "Distress"};
const int kRowCaptions[5] = {2431, 2430, 2429, 2428, 2427};
const char* const kRowTexts[5] = {"Mail", "EGC System Messages", "EGC FleetNET Messages", "EGC SafetyNET Safety",
                                  "EGC SafetyNET Urgent+Distress"};
const char* const kColumnNames[3] = {"Disk", "LocalPrinter", "RemotePrinter"};
const char* const kHeader = "Disk          Local Printer   Remote Printer";
const char* const kPathNames[3] = {"InboxPath", "OutboxPath", "EGCPath"};
const char* const kPathButtonNames[3] = {"InboxPathButton", "OutboxPathButton", "EGCPathButton"};
const int kPathButtonCaptions[3] = {1932, 2426, 1936};
const char* const kPathButtonTexts[3] = {"Inbox", "Sent Items", "EGC"};
const char* const kIniKeys[3] = {"[inbox]", "[outbox]", "[egc]"};
// Classes whose traffic must stay on the transceiver's disk: safety and distress broadcasts.
constexpr int kFirstKeptOnDisk = 3;

}  // namespace

RoutingForm::RoutingForm(Config& c) : CaptionedWindow(c.F, "RoutingForm", kFixedDialog), m_c(c) {
    setWindowTitle("Routing");
    auto* routes = new QGroupBox(this);
    auto* grid = new QGridLayout(routes);
    auto* header = new QLabel(kHeader, routes);
    header->setObjectName("ColumnHeader");
    grid->addWidget(header, 0, 1, 1, 3);
    std::array<QLabel*, 5> rowLabels{};
    for (int row = 0; row < 5; ++row) {
        rowLabels[row] = new QLabel(kRowTexts[row], routes);
        grid->addWidget(rowLabels[row], row + 1, 0);
        for (int col = 0; col < 3; ++col) {
            auto* box = new QCheckBox(routes);
            box->setObjectName(QString(kRowNames[row]) + kColumnNames[col]);
            grid->addWidget(box, row + 1, col + 1, Qt::AlignHCenter);
            RouteBoxes[row][col] = box;
        }
    }
    // The disk copy of safety and distress broadcasts cannot be switched off.
    for (int row = kFirstKeptOnDisk; row < 5; ++row) {
        QCheckBox* disk = RouteBoxes[row][0];
        connect(disk, &QCheckBox::clicked, this, [disk](bool checked) {
            if (!checked) disk->setChecked(true);
        });
    }
    auto* printerLabel = new QLabel("Local Printer Setting:", this);
    OptionPC = new QRadioButton("PC", this);
    OptionPC->setObjectName("OptionPC");
    OptionModem = new QRadioButton("Modem", this);
    OptionModem->setObjectName("OptionModem");
    OptionOFF = new QRadioButton("OFF", this);
    OptionOFF->setObjectName("OptionOFF");
    for (QRadioButton* option : {OptionPC, OptionModem, OptionOFF})
        connect(option, &QRadioButton::toggled, this, [this, option](bool on) {
            if (on) EnableLocalPrinterColumn(option != OptionOFF);
        });
    auto* options = new QHBoxLayout;
    options->addWidget(printerLabel);
    options->addWidget(OptionPC);
    options->addWidget(OptionModem);
    options->addWidget(OptionOFF);
    options->addStretch();

    auto* folders = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        PathBoxes[i] = new QLineEdit(this);
        PathBoxes[i]->setObjectName(kPathNames[i]);
        PathBoxes[i]->setReadOnly(true);
        PathBoxes[i]->setMinimumWidth(Twips(4800));
        PathBoxes[i]->setStyleSheet("QLineEdit { background: palette(window); }");
        PathButtons[i] = new QPushButton(kPathButtonTexts[i], this);
        PathButtons[i]->setObjectName(kPathButtonNames[i]);
        PathBoxes[i]->setAccessibleName(kPathButtonTexts[i]);
        folders->addWidget(PathBoxes[i], i, 0);
        folders->addWidget(PathButtons[i], i, 1);
        connect(PathButtons[i], &QPushButton::clicked, this, [this, i] { FolderButton_Click(i); });
    }
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(routes);
    layout->addLayout(options);
    layout->addLayout(folders);
    layout->addLayout(buttons);

    QWidget* previous = nullptr;
    auto chain = [&previous](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (auto& row : RouteBoxes)
        for (QCheckBox* box : row) chain(box);
    chain(OptionPC);
    chain(OptionModem);
    chain(OptionOFF);
    for (int i = 0; i < 3; ++i) {
        chain(PathBoxes[i]);
        chain(PathButtons[i]);
    }
    chain(OKButton);
    chain(CancelButton);

    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    // Each box is named after its row and its column, as a screen reader reads the grid.
    auto nameBoxes = [this, rowLabels, header] {
        const QStringList columns = header->text().split(QRegularExpression(" {2,}"), Qt::SkipEmptyParts);
        for (int row = 0; row < 5; ++row)
            for (int col = 0; col < 3; ++col)
                RouteBoxes[row][col]->setAccessibleName(rowLabels[row]->text() + ": " +
                                                        columns.value(col, kColumnNames[col]));
    };
    AddCaption(321, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2432, [header](const QString& t) { header->setText(t); });
    for (int row = 0; row < 5; ++row)
        AddCaption(kRowCaptions[row], [label = rowLabels[row]](const QString& t) { label->setText(t); });
    AddCaption(2425, [printerLabel, this](const QString& t) {
        printerLabel->setText(t);
        for (QRadioButton* option : {OptionPC, OptionModem, OptionOFF})
            option->setAccessibleDescription(t);
    });
    AddCaption(2424, [this](const QString& t) { OptionPC->setText(t); });
    AddCaption(2423, [this](const QString& t) { OptionModem->setText(t); });
    AddCaption(2422, [this](const QString& t) { OptionOFF->setText(t); });
    for (int i = 0; i < 3; ++i)
        AddCaption(kPathButtonCaptions[i], [this, i](const QString& t) {
            PathButtons[i]->setText(t);
            PathBoxes[i]->setAccessibleName(t);
        });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    // Runs last, after the row and column texts of the language are in place.
    AddCaption(321, [nameBoxes](const QString&) { nameBoxes(); });
    nameBoxes();
    FinishLoad();
}

void RoutingForm::SetRoute(int routeClass, int mask) {
    for (size_t row = 0; row < kRouteClasses.size(); ++row) {
        if (kRouteClasses[row] != routeClass) continue;
        Route(static_cast<int>(row)) = mask;
        m_read[row] = true;
    }
}

int& RoutingForm::Route(int row) {
    switch (row) {
    case 0: return Route10;
    case 1: return Route30;
    case 2: return Route31;
    case 3: return Route32;
    default: return Route33;
    }
}

QString& RoutingForm::SharedFolder(int folder) {
    switch (folder) {
    case 0: return m_f.gInboxDir;
    case 1: return m_f.gOutboxDir;
    default: return m_f.gEgcDir;
    }
}

void RoutingForm::ShowForm() {
    if (!m_loaded) LoadControls();
    show();
    raise();
    activateWindow();
}

void RoutingForm::LoadControls() {
    m_loaded = true;
    for (int i = 0; i < 3; ++i) {
        m_foldersAtLoad[i] = SharedFolder(i);
        PathBoxes[i]->setText(SharedFolder(i));
    }
    OptionPC->setEnabled(LocalPrinterPC);
    OptionModem->setEnabled(LocalPrinterModem);
    OptionOFF->setEnabled(LocalPrinterOFF);
    if (LocalPrinterPCValue) OptionPC->setChecked(true);
    if (LocalPrinterModemValue) OptionModem->setChecked(true);
    if (LocalPrinterOFFValue) OptionOFF->setChecked(true);
    for (int row = 0; row < 5; ++row) {
        const int mask = Route(row);
        for (int col = 0; col < 3; ++col) RouteBoxes[row][col]->setChecked((mask & (1 << col)) != 0);
        m_shownMasks[row] = Mask(row);
    }
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

int RoutingForm::Mask(int row) const {
    int mask = 0;
    for (int col = 0; col < 3; ++col)
        if (RouteBoxes[row][col]->isChecked()) mask |= 1 << col;
    return mask;
}

void RoutingForm::EnableLocalPrinterColumn(bool enable) {
    for (auto& row : RouteBoxes) row[1]->setEnabled(enable);
}

void RoutingForm::FolderButton_Click(int folder) {
    // The low-disk warning watches the EGC folder's drive: a new choice may warrant a new warning.
    if (folder == 2) m_c.L.Polls.LowDiskWarningShown = false;
    const QString chosen =
        BrowseForFolder(m_f, this, "Select A Directory", DropLastChar(PathBoxes[folder]->text()));
    if (chosen.isEmpty()) return;
    // The settings file keeps one line per value: a name with a line break would come back as
    // another folder at the next start.
    if (chosen.contains(QLatin1Char('\n')) || chosen.contains(QLatin1Char('\r'))) {
        MessageBoxRequest box;
        box.text = MlText(m_f, 3421, "A folder whose name holds a line break cannot be used. Please choose another folder.");
        box.title = windowTitle();
        box.icon = MsgIcon::Warning;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        return;
    }
    const QString path = AddBackslash(chosen);
    PathBoxes[folder]->setText(path);
    SharedFolder(folder) = path;
}

void RoutingForm::OKButton_Click() {
    Link& link = m_c.L;
    if (m_f.gSession.MesConnected()) {
        if (link.Windows.Window) link.Windows.Window->ShowPleaseWait(QString());
        for (int row = 0; row < 5; ++row) {
            int mask = Mask(row);
            // A class never read and left alone is not written: 0 would stop the transceiver
            // storing that traffic.
            if (!m_read[row] && mask == m_shownMasks[row]) continue;
            if (row >= kFirstKeptOnDisk) mask |= 1;
            QueueCommand(link, "ro " + QString::number(kRouteClasses[row]) + "  " + QString::number(mask), true,
                         false);
        }
    }
    if (OptionPC->isChecked()) QueueCommand(link, "se -z PRINTER=NO", true, false);
    else if (OptionModem->isChecked()) QueueCommand(link, "se -z PRINTER=YES", true, false);
    else if (OptionOFF->isChecked()) QueueCommand(link, "se -z PRINTER=OFF", true, false);
    SetIniValue(m_f, kIniKeys[2], m_f.gEgcDir, false);
    SetIniValue(m_f, kIniKeys[0], m_f.gInboxDir, false);
    SetIniValue(m_f, kIniKeys[1], m_f.gOutboxDir, true);
    WriteIniFile(m_f);
    if (link.Windows.Window && link.Windows.Window->IsPleaseWaitVisible()) link.Windows.Window->HidePleaseWait();
    m_c.RoutingForm.unload();
}

void RoutingForm::RestoreFolders() {
    if (!m_loaded) return;
    for (int i = 0; i < 3; ++i) SharedFolder(i) = m_foldersAtLoad[i];
}

void RoutingForm::CancelButton_Click() {
    // A folder chosen but not confirmed is not kept: the next start reads the stored one.
    RestoreFolders();
    m_c.RoutingForm.unload();
}

void RoutingForm::closeEvent(QCloseEvent* event) {
    event->accept();
    RestoreFolders();
    m_c.RoutingForm.unload();
}

}  // namespace tidepost
