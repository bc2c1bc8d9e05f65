#include <QDateTime>
#include <QFile>
#include <cerrno>
#include <cmath>
#include <optional>
#include <unistd.h>

#include "egc/CEGC.h"
#include "egc/Egc.h"
#include "egc/EgcIndexLine.h"
#include "egc/EgcStore.h"
#include "egc/IEgcView.h"
#include "egc/IndexFileLines.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "platform/AtomicFile.h"
#include "platform/IDiskSpace.h"

namespace tidepost {

namespace {

const QString kNoFile = QStringLiteral("<Unknown file name>");

// One line of egc.idx: its bytes as stored (line end included) and its ":"-parts.
struct IndexLine {
    QByteArray Raw;
    QStringList Parts;
};

FileError ReadIndex(Foundation& f, QList<IndexLine>& lines) {
    lines.clear();
    QByteArray bytes;
    if (FileError err = ReadFileBytes(EgcIndexPath(f), bytes)) return err;
    for (QByteArray& raw : SplitKeepingEnds(bytes)) {
        const QByteArray end = LineEndOf(raw);
        QStringList parts = f.Os.Codec.Decode(raw.left(raw.size() - end.size())).split(u':');
        lines.append({std::move(raw), std::move(parts)});
    }
    return {};
}

// A missing index holds no EGC.
bool IsMissing(const FileError& err) { return err.number == kErrFileNotFound; }

QByteArray Joined(const QList<IndexLine>& lines) {
    QByteArray out;
    for (const IndexLine& line : lines) out += line.Raw;
    return out;
}

// The time stamp of an index line; a two-digit year is widened with the pivot 80.
std::optional<QDateTime> StampOf(const QStringList& parts) {
    QString stamp = parts[5] + u':' + parts[6];
    const qsizetype dash = stamp.indexOf(u'-');
    if (dash >= 0) {
        bool ok = false;
        const int year = stamp.left(dash).trimmed().toInt(&ok);
        if (ok && year >= 0 && year < 100) stamp.prepend(year <= 80 ? QStringLiteral("20") : QStringLiteral("19"));
    }
    return ReadEgcStamp(stamp);
}

// The oldest line of that priority (the earlier in the file of two equal ones); -1 when none.
int OldestLine(const QList<IndexLine>& lines, int priority, bool readOnly, const QList<bool>* skip = nullptr) {
    int best = -1;
    QDateTime bestStamp;
    for (int i = 0; i < lines.size(); ++i) {
        if (skip && skip->at(i)) continue;
        const QStringList& p = lines[i].Parts;
        if (p.size() < kEgcIndexParts) continue;
        bool ok = false;
        const int linePriority = p[3].trimmed().toInt(&ok);
        if (!ok || linePriority != priority) continue;
        if (readOnly && p[10].toUpper() != QLatin1String("YES")) continue;
        const std::optional<QDateTime> stamp = StampOf(p);
        if (!stamp) continue;
        if (best < 0 || *stamp < bestStamp) {
            best = i;
            bestStamp = *stamp;
        }
    }
    return best;
}

// The first line the clean-up of `level` takes: the oldest routine one, else the oldest safety
// one, and so on up to the level.
int CleanUpPick(const QList<IndexLine>& lines, quint8 level, const QList<bool>* skip = nullptr) {
    for (int priority = 0; priority <= std::min<int>(level, 3); ++priority)
        if (const int i = OldestLine(lines, priority, false, skip); i >= 0) return i;
    return -1;
}

// A stored name from the index: a name with a separator would reach outside the EGC folder.
bool IsPlainFileName(const QString& name) {
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(u'\\') && name != QLatin1String("..") &&
           name != QLatin1String(".");
}

// Deletes the EGC file of that name when it exists; a file already gone counts as deleted.
FileError DeleteEgcFile(Foundation& f, const QString& name) {
    if (!IsPlainFileName(name)) return {};
    const QString path = ResolvePath(EgcFolder(f) + name);
    if (!QFile::exists(path)) return {};
    if (::unlink(QFile::encodeName(path).constData()) != 0) return FileErrorFromErrno(errno);
    return {};
}

void LogDeleteFailure(Foundation& f, const FileError& err) {
    if (err.number == kErrDiskFull) return;
    ErrorLog(f).AddLine(ComposeErrorText(QStringLiteral("cEGC.DeleteEGC"), err.number, err.description) + "\r\n" +
                        GetFileErrorText(f, err.number, kNoFile));
}

void ReloadShownView(Egc& e) {
    if (e.EgcView && e.EgcView->IsEgcViewShown()) e.EgcView->ReloadEgcView();
}

// Completes the first line of `record`'s name still marked "Unk" from the record; True when one
// was rewritten. The LES stays a plain number here, as the repaired lines have always had it.
bool RewriteUnkLine(const Foundation& f, QList<IndexLine>& lines, const EgcLogEntry& r) {
    for (IndexLine& line : lines) {
        QStringList& p = line.Parts;
        if (p.size() < kEgcIndexParts || p[0] != r.FileName || p[1] != QLatin1String("Unk")) continue;
        p[1] = QString::number(r.Les);
        p[2] = QString::number(r.Service);
        p[3] = QString::number(r.Priority);
        p[4] = QString::number(r.Language);
        p[5] = r.Date + u' ' + r.Time.left(2);
        p[6] = r.Time.mid(3, 2);
        p[7] = QString::number(r.Length);
        p[8] = QString::number(r.RefNo);
        p[9] = r.Routing;
        line.Raw = f.Os.Codec.Encode(p.join(u':')) + LineEndOf(line.Raw);
        return true;
    }
    return false;
}

void QueueUpdateIndexFailure(Foundation& f, const FileError& err, const QString& path) {
    QueueMessageBox(f,
                    FormatErrorText(f, 2570, QStringLiteral("(UpdateIndexFile) Error '%0': %1."), err.number,
                                    err.description) +
                        "\r\n" + GetFileErrorText(f, err.number, path),
                    MlErrorTitle(f, err.number));
}

}  // namespace

std::optional<QDateTime> ReadEgcStamp(const QString& text) {
    const QString t = text.trimmed();
    const qsizetype blank = t.indexOf(u' ');
    if (blank < 0) return std::nullopt;
    QDate date = QDate::fromString(t.left(blank), QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid()) date = QDate::fromString(t.left(blank), QStringLiteral("yyyy-M-d"));
    QTime time = QTime::fromString(t.mid(blank + 1).trimmed(), QStringLiteral("HH:mm"));
    if (!time.isValid()) time = QTime::fromString(t.mid(blank + 1).trimmed(), QStringLiteral("H:mm"));
    if (!date.isValid() || !time.isValid()) return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

QString EgcFolder(const Foundation& f) { return AddBackslash(f.gEgcDir); }

QString EgcIndexPath(const Foundation& f) { return ResolvePath(EgcFolder(f) + QStringLiteral("egc.idx")); }

qint64 EgcFreeSpaceKB(const Foundation& f) {
    if (!f.Os.Disk || f.gEgcDir.isEmpty()) return -1;
    const qint64 bytes = f.Os.Disk->FreeBytes(ResolvePath(f.gEgcDir));
    return bytes < 0 ? -1 : std::llround(double(bytes) / 1024.0);
}

void FreeEgcDiskSpace(Egc& e, quint8 level) {
    Foundation& f = e.F;
    qint64 kb = EgcFreeSpaceKB(f);
    if (kb < 0 || kb > kEgcLowSpaceKB) return;
    QList<IndexLine> lines;
    if (FileError err = ReadIndex(f, lines)) {
        if (!IsMissing(err)) LogDeleteFailure(f, err);
        return;
    }
    QList<bool> taken(lines.size(), false);  // tried: deleted, or its file could not be
    QList<bool> gone(lines.size(), false);   // its file is deleted: the line goes too
    bool changed = false;
    while (kb >= 0 && kb <= kEgcLowSpaceKB) {
        const int pick = CleanUpPick(lines, level, &taken);
        if (pick < 0) break;
        taken[pick] = true;
        if (FileError err = DeleteEgcFile(f, lines[pick].Parts[11])) {
            // The file stays, and so does its line; the next one is tried.
            LogDeleteFailure(f, err);
            continue;
        }
        gone[pick] = true;
        changed = true;
        kb = EgcFreeSpaceKB(f);
    }
    if (!changed) return;
    QList<IndexLine> kept;
    for (int i = 0; i < lines.size(); ++i)
        if (!gone[i]) kept.append(lines[i]);
    if (FileError err = WriteFileAtomic(EgcIndexPath(f), Joined(kept), EgcFolder(f) + QStringLiteral("egc.tmp")))
        LogDeleteFailure(f, err);
    ReloadShownView(e);
}

QString CEGC::FindOldestEGC(quint8 priority, bool bReadOnly) {
    QList<IndexLine> lines;
    if (ReadIndex(E.F, lines)) return {};
    const int i = OldestLine(lines, priority, bReadOnly);
    return i < 0 ? QString() : lines[i].Parts[11];
}

bool CEGC::DeleteEGC(const QString& reference) {
    Foundation& f = E.F;
    QList<IndexLine> lines;
    if (FileError err = ReadIndex(f, lines); err && !IsMissing(err)) {
        LogDeleteFailure(f, err);
        return false;
    }
    QList<IndexLine> kept;
    bool found = false;
    for (IndexLine& line : lines) {
        if (line.Parts.size() >= kEgcIndexParts && line.Parts[11] == reference) found = true;
        else kept.append(std::move(line));
    }
    if (FileError err = DeleteEgcFile(f, reference)) {
        LogDeleteFailure(f, err);
        return false;
    }
    if (!found) return false;
    if (FileError err = WriteFileAtomic(EgcIndexPath(f), Joined(kept), EgcFolder(f) + QStringLiteral("egc.tmp"))) {
        LogDeleteFailure(f, err);
        return false;
    }
    ReloadShownView(E);
    return true;
}

bool CEGC::Clean(quint8 priority, bool bReadOnly) {
    const QString name = FindOldestEGC(priority, bReadOnly);
    return !name.isEmpty() && DeleteEGC(name);
}

bool CleanUpDisk(Egc& e, quint8 level) {
    bool deleted = e.gEGC.Clean(0, false);
    for (quint8 priority = 1; !deleted && priority <= std::min<quint8>(level, 3); ++priority)
        deleted = e.gEGC.Clean(priority, false);
    return deleted;
}

void CEGC::RepairEgcLog() {
    Foundation& f = E.F;
    QList<IndexLine> lines;
    if (FileError err = ReadIndex(f, lines)) {
        if (!IsMissing(err)) QueueUpdateIndexFailure(f, err, EgcIndexPath(f));
        return;
    }
    if (m_countLog <= 0) return;
    QStringList names;
    for (const IndexLine& line : lines)
        if (line.Parts.size() >= kEgcIndexParts && line.Parts[1] == QLatin1String("Unk")) names.append(line.Parts[0]);
    bool changed = false;
    bool alarm = false;
    for (const QString& name : names) {
        for (const EgcLogEntry& record : m_logList) {
            if (record.FileName != name) continue;
            if (RewriteUnkLine(f, lines, record)) {
                changed = true;
                // Stored without its log line, the EGC could not sound: it does now.
                alarm = alarm || record.Priority == 2 || record.Priority == 3;
            }
            break;
        }
    }
    if (changed) {
        const QString staging = EgcFolder(f) + QStringLiteral("EGC.BAK");
        if (FileError err = WriteFileAtomic(EgcIndexPath(f), Joined(lines), staging))
            QueueUpdateIndexFailure(f, err, staging);
        else ReloadShownView(E);
    }
    if (alarm) RaiseEgcAlarm(E);
}

}  // namespace tidepost
