#include "messages/RemoteSeen.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QStringList>

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

constexpr qsizetype kHourLength = 10;
constexpr qsizetype kDigestLength = 64;

QString HourText(const QDateTime& utc) { return utc.toString(QStringLiteral("yyyyMMddHH")); }

bool IsLowerHex(QStringView text) {
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f'))) return false;
    return true;
}

bool IsDigits(QStringView text) {
    for (QChar c : text)
        if (c < u'0' || c > u'9') return false;
    return true;
}

// A line in the file's form, else false.
bool SplitLine(const QString& line, QString& hour, QString& digest) {
    if (line.size() != kHourLength + 1 + kDigestLength || line.at(kHourLength) != u';') return false;
    hour = line.left(kHourLength);
    digest = line.mid(kHourLength + 1);
    return IsDigits(hour) && IsLowerHex(digest);
}

FileError ReadLines(const Foundation& f, QStringList& lines) {
    lines.clear();
    const QString path = DataFilePath(f, kRemoteSeenFileName);
    if (path.isEmpty()) return {kErrPathNotFound, QStringLiteral("Path not found")};
    if (!QFileInfo::exists(path)) return {};
    QByteArray bytes;
    if (FileError e = ReadFileBytes(path, bytes)) return e;
    for (const QString& line : QString::fromLatin1(bytes).split(QLatin1Char('\n'))) {
        QString l = line;
        if (l.endsWith(u'\r')) l.chop(1);
        if (!l.isEmpty()) lines.append(l);
    }
    return {};
}

}  // namespace

QString RemotePacketDigest(const Foundation& f, const QString& fromStartMarker) {
    return QString::fromLatin1(
        QCryptographicHash::hash(f.Os.Codec.Encode(fromStartMarker), QCryptographicHash::Sha256).toHex());
}

FileError IsRemotePacketSeen(const Foundation& f, const QString& digest, bool& seen) {
    seen = false;
    QStringList lines;
    if (FileError e = ReadLines(f, lines)) return e;
    QString hour, known;
    for (const QString& line : lines)
        if (SplitLine(line, hour, known) && known == digest) seen = true;
    return {};
}

FileError RememberRemotePacket(const Foundation& f, const QDateTime& utcNow, const QString& digest) {
    QStringList lines;
    if (FileError e = ReadLines(f, lines)) return e;
    const QString oldestKept = HourText(utcNow.addSecs(-3600));
    QByteArray content;
    QString hour, known;
    for (const QString& line : lines)
        if (SplitLine(line, hour, known) && hour >= oldestKept) content += line.toLatin1() + "\r\n";
    content += (HourText(utcNow) + u';' + digest).toLatin1() + "\r\n";
    return WriteFileAtomic(DataFilePath(f, kRemoteSeenFileName), content);
}

}  // namespace tidepost
