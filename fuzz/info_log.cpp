// "InfoLog.txt": any log is read line by line, and a new entry goes on top of it without the log
// growing past its limit.
#include <QDateTime>

#include "FuzzWorld.h"
#include "link/cInfoLog.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    w.WriteFile("InfoLog.txt", data, size);
    cInfoLog log(w.f);
    const QList<InfoLogEntry> before = log.ReadInfoLog();
    if (before.size() != log.LineCount()) fuzz::Broken("the info log's line count differs from its entries");
    log.AddInfo(QDateTime(QDate(2026, 12, 10), QTime(12, 0, 0)), 1, 82, "Message transfer started");
    const QList<InfoLogEntry> after = log.ReadInfoLog();
    if (after.size() > cInfoLog::kMaxLines) fuzz::Broken("the info log grew past its limit");
    if (after.isEmpty() || after.first().InfoNumber != 82) fuzz::Broken("the new entry is not on top of the info log");
    return 0;
}
