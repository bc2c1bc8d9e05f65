// Saving the formatted message, uploading and submitting it, and its first line in the outbox log.
#include <QFileInfo>
#include <QStringList>

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullFileRoutines.h"
#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/UploadChecks.h"
#include "messages/CTransmission.h"
#include "messages/DeliveryStatus.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/SentItemsGrid.h"
#include "messages/cOutBox.h"
#include "platform/AtomicFile.h"
#include "platform/IClock.h"

namespace tidepost {

namespace {

constexpr quint8 kFormatted = 16;
constexpr quint8 kEmail = 0;
constexpr quint8 kDnid = 6;
// The transceiver's file names, and so the upload check, have exactly this many characters.
constexpr int kTransceiverNameLength = 12;

// A name the transceiver stores and lists as it was uploaded.
bool IsTransceiverFileName(const QString& name) {
    return name.size() == kTransceiverNameLength && IsPlainFileName(name);
}

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool IsExtensionCharacter(QChar c) {
    return IsAsciiDigit(c) || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u',';
}
bool AllOf(const QString& text, bool (*allowed)(QChar)) {
    for (QChar c : text)
        if (!allowed(c)) return false;
    return true;
}

// A text as one field of the log: a ";" would start another field, a line break another line.
QString LogField(const QString& text) { return FlattenText(QString(text).replace(u';', u',')); }

QString OutboxPath(const Foundation& f, const QString& name) { return AddBackslash(f.gOutboxDir) + name; }

}  // namespace

bool CTransmission::SaveFileInOutBox() {
    const Foundation& f = m_messages.F;
    // Without a folder (or a name) the file would land somewhere else.
    if (f.gOutboxDir.isEmpty() || !IsPlainFileName(m_outFileName)) return false;
    const QByteArray content = f.Os.Codec.Encode(m_message.TextField + kCrLf);
    return !WriteFileAtomic(ResolvePath(OutboxPath(f, m_outFileName)), content);
}

bool CTransmission::TransferMessage() {
    if (m_status < kFormatted) return false;
    return QueueUpload(m_outFileName, m_message.TextField);
}

bool CTransmission::TransferMessageNew(const QString& strMsgText, const QString& strFileName) {
    const Foundation& f = m_messages.F;
    if (f.gOutboxDir.isEmpty() || !IsTransceiverFileName(strFileName)) return false;
    const QByteArray content = f.Os.Codec.Encode(strMsgText + kCrLf);
    if (WriteFileAtomic(ResolvePath(OutboxPath(f, strFileName)), content)) return false;
    return QueueUpload(strFileName, strMsgText);
}

bool CTransmission::QueueUpload(const QString& name, const QString& text) {
    if (!IsTransceiverFileName(name)) return false;
    Link& link = m_messages.L;
    const qint32 size = static_cast<qint32>(text.size());
    // The engine streams the file: it must hold exactly the text announced, and its line end.
    const QFileInfo file(ResolvePath(OutboxPath(m_messages.F, name)));
    if (!file.isFile() || file.size() != qint64(size) + kCrLf.size()) return false;

    const QString upload = "tr " + name + " -b " + QString::number(size);
    if (!QueueCommand(link, upload, true, false)) return false;
    if (!QueueCommand(link, "ls " + name, true, false)) {
        WithdrawCommands(link, [&](const QString& line) { return line == upload; });
        return false;
    }
    BeginSentFileCheck(link, name, size);
    return true;
}

QString CTransmission::TxLine(const TxOptions& o) {
    if (!IsTransceiverFileName(o.FileName)) return {};
    // The option values come from files and callers; a blank or a line break would make another
    // option or another command of them.
    if (o.Les.isEmpty() || !AllOf(o.Les, IsAsciiDigit)) return {};
    if (o.Service.isEmpty() || !AllOf(o.Service, IsAsciiDigit)) return {};
    if (!AllOf(o.DestinationExt, IsExtensionCharacter)) return {};
    if (!AllOf(o.Time, IsAsciiDigit) || !AllOf(o.Date, IsAsciiDigit)) return {};

    QString line = "tx " + o.FileName + " -c " + o.Les;
    if (!o.Time.isEmpty()) line += " -h " + o.Time;
    if (!o.Date.isEmpty()) line += " -y " + o.Date;
    line += " -s " + o.Service + " -t " + QString::number(o.Destination) + " -l " + QString::number(o.Presentation);
    if (!o.DestinationExt.isEmpty()) line += " -e " + o.DestinationExt;
    if (o.Priority == kDistressPriority) line += " -a";
    if (!o.Print) line += " -n";
    if (o.Confirmation) line += " -v";
    return line.trimmed();
}

bool CTransmission::SendMessage() {
    const QString line = TxLine({m_outFileName, LESUsed, m_transmissionTime, m_transmissionDate,
                                 QString::number(m_service), m_destinationCode, m_presentation, m_destinationExt,
                                 Priority, m_printMessage, m_requestConfirmation});
    if (line.isEmpty()) return false;
    Link& link = m_messages.L;
    if (!IsCommandAllowed(link, line)) return false;
    link.Dialogue.CommandQueue += line + u'\n';
    DialogueWorkArrived(link);
    m_status += 32;
    return true;
}

bool CTransmission::SendMessageNew(const QString& strFileName, const QString& strLes, const QString& strTime,
                                   const QString& strDate, const QString& strService, quint8 strDestination,
                                   quint8 strPresentation, const QString& strDestinationExt, quint8 iPriority,
                                   bool bPrintMsg, bool bConf, qint16& iStatus) {
    const QString line = TxLine({strFileName, strLes, strTime, strDate, strService, strDestination, strPresentation,
                                 strDestinationExt, iPriority, bPrintMsg, bConf});
    if (line.isEmpty()) return false;
    // Queued as a command line, so it ends in CR LF.
    if (!QueueCommand(m_messages.L, line, true, false)) return false;
    iStatus += 32;
    return true;
}

bool CTransmission::WriteOutLog(quint8 Index, quint8 Presentation, const QString& ToAlias, const QString& CcAlias,
                                const QString& BCcAlias) {
    Foundation& f = m_messages.F;
    if (f.gOutboxDir.isEmpty()) return false;
    QStringList cells;
    try {
        for (quint8 list = 0; list < 3; ++list) {
            const QString cell = m_message.GetAddressCell(Index, Presentation, list);
            if (!cell.isEmpty()) cells << cell;
        }
    } catch (const RuntimeError&) {
        return false;
    }
    const bool rescue = ToAlias == kSearchAndRescue;
    const QString addresses = cells.join(u',');
    QString destination;
    if (Index == kEmail) destination = addresses.isEmpty() ? QStringLiteral("-") : addresses;
    else if (Index == kDnid) destination = m_destinationExt;
    else destination = rescue ? QStringLiteral("MRCC") : addresses;

    QString bits = Index < f.DestinationTypeNames.size() ? f.DestinationTypeNames.at(Index) : QString();
    switch (m_presentation) {
    case 6: bits += " 5 Bit"; break;
    case 0: bits += " 7 Bit"; break;
    case 7: bits += " 8 Bit"; break;
    default: break;
    }
    if (m_presentation == 0 && rescue) bits = QStringLiteral("Distress message");

    const QDateTime now = f.Os.Clock->Now();
    const QStringList fields = {
        m_outFileName,
        LogField(destination),
        LogField(LESUsed),
        bits,
        now.toString(QStringLiteral("yy-MM-dd")),
        now.toString(QStringLiteral("hh:mm")),
        " " + QString::number(m_message.TextField.size()),
        kNoReference,
        DeliveryStatus::Initiated,
        m_requestConfirmation ? QStringLiteral("1") : QStringLiteral("0"),
        m_printMessage ? QStringLiteral("1") : QStringLiteral("0"),
        QStringLiteral("0"),
        QStringLiteral("0"),
        now.toString(QStringLiteral("dd")),
        now.toString(QStringLiteral("MM")),
        now.toString(QStringLiteral("hh")),
        now.toString(QStringLiteral("mm")),
        LogField(ToAlias),
        LogField(CcAlias),
        LogField(BCcAlias),
        // The subject stays as typed, ";" included: it is the last field.
        FlattenText(m_message.Subject),
    };
    const QString line = fields.join(u';');
    if (!GetOutBox(m_messages).AppendLogLine(OutboxPath(f, QStringLiteral("OUT.IDX")), line)) return false;
    if (!DeferSentItemsReload) {
        try {
            ShowNewSentItem(m_messages, line);
        } catch (const RuntimeError&) {
            return false;
        }
    }
    m_status += 64;
    return true;
}

}  // namespace tidepost
