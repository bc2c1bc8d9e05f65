#include "messages/AddressBookForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <tuple>

#include "foundation/AccessKeys.h"
#include "foundation/Captions.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressBookTable.h"
#include "messages/AddressCardRoutines.h"
#include "messages/IMessageEditor.h"
#include "messages/IMessagesWindow.h"
#include "messages/Messages.h"
#include "platform/HeapTuning.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {


QListWidget* MakeList(QWidget* parent, const char* name) {
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setMinimumSize(Twips(2535), Twips(1095));
    return list;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setBuddy(buddy);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

// Selects the row, or the last row when it is past the end; nothing in an empty list.
void SelectRowOrLast(QListWidget* list, int row) {
    if (list->count() == 0) return;
    list->setCurrentRow(qMin(row, list->count() - 1), QItemSelectionModel::ClearAndSelect);
}

// The recipients of a list as an address field: each name followed by ";".
QString FieldText(const QListWidget* list) {
    QString text;
    for (int row = 0; row < list->count(); ++row) text += list->item(row)->text() + u';';
    return text;
}

}  // namespace

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

AddressBookForm::AddressBookForm(Messages& m, QWidget* parent) : QDialog(parent), m_m(m) {
    setObjectName("AddressBookForm");
    setWindowTitle("Address Book");
    setModal(false);

    List1 = MakeList(this, "List1");
    Label1 = MakeLabel(this, "Label1", "Address Book entries:", List1);
    ToButton = MakeButton(this, "ToButton", "To: =>");
    CCButton = MakeButton(this, "CCButton", "Cc: =>");
    BccButton = MakeButton(this, "BccButton", "Bcc: =>");
    List2 = MakeList(this, "List2");
    Label2 = MakeLabel(this, "Label2", "To: Addresses:", List2);
    List3 = MakeList(this, "List3");
    Label3 = MakeLabel(this, "Label3", "Cc: Addresses:", List3);
    List4 = MakeList(this, "List4");
    Label4 = MakeLabel(this, "Label4", "Bcc: Addresses:", List4);
    NewEntryButton = MakeButton(this, "NewEntryButton", "&New");
    PropertiesButton = MakeButton(this, "PropertiesButton", "&Properties");
    PropertiesButton->setEnabled(false);
    DeleteButton = MakeButton(this, "DeleteButton", "&Delete");
    DeleteButton->setEnabled(false);
    OKButton = MakeButton(this, "OKButton", "&OK");
    OKButton->setDefault(true);
    CancelButton = MakeButton(this, "CancelButton", "&Cancel");

    auto* entries = new QVBoxLayout;
    entries->addWidget(Label1);
    entries->addWidget(List1, 1);
    auto* recipients = new QGridLayout;
    int row = 0;
    for (auto [label, button, list] : {std::tuple{Label2, ToButton, List2}, std::tuple{Label3, CCButton, List3},
                                       std::tuple{Label4, BccButton, List4}}) {
        recipients->addWidget(label, row, 1);
        recipients->addWidget(button, row + 1, 0, Qt::AlignVCenter);
        recipients->addWidget(list, row + 1, 1);
        row += 2;
    }
    auto* lists = new QHBoxLayout;
    lists->addLayout(entries, 1);
    lists->addLayout(recipients, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NewEntryButton);
    buttons->addWidget(PropertiesButton);
    buttons->addWidget(DeleteButton);
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    // Entries first, then the buttons that copy them, then the recipients, then the commands.
    const QList<QWidget*> order{List1, ToButton, CCButton, BccButton, List2, List3, List4,
                                NewEntryButton, PropertiesButton, DeleteButton, OKButton, CancelButton};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    for (QListWidget* list : {List1, List2, List3, List4}) list->installEventFilter(this);
    connect(ToButton, &QPushButton::clicked, this, &AddressBookForm::ToButton_Click);
    connect(CCButton, &QPushButton::clicked, this, &AddressBookForm::CCButton_Click);
    connect(BccButton, &QPushButton::clicked, this, &AddressBookForm::BccButton_Click);
    connect(NewEntryButton, &QPushButton::clicked, this, &AddressBookForm::NewEntryButton_Click);
    connect(PropertiesButton, &QPushButton::clicked, this, &AddressBookForm::PropertiesButton_Click);
    connect(DeleteButton, &QPushButton::clicked, this, &AddressBookForm::DeleteButton_Click);
    connect(OKButton, &QPushButton::clicked, this, &AddressBookForm::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &AddressBookForm::CancelButton_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &AddressBookForm::List1_DblClick);
    for (QListWidget* list : {List1, List2, List3, List4})
        connect(list, &QListWidget::itemSelectionChanged, this, [this, list] {
            if (SelectedRow(list) < 0) return;
            DeleteButton->setEnabled(true);
            PropertiesButton->setEnabled(true);
        });

    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
    ml_RuntimeSupport = connect(&m_m.F.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &AddressBookForm::ml_RuntimeSupport_LanguageChanged);
    resize(Twips(8400), Twips(6300));
    IMainForm* main = m_m.F.Windows.MainForm;
    CentreOverMainWindow(*this, main ? main->Form() : nullptr);
}

AddressBookForm::~AddressBookForm() {
    disconnect(ml_RuntimeSupport);
    // A row for every entry of the book goes with the dialog.
    ReturnFreedHeapSoon();
}

void AddressBookForm::ApplyCaptions() {
    const MlStrings& s = m_m.F.Strings;
    SetWindowCaption(s, this, 2137);
    SetCaption(s, Label1, 2146);
    SetCaption(s, Label2, 2145);
    SetCaption(s, Label3, 2144);
    SetCaption(s, Label4, 2143);
    SetCaption(s, ToButton, 2142);
    SetCaption(s, CCButton, 2139);
    SetCaption(s, BccButton, 2138);
    SetCaption(s, NewEntryButton, 1978);
    SetCaption(s, PropertiesButton, 2140);
    SetCaption(s, DeleteButton, 2141);
    SetCaption(s, OKButton, 3);
    SetCaption(s, CancelButton, 4);
    AssignAccessKeys(this, {ToButton, CCButton, BccButton, NewEntryButton, PropertiesButton, DeleteButton, OKButton,
                            CancelButton});
    // A screen reader reads the copy buttons by their list's name, without the arrow, and each list
    // by the caption above it.
    for (QPushButton* copy : {ToButton, CCButton, BccButton})
        copy->setAccessibleName(WithoutAccessKey(copy->text()).remove(QStringLiteral("=>")).trimmed());
    for (QLabel* label : {Label1, Label2, Label3, Label4})
        label->buddy()->setAccessibleName(WithoutAccessKey(label->text()));
}

void AddressBookForm::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_m.F.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    m_m.F.Strings.ApplyLanguageCharset(this);
}

void AddressBookForm::AddEntryName(const QString& name, int index) {
    // The entry's index is set before the item joins the list: a change of an item in the list
    // makes the list look for the item's row.
    auto* item = new QListWidgetItem(name);
    item->setData(AddressEntryRole, index);
    List1->addItem(item);
}

void AddressBookForm::AddEntryNames(const QStringList& names, const std::vector<int>& indices) {
    const int first = List1->count();
    List1->insertItems(first, names);
    // The rows were just announced; setting their indices needs no change signal per row.
    const QSignalBlocker quiet(List1->model());
    for (qsizetype i = 0; i < names.size(); ++i)
        List1->item(first + static_cast<int>(i))->setData(AddressEntryRole, indices.at(static_cast<size_t>(i)));
}

int AddressBookForm::EntryIndexOfRow(int row) const {
    const QListWidgetItem* item = List1->item(row);
    if (!item) return -1;
    const QList<AddressEntry>& table = m_m.AddressBookEntries;
    const QString name = item->text();
    bool ok = false;
    const int index = item->data(AddressEntryRole).toInt(&ok);
    if (ok && index >= 0 && index < table.size() && table.at(index).Name == name) return index;
    // Not where the row says: the entry of exactly that name, never one that only looks alike.
    for (qsizetype i = 0; i < table.size(); ++i)
        if (table.at(i).Name == name) return static_cast<int>(i);
    return -1;
}

void AddressBookForm::CopyTo(QListWidget* list) {
    const int row = SelectedRow(List1);
    if (row < 0 || List1->item(row)->text().isEmpty()) return;
    list->addItem(List1->item(row)->text());
    DeleteButton->setEnabled(true);
    PropertiesButton->setEnabled(true);
}

bool AddressBookForm::FieldShown(int list) const { return m_m.Editor && m_m.Editor->AddressFieldShown(list); }

void AddressBookForm::ToButton_Click() { CopyTo(List2); }
void AddressBookForm::CCButton_Click() {
    if (FieldShown(1)) CopyTo(List3);
}
void AddressBookForm::BccButton_Click() {
    if (FieldShown(2)) CopyTo(List4);
}

void AddressBookForm::List1_DblClick() {
    if (Tag == QStringLiteral("CC")) CCButton_Click();
    else if (Tag == QStringLiteral("BCC")) BccButton_Click();
    else ToButton_Click();
}

void AddressBookForm::List_GotFocus(QListWidget* list) {
    for (QListWidget* other : {List1, List2, List3, List4})
        if (other != list) other->clearSelection();
    // Properties and Delete act on a selected name: focus alone, as when the dialog opens, gives none.
    if (list == List1 && SelectedRow(List1) >= 0) {
        DeleteButton->setEnabled(true);
        PropertiesButton->setEnabled(true);
    }
}

void AddressBookForm::RemoveSelected(QListWidget* list) {
    const int row = SelectedRow(list);
    if (row < 0) return;
    delete list->takeItem(row);
    SelectRowOrLast(list, row);
}

void AddressBookForm::List_KeyDown(QListWidget* list, int key) {
    if (key != Qt::Key_Delete) return;
    if (list == List1) DeleteButton_Click();
    else RemoveSelected(list);
}

void AddressBookForm::DeleteButton_Click() {
    const int row = SelectedRow(List1);
    if (row >= 0) {
        const QString name = List1->item(row)->text();
        MessageBoxRequest box;
        box.text = MlText(m_m.F, 2583, "Do you want to delete the address: ") + name + u'?';
        box.title = MlText(m_m.F, 2584, "Delete confirmation!");
        box.buttons = MsgButtons::YesNo;
        box.icon = MsgIcon::Question;
        if (m_m.F.Os.Boxes && m_m.F.Os.Boxes->Show(box, this) == MsgAnswer::Yes) {
            // The entry of the selected row, not the first whose name matches but for letter case.
            const int index = EntryIndexOfRow(row);
            RemoveAddressEntryAt(m_m, index);
            delete List1->takeItem(row);
            if (index >= 0) {
                for (int r = 0; r < List1->count(); ++r) {
                    QListWidgetItem* item = List1->item(r);
                    const int at = item->data(AddressEntryRole).toInt();
                    if (at > index) item->setData(AddressEntryRole, at - 1);
                }
            }
            WriteAddressBookFile(m_m);
            SelectRowOrLast(List1, row);
        }
    }
    // Recipients go without a question; deleting an entry leaves them alone.
    for (QListWidget* list : {List2, List3, List4}) RemoveSelected(list);
}

void AddressBookForm::NewEntryButton_Click() { ShowNewAddressCard(m_m); }

void AddressBookForm::PropertiesButton_Click() {
    if (const int row = SelectedRow(List1); row >= 0) ShowPropertiesOfRow(row);
    for (QListWidget* list : {List2, List3, List4})
        if (const int row = SelectedRow(list); row >= 0) ShowProperties(list->item(row)->text());
}

namespace {
void ShowNotFound(Messages& m, QWidget* owner) {
    MessageBoxRequest box;
    box.text = MlText(m.F, 2582, "Entry was not found in Address Book");
    box.title = MlText(m.F, 2544, "Error");
    box.buttons = MsgButtons::Ok;
    if (m.F.Os.Boxes) m.F.Os.Boxes->Show(box, owner);
}
}  // namespace

void AddressBookForm::ShowProperties(const QString& Alias) {
    const int index = FindAddressEntry(m_m, Alias, false);
    if (index < 0) return ShowNotFound(m_m, this);
    ShowAddressCardForEntry(m_m, index, Alias);
}

void AddressBookForm::ShowPropertiesOfRow(int row) {
    const int index = EntryIndexOfRow(row);
    if (index < 0) return ShowNotFound(m_m, this);
    ShowAddressCardForEntry(m_m, index, List1->item(row)->text());
}

void AddressBookForm::OKButton_Click() {
    if (IMessageEditor* editor = m_m.Editor) {
        // A field the editor does not show keeps what it holds; it sends nothing anyway.
        const QListWidget* lists[] = {List2, List3, List4};
        for (int list = 0; list < 3; ++list)
            if (FieldShown(list)) editor->SetAddressFieldText(list, FieldText(lists[list]));
    }
    if (m_m.F.gSession.MessagePriority() == kDistressPriority) {
        if (m_m.Editor) m_m.Editor->DistressEditorButton_Click();
    } else if (m_m.Window) {
        m_m.Window->ChangeViewEditor();
    }
    CancelButton_Click();
}

void AddressBookForm::CancelButton_Click() { m_m.AddressBookForms.AddressBookForm.unload(); }

void AddressBookForm::reject() { CancelButton_Click(); }

bool AddressBookForm::eventFilter(QObject* watched, QEvent* event) {
    auto* list = qobject_cast<QListWidget*>(watched);
    if (!list) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusIn) {
        List_GotFocus(list);
    } else if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        List_KeyDown(list, Qt::Key_Delete);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void RenameInDialogLists(Messages& m, const QString& newName, const QString& oldName, int entryIndex) {
    AddressBookForm* dialog = m.AddressBookForms.AddressBookForm.loaded();
    if (!dialog) return;
    for (int row = 0; row < dialog->List1->count(); ++row) {
        QListWidgetItem* item = dialog->List1->item(row);
        const bool ofEntry = entryIndex >= 0 ? item->data(AddressBookForm::AddressEntryRole).toInt() == entryIndex
                                             : item->text() == oldName;
        if (ofEntry) item->setText(newName);
    }
    for (QListWidget* list : {dialog->List2, dialog->List3, dialog->List4})
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->text() == oldName) list->item(row)->setText(newName);
}

}  // namespace tidepost
