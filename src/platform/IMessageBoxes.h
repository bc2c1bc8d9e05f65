#pragma once
#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

namespace tidepost {

// YesYesToAllNoToAll: the question asked once per item of a batch; its three captions come with
// the request (buttonCaptions), closing the box answers NoToAll.
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore, YesYesToAllNoToAll };
enum class MsgIcon { None, Information, Warning, Critical, Question };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore, YesToAll, NoToAll };

// The answer of a box closed without any of its buttons (the program ending, a signal, the window
// manager): never a yes. Cancel where the box has it, else No, else the button that stops.
MsgAnswer ClosedWithoutButton(MsgButtons buttons);

struct MessageBoxRequest {
    QString text;
    QString title;
    MsgButtons buttons = MsgButtons::Ok;
    MsgIcon icon = MsgIcon::None;
    int defaultButton = 0;  // index of the default button, from the left
    // Captions of buttons that have no standard text, from the left (YesYesToAllNoToAll).
    QStringList buttonCaptions;
};

// An open-file dialog: the filters as "Text Files (*.txt)", the first one selected; the proposed
// name, the extension added to a name typed without one, and the folder it starts in.
struct OpenFileRequest {
    QString title;
    QStringList filters;
    QString fileName;
    QString defaultSuffix;
    QString folder;
};

// Message boxes shown at once (modal, owned by the main window unless an owner is given).
class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual MsgAnswer Show(const MessageBoxRequest& request, QWidget* owner = nullptr) = 0;
    // The window that owns boxes shown without an explicit owner (the main window once it exists).
    virtual void SetDefaultOwner(QWidget* owner) = 0;
    // Shows one of the program's own dialogs modal and returns when it is hidden, with its result
    // (QDialog::Accepted or Rejected).
    virtual int ShowDialog(QDialog& dialog) = 0;
    // Asks for an existing file to open, modal over the owner; the chosen path, or "" when the
    // user cancels. Where no dialog can be shown the answer is a cancel.
    virtual QString GetOpenFileName(const OpenFileRequest& request, QWidget* owner = nullptr) {
        (void)request, (void)owner;
        return {};
    }
};

}  // namespace tidepost
