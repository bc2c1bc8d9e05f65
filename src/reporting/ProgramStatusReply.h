#pragma once
#include <QString>

namespace tidepost {

struct Reporting;

// What the status viewer makes of the reply to "pg -d 0" … "pg -d 3".
struct ProgramStatusCut {
    // "Program 1 Status" … "Program 4 Status" after the last "pg -d <n>" the reply mentions; ""
    // when it mentions none.
    QString Title;
    // The text is long enough to be cut out and shown.
    bool Shown = false;
    // From two characters after the end of the echo line up to the character before the prompt's.
    QString Text;
};

ProgramStatusCut CutProgramStatusReply(const QString& reply, int echoTerminatorLength, int promptLength);

// The reply to "pg -d <n>": titles the status viewer after the program and, when the reply holds a
// text, shows it there, closes the busy window and shows the viewer. A reply too short to cut
// leaves the busy window to the operator.
void HandleProgramStatusReply(Reporting& r, const QString& reply);

}  // namespace tidepost
