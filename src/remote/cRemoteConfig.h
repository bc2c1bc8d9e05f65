#pragma once
#include <QDate>
#include <QString>
#include <QTime>
#include <memory>

#include "foundation/ILog.h"
#include "messages/IRemoteConfig.h"
#include "platform/AnsiCodec.h"

namespace tidepost {

// Finds, splits and authenticates the remote-configuration packet of one received text:
//   "$XYWGHJIP$" token "$" command "$" command "$" … "$PIJHGWYX$" [rest of line] CR LF payload
// where a command is a name, or a name, "#" and one to six parameters separated by "&", and "\"
// protects "$", "#", "&" and "\" inside commands. The token is GetMD5Hex of the UTC hour
// "yyyymmddhh" followed by the password, for this hour or the previous one. One object per text;
// every step is written to Logging.
class cRemoteConfig : public IRemoteConfig {
public:
    static constexpr int kMaxParams = 6;
    static constexpr int kMaxCommands = 255;
    static constexpr int kMinPacketSize = 32;  // characters between the two markers

    explicit cRemoteConfig(const AnsiCodec& codec) : m_codec(codec) {}

    void SetPassword(const QString& password) override { m_password = password; }
    void SetUTCTime(const QTime& time) override { m_utcTime = time; }
    void SetUTCDate(const QDate& date) override { m_utcDate = date; }
    void SetLogging(ILog* log) override { m_log = log ? log : &m_silent; }
    bool ExistConfig(const QString& text) override;
    RemoteConfigPacket DecodeConfig(const QString& text) override;

    // Whether the name is one of the seven commands (letter case counts).
    static bool IsKnownCommand(const QString& name);
    // The first `delimiter` at or after `start` and before `end` (-1: the text's end) that is not
    // escaped: the run of "\" directly before it has even length. -1 when there is none.
    static qsizetype FindUnescaped(qsizetype start, const QString& text, QChar delimiter, qsizetype end = -1);
    // "\$" "\#" "\&" become the character alone, then "\\" becomes "\".
    static QString Unescape(const QString& text);

private:
    RemoteConfigPacket ParsePacket(const QString& text);
    bool CheckPassword(const QString& token);

    const AnsiCodec& m_codec;
    QString m_password;
    QTime m_utcTime;
    QDate m_utcDate;
    ILog m_silent;
    ILog* m_log = &m_silent;
};

}  // namespace tidepost
