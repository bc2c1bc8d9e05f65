#include "foundation/cErrorLog.h"

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/IClock.h"

namespace tidepost {

void cErrorLog::AddLine(const QString& strLine) const {
    const QDateTime now = m_f.Os.Clock->Now();
    const QDate d = now.date();
    const QTime t = now.time();
    const QString stamp = QString::number(d.year()) + "-" + QString::number(d.month()) + "-" +
                          QString::number(d.day()) + " " + QString::number(t.hour()) + ":" +
                          QString::number(t.minute()) + ":" + QString::number(t.second()) + " ";
    // Nobody is told when the error log itself cannot be written.
    (void)AppendLogLine(m_f, "ErrorLog.txt", stamp + strLine);
}

cErrorLog& ErrorLog(Foundation& f) {
    if (!f.gErrorLog) f.gErrorLog = std::make_unique<cErrorLog>(f);
    return *f.gErrorLog;
}

}  // namespace tidepost
