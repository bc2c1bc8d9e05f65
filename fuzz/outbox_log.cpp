// "OUT.IDX", the outbox log: any log fills the sent-items grid, and a status change for a file no
// line names leaves every byte of the log as it was.
#include <QDir>
#include <QFile>

#include "FuzzWorld.h"
#include "foundation/RuntimeError.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "messages/SentItemsGrid.h"
#include "messages/cOutBox.h"
#include "support/FakeFlexGrid.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    test::FakeFlexGrid grid;
    m.OutboxMSGrid = &grid;
    const QString folder = w.platform.DataFolder() + "/sent items/";
    QDir().mkpath(folder);
    w.f.gOutboxDir = folder;
    w.f.gIniEntries.Loaded = true;
    w.f.gIniEntries.LoadTried = true;
    w.f.gIniEntries.Items = {{"[outbox]", folder}};
    const QByteArray log(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    w.WriteFile("sent items/OUT.IDX", data, size);
    try {
        LoadSentItemsGrid(m);
    } catch (const RuntimeError&) {
        return 0;  // reported to the operator by the caller's guard
    }
    const QString absent = QStringLiteral("ZZ%1.TXT").arg(qHash(log) % 1000000, 6, 10, QChar('0'));
    if (!log.contains(absent.toLatin1()) && GetOutBox(m).UpdateOutBoxFile(absent, "123", "Sending", true) == 0 &&
        w.platform.ReadDataFile("sent items/OUT.IDX") != log)
        fuzz::Broken("a status change that matched no line changed the outbox log");
    GetOutBox(m).UpdateOutBox("", "123", "", "", "Delivered", true);
    return 0;
}
