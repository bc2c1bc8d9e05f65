#include "messages/OutboxLogCopy.h"

#include "platform/AtomicFile.h"

namespace tidepost {

namespace {
constexpr char kLineEnd[] = "\r\n";
}  // namespace

void OutboxLogCopy::Take(const QString& path, QByteArray bytes, const FileStamp& stamp) {
    m_path = path;
    m_lines = IndexLines(std::move(bytes));
    m_stamp = stamp;
    m_valid = true;
}

void OutboxLogCopy::Forget() {
    m_valid = false;
    m_lines = IndexLines();
}

FileError OutboxLogCopy::Current(const QString& path, const IndexLines*& lines) {
    // Stamped before reading: a change during the read shows as a changed stamp next time.
    const FileStamp stamp = StampOfFile(path);
    const bool same = m_valid && path == m_path && stamp.Exists && stamp.SameState(m_stamp);
    if (same && m_stamp.Settled) {
        lines = &m_lines;
        return {};
    }
    QByteArray bytes;
    if (const FileError err = ReadFileBytes(path, bytes)) {
        Forget();
        return err;
    }
    if (same && bytes == m_lines.Bytes()) {
        // The content vouches for the copy; from now on the stamp can, once the change has settled.
        m_stamp = stamp;
    } else {
        Take(path, std::move(bytes), stamp);
        // A content the stamp did not show cannot be trusted to the stamp next time either.
        if (same) m_stamp.Settled = false;
    }
    lines = &m_lines;
    return {};
}

void OutboxLogCopy::Replaced(const QString& path, QByteArray bytes) {
    FileStamp stamp = StampOfFile(path);
    // Another change could follow within the clock step of this one: compared by content first.
    stamp.Settled = false;
    Take(path, std::move(bytes), stamp);
}

FileError OutboxLogCopy::AppendLine(const QString& path, const QByteArray& line) {
    const bool inStep = m_valid && path == m_path && StampOfFile(path).SameState(m_stamp);
    const FileError err = AppendLineToFile(path, line, kLineEnd);
    if (err || !inStep) {
        Forget();
        return err;
    }
    QByteArray bytes = m_lines.Bytes();
    if (!bytes.isEmpty() && !bytes.endsWith('\r') && !bytes.endsWith('\n')) bytes += kLineEnd;
    bytes += line;
    bytes += kLineEnd;
    // Compared by content before its next use, so a differing append cannot go unnoticed.
    Replaced(path, std::move(bytes));
    return {};
}

}  // namespace tidepost
