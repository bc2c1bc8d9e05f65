#include "foundation/DataFileText.h"

namespace tidepost {

namespace {

// Calls take(start, end, next) for each line: its text is [start, end), its line end [end, next).
template <typename Char, typename Take>
void ForEachLine(const Char* data, qsizetype size, Take take) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] != Char('\r') && data[i] != Char('\n')) continue;
        const qsizetype end = i;
        if (data[i] == Char('\r') && i + 1 < size && data[i + 1] == Char('\n')) ++i;
        take(start, end, i + 1);
        start = i + 1;
    }
    if (start < size) take(start, size, size);
}

}  // namespace

QStringList SplitFileLines(const QString& text) {
    QStringList lines;
    const auto* data = reinterpret_cast<const char16_t*>(text.constData());
    ForEachLine(data, text.size(), [&](qsizetype start, qsizetype end, qsizetype) { lines.append(text.mid(start, end - start)); });
    return lines;
}

void ForEachFileLine(QByteArrayView bytes, const std::function<void(QByteArrayView line)>& take) {
    ForEachLine(bytes.data(), bytes.size(),
                [&](qsizetype start, qsizetype end, qsizetype) { take(bytes.sliced(start, end - start)); });
}

QList<QStringView> FileLineViews(QStringView text) {
    QList<QStringView> lines;
    ForEachLine(text.utf16(), text.size(), [&](qsizetype start, qsizetype end, qsizetype) {
        lines.append(text.sliced(start, end - start));
    });
    return lines;
}

QList<QByteArray> SplitKeepingEnds(const QByteArray& bytes) {
    QList<QByteArray> lines;
    ForEachLine(bytes.constData(), bytes.size(),
                [&](qsizetype start, qsizetype, qsizetype next) { lines.append(bytes.mid(start, next - start)); });
    return lines;
}

QByteArray LineEndOf(const QByteArray& line) {
    if (line.endsWith("\r\n")) return "\r\n";
    if (line.endsWith('\n') || line.endsWith('\r')) return line.right(1);
    return {};
}

}  // namespace tidepost
