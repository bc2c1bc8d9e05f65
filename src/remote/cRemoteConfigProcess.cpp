#include "remote/cRemoteConfigProcess.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <QRegularExpression>
#include <cmath>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "foundation/LogFiles.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/Validators.h"
#include "messages/CTransmission.h"
#include "messages/Messages.h"
#include "messages/SendResult.h"
#include "messages/cAddressBook.h"
#include "platform/AtomicFile.h"
#include "remote/SendResultText.h"

namespace tidepost {

namespace {

const QString kIspName = QStringLiteral("isp.dat");
// What a file read finds in an empty file, as the classic runtime reports it.
const FileError kEmptyFile{62, QStringLiteral("Input past end of file")};

bool HasControlCharacter(const QString& text) {
    for (QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127) return true;
    return false;
}

// The first line of a provider list the program can load without asking: "VERSION " and a number
// of at least 100 whose last three characters read at least 100 too (the loader's reading).
bool IsProviderList(const QString& payload) {
    static const QRegularExpression version(QStringLiteral("^VERSION (\\d+)$"));
    QString first = payload.section(QLatin1Char('\n'), 0, 0);
    if (first.endsWith(u'\r')) first.chop(1);
    const QRegularExpressionMatch match = version.match(first);
    if (!match.hasMatch()) return false;
    const QString digits = match.captured(1);
    return digits.size() >= 3 && digits.right(3).toInt() >= 100;
}

struct LogSpec {
    QString File;
    QString Subject;
    QString SecondLine;
};

LogSpec LogSpecOf(const QString& command) {
    if (command == QLatin1String("GETDEBUGLOG"))
        return {QStringLiteral("DebugLog.txt"), QStringLiteral("Tidepost debug log"),
                QStringLiteral(":Debug log might not have been sent")};
    return {QStringLiteral("RemoteLog.txt"), QStringLiteral("Tidepost remoteconfig log"),
            QStringLiteral(":Remote configuration log might not have been sent")};
}

// What went wrong in a send that has no text of its own.
QString SendFailureText(int code) {
    switch (code) {
    case SendResult::NotConnected: return QStringLiteral("Transceiver not connected");
    case SendResult::FormatFailed: return QStringLiteral("Formatting the message failed");
    case SendResult::UploadFailed: return QStringLiteral("Queuing the upload failed");
    case SendResult::SubmissionFailed: return QStringLiteral("Queuing the submission failed");
    case SendResult::LogFailed: return QStringLiteral("Writing the OUT.IDX line failed");
    case SendResult::ConversionFailed: return QStringLiteral("Address conversion failed");
    case SendResult::BadAddress: return QStringLiteral("Empty address");
    case SendResult::NoEntries: return QStringLiteral("No address-book entry named");
    case SendResult::UnknownEntry: return QStringLiteral("A name is not in the address book");
    default: return QStringLiteral("Message not sent");
    }
}

// The last `count` bytes of a file (all of a shorter one): a log may hold megabytes, and only its
// end is sent.
FileError ReadFileTail(const QString& path, qsizetype count, QByteArray& bytes) {
    bytes.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return FileErrorFromErrno(errno ? errno : EACCES);
    if (file.size() > count && !file.seek(file.size() - count)) return FileErrorFromErrno(EIO);
    bytes = file.read(count);
    if (file.error() != QFileDevice::NoError) {
        bytes.clear();
        return FileErrorFromErrno(EIO);
    }
    return {};
}

}  // namespace

bool RemoteParamToInt16(const QString& text, qint16& value) {
    static const QRegularExpression leading(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    QString compact = text;
    compact.remove(u' ');
    compact.remove(u'\t');
    const QRegularExpressionMatch match = leading.match(compact);
    const double number = match.hasMatch() ? match.captured(0).toDouble() : 0.0;
    const double rounded = std::nearbyint(number);  // the default rounding: halves to even
    if (!(rounded >= -32768.0 && rounded <= 32767.0)) return false;
    value = static_cast<qint16>(rounded);
    return true;
}

cRemoteConfigProcess::cRemoteConfigProcess(Messages& messages) : m_messages(messages), m_f(messages.F) {}

const std::array<RemoteCommandSpec, 7>& cRemoteConfigProcess::CommandTable() {
    static const std::array<RemoteCommandSpec, 7> table{{{QStringLiteral("SAVEHTML"), 1},
                                                         {QStringLiteral("SAVEISP"), 0},
                                                         {QStringLiteral("SAVECONTACT"), 5},
                                                         {QStringLiteral("SETDEFLES"), 4},
                                                         {QStringLiteral("SETDEFISP"), 1},
                                                         {QStringLiteral("GETDEBUGLOG"), 2},
                                                         {QStringLiteral("GETREMCONFLOG"), 2}}};
    return table;
}

int cRemoteConfigProcess::AddressTypeFromKeyword(const QString& keyword) {
    static const QStringList words{"email", "telex", "fax", "mobile", "modem", "sac", "dnid", "x25"};
    const qsizetype i = words.indexOf(keyword.toLower());
    return i < 0 ? 0 : int(i);
}

void cRemoteConfigProcess::SetLogFile(const QString& fileName) {
    m_logFile = fileName;
    m_log = std::make_unique<cLog>(m_f);
    m_log->SetLogFile(fileName);
}

void cRemoteConfigProcess::LogCommandResult(const QString& name, bool ok) {
    Log("Command " + name + (ok ? QStringLiteral(" completed sucessfully") : QStringLiteral(" failed")));
}

bool cRemoteConfigProcess::LogFailure(const QString& name, const FileError& error, const QString& secondLine) {
    Log(name + ":Error '" + QString::number(error.number) + "' " + error.description);
    Log(name + secondLine);
    return false;
}

bool cRemoteConfigProcess::ProcessConfig(const RemoteConfigPacket& packet) {
    if (packet.Malformed) return false;
    bool result = true;
    for (const RemoteConfigCommand& command : packet.Commands) {
        const RemoteCommandSpec* spec = nullptr;
        for (const RemoteCommandSpec& row : CommandTable())
            if (row.Name == command.Name) spec = &row;
        if (!spec) {
            result = false;
            continue;
        }
        if (!command.Valid) {
            Log("Error processing command '" + command.Name + "': Command not valid");
            result = false;
            continue;
        }
        if (command.ParamCount != spec->ParamCount) {
            Log("Error in command '" + command.Name + "': Wrong number of parameters");
            result = false;
            continue;
        }
        Payload = packet.Payload;
        Log("Processing command " + command.Name + "...");
        const bool ok = RunCommand(command, *spec);
        LogCommandResult(command.Name, ok);
        if (!ok) result = false;
    }
    return result;
}

bool cRemoteConfigProcess::RunCommand(const RemoteConfigCommand& command, const RemoteCommandSpec& spec) {
    const auto& p = command.Params;
    if (spec.Name == QLatin1String("SAVEHTML")) return ProcessSAVEHTML(p[0]);
    if (spec.Name == QLatin1String("SAVEISP")) return ProcessSAVEISP();
    if (spec.Name == QLatin1String("SAVECONTACT")) return ProcessSAVECONTACT(p[0], p[1], p[2], p[3], p[4]);
    if (spec.Name == QLatin1String("SETDEFLES")) return ProcessSETDEFLES(p[0], p[1], p[2], p[3]);
    if (spec.Name == QLatin1String("SETDEFISP")) return ProcessSETDEFISP(p[0]);
    qint16 count = 0;
    if (!RemoteParamToInt16(p[1], count)) return false;
    return ProcessGetLog(spec.Name, p[0], count);
}

bool cRemoteConfigProcess::ProcessSAVEISP() {
    const QString name = QStringLiteral("SAVEISP");
    const QString second = QStringLiteral(":File 'Isp.dat' might not have been updated");
    // Anything else would replace every provider with what the loader cannot read, or make it ask
    // the operator about an old version in the middle of a download.
    if (!IsProviderList(Payload)) {
        Log(name + ":Error: Payload is not a provider list (first line 'VERSION ' and 100 or later)");
        return false;
    }
    const QString path = IspFilePath(m_f);
    if (path.isEmpty()) return LogFailure(name, {kErrPathNotFound, QStringLiteral("Path not found")}, second);
    if (QFileInfo::exists(path)) Log(name + ":File 'isp.dat' already exists. Overwriting...");
    else Log(name + ":Creating file 'isp.dat'");
    if (FileError e = WriteFileAtomic(path, m_f.Os.Codec.Encode(Payload))) return LogFailure(name, e, second);
    // The list in memory follows, or the provider editor's next save would write the old one back.
    if (FileError e = ReadIspFile(m_f)) return LogFailure(name, e, second);
    return true;
}

bool cRemoteConfigProcess::ProcessSAVECONTACT(const QString& name, const QString& keyword, const QString& format,
                                              const QString& address, const QString& extra) {
    const QString command = QStringLiteral("SAVECONTACT");
    cAddressBook book(m_messages);
    book.SetLogFile(m_logFile);
    const int type = AddressTypeFromKeyword(keyword);
    QString message;
    bool valid = false;
    switch (type) {
    case 0: valid = ValidateEmail(m_f, address, false, message); break;
    case 3: valid = ValidateInmcNumber(m_f, address, false, message); break;
    case 6: valid = ValidateDnid(m_f, address, false, message); break;
    default: valid = ValidateNumber(m_f, address, false, message); break;
    }
    qint16 formatNumber = 0;
    // Only the three message formats exist; any other number would make an entry nobody can send to.
    if (valid) valid = RemoteParamToInt16(format, formatNumber) && (formatNumber == 5 || formatNumber == 7 || formatNumber == 8);
    if (!valid) {
        Log(command + ":Error occurred. Address validation failed");
        Log(command + ":Address book was not updated");
        return false;
    }
    if (!book.AddAddress(name, type, formatNumber, address, extra, false)) {
        Log(command + ":Error occurred. Address book might not have been updated");
        return false;
    }
    Log(command + ":Address book successfully updated");
    return true;
}

bool cRemoteConfigProcess::ProcessSETDEFLES(const QString& west, const QString& east, const QString& pacific,
                                            const QString& indian) {
    static const QRegularExpression decimal(QStringLiteral("^\\d+(\\.\\d+)?$"));
    static const char* const keys[] = {"[Default LES West]", "[Default LES East]", "[Default LES Pacific]",
                                       "[Default LES Indian]"};
    const QString values[] = {west, east, pacific, indian};
    for (int k = 0; k < 4; ++k) {
        if (values[k].isEmpty()) continue;
        // Only a plain number counts: "12abc" would otherwise be stored as a station.
        const double v = decimal.match(values[k]).hasMatch() ? values[k].toDouble() : -1.0;
        if (!(v > 100.0 * k && v < 100.0 * k + 64)) {
            Log("Error occurred processing SETDEFLES. Could not validate data for ocean " + QString::number(k));
            return false;
        }
    }
    for (int k = 0; k < 4; ++k) {
        if (values[k].isEmpty()) continue;
        const QString key = QString::fromLatin1(keys[k]);
        SetIniValue(m_f, key, values[k], true);
        if (GetIniValue(m_f, key) != values[k])
            return LogFailure(QStringLiteral("SETDEFLES"), {kErrPathFileAccess, QStringLiteral("Path/File access error")},
                              QStringLiteral(":Default LES's might not have been updated"));
    }
    return true;
}

bool cRemoteConfigProcess::ProcessSETDEFISP(const QString& providerName) {
    const QString name = QStringLiteral("SETDEFISP");
    const QString second = QStringLiteral(":File 'Isp.dat' might not have been updated");
    const QString path = IspFilePath(m_f);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        Log(name + ":Error processing command. File 'isp.dat' not found");
        return false;
    }
    QByteArray bytes;
    if (FileError e = ReadFileBytes(path, bytes)) return LogFailure(name, e, second);
    if (bytes.isEmpty()) {
        Log(name + ":Error processing command. File 'isp.dat' is empty");
        return false;
    }
    const QString text = m_f.Os.Codec.Decode(bytes);
    // A name with "|" or a line break would match across fields or lines.
    if (providerName.contains(u'|') || HasControlCharacter(providerName) ||
        !text.contains("\r\n" + providerName + u'|')) {
        Log(name + ":Error processing command. New ISP name not found in list");
        return false;
    }
    SetIniValue(m_f, QStringLiteral("[Default ISP]"), providerName, true);
    if (GetIniValue(m_f, QStringLiteral("[Default ISP]")) != providerName)
        return LogFailure(name, {kErrPathFileAccess, QStringLiteral("Path/File access error")}, second);
    return true;
}

bool cRemoteConfigProcess::ProcessGetLog(const QString& command, const QString& entries, qint16 count) {
    const LogSpec spec = LogSpecOf(command);
    const QString path = DataFilePath(m_f, spec.File);
    if (path.isEmpty() || !QFileInfo(path).isFile()) {
        if (command == QLatin1String("GETDEBUGLOG"))
            Log(command + ":Error executing command. File 'DebugLog.txt' does not exist");
        return false;
    }
    const qsizetype n = count <= 0 || count > 10000 ? 10000 : count;
    QByteArray bytes;
    if (FileError e = ReadFileTail(path, n, bytes)) return LogFailure(command, e, spec.SecondLine);
    if (bytes.isEmpty()) return LogFailure(command, kEmptyFile, spec.SecondLine);
    QString text = m_f.Os.Codec.Decode(bytes);

    CTransmission transmission(m_messages);
    QString reference;
    const qint16 code = transmission.SendMessageToAddressBookEntry(entries, spec.Subject, text, reference);
    const QString resultText = SendResultText(m_f, code);
    if (resultText.isEmpty()) return LogFailure(command, {code, SendFailureText(code)}, spec.SecondLine);
    if (code == SendResult::Submitted) {
        Log(command + ": " + resultText + "<br>Ref:" + reference);
        return true;
    }
    Log(command + ":Error " + QString::number(code) + ": " + resultText);
    return false;
}

}  // namespace tidepost
