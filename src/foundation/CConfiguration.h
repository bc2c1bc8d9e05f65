#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

#include "foundation/Definitions.h"

namespace tidepost {

// Data path, LES choices per ocean, LES lists, TCU addresses and software versions, in memory
// only: other routines fill it from the settings file, the LES files, "isp.dat" and the replies.
class CConfiguration {
public:
    QString DataPath;                     // the data folder
    bool Support4ExtraNavAreas = false;   // the transceiver receives the extra NAVAREAs

    // Ocean 0..3; a higher value throws RuntimeError 9 "Subscript out of range" (RuntimeError.h).
    void SetDefaultLes(OceanIndex ocean, const QString& vData);
    QString DefaultLes(OceanIndex ocean) const;
    void SetDefaultISPLes(OceanIndex ocean, const QString& vData);
    // "" for an ocean above 3.
    QString DefaultISPLes(OceanIndex ocean) const;

    // Above 3: the entry of LastOcean once an ocean is known, else 0.
    std::int16_t GetDistressGenLes(OceanIndex ocean) const;
    // An ocean above 3 is ignored.
    void SetDistressGenLes(OceanIndex ocean, std::int16_t iLesNr);

    // "" for an ocean above 3.
    QString AvailableLESs(OceanIndex ocean) const;
    // False, storing nothing, for an ocean above 3.
    bool SetavailableLESs(OceanIndex ocean, const QString& vData);

    OceanIndex LastOcean() const { return m_lastOcean; }
    // A value above 3 is ignored: once known, the ocean never returns to "none".
    void SetLastOcean(OceanIndex ocean);

    std::int16_t GetMinicSwMajor() const { return m_minicSwMajor; }
    std::int16_t GetMinicSwMinor() const { return m_minicSwMinor; }
    void SetMinicSwVersion(std::int16_t MajorVersion, std::int16_t MinorVersion);
    std::int16_t GetTcuSwMajor() const { return m_tcuSwMajor; }
    std::int16_t GetTcuSwMinor() const { return m_tcuSwMinor; }
    void SetTcuSwVersion(std::int16_t MajorVersion, std::int16_t MinorVersion);

    QStringList SlpTcuAddresses() const { return m_slpTcuAddresses; }
    // Keeps a copy; the count is the number of elements, except that one empty string counts 0.
    void SetSlpTcuAddresses(const QStringList& addresses);
    std::int16_t SlpTcuAddressCount() const { return m_slpTcuAddressCount; }

private:
    std::array<QString, kOceanCount> m_defaultLes;
    std::array<QString, kOceanCount> m_defaultIspLes;
    std::array<std::int16_t, kOceanCount> m_distressGenLes{};
    std::array<QString, kOceanCount> m_availableLESs;
    OceanIndex m_lastOcean = kOceanNone;
    std::int16_t m_minicSwMajor = 0;
    std::int16_t m_minicSwMinor = 0;
    std::int16_t m_tcuSwMajor = 0;
    std::int16_t m_tcuSwMinor = 0;
    QStringList m_slpTcuAddresses{QString()};
    std::int16_t m_slpTcuAddressCount = 0;
};

}  // namespace tidepost
