#include "remote/FormsMenuScan.h"

#include <QDir>
#include <QFile>

#include "platform/AnsiCodec.h"

namespace tidepost {

namespace {
constexpr qint64 kTitleWindow = 64 * 1024;
}  // namespace

QString FormsMenuCaption(const QString& title) {
    QString caption;
    caption.reserve(title.size());
    for (QChar c : title)
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f) caption += c;
    caption = caption.trimmed();
    caption.replace(u'&', QLatin1String("&&"));
    return caption;
}

QList<FormsMenuEntry> ScanFormsFolder(const AnsiCodec& codec, const QString& folder, int most, bool& more) {
    more = false;
    QList<FormsMenuEntry> forms;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& info : files) {
        if (!info.fileName().endsWith(QLatin1String(".htm"))) continue;
        if (info.size() <= 0) continue;
        QFile file(info.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) continue;
        if (forms.size() >= most) {
            more = true;
            break;
        }
        const QString text = codec.Decode(file.read(kTitleWindow));
        const qsizetype p1 = text.indexOf(QLatin1String("<title>"), 0, Qt::CaseInsensitive);
        const qsizetype p2 = text.indexOf(QLatin1String("</title>"), 0, Qt::CaseInsensitive);
        QString caption;
        if (p1 >= 0 && p2 > p1 + 7) caption = FormsMenuCaption(text.mid(p1 + 7, p2 - p1 - 7));
        if (caption.isEmpty()) caption = FormsMenuCaption(info.fileName().chopped(4));
        forms.append({caption, info.fileName()});
    }
    return forms;
}

}  // namespace tidepost
