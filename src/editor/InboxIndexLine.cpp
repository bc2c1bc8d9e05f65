#include "editor/InboxIndexLine.h"

#include <QList>

#include "editor/FolderGridFamily.h"
#include "messages/EgcCodes.h"

namespace tidepost {

namespace {

constexpr int kIndexFields = 11;

QString Without(QStringView text, QChar c) {
    QString s = text.toString();
    s.remove(c);
    return s;
}

std::optional<int> Code(QStringView field) {
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

}  // namespace

std::optional<FlexRow> InboxRowFromIndexLine(QStringView line) {
    if (line.trimmed().isEmpty()) return std::nullopt;
    QList<QStringView> f = line.split(u':');
    while (f.size() < kIndexFields) f.append(QStringView());

    const std::optional<int> priority = Code(f[2]);
    const std::optional<int> bits = Code(f[3]);
    FlexRow row({
        Without(f[10], u':'),
        Without(f[0], u':'),
        Without(f[1], u' '),
        priority ? ConvertEGCPriorityNo(*priority) : QStringLiteral("Unknown"),
        bits ? ConvertEGCLanguage(*bits) : QStringLiteral("Unknown"),
        f[4].toString() + u':' + f[5].toString(),
        Without(f[6], u' '),
        Without(f[7], u' '),
        Without(f[8], u':'),
    });
    // Urgency and distress in red, however the code is padded.
    row.ForeColor = priority && (*priority == 2 || *priority == 3) ? kGridRed : kGridBlack;
    row.Bold = f[9].contains(u"No", Qt::CaseInsensitive);
    return row;
}

std::optional<QString> InboxLineMarkedUnread(QStringView line) {
    QList<QStringView> f = line.split(u':');
    if (f.size() < kIndexFields) return std::nullopt;
    QString out;
    out.reserve(line.size() + 2);
    for (qsizetype i = 0; i < f.size(); ++i) {
        if (i > 0) out += u':';
        if (i == 9) out += u"No";
        else out += f[i];
    }
    return out;
}

}  // namespace tidepost
