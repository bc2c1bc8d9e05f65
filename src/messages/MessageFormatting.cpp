// The text a land earth station needs in front of a message for each destination network.
#include <QStringList>

#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "foundation/RuntimeError.h"
#include "messages/CTransmission.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {


enum DestinationType : quint8 { kEmail = 0, kTelex, kFax, kInmarsatC, kPstn, kSac, kDnid, kX25, kSms };
constexpr quint8 kX25Access = 3;

// Provider fields of the e-mail header and the SMS frame.
enum IspField { kToPrefix = 6, kCcPrefix, kBccPrefix, kSubjectPrefix, kTextStartPrefix, kAccessAddress = 12,
                kDelimiter, kSmsPrefix, kSmsPostfix };

// The items of an address cell: an empty cell has none; empty items between ";" count.
QStringList Items(const QString& cell) { return cell.isEmpty() ? QStringList() : cell.split(u';'); }

}  // namespace

bool CTransmission::FormatMessage(quint8 Index, quint8 Presentation) {
    QStringList lists[3];
    try {
        for (quint8 list = 0; list < 3; ++list) lists[list] = Items(m_message.GetAddressCell(Index, Presentation, list));
    } catch (const RuntimeError&) {
        return false;
    }
    QString text;
    if (!LayOutText(Index, lists, m_message.Subject, m_message.TextField, false, text)) return false;
    m_message.TextField = text;
    m_status += 16;
    return true;
}

bool CTransmission::FormatMessageNew(const QString& strTOAdr, const QString& strCCAdr, const QString& strBCCAdr,
                                     const QString& strSubject, QString& strBodyText, quint8 iDestination,
                                     quint8 iPresentation, qint16& iStatus) {
    (void)iPresentation;
    if (iDestination == kEmail) ISP = GetIniValue(m_messages.F, QStringLiteral("[Default ISP]"));
    const QStringList lists[3] = {Items(strTOAdr), Items(strCCAdr), Items(strBCCAdr)};
    QString text;
    if (!LayOutText(iDestination, lists, strSubject, strBodyText, true, text)) return false;
    strBodyText = text;
    iStatus += 16;
    return true;
}

bool CTransmission::LayOutText(quint8 Index, const QStringList (&lists)[3], const QString& subject, const QString& old,
                               bool smsSubjectLine, QString& result) const {
    const QStringList& to = lists[0];
    const QStringList& cc = lists[1];
    const QStringList& bcc = lists[2];
    const QString subjectLine = subject.isEmpty() ? QString() : "Subject: " + subject + kCrLf;
    auto isp = [this](int field) { return GetISPElement(m_messages.F, ISP, field); };

    QString text;
    switch (Index) {
    case kEmail: {
        QString header;
        if (m_destinationCode == kX25Access) header = isp(kAccessAddress) + "+" + kCrLf + kCrLf;
        const QString delimiter = isp(kDelimiter);
        if (!to.isEmpty()) header += isp(kToPrefix) + to.join(delimiter);
        if (!cc.isEmpty()) {
            if (!to.isEmpty()) header += kCrLf;
            header += isp(kCcPrefix) + cc.join(delimiter);
        }
        if (!bcc.isEmpty()) {
            if (!to.isEmpty() || !cc.isEmpty()) header += kCrLf;
            header += isp(kBccPrefix) + bcc.join(delimiter);
        }
        if (!subject.isEmpty()) header += kCrLf + isp(kSubjectPrefix) + subject;
        if (const QString start = isp(kTextStartPrefix); !start.isEmpty()) header += kCrLf + start;
        text = header + kCrLf + old;
        if (m_destinationCode == kX25Access) text += kCrLf;
        // Line-break marks written in the text or the provider's fields become the real ones.
        text.replace(QLatin1String("<CR>"), QStringLiteral("\r"));
        text.replace(QLatin1String("<LF>"), QStringLiteral("\n"));
        text.replace(QLatin1String("<CRLF>"), kCrLf);
        break;
    }
    case kTelex:
    case kFax:
    case kInmarsatC:
    case kPstn:
    case kX25: {
        QString block;
        for (const QStringList& items : lists)
            for (const QString& item : items) block += item + "+" + kCrLf;
        text = block + kCrLf + subjectLine + old;
        break;
    }
    case kSac: text = subjectLine + old; break;
    case kDnid: text = kCrLf + subjectLine + old; break;
    case kSms:
        if (to.isEmpty()) return false;  // one number is sent: the first To item
        text = isp(kSmsPrefix) + to.first() + isp(kSmsPostfix);
        // The dialogue's road puts the bare subject on a line of its own; the one-call road puts
        // its "Subject: " line straight after the frame.
        text += smsSubjectLine ? subjectLine + kCrLf : kCrLf + subject + kCrLf;
        text += old;
        break;
    default: return false;
    }

    // What is saved, counted for "-b" and streamed is the text in the code page: a character it
    // lacks would go out as "?", so such a text is refused rather than changed.
    const AnsiCodec& codec = m_messages.F.Os.Codec;
    for (QChar c : text)
        if (codec.ByteOf(c) < 0) return false;
    result = text;
    return true;
}

}  // namespace tidepost
