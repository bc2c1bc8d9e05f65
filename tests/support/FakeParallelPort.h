#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "platform/IParallelPort.h"

namespace tidepost::test {

// A parallel port that records what the program does with it and fails where the test says.
// Calls holds "claim <device>", "write <value>" and "release", in order.
class FakeParallelPort : public IParallelPort {
public:
    bool Claim(const QString& device, QString& reason) override {
        Calls.append("claim " + device);
        Release();
        if (!ClaimFailure.isEmpty()) {
            reason = ClaimFailure;
            return false;
        }
        m_device = device;
        return true;
    }
    bool WriteData(quint8 value, QString& reason) override {
        Calls.append(QString("write %1").arg(value));
        if (m_device.isEmpty()) {
            reason = "Bad file descriptor";
            return false;
        }
        if (!WriteFailure.isEmpty()) {
            reason = WriteFailure;
            return false;
        }
        Values.append(value);
        return true;
    }
    void Release() override {
        if (m_device.isEmpty()) return;
        Calls.append("release");
        m_device.clear();
    }
    bool IsClaimed() const override { return !m_device.isEmpty(); }
    QString ClaimedDevice() const override { return m_device; }

    // Non-empty: Claim or WriteData fails with this reason.
    QString ClaimFailure;
    QString WriteFailure;
    QStringList Calls;
    // The values that reached the lines.
    QList<int> Values;

private:
    QString m_device;
};

}  // namespace tidepost::test
