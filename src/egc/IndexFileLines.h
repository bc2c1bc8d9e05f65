#pragma once
#include <QByteArray>
#include <QList>

namespace tidepost {

// The lines of an index file with their own line ends, so that a rewrite keeps every other line
// byte for byte.
QList<QByteArray> SplitKeepingEnds(const QByteArray& bytes);
// The line end a line of SplitKeepingEnds carries ("" for a last line without one).
QByteArray LineEndOf(const QByteArray& line);

}  // namespace tidepost
