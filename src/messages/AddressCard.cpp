#include "messages/AddressCard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/Validators.h"
#include "foundation/WindowPlacement.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressBookTable.h"
#include "messages/AddressCardRoutines.h"
#include "messages/AddressCardRules.h"
#include "messages/Messages.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kEmailType = 0;
constexpr int kFaxType = 2;
constexpr int kInmcType = 3;
constexpr int kPstnType = 4;
constexpr int kDnidType = 6;

// Captions of the destination options 0..8 and the format options 0..2.
constexpr int kDestinationCaptions[AddressCard::kTypeCount] = {2158, 2149, 2150, 2153, 2160, 2152, 2159, 2151, 2928};
const char* const kDestinationEnglish[AddressCard::kTypeCount] = {
    "E-Mail", "Telex", "Fax", "Inm-C Mobile", "PSTN Modem", "Special Access Code", "DNID", "X.25", "SMS"};
constexpr int kFormatCaptions[AddressCard::kFormatCount] = {2155, 2156, 2157};
const char* const kFormatEnglish[AddressCard::kFormatCount] = {"5 bit", "7 bit", "8 bit"};

QLineEdit* MakeField(QWidget* parent, const char* name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

AddressCard::AddressCard(Messages& m, QWidget* parent) : QDialog(parent), m_m(m) {
    setObjectName("AddressCard");
    setWindowTitle("Address Card");
    setModal(false);

    // Created in the order the Tab key visits them.
    NameTextField = MakeField(this, "NameTextField");
    Label2 = MakeLabel(this, "Label2", "Name:", NameTextField);

    auto* destinations = new QWidget(this);
    destinations->setObjectName("DestinationOptions");
    DestinationOption = new QButtonGroup(this);
    DestinationOption->setObjectName("DestinationOption");
    // One column, so that the arrow keys go through the types in order.
    auto* destinationColumn = new QVBoxLayout(destinations);
    destinationColumn->setContentsMargins(0, 0, 0, 0);
    for (int type = 0; type < kTypeCount; ++type) {
        auto* option = new QRadioButton(kDestinationEnglish[type], destinations);
        option->setObjectName(QStringLiteral("DestinationOption%1").arg(type));
        DestinationOption->addButton(option, type);
        destinationColumn->addWidget(option);
    }
    destinationColumn->addStretch();

    NumberTextField = MakeField(this, "NumberTextField");
    DestinationLabel = MakeLabel(this, "DestinationLabel", "Destination:", NumberTextField);

    Frame1 = new QGroupBox("Format", this);
    Frame1->setObjectName("Frame1");
    FormatOption = new QButtonGroup(this);
    FormatOption->setObjectName("FormatOption");
    auto* formatRow = new QHBoxLayout(Frame1);
    for (int format = 0; format < kFormatCount; ++format) {
        auto* option = new QRadioButton(kFormatEnglish[format], Frame1);
        option->setObjectName(QStringLiteral("FormatOption%1").arg(format));
        FormatOption->addButton(option, format);
        formatRow->addWidget(option);
    }

    MemberNo = MakeField(this, "MemberNo");
    MemberNo->setMaxLength(3);
    MemberNo->setFixedWidth(Twips(495));
    MemLabel = MakeLabel(this, "MemLabel", "Member No.:", MemberNo);
    PrefixCheck = new QCheckBox("Two digit prefix:", this);
    PrefixCheck->setObjectName("PrefixCheck");
    TwoDigitPrefix = MakeField(this, "TwoDigitPrefix");
    TwoDigitPrefix->setMaxLength(2);
    TwoDigitPrefix->setEnabled(false);
    TwoDigitPrefix->setFixedWidth(Twips(495));

    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CancelButton = new QPushButton("Cancel", this);
    CancelButton->setObjectName("CancelButton");

    // The name across the top; the types on the left, what the chosen type asks for on the right.
    auto* name = new QHBoxLayout;
    name->addWidget(Label2);
    name->addWidget(NameTextField, 1);
    auto* details = new QGridLayout;
    details->addWidget(DestinationLabel, 0, 0, 1, 2);
    details->addWidget(NumberTextField, 1, 0, 1, 2, Qt::AlignLeft);
    details->addWidget(Frame1, 2, 0, 1, 2);
    details->addWidget(MemLabel, 3, 0);
    details->addWidget(MemberNo, 3, 1, Qt::AlignLeft);
    details->addWidget(PrefixCheck, 4, 0);
    details->addWidget(TwoDigitPrefix, 4, 1, Qt::AlignLeft);
    details->setRowStretch(5, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(destinations);
    body->addLayout(details, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(name);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    for (QLineEdit* field : {NameTextField, NumberTextField, MemberNo, TwoDigitPrefix}) field->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &AddressCard::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &AddressCard::CancelButton_Click);
    connect(PrefixCheck, &QCheckBox::toggled, this, &AddressCard::PrefixCheck_Click);
    // Toggled, not clicked, so that the arrow keys in the options switch the type too.
    connect(DestinationOption, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked) DestinationOption_Click(id);
    });

    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
    ml_RuntimeSupport = connect(&m_m.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &AddressCard::ml_RuntimeSupport_LanguageChanged);
    CentreOnMainWindow();
}

void AddressCard::CentreOnMainWindow() {
    adjustSize();
    IMainForm* main = m_m.F.Windows.MainForm;
    CentreOverMainWindow(*this, main ? main->Form() : nullptr);
}

AddressCard::~AddressCard() { disconnect(ml_RuntimeSupport); }

QRadioButton* AddressCard::DestinationOptionButton(int type) const {
    return qobject_cast<QRadioButton*>(DestinationOption->button(type));
}

QRadioButton* AddressCard::FormatOptionButton(int format) const {
    return qobject_cast<QRadioButton*>(FormatOption->button(format));
}

int AddressCard::SelectedType() const { return qMax(0, DestinationOption->checkedId()); }

void AddressCard::ApplyCaptions() {
    const MlStrings& s = m_m.F.Strings;
    SetWindowCaption(s, this, 2147);
    SetCaption(s, CancelButton, 9);
    SetCaption(s, OKButton, 1906);
    SetCaption(s, DestinationLabel, 2163);
    for (int type = 0; type < kTypeCount; ++type) SetCaption(s, DestinationOptionButton(type), kDestinationCaptions[type]);
    for (int format = 0; format < kFormatCount; ++format)
        SetCaption(s, FormatOptionButton(format), kFormatCaptions[format]);
    SetCaption(s, Frame1, 2154);
    SetCaption(s, Label2, 2164);
    SetCaption(s, MemLabel, 2162);
    SetCaption(s, PrefixCheck, 2148);
    // The fields without a label of their own are named by the text that stands for them.
    TwoDigitPrefix->setAccessibleName(PrefixCheck->text());
    if (auto* destinations = findChild<QWidget*>("DestinationOptions"))
        destinations->setAccessibleName(MlText(m_m.F, 2163, "Destination:"));
}

void AddressCard::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_m.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    // The number field's label names what the shown type asks for, not "Destination:".
    if (const CardTypeLayout* layout = CardLayoutForType(DestinationOption->checkedId()))
        SetCaption(m_m.F.Strings, DestinationLabel, layout->LabelId);
    m_m.F.Strings.ApplyLanguageCharset(this);
}

void AddressCard::DestinationOption_Click(int index) {
    if (index == PrevDest.toInt()) return;
    StoreCardTypeValues(m_m, PrevDest.toInt());
    SetUpCardForType(m_m, index);
    ShowCardTypeValues(m_m, index, false);
    PrevDest = QString::number(index);
}

void AddressCard::PrefixCheck_Click() { TwoDigitPrefix->setEnabled(PrefixCheck->isChecked()); }

void AddressCard::ShowBox(const QString& text, const QString& title) {
    MessageBoxRequest box;
    box.text = text;
    box.title = title;
    box.buttons = MsgButtons::Ok;
    if (m_m.F.Os.Boxes) m_m.F.Os.Boxes->Show(box, this);
}

void AddressCard::ShowKeyBox(int stringId, const QString& english) {
    ShowBox(MlText(m_m.F, stringId, english), m_m.F.gProductName);
}

namespace {
QString KeyBoxEnglish(int stringId) {
    switch (stringId) {
    case 2586: return QStringLiteral("Member No. has to be within [1..255]!");
    case 2587: return QStringLiteral("DNID numbers can be max. 5 digits long!");
    case 2588: return QStringLiteral("Inmarsat-C mobile numbers consist of a 3 digit sat. code + 9 digits.");
    default: return {};
    }
}

// The caret as the key filters count it: the start of the selection when there is one.
int SelStart(const QLineEdit* field) {
    return field->hasSelectedText() ? field->selectionStart() : field->cursorPosition();
}
int SelLength(const QLineEdit* field) { return field->hasSelectedText() ? int(field->selectedText().size()) : 0; }
}  // namespace

bool AddressCard::NameTextField_KeyPress(QChar key) { return NameKey(key).Pass; }

bool AddressCard::TwoDigitPrefix_KeyPress(QChar key) { return PrefixKey(key).Pass; }

bool AddressCard::MemberNo_KeyPress(QChar key) {
    const CardKeyVerdict v = MemberKey(MemberNo->text(), SelStart(MemberNo), SelLength(MemberNo), key);
    if (v.BoxStringId) ShowKeyBox(v.BoxStringId, KeyBoxEnglish(v.BoxStringId));
    return v.Pass;
}

bool AddressCard::NumberTextField_KeyPress(QChar key) {
    const CardKeyVerdict v = NumberKey(SelectedType(), NumberTextField->text(), SelStart(NumberTextField),
                                       SelLength(NumberTextField), key);
    if (v.BoxStringId) ShowKeyBox(v.BoxStringId, KeyBoxEnglish(v.BoxStringId));
    return v.Pass;
}

bool AddressCard::NumberTextField_KeyDown(int key) {
    return key != Qt::Key_Delete || NumberDeleteKeyPasses(SelectedType(), SelStart(NumberTextField));
}

bool AddressCard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == NumberTextField && SelectedType() == kInmcType &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
        // Tabbing in selects the whole field, where the "58" takes no key: start behind it instead,
        // once the field has made its selection.
        QTimer::singleShot(0, NumberTextField, [field = NumberTextField] { field->end(false); });
    }
    if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (watched == NumberTextField && keyEvent->key() == Qt::Key_Delete) return !NumberTextField_KeyDown(Qt::Key_Delete);

    // Typed characters and backspace go through the field's filter; other keys (Tab, Enter, the
    // arrows, shortcuts such as paste) pass. Whatever reaches a field another way is checked
    // when the card is saved.
    QString typed = keyEvent->text();
    if (keyEvent->key() == Qt::Key_Backspace) typed = QString(QChar(kBackspaceKey));
    else if (typed.isEmpty() || !std::all_of(typed.cbegin(), typed.cend(), [](QChar c) { return c.isPrint(); }))
        return false;
    for (QChar key : typed) {
        bool passes = true;
        if (watched == NameTextField) passes = NameTextField_KeyPress(key);
        else if (watched == NumberTextField) passes = NumberTextField_KeyPress(key);
        else if (watched == MemberNo) passes = MemberNo_KeyPress(key);
        else if (watched == TwoDigitPrefix) passes = TwoDigitPrefix_KeyPress(key);
        if (!passes) return true;
    }
    return false;
}

bool AddressCard::RefuseName(const QString& text) {
    ShowBox(text, MlText(m_m.F, 2838, "Name failure"));
    if (NameTextField->isEnabled()) NameTextField->setFocus();
    return false;
}

bool AddressCard::RefuseNumber(const QString& text) {
    ShowBox(text, MlText(m_m.F, 2841, "Address failure"));
    NumberTextField->setFocus();
    return false;
}

bool AddressCard::ValidateAddrCardForm() {
    Foundation& f = m_m.F;
    NameTextField->setText(TrimBlanks(NameTextField->text()).toString());
    const QString name = NameTextField->text();
    QString message;
    if (!ValidateName(f, name, true, message, this)) return false;
    if (!IsAcceptableCardName(name))
        return RefuseName(QStringLiteral("A name can not hold ';', '/', ':' or a line break."));

    const int type = SelectedType();
    const QString number = NumberTextField->text();
    bool result = true;
    switch (type) {
    case kEmailType: result = ValidateEmail(f, number, true, message, this); break;
    case kFaxType:
    case kPstnType: result = ValidateNumber(f, number, true, message); break;
    case kInmcType: result = ValidateInmcNumber(f, number, true, message); break;
    case kDnidType: result = ValidateDnid(f, number, true, message); break;
    default: break;
    }
    if (result && !IsAcceptableCardNumber(type, number)) {
        if (!IsStorableAddressText(number))
            result = RefuseNumber(QStringLiteral("An address can not hold ':' or a line break."));
        else if (type == kInmcType)
            result = RefuseNumber(MlText(f, 2843,
                                         "Inm-C addresses needs to be a 12 digits No., 3 digit for Ocean Region & 9 "
                                         "digit for the Mobile No."));
        else if (type == kFaxType || type == kPstnType)
            result = RefuseNumber(QStringLiteral("This number can hold digits only, with one '+' in front."));
        else
            result = RefuseNumber(QStringLiteral("This number can hold digits only."));
    }

    const QString prefix = TwoDigitPrefix->text();
    if (PrefixCheck->isChecked() && !PrefixCheck->isHidden() && !TwoDigitPrefix->isHidden() && !prefix.isEmpty() &&
        !IsAcceptablePrefix(prefix)) {
        result = false;
        ShowBox(MlText(f, 2585, "Two digit prefix must have exactly two digits"), f.gProductName);
    }
    if (type == kDnidType && !IsAcceptableMemberNo(MemberNo->text())) {
        result = false;
        ShowKeyBox(2586, KeyBoxEnglish(2586));
        MemberNo->setFocus();
    }
    return result;
}

void AddressCard::OKButton_Click() {
    if (!ValidateAddrCardForm()) return;
    const QString name = NameTextField->text();
    const bool isNew = Tag == QStringLiteral("New");

    // A name another entry holds would make lookups find whichever comes first. A change that
    // keeps the entry's own name, or changes only its letter case, takes nothing from another.
    int taken = -1;
    if (isNew) {
        taken = FindAddressEntry(m_m, name, false);
    } else if (name != FormerValue.Name) {
        const int own = CardEntryIndex(m_m);
        const QList<AddressEntry>& table = m_m.AddressBookEntries;
        for (int i = 0; i < table.size() && taken < 0; ++i)
            if (i != own && table.at(i).Name.compare(name, Qt::CaseInsensitive) == 0) taken = i;
    }
    if (taken >= 0) {
        ShowBox(FormatMlString(MlText(m_m.F, 2589, "Name '%0' already exists. Try a different name."), {name}),
                MlText(m_m.F, 2590, "Name already exists"));
        if (NameTextField->isEnabled()) NameTextField->setFocus();
        return;
    }

    const QString formerName = FormerName;
    const int index = SaveCardToBook(m_m, isNew);
    if (AddressBookForm* dialog = m_m.AddressBookForms.AddressBookForm.loaded()) {
        if (isNew) dialog->AddEntryName(name, index);
        else if (name != formerName) RenameInDialogLists(m_m, name, formerName, index);
    }
    WriteAddressBookFile(m_m);
    m_m.AddressBookForms.AddressCard.unload();
}

void AddressCard::CancelButton_Click() {
    NameTextField->clear();
    m_m.AddressBookForms.AddressCard.unload();
}

void AddressCard::reject() { CancelButton_Click(); }

}  // namespace tidepost
