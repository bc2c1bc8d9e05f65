#include "remote/cRemoteConfig.h"

#include <QDateTime>
#include <QStringList>

#include "remote/MD5Driver.h"

namespace tidepost {

namespace {

const QString kStartMarker = QStringLiteral("$XYWGHJIP$");
const QString kEndMarker = QStringLiteral("$PIJHGWYX$");
const QString kCrLf = QStringLiteral("\r\n");
constexpr qsizetype kMarkerLength = 10;

// The parameter text split at each unescaped "&", each piece unescaped; false when it holds more
// pieces than a command may have.
bool SplitParams(const QString& paramText, RemoteConfigCommand& command) {
    qsizetype from = 0;
    int count = 0;
    for (;;) {
        const qsizetype amp = cRemoteConfig::FindUnescaped(from, paramText, u'&');
        if (count == cRemoteConfig::kMaxParams) return false;
        const QString piece = amp < 0 ? paramText.mid(from) : paramText.mid(from, amp - from);
        command.Params[count++] = cRemoteConfig::Unescape(piece);
        if (amp < 0) break;
        from = amp + 1;
    }
    command.ParamCount = static_cast<quint8>(count);
    return true;
}

}  // namespace

bool cRemoteConfig::ExistConfig(const QString& text) {
    const qsizetype p = text.indexOf(kStartMarker);
    return p >= 0 && text.indexOf(kEndMarker + kCrLf, p) >= 0;
}

bool cRemoteConfig::IsKnownCommand(const QString& name) {
    static const QStringList names{"SAVEHTML",  "SAVEISP",     "SAVECONTACT",  "SETDEFLES",
                                   "SETDEFISP", "GETDEBUGLOG", "GETREMCONFLOG"};
    return names.contains(name);
}

qsizetype cRemoteConfig::FindUnescaped(qsizetype start, const QString& text, QChar delimiter, qsizetype end) {
    const qsizetype limit = end < 0 || end > text.size() ? text.size() : end;
    for (qsizetype q = start; q >= 0 && q < limit; ++q) {
        q = text.indexOf(delimiter, q);
        if (q < 0 || q >= limit) return -1;
        qsizetype run = 0;
        for (qsizetype b = q - 1; b >= 0 && text.at(b) == u'\\'; --b) ++run;
        if (run % 2 == 0) return q;
    }
    return -1;
}

QString cRemoteConfig::Unescape(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\\$"), QStringLiteral("$"));
    out.replace(QStringLiteral("\\#"), QStringLiteral("#"));
    out.replace(QStringLiteral("\\&"), QStringLiteral("&"));
    out.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    return out;
}

RemoteConfigPacket cRemoteConfig::ParsePacket(const QString& text) {
    RemoteConfigPacket packet;
    if (text.isNull()) {
        m_log->Log(QStringLiteral("Error: String to search is NULL"));
        packet.Malformed = true;
        return packet;
    }
    const qsizetype p = text.indexOf(kStartMarker);
    if (p < 0) {
        m_log->Log(QStringLiteral("Error: SOCID not found"));
        packet.Malformed = true;
        return packet;
    }
    packet.StartMarker = text.mid(p, kMarkerLength);
    const qsizetype m = text.indexOf(kEndMarker, p);
    if (m < 0) {
        m_log->Log(QStringLiteral("Error: EOCID not found"));
        packet.Malformed = true;
        return packet;
    }
    const qsizetype e = p + kMarkerLength;
    if (m < e + kMinPacketSize) {
        m_log->Log(QStringLiteral("Error: Wrong size of remote configuration packet"));
        packet.Malformed = true;
        return packet;
    }

    const qsizetype tokenEnd = text.indexOf(u'$', e);  // exists: the end marker lies beyond
    if (tokenEnd > e) packet.Token = text.mid(e, tokenEnd - e);
    else m_log->Log(QStringLiteral("Error: Finding password"));

    // Each command's closing "$" opens the next; the end marker's first "$" ends the list.
    qsizetype c = e + packet.Token.size();
    for (;;) {
        c = FindUnescaped(c, text, u'$');
        if (c < 0) {
            m_log->Log(QStringLiteral("Error: Start of command $ missing"));
            packet.Malformed = true;
            break;
        }
        const qsizetype t = FindUnescaped(c + 1, text, u'$');
        if (t < 0) {
            m_log->Log(QStringLiteral("Error: End of command $ missing"));
            packet.Malformed = true;
            break;
        }
        const qsizetype hash = FindUnescaped(c + 1, text, u'#', t);
        const qsizetype h = hash < 0 ? t : hash;
        if (h > m) {
            if (c != m) {
                m_log->Log(QStringLiteral("Error: Error in command"));
                packet.Malformed = true;
            }
            break;
        }
        if (packet.Commands.size() == kMaxCommands) {
            m_log->Log(QStringLiteral("Error: Too many commands"));
            packet.Malformed = true;
            break;
        }
        RemoteConfigCommand command;
        command.Name = text.mid(c + 1, h - c - 1);
        if (h < t && !SplitParams(text.mid(h + 1, t - h - 1), command)) {
            m_log->Log(QStringLiteral("Error: Too many parameters"));
            packet.Malformed = true;
            break;
        }
        packet.Commands.append(command);
        c = t;
    }

    const qsizetype l = text.indexOf(kCrLf, m);
    if (l < 0) {
        m_log->Log(QStringLiteral("Error: Error in EOCID"));
        packet.Malformed = true;
        return packet;
    }
    packet.EndMarkerLine = text.mid(m, l - m);
    packet.Payload = text.mid(l + 2);
    return packet;
}

bool cRemoteConfig::CheckPassword(const QString& token) {
    if (m_password.isEmpty()) {
        m_log->Log(QStringLiteral("Error: No password set"));
        return false;
    }
    const QDateTime hour(m_utcDate, QTime(m_utcTime.isValid() ? m_utcTime.hour() : 0, 0), Qt::UTC);
    for (const QDateTime& t : {hour, hour.addSecs(-3600)}) {
        if (token == GetMD5Hex(m_codec, t.toString(QStringLiteral("yyyyMMddHH")) + m_password)) return true;
    }
    return false;
}

RemoteConfigPacket cRemoteConfig::DecodeConfig(const QString& text) {
    if (!ExistConfig(text)) {
        m_log->Log(QStringLiteral("Error: no configuration found"));
        return {};
    }
    m_log->Log(QStringLiteral("Remote configuration packet found"));
    RemoteConfigPacket packet = ParsePacket(text);
    if (!CheckPassword(packet.Token)) {
        packet.PasswordOK = false;
        m_log->Log(QStringLiteral("Error: password check failed"));
        return packet;
    }
    packet.PasswordOK = true;
    m_log->Log(QStringLiteral("Password check OK"));
    if (packet.Commands.isEmpty()) m_log->Log(QStringLiteral("No commands in packet"));
    for (qsizetype i = 0; i < packet.Commands.size(); ++i) {
        RemoteConfigCommand& command = packet.Commands[i];
        command.Valid = IsKnownCommand(command.Name);
        if (!command.Valid) m_log->Log("Error: command(" + QString::number(i) + " not valid.");
    }
    // A packet that did not read whole is not called decoded: none of it will run.
    if (!packet.Malformed) m_log->Log(QStringLiteral("Remote Configuration packet successfully decoded"));
    return packet;
}

}  // namespace tidepost
