#pragma once
#include <QString>
#include <array>
#include <memory>

#include "foundation/ILog.h"
#include "messages/IRemoteConfig.h"
#include "platform/FileError.h"

namespace tidepost {

struct Foundation;
struct Messages;

// One row of the command table: a command's name and the number of parameters it takes, exactly.
struct RemoteCommandSpec {
    QString Name;
    quint8 ParamCount = 0;
};

// Carries out the commands of a packet whose token was accepted. Every step is a line of the log;
// the lines of a command begin with its name. One object per packet.
class cRemoteConfigProcess : public IRemoteConfigProcess {
public:
    explicit cRemoteConfigProcess(Messages& messages);

    void SetLogFile(const QString& fileName) override;
    // Runs the commands in order; a failed one does not stop the rest. True when every command
    // succeeded, also for a packet without commands. A malformed packet runs nothing (false).
    bool ProcessConfig(const RemoteConfigPacket& packet) override;

    // The payload below the data folder's "html" folder, as the file the parameter names (an
    // optional relative folder path with "\" separators, then the name).
    bool ProcessSAVEHTML(const QString& fileName);

    static const std::array<RemoteCommandSpec, 7>& CommandTable();
    // The destination type of a SAVECONTACT keyword (any letter case); e-mail for an unknown one.
    static int AddressTypeFromKeyword(const QString& keyword);

private:
    bool ProcessSAVEISP();
    bool ProcessSAVECONTACT(const QString& name, const QString& keyword, const QString& format,
                            const QString& address, const QString& extra);
    bool ProcessSETDEFLES(const QString& west, const QString& east, const QString& pacific, const QString& indian);
    bool ProcessSETDEFISP(const QString& providerName);
    // GETDEBUGLOG and GETREMCONFLOG: the end of a log file of the data folder sent by message.
    bool ProcessGetLog(const QString& command, const QString& entries, qint16 count);
    bool RunCommand(const RemoteConfigCommand& command, const RemoteCommandSpec& spec);
    void LogCommandResult(const QString& name, bool ok);
    // The two error lines of an unexpected failure; always false.
    bool LogFailure(const QString& name, const FileError& error, const QString& secondLine);
    void Log(const QString& text) { m_log->Log(text); }

    Messages& m_messages;
    Foundation& m_f;
    std::unique_ptr<ILog> m_log = std::make_unique<ILog>();
    QString m_logFile;
    QString Payload;
};

// A parameter's number as the classic Val and CInt read it: the leading decimal number (blanks
// skipped, optional sign and fraction), rounded to the nearest whole number, halves to even; 0
// without a leading number. False when it does not fit 16 bits.
bool RemoteParamToInt16(const QString& text, qint16& value);

}  // namespace tidepost
