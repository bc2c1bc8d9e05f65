#pragma once
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "messages/AddressEntry.h"
#include "messages/CMessage.h"
#include "messages/RecipientMatrix.h"
#include "foundation/Definitions.h"

namespace tidepost {

struct Messages;

// One submission to the transceiver: one destination network, one set of codes for "tx"
// ("-l" presentation, "-s" service, "-t" destination, "-e" extension), one group of recipients.
// A caller makes one per group: it sets the parameters, lets SortRecipients take the next group
// from the names still to send, then ConvertAddresses turns the group's names into addresses.
// A new one has every code 0, every flag false, every text empty and an empty Message.
class CTransmission {
public:

    explicit CTransmission(Messages& messages) : m_messages(messages) {}

    // The e-mail service provider whose record gives e-mail and SMS access data.
    QString ISP;
    // The three-digit number of the land earth station that gets the submission.
    QString LESUsed;
    // 0 routine, 1 distress.
    quint8 Priority = 0;
    // WriteOutLog leaves the sent-items view as it is: the caller logs several submissions in a
    // row and reloads the view once at the end (a long log takes seconds to load).
    bool DeferSentItemsReload = false;

    // The transmission's own message: the group's recipients, subject and text.
    CMessage& Message() { return m_message; }
    const CMessage& Message() const { return m_message; }
    void SetMessage(const CMessage& message) { m_message = message; }

    // Format 0 gives the "-l" code 6 (5-bit), 1 gives 0 (7-bit), 2 gives 7 (8-bit); true. Any other
    // format changes nothing and gives false.
    bool SetPresentation(quint8 format);
    // The "-t" code and the "-e" extension of a destination type; Inmarsat-C reads Presentation,
    // so SetPresentation comes first. A type above 8 changes nothing. True.
    bool SetDestination(quint8 Index, const QString& Address, const QString& MemberOrPrefix);
    bool SetParameters(const QString& isp, bool ReqConf, bool PrintMes, bool DESCheck);
    void SetOutFileName(const QString& name) { m_outFileName = name; }

    // Takes the next group from `names` (address-book names still to send) into Message and sets
    // the submission codes; returns `names` without the names taken. Groups come by destination
    // type, then format; one group holds every name of its type and format from To, Cc and Bcc,
    // except that special access codes, DNIDs (with their member) and X.25 prefixes each get a
    // group of their own and every SMS number is sent alone. A name the address book does not
    // hold forms no group, changes nothing and gives an empty matrix. A distress message always
    // goes to the first 7-bit telex To item, and `names` comes back unchanged.
    RecipientMatrix SortRecipients(const RecipientMatrix& names);
    // Turns the names in Message's address matrix into the addresses the transceiver expects.
    // False at the first name the address book does not hold (cells done so far stay done).
    bool ConvertAddresses();

    // The steps that turn the converted group into a submission, in the order the send road
    // calls them. Each gives false, with no change of Status, when a failure interrupts it.

    // Replaces Message's text by the text the land earth station needs for the group's
    // destination network (type and format of the group): the provider's e-mail header, the
    // address lines of telex, fax, mobile, PSTN and X.25, the SMS frame. Status += 16. False for
    // an SMS group without a To number, for an unknown type, and for a text holding a character
    // the ANSI code page lacks (it is never sent as "?").
    bool FormatMessage(quint8 Index, quint8 Presentation);
    // Writes the text and CR LF as the outbox file OutFileName of the sent-items folder.
    bool SaveFileInOutBox();
    // Queues the upload ("tr" name " -b" n, then "ls" name) and follows it (UploadChecks.h). False
    // before formatting, for a name the transceiver would not take, when the outbox file does not
    // hold the text, and when the queue refuses the commands (closing during a download).
    bool TransferMessage();
    // Appends the submission "tx" name and its options, ending in a bare LF, to the queue.
    // Status += 32. False for a LES that is not digits, an extension holding anything but
    // letters, digits and ",", and while the queue admits no such command.
    bool SendMessage();
    // Appends the submission's "Initiated" line to OUT.IDX and shows it in the sent-items view
    // (ShowNewSentItem), unless DeferSentItemsReload is set. Status += 64.
    bool WriteOutLog(quint8 Index, quint8 Presentation, const QString& ToAlias, const QString& CcAlias,
                     const QString& BCcAlias);

    // One-call sends for callers without the send dialogue; each makes at most one submission and
    // answers with a SendResult code. The text is sent to `MsgAddress` (";" between addresses) of
    // the given destination type and format; `MsgText` holds the formatted text afterwards and
    // `strRef` the outbox file name on 1000. A failure inside gives 0 and a line in ErrorLog.txt.
    qint16 SendMessageToAddress(const QString& MsgAddress, quint8 iMsgType, quint8 iMsgFormat,
                                const QString& MsgSubject, QString& MsgText, QString& strRef);
    // The same to address-book names (";" between them); only the first group of them is sent.
    qint16 SendMessageToAddressBookEntry(const QString& MsgEntries, const QString& MsgSubject, QString& MsgText,
                                         QString& strRef);
    // The one-call road's own steps, which take their data as arguments. FormatMessageNew lays out
    // the text as FormatMessage does (an SMS gets its "Subject: " line), into `strBodyText`;
    // iStatus += 16. TransferMessageNew writes the outbox file and queues its upload.
    // SendMessageNew queues the "tx" line as a command (CR LF); iStatus += 32.
    bool FormatMessageNew(const QString& strTOAdr, const QString& strCCAdr, const QString& strBCCAdr,
                          const QString& strSubject, QString& strBodyText, quint8 iDestination, quint8 iPresentation,
                          qint16& iStatus);
    bool TransferMessageNew(const QString& strMsgText, const QString& strFileName);
    bool SendMessageNew(const QString& strFileName, const QString& strLes, const QString& strTime,
                        const QString& strDate, const QString& strService, quint8 strDestination,
                        quint8 strPresentation, const QString& strDestinationExt, quint8 iPriority, bool bPrintMsg,
                        bool bConf, qint16& iStatus);

    bool AddressesFound() const { return m_addressesFound; }
    // The destination type and format of the group.
    TypeAndFormat CurrentGroup() const { return m_currentGroup; }

    quint8 Presentation() const { return m_presentation; }
    quint8 Service() const { return m_service; }
    quint8 NetworkType() const { return m_networkType; }
    quint8 DestinationCode() const { return m_destinationCode; }
    const QString& DestinationExt() const { return m_destinationExt; }
    // Progress: +4 grouped, +16 formatted, +32 submitted, +64 logged.
    quint8 Status() const { return m_status; }
    bool RequestConfirmation() const { return m_requestConfirmation; }
    bool PrintMessage() const { return m_printMessage; }
    bool DESEncrypted() const { return m_desEncrypted; }
    const QString& OutFileName() const { return m_outFileName; }
    const QString& TransmissionDate() const { return m_transmissionDate; }
    const QString& TransmissionTime() const { return m_transmissionTime; }

private:
    // What a "tx" line says.
    struct TxOptions {
        QString FileName, Les, Time, Date, Service;
        quint8 Destination = 0, Presentation = 0;
        QString DestinationExt;
        quint8 Priority = 0;
        bool Print = false, Confirmation = false;
    };
    // The "tx" line; "" when a value would not make a sound option.
    static QString TxLine(const TxOptions& options);
    // Queues "tr" and "ls" for the outbox file `name`, which must hold `text` and CR LF.
    bool QueueUpload(const QString& name, const QString& text);
    // The text laid out for the destination network, from the To, Cc and Bcc items.
    bool LayOutText(quint8 Index, const QStringList (&lists)[3], const QString& subject, const QString& old,
                    bool smsSubjectLine, QString& result) const;
    // The one-call road once the address is checked; a DNID group reached through the address
    // book keeps its own extension (`dnidExt`, DNID and member).
    qint16 SendToAddress(const QString& MsgAddress, quint8 iMsgType, quint8 iMsgFormat, const QString& MsgSubject,
                         QString& MsgText, QString& strRef, const QString& dnidExt);
    RecipientMatrix SortDistressRecipients(const RecipientMatrix& names);

    Messages& m_messages;
    CMessage m_message;
    quint8 m_presentation = 0;
    quint8 m_service = 0;
    quint8 m_networkType = 0;
    quint8 m_status = 0;
    quint8 m_destinationCode = 0;
    QString m_destinationExt;
    bool m_requestConfirmation = false;
    bool m_printMessage = false;
    bool m_desEncrypted = false;
    bool m_addressesFound = false;
    QString m_outFileName;
    QString m_transmissionDate;
    QString m_transmissionTime;
    TypeAndFormat m_currentGroup{0, 0};
};

}  // namespace tidepost
