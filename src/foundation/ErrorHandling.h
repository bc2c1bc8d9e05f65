#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// The user text for a failed file operation (error numbers 61, 70, 75, 76); "" for any other.
QString GetFileErrorText(const Foundation& f, int errorNumber, const QString& fileName);

// When the transceiver's reply holds a line starting "ERROR" (after any line end: LF, CR LF or
// CR CR LF; the line ends at CR or LF), queues it with `text` for the main window's message box (titled `title` + " Error" where a title is shown) and returns
// true; otherwise queues nothing and returns false. Queued, never shown at once: it runs from a
// reply handler, and a box there would stop the dialogue until someone clicks.
bool ShowReplyError(Foundation& f, const QString& reply, const QString& title, const QString& text);

// The error texts shown for a caught failure: "(Object.Procedure) Error '<number>': <description>."

// A string-table text with "%0" the error number and "%1" the description.
QString FormatErrorText(const Foundation& f, int stringId, const QString& english, int number,
                        const QString& description);
// The same shape composed directly: "(" procedure ") Error '" number "': " description ".".
QString ComposeErrorText(const QString& procedure, int number, const QString& description);
// For a file operation: the error text, CR LF and GetFileErrorText.
QString WithFileErrorText(const Foundation& f, const QString& errorText, int number,
                          const QString& fileName = QStringLiteral("<Unknown file name>"));
// The box titles: "Error " and the number for composed texts; string 2546 "Error" and the number
// right after it for string-table texts.
QString ErrorTitle(int number);
QString MlErrorTitle(const Foundation& f, int number);

}  // namespace tidepost
