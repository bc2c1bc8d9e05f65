#pragma once
#include <functional>
#include <memory>

#include "editor/EditorControls.h"
#include "editor/IEditorHost.h"

namespace tidepost {

class MainForm;
class MessageEditor;
class EditorWiring;
class MainFormSendCommand;

// The message editor in the main window: its controls and menu items found by name, the window
// as the editor's host, the editor's handlers wired to them.
class MainFormEditor : public IEditorHost {
public:
    explicit MainFormEditor(MainForm& form);
    ~MainFormEditor() override;

    MessageEditor* Editor() { return m_editor.get(); }
    MainFormSendCommand* SendCommand() { return m_send.get(); }
    // Gives the open message viewer the editor's text size; set by whoever owns the viewer.
    std::function<void(int size)> ViewerTextSize;
    // Start-up: the stored text size for the editor.
    void ApplyStoredTextSize();

    // IEditorHost
    int MessageLogShown() const override;
    void SetMessageLogShown(int view) override;
    void MainFormSetUp() override;
    void Form_Resize() override;
    void ApplyIspCcBccAvailability() override;
    bool AddressRowShown(int list) const override;
    void HotListAdd(int id, int parentId) override;
    void SendButton_Click() override;
    void ApplyViewerTextSize(int size) override {
        if (ViewerTextSize) ViewerTextSize(size);
    }
    QWidget* Owner() override;

private:
    MainForm& m_form;
    EditorControls m_controls;
    std::unique_ptr<MessageEditor> m_editor;
    std::unique_ptr<EditorWiring> m_wiring;
    std::unique_ptr<MainFormSendCommand> m_send;
};

}  // namespace tidepost
