#include "foundation/cMsgLog.h"

#include <QFileInfo>

#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IndexLines.h"
#include "foundation/MessageBoxQueue.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"

namespace tidepost {

namespace {
// The field of an index line that names the stored file. The free-text fields of a line (a
// subject, a routing) may hold the same text, so only this field may decide.
QByteArrayView FileNameField(QByteArrayView line, bool sentItems) {
    return sentItems ? FirstField(line, ';') : LastField(line, ':');
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
    // Each byte is one character: the name's bytes are compared, no line is decoded.
    const QByteArray name = m_f.Os.Codec.Encode(strFileRef);
    if (m_f.Os.Codec.Decode(name) != strFileRef) return false;
    const IndexLines lines(std::move(content));
    for (int i = 0; i < lines.Count(); ++i) {
        if (FileNameField(lines.Text(i), sentItems) != name) continue;
        const QString staging = QFileInfo(index).path() + "/" + strLog + ".tmp";
        if (const FileError err = WriteFileAtomic(index, lines.Edited({{i, std::nullopt}}), staging))
            ReportIndexFailure(m_f, err, index);
        return false;
    }
    return false;
}

}  // namespace tidepost
