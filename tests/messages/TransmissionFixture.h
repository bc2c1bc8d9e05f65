#pragma once
#include <QStringList>

#include "AddressBookFixture.h"
#include "foundation/IspRecord.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressSearch.h"
#include "messages/CTransmission.h"
#include "messages/RecipientMatrix.h"

namespace tidepost::test {

// An address book read from a real address.dat, three e-mail providers (one reached by a special
// access code, one over X.25, one by anything else) and recipient matrices built from the names of
// the To, Cc and Bcc fields the way the send dialogue builds them.
class TransmissionTest : public AddressBookTest {
protected:
    TransmissionTest() {
        f.gIspList = {Provider("Sea Mail", "SAC", "1234", "1255"), Provider("Packet Mail", "X.25", "311044900012", ""),
                      Provider("Shore Mail", "Direct", "5678", "")};
    }

    static IspRecord Provider(const QString& name, const QString& accessType, const QString& access,
                              const QString& sms) {
        IspRecord isp;
        isp.Name = name;
        isp.AddressType = accessType;
        isp.Address = access;
        isp.SmsSac = sms;
        return isp;
    }

    // address.dat holds exactly these lines.
    void UseBook(const QByteArray& lines) {
        WriteBook(lines);
        ReadAddressBookFile(m);
    }

    RecipientMatrix Names(const QStringList& to, const QStringList& cc = {}, const QStringList& bcc = {}) {
        RecipientMatrix matrix;
        EXPECT_TRUE(NamesToRecipientMatrix(m, to, matrix, 0));
        EXPECT_TRUE(NamesToRecipientMatrix(m, cc, matrix, 1));
        EXPECT_TRUE(NamesToRecipientMatrix(m, bcc, matrix, 2));
        return matrix;
    }

    // A transmission through the provider, as the send dialogue makes one per group.
    CTransmission Transmission(const QString& provider = "Sea Mail") {
        CTransmission tx(m);
        tx.SetParameters(provider, false, false, false);
        return tx;
    }
};

// Every non-empty item of every cell, in scan order.
inline QStringList Items(const RecipientMatrix& matrix) {
    QStringList items;
    for (const QString& cell : matrix.Cells)
        for (const QString& item : cell.split(u';'))
            if (!item.isEmpty()) items << item;
    return items;
}

}  // namespace tidepost::test
