#include "foundation/ProgramVersion.h"

#include "foundation/Foundation.h"

#ifndef TIDEPOST_VERSION_MAJOR
#define TIDEPOST_VERSION_MAJOR 0
#endif
#ifndef TIDEPOST_VERSION_MINOR
#define TIDEPOST_VERSION_MINOR 0
#endif
#ifndef TIDEPOST_VERSION_REVISION
#define TIDEPOST_VERSION_REVISION 0
#endif

namespace tidepost {

ProgramVersion GetProgramVersion() {
    return {TIDEPOST_VERSION_MAJOR, TIDEPOST_VERSION_MINOR, TIDEPOST_VERSION_REVISION};
}

QString FormatVersionNumber(const ProgramVersion& v) {
    return QString::number(v.Major) + QStringLiteral("%1").arg(v.Minor, 2, 10, QLatin1Char('0'));
}

QString FormatVersionText(const ProgramVersion& v) {
    return QString::number(v.Major) + QStringLiteral(".%1 ").arg(v.Minor, 2, 10, QLatin1Char('0'));
}

QString FormatRevision(const ProgramVersion& v) { return QStringLiteral("%1").arg(v.Revision, 3, 10, QLatin1Char('0')); }

void SetProgramVersion(Foundation& f) {
    const ProgramVersion v = GetProgramVersion();
    f.VersionNumber = FormatVersionNumber(v);
    f.VersionText = FormatVersionText(v);
}

}  // namespace tidepost
