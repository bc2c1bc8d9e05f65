#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Removes the line of a deleted message from its folder's index file.
class cMsgLog {
public:
    explicit cMsgLog(Foundation& f) : m_f(f) {}
    // Removes from strDir/strLog".idx" the first line whose file-name field equals strFileRef
    // (the first ";" field of the sent-items index "out", the last ":" field of "in" and "egc").
    // The index is replaced atomically. An index that cannot be read or rewritten keeps the line
    // of a message that is gone, so that failure is queued for the user in the error pattern.
    // The result is always false; callers do not use it.
    bool DeleteFromMsgLog(const QString& strFileRef, const QString& strDir, const QString& strLog) const;

private:
    Foundation& m_f;
};

}  // namespace tidepost
