#pragma once
#include <QMap>
#include <QString>

namespace tidepost::sim {

// The transceiver's message reporting: its position sent as a message on a UTC schedule.
struct SimMessageReporting {
    QString Month = "1-12";        // "-m"
    QString DayOfMonth = "*";      // "-d"
    QString DayOfWeek = "*";       // "-w"
    QString Hour = "0,6,12,18";    // "-h"
    QString Minute = "0";          // "-u"
    QString Print = "0";           // "-n"
    QString Confirmation = "1";    // "-v"
    QString PinCode = "1234";      // "-p"
    QString Address = "7";         // "-a"
    int Operation = 0;             // "-f 0" off, "-f 1 <LES ids>" on
    // The options set that the listing does not show ("-e", "-t", "-l", the LES ids of "-f 1").
    QMap<QString, QString> Other;
    // Every "rs" answers "INFO 999: Message reporting not supported".
    bool Unsupported = false;
};

}  // namespace tidepost::sim
