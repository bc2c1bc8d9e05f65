#pragma once
#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace tidepost {

class ILog;

// A decoded remote-configuration packet.
struct RemoteConfigPacket {
    bool PasswordOK = false;  // its token matched the password for this hour or the previous one
    QStringList Commands;
    QString Payload;
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
    // Parses the packet, logs, and checks its token against the password.
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
