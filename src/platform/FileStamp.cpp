#include "platform/FileStamp.h"

#include <QFile>
#include <algorithm>
#include <sys/stat.h>
#include <time.h>

namespace tidepost {

namespace {

// Longer than the coarsest clock step of the file systems a data folder may sit on (2 s on FAT).
constexpr qint64 kSettleNs = 3'000'000'000;

qint64 Nanoseconds(const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; }

}  // namespace

bool FileStamp::SameState(const FileStamp& other) const {
    return Exists == other.Exists && Device == other.Device && Inode == other.Inode && Size == other.Size &&
           ModifiedNs == other.ModifiedNs && ChangedNs == other.ChangedNs;
}

FileStamp StampOfFile(const QString& path) {
    FileStamp stamp;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    struct stat st{};
    if (::stat(QFile::encodeName(path).constData(), &st) != 0) return stamp;
    stamp.Exists = true;
    stamp.Device = st.st_dev;
    stamp.Inode = st.st_ino;
    stamp.Size = st.st_size;
    stamp.ModifiedNs = Nanoseconds(st.st_mtim);
    stamp.ChangedNs = Nanoseconds(st.st_ctim);
    stamp.Settled = Nanoseconds(now) - std::max(stamp.ModifiedNs, stamp.ChangedNs) > kSettleNs;
    return stamp;
}

}  // namespace tidepost
