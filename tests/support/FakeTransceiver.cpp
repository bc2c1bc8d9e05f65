#include "support/FakeTransceiver.h"

#include "sim/SimUploadCommands.h"

namespace tidepost::test {

FakeTransceiver::FakeTransceiver(FakeByteChannel& channel) : m_channel(channel) {
    m_channel.OnWrite = [this](const QByteArray& b) { OnWrite(b); };
    m_channel.BeforeRead = [this] { OnRead(); };
}

FakeTransceiver::~FakeTransceiver() {
    m_channel.OnWrite = nullptr;
    m_channel.BeforeRead = nullptr;
}

Exchange& FakeTransceiver::On(const QString& command, const QString& body) {
    Exchange e;
    e.Command = command;
    e.Body = body;
    m_script.push_back(e);
    return m_script.back();
}

QString FakeTransceiver::Lines(const QStringList& lines) {
    QString out;
    for (const QString& l : lines) out += l + "\r\n";
    return out;
}

QString FakeTransceiver::ReplyOf(const QString& command, const QString& body) const {
    return command + EchoTerminator + body + Prompt;
}

void FakeTransceiver::Say(const QString& text) { m_steps.push_back({Codec.Encode(text)}); }

bool FakeTransceiver::AllAnswered() const {
    for (const Exchange& e : m_script)
        if (!e.Repeat) return false;
    return m_steps.empty();
}

void FakeTransceiver::OnWrite(const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        if (!Uploads.isEmpty() && !Uploads.last().Complete()) {
            const qsizetype take = qMin(Uploads.last().Size - Uploads.last().Bytes.size(), bytes.size() - at);
            ReadUpload(bytes.mid(at, take));
            at += take;
            continue;
        }
        for (const QByteArray& raw : m_reader.Feed(bytes.mid(at, 1))) Answer(Codec.Decode(raw));
        ++at;
    }
}

bool FakeTransceiver::StartUpload(const QString& line) {
    const std::optional<sim::UploadCommand> upload = sim::ParseUploadCommand(line);
    if (!upload) return false;
    Exchange e;
    for (auto it = m_script.begin(); it != m_script.end(); ++it) {
        if (it->Command != line) continue;
        e = *it;
        if (!e.Repeat) m_script.erase(it);
        break;
    }
    Uploads.append({upload->Name, upload->Size, {}});
    m_afterUpload = e;
    if (!e.Silent) m_steps.push_back({Codec.Encode(line + EchoTerminator)});
    ReadUpload({});
    return true;
}

void FakeTransceiver::ReadUpload(const QByteArray& bytes) {
    Upload& upload = Uploads.last();
    upload.Bytes += bytes;
    if (!upload.Complete() || !m_afterUpload) return;
    const Exchange e = *m_afterUpload;
    m_afterUpload.reset();
    m_reader.StartAfresh();
    if (!e.Silent) Plan(e, e.Body + e.Prompt.value_or(Prompt));
}

void FakeTransceiver::Answer(const QString& line) {
    Received.append(line);
    if (StartUpload(line)) return;
    for (auto it = m_script.begin(); it != m_script.end(); ++it) {
        if (it->Command != line) continue;
        const Exchange e = *it;
        if (!e.Repeat) m_script.erase(it);
        if (e.Silent) return;
        const QString reply =
            e.Raw ? *e.Raw : line + EchoTerminator + e.Body + e.Prompt.value_or(Prompt);
        Plan(e, reply);
        return;
    }
    if (!line.isEmpty()) Unexpected.append(line);
    Plan(Exchange{}, line + EchoTerminator + Prompt);
}

void FakeTransceiver::Plan(const Exchange& e, const QString& reply) {
    QByteArray bytes = Codec.Encode(reply);
    if (e.StopAfter >= 0) bytes.truncate(e.StopAfter);
    for (int i = 0; i < e.QuietReadsBefore; ++i) m_steps.push_back({});
    qsizetype at = 0;
    for (int size : e.ChunkSizes) {
        if (at >= bytes.size()) break;
        if (at > 0)
            for (int i = 0; i < e.QuietReadsBetweenChunks; ++i) m_steps.push_back({});
        m_steps.push_back({bytes.mid(at, size)});
        at += size;
    }
    if (at < bytes.size()) {
        if (at > 0)
            for (int i = 0; i < e.QuietReadsBetweenChunks; ++i) m_steps.push_back({});
        m_steps.push_back({bytes.mid(at)});
    }
}

void FakeTransceiver::OnRead() {
    if (m_steps.empty()) return;
    const Step step = m_steps.front();
    m_steps.pop_front();
    if (!step.Bytes.isEmpty()) m_channel.PushIncoming(step.Bytes);
}

}  // namespace tidepost::test
