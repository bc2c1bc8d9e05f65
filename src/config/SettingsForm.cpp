#include "config/SettingsForm.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/IConfigMainWindow.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/TransceiverIdentity.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const QString kDigits = QStringLiteral("0123456789");

bool PrintsOnPcOnly(int productType) { return productType == 4 || productType == 5; }

// A stored number as the dialog reads a flag: not 0 ticks the box; text that is no number is 0.
bool NumberNotZero(const QString& text) { return LeadingNumber(text) != 0; }

QString Flag(const QCheckBox* box) { return box->isChecked() ? "1" : "0"; }

QLineEdit* NumberBox(QWidget* parent, const char* name, int maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    box->setMaximumWidth(Twips(600));
    return box;
}

}  // namespace

SettingsForm::SettingsForm(Config& c) : CaptionedWindow(c.F, "SettingsForm", kFixedDialog), m_c(c) {
    setWindowTitle("Tidepost settings");
    TabStrip1 = new QTabWidget(this);
    TabStrip1->setObjectName("TabStrip1");
    const char* tabTexts[4] = {"Printer", "Messages", "Electronic forms", "Misc"};
    std::array<QWidget*, 4> pages{};
    for (int i = 0; i < 4; ++i) {
        pages[i] = new QWidget;
        auto* pageLayout = new QVBoxLayout(pages[i]);
        TabFrame[i] = new QGroupBox(tabTexts[i], pages[i]);
        TabFrame[i]->setObjectName(QString("TabFrame%1").arg(i + 1));
        pageLayout->addWidget(TabFrame[i]);
        TabStrip1->addTab(pages[i], tabTexts[i]);
    }

    // Printer page. The transceiver option and the three number boxes share a frame; the PC
    // option stands apart, so the dialog keeps the two options exclusive itself.
    auto* mobileFrame = new QGroupBox(TabFrame[0]);
    PrintOption[0] = new QRadioButton("Use printer connected to mobile", TabFrame[0]);
    PrintOption[0]->setObjectName("PrintOption0");
    PrintOption[1] = new QRadioButton("Use printer connected to PC", TabFrame[0]);
    PrintOption[1]->setObjectName("PrintOption1");
    for (int i = 0; i < 2; ++i) {
        PrintOption[i]->setAutoExclusive(false);
        connect(PrintOption[i], &QRadioButton::clicked, this, [this, i] { SelectPrintOption(i); });
        PrintOption[i]->installEventFilter(this);
    }
    PageLinesLabel = new QLabel("Lines on page:", mobileFrame);
    PageLinesLabel->setObjectName("PageLinesLabel");
    LineWidthLabel = new QLabel("Line width (chars):", mobileFrame);
    LineWidthLabel->setObjectName("LineWidthLabel");
    WrapMarginLabel = new QLabel("Line wrap margin:", mobileFrame);
    WrapMarginLabel->setObjectName("WrapMarginLabel");
    PageLines = NumberBox(mobileFrame, "PageLines", 2);
    LineWidth = NumberBox(mobileFrame, "LineWidth", 2);
    WrapMargin = NumberBox(mobileFrame, "WrapMargin", 1);
    const std::array<QLineEdit*, 3> boxes = {PageLines, LineWidth, WrapMargin};
    const std::array<QLabel*, 3> labels = {PageLinesLabel, LineWidthLabel, WrapMarginLabel};
    auto* mobileGrid = new QGridLayout(mobileFrame);
    mobileGrid->addWidget(PrintOption[0], 0, 0, 1, 2);
    for (int i = 0; i < 3; ++i) {
        labels[i]->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(labels[i]->text());
        mobileGrid->addWidget(labels[i], i + 1, 0);
        mobileGrid->addWidget(boxes[i], i + 1, 1);
        boxes[i]->installEventFilter(this);
        labels[i]->installEventFilter(this);
        connect(boxes[i], &QLineEdit::textChanged, this, [this, i] { ShowPrinterHelp(i + 2); });
    }
    HelpFrame = new QGroupBox("Help", TabFrame[0]);
    HelpFrame->setObjectName("HelpFrame");
    HelpLabel = new QLabel(HelpFrame);
    HelpLabel->setObjectName("HelpLabel");
    HelpLabel->setWordWrap(true);
    HelpLabel->setMinimumWidth(Twips(3000));
    HelpLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    (new QVBoxLayout(HelpFrame))->addWidget(HelpLabel);
    DefaultButton = new QPushButton("Set to default", TabFrame[0]);
    DefaultButton->setObjectName("DefaultButton");
    connect(DefaultButton, &QPushButton::clicked, this, [this] { DefaultButton_Click(); });
    auto* printerGrid = new QGridLayout(TabFrame[0]);
    printerGrid->addWidget(mobileFrame, 0, 0);
    printerGrid->addWidget(PrintOption[1], 1, 0);
    printerGrid->addWidget(HelpFrame, 0, 1, 2, 1);
    printerGrid->addWidget(DefaultButton, 2, 1, Qt::AlignRight);

    // Messages page.
    auto* msgPrintLabel = new QLabel("Print the following message types automatically:", TabFrame[1]);
    msgPrintLabel->setObjectName("MsgPrintLabel");
    auto check = [](QWidget* parent, const char* name, const char* text) {
        auto* box = new QCheckBox(text, parent);
        box->setObjectName(name);
        return box;
    };
    CheckPrintIncomingMsg = check(TabFrame[1], "CheckPrintIncomingMsg", "Print incoming messages");
    CheckPrintEgcs = check(TabFrame[1], "CheckPrintEgcs", "Print EGC messages");
    CheckPrintMsgConf = check(TabFrame[1], "CheckPrintMsgConf", "Print confirmation on sent messages");
    CheckNewMessageInfoBox =
        check(TabFrame[1], "CheckNewMessageInfoBox", "Show info box when new message is received");
    CheckAllowRemoteConfig = check(TabFrame[1], "CheckAllowRemoteConfig", "Allow Tidepost Remote Configuration");
    auto* messages = new QVBoxLayout(TabFrame[1]);
    messages->addWidget(msgPrintLabel);
    for (QCheckBox* box : {CheckPrintIncomingMsg, CheckPrintEgcs, CheckPrintMsgConf}) {
        box->setAccessibleDescription(msgPrintLabel->text());
        messages->addWidget(box);
    }
    messages->addSpacing(Twips(120));
    messages->addWidget(CheckNewMessageInfoBox);
    messages->addWidget(CheckAllowRemoteConfig);
    messages->addStretch();

    // Electronic forms page.
    auto* defaultsLabel = new QLabel("Default transmission settings:", TabFrame[2]);
    defaultsLabel->setObjectName("DefaultSettingsLabel");
    auto* typeLabel = new QLabel("Msg type:", TabFrame[2]);
    typeLabel->setObjectName("MsgTypeLabel");
    auto* formatLabel = new QLabel("Format:", TabFrame[2]);
    formatLabel->setObjectName("MsgFormatLabel");
    auto* addressLabel = new QLabel("Address:", TabFrame[2]);
    addressLabel->setObjectName("MsgAddressLabel");
    MsgTypeCombo = new QComboBox(TabFrame[2]);
    MsgTypeCombo->setObjectName("MsgTypeCombo");
    MsgTypeCombo->setEditable(true);
    MsgTypeCombo->addItems({"e-mail"});
    MsgFormatCombo = new QComboBox(TabFrame[2]);
    MsgFormatCombo->setObjectName("MsgFormatCombo");
    MsgFormatCombo->setEditable(true);
    MsgFormatCombo->addItems({"5-bit", "7-bit", "8-bit"});
    MsgAddress = new QLineEdit(TabFrame[2]);
    MsgAddress->setObjectName("MsgAddress");
    MsgAddress->setMaxLength(15);
    auto* forms = new QGridLayout(TabFrame[2]);
    forms->addWidget(defaultsLabel, 0, 0, 1, 2);
    const std::array<std::pair<QLabel*, QWidget*>, 3> formRows = {
        std::pair<QLabel*, QWidget*>{typeLabel, MsgTypeCombo}, {formatLabel, MsgFormatCombo}, {addressLabel, MsgAddress}};
    for (int i = 0; i < 3; ++i) {
        formRows[i].first->setBuddy(formRows[i].second);
        formRows[i].second->setAccessibleName(formRows[i].first->text());
        forms->addWidget(formRows[i].first, i + 1, 0);
        forms->addWidget(formRows[i].second, i + 1, 1);
    }
    forms->setRowStretch(4, 1);

    // Misc page.
    CheckShowInHarbourButton = check(TabFrame[3], "CheckShowInHarbourButton", "Show In Harbour Button");
    auto* resetLabel = new QLabel("Reset HotList", TabFrame[3]);
    resetLabel->setObjectName("LabelResetHotlist");
    ResetHotlistButton = new QPushButton("Reset", TabFrame[3]);
    ResetHotlistButton->setObjectName("ResetHotlistButton");
    ResetHotlistButton->setAccessibleDescription(resetLabel->text());
    connect(ResetHotlistButton, &QPushButton::clicked, this, [this] { ResetHotlistButton_Click(); });
    auto* misc = new QGridLayout(TabFrame[3]);
    misc->addWidget(CheckShowInHarbourButton, 0, 0, 1, 2);
    misc->addWidget(resetLabel, 1, 0);
    misc->addWidget(ResetHotlistButton, 1, 1, Qt::AlignLeft);
    misc->setRowStretch(2, 1);

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TabStrip1);
    layout->addLayout(buttons);

    QWidget* previous = TabStrip1;
    auto chain = [&previous](QWidget* w) {
        setTabOrder(previous, w);
        previous = w;
    };
    for (QWidget* w : std::initializer_list<QWidget*>{PrintOption[0], PageLines, LineWidth, WrapMargin,
                                                      PrintOption[1], DefaultButton, CheckPrintIncomingMsg,
                                                      CheckPrintEgcs, CheckPrintMsgConf, CheckNewMessageInfoBox,
                                                      CheckAllowRemoteConfig, MsgTypeCombo, MsgFormatCombo,
                                                      MsgAddress, CheckShowInHarbourButton, ResetHotlistButton,
                                                      OKButton, CancelButton})
        chain(w);
    connect(TabStrip1, &QTabWidget::currentChanged, this, [this](int index) { m_currentTab = index + 1; });

    AddCaption(2457, [this](const QString& t) { setWindowTitle(t); });
    const int tabCaptions[4] = {2458, 2087, 2475, 2486};
    const int tabTips[4] = {2490, 2491, 2492, 2493};
    const int pageCaptions[4] = {2949, 2087, 2475, 2486};
    for (int i = 0; i < 4; ++i) {
        AddCaption(tabCaptions[i], [this, i](const QString& t) { TabStrip1->setTabText(i, t); });
        AddCaption(tabTips[i], [this, i](const QString& t) { TabStrip1->setTabToolTip(i, t); });
        AddCaption(pageCaptions[i], [this, i](const QString& t) { TabFrame[i]->setTitle(t); });
    }
    AddCaption(2461, [this](const QString& t) { PrintOption[0]->setText(t); });
    AddCaption(2468, [this](const QString& t) { PrintOption[1]->setText(t); });
    const int labelCaptions[3] = {2465, 2466, 2467};
    for (int i = 0; i < 3; ++i)
        AddCaption(labelCaptions[i], [label = labels[i], box = boxes[i]](const QString& t) {
            label->setText(t);
            box->setAccessibleName(t);
        });
    AddCaption(2460, [this](const QString& t) { HelpFrame->setTitle(t); });
    AddCaption(2459, [this](const QString& t) { DefaultButton->setText(t); });
    AddCaption(2474, [this, msgPrintLabel](const QString& t) {
        msgPrintLabel->setText(t);
        for (QCheckBox* box : {CheckPrintIncomingMsg, CheckPrintEgcs, CheckPrintMsgConf})
            box->setAccessibleDescription(t);
    });
    AddCaption(2472, [this](const QString& t) { CheckPrintIncomingMsg->setText(t); });
    AddCaption(2470, [this](const QString& t) { CheckPrintEgcs->setText(t); });
    AddCaption(2471, [this](const QString& t) { CheckPrintMsgConf->setText(t); });
    AddCaption(2473, [this](const QString& t) { CheckNewMessageInfoBox->setText(t); });
    AddCaption(2469, [this](const QString& t) { CheckAllowRemoteConfig->setText(t); });
    AddCaption(2483, [defaultsLabel](const QString& t) { defaultsLabel->setText(t); });
    const int formCaptions[3] = {2482, 2481, 2313};
    for (int i = 0; i < 3; ++i)
        AddCaption(formCaptions[i], [row = formRows[i]](const QString& t) {
            row.first->setText(t);
            row.second->setAccessibleName(t);
        });
    AddCaption(2487, [this](const QString& t) { CheckShowInHarbourButton->setText(t); });
    AddCaption(2489, [this, resetLabel](const QString& t) {
        resetLabel->setText(t);
        ResetHotlistButton->setAccessibleDescription(t);
    });
    AddCaption(2488, [this](const QString& t) { ResetHotlistButton->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    FinishLoad();
    LoadValues();
}

QString SettingsForm::Setting(const QString& key, const QString& defaultValue) const {
    return GetAppSetting(m_f, m_f.gProductName, "Settings", key, defaultValue);
}

void SettingsForm::SaveSetting(const QString& key, const QString& value) {
    SaveAppSetting(m_f, m_f.gProductName, "Settings", key, value);
}

void SettingsForm::LoadValues() {
    // A value that is neither a word of truth nor a number leaves the PC printer in use.
    m_useMesPrinter = TruthValue(Setting("UseMesPrinter", "0")).value_or(false);
    PageLines->setText(Setting("PageLines", "53"));
    LineWidth->setText(Setting("LineWidth", "70"));
    WrapMargin->setText(Setting("WrapMargin", "3"));
    CheckNewMessageInfoBox->setChecked(NumberNotZero(Setting("NewMessageNotify", "1")));
    CheckAllowRemoteConfig->setChecked(NumberNotZero(Setting("AllowRemoteConfig", "1")));
    MsgAddress->setText(Setting("DefaultMsgAddress", ""));
    MsgTypeCombo->setEditText(Setting("DefaultMsgType", ""));
    MsgFormatCombo->setEditText(Setting("DefaultMsgFormat", ""));
    const bool pcOnly = PrintsOnPcOnly(m_f.gSession.ProductType());
    const std::array<std::pair<QCheckBox*, const char*>, 3> prints = {
        std::pair<QCheckBox*, const char*>{CheckPrintIncomingMsg, "PrintIncomingMsg"},
        {CheckPrintEgcs, "PrintEgcs"},
        {CheckPrintMsgConf, "PrintMsgConf"}};
    for (const auto& [box, key] : prints) {
        box->setChecked(pcOnly && NumberNotZero(Setting(key, "0")));
        box->setEnabled(pcOnly);
    }
    CheckShowInHarbourButton->setChecked(GetIniValue(m_f, "[InHarbourButton]") == "1");
    TabStrip1->setCurrentIndex(0);
    m_currentTab = 1;
    UpdateMobilePrinterOption();
    if (m_useMesPrinter && PrintOption[0]->isEnabled()) {
        SelectPrintOption(0);
    } else if (m_useMesPrinter) {
        SelectPrintOption(1);
        SaveSetting("UseMesPrinter", "0");
    } else {
        SelectPrintOption(1);
    }
}

void SettingsForm::ShowForm() {
    // Centred once shown, when its size with every page laid out is known; a second use leaves it
    // where the operator put it.
    show();
    if (!m_centred) {
        m_centred = true;
        adjustSize();
        CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
    }
    raise();
    activateWindow();
}

void SettingsForm::UpdateMobilePrinterOption() {
    PrintOption[0]->setEnabled(!PrintsOnPcOnly(m_f.gSession.ProductType()));
}

void SettingsForm::EnablePrinterFields(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{PageLines, LineWidth, WrapMargin, PageLinesLabel,
                                                      LineWidthLabel, WrapMarginLabel})
        w->setEnabled(enable);
}

void SettingsForm::SelectPrintOption(int index) {
    PrintOption[index]->setChecked(true);
    PrintOption[1 - index]->setChecked(false);
    EnablePrinterFields(index == 0);
    UpdateMobilePrinterOption();
}

void SettingsForm::ShowPrinterHelp(int control) {
    QString text;
    switch (control) {
    case 0:
        text = MlText(m_f, 2775, "Choosing this option, Tidepost will print using the printer connected to the transceiver.");
        break;
    case 1:
        text = MlText(m_f, 2776, "Choosing this option, Tidepost will print using the printer connected to the PC.");
        break;
    case 2:
        text = MlText(m_f, 2777, "This value sets the number of lines printed on each page. Currently ") +
               PageLines->text() + MlText(m_f, 2778, " lines will be printed on each page.");
        break;
    case 3: {
        const qint64 width = LeadingNumber(LineWidth->text());
        const qint64 margin = LeadingNumber(WrapMargin->text());
        text = MlText(m_f, 2779,
                      "This value sets the line width. The maximum line width is a sum of line width and the wrap "
                      "margin. Currently the linewidth varies between ") +
               QString::number(width - margin) + " " + MlText(m_f, 2781, "and") + " " +
               QString::number(width + margin) + MlText(m_f, 2780, " characters.");
        break;
    }
    default:
        text = MlText(m_f, 2782,
                      "This value sets the wrap margin. This affects how much the line width will vary. Currently "
                      "the maximum line width will vary +/- ") +
               WrapMargin->text() + MlText(m_f, 2780, " characters.");
        break;
    }
    HelpLabel->setText(text);
}

void SettingsForm::CheckNumberBox(QLineEdit* box) {
    QString digits;
    for (const QChar ch : box->text())
        if (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) digits += ch;
    digits = digits.left(box->maxLength());
    if (digits.isEmpty()) digits = "0";
    if (digits != box->text()) box->setText(digits);
}

bool SettingsForm::eventFilter(QObject* watched, QEvent* event) {
    const std::array<QObject*, 3> boxes = {PageLines, LineWidth, WrapMargin};
    const std::array<QObject*, 3> labels = {PageLinesLabel, LineWidthLabel, WrapMarginLabel};
    for (int i = 0; i < 3; ++i) {
        if (watched == boxes[i]) {
            if (event->type() == QEvent::FocusIn) ShowPrinterHelp(i + 2);
            if (event->type() == QEvent::FocusOut) CheckNumberBox(static_cast<QLineEdit*>(watched));
            if (event->type() == QEvent::KeyPress) {
                const QString text = static_cast<QKeyEvent*>(event)->text();
                // Printable characters go through the filter; editing and moving keys pass.
                if (text.size() == 1 && text.at(0).unicode() >= 0x20) {
                    int code = text.at(0).unicode();
                    if (FilterKey(code, kDigits) == 0) return true;
                }
            }
        }
        if (watched == labels[i] && event->type() == QEvent::MouseButtonPress) ShowPrinterHelp(i + 2);
    }
    for (int i = 0; i < 2; ++i)
        if (watched == PrintOption[i] && event->type() == QEvent::FocusIn) ShowPrinterHelp(i);
    return CaptionedWindow::eventFilter(watched, event);
}

void SettingsForm::DefaultButton_Click() {
    PageLines->setText("53");
    LineWidth->setText("70");
    WrapMargin->setText("3");
    SelectPrintOption(1);
    if (PrintOption[1]->isVisible()) PrintOption[1]->setFocus();
}

void SettingsForm::ResetHotlistButton_Click() {
    MessageBoxRequest box;
    box.text = MlText(m_f, 2773, "Are you sure you want to reset the hotlist ?");
    box.title = MlText(m_f, 2774, "Reset HotList ?");
    box.buttons = MsgButtons::YesNo;
    box.icon = MsgIcon::Question;
    if (!m_f.Os.Boxes || m_f.Os.Boxes->Show(box, this) != MsgAnswer::Yes) return;
    if (m_c.MainWindow) m_c.MainWindow->ResetHotList();
}

void SettingsForm::OKButton_Click() {
    // Pasted text passes the key filter: the boxes are checked whole before they are stored.
    for (QLineEdit* box : {PageLines, LineWidth, WrapMargin}) CheckNumberBox(box);
    const bool mobile = PrintOption[0]->isChecked();
    SaveSetting("UseMesPrinter", mobile ? "True" : "False");
    SaveSetting("PageLines", PageLines->text());
    SaveSetting("LineWidth", LineWidth->text());
    SaveSetting("WrapMargin", WrapMargin->text());
    SaveSetting("NewMessageNotify", Flag(CheckNewMessageInfoBox));
    SaveSetting("AllowRemoteConfig", Flag(CheckAllowRemoteConfig));
    SaveSetting("PrintIncomingMsg", Flag(CheckPrintIncomingMsg));
    SaveSetting("PrintEgcs", Flag(CheckPrintEgcs));
    SaveSetting("PrintMsgConf", Flag(CheckPrintMsgConf));
    SaveSetting("DefaultMsgAddress", MsgAddress->text());
    SaveSetting("DefaultMsgType", MsgTypeCombo->currentText());
    SaveSetting("DefaultMsgFormat", MsgFormatCombo->currentText());
    SetIniValue(m_f, "[InHarbourButton]", CheckShowInHarbourButton->isChecked() ? "1" : "0", true);
    Link& link = m_c.L;
    if (mobile && m_f.gSession.MesConnected()) {
        const QString setUp = "se -z PRINTER=YES\r\nst -w\r\nse -z FFEED=NO\r\nst -w\r\nse -z PLINES=" +
                              PageLines->text() + "\r\nst -w\r\nse -z PRTYPEMAX=" + LineWidth->text() +
                              "\r\nst -w\r\nse -z PRTYPEREM=" + WrapMargin->text();
        // Only a set-up that is on its way counts: a refused one must not keep the printing
        // routine from sending its own.
        if (QueueCommand(link, setUp, false, true) || link.Dialogue.CommandQueue.contains(setUp))
            link.Transceiver.MesPrinterConfigured = true;
    }
    UpdateMenusForMobileType(link);
    m_c.SettingsForm.unload();
}

void SettingsForm::CancelButton_Click() { m_c.SettingsForm.unload(); }

void SettingsForm::closeEvent(QCloseEvent* event) {
    event->accept();
    m_c.SettingsForm.unload();
}

}  // namespace tidepost
