#include "messages/AddressBookWindows.h"

#include <QListWidget>
#include <QPushButton>

#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cShowModal.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressCard.h"
#include "messages/AddressCardRoutines.h"
#include "messages/AddressListForm.h"
#include "messages/AddressSearch.h"
#include "messages/IMessageEditor.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

// The main window, which the address-book windows belong to and are centred over.
QWidget* MainWindow(Messages& m) {
    IMainForm* main = m.F.Windows.MainForm;
    return main ? main->Form() : nullptr;
}

template <typename Form>
bool IsShown(const FormHolder<Form>& holder) {
    const Form* form = holder.loaded();
    return form && form->isVisible();
}

}  // namespace

AddressBookWindowSet::AddressBookWindowSet(Messages& m)
    : AddressCard([&m] { return new tidepost::AddressCard(m, MainWindow(m)); }),
      AddressBookForm([&m] { return new tidepost::AddressBookForm(m, MainWindow(m)); }),
      AddressListForm([&m] { return new tidepost::AddressListForm(m, MainWindow(m)); }),
      m_m(m) {}

AddressBookWindowSet::~AddressBookWindowSet() = default;

bool AddressBookWindowSet::AddressListFormVisible() const { return IsShown(AddressListForm); }

QString AddressBookWindowSet::ChooseAddress(int nameIndex) {
    tidepost::AddressListForm& chooser = AddressListForm.get();
    chooser.Fill(nameIndex);
    cShowModal().ShowModal(&chooser, MainWindow(m_m));
    // The window may have gone with the main window meanwhile.
    const tidepost::AddressListForm* shown = AddressListForm.loaded();
    const QString chosen = shown ? shown->ChosenName() : QString();
    AddressListForm.unload();
    return chosen;
}

bool AddressBookWindowSet::AddressCardVisible() const { return IsShown(AddressCard); }

bool AddressBookWindowSet::PrefillNewAddressCard(const QString& text) { return tidepost::PrefillNewAddressCard(m_m, text); }

void ShowAddressBookDialog(Messages& m, const QString& field) {
    if (m.Editor) m.Editor->ChangeToEditor();
    AddressBookForm& dialog = m.AddressBookForms.AddressBookForm.get();
    dialog.List1->clear();
    dialog.Tag = field;
    ReadAddressBookFile(m);
    const QList<AddressEntry>& table = m.AddressBookEntries;
    // Every row of the book has the height of one line of text: the list lays out 30,000 names
    // without measuring each, and draws once when they are all in.
    dialog.List1->setUniformItemSizes(true);
    dialog.List1->setUpdatesEnabled(false);
    QStringList names;
    std::vector<int> indices;
    names.reserve(table.size());
    indices.reserve(static_cast<size_t>(table.size()));
    for (qsizetype i = 0; i < table.size(); ++i)
        if (!table.at(i).Name.isEmpty()) {
            names.append(table.at(i).Name);
            indices.push_back(static_cast<int>(i));
        }
    dialog.AddEntryNames(names, indices);
    dialog.List1->setUpdatesEnabled(true);
    QListWidget* recipients[] = {dialog.List2, dialog.List3, dialog.List4};
    QPushButton* copyButtons[] = {dialog.ToButton, dialog.CCButton, dialog.BccButton};
    for (int list = 0; list < 3; ++list) {
        recipients[list]->clear();
        // Cc and Bcc take part only while the editor shows their rows.
        const bool shown = dialog.FieldShown(list);
        recipients[list]->setEnabled(shown);
        copyButtons[list]->setEnabled(shown);
        if (!shown) continue;
        const QString text = m.Editor ? m.Editor->AddressFieldText(list) : QString();
        for (const QString& name : SplitAddressField(text, QStringLiteral(";"))) {
            const QString trimmed = TrimBlanks(name).toString();
            if (!trimmed.isEmpty()) recipients[list]->addItem(trimmed);
        }
    }
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}

}  // namespace tidepost
