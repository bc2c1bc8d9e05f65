#include <QByteArrayView>
#include <QDate>
#include <QFile>
#include <cerrno>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>
#include <optional>
#include <unistd.h>

#include "egc/CEGC.h"
#include "egc/Egc.h"
#include "egc/EgcIndexLine.h"
#include "egc/EgcStore.h"
#include "egc/IEgcView.h"
#include "foundation/DataFileText.h"
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

// One line of egc.idx: its bytes as stored, line end included. Only the lines an operation looks
// into are cut into their ":"-parts, and only as views of those bytes, so that a long index costs
// little more than reading it.
struct IndexLine {
    QByteArray Raw;
};

// The ":"-parts of a line without its end: the first twelve as views, and how many there are
// (counted up to thirteen).
struct LineParts {
    QByteArrayView Part[kEgcIndexParts];
    int Count = 0;
    bool Whole() const { return Count >= kEgcIndexParts; }
};

LineParts PartsOf(const QByteArray& raw) {
    LineParts p;
    const QByteArrayView line = QByteArrayView(raw).first(raw.size() - LineEndOf(raw).size());
    qsizetype start = 0;
    while (p.Count <= kEgcIndexParts) {
        const qsizetype colon = line.indexOf(':', start);
        const QByteArrayView part = colon < 0 ? line.sliced(start) : line.sliced(start, colon - start);
        if (p.Count < kEgcIndexParts) p.Part[p.Count] = part;
        ++p.Count;
        if (colon < 0) break;
        start = colon + 1;
    }
    return p;
}

FileError ReadIndex(Foundation& f, QList<IndexLine>& lines) {
    lines.clear();
    QByteArray bytes;
    if (FileError err = ReadFileBytes(EgcIndexPath(f), bytes)) return err;
    for (QByteArray& raw : SplitKeepingEnds(bytes)) lines.append({std::move(raw)});
    return {};
}

// A missing index holds no EGC.
bool IsMissing(const FileError& err) { return err.number == kErrFileNotFound; }

QByteArray Joined(const QList<IndexLine>& lines) {
    QByteArray out;
    qsizetype size = 0;
    for (const IndexLine& line : lines) size += line.Raw.size();
    out.reserve(size);
    for (const IndexLine& line : lines) out += line.Raw;
    return out;
}

// The whole number a part holds (blanks around it allowed); nothing for any other text.
std::optional<int> NumberOf(QByteArrayView part) {
    bool ok = false;
    const int value = part.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;
    return value;
}

// The time stamp of an index line (parts 5 and 6: "date hh" and "mm") as yyyymmddhhmm; a
// two-digit year is widened with the pivot 80. Nothing when it reads as no date and time.
std::optional<qint64> StampOf(const LineParts& p) {
    const QByteArrayView dateHour = p.Part[5].trimmed();
    const qsizetype blank = dateHour.indexOf(' ');
    if (blank < 0) return std::nullopt;
    const QByteArrayView date = dateHour.first(blank);
    const qsizetype dash1 = date.indexOf('-');
    const qsizetype dash2 = dash1 < 0 ? -1 : date.indexOf('-', dash1 + 1);
    if (dash2 < 0) return std::nullopt;
    const auto year = NumberOf(date.first(dash1));
    const auto month = NumberOf(date.sliced(dash1 + 1, dash2 - dash1 - 1));
    const auto day = NumberOf(date.sliced(dash2 + 1));
    const auto hour = NumberOf(dateHour.sliced(blank + 1));
    const auto minute = NumberOf(p.Part[6]);
    if (!year || !month || !day || !hour || !minute || *year < 0) return std::nullopt;
    int y = *year;
    if (y < 100 && dash1 <= 2) y += y <= 80 ? 2000 : 1900;
    if (!QDate::isValid(y, *month, *day) || *hour < 0 || *hour > 23 || *minute < 0 || *minute > 59) return std::nullopt;
    return ((((qint64(y) * 100 + *month) * 100 + *day) * 100 + *hour) * 100) + *minute;
}

// The oldest line of that priority (the earlier in the file of two equal ones); -1 when none.
int OldestLine(const QList<IndexLine>& lines, int priority, bool readOnly) {
    int best = -1;
    qint64 bestStamp = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const LineParts p = PartsOf(lines[i].Raw);
        if (!p.Whole()) continue;
        const std::optional<int> linePriority = NumberOf(p.Part[3]);
        if (!linePriority || *linePriority != priority) continue;
        if (readOnly && p.Part[10].compare("YES", Qt::CaseInsensitive) != 0) continue;
        const std::optional<qint64> stamp = StampOf(p);
        if (!stamp) continue;
        if (best < 0 || *stamp < bestStamp) {
            best = i;
            bestStamp = *stamp;
        }
    }
    return best;
}

// The lines in the order repeated clean-ups of `level` take them: routine ones oldest first (the
// earlier in the file of two equal ones), then safety ones, and so on up to the level.
QList<int> CleanUpOrder(const QList<IndexLine>& lines, quint8 level) {
    struct Candidate {
        int Priority;
        qint64 Stamp;
        int Line;
    };
    std::vector<Candidate> candidates;
    for (int i = 0; i < lines.size(); ++i) {
        const LineParts p = PartsOf(lines[i].Raw);
        if (!p.Whole()) continue;
        const std::optional<int> priority = NumberOf(p.Part[3]);
        if (!priority || *priority < 0 || *priority > std::min<int>(level, 3)) continue;
        if (const std::optional<qint64> stamp = StampOf(p)) candidates.push_back({*priority, *stamp, i});
    }
    std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return std::tie(a.Priority, a.Stamp, a.Line) < std::tie(b.Priority, b.Stamp, b.Line);
    });
    QList<int> order;
    order.reserve(static_cast<qsizetype>(candidates.size()));
    for (const Candidate& c : candidates) order.append(c.Line);
    return order;
}

// The disk file name of a line (part 11).
QString FileOf(const Foundation& f, const IndexLine& line) {
    const LineParts p = PartsOf(line.Raw);
    return p.Whole() ? f.Os.Codec.Decode(p.Part[11].toByteArray()) : QString();
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
    const QByteArray name = f.Os.Codec.Encode(r.FileName);
    for (IndexLine& line : lines) {
        if (!line.Raw.contains(":Unk:")) continue;
        const LineParts parts = PartsOf(line.Raw);
        if (!parts.Whole() || parts.Part[0] != name || parts.Part[1] != "Unk") continue;
        QStringList p = f.Os.Codec.Decode(line.Raw.left(line.Raw.size() - LineEndOf(line.Raw).size())).split(u':');
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
    QList<bool> gone(lines.size(), false);  // its file is deleted: the line goes too
    bool changed = false;
    for (const int pick : CleanUpOrder(lines, level)) {
        if (kb < 0 || kb > kEgcLowSpaceKB) break;
        if (FileError err = DeleteEgcFile(f, FileOf(f, lines[pick]))) {
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
    return i < 0 ? QString() : FileOf(E.F, lines[i]);
}

bool CEGC::DeleteEGC(const QString& reference) {
    Foundation& f = E.F;
    QList<IndexLine> lines;
    if (FileError err = ReadIndex(f, lines); err && !IsMissing(err)) {
        LogDeleteFailure(f, err);
        return false;
    }
    QList<IndexLine> kept;
    kept.reserve(lines.size());
    bool found = false;
    const QByteArray wanted = f.Os.Codec.Encode(reference);
    for (IndexLine& line : lines) {
        // Only a line that holds the name somewhere is cut into its parts.
        if (line.Raw.contains(wanted)) {
            const LineParts p = PartsOf(line.Raw);
            if (p.Whole() && p.Part[11] == wanted) {
                found = true;
                continue;
            }
        }
        kept.append(std::move(line));
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
    for (const IndexLine& line : lines) {
        if (!line.Raw.contains(":Unk:")) continue;
        const LineParts p = PartsOf(line.Raw);
        if (p.Whole() && p.Part[1] == "Unk") names.append(f.Os.Codec.Decode(p.Part[0].toByteArray()));
    }
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
