#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QString>

class QLabel;
class QListWidget;
class QPushButton;

namespace tidepost {

struct Messages;

// The chooser: when a name typed into an address field matches several entries, the operator
// picks one here. Name resolution shows it modal over the main window, reads ChosenName once it
// is hidden, and unloads it (AddressBookWindows.h).
class AddressListForm : public QDialog {
    Q_OBJECT
public:
    // The load: captions, character set, language notifier and position over the main window.
    explicit AddressListForm(Messages& m, QWidget* parent = nullptr);
    ~AddressListForm() override;

    QListWidget* AddressList;
    QLabel* AddressText;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    // The index in ResolveNames of the text being resolved, as decimal text.
    QString Tag = QStringLiteral("0");

    // Lists the matches (LastSearchResult) and names the text being resolved, ResolveNames at
    // nameIndex, in the prompt; OK waits for a choice.
    void Fill(int nameIndex);

    void AddressList_Click();
    void AddressList_DblClick();
    void OKButton_Click();
    void CancelButton_Click();

    // The name chosen with OK; "" when the window was left by Cancel, Esc or its close box.
    QString ChosenName() const { return m_chosen; }

protected:
    // Esc and the close box cancel.
    void reject() override;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();

    Messages& m_m;
    QString m_chosen;
    QMetaObject::Connection ml_RuntimeSupport;
};

}  // namespace tidepost
