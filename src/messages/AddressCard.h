#pragma once
#include <QDialog>
#include <QMetaObject>
#include <QString>

#include "messages/AddressEntry.h"

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tidepost {

struct Messages;

// The window in which one address-book entry is created or changed: name, destination type,
// number or address, message format and, by type, a DNID member number or a two-digit prefix.
// One instance (Messages::AddressBookForms), shown without blocking; OK and Cancel unload it.
// What fills and reads its fields is in AddressCardRoutines.h.
class AddressCard : public QDialog {
    Q_OBJECT
public:
    // The load: captions, character set, language notifier and position over the main window.
    explicit AddressCard(Messages& m, QWidget* parent = nullptr);
    ~AddressCard() override;

    static constexpr int kTypeCount = 9;
    static constexpr int kFormatCount = 3;

    // The controls, under their given names.
    QLabel* Label2;
    QLineEdit* NameTextField;
    QButtonGroup* DestinationOption;  // ids = destination type 0..8
    QLabel* DestinationLabel;
    QLineEdit* NumberTextField;
    QGroupBox* Frame1;
    QButtonGroup* FormatOption;  // ids = presentation format 0..2
    QLabel* MemLabel;
    QLineEdit* MemberNo;
    QCheckBox* PrefixCheck;
    QLineEdit* TwoDigitPrefix;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QRadioButton* DestinationOptionButton(int type) const;
    QRadioButton* FormatOptionButton(int format) const;

    // What OK does: "New" adds an entry, "Existing" changes the one the card was opened for.
    QString Tag;
    // The destination type shown last, as decimal text.
    QString PrevDest = QStringLiteral("0");
    // For a change: the name of the entry the card was opened for, its place in the table and
    // its content then, by which it is found again should the table have changed meanwhile.
    QString FormerName;
    int FormerEntry = -1;
    AddressEntry FormerValue;

    // Checks the card; tells the operator what is wrong. Trims the name.
    bool ValidateAddrCardForm();

    void OKButton_Click();
    void CancelButton_Click();
    void DestinationOption_Click(int index);
    void PrefixCheck_Click();
    // Key filters: each tells whether the typed character (backspace = 8) may go into its field,
    // and shows the box that says why not where there is one.
    bool NameTextField_KeyPress(QChar key);
    bool NumberTextField_KeyPress(QChar key);
    bool MemberNo_KeyPress(QChar key);
    bool TwoDigitPrefix_KeyPress(QChar key);
    // The Delete key (Qt::Key_Delete) in the number field.
    bool NumberTextField_KeyDown(int key);

    // The type selected (0 when none is, which the card never shows).
    int SelectedType() const;
    // Fits the card to the fields its type shows and centres it over the main window, or on the
    // screen while that is minimised.
    void CentreOnMainWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Esc and the close box cancel.
    void reject() override;

private:
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);
    void ApplyCaptions();
    void ShowBox(const QString& text, const QString& title);
    void ShowKeyBox(int stringId, const QString& english);
    // The card's own failure boxes; false.
    bool RefuseName(const QString& text);
    bool RefuseNumber(const QString& text);

    Messages& m_m;
    QMetaObject::Connection ml_RuntimeSupport;
};

}  // namespace tidepost
