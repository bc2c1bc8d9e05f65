#include "foundation/IndexLines.h"

#include <algorithm>
#include <cstring>

namespace tidepost {

IndexLines::IndexLines(QByteArray bytes) : m_bytes(std::move(bytes)) {
    const char* data = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    m_starts.clear();
    m_starts.reserve(static_cast<size_t>(std::count(data, data + size, '\n')) + 2);
    // The next CR and the next LF are each looked for with memchr, which is many times faster on
    // a long file than looking at every byte.
    const auto next = [data, size](char c, qsizetype from) {
        const void* at = from < size ? std::memchr(data + from, c, static_cast<size_t>(size - from)) : nullptr;
        return at ? static_cast<const char*>(at) - data : size;
    };
    qsizetype start = 0;
    qsizetype cr = next('\r', 0), lf = next('\n', 0);
    for (qsizetype end; (end = std::min(cr, lf)) < size;) {
        m_starts.push_back(static_cast<quint32>(start));
        start = end + (data[end] == '\r' && end + 1 < size && data[end + 1] == '\n' ? 2 : 1);
        if (cr < start) cr = next('\r', start);
        if (lf < start) lf = next('\n', start);
    }
    if (start < size) m_starts.push_back(static_cast<quint32>(start));
    m_starts.push_back(static_cast<quint32>(size));
}

qsizetype IndexLines::TextEnd(int i) const {
    const qsizetype start = m_starts[static_cast<size_t>(i)];
    qsizetype end = m_starts[static_cast<size_t>(i) + 1];
    const char* data = m_bytes.constData();
    if (end > start && data[end - 1] == '\n') --end;
    if (end > start && data[end - 1] == '\r') --end;
    return end;
}

QByteArrayView IndexLines::Text(int i) const {
    if (i < 0 || i >= Count()) return {};
    const qsizetype start = m_starts[static_cast<size_t>(i)];
    return QByteArrayView(m_bytes).sliced(start, TextEnd(i) - start);
}

QByteArrayView IndexLines::End(int i) const {
    if (i < 0 || i >= Count()) return {};
    const qsizetype end = TextEnd(i);
    return QByteArrayView(m_bytes).sliced(end, m_starts[static_cast<size_t>(i) + 1] - end);
}

QByteArray IndexLines::Edited(const std::vector<Edit>& edits) const {
    QByteArray out;
    qsizetype grow = 0;
    for (const Edit& e : edits)
        if (e.Text) grow += e.Text->size();
    out.reserve(m_bytes.size() + grow);
    qsizetype kept = 0;  // bytes of the file already taken over
    for (const Edit& e : edits) {
        if (e.Line < 0 || e.Line >= Count()) continue;
        const qsizetype start = m_starts[static_cast<size_t>(e.Line)];
        if (start < kept) continue;
        out.append(QByteArrayView(m_bytes).sliced(kept, start - kept));
        if (e.Text) {
            out.append(*e.Text);
            out.append(End(e.Line));
        }
        kept = m_starts[static_cast<size_t>(e.Line) + 1];
    }
    out.append(QByteArrayView(m_bytes).sliced(kept));
    return out;
}

QByteArrayView FirstField(QByteArrayView text, char separator) {
    const qsizetype at = text.indexOf(separator);
    return at < 0 ? text : text.first(at);
}

QByteArrayView LastField(QByteArrayView text, char separator) {
    const qsizetype at = text.lastIndexOf(separator);
    return at < 0 ? text : text.sliced(at + 1);
}

bool EndsWithAsciiNoCase(QByteArrayView text, QByteArrayView tail) {
    if (tail.size() > text.size()) return false;
    const QByteArrayView end = text.last(tail.size());
    for (qsizetype i = 0; i < tail.size(); ++i) {
        char a = end[i], b = tail[i];
        if (a >= 'A' && a <= 'Z') a = char(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = char(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

}  // namespace tidepost
