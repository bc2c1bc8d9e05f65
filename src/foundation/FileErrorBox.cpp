#include "foundation/FileErrorBox.h"

#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/TimerTick.h"

namespace tidepost {

void ShowFileErrorBox(Foundation& f, const QString& routine, int errorNumber, const QString& description,
                      const QString& fileName) {
    MessageBoxRequest box;
    box.text = WithFileErrorText(f, ComposeErrorText(routine, errorNumber, description), errorNumber,
                                 fileName.isEmpty() ? QStringLiteral("<Unknown file name>") : fileName);
    box.title = ErrorTitle(errorNumber);
    box.buttons = MsgButtons::Ok;
    ShowFileErrorBox(f, box);
}

void ShowFileErrorBox(Foundation& f, const MessageBoxRequest& box) {
    if (InTimerTick(f)) QueueMessageBox(f, box.text, box.title);
    else if (f.Os.Boxes) f.Os.Boxes->Show(box);
}

void ShowFileErrorBox(Foundation& f, const QString& routine, const FileError& error, const QString& fileName) {
    ShowFileErrorBox(f, routine, error.number, error.description, fileName);
}

}  // namespace tidepost
