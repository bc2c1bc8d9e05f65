#pragma once
#include <QList>
#include <array>

#include "foundation/CaptionedWindow.h"
#include "foundation/IspRecord.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;

namespace tidepost {

struct Config;

// "Inmarsat Service Providers": edits the provider list in memory; only OK writes isp.dat.
// Cancel and the close box put the list back as the dialog loaded it. Modeless; each opening
// reads isp.dat anew.
class EMailServicesForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit EMailServicesForm(Config& c);

    // Stores the fields shown under the name shown (replacing that provider or adding one).
    void SaveIsp();
    void EmailServicesFormInit();
    void EmailServicesFormClear();
    void ProviderDataClear();
    void ProviderNameDataClear();
    void ProviderDataEnable(bool mode);
    void ProviderNameDataEnable(bool mode);

    void ShowForm();
    // The provider of the selected entry is shown, after the one shown before is stored.
    void ISPListBox_Click();
    void NewProvider();
    void NameAddButton_Click();
    void DeleteProvider();
    void LoadDefaults();
    void OKButton_Click();
    void CancelButton_Click();
    // The toolbar's buttons by their keys: "addprovider", "deleteprovider", "loaddefault".
    void Toolbar1_ButtonClick(const QString& key);

    QToolBar* Toolbar1 = nullptr;
    QLabel* ListLabel = nullptr;
    QListWidget* ISPListBox = nullptr;
    QLabel* ProvNameLabel = nullptr;
    QLineEdit* ProvName = nullptr;
    QPushButton* NameAddButton = nullptr;
    // Fields 2 to 16 of the provider, file order; field 11 is the combo.
    QLineEdit* WestNo = nullptr;
    QLineEdit* EastNo = nullptr;
    QLineEdit* PacificNo = nullptr;
    QLineEdit* IndianNo = nullptr;
    QLineEdit* ToText = nullptr;
    QLineEdit* CCText = nullptr;
    QLineEdit* BccText = nullptr;
    QLineEdit* SubjectText = nullptr;
    QLineEdit* StxText = nullptr;
    QComboBox* AddressTypeCombo = nullptr;
    QLineEdit* AddressText = nullptr;
    QLineEdit* DelimiterText = nullptr;
    QLineEdit* SmsPreText = nullptr;
    QLineEdit* SmsPostText = nullptr;
    QLineEdit* SmsSACText = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QString FieldText(int number) const;
    void SetFieldText(int number, const QString& text);
    void ShowProvider(const QString& name);
    void SelectEntry(int row);
    void Close(bool restore);

    Config& m_c;
    QList<QLabel*> m_labels;
    // The provider list as this opening loaded it, put back unless OK stores the edits.
    QList<IspRecord> m_loaded;
    // isp.dat could not be read at this opening: OK must not replace it.
    bool m_readFailed = false;
    bool m_filling = false;
};

// Opens the provider dialog: its list from isp.dat, and a copy of isp.dat as newisp.dat.
void OpenEMailServices(Config& c);

}  // namespace tidepost
