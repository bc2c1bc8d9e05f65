#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>
#include <optional>

#include "platform/AnsiCodec.h"
#include "sim/ShellLineReader.h"
#include "support/FakeByteChannel.h"

namespace tidepost::test {

// One scripted exchange: the command line the shell reads and what it answers.
struct Exchange {
    QString Command;  // the line as the shell reads it, without its line end
    QString Body;     // the reply between the echo line and the prompt
    std::optional<QString> Prompt;  // instead of the transceiver's prompt ("" for none)
    std::optional<QString> Raw;     // the whole reply as given, instead of echo, body and prompt
    // Delivery: pieces of these sizes on successive reads, the rest in one last piece.
    QList<int> ChunkSizes;
    int QuietReadsBefore = 0;         // reads that find nothing before the first piece
    int QuietReadsBetweenChunks = 0;  // reads that find nothing between pieces
    int StopAfter = -1;   // only this many characters of the reply arrive, then silence
    bool Silent = false;  // nothing at all comes back, not even the echo
    bool Repeat = false;  // answers every time, instead of once
};

// A transceiver shell on a fake serial port or socket. It reads each command line the program
// writes (a line ends at CR or LF, CR LF counting once) and answers from a script: the echo of the
// command, EchoTerminator, the body and the prompt. A reply arrives over the program's next
// reads, one piece per read. The first unused exchange whose command equals the line answers it;
// an empty line gets the echo of its line end and the prompt; any other line is noted in
// Unexpected and gets its echo and the prompt.
class FakeTransceiver {
public:
    explicit FakeTransceiver(FakeByteChannel& channel);
    ~FakeTransceiver();
    FakeTransceiver(const FakeTransceiver&) = delete;
    FakeTransceiver& operator=(const FakeTransceiver&) = delete;

    // Adds an exchange and returns it for its delivery options.
    Exchange& On(const QString& command, const QString& body = {});
    // Lines joined by CR LF, each ending with CR LF: the shape of a reply body.
    static QString Lines(const QStringList& lines);
    // The reply to a command with this shell's settings, as it would arrive whole.
    QString ReplyOf(const QString& command, const QString& body) const;

    // Text the shell sends of its own accord, on the next read (e.g. a prompt after a restart).
    void Say(const QString& text);

    // An upload command "tr <name> -b <n>" is echoed at once; the next n bytes are the file,
    // whatever they are, and then the body and the prompt of its exchange follow (none scripted:
    // the prompt alone).
    struct Upload {
        QString Name;
        qsizetype Size = 0;
        QByteArray Bytes;  // what has arrived of it
        bool Complete() const { return Bytes.size() == Size; }
    };
    QList<Upload> Uploads;

    QString EchoTerminator = "\r\n";
    QString Prompt = "can0:/$ ";
    AnsiCodec Codec;
    // Every line read, in order; the lines no exchange answered.
    QStringList Received;
    QStringList Unexpected;
    // Nothing scripted is left unanswered and no reply is waiting to be read.
    bool AllAnswered() const;
    bool Idle() const { return m_steps.empty(); }

private:
    struct Step {
        QByteArray Bytes;  // empty: a read that finds nothing
    };
    void OnWrite(const QByteArray& bytes);
    void Answer(const QString& line);
    void Plan(const Exchange& e, const QString& reply);
    void OnRead();
    bool StartUpload(const QString& line);
    void ReadUpload(const QByteArray& bytes);

    FakeByteChannel& m_channel;
    sim::ShellLineReader m_reader;
    std::deque<Exchange> m_script;
    std::deque<Step> m_steps;
    // What answers the upload being read, once all of it has come.
    std::optional<Exchange> m_afterUpload;
};

}  // namespace tidepost::test
