#include "support/FakeSerialControl.h"

namespace tidepost::test {

int FakeSerialControl::Open() {
    OpenedPorts.append(m_port);
    OpenedSettings.append(m_settings);
    if (m_open) {
        Fail(ErrPortOpenFailed, "Port already open");
        return ErrPortOpenFailed;
    }
    const int result = OpenResults.value(m_port, OpenOk);
    if (result != OpenOk) {
        Fail(result, "Open failed");
        return result;
    }
    m_open = true;
    m_cd = true;
    ++OpenCount;
    return OpenOk;
}

int FakeSerialControl::ProbePort(int port) {
    if (m_open && port == m_port) return OpenOk;
    ProbedPorts.append(port);
    return OpenResults.value(port, OpenOk);
}

void FakeSerialControl::Close() {
    if (!m_open) return;
    m_open = false;
    ++CloseCount;
}

bool FakeSerialControl::Output(const QByteArray& bytes) {
    if (!m_open) {
        Fail(ErrPortNotOpen, "Operation valid only when the port is open");
        return false;
    }
    if (FailWrites) {
        Fail(ErrWriteFailed, "Write failed");
        return false;
    }
    RecordWrite(bytes);
    return true;
}

QByteArray FakeSerialControl::Input() {
    if (!m_open) return {};
    if (FailReads) {
        Fail(ErrReadFailed, "Read failed");
        m_open = false;
        m_cd = false;
        ++CloseCount;
        return {};
    }
    return TakeIncoming();
}

void FakeSerialControl::PushIncoming(const QByteArray& bytes) {
    FakeByteChannel::PushIncoming(bytes);
    if (m_open && !Reading() && RThreshold >= 1 && !bytes.isEmpty()) RaiseEvent(EvReceive);
}

void FakeSerialControl::RaiseEvent(int event) {
    m_event = event;
    if (OnComm) OnComm();
}

void FakeSerialControl::HangUp() {
    if (!m_open) return;
    m_open = false;
    ++CloseCount;
    m_cd = false;
    RaiseEvent(EvCD);
}

}  // namespace tidepost::test
