// "in.idx", the inbox index: every line fills a grid row or none, the already-stored check reads any
// index, and the rewrites change only what they are asked to: marking read or deleting a file that
// no line names leaves every byte as it was, deleting a named file takes away its line and no
// other text, and marking one read keeps the number of lines.
#include "FuzzWorld.h"
#include "editor/InboxIndexLine.h"
#include "editor/MessageIndexMark.h"
#include "foundation/DataFileText.h"
#include "foundation/cMsgLog.h"
#include "messages/InboxIndex.h"

TIDEPOST_FUZZ_START_QT

namespace {
// The file name field of the first line that has one, as the index's readers take it.
QString FirstFileName(tidepost::Foundation& f, const QByteArray& index) {
    for (const QString& line : tidepost::SplitFileLines(f.Os.Codec.Decode(index)))
        if (line.contains(u':') && !line.section(u':', -1).isEmpty()) return line.section(u':', -1);
    return {};
}
// The lines that hold text, in order.
QStringList Texts(tidepost::Foundation& f, const QByteArray& index) {
    QStringList texts;
    for (const QString& line : tidepost::SplitFileLines(f.Os.Codec.Decode(index)))
        if (!line.isEmpty()) texts.append(line);
    return texts;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QByteArray index(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = w.platform.DataFolder() + "/inbox";
    const QString path = w.WriteFile("inbox/in.idx", data, size);

    for (const QString& line : SplitFileLines(w.f.Os.Codec.Decode(index))) {
        (void)InboxRowFromIndexLine(line);
        (void)InboxLineMarkedUnread(line);
    }
    InLogEntry entry;
    entry.Name = QStringLiteral("IN.001");
    entry.LES = 102;
    entry.Size = 812;
    entry.Reference = 345;
    (void)IsInInboxIndex(w.f, path, entry, QStringLiteral("06-12-31 23:59"));

    const QString absent = QStringLiteral("zz%1.in").arg(qHash(index) % 1000000, 6, 10, QChar('0'));
    if (!index.contains(absent.toLatin1())) {
        (void)MarkMessageRead(w.f, folder, absent, StoredMessageType::Received);
        if (w.platform.ReadDataFile("inbox/in.idx") != index) fuzz::Broken("marking an absent file read changed in.idx");
        cMsgLog(w.f).DeleteFromMsgLog(absent, folder, "in");
        if (w.platform.ReadDataFile("inbox/in.idx") != index) fuzz::Broken("deleting an absent file changed in.idx");
    }

    const QString named = FirstFileName(w.f, index);
    if (named.isEmpty()) return 0;
    const qsizetype lines = SplitKeepingEnds(index).size();
    (void)MarkMessageRead(w.f, folder, named, StoredMessageType::Received);
    const QByteArray marked = w.platform.ReadDataFile("inbox/in.idx");
    if (SplitKeepingEnds(marked).size() != lines) fuzz::Broken("marking read changed the number of lines");
    cMsgLog(w.f).DeleteFromMsgLog(named, folder, "in");
    // An empty line between a lone CR and a lone LF may join them once the line between them goes;
    // every line with text but the deleted one stays as it was.
    QStringList expected = Texts(w.f, marked);
    for (qsizetype i = 0; i < expected.size(); ++i)
        if (expected[i].section(u':', -1) == named) {
            expected.removeAt(i);
            break;
        }
    if (Texts(w.f, w.platform.ReadDataFile("inbox/in.idx")) != expected)
        fuzz::Broken("deleting a named file changed other lines than its own");
    return 0;
}
