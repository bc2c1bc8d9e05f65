#include "foundation/cFile.h"

#include <QFileInfo>

#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "platform/AtomicFile.h"

namespace tidepost {

bool cFile::Load(const QString& path, QString& strData) const {
    QByteArray bytes;
    if (ReadFileBytes(path, bytes)) return false;
    strData = m_f.Os.Codec.Decode(bytes);
    return true;
}

bool cFile::Save(const QString& path, const QString& strData, bool bOverWrite) const {
    FileError err;
    if (!bOverWrite && QFileInfo::exists(path))
        err = {kErrFileAlreadyExists, "File already exists"};
    else
        err = WriteFileAtomic(path, m_f.Os.Codec.Encode(strData));
    if (!err) return true;

    if (err.number == kErrDiskFull) {
        QueueMessageBox(m_f,
                        MlText(m_f, 2559, "(cFile.Save) Error: Not enough disk space.") + "\r\n" +
                            FormatMlString(MlText(m_f, 2571, "Due to this error, the file %0 can not be saved."), {path}),
                        MlText(m_f, 2544, "Error"));
    } else {
        const QString text =
            FormatErrorText(m_f, 2572, "(cFile.Save) Error '%0': %1.", err.number, err.description);
        QueueMessageBox(m_f, WithFileErrorText(m_f, text, err.number, path), MlText(m_f, 2546, "Error"));
    }
    return false;
}

bool cFile::FileExists(const QString& path) const { return QFileInfo(path).isFile(); }

}  // namespace tidepost
