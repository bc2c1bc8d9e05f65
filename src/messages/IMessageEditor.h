#pragma once
#include <QString>

namespace tidepost {

// What the message area asks of the message editor: its To, Cc and Bcc fields (address-book
// names, each followed by ";"), its subject and text, which the send dialogue sends and empties
// after the send, the switch to the editor and the focus on the message text of a distress
// message. The editor implements it and registers itself in Messages::Editor; while that
// is null the dialog opens with empty recipient lists and its OK writes no field.
class IMessageEditor {
public:
    virtual ~IMessageEditor() = default;

    // The text of the address field of `list`: 0 To (`ToFieldText`), 1 Cc (`CCFieldText`),
    // 2 Bcc (`BccFieldText`).
    virtual QString AddressFieldText(int list) const = 0;
    virtual void SetAddressFieldText(int list, const QString& text) = 0;
    // Whether the editor offers the field of `list`: To always, Cc and Bcc only while their rows
    // are shown in the editor view (whatever view the window shows just now). A field the user
    // cannot see sends nothing and takes no name from the address book.
    virtual bool AddressFieldShown(int list) const = 0;

    // `SubjectFieldText` and `Editor`, the message's subject and body.
    virtual QString SubjectFieldText() const = 0;
    virtual void SetSubjectFieldText(const QString& text) = 0;
    virtual QString EditorText() const = 0;
    virtual void SetEditorText(const QString& text) = 0;
    // `LoadedDefaultMessage`: the number of the default message last loaded into the editor; the
    // send dialogue sets it to 0 whenever it closes.
    virtual void SetLoadedDefaultMessage(int number) = 0;

    // `ChangeToEditor`: shows the editor in the main window, keeping the message priority.
    virtual void ChangeToEditor() = 0;
    // `DistressEditorButton_Click`: with distress priority already set, gives the message text the
    // focus.
    virtual void DistressEditorButton_Click() = 0;
};

}  // namespace tidepost
