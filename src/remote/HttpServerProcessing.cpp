#include "remote/HttpServerProcessing.h"

#include <exception>

#include "foundation/AppSettings.h"
#include "foundation/DebugLog.h"
#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/UrlDecode.h"
#include "messages/CInbox.h"
#include "messages/CTransmission.h"
#include "messages/Messages.h"
#include "messages/SendResult.h"
#include "remote/SendResultText.h"
#include "messages/cOutBox.h"

namespace tidepost {

namespace {

const QString kUnknownSendError = QStringLiteral("<HTML><BODY>Unknown error occurred when sending message.</BODY></HTML>");

bool Contains(const QString& text, const char* what) { return text.contains(QLatin1String(what), Qt::CaseInsensitive); }

bool SameName(const QString& name, const char* what) {
    return name.compare(QLatin1String(what), Qt::CaseInsensitive) == 0;
}

}  // namespace

cHttpServerProcessing::cHttpServerProcessing(Foundation& f, Messages& m)
    : m_f(f), m_m(m), m_log(std::make_unique<cLog>(f)) {
    m_log->SetLogFile(QStringLiteral("ErrorLog.txt"));
}

cHttpServerProcessing::~cHttpServerProcessing() = default;

void cHttpServerProcessing::DebugLine(const QString& text) { m_f.Windows.DebugLog.get().AddLine(text); }

QString cHttpServerProcessing::GetRequestPath(const QString& request) {
    QString rest = request;
    qsizetype blank = rest.indexOf(u' ');
    if (blank >= 0) rest = rest.mid(blank + 1);
    blank = rest.indexOf(u' ');
    if (blank >= 0) rest.truncate(blank);
    const qsizetype question = rest.indexOf(u'?');
    if (question >= 0) rest.truncate(question);
    return rest;
}

QString cHttpServerProcessing::GetQueryString(const QString& request) {
    const qsizetype blank = request.indexOf(u' ');
    if (blank < 0) return QString();
    QString target = request.mid(blank + 1);
    const qsizetype next = target.indexOf(u' ');
    if (next >= 0) target.truncate(next);
    const qsizetype question = target.indexOf(u'?');
    return question < 0 ? QString() : target.mid(question + 1);
}

QList<RequestParameter> cHttpServerProcessing::Parameters(const QString& query, const QString& body) const {
    QString text = query + u'&' + body;
    if (text.startsWith(u'&')) text.remove(0, 1);
    if (text.endsWith(u'&')) text.chop(1);
    QList<RequestParameter> params;
    if (text.isEmpty()) return params;
    for (const QString& piece : text.split(u'&')) {
        const qsizetype equals = piece.indexOf(u'=');
        if (equals < 0) {
            params.append({piece, QString()});
        } else {
            params.append({UrlDecode(m_f.Os.Codec, QStringView(piece).left(equals)),
                           UrlDecode(m_f.Os.Codec, QStringView(piece).mid(equals + 1))});
        }
    }
    return params;
}

QString cHttpServerProcessing::ProcessData(const QString& request) {
    ServedFile.clear();
    if (request.isEmpty()) return QStringLiteral("Error in request");
    const QString path = GetRequestPath(request);
    DebugLine(path);
    const QString query = GetQueryString(request);
    QString body;
    const qsizetype c = request.indexOf(QLatin1String("\r\n\r\n"));
    // The body needs at least two characters (a single one is dropped).
    if (c >= 0 && request.size() > c + 5) {
        body = request.mid(c + 4);
        qsizetype from = 0, to = body.size();
        while (from < to && body[from] == u' ') ++from;
        while (to > from && body[to - 1] == u' ') --to;
        body = body.mid(from, to - from).remove(QLatin1String("\r\n"));
    }
    QString result;
    bool handled = false;
    ProcessCommand(path, query, body, result, handled);
    if (handled) return result;
    QString text;
    if (LoadStaticFile(path, text)) return ReplaceTemplateTags(text);
    return text;
}

void cHttpServerProcessing::ProcessCommand(const QString& path, const QString& query, const QString& body,
                                           QString& result, bool& handled) {
    handled = false;
    enum { None, Send, SentMessage, ReceivedMessage, Status } command = None;
    if (Contains(path, "/TXMESSAGE")) command = Send;
    else if (Contains(path, "REQUESTTXMSG")) command = SentMessage;
    else if (Contains(path, "REQUESTRXMSG")) command = ReceivedMessage;
    else if (Contains(path, "/REQUESTMSGSTATUS")) command = Status;
    if (command == None) return;
    handled = true;
    try {
        const QList<RequestParameter> params = Parameters(query, body);
        switch (command) {
            case Send:
                result = params.isEmpty() ? QStringLiteral("Error, missing parameter(s).") : SendMessagePage(params);
                break;
            case SentMessage:
            case ReceivedMessage: {
                if (params.isEmpty() || !SameName(params.first().Name, "ID")) {
                    result = QStringLiteral("Error, function parameter missing.");
                    break;
                }
                QString name = params.first().Value;
                QString message;
                if (command == SentMessage) {
                    GetOutBox(m_m).GetOutBoxMessage(name, message);
                    result = QStringLiteral("<script type=\"text/javascript\">") + LoadDecodeScript() +
                             QStringLiteral("</script><html><body onload='MainDecode()'>") + message +
                             QStringLiteral("</body></html>");
                } else {
                    GetInbox(m_m).GetInBoxMessage(name, message);
                    result = message;
                }
                break;
            }
            case Status: {
                if (params.isEmpty()) {
                    result = QStringLiteral("Error, function parameter missing.");
                    break;
                }
                QString s;
                if (SameName(params.first().Name, "REF")) {
                    QString status;
                    GetOutBox(m_m).GetIndexValue(0, params.first().Value, 8, status);
                    s = QStringLiteral("Ref:") + params.first().Value.toHtmlEscaped() + QStringLiteral("<br>Status:") +
                        status.toHtmlEscaped();
                } else {
                    s = QStringLiteral("Error, function parameter missing.");
                }
                result = QStringLiteral("<HTML><BODY>") + s + QStringLiteral("</BODY></HTML>");
                break;
            }
            case None: break;
        }
    } catch (const std::exception& e) {
        DebugLine(QStringLiteral("Request failed: ") + QString::fromUtf8(e.what()));
        result = QStringLiteral("Unknown error");
    } catch (...) {
        DebugLine(QStringLiteral("Request failed"));
        result = QStringLiteral("Unknown error");
    }
}

QString cHttpServerProcessing::SendMessagePage(const QList<RequestParameter>& params) {
    QString format = GetAppSetting(m_f, m_f.gProductName, "Settings", "DefaultMsgFormat", QString());
    QString address = GetAppSetting(m_f, m_f.gProductName, "Settings", "DefaultMsgAddress", QString());
    QString entries, subject, text;
    bool toBook = false;
    for (const RequestParameter& p : params) {
        if (SameName(p.Name, "MSGTYPE")) continue;
        if (SameName(p.Name, "MSGFORMAT")) {
            format = p.Value;
        } else if (SameName(p.Name, "MSGADDRESS")) {
            address = p.Value;
            toBook = false;
        } else if (SameName(p.Name, "MSGADRBOOKENTRY")) {
            entries = p.Value;
            toBook = true;
        } else if (SameName(p.Name, "MSGSUBJECT")) {
            subject = p.Value;
        } else if (SameName(p.Name, "MSGTEXT") || !p.Value.isEmpty()) {
            text += u',' + p.Value;
        }
    }
    if (text.startsWith(u',')) text.remove(0, 1);
    quint8 presentation = 1;
    if (SameName(format, "5-bit")) presentation = 0;
    else if (SameName(format, "8-bit")) presentation = 2;
    return toBook ? SendToAddressBookEntry(entries, subject, text) : SendToAddress(address, 0, presentation, subject, text);
}

QString cHttpServerProcessing::SendToAddressBookEntry(const QString& entries, const QString& subject,
                                                      const QString& text) {
    try {
        QString body = text, ref;
        const qint16 code = Send ? Send(true, entries, 1, subject, body, ref)
                                 : CTransmission(m_m).SendMessageToAddressBookEntry(entries, subject, body, ref);
        return SendResultPage(code, ref);
    } catch (...) {
        return kUnknownSendError;
    }
}

QString cHttpServerProcessing::SendToAddress(const QString& address, quint8 msgType, quint8 msgFormat,
                                             const QString& subject, const QString& text) {
    try {
        QString body = text, ref;
        const qint16 code = Send ? Send(false, address, msgFormat, subject, body, ref)
                                 : CTransmission(m_m).SendMessageToAddress(address, msgType, msgFormat, subject, body, ref);
        return SendResultPage(code, ref);
    } catch (...) {
        return kUnknownSendError;
    }
}

QString cHttpServerProcessing::SendResultPage(qint16 code, const QString& ref) {
    const QString t = SendResultText(m_f, code);
    if (t.isEmpty()) return kUnknownSendError;
    const QString s = code == SendResult::Submitted
                          ? t + QStringLiteral("<br>Ref:") + ref.toHtmlEscaped()
                          : QStringLiteral("Error ") + QString::number(code) + QStringLiteral(": ") + t;
    return QStringLiteral("<HTML><BODY>") + s + QStringLiteral("</BODY></HTML>");
}

}  // namespace tidepost
