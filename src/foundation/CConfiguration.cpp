#include "foundation/CConfiguration.h"

#include "foundation/RuntimeError.h"

namespace tidepost {

namespace {
bool IsOcean(OceanIndex ocean) { return ocean < kOceanCount; }

[[noreturn]] void ThrowSubscriptOutOfRange() {
    throw RuntimeError(kErrSubscriptOutOfRange, "CConfiguration", "Subscript out of range");
}
}  // namespace

void CConfiguration::SetDefaultLes(OceanIndex ocean, const QString& vData) {
    if (!IsOcean(ocean)) ThrowSubscriptOutOfRange();
    m_defaultLes[ocean] = vData;
}

QString CConfiguration::DefaultLes(OceanIndex ocean) const {
    if (!IsOcean(ocean)) ThrowSubscriptOutOfRange();
    return m_defaultLes[ocean];
}

void CConfiguration::SetDefaultISPLes(OceanIndex ocean, const QString& vData) {
    if (!IsOcean(ocean)) ThrowSubscriptOutOfRange();
    m_defaultIspLes[ocean] = vData;
}

QString CConfiguration::DefaultISPLes(OceanIndex ocean) const {
    return IsOcean(ocean) ? m_defaultIspLes[ocean] : QString();
}

std::int16_t CConfiguration::GetDistressGenLes(OceanIndex ocean) const {
    if (IsOcean(ocean)) return m_distressGenLes[ocean];
    return IsOcean(m_lastOcean) ? m_distressGenLes[m_lastOcean] : std::int16_t{0};
}

void CConfiguration::SetDistressGenLes(OceanIndex ocean, std::int16_t iLesNr) {
    if (IsOcean(ocean)) m_distressGenLes[ocean] = iLesNr;
}

QString CConfiguration::AvailableLESs(OceanIndex ocean) const {
    return IsOcean(ocean) ? m_availableLESs[ocean] : QString();
}

bool CConfiguration::SetavailableLESs(OceanIndex ocean, const QString& vData) {
    if (!IsOcean(ocean)) return false;
    m_availableLESs[ocean] = vData;
    return true;
}

void CConfiguration::SetLastOcean(OceanIndex ocean) {
    if (IsOcean(ocean)) m_lastOcean = ocean;
}

void CConfiguration::SetMinicSwVersion(std::int16_t MajorVersion, std::int16_t MinorVersion) {
    m_minicSwMajor = MajorVersion;
    m_minicSwMinor = MinorVersion;
}

void CConfiguration::SetTcuSwVersion(std::int16_t MajorVersion, std::int16_t MinorVersion) {
    m_tcuSwMajor = MajorVersion;
    m_tcuSwMinor = MinorVersion;
}

void CConfiguration::SetSlpTcuAddresses(const QStringList& addresses) {
    m_slpTcuAddresses = addresses;
    const bool onlyEmpty = addresses.size() == 1 && addresses.front().isEmpty();
    m_slpTcuAddressCount = onlyEmpty ? 0 : static_cast<std::int16_t>(qMin<qsizetype>(addresses.size(), 32767));
}

}  // namespace tidepost
