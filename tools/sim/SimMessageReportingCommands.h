#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "rs" lists the settings: "Illegal argument", then per option its entry of 19 characters
// ("-m (str)  value is "), the value padded to 21 characters and its label, and last the
// operation, "-f (num)  value is <0|1>", padded, "Operation 0: disabled" or "Operation 1: enabled".
// "rs -<option> <value> ..." sets what it carries ("-f 6" nothing); an unknown option or a
// missing value answers "Illegal argument" and sets nothing.
// "se -p <lat deg>,<min>,<hund>,<N|S>,<lon deg>,<min>,<hund>,<E|W>,<course>,<speed>" sets the
// position "se -p" reports; values that do not fit answer "Illegal argument".
const QList<SimCommand>& SimMessageReportingCommands();

// The control lines:
//   rs <option> <value>        sets one option ("-m", "m", ..., "-f"/"operation" 0 or 1)
//   rs-unsupported on|off      every "rs" answers INFO 999, or works again
// True when `word` is one of these; `problem` then holds a usage text when the rest did not fit.
bool MessageReportingControl(SimShell& shell, const QString& word, const QString& rest, QString& problem);
QString MessageReportingControlNames();

}  // namespace tidepost::sim
