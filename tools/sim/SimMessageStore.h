#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

namespace tidepost::sim {

// One received message waiting in the transceiver's file system as "IN." and three digits.
struct SimMessage {
    int Number = -1;        // 0..999; -1: the next free number when added
    int Les = 102;          // the station it came through
    int Column6 = 1;        // the digit of column 6 of its log line
    int Priority = 0;       // 0 routine, 1 safety, 2 urgent, 3 distress
    int Presentation = 0;   // 0 IA5, 6 telex, 7 data
    QDateTime Received;     // as listed and logged; the transceiver's clock when added unset
    qint32 Reference = 0;   // the station's reference number
    int Column43 = 0;       // the digit of column 43 of its log line
    QString Routing = "Mem";
    QString Body;           // the text as "ty" sends it, one character per byte
    int ListedSize = -1;    // the size listed and logged; -1: the body's length

    QString FileNumber() const { return QString::number(Number).rightJustified(3, '0'); }
    int Size() const { return ListedSize >= 0 ? ListedSize : static_cast<int>(Body.size()); }
};

// The messages of the transceiver's inbox and how its shell lists them.
struct SimMessageStore {
    QList<SimMessage> Messages;  // in listing order
    // 1: fixed columns with a header and a "bytes free" line; 2: the wider layout in which each
    // line ends in its size and " bytes".
    int ListingLayout = 1;
    qint64 BytesFree = 1843200;
    // The next delete is answered as usual but leaves its message in place.
    bool KeepNextDelete = false;

    // Adds the message (numbered when it has no number); False, adding nothing, when its number
    // is taken or outside 0..999, or a column value does not fit its column.
    bool Add(SimMessage message);
    // The message of that number; null when there is none.
    const SimMessage* Find(int number) const;
    bool Remove(int number);
};

// Adds a message described by "key=value" words followed by its text ("\n" in the text starts a
// line): number, les, c6, priority, presentation, date ("yyyy-MM-ddThh:mm"), ref, c43, routing,
// size (the listed size). `now` dates a message without "date". False, with the reason in
// `error`, for an unknown key or a value that does not fit.
bool AddMessageFromSpec(SimMessageStore& store, const QString& spec, const QDateTime& now, QString* error = nullptr);
// The same with the keys followed by the path of a file whose bytes are the message's text exactly
// (its listed size is their count unless "size" says otherwise).
bool AddMessageFileFromSpec(SimMessageStore& store, const QString& spec, const QDateTime& now, QString* error = nullptr);
// `count` sample messages, numbered on from the store's last.
void AddSampleMessages(SimMessageStore& store, int count, const QDateTime& now);

}  // namespace tidepost::sim
