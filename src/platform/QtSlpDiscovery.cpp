#include "platform/QtSlpDiscovery.h"

#include <QStandardPaths>

#include "platform/CapturedCommand.h"

namespace tidepost {

QString QtSlpDiscovery::SlpToolPath() const {
    if (!m_programFolder.isEmpty()) {
        const QString local = QStandardPaths::findExecutable("slptool", {m_programFolder});
        if (!local.isEmpty()) return local;
    }
    return QStandardPaths::findExecutable("slptool");
}

std::unique_ptr<IPendingAnswer> QtSlpDiscovery::FindServices(const QString& serviceType, const SlpTarget& target) {
    if (target.IsDefault()) {
        const QString tool = SlpToolPath();
        if (!tool.isEmpty()) return RunCommandCaptured(tool, {"findsrvs", serviceType});
    }
    return std::make_unique<SlpServiceSearch>(serviceType, target, m_timings);
}

std::unique_ptr<IPendingAnswer> QtSlpDiscovery::FindAttributes(const QString& address, const QString& serviceType,
                                                               const SlpTarget& target) {
    if (target.IsDefault()) {
        const QString tool = SlpToolPath();
        if (!tool.isEmpty()) return RunCommandCaptured(tool, {"-u", address, "findattrs", serviceType});
    }
    return std::make_unique<SlpAttributeQuery>(address, target.Port, serviceType, m_timings);
}

}  // namespace tidepost
