#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Messages;

// What the operator chose in the send dialogue.
struct SendingChoices {
    // Send the content of FileName instead of the editor's text.
    bool FromFile = false;
    QString FileName;
    bool Print = false;
    bool Confirmation = true;
    bool DESEncrypted = false;
    // The item data of the chosen code page (0 Windows-1251, 1 code page 866); -1 when none.
    int CodePage = -1;
};

// How a press of OK ended.
enum class SendEnd {
    Sent,           // every group submitted and logged; the editor is emptied, the sent items shown
    Failed,         // a step failed: the error box was shown; the editor keeps the message
    NotInBook,      // a name of the address fields is not in the address book: nothing was sent
    KeptOpen,       // the file to send could not be read: nothing was sent, the dialogue stays
    NoRecipient,    // the address fields name nobody to send to: a box says so, nothing was sent
    TooManyGroups,  // more submissions than outbox names left today: a box says so, nothing was sent
    CannotEncode,   // the text holds a character the code page lacks: a box names it, nothing was sent
};

// Sends the editor's message as the send dialogue's OK does, one submission per recipient group,
// showing its boxes over `owner`. The dialogue closes afterwards unless the result is KeptOpen.
SendEnd SendEditorMessage(Messages& m, const SendingChoices& choices, QWidget* owner);

// The editor's Send command: with no recipient in To, Cc and Bcc a box says so; otherwise the
// send dialogue is preset and shown without blocking the main window.
void ShowSendingForm(Messages& m);

// Closes the send dialogue, if it is open, and lets it go.
void UnloadSendingForm(Messages& m);

}  // namespace tidepost
