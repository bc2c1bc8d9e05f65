#include "messages/AddressSearch.h"

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "messages/AddressBookTable.h"
#include "messages/IAddressBookWindows.h"
#include "messages/Messages.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {


// Split at every occurrence of the separator, letter case counting; an empty separator splits
// nothing.
QStringList SplitAt(const QString& text, const QString& separator) {
    if (separator.isEmpty()) return {text};
    return text.split(separator, Qt::KeepEmptyParts, Qt::CaseSensitive);
}

QString Trimmed(const QString& text) { return TrimBlanks(text).toString(); }

// The notice before the card opens for a name the book does not hold.
void ShowWillBeAddedNotice(Foundation& f, const QString& name) {
    if (!f.Os.Boxes) return;
    MessageBoxRequest box;
    box.text = FormatMlString(MlText(f, 2790, "'%0' will be added to the address book . "), {name});
    box.title = MlText(f, 12, "Info");
    box.buttons = MsgButtons::Ok;
    f.Os.Boxes->Show(box);
}

}  // namespace

AddressSearchResult SearchAddressBook(Messages& m, const QString& text) {
    AddressSearchResult result;
    const QString wanted = text.toUpper();
    for (const AddressEntry& e : m.AddressBookEntries) {
        if (e.Name.toUpper() == wanted) {
            result.Found = true;
            result.Names = {e.Name};
            return result;
        }
    }
    for (const AddressEntry& e : m.AddressBookEntries)
        if (e.Address.toUpper().contains(wanted) || e.Name.toUpper().contains(wanted)) result.Names.append(e.Name);
    result.Found = !result.Names.isEmpty();
    if (!result.Found) result.Names = {QString()};
    return result;
}

AddressSearchResult ResolveAddressField(Messages& m, const QString& fieldText, const QString& separator,
                                        bool allowAdd) {
    m.ResolveNames = {QString()};
    AddressSearchResult result;
    const QString text = Trimmed(fieldText);
    if (text.isEmpty()) return result;
    result.Found = true;

    // The chooser and the notice run a nested event loop in which another field may be resolved,
    // which replaces ResolveNames; this field's names are therefore kept here and published to
    // ResolveNames for the chooser.
    QStringList names = SplitAt(text, separator);
    if (!names.isEmpty() && names.last().isEmpty()) names.removeLast();
    m.ResolveNames = names;

    for (qsizetype i = 0; i < names.size(); ++i) {
        names[i] = Trimmed(names[i]);
        if (names[i].isEmpty()) continue;
        const AddressSearchResult found = SearchAddressBook(m, names[i]);
        m.LastSearchResult = found;
        IAddressBookWindows* windows = m.AddressBookWindows;

        if (found.Found && found.Names.size() == 1) {
            names[i] = found.Names.first();
        } else if (found.Found) {
            // Only one resolution at a time may show the chooser; without it the name stays as typed.
            if (!windows || windows->AddressListFormVisible()) continue;
            m.ResolveNames = names;
            names[i] = windows->ChooseAddress(static_cast<int>(i));
        } else {
            result.Found = false;
            // While a card is open no further notice is shown and no second card opened.
            if (!allowAdd || !windows || windows->AddressCardVisible()) continue;
            const QString name = names[i];
            ShowWillBeAddedNotice(m.F, name);
            if (!windows->PrefillNewAddressCard(name)) names[i].clear();
        }
    }

    m.ResolveNames = names;
    result.Names = names;
    return result;
}

QStringList SplitAddressField(const QString& text, const QString& separator) {
    if (Trimmed(text).isEmpty()) return {QString(), QString()};
    return SplitAt(text, separator);
}

bool NamesToRecipientMatrix(Messages& m, const QStringList& names, RecipientMatrix& matrix, std::uint8_t list) {
    if (m.F.gSession.MessagePriority() == kDistressPriority) {
        matrix.Cell(1, 1, 0) = QStringLiteral("00000;");
        return true;
    }
    for (const QString& name : names) {
        if (name.isEmpty()) continue;
        TypeAndFormat tf;
        if (!GetEntryTypeAndFormat(m, name, tf)) return false;
        if (!RecipientMatrix::InRange(tf.Type, tf.Format, list)) return false;
        QString& cell = matrix.Cell(tf.Type, tf.Format, list);
        if (!cell.isEmpty()) cell += u';';
        cell += name;
    }
    return true;
}

}  // namespace tidepost
