#include "messages/SendingForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/IMainForm.h"
#include "foundation/IniFile.h"
#include "foundation/LesLists.h"
#include "foundation/MlStrings.h"
#include "foundation/RuntimeError.h"
#include "foundation/WindowPlacement.h"
#include "messages/Messages.h"
#include "messages/SendDialogue.h"
#include "messages/SendingFormHolder.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kRussian = 1049;

template <typename Control>
Control* Make(QWidget* parent, const char* name, const QString& text = {}) {
    auto* control = new Control(parent);
    control->setObjectName(name);
    if constexpr (requires(Control* c) { c->setText(text); }) control->setText(text);
    return control;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const QString& title) {
    auto* frame = new QGroupBox(title, parent);
    frame->setObjectName(name);
    return frame;
}

QWidget* MainWindow(Messages& m) {
    IMainForm* main = m.F.Windows.MainForm;
    return main ? main->Form() : nullptr;
}

// A caption as a screen reader names another control by it: no access-key mark, no colon.
QString SpokenName(const QString& caption) {
    QString name = caption;
    name.remove(u'&');
    name = name.trimmed();
    if (name.endsWith(u':')) name.chop(1);
    return name.trimmed();
}

}  // namespace

SendingFormHolder::SendingFormHolder(Messages& m)
    : SendingForm([&m] { return new tidepost::SendingForm(m, MainWindow(m)); }) {}

SendingFormHolder::~SendingFormHolder() = default;

SendingForm::SendingForm(Messages& m, QWidget* parent) : QDialog(parent), m_m(m) {
    setObjectName("SendingForm");
    setWindowTitle("Sending....");
    setWindowFlags(kFixedDialog);
    setModal(false);

    Frame1 = MakeFrame(this, "Frame1", "Sending: ");
    TextInEditorOption = Make<QRadioButton>(Frame1, "TextInEditorOption", "Text in Editor");
    FileFromDiskOption = Make<QRadioButton>(Frame1, "FileFromDiskOption", "File from disk:");
    FileNameText = Make<QLineEdit>(Frame1, "FileNameText");
    FileNameText->setMinimumWidth(Twips(3600));
    PrintCheck = Make<QCheckBox>(this, "PrintCheck", "Print Message upon sending");
    ConfirmationCheck = Make<QCheckBox>(this, "ConfirmationCheck", "Confirmation Request");
    DESCheckBox = Make<QCheckBox>(this, "DESCheckBox", "DES Encrypted");
    DESCheckBox->setVisible(false);
    DESCheckBox->setEnabled(false);
    Frame3 = MakeFrame(this, "Frame3", "Default e-mail service provider:");
    DefaultEMailLESLabel = Make<QLabel>(Frame3, "DefaultEMailLESLabel", "<Not Available>");
    Frame2 = MakeFrame(this, "Frame2", "Default Land Earth Station:");
    DefaultLESLabel = Make<QLabel>(Frame2, "DefaultLESLabel", "<Not Available>");
    DefLesHelp = Make<QLabel>(this, "DefLesHelp",
                              "Default e-mail service provider will be used when sending e-mails. Default Land Earth "
                              "Station will be used for all other address types.");
    DefLesHelp->setWordWrap(true);
    CodePageSelect = Make<QComboBox>(this, "CodePageSelect");
    CodePageLabel = Make<QLabel>(this, "CodePageLabel", "Select code page:");
    CodePageLabel->setBuddy(CodePageSelect);
    OKButton = Make<QPushButton>(this, "OKButton", "OK");
    OKButton->setDefault(true);
    CancelButton = Make<QPushButton>(this, "CancelButton", "Cancel");
    // The station names are plain text, never markup from a file.
    for (QLabel* label : {DefaultEMailLESLabel, DefaultLESLabel}) {
        label->setTextFormat(Qt::PlainText);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }

    auto* source = new QGridLayout(Frame1);
    source->addWidget(TextInEditorOption, 0, 0, 1, 2);
    source->addWidget(FileFromDiskOption, 1, 0);
    source->addWidget(FileNameText, 1, 1);
    (new QVBoxLayout(Frame3))->addWidget(DefaultEMailLESLabel);
    (new QVBoxLayout(Frame2))->addWidget(DefaultLESLabel);
    auto* codePage = new QHBoxLayout;
    codePage->addWidget(CodePageLabel);
    codePage->addWidget(CodePageSelect, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(PrintCheck);
    layout->addWidget(ConfirmationCheck);
    layout->addWidget(DESCheckBox);
    layout->addWidget(Frame3);
    layout->addWidget(Frame2);
    layout->addWidget(DefLesHelp);
    layout->addLayout(codePage);
    layout->addLayout(buttons);

    // Where the text comes from, then what is done with it, then the commands.
    const QList<QWidget*> order{TextInEditorOption, FileFromDiskOption, FileNameText, PrintCheck,
                                ConfirmationCheck,  CodePageSelect,     OKButton,     CancelButton};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(OKButton, &QPushButton::clicked, this, &SendingForm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &SendingForm::CancelButton_Click);
    connect(ConfirmationCheck, &QCheckBox::clicked, this, &SendingForm::ConfirmationCheck_Click);
    connect(FileFromDiskOption, &QRadioButton::clicked, this, &SendingForm::FileFromDiskOption_Click);

    const bool russian = m_m.F.Strings.CurrentLanguageId == kRussian;
    CodePageLabel->setVisible(russian);
    CodePageSelect->setVisible(russian);
    if (russian) {
        CodePageSelect->addItem(QStringLiteral("Windows 1251 Cyrillic"), 0);
        CodePageSelect->addItem(QStringLiteral("IBM/DOS 866 Cyrillic"), 1);
        CodePageSelect->setCurrentIndex(0);
    }
    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
    ml_RuntimeSupport = connect(&m_m.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &SendingForm::ml_RuntimeSupport_LanguageChanged);
    adjustSize();
    setFixedSize(sizeHint());
    CentreOverMainWindow(*this, MainWindow(m_m));
}

SendingForm::~SendingForm() { disconnect(ml_RuntimeSupport); }

void SendingForm::ApplyCaptions() {
    const MlStrings& s = m_m.F.Strings;
    SetWindowCaption(s, this, 2433);
    CodePageSelect->setAccessibleName(MlText(m_m.F, 3014, QStringLiteral("Select Code Page")));
    SetCaption(s, Frame1, 2439);
    SetCaption(s, TextInEditorOption, 2440);
    SetCaption(s, FileFromDiskOption, 2441);
    SetCaption(s, PrintCheck, 2442);
    SetCaption(s, ConfirmationCheck, 2366);
    SetCaption(s, DESCheckBox, 2437);
    SetCaption(s, Frame3, 2434);
    SetCaption(s, DefaultEMailLESLabel, 2435);
    SetCaption(s, Frame2, 2436);
    SetCaption(s, DefaultLESLabel, 2435);
    SetCaption(s, DefLesHelp, 2443);
    SetCaption(s, CodePageLabel, 2956);
    SetCaption(s, OKButton, 1906);
    SetCaption(s, CancelButton, 9);
    // The path box and the stations are read out under the captions that stand beside them.
    FileNameText->setAccessibleName(SpokenName(FileFromDiskOption->text()));
    DefaultEMailLESLabel->setAccessibleName(SpokenName(Frame3->title()));
    DefaultLESLabel->setAccessibleName(SpokenName(Frame2->title()));
}

void SendingForm::FillLesLabels() {
    Foundation& f = m_m.F;
    const OceanIndex ocean = f.gConfiguration.LastOcean();
    // Before any ocean region is known there is no station to name.
    if (ocean >= kOceanCount) return;
    const QString les = f.gConfiguration.DefaultLes(ocean);
    DefaultLESLabel->setText(GetLesDisplayName(m_m.F, les));
    DefaultEMailLESLabel->setText(GetIniValue(f, QStringLiteral("[Default ISP]")) + " (LES " +
                                  f.gConfiguration.DefaultISPLes(ocean) + ")");
}

SendingChoices SendingForm::Choices() const {
    SendingChoices c;
    c.FromFile = FileFromDiskOption->isChecked();
    c.FileName = FileNameText->text();
    c.Print = PrintCheck->isChecked();
    c.Confirmation = ConfirmationCheck->isChecked();
    c.DESEncrypted = DESCheckBox->isChecked();
    if (CodePageSelect->currentIndex() >= 0) c.CodePage = CodePageSelect->currentData().toInt();
    return c;
}

QString SendingForm::SelectFileFromDisk() {
    Foundation& f = m_m.F;
    if (!f.Os.Boxes) return {};
    OpenFileRequest request;
    request.title = QStringLiteral("Open text file");
    request.filters = {QStringLiteral("Text Files (*.txt)"), QStringLiteral("All Files (*.*)")};
    request.fileName = QStringLiteral("*.txt");
    request.defaultSuffix = QStringLiteral("txt");
    try {
        request.folder = GetIniValue(f, QStringLiteral("[Drafts]"));
        return f.Os.Boxes->GetOpenFileName(request, this).trimmed();
    } catch (const RuntimeError& e) {
        MessageBoxRequest box;
        box.text = WithFileErrorText(f, ComposeErrorText(QStringLiteral("Sendingform.SelectFileFromDisk"), e.Number,
                                                         e.Description),
                                     e.Number);
        box.title = ErrorTitle(e.Number);
        f.Os.Boxes->Show(box, this);
        return {};
    }
}

void SendingForm::OKButton_Click() {
    if (SendEditorMessage(m_m, Choices(), this) != SendEnd::KeptOpen) UnloadSendingForm(m_m);
}

void SendingForm::CancelButton_Click() { UnloadSendingForm(m_m); }

void SendingForm::reject() { CancelButton_Click(); }

void SendingForm::ConfirmationCheck_Click() {
    ConfirmationCheckTag = ConfirmationCheck->isChecked() ? QStringLiteral("Checked") : QStringLiteral("UnChecked");
}

void SendingForm::FileFromDiskOption_Click() {
    if (FileFromDiskOption->isChecked()) FileNameText->setText(SelectFileFromDisk());
}

void SendingForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_m.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    // The captions put "<Not Available>" back over the stations.
    FillLesLabels();
    m_m.F.Strings.ApplyLanguageCharset(this);
}

}  // namespace tidepost
