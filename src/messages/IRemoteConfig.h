#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>
#include <array>

namespace tidepost {

class ILog;

// One command of a remote-configuration packet.
struct RemoteConfigCommand {
    QString Name;                 // as written, not unescaped
    std::array<QString, 6> Params;  // the unescaped parameters, Params[0] the first; unused ones empty
    quint8 ParamCount = 0;        // 0 to 6
    bool Valid = false;           // the name is one of the seven commands (marked after a good token)
};

// A decoded remote-configuration packet.
struct RemoteConfigPacket {
    QString StartMarker;  // "$XYWGHJIP$" as found; empty when none was found
    QString Token;        // the token as found; empty when missing
    bool PasswordOK = false;  // the token matched the password for this hour or the previous one
    QList<RemoteConfigCommand> Commands;  // in packet order
    QString EndMarkerLine;  // the end marker and the rest of its line, without the CR LF
    QString Payload;        // everything after the CR LF that ends the end-marker line
    // The packet could not be read whole (a parse error was logged): none of its commands may run.
    bool Malformed = false;
};

// The decoder of a remote-configuration packet carried in a received message (`cRemoteConfig`),
// created per message. The remote-configuration area implements it.
class IRemoteConfig {
public:
    virtual ~IRemoteConfig() = default;
    // The remote password in clear text.
    virtual void SetPassword(const QString& password) = 0;
    // The transceiver's UTC clock: the token time is the date plus the hour of the time.
    virtual void SetUTCTime(const QTime& time) = 0;
    virtual void SetUTCDate(const QDate& date) = 0;
    // Receives the decoder's log lines; the caller keeps it alive while the decoder is used.
    virtual void SetLogging(ILog* log) = 0;
    // The text holds the packet's start marker and, at or after it, the end marker and CR LF.
    virtual bool ExistConfig(const QString& text) = 0;
    // Parses the packet, logs, and checks its token against the password. Never throws: a packet
    // that cannot be read whole comes back Malformed.
    virtual RemoteConfigPacket DecodeConfig(const QString& text) = 0;
};

// Runs the commands of a decoded packet (`cRemoteConfigProcess`).
class IRemoteConfigProcess {
public:
    virtual ~IRemoteConfigProcess() = default;
    // Its log lines go to this file of the data folder.
    virtual void SetLogFile(const QString& fileName) = 0;
    // Runs the packet's commands in order; True only when every one succeeded.
    virtual bool ProcessConfig(const RemoteConfigPacket& packet) = 0;
};

}  // namespace tidepost
