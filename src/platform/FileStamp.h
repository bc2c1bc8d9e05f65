#pragma once
#include <QString>

namespace tidepost {

// What tells one state of a file from another without reading it: which file holds the name, its
// size and its last change times.
struct FileStamp {
    bool Exists = false;
    quint64 Device = 0;
    quint64 Inode = 0;
    qint64 Size = 0;
    qint64 ModifiedNs = 0;
    qint64 ChangedNs = 0;
    // The file's last change lies far enough behind the moment the stamp was taken that any later
    // change carries later times. A change just before the stamp may be followed by another within
    // the same step of the file system's clock, with the same times and size: only the content can
    // tell those apart.
    bool Settled = false;

    // The same file in the same state, as far as the stamps can tell (Settled aside).
    bool SameState(const FileStamp& other) const;
};

// The stamp of the file at `path` now; Exists is false when it cannot be looked at.
FileStamp StampOfFile(const QString& path);

}  // namespace tidepost
