#include "foundation/WordWrapText.h"

namespace tidepost {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString TrimBlanks(const QString& text) {
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' ')) ++first;
    while (last > first && text[last - 1] == QLatin1Char(' ')) --last;
    return text.mid(first, last - first);
}

}  // namespace

QString WordWrapText(const QString& text, int width) {
    // A full line may end with the blank of its last word, hence one more than the width.
    const qsizetype lineLength = static_cast<qsizetype>(width < 0 ? 0 : width) + 1;
    QString rest = TrimBlanks(text);
    QString out;
    QString gathered;
    bool wrapped = false;

    for (;;) {
        // Positions count from 1; 0 means "none".
        const qsizetype gatheredLength = gathered.size();
        const qsizetype sp = rest.indexOf(QLatin1Char(' ')) + 1;
        const qsizetype cr = rest.indexOf(QLatin1Char('\r')) + 1;

        if (cr > 0 && gatheredLength + cr <= lineLength) {
            const qsizetype breakLength = (cr < rest.size() && rest[cr] == QLatin1Char('\n')) ? 2 : 1;
            const QString line = rest.left(cr - 1);
            const QString lineWithBreak = rest.left(cr - 1 + breakLength);
            bool join = false;
            if (wrapped && gatheredLength + cr < lineLength - 10) {
                // A short line after a full one is a leftover of narrower wrapping, unless it
                // closes a sentence or is empty: those end a paragraph.
                const qsizetype dot = line.lastIndexOf(QLatin1Char('.')) + 1;
                join = !TrimBlanks(line.mid(dot)).isEmpty();
            }
            if (join) {
                gathered += line;
            } else {
                out += gathered + lineWithBreak;
                gathered.clear();
                wrapped = false;
            }
            rest = rest.mid(cr - 1 + breakLength);
            continue;
        }

        if (sp == 0) {
            if (gatheredLength == 0)
                out += rest + kCrLf;
            else if (rest.size() + gatheredLength > lineLength)
                out += gathered + kCrLf + rest + kCrLf;
            else
                out += gathered + rest + kCrLf;
            return out;
        }

        if (gatheredLength + sp <= lineLength) {
            gathered += rest.left(sp);
            rest = rest.mid(sp);
            continue;
        }

        if (sp <= lineLength) {
            out += gathered + kCrLf;
            gathered.clear();
            wrapped = true;
            continue;
        }

        // A word longer than a line: its first part goes out whole, after the gathered words.
        out += gathered;
        gathered.clear();
        if (cr > 0 && cr < sp) {
            out += rest.left(lineLength);
        } else {
            out += kCrLf + rest.left(lineLength);
            wrapped = true;
        }
        rest = rest.mid(lineLength);
    }
}

}  // namespace tidepost
