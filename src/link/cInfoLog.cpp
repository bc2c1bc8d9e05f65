#include "link/cInfoLog.h"

#include <optional>

#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/InfoHandler.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

constexpr QChar kStx = QChar(2);

// The first `lines` lines of `content` with their line ends. Every kind of line end is counted,
// so that a log edited elsewhere cannot grow past the limit.
QByteArray FirstLines(const QByteArray& content, int lines) {
    int found = 0;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content.at(i);
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 < content.size() && content.at(i + 1) == '\n') ++i;
        if (++found == lines) return content.left(i + 1);
    }
    return content;
}

QDateTime ReadDate(const QString& text) {
    QDateTime date = QDateTime::fromString(text, "yyyy-MM-dd HH:mm:ss");
    // The same stamp without leading zeros, as some writers of the past left it.
    if (!date.isValid()) date = QDateTime::fromString(text, "yyyy-M-d H:m:s");
    return date;
}

// One log line, or nothing when it is not four fields that all convert.
std::optional<InfoLogEntry> ReadLine(const QString& line) {
    const QStringList fields = line.split(kStx);
    if (fields.size() != 4) return std::nullopt;
    InfoLogEntry entry;
    entry.oDate = ReadDate(fields.at(0));
    bool typeOk = false;
    bool numberOk = false;
    const uint type = fields.at(1).trimmed().toUInt(&typeOk);
    const int number = fields.at(2).trimmed().toInt(&numberOk);
    if (!entry.oDate.isValid() || !typeOk || type > 255 || !numberOk || number < -32768 || number > 32767)
        return std::nullopt;
    entry.InfoType = static_cast<quint8>(type);
    entry.InfoNumber = static_cast<qint16>(number);
    entry.InfoMessage = fields.at(3);
    return entry;
}

}  // namespace

bool cInfoLog::AddInfo(const QDateTime& DateTime, quint8 InfoType, qint16 Number, const QString& InfoText) {
    const QString path = DataFilePath(m_f, "InfoLog.txt");
    const QString staging = DataFilePath(m_f, "InfoLog.tmp");

    FileError err;
    QByteArray old;
    if (path.isEmpty()) {
        err = {kErrPathNotFound, "Path not found"};
    } else {
        err = ReadFileBytes(path, old);
        // A missing log is an empty one; it is created by the write below.
        if (err.number == kErrFileNotFound) err = {};
    }
    if (!err) {
        const QString line = DateTime.toString("yyyy-MM-dd HH:mm:ss") + kStx + QString::number(InfoType) + kStx +
                             QString::number(Number) + kStx + CleanInfoText(InfoText) + "\r\n";
        err = WriteFileAtomic(path, m_f.Os.Codec.Encode(line) + FirstLines(old, kMaxLines - 1), staging);
    }
    if (!err) return true;

    if (err.number == kErrDiskFull) {
        QueueMessageBox(m_f,
                        MlText(m_f, 2564, "(InfoLog.AddInfo) Error: Not enough disk space.") + "\r\n" +
                            MlText(m_f, 2565, "Due to this error, the info can not be saved."),
                        "Error");
    } else {
        ErrorLog(m_f).AddLine(
            WithFileErrorText(m_f, ComposeErrorText("InfoLog.AddInfo", err.number, err.description), err.number));
    }
    return false;
}

QList<InfoLogEntry> cInfoLog::ReadInfoLog() {
    m_lineCount = 0;
    const QString path = DataFilePath(m_f, "InfoLog.txt");
    QByteArray bytes;
    if (path.isEmpty() || ReadFileBytes(path, bytes)) return {};

    QList<InfoLogEntry> entries;
    const QStringList lines = SplitFileLines(m_f.Os.Codec.Decode(bytes));
    entries.reserve(lines.size());
    for (const QString& line : lines) entries.append(ReadLine(line).value_or(InfoLogEntry{}));
    m_lineCount = static_cast<qint32>(entries.size());
    return entries;
}

}  // namespace tidepost
