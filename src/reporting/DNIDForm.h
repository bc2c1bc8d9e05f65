#pragma once
#include <QDialog>
#include <QList>
#include <QStringList>
#include <array>

#include "foundation/CaptionedWindow.h"
#include "reporting/cDnid.h"

class QCheckBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tidepost {

struct Foundation;
struct Reporting;

// "DNID List": the transceiver's DNIDs as the store holds them, one row each (number, enable box,
// provider, status, LES, DNID, member, sub-address, channel, random), and OK and Cancel. OK sends
// "st -d E…" or "st -d D…" for each row whose box the operator changed; the store itself changes
// only with the next list.
class DNIDForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kColumns = 10;

    explicit DNIDForm(Reporting& r);

    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    // The rows built when the dialog loaded (0 for an empty list, which shows its text in
    // `LabelNo(0)`), and the records they show.
    int RowCount() const { return static_cast<int>(m_rows.size()); }
    QCheckBox* CheckEnabled(int i) const;
    QLabel* LabelNo(int i) const;
    QLabel* LabelProvider(int i) const;
    QLabel* LabelStatus(int i) const;

    // What a click on the provider of row i does: a ticked box is cleared, any other is ticked.
    void ToggleRow(int i);
    // The commands OK queues: one for each row whose box differs from the state it was shown in.
    QStringList ChangedRowCommands() const;

    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    void OKButton_Click();
    void CancelButton_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    struct Row {
        DnidRecord Record;
        int ShownState = 0;  // Qt::CheckState as loaded
        std::array<QWidget*, kColumns> Controls{};
    };
    void BuildRows(QGridLayout* grid);
    void ApplyCaptions();
    void UpdateAccessibleNames();

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    std::array<QLabel*, kColumns - 1> m_titles{};
    QLabel* m_empty = nullptr;
    QScrollArea* m_scroll = nullptr;
    QList<Row> m_rows;
};

// "&DNIDs...": with the transceiver answering, asks for its list ("st -d") under the busy window,
// and the reply shows the dialog; otherwise shows the dialog at once from the store.
void OpenDnidList(Reporting& r);
// Shows the dialog, loading it from the store when it is not loaded; an open one only comes forward.
void ShowDnidForm(Reporting& r);

}  // namespace tidepost
