#pragma once
#include <QDateTime>
#include <QString>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// The remote-configuration packets carried out lately, so that a copy of one is not carried out
// again while its token still holds (the token covers only the hour and the password). The file
// of the data folder holds one line per packet: the UTC hour it ran, "yyyymmddhh", ";", the
// SHA-256 of its text from the start marker to the end (ANSI bytes) as 64 lower-case hex digits,
// CR LF.
inline constexpr const char* kRemoteSeenFileName = "RemoteSeen.txt";

// The digest of a packet's text, from the start marker on, in the file's form.
QString RemotePacketDigest(const Foundation& f, const QString& fromStartMarker);

// Whether the file lists the digest. A missing file lists nothing; a file that cannot be read is
// an error (the caller must not take the packet for new).
FileError IsRemotePacketSeen(const Foundation& f, const QString& digest, bool& seen);

// Adds the digest under the hour `utcNow` falls in, drops the lines of hours before the previous
// one (their packets' tokens have run out) and lines that are not in the file's form, and
// rewrites the file atomically.
FileError RememberRemotePacket(const Foundation& f, const QDateTime& utcNow, const QString& digest);

}  // namespace tidepost
