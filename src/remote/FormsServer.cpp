#include "remote/FormsServer.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <cstring>
#include <exception>

#include "foundation/AppSettings.h"
#include "foundation/DebugLog.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorLog.h"
#include "messages/Messages.h"
#include "platform/AtomicFile.h"
#include "remote/HttpServerProcessing.h"

namespace tidepost {

namespace {

// The head of a request: its target and its header lines (names in small letters, the first of
// each name).
struct RequestHead {
    QByteArray Target;
    QMap<QByteArray, QByteArray> Headers;
    QByteArray Header(const char* name) const { return Headers.value(name); }
    bool Has(const char* name) const { return Headers.contains(name); }
};

RequestHead ParseHead(const QByteArray& request) {
    RequestHead head;
    qsizetype end = request.indexOf("\r\n\r\n");
    if (end < 0) end = request.size();
    const QList<QByteArray> lines = request.left(end).split('\n');
    if (lines.isEmpty()) return head;
    const QList<QByteArray> words = lines.first().trimmed().split(' ');
    if (words.size() >= 2) head.Target = words[1];
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon <= 0) continue;
        const QByteArray name = lines[i].left(colon).trimmed().toLower();
        if (!head.Headers.contains(name)) head.Headers.insert(name, lines[i].mid(colon + 1).trimmed());
    }
    return head;
}

// Compares without giving away through its time how much of the key was right.
bool SameKey(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

QByteArray CookieValue(const QByteArray& cookies, const QByteArray& name) {
    for (const QByteArray& part : cookies.split(';')) {
        const QByteArray item = part.trimmed();
        if (item.startsWith(name + '=')) return item.mid(name.size() + 1);
    }
    return QByteArray();
}

QByteArray ContentTypeOf(const QString& file, const QByteArray& charset) {
    const QString ext = QFileInfo(file).suffix().toLower();
    if (file.isEmpty() || ext == u"htm" || ext == u"html") return "text/html; charset=" + charset;
    if (ext == u"js") return "text/javascript; charset=" + charset;
    if (ext == u"css") return "text/css; charset=" + charset;
    if (ext == u"txt") return "text/plain; charset=" + charset;
    if (ext == u"png") return "image/png";
    if (ext == u"gif") return "image/gif";
    if (ext == u"jpg" || ext == u"jpeg") return "image/jpeg";
    if (ext == u"svg") return "image/svg+xml";
    if (ext == u"ico") return "image/x-icon";
    return "application/octet-stream";
}

// The path of a form as a browser address: each piece percent-encoded.
QString EncodedPath(const QString& name) {
    QStringList pieces;
    for (const QString& piece : QString(name).replace(u'\\', u'/').split(u'/', Qt::SkipEmptyParts))
        pieces.append(QString::fromLatin1(QUrl::toPercentEncoding(piece)));
    return pieces.join(u'/');
}

}  // namespace

QString WinsockStateName(int state) {
    static const char* names[] = {"Closed",        "Open",       "Listening", "Connection pending",
                                  "Resolving host", "Host resolved", "Connecting", "Connected",
                                  "Closing",        "Error"};
    return state >= 0 && state <= 9 ? QString::fromLatin1(names[state]) : QStringLiteral("Unknown");
}

FormsServer::FormsServer(Foundation& f, Messages& m) : m_f(f), m_m(m) {}

FormsServer::~FormsServer() { ShutDown(); }

int FormsServer::State() const { return m_server && m_server->isListening() ? 2 : 0; }

QString FormsServer::BoundAddress() const {
    if (!m_server) return QString();
    const QHostAddress a = m_server->serverAddress();
    return a.protocol() == QAbstractSocket::IPv6Protocol ? u'[' + a.toString() + u']' : a.toString();
}

quint16 FormsServer::BoundPort() const { return m_server ? m_server->serverPort() : 0; }

QString FormsServer::Origin() const {
    QString origin = QStringLiteral("http://") + BoundAddress();
    if (BoundPort() != 80) origin += u':' + QString::number(BoundPort());
    return origin;
}

QString FormsServer::FormAddress(const QString& fileName) const { return Origin() + u'/' + EncodedPath(fileName); }

QUrl FormsServer::BrowserAddress(const QString& fileName) const {
    QUrl url = QUrl::fromLocalFile(m_redirectFile);
    url.setFragment(EncodedPath(fileName), QUrl::StrictMode);
    return url;
}

void FormsServer::DebugLine(const QString& text) { m_f.Windows.DebugLog.get().AddLine(text); }

int FormsServer::LocalPortValue(const QString& text, bool* store80) {
    if (store80) *store80 = false;
    bool numeric = false;
    const qint64 value = text.trimmed().toLongLong(&numeric);
    if (!numeric) {
        // Very long digit runs are numbers too, only out of range.
        const QString t = text.trimmed();
        numeric = !t.isEmpty() && std::all_of(t.begin() + (t.startsWith(u'-') ? 1 : 0), t.end(),
                                              [](QChar c) { return c.isDigit(); }) && t != u"-";
        if (!numeric) return 0;
        if (store80) *store80 = true;
        return 80;
    }
    if (value < 0 || value > 65535) {
        if (store80) *store80 = true;
        return 80;
    }
    return static_cast<int>(value);
}

void FormsServer::StartFormsServer() {
    // Connections left from before are dropped; a listening server stays as it is.
    if (m_server) m_server->DropConnections();
    FormsConnectionCount = 0;
    if (IsListening()) return;

    Foundation& f = m_f;
    const QString portText = GetAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", "80");
    bool store80 = false;
    const int port = LocalPortValue(portText, &store80);
    if (store80) SaveAppSetting(f, f.gProductName, "ElectronicForms", "LocalPort", "80");

    const QString ipText = GetAppSetting(f, f.gProductName, "ElectronicForms", "LocalIP", "127.0.0.1");
    QHostAddress address;
    if (ipText.trimmed().compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        address = QHostAddress(QHostAddress::LocalHost);
    else
        address = QHostAddress(ipText.trimmed());
    if (address.isNull() || !address.isLoopback()) {
        // Anyone on the network could otherwise send messages at the ship's cost.
        ErrorLog(f).AddLine(QStringLiteral("(FormsServer) The forms server listens on 127.0.0.1, not on '") + ipText +
                            QStringLiteral("': only this computer may use it."));
        address = QHostAddress(QHostAddress::LocalHost);
    }

    if (!m_server) {
        m_server = std::make_unique<LoopbackHttpServer>(*f.Os.Clock);
        m_server->OnRequest = [this](const QByteArray& request) { return Answer(request); };
        m_server->OnEvent = [this](LoopbackHttpServer::Event event, int open) { OnEvent(event, open); };
    }
    if (!m_server->listen(address, static_cast<quint16>(port))) {
        const QAbstractSocket::SocketError error = m_server->serverError();
        if (error == QAbstractSocket::AddressInUseError) {
            const QString text =
                QStringLiteral("Declaration and catch reporting located in the Forms menu \r\n"
                               "is not supported as another program on this computer\r\n"
                               "has blocked access to IP address '") +
                ipText + QStringLiteral("' port '") + QString::number(port) +
                QStringLiteral("'.\r\nFull declaration and catch reporting funtionality is only possible\r\n"
                               "if the program blocking access is closed.");
            QueueMessageBox(f, text, QStringLiteral("Error '10048'"), 3);
            return;
        }
        if (error != QAbstractSocket::SocketAccessError || port == 0) {
            DebugLine(QStringLiteral("Winsock error ") + QString::number(static_cast<int>(error)) + QStringLiteral(", ") +
                      m_server->errorString());
            return;
        }
        DebugLine(QStringLiteral("Winsock error: port ") + QString::number(port) +
                  QStringLiteral(" refused (no permission); the system chooses the port"));
        if (!m_server->listen(address, 0)) return;
    }
    if (m_key.isEmpty()) {
        quint32 words[4];
        QRandomGenerator::system()->fillRange(words);
        m_key = QByteArray(reinterpret_cast<const char*>(words), sizeof words).toHex();
    }
    if (m_handler) {
        m_handler->ServerIP = BoundAddress();
        m_handler->ServerPort = QString::number(BoundPort());
    }
    WriteRedirectFile();
}

void FormsServer::WriteRedirectFile() {
    QString folder = RuntimeFolder;
    if (folder.isEmpty()) folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty()) folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) return;
    const QString path = folder + QStringLiteral("/Tidepost-forms.html");
    const QString keyed = Origin() + QString::fromLatin1(kKeyPath) + QString::fromLatin1(m_key);
    const QByteArray page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>Tidepost forms</title>\n"
        "<meta name=\"referrer\" content=\"no-referrer\">\n<script>\nlocation.replace(\"" +
        keyed.toLatin1() +
        "?form=\" + encodeURIComponent(decodeURIComponent(location.hash.substring(1))));\n</script>\n"
        "</head><body><a href=\"" + keyed.toLatin1() + "\">Tidepost forms</a></body></html>\n";
    // Written under its final mode from the start: the key must never be readable by others.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        DebugLine(QStringLiteral("Cannot write ") + path);
        return;
    }
    file.write(page);
    file.close();
    m_redirectFile = path;
}

void FormsServer::RemoveRedirectFile() {
    if (!m_redirectFile.isEmpty()) QFile::remove(m_redirectFile);
    m_redirectFile.clear();
}

void FormsServer::OnEvent(LoopbackHttpServer::Event event, int open) {
    using E = LoopbackHttpServer::Event;
    switch (event) {
        case E::ConnectionRequest:
            DebugLine(QStringLiteral("Winsock connection request..."));
            DebugLine(QStringLiteral("Winsock state: ") + WinsockStateName(State()));
            break;
        case E::ConnectionAccepted: DebugLine(QStringLiteral("Winsock connection accepted")); break;
        case E::DataReceived: DebugLine(QStringLiteral("Winsock data received...")); break;
        case E::ResponseSent: DebugLine(QStringLiteral("Winsock response sent")); break;
        case E::SendComplete: DebugLine(QStringLiteral("Winsock send complete and connection closed")); break;
        case E::PeerClosed: DebugLine(QStringLiteral("Winsock connection closed")); break;
        case E::Refused: DebugLine(QStringLiteral("Winsock connection refused: too many open connections")); break;
    }
    FormsConnectionCount = static_cast<qint16>(open);
}

LoopbackHttpServer::Response FormsServer::Forbidden() const {
    LoopbackHttpServer::Response r;
    r.Status = 403;
    r.Reason = "Forbidden";
    r.ContentType = "text/plain; charset=us-ascii";
    r.Body = "403 Forbidden";
    return r;
}

LoopbackHttpServer::Response FormsServer::Answer(const QByteArray& request) {
    const RequestHead head = ParseHead(request);

    // Only addresses of this server: a foreign name that resolves here (DNS rebinding) is refused.
    const QByteArray port = QByteArray::number(BoundPort());
    QList<QByteArray> hosts{BoundAddress().toLatin1().toLower(), "localhost"};
    QList<QByteArray> ownHosts;
    for (const QByteArray& h : hosts) {
        ownHosts.append(h + ':' + port);
        if (BoundPort() == 80) ownHosts.append(h);
    }
    if (!ownHosts.contains(head.Header("host").toLower())) return Forbidden();
    QList<QByteArray> origins;
    for (const QByteArray& h : ownHosts) origins.append("http://" + h);

    const QByteArray path = head.Target.left(head.Target.indexOf('?') < 0 ? head.Target.size() : head.Target.indexOf('?'));
    if (path.startsWith(kKeyPath)) {
        if (!SameKey(path.mid(qsizetype(strlen(kKeyPath))), m_key)) return Forbidden();
        // The form to open; its pieces are encoded again, so the page can only lead to this server.
        const QByteArray query = head.Target.mid(path.size() + 1);
        QString form;
        for (const QByteArray& item : query.split('&'))
            if (item.startsWith("form=")) form = QString::fromUtf8(QByteArray::fromPercentEncoding(item.mid(5)));
        const QString target = u'/' + EncodedPath(form);
        LoopbackHttpServer::Response r;
        r.ContentType = "text/html; charset=utf-8";
        r.Headers.append(QByteArray("Set-Cookie: ") + kCookieName + '=' + m_key + "; Path=/; HttpOnly; SameSite=Strict");
        // The page itself moves on: a new navigation from this origin carries the strict cookie,
        // where a redirect of the browser's first request (from a file) would not.
        const QByteArray escaped = target.toHtmlEscaped().toUtf8();
        r.Body = "<!DOCTYPE html><html><head><meta http-equiv=\"refresh\" content=\"0;url=" + escaped +
                 "\"></head><body><a href=\"" + escaped + "\">Continue</a></body></html>";
        return r;
    }

    if (head.Has("origin") && !origins.contains(head.Header("origin").toLower())) return Forbidden();
    const QByteArray site = head.Header("sec-fetch-site").toLower();
    if (site == "cross-site" || site == "same-site") return Forbidden();
    if (!SameKey(CookieValue(head.Header("cookie"), kCookieName), m_key)) return Forbidden();
    // The path as the handler will read it, so no odd request line slips a send past this check.
    const QString handlerPath = cHttpServerProcessing::GetRequestPath(m_f.Os.Codec.Decode(request));
    if (handlerPath.contains(QLatin1String("/TXMESSAGE"), Qt::CaseInsensitive) && !head.Has("origin")) {
        // A send needs to show where it comes from: its own page.
        const QByteArray referer = head.Header("referer").toLower();
        bool own = false;
        for (const QByteArray& o : origins) own = own || referer.startsWith(o + '/');
        if (!own) return Forbidden();
    }

    if (!m_handler) {
        m_handler = std::make_unique<cHttpServerProcessing>(m_f, m_m);
        m_handler->Send = Send;
        m_handler->ServerIP = BoundAddress();
        m_handler->ServerPort = QString::number(BoundPort());
    }
    QString body;
    try {
        body = m_handler->ProcessData(m_f.Os.Codec.Decode(request));
    } catch (const std::exception& e) {
        DebugLine(QStringLiteral("Request failed: ") + QString::fromUtf8(e.what()));
        body = QStringLiteral("Unknown error");
        m_handler->ServedFile.clear();
    } catch (...) {
        DebugLine(QStringLiteral("Request failed"));
        body = QStringLiteral("Unknown error");
        m_handler->ServedFile.clear();
    }
    if (body.isEmpty()) body = QStringLiteral("No data in file");
    LoopbackHttpServer::Response r;
    r.ContentType = ContentTypeOf(m_handler->ServedFile, m_f.Os.Codec.CodePage().toLatin1());
    r.Body = m_f.Os.Codec.Encode(body);
    return r;
}

void FormsServer::ShutDown() {
    if (m_server) m_server->CloseAll();
    m_server.reset();
    RemoveRedirectFile();
    m_handler.reset();
    m_m.InboxInstance.reset();
}

}  // namespace tidepost
