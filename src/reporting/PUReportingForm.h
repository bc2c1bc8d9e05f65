#pragma once
#include <QDialog>
#include <QStringList>
#include <array>

#include "foundation/CaptionedWindow.h"

class QGroupBox;
class QLabel;
class QPushButton;

namespace tidepost {

struct Reporting;

// "PU Reporting Setup": the transceiver's four reporting programs side by side, each in a frame
// with its type, its status, one row per ocean (LES, DNID, member number) and the buttons New,
// Start, Stop, Delete and Status. It shows what the last program list said; its buttons send
// single "pg" commands (PUReportingActions.h) and ask for the list again.
class PUReportingForm : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPrograms = 4;
    static constexpr int kOceans = 4;

    explicit PUReportingForm(Reporting& r);

    // What the language-changed notifier calls: the captions anew, the type and status lines back
    // to their bare captions; codes, rows and buttons stay.
    void ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language);

    // The type code ("1" closed, "2" local, "3" remote) and the status code ("1" none, "2" started,
    // "3" stopped) of program i (0 to 3), kept in the tags of `PrgType(i)` and `PrgStatus(i)`;
    // "" until a list reply has named them.
    QString TypeCode(int i) const;
    QString StatusCode(int i) const;

    // The tag of `PrgType(iCon)` becomes strType, its caption "Type: ", the prefix and the type's
    // name. A code whose number lies outside 0 to 3 keeps the caption (false).
    bool SetProgramType(int iCon, const QString& strType, const QString& strPUADSType);
    // The same for `PrgStatus(iCon)` with "Status: " and the status's name.
    bool SetProgramStatus(int iCon, const QString& code);

    // The labels of the ocean rows: `LES1` … `LES16`, `DNID1` …, `Mem1` …, number 4 i + ocean + 1.
    QLabel* LesLabel(int i, int ocean) const { return m_les[i][ocean]; }
    QLabel* DnidLabel(int i, int ocean) const { return m_dnid[i][ocean]; }
    QLabel* MemLabel(int i, int ocean) const { return m_mem[i][ocean]; }
    // Empties all 48 of them.
    void ClearRows();
    // Writes one ocean row of program i.
    void SetRow(int i, int ocean, const QString& les, const QString& dnid, const QString& member);

    QPushButton* NewButton(int i) const { return m_new[i]; }
    QPushButton* StartButton(int i) const { return m_start[i]; }
    QPushButton* StopButton(int i) const { return m_stop[i]; }
    QPushButton* DeleteButton(int i) const { return m_delete[i]; }
    QPushButton* StatusButton(int i) const { return m_status[i]; }
    QPushButton* OKButton() const { return m_ok; }

    // Shows New, Start, Stop and Delete of program i as its codes ask: by the status first, then
    // by the type; codes outside the table leave the buttons as they are.
    void ApplyButtonTable(int i);
    // Hides the sixteen New, Start, Stop and Delete buttons (Status and OK stay).
    void HideActionButtons();

    // The names of the type and status codes, by number, in the language of the dialog's load.
    QStringList ProgramTypeNames;
    QStringList ProgramStatusNames;

    // One of the dialog's own boxes (a refusal, the delete question) is open: the dialog is not
    // closed meanwhile.
    bool BoxOpen = false;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildFrame(int i);
    void BuildButtons();
    void UpdateHeader(const QString& text);
    void UpdateDescriptions();
    void ApplyCaptions();

    Foundation& m_f;
    Reporting& m_r;
    CaptionList m_captions;
    std::array<QGroupBox*, kPrograms> m_frame{};
    std::array<QLabel*, kPrograms> m_type{};
    std::array<QLabel*, kPrograms> m_statusLine{};
    // The column header of each frame: the ocean column and the three value columns.
    std::array<std::array<QLabel*, 4>, kPrograms> m_header{};
    std::array<std::array<QLabel*, kOceans>, kPrograms> m_ocean{};
    std::array<std::array<QLabel*, kOceans>, kPrograms> m_les{};
    std::array<std::array<QLabel*, kOceans>, kPrograms> m_dnid{};
    std::array<std::array<QLabel*, kOceans>, kPrograms> m_mem{};
    std::array<QPushButton*, kPrograms> m_new{};
    std::array<QPushButton*, kPrograms> m_start{};
    std::array<QPushButton*, kPrograms> m_stop{};
    std::array<QPushButton*, kPrograms> m_delete{};
    std::array<QPushButton*, kPrograms> m_status{};
    QPushButton* m_ok = nullptr;
    // The full column header as the string table gives it.
    QString m_headerText = QStringLiteral("Ocean     LES    DNID    Mem.No.");
};

}  // namespace tidepost
