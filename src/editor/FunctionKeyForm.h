#pragma once
#include <QWidget>
#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tidepost {

struct Foundation;

// What the default-message dialog reaches in the main window: the editor's fields by their names
// ("Editor", "SubjectFieldText", "ToFieldText", "CCFieldText", "BccFieldText"), the function-key
// menu's captions, and the window to centre over. Empty members give "" or do nothing.
struct FunctionKeyLinks {
    std::function<QString(const QString& fieldName)> FieldText;
    std::function<void()> UpdateFMenu;
    std::function<QWidget*()> MainWindow;
};

// "Set default message": stores the editor's message under one of the keys F1 to F8, or clears a
// key. Modeless; each closing lets the instance go.
class FunctionKeyForm : public QWidget {
    Q_OBJECT
public:
    FunctionKeyForm(Foundation& f, FunctionKeyLinks& links, std::function<void()> unload);
    ~FunctionKeyForm() override;

    // The key to preselect when the dialog loads; set before it is shown.
    std::int16_t KeyIndex = 0;

    // Loads the dialog the first time (captions, list, KeyIndex selected), then shows it.
    void ShowForm();
    bool IsFormLoaded() const { return m_formLoaded; }
    // Refills the key list and the main window's function-key menu.
    void UpdateDefaultMessageList();

    void OKButton_Click();
    void ClearButton_Click();
    void CancelButton_Click();
    void ApplyCaptions();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void FKeyList_Change();
    void FollowSelection();
    void SelectKeyIndex();
    void SetButtonState();
    QString Field(const char* name) const;
    QString EmptyWord() const;

    Foundation& m_f;
    FunctionKeyLinks& m_links;
    std::function<void()> m_unload;
    bool m_formLoaded = false;
    bool m_closed = false;
    std::int16_t m_lastSeenIndex = 0;

    QLabel* Label2 = nullptr;
    QComboBox* FKeyList = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* NameBox = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* ClearButton = nullptr;
    QPushButton* CancelButton = nullptr;
};

}  // namespace tidepost
