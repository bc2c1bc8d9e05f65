#include "sim/SimShell.h"

namespace tidepost::sim {

QString EchoEndText(EchoEnd end) {
    switch (end) {
    case EchoEnd::Lf: return "\n";
    case EchoEnd::CrLf: return "\r\n";
    case EchoEnd::CrCrLf: return "\r\r\n";
    }
    return "\r\n";
}

std::optional<EchoEnd> ParseEchoEnd(const QString& name) {
    const QString n = name.trimmed().toLower();
    if (n == "lf") return EchoEnd::Lf;
    if (n == "crlf") return EchoEnd::CrLf;
    if (n == "crcrlf") return EchoEnd::CrCrLf;
    return std::nullopt;
}

QString SimShell::ReplyTo(const QString& line) {
    QString body;
    if (!line.isEmpty()) {
        const SimCommand* row = nullptr;
        const QList<SimCommand>* tables[] = {&ExtraCommands, &SimCommandTable()};
        for (const QList<SimCommand>* table : tables) {
            for (const SimCommand& c : *table) {
                const Qt::CaseSensitivity cs = c.IgnoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
                if (c.Prefix ? line.startsWith(c.Text, cs) : line.compare(c.Text, cs) == 0) {
                    row = &c;
                    break;
                }
            }
            if (row != nullptr) break;
        }
        if (row != nullptr)
            body = row->Reply(*this, line);
        else
            body = line.section(' ', 0, 0, QString::SectionSkipEmpty) + ": command not found" + LineEnd;
    }
    return line + EchoTerminator + body + Prompt;
}

void SimShell::Receive(const QByteArray& bytes) {
    for (const QByteArray& raw : m_reader.Feed(bytes)) {
        const QString line = QString::fromLatin1(raw);
        Received.append(line);
        if (OnLineRead) OnLineRead(line);
        if (Mute) continue;
        QString reply = ReplyTo(line);
        if (RestartPending) {
            reply.insert(line.size() + EchoTerminator.size(), kRestartLine + LineEnd);
            RestartPending = false;
        }
        if (CutNextReplyAfter >= 0) {
            reply.truncate(CutNextReplyAfter);
            CutNextReplyAfter = -1;
        }
        if (m_write && !reply.isEmpty()) m_write(reply.toLatin1());
    }
}

}  // namespace tidepost::sim
