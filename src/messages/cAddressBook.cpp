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
    // The address fields separate names by ";": such a name could never be sent to.
    if (!IsStorableAddressName(strName)) {
        m_log->Log("Address '" + strName + "' not added: a name may not hold ';'");
        return false;
    }
    // As the file will hold it: a character the code page lacks is stored as "?".
    const QString newLine = f.Os.Codec.Decode(
        f.Os.Codec.Encode(AddressBookLine(strName, typeWord, QString::number(iFormat), strAddress, strMember)));

    const QString path = AddressBookFilePath(f);
    if (!QFileInfo(path).isFile()) {
        m_log->Log("Error occurred adding address. File 'address.dat' not found");
        return false;
    }

    QByteArray old;
    bool written = !ReadFileBytes(path, old);
    QStringList lines;
    if (written) {
        const QString key = strName + u':';
        bool met = false;
        lines = SplitFileLines(f.Os.Codec.Decode(old));
        for (QString& line : lines) {
            if (!line.startsWith(key)) continue;
            met = true;
            if (bOverWrite) line = newLine;
            m_log->Log(bOverWrite ? "Address already exists and will be overwritten"
                                  : "Address already exists and will not be overwritten");
        }
        if (!met) lines.append(newLine);
        // Lines end in CR LF, but for the last one.
        written = !WriteFileAtomic(path, f.Os.Codec.Encode(lines.join(QStringLiteral("\r\n"))),
                                   AddressBookBackupPath(path));
    }
    if (!written) {
        m_log->Log("Unknown error occurred in AddAddress. Address Book might not have been updated");
        return false;
    }
    // The table learns of the new line now, so that the next save of the table keeps it.
    LoadAddressBookLines(m_messages, lines);
    return true;
}

}  // namespace tidepost
