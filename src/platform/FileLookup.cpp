#include "platform/FileLookup.h"

#include <QDir>
#include <QFileInfo>

namespace tidepost {

QString NormalizeSeparators(const QString& path) {
    QString p = path;
    p.replace('\\', '/');
    return p;
}

QString FindFileNoCase(const QString& folder, const QString& name) {
    QString current = NormalizeSeparators(folder);
    while (current.size() > 1 && current.endsWith('/')) current.chop(1);
    const QStringList parts = NormalizeSeparators(name).split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const QString exact = current + "/" + part;
        if (QFileInfo::exists(exact)) {
            current = exact;
            continue;
        }
        QString found;
        const QStringList entries =
            QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QString& e : entries) {
            if (e.compare(part, Qt::CaseInsensitive) == 0) {
                found = e;
                break;
            }
        }
        current += "/" + (found.isEmpty() ? part : found);
    }
    return current;
}

}  // namespace tidepost
