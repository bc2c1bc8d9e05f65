#pragma once
#include <QString>

namespace tidepost {

// One e-mail service provider. The file and every numbered interface count the fields 1..16 with
// POR (4) before IOR (5); the record holds IOR first.
struct IspRecord {
    QString Name;             // 1, the key of every look-up
    QString LesAorW;          // 2
    QString LesAorE;          // 3
    QString LesIor;           // 5
    QString LesPor;           // 4
    QString ToPrefix;         // 6
    QString CcPrefix;         // 7, "" when the provider takes no Cc
    QString BccPrefix;        // 8, "" when the provider takes no Bcc
    QString SubjectPrefix;    // 9
    QString TextStartPrefix;  // 10, real CR LF line breaks in memory
    QString AddressType;      // 11, "SAC" or "X.25"
    QString Address;          // 12
    QString Delimiter;        // 13, real CR LF line breaks in memory
    QString SmsPrefix;        // 14
    QString SmsPostfix;       // 15
    QString SmsSac;           // 16

    friend bool operator==(const IspRecord&, const IspRecord&) = default;
};

}  // namespace tidepost
