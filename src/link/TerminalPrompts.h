#pragma once
#include <QString>

namespace tidepost {

// The shell prompts the terminal window recognises at the start of a line.

// The kind of `line`: 1 "can0:/$ ", 2 "can1:/$ ", 3 "can2:/$ ", 4 "kv880:/$ ", 5 "> ", 6 " > ",
// 7 "Enter password: ", 8 "Enter new password: ", 9 "Confirm new password: ",
// 10 "Enter filenumber > "; the first that the line begins with, 0 when none.
int GetPromptKind(const QString& line);
// The line is one of those prompts and nothing else.
bool IsExactlyPrompt(const QString& line);
// The line begins with one of the three password prompts; its answer is typed out of sight.
bool IsPasswordLine(const QString& line);

}  // namespace tidepost
