#pragma once
#include <QByteArray>
#include <QHostAddress>
#include <QUrl>
#include <QString>
#include <memory>

#include "platform/LoopbackHttpServer.h"
#include "remote/HttpServerProcessing.h"

namespace tidepost {

struct Foundation;
struct Messages;

// The name of a socket state as the debug log writes it.
QString WinsockStateName(int state);

// The local forms server: it listens on loopback only, at the address and port of the settings
// section "ElectronicForms", and answers each request through the shared cHttpServerProcessing.
// Only the user's own browser may use it: the Host and Origin must name this server, no request
// may come from another site, and each request must carry the cookie that the keyed address
// hands out. That address reaches the browser through a file only the user can read
// ($XDG_RUNTIME_DIR/Tidepost-forms.html), never a command line.
class FormsServer {
public:
    FormsServer(Foundation& f, Messages& m);
    ~FormsServer();
    FormsServer(const FormsServer&) = delete;
    FormsServer& operator=(const FormsServer&) = delete;

    // The connections counted as open.
    qint16 FormsConnectionCount = 0;
    // The folder of the redirect file; empty: $XDG_RUNTIME_DIR (or Qt's runtime folder).
    QString RuntimeFolder;

    // The port a "LocalPort" text names: its number; 80 for a number outside 0..65535 (then
    // `store80` is set: "80" is to be stored); 0, a port the system chooses, for any other text.
    static int LocalPortValue(const QString& text, bool* store80);
    // Given to the request handler when it is made (tests record sends through it).
    cHttpServerProcessing::Sender Send;

    // Makes the server listen unless it does already; connections still open are dropped.
    // Failures are handled inside: a port in use queues the blocked-port box, a port refused for
    // permission falls back to one the system chooses.
    void StartFormsServer();
    // 2 listening, 0 closed.
    int State() const;
    bool IsListening() const { return State() == 2; }
    // What is bound, valid while listening.
    QString BoundAddress() const;
    quint16 BoundPort() const;
    // "http://" address [":" port unless 80]: the origin of the pages.
    QString Origin() const;
    // The address of a form on this server (its name percent-encoded), for the form view.
    QString FormAddress(const QString& fileName) const;
    // The redirect file and the address that opens `fileName` in the browser through it.
    QString RedirectFile() const { return m_redirectFile; }
    QUrl BrowserAddress(const QString& fileName) const;
    // The per-run key (32 hexadecimal digits), "" before the server first listened.
    const QByteArray& Key() const { return m_key; }
    static constexpr const char* kCookieName = "TidepostForms";
    static constexpr const char* kKeyPath = "/tidepost-key/";

    // The answer to one whole request; the server calls it, tests too.
    LoopbackHttpServer::Response Answer(const QByteArray& request);
    // The request handler, created at the first request; null before.
    cHttpServerProcessing* Handler() const { return m_handler.get(); }
    LoopbackHttpServer* Server() const { return m_server.get(); }

    // Closes the server, removes the redirect file and lets the handler and the inbox pages go.
    void ShutDown();

private:
    void OnEvent(LoopbackHttpServer::Event event, int open);
    void DebugLine(const QString& text);
    void WriteRedirectFile();
    void RemoveRedirectFile();
    LoopbackHttpServer::Response Forbidden() const;

    Foundation& m_f;
    Messages& m_m;
    std::unique_ptr<LoopbackHttpServer> m_server;
    std::unique_ptr<cHttpServerProcessing> m_handler;
    QByteArray m_key;
    QString m_redirectFile;
};

}  // namespace tidepost
