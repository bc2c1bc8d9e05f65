#pragma once
#include "platform/IParallelPort.h"

namespace tidepost {

// The parallel port through the kernel's ppdev driver (/dev/parportN, group "lp"; no root and
// no I/O port access needed). A FIFO or a plain file in place of the device gets each value as
// one byte, so the pulse can be watched without a port; a FIFO is opened without blocking, so
// one that nobody reads fails to claim.
class PpdevParallelPort : public IParallelPort {
public:
    PpdevParallelPort() = default;
    ~PpdevParallelPort() override;
    PpdevParallelPort(const PpdevParallelPort&) = delete;
    PpdevParallelPort& operator=(const PpdevParallelPort&) = delete;

    bool Claim(const QString& device, QString& reason) override;
    bool WriteData(quint8 value, QString& reason) override;
    void Release() override;
    bool IsClaimed() const override { return m_fd >= 0; }
    QString ClaimedDevice() const override { return m_device; }

private:
    int m_fd = -1;
    bool m_ppdev = false;  // a character device claimed through ppdev, else a FIFO or a file
    QString m_device;
};

}  // namespace tidepost
