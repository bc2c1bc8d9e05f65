#include "config/EMailServicesForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/FileFieldValidator.h"
#include "foundation/DataFileText.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/IspFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

struct FieldSpec {
    const char* control;
    int labelId;
    const char* label;
};

// Fields 2 to 16 in file order.
constexpr FieldSpec kFields[15] = {
    {"WestNo", 2176, "&West:"},           {"EastNo", 2177, "&East:"},
    {"PacificNo", 2178, "Paci&fic:"},     {"IndianNo", 2179, "&Indian:"},
    {"ToText", 2318, "&To:"},             {"CCText", 2317, "&Cc:"},
    {"BccText", 2316, "&Bcc:"},           {"SubjectText", 1948, "Sub&ject:"},
    {"StxText", 2314, "&Message Prefix:"}, {"AddressTypeCombo", 2315, "Address T&ype:"},
    {"AddressText", 2313, "A&ddress:"},   {"DelimiterText", 2312, "De&limiter:"},
    {"SmsPreText", 2927, "SMS p&refix:"}, {"SmsPostText", 2926, "Postfi&x:"},
    {"SmsSACText", 2925, "&SMS SAC:"},
};
constexpr int kAddressTypeField = 11;

bool IsEscapedField(int number) { return number == 10 || number == 13; }

QString Plain(const QString& caption) { return QString(caption).remove('&'); }

}  // namespace

EMailServicesForm::EMailServicesForm(Config& c) : CaptionedWindow(c.F, "EMailServicesForm", kFixedDialog), m_c(c) {
    setWindowTitle("Inmarsat Service Providers");
    Toolbar1 = new QToolBar(this);
    Toolbar1->setObjectName("Toolbar1");
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const struct {
        const char* key;
        const char* text;
    } tools[3] = {{"addprovider", "&New Provider"}, {"deleteprovider", "Delete &Provider"}, {"loaddefault", "Load Defa&ult"}};
    for (const auto& tool : tools) {
        QAction* action = Toolbar1->addAction(tool.text);
        action->setObjectName(tool.key);
        const QString key = QString::fromLatin1(tool.key);
        connect(action, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
        if (QWidget* button = Toolbar1->widgetForAction(action)) {
            button->setFocusPolicy(Qt::TabFocus);
            button->setObjectName(QString(tool.key) + "Button");
        }
    }

    ListLabel = new QLabel("Service Pro&viders:", this);
    ListLabel->setObjectName("ListLabel");
    ISPListBox = new QListWidget(this);
    ISPListBox->setObjectName("ISPListBox");
    ISPListBox->setAccessibleName("Service Providers:");
    ISPListBox->setMinimumSize(Twips(3000), Twips(3600));
    ListLabel->setBuddy(ISPListBox);
    ProvNameLabel = new QLabel("Pr&ovider name:", this);
    ProvNameLabel->setObjectName("ProvNameLabel");
    ProvName = new QLineEdit(this);
    ProvName->setObjectName("ProvName");
    ProvName->setAccessibleName("Provider name:");
    ProvName->setValidator(new FileFieldValidator(ProvName));
    ProvNameLabel->setBuddy(ProvName);
    NameAddButton = new QPushButton("&Add", this);
    NameAddButton->setObjectName("NameAddButton");

    auto* fields = new QGridLayout;
    fields->addWidget(ProvNameLabel, 0, 0);
    fields->addWidget(ProvName, 0, 1);
    fields->addWidget(NameAddButton, 0, 2);
    QLineEdit** edits[15] = {&WestNo,      &EastNo,   &PacificNo,   &IndianNo,      &ToText,
                             &CCText,      &BccText,  &SubjectText, &StxText,       nullptr,
                             &AddressText, &DelimiterText, &SmsPreText, &SmsPostText, &SmsSACText};
    QWidget* previous = NameAddButton;
    for (int i = 0; i < 15; ++i) {
        auto* label = new QLabel(kFields[i].label, this);
        label->setObjectName(QString(kFields[i].control) + "Label");
        m_labels.append(label);
        QWidget* control;
        if (i + 2 == kAddressTypeField) {
            AddressTypeCombo = new QComboBox(this);
            AddressTypeCombo->setObjectName(kFields[i].control);
            AddressTypeCombo->setEditable(true);
            AddressTypeCombo->setInsertPolicy(QComboBox::NoInsert);
            AddressTypeCombo->addItems({"SAC", "X.25"});
            AddressTypeCombo->setValidator(new FileFieldValidator(AddressTypeCombo));
            connect(AddressTypeCombo->lineEdit(), &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
            control = AddressTypeCombo;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(kFields[i].control);
            edit->setValidator(new FileFieldValidator(edit));
            connect(edit, &QLineEdit::returnPressed, this, [this] { OKButton_Click(); });
            *edits[i] = edit;
            control = edit;
        }
        control->setAccessibleName(Plain(kFields[i].label));
        label->setBuddy(control);
        fields->addWidget(label, i + 1, 0);
        fields->addWidget(control, i + 1, 1, 1, 2);
        setTabOrder(previous, control);
        previous = control;
    }

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");
    setTabOrder(previous, OKButton);
    setTabOrder(OKButton, CancelButton);

    auto* left = new QVBoxLayout;
    left->addWidget(ListLabel);
    left->addWidget(ISPListBox);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(Toolbar1);
    layout->addLayout(columns);
    layout->addLayout(buttons);
    // Tab: the toolbar's buttons, the list, the name and Add, the fields, OK and Cancel.
    QWidget* first = nullptr;
    for (QAction* action : Toolbar1->actions()) {
        QWidget* button = Toolbar1->widgetForAction(action);
        if (!button) continue;
        if (first) setTabOrder(first, button);
        first = button;
    }
    if (first) setTabOrder(first, ISPListBox);
    setTabOrder(ISPListBox, ProvName);
    setTabOrder(ProvName, NameAddButton);

    connect(ISPListBox, &QListWidget::currentRowChanged, this, [this] {
        if (!m_filling) ISPListBox_Click();
    });
    connect(NameAddButton, &QPushButton::clicked, this, [this] { NameAddButton_Click(); });
    connect(ProvName, &QLineEdit::returnPressed, this, [this] {
        if (NameAddButton->isEnabled()) NameAddButton_Click();
        else OKButton_Click();
    });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });

    AddCaption(2305, [this](const QString& t) { setWindowTitle(t); });
    AddCaption(2310, [this](const QString& t) {
        ListLabel->setText(t);
        ISPListBox->setAccessibleName(Plain(t));
    });
    AddCaption(2311, [this](const QString& t) {
        ProvNameLabel->setText(t);
        ProvName->setAccessibleName(Plain(t));
    });
    for (int i = 0; i < 15; ++i)
        AddCaption(kFields[i].labelId, [this, i](const QString& t) {
            m_labels[i]->setText(t);
            if (QWidget* buddy = m_labels[i]->buddy()) buddy->setAccessibleName(Plain(t));
        });
    AddCaption(2309, [this](const QString& t) { NameAddButton->setText(t); });
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    AddCaption(9, [this](const QString& t) { CancelButton->setText(t); });
    const int toolIds[3] = {2306, 2307, 2308};
    for (int i = 0; i < 3; ++i)
        AddCaption(toolIds[i], [this, i](const QString& t) { Toolbar1->actions().at(i)->setText(t); });
    FinishLoad();

    // The list as it stands before this opening is what stays when isp.dat cannot be read.
    const QList<IspRecord> before = m_f.gIspList;
    bool declined = false;
    const FileError err = ReadIspFile(m_f, &declined);
    if (err) ShowFileErrorBox(m_f, "ReadIspFile", err, IspFilePath(m_f));
    m_readFailed = err || declined;
    if (m_readFailed) m_f.gIspList = before;
    m_loaded = m_f.gIspList;
    EmailServicesFormInit();
    if (ISPListBox->count() == 0)
        QueueMessageBox(m_f, MlText(m_f, 2635, "Error loading ISP list"), MlText(m_f, 2544, "Error"), 0);
    else SelectEntry(0);
    adjustSize();
    CentreOverMainWindow(*this, m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr);
}

QString EMailServicesForm::FieldText(int number) const {
    if (number == 1) return ProvName->text();
    if (number == kAddressTypeField) return AddressTypeCombo->currentText();
    const QLineEdit* edit = findChild<QLineEdit*>(kFields[number - 2].control);
    return edit ? edit->text() : QString();
}

void EMailServicesForm::SetFieldText(int number, const QString& text) {
    if (number == 1) ProvName->setText(text);
    else if (number == kAddressTypeField) AddressTypeCombo->setEditText(text);
    else if (QLineEdit* edit = findChild<QLineEdit*>(kFields[number - 2].control)) edit->setText(text);
}

void EMailServicesForm::SaveIsp() {
    QString v[17];
    for (int number = 1; number <= 16; ++number) v[number] = FieldText(number);
    // SetISPData turns "<CRLF>" in the prefix and the delimiter back into line breaks.
    SetISPData(m_f, v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11], v[12], v[13], v[14], v[15],
               v[16]);
}

void EMailServicesForm::EmailServicesFormInit() {
    ProviderDataEnable(true);
    NameAddButton->setEnabled(false);
    EmailServicesFormClear();
    m_filling = true;
    for (const IspRecord& r : m_f.gIspList)
        if (!r.Name.isEmpty()) ISPListBox->addItem(r.Name);
    ISPListBox->setCurrentRow(-1);
    m_filling = false;
}

void EMailServicesForm::EmailServicesFormClear() {
    m_filling = true;
    ISPListBox->clear();
    m_filling = false;
    ProviderDataClear();
}

void EMailServicesForm::ProviderDataClear() {
    ProvName->clear();
    ProviderNameDataClear();
}

void EMailServicesForm::ProviderNameDataClear() {
    for (int number = 2; number <= 16; ++number) SetFieldText(number, QString());
}

void EMailServicesForm::ProviderDataEnable(bool mode) {
    ProvName->setEnabled(mode);
    ProviderNameDataEnable(mode);
}

void EMailServicesForm::ProviderNameDataEnable(bool mode) {
    for (int number = 2; number <= 16; ++number) {
        if (number == kAddressTypeField) AddressTypeCombo->setEnabled(mode);
        else if (QLineEdit* edit = findChild<QLineEdit*>(kFields[number - 2].control)) edit->setEnabled(mode);
    }
}

void EMailServicesForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

void EMailServicesForm::ShowProvider(const QString& name) {
    const int index = GetISPData(m_f, name);
    if (index < 0) return;
    for (int number = 1; number <= 16; ++number) {
        const QString value = GetISPElement(m_f, name, number);
        SetFieldText(number, IsEscapedField(number) ? EscapeCrLf(value) : value);
    }
}

void EMailServicesForm::SelectEntry(int row) {
    if (row < 0 || row >= ISPListBox->count()) return;
    if (ISPListBox->currentRow() == row) ISPListBox_Click();
    else ISPListBox->setCurrentRow(row);  // runs ISPListBox_Click
}

void EMailServicesForm::ISPListBox_Click() {
    if (!TrimBlanks(ProvName->text()).isEmpty()) SaveIsp();
    if (QListWidgetItem* item = ISPListBox->currentItem()) ShowProvider(item->text());
}

void EMailServicesForm::NewProvider() {
    if (!TrimBlanks(ProvName->text()).isEmpty()) SaveIsp();
    ProviderDataClear();
    ProviderNameDataEnable(false);
    ProvName->setReadOnly(false);
    NameAddButton->setEnabled(true);
    if (ProvName->isEnabled() && ProvName->isVisible()) ProvName->setFocus();
}

void EMailServicesForm::NameAddButton_Click() {
    const QString name = TrimBlanks(ProvName->text()).toString();
    // Nothing to add without a name: the name stays open for typing.
    if (name.isEmpty()) {
        ProvName->clear();
        return;
    }
    if (GetISPData(m_f, name) >= 0) {
        MessageBoxRequest box;
        box.text = MlText(m_f, 2636, "Provider Name already exists. Please choose another name");
        box.title = MlText(m_f, 12, "Info");
        box.icon = MsgIcon::Information;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        return;
    }
    ProvName->setText(name);
    ProviderNameDataClear();
    SaveIsp();
    NameAddButton->setEnabled(false);
    EmailServicesFormInit();
    const QList<QListWidgetItem*> found = ISPListBox->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) SelectEntry(ISPListBox->row(found.front()));
    if (WestNo->isEnabled() && WestNo->isVisible()) WestNo->setFocus();
    ProvName->setReadOnly(true);
}

void EMailServicesForm::DeleteProvider() {
    QListWidgetItem* item = ISPListBox->currentItem();
    if (!item) return;
    const QString name = item->text();
    MessageBoxRequest box;
    box.text = MlText(m_f, 2637, "Do you want to delete the Service Provider: ") + name + "?";
    box.title = MlText(m_f, 2584, "Delete confirmation!");
    box.buttons = MsgButtons::YesNo;
    box.icon = MsgIcon::Question;
    if (!m_f.Os.Boxes || m_f.Os.Boxes->Show(box, this) != MsgAnswer::Yes) return;
    // The entry goes only with the provider itself, so the list never hides one OK would write.
    if (DeleteIsp(m_f, name) != 1) return;
    m_filling = true;
    delete ISPListBox->takeItem(ISPListBox->row(item));
    ISPListBox->setCurrentRow(-1);
    m_filling = false;
    ProviderDataClear();
    SelectEntry(0);
}

void EMailServicesForm::LoadDefaults() {
    MessageBoxRequest box;
    box.text = MlText(m_f, 2638, "Are you sure you want to load default e-mail service providers ?") + "\r\n" +
               MlText(m_f, 2639, "All other service providers will be lost.");
    box.title = MlText(m_f, 2584, "Delete confirmation!");
    box.buttons = MsgButtons::YesNoCancel;
    box.icon = MsgIcon::Question;
    if (!m_f.Os.Boxes || m_f.Os.Boxes->Show(box, this) != MsgAnswer::Yes) return;
    ReadDefaultIspData(m_f);
    EmailServicesFormInit();
    SelectEntry(0);
}

void EMailServicesForm::Toolbar1_ButtonClick(const QString& key) {
    if (key == QLatin1String("addprovider")) NewProvider();
    else if (key == QLatin1String("deleteprovider")) DeleteProvider();
    else if (key == QLatin1String("loaddefault")) LoadDefaults();
}

void EMailServicesForm::OKButton_Click() {
    if (m_readFailed) {
        // Writing now would replace the providers of isp.dat by a list that never held them.
        MessageBoxRequest box;
        box.text = MlText(m_f, 3411,
                          "isp.dat could not be read when this dialog opened, so the service providers are not "
                          "saved. isp.dat is left as it is.");
        box.title = m_f.gProductName;
        box.icon = MsgIcon::Warning;
        if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
        Close(true);
        return;
    }
    if (!TrimBlanks(ProvName->text()).isEmpty()) SaveIsp();
    WriteIspFile(m_f);
    ApplyDefaultIsp(m_f);
    Close(false);
}

void EMailServicesForm::CancelButton_Click() { Close(true); }

void EMailServicesForm::Close(bool restore) {
    if (restore) m_f.gIspList = m_loaded;
    m_c.EMailServicesForm.unload();
}

void EMailServicesForm::closeEvent(QCloseEvent* event) {
    event->accept();
    Close(true);
}

void OpenEMailServices(Config& c) {
    Foundation& f = c.F;
    EMailServicesForm& form = c.EMailServicesForm.get();
    const QString path = IspFilePath(f);
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes)) {
        const QStringList lines = SplitFileLines(f.Os.Codec.Decode(bytes));
        QStringList names;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QString name = GetField(1, "|", lines.at(i));
            if (!name.isEmpty()) names.append(name);
        }
        form.ISPListBox->blockSignals(true);
        form.ISPListBox->clear();
        form.ISPListBox->addItems(names);
        form.ISPListBox->setCurrentRow(-1);
        form.ISPListBox->blockSignals(false);
        // A snapshot of the list as it was when the dialog opened; replaced whole or not at all.
        WriteFileAtomic(FindFileNoCase(AddBackslash(f.gConfiguration.DataPath), "newisp.dat"), bytes);
    }
    form.ShowForm();
}

}  // namespace tidepost
