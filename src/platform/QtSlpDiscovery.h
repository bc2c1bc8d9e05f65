#pragma once
#include "platform/ISlpDiscovery.h"
#include "platform/SlpClient.h"

namespace tidepost {

// Discovery on the real network. An installed slptool (in the program's folder, else on the PATH)
// answers searches of the standard target, as it does on the units' own service PCs; without it,
// and for any other target (slptool cannot be pointed at one), the own SLP client answers.
class QtSlpDiscovery : public ISlpDiscovery {
public:
    explicit QtSlpDiscovery(QString programFolder, SlpTimings timings = {})
        : m_programFolder(std::move(programFolder)), m_timings(timings) {}

    std::unique_ptr<IPendingAnswer> FindServices(const QString& serviceType, const SlpTarget& target) override;
    std::unique_ptr<IPendingAnswer> FindAttributes(const QString& address, const QString& serviceType,
                                                   const SlpTarget& target) override;

    // The slptool program to use, "" when there is none.
    QString SlpToolPath() const;

private:
    QString m_programFolder;
    SlpTimings m_timings;
};

}  // namespace tidepost
