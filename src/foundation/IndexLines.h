#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace tidepost {

// An index file held as it is on disk: its bytes and where each line starts, by the one line rule
// of the data files (CR LF, a lone CR and a lone LF each end a line; a line end at the very end
// starts no other line). A line is cut into fields only by whoever asks for it, so 30,000 lines
// cost the file's size and one offset each. An edit splices the changed lines into the bytes, so
// every other line stays byte for byte, its line end too.
class IndexLines {
public:
    IndexLines() = default;
    explicit IndexLines(QByteArray bytes);

    const QByteArray& Bytes() const { return m_bytes; }
    int Count() const { return static_cast<int>(m_starts.size()) - 1; }
    // Line i without its line end.
    QByteArrayView Text(int i) const;
    // The line end of line i: "\r\n", "\r", "\n", or "" for a last line without one.
    QByteArrayView End(int i) const;

    // A change of one line: new text (its line end kept), or none to remove the line with its end.
    struct Edit {
        int Line = 0;
        std::optional<QByteArray> Text;
    };
    // The file's bytes with the edits made; edits name lines in ascending order, each once.
    QByteArray Edited(const std::vector<Edit>& edits) const;

private:
    qsizetype TextEnd(int i) const;

    QByteArray m_bytes;
    // Where each line starts, and after the last one the file's size.
    std::vector<quint32> m_starts{0};
};

// The first and the last field of a line's text cut at `separator` (the whole text without one).
QByteArrayView FirstField(QByteArrayView text, char separator);
QByteArrayView LastField(QByteArrayView text, char separator);

// Whether `text` ends with `tail`, ASCII letters compared without regard to case.
bool EndsWithAsciiNoCase(QByteArrayView text, QByteArrayView tail);

}  // namespace tidepost
