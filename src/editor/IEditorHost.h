#pragma once
#include <QString>

class QWidget;

namespace tidepost {

// What the message editor asks of the main window it sits in: the view it shows, its layout,
// the hot list and the send command. The main window implements it; a test gives a fake.
class IEditorHost {
public:
    virtual ~IEditorHost() = default;
    // The view shown in the work area: 0 the editor, 1 inbox, 2 sent items, 3 EGC, 4 info log,
    // 5 electronic form.
    virtual int MessageLogShown() const = 0;
    virtual void SetMessageLogShown(int view) = 0;
    // Lays the window out for MessageLogShown.
    virtual void MainFormSetUp() = 0;
    virtual void Form_Resize() = 0;
    // Shows or hides the Cc and Bcc rows as the default e-mail provider has them.
    virtual void ApplyIspCcBccAvailability() = 0;
    // Whether the editor view shows the Cc (1) or Bcc (2) row, also while another view is shown.
    virtual bool AddressRowShown(int list) const = 0;
    // Counts one use of a command in the hot list.
    virtual void HotListAdd(int id, int parentId) = 0;
    // Starts sending the editor's message.
    virtual void SendButton_Click() = 0;
    // The message viewer, when it is open, takes a new text size and re-flows its text.
    virtual void ApplyViewerTextSize(int size) = 0;
    // The window that owns the editor's dialogs.
    virtual QWidget* Owner() = 0;
};

}  // namespace tidepost
