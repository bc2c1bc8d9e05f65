#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Foundation;

// The user text for a failed file operation (error numbers 61, 70, 75, 76); "" for any other.
QString GetFileErrorText(const Foundation& f, int errorNumber, const QString& fileName);

// When the transceiver's reply holds a line starting "ERROR" (after a CR LF), shows it with `text`
// in a box titled `title` + " Error" and returns true; otherwise shows nothing and returns false.
bool ShowReplyError(Foundation& f, const QString& reply, QWidget* owner, const QString& title, const QString& text);

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
