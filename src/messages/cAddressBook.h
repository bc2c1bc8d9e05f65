#pragma once
#include <memory>

#include "foundation/ILog.h"
#include "messages/IAddressBook.h"

namespace tidepost {

struct Messages;

// Edits address.dat line by line for remote configuration. Lives for one remote command; logs
// nothing until SetLogFile names a log.
class cAddressBook : public IAddressBook {
public:
    explicit cAddressBook(Messages& messages);
    void SetLogFile(const QString& strFile) override;
    // The line "name:type word:format:address[:member]" is added at the end, or, for each line
    // that begins with the name and ":" (letter case counts), written in its place (bOverWrite) or
    // left as it was. The file is rewritten whole through "address.bck" and then reloaded into the
    // address-book table. False and the file untouched when the file is missing, the type has no
    // type word, a field holds ":" or a line break, or anything fails.
    bool AddAddress(const QString& strName, int iDestination, int iFormat, const QString& strAddress,
                    const QString& strMember, bool bOverWrite) override;

private:
    Messages& m_messages;
    std::unique_ptr<ILog> m_log = std::make_unique<ILog>();
};

}  // namespace tidepost
