#include "messages/AddressCardRoutines.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

#include "foundation/Foundation.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "messages/AddressBookTable.h"
#include "messages/AddressCard.h"
#include "messages/AddressCardRules.h"
#include "messages/AddressCodes.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

constexpr int kTelexType = 1;
constexpr int kInmcType = 3;
constexpr int kDnidType = 6;
constexpr int kFiveBit = 0;
constexpr int kSevenBit = 1;

constexpr CardTypeLayout kLayouts[AddressCard::kTypeCount] = {
    {2907, "E-Mail Address:", "", true, 2175, false, false},
    {2908, "Telex No.:", "", false, 2175, false, true},
    {2909, "Telefax No.:", "", true, 2175, false, true},
    {2910, "Inmarsat-C Mobile No.:", "580", true, 2175, false, true},
    {2911, "Telephone No.:", "", true, 2175, false, true},
    {2912, "Special Access Code Service:", "", true, 2175, false, false},
    {2913, "DNID No.:", "", true, 1095, true, false},
    {2914, "X.25 No.:", "", true, 2175, false, true},
    {2965, "SMS Mobile phone number:", "", false, 2175, false, false},
};

bool IsType(int type) { return type >= 0 && type < AddressCard::kTypeCount; }

AddressCard& Card(Messages& m) { return m.AddressBookForms.AddressCard.get(); }

// The member number or prefix the card holds for the type.
QString CardMemberOrPrefix(const AddressCard& card, int type) {
    if (type == kDnidType) return card.MemberNo->text();
    if (IsPrefixedNumberType(type) && card.PrefixCheck->isChecked()) return card.TwoDigitPrefix->text();
    return {};
}

void ShowCard(AddressCard& card) {
    // Laid out for its type now, the card is centred as it will be seen.
    if (!card.isVisible()) card.CentreOnMainWindow();
    card.show();
    card.raise();
    card.activateWindow();
}

// Fresh remembered values for every type, the card set up and showing the first type's: the start
// of both openings. The name field takes input again.
void PrepareCard(Messages& m, int type) {
    for (int t = 0; t < AddressCard::kTypeCount; ++t) ResetCardTypeValues(m, t);
    AddressCard& card = Card(m);
    card.NameTextField->setEnabled(true);
    SetUpCardForType(m, type);
}

// The text without the characters `unwanted` holds.
QString Without(QString text, const QString& unwanted) {
    text.removeIf([&](QChar c) { return unwanted.contains(c); });
    return text;
}

}  // namespace

const CardTypeLayout* CardLayoutForType(int type) { return IsType(type) ? &kLayouts[type] : nullptr; }

void ResetCardTypeValues(Messages& m, int type) {
    if (!IsType(type)) return;
    AddressEntry& d = m.CardTypeValues[type];
    d = AddressEntry{};
    d.Type = static_cast<std::int16_t>(type);
    d.Format = type == kTelexType ? kFiveBit : kSevenBit;
    // The first two digits of every Inmarsat-C mobile number.
    if (type == kInmcType) d.Address = QStringLiteral("58");
}

void SetUpCardForType(Messages& m, int type) {
    const CardTypeLayout* layout = CardLayoutForType(type);
    if (!layout) return;
    AddressCard& card = Card(m);
    card.DestinationLabel->setText(MlText(m.F, layout->LabelId, layout->Label));
    card.NumberTextField->setText(layout->Preset);
    card.FormatOptionButton(2)->setVisible(layout->EightBit);
    card.NumberTextField->setFixedWidth(Twips(layout->NumberWidthTwips));
    card.MemberNo->setVisible(layout->Member);
    card.MemLabel->setVisible(layout->Member);
    card.PrefixCheck->setVisible(layout->Prefix);
    card.TwoDigitPrefix->setVisible(layout->Prefix);
}

void ShowCardTypeValues(Messages& m, int type, bool setName) {
    if (!IsType(type)) return;
    const AddressEntry d = m.CardTypeValues[type];
    AddressCard& card = Card(m);
    {
        // Selected from here, the type changes nothing more: the caller shows this type already.
        const QSignalBlocker quiet(card.DestinationOption);
        if (QRadioButton* option = card.DestinationOptionButton(d.Type)) option->setChecked(true);
    }
    if (QRadioButton* option = card.FormatOptionButton(d.Format)) option->setChecked(true);
    if (setName) card.NameTextField->setText(d.Name);
    card.NumberTextField->setText(d.Address);
    card.PrefixCheck->setChecked(!d.MemberOrPrefix.isEmpty());
    card.TwoDigitPrefix->setEnabled(card.PrefixCheck->isChecked());
    card.MemberNo->clear();
    card.TwoDigitPrefix->clear();
    if (IsPrefixedNumberType(type)) card.TwoDigitPrefix->setText(d.MemberOrPrefix);
    else if (type == kDnidType) card.MemberNo->setText(d.MemberOrPrefix);
}

void StoreCardTypeValues(Messages& m, int type) {
    if (!IsType(type)) return;
    AddressEntry& d = m.CardTypeValues[type];
    const AddressCard& card = Card(m);
    d.Address = card.NumberTextField->text();
    d.Type = static_cast<std::int16_t>(type);
    if (card.FormatOption->checkedId() >= 0) d.Format = static_cast<std::int16_t>(card.FormatOption->checkedId());
    d.MemberOrPrefix = CardMemberOrPrefix(card, type);
}

int CardEntryIndex(Messages& m) {
    const AddressCard* card = m.AddressBookForms.AddressCard.loaded();
    if (!card) return -1;
    const QList<AddressEntry>& table = m.AddressBookEntries;
    const int at = card->FormerEntry;
    if (at >= 0 && at < table.size() && table.at(at) == card->FormerValue) return at;
    const qsizetype found = table.indexOf(card->FormerValue);
    return card->FormerEntry < 0 || found < 0 ? -1 : static_cast<int>(found);
}

int SaveCardToBook(Messages& m, bool isNew) {
    const AddressCard& card = Card(m);
    const int type = card.SelectedType();
    const int format = qMax(0, card.FormatOption->checkedId());
    int i = isNew ? -1 : CardEntryIndex(m);
    // A new entry, or one that has gone from the table meanwhile, takes the first free slot.
    if (i < 0) i = FindAddressEntry(m, QString(), true);
    AddressEntry& e = m.AddressBookEntries[i];
    e.Address = card.NumberTextField->text();
    e.Name = card.NameTextField->text();
    e.Type = static_cast<std::int16_t>(type);
    e.Format = static_cast<std::int16_t>(format);
    e.MemberOrPrefix = CardMemberOrPrefix(card, type);
    m.AddressNames.Changed();
    return i;
}

void ShowNewAddressCard(Messages& m) {
    PrepareCard(m, 0);
    AddressCard& card = Card(m);
    card.Tag = QStringLiteral("New");
    card.FormerName.clear();
    card.FormerEntry = -1;
    card.FormerValue = AddressEntry{};
    ShowCardTypeValues(m, 0, true);
    card.PrevDest = QStringLiteral("0");
    ShowCard(card);
    card.NameTextField->setFocus();
}

bool PrefillNewAddressCard(Messages& m, const QString& text) {
    ShowNewAddressCard(m);
    AddressCard& card = Card(m);
    QLineEdit* field = nullptr;
    if (text.contains(u'@')) {
        // An e-mail address; type e-mail is selected already.
        field = card.NumberTextField;
        field->setText(Without(text, QStringLiteral(":\r\n")));
    } else {
        field = card.NameTextField;
        field->setText(Without(text, QStringLiteral(";/:\r\n")));
        // The name typed in the address field stays as typed; one it could not take is the
        // operator's to choose.
        card.NameTextField->setEnabled(field->text() != text);
        card.NumberTextField->setFocus();
    }
    ShowCard(card);
    return field->text() == text;
}

void ShowAddressCardForEntry(Messages& m, int index, const QString& alias) {
    if (index < 0 || index >= m.AddressBookEntries.size()) return;
    const AddressEntry entry = m.AddressBookEntries.at(index);
    const int type = IsType(entry.Type) ? entry.Type : 0;
    PrepareCard(m, type);
    m.CardTypeValues[type] = entry;
    m.CardTypeValues[type].Type = static_cast<std::int16_t>(type);
    AddressCard& card = Card(m);
    card.PrevDest = QString::number(type);
    ShowCardTypeValues(m, type, true);
    card.Tag = QStringLiteral("Existing");
    card.FormerName = alias;
    card.FormerEntry = index;
    card.FormerValue = entry;
    ShowCard(card);
    card.NameTextField->setFocus();
}

}  // namespace tidepost
