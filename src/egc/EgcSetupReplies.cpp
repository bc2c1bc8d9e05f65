#include "egc/EgcSetupReplies.h"

#include <QRegularExpression>
#include <QStringList>

#include "egc/EgcSetupValues.h"

namespace tidepost {

namespace {

const QString kValueIs = QStringLiteral("value is ");

qsizetype LineEnd(const QString& text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    return end;
}

// The text after "value is " on the first line of `marker` that has one, up to that line's end.
std::optional<QString> MarkerValue(const QString& reply, const QString& marker) {
    for (qsizetype at = reply.indexOf(marker); at >= 0; at = reply.indexOf(marker, at + 1)) {
        const qsizetype end = LineEnd(reply, at);
        const QString line = reply.mid(at, end - at);
        const qsizetype value = line.indexOf(kValueIs, 0, Qt::CaseInsensitive);
        if (value >= 0) return line.mid(value + kValueIs.size());
    }
    return std::nullopt;
}

}  // namespace

qint8 ReadSettingFlag(const QString& reply, const QString& marker) {
    const std::optional<QString> value = MarkerValue(reply, marker);
    if (!value || value->isEmpty()) return kBoxGrey;
    const QChar c = value->front();
    if (c == '0') return kBoxClear;
    if (c == '1') return kBoxTicked;
    return kBoxGrey;
}

std::optional<std::array<qint8, 10>> ReadMessageTypes(const QString& reply) {
    const std::optional<QString> value = MarkerValue(reply, QStringLiteral("-y "));
    if (!value) return std::nullopt;
    const QString letters = value->left(17).trimmed().toUpper();
    // Nothing at all after "value is ": the value was not sent, so it was not read.
    if (letters.isEmpty()) return std::nullopt;
    std::array<qint8, 10> boxes{};
    for (std::size_t i = 0; i < kEgcMessageTypeLetters.size(); ++i)
        boxes[i] = letters.contains(QLatin1Char(kEgcMessageTypeLetters[i])) ? kBoxTicked : kBoxClear;
    return boxes;
}

std::optional<QString> ReadCoastalAreas(const QString& reply, const QString& prompt) {
    const qsizetype at = reply.indexOf(kValueIs, 0, Qt::CaseInsensitive);
    if (at < 0) return std::nullopt;
    const qsizetype from = at + kValueIs.size();
    qsizetype end = LineEnd(reply, from);
    if (end == reply.size() && !prompt.isEmpty() && reply.endsWith(prompt)) end = qMax(from, reply.size() - prompt.size());
    QString text = reply.mid(from, end - from).trimmed();
    if (text == ".") text.clear();
    return text;
}

QStringList ReplyLines(const QString& reply) {
    static const QRegularExpression lineEnd(QStringLiteral("\r*\n|\r"));
    QStringList lines;
    qsizetype from = 0;
    QRegularExpressionMatchIterator it = lineEnd.globalMatch(reply);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        lines << reply.mid(from, m.capturedStart() - from);
        from = m.capturedEnd();
    }
    return lines;
}

SpareNavareas ReadSpareNavareas(const QString& reply) {
    SpareNavareas r;
    const QStringList lines = ReplyLines(reply);
    qsizetype header = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().endsWith(QStringLiteral("Spare Navareas:"), Qt::CaseInsensitive)) {
            header = i;
            break;
        }
    }
    if (header < 0) return r;
    r.Header = true;
    for (int k = 0; k < 4 && header + 1 + k < lines.size(); ++k) {
        const QString text = lines[header + 1 + k].trimmed();
        if (text.isEmpty() || text.size() > 9) continue;
        bool digits = true;
        for (QChar c : text) digits = digits && c >= '0' && c <= '9';
        if (!digits || text.toInt() > 99) continue;
        r.Values[k] = text.toInt();
        r.AnyNumeric = true;
    }
    return r;
}

bool FixedPositionsAccepted(const QString& reply) {
    return !reply.contains(QStringLiteral("ERROR 120"), Qt::CaseInsensitive);
}

}  // namespace tidepost
