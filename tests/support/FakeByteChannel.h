#pragma once
#include <QByteArray>
#include <QList>
#include <functional>

namespace tidepost::test {

// The far end of a fake link: what the program wrote, and what its next read returns.
class FakeByteChannel {
public:
    virtual ~FakeByteChannel() = default;

    // Each write of the program, in order, and all of them joined.
    QList<QByteArray> Writes;
    QByteArray Written() const { return Writes.join(); }

    // Bytes for the program's next read, behind any not read yet.
    virtual void PushIncoming(const QByteArray& bytes) { m_incoming += bytes; }
    const QByteArray& Incoming() const { return m_incoming; }

    // Called with every write after it is recorded (a fake transceiver listens here).
    std::function<void(const QByteArray&)> OnWrite;
    // Called at the start of every read, before the waiting bytes are taken.
    std::function<void()> BeforeRead;

protected:
    void RecordWrite(const QByteArray& bytes) {
        Writes.append(bytes);
        if (OnWrite) OnWrite(bytes);
    }
    QByteArray TakeIncoming() {
        m_reading = true;
        if (BeforeRead) BeforeRead();
        m_reading = false;
        QByteArray out;
        out.swap(m_incoming);
        return out;
    }
    bool Reading() const { return m_reading; }

private:
    QByteArray m_incoming;
    bool m_reading = false;
};

}  // namespace tidepost::test
