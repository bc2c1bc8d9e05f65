#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace tidepost {

struct Egc;
struct Foundation;

// The EGC folder with its separator; egc.idx in it (in whatever letter case it exists).
QString EgcFolder(const Foundation& f);
QString EgcIndexPath(const Foundation& f);

// "yyyy-mm-dd hh:mm" as a time stamp (no time zone: taken as UTC, so no daylight-saving gap
// makes one invalid); nothing for another text.
std::optional<QDateTime> ReadEgcStamp(const QString& text);

// Free space on the disk of the EGC folder in KB; -1 when it cannot be read.
qint64 EgcFreeSpaceKB(const Foundation& f);
// While the EGC folder's disk has 512 KB or less free, deletes the stored EGCs one after another
// in the order repeated CleanUpDisk(level) calls would (oldest routine first, up to `level`),
// reading the free space after each file; egc.idx is read and rewritten once. Unknown free space
// deletes nothing.
void FreeEgcDiskSpace(Egc& e, quint8 level);

inline constexpr qint64 kEgcLowSpaceKB = 512;

}  // namespace tidepost
