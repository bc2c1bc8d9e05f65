#pragma once
#include <QString>

namespace tidepost {

// The operating system's version record, as far as the program asks for it.
struct OsVersionRecord {
    int MajorVersion = 0;
    int MinorVersion = 0;
    int SuiteMask = 0;  // product suite flags; 64 marks an embedded edition whose settings live in the settings file
    // The numbers are a Windows release's (4.10 is Windows 98); otherwise they are the kernel's of
    // another system and name no Windows release.
    bool Windows = false;
};

// Facts about the operating system that change what the program does.
class IOsFacts {
public:
    virtual ~IOsFacts() = default;
    virtual OsVersionRecord GetOsVersion() const = 0;
    // The folder under which the user's own application data belong (on Linux $XDG_DATA_HOME,
    // usually ~/.local/share); "" when the system names none.
    virtual QString UserDataLocation() const = 0;
};

}  // namespace tidepost
