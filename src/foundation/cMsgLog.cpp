#include "foundation/cMsgLog.h"

#include <QFileInfo>

#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {
// The field of an index line that names the stored file. The free-text fields of a line (a
// subject, a routing) may hold the same text, so only this field may decide.
QString FileNameField(const QString& line, bool sentItems) {
    if (sentItems) return line.section(';', 0, 0);
    return line.section(':', -1, -1);
}

void ReportIndexFailure(Foundation& f, const FileError& err, const QString& index) {
    const QString text = ComposeErrorText(QStringLiteral("cMsgLog.DeleteFromMsgLog"), err.number, err.description);
    QueueMessageBox(f, WithFileErrorText(f, text, err.number, index), ErrorTitle(err.number));
}
}  // namespace

bool cMsgLog::DeleteFromMsgLog(const QString& strFileRef, const QString& strDir, const QString& strLog) const {
    if (strFileRef.isEmpty() || strDir.isEmpty()) return false;
    const QString index = FindFileNoCase(strDir, strLog + ".idx");
    if (!QFileInfo::exists(index) && AppendToFile(index, {})) return false;

    QByteArray content;
    if (const FileError err = ReadFileBytes(index, content)) {
        ReportIndexFailure(m_f, err, index);
        return false;
    }

    const bool sentItems = strLog.compare("out", Qt::CaseInsensitive) == 0;
    qsizetype start = 0;
    for (const QByteArray& line : SplitKeepingEnds(content)) {
        const QByteArray text = line.left(line.size() - LineEndOf(line).size());
        if (FileNameField(m_f.Os.Codec.Decode(text), sentItems) == strFileRef) {
            QByteArray rest = content;
            rest.remove(start, line.size());
            const QString staging = QFileInfo(index).path() + "/" + strLog + ".tmp";
            if (const FileError err = WriteFileAtomic(index, rest, staging)) ReportIndexFailure(m_f, err, index);
            return false;
        }
        start += line.size();
    }
    return false;
}

}  // namespace tidepost
