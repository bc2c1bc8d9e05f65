#pragma once
#include <QByteArray>
#include <QString>

#include "foundation/IndexLines.h"
#include "platform/FileError.h"
#include "platform/FileStamp.h"

namespace tidepost {

// The outbox log as the program last read or wrote it, so that a change of one line is written
// from memory instead of reading and cutting up the whole log again. Every write the program makes
// to the log goes through here or tells it. Another program may write the log too: before the copy
// is used, the file's stamp must be the one it had when the copy was taken, and where the stamp
// cannot vouch for the content (it changed just before), the content is compared.
class OutboxLogCopy {
public:
    // The log at `path` as it is on disk now: the copy while the file is as it was, else the file
    // read afresh (which becomes the copy). On a read failure the copy is dropped and `lines` is
    // left alone.
    FileError Current(const QString& path, const IndexLines*& lines);
    // The program has replaced the file at `path` by `bytes`.
    void Replaced(const QString& path, QByteArray bytes);
    // Appends `line` and CR LF to the file at `path` as every index append does (a torn last line
    // is ended first), keeping the copy in step.
    FileError AppendLine(const QString& path, const QByteArray& line);
    // The file may have changed in a way the copy cannot follow: it is read again when next used.
    void Forget();

private:
    void Take(const QString& path, QByteArray bytes, const FileStamp& stamp);

    QString m_path;
    IndexLines m_lines;
    FileStamp m_stamp;
    bool m_valid = false;
};

}  // namespace tidepost
