#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// The in-harbour signal's output: data line D0 of the parallel port high while the button is
// pressed. The device is the settings store's "Config", "Parallel Device" (default
// "/dev/parport0", the first port), read at each press.
class cInHarbourButton {
public:
    explicit cInHarbourButton(Foundation& f);
    // The line never stays high after the object: a pulse still running is ended.
    ~cInHarbourButton();
    cInHarbourButton(const cInHarbourButton&) = delete;
    cInHarbourButton& operator=(const cInHarbourButton&) = delete;

    // Claims the port (kept claimed until Release) and writes 1. False when that fails; Device
    // and Failure then say where and why.
    bool Push();
    // Writes 0 and lets the port go; nothing while no port is held.
    void Release();

    QString Device() const { return m_device; }
    QString Failure() const { return m_failure; }

private:
    Foundation& m_f;
    bool m_enabled = true;
    QString m_device;
    QString m_failure;
};

}  // namespace tidepost
