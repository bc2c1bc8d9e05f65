#pragma once
#include <QString>

namespace tidepost {

// The texts of the status field of the outbox log, compared exactly (letter case included).
// "Failed" may be followed by ". Error code: '" with a code and "'".
namespace DeliveryStatus {
inline const QString Initiated = QStringLiteral("Initiated");
inline const QString Sending = QStringLiteral("Sending");
inline const QString Delivered = QStringLiteral("Delivered");
inline const QString ConfReq = QStringLiteral("ConfReq");
inline const QString ConfOK = QStringLiteral("Conf.OK");   // positive delivery confirmation
inline const QString ConfOk = QStringLiteral("ConfOk");    // answer to a repeated confirmation request
inline const QString ConfOkAlert = QStringLiteral("Conf.Ok");  // an acknowledged distress alert
inline const QString Failed = QStringLiteral("Failed");
inline const QString Unknown = QStringLiteral("Unknown");
inline const QString PcCleared = QStringLiteral("PC Cleared");
inline const QString MesCleared = QStringLiteral("MES Cleared");
}  // namespace DeliveryStatus

// The reference a submission carries until the transceiver assigns one, and the one of a
// distress alert.
inline const QString kNoReference = QStringLiteral("<None>");
inline const QString kDistressReference = QStringLiteral("-");

}  // namespace tidepost
