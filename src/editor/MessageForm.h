#pragma once
#include <QWidget>
#include <functional>

#include "editor/MessageFormLinks.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tidepost {

struct Foundation;

// The separate window in which the operator reads one stored message (received, sent or EGC):
// stepping to the next or previous one of its folder, forwarding it to the editor, saving,
// printing, tiling beside or below the main window, word wrap and, in Russian, the code page.
class MessageForm : public QWidget {
    Q_OBJECT
public:
    // `unload` lets the one instance go (the holder's unload).
    MessageForm(Foundation& f, MessageFormLinks& links, std::function<void()> unload, QWidget* parent = nullptr);
    ~MessageForm() override;

    void ShowText(bool bWrap);
    // Shows strFileName of strFilePath and marks it read in the folder's index; true when the
    // message could not be shown. MessageType 1 received, 2 sent, 3 EGC.
    bool LoadText(const QString& strFilePath, const QString& strFileName, bool bNextMessage, bool bPrevMessage,
                  long MessageType);
    void CalcNewTextWidth();

    void OKButton_Click();
    void CancelButton_Click();
    void NextButton_Click();
    void PrevButton_Click();
    void ForwardButton_Click();
    void SaveButton_Click();
    void PrintButton_Click();
    void HTileButton_Click();
    void VTileButton_Click();
    void CheckWrap_Click();
    void SelectCodePage_Change();
    void SetDefaultPlacement();
    void GetScreenSize();
    void ApplyCaptions();
    // The text size the editor and the viewer share, changed while the viewer is open.
    void ApplyTextSize(int pointSize);

    const QString& RawText() const { return strRawText; }
    const QString& UnwrappedText() const { return strUnwrappedText; }
    const QString& WrappedText() const { return strWrappedText; }
    const QString& FilePath() const { return m_strFilePath; }
    long MessageType() const { return m_messageType; }
    // The work area in pixels as GetScreenSize last found it.
    QRect WorkArea() const { return m_workArea; }

    static constexpr int kMinHeight = 2800;
    static constexpr int kMinWidth = 7370;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void Form_Resize();
    void Form_Unload();
    void ApplyWrapChoice();
    void PrepareText(const QString& text, bool bWrap, int codePageIndex);
    QString ConvertCodePage(const QString& text, int codePageIndex) const;
    void MessageText_Change();
    bool MessageText_KeyDown(int keyCode, Qt::KeyboardModifiers modifiers);
    void FocusStepButton();
    void ShowTileError(const QString& procedure, int number, const QString& description);
    ScreenMetrics Screen() const;
    bool WrapChecked() const;
    void ErrorPath(int number, const QString& description);

    Foundation& m_f;
    MessageFormLinks& m_links;
    std::function<void()> m_unload;
    bool m_unloaded = false;

    QString m_strFilePath;
    QString strRawText;
    QString strUnwrappedText;
    QString strWrappedText;
    long m_messageType = 0;
    QRect m_workArea;
    // What the text box shows now and the column count it was wrapped for, so equal re-shows are
    // skipped and the change → re-flow chain ends.
    QString m_shownText;
    bool m_textShown = false;
    int m_wrapColumns = -1;

    QPlainTextEdit* MessageText = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* SaveButton = nullptr;
    QPushButton* ForwardButton = nullptr;
    QCheckBox* CheckWrap = nullptr;
    QToolButton* VTileButton = nullptr;
    QToolButton* HTileButton = nullptr;
    QToolButton* PrevButton = nullptr;
    QToolButton* NextButton = nullptr;
    QComboBox* SelectCodePage = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace tidepost
