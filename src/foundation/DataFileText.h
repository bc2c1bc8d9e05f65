#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

#include "platform/AtomicFile.h"  // ReadFileBytes, for the readers of data files

namespace tidepost {

// Every reader of a data file or index takes its lines by one rule: CR LF, a lone CR and a lone LF
// each end a line, and a line end at the very end does not start another line.

// The lines of a data file's text, without their line ends ("" gives no lines).
QStringList SplitFileLines(const QString& text);
// The same lines of a file's bytes, each passed to `take` as a view of `bytes`: a reader that
// decodes line by line holds no copy of the whole file.
void ForEachFileLine(QByteArrayView bytes, const std::function<void(QByteArrayView line)>& take);
// The same lines as views of `text`, for a reader that keeps the whole text anyway.
QList<QStringView> FileLineViews(QStringView text);

// The lines of a file with their own line ends, so that a rewrite keeps every other line byte for
// byte and a file written with CR alone (or LF alone) stays so.
QList<QByteArray> SplitKeepingEnds(const QByteArray& bytes);
// The line end a line of SplitKeepingEnds carries ("" for a last line without one).
QByteArray LineEndOf(const QByteArray& line);

}  // namespace tidepost
