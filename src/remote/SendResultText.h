#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The text of a send result code (1000 to 1002) from the string table, in the language of the
// system's locale when the table has it, else in English; "" for any other code. Both the forms
// server's answers and the remote log tell a shore party or a browser, not the operator, so the
// program's chosen language does not apply.
QString SendResultText(const Foundation& f, int code);

}  // namespace tidepost
