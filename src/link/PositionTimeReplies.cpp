#include "link/PositionTimeReplies.h"

#include <QDate>
#include <QLocale>
#include <QTime>
#include <exception>
#include <optional>

#include "foundation/Definitions.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/ReplyFields.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

const QChar kStx(2);
const QChar kEtx(3);

// "yy-mm-dd" with the century of a two-digit year: `pivot` and above belong to the 1900s.
QDate TwoDigitYearDate(const QString& dateText, int pivot) {
    const QString year = dateText.left(2);
    if (!IsAllDigits(year)) return {};
    const QString century = year.toInt() >= pivot ? QStringLiteral("19") : QStringLiteral("20");
    return QDate::fromString(century + dateText, QStringLiteral("yyyy-MM-dd"));
}

// "hh:mm:ss" as a time of day; the hour may be padded with a blank instead of a zero.
std::optional<QTime> ClockTime(const QString& text) {
    if (text.size() != 8 || text.at(2) != QLatin1Char(':') || text.at(5) != QLatin1Char(':')) return std::nullopt;
    const QString hour = text.left(2).trimmed();
    const QString minute = text.mid(3, 2);
    const QString second = text.mid(6, 2);
    if (!IsAllDigits(hour) || !IsAllDigits(minute) || !IsAllDigits(second)) return std::nullopt;
    const QTime time(hour.toInt(), minute.toInt(), second.toInt());
    if (!time.isValid()) return std::nullopt;
    return time;
}

// The UTC text of "ti u", or "" when the fields do not form a date and time.
QString UtcText(const QString& fields) {
    const QString year = fields.mid(0, 2);
    const QString month = fields.mid(3, 2);
    const QString day = fields.mid(6, 2);
    const QString hour = fields.mid(10, 2);
    const QString minute = fields.mid(13, 2);
    if (!IsAllDigits(year) || !IsAllDigits(month)) return {};
    const int monthNumber = month.toInt();
    if (monthNumber < 1 || monthNumber > 12) return {};
    const QString century = year.toInt() >= 80 ? QStringLiteral("19") : QStringLiteral("20");
    return day + QStringLiteral(". ") + QLocale().monthName(monthNumber, QLocale::LongFormat) + QLatin1Char(' ') +
           century + year + QLatin1Char(' ') + hour + QLatin1Char(':') + minute;
}

// `length` characters after the marker, ended early by the value's ETX or by the line end: a value
// the shell does not pad to its full width must not take in what follows it.
QString MarkedValue(const QString& reply, const QString& marker, qsizetype length) {
    QString value = TextAfterMarker(reply, marker, length);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar ch = value.at(i);
        if (ch == kEtx || ch == QLatin1Char('\r') || ch == QLatin1Char('\n')) {
            value.truncate(i);
            break;
        }
    }
    return value;
}

}  // namespace

void HandlePositionReply(Link& link, const QString& reply) {
    const QString positionMarker = QStringLiteral("Position : ") + kStx;
    const qsizetype marker = reply.indexOf(positionMarker);
    if (marker < 0) return;
    const qsizetype start = marker + positionMarker.size();
    const qsizetype etx = reply.indexOf(kEtx, start);
    if (etx < 0) return;

    const QString position = reply.mid(start, etx - start);
    const QString course = MarkedValue(reply, QStringLiteral("Course   : ") + kStx, 3);
    const QString speed = MarkedValue(reply, QStringLiteral("Speed    : ") + kStx, 3);
    const QString time = MarkedValue(reply, kEtx + QStringLiteral(" at "), 12);
    const bool valid = !reply.contains(QLatin1String("Not Valid"), Qt::CaseInsensitive);
    try {
        link.F.gSession.SetPos(position, course, time, speed, valid);
    } catch (const std::exception&) {
        // A position the session cannot read is dropped whole; the previous fix stays.
    }
}

std::optional<QDateTime> ReadSystemTimeReply(const QString& reply, const QString& echoTerminator) {
    if (reply.size() <= 20 || echoTerminator.isEmpty()) return std::nullopt;
    const qsizetype echoEnd = reply.indexOf(echoTerminator);
    if (echoEnd < 0) return std::nullopt;
    const qsizetype dash = reply.indexOf(QLatin1Char('-'), echoEnd);
    if (dash < 8) return std::nullopt;  // the date's first "-" lies beyond the echo line

    const QDate date = TwoDigitYearDate(reply.mid(dash - 2, 8), 70);
    if (!date.isValid()) return std::nullopt;
    QDateTime time(date, QTime(0, 0), Qt::UTC);

    // The time follows the date on its line: hh:mm:ss around the first ":" after the date's "-".
    // Measured from the date rather than from the start of the reply, so that every echo line
    // end leaves the same room before it.
    const qsizetype colon = reply.indexOf(QLatin1Char(':'), dash);
    if (colon > dash + 8) {
        if (const std::optional<QTime> clock = ClockTime(reply.mid(colon - 2, 8))) {
            time = time.addSecs(3600 * clock->hour());
            time = time.addSecs(60 * clock->minute());
        }
    }
    return time;
}

void HandleSystemTimeReply(Link& link, const QString& reply) {
    const std::optional<QDateTime> time = ReadSystemTimeReply(reply, link.Dialogue.EchoTerminator);
    if (!time) return;
    link.F.gSession.SetSystemTime(*time);
    link.F.gSession.SetSystemTimeSet(true);
}

void HandleUtcTextReply(Link& link, const QString& reply) {
    const QString echo = QStringLiteral("ti u") + link.Dialogue.EchoTerminator;
    const qsizetype at = reply.indexOf(echo);
    if (at < 0) {
        link.Transceiver.UtcTimeText.clear();
    } else {
        QString fields = reply.mid(at + echo.size(), 18);
        fields.remove(QLatin1Char('\r')).remove(QLatin1Char('\n'));
        link.Transceiver.UtcTimeText = UtcText(fields);
    }
    if (link.Windows.InsertToEditor)
        link.Windows.InsertToEditor(QStringLiteral("UTC Time: ") + link.Transceiver.UtcTimeText + kCrLf);
    UnloadWaitForm(link);
}

void HandleGpsStatusReply(Link& link, const QString& reply) {
    QString text = reply;
    const qsizetype summary = reply.indexOf(QLatin1String("Test Summary"), 0, Qt::CaseInsensitive);
    if (summary >= 0) {
        const QString mph = QStringLiteral(" mph");
        const qsizetype end = reply.indexOf(mph, summary);
        if (end >= 0) text = reply.mid(summary, end + mph.size() - summary);
    }
    auto& form = link.Windows.GPSStatusForm;
    if (form.SetStatusOutput) form.SetStatusOutput(LfToCrLf(RemoveStxEtx(text)));

    // A result marked with STX and ETX is read without the marks.
    const QString key = QStringLiteral("Test Summary: ");
    const QString cleaned = RemoveStxEtx(text);
    const qsizetype k = cleaned.indexOf(key, 0, Qt::CaseInsensitive);
    link.F.gSession.SetGpsStatus(k >= 0 ? cleaned.mid(k + key.size(), 2) : text.mid(13, 2));

    if (form.SetCaption) {
        form.SetCaption(link.F.Strings.GetMlString(2891, "GPS Status last updated at ") +
                        QLocale().toString(link.F.Os.Clock->Now(), QLocale::ShortFormat));
    }
}

void HandleLinkTestReply(Link& link, const QString& reply) {
    auto& form = link.Windows.LinkTestForm;
    const qsizetype results = reply.indexOf(QLatin1String("Latest Link Test results"), 0, Qt::CaseInsensitive);
    const qsizetype testAt =
        results < 0 ? -1 : reply.indexOf(QLatin1String("Test at UTC"), results, Qt::CaseInsensitive);
    // The LF that ends the "Test at UTC" line, whether the shell ends its lines with CR LF, a
    // lone LF or CR CR LF.
    const qsizetype lineEnd = testAt < 0 ? -1 : reply.indexOf(QLatin1Char('\n'), testAt);
    if (lineEnd >= 0) {
        // The block ends with the line end of its "Test at UTC" line; nothing of the next line.
        link.Dialogue.ReplyWorkText = RemoveStxEtx(reply.mid(results, lineEnd + 1 - results));
        const QStringList pieces = link.Dialogue.EchoTerminator.isEmpty() ? QStringList{link.Dialogue.ReplyWorkText}
                                                                 : link.Dialogue.ReplyWorkText.split(link.Dialogue.EchoTerminator);
        QString caption;
        for (const QString& piece : pieces) {
            caption += piece;
            if (piece.size() > 1) caption += kCrLf;
        }
        if (form.SetLinkTestResult) form.SetLinkTestResult(caption);
    }
    if (reply.contains(QLatin1String("No test results available"), Qt::CaseInsensitive) && form.SetLinkTestResult)
        form.SetLinkTestResult(link.F.Strings.GetMlString(3000, "No LINK Test results available"));
    UnloadWaitForm(link);
    if (form.Show) form.Show();
}

void HandleSignalStrengthReply(Link& link, const QString& reply) {
    const qsizetype stx = reply.indexOf(kStx);
    if (stx < 0) return;
    const QChar digit = stx + 1 < reply.size() ? reply.at(stx + 1) : QChar();
    const quint8 strength =
        (digit >= QLatin1Char('0') && digit <= QLatin1Char('9')) ? static_cast<quint8>(digit.unicode() - '0') : 0;
    link.F.gSession.SetSignalStrength(strength);
    if (strength == 0 && !IsCommandQueued(link, QStringLiteral("st -w")))
        QueueCommand(link, QStringLiteral("st -w"), true, false);
}

}  // namespace tidepost
