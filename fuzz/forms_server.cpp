// Requests to the local forms server as a browser or any other local program could send them:
// the framing takes a request whole or refuses it, never longer than its limits or its length;
// the handler answers every request, reads no file outside the forms folder, and sends at most
// one message per request.
//
// Input: the bytes received on one connection.
#include <QDir>

#include "FuzzWorld.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/LoopbackHttpServer.h"
#include "remote/HttpServerProcessing.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    constexpr int kHead = 512, kBody = 1024;  // small limits, so inputs reach them

    using Framing = LoopbackHttpServer::Framing;
    const Framing framing = LoopbackHttpServer::Frame(bytes, kHead, kBody);
    if (framing.Result == Framing::Whole) {
        if (framing.Length > bytes.size() || framing.Length > kHead + kBody) fuzz::Broken("a request beyond its bytes or limits");
        const Framing again = LoopbackHttpServer::Frame(QByteArrayView(bytes).first(framing.Length), kHead, kBody);
        if (again.Result != Framing::Whole || again.Length != framing.Length) fuzz::Broken("a whole request is not whole alone");
        if (framing.Length > 0 &&
            LoopbackHttpServer::Frame(QByteArrayView(bytes).first(framing.Length - 1), kHead, kBody).Result == Framing::Whole)
            fuzz::Broken("a request was whole before its last byte");
    } else if (framing.Result == Framing::Refused) {
        if (framing.Status != 400 && framing.Status != 413 && framing.Status != 431) fuzz::Broken("an unknown refusal");
    } else if (bytes.size() > kHead + kBody + 4 && bytes.indexOf("\r\n\r\n") < 0) {
        fuzz::Broken("an endless head is waited for");
    }

    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    QDir().mkpath(w.platform.DataFolder() + "/html");
    QDir().mkpath(w.platform.DataFolder() + "/Inbox");
    QDir().mkpath(w.platform.DataFolder() + "/sent items");
    w.f.gInboxDir = w.platform.DataFolder() + "/Inbox/";
    w.f.gOutboxDir = w.platform.DataFolder() + "/sent items/";
    w.platform.WriteDataFile("Tidepost.ini", "[Secret]\r\nSECRET-SETTING\r\n[End Of File]\r\n");
    w.platform.WriteDataFile("html/index.htm", "<%=REQUESTSHIPNAME%><%=REQUESTOUTBOX 5%><%=REQUESTINBOX%>");
    w.platform.WriteDataFile("sent items/OUT.IDX", "a.out;x;102;E;1;2;3;4;Delivered;0;0;0;0;0;0;0;0;A;;;S\r\n");
    cHttpServerProcessing http(w.f, m);
    int sends = 0;
    http.Send = [&](bool, const QString&, quint8, const QString&, QString&, QString& ref) -> qint16 {
        ++sends;
        ref = "26011501.out";
        return 1000;
    };
    const QString answer = http.ProcessData(w.f.Os.Codec.Decode(bytes));
    if (answer.contains(QLatin1String("SECRET-SETTING"))) fuzz::Broken("a file outside the forms folder was served");
    if (sends > 1) fuzz::Broken("one request sent more than one message");
    if (answer.contains(QLatin1String("<script>")) && !answer.startsWith(QLatin1String("<script type=")))
        fuzz::Broken("request text became a script");
    return 0;
}
