#pragma once
#include <QString>

namespace tidepost {

// The data lines D0-D7 of a PC parallel port. One device is claimed at a time: claimed, the
// lines keep the value last written until it is written again or the port is released.
class IParallelPort {
public:
    virtual ~IParallelPort() = default;
    // Opens the device and claims the port for this program. False, with the system's reason,
    // when it cannot; nothing stays open then.
    virtual bool Claim(const QString& device, QString& reason) = 0;
    // Puts the value on the data lines of the claimed port. False, with the reason, when it
    // cannot or no port is claimed.
    virtual bool WriteData(quint8 value, QString& reason) = 0;
    // Lets the port go and closes the device; nothing while none is claimed.
    virtual void Release() = 0;
    virtual bool IsClaimed() const = 0;
    // The device claimed, or "" while none is.
    virtual QString ClaimedDevice() const = 0;
};

}  // namespace tidepost
