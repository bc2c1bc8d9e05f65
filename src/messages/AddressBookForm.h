#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QString>
#include <QStringList>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tidepost {

struct Messages;

// The address-book dialog: every entry of the book, and the To, Cc and Bcc recipients of the
// message being written. Entries are copied to the recipient lists, created, changed and deleted
// (through the address card); OK writes the recipients back into the editor's fields. One
// instance (Messages::AddressBookForms), shown without blocking; OK and Cancel unload it. The
// editor fills and shows it with ShowAddressBookDialog (AddressBookWindows.h).
class AddressBookForm : public QDialog {
    Q_OBJECT
public:
    // The load: captions, character set, language notifier and position over the main window.
    explicit AddressBookForm(Messages& m, QWidget* parent = nullptr);
    ~AddressBookForm() override;

    // The controls, under their given names. Each row of List1 knows the table index of its
    // entry (AddressEntryRole), so that two entries whose names differ only in letter case are
    // told apart.
    QLabel* Label1;
    QListWidget* List1;
    QLabel* Label2;
    QListWidget* List2;
    QLabel* Label3;
    QListWidget* List3;
    QLabel* Label4;
    QListWidget* List4;
    QPushButton* ToButton;
    QPushButton* CCButton;
    QPushButton* BccButton;
    QPushButton* NewEntryButton;
    QPushButton* PropertiesButton;
    QPushButton* DeleteButton;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    static constexpr int AddressEntryRole = Qt::UserRole;

    // The editor field the dialog was opened for: "TO", "CC" or "BCC".
    QString Tag;

    // Adds a row to List1 for the entry at `index` of the table.
    void AddEntryName(const QString& name, int index);
    // Adds the rows of many entries at once (names[i] is the entry at indices[i]): one insertion
    // for the whole book instead of one per name.
    void AddEntryNames(const QStringList& names, const std::vector<int>& indices);
    // The table index of List1's row, checked against the table; -1 when the entry is gone.
    int EntryIndexOfRow(int row) const;

    // Whether the editor shows the field of recipient list `list` (0 To, 1 Cc, 2 Bcc): the Cc and
    // Bcc lists and buttons act only then.
    bool FieldShown(int list) const;

    // Opens the address card for the entry named Alias; a box says so when there is none.
    void ShowProperties(const QString& Alias);

    void ToButton_Click();
    void CCButton_Click();
    void BccButton_Click();
    void NewEntryButton_Click();
    void PropertiesButton_Click();
    void DeleteButton_Click();
    void OKButton_Click();
    void CancelButton_Click();
    void List1_DblClick();
    // A list got the focus: the others lose their selection.
    void List_GotFocus(QListWidget* list);
    // The Delete key in a list.
    void List_KeyDown(QListWidget* list, int key);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc and the close box cancel.
    void reject() override;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();
    void CopyTo(QListWidget* list);
    // Removes the selected row of the list and selects the one now in its place, else the last.
    void RemoveSelected(QListWidget* list);
    // Opens the card for the entry of List1's row.
    void ShowPropertiesOfRow(int row);

    Messages& m_m;
    QMetaObject::Connection ml_RuntimeSupport;
};

// The selected row of a list, -1 when none is selected.
int SelectedRow(const QListWidget* list);

// Every row of the recipient lists that reads oldName (exact) becomes newName; in List1 the row of
// the entry at `entryIndex` (or, without an index, every row that reads oldName). Nothing happens
// while the dialog is not loaded.
void RenameInDialogLists(Messages& m, const QString& newName, const QString& oldName, int entryIndex = -1);

}  // namespace tidepost
