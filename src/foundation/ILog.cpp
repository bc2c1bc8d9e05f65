#include "foundation/ILog.h"

#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "platform/IClock.h"

namespace tidepost {

bool cLog::Log(const QString& strText) {
    if (m_file.isEmpty()) return false;
    return !AppendLogLine(m_f, m_file, LogTimeStamp(m_f.Os.Clock->Now()) + strText);
}

}  // namespace tidepost
