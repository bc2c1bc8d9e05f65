#include "egc/IndexFileLines.h"

namespace tidepost {

QList<QByteArray> SplitKeepingEnds(const QByteArray& bytes) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' || (bytes[i] == '\r' && (i + 1 >= bytes.size() || bytes[i + 1] != '\n'))) {
            lines.append(bytes.mid(start, i + 1 - start));
            start = i + 1;
        }
    }
    if (start < bytes.size()) lines.append(bytes.mid(start));
    return lines;
}

QByteArray LineEndOf(const QByteArray& line) {
    if (line.endsWith("\r\n")) return "\r\n";
    if (line.endsWith('\n') || line.endsWith('\r')) return line.right(1);
    return {};
}

}  // namespace tidepost
