#pragma once
#include <QString>

namespace tidepost {

// Re-flows message text for display in lines of at most width characters plus the blank that
// ends a full line. Lines that are too long are broken at blanks (only the blank separates
// words). A short line that follows a line broken for being full is joined to the next one,
// unless it is empty or ends with "."; so text wrapped earlier at a narrower width flows again
// while paragraph ends survive. A CR, with the LF that directly follows it, is a line break
// and is kept as it came. The result always ends with CR LF. A negative width counts as 0.
QString WordWrapText(const QString& text, int width);

}  // namespace tidepost
