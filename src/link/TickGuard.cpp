#include "link/TickGuard.h"

#include "foundation/ErrorHandling.h"
#include "foundation/cErrorLog.h"

namespace tidepost {

void LogTickFailure(Foundation& f, const char* procedure, int number, const QString& description) noexcept {
    try {
        ErrorLog(f).AddLine(ComposeErrorText(QString::fromLatin1(procedure), number, description));
    } catch (...) {
        // Nothing is left to tell the failure to.
    }
}

}  // namespace tidepost
