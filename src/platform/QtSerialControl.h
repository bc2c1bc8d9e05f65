#pragma once
#include <QSerialPort>
#include <QTimer>
#include <optional>

#include "platform/ISerialControl.h"

namespace tidepost {

class ISettingsStore;

// Speed, parity, data bits and stop bits of a settings text "baud,parity,data,stop" with parity
// one of n, e, o, m, s (any case), data 5 to 8 and stop 1, 1.5 or 2, e.g. "115200,n,8,1".
struct SerialSettings {
    qint32 BaudRate = 115200;
    QSerialPort::Parity Parity = QSerialPort::NoParity;
    QSerialPort::DataBits DataBits = QSerialPort::Data8;
    QSerialPort::StopBits StopBits = QSerialPort::OneStop;
};
// Nothing when the text is not of that form.
std::optional<SerialSettings> ParseSerialSettings(const QString& text);

// The device of port number n: the settings store's section "Config", key "COM<n> Device" of the
// application, else /dev/ttyS<n-1>. "" for a number below 1.
QString ComPortDevice(ISettingsStore& store, const QString& application, int port);

// The event codes of the modem status lines that changed, in the order they are raised. The
// carrier comes last, so when several change at once the latest event is the one the link acts on.
QList<int> PinChangeEvents(QSerialPort::PinoutSignals before, QSerialPort::PinoutSignals after);

// The serial link through QSerialPort. Everything runs on the user-interface thread; received
// bytes are collected by Qt's notifier between engine ticks and drained by Input.
class QtSerialControl : public ISerialControl {
public:
    QtSerialControl(ISettingsStore& store, QString application);
    ~QtSerialControl() override;

    void SetCommPort(int port) override { m_commPort = port; }
    int CommPort() const override { return m_commPort; }
    void SetSettings(const QString& settings) override { m_settings = settings; }
    QString Settings() const override { return m_settings; }
    int Open() override;
    void Close() override;
    bool PortOpen() const override;
    int ProbePort(int port) override;
    bool Output(const QByteArray& bytes) override;
    QByteArray Input() override;
    void SetRThreshold(int threshold) override { m_rThreshold = threshold; }
    int CommEvent() const override { return m_commEvent; }
    // A port without modem lines (a pseudo-terminal) has its carrier while it is open.
    bool CDHolding() const override;
    int LastErrorNumber() const override { return m_errorNumber; }
    QString LastErrorDescription() const override { return m_errorText; }

    // The device that the last Open used or tried.
    QString DeviceName() const { return m_device; }

private:
    // The device of port number n with "/dev/" before a bare name; "" for a number below 1.
    QString DevicePath(int port) const;
    int Fail(int number, const QString& text);
    void OnReadyRead();
    void OnError(QSerialPort::SerialPortError error);
    void CloseAfterHangUp();
    void PollPins();
    void Raise(int event);

    ISettingsStore& m_store;
    QString m_application;
    QSerialPort m_port;
    QString m_device;
    QTimer m_pinTimer;
    int m_commPort = 1;
    QString m_settings = "9600,n,8,1";
    int m_rThreshold = 0;
    int m_commEvent = 0;
    int m_errorNumber = 0;
    QString m_errorText;
    QByteArray m_pending;  // what was waiting when a hang-up closed the port
    bool m_hungUp = false;
    bool m_inInput = false;
    bool m_inOutput = false;
    bool m_probingPins = false;
    bool m_pinProbeFailed = false;
    bool m_cdHolding = false;
    QSerialPort::PinoutSignals m_pins;
};

}  // namespace tidepost
