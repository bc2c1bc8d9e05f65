#pragma once
#include <QList>

#include "egc/cENID.h"
#include "foundation/CaptionedWindow.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Egc;

// "ENID List": one row per EGC network ID the transceiver holds, from its own copy of the list
// taken when it loads. OK switches only the rows whose box was changed.
class ENIDForm : public CaptionedWindow {
    Q_OBJECT
public:
    explicit ENIDForm(Egc& e);

    void LabelProvider_Click(int row);
    void OKButton_Click();
    void CancelButton_Click();
    // The commands OK would send now.
    QStringList PendingCommands() const;

    QLabel* EnableLabel = nullptr;
    QLabel* ProviderLabel = nullptr;
    QLabel* ENIDLabel = nullptr;
    QLabel* StatusLabel = nullptr;
    QList<QLabel*> LabelNo;
    QList<QCheckBox*> CheckEnabled;
    QList<QLabel*> LabelProvider;
    QList<QLabel*> LabelENID;
    QList<QLabel*> LabelStatus;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void NameRows();

    Egc& m_e;
    bool m_loaded = false;
    QList<EnidEntry> m_enids;
};

}  // namespace tidepost
