#include "sim/SimShell.h"

#include "sim/SimUploadCommands.h"

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
    // A command that asks a question ends with the question, not the prompt.
    if (NextLine) return line + EchoTerminator + body;
    return line + EchoTerminator + body + Prompt;
}

void SimShell::Receive(const QByteArray& bytes) {
    ReceivedBytes += bytes;
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (m_upload) {
            // The announced bytes are the file, whatever they are: an LF right after the
            // command's CR included.
            const qsizetype take = qMin(m_upload->Left, bytes.size() - at);
            ReadUpload(bytes.mid(at, take));
            at += take;
            continue;
        }
        for (const QByteArray& raw : m_reader.Feed(bytes.mid(at, 1))) ReadLine(QString::fromLatin1(raw));
        ++at;
    }
}

void SimShell::ReadLine(const QString& line) {
    Received.append(line);
    if (OnLineRead) OnLineRead(line);
    if (Mute) return;
    if (NextLine) {
        const auto answer = std::move(NextLine);
        NextLine = nullptr;
        Answer(answer(*this, line));
        return;
    }
    if (const std::optional<UploadCommand> upload = ParseUploadCommand(line)) {
        m_upload = PendingUpload{upload->Name, upload->Size, {}};
        Answer(line + EchoTerminator);
        if (upload->Size == 0) ReadUpload({});
        return;
    }
    QString reply = ReplyTo(line);
    if (RestartPending) {
        reply.insert(line.size() + EchoTerminator.size(), kRestartLine + LineEnd);
        RestartPending = false;
    }
    Answer(reply);
}

void SimShell::ReadUpload(const QByteArray& bytes) {
    PendingUpload& upload = *m_upload;
    for (char c : bytes) {
        if (CutUploadAfter >= 0 && upload.Bytes.size() >= CutUploadAfter) {
            Mute = true;
            CutUploadAfter = -1;
        }
        upload.Bytes.append(c);
    }
    upload.Left -= bytes.size();
    if (upload.Left > 0) return;
    const bool cut = Mute;
    const SimUpload file{upload.Name, QString::fromLatin1(upload.Bytes), Transceiver.UtcNow()};
    m_upload.reset();
    m_reader.StartAfresh();
    if (cut) return;  // the rest never arrived: nothing is stored, nothing answered
    Uploads.Put(file);
    Answer(Prompt);
}

void SimShell::Answer(QString reply) {
    if (CutNextReplyAfter >= 0) {
        reply.truncate(CutNextReplyAfter);
        CutNextReplyAfter = -1;
    }
    if (m_write && !reply.isEmpty()) m_write(reply.toLatin1());
}

}  // namespace tidepost::sim
