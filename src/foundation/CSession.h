#pragma once
#include <QDateTime>
#include <QString>

#include "foundation/Definitions.h"

namespace tidepost {

// The last position the transceiver reported. 255 in all six degree, minute and hundredth fields
// means "no position".
struct PositionRecord {
    quint8 LatDeg = 255;
    quint8 LatMin = 255;
    quint8 LatHund = 255;  // hundredths of a minute
    bool South = false;
    quint8 LonDeg = 255;
    quint8 LonMin = 255;
    quint8 LonHund = 255;
    bool West = false;
    qint16 Course = 0;     // degrees
    qint16 Speed = 0;      // knots
    QString Updated;       // the fix time as the position reply gives it
    bool Valid = false;
};

// The identity of the transceiver last seen, kept to notice that another one answers.
struct SessionSnapshot {
    qint32 MobileNumber = 0;
    qint32 MobileType = 0;
    qint32 ProductType = 0;
    qint32 ProductModel = 0;
    QString SwVerStr;
    QString PCBNumber;
};

// The shared picture of the link and of the connected transceiver. It does no input or output;
// writes apply the range rules below (a code outside its range stores 0).
class CSession {
public:
    // The link variables: they survive Reset, because the link code that owns them decides when
    // the TCU connection is gone, not the loss of the transceiver.
    bool LanConnected = false;
    bool LanConnectionEstablishedByCommSettingsForm = false;
    bool ConnectedToTCU = false;
    bool ConnectedToTCU_Via_Com = false;

    bool MesConnected() const { return m_s.MesConnected; }
    void SetMesConnected(bool value) { m_s.MesConnected = value; }

    // Writing the TDM origin also sets CurrentOcean from it: 0 gives 4 (none), below 100 gives 0,
    // then one ocean per hundred, 400 and above gives 4.
    qint16 TDMOrigin() const { return m_s.TDMOrigin; }
    void SetTDMOrigin(qint16 value);

    bool Syncronization() const { return m_s.Syncronization; }
    void SetSyncronization(bool value) { m_s.Syncronization = value; }

    quint8 SignalStrength() const { return m_s.SignalStrength; }
    void SetSignalStrength(quint8 value) { m_s.SignalStrength = value; }

    // Follows TDMOrigin; it has no writer of its own.
    OceanIndex CurrentOcean() const { return m_s.CurrentOcean; }

    QString CurrentChannel() const { return m_s.CurrentChannel; }
    void SetCurrentChannel(const QString& value) { m_s.CurrentChannel = value; }

    QString CurrentProtocol() const { return m_s.CurrentProtocol; }
    void SetCurrentProtocol(const QString& value) { m_s.CurrentProtocol = value; }

    // The transceiver's UTC clock as last read.
    QDateTime SystemTime() const { return m_s.SystemTime; }
    void SetSystemTime(const QDateTime& value) { m_s.SystemTime = value; }

    bool SystemTimeSet() const { return m_s.SystemTimeSet; }
    void SetSystemTimeSet(bool value) { m_s.SystemTimeSet = value; }

    qint16 MobileType() const { return m_s.MobileType; }
    void SetMobileType(int value);  // 0..5

    qint32 MobileNumber() const { return m_s.MobileNumber; }
    void SetMobileNumber(qint32 value) { m_s.MobileNumber = value; }

    qint16 ProductType() const { return m_s.ProductType; }
    void SetProductType(int value);  // 0..5

    qint16 ProductModel() const { return m_s.ProductModel; }
    void SetProductModel(int value);  // 0..20

    qint16 AtcType() const { return m_s.AtcType; }
    void SetAtcType(int value);  // 0..1

    qint32 SolasType() const { return m_s.SolasType; }
    void SetSolasType(qint32 value);  // 0..3

    // Stores the version text as received and, when the text without its dots is a number,
    // that number in SwVerInt; otherwise SwVerInt keeps its value. A number beyond the 16-bit
    // range throws RuntimeError (overflow) after the text is stored.
    void SetSwVersion(const QString& text);
    QString SwVerStr() const { return m_s.SwVerStr; }
    qint16 SwVerInt() const { return m_s.SwVerInt; }

    QString PCBNumber() const { return m_s.PCBNumber; }
    void SetPCBNumber(const QString& value) { m_s.PCBNumber = value; }

    bool AddDistressAlertToOutbox() const { return m_s.AddDistressAlertToOutbox; }
    void SetAddDistressAlertToOutbox(bool value) { m_s.AddDistressAlertToOutbox = value; }

    // 1 sending, 2 confirmed, 3 failed.
    quint8 DistressAlertStatus() const { return m_s.DistressAlertStatus; }
    void SetDistressAlertStatus(quint8 value) { m_s.DistressAlertStatus = value; }

    bool ProcessingEgcs() const { return m_s.ProcessingEgcs; }
    void SetProcessingEgcs(bool value) { m_s.ProcessingEgcs = value; }

    bool ProcessingMsgs() const { return m_s.ProcessingMsgs; }
    void SetProcessingMsgs(bool value) { m_s.ProcessingMsgs = value; }

    bool MobileType510AB() const { return m_s.MobileType510AB; }
    void SetMobileType510AB(bool value) { m_s.MobileType510AB = value; }

    // True only when the GPS status text is exactly "OK".
    bool GpsStatus() const { return m_s.GpsStatusText == QLatin1String("OK"); }

    // 0 routine, 1 distress.
    quint8 MessagePriority() const { return m_s.MessagePriority; }
    void SetMessagePriority(quint8 value) { m_s.MessagePriority = value; }

    // The "no position" record and the GPS status text "False"; course and speed stay.
    void ResetPos();
    // Stores a position report. vPos holds eight parts separated by single blanks: latitude
    // degrees, minutes, hundredths, "S" or anything else for north, longitude degrees, minutes,
    // hundredths, a text beginning with "W" for west. Any other number of parts resets the
    // position. A number part that is not a whole number 0..255 throws RuntimeError (type
    // mismatch) and leaves the whole session unchanged, so a position never mixes two fixes.
    // Course and speed are stored only when numeric.
    void SetPos(const QString& vPos, const QString& vCourse, const QString& vUpdated, const QString& vSpeed,
                bool vPosValid);
    void SetGpsStatus(const QString& Status) { m_s.GpsStatusText = Status; }

    // Back to the state of a new session after the transceiver is lost. The four link variables
    // and the course and speed of the position keep their values.
    void Reset();

    PositionRecord GetPos() const { return m_s.Position; }
    // "55,40.12N , 12,35.47E"; the reset position gives "255,255.255N , 255,255.255E".
    QString GetPosStr() const;
    QString GetSpeedStr() const { return QString::number(m_s.Position.Speed); }
    QString GetCourseStr() const { return QString::number(m_s.Position.Course); }

    // True when the software version text, the PCB number or the product model differ from the
    // snapshot; the mobile number, mobile type and product type are not compared.
    bool HasMobileChanged(const SessionSnapshot& snapshot) const;

private:
    struct State {
        bool MesConnected = false;
        qint16 TDMOrigin = 0;
        bool Syncronization = false;
        quint8 SignalStrength = 0;
        OceanIndex CurrentOcean = kOceanNone;
        QString CurrentChannel;
        QString CurrentProtocol;
        QDateTime SystemTime{QDate(1970, 1, 1), QTime(0, 0), Qt::UTC};
        bool SystemTimeSet = false;
        qint16 MobileType = 0;
        qint32 MobileNumber = 0;
        qint16 ProductType = 0;
        qint16 ProductModel = 0;
        qint16 AtcType = 1;
        qint32 SolasType = 0;
        QString SwVerStr;
        qint16 SwVerInt = 0;
        QString PCBNumber;
        bool AddDistressAlertToOutbox = false;
        quint8 DistressAlertStatus = 0;
        bool ProcessingEgcs = false;
        bool ProcessingMsgs = false;
        bool MobileType510AB = false;
        QString GpsStatusText = QStringLiteral("False");
        PositionRecord Position;
        quint8 MessagePriority = 0;
    };
    State m_s;
};

}  // namespace tidepost
