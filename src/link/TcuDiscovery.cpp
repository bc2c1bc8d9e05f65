#include "link/TcuDiscovery.h"

#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

const QString kTcuModel = QStringLiteral("device-model=880");
const QString kSwVersionKey = QStringLiteral("device-sw-version=");

}  // namespace

QStringList ServiceAddresses(const QString& serviceList) {
    QStringList addresses;
    qsizetype start = serviceList.indexOf(QLatin1String("//"));
    while (start >= 0) {
        const qsizetype comma = serviceList.indexOf(',', start);
        if (comma < 0) break;
        addresses.append(serviceList.mid(start + 2, comma - start - 2));
        start = serviceList.indexOf(QLatin1String("//"), comma);
    }
    return addresses;
}

bool IsTcuAttributeList(const QString& attributes) { return attributes.contains(kTcuModel); }

std::optional<std::pair<qint16, qint16>> TcuSwVersionOf(const QString& attributes) {
    if (!IsTcuAttributeList(attributes)) return std::nullopt;
    const qsizetype key = attributes.indexOf(kSwVersionKey);
    if (key < 0) return std::nullopt;
    const qsizetype dot = attributes.indexOf('.', key + kSwVersionKey.size());
    if (dot < 0) return std::nullopt;
    return std::make_pair(static_cast<qint16>(LeadingNumber(attributes.mid(dot - 1, 1))),
                          static_cast<qint16>(LeadingNumber(attributes.mid(dot + 1, 2))));
}

bool TcuDiscovery::StartSearch(ISlpDiscovery* slp, const SlpTarget& target) {
    if (m_searching || slp == nullptr) return false;
    m_slp = slp;
    m_target = target;
    m_searching = true;
    m_candidates.clear();
    m_services = slp->FindServices(kTcuServiceType, target);
    return true;
}

void TcuDiscovery::StartVersionRead(ISlpDiscovery* slp, const QString& address, const SlpTarget& target) {
    m_version.reset();
    if (slp != nullptr) m_version = slp->FindAttributes(address, kTcuServiceType, target);
}

TcuDiscovery::Answers TcuDiscovery::Poll() {
    Answers answers;
    const auto noteError = [&answers](const IPendingAnswer& a) {
        if (!a.ErrorLogLine().isEmpty()) answers.ErrorLogLines.append(a.ErrorLogLine());
    };

    if (m_services && m_services->IsFinished()) {
        noteError(*m_services);
        for (const QString& address : ServiceAddresses(m_services->Output()))
            m_candidates.push_back({address, m_slp->FindAttributes(address, kTcuServiceType, m_target)});
        m_services.reset();
    }
    if (m_searching && !m_services) {
        bool allAnswered = true;
        for (const Candidate& c : m_candidates)
            if (c.Attributes && !c.Attributes->IsFinished()) allAnswered = false;
        if (allAnswered) {
            QStringList found;
            for (const Candidate& c : m_candidates) {
                if (!c.Attributes) continue;
                noteError(*c.Attributes);
                if (IsTcuAttributeList(c.Attributes->Output())) found.append(c.Address);
            }
            if (found.isEmpty()) found.append(QString());
            answers.Addresses = found;
            m_candidates.clear();
            m_searching = false;
        }
    }
    if (m_version && m_version->IsFinished()) {
        noteError(*m_version);
        answers.Version = TcuSwVersionOf(m_version->Output());
        m_version.reset();
    }
    return answers;
}

}  // namespace tidepost
