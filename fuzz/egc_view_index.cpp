// "egc.idx" as the EGC view reads it: every line fills a grid row or none, and marking read or deleting a file
// that no line names leaves every byte as it was.
#include "FuzzWorld.h"
#include "egc/EgcIndexLine.h"
#include "editor/MessageIndexMark.h"
#include "foundation/DataFileText.h"
#include "foundation/cMsgLog.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QByteArray index(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString folder = w.platform.DataFolder() + "/egc";
    w.WriteFile("egc/egc.idx", data, size);

    for (const QString& line : SplitFileLines(w.f.Os.Codec.Decode(index))) {
        (void)EgcRowFromIndexLine(line);
        for (const QString& part : line.split(u':')) (void)ReadEgcCode(part);
    }

    const QString absent = QStringLiteral("zz%1.egc").arg(qHash(index) % 1000000, 6, 10, QChar('0'));
    if (index.contains(absent.toLatin1())) return 0;
    (void)MarkMessageRead(w.f, folder, absent, StoredMessageType::Egc);
    if (w.platform.ReadDataFile("egc/egc.idx") != index) fuzz::Broken("marking an absent file read changed egc.idx");
    cMsgLog(w.f).DeleteFromMsgLog(absent, folder, "egc");
    if (w.platform.ReadDataFile("egc/egc.idx") != index) fuzz::Broken("deleting an absent file changed egc.idx");
    return 0;
}
