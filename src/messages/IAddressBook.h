#pragma once
#include <QString>

namespace tidepost {

// Adds entries to the address book from outside the program's own windows (remote configuration),
// without depending on the address-book table. This base does nothing; AddAddress gives false.
class IAddressBook {
public:
    virtual ~IAddressBook() = default;
    // The log of what the book does, a file name relative to the data folder.
    virtual void SetLogFile(const QString& strFile) { (void)strFile; }
    // Adds the entry, or with bOverWrite replaces every line of that name; true when address.dat
    // was rewritten.
    virtual bool AddAddress(const QString& strName, int iDestination, int iFormat, const QString& strAddress,
                            const QString& strMember, bool bOverWrite) {
        (void)strName, (void)iDestination, (void)iFormat, (void)strAddress, (void)strMember, (void)bOverWrite;
        return false;
    }
};

}  // namespace tidepost
