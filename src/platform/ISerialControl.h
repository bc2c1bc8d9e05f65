#pragma once
#include <QByteArray>
#include <QString>
#include <functional>

#include "platform/LinkReadLimits.h"

namespace tidepost {

// The serial port to the transceiver, as the link uses it. Bytes in and out: text is encoded and
// decoded by the caller with the ANSI code page.
class ISerialControl {
public:
    // Event codes of `CommEvent`.
    enum Event {
        EvSend = 1, EvReceive = 2, EvCTS = 3, EvDSR = 4, EvCD = 5, EvRing = 6,
        ErBreak = 1001, ErCTSTO = 1002, ErDSRTO = 1003, ErFrame = 1004, ErOverrun = 1006,
        ErCDTO = 1007, ErRxOver = 1008, ErRxParity = 1009, ErTxFull = 1010,
    };
    // Open results, and the numbers of LastErrorNumber.
    enum OpenResult {
        OpenOk = 0, ErrInvalidSettings = 380, ErrBadPortNumber = 8002, ErrPortOpenFailed = 8005,
        ErrPortNotOpen = 8018, ErrReadFailed = 8020, ErrWriteFailed = 8021,
    };

    virtual ~ISerialControl() = default;
    virtual void SetCommPort(int port) = 0;
    virtual int CommPort() const = 0;
    virtual void SetSettings(const QString& settings) = 0;  // e.g. "115200,n,8,1"
    virtual QString Settings() const = 0;
    // Opens the port chosen by CommPort with the current settings; returns an OpenResult code.
    virtual int Open() = 0;
    virtual void Close() = 0;
    virtual bool PortOpen() const = 0;
    // Whether port `port` can be opened, tried on a handle of its own and closed again. The port
    // in use, CommPort and Settings are left alone: the open port's own number gives OpenOk
    // without being tried. Returns an OpenResult code.
    virtual int ProbePort(int port) = 0;
    // Queued for sending at once; does not wait. False when the port is closed or the write failed.
    virtual bool Output(const QByteArray& bytes) = 0;
    // What was received and not yet read, up to kMaxReadBytes; empty when nothing waits.
    virtual QByteArray Input() = 0;
    // 1: raise the OnComm event when a character arrives; 0: no receive event.
    virtual void SetRThreshold(int threshold) = 0;
    virtual int CommEvent() const = 0;
    virtual bool CDHolding() const = 0;
    // The latest failure of Open, Output or Input (0 and "" before the first), for error lines.
    virtual int LastErrorNumber() const = 0;
    virtual QString LastErrorDescription() const = 0;
    // The OnComm event: raised on the user-interface thread.
    std::function<void()> OnComm;
};

}  // namespace tidepost
