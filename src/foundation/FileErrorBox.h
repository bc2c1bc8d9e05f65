#pragma once
#include <QString>

#include "platform/FileError.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

struct Foundation;

// The box that the settings and data-file routines show at once (not queued) when a file
// operation fails: owned by the main window, one OK button, caption "Error <number>", text
// "(<routine>) Error '<number>': <description>." CR LF and the file-error text for the number and
// the file. An empty fileName stands for "<Unknown file name>". Inside a timer tick the text goes
// to the message-box queue instead: a modal box there would let the timer fire again under it.
void ShowFileErrorBox(Foundation& f, const QString& routine, int errorNumber, const QString& description,
                      const QString& fileName = {});
void ShowFileErrorBox(Foundation& f, const QString& routine, const FileError& error,
                      const QString& fileName = {});
// The same for a box a routine composed itself: at once, or queued inside a timer tick.
void ShowFileErrorBox(Foundation& f, const MessageBoxRequest& box);

}  // namespace tidepost
