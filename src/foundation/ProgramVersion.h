#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The program's version as the build gives it: major, minor and the revision (the build number).
struct ProgramVersion {
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};

// The version of this build.
ProgramVersion GetProgramVersion();
// The major number, then the minor as two digits: 201 for version 2.1.
QString FormatVersionNumber(const ProgramVersion& v);
// The major number, ".", the minor as two digits and one blank: "2.01 " for version 2.1.
QString FormatVersionText(const ProgramVersion& v);
// The revision as three digits: 016 for revision 16.
QString FormatRevision(const ProgramVersion& v);

// Sets Foundation::VersionNumber and VersionText from this build's version.
void SetProgramVersion(Foundation& f);

}  // namespace tidepost
