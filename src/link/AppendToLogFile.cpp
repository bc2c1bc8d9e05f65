#include "link/AppendToLogFile.h"

#include <QLocale>

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/IClock.h"

namespace tidepost {

void AppendToLogFile(const Foundation& f, const QString& text, const QString& fileName, bool withLineEnd) {
    (void)AppendToLog(f, fileName, withLineEnd ? text + "\r\n" : text);
}

void AppendLinkErrorLine(const Foundation& f, int number, const QString& description) {
    const QDateTime now = f.Os.Clock->Now();
    const QLocale locale = QLocale::system();
    const QString when = locale.toString(now.date(), QLocale::ShortFormat) + " " + now.time().toString("HH:mm:ss");
    AppendToLogFile(f, when + " Error " + QString::number(number) + ": " + description, "ErrorLog.txt", true);
}

}  // namespace tidepost
