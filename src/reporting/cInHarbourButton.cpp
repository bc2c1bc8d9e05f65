#include "reporting/cInHarbourButton.h"

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "platform/IParallelPort.h"

namespace tidepost {

cInHarbourButton::cInHarbourButton(Foundation& f) : m_f(f) {}

cInHarbourButton::~cInHarbourButton() {
    Release();
    m_enabled = false;
}

bool cInHarbourButton::Push() {
    m_failure.clear();
    m_device = GetAppSetting(m_f, m_f.gProductName, QStringLiteral("Config"), QStringLiteral("Parallel Device"),
                             QStringLiteral("/dev/parport0"));
    IParallelPort* port = m_f.Os.ParallelPort;
    if (!m_enabled || !port) {
        m_failure = QStringLiteral("no parallel port");
        return false;
    }
    // The device may have been changed since the last press: the old one is lowered first.
    if (port->IsClaimed() && port->ClaimedDevice() != m_device) Release();
    if (!port->IsClaimed() && !port->Claim(m_device, m_failure)) return false;
    if (port->WriteData(1, m_failure)) return true;
    port->Release();
    return false;
}

void cInHarbourButton::Release() {
    IParallelPort* port = m_f.Os.ParallelPort;
    if (!port || !port->IsClaimed()) return;
    QString ignored;
    port->WriteData(0, ignored);
    port->Release();
}

}  // namespace tidepost
