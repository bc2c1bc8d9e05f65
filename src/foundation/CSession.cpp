#include "foundation/CSession.h"

#include <QLocale>
#include <QStringList>
#include <cmath>
#include <optional>

#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

const QString kSource = QStringLiteral("CSession");

// The value of a numeric text (blanks around it allowed, a decimal part rounded half to even
// as whole-number conversions do); nullopt when the text is not a number.
std::optional<double> NumericValue(const QString& text) {
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return std::nearbyint(value);
}

bool FitsInt16(double value) { return value >= -32768.0 && value <= 32767.0; }

// A position field: a whole number 0..255 written in digits only.
std::optional<quint8> PositionByte(const QString& part) {
    if (!IsAllDigits(part)) return std::nullopt;
    bool ok = false;
    const uint value = part.toUInt(&ok);
    if (!ok || value > 255) return std::nullopt;
    return static_cast<quint8>(value);
}

OceanIndex OceanOfTdmOrigin(qint16 origin) {
    if (origin == 0) return kOceanNone;
    if (origin < 100) return kOceanAorW;
    if (origin < 200) return kOceanAorE;
    if (origin < 300) return kOceanPor;
    if (origin < 400) return kOceanIor;
    return kOceanNone;
}

qint16 InRangeOrZero(int value, int highest) {
    return (value >= 0 && value <= highest) ? static_cast<qint16>(value) : 0;
}

}  // namespace

void CSession::SetTDMOrigin(qint16 value) {
    m_s.TDMOrigin = value;
    m_s.CurrentOcean = OceanOfTdmOrigin(value);
}

void CSession::SetMobileType(int value) { m_s.MobileType = InRangeOrZero(value, 5); }
void CSession::SetProductType(int value) { m_s.ProductType = InRangeOrZero(value, 5); }
void CSession::SetProductModel(int value) { m_s.ProductModel = InRangeOrZero(value, 20); }
void CSession::SetAtcType(int value) { m_s.AtcType = InRangeOrZero(value, 1); }
void CSession::SetSolasType(qint32 value) { m_s.SolasType = (value >= 0 && value <= 3) ? value : 0; }

void CSession::SetSwVersion(const QString& text) {
    m_s.SwVerStr = text;
    const std::optional<double> number = NumericValue(QString(text).remove(QLatin1Char('.')));
    if (!number) return;
    if (!FitsInt16(*number)) throw RuntimeError(RuntimeError::kOverflow, kSource, QStringLiteral("Overflow"));
    m_s.SwVerInt = static_cast<qint16>(*number);
}

void CSession::ResetPos() {
    PositionRecord& p = m_s.Position;
    p.LatDeg = p.LatMin = p.LatHund = 255;
    p.LonDeg = p.LonMin = p.LonHund = 255;
    p.South = false;
    p.West = false;
    p.Updated.clear();
    p.Valid = false;
    m_s.GpsStatusText = QStringLiteral("False");
}

void CSession::SetPos(const QString& vPos, const QString& vCourse, const QString& vUpdated, const QString& vSpeed,
                      bool vPosValid) {
    const QStringList parts = vPos.split(QLatin1Char(' '));
    if (parts.size() == 8) {
        // Every number is checked before anything is stored.
        quint8 numbers[6];
        const int numberParts[6] = {0, 1, 2, 4, 5, 6};
        for (int i = 0; i < 6; ++i) {
            const std::optional<quint8> value = PositionByte(parts[numberParts[i]]);
            if (!value) throw RuntimeError(RuntimeError::kTypeMismatch, kSource, QStringLiteral("Type mismatch"));
            numbers[i] = *value;
        }
        PositionRecord& p = m_s.Position;
        p.LatDeg = numbers[0];
        p.LatMin = numbers[1];
        p.LatHund = numbers[2];
        p.South = parts[3] == QLatin1String("S");
        p.LonDeg = numbers[3];
        p.LonMin = numbers[4];
        p.LonHund = numbers[5];
        p.West = parts[7].startsWith(QLatin1Char('W'));
    } else {
        ResetPos();
    }

    if (const std::optional<double> course = NumericValue(vCourse); course && FitsInt16(*course))
        m_s.Position.Course = static_cast<qint16>(*course);
    if (const std::optional<double> speed = NumericValue(vSpeed); speed && FitsInt16(*speed))
        m_s.Position.Speed = static_cast<qint16>(*speed);
    m_s.Position.Updated = vUpdated;
    m_s.Position.Valid = vPosValid;
}

void CSession::Reset() {
    const qint16 course = m_s.Position.Course;
    const qint16 speed = m_s.Position.Speed;
    m_s = State{};
    m_s.Position.Course = course;
    m_s.Position.Speed = speed;
}

QString CSession::GetPosStr() const {
    const PositionRecord& p = m_s.Position;
    // The hundredths follow a decimal point, so they take two digits: 5 hundredths is "40.05",
    // where a plain "40.5" would read as 50 hundredths (about 800 m further on).
    const auto hundredths = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1,%2.%3%4 , %5,%6.%7%8")
        .arg(int(p.LatDeg))
        .arg(int(p.LatMin))
        .arg(hundredths(p.LatHund))
        .arg(p.South ? QLatin1Char('S') : QLatin1Char('N'))
        .arg(int(p.LonDeg))
        .arg(int(p.LonMin))
        .arg(hundredths(p.LonHund))
        .arg(p.West ? QLatin1Char('W') : QLatin1Char('E'));
}

bool CSession::HasMobileChanged(const SessionSnapshot& snapshot) const {
    return m_s.PCBNumber != snapshot.PCBNumber || m_s.SwVerStr != snapshot.SwVerStr ||
           m_s.ProductModel != snapshot.ProductModel;
}

}  // namespace tidepost
