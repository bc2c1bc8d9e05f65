// Sending a text in one call, without the send dialogue: to an address, or to address-book names.
#include <exception>

#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/RuntimeError.h"
#include "foundation/cErrorLog.h"
#include "messages/AddressSearch.h"
#include "messages/CTransmission.h"
#include "messages/GroupLes.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/SendResult.h"

namespace tidepost {

namespace {

constexpr quint8 kDnid = 6;

QString DefaultIsp(Foundation& f) { return GetIniValue(f, QStringLiteral("[Default ISP]")); }

// The callers (the HTTP server, the remote configuration) get a code, never an exception: a
// failure inside gives 0 and its line in the error log.
template <typename Send>
qint16 Guarded(Foundation& f, const char* procedure, Send send) {
    try {
        return send();
    } catch (const RuntimeError& e) {
        ErrorLog(f).AddLine(ComposeErrorText(QString::fromLatin1(procedure), e.Number, e.Description));
    } catch (const std::exception& e) {
        ErrorLog(f).AddLine(ComposeErrorText(QString::fromLatin1(procedure), 0, QString::fromLocal8Bit(e.what())));
    }
    return SendResult::NoGroup;
}

}  // namespace

qint16 CTransmission::SendMessageToAddress(const QString& MsgAddress, quint8 iMsgType, quint8 iMsgFormat,
                                           const QString& MsgSubject, QString& MsgText, QString& strRef) {
    return Guarded(m_messages.F, "CTransmission.SendMessageToAddress",
                   [&] { return SendToAddress(MsgAddress, iMsgType, iMsgFormat, MsgSubject, MsgText, strRef, {}); });
}

qint16 CTransmission::SendToAddress(const QString& MsgAddress, quint8 iMsgType, quint8 iMsgFormat,
                                    const QString& MsgSubject, QString& MsgText, QString& strRef,
                                    const QString& dnidExt) {
    Foundation& f = m_messages.F;
    // A line break would reach the text and, as an extension, the "tx" line.
    if (MsgAddress.trimmed().isEmpty() || MsgAddress.contains(u'\r') || MsgAddress.contains(u'\n'))
        return SendResult::BadAddress;
    if (!f.gSession.MesConnected()) return SendResult::NotConnected;
    m_message.TextField = MsgText;

    ISP = DefaultIsp(f);
    Priority = 0;
    // The Inmarsat-C destination code depends on the presentation.
    SetPresentation(iMsgFormat);
    SetDestination(iMsgType, MsgAddress, QString());
    if (iMsgType == kDnid && !dnidExt.isEmpty()) m_destinationExt = dnidExt;
    LESUsed = GroupLes(f, iMsgType);
    if (LESUsed.isEmpty()) return IsProviderType(iMsgType) ? SendResult::NoProviderLes : SendResult::NoDefaultLes;

    m_outFileName = GetNewMessageFileName(f, f.gOutboxDir, QStringLiteral("out"));
    m_message.Subject = MsgSubject;
    SaveFileInOutBox();
    qint16 status = 0;
    if (!FormatMessageNew(MsgAddress, QString(), QString(), MsgSubject, MsgText, iMsgType, iMsgFormat, status))
        return SendResult::FormatFailed;
    if (!TransferMessageNew(MsgText, m_outFileName)) return SendResult::UploadFailed;
    if (!SendMessageNew(m_outFileName, LESUsed, QString(), QString(), QStringLiteral("0"), m_destinationCode,
                        m_presentation, m_destinationExt, 0, false, true, status))
        return SendResult::SubmissionFailed;

    // The log line tells what was submitted: confirmation asked, nothing printed.
    m_transmissionTime.clear();
    m_transmissionDate.clear();
    m_service = 0;
    m_printMessage = false;
    m_requestConfirmation = true;
    Priority = 0;
    m_status = static_cast<quint8>(status);
    QString toAlias = m_message.GetFieldAliases(m_currentGroup.Type, m_currentGroup.Format, 0);
    if (toAlias.isEmpty()) toAlias = MsgAddress;
    if (!WriteOutLog(iMsgType, m_currentGroup.Format, toAlias, QString(), QString())) return SendResult::LogFailed;

    strRef = m_outFileName;
    return SendResult::Submitted;
}

qint16 CTransmission::SendMessageToAddressBookEntry(const QString& MsgEntries, const QString& MsgSubject,
                                                    QString& MsgText, QString& strRef) {
    Foundation& f = m_messages.F;
    return Guarded(f, "CTransmission.SendMessageToAddressBookEntry", [&]() -> qint16 {
        if (MsgEntries.isEmpty()) return SendResult::NoEntries;
        RecipientMatrix names;
        if (!NamesToRecipientMatrix(m_messages, MsgEntries.split(u';'), names, 0)) return SendResult::UnknownEntry;
        ISP = DefaultIsp(f);
        m_message.SetAliasMatrix(names);
        SortRecipients(names);
        if (!ConvertAddresses()) return SendResult::ConversionFailed;
        if (!m_addressesFound) return SendResult::NoGroup;
        const auto [type, format] = m_currentGroup;
        return SendToAddress(m_message.GetAddressCell(type, format, 0), type, format, MsgSubject, MsgText, strRef,
                             type == kDnid ? m_destinationExt : QString());
    });
}

}  // namespace tidepost
