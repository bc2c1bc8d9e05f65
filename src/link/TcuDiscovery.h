#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ISlpDiscovery.h"

namespace tidepost {

// The service type under which the terminal control units announce themselves.
inline const QString kTcuServiceType = QStringLiteral("service:device.kalvenor");

// The addresses in a service list as slptool prints it: the text between each "//" and the first
// "," after it; a "//" without a "," after it ends the list.
QStringList ServiceAddresses(const QString& serviceList);
// The attribute list is a terminal control unit's: it holds "device-model=880".
bool IsTcuAttributeList(const QString& attributes);
// The TCU's software version (major, minor) from its attribute list: the numeric value of the one
// character before the first "." after "device-sw-version=", and of the two characters after it
// ("1.23" gives 1 and 23). Nothing unless the list is a TCU's and holds the version and the ".".
std::optional<std::pair<qint16, qint16>> TcuSwVersionOf(const QString& attributes);

// The searches of the LAN link while their answers are on their way. A search lists the services,
// then asks every host listed for its attributes, all at once; the adapter does the waiting, and
// the link looks for the answers on its timer's ticks.
class TcuDiscovery {
public:
    // Starts a search unless one runs or there is no adapter; True when one was started.
    bool StartSearch(ISlpDiscovery* slp, const SlpTarget& target);
    bool IsSearching() const { return m_searching; }
    // A search or a version question waits for its answer.
    bool IsWaiting() const { return m_searching || m_version != nullptr; }
    // Starts asking one unit for its software version, dropping an earlier question.
    void StartVersionRead(ISlpDiscovery* slp, const QString& address, const SlpTarget& target);

    struct Answers {
        // The search has ended: the TCUs found, in the order the services were listed; one empty
        // string when there is none.
        std::optional<QStringList> Addresses;
        // The version question was answered with a version.
        std::optional<std::pair<qint16, qint16>> Version;
        // What the adapter asked to be written to the error log.
        QStringList ErrorLogLines;
    };
    // Takes what has arrived since the last call.
    Answers Poll();

    // The malformed "SLP Target" setting last reported, so that it is reported once.
    QString ReportedBadTarget;

private:
    struct Candidate {
        QString Address;
        std::unique_ptr<IPendingAnswer> Attributes;
    };
    ISlpDiscovery* m_slp = nullptr;
    SlpTarget m_target;
    bool m_searching = false;
    std::unique_ptr<IPendingAnswer> m_services;
    std::vector<Candidate> m_candidates;
    std::unique_ptr<IPendingAnswer> m_version;
};

}  // namespace tidepost
