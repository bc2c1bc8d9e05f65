#include "foundation/Definitions.h"
#include "foundation/WordWrapText.h"

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {


}  // namespace

QString WordWrapText(const QString& text, int width) {
    // A full line may end with the blank of its last word, hence one more than the width.
    const qsizetype lineLength = static_cast<qsizetype>(width < 0 ? 0 : width) + 1;
    const QString trimmed = TrimBlanks(text).toString();
    // What is not yet consumed is trimmed from `start` on; the next CR is searched again only
    // once it has been consumed, so long texts are not scanned over and over.
    qsizetype start = 0;
    qsizetype nextCr = trimmed.indexOf(QLatin1Char('\r'));
    QString out;
    QString gathered;
    bool wrapped = false;

    for (;;) {
        const QStringView rest = QStringView(trimmed).mid(start);
        if (nextCr >= 0 && nextCr < start) nextCr = trimmed.indexOf(QLatin1Char('\r'), start);
        // Positions in rest count from 1; 0 means "none".
        const qsizetype gatheredLength = gathered.size();
        const qsizetype sp = rest.indexOf(QLatin1Char(' ')) + 1;
        const qsizetype cr = nextCr < 0 ? 0 : nextCr - start + 1;

        if (cr > 0 && gatheredLength + cr <= lineLength) {
            const qsizetype breakLength = (cr < rest.size() && rest[cr] == QLatin1Char('\n')) ? 2 : 1;
            const QStringView line = rest.left(cr - 1);
            const QStringView lineWithBreak = rest.left(cr - 1 + breakLength);
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
                out += gathered;
                out += lineWithBreak;
                gathered.clear();
                wrapped = false;
            }
            start += cr - 1 + breakLength;
            continue;
        }

        if (sp == 0) {
            if (gatheredLength == 0)
                out += rest;
            else if (rest.size() + gatheredLength > lineLength)
                out += gathered + kCrLf + rest.toString();
            else
                out += gathered + rest.toString();
            out += kCrLf;
            return out;
        }

        if (gatheredLength + sp <= lineLength) {
            gathered += rest.left(sp);
            start += sp;
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
        if (!(cr > 0 && cr < sp)) {
            out += kCrLf;
            wrapped = true;
        }
        out += rest.left(lineLength);
        start += qMin(lineLength, rest.size());
    }
}

}  // namespace tidepost
