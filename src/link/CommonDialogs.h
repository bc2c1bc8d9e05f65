#pragma once
#include <QString>

class QWidget;

namespace tidepost {

struct Link;

// The save and print services of every window that shows a text.

// Asks for a file with the save dialog (starting in initialFolder, or in the saved-files folder
// when that is empty, which the caller's variable then receives) and writes the text there as
// single-byte text, replacing the file in one step. The folder of the saved file becomes the
// saved-files folder and goes into the settings file at once. Cancel writes nothing.
void SaveToFile(Link& link, QWidget* ownerForm, const QString& text, const QString& defaultFileName,
                const QString& dialogTitle, QString& initialFolder);

// The file the transceiver prints.
inline constexpr const char* kTransceiverPrintFile = "tideprnt.txt";

// Prints the text on the transceiver's printer (uploaded as tideprnt.txt and printed by the
// transceiver, the printer settings sent first once per connection) when "UseMesPrinter" says so
// and the transceiver has one, else on a PC printer after the print dialog. Failures are queued
// for the user; nothing leaves towards the caller.
void PrintText(Link& link, QWidget* ownerForm, const QString& text, int flags);

}  // namespace tidepost
