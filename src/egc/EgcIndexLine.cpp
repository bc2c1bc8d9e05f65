#include "egc/EgcIndexLine.h"

#include <cmath>
#include <limits>

#include "foundation/UsefullRoutines.h"
#include "messages/EgcCodes.h"

namespace tidepost {

namespace {

constexpr int kParts = kEgcIndexParts;

QString CodeText(QStringView part, QString (*convert)(int)) {
    const std::optional<int> code = ReadEgcCode(part);
    return code ? convert(*code) : QStringLiteral("Unknown");
}

}  // namespace

QString EgcIndexLineText(const EgcLogEntry& e, const QString& diskFile) {
    QString les = QString::number(e.Les);
    const QString lesText = FormatThreeDigits(les);  // "Unk" for -1
    const QString when = e.Date == QLatin1String("Unknown") ? QStringLiteral("Unknown:") : e.Date + u' ' + e.Time;
    return QStringList{e.FileName,
                       lesText,
                       QString::number(e.Service),
                       QString::number(e.Priority),
                       QString::number(e.Language),
                       when,
                       QString::number(e.Length),
                       QString::number(e.RefNo),
                       e.Routing,
                       QStringLiteral("No"),
                       diskFile}
        .join(u':');
}

std::optional<int> ReadEgcCode(QStringView part) {
    const QStringView text = TrimBlanks(part);
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    double whole = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        whole = whole * 10 + (text[i].unicode() - u'0');
        ++i;
    }
    double fraction = 0;
    if (i < text.size() && text[i] == u'.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i, scale /= 10)
            fraction += (text[i].unicode() - u'0') * scale;
    }
    double value = std::nearbyint(whole + fraction);  // the default rounding mode: halves to even
    if (negative) value = -value;
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max()) return std::nullopt;
    return static_cast<int>(value);
}

std::optional<EgcGridRow> EgcRowFromIndexLine(QStringView line) {
    QStringView parts[kParts];
    int count = 0;
    qsizetype start = 0;
    while (count < kParts) {
        const qsizetype colon = line.indexOf(u':', start);
        if (colon < 0) {
            parts[count++] = line.sliced(start);
            break;
        }
        parts[count++] = line.sliced(start, colon - start);
        start = colon + 1;
    }
    if (count < kParts) return std::nullopt;
    // The disk file name is the 12th part up to the next ":", if the line goes on.
    const QStringView date = parts[5];
    const QString when = date == u"Unknown" ? date.toString() : date.toString() + u':' + parts[6].toString();

    EgcGridRow row;
    row.Cells = QStringList{
        parts[11].toString(),
        parts[0].toString(),
        parts[1].toString(),
        CodeText(parts[2], ConvertEGCServiceNo),
        CodeText(parts[3], ConvertEGCPriorityNo),
        CodeText(parts[4], ConvertEGCLanguage),
        when,
        parts[7].toString(),
        parts[8].toString(),
        parts[9].toString(),
    };
    const QStringView priority = TrimBlanks(parts[3]);
    row.Urgent = priority == u"2" || priority == u"3";
    row.Unread = parts[10].contains(u"no", Qt::CaseInsensitive);
    return row;
}

}  // namespace tidepost
