#include "messages/AddressBookFile.h"

#include <QFileInfo>
#include <QStringView>

#include "foundation/DataFileText.h"
#include "foundation/ErrorHandling.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"
#include "messages/AddressCodes.h"
#include "messages/Messages.h"
#include "platform/AtomicFile.h"
#include "platform/FileLookup.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

const QString kAddressBookKey = QStringLiteral("[addressbook]");
const QString kAddressBookFileName = QStringLiteral("address.dat");
// Name, type word, format digit, address, member or prefix.
constexpr int kFieldCount = 5;

// The box of a failed read or write. A missing folder also resets the folder key, so that the
// next load or save uses the default folder.
void ReportFileError(Foundation& f, const QString& routine, const FileError& err) {
    MessageBoxRequest box;
    box.text = WithFileErrorText(f, ComposeErrorText(routine, err.number, err.description), err.number);
    if (err.number == kErrPathNotFound) box.text += QStringLiteral("\r\nSetting default path.");
    box.title = ErrorTitle(err.number);
    box.buttons = MsgButtons::Ok;
    ShowFileErrorBox(f, box);
    if (err.number == kErrPathNotFound) SetDefaultAddressBookDir(f);
}

}  // namespace

QString AddressBookFilePath(Foundation& f) {
    QString folder = NormalizeSeparators(GetIniValue(f, kAddressBookKey));
    while (folder.size() > 1 && folder.endsWith(u'/')) folder.chop(1);
    if (folder.isEmpty()) return "/" + kAddressBookFileName;
    const qsizetype slash = folder.lastIndexOf(u'/');
    if (slash < 0) return FindFileNoCase(QStringLiteral("."), folder + "/" + kAddressBookFileName);
    if (slash == folder.size() - 1) return folder + kAddressBookFileName;  // the root folder
    const QString parent = slash == 0 ? QStringLiteral("/") : folder.left(slash);
    return FindFileNoCase(parent, folder.mid(slash + 1) + "/" + kAddressBookFileName);
}

QString AddressBookBackupPath(const QString& addressBookFile) {
    return addressBookFile.left(addressBookFile.size() - 3) + QStringLiteral("bck");
}

QString AddressBookLine(const QString& name, const QString& typeWord, const QString& formatWord,
                        const QString& address, const QString& member) {
    QString line = name + u':' + typeWord + u':' + formatWord + u':' + address;
    if (!member.isEmpty()) line += u':' + member;
    return line;
}

void ReadAddressBookFile(Messages& m) {
    Foundation& f = m.F;
    QList<AddressEntry>& table = m.AddressBookEntries;
    table = {AddressEntry{}};
    m.AddressBookRefusedLines.clear();

    const QString path = AddressBookFilePath(f);
    QByteArray bytes;
    FileError err = ReadFileBytes(path, bytes);
    if (err.number == kErrFileNotFound && !QFileInfo(QFileInfo(path).path()).isDir())
        err = {kErrPathNotFound, QStringLiteral("Path not found")};
    if (err) {
        ReportFileError(f, QStringLiteral("ReadAddressBookFile"), err);
        return;
    }

    LoadAddressBookLines(m, SplitFileLines(f.Os.Codec.Decode(bytes)));
}

void LoadAddressBookLines(Messages& m, const QStringList& lines) {
    QList<AddressEntry>& table = m.AddressBookEntries;
    table = {AddressEntry{}};
    table.reserve(lines.size());
    m.AddressNames.Changed();
    m.AddressBookRefusedLines.clear();
    bool first = true;  // the first entry takes the place of the initial free slot
    for (const QString& raw : lines) {
        const QStringView line = TrimBlanks(raw);
        if (line.isEmpty()) continue;
        // Blanks around a ":" belong to the fields; fields after the fifth are ignored.
        QStringView fields[kFieldCount];
        int count = 0;
        for (QStringView rest = line; count < kFieldCount;) {
            const qsizetype colon = rest.indexOf(u':');
            fields[count++] = colon < 0 ? rest : rest.left(colon);
            if (colon < 0) break;
            rest = rest.mid(colon + 1);
        }
        AddressEntry e;
        e.Name = fields[0].toString();
        if (!IsStorableAddressName(e.Name)) {
            m.AddressBookRefusedLines.append(raw);
            continue;
        }
        if (count > 1) e.Type = TypeWordToCode(fields[1]);
        if (count > 2) e.Format = FormatWordToCode(fields[2]);
        if (count > 3) e.Address = fields[3].toString();
        if (count > 4) e.MemberOrPrefix = fields[4].toString();
        if (first) table.first() = std::move(e);
        else table.append(std::move(e));
        first = false;
    }
}

void WriteAddressBookFile(Messages& m) {
    Foundation& f = m.F;
    QString text;
    for (const AddressEntry& e : m.AddressBookEntries) {
        if (TrimBlanks(e.Name).isEmpty()) continue;
        if (!IsStorableAddressEntry(e)) {
            ReportFileError(f, QStringLiteral("WriteAddressBookFile"),
                            {RuntimeError::kInvalidArgument,
                             "The entry '" + e.Name +
                                 "' holds a ':', a ';' or a line break, which the file cannot store"});
            return;
        }
        text += AddressBookLine(e.Name, TypeCodeToWord(e.Type), FormatCodeToWord(e.Format), e.Address,
                                e.MemberOrPrefix) +
                QStringLiteral("\r\n");
    }
    for (const QString& line : m.AddressBookRefusedLines) text += line + QStringLiteral("\r\n");

    const QString path = AddressBookFilePath(f);
    const FileError err = WriteFileAtomic(path, f.Os.Codec.Encode(text), AddressBookBackupPath(path));
    if (!err) return;
    if (err.number == kErrDiskFull) {
        QueueMessageBox(f,
                        MlText(f, 2788, "(AddressBook.WriteAddressBookFile) Error: Not enough disk space.") +
                            QStringLiteral("\r\n") +
                            MlText(f, 2789, "Due to this error, the address book can not be saved."),
                        QStringLiteral("Error"), 0);
        return;
    }
    ReportFileError(f, QStringLiteral("WriteAddressBookFile"), err);
}

void SetDefaultAddressBookDir(Foundation& f) {
    // A folder of the data folder whose name differs only in case is the same folder.
    SetIniValue(f, kAddressBookKey, AddBackslash(FindFileNoCase(f.gConfiguration.DataPath, "Addressbook")), true);
}

}  // namespace tidepost
