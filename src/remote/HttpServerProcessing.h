#pragma once
#include <QList>
#include <QString>
#include <functional>
#include <memory>

namespace tidepost {

struct Foundation;
struct Messages;
class ILog;

// One parameter of a request, query first, then body, in order of appearance.
struct RequestParameter {
    QString Name;
    QString Value;
};

// Turns the text of one request of the forms server into the body of its answer: one of the
// commands (send a message, show a sent or received message, the delivery status of a sent
// message) or a file of the forms folder with its template tags filled. Keeps nothing from one
// request to the next but its log.
class cHttpServerProcessing {
public:
    cHttpServerProcessing(Foundation& f, Messages& m);
    ~cHttpServerProcessing();
    cHttpServerProcessing(const cHttpServerProcessing&) = delete;
    cHttpServerProcessing& operator=(const cHttpServerProcessing&) = delete;

    // The body of the answer to `request` (one character per byte).
    QString ProcessData(const QString& request);

    // The address and port the server is bound to, as the server tags show them.
    QString ServerIP = QStringLiteral("127.0.0.1");
    QString ServerPort = QStringLiteral("80");
    // The file the last ProcessData served, for its content type; empty for a command's answer
    // and for a file that could not be served.
    QString ServedFile;

    // A send to an address (toBook false) or to address-book entries; gives a send result code
    // and the outbox file name. Empty: the message goes through CTransmission. Tests plug in here.
    using Sender = std::function<qint16(bool toBook, const QString& to, quint8 format, const QString& subject,
                                        QString& text, QString& ref)>;
    Sender Send;

    static QString GetRequestPath(const QString& request);
    static QString GetQueryString(const QString& request);
    // The parameters of the query and the body: "&" between them, each "name=value" decoded.
    QList<RequestParameter> Parameters(const QString& query, const QString& body) const;

    // The forms folder: the data folder and the setting "Dir" (default "html").
    QString FormsFolder() const;
    // The text of the file that the request path names inside the forms folder, or the error
    // text; true when a file was read. Names leading out of the folder are missing files.
    bool LoadStaticFile(const QString& path, QString& result);
    // The page with every template tag replaced by its value.
    QString ReplaceTemplateTags(QString page);
    // The text of "html/decode.js" of the data folder, or "" (and a line in ErrorLog.txt).
    QString LoadDecodeScript();

private:
    void ProcessCommand(const QString& path, const QString& query, const QString& body, QString& result,
                        bool& handled);
    QString SendMessagePage(const QList<RequestParameter>& params);
    QString SendToAddressBookEntry(const QString& entries, const QString& subject, const QString& text);
    QString SendToAddress(const QString& address, quint8 msgType, quint8 msgFormat, const QString& subject,
                          const QString& text);
    QString SendResultPage(qint16 code, const QString& ref);
    void DebugLine(const QString& text);

    Foundation& m_f;
    Messages& m_m;
    std::unique_ptr<ILog> m_log;
};


}  // namespace tidepost
