#pragma once
#include <QByteArray>
#include <QString>

// The settings file's bytes as the default text writes them and as every rewrite of it gives them,
// for the data folder `d` (with its trailing "/"). Written out here, not taken from the program.
namespace tidepost::test {

inline QByteArray DefaultFileBytes(const QString& d) {
    const QByteArray dd = d.toLatin1();
    return "[Version]\r\n1. 0. 4\r\n[Default ISP]\r\n\r\n"
           "[AS IS Accepted?]\r\nNO\r\n\r\n"
           "[COM port]\r\n1\r\n\r\n"
           "[COM Settings]\r\n115200,n,8,1\r\n\r\n"
           "[HOST Interface]\r\nLAN\r\n\r\n"
           "[working dir]\r\n" + dd + "\r\n\r\n"
           "[egc]\r\n" + dd + "egc/\r\n\r\n"
           "[inbox]\r\n" + dd + "inbox/\r\n\r\n"
           "[outbox]\r\n" + dd + "sent items/\r\n\r\n"
           "[addressbook]\r\n" + dd + "addressbook/\r\n\r\n"
           "[Default LES East]\r\n000\r\n\r\n"
           "[Default LES Pacific]\r\n000\r\n\r\n"
           "[Default LES Indian]\r\n000\r\n\r\n"
           "[Default LES West]\r\n000\r\n\r\n"
           "[Preferred Ocean]\r\nNone\r\n\r\n"
           "[Signature]\r\n[End Of Signature]\r\n"
           "\r\n[End Of File]\r\n";
}


// What every rewrite of the default file gives: each entry followed by an empty line, no end marker.
inline QByteArray RewrittenDefaultBytes(const QString& d) {
    const QByteArray dd = d.toLatin1();
    return "[Version]\r\n1. 0. 4\r\n\r\n[Default ISP]\r\n\r\n\r\n"
           "[AS IS Accepted?]\r\nNO\r\n\r\n"
           "[COM port]\r\n1\r\n\r\n"
           "[COM Settings]\r\n115200,n,8,1\r\n\r\n"
           "[HOST Interface]\r\nLAN\r\n\r\n"
           "[working dir]\r\n" + dd + "\r\n\r\n"
           "[egc]\r\n" + dd + "egc/\r\n\r\n"
           "[inbox]\r\n" + dd + "inbox/\r\n\r\n"
           "[outbox]\r\n" + dd + "sent items/\r\n\r\n"
           "[addressbook]\r\n" + dd + "addressbook/\r\n\r\n"
           "[Default LES East]\r\n000\r\n\r\n"
           "[Default LES Pacific]\r\n000\r\n\r\n"
           "[Default LES Indian]\r\n000\r\n\r\n"
           "[Default LES West]\r\n000\r\n\r\n"
           "[Preferred Ocean]\r\nNone\r\n\r\n"
           "[Signature]\r\n\r\n[End Of Signature]\r\n\r\n";
}

}  // namespace tidepost::test
