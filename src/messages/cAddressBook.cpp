#include "messages/cAddressBook.h"

#include <QFileInfo>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "messages/AddressBookFile.h"
#include "messages/AddressCodes.h"
#include "messages/AddressEntry.h"
#include "messages/Messages.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {
// Remote configuration knows the types up to X.25; an SMS entry cannot be added this way.
constexpr int kLastRemoteType = 7;
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

cAddressBook::cAddressBook(Messages& messages) : m_messages(messages) {}

void cAddressBook::SetLogFile(const QString& strFile) {
    m_log = std::make_unique<cLog>(m_messages.F);
    m_log->SetLogFile(strFile);
}

bool cAddressBook::AddAddress(const QString& strName, int iDestination, int iFormat, const QString& strAddress,
                              const QString& strMember, bool bOverWrite) {
    Foundation& f = m_messages.F;
    // A line without a type word would read back as an e-mail entry.
    const QString typeWord = iDestination <= kLastRemoteType ? TypeCodeToWord(iDestination) : QString();
    if (typeWord.isEmpty()) {
        m_log->Log("Address '" + strName + "' not added: destination type " + QString::number(iDestination) +
                   " cannot be stored in the address book");
        return false;
    }
    if (!IsStorableAddressText(strName) || !IsStorableAddressText(strAddress) || !IsStorableAddressText(strMember)) {
        m_log->Log("Address '" + strName + "' not added: name, address and member may not hold ':' or a line break");
        return false;
    }
    const QString newLine = AddressBookLine(strName, typeWord, QString::number(iFormat), strAddress, strMember);

    const QString path = AddressBookFilePath(f);
    if (!QFileInfo(path).isFile()) {
        m_log->Log("Error occurred adding address. File 'address.dat' not found");
        return false;
    }

    QByteArray old;
    bool written = !ReadFileBytes(path, old);
    if (written) {
        const QString key = strName + u':';
        QString text;
        bool met = false;
        for (const QString& line : SplitFileLines(f.Os.Codec.Decode(old))) {
            if (line.startsWith(key)) {
                met = true;
                text += bOverWrite ? newLine : line;
                m_log->Log(bOverWrite ? "Address already exists and will be overwritten"
                                      : "Address already exists and will not be overwritten");
            } else {
                text += line;
            }
            text += kCrLf;
        }
        if (!met) text += newLine + kCrLf;
        text.chop(kCrLf.size());
        written = !WriteFileAtomic(path, f.Os.Codec.Encode(text), AddressBookBackupPath(path));
    }
    if (!written) {
        m_log->Log("Unknown error occurred in AddAddress. Address Book might not have been updated");
        return false;
    }
    // The table learns of the new line now, so that the next save of the table keeps it.
    ReadAddressBookFile(m_messages);
    return true;
}

}  // namespace tidepost
