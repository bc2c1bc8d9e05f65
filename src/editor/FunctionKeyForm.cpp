#include "editor/FunctionKeyForm.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>

#include "editor/cDefaultMessage.h"
#include "foundation/Captions.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kNameLimit = 20;

// Typing and pasting stop at 20 characters; a longer name the dialog itself puts in (a subject)
// stays whole and may still be shortened.
class NameLimit : public QValidator {
public:
    explicit NameLimit(QLineEdit* box) : QValidator(box) {
        connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_length = text.size(); });
    }
    State validate(QString& input, int&) const override {
        return input.size() <= kNameLimit || input.size() <= m_length ? Acceptable : Invalid;
    }

private:
    // The length of the text as it stands, which an edit may keep but not pass.
    qsizetype m_length = 0;
};

}  // namespace

FunctionKeyForm::FunctionKeyForm(Foundation& f, FunctionKeyLinks& links, std::function<void()> unload)
    : QWidget(nullptr, kFixedDialog), m_f(f), m_links(links), m_unload(std::move(unload)) {
    setObjectName("FunctionKeyForm");
    setWindowTitle("Set default message");
    Label2 = new QLabel("Function key F1-F8 to link with message in Editor", this);
    Label2->setObjectName("Label2");
    FKeyList = new QComboBox(this);
    FKeyList->setObjectName("FKeyList");
    FKeyList->setEditable(false);
    Label1 = new QLabel("Name for the message", this);
    Label1->setObjectName("Label1");
    NameBox = new QLineEdit(this);
    NameBox->setObjectName("NameBox");
    NameBox->setValidator(new NameLimit(NameBox));
    Label2->setBuddy(FKeyList);
    Label1->setBuddy(NameBox);
    OKButton = new QPushButton("Save and close", this);
    OKButton->setObjectName("OKButton");
    ClearButton = new QPushButton("Clear", this);
    ClearButton->setObjectName("ClearButton");
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(Label2, 0, 0, 1, 2);
    grid->addWidget(FKeyList, 1, 0, 1, 2);
    grid->addWidget(Label1, 2, 0, 1, 2);
    grid->addWidget(NameBox, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(ClearButton);
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    grid->addLayout(buttons, 4, 0, 1, 2);
    setTabOrder(FKeyList, NameBox);
    setTabOrder(NameBox, OKButton);
    setTabOrder(OKButton, ClearButton);
    setTabOrder(ClearButton, CancelButton);

    for (QWidget* w : {static_cast<QWidget*>(FKeyList), static_cast<QWidget*>(OKButton),
                       static_cast<QWidget*>(ClearButton)})
        w->installEventFilter(this);
    connect(FKeyList, &QComboBox::currentIndexChanged, this, [this] { FollowSelection(); });
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButton_Click(); });
    connect(CancelButton, &QPushButton::clicked, this, [this] { CancelButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { CancelButton_Click(); });
}

FunctionKeyForm::~FunctionKeyForm() = default;

void FunctionKeyForm::ShowForm() {
    if (!m_formLoaded) Form_Load();
    show();
    raise();
    activateWindow();
}

void FunctionKeyForm::Form_Load() {
    m_formLoaded = true;
    connect(&m_f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this, [this](int languageId, const QString& l) {
        m_f.Strings.SetMlLanguage(languageId, l);
        ApplyCaptions();
        m_f.Strings.ApplyLanguageCharset(this);
    });
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
    UpdateDefaultMessageList();
    SelectKeyIndex();
    SetButtonState();
    adjustSize();
    setFixedSize(sizeHint());
    CentreOverMainWindow(*this, m_links.MainWindow ? m_links.MainWindow() : nullptr);
}

void FunctionKeyForm::ApplyCaptions() {
    const MlStrings& s = m_f.Strings;
    SetWindowCaption(s, this, 2323);
    SetCaption(s, Label2, 2326);
    SetCaption(s, Label1, 2327);
    SetCaption(s, OKButton, 2324);
    SetCaption(s, ClearButton, 2197);
    SetCaption(s, CancelButton, 9);
    if (FKeyList->count() > 0) {
        const QString select = s.GetMlString(2647);
        if (!select.isEmpty()) FKeyList->setItemText(0, select);
    }
}

QString FunctionKeyForm::EmptyWord() const { return MlText(m_f, 2060, "Empty"); }

void FunctionKeyForm::UpdateDefaultMessageList() {
    {
        const QSignalBlocker block(FKeyList);
        FKeyList->clear();
        FKeyList->addItem(MlText(m_f, 2647, "Select a key"));
        cDefaultMessage message(m_f);
        for (std::int16_t n = 1; n <= 8; ++n) {
            message.Init(n);
            QString name = EmptyWord();
            if (message.ExistsFile()) {
                message.LoadMessage(n);
                name = message.GetName();
            }
            FKeyList->addItem(QStringLiteral("F%1 [%2]").arg(n).arg(name));
        }
        FKeyList->setCurrentIndex(-1);
    }
    if (m_links.UpdateFMenu) m_links.UpdateFMenu();
}

void FunctionKeyForm::SelectKeyIndex() {
    if (KeyIndex < 0 || KeyIndex > 8) return;
    {
        const QSignalBlocker block(FKeyList);
        FKeyList->setCurrentIndex(KeyIndex);
    }
    FollowSelection();
}

void FunctionKeyForm::FollowSelection() {
    const auto index = static_cast<std::int16_t>(FKeyList->currentIndex());
    if (index == m_lastSeenIndex) return;
    FKeyList_Change();
    m_lastSeenIndex = index;
}

QString FunctionKeyForm::Field(const char* name) const {
    return m_links.FieldText ? m_links.FieldText(QString::fromLatin1(name)) : QString();
}

void FunctionKeyForm::FKeyList_Change() {
    const int index = FKeyList->currentIndex();
    if (index < 1) {
        NameBox->clear();
    } else {
        cDefaultMessage message(m_f);
        if (message.LoadMessage(static_cast<std::int16_t>(index))) NameBox->setText(message.GetName());
        else NameBox->setText(Field("SubjectFieldText"));
    }
    SetButtonState();
}

void FunctionKeyForm::SetButtonState() {
    // Only a key can be saved or cleared: neither "Select a key" nor an empty selection.
    const bool key = FKeyList->currentIndex() >= 1;
    OKButton->setEnabled(key);
    ClearButton->setEnabled(key);
}

bool FunctionKeyForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const auto mods = key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
        if (mods == Qt::NoModifier && key->key() >= Qt::Key_F1 && key->key() <= Qt::Key_F8) {
            FKeyList->setCurrentIndex(key->key() - Qt::Key_F1 + 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FunctionKeyForm::OKButton_Click() {
    IMessageBoxes* boxes = m_f.Os.Boxes;
    if (NameBox->text() == EmptyWord()) {
        if (boxes) {
            MessageBoxRequest box;
            box.text = FormatMlString(MlText(m_f, 2644, "Illegal name, '%0'. Please change the name."),
                                      {NameBox->text()});
            box.title = MlText(m_f, 2544, "Error");
            boxes->Show(box, this);
        }
        if (NameBox->isVisible() && NameBox->isEnabled()) NameBox->setFocus();
        return;
    }
    const auto index = static_cast<std::int16_t>(FKeyList->currentIndex());
    cDefaultMessage message(m_f);
    message.Init(index);
    if (index > 0) KeyIndex = index;
    bool store = true;
    if (message.ExistsFile() && boxes) {
        MessageBoxRequest box;
        box.text = MlText(m_f, 2645, "Message already exists, overwrite message?");
        box.title = MlText(m_f, 2646, "Overwrite?");
        box.buttons = MsgButtons::YesNo;
        box.icon = MsgIcon::Question;
        store = boxes->Show(box, this) == MsgAnswer::Yes;
    }
    if (store) {
        const bool written = message.CreateMessage(NameBox->text(), Field("Editor"), Field("SubjectFieldText"),
                                                   Field("ToFieldText"), Field("CCFieldText"),
                                                   Field("BccFieldText"));
        const FileError& err = message.LastError();
        if (!written && err && boxes) {
            // The operator must know the message was not stored; the dialog stays for another try.
            MessageBoxRequest box;
            box.text = WithFileErrorText(
                m_f, ComposeErrorText("FunctionKeyForm.OKButton_Click", err.number, err.description), err.number,
                message.FilePath());
            box.title = MlText(m_f, 2544, "Error");
            boxes->Show(box, this);
            UpdateDefaultMessageList();
            SelectKeyIndex();
            return;
        }
        UpdateDefaultMessageList();
        SelectKeyIndex();
    }
    CancelButton_Click();
}

void FunctionKeyForm::ClearButton_Click() {
    IMessageBoxes* boxes = m_f.Os.Boxes;
    const auto index = static_cast<std::int16_t>(FKeyList->currentIndex());
    if (index > 0) KeyIndex = index;
    MessageBoxRequest ask;
    ask.text = MlText(m_f, 2641, "Clear message linked with key F") + QString::number(index) + "?";
    ask.title = MlText(m_f, 2642, "Clear key?");
    ask.buttons = MsgButtons::YesNo;
    ask.icon = MsgIcon::Question;
    if (boxes && boxes->Show(ask, this) == MsgAnswer::Yes) {
        cDefaultMessage message(m_f);
        message.Init(index);
        if (message.Delete()) {
            FKeyList_Change();
            UpdateDefaultMessageList();
            CancelButton_Click();
            return;
        }
        MessageBoxRequest box;
        box.text = MlText(m_f, 2643, "Error, file could not be deleted");
        box.title = MlText(m_f, 2544, "Error");
        boxes->Show(box, this);
    }
    UpdateDefaultMessageList();
    SelectKeyIndex();
}

void FunctionKeyForm::CancelButton_Click() {
    if (m_closed) return;
    m_closed = true;
    disconnect(&m_f.Strings.Notifier, nullptr, this, nullptr);
    setObjectName(QString());
    hide();
    if (m_unload) m_unload();
}

void FunctionKeyForm::closeEvent(QCloseEvent* event) {
    event->ignore();
    CancelButton_Click();
}

}  // namespace tidepost
