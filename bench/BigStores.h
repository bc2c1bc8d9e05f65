#pragma once
// The four stores at the size a ship reaches after years of traffic: 30,000 lines each in in.idx,
// OUT.IDX and egc.idx, and 30,000 entries in address.dat, written into a data folder laid out as
// the default settings file names it.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <unistd.h>

namespace tidepost::bench {

inline constexpr int kStoreLines = 30000;

inline QString InboxFileName(int i) { return QString("26%1.txt").arg(i, 8, 10, QLatin1Char('0')); }

// Every third message unread.
inline QByteArray InboxIndexText(int lines = kStoreLines) {
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QString("MSG%1:112:%2:0:26-12-%3 14:%4: 512:%5:Direct:%6:%7\r\n")
                    .arg(i)
                    .arg(i % 4)
                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg(100000 + i)
                    .arg(i % 3 ? "Yes" : "No")
                    .arg(InboxFileName(i))
                    .toLatin1();
    return text;
}

// With `unfinished`, the last line is a submission still "Initiated" without a reference, as a
// program that ended while sending leaves it.
inline QByteArray OutboxLogText(bool unfinished, int lines = kStoreLines) {
    QByteArray text;
    for (int i = 0; i < lines; ++i) {
        const bool open = unfinished && i == lines - 1;
        text += QString("26%1.out;alice@example.org;112;E-Mail 7 Bit;12-07-%3;09:%4; 12;%2;%5;0;0;0;0;03;07;"
                        "09;05;Alice;;;Hello\r\n")
                    .arg(i, 8, 10, QLatin1Char('0'))
                    .arg(open ? QString("<None>") : QString::number(i))
                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                    .arg(i % 60, 2, 10, QLatin1Char('0'))
                    .arg(open ? "Initiated" : "Delivered")
                    .toLatin1();
    }
    return text;
}

inline QString EgcFileName(int i) { return QString("26%1.egc").arg(i, 8, 10, QLatin1Char('0')); }

inline QByteArray EgcIndexText(int lines = kStoreLines) {
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QString("EGC.%1:112:4:%2:0:2026-12-10 14:05: 512:%3:0:%4:%5\r\n")
                    .arg(i % 1000, 3, 10, QLatin1Char('0'))
                    .arg(i % 4)
                    .arg(100000 + i)
                    .arg(i % 3 ? "Yes" : "No")
                    .arg(EgcFileName(i))
                    .toLatin1();
    return text;
}

inline QByteArray AddressBookText(int entries = kStoreLines) {
    static constexpr const char* kTypes[] = {"Email", "Telex", "Fax", "InmC", "DNID"};
    QByteArray file;
    for (int i = 0; i < entries; ++i) {
        file += "Contact" + QByteArray::number(i) + ":" + kTypes[i % 5] + ":" + (i % 2 ? "7" : "5") + ":" +
                QByteArray::number(100000000 + i * 7);
        if (i % 3 == 0) file += ":" + QByteArray::number(i % 100);
        file += "\r\n";
    }
    return file;
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

// The four stores in the folders "inbox/", "sent items/", "egc/" and "addressbook/" of `data`.
inline void WriteFourStores(const QString& data, bool unfinishedSubmission) {
    for (const char* folder : {"inbox", "sent items", "egc", "addressbook"}) QDir().mkpath(data + "/" + folder);
    WriteBytes(data + "/inbox/in.idx", InboxIndexText());
    WriteBytes(data + "/sent items/OUT.IDX", OutboxLogText(unfinishedSubmission));
    WriteBytes(data + "/egc/egc.idx", EgcIndexText());
    WriteBytes(data + "/addressbook/address.dat", AddressBookText());
}

// Resident memory of this process in MiB.
inline double ResidentMiB() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

}  // namespace tidepost::bench
