#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace tidepost {

struct Foundation;
class IMessageEditor;

// How loading the message of a function key ended.
enum class DefaultMessageLoad { SetUpOpened, NotLoaded, Declined, Loaded };

// The body of a stored message with every line break as CR LF: CR LF, then a lone CR, then a lone
// LF each count as one break.
QString DefaultMessageBody(const QString& stored);

// Puts the stored message of key n (1-8) into the editor once the operator agrees. A key without
// a file opens the set-up dialog on that key instead (`openSetUp`). With distress priority only
// the body is loaded: the rescue address and the header kept for the return stay as they are.
DefaultMessageLoad LoadDefaultMessage(Foundation& f, IMessageEditor& editor, int n, QWidget* owner,
                                      const std::function<void(int n)>& openSetUp);

// The captions of the items F1 to F8: "F<n> [<name>]", or "F<n> [Empty]" for a key whose
// message is missing or cannot be read.
QStringList DefaultMessageCaptions(Foundation& f);

}  // namespace tidepost
