#include "editor/InboxIndexLine.h"

#include <QList>
#include <iterator>

#include "editor/FolderGridFamily.h"
#include "messages/EgcCodes.h"

namespace tidepost {

namespace {

constexpr int kIndexFields = 11;

// The text without blanks; a copy in `holder` only when there are blanks to take out.
QStringView WithoutBlanks(QStringView text, QString& holder) {
    if (!text.contains(u' ')) return text;
    holder = text.toString();
    holder.remove(u' ');
    return holder;
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
    // The fields are split at ":", so none holds one; the cells are packed straight from the line
    // where they are the field as it is.
    QString service, size, reference;
    const QString priorityText = priority ? ConvertEGCPriorityNo(*priority) : QStringLiteral("Unknown");
    const QString bitsText = bits ? ConvertEGCLanguage(*bits) : QStringLiteral("Unknown");
    QString when;
    when.reserve(f[4].size() + 1 + f[5].size());
    when.append(f[4]).append(u':').append(f[5]);
    const QStringView cells[] = {
        f[10], f[0], WithoutBlanks(f[1], service), priorityText, bitsText, when, WithoutBlanks(f[6], size),
        WithoutBlanks(f[7], reference), f[8],
    };
    // Urgency and distress in red, however the code is padded.
    return FlexRow::FromViews(cells, std::size(cells),
                              priority && (*priority == 2 || *priority == 3) ? kGridRed : kGridBlack,
                              f[9].contains(u"No", Qt::CaseInsensitive));
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
