#pragma once
#include <QMap>

#include "platform/ISerialControl.h"
#include "support/FakeByteChannel.h"

namespace tidepost::test {

// The serial port in memory. Open gives OpenResults[port] (default OpenOk). Bytes pushed while
// the port is open and the receive threshold is 1 raise OnComm with the receive event, as a
// character arriving at the real port does; bytes a fake transceiver hands over during a read
// are simply read.
class FakeSerialControl : public ISerialControl, public FakeByteChannel {
public:
    void SetCommPort(int port) override { m_port = port; }
    int CommPort() const override { return m_port; }
    void SetSettings(const QString& settings) override { m_settings = settings; }
    QString Settings() const override { return m_settings; }
    int Open() override;
    void Close() override;
    bool PortOpen() const override { return m_open; }
    // OpenResults[port], recorded in ProbedPorts; the open port's own number is OpenOk untried.
    int ProbePort(int port) override;
    bool Output(const QByteArray& bytes) override;
    QByteArray Input() override;
    void SetRThreshold(int threshold) override { RThreshold = threshold; }
    int CommEvent() const override { return m_event; }
    bool CDHolding() const override { return m_open && m_cd; }
    int LastErrorNumber() const override { return m_errorNumber; }
    QString LastErrorDescription() const override { return m_errorText; }

    void PushIncoming(const QByteArray& bytes) override;
    // Sets the latest event and raises OnComm, as a pin change or line error does.
    void RaiseEvent(int event);
    void SetCDHolding(bool holding) { m_cd = holding; }
    // The line goes away as a hang-up does at the real port: closed once, carrier lost, OnComm.
    void HangUp();

    QMap<int, int> OpenResults;
    bool FailWrites = false;  // Output fails (nothing recorded)
    // Input fails as at a real port whose device has gone: nothing is returned and the port
    // closes (the bytes stay waiting).
    bool FailReads = false;
    int RThreshold = 0;
    int OpenCount = 0;   // successful opens
    int CloseCount = 0;  // closes of an open port
    QList<int> OpenedPorts;       // every port an Open was tried on
    QList<int> ProbedPorts;       // every port a probe tried
    QStringList OpenedSettings;   // the settings text of every Open tried

private:
    void Fail(int number, const QString& text) { m_errorNumber = number; m_errorText = text; }
    int m_port = 1;
    QString m_settings = "9600,n,8,1";
    bool m_open = false;
    bool m_cd = true;
    int m_event = 0;
    int m_errorNumber = 0;
    QString m_errorText;
};

}  // namespace tidepost::test
