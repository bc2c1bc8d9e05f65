#include "platform/QtSerialControl.h"

#include <algorithm>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#include <QStringList>

#include "platform/ISettingsStore.h"

namespace tidepost {

std::optional<SerialSettings> ParseSerialSettings(const QString& text) {
    const QStringList parts = text.split(',');
    if (parts.size() != 4) return std::nullopt;
    SerialSettings s;

    bool ok = false;
    const qint32 baud = parts[0].trimmed().toInt(&ok);
    if (!ok || baud <= 0) return std::nullopt;
    s.BaudRate = baud;

    const QString parity = parts[1].trimmed().toLower();
    if (parity == "n") s.Parity = QSerialPort::NoParity;
    else if (parity == "e") s.Parity = QSerialPort::EvenParity;
    else if (parity == "o") s.Parity = QSerialPort::OddParity;
    else if (parity == "m") s.Parity = QSerialPort::MarkParity;
    else if (parity == "s") s.Parity = QSerialPort::SpaceParity;
    else return std::nullopt;

    const QString data = parts[2].trimmed();
    if (data == "5") s.DataBits = QSerialPort::Data5;
    else if (data == "6") s.DataBits = QSerialPort::Data6;
    else if (data == "7") s.DataBits = QSerialPort::Data7;
    else if (data == "8") s.DataBits = QSerialPort::Data8;
    else return std::nullopt;

    const QString stop = parts[3].trimmed();
    if (stop == "1") s.StopBits = QSerialPort::OneStop;
    else if (stop == "1.5") s.StopBits = QSerialPort::OneAndHalfStop;
    else if (stop == "2") s.StopBits = QSerialPort::TwoStop;
    else return std::nullopt;
    return s;
}

QString ComPortDevice(ISettingsStore& store, const QString& application, int port) {
    if (port < 1) return {};
    const QString configured =
        store.Get(application, "Config", QString("COM%1 Device").arg(port), QString()).trimmed();
    return configured.isEmpty() ? QString("/dev/ttyS%1").arg(port - 1) : configured;
}

QList<int> PinChangeEvents(QSerialPort::PinoutSignals before, QSerialPort::PinoutSignals after) {
    const QSerialPort::PinoutSignals changed = before ^ after;
    QList<int> events;
    if (changed & QSerialPort::ClearToSendSignal) events.append(ISerialControl::EvCTS);
    if (changed & QSerialPort::DataSetReadySignal) events.append(ISerialControl::EvDSR);
    if (changed & QSerialPort::RingIndicatorSignal) events.append(ISerialControl::EvRing);
    if (changed & QSerialPort::DataCarrierDetectSignal) events.append(ISerialControl::EvCD);
    return events;
}

QtSerialControl::QtSerialControl(ISettingsStore& store, QString application)
    : m_store(store), m_application(std::move(application)) {
    QObject::connect(&m_port, &QSerialPort::readyRead, &m_port, [this] { OnReadyRead(); });
    QObject::connect(&m_port, &QSerialPort::errorOccurred, &m_port,
                     [this](QSerialPort::SerialPortError e) { OnError(e); });
    m_port.setReadBufferSize(kReadBufferBytes);
    m_pinTimer.setInterval(100);
    QObject::connect(&m_pinTimer, &QTimer::timeout, &m_pinTimer, [this] { PollPins(); });
}

QtSerialControl::~QtSerialControl() {
    m_pinTimer.stop();
    // No event may reach the owner while the port goes away with this object.
    OnComm = nullptr;
    QObject::disconnect(&m_port, nullptr, &m_port, nullptr);
    if (m_port.isOpen()) m_port.close();
}

int QtSerialControl::Fail(int number, const QString& text) {
    m_errorNumber = number;
    m_errorText = text;
    return number;
}

QString QtSerialControl::DevicePath(int port) const {
    const QString device = ComPortDevice(m_store, m_application, port);
    if (device.isEmpty()) return {};
    return device.startsWith('/') ? device : "/dev/" + device;
}

int QtSerialControl::Open() {
    if (PortOpen()) return Fail(ErrPortOpenFailed, "Port already open");
    if (m_port.isOpen()) m_port.close();  // closed by a hang-up whose close has not run yet
    m_hungUp = false;
    const QString device = DevicePath(m_commPort);
    if (device.isEmpty()) return Fail(ErrBadPortNumber, "Invalid port number");
    const std::optional<SerialSettings> settings = ParseSerialSettings(m_settings);
    if (!settings) return Fail(ErrInvalidSettings, "Invalid property value");

    m_device = device;
    if (!QFileInfo::exists(m_device)) return Fail(ErrBadPortNumber, "Invalid port number");
    m_port.setPortName(m_device);
    m_port.setBaudRate(settings->BaudRate);
    m_port.setParity(settings->Parity);
    m_port.setDataBits(settings->DataBits);
    m_port.setStopBits(settings->StopBits);
    m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!m_port.open(QIODevice::ReadWrite)) {
        const int number =
            m_port.error() == QSerialPort::DeviceNotFoundError ? ErrBadPortNumber : ErrPortOpenFailed;
        return Fail(number, m_port.errorString());
    }
    m_pending.clear();
    m_cdHolding = true;
    m_commEvent = 0;

    // Ports without modem lines (a pseudo-terminal, some adapters) cannot report pin changes.
    m_probingPins = true;
    m_pinProbeFailed = false;
    m_pins = m_port.pinoutSignals();
    m_probingPins = false;
    if (!m_pinProbeFailed) {
        m_cdHolding = m_pins.testFlag(QSerialPort::DataCarrierDetectSignal);
        m_pinTimer.start();
    }
    return OpenOk;
}

void QtSerialControl::Close() {
    m_pinTimer.stop();
    m_hungUp = false;
    m_pending.clear();
    m_cdHolding = false;
    if (m_port.isOpen()) m_port.close();
}

bool QtSerialControl::PortOpen() const { return m_port.isOpen() && !m_hungUp; }

int QtSerialControl::ProbePort(int port) {
    const QString device = DevicePath(port);
    if (device.isEmpty() || !QFileInfo::exists(device)) return ErrBadPortNumber;
    // The device in use, under whichever number: a second open would set the line up anew under
    // the live link, and its close could hang the line up.
    if (PortOpen() && QFileInfo(device).canonicalFilePath() == QFileInfo(m_device).canonicalFilePath())
        return OpenOk;
    // A bare open and close: no lock file and no line settings to set and put back, so sixteen
    // probes take no noticeable time from the user interface. The errors that mean "no such
    // device" are the ones QSerialPort reports as DeviceNotFoundError.
    const int fd = ::open(QFile::encodeName(device).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENODEV ? ErrBadPortNumber : ErrPortOpenFailed;
    ::close(fd);
    return OpenOk;
}

bool QtSerialControl::Output(const QByteArray& bytes) {
    if (!PortOpen()) {
        Fail(ErrPortNotOpen, "Operation valid only when the port is open");
        return false;
    }
    if (m_port.write(bytes) != bytes.size()) {
        Fail(ErrWriteFailed, m_port.errorString());
        return false;
    }
    // Hand the bytes to the device now; the event loop would otherwise send them only later.
    m_inOutput = true;
    m_port.flush();
    m_inOutput = false;
    return true;
}

QByteArray QtSerialControl::Input() {
    QByteArray out;
    out.swap(m_pending);
    if (!PortOpen()) return out;
    m_inInput = true;
    const auto take = [this, &out] { out += m_port.read(std::max<qint64>(0, kMaxReadBytes - out.size())); };
    take();
    // Take also what the device holds but Qt's notifier has not collected yet, without waiting.
    for (int i = 0; i < 64 && out.size() < kMaxReadBytes && PortOpen() && m_port.waitForReadyRead(0); ++i) take();
    if (PortOpen()) take();
    m_inInput = false;
    return out;
}

bool QtSerialControl::CDHolding() const {
    if (!PortOpen()) return false;
    return m_cdHolding;
}

void QtSerialControl::Raise(int event) {
    m_commEvent = event;
    if (OnComm) OnComm();
}

void QtSerialControl::OnReadyRead() {
    // Bytes taken by Input are the reader's at once: only arrivals between reads raise the event.
    if (m_inInput || m_hungUp || m_rThreshold <= 0) return;
    if (m_port.bytesAvailable() < m_rThreshold) return;
    Raise(EvReceive);
}

void QtSerialControl::OnError(QSerialPort::SerialPortError error) {
    if (m_probingPins) {
        if (error != QSerialPort::NoError) m_pinProbeFailed = true;
        return;
    }
    switch (error) {
    case QSerialPort::NoError:
    case QSerialPort::TimeoutError:  // a read without waiting that found nothing
        return;
    case QSerialPort::ResourceError:
        // A device whose output buffer is full makes Qt's flush report this (EAGAIN); Qt keeps the
        // bytes and sends them as the device takes them. Closing here would cut a long upload.
        // A line that is really gone shows at the next read.
        if (m_inOutput) return;
        [[fallthrough]];
    case QSerialPort::ReadError:
        Fail(ErrReadFailed, m_port.errorString());
        if (!m_port.isOpen() || m_hungUp) return;
        // The device went away (hang-up, unplugged adapter). Qt keeps reporting the error on every
        // notification while the port stays open, so close it once, after Qt's own call returns.
        m_hungUp = true;
        m_pinTimer.stop();
        QTimer::singleShot(0, &m_port, [this] { CloseAfterHangUp(); });
        return;
    case QSerialPort::WriteError:
        Fail(ErrWriteFailed, m_port.errorString());
        return;
    default:
        if (m_port.isOpen()) Fail(ErrReadFailed, m_port.errorString());
        return;
    }
}

void QtSerialControl::CloseAfterHangUp() {
    if (!m_hungUp) return;  // closed or reopened meanwhile
    m_pending += m_port.readAll();
    m_port.close();
    m_hungUp = false;
    // The line is gone: report it as a lost carrier.
    m_cdHolding = false;
    Raise(EvCD);
}

void QtSerialControl::PollPins() {
    if (!PortOpen()) return;
    m_probingPins = true;
    m_pinProbeFailed = false;
    const QSerialPort::PinoutSignals now = m_port.pinoutSignals();
    m_probingPins = false;
    if (m_pinProbeFailed) return;
    const QSerialPort::PinoutSignals before = m_pins;
    m_pins = now;
    m_cdHolding = now.testFlag(QSerialPort::DataCarrierDetectSignal);
    for (int event : PinChangeEvents(before, now)) Raise(event);
}

}  // namespace tidepost
