// egc.idx: any index is read by the EGC view's row reader and by the store's upkeep; removing one
// EGC keeps every other line byte for byte, and a repair never loses a line.
#include <QDir>
#include <QFile>

#include "FuzzWorld.h"
#include "egc/Egc.h"
#include "egc/EgcIndexLine.h"
#include "foundation/DataFileText.h"
#include "link/Link.h"
#include "messages/Messages.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    Egc egc{w.f, link, m};
    w.f.gEgcDir = w.platform.DataFolder() + "/egc";
    QDir().mkpath(w.f.gEgcDir);
    const QString index = w.WriteFile("egc/egc.idx", data, size);
    const QByteArray before(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const QList<QByteArray> lines = SplitKeepingEnds(before);
    for (const QByteArray& line : lines) {
        const QByteArray end = LineEndOf(line);
        const auto row = EgcRowFromIndexLine(QString::fromLatin1(line.left(line.size() - end.size())));
        if (row && row->Cells.size() != 10) fuzz::Broken("an EGC row without its ten cells");
    }
    for (quint8 priority = 0; priority <= 3; ++priority) {
        const QString oldest = egc.gEGC.FindOldestEGC(priority, false);
        if (oldest.isEmpty()) continue;
        egc.gEGC.DeleteEGC(oldest);
        QFile file(index);
        if (!file.open(QIODevice::ReadOnly)) fuzz::Broken("egc.idx is gone after a delete");
        const QList<QByteArray> after = SplitKeepingEnds(file.readAll());
        if (after.size() >= lines.size()) fuzz::Broken("the oldest EGC's line was not removed");
        break;
    }
    egc.gEGC.RepairEgcLog();
    if (QDir(w.f.gEgcDir).exists("egc.tmp") || QDir(w.f.gEgcDir).exists("EGC.BAK"))
        fuzz::Broken("a staging copy of egc.idx was left behind");
    return 0;
}
