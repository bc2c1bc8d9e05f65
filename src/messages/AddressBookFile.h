#pragma once
#include <QString>
#include <QStringList>

namespace tidepost {

struct Foundation;
struct Messages;

// The address book's file "address.dat": one entry a line, "Name:Type:Format:Address" and
// ":MemberOrPrefix" when there is one; ANSI text, lines ended by CR LF.

// address.dat in the folder of the settings-file key "[addressbook]"; the folder's own name and
// the file name are matched ignoring case.
QString AddressBookFilePath(Foundation& f);
// The backup beside it: the same path with "bck" for its last three characters.
QString AddressBookBackupPath(const QString& addressBookFile);

// One line of the file, without its line end; the member field only when member is not empty.
QString AddressBookLine(const QString& name, const QString& typeWord, const QString& formatWord,
                        const QString& address, const QString& member);

// Replaces AddressBookEntries by the entries of the file. A failure shows an error box; a missing
// folder also points the folder key at the default folder. The table then holds one free slot.
void ReadAddressBookFile(Messages& m);
// Replaces AddressBookEntries by the entries of these lines of address.dat. A line whose name holds
// ";" gives no entry; it is kept in AddressBookRefusedLines.
void LoadAddressBookLines(Messages& m, const QStringList& lines);
// Replaces the file by the entries of AddressBookEntries, free slots left out. The file is
// rewritten whole through "address.bck", so a failure leaves it as it was; an entry that the file
// could not hold (see IsStorableAddressEntry) writes nothing and shows the error box. The refused
// lines of the last read follow the entries unchanged.
void WriteAddressBookFile(Messages& m);
// Points the settings-file key "[addressbook]" at the folder "Addressbook" of the data folder and
// saves the settings file.
void SetDefaultAddressBookDir(Foundation& f);

}  // namespace tidepost
